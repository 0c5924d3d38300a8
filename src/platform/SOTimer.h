#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The countdown's tick source: Timer is raised on the user-interface thread once per interval
// while enabled, and never while disabled. Ticks are due at whole intervals from the start on the
// monotonic clock, so a late tick does not push the later ones back; intervals missed while the
// program was held up are reported by one tick. Disabling keeps the part of the interval already
// run for when the timer is enabled again.
class SOTimer : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SOTimer)

public:
    explicit SOTimer(QObject *parent = nullptr);

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

private:
    void tick();
    void armForNextDeadline();

    QTimer m_timer;
    QElapsedTimer m_clock;
    int m_interval = 0;
    bool m_enabled = false;
    qint64 m_nextDeadline = 0; // nanoseconds on m_clock
    qint64 m_remainder = -1;   // nanoseconds left of an interrupted interval, -1 for none
};
