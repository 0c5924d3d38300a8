#include "platform/ConfigFolder.h"

#include <QFile>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

QString userConfigFolder() {
    if (qEnvironmentVariableIsEmpty("HOME") && qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        if (const passwd *user = getpwuid(getuid()))
            return QFile::decodeName(user->pw_dir) + QStringLiteral("/.config");
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}
