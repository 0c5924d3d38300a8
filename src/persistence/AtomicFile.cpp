#include "persistence/AtomicFile.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A file keeps its permissions, but never ones that keep its user from reading it back: mode 000
// becomes 600.
QFileDevice::Permissions readableByItsUser(QFileDevice::Permissions permissions) {
    return permissions & QFileDevice::ReadOwner
               ? permissions
               : permissions | QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

// Every byte, or why not: a write cut short (a full disk, a limit on the file's size) fails too,
// where a buffered write would only say that fewer bytes went.
QString writeAll(int descriptor, QByteArrayView content) {
    while (!content.isEmpty()) {
        const ssize_t written = ::write(descriptor, content.data(), size_t(content.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return qt_error_string(written < 0 ? errno : ENOSPC);
        content = content.sliced(written);
    }
    return QString();
}

} // namespace

QString unfinishedWriteOf(const QString &fileName) {
    return u'.' + fileName + u".tivvet-"_s;
}

// Written beside the file, synced, then renamed over it; what a crash cuts short keeps its own name,
// which the next start removes.
QString writeFileAtomically(const QString &path, const QByteArray &content) {
    // A link of the user's to a file elsewhere stays: the file it names is replaced.
    const QFileInfo given(path);
    const QFileInfo target(given.isSymLink() && given.exists() ? given.canonicalFilePath() : path);
    QTemporaryFile file(target.path() + u'/' + unfinishedWriteOf(target.fileName()) + u"XXXXXX"_s);
    if (!file.open())
        return file.errorString();
    if (target.exists())
        file.setPermissions(readableByItsUser(target.permissions()));
    if (const QString failure = writeAll(file.handle(), content); !failure.isEmpty())
        return failure;
    // A full disk can show only here, where the file system places what was written.
    if (::fsync(file.handle()) != 0)
        return qt_error_string(errno);
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(target.filePath()).constData()) != 0)
        return qt_error_string(errno);
    file.setAutoRemove(false);
    return QString();
}
