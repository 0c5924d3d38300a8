#include "countdown/CountdownTick.h"

#include "alerts/AlertActions.h"
#include "controls/FlatBttn.h"
#include "core/ClockText.h"
#include "countdown/CountdownTimer.h"
#include "countdown/NotifySettings.h"
#include "platform/Clock.h"
#include "platform/SOTimer.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
// Whose alerts they are, in notifications.
const QString Source = u"countdown"_s;
} // namespace

CountdownTick::CountdownTick(CountdownTimer &countdown, const NotifySettings &notify, const QLineEdit &txtWav,
                             AlertActions &alerts, const Clock &clock)
    : QObject(&countdown)
    , m_countdown(countdown)
    , m_notify(notify)
    , m_txtWav(txtWav)
    , m_alerts(alerts)
    , m_clock(clock) {
    connect(countdown.tmrCounter, &SOTimer::Timer, this, &CountdownTick::tmrCounter_Timer);
}

// All the seconds passed in one step, however many: a week's sleep costs what a second does.
void CountdownTick::tmrCounter_Timer(int seconds) {
    const qint64 before = m_countdown.datRemaining.totalSeconds();
    if (before <= 0)
        return;
    const qint64 after = std::max<qint64>(0, before - seconds);
    m_countdown.datRemaining = TimeValue::fromSeconds(after);
    m_countdown.showRemaining();
    if (after == 0)
        expire(int(seconds - before));
    // Passed in this step, the latest; once it expired, only one that fires at its end.
    const QList<qint64> times = m_notify.notifyTimes();
    std::optional<qint64> latest;
    for (const qint64 time : times)
        if (time >= after && time < before && (after > 0 || time == 0) && (!latest || time < *latest))
            latest = time;
    if (!latest)
        return;
    const QString remaining = TimeValue::fromSeconds(*latest).durationText();
    for (qsizetype alerts = times.count(*latest); alerts > 0; --alerts)
        alert(remaining);
}

void CountdownTick::expire(int secondsAgo) {
    m_alerts.PlayAlertSound(Source, m_txtWav.text());
    m_countdown.tmrCounter->setEnabled(false);
    m_countdown.FlatBttnReset->setEnabled(true);
    m_alerts.RestoreMainWindow();
    // Told late (the computer slept or the program was held up), the user learns when it ran out.
    const int ranOut = m_clock.now().addSecs(-secondsAgo).time().msecsSinceStartOfDay() / 1000;
    //: A notification told late; %1 is the time of day as the locale writes it: "7:31 pm", "19:31".
    const QString ranOutAt =
        tr("The countdown ran out at %1.").arg(ClockText::clockTime(ranOut, m_clock.formats));
    m_alerts.NotifyUser(Source, secondsAgo <= 1 ? tr("The countdown has run out.") : ranOutAt, true);
}

void CountdownTick::alert(const QString &remaining) {
    m_alerts.PlayAlertSound(Source, m_txtWav.text());
    m_alerts.RestoreMainWindow();
    //: The time left is written as 00:05:00.
    m_alerts.NotifyUser(Source, tr("The countdown has %1 left.").arg(remaining), false);
}
