#include "TestWindow.h"
#include "countdown/CountdownTick.h"
#include "countdown/CountdownTimer.h"
#include "platform/FlatBttn.h"
#include "platform/SOTimer.h"

#include <QElapsedTimer>

using namespace Qt::StringLiterals;

// The countdown's entry, its buttons, its tick with expiry and notify times, and the custom
// notify time's settings.
class TestCountdown : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { w = std::make_unique<TestWindow>(); }
    void entryShowsTheRemainingTime_data();
    void entryShowsTheRemainingTime();
    void startPauseAndReset();
    void ticksAlertAtExpiryAndNotifyTimes_data();
    void ticksAlertAtExpiryAndNotifyTimes();
    void expiryStopsAndBringsTheWindowBack();
    void anEntryWhileRunningCountsFromTheWholeTime();
    void customNotifyTimeActivatesOnlyWhenReadable_data();
    void customNotifyTimeActivatesOnlyWhenReadable();
    void customNotifyFieldsStep();
    void tickSourceKeepsTheSecondAcrossPause();

private:
    void enter(const QString &hours, const QString &minutes, const QString &seconds) const {
        w->type("txtHours", hours);
        w->type("txtMinutes", minutes);
        w->type("txtSeconds", seconds);
    }
    // The ticks, counted from 1, at which the timer's sound started; a tick alerting twice is
    // listed twice.
    QList<int> alertingTicks(int ticks) const {
        QList<int> alerting;
        for (int tick = 1; tick <= ticks; ++tick) {
            w->window->countdownTick->tmrCounter_Timer();
            for (const QString &entry : w->platform.takeLog())
                if (entry.startsWith(u"sound 1 /home/u/timer.wav"_s))
                    alerting << tick;
        }
        return alerting;
    }

    std::unique_ptr<TestWindow> w;
};

void TestCountdown::entryShowsTheRemainingTime_data() {
    QTest::addColumn<QStringList>("entry");
    QTest::addColumn<QString>("shown");
    QTest::newRow("90 minutes") << QStringList{u""_s, u"90"_s, u""_s} << u"01:30:00"_s;
    QTest::newRow("90 seconds") << QStringList{u""_s, u""_s, u"90"_s} << u"00:01:30"_s;
    QTest::newRow("99 99 99") << QStringList{u"99"_s, u"99"_s, u"99"_s} << u"04:40:39"_s;
    QTest::newRow("24 hours") << QStringList{u"24"_s, u""_s, u""_s} << u"00:00:00"_s;
    QTest::newRow("25 hours") << QStringList{u"25"_s, u""_s, u""_s} << u"01:00:00"_s;
    QTest::newRow("two characters") << QStringList{u""_s, u""_s, u"123"_s} << u"00:00:12"_s;
    QTest::newRow("readings") << QStringList{u"a5"_s, u"5a"_s, u".5"_s} << u"00:05:00"_s;
    QTest::newRow("negative part") << QStringList{u"1"_s, u"-9"_s, u""_s} << u"00:51:00"_s;
    QTest::newRow("negative total") << QStringList{u""_s, u""_s, u"-5"_s} << u"00:00:00"_s;
}

void TestCountdown::entryShowsTheRemainingTime() {
    QFETCH(QStringList, entry);
    enter(entry[0], entry[1], entry[2]);
    QTEST(w->text("lblCounter"), "shown");
}

void TestCountdown::startPauseAndReset() {
    CountdownTimer &countdown = *w->window->countdown;
    QCOMPARE(countdown.tmrCounter->interval(), 1000);
    QVERIFY(!countdown.tmrCounter->isEnabled());
    QCOMPARE(w->text("lblCounter"), u"00:00:00"_s);
    enter(u"1"_s, u"2"_s, u"3"_s);
    w->click("FlatBttnStart");
    QVERIFY(countdown.tmrCounter->isEnabled());
    w->click("FlatBttnReset"); // disabled while running
    QCOMPARE(w->text("txtHours"), u"1"_s);
    w->click("FlatBttnPause");
    QVERIFY(!countdown.tmrCounter->isEnabled());
    QCOMPARE(w->text("lblCounter"), u"01:02:03"_s);
    w->click("FlatBttnReset");
    for (const char *field : {"txtHours", "txtMinutes", "txtSeconds"})
        QCOMPARE(w->text(field), QString());
    QCOMPARE(w->text("lblCounter"), u"00:00:00"_s);
    QCOMPARE(w->window->focusWidget(), countdown.txtHours);
    w->click("FlatBttnStart"); // nothing entered: runs with nothing to count
    QCOMPARE(alertingTicks(3), QList<int>());
    QVERIFY(countdown.tmrCounter->isEnabled());
    QVERIFY(!countdown.FlatBttnReset->isEnabled());
}

// Each row: the entry, the notify boxes checked, the custom notify time, how many ticks run and
// the ticks that alert.
void TestCountdown::ticksAlertAtExpiryAndNotifyTimes_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QString>("custom");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QList<int>>("alerting");
    QTest::newRow("3 s") << u"0:0:3"_s << QStringList() << u"00:00:00"_s << 5 << QList<int>{3};
    QTest::newRow("5 minutes once") << u"0:5:2"_s << QStringList{u"Check5"_s} << u"00:00:00"_s << 303
                                    << QList<int>{2, 302};
    QTest::newRow("60 minutes not at the start")
        << u"1:0:0"_s << QStringList{u"Check60"_s} << u"00:00:00"_s << 3600 << QList<int>{3600};
    QTest::newRow("60 minutes beyond a day")
        << u"25:0:0"_s << QStringList{u"Check60"_s} << u"00:00:00"_s << 3601 << QList<int>{3600};
    QTest::newRow("all four") << u"1:0:5"_s
                              << QStringList{u"Check60"_s, u"Check30"_s, u"Check15"_s, u"Check5"_s}
                              << u"00:00:00"_s << 3605 << QList<int>{5, 1805, 2705, 3305, 3605};
    QTest::newRow("30 and 15 only") << u"0:30:1"_s << QStringList{u"Check30"_s, u"Check15"_s} << u"00:00:00"_s
                                    << 1801 << QList<int>{1, 901, 1801};
    QTest::newRow("custom") << u"0:0:15"_s << QStringList{u"Check2"_s} << u"00:00:10"_s << 15
                            << QList<int>{5, 15};
    QTest::newRow("custom not active")
        << u"0:0:15"_s << QStringList() << u"00:00:10"_s << 15 << QList<int>{15};
    QTest::newRow("custom unreadable")
        << u"0:0:15"_s << QStringList{u"Check2"_s} << u"00:75:10"_s << 15 << QList<int>{15};
    QTest::newRow("custom set to zero once active")
        << u"0:0:2"_s << QStringList{u"Check2"_s} << u"00:00:00"_s << 2 << QList<int>{2, 2};
}

void TestCountdown::ticksAlertAtExpiryAndNotifyTimes() {
    QFETCH(QString, entry);
    QFETCH(QStringList, checked);
    QFETCH(QString, custom);
    w->type("txtWav", u"/home/u/timer.wav"_s);
    w->type("txtMinute3", u"10"_s); // a readable time, so that "activate" takes
    for (const QString &box : checked)
        w->click(qPrintable(box));
    const QStringList customParts = custom.split(u':');
    w->type("txtHour3", customParts[0]);
    w->type("txtMinute3", customParts[1]);
    w->type("txtSecond", customParts[2]);
    const QStringList parts = entry.split(u':');
    enter(parts[0], parts[1], parts[2]);
    w->click("FlatBttnStart");
    w->platform.takeLog();
    QFETCH(int, ticks);
    QTEST(alertingTicks(ticks), "alerting");
}

void TestCountdown::expiryStopsAndBringsTheWindowBack() {
    enter(QString(), QString(), u"2"_s);
    w->click("FlatBttnStart");
    w->window->hide();
    alertingTicks(1);
    QCOMPARE(w->text("lblCounter"), u"00:00:01"_s);
    QVERIFY(!w->window->isVisible());
    alertingTicks(1);
    QCOMPARE(w->text("lblCounter"), u"00:00:00"_s);
    QVERIFY(w->window->isVisible());
    QVERIFY(!w->window->countdown->tmrCounter->isEnabled());
    QVERIFY(w->window->countdown->FlatBttnReset->isEnabled());
    QCOMPARE(w->text("txtSeconds"), u"2"_s);
    w->click("FlatBttnStart"); // counts nothing until a field is edited
    alertingTicks(2);
    QCOMPARE(w->text("lblCounter"), u"00:00:00"_s);
}

void TestCountdown::anEntryWhileRunningCountsFromTheWholeTime() {
    enter(QString(), QString(), u"10"_s);
    w->click("FlatBttnStart");
    alertingTicks(3);
    QCOMPARE(w->text("lblCounter"), u"00:00:07"_s);
    w->type("txtSeconds", u"20"_s);
    QCOMPARE(w->text("lblCounter"), u"00:00:20"_s);
    alertingTicks(1);
    QCOMPARE(w->text("lblCounter"), u"00:00:19"_s);
}

void TestCountdown::customNotifyTimeActivatesOnlyWhenReadable_data() {
    QTest::addColumn<QString>("time");
    QTest::addColumn<bool>("activates");
    QTest::newRow("zero") << u"00:00:00"_s << false;
    QTest::newRow("ten minutes") << u"00:10:00"_s << true;
    QTest::newRow("one second") << u"00:00:01"_s << true;
    QTest::newRow("single digits") << u"1:2:3"_s << true;
    QTest::newRow("75 minutes") << u"00:75:00"_s << false;
    QTest::newRow("hour 24") << u"24:00:00"_s << false;
    QTest::newRow("empty fields") << u"::"_s << false;
}

void TestCountdown::customNotifyTimeActivatesOnlyWhenReadable() {
    QFETCH(QString, time);
    const QStringList parts = time.split(u':');
    w->type("txtHour3", parts[0]);
    w->type("txtMinute3", parts[1]);
    w->type("txtSecond", parts[2]);
    w->click("Check2");
    QTEST(w->checked("Check2"), "activates");
    w->click("Check2");
    QVERIFY(!w->checked("Check2")); // unchecking always stays
}

void TestCountdown::customNotifyFieldsStep() {
    const auto clicks = [this](const char *arrow, int count) {
        QStringList shown;
        for (int click = 0; click < count; ++click) {
            w->click(arrow);
            shown << w->text("txtHour3") + u':' + w->text("txtMinute3") + u':' + w->text("txtSecond");
        }
        return shown.join(u' ');
    };
    w->click("UpDown3/up"); // nothing selected yet
    QCOMPARE(w->text("txtHour3") + w->text("txtMinute3") + w->text("txtSecond"), u"000000"_s);
    w->click("txtHour3");
    QCOMPARE(clicks("UpDown3/up", 13).split(u' ').mid(9).join(u' '),
             u"11:00:00 12:00:00 01:00:00 02:00:00"_s);
    w->click("txtMinute3");
    QCOMPARE(clicks("UpDown3/up", 2), u"02:03:00 02:04:00"_s); // the spin value goes its own way
    w->click("txtSecond");
    QCOMPARE(clicks("UpDown3/down", 6), u"02:04:03 02:04:02 02:04:01 02:04:00 02:04:59 02:04:58"_s);
}

// Ticks come a whole interval apart; a pause keeps the part of the interval already run, a
// rewind forgets it.
void TestCountdown::tickSourceKeepsTheSecondAcrossPause() {
    SOTimer timer;
    timer.setInterval(300);
    QList<qint64> ticks;
    QElapsedTimer clock;
    connect(&timer, &SOTimer::Timer, this, [&] { ticks << clock.elapsed(); });
    clock.start();
    timer.setEnabled(true);
    QTRY_COMPARE(ticks.size(), 2);
    QVERIFY2(ticks[0] >= 300 && ticks[1] >= 600 && ticks[1] < 900, qPrintable(QString::number(ticks[1])));
    QTest::qWait(200);
    timer.setEnabled(false);
    QTest::qWait(400);
    QCOMPARE(ticks.size(), 2);
    clock.restart();
    timer.setEnabled(true);
    QTRY_COMPARE(ticks.size(), 3);
    QVERIFY2(ticks[2] < 250, qPrintable(QString::number(ticks[2])));
    timer.setEnabled(false);
    timer.rewind();
    clock.restart();
    timer.setEnabled(true);
    QTRY_COMPARE(ticks.size(), 4);
    QVERIFY2(ticks[3] >= 300, qPrintable(QString::number(ticks[3])));
}

QTEST_MAIN(TestCountdown)
#include "test_countdown.moc"
