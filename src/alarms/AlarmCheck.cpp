#include "alarms/AlarmCheck.h"

#include "alarms/Alarm.h"
#include "alerts/AlertOptions.h"
#include "alerts/Alerts.h"
#include "core/ClockText.h"
#include "platform/Clock.h"

#include <QLocale>

#include <algorithm>
#include <utility>

namespace {

constexpr qint64 NanosecondsPerMillisecond = 1'000'000;
constexpr qint64 NanosecondsPerSecond = 1'000'000'000;
// How far the wall clock may run ahead of the time that really passed and still count as time
// gone by: more is the clock set forward.
constexpr qint64 ClockSlackMilliseconds = 2000;
constexpr qint64 SnoozeSeconds = 600;
// An alarm missed by more than this while the program was not running is no longer worth ringing.
constexpr qint64 MissedAfterSeconds = 12 * 3600;

// When the time of day comes on the date: where the clocks went forward past it, the first minute
// after the gap; none where the day has no later minute.
std::optional<QDateTime> momentOn(QDate date, int second) {
    for (int shifted = second; shifted < 86400; shifted += 60) {
        const QTime time = QTime::fromMSecsSinceStartOfDay(shifted * 1000);
        const QDateTime moment(date, time);
        if (moment.isValid() && moment.time() == time)
            return moment;
    }
    return std::nullopt;
}

// The latest moment at or before now when the clock showed the time of day.
std::optional<QDateTime> latestMoment(const QDateTime &now, int second) {
    const std::optional<QDateTime> today = momentOn(now.date(), second);
    return today && *today <= now ? today : momentOn(now.date().addDays(-1), second);
}

QString lateBy(qint64 seconds) {
    const int minutes = int(seconds / 60);
    //: How late an alarm went off, in its notification: "15 min late".
    return minutes < 60 ? AlarmCheck::tr("%n min late", nullptr, minutes)
                        //: How late an alarm went off: "9 h 50 min late"; %n is the hours, %1 the minutes.
                        : AlarmCheck::tr("%n h %1 min late", nullptr, minutes / 60).arg(minutes % 60);
}

} // namespace

AlarmCheck::AlarmCheck(Alarm &alarm, const AlertOptions &options, Alerts &alerts, const Clock &clock)
    : QObject(&alarm)
    , m_alarm(alarm)
    , m_options(options)
    , m_alerts(alerts)
    , m_clock(clock)
    , m_checked(look()) {}

void AlarmCheck::switchedOn() {
    m_checked = look();
    m_onSince = m_checked.wall;
    goOffInTimeOrder({this});
}

void AlarmCheck::restoredOn(const QDateTime &onSince) {
    m_checked = look();
    m_onSince = onSince;
}

void AlarmCheck::goOffIfMissed() {
    const std::optional<int> second = m_alarm.time();
    if (!m_alarm.isOn() || m_alerts.isLeaving() || !second)
        return;
    const QDateTime now = m_clock.now();
    const std::optional<QDateTime> latest = latestMoment(now, *second);
    if (!latest || *latest <= m_onSince)
        return;
    const qint64 late = latest->secsTo(now);
    if (late <= MissedAfterSeconds) {
        //: An alarm's notification when it went off late at the start: "Alarm I at 07:00 am, 25 min
        //: late: Tivvet was not running".
        goOff(tr("%1 at %2, %3: Tivvet was not running").arg(m_alarm.name(), alarmText(), lateBy(late)));
        return;
    }
    m_alarm.switchOff();
    //: A notification at the start for an alarm missed by more than 12 hours.
    m_alerts.notify(
        m_alarm.name(),
        tr("%1 at %2 was missed: Tivvet was not running; it is off now").arg(m_alarm.name(), alarmText()),
        true, false);
}

// Counted on the time that passes, so that a change of the clocks neither brings it nor keeps it.
void AlarmCheck::snooze() {
    const Look now = look();
    const QDateTime later = now.wall.addSecs(SnoozeSeconds);
    m_alarm.snoozeUntil(later.addMSecs(-(later.time().msecsSinceStartOfDay() % 60000)));
    m_checked = now;
}

// Nothing was missed under a new time.
void AlarmCheck::timeTaken(bool keyboardStays) {
    if (keyboardStays)
        m_checked = look();
    else
        goOffInTimeOrder({this});
}

QString AlarmCheck::alarmText() const {
    const std::optional<int> time = m_alarm.time();
    return time ? ClockText::alarmTime(*time, m_clock.formats) : m_alarm.composedTime();
}

void AlarmCheck::goOffInTimeOrder(const QList<AlarmCheck *> &checks) {
    QList<std::pair<QDateTime, AlarmCheck *>> dueAlarms;
    for (AlarmCheck *check : checks) {
        const Look now = check->look();
        if (const std::optional<QDateTime> due = check->due(now))
            dueAlarms.append({*due, check});
        else
            check->m_checked = now;
    }
    std::stable_sort(dueAlarms.begin(), dueAlarms.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    // An earlier alarm's message box waits for the user, and meanwhile anything may happen: a nested
    // check sets this one off, the user switches it off, or the program unloads.
    for (const auto &[due, check] : dueAlarms)
        if (check->m_alarm.isOn())
            check->goOff(check->told(due));
}

AlarmCheck::Look AlarmCheck::look() const {
    return {m_clock.now(), m_clock.nsecsPassed(), m_clock.nsecsAsleep()};
}

// Due while the clock shows its minute (either time, in the hour that the clocks repeat), in the
// first minute after the gap where the clocks skipped its time, or missed since it was last checked
// while the clock went on with the time that really passed.
std::optional<QDateTime> AlarmCheck::due(const Look &look) const {
    const std::optional<int> second = m_alarm.time();
    if (!m_alarm.isOn() || m_alerts.isLeaving() || !second)
        return std::nullopt;
    const QDateTime &now = look.wall;
    if (const std::optional<QDateTime> snoozed = m_alarm.snoozedUntil())
        return now >= *snoozed ? snoozed : std::nullopt;
    const int intoItsMinute = now.time().msecsSinceStartOfDay() / 1000 - *second;
    if (intoItsMinute >= 0 && intoItsMinute < 60)
        return now.addSecs(-intoItsMinute);
    const std::optional<QDateTime> latest = latestMoment(now, *second);
    if (!latest)
        return std::nullopt;
    const bool afterAGap = latest->secsTo(now) < 60;
    const qint64 passed = (look.passed - m_checked.passed) / NanosecondsPerMillisecond;
    const bool missed =
        *latest > m_checked.wall && m_checked.wall.msecsTo(now) <= passed + ClockSlackMilliseconds;
    return afterAGap || missed ? latest : std::nullopt;
}

// The alarm at its time; late, and whether the computer slept since the alarm was last checked; or
// due at another time of day than its own, where the clocks skipped its time.
QString AlarmCheck::told(const QDateTime &due) const {
    if (m_alarm.snoozedUntil())
        //: An alarm's notification when it goes off again after a snooze: "Alarm I at 07:00 am, snoozed".
        return tr("%1 at %2, snoozed").arg(m_alarm.name(), alarmText());
    const Look now = look();
    const qint64 late = due.secsTo(now.wall);
    const bool slept = now.asleep - m_checked.asleep >= NanosecondsPerSecond;
    if (late >= 60 && slept)
        //: An alarm's notification when it goes off late: "Alarm I at 07:30 pm, 15 min late: the
        //: computer was asleep".
        return tr("%1 at %2, %3: the computer was asleep").arg(m_alarm.name(), alarmText(), lateBy(late));
    if (late >= 60)
        //: An alarm's notification when the program was held up: "Alarm I at 07:30 pm, 1 min late".
        return tr("%1 at %2, %3").arg(m_alarm.name(), alarmText(), lateBy(late));
    if (m_alarm.time() != due.time().msecsSinceStartOfDay() / 1000)
        //: An alarm's notification in the first minute after the clocks skipped its time.
        return tr("%1 at %2: the clocks went forward").arg(m_alarm.name(), alarmText());
    //: An alarm's notification: "Alarm I at 07:30 am", its time as the locale writes it.
    return tr("%1 at %2").arg(m_alarm.name(), alarmText());
}

void AlarmCheck::goOff(const QString &told) {
    const bool snoozed = m_alarm.snoozedUntil().has_value();
    m_alerts.playSound(m_alarm.name(), m_options.soundFile(), Alerts::Sound::GoingOff);
    m_alarm.switchOff();
    m_alerts.restoreWindow();
    const bool showsMessage = m_options.showsMessage();
    // The box, like the notification, says which alarm it is for above the message.
    const QString text = told + (showsMessage ? u'\n' + m_options.message() : QString());
    m_alerts.notify(m_alarm.name(), text, true, true);
    Alerts::Answer answer = Alerts::Answer::Ok;
    if (showsMessage) {
        Q_EMIT waitsForTheUser();
        answer = m_alerts.showMessage(m_alarm.name(), text);
    }
    // Only after the first box, and never once the program has been asked to end meanwhile.
    if (m_alerts.isLeaving())
        return;
    if (answer == Alerts::Answer::Snooze)
        snooze();
    if (m_options.startsProgram() && !snoozed)
        m_alerts.runProgram(m_options.program());
}
