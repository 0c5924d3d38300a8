#pragma once

#include <QObject>

class Clock;

// A timer that ticks, while enabled, whenever the time of day may show another minute: at the
// start of each minute, and at once when the clock is set, the zone changes or the computer wakes.
class MinuteTimer : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MinuteTimer)

public:
    MinuteTimer(const Clock &clock, QObject *parent);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

Q_SIGNALS:
    void Timer();

private:
    bool m_enabled = false;
};
