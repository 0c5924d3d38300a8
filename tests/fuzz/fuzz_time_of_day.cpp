// The time-of-day readers of the notify time and the alarms: whatever reads comes back the same
// when written out and read again.
#include "core/ClockText.h"

#include <QString>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto seconds = ClockText::readHms(text)) {
        if (*seconds < 0 || *seconds >= 86400 || ClockText::readHms(ClockText::hhmmss(*seconds)) != seconds)
            __builtin_trap();
    }
    if (const auto seconds = ClockText::readHourMinuteAmPm(text)) {
        if (*seconds < 0 || *seconds >= 86400 || *seconds % 60 != 0 ||
            ClockText::readHourMinuteAmPm(ClockText::hhnnAmPm(*seconds)) != seconds)
            __builtin_trap();
    }
    return 0;
}
