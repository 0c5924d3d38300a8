#include "FakePlatform.h"
#include "alerts/OptionGroups.h"
#include "app/frmTivvet.h"
#include "countdown/CountdownTick.h"
#include "countdown/CountdownTimer.h"
#include "countdown/NotifySettings.h"
#include "platform/FlatBttn.h"
#include "platform/SOTimer.h"
#include "platform/UpDown.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

class TestCountdown : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void expiresOnTheThirdTickWithSoundAndWindow();
    void aTickAtZeroDoesNothing();
    void fiveMinuteNoticeFiresOncePerPass();
    void fixedNoticesFireOnlyOnTheirClockText();
    void twentyFiveHoursRunAsOneHour();
    void customNoticeFiresOnlyWhileActive();
    void customNoticeAtZeroFiresWithExpiry();
    void activateRefusesZeroAndUnreadableTimes();
    void customFieldsStepWithTheSelectedKind();
    void realTimerExpiresOnTime();
    void pauseKeepsThePartOfTheSecondRun();

private:
    void enter(const QString &hours, const QString &minutes, const QString &seconds);
    // Runs ticks and returns the display after each.
    QStringList tick(int count);
    void setCustomTime(const QString &hours, const QString &minutes, const QString &seconds);
    qsizetype soundCount() const { return platform.sound.requests.size(); }

    FakePlatform platform;
    std::unique_ptr<frmTivvet> window;
    CountdownTimer *countdown = nullptr;
    NotifySettings *notify = nullptr;
};

void TestCountdown::init() {
    platform.log.clear();
    platform.sound.requests.clear();
    platform.sound.onPlay = nullptr;
    window = std::make_unique<frmTivvet>(platform.services());
    window->Form_Load();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    countdown = window->countdown;
    notify = window->notify;
    window->timerSound->txtWav->setText(u"/sounds/timer.wav"_s);
}

void TestCountdown::cleanup() {
    window.reset();
}

void TestCountdown::enter(const QString &hours, const QString &minutes, const QString &seconds) {
    countdown->txtHours->setText(hours);
    countdown->txtMinutes->setText(minutes);
    countdown->txtSeconds->setText(seconds);
}

QStringList TestCountdown::tick(int count) {
    QStringList shown;
    for (int i = 0; i < count; ++i) {
        window->countdownTick->tmrCounter_Timer();
        shown << countdown->lblCounter->text();
    }
    return shown;
}

void TestCountdown::setCustomTime(const QString &hours, const QString &minutes, const QString &seconds) {
    notify->txtHour3->setText(hours);
    notify->txtMinute3->setText(minutes);
    notify->txtSecond->setText(seconds);
}

void TestCountdown::expiresOnTheThirdTickWithSoundAndWindow() {
    enter(u""_s, u""_s, u"3"_s);
    countdown->FlatBttnStart_Click();
    window->showMinimized();
    window->hide();
    bool visibleAtSound = true;
    platform.sound.onPlay = [&] { visibleAtSound = window->isVisible(); };

    QCOMPARE(tick(2), (QStringList{u"00:00:02"_s, u"00:00:01"_s}));
    QCOMPARE(soundCount(), 0);
    QVERIFY(countdown->tmrCounter->isEnabled());

    QCOMPARE(tick(1), QStringList{u"00:00:00"_s});
    QCOMPARE(soundCount(), 1);
    QCOMPARE(platform.sound.requests[0].path, u"/sounds/timer.wav"_s);
    QCOMPARE(platform.sound.requests[0].flags, 1);
    QVERIFY(!visibleAtSound); // the sound starts before the window comes back
    QVERIFY(window->isVisible());
    QVERIFY(!window->isMinimized());
    QVERIFY(!countdown->tmrCounter->isEnabled());
    QVERIFY(countdown->FlatBttnReset->isEnabled());
    QCOMPARE(countdown->txtSeconds->text(), u"3"_s); // the entry stays
}

void TestCountdown::aTickAtZeroDoesNothing() {
    countdown->FlatBttnStart_Click();
    QCOMPARE(tick(3), (QStringList{u"00:00:00"_s, u"00:00:00"_s, u"00:00:00"_s}));
    QCOMPARE(soundCount(), 0);
    QVERIFY(countdown->tmrCounter->isEnabled());
    QVERIFY(!countdown->FlatBttnReset->isEnabled());

    countdown->txtSeconds->setText(u"2"_s); // typed while running: counts from the next tick
    QCOMPARE(tick(2), (QStringList{u"00:00:01"_s, u"00:00:00"_s}));
    QCOMPARE(soundCount(), 1);
}

void TestCountdown::fiveMinuteNoticeFiresOncePerPass() {
    notify->Check5->setChecked(true);
    enter(u""_s, u"5"_s, u"2"_s);
    QCOMPARE(tick(2).last(), u"00:05:00"_s);
    QCOMPARE(soundCount(), 1);
    tick(5);
    QCOMPARE(soundCount(), 1);

    // Raised above five minutes again while running, it passes the notice once more.
    countdown->txtSeconds->setText(u"10"_s);
    QCOMPARE(tick(10).last(), u"00:05:00"_s);
    QCOMPARE(soundCount(), 2);
}

void TestCountdown::fixedNoticesFireOnlyOnTheirClockText() {
    for (QCheckBox *box : {notify->Check60, notify->Check30, notify->Check15, notify->Check5})
        box->setChecked(true);
    enter(u"1"_s, u""_s, u"5"_s);
    QStringList soundsAt;
    platform.sound.onPlay = [&] { soundsAt << countdown->lblCounter->text(); };
    tick(3605);
    QCOMPARE(soundsAt,
             (QStringList{u"01:00:00"_s, u"00:30:00"_s, u"00:15:00"_s, u"00:05:00"_s, u"00:00:00"_s}));

    soundsAt.clear();
    enter(u"1"_s, u""_s, u""_s); // the first tick already shows 00:59:59
    tick(1);
    QVERIFY(soundsAt.isEmpty());
}

void TestCountdown::twentyFiveHoursRunAsOneHour() {
    notify->Check60->setChecked(true);
    enter(u"25"_s, u""_s, u""_s);
    QCOMPARE(countdown->lblCounter->text(), u"01:00:00"_s);
    countdown->FlatBttnStart_Click();
    tick(3599);
    QCOMPARE(soundCount(), 0);
    QCOMPARE(tick(1), QStringList{u"00:00:00"_s});
    QCOMPARE(soundCount(), 1);
    QVERIFY(!countdown->tmrCounter->isEnabled());
}

void TestCountdown::customNoticeFiresOnlyWhileActive() {
    setCustomTime(u"00"_s, u"00"_s, u"10"_s);
    notify->Check2->setChecked(true);
    QVERIFY(notify->Check2->isChecked());
    enter(u""_s, u""_s, u"12"_s);
    QCOMPARE(tick(2).last(), u"00:00:10"_s);
    QCOMPARE(soundCount(), 1);

    notify->Check2->setChecked(false);
    enter(u""_s, u""_s, u"12"_s);
    tick(2);
    QCOMPARE(soundCount(), 1);

    // A field changed to something unreadable after activation never fires.
    notify->Check2->setChecked(true);
    notify->txtMinute3->setText(u"75"_s);
    QVERIFY(notify->Check2->isChecked());
    enter(u""_s, u""_s, u"12"_s);
    tick(2);
    QCOMPARE(soundCount(), 1);
}

void TestCountdown::customNoticeAtZeroFiresWithExpiry() {
    setCustomTime(u"00"_s, u"00"_s, u"05"_s);
    notify->Check2->setChecked(true);
    setCustomTime(u"00"_s, u"00"_s, u"00"_s); // zero after activation keeps the box checked
    QVERIFY(notify->Check2->isChecked());
    enter(u""_s, u""_s, u"1"_s);
    tick(1);
    QCOMPARE(platform.log, (QStringList{u"sound /sounds/timer.wav"_s, u"sound /sounds/timer.wav"_s}));
}

void TestCountdown::activateRefusesZeroAndUnreadableTimes() {
    const QList<std::pair<QStringList, bool>> cases{
        {{u"00"_s, u"00"_s, u"00"_s}, false}, {{u"00"_s, u"10"_s, u"00"_s}, true},
        {{u"00"_s, u"75"_s, u"00"_s}, false}, {{u"24"_s, u"00"_s, u"00"_s}, false},
        {{u"23"_s, u"59"_s, u"59"_s}, true},  {{u""_s, u"10"_s, u"00"_s}, false},
        {{u"0"_s, u"0"_s, u"1"_s}, true},     {{u"-1"_s, u"00"_s, u"00"_s}, false},
    };
    for (const auto &[fields, activates] : cases) {
        notify->Check2->setChecked(false);
        setCustomTime(fields[0], fields[1], fields[2]);
        QTest::mouseClick(notify->Check2, Qt::LeftButton);
        QVERIFY2(notify->Check2->isChecked() == activates, qPrintable(fields.join(u':')));
    }
}

void TestCountdown::customFieldsStepWithTheSelectedKind() {
    UpDown *spin = notify->UpDown3;
    spin->upArrow()->click(); // nothing selected yet: no field changes, but the spin value moves to 1
    QCOMPARE(notify->txtHour3->text() + notify->txtMinute3->text() + notify->txtSecond->text(), u"000000"_s);

    QTest::mouseClick(notify->txtHour3, Qt::LeftButton);
    QCOMPARE(notify->txtHour3->selectedText(), u"00"_s);
    QVERIFY(window->selection.blnHourSel && !window->selection.blnMinuteSel &&
            !window->selection.blnSecondSel);
    QStringList hours;
    for (int click = 0; click < 13; ++click) {
        spin->upArrow()->click();
        hours << notify->txtHour3->text();
    }
    QCOMPARE(hours.first(), u"02"_s);
    QCOMPARE(hours[10], u"12"_s);
    QCOMPARE(hours[11], u"01"_s);
    QCOMPARE(hours.last(), u"02"_s);

    QTest::mouseClick(notify->txtSecond, Qt::LeftButton);
    QVERIFY(window->selection.blnSecondSel && !window->selection.blnHourSel);
    QStringList seconds;
    for (int click = 0; click < 3; ++click) {
        spin->downArrow()->click();
        seconds << notify->txtSecond->text();
    }
    QCOMPARE(seconds, (QStringList{u"01"_s, u"00"_s, u"59"_s}));
    QCOMPARE(notify->txtHour3->text(), u"02"_s);
}

void TestCountdown::realTimerExpiresOnTime() {
    enter(u""_s, u""_s, u"3"_s);
    QElapsedTimer clock;
    qint64 expiredAfter = -1;
    platform.sound.onPlay = [&] { expiredAfter = clock.elapsed(); };
    clock.start();
    QTest::mouseClick(countdown->FlatBttnStart, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(expiredAfter >= 0, 5000);
    QVERIFY2(expiredAfter >= 2950 && expiredAfter <= 3300, qPrintable(QString::number(expiredAfter)));
    QCOMPARE(countdown->lblCounter->text(), u"00:00:00"_s);
}

void TestCountdown::pauseKeepsThePartOfTheSecondRun() {
    SOTimer timer;
    timer.setInterval(400);
    QSignalSpy ticks(&timer, &SOTimer::Timer);
    timer.setEnabled(true);
    QTest::qWait(250);
    timer.setEnabled(false);
    QTest::qWait(300);
    QCOMPARE(ticks.count(), 0);

    QElapsedTimer clock;
    clock.start();
    timer.setEnabled(true);
    QVERIFY(ticks.wait(1000));
    // About 150 ms of the interrupted interval were left, far less than a whole one.
    QVERIFY2(clock.elapsed() < 320, qPrintable(QString::number(clock.elapsed())));

    timer.setEnabled(false);
    timer.rewind();
    clock.restart();
    timer.setEnabled(true);
    QVERIFY(ticks.wait(1000));
    QVERIFY2(clock.elapsed() >= 395, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(TestCountdown)
#include "test_countdown.moc"
