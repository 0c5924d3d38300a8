#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QString>

#include <optional>

// The per-user settings store: sections and keys of text values in the INI file
// "Tivvet/Tivvet.ini" under the user's configuration folder.
class SettingsStore {
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)

public:
    explicit SettingsStore(const QString &configFolder);

    void write(const QString &section, const QString &key, const QString &text);
    // Puts every write on the disk; the file's name and why, when it could not be written.
    QString sync();

    // A stored integer within [minimum, maximum]; anything else reads as the default.
    qint64 readInteger(const QString &section, const QString &key, qint64 defaultValue, qint64 minimum,
                       qint64 maximum);

private:
    // The stored text, or the default's decimal text when the key is missing.
    QString ReadSetting(const QString &section, const QString &key, qint64 defaultValue);

    QSettings m_settings;
};

// The value of a decimal integer text (an optional minus sign and digits, nothing else).
std::optional<qint64> decimalInteger(const QString &text);
