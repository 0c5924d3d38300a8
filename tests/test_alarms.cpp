#include "TestWindow.h"
#include "alarms/Alarm.h"
#include "alerts/AlertActions.h"

#include <QKeySequence>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

// The alarms' fields and spin buttons, switching on and off, and going off in their minute.
class TestAlarms : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    // Each row: the field clicked (its text put there first, unless "-"), then an arrow clicked or
    // held ("UpDown2 up"), a key or text typed into the field; what the watched fields show. A
    // locale given is the clock's, the window's from its start.
    void spinButtonsStepTheSelectedField_data() {
        addRows({
            {"", "field", "text", "action", "shows", "watched", "locale"},
            {"minute 59, up", "txtMinute2", "59", "UpDown2 up", "00"},
            {"minute 00, down", "txtMinute2", "00", "UpDown2 down", "59"},
            {"hour 7, up", "txtHour", "7", "UpDown1 up", "08"},
            {"minute 45, down", "txtMinute", "45", "UpDown1 down", "44"},
            {"minute 03, Down", "txtMinute", "03", "Down", "02"},
            {"custom hour 00, down", "txtHour3", "00", "UpDown3 down", "12"},
            {"custom hour 13, up", "txtHour3", "13", "UpDown3 up", "01"},
            {"custom minute x, Down", "txtMinute3", "x", "Down", "59"},
            {"custom second empty, Down", "txtSecond", "", "Down", "59"},
            {"custom second 00, Up", "txtSecond", "00", "Up", "01"},
            {"am/pm empty, down", "txtAmPm2", "", "UpDown2 down", "pm"},
            {"am, up", "txtAmPm", "am", "UpDown1 up", "pm"},
            {"pm, up", "txtAmPm", "pm", "UpDown1 up", "am"},
            {"am, Down", "txtAmPm", "am", "Down", "pm"},
            {"hour 12, Up", "txtHour2", "12", "Up", "01"},
            {"hour 12, Down", "txtHour2", "12", "Down", "11"},
            {"the other alarm's arrow", "txtHour", "-", "UpDown2 up", "01 12", "txtHour2 txtHour"},
            {"hour and am/pm in one click", "txtAmPm txtHour3", "-", "UpDown1 up", "01 pm",
             "txtHour txtAmPm"},
            {"nothing selected yet", "", "-", "UpDown3 up", "00 00 00", "txtHour3 txtMinute3 txtSecond"},
            {"an arrow held", "txtMinute", "00", "UpDown1 held", "03"},
            {"hour 13 typed", "txtHour", "", "13", "01 pm", "txtHour txtAmPm"},
            {"hour 00 typed", "txtHour", "", "00", "12 am", "txtHour txtAmPm"},
            {"hour 25 typed", "txtHour", "", "25", "2"},
            {"hour a typed", "txtHour", "", "a", ""},
            {"minute 61 typed", "txtMinute2", "", "61", "6"},
            {"minute 5x typed", "txtMinute2", "", "5x", "5"},
            {"p typed", "txtAmPm2", "", "p", "pm"},
            {"A typed", "txtAmPm2", "", "A", "am"},
            {"x typed", "txtAmPm2", "", "x", ""},
            {"24-hour 23, up", "txtHour", "23", "UpDown1 up", "00 ", "txtHour txtAmPm", "de_DE"},
            {"24-hour 00, Down", "txtHour2", "00", "Down", "23", "", "de_DE"},
        });
    }

    // A click on a field selects its text and its kind.
    void spinButtonsStepTheSelectedField() {
        if (!column("locale").isEmpty()) {
            w->platform.formats = QLocale(column("locale"));
            w->restart();
        }
        for (const QString &name : column("field").split(u' ', Qt::SkipEmptyParts)) {
            if (column("text") != u"-"_s)
                w->type(qPrintable(name), column("text"));
            w->click(qPrintable(name));
            QCOMPARE(w->find<QLineEdit>(qPrintable(name))->selectedText(), w->text(qPrintable(name)));
        }
        QWidget *field = QApplication::focusWidget();
        const QString action = column("action");
        const QString watched = column("watched").isEmpty() ? column("field") : column("watched");
        const auto shown = [&] {
            QStringList texts;
            for (const QString &name : watched.split(u' '))
                texts << w->text(qPrintable(name));
            return texts.join(u' ');
        };
        if (action.endsWith(u" held"_s)) { // repeats while held
            QWidget *arrow = w->find(qPrintable(action.section(u' ', 0, 0) + u"/up"_s));
            QTest::mousePress(arrow, Qt::LeftButton);
            QTRY_COMPARE(shown(), column("shows"));
            QTest::mouseRelease(arrow, Qt::LeftButton);
            return;
        }
        if (action.startsWith(u"UpDown"_s))
            w->click(qPrintable(QString(action).replace(u' ', u'/')));
        else if (action == u"Up"_s || action == u"Down"_s)
            QTest::keyClick(field, action == u"Up"_s ? Qt::Key_Up : Qt::Key_Down);
        else
            QTest::keyClicks(field, action);
        QTEST(shown(), "shows");
    }

    // On the 24-hour clock the am/pm field shows nothing and is out of reach of the keyboard, a
    // click and the arrows.
    void theAmPmFieldIsEmptyOnTheTwentyFourHourClock() {
        w->platform.formats = QLocale(u"de_DE"_s);
        w->restart();
        w->click("txtAmPm");
        w->click("UpDown1/up");
        QCOMPARE(w->texts({"txtHour", "txtAmPm"}), u"00:"_s);
        QCOMPARE(w->find("txtAmPm")->focusPolicy(), Qt::NoFocus);
    }

    // Each row: Alarm I on for its time at 1:30 pm; a click on a field, then keys typed with the
    // keyboard in the window; after each key, whether the alarm is on and for which time, or off
    // because it rang or because its time cannot be read (a box says so).
    void aTypedTimeCountsOnceWholeOrLeft_data() {
        addRows({
            {"", "set", "keys", "after"},
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

    // With "ring until seen", an alarm's sound repeats, keeping the computer awake, until its alert
    // is seen, whichever way; the other alarm's alert seen leaves it ringing. Snooze switches the
    // alarm on again.
    void aRingEndsWhenItsAlertIsSeen_data() {
        addRows({
            {"", "seen", "ends"},
            {"OK on its box", "OK", "yes"},
            {"Snooze on its box", "Snooze", "yes"},
            {"Show on its notification", "show", "yes"},
            {"its notification closed", "closed Alarm I", "yes"},
            {"Snooze on its notification", "snooze Alarm I", "yes"},
            {"the other's notification closed", "closed Alarm II", ""},
            {"a key in the window", "key", "yes"},
        });
    }
    void aRingEndsWhenItsAlertIsSeen() {
        const QString seen = column("seen"), source = seen.section(u' ', 1);
        w->platform.setTime(QTime(6, 59));
        w->typeParts({"txtHour", "txtMinute", "txtAmPm", "txtMessage"}, u"07:00:am:Tea"_s);
        w->click("CheckRepeat");
        if (seen.front().isUpper()) { // a box's button
            w->click("Check4");
            w->platform.pressed = seen;
        }
        bool rang = false;
        const auto ringing = [this, &rang] {
            rang = w->platform.log.filter(u"sound repeated "_s).size() == 1 && w->platform.inhibited &&
                   w->platform.soundStops == 0;
        };
        w->platform.onShow = ringing;
        w->click("Option1");
        w->platform.setTime(QTime(7, 0));
        Q_EMIT w->platform.minuteChanged();
        if (!seen.front().isUpper())
            ringing();
        if (seen == u"show"_s)
            Q_EMIT w->platform.showRequested({});
        if (seen.startsWith(u"closed"_s))
            Q_EMIT w->platform.dismissed(source);
        if (seen.startsWith(u"snooze"_s))
            Q_EMIT w->platform.snoozeRequested(source);
        if (seen == u"key"_s)
            QTest::keyClick(w->window.get(), Qt::Key_Shift);
        const bool ends = column("ends") == u"yes"_s;
        QVERIFY(rang && (w->platform.soundStops > 0) == ends && w->platform.inhibited != ends);
        QCOMPARE(w->checked("Option1"), seen.contains(u"nooze"_s));
    }

    // A ring left unanswered stops after its while, and its notification says so; a warning, or a
    // going-off without the choice, plays once; a ring whose sound fails ends.
    void aRingStopsUnanswered() {
        FakePlatform platform;
        struct : AlertWindow {
            void restore() override {}
            void setOnTop(bool) override {}
            bool isLeaving() const override { return false; }
        } window;
        AlertActions alerts(platform, platform, platform, platform, window, std::chrono::milliseconds(1));
        alerts.playSound(u"countdown"_s, u"/a.wav"_s, Alerts::Sound::GoingOff);
        alerts.setRingsUntilSeen(true);
        alerts.playSound(u"countdown"_s, u"/b.wav"_s, Alerts::Sound::Warning);
        alerts.playSound(u"Alarm I"_s, u"/c.wav"_s, Alerts::Sound::GoingOff);
        alerts.notify(u"Alarm I"_s, u"Alarm I at 07:00 am"_s, true, true);
        QVERIFY(alerts.isRinging());
        QTRY_VERIFY(!alerts.isRinging());
        QCOMPARE(platform.soundStops, 1);
        QCOMPARE(
            platform.takeLog(),
            QStringList(
                {u"sound /a.wav"_s, u"sound /b.wav"_s, u"sound after repeated /c.wav"_s,
                 u"notify Alarm I urgent snooze|Alarm I at 07:00 am"_s,
                 u"notify Alarm I urgent snooze|Alarm I at 07:00 am\nIt rang for 5 minutes unanswered."_s}));
        alerts.playSound(u"Alarm II"_s, u"/d.wav"_s, Alerts::Sound::GoingOff);
        QVERIFY(alerts.isRinging());
        platform.soundFails(SoundPlayer::Failure::NoDevice); // a failed sound ends its ring at once
        QVERIFY(!alerts.isRinging());
    }

    // Both go off in one minute from the tray, each with its message: the window is back before the
    // boxes; the second is checked inside the first's box, so that its sound follows the first's and
    // its box opens on top of it; the minutes that pass meanwhile set off nothing more, the window is
    // kept on top only after the last box, and Alarm I's program starts after its OK.
    void twoAlarmsInOneMinuteEachShowTheirMessage() {
        w->platform.setTime(QTime(6, 59));
        w->typeParts({"txtHour", "txtMinute", "txtAmPm", "txtMessage", "txtHour2", "txtMinute2", "txtAmPm2",
                      "txtMessage2"},
                     u"07:00:am:I:07:00:am:II"_s);
        w->type("txtProgram", u"/usr/bin/player \"two words\""_s);
        for (const char *control : {"Check3", "Check4", "Check7", "Option1", "Option3"})
            w->click(control);
        w->window->hide();
        w->platform.onShow = [this] { // the other alarm's check is queued before the box
            QCoreApplication::processEvents();
            for (int minute = 1; minute <= 5; ++minute)
                w->platform.sleepFor(60, false);
            w->platform.log << (w->window->isVisible() ? u"visible"_s : u"hidden"_s)
                            << (w->window->isKeptOnTop() ? u"on top"_s : u"not on top"_s);
        };
        w->platform.takeLog();
        w->platform.setTime(QTime(7, 0));
        Q_EMIT w->platform.minuteChanged();
        QCOMPARE(w->platform.takeLog().join(u'|'),
                 u"sound |notify Alarm I urgent snooze|Alarm I at 07:00 am\nI|sound after |"
                 u"notify Alarm II urgent snooze|Alarm II at 07:00 am\nII|visible|not on top|"
                 u"box The Tivvet|Alarm II at 07:00 am\nII|withdraw Alarm II|visible|not on top|"
                 u"box The Tivvet|Alarm I at 07:00 am\nI|withdraw Alarm I|start|/usr/bin/player|two words"_s);
        QVERIFY(!w->checked("Option1") && !w->checked("Option3") && w->window->isKeptOnTop());
    }
};

QTEST_MAIN(TestAlarms)
#include "test_alarms.moc"
