// The options-file reader on any bytes, and the writer's text coming back whole.
#include "persistence/OptionsFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static QTemporaryDir config;
    static const OptionsFiles files(config.path());
    QDir().mkpath(files.folder());
    QFile file(files.folder() + QStringLiteral("/wav.txt"));
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    const QString text = files.read(QStringLiteral("wav.txt")).text;
    // Whatever was read is written and read back unchanged (line breaks as the boxes hold them).
    if (!text.contains(QLatin1Char('\r')) && files.write(QStringLiteral("wav.txt"), text).isEmpty() &&
        files.read(QStringLiteral("wav.txt")).text != text)
        __builtin_trap();
    return 0;
}
