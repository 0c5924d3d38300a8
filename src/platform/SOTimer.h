#pragma once

#include <QObject>
#include <QTimer>

class Clock;

// The countdown's tick source: Timer is raised on the user-interface thread once per interval
// while enabled, and never while disabled. Ticks are due at whole intervals from the start on the
// clock of the time that really passed, so a late tick does not push the later ones back;
// intervals missed while the program was held up or the computer slept are reported by one tick,
// within an interval of the wake. Disabling keeps the part of the interval already
// run for when the timer is enabled again.
class SOTimer : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SOTimer)

public:
    SOTimer(const Clock &clock, QObject *parent);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // While disabled: forgets the part of the interval already run, so the next enable waits a
    // whole interval.
    void rewind();

Q_SIGNALS:
    // The intervals that have passed: more than one when the program was held up.
    void Timer(int intervals);
    void enabledChanged(bool enabled);

private:
    void tick();
    void armForNextDeadline();

    const Clock &m_clock;
    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
    qint64 m_nextDeadline = 0; // nanoseconds on the clock
    qint64 m_remainder = -1;   // nanoseconds left of an interrupted interval, -1 for none
};
