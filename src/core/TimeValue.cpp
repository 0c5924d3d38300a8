#include "core/TimeValue.h"

#include "core/ClockText.h"

#include <cmath>

namespace {
constexpr qint64 SecondsPerDay = 86400;
}

TimeValue TimeValue::fromSeconds(qint64 seconds) {
    return TimeValue(static_cast<double>(seconds) / SecondsPerDay);
}

TimeValue TimeValue::fromHms(qint64 hours, qint64 minutes, qint64 seconds) {
    return fromSeconds(hours * 3600 + minutes * 60 + seconds);
}

qint64 TimeValue::totalSeconds() const {
    return std::llround(m_days * SecondsPerDay);
}

TimeValue TimeValue::minusOneSecond() const {
    return fromSeconds(totalSeconds() - 1);
}

QString TimeValue::durationText() const {
    const qint64 seconds = totalSeconds();
    return ClockText::twoDigits(int(seconds / 3600)) + ClockText::hhmmss(int(seconds % 3600)).mid(2);
}
