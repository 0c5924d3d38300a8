#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class Alarm;
class Clock;
class Countdown;

// The tray icon's tip: the time the countdown has left while it runs or is paused, above the usual
// tip, and a line for each alarm that is on. The time left follows the countdown's own display;
// while the tip is not on the screen it changes once a minute at most, so that a status-icon host
// and a screen reader are not told of every second.
class TrayTip : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayTip)

public:
    TrayTip(const Countdown &countdown, const QList<const Alarm *> &alarms, const Clock &clock,
            std::function<bool()> isShown, QObject *parent = nullptr);

    QString text() const;

Q_SIGNALS:
    void changed();

private:
    void timeLeftChanged();

    const Countdown &m_countdown;
    QList<const Alarm *> m_alarms;
    const Clock &m_clock;
    std::function<bool()> m_isShown;
};
