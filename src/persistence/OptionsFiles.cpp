#include "persistence/OptionsFiles.h"

#include "persistence/AtomicFile.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// Far more than any path or message: a larger file is none of this program's.
constexpr qint64 MaximumRead = 1024 * 1024;
} // namespace

OptionsFiles::OptionsFiles(const QString &configFolder)
    : m_folder(configFolder + u"/Tivvet/Options"_s) {}

OptionsFiles::Read OptionsFiles::read(const QString &fileName) const {
    QFile file(m_folder + u'/' + fileName);
    if (!file.exists())
        return {};
    if (const QString failure = openRegularFile(file); !failure.isEmpty())
        return {QString(), failure};
    // A byte past the limit tells a file over it; a read of the limit would allocate all of it first.
    QByteArray bytes = file.read(std::min(file.size(), MaximumRead + 1));
    if (file.error() != QFileDevice::NoError)
        return {QString(), file.errorString()};
    if (bytes.size() > MaximumRead)
        //: Why an options file was not read, after its path: "…/wav.txt: larger than 1 MiB".
        return {QString(), tr("larger than 1 MiB")};
    // The final line end, as this program writes it or as editors do.
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    // Line breaks are CR LF in the file and LF in the text boxes.
    return {QString::fromUtf8(bytes).replace(u"\r\n"_s, u"\n"_s), QString()};
}

// Only names that this program's writes make: a name of the user's own beside a file, such as
// "wav.txt.backup", stays.
void OptionsFiles::removeUnfinishedWrites(const QStringList &fileNames) const {
    QDir folder(m_folder);
    for (const QString &fileName : fileNames)
        for (const QString &name : folder.entryList({unfinishedWriteOf(fileName) + u"??????"_s},
                                                    QDir::Files | QDir::Hidden | QDir::CaseSensitive))
            folder.remove(name);
}

QString OptionsFiles::write(const QString &fileName, const QString &text) const {
    if (!QDir().mkpath(m_folder))
        return tr("cannot create the folder %1").arg(QDir::toNativeSeparators(m_folder));
    return writeFileAtomically(m_folder + u'/' + fileName,
                               QString(text).replace(u'\n', u"\r\n"_s).toUtf8() + "\r\n");
}
