#include "alerts/ProgramCommand.h"

#include <QFileInfo>
#include <QProcess>

ProgramCommand programCommand(const QString &text) {
    const QString trimmed = text.trimmed();
    const QFileInfo whole(trimmed);
    if (!trimmed.isEmpty() && whole.isFile() && whole.isExecutable())
        return {trimmed, {}};
    QStringList parts = QProcess::splitCommand(trimmed);
    if (parts.isEmpty())
        return {};
    const QString program = parts.takeFirst();
    return {program, parts};
}
