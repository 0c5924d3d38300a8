#include "AlarmTime.h"
#include "FakePlatform.h"
#include "alarms/AlarmCheck.h"
#include "alarms/AlarmClock.h"
#include "alerts/OptionGroups.h"
#include "app/ClockDisplay.h"
#include "app/frmTivvet.h"
#include "countdown/CountdownTick.h"
#include "countdown/CountdownTimer.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

// A day of ticks through every timer of the main window, with the clock faked and the handlers
// called directly: alarms go off every few minutes and countdowns restart every hour.
class TestSoak : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aDayOfTicksLeavesNothingBehind();

private:
    static qint64 residentKilobytes();
};

qint64 TestSoak::residentKilobytes() {
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * 4;
}

void TestSoak::aDayOfTicksLeavesNothingBehind() {
    FakePlatform platform;
    frmTivvet window(platform.services());
    window.Form_Load();
    window.show();
    for (AlarmOptions *options : {window.alarm1Options, window.alarm2Options}) {
        options->message->txtMessage->setPlainText(u"Stand up"_s);
        options->message->Check4->setChecked(true);
        options->program->txtProgram->setText(u"true"_s);
        options->program->Check3->setChecked(true);
    }

    constexpr int Day = 86400;
    platform.clock.current = QDateTime(QDate(2026, 12, 5), QTime(0, 0));
    const qsizetype objectsAtStart = window.findChildren<QObject *>().size();
    qint64 residentAtHalfDay = 0;
    int goneOff = 0;
    for (int second = 0; second < Day; ++second) {
        if (second % 3600 == 0) {
            window.countdown->txtMinutes->setText(u"59"_s);
            window.countdown->FlatBttnStart_Click();
        }
        for (AlarmClock *alarm : {window.alarm1, window.alarm2})
            if (!alarm->Option1->isChecked()) {
                AlarmTime::set(*alarm, (second / 60 + (alarm == window.alarm1 ? 3 : 5)) * 60 % Day);
                alarm->Option1->setChecked(true);
            }
        window.countdownTick->tmrCounter_Timer();
        window.alarm1Check->tmrAlarm_Timer();
        window.alarm2Check->tmrAlarm_Timer();
        window.clock->tmrClock_Timer();
        window.clock->tmrDate_Timer();
        if (platform.sound.requests.size() > 1000) {
            goneOff += int(platform.sound.requests.size());
            platform.sound.requests.clear();
            platform.log.clear();
            platform.messages.shown.clear();
            platform.launcher.started.clear();
        }
        if (second == Day / 2)
            residentAtHalfDay = residentKilobytes();
        platform.clock.advance(1000);
    }
    goneOff += int(platform.sound.requests.size());

    // Alarm I every three minutes and Alarm II every five (768 a day), and 24 countdowns.
    QVERIFY2(goneOff > 700, qPrintable(QString::number(goneOff)));
    QCOMPARE(window.findChildren<QObject *>().size(), objectsAtStart);
    const qint64 growth = residentKilobytes() - residentAtHalfDay;
    QVERIFY2(growth < 2048, qPrintable(u"grew by %1 kB in the second half"_s.arg(growth)));
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
