#include "platform/RegularFile.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString openRegularFile(QFile &file) {
    QString reason;
    const int descriptor = openRegularDescriptor(file.fileName(), &reason);
    if (descriptor < 0)
        return reason;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return file.errorString();
    }
    return QString();
}

int openRegularDescriptor(const QString &path, QString *reason) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat status {};
    if (descriptor >= 0 && ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode))
        return descriptor;
    if (reason)
        *reason = descriptor < 0 ? qt_error_string(errno)
                                 : QCoreApplication::translate("RegularFile", "not a regular file");
    if (descriptor >= 0)
        ::close(descriptor);
    return -1;
}
