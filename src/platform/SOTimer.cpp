#include "platform/SOTimer.h"

SOTimer::SOTimer(QObject *parent)
    : QObject(parent) {
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SOTimer::tick);
}

void SOTimer::setInterval(int milliseconds) {
    m_timer.setInterval(milliseconds);
}

void SOTimer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

void SOTimer::tick() {
    // A timeout already queued when the timer was disabled must not count.
    if (m_enabled)
        Q_EMIT Timer();
}
