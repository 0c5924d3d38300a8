#pragma once

#include <QObject>

class AlertActions;
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
                  AlertActions &alerts);

    // One second lower for each interval that has passed; a notify time or the expiry passed while
    // the program was held up alerts once.
    void tmrCounter_Timer(int seconds = 1);

private:
    void expire();
    void alert(const QString &remaining);

    CountdownTimer &m_countdown;
    const NotifySettings &m_notify;
    const QLineEdit &m_txtWav;
    AlertActions &m_alerts;
};
