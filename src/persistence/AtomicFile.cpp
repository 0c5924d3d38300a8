#include "persistence/AtomicFile.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

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
        file.setPermissions(target.permissions());
    if (file.write(content) != content.size() || !file.flush())
        return file.errorString();
    // A full disk can show only here, where the file system places what was written.
    if (::fsync(file.handle()) != 0)
        return qt_error_string(errno);
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(target.filePath()).constData()) != 0)
        return qt_error_string(errno);
    file.setAutoRemove(false);
    return QString();
}
