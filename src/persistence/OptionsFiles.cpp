#include "persistence/OptionsFiles.h"

#include "persistence/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// Far more than any path or message; a larger file is read up to here.
constexpr qint64 MaximumRead = 1024 * 1024;
} // namespace

OptionsFiles::OptionsFiles(const QString &configFolder)
    : m_folder(configFolder + u"/Tivvet/Options"_s) {}

QString OptionsFiles::read(const QString &fileName) const {
    QFile file(m_folder + u'/' + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // What the file holds, up to the limit: a read of the limit would allocate all of it first.
    QByteArray bytes = file.read(std::min(file.size(), MaximumRead));
    // The final line end, as this program writes it or as editors do.
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    // Line breaks are CR LF in the file and LF in the text boxes.
    return QString::fromUtf8(bytes).replace(u"\r\n"_s, u"\n"_s);
}

// Where the file system has no nameless files, a file is written under its name, a dot and six
// more characters (letters, then the end of the writing process's number), then renamed over the
// old one. A name of the user's own beside it, such as "wav.txt.backup", stays.
void OptionsFiles::removeUnfinishedWrites(const QStringList &fileNames) const {
    static const QRegularExpression written(u"^[A-Za-z]*[0-9]+$"_s);
    QDir folder(m_folder);
    for (const QString &name :
         folder.entryList({u"*.??????"_s}, QDir::Files | QDir::Hidden | QDir::CaseSensitive))
        if (fileNames.contains(name.chopped(7)) && written.match(name.right(6)).hasMatch())
            folder.remove(name);
}

QString OptionsFiles::write(const QString &fileName, const QString &text) const {
    if (!QDir().mkpath(m_folder))
        return u"cannot create the folder %1"_s.arg(QDir::toNativeSeparators(m_folder));
    return writeFileAtomically(m_folder + u'/' + fileName,
                               QString(text).replace(u'\n', u"\r\n"_s).toUtf8() + "\r\n");
}
