#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>

#include <optional>

class Alarm;
class AlertOptions;
class Alerts;
class Clock;

// Checks an alarm against the clock while it is on, and sets it off in its minute: sound, switched
// off, window back, then its message and its program when they are activated. An alarm whose
// minute passed since it was last checked, while the clock went on with the time that really passed
// (the computer asleep, the program held up), goes off late; one skipped by a clock set forward
// does not.
class AlarmCheck : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmCheck)

public:
    AlarmCheck(Alarm &alarm, const AlertOptions &options, Alerts &alerts, const Clock &clock);

    // Switched on: checked at once, not only at the next minute.
    void switchedOn();
    // Switched on again at a start, as it was since that moment when the program last ended.
    void restoredOn(const QDateTime &onSince);
    // When it was last switched on.
    QDateTime onSince() const { return m_onSince; }
    // Once the start has finished: an alarm whose time came while the program was not running goes
    // off once, late; more than 12 hours late it is switched off, and the user is told.
    Q_INVOKABLE void goOffIfMissed();
    // A time set to the present minute while the alarm is on goes off at once, but not a time half
    // typed: only once the keyboard has left the alarm's fields.
    void timeTaken(bool keyboardStays);

    // Sets the alarm off again at the start of the minute ten minutes on: pressed at 07:03:40, at
    // 07:13, found by the minute's check like its own time.
    void snooze();

    // The alarms checked together, so that two missed during one sleep go off in the order of
    // their minutes.
    static void goOffInTimeOrder(const QList<AlarmCheck *> &checks);

Q_SIGNALS:
    // Its message box is about to wait for the user: the other alarm, due meanwhile, is to go off in
    // its minute rather than after OK.
    void waitsForTheUser();

private:
    // The clocks at one moment.
    struct Look {
        QDateTime wall;
        qint64 passed = 0;
        qint64 asleep = 0;
    };

    Look look() const;
    // The set time as its notification tells it; a text that is not a time of day stays as it is.
    QString alarmText() const;
    // When the alarm was due, if it is to go off at the moment looked at.
    std::optional<QDateTime> due(const Look &now) const;
    // What its notification tells, but for the message.
    QString told(const QDateTime &due) const;
    void goOff(const QString &told);

    Alarm &m_alarm;
    const AlertOptions &m_options;
    Alerts &m_alerts;
    const Clock &m_clock;
    Look m_checked; // when it was switched on, or last found not due
    QDateTime m_onSince;
};
