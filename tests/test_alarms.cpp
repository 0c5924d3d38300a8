#include "TestWindow.h"
#include "alarms/Alarm.h"

#include <QKeySequence>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>

#include <ctime>

// The alarms' fields and spin buttons, switching on and off, and going off in their minute.
class TestAlarms : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    // Each row: clicks on fields ("txtHour=7" puts 7 there first) and on arrows ("UpDown1/up", "*3"
    // for three), Up and Down keys or other keys typed in the field clicked last; then what the
    // watched fields show after each arrow or key.
    void spinButtonsStepTheSelectedField_data() {
        addRows({
            {"", "steps", "watched", "shows"},
            {"minute wraps", "txtMinute2 UpDown2/up UpDown2/down*3 UpDown2/up*3", "txtMinute2",
             "01 00 59 58 59 00 01"},
            {"from the number shown", "txtHour=7 UpDown1/up txtMinute=45 UpDown1/down txtMinute=03 Down",
             "txtHour txtMinute", "08:00 08:44 08:02"},
            {"from no number of the range",
             "txtHour3=00 UpDown3/down txtHour3=13 UpDown3/up txtMinute3=x Down "
             "txtSecond= Down txtAmPm2= UpDown2/down",
             "txtHour3 txtMinute3 txtSecond txtAmPm2",
             "12:00:00:am 01:00:00:am 01:59:00:am 01:59:59:am 01:59:59:pm"},
            {"am/pm either way", "txtAmPm UpDown1/up*3 UpDown1/down*2", "txtAmPm", "pm am pm am pm"},
            {"a flag of either alarm", "txtHour UpDown2/up", "txtHour2 txtHour", "01:12"},
            {"hour and am/pm in one click", "txtAmPm txtHour3 UpDown1/up", "txtHour txtAmPm", "01:pm"},
            {"nothing selected yet", "UpDown3/up", "txtHour3 txtMinute3 txtSecond", "00:00:00"},
            {"keys", "txtHour2 Up Down Down txtAmPm Up Down txtSecond Up Down Down",
             "txtHour2 txtAmPm txtSecond",
             "01:am:00 12:am:00 11:am:00 11:pm:00 11:am:00 11:am:01 11:am:00 11:am:59"},
            {"an hour typed", "txtHour 13 txtHour 00 txtHour 25 txtHour 01 txtHour 12 txtHour a",
             "txtHour txtAmPm", "01:pm 12:am 2:am 01:am 12:am 12:am"},
            {"a minute typed", "txtMinute2 61 txtMinute2 5x", "txtMinute2", "6 5"},
            {"am or pm typed", "txtAmPm2 p txtAmPm2 A txtAmPm2 x", "txtAmPm2", "pm am am"},
        });
    }

    // A click on a field selects its text and its kind.
    void spinButtonsStepTheSelectedField() {
        QStringList shown;
        QWidget *field = nullptr;
        for (const QString &step : column("steps").split(u' ')) {
            const QString control = step.section(u'*', 0, 0);
            for (int times = step.contains(u'*') ? step.section(u'*', 1).toInt() : 1; times > 0; --times) {
                if (control.startsWith(u"txt"_s)) {
                    const QByteArray name = control.section(u'=', 0, 0).toLatin1();
                    if (control.contains(u'='))
                        w->type(name, control.section(u'=', 1));
                    w->click(name);
                    field = w->find(name);
                    QCOMPARE(qobject_cast<QLineEdit *>(field)->selectedText(), w->text(name));
                    continue;
                }
                if (control.startsWith(u"UpDown"_s))
                    w->click(qPrintable(control));
                else if (control == u"Up"_s || control == u"Down"_s)
                    QTest::keyClick(field, control == u"Up"_s ? Qt::Key_Up : Qt::Key_Down);
                else
                    QTest::keyClicks(field, control);
                QStringList watched;
                for (const QString &name : column("watched").split(u' '))
                    watched << w->text(qPrintable(name));
                shown << watched.join(u':');
            }
        }
        QTEST(shown.join(u' '), "shows");
    }

    // Each row sets Alarm II's time and switches it on two minutes before "now", a local time of the
    // fixed day or a moment with its UTC offset in the row's zone; what its notification tells in the
    // row's locale, or the box that keeps it off.
    void goesOffInItsMinute_data() {
        addRows({
            {"", "zone", "setTime", "now", "told", "locale"},
            {"at the minute", "", "07:30:pm", "19:30:00", "Alarm II at 07:30 pm"},
            {"inside the minute", "", "07:30:pm", "19:30:59", "Alarm II at 07:30 pm"},
            {"a second early", "", "07:30:pm", "19:29:59", ""},
            {"a minute late", "", "07:30:pm", "19:31:00", ""},
            {"in the morning", "", "07:30:pm", "07:30:00", ""},
            {"midnight", "", "12:00:am", "00:00:30", "Alarm II at 12:00 am"},
            {"noon", "", "12:00:pm", "12:00:00", "Alarm II at 12:00 pm"},
            {"German clock", "", "07:30:pm", "19:30:00", "Alarm II at 19:30", "de_DE"},
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
            {"no hour", "", ":30:pm", "19:30:00", "The alarm time cannot be read: the alarm is off."},
            {"an hour of 0", "", "0:30:pm", "00:30:00", "Alarm II at 12:30 am"},
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
        w->platform.formats = QLocale(column("locale"));
        const QString nowText = column("now");
        const QDateTime now = nowText.contains(u'T')
                                  ? QDateTime::fromString(nowText, Qt::ISODate).toLocalTime()
                                  : QDateTime(QDate(2026, 12, 5), QTime::fromString(nowText));
        w->typeParts({"txtHour2", "txtMinute2", "txtAmPm2"}, column("setTime"));
        w->platform.current = now.addSecs(-120);
        w->click("Option3");
        w->platform.current = now;
        Q_EMIT w->platform.minuteChanged();
        const QStringList log = w->platform.takeLog();
        const QString told = column("told");
        QCOMPARE(log.filter(QRegularExpression(u"^(notify|box)"_s)).join(QString()).section(u'|', 1), told);
        QCOMPARE(log.size(),
                 told.startsWith(u"Alarm"_s) ? 2 : int(!told.isEmpty())); // sound and notification
        QCOMPARE(w->checked("Option4"), !told.isEmpty());
        QCOMPARE(w->window->alarmII().isOn(), told.isEmpty());
        QCOMPARE(w->checked("Option3"), told.isEmpty());
    }

    // Each row: Alarm I on for its time at 1:30 pm; a click on a field, then keys typed with the
    // keyboard in the window; after each key, whether the alarm is on and for which time, or off
    // because it rang or because its time cannot be read (a box says so).
    void aTypedTimeCountsOnceWholeOrLeft_data() {
        addRows({
            {"", "set", "keys", "after"},
            {"a lone 0", "11:30:pm", "txtHour 0 Tab", "on 11:30pm|on 12:30am"},
            {"10 typed", "11:30:pm", "txtHour 1 0 Tab", "on 11:30pm|on 10:30pm|on 10:30pm"},
            {"1 typed and left", "11:30:pm", "txtHour 1 Backtab", "on 11:30pm|off rang"},
            {"through the present minute", "11:30:pm", "txtHour 0 1 Tab 4 5 Tab Tab",
             "on 11:30pm|on 01:30pm|on 01:30pm|on 01:30pm|on 01:45pm|on 01:45pm|on 01:45pm"},
            {"am/pm retyped", "01:30:am", "txtAmPm Backspace p Tab", "on 01:30am|on 01:30pm|off rang"},
            {"a minute emptied and left", "11:30:pm", "txtMinute Backspace Tab", "on 11:30pm|off box"},
            {"a minute emptied, another window", "11:30:pm", "txtMinute Backspace elsewhere",
             "on 11:30pm|off box unasked"},
        });
    }

    void aTypedTimeCountsOnceWholeOrLeft() {
        w->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w->window.get()));
        w->typeParts({"txtHour", "txtMinute", "txtAmPm"}, column("set"));
        w->platform.setTime(QTime(13, 30, 10));
        w->click("Option1");
        const QStringList keys = column("keys").split(u' ');
        w->click(qPrintable(keys.first()));
        QStringList after;
        QWidget elsewhere;
        for (const QString &key : keys.mid(1)) {
            QWidget *focused = QApplication::focusWidget();
            if (key == u"elsewhere"_s) {
                elsewhere.show();
                QApplication::setActiveWindow(&elsewhere);
            } else {
                key.size() == 1 ? QTest::keyClick(focused, key[0].toLatin1())
                                : QTest::keyClick(focused, QKeySequence::fromString(key)[0].key());
            }
            const QString told = w->platform.takeLog().join(u'|');
            const Alarm &alarm = w->window->alarmI();
            after << (alarm.isOn() ? u"on "_s + alarm.composedTime() : u"off"_s) +
                         (told.contains(u"notify"_s) ? u" rang"_s : QString()) +
                         (told.contains(u"box"_s) ? u" box"_s : QString()) +
                         (std::exchange(w->platform.unaskedBoxes, 0) ? u" unasked"_s : QString());
        }
        QTEST(after.join(u'|'), "after");
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
                            << (w->window->isKeptOnTop() ? u"on top"_s : u"not on top"_s);
        };
        w->platform.setTime(QTime(19, 30, 5));
        w->click("Option1");
        QCOMPARE(w->platform.takeLog(),
                 QStringList({u"sound /home/u/alarm.wav"_s,
                              u"notify Alarm I urgent|Alarm I at 07:30 pm\nTake the pills"_s, u"visible"_s,
                              u"not on top"_s, u"box The Tivvet|Alarm I at 07:30 pm\nTake the pills"_s,
                              u"withdraw Alarm I"_s, u"start|/usr/bin/player|two words"_s}));
        QVERIFY(w->window->isKeptOnTop());
        QVERIFY(w->checked("Option2"));
    }

    // Each row: where the main window is when Alarm I goes off with its message, and the key (none:
    // a click) that the user gives the real box as it appears. Over a window not yet on the screen
    // again the box stands on its own, on top; a key does not answer it in its first second, a click does.
    void theMessageIsSeenBeforeItIsAnswered_data() {
        addRows({
            {"", "window", "key", "owner"},
            {"from the tray, Return", "tray", "Return", "on top"},
            {"on the screen, Escape", "screen", "Escape", "frmTivvet"},
            {"on the screen, Space", "screen", "Space", "frmTivvet"},
            {"from the tray, a click", "tray", "", "on top"},
        });
    }

    void theMessageIsSeenBeforeItIsAnswered() {
        QtMessageBox boxes;
        w->platform.boxes = &boxes;
        w->restart();
        boxes.setOwner(w->window.get());
        w->typeParts({"txtHour", "txtMinute", "txtAmPm", "txtMessage"}, u"07:30:pm:Wake up"_s);
        w->click("Check4");
        w->window->setVisible(column("window") == u"screen"_s);
        QVERIFY(w->window->isHidden() || QTest::qWaitForWindowExposed(w->window.get()));
        const auto key = Qt::Key(QKeySequence::fromString(column("key"))[0].key());
        QString owner;
        bool keptOpen = false, answered = false, takenByShow = false;
        QTimer::singleShot(0, this, [&] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            const auto found = std::find_if(windows.begin(), windows.end(), [](QWidget *window) {
                return qobject_cast<QMessageBox *>(window) && window->isVisible();
            });
            if (found == windows.end())
                return;
            auto *box = static_cast<QMessageBox *>(*found);
            owner = box->parentWidget() ? box->parentWidget()->objectName()
                    : box->windowFlags().testFlag(Qt::WindowStaysOnTopHint) ? u"on top"_s
                                                                            : u"none"_s;
            const auto open = [box, key] {
                key ? QTest::keyClick(box->button(QMessageBox::Ok), key)
                    : QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
                return box->isVisible();
            };
            // Unasked, it leaves the keyboard where it was until the user comes for it.
            QTest::keyClick(w->find("txtHours"), Qt::Key_7);
            takenByShow = !box->isActiveWindow() && w->text("txtHours") == u"7"_s;
            Q_EMIT w->platform.showRequested({});
            takenByShow = takenByShow && QTest::qWaitForWindowActive(box);
            keptOpen = open();
            answered = QTest::qWaitFor([&open] { return !open(); }, 3000);
            box->reject();
        });
        w->platform.setTime(QTime(19, 30, 5));
        w->click("Option1");
        QTEST(owner, "owner");
        QVERIFY(keptOpen == bool(key) && answered && takenByShow);
    }

    // Each row: the alarms switched on (an empty time is off), then the wall clock goes from one time
    // to the next, by a sleep of the computer, the program held up, set forward by hand, or by hand
    // with each alarm's message box open for five minutes of minute signals; what the alarms tell.
    void missedWhileAsleepGoesOffLate_data() {
        addRows({
            {"", "alarm1", "alarm2", "from", "to", "by", "told"},
            {"its minute inside the sleep", "", "07:30:pm", "19:20", "19:45", "sleep",
             "sound |notify Alarm II urgent|Alarm II at 07:30 pm, 15 min late: the computer was asleep"},
            {"its minute, a minute asleep", "", "07:30:pm", "19:29", "19:31", "sleep",
             "sound |notify Alarm II urgent|Alarm II at 07:30 pm, 1 min late: the computer was asleep"},
            {"its minute after the sleep", "", "07:50:pm", "19:20", "19:45", "sleep", ""},
            {"its minute before the sleep", "", "07:10:pm", "19:20", "19:45", "sleep", ""},
            {"both, in time order", "07:40:pm", "07:30:pm", "19:20", "19:45", "sleep",
             "sound |notify Alarm II urgent|Alarm II at 07:30 pm, 15 min late: the computer was asleep|"
             "sound after |notify Alarm I urgent|Alarm I at 07:40 pm, 5 min late: the computer was asleep"},
            {"overnight", "09:10:pm", "", "21:00", "07:00", "sleep",
             "sound |notify Alarm I urgent|Alarm I at 09:10 pm, 9 h 50 min late: the computer was asleep"},
            {"clock set forward", "", "07:30:pm", "19:20", "19:45", "hand", ""},
            {"held up", "", "07:30:pm", "19:29", "19:31", "held up",
             "sound |notify Alarm II urgent|Alarm II at 07:30 pm, 1 min late"},
            {"both in a minute, with messages", "07:00:am", "07:00:am", "06:59", "07:00", "messages",
             "sound |notify Alarm I urgent|Alarm I at 07:00 am\nI|sound after |notify Alarm II urgent|Alarm "
             "II "
             "at "
             "07:00 am\nII|not on top|box The Tivvet|Alarm II at 07:00 am\nII|withdraw Alarm II|not on "
             "top|box The "
             "Tivvet|Alarm I at 07:00 am\nI|withdraw Alarm I"},
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
        if (column("by") == u"messages"_s) {
            w->type("txtMessage", u"I"_s);
            w->type("txtMessage2", u"II"_s);
            w->click("Check4");
            w->click("Check7");
            w->platform.onShow = [this] { // the other alarm's check is queued before the box
                QCoreApplication::processEvents();
                for (int minute = 1; minute <= 5; ++minute)
                    w->platform.sleepFor(60, false);
                w->platform.log << (w->window->isKeptOnTop() ? u"on top"_s : u"not on top"_s);
            };
        }
        QVERIFY(w->platform.takeLog().isEmpty());
        const QTime to = QTime::fromString(column("to"));
        if (column("by") == u"sleep"_s || column("by") == u"held up"_s) {
            w->platform.sleepFor((from.secsTo(to) + 86400) % 86400, column("by") == u"sleep"_s);
        } else {
            w->platform.setTime(to);
            Q_EMIT w->platform.minuteChanged();
        }
        const QString told = w->platform.takeLog().join(u'|');
        QTEST(told, "told");
        const int stillOn = int(w->checked("Option1")) + int(w->checked("Option3"));
        QCOMPARE(stillOn, switchedOn - int(told.count(u"notify"_s))); // the others are untouched
    }
};

QTEST_MAIN(TestAlarms)
#include "test_alarms.moc"
