#include "alarms/AlarmCheck.h"

#include "alarms/AlarmClock.h"
#include "alerts/AlertActions.h"
#include "alerts/OptionGroups.h"
#include "core/ClockText.h"
#include "platform/Clock.h"
#include "platform/SecondTimer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

AlarmCheck::AlarmCheck(AlarmClock &alarm, const AlarmOptions &options, AlertActions &alerts,
                       const Clock &clock)
    : QObject(&alarm)
    , m_alarm(alarm)
    , m_options(options)
    , m_alerts(alerts)
    , m_clock(clock) {
    connect(alarm.tmrAlarm, &SecondTimer::Timer, this, &AlarmCheck::tmrAlarm_Timer);
    connect(&alarm, &AlarmClock::switchedOn, this, &AlarmCheck::tmrAlarm_Timer);
}

QString AlarmCheck::alarmText() const {
    const QString composed =
        m_alarm.txtHour->text() + u':' + m_alarm.txtMinute->text() + m_alarm.txtAmPm->text();
    const std::optional<int> time = ClockText::readHourMinuteAmPm(composed);
    return time ? ClockText::hhnnAmPm(*time) : composed;
}

QString AlarmCheck::clockText() const {
    return ClockText::hhnnAmPm(m_clock.now().time().msecsSinceStartOfDay() / 1000);
}

void AlarmCheck::tmrAlarm_Timer() {
    if (alarmText() == clockText())
        goOff();
}

void AlarmCheck::goOff() {
    m_alerts.PlayAlertSound(m_options.sound->txtWav->text());
    m_alarm.tmrAlarm->setEnabled(false);
    m_alarm.Option2->setChecked(true);
    m_alerts.RestoreMainWindow();
    const bool showsMessage = m_options.message->Check4->isChecked();
    const QString message = m_options.message->txtMessage->toPlainText();
    m_alerts.NotifyUser(m_alarm.name,
                        m_alarm.name + u" at "_s + alarmText() + (showsMessage ? u'\n' + message : QString()),
                        true);
    if (showsMessage)
        m_alerts.ShowAlertMessage(message);
    if (m_options.program->Check3->isChecked())
        m_alerts.RunAlertProgram(m_options.program->txtProgram->text());
}
