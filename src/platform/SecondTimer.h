#pragma once

#include <QObject>
#include <QTimer>

class Clock;

// A timer that ticks once a second, just after each whole second of the wall clock, so that a new
// minute is seen within milliseconds. Each tick reads the clock afresh, so a change of the system
// clock or time zone is followed at the next second.
class SecondTimer : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SecondTimer)

public:
    SecondTimer(const Clock &clock, QObject *parent);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

Q_SIGNALS:
    void Timer();

private:
    void tick();
    void armForNextSecond();

    const Clock &m_clock;
    QTimer m_timer;
    bool m_enabled = false;
};
