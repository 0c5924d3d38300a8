#include "persistence/KeptAlarms.h"

#include "alarms/Alarm.h"
#include "alarms/AlarmCheck.h"
#include "alerts/AlertOptions.h"
#include "alerts/Alerts.h"
#include "core/ClockText.h"
#include "countdown/Countdown.h"
#include "persistence/SettingsStore.h"
#include "platform/Clock.h"

#include <QDateTime>

#include <limits>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString TimeKey = u"Time"_s;
const QString OnKey = u"On"_s;
const QString OnSinceKey = u"OnSince"_s; // seconds since 1970 in UTC
const QString MessageKey = u"MessageOn"_s;
const QString ProgramKey = u"ProgramOn"_s;
constexpr qint64 LastSecondOfDay = 86399;
const QString TimerSection = u"TimerSettings"_s;
const QString CustomTimeKey = u"CustomTime"_s;
const QString CustomOnKey = u"CustomOn"_s;

// "Notify60" for the first of the fixed notify times.
QString notifyKey(std::size_t index) {
    return u"Notify%1"_s.arg(Countdown::NotifyMinutes[index]);
}

QString sectionOf(qsizetype index) {
    return u"Alarm%1Settings"_s.arg(index + 1);
}

QString flag(bool on) {
    return on ? u"1"_s : u"0"_s;
}

bool readFlag(SettingsStore &settings, const QString &section, const QString &key) {
    return settings.readInteger(section, key, 0, 0, 1) == 1;
}

// A second of the day, or -1 where there is none.
qint64 readTime(SettingsStore &settings, const QString &section, const QString &key) {
    return settings.readInteger(section, key, -1, 0, LastSecondOfDay);
}

} // namespace

KeptAlarms::KeptAlarms(SettingsStore &settings, Alerts &alerts, const Clock &clock, const QList<Kept> &alarms,
                       Countdown &countdown)
    : m_settings(settings)
    , m_alerts(alerts)
    , m_clock(clock)
    , m_alarms(alarms)
    , m_countdown(countdown) {}

// A record that is not the program's own leaves its alarm as a first start has it.
void KeptAlarms::load(bool keep) {
    m_kept = keep;
    for (qsizetype index = 0; index < m_alarms.size(); ++index) {
        if (keep)
            loadAlarm(index);
        else
            rememberIfOn(index);
    }
    if (keep)
        loadNotifyChoices();
}

void KeptAlarms::rememberIfOn(qsizetype index) {
    const QString section = sectionOf(index);
    const qint64 time = readTime(m_settings, section, TimeKey);
    if (time >= 0 && readFlag(m_settings, section, OnKey))
        m_endedOn.append({m_alarms[index].alarm->name(), int(time)});
}

void KeptAlarms::loadAlarm(qsizetype index) {
    const QString section = sectionOf(index);
    const qint64 time = readTime(m_settings, section, TimeKey);
    const bool on = readFlag(m_settings, section, OnKey);
    const qint64 onSince =
        m_settings.readInteger(section, OnSinceKey, -1, 0, std::numeric_limits<qint64>::max());
    if (time >= 0)
        m_alarms[index].alarm->restore(int(time), on && onSince >= 0
                                                      ? std::optional(QDateTime::fromSecsSinceEpoch(onSince))
                                                      : std::nullopt);
    m_alarms[index].options->setShowsMessage(readFlag(m_settings, section, MessageKey));
    m_alarms[index].options->setStartsProgram(readFlag(m_settings, section, ProgramKey));
}

void KeptAlarms::loadNotifyChoices() {
    Countdown::NotifyChoices choices;
    for (std::size_t i = 0; i < Countdown::NotifyMinutes.size(); ++i)
        choices.before[i] = readFlag(m_settings, TimerSection, notifyKey(i));
    const qint64 custom = readTime(m_settings, TimerSection, CustomTimeKey);
    if (custom >= 0)
        choices.customTime = int(custom);
    choices.customOn = readFlag(m_settings, TimerSection, CustomOnKey);
    m_countdown.restoreNotifyChoices(choices);
}

void KeptAlarms::saveNotifyChoices() const {
    const Countdown::NotifyChoices choices = m_countdown.notifyChoices();
    for (std::size_t i = 0; i < Countdown::NotifyMinutes.size(); ++i)
        m_settings.write(TimerSection, notifyKey(i), flag(choices.before[i]));
    m_settings.write(TimerSection, CustomTimeKey, QString::number(choices.customTime.value_or(-1)));
    m_settings.write(TimerSection, CustomOnKey, flag(choices.customOn));
}

bool KeptAlarms::startFinished() {
    // Each in turn, so that the second goes off while the box of the first waits.
    if (m_kept)
        for (const Kept &kept : m_alarms)
            QMetaObject::invokeMethod(&kept.alarm->check(), &AlarmCheck::goOffIfMissed, Qt::QueuedConnection);
    const QList<std::pair<QString, int>> endedOn = std::exchange(m_endedOn, {});
    for (const auto &[name, time] : endedOn)
        //: A notification at the start when "keep alarms" is off: "Alarm I was on for 07:00 am when
        //: Tivvet ended; it is off now".
        m_alerts.notify(name,
                        tr("%1 was on for %2 when Tivvet ended; it is off now")
                            .arg(name, ClockText::alarmTime(time, m_clock.formats)),
                        false, false);
    return !endedOn.isEmpty();
}

// Read from the alarms themselves: at the end, before their checks stop.
void KeptAlarms::save() const {
    for (qsizetype index = 0; index < m_alarms.size(); ++index) {
        const QString section = sectionOf(index);
        Alarm &alarm = *m_alarms[index].alarm;
        m_settings.write(section, TimeKey, QString::number(alarm.time().value_or(-1)));
        m_settings.write(section, OnKey, flag(alarm.isOn()));
        m_settings.write(section, OnSinceKey,
                         alarm.isOn() ? QString::number(alarm.check().onSince().toSecsSinceEpoch())
                                      : QString());
        m_settings.write(section, MessageKey, flag(m_alarms[index].options->showsMessage()));
        m_settings.write(section, ProgramKey, flag(m_alarms[index].options->startsProgram()));
    }
    saveNotifyChoices();
}
