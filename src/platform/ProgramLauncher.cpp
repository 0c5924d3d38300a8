#include "platform/ProgramLauncher.h"

#include <QDir>
#include <QProcess>

#include <utility>

using namespace Qt::StringLiterals;

QProcessLauncher::QProcessLauncher(QProcessEnvironment environment)
    : m_environment(std::move(environment)) {
    m_environment.remove(u"DESKTOP_STARTUP_ID"_s);
    m_environment.remove(u"XDG_ACTIVATION_TOKEN"_s);
}

bool QProcessLauncher::startDetached(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessEnvironment(m_environment);
    return process.startDetached();
}

QString QProcessLauncher::homeFolder() const {
    return QDir::homePath();
}
