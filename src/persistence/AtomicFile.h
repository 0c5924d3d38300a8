#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file's content whole or not at all: the old file stays when anything fails, a full
// disk included. Returns the reason of a failure, or nothing.
QString writeFileAtomically(const QString &path, const QByteArray &content);
// The start of the name under which a write of the file is made, before it takes the file's place:
// a hidden name beside it that no one else makes, followed by six more letters or digits.
QString unfinishedWriteOf(const QString &fileName);
