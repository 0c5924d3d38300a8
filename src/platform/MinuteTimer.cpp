#include "platform/MinuteTimer.h"

#include "platform/Clock.h"

MinuteTimer::MinuteTimer(const Clock &clock, QObject *parent)
    : QObject(parent) {
    connect(&clock, &Clock::minuteChanged, this, [this] {
        if (m_enabled)
            Q_EMIT Timer();
    });
}
