#pragma once

#include "core/TimeValue.h"

#include <QList>
#include <QObject>

#include <array>
#include <optional>

class AlertOptions;
class Alerts;
class Clock;
class SOTimer;

// The countdown: the time entered, the time left, running or paused, and the notify times before
// its end. It counts on the clock of the time that really passed and alerts at its notify times
// and at its end.
class Countdown : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Countdown)

public:
    // The fixed notify times, in minutes before the end.
    static constexpr std::array<int, 4> NotifyMinutes{60, 30, 15, 5};

    Countdown(const Clock &clock, const AlertOptions &options, Alerts &alerts, QObject *parent = nullptr);

    // The time left becomes the entered time; a total at or below zero has nothing to count.
    void setEntered(qint16 hours, qint16 minutes, qint16 seconds);
    TimeValue timeLeft() const { return m_timeLeft; }
    bool isRunning() const;
    // Runs with time left to count, which is what keeps the computer awake.
    bool isCounting() const;
    // Started with nothing entered, it runs with nothing to count.
    void start();
    void pause();
    // Empty and stopped, ready to count from a whole second of its own; ignored while it runs.
    void reset();
    // Stopped at "00:00:00" with nothing entered, as after every load.
    void resetForLoad();

    void setNotifyBefore(int minutes, bool on);
    // The custom notify time as a second of the day, when its text reads as a time of day.
    void setCustomNotifyTime(std::optional<int> second);
    bool customNotifyIsOn() const { return m_customOn; }
    // A custom notify time of zero, or one that is not a time of day, cannot be switched on.
    void setCustomNotifyOn(bool on);
    struct NotifyChoices {
        std::array<bool, NotifyMinutes.size()> before{};
        std::optional<int> customTime;
        bool customOn = false;
    };
    NotifyChoices notifyChoices() const { return {m_notifyBefore, m_customTime, m_customOn}; }
    // As they were at the end of the last run.
    void restoreNotifyChoices(const NotifyChoices &choices);
    // The times left, in seconds, at which it notifies: one for each setting that is on.
    QList<qint64> notifyTimes() const;

    // One second lower for each that has passed; of the notify times passed while the program was
    // held up or the computer slept only the latest alerts, and none once it expired.
    void tick(int seconds = 1);

Q_SIGNALS:
    void timeLeftChanged();
    void runningChanged();
    // The entry was emptied: the fields show nothing.
    void entryCleared();
    void customNotifyOnChanged();
    void notifyChoicesRestored();
    // A notify time or the custom time was changed.
    void notifyChoicesChanged();
    // Whether it is counting.
    void counting(bool counting);

private:
    void setTimeLeft(const TimeValue &timeLeft);
    void expire(int secondsAgo);
    void alert(const QString &remaining);

    const Clock &m_clock;
    const AlertOptions &m_options;
    Alerts &m_alerts;
    SOTimer *m_ticks;
    TimeValue m_timeLeft;
    std::array<bool, NotifyMinutes.size()> m_notifyBefore{};
    std::optional<int> m_customTime;
    bool m_customOn = false;
};
