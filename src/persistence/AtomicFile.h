#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file's content whole or not at all: the old file stays when anything fails, a full
// disk included. Returns the reason of a failure, or nothing.
QString writeFileAtomically(const QString &path, const QByteArray &content);
