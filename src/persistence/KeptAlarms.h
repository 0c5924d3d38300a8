#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class Alarm;
class AlertOptions;
class Alerts;
class Clock;
class Countdown;
class SettingsStore;

// The alarms as they stand, recorded in the settings file for the next start: their time, on or
// off and since when, and their activate boxes, with the countdown's notify choices. Kept, they come
// back; not kept, the alarms come back off, and one that was on is told of, for no alarm may be
// lost in silence.
class KeptAlarms {
    Q_DECLARE_TR_FUNCTIONS(KeptAlarms)

public:
    struct Kept {
        Alarm *alarm;
        AlertOptions *options;
    };

    KeptAlarms(SettingsStore &settings, Alerts &alerts, const Clock &clock, const QList<Kept> &alarms,
               Countdown &countdown);

    // At the load, before anything is checked.
    void load(bool keep);
    // Once the start has finished: a kept alarm missed meanwhile goes off, or is told of; one not
    // kept that was on is told of. Returns whether the record is behind: an alarm told of is off.
    bool startFinished();
    void save() const;

private:
    void loadAlarm(qsizetype index);
    void rememberIfOn(qsizetype index);
    void loadNotifyChoices();
    void saveNotifyChoices() const;

    SettingsStore &m_settings;
    Alerts &m_alerts;
    const Clock &m_clock;
    QList<Kept> m_alarms;
    Countdown &m_countdown;
    bool m_kept = false;
    QList<std::pair<QString, int>> m_endedOn; // not kept: the alarms that were on, and for when
};
