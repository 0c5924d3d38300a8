#include "TestWindow.h"
#include "alarms/AlarmClock.h"
#include "app/ProgramEnd.h"
#include "app/Translations.h"
#include "colours/frmColor.h"
#include "controls/Frame.h"
#include "core/ClockText.h"
#include "core/ProductInfo.h"
#include "countdown/Countdown.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "platform/UserLocale.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>

#include <csignal>

// What the alarms at 6:00 am and the boxes tell (the first lines), as the tests below set them.
constexpr const char
    *BothAlarms = "sound /one.wav|notify Alarm I urgent snooze|Alarm I at 06:00 am|sound after /two.wav|"
                  "notify Alarm II urgent snooze|Alarm II at 06:00 am|start|/bin/two",
    *SaveFailed = "box The Tivvet|Unable to save the options!";

namespace {
// The translations of the languages until the scope's end, then English again.
[[nodiscard]] auto speaking(const QStringList &languages) {
    installTranslations(languages);
    return qScopeGuard([] { installTranslations({}); });
}
} // namespace

// The main window's frame, its tray icon and window state, the clock and date, the secondary
// windows, and the program's end.
class TestShell : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void mainWindowStartsKeptOnTopWithBothAlarmsOff() {
        QCOMPARE(w->texts({"txtHour", "txtMinute", "txtAmPm", "Option1", "Option2", "Option3", "Option4"}),
                 u"12:00:am:0:1:0:1"_s);
        QVERIFY(w->window->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    // Chosen while the window is in the tray: Restore brings it back, Help and About open theirs.
    // Its tip tells the time a countdown has left.
    void trayMenuItems() {
        const QList<QAction *> items = w->platform.tray.menu->actions();
        QStringList captions;
        for (QAction *item : items)
            captions << item->text();
        QCOMPARE(captions.join(u' '), u"Restore Help About Close"_s);
        w->window->showMinimized();
        QTRY_VERIFY(!w->window->isVisible());
        QCOMPARE(w->platform.tray.shownTip, u" Click Right Mouse Button "_s);
        w->typeParts({"txtHours", "txtMinutes", "txtSeconds"}, u"0:5:0"_s);
        w->click("FlatBttnStart");
        QCOMPARE(w->platform.tray.shownTip, u"00:05:00 left\n Click Right Mouse Button "_s);
        for (const auto &[item, opens] : {std::pair{1, "frmHelp"}, {2, "frmAbout"}, {0, "frmTivvet"}}) {
            items[item]->trigger();
            QStringList shown;
            for (QWidget *window : QApplication::topLevelWidgets())
                if (window->isVisible() && !window->objectName().isEmpty()) {
                    shown << window->objectName();
                    if (window != w->window.get()) // the next item chosen from the tray again
                        window->close();
                }
            QCOMPARE(shown, QStringList(QString::fromLatin1(opens)));
        }
    }

    void minimisingGoesToTheTrayOnlyWhereThereIsOne() {
        w->click("FlatBttnAbout");
        QTRY_COMPARE(QApplication::activeWindow(), w->window->aboutWindow());
        Q_EMIT w->platform.tray.menuOpening(); // a right-click brings the window to the front
        QTRY_COMPARE(QApplication::activeWindow(), w->window.get());
        const QPoint place = w->window->pos();
        w->window->showMinimized();
        QTRY_VERIFY(!w->window->isVisible());
        Q_EMIT w->platform.tray.restoreClicked();
        QVERIFY(w->window->isVisible() && !w->window->isMinimized());
        QCOMPARE(w->window->pos(), place);
        w->window->move(place + QPoint(40, 30)); // moved since: brought forward, it stays there
        Q_EMIT w->platform.tray.restoreClicked();
        QVERIFY(whatIsQueuedHasRun());
        QCOMPARE(w->window->pos(), place + QPoint(40, 30));
        w->platform.tray.available = false;
        w->window->showMinimized();
        QVERIFY(whatIsQueuedHasRun());
        QVERIFY(w->window->isVisible() && w->window->isMinimized());
    }

    void secondaryWindowsOpenOnceAndOnTop_data() {
        addRows({
            {"", "button", "window"},
            {"colour", "FlatBttnColor", "frmColor"},
            {"about", "FlatBttnAbout", "frmAbout"},
            {"help", "FlatBttnHelp", "frmHelp"},
        });
    }

    // Help is read without scrolling sideways, and names the program's place; a frame's title
    // interrupts the frame's line.
    void secondaryWindowsOpenOnceAndOnTop() {
        w->click(qPrintable(column("button")));
        w->click(qPrintable(column("button")));
        QWidgetList found;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == column("window") && top->isVisible())
                found << top;
        QCOMPARE(found.size(), 1);
        QVERIFY(found[0]->windowFlags() & Qt::WindowStaysOnTopHint);
        for (auto *text : found[0]->findChildren<QPlainTextEdit *>())
            QVERIFY(text->horizontalScrollBar()->maximum() == 0 &&
                    text->toPlainText().contains(u"/opt/tivvet/bin/tivvet\n"_s));
        for (QWidget *frame : found[0]->findChildren<Frame *>())
            for (const QLabel *title : frame->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
                if (title->y() == 0) {
                    const QImage drawn = frame->grab().toImage();
                    QVERIFY(drawn.pixel(title->x() + 1, 6) != drawn.pixel(2, 6));
                }
    }

    // Exited while About is open, the window stays closed whatever asks for it, and the program ends
    // once About closes; what can be saved is, and the failure to save the rest is told once.
    void theUnloadedWindowStaysClosed() {
        setBothAlarms();
        bool shownAgain = true;
        QVERIFY(endsByItself([&] {
            w->click("FlatBttnAbout");
            w->click("FlatBttnExit");
            Q_EMIT w->platform.showRequested({});
            w->window->restoreAsked({}); // as a second start asks
            shownAgain = w->window->isVisible();
            QVERIFY(w->window->aboutWindow());
            w->window->aboutWindow()->close();
        }));
        QVERIFY(!shownAgain);
        QCOMPARE(told(), QString::fromLatin1(SaveFailed));
        QVERIFY(unloaded());
    }

    // Alarm II goes off inside the wait of Alarm I's box, then the tray's Close comes: the window
    // unloads at once, its ring ends and the computer may sleep, and once the box closes the program
    // ends, running nothing after it.
    void aBoxOpenWhenTheTraysCloseComes() {
        setBothAlarms();
        w->click("CheckRepeat");
        answerBoxes([this] { w->platform.tray.menu->actions().last()->trigger(); });
        QVERIFY(endsByItself([this] { alarmsGoOff(); }));
        QCOMPARE(told().remove(u"repeated "_s),
                 u"%1|%2|box The Tivvet|Alarm I at 06:00 am"_s.arg(QLatin1StringView(BothAlarms),
                                                                   QLatin1StringView(SaveFailed)));
        QVERIFY(unloaded() && w->platform.soundStops == 1 && !w->platform.inhibited);
    }

    // Each row: the box that a termination signal (by its number) or a minute check comes into, an
    // alarm's or the one that tells of a failed save at exit; what was told, and whether the program
    // ended. A signal ends it at once, box and all; a failure not yet told goes to standard error.
    void aSignalOrAMinuteCheckInsideABox_data() {
        const QByteArray alarms = QByteArray(BothAlarms) + "|box The Tivvet|Alarm I at 06:00 am";
        addRows({
            {"", "box", "inside", "told", "ends"},
            {"SIGTERM in an alarm's box", "alarm", "15", alarms.constData(), "yes"},
            {"SIGINT in the box of a failed save", "save", "2", SaveFailed, "yes"},
            {"SIGHUP in an alarm's box", "alarm", "1", alarms.constData(), "yes"},
            {"a minute check in an alarm's box", "alarm", "minute",
             (alarms + "|withdraw Alarm I|start|/bin/one").constData(), "no"},
        });
    }

    void aSignalOrAMinuteCheckInsideABox() {
        setBothAlarms();
        const int signal = column("inside").toInt();
        const bool alarm = column("box") == u"alarm"_s;
        if (signal && alarm)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Unable to save the options!"_s));
        TerminationSignals terminations;
        connect(&terminations, &TerminationSignals::received, &w->window->end(), &ProgramEnd::endOnSignal);
        answerBoxes([this, signal] { signal ? void(::raise(signal)) : Q_EMIT w->platform.minuteChanged(); },
                    signal != 0);
        QCOMPARE(endsByItself([this, alarm] { alarm ? alarmsGoOff() : w->click("FlatBttnExit"); }),
                 column("ends") == u"yes"_s);
        QTEST(told(), "told");
        QVERIFY(column("ends") == u"yes"_s ? unloaded() : w->window->isVisible());
    }

    // The main window compact and with each options panel open: Tab reaches only controls inside
    // it, in reading order, each with a name of its own; nothing outside it is shown, to assistive
    // technology either. Enter in a field starts the countdown.
    void theKeyboardWalksTheMainWindow() {
        w->window->activateWindow();
        for (const char *panel : {"", "FlatBttnTimer", "FlatBttnAlarm1", "FlatBttnAlarm2"}) {
            if (*panel)
                press(w->find(panel), Qt::Key_Return);
            w->find("FlatBttnStart")->setFocus();
            const QString walked = walk(w->window.get());
            QVERIFY2(
                walked.contains(u"Alarm2 FlatBttnColor FlatBttnHelp FlatBttnAbout FlatBttnExit "_s +
                                (*panel ? u"txtWav"_s : u"txtHours"_s)) &&
                    (!*panel ||
                     walked.contains(u"CheckStart CheckMin CheckRepeat CheckKeep FlatBttnClose txtHours"_s)),
                qPrintable(walked));
        }
        press(w->find("txtSeconds"), Qt::Key_Enter);
        QVERIFY(w->window->countdown().isRunning());
        QVERIFY(accessible(w->find("FlatBttn1"))->role() == QAccessible::StaticText && // the timer's title
                accessible(w->find("Frame2"))->role() != QAccessible::Window);
    }

    // Space picks a swatch's colour, the focus shows on any colour, Return on "default" puts it
    // back, and Escape closes the window, which stores it.
    void theKeyboardWalksTheColourWindow() {
        press(w->find("FlatBttnColor"), Qt::Key_Enter);
        frmColor *colours = w->window->colourWindow();
        QVERIFY(colours);
        QVERIFY2(walk(colours).contains(u"FlatBttnEnter lblEnter2 FlatBttnEnter2"_s), "the swatches' order");
        w->platform.nextColour = 658188;
        press(w->find("lblEnter", colours), Qt::Key_Space);
        QCOMPARE(colours->swatchColour(ColourScheme::EntryBack), 658188);
        const auto framed = [](QWidget *swatch) {
            const QImage shown = swatch->grab().toImage();
            return shown.pixel(0, 0) != shown.pixel(shown.rect().center());
        };
        QVERIFY(framed(QApplication::focusWidget()) && !framed(w->find("lblEnter2", colours)));
        press(w->find("FlatBttnEnter", colours), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!w->window->colourWindow());
        QVERIFY(w->file(u"Tivvet/Tivvet.ini"_s).contains("lblEnterBackColor=0\n"));
    }

    // About gives the focus to its link, which Return opens; Escape closes About and Help.
    void theKeyboardWalksAboutAndHelp() {
        QDesktopServices::setUrlHandler(u"https"_s, this, "openUrl");
        const auto noUrlHandler = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"https"_s); });
        press(w->find("FlatBttnAbout"), Qt::Key_Return);
        QVERIFY(w->window->aboutWindow());
        QCOMPARE(walk(w->window->aboutWindow()), u"Label2"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(openedUrls, QStringList(QString::fromLatin1(ProductInfo::HomePage)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        press(w->find("FlatBttnHelp"), Qt::Key_Return);
        QVERIFY(w->window->helpWindow());
        walk(w->window->helpWindow());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!w->window->aboutWindow() && !w->window->helpWindow());
    }

    // Each row: a language (English and each one the program is translated into), a window, the
    // button that opens it, and the titles on its frames' top edges, on a desktop whose own font is
    // smaller than the window's. Each label and button shows its whole text, no label runs into
    // another control (the longest date of the year into the clock neither), and each other control
    // of a frame lies inside the frame's line; the time fields hold their widest texts, and a
    // message box its title. Run at 1, 1.5 and 2 times.
    void everyControlIsWholeInsideItsFrame_data() {
        for (const char *name : {"language", "window", "opener", "titles"})
            QTest::addColumn<QString>(name);
        QStringList languages{u"en"_s};
        for (const QString &file : QDir(u":/i18n"_s).entryList())
            languages << file.section(u'_', 1).section(u'.', 0, 0);
        const std::array<const char *, 3> windows[] = {
            {"frmTivvet", "FlatBttnTimer", "Label2 Label1 Label15"},
            {"frmColor", "FlatBttnColor", "lblTimer lblAlarmI lblAlarmII"},
            {"frmAbout", "FlatBttnAbout", ""},
            {"frmHelp", "FlatBttnHelp", ""}};
        for (const QString &language : languages)
            for (const auto &[window, opener, titles] : windows)
                QTest::addRow("%s %s", qPrintable(language), window)
                    << language << QString::fromLatin1(window) << QString::fromLatin1(opener)
                    << QString::fromLatin1(titles);
    }

    void everyControlIsWholeInsideItsFrame() {
        const auto room = [](QWidget *box) {
            if (const auto *line = qobject_cast<QLineEdit *>(box)) // less Qt's own margins
                return line->contentsRect().width() - line->textMargins().left() -
                       line->textMargins().right() - 4;
            if (!qobject_cast<QAbstractButton *>(box))
                return box->contentsRect().width();
            QStyleOptionButton option; // beside a check box's box, inside a button's frame
            option.initFrom(box);
            const auto contents =
                qobject_cast<QCheckBox *>(box) ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
            return box->style()->subElementRect(contents, &option, box).width();
        };
        const auto fits = [room](QWidget *box, const QString &text) {
            return QFontMetrics(box->font()).horizontalAdvance(text) <= room(box);
        };
        const auto english = speaking({column("language")});
        const QFont desktopFont = QApplication::font();
        QApplication::setFont(QFont(u"DejaVu Sans"_s, 5));
        w = std::make_unique<TestWindow>();
        w->platform.formats = QLocale(column("language"));
        w->click(qPrintable(column("opener")));
        QApplication::setFont(desktopFont);
        QDate longest(2027, 1, 1);
        const QFontMetrics dateFont(w->find("lblDate")->font());
        for (QDate day = longest; day.year() == 2027; day = day.addDays(1))
            if (dateFont.horizontalAdvance(ClockText::longDate(day, w->platform.formats)) >
                dateFont.horizontalAdvance(ClockText::longDate(longest, w->platform.formats)))
                longest = day;
        w->platform.current = QDateTime(longest, QTime(22, 58)); // a clock of two-digit hours
        Q_EMIT w->platform.minuteChanged();
        w->type("txtHour", QString());
        w->click("Option1"); // an alarm time that cannot be read: a box says so
        const QString box = w->platform.takeLog().constLast().sliced(4);
        QCOMPARE_GE(showBox(box.section(u'|', 0, 0), box.section(u'|', 1)).roomBesideTitle, 150);
        for (const QString &box :
             u"txtHours=99 txtMinutes=99 txtSeconds=99 txtHour=12 txtMinute=00 txtAmPm=pm "
             u"txtHour2=12 txtMinute2=59 txtAmPm2=am txtHour3=00 txtMinute3=59 txtSecond=00"_s.split(u' '))
            QVERIFY2(fits(w->find(qPrintable(box.section(u'=', 0, 0))), box.section(u'=', 1)),
                     qPrintable(box));
        const QStringList titles = column("titles").split(u' ', Qt::SkipEmptyParts);
        static const QRegularExpression letter(u"\\p{L}"_s); // in captions, not in time displays
        QList<Frame *> frames;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == column("window")) {
                frames += window->findChildren<Frame *>();
                for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
                    QVERIFY2(button->text().isEmpty() || fits(button, button->text()),
                             qPrintable(button->objectName() + button->text()));
                for (QLabel *label : window->findChildren<QLabel *>()) {
                    QVERIFY2(fits(label, label->text()), qPrintable(label->objectName() + label->text()));
                    for (QWidget *other :
                         label->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                        QVERIFY2(other == label || label->isHidden() || other->isHidden() ||
                                     titles.contains(label->objectName()) ||
                                     !label->text().contains(letter) ||
                                     !label->geometry().intersects(other->geometry()),
                                 qPrintable(label->text() + u" on "_s + other->objectName()));
                }
            }
        QVERIFY(!frames.isEmpty());
        for (const Frame *frame : frames)
            for (const QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                QVERIFY2(titles.contains(control->objectName()) ||
                             frame->inside().contains(control->geometry()),
                         qPrintable(frame->objectName() + u' ' + control->objectName()));
    }

    // Each row: the user's environment. The clock and date in the formats' locale: in English, C
    // and POSIX the program's own patterns, in other languages the locale's. The window's texts, and
    // those of Qt's dialogs, in the first language of the messages that has them.
    void clockAndDateFollowTheClock_data() {
        addRows({{"row", "environment", "moment", "clock", "date", "texts"},
                 {"all English", "LC_ALL=en_GB.UTF-8 LANG=de_DE.UTF-8", "2026-12-05T00:05", "12:05 am",
                  "Saturday,  December 05, 2026", "time remaining|Show Details..."},
                 {"POSIX without LANGUAGE", "LANG=POSIX LANGUAGE=de", "2027-03-09T13:07", "1:07 pm",
                  "Tuesday,  March 09, 2027", "time remaining|Show Details..."},
                 {"German formats", "LANG=en_US.UTF-8 LC_TIME=de_DE.UTF-8", "2026-12-09T19:31", "19:31",
                  "Mittwoch, 9. Dezember 2026", "time remaining|Show Details..."},
                 {"English formats", "LANG=de_DE.UTF-8 LC_TIME=en_US.UTF-8", "2026-12-09T19:31", "7:31 pm",
                  "Wednesday,  December 09, 2026", "Restzeit|Details einblenden..."},
                 {"C with LANGUAGE", "LANG=C.UTF-8 LANGUAGE=de", "2026-12-09T19:31", "7:31 pm",
                  "Wednesday,  December 09, 2026", "Restzeit|Details einblenden..."},
                 {"English first", "LANG=de_DE.UTF-8 LANGUAGE=en:de", "2026-12-09T19:31", "19:31",
                  "Mittwoch, 9. Dezember 2026", "time remaining|Show Details..."},
                 {"Italian, none of ours", "LANG=it_IT.UTF-8 LANGUAGE=it:de", "2027-03-09T07:05", "07:05",
                  "martedì 9 marzo 2027", "Restzeit|Mostra dettagli..."}});
    }
    void clockAndDateFollowTheClock() {
        QProcessEnvironment environment;
        for (const QString &variable : column("environment").split(u' '))
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        const UserLocale locale = userLocale(environment);
        const auto english = speaking(locale.languages);
        w = std::make_unique<TestWindow>();
        w->platform.formats = locale.formats;
        QTEST(w->text("lblRemaining") + u'|' + QMessageBox::tr("Show Details..."), "texts");
        w->platform.current = QDateTime::fromString(column("moment"), Qt::ISODate);
        Q_EMIT w->platform.minuteChanged();
        QTEST(w->text("lblClock"), "clock");
        QTEST(w->text("lblDate"), "date");
    }

    // A window never painted gets its icon all the same, a second after the show; on a desktop
    // without a tray, as here, no tray icon is made, not even once docking.
    void theIconsComeWithoutAFrameOrATray() {
        w->window->close();
        frmTivvet unpainted(w->platform.services());
        QSignalSpy finished(&unpainted, &frmTivvet::startFinished);
        unpainted.setUpdatesEnabled(false);
        unpainted.load();
        unpainted.showAfterLoad();
        QVERIFY(finished.wait() && !unpainted.windowIcon().isNull());
        QtTrayIcon tray;
        QMenu menu;
        tray.add(unpainted.windowIcon(), u"tip"_s, &menu);
        tray.startDocking();
        QVERIFY(!tray.isAvailable() && !tray.findChild<QSystemTrayIcon *>());
    }

    // One start for each configuration folder; a lock that cannot be made at all stops none. A window
    // beside a hung one says in its title that it saves nothing; at its end a box says so, and the hung
    // one ending while the box is open, what changed is saved after all and the title is the usual one.
    void theFirstStartHoldsTheLock() {
        const QString runtime = w->platform.configFolder.path(), config = runtime + u"/a"_s;
        SingleInstance first(runtime, config), second(runtime, config), third(runtime, config),
            elsewhere(runtime, runtime + u"/b"_s);
        QVERIFY(first.claim() && !second.claim() && elsewhere.claim());
        first.release(); // its window unloaded as the second start asks it: the second takes its place
        QVERIFY(!second.askRunningToRestore({}) && second.isOwner() && !third.claim());
        QSignalSpy taken(&third, &SingleInstance::lockTaken);
        w->window->startBeside(third);
        const QString beside = w->window->windowTitle();
        w->type("txtProgram2", u"/bin/3"_s);
        w->platform.onShow = [&] { second.release(), taken.wait(3000); };
        w->click("FlatBttnExit");
        QCOMPARE(
            beside + u'|' + w->platform.takeLog().join(u'|') + u'|' + w->window->windowTitle(),
            u"  The Tivvet  3.0 - not saved: another Tivvet is running|box The Tivvet|Unable to save the "
            u"options!\n\nAnother Tivvet is running and does not answer.|  The Tivvet  3.0"_s);
        QVERIFY(third.isOwner() && w->file(u"Tivvet/Options/program2.txt"_s) == "/bin/3\r\n");
        QVERIFY(SingleInstance(u"/nonexistent"_s, config).claim());
    }

    // An alarm's box has Snooze beside OK, which stays the default and the Escape button; either
    // answers it, and the alarm learns which. A snooze from its notification closes it as its own
    // Snooze does; the other alarm's leaves it open.
    void anAlarmBoxOffersSnooze() {
        QtMessageBox boxes;
        for (const QString &pressed : {u"OK"_s, u"Snooze"_s, u"Alarm I"_s, u"Alarm II"_s}) {
            bool okFirst = false;
            QTimer::singleShot(0, this, [&] {
                for (QWidget *window : QApplication::topLevelWidgets())
                    if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible()) {
                        QAbstractButton *ok = box->button(QMessageBox::Ok);
                        okFirst = box->defaultButton() == ok && box->escapeButton() == ok;
                        if (pressed.startsWith(u"Alarm"_s) && boxes.pressOther(pressed))
                            return;
                        for (QAbstractButton *button : box->buttons())
                            if (button->text() == pressed)
                                return button->click();
                        return ok->click(); // the other's snooze, or a fault
                    }
            });
            QCOMPARE(boxes.showUnasked(u"The Tivvet"_s, u"Tea"_s, u"Snooze"_s, u"Alarm I"_s),
                     pressed == u"Snooze"_s || pressed == u"Alarm I"_s);
            QVERIFY(okFirst);
        }
    }

    // Two alarms' boxes open at once: the second stands clear of the first, so that both are read,
    // just below it.
    void aSecondBoxStandsClearOfTheFirst() {
        QtMessageBox boxes;
        QRect first, second;
        const auto shown = [](const QString &text) {
            for (QWidget *window : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(window);
                    box && box->isVisible() && box->text() == text)
                    return box;
            return static_cast<QMessageBox *>(nullptr);
        };
        QTimer::singleShot(0, this, [&] {
            QTimer::singleShot(0, this, [&] {
                if (shown(u"first"_s) && shown(u"second"_s)) {
                    first = shown(u"first"_s)->frameGeometry();
                    second = shown(u"second"_s)->frameGeometry();
                    shown(u"second"_s)->accept();
                }
                if (QMessageBox *box = shown(u"first"_s))
                    box->accept();
            });
            boxes.showUnasked(u"The Tivvet"_s, u"second"_s, {}, {});
        });
        boxes.showUnasked(u"The Tivvet"_s, u"first"_s, {}, {});
        QVERIFY(!first.isEmpty() && second.top() > first.bottom() && second.top() <= first.bottom() + 8);
    }

    // So that OK stays on the screen, and the title whole.
    void aLongMessageShowsItsStartAndAllOfItUnderDetails() {
        QString lines;
        for (int line = 1; line <= 25; ++line)
            lines += u"line %1\n"_s.arg(line);
        const QString ours = u"The Tivvet"_s,
                      longTitle = u"A title as long as a line of the text in the box"_s;
        const std::tuple<QString, QString, QString> rows[] = {
            {ours, lines, lines.section(u'\n', 0, 19) + u'\u2026'},
            {ours, QString(1500, u'x'), QString(1000, u'x') + u'\u2026'},
            {longTitle, u"short"_s, u"short"_s}};
        for (const auto &[title, text, shown] : rows) {
            const Shown box = showBox(title, text);
            QCOMPARE(box.seen, title + shown);
            QCOMPARE_GE(box.roomBesideTitle, 150);
            QCOMPARE(box.details, text == shown ? QString() : text);
        }
    }

public Q_SLOTS:
    // The browser, as the About window's link asks for it.
    void openUrl(const QUrl &url) { openedUrls << url.toString(); }

private:
    static QAccessibleInterface *accessible(QObject *object) {
        return QAccessible::queryAccessibleInterface(object);
    }
    static void press(QWidget *control, Qt::Key key) {
        control->setFocus();
        QTest::keyClick(control, key);
    }
    // Once around the active window by Tab from the control that has the focus: the object names
    // met. Every control met lies inside the window, and each control that takes the focus and each
    // arrow has a name of its own, the window its title.
    static QString walk(QWidget *window) {
        if (!QTest::qWaitForWindowActive(window) || accessible(window)->role() != QAccessible::Window ||
            accessible(window)->text(QAccessible::Name) != window->windowTitle())
            return u"not an active window with its title"_s;
        for (const QWidget *control : window->findChildren<QWidget *>())
            if (control->isVisible() &&
                !window->rect().intersects(QRect(control->mapTo(window, QPoint()), control->size())))
                return control->objectName() + u" shown outside"_s;
        QStringList names, order;
        for (QToolButton *arrow : window->findChildren<QToolButton *>())
            names << accessible(arrow)->text(QAccessible::Name);
        QWidget *const start = QApplication::focusWidget();
        for (QWidget *focused = nullptr; start && focused != start && order.size() < 80;) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            focused = QApplication::focusWidget();
            order << focused->objectName();
            names << accessible(focused)->text(QAccessible::Name);
            if (!window->rect().contains(QRect(focused->mapTo(window, QPoint()), focused->size())))
                return focused->objectName() + u" outside"_s;
        }
        if (names.contains(QString()) || names.removeDuplicates() != 0)
            return u"names: "_s + names.join(u", "_s);
        return order.join(u' ');
    }
    // What a real message box showed: its title and text, its details, and the room beside its
    // title, in the bold of a title bar, for the window manager's icon and buttons.
    struct Shown {
        QString seen, details;
        int roomBesideTitle = 0;
    };
    Shown showBox(const QString &title, const QString &text) {
        Shown shown;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QFont bold = box->font();
            bold.setBold(true);
            shown = {box->windowTitle() + box->text(), box->detailedText(),
                     box->width() - QFontMetrics(bold).horizontalAdvance(box->windowTitle())};
            QTest::keyClick(box, Qt::Key_Escape); // asked for, it takes a key at once
            shown.seen += box->isVisible() ? u" still open"_s : QString();
            box->reject();
        });
        QtMessageBox().show(title, text);
        return shown;
    }
    // A call queued now runs after whatever the window has queued before it.
    static bool whatIsQueuedHasRun() {
        QObject scope;
        bool ran = false;
        QTimer::singleShot(0, &scope, [&ran] { ran = true; });
        return QTest::qWaitFor([&ran] { return ran; });
    }

    // Both alarms on at 6:00 am, each with a sound and a program of its own, Alarm I with the
    // message "first"; the options file of the program cannot be written.
    void setBothAlarms() {
        w->typeParts({"txtHour", "txtMinute", "txtAmPm", "txtHour2", "txtMinute2", "txtAmPm2"},
                     u"6:00:am:6:00:am"_s);
        w->type("txtWav2", u"/one.wav"_s);
        w->type("txtWav3", u"/two.wav"_s);
        w->type("txtMessage", u"first"_s);
        w->type("txtProgram", u"/bin/one"_s);
        w->type("txtProgram2", u"/bin/two"_s);
        for (const char *control : {"Check3", "Check4", "Check6", "Option1", "Option3"})
            w->click(control);
        QFile::remove(w->platform.configFolder.filePath(u"Tivvet/Options/program.txt"_s));
        QDir(w->platform.configFolder.path()).mkpath(u"Tivvet/Options/program.txt/x"_s);
        w->platform.takeLog();
    }
    void alarmsGoOff() {
        w->platform.setTime(QTime(6, 0, 1));
        Q_EMIT w->platform.minuteChanged();
    }
    // Every box the program shows is a real one, a modal box with a wait of its own. The action runs
    // in the first once it is open; each box is then answered with OK at once, but one that the
    // action was to end only if it is still open long after.
    void answerBoxes(const std::function<void()> &inFirst, bool actionEndsIt = false) {
        w->platform.onShow = [inFirst, actionEndsIt, first = true]() mutable {
            QMessageBox box(QMessageBox::NoIcon, u"The Tivvet"_s, u"OK only"_s, QMessageBox::Ok);
            const auto action = std::exchange(first, false) ? inFirst : nullptr;
            QTimer::singleShot(0, &box, [&box, action, actionEndsIt] {
                if (action)
                    action();
                QTimer::singleShot(action && actionEndsIt ? 5000 : 0, &box, &QMessageBox::accept);
            });
            box.exec();
        };
    }
    // Runs the program's event loop with the action queued first: whether the program ended by
    // itself once what the action queued has run. An end takes effect after the calls queued with
    // it, so the fallback is queued from the call queued after the action.
    static bool endsByItself(const std::function<void()> &action) {
        QObject scope; // what is still queued when the program has ended goes with it
        QTimer::singleShot(0, &scope, [&] {
            action();
            QTimer::singleShot(
                0, &scope, [&scope] { QTimer::singleShot(0, &scope, [] { QCoreApplication::exit(1); }); });
        });
        return QApplication::exec() == 0;
    }
    // What the alerts and boxes told, the first line of each.
    QString told() {
        QStringList lines;
        for (const QString &line : w->platform.takeLog())
            lines << line.section(u'\n', 0, 0);
        return lines.join(u'|');
    }
    // Unloaded: a new minute shows no more, the tray icon gone, what could be written saved.
    bool unloaded() {
        const QString shown = w->text("lblClock");
        w->platform.current = w->platform.current.addSecs(3600);
        Q_EMIT w->platform.minuteChanged();
        return w->text("lblClock") == shown && w->platform.tray.shownTip.isEmpty() &&
               w->file(u"Tivvet/Options/wav2.txt"_s) == "/one.wav\r\n";
    }

    QStringList openedUrls;
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
