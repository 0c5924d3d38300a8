#include "persistence/SettingsStore.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

SettingsStore::SettingsStore(const QString &configFolder)
    : m_settings(configFolder + u"/Tivvet/Tivvet.ini"_s, QSettings::IniFormat) {}

QString SettingsStore::ReadSetting(const QString &section, const QString &key, qint64 defaultValue) {
    return m_settings.value(section + u'/' + key, QString::number(defaultValue)).toString();
}

void SettingsStore::write(const QString &section, const QString &key, const QString &text) {
    m_settings.setValue(section + u'/' + key, text);
}

QString SettingsStore::sync() {
    m_settings.sync();
    return m_settings.status() == QSettings::NoError
               ? QString()
               //: %1 is the settings file's path.
               : tr("%1: cannot be written").arg(QDir::toNativeSeparators(m_settings.fileName()));
}

qint64 SettingsStore::readInteger(const QString &section, const QString &key, qint64 defaultValue,
                                  qint64 minimum, qint64 maximum) {
    const std::optional<qint64> value = decimalInteger(ReadSetting(section, key, defaultValue));
    return value && *value >= minimum && *value <= maximum ? *value : defaultValue;
}

std::optional<qint64> decimalInteger(const QString &text) {
    const QStringView digits = text.startsWith(u'-') ? QStringView(text).sliced(1) : QStringView(text);
    const bool allDigits =
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (digits.isEmpty() || digits.size() > 18 || !allDigits)
        return std::nullopt;
    return text.toLongLong();
}
