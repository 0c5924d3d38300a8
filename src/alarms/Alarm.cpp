#include "alarms/Alarm.h"

#include "alarms/AlarmCheck.h"
#include "core/ClockText.h"
#include "platform/Clock.h"

using namespace Qt::StringLiterals;

Alarm::Alarm(const QString &name, const AlertOptions &options, Alerts &alerts, const Clock &clock,
             QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_twentyFourHours(ClockText::writesTwentyFourHours(clock.formats))
    , m_check(new AlarmCheck(*this, options, alerts, clock)) {}

Alarm::~Alarm() = default;

QString Alarm::shown(Field field) const {
    if (!m_twentyFourHours || field == Field::Minute)
        return taken(field);
    if (field == Field::AmPm)
        return {};
    // An hour that cannot be read with its marker shows as it was taken.
    const auto hour = ClockText::readHourMinuteAmPm(taken(Field::Hour) + u":00"_s + taken(Field::AmPm));
    return hour ? ClockText::twoDigits(*hour / 3600) : taken(Field::Hour);
}

QString Alarm::composedTime() const {
    return taken(Field::Hour) + u':' + taken(Field::Minute) + taken(Field::AmPm);
}

std::optional<int> Alarm::time() const {
    return ClockText::readHourMinuteAmPm(composedTime());
}

// A field taken empty, or a time that cannot be read, would leave on an alarm that never rings.
void Alarm::take(Field field, const QString &text, bool keyboardStays) {
    const bool changed = text != shown(field);
    if (changed)
        m_snoozedUntil.reset();
    m_taken[std::size_t(field)] = text;
    if (changed)
        Q_EMIT timeChanged();
    if (field == Field::Hour)
        toTwelveHours();
    if (m_on && !time())
        switchOffUnreadable();
    else
        m_check->timeTaken(keyboardStays);
}

// The marker first: the time never reads, even for a moment, as another one. A lone 0 is 00. On
// the 24-hour clock every hour is one of it: 05 is in the morning, 12 at noon.
void Alarm::toTwelveHours() {
    QString &hourText = m_taken[std::size_t(Field::Hour)];
    const int hour = hourText.toInt();
    if (hourText.isEmpty() || (!m_twentyFourHours && hour >= 1 && hour <= 12))
        return;
    m_taken[std::size_t(Field::AmPm)] = hour < 12 ? u"am"_s : u"pm"_s;
    hourText = ClockText::twoDigits((hour + 11) % 12 + 1);
    Q_EMIT fieldRewritten(Field::AmPm);
    Q_EMIT fieldRewritten(Field::Hour);
}

// However it is switched on, with the mouse, the keyboard or assistive technology, it is for the
// time its fields show.
void Alarm::switchOn(const std::array<QString, 3> &fields) {
    for (const Field field : {Field::Hour, Field::Minute, Field::AmPm})
        m_taken[std::size_t(field)] = fields[std::size_t(field)];
    toTwelveHours();
    if (!time()) {
        switchOffUnreadable();
        return;
    }
    m_on = true;
    m_snoozedUntil.reset();
    Q_EMIT onChanged();
    m_check->switchedOn();
}

void Alarm::switchOff() {
    m_on = false;
    m_snoozedUntil.reset();
    Q_EMIT onChanged();
}

void Alarm::restore(int secondOfDay, const std::optional<QDateTime> &onSince) {
    const int hour = secondOfDay / 3600;
    m_taken = {ClockText::twoDigits((hour + 11) % 12 + 1), ClockText::twoDigits(secondOfDay / 60 % 60),
               hour < 12 ? u"am"_s : u"pm"_s};
    for (const Field field : {Field::Hour, Field::Minute, Field::AmPm})
        Q_EMIT fieldRewritten(field);
    if (!onSince)
        return;
    m_on = true;
    Q_EMIT onChanged();
    m_check->restoredOn(*onSince);
}

void Alarm::snoozeUntil(const QDateTime &moment) {
    m_on = true;
    m_snoozedUntil = moment;
    Q_EMIT onChanged();
}

void Alarm::switchOffUnreadable() {
    switchOff();
    Q_EMIT timeUnreadable();
}
