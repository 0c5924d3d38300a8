#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

// A field of a process's memory summary ("Rss:", "Pss:"), in kB; 0 when the process is gone.
inline double rollupKb(qint64 pid, const char *field) {
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : rollup.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').first().toDouble();
    return 0;
}
