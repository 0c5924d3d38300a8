#pragma once

#include <QString>
#include <QStringList>

struct ProgramCommand {
    QString program;
    QStringList arguments;
};

// A program box's text as a program and its arguments. A text that names an existing executable
// file as a whole runs that file (a browsed path may contain blanks); any other text is split into
// words as a shell does, with quotes and backslashes, and "~/" at the start of an unquoted word is
// the home folder; nothing else is expanded and no shell runs.
ProgramCommand programCommand(const QString &text, const QString &homeFolder);
