#include "FakePlatform.h"
#include "alarms/AlarmCheck.h"
#include "alarms/AlarmClock.h"
#include "alerts/OptionGroups.h"
#include "app/frmTivvet.h"
#include "countdown/NotifySettings.h"
#include "platform/SecondTimer.h"
#include "platform/UpDown.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

class TestAlarms : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void hourAndMinuteStepAndWrapBothWays();
    void amPmAlternatesAndTheFirstClickBackKeepsIt();
    void flagsAreSharedAcrossAlarmsAndTheNotifyTime();
    void aSpinClickWithNothingSelectedChangesNothing();
    void midnightNoonAndASingleDigitHourGoOff_data();
    void midnightNoonAndASingleDigitHourGoOff();
    void goesOffOnceAndSwitchesItselfOff();
    void switchedOnInsideItsMinuteGoesOffAtOnce();
    void messageComesBeforeProgram();
    void bothAlarmsGoOffInTheSameMinute();
    void unreadableTimesNeverGoOff();

private:
    void setTime(AlarmClock *alarm, const QString &hour, const QString &minute, const QString &amPm);
    QStringList clicks(UpDown *spin, bool up, int count, QLineEdit *field);

    FakePlatform platform;
    std::unique_ptr<frmTivvet> window;
    AlarmClock *alarm1 = nullptr;
    AlarmClock *alarm2 = nullptr;
};

void TestAlarms::init() {
    platform.log.clear();
    platform.sound.requests.clear();
    platform.launcher.started.clear();
    window = std::make_unique<frmTivvet>(platform.services());
    window->Form_Load();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    alarm1 = window->alarm1;
    alarm2 = window->alarm2;
    window->alarm1Options->sound->txtWav->setText(u"/sounds/one.wav"_s);
    window->alarm2Options->sound->txtWav->setText(u"/sounds/two.wav"_s);
}

void TestAlarms::cleanup() {
    window.reset();
}

void TestAlarms::setTime(AlarmClock *alarm, const QString &hour, const QString &minute, const QString &amPm) {
    alarm->txtHour->setText(hour);
    alarm->txtMinute->setText(minute);
    alarm->txtAmPm->setText(amPm);
}

QStringList TestAlarms::clicks(UpDown *spin, bool up, int count, QLineEdit *field) {
    QStringList shown;
    for (int i = 0; i < count; ++i) {
        (up ? spin->upArrow() : spin->downArrow())->click();
        shown << field->text();
    }
    return shown;
}

void TestAlarms::hourAndMinuteStepAndWrapBothWays() {
    QTest::mouseClick(alarm1->txtHour, Qt::LeftButton);
    QCOMPARE(alarm1->txtHour->selectedText(), u"12"_s);
    const QStringList up = clicks(alarm1->UpDown1, true, 13, alarm1->txtHour);
    QCOMPARE(up.first(), u"01"_s);
    QCOMPARE(up[11], u"12"_s);
    QCOMPARE(up.last(), u"01"_s);
    QCOMPARE(clicks(alarm1->UpDown1, false, 3, alarm1->txtHour), (QStringList{u"12"_s, u"11"_s, u"10"_s}));

    QTest::mouseClick(alarm1->txtMinute, Qt::LeftButton);
    clicks(alarm1->UpDown1, true, 49, alarm1->txtMinute); // from 10 up to 59
    QCOMPARE(alarm1->txtMinute->text(), u"59"_s);
    QCOMPARE(clicks(alarm1->UpDown1, true, 1, alarm1->txtMinute), QStringList{u"00"_s});
    QCOMPARE(clicks(alarm1->UpDown1, false, 2, alarm1->txtMinute), (QStringList{u"59"_s, u"58"_s}));
    QCOMPARE(alarm1->txtHour->text(), u"10"_s); // only the selected kind is stepped
}

void TestAlarms::amPmAlternatesAndTheFirstClickBackKeepsIt() {
    QTest::mouseClick(alarm2->txtAmPm, Qt::LeftButton);
    QCOMPARE(clicks(alarm2->UpDown1, true, 3, alarm2->txtAmPm), (QStringList{u"pm"_s, u"am"_s, u"pm"_s}));
    QCOMPARE(clicks(alarm2->UpDown1, false, 3, alarm2->txtAmPm), (QStringList{u"pm"_s, u"am"_s, u"pm"_s}));
    QCOMPARE(alarm1->txtAmPm->text(), u"am"_s);
}

void TestAlarms::flagsAreSharedAcrossAlarmsAndTheNotifyTime() {
    // An hour field of Alarm I selected, Alarm II's spin button steps Alarm II's hour.
    QTest::mouseClick(alarm1->txtHour, Qt::LeftButton);
    alarm2->UpDown1->upArrow()->click();
    QCOMPARE(alarm2->txtHour->text(), u"01"_s);
    QCOMPARE(alarm1->txtHour->text(), u"12"_s);

    // am/pm, then the notify hours: one click rewrites both Alarm I's hour and its am/pm.
    QTest::mouseClick(alarm1->txtAmPm, Qt::LeftButton);
    QTest::mouseClick(window->notify->txtHour3, Qt::LeftButton);
    alarm1->UpDown1->upArrow()->click();
    QCOMPARE(alarm1->txtHour->text(), u"01"_s);
    QCOMPARE(alarm1->txtAmPm->text(), u"pm"_s);

    // The notify seconds field clears the hour flag but leaves the am/pm one.
    QTest::mouseClick(window->notify->txtSecond, Qt::LeftButton);
    alarm1->UpDown1->upArrow()->click();
    QCOMPARE(alarm1->txtHour->text(), u"01"_s);
    QCOMPARE(alarm1->txtMinute->text(), u"00"_s);
    QCOMPARE(alarm1->txtAmPm->text(), u"am"_s);
}

void TestAlarms::aSpinClickWithNothingSelectedChangesNothing() {
    alarm1->UpDown1->upArrow()->click();
    alarm1->UpDown1->downArrow()->click();
    QCOMPARE(alarm1->txtHour->text() + alarm1->txtMinute->text() + alarm1->txtAmPm->text(), u"1200am"_s);

    // The notify seconds field is nothing an alarm's spin button steps.
    QTest::mouseClick(window->notify->txtSecond, Qt::LeftButton);
    alarm2->UpDown1->upArrow()->click();
    QCOMPARE(alarm2->txtHour->text() + alarm2->txtMinute->text() + alarm2->txtAmPm->text(), u"1200am"_s);
}

void TestAlarms::midnightNoonAndASingleDigitHourGoOff_data() {
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    QTest::addColumn<QString>("amPm");
    QTest::addColumn<QTime>("goesOffAt");
    QTest::newRow("midnight") << u"12"_s << u"00"_s << u"am"_s << QTime(0, 0);
    QTest::newRow("noon") << u"12"_s << u"00"_s << u"pm"_s << QTime(12, 0);
    QTest::newRow("7 typed") << u"7"_s << u"30"_s << u"pm"_s << QTime(19, 30);
    QTest::newRow("upper case, blanks") << u" 7"_s << u"05"_s << u"AM"_s << QTime(7, 5);
}

void TestAlarms::midnightNoonAndASingleDigitHourGoOff() {
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    QFETCH(QString, amPm);
    QFETCH(QTime, goesOffAt);
    setTime(alarm1, hour, minute, amPm);
    QCOMPARE(alarm1->txtHour->text(), hour); // typed text is kept as typed
    platform.clock.set(goesOffAt.addSecs(-1));
    alarm1->Option1->click();
    QVERIFY(alarm1->tmrAlarm->isEnabled());
    QVERIFY(platform.sound.requests.isEmpty());

    platform.clock.advance(1000);
    window->alarm1Check->tmrAlarm_Timer();
    QCOMPARE(platform.sound.requests.size(), 1);
    QCOMPARE(platform.sound.requests[0].path, u"/sounds/one.wav"_s);
    QCOMPARE(platform.sound.requests[0].flags, 1);
}

void TestAlarms::goesOffOnceAndSwitchesItselfOff() {
    setTime(alarm1, u"07"_s, u"30"_s, u"pm"_s);
    platform.clock.set(QTime(19, 29, 59));
    alarm1->Option1->click();
    window->showMinimized();
    window->hide();

    platform.clock.advance(1000);
    window->alarm1Check->tmrAlarm_Timer();
    QCOMPARE(platform.sound.requests.size(), 1);
    QVERIFY(!alarm1->tmrAlarm->isEnabled());
    QVERIFY(alarm1->Option2->isChecked());
    QVERIFY(!alarm1->Option1->isChecked());
    QVERIFY(window->isVisible());
    QVERIFY(!window->isMinimized());
    QVERIFY(platform.messages.shown.isEmpty()); // neither message nor program is activated
    QVERIFY(platform.launcher.started.isEmpty());

    // Switched off, it is not checked again in the same minute.
    platform.clock.advance(1000);
    QTest::qWait(1100);
    QCOMPARE(platform.sound.requests.size(), 1);

    // Switched on again inside the minute, it goes off again at once.
    alarm1->Option1->click();
    QCOMPARE(platform.sound.requests.size(), 2);
}

void TestAlarms::switchedOnInsideItsMinuteGoesOffAtOnce() {
    setTime(alarm2, u"07"_s, u"30"_s, u"pm"_s);
    platform.clock.set(QTime(19, 30, 40));
    QTest::mouseClick(alarm2->Option1, Qt::LeftButton);
    QCOMPARE(platform.sound.requests.size(), 1);
    QCOMPARE(platform.sound.requests[0].path, u"/sounds/two.wav"_s);
    QVERIFY(alarm2->Option2->isChecked());
    QVERIFY(!window->alarm1->tmrAlarm->isEnabled());
}

void TestAlarms::messageComesBeforeProgram() {
    AlarmOptions &options = *window->alarm1Options;
    options.message->txtMessage->setPlainText(u"Tea\nnow"_s);
    options.program->txtProgram->setText(u"notify-send done"_s);
    options.message->Check4->setChecked(true);
    options.program->Check3->setChecked(true);
    setTime(alarm1, u"09"_s, u"00"_s, u"am"_s);
    platform.clock.set(QTime(9, 0, 0));
    alarm1->Option1->click();
    QCOMPARE(platform.log,
             (QStringList{u"sound /sounds/one.wav"_s, u"box Tea\nnow"_s, u"start notify-send"_s}));
    QCOMPARE(platform.launcher.started, (QList<QStringList>{{u"notify-send"_s, u"done"_s}}));
    QVERIFY(window->isVisible());
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestAlarms::bothAlarmsGoOffInTheSameMinute() {
    window->alarm2Options->program->txtProgram->setText(u"second-program"_s);
    window->alarm2Options->program->Check3->setChecked(true);
    setTime(alarm1, u"6"_s, u"00"_s, u"am"_s);
    setTime(alarm2, u"06"_s, u"00"_s, u"am"_s);
    platform.clock.set(QTime(5, 59, 59));
    alarm1->Option1->click();
    alarm2->Option1->click();
    platform.clock.advance(1000);
    window->alarm1Check->tmrAlarm_Timer();
    window->alarm2Check->tmrAlarm_Timer();
    QCOMPARE(platform.log, (QStringList{u"sound /sounds/one.wav"_s, u"sound /sounds/two.wav"_s,
                                        u"start second-program"_s}));
}

void TestAlarms::unreadableTimesNeverGoOff() {
    const QList<QStringList> times{
        {u"13"_s, u"00"_s, u"pm"_s}, {u"00"_s, u"00"_s, u"am"_s}, {u"75"_s, u"00"_s, u"am"_s},
        {u"12"_s, u"60"_s, u"am"_s}, {u"12"_s, u"00"_s, u"xm"_s}, {u""_s, u"00"_s, u"am"_s},
    };
    for (const QStringList &time : times) {
        setTime(alarm1, time[0], time[1], time[2]);
        for (const QTime &now : {QTime(0, 0), QTime(12, 0), QTime(13, 0), QTime(1, 0)}) {
            platform.clock.set(now);
            window->alarm1Check->tmrAlarm_Timer();
        }
    }
    QVERIFY(platform.sound.requests.isEmpty());
    QCOMPARE(window->alarm1Check->alarmText(), u":00am"_s); // left as composed
    QCOMPARE(window->alarm1Check->clockText(), u"01:00 am"_s);
}

QTEST_MAIN(TestAlarms)
#include "test_alarms.moc"
