#pragma once

#include <QString>
#include <QStringList>

struct ProgramCommand {
    QString program;
    QStringList arguments;
};

// A program box's text as a program and its arguments. A text that names an existing executable
// file as a whole runs that file (a browsed path may contain blanks); any other text is split
// with shell-like quoting.
ProgramCommand programCommand(const QString &text);
