#include "countdown/Countdown.h"

#include "alerts/AlertOptions.h"
#include "alerts/Alerts.h"
#include "core/ClockText.h"
#include "platform/Clock.h"
#include "platform/SOTimer.h"

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// One second of the time left per tick, in step with real time.
constexpr int TickInterval = 1000;
// Whose alerts they are, in notifications.
const QString Source = u"countdown"_s;

} // namespace

Countdown::Countdown(const Clock &clock, const AlertOptions &options, Alerts &alerts, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_options(options)
    , m_alerts(alerts)
    , m_ticks(new SOTimer(clock, this)) {
    m_ticks->setObjectName(u"tmrCounter"_s);
    m_ticks->setInterval(TickInterval);
    connect(m_ticks, &SOTimer::Timer, this, &Countdown::tick);
    connect(m_ticks, &SOTimer::enabledChanged, this, [this] {
        Q_EMIT runningChanged();
        Q_EMIT counting(isCounting());
    });
}

void Countdown::setEntered(qint16 hours, qint16 minutes, qint16 seconds) {
    const TimeValue entered = TimeValue::fromHms(hours, minutes, seconds);
    setTimeLeft(TimeValue::fromSeconds(std::max<qint64>(0, entered.totalSeconds())));
    // A new time counts from a whole second, not from the rest of a paused one.
    if (!isRunning())
        m_ticks->rewind();
}

void Countdown::setTimeLeft(const TimeValue &timeLeft) {
    m_timeLeft = timeLeft;
    Q_EMIT timeLeftChanged();
    Q_EMIT counting(isCounting());
}

bool Countdown::isRunning() const {
    return m_ticks->isEnabled();
}

bool Countdown::isCounting() const {
    return isRunning() && m_timeLeft.totalSeconds() > 0;
}

void Countdown::start() {
    m_ticks->setEnabled(true);
}

void Countdown::pause() {
    m_ticks->setEnabled(false);
}

void Countdown::reset() {
    if (isRunning())
        return;
    m_ticks->rewind();
    setTimeLeft(TimeValue());
    Q_EMIT entryCleared();
}

void Countdown::resetForLoad() {
    pause();
    reset();
    setCustomNotifyOn(false);
}

void Countdown::setNotifyBefore(int minutes, bool on) {
    if (const auto *at = std::find(NotifyMinutes.begin(), NotifyMinutes.end(), minutes);
        at != NotifyMinutes.end())
        m_notifyBefore[std::size_t(at - NotifyMinutes.begin())] = on;
    Q_EMIT notifyChoicesChanged();
}

void Countdown::setCustomNotifyTime(std::optional<int> second) {
    if (std::exchange(m_customTime, second) != second)
        Q_EMIT notifyChoicesChanged();
}

void Countdown::setCustomNotifyOn(bool on) {
    m_customOn = on && m_customTime && *m_customTime != 0;
    Q_EMIT customNotifyOnChanged();
}

void Countdown::restoreNotifyChoices(const NotifyChoices &choices) {
    m_notifyBefore = choices.before;
    m_customTime = choices.customTime;
    Q_EMIT notifyChoicesRestored();
    setCustomNotifyOn(choices.customOn);
}

QList<qint64> Countdown::notifyTimes() const {
    QList<qint64> times;
    if (m_customOn && m_customTime)
        times << *m_customTime;
    for (std::size_t i = 0; i < NotifyMinutes.size(); ++i)
        if (m_notifyBefore[i])
            times << NotifyMinutes[i] * 60;
    return times;
}

// All the seconds passed in one step, however many: a week's sleep costs what a second does.
void Countdown::tick(int seconds) {
    const qint64 before = m_timeLeft.totalSeconds();
    if (before <= 0)
        return;
    const qint64 after = std::max<qint64>(0, before - seconds);
    setTimeLeft(TimeValue::fromSeconds(after));
    // Passed in this step, the latest; once it expired, only one that fires at its end, before the
    // end's own alert, whose sound may ring on and whose notification is the one left.
    const QList<qint64> times = notifyTimes();
    std::optional<qint64> latest;
    for (const qint64 time : times)
        if (time >= after && time < before && (after > 0 || time == 0) && (!latest || time < *latest))
            latest = time;
    for (qsizetype alerts = latest ? times.count(*latest) : 0; alerts > 0; --alerts)
        alert(TimeValue::fromSeconds(*latest).durationText());
    if (after == 0)
        expire(int(seconds - before));
}

void Countdown::expire(int secondsAgo) {
    m_alerts.playSound(Source, m_options.soundFile(), Alerts::Sound::GoingOff);
    m_ticks->setEnabled(false);
    m_alerts.restoreWindow();
    // Told late (the computer slept or the program was held up), the user learns when it ran out.
    const int ranOut = m_clock.now().addSecs(-secondsAgo).time().msecsSinceStartOfDay() / 1000;
    //: A notification told late; %1 is the time of day as the locale writes it: "7:31 pm", "19:31".
    const QString ranOutAt =
        tr("The countdown ran out at %1.").arg(ClockText::clockTime(ranOut, m_clock.formats));
    m_alerts.notify(Source, secondsAgo <= 1 ? tr("The countdown has run out.") : ranOutAt, true, false);
}

void Countdown::alert(const QString &remaining) {
    m_alerts.playSound(Source, m_options.soundFile(), Alerts::Sound::Warning);
    m_alerts.restoreWindow();
    //: The time left is written as 00:05:00.
    m_alerts.notify(Source, tr("The countdown has %1 left.").arg(remaining), false, false);
}
