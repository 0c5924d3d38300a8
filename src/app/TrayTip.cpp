#include "app/TrayTip.h"

#include "alarms/Alarm.h"
#include "core/ClockText.h"
#include "countdown/Countdown.h"
#include "platform/Clock.h"

#include <QStringList>

#include <utility>

TrayTip::TrayTip(const Countdown &countdown, const QList<const Alarm *> &alarms, const Clock &clock,
                 std::function<bool()> isShown, QObject *parent)
    : QObject(parent)
    , m_countdown(countdown)
    , m_alarms(alarms)
    , m_clock(clock)
    , m_isShown(std::move(isShown)) {
    connect(&countdown, &Countdown::timeLeftChanged, this, &TrayTip::timeLeftChanged);
    connect(&countdown, &Countdown::runningChanged, this, &TrayTip::changed);
    for (const Alarm *alarm : alarms) {
        connect(alarm, &Alarm::onChanged, this, &TrayTip::changed);
        connect(alarm, &Alarm::timeChanged, this, &TrayTip::changed);
    }
}

QString TrayTip::text() const {
    QStringList lines;
    if (m_countdown.timeLeft().totalSeconds() > 0)
        //: The first line of the tray icon's tooltip while the countdown runs or is paused.
        lines << tr("%1 left").arg(m_countdown.timeLeft().durationText());
    //: The tray icon's tooltip, with one blank before and after it; at most 62 characters.
    lines << tr(" Click Right Mouse Button ");
    for (const Alarm *alarm : m_alarms)
        if (const std::optional<int> time = alarm->time(); alarm->isOn() && time)
            //: A line of the tray icon's tooltip for an alarm that is on: "Alarm I 07:00 am".
            lines << tr("%1 %2").arg(alarm->name(), ClockText::alarmTime(*time, m_clock.formats));
    return lines.join(u'\n');
}

// Its end is a whole minute too: the tip never tells of a countdown that has ended.
void TrayTip::timeLeftChanged() {
    const qint64 left = m_countdown.timeLeft().totalSeconds();
    if (left % 60 == 0 || m_isShown())
        Q_EMIT changed();
}
