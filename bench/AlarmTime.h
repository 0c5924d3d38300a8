#pragma once

#include "alarms/AlarmClock.h"
#include "core/ClockText.h"

#include <QDateTime>
#include <QLineEdit>

// Setting an alarm from a test as a user would type it.
namespace AlarmTime {

// Types the time of day into the alarm's hour, minute and am/pm fields.
inline void set(AlarmClock &alarm, int secondOfDay) {
    const QString text = ClockText::hhnnAmPm(secondOfDay);
    alarm.txtHour->setText(text.first(2));
    alarm.txtMinute->setText(text.mid(3, 2));
    alarm.txtAmPm->setText(text.last(2));
}

// The moment the next minute of the real clock begins.
inline QDateTime nextMinute() {
    QDateTime now = QDateTime::currentDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute()));
    return now.addSecs(60);
}

inline int secondOfDay(const QDateTime &moment) {
    return moment.time().msecsSinceStartOfDay() / 1000;
}

} // namespace AlarmTime
