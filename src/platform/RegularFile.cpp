#include "platform/RegularFile.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString openRegularFile(QFile &file) {
    // A resource is built into the program.
    if (file.fileName().startsWith(u':'))
        return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    const int descriptor =
        ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return qt_error_string(errno);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return QCoreApplication::translate("RegularFile", "not a regular file");
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return file.errorString();
    }
    return QString();
}
