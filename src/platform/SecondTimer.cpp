#include "platform/SecondTimer.h"

#include "platform/Clock.h"

namespace {
// How long after the whole second a tick is due: enough that it never lands just before it.
constexpr int MillisecondsPastTheSecond = 5;
} // namespace

SecondTimer::SecondTimer(const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock) {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SecondTimer::tick);
}

void SecondTimer::setEnabled(bool enabled) {
    m_enabled = enabled;
    if (enabled)
        armForNextSecond();
    else
        m_timer.stop();
}

void SecondTimer::tick() {
    if (!m_enabled)
        return;
    armForNextSecond();
    Q_EMIT Timer();
}

// Time zones differ by whole minutes, so a whole second is one in any zone: the count will do,
// and spares a look at the zone every second.
void SecondTimer::armForNextSecond() {
    m_timer.start(1000 - int(m_clock.msecsSinceEpoch() % 1000) + MillisecondsPastTheSecond);
}
