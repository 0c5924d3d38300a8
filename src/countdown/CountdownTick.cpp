#include "countdown/CountdownTick.h"

#include "alerts/AlertActions.h"
#include "core/ClockText.h"
#include "countdown/CountdownTimer.h"
#include "countdown/NotifySettings.h"
#include "platform/Clock.h"
#include "platform/FlatBttn.h"
#include "platform/SOTimer.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

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

void CountdownTick::tmrCounter_Timer(int seconds) {
    const QString Zero = u"00:00:00"_s;
    QString notified;
    int notifications = 0;
    for (int second = 0; second < seconds && m_countdown.datRemaining.durationText() != Zero; ++second) {
        m_countdown.datRemaining = m_countdown.datRemaining.minusOneSecond();
        const QString shown = m_countdown.datRemaining.durationText();
        m_countdown.showRemaining();
        if (shown == Zero) {
            notifications = 0;
            expire(seconds - 1 - second);
        }
        if (const int fired = m_notify.notificationsAt(shown); fired > 0) {
            notified = shown;
            notifications = fired;
        }
    }
    for (; notifications > 0; --notifications)
        alert(notified);
}

void CountdownTick::expire(int secondsAgo) {
    m_alerts.PlayAlertSound(m_txtWav.text());
    m_countdown.tmrCounter->setEnabled(false);
    m_countdown.FlatBttnReset->setEnabled(true);
    m_alerts.RestoreMainWindow();
    // Told late (the computer slept or the program was held up), the user learns when it ran out.
    const QDateTime ranOut = m_clock.now().addSecs(-secondsAgo);
    m_alerts.NotifyUser(u"countdown"_s,
                        secondsAgo <= 1 ? u"The countdown has run out."_s
                                        : u"The countdown ran out at %1."_s.arg(ClockText::hmmAmPm(
                                              ranOut.time().msecsSinceStartOfDay() / 1000)),
                        true);
}

void CountdownTick::alert(const QString &remaining) {
    m_alerts.PlayAlertSound(m_txtWav.text());
    m_alerts.RestoreMainWindow();
    m_alerts.NotifyUser(u"countdown"_s, u"The countdown has %1 left."_s.arg(remaining), false);
}
