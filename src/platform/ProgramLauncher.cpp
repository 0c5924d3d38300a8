#include "platform/ProgramLauncher.h"

#include <QDir>
#include <QProcess>

// A program in the home folder is named as a shell names it, "~/bin/alarm.sh".
bool QProcessLauncher::startDetached(const QString &program, const QStringList &arguments) {
    return QProcess::startDetached(program.startsWith(u"~/") ? QDir::homePath() + program.mid(1) : program,
                                   arguments);
}
