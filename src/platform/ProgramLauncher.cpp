#include "platform/ProgramLauncher.h"

#include <QProcess>

bool QProcessLauncher::startDetached(const QString &program, const QStringList &arguments) {
    return QProcess::startDetached(program, arguments);
}
