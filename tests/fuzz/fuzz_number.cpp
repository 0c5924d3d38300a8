// The number reader of the countdown's entry fields, on any text.
#include "core/NumberReader.h"

#include <QString>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qint16 value = readNumber(text);
    // Leading blanks never change the reading.
    if (readNumber(QStringLiteral("  ") + text) != value)
        __builtin_trap();
    return 0;
}
