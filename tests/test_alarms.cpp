#include "TestWindow.h"
#include "alarms/AlarmClock.h"
#include "platform/AROnTop.h"
#include "platform/SecondTimer.h"

using namespace Qt::StringLiterals;

// The alarms' fields and spin buttons, switching on and off, and going off in their minute.
class TestAlarms : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { w = std::make_unique<TestWindow>(); }
    void aFieldClickSetsTheSharedFlags_data();
    void aFieldClickSetsTheSharedFlags();
    void spinButtonsStepTheSelectedKind();
    void goesOffInItsMinute_data();
    void goesOffInItsMinute();
    void goingOffPlaysComesBackShowsTheMessageThenRunsTheProgram();
    void bothAlarmsGoOffEachWithItsOwnOptions();

private:
    void set(const char *alarm, const QString &hour, const QString &minute, const QString &amPm) const {
        const bool second = qstrcmp(alarm, "II") == 0;
        w->type(second ? "txtHour2" : "txtHour", hour);
        w->type(second ? "txtMinute2" : "txtMinute", minute);
        w->type(second ? "txtAmPm2" : "txtAmPm", amPm);
    }

    std::unique_ptr<TestWindow> w;
};

void TestAlarms::aFieldClickSetsTheSharedFlags_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("flags"); // hour, minute, am/pm, second; all were set before
    QTest::newRow("txtHour") << u"txtHour"_s << u"1001"_s;
    QTest::newRow("txtMinute") << u"txtMinute"_s << u"0101"_s;
    QTest::newRow("txtAmPm") << u"txtAmPm"_s << u"0011"_s;
    QTest::newRow("txtHour2") << u"txtHour2"_s << u"1001"_s;
    QTest::newRow("txtMinute2") << u"txtMinute2"_s << u"0101"_s;
    QTest::newRow("txtAmPm2") << u"txtAmPm2"_s << u"0011"_s;
    QTest::newRow("txtHour3") << u"txtHour3"_s << u"1010"_s;
    QTest::newRow("txtMinute3") << u"txtMinute3"_s << u"0110"_s;
    QTest::newRow("txtSecond") << u"txtSecond"_s << u"0011"_s;
}

void TestAlarms::aFieldClickSetsTheSharedFlags() {
    QFETCH(QString, field);
    FieldSelection &flags = w->window->selection;
    flags = {true, true, true, true};
    w->click(qPrintable(field));
    const auto bit = [](bool flag) { return flag ? u'1' : u'0'; };
    const QString shown = QString(bit(flags.blnHourSel)) + bit(flags.blnMinuteSel) + bit(flags.blnAmPmSel) +
                          bit(flags.blnSecondSel);
    QTEST(shown, "flags");
    QCOMPARE(w->find<QLineEdit>(qPrintable(field))->selectedText(), w->text(qPrintable(field)));
}

void TestAlarms::spinButtonsStepTheSelectedKind() {
    const auto clicks = [this](const char *arrow, int count, const char *field) {
        QStringList shown;
        for (int click = 0; click < count; ++click) {
            w->click(arrow);
            shown << w->text(field);
        }
        return shown.join(u' ');
    };
    w->click("txtHour");
    QCOMPARE(clicks("UpDown1/up", 13, "txtHour"), u"01 02 03 04 05 06 07 08 09 10 11 12 01"_s);
    QCOMPARE(clicks("UpDown1/down", 2, "txtHour"), u"12 11"_s);
    w->click("txtMinute2");
    QCOMPARE(clicks("UpDown2/up", 1, "txtMinute2"), u"01"_s);
    QCOMPARE(clicks("UpDown2/down", 3, "txtMinute2"), u"00 59 58"_s);
    QCOMPARE(clicks("UpDown2/up", 3, "txtMinute2"), u"59 00 01"_s);
    w->click("txtAmPm");
    QCOMPARE(clicks("UpDown1/up", 3, "txtAmPm"), u"pm am pm"_s);
    QCOMPARE(clicks("UpDown1/down", 3, "txtAmPm"), u"pm am pm"_s); // the first one back keeps it
    w->click("txtHour"); // a flag of either alarm steps the other's field
    clicks("UpDown2/up", 1, "txtHour2");
    QCOMPARE(w->text("txtHour2") + w->text("txtHour"), u"0211"_s);
    w->click("txtAmPm");
    w->click("txtHour3"); // hour and am/pm both, in one click
    w->click("UpDown1/up");
    QCOMPARE(w->text("txtHour") + w->text("txtAmPm"), u"01pm"_s);
    w->window->selection = {};
    w->click("UpDown1/up");
    QCOMPARE(w->text("txtHour") + w->text("txtMinute") + w->text("txtAmPm"), u"0100pm"_s);
}

void TestAlarms::goesOffInItsMinute_data() {
    QTest::addColumn<QStringList>("setTime");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("goesOff");
    const QStringList halfPastSeven{u"07"_s, u"30"_s, u"pm"_s};
    QTest::newRow("at the minute") << halfPastSeven << QTime(19, 30) << true;
    QTest::newRow("inside the minute") << halfPastSeven << QTime(19, 30, 59) << true;
    QTest::newRow("a second early") << halfPastSeven << QTime(19, 29, 59) << false;
    QTest::newRow("a minute late") << halfPastSeven << QTime(19, 31) << false;
    QTest::newRow("in the morning") << halfPastSeven << QTime(7, 30) << false;
    QTest::newRow("midnight") << QStringList{u"12"_s, u"00"_s, u"am"_s} << QTime(0, 0, 30) << true;
    QTest::newRow("noon") << QStringList{u"12"_s, u"00"_s, u"pm"_s} << QTime(12, 0) << true;
    QTest::newRow("no leading zero") << QStringList{u"7"_s, u"5"_s, u"PM"_s} << QTime(19, 5) << true;
    QTest::newRow("hour 13") << QStringList{u"13"_s, u"00"_s, u"pm"_s} << QTime(13, 0) << false;
    QTest::newRow("minute 75") << QStringList{u"01"_s, u"75"_s, u"am"_s} << QTime(2, 15) << false;
}

// Switching on checks at once; each check of the timer looks again.
void TestAlarms::goesOffInItsMinute() {
    QFETCH(QStringList, setTime);
    QFETCH(QTime, now);
    QFETCH(bool, goesOff);
    set("II", setTime[0], setTime[1], setTime[2]);
    w->platform.clock.set(now.addSecs(-120));
    w->click("Option3");
    QVERIFY(w->window->alarm2->tmrAlarm->isEnabled());
    w->platform.clock.set(now);
    Q_EMIT w->window->alarm2->tmrAlarm->Timer();
    QCOMPARE(w->platform.takeLog().size(), goesOff ? 1 : 0);
    QCOMPARE(w->checked("Option4"), goesOff);
    QCOMPARE(w->window->alarm2->tmrAlarm->isEnabled(), !goesOff);
    QCOMPARE(w->checked("Option3"), !goesOff);
}

// In the tray while it goes off: the window is back before the message, and the program waits for
// the message's OK.
void TestAlarms::goingOffPlaysComesBackShowsTheMessageThenRunsTheProgram() {
    set("I", u"07"_s, u"30"_s, u"pm"_s);
    w->type("txtWav2", u"/home/u/alarm.wav"_s);
    w->type("txtMessage", u"Take the pills"_s);
    w->type("txtProgram", u"/usr/bin/player \"two words\""_s);
    w->click("Check4");
    w->click("Check3");
    w->window->hide();
    w->platform.messages.onShow = [this] {
        w->platform.log << (w->window->isVisible() ? u"visible"_s : u"hidden"_s)
                        << (w->window->AROnTop1->ontop() ? u"on top"_s : u"not on top"_s);
    };
    w->platform.clock.set(QTime(19, 30, 5));
    w->click("Option1");
    QCOMPARE(w->platform.takeLog(),
             QStringList({u"sound 1 /home/u/alarm.wav"_s, u"visible"_s, u"not on top"_s,
                          u"box The Tivvet|Take the pills"_s, u"start|/usr/bin/player|two words"_s}));
    QVERIFY(w->window->AROnTop1->ontop());
    QVERIFY(w->checked("Option2"));
    w->click("Check4");
    w->platform.launcher.nextResult = false;
    w->platform.messages.onShow = {};
    w->click("Option1"); // still inside the minute: at once again, without the message
    QCOMPARE(w->platform.takeLog(),
             QStringList({u"sound 1 /home/u/alarm.wav"_s, u"start|/usr/bin/player|two words"_s,
                          u"box The Tivvet|Unable to start the program!"_s}));
}

void TestAlarms::bothAlarmsGoOffEachWithItsOwnOptions() {
    for (const char *alarm : {"I", "II"})
        set(alarm, u"6"_s, u"00"_s, u"am"_s);
    w->type("txtWav2", u"/one.wav"_s);
    w->type("txtWav3", u"/two.wav"_s);
    w->type("txtProgram", u"/bin/one"_s);
    w->type("txtProgram2", u"/bin/two"_s);
    w->type("txtMessage2", u"second"_s);
    for (const char *activate : {"Check3", "Check6", "Check7"})
        w->click(activate);
    w->platform.clock.set(QTime(5, 59));
    w->click("Option1");
    w->click("Option3");
    w->platform.clock.set(QTime(6, 0, 1));
    Q_EMIT w->window->alarm1->tmrAlarm->Timer();
    Q_EMIT w->window->alarm2->tmrAlarm->Timer();
    QCOMPARE(w->platform.takeLog(),
             QStringList({u"sound 1 /one.wav"_s, u"start|/bin/one"_s, u"sound 1 /two.wav"_s,
                          u"box The Tivvet|second"_s, u"start|/bin/two"_s}));
}

QTEST_MAIN(TestAlarms)
#include "test_alarms.moc"
