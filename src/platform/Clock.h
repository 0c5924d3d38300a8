#pragma once

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QTimer>

// The current local date and time, and the time that really passed, asleep or awake.
class Clock : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual QDateTime now() const = 0;
    // The same moment as a count, without the look-up of the local time zone.
    virtual qint64 msecsSinceEpoch() const { return now().toMSecsSinceEpoch(); }
    // Nanoseconds from a fixed moment, counting the time the computer was asleep and never set
    // back: what a countdown counts.
    virtual qint64 nsecsPassed() const = 0;
    // Nanoseconds the computer has been asleep since it started.
    virtual qint64 nsecsAsleep() const = 0;

    // How the user writes times of day and dates (UserLocale::formats): whatever tells the time asks
    // here.
    QLocale formats = QLocale::c();

Q_SIGNALS:
    // At the start of each minute of the wall clock, and at once when the clock is set, the time
    // zone changes or the computer wakes from sleep: whatever shows or checks the time of day to
    // the minute looks again.
    void minuteChanged();
};

// The system's clocks. Wakes the program once a minute, never more often.
class SystemClock : public Clock {
    Q_OBJECT

public:
    SystemClock();
    ~SystemClock() override;

    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 msecsSinceEpoch() const override { return QDateTime::currentMSecsSinceEpoch(); }
    qint64 nsecsPassed() const override;
    qint64 nsecsAsleep() const override;

private:
    bool armWallClockForNextMinute();
    void wallClockWoke();
    void armFallbackForNextMinute();
    void fallbackMinuteBegan();
    void watchTimeZone();

    int m_wallClock = -1;
    QTimer m_fallbackMinute; // where the kernel's wall-clock timer cannot be had
};
