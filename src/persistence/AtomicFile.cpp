#include "persistence/AtomicFile.h"

#include <QSaveFile>

QString writeFileAtomically(const QString &path, const QByteArray &content) {
    QSaveFile file(path);
    // Unbuffered, so that a write cut short by a full disk is seen here: a buffered flush that
    // writes only part of the data still lets the commit succeed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    for (qint64 done = 0; done < content.size();) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        done += written;
    }
    return file.commit() ? QString() : file.errorString();
}
