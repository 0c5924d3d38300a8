#pragma once

#include <QObject>

class AlarmClock;
class AlarmOptions;
class AlertActions;
class Clock;

// Checks an alarm against the clock once a second while it is on, and sets it off in its minute:
// sound, switched off, window back, then its message and its program when they are activated.
class AlarmCheck : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmCheck)

public:
    AlarmCheck(AlarmClock &alarm, const AlarmOptions &options, AlertActions &alerts, const Clock &clock);

    void tmrAlarm_Timer();

    // The set time as compared with the clock, "hh:nn am/pm"; a text that is not a time of day
    // stays as it is, so it never matches.
    QString alarmText() const;
    QString clockText() const;

private:
    void goOff();

    AlarmClock &m_alarm;
    const AlarmOptions &m_options;
    AlertActions &m_alerts;
    const Clock &m_clock;
};
