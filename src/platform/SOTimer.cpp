#include "platform/SOTimer.h"

#include "platform/Clock.h"

#include <algorithm>

namespace {
constexpr qint64 NanosecondsPerMillisecond = 1'000'000;
}

SOTimer::SOTimer(const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock) {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SOTimer::tick);
}

void SOTimer::setInterval(int milliseconds) {
    m_interval = std::max(1, milliseconds);
}

void SOTimer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    const qint64 now = m_clock.nsecsPassed();
    if (enabled) {
        const qint64 wait = m_remainder >= 0 ? m_remainder : m_interval * NanosecondsPerMillisecond;
        m_nextDeadline = now + wait;
        m_remainder = -1;
        armForNextDeadline();
    } else {
        m_remainder = std::max<qint64>(0, m_nextDeadline - now);
        m_timer.stop();
    }
    Q_EMIT enabledChanged(enabled);
}

void SOTimer::rewind() {
    m_remainder = -1;
}

void SOTimer::tick() {
    // A timeout already queued when the timer was disabled must not count.
    if (!m_enabled)
        return;
    const qint64 interval = m_interval * NanosecondsPerMillisecond;
    const int intervals = int(1 + std::max<qint64>(0, m_clock.nsecsPassed() - m_nextDeadline) / interval);
    m_nextDeadline += intervals * interval;
    armForNextDeadline();
    Q_EMIT Timer(intervals);
}

// Rounded up, so that a tick never comes before its deadline.
void SOTimer::armForNextDeadline() {
    const qint64 wait = std::max<qint64>(0, m_nextDeadline - m_clock.nsecsPassed());
    m_timer.start(int((wait + NanosecondsPerMillisecond - 1) / NanosecondsPerMillisecond));
}
