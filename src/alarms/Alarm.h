#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

class AlarmCheck;
class AlertOptions;
class Alerts;
class Clock;

// One alarm clock: the time of day it is set to, as its hour, minute and am/pm were last taken,
// and whether it is on. A field is taken when it is whole, when the keyboard leaves it, when it is
// stepped, and all three when the alarm is switched on; until then the alarm keeps the time it had.
// Where the clock's locale writes the 24-hour clock, the fields show and take its hours, 00 to 23,
// and no marker; the time is kept on the 12-hour clock all the same. It is checked against the
// clock by its AlarmCheck.
class Alarm : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Alarm)

public:
    enum class Field { Hour, Minute, AmPm };

    // The name tells it in notifications: "Alarm I".
    Alarm(const QString &name, const AlertOptions &options, Alerts &alerts, const Clock &clock,
          QObject *parent = nullptr);
    ~Alarm() override;

    QString name() const { return m_name; }
    // The field as it was last taken, on the 12-hour clock: "07", "30", "pm".
    QString taken(Field field) const { return m_taken[std::size_t(field)]; }
    // What the field shows: what was taken, or on the 24-hour clock the hour 00 to 23 and no marker.
    QString shown(Field field) const;
    bool isOnTwentyFourHours() const { return m_twentyFourHours; }
    // The set time as its fields were last taken, "07:30pm"; it may not read as a time of day.
    QString composedTime() const;
    // The second of the day at which its minute begins, when the taken time reads as one.
    std::optional<int> time() const;
    bool isOn() const { return m_on; }
    // Snoozed, it is on and due at that moment rather than at its time; switched off or on, or
    // given a new time, it is no longer snoozed.
    std::optional<QDateTime> snoozedUntil() const { return m_snoozedUntil; }
    void snoozeUntil(const QDateTime &moment);

    // Takes a field's text as shown. An hour of the 24-hour clock becomes the 12-hour one with its
    // marker. Taken while on, a time that cannot be read switches the alarm off; one that can is
    // checked at once, unless the keyboard stays in the alarm's fields.
    void take(Field field, const QString &text, bool keyboardStays);
    // For the time its fields show, taken first; one that cannot be read leaves it off.
    void switchOn(const std::array<QString, 3> &fields);
    void switchOff();
    // As it was when the program last ended: set to the second of the day, and on since that
    // moment when it was on, without the check that a switch-on makes.
    void restore(int secondOfDay, const std::optional<QDateTime> &onSince);

    AlarmCheck &check() { return *m_check; }

Q_SIGNALS:
    // A field was taken as other than its text (13 as 01, with pm): it shows what was taken.
    void fieldRewritten(Alarm::Field field);
    void onChanged();
    // A field was taken with a new text.
    void timeChanged();
    // Switched off, or left off, because its time cannot be read: the user is told.
    void timeUnreadable();

private:
    void toTwelveHours();
    void switchOffUnreadable();

    QString m_name;
    bool m_twentyFourHours;
    std::array<QString, 3> m_taken{QStringLiteral("12"), QStringLiteral("00"), QStringLiteral("am")};
    bool m_on = false;
    std::optional<QDateTime> m_snoozedUntil;
    AlarmCheck *m_check;
};
