#pragma once

#include <QObject>

class AlertActions;
class Clock;
class CountdownTimer;
class NotifySettings;
class QLineEdit;

// The countdown's tick: one second lower, the display refreshed, then expiry and the notify times,
// each alerting with the timer's sound and the main window brought back.
class CountdownTick : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CountdownTick)

public:
    CountdownTick(CountdownTimer &countdown, const NotifySettings &notify, const QLineEdit &txtWav,
                  AlertActions &alerts, const Clock &clock);

    // One second lower for each interval that has passed; of the notify times passed while the
    // program was held up or the computer slept only the latest alerts, and none once it expired.
    void tmrCounter_Timer(int seconds = 1);

private:
    void expire(int secondsAgo);
    void alert(const QString &remaining);

    CountdownTimer &m_countdown;
    const NotifySettings &m_notify;
    const QLineEdit &m_txtWav;
    AlertActions &m_alerts;
    const Clock &m_clock;
};
