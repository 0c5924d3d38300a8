#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>

#include <optional>

class AlarmClock;
class AlarmOptions;
class AlertActions;
class Clock;

// Checks an alarm against the clock while it is on, and sets it off in its minute: sound, switched
// off, window back, then its message and its program when they are activated. An alarm whose
// minute passed while the computer slept goes off at the wake, late; one skipped by a clock set
// forward does not.
class AlarmCheck : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmCheck)

public:
    AlarmCheck(AlarmClock &alarm, const AlarmOptions &options, AlertActions &alerts, const Clock &clock);

    // The alarms checked together, so that two missed during one sleep go off in the order of
    // their minutes.
    static void goOffInTimeOrder(const QList<AlarmCheck *> &checks);

    // The set time as compared with the clock, "hh:nn am/pm"; a text that is not a time of day
    // stays as it is, so it never matches.
    QString alarmText() const;
    QString clockText() const;

private:
    QString composedText() const;
    // When the alarm was due, if it is to go off now; each call is a look at the clock.
    std::optional<QDateTime> due();
    void startLooking();
    void goOff(const QDateTime &due);

    AlarmClock &m_alarm;
    const AlarmOptions &m_options;
    AlertActions &m_alerts;
    const Clock &m_clock;
    QDateTime m_lookedAt;
    qint64 m_lookedAtPassed = 0;
};
