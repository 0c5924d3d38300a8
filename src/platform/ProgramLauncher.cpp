#include "platform/ProgramLauncher.h"

#include <QDir>
#include <QProcess>

bool QProcessLauncher::startDetached(const QString &program, const QStringList &arguments) {
    return QProcess::startDetached(program, arguments);
}

QString QProcessLauncher::homeFolder() const {
    return QDir::homePath();
}
