#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// The options files: one text each, in UTF-8 followed by CR LF, in the folder "Tivvet/Options"
// under the user's configuration folder.
class OptionsFiles {
    Q_DECLARE_TR_FUNCTIONS(OptionsFiles)

public:
    explicit OptionsFiles(const QString &configFolder);

    QString folder() const { return m_folder; }
    struct Read {
        QString text;
        QString failure; // why a file that is there could not be read
    };
    // The stored text as written, less the final CR LF or LF; empty for a missing or empty file.
    Read read(const QString &fileName) const;
    // Removes what this program's writes of the files, cut short by a crash, left beside them.
    void removeUnfinishedWrites(const QStringList &fileNames) const;
    // Writes the file whole or not at all; the reason when it could not be written.
    QString write(const QString &fileName, const QString &text) const;

private:
    QString m_folder;
};
