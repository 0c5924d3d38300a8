// The settings file on any bytes: every stored text converts to a value in range or the default.
#include "persistence/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static QTemporaryDir config;
    QDir().mkpath(config.path() + QStringLiteral("/Tivvet"));
    QFile file(config.path() + QStringLiteral("/Tivvet/Tivvet.ini"));
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    SettingsStore store(config.path());
    const qint64 check =
        store.readInteger(QStringLiteral("ControlSettings"), QStringLiteral("CheckMinValue"), 0, 0, 1);
    const qint64 colour = store.readInteger(QStringLiteral("ColorSettings"),
                                            QStringLiteral("Picture1BackColor"), 7, 0, 0xFFFFFF);
    if (check < 0 || check > 1 || colour < 0 || colour > 0xFFFFFF)
        __builtin_trap();
    // A stored text reads as a decimal integer only when it is one.
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (decimalInteger(text) && text.contains(QRegularExpression(QStringLiteral("[^-0-9]"))))
        __builtin_trap();
    return 0;
}
