#include "Rows.h"
#include "TestWindow.h"
#include "alarms/AlarmClock.h"
#include "platform/AROnTop.h"
#include "platform/MinuteTimer.h"

#include <QScopeGuard>

#include <ctime>

using namespace Qt::StringLiterals;

// The alarms' fields and spin buttons, switching on and off, and going off in their minute.
class TestAlarms : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { w = std::make_unique<TestWindow>(); }

    // The flags after a click when all were set before: hour, minute, am/pm, second.
    void aFieldClickSetsTheSharedFlags_data() {
        addRows({{"", "flags"},
                 {"txtHour", "1001"},
                 {"txtMinute", "0101"},
                 {"txtAmPm", "0011"},
                 {"txtHour2", "1001"},
                 {"txtMinute2", "0101"},
                 {"txtAmPm2", "0011"},
                 {"txtHour3", "1010"},
                 {"txtMinute3", "0110"},
                 {"txtSecond", "0011"}});
    }

    void aFieldClickSetsTheSharedFlags() {
        const char *field = QTest::currentDataTag();
        FieldSelection &flags = w->window->selection;
        flags = {true, true, true, true};
        w->click(field);
        const auto bit = [](bool flag) { return flag ? u'1' : u'0'; };
        const QString shown = QString(bit(flags.blnHourSel)) + bit(flags.blnMinuteSel) +
                              bit(flags.blnAmPmSel) + bit(flags.blnSecondSel);
        QTEST(shown, "flags");
        QCOMPARE(w->find<QLineEdit>(field)->selectedText(), w->text(field));
    }

    void spinButtonsStepTheSelectedKind() {
        const auto clicks = [this](const char *arrow, int count, const char *field) {
            return w->clicks(arrow, count, {field});
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
        w->click("txtMinute");
        auto *held = w->find<QWidget>("UpDown1/up"); // held down, it steps on
        QTest::mousePress(held, Qt::LeftButton);
        QTest::qWait(800);
        QTest::mouseRelease(held, Qt::LeftButton);
        QVERIFY2(w->text("txtMinute").toInt() > 2, qPrintable(w->text("txtMinute")));
    }

    // Each row sets Alarm II's time and switches it on two minutes before "now", a local time of the
    // fixed day or a moment with its UTC offset in the row's zone; what its notification tells.
    void goesOffInItsMinute_data() {
        addRows({
            {"", "zone", "setTime", "now", "told"},
            {"at the minute", "", "07:30:pm", "19:30:00", "Alarm II at 07:30 pm"},
            {"inside the minute", "", "07:30:pm", "19:30:59", "Alarm II at 07:30 pm"},
            {"a second early", "", "07:30:pm", "19:29:59", ""},
            {"a minute late", "", "07:30:pm", "19:31:00", ""},
            {"in the morning", "", "07:30:pm", "07:30:00", ""},
            {"midnight", "", "12:00:am", "00:00:30", "Alarm II at 12:00 am"},
            {"noon", "", "12:00:pm", "12:00:00", "Alarm II at 12:00 pm"},
            {"no leading zero", "", "7:5:PM", "19:05:00", "Alarm II at 07:05 pm"},
            {"hour 13", "", "13:00:pm", "13:00:00", ""},
            {"minute 75", "", "01:75:am", "02:15:00", ""},
            {"skipped hour, its day begins", "Europe/Berlin", "02:30:am", "2026-03-29T00:00:30+01:00", ""},
            {"skipped hour, the gap ends", "Europe/Berlin", "02:30:am", "2026-03-29T03:00:20+02:00",
             "Alarm II at 02:30 am: the clocks went forward"},
            {"half-hour gap, before", "Australia/Lord_Howe", "02:15:am", "2026-10-04T01:59:00+10:30", ""},
            {"half-hour gap, its end", "Australia/Lord_Howe", "02:15:am", "2026-10-04T02:30:10+11:00",
             "Alarm II at 02:15 am: the clocks went forward"},
            {"southern spring", "Pacific/Auckland", "02:30:am", "2026-09-27T03:00:00+13:00",
             "Alarm II at 02:30 am: the clocks went forward"},
            {"repeated hour, the first", "Europe/Berlin", "02:30:am", "2026-10-25T02:30:10+02:00",
             "Alarm II at 02:30 am"},
            {"repeated hour, on for the second", "Europe/Berlin", "02:30:am", "2026-10-25T02:30:10+01:00",
             "Alarm II at 02:30 am"},
        });
    }

    // Switching on checks at once; each check of the timer looks again.
    void goesOffInItsMinute() {
        const QByteArray zone = column("zone").toLatin1(), localZone = qgetenv("TZ");
        const auto inZone = [](const QByteArray &name) {
            name.isEmpty() ? qunsetenv("TZ") : qputenv("TZ", name);
            tzset();
        };
        inZone(zone.isEmpty() ? localZone : zone);
        const auto backHome = qScopeGuard([&] { inZone(localZone); });
        const QString nowText = column("now");
        const QDateTime now = nowText.contains(u'T')
                                  ? QDateTime::fromString(nowText, Qt::ISODate).toLocalTime()
                                  : QDateTime(QDate(2026, 12, 5), QTime::fromString(nowText));
        w->typeParts({"txtHour2", "txtMinute2", "txtAmPm2"}, column("setTime"));
        w->platform.current = now.addSecs(-120);
        w->click("Option3");
        QVERIFY(w->window->alarm2->tmrAlarm->isEnabled());
        w->platform.current = now;
        Q_EMIT w->platform.minuteChanged();
        const QStringList log = w->platform.takeLog();
        const bool goesOff = !column("told").isEmpty();
        QCOMPARE(log.filter(u"notify"_s).join(QString()).section(u'|', 1), column("told"));
        QCOMPARE(log.size(), goesOff ? 2 : 0); // the sound and the notification
        QCOMPARE(w->checked("Option4"), goesOff);
        QCOMPARE(w->window->alarm2->tmrAlarm->isEnabled(), !goesOff);
        QCOMPARE(w->checked("Option3"), !goesOff);
    }

    // In the tray while it goes off: the window is back before the message, and the program waits for
    // the message's OK.
    void goingOffPlaysComesBackShowsTheMessageThenRunsTheProgram() {
        w->typeParts({"txtHour", "txtMinute", "txtAmPm"}, u"07:30:pm"_s);
        w->type("txtWav2", u"/home/u/alarm.wav"_s);
        w->type("txtMessage", u"Take the pills"_s);
        w->type("txtProgram", u"/usr/bin/player \"two words\""_s);
        w->click("Check4");
        w->click("Check3");
        w->window->hide();
        w->platform.onShow = [this] {
            w->platform.log << (w->window->isVisible() ? u"visible"_s : u"hidden"_s)
                            << (w->window->AROnTop1->ontop() ? u"on top"_s : u"not on top"_s);
        };
        w->platform.setTime(QTime(19, 30, 5));
        w->click("Option1");
        QCOMPARE(w->platform.takeLog(),
                 QStringList({u"sound 1 /home/u/alarm.wav"_s,
                              u"notify Alarm I urgent|Alarm I at 07:30 pm\nTake the pills"_s, u"visible"_s,
                              u"not on top"_s, u"box The Tivvet|Take the pills"_s,
                              u"start|/usr/bin/player|two words"_s}));
        QVERIFY(w->window->AROnTop1->ontop());
        QVERIFY(w->checked("Option2"));
        w->click("Check4");
        w->platform.programStarts = false;
        w->platform.onShow = {};
        w->click("Option1"); // still inside the minute: at once again, without the message
        QCOMPARE(w->platform.takeLog(),
                 QStringList({u"sound 1 /home/u/alarm.wav"_s, u"notify Alarm I urgent|Alarm I at 07:30 pm"_s,
                              u"start|/usr/bin/player|two words"_s,
                              u"box The Tivvet|Unable to start the program!"_s}));
    }

    void bothAlarmsGoOffEachWithItsOwnOptions() {
        w->typeParts({"txtHour", "txtMinute", "txtAmPm", "txtHour2", "txtMinute2", "txtAmPm2"},
                     u"6:00:am:6:00:am"_s);
        w->type("txtWav2", u"/one.wav"_s);
        w->type("txtWav3", u"/two.wav"_s);
        w->type("txtProgram", u"/bin/one"_s);
        w->type("txtProgram2", u"/bin/two"_s);
        w->type("txtMessage2", u"second"_s);
        for (const char *activate : {"Check3", "Check6", "Check7"})
            w->click(activate);
        w->platform.setTime(QTime(5, 59));
        w->click("Option1");
        w->click("Option3");
        w->platform.setTime(QTime(6, 0, 1));
        Q_EMIT w->platform.minuteChanged();
        QCOMPARE(w->platform.takeLog(),
                 QStringList({u"sound 1 /one.wav"_s, u"notify Alarm I urgent|Alarm I at 06:00 am"_s,
                              u"start|/bin/one"_s, u"sound 1 /two.wav"_s,
                              u"notify Alarm II urgent|Alarm II at 06:00 am\nsecond"_s,
                              u"box The Tivvet|second"_s, u"start|/bin/two"_s}));
    }

    // Each row: the alarms switched on (an empty time is off), then the wall clock goes from one time
    // to the next, by a sleep of the computer or set forward by hand; what the alarms tell at the wake.
    void missedWhileAsleepGoesOffLate_data() {
        addRows({
            {"", "alarm1", "alarm2", "from", "to", "by", "told"},
            {"its minute inside the sleep", "", "07:30:pm", "19:20", "19:45", "sleep",
             "sound 1 |notify Alarm II urgent|Alarm II at 07:30 pm, 15 min late: the computer was asleep"},
            {"its minute after the sleep", "", "07:50:pm", "19:20", "19:45", "sleep", ""},
            {"its minute before the sleep", "", "07:10:pm", "19:20", "19:45", "sleep", ""},
            {"both, in time order", "07:40:pm", "07:30:pm", "19:20", "19:45", "sleep",
             "sound 1 |notify Alarm II urgent|Alarm II at 07:30 pm, 15 min late: the computer was asleep|"
             "sound 1 |notify Alarm I urgent|Alarm I at 07:40 pm, 5 min late: the computer was asleep"},
            {"overnight", "09:10:pm", "", "21:00", "07:00", "sleep",
             "sound 1 |notify Alarm I urgent|Alarm I at 09:10 pm, 9 h 50 min late: the computer was asleep"},
            {"clock set forward", "", "07:30:pm", "19:20", "19:45", "hand", ""},
        });
    }

    void missedWhileAsleepGoesOffLate() {
        const QTime from = QTime::fromString(column("from"));
        w->platform.setTime(from);
        w->typeParts({"txtHour", "txtMinute", "txtAmPm", "txtHour2", "txtMinute2", "txtAmPm2"},
                     column("alarm1").leftJustified(2, u':') + u':' + column("alarm2"));
        const QStringList switches[] = {{u"alarm1"_s, u"Option1"_s}, {u"alarm2"_s, u"Option3"_s}};
        int switchedOn = 0;
        for (const QStringList &alarm : switches)
            if (!column(qPrintable(alarm[0])).isEmpty()) {
                w->click(qPrintable(alarm[1]));
                ++switchedOn;
            }
        QVERIFY(w->platform.takeLog().isEmpty());
        const QTime to = QTime::fromString(column("to"));
        if (column("by") == u"sleep"_s) {
            w->platform.sleepFor((from.secsTo(to) + 86400) % 86400);
        } else {
            w->platform.setTime(to);
            Q_EMIT w->platform.minuteChanged();
        }
        const QString told = w->platform.takeLog().join(u'|');
        QTEST(told, "told");
        const int stillOn = int(w->checked("Option1")) + int(w->checked("Option3"));
        QCOMPARE(stillOn, switchedOn - int(told.count(u"notify"_s))); // the others are untouched
    }

private:
    std::unique_ptr<TestWindow> w;
};

QTEST_MAIN(TestAlarms)
#include "test_alarms.moc"
