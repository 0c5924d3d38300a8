#pragma once

#include <QFile>
#include <QString>

// Opens the file for reading, only when it is a regular file and without waiting to open it: a
// FIFO, a device or a terminal would hold up the window's thread, or never end. Returns the reason
// when it cannot, or nothing.
QString openRegularFile(QFile &file);
// The same, for a descriptor of the file's own (to be closed by the caller); -1 when it cannot.
int openRegularDescriptor(const QString &path, QString *reason = nullptr);
