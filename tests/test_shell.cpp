#include "Rows.h"
#include "TestWindow.h"
#include "alarms/AlarmClock.h"
#include "app/ClockDisplay.h"
#include "app/ProgramEnd.h"
#include "app/Translations.h"
#include "colours/frmColor.h"
#include "controls/AROnTop.h"
#include "controls/ColourDialog.h"
#include "controls/FileDialog.h"
#include "controls/Frame.h"
#include "controls/MessageBox.h"
#include "core/ClockText.h"
#include "countdown/CountdownTimer.h"
#include "info/ProductInfo.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "platform/MinuteTimer.h"
#include "platform/SOTimer.h"
#include "platform/SingleInstance.h"
#include "platform/TrayIcon.h"
#include "platform/WindowSystem.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>

#include <ctime>

using namespace Qt::StringLiterals;

// The main window's frame, its tray icon and window state, the clock and date, and the secondary
// windows.
class TestShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QApplication::setQuitOnLastWindowClosed(false); // as the program has it
        for (QWidget *window : QApplication::topLevelWidgets())
            window->close();
        w = std::make_unique<TestWindow>();
    }

    void mainWindowStartsKeptOnTopWithBothAlarmsOff() {
        QCOMPARE(w->texts({"txtHour", "txtMinute", "txtAmPm", "Option1", "Option2", "Option3", "Option4"}),
                 u"12:00:am:0:1:0:1"_s);
        QVERIFY(!w->window->alarm1->tmrAlarm->isEnabled() && !w->window->alarm2->tmrAlarm->isEnabled());
        QVERIFY(w->window->windowFlags() & Qt::WindowStaysOnTopHint);
        w->window->AROnTop1->setOntop(false);
        QVERIFY(w->window->isVisible() && !(w->window->windowFlags() & Qt::WindowStaysOnTopHint));
    }

    void trayMenuItems_data() {
        addRows({
            {"", "opens"}, // the row's name is the item's caption; the windows shown afterwards
            {"Restore", "frmTivvet"},
            {"Help", "frmHelp"},
            {"About", "frmAbout"},
            {"Close", ""},
        });
    }

    // Chosen while the window is in the tray.
    void trayMenuItems() {
        const QString caption = QString::fromLatin1(QTest::currentDataTag());
        QStringList captions;
        for (QAction *item : w->platform.tray.menu->actions())
            captions << item->text();
        QCOMPARE(captions.join(u' '), u"Restore Help About Close"_s);
        w->window->showMinimized();
        QTRY_VERIFY(!w->window->isVisible());
        QCOMPARE(w->platform.tray.shownTip, u" Click Right Mouse Button "_s);
        w->platform.tray.menu->actions()[captions.indexOf(caption)]->trigger();
        QStringList shown;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible() && !window->objectName().isEmpty())
                shown << window->objectName();
        QTEST(shown.join(u' '), "opens");
        QCOMPARE(w->platform.tray.shownTip.isEmpty(), caption == u"Close"_s);
        if (caption == u"Close"_s)
            QCOMPARE(w->file(u"Tivvet/Options/wav.txt"_s), QByteArray("\r\n"));
    }

    void minimisingGoesToTheTrayOnlyWhereThereIsOne() {
        w->click("FlatBttnAbout");
        QTRY_COMPARE(QApplication::activeWindow(), w->window->aboutWindow.get());
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
        QTest::qWait(50);
        QCOMPARE(w->window->pos(), place + QPoint(40, 30));
        w->platform.tray.available = false;
        w->window->showMinimized();
        QTest::qWait(50);
        QVERIFY(w->window->isVisible() && w->window->isMinimized());
        w->restart();
        QVERIFY(w->window->isVisible() && !w->window->isMinimized());
        w->click("CheckMin");
        w->restart(); // no tray to start in: minimised on the task bar
        QVERIFY(w->window->isVisible() && w->window->isMinimized());
        w->platform.tray.available = true; // until the panel comes
        Q_EMIT w->platform.tray.appeared();
        QTRY_VERIFY(!w->window->isVisible());
        w->restart(); // in the tray: no window, but its icon for when it is restored
        QVERIFY(!w->window->isVisible() && !w->window->windowIcon().isNull());
    }

    void secondaryWindowsOpenOnceCentredAndOnTop_data() {
        addRows({
            {"", "button", "window"},
            {"colour", "FlatBttnColor", "frmColor"},
            {"about", "FlatBttnAbout", "frmAbout"},
            {"help", "FlatBttnHelp", "frmHelp"},
        });
    }

    void secondaryWindowsOpenOnceCentredAndOnTop() {
        const QString window = column("window");
        w->click(qPrintable(column("button")));
        w->click(qPrintable(column("button")));
        QWidgetList found;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == window && top->isVisible())
                found << top;
        QCOMPARE(found.size(), 1);
        for (auto *text : found[0]->findChildren<QPlainTextEdit *>()) { // read without scrolling sideways
            QVERIFY(text->isReadOnly() && text->horizontalScrollBar()->maximum() == 0 &&
                    text->toPlainText().contains(u"/opt/tivvet/bin/tivvet\n"_s));
            const QString rule = text->toPlainText().section(u'\n', 0, 0); // as wide as one line holds
            const int line = text->viewport()->width() - 2 * int(text->document()->documentMargin());
            QVERIFY(rule.count(u'*') == rule.size() && text->fontMetrics().horizontalAdvance(rule) <= line &&
                    text->fontMetrics().horizontalAdvance(rule + u'*') > line - 8);
            QVERIFY(!QFontInfo(text->font()).fixedPitch());
        }
        const Qt::WindowFlags flags = found[0]->windowFlags();
        QVERIFY((flags & Qt::WindowStaysOnTopHint) && !(flags & Qt::WindowMinMaxButtonsHint));
        const QPoint offCentre =
            found[0]->geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4,
                 qPrintable(u"%1, %2"_s.arg(offCentre.x()).arg(offCentre.y())));
        // Each line of the About text, and each frame's title in the colour window, centred across its frame.
        for (QWidget *frame : found[0]->findChildren<QWidget *>(QRegularExpression(u"^Frame\\d+$"_s)))
            for (const QLabel *line : frame->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
                if (!line->text().isEmpty() && (window == u"frmAbout"_s || line->y() == 0)) {
                    QVERIFY2(qAbs(2 * line->x() + line->width() - frame->width()) <= 1,
                             qPrintable(line->objectName()));
                    if (line->y() == 0) { // a title interrupts the frame's line
                        const QImage drawn = frame->grab().toImage();
                        QVERIFY(drawn.pixel(line->x() + 1, 6) != drawn.pixel(2, 6));
                    }
                }
    }

    // Each row: what is open when the main window ends, and how it ends (from inside the box, where
    // one is open); then what asks for the window back. Every unload finds an options file it cannot
    // write. What the alerts and boxes told (first lines), and whether the program ended by itself.
    void theProgramEndsWithItsLastWindow_data() {
        const char *failure = "box The Tivvet|Unable to save the options!";
        // Alarm II, due in the same minute, goes off inside the wait of Alarm I's box.
        const QByteArray bothAlarms = "sound 1 /one.wav|notify Alarm I urgent|Alarm I at 06:00 am|sound 1 "
                                      "/two.wav|notify Alarm II urgent|Alarm II at 06:00 am|start|/bin/two",
                         message = bothAlarms + "|box The Tivvet|first";
        addRows({
            {"", "open", "ending", "then", "told", "ends"},
            {"About, exit, Show", "About", "exit", "Show", failure, "yes"},
            {"About, close box, a second start", "About", "close box", "second start", failure, "yes"},
            {"message, tray Close", "message", "tray Close", "",
             (bothAlarms + '|' + failure + "|box The Tivvet|first").constData(), "yes"},
            {"message, signal", "message", "signal", "", message.constData(), "yes"},
            {"message, a minute check", "message", "minute check", "",
             (message + "|withdraw|start|/bin/one").constData(), "no"},
            {"exit's failure box, signal", "failure box", "signal", "", failure, "yes"},
        });
    }

    void theProgramEndsWithItsLastWindow() {
        const QString open = column("open"), ending = column("ending");
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
        if (ending == u"signal"_s && open != u"failure box"_s) // not told twice
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Unable to save the options!"_s));
        w->platform.takeLog();

        const auto act = [this](const QString &action) {
            if (action == u"exit"_s)
                w->click("FlatBttnExit");
            else if (action == u"close box"_s)
                w->window->close();
            else if (action == u"tray Close"_s)
                w->platform.tray.menu->actions().last()->trigger();
            else if (action == u"signal"_s)
                w->window->end->endOnSignal();
            else if (action == u"minute check"_s)
                Q_EMIT w->platform.minuteChanged();
            else if (action == u"Show"_s)
                Q_EMIT w->platform.showRequested({});
            else if (action == u"second start"_s)
                w->window->mnuTrayRestore_Click();
        };
        // A modal box has an event loop of its own; the first one opened is where the window ends,
        // and every box gets its OK unless a signal ends the program first.
        bool ended = false;
        w->platform.onShow = [&] {
            QMessageBox box(QMessageBox::NoIcon, u"The Tivvet"_s, u"OK only"_s, QMessageBox::Ok);
            const bool first = !std::exchange(ended, true);
            if (first)
                QTimer::singleShot(0, &box, [&] { act(ending); });
            if (ending != u"signal"_s) // the boxes opened inside it are closed first
                QTimer::singleShot(first ? 400 : 100, &box, &QMessageBox::accept);
            box.exec();
        };
        const auto noMoreBoxes = qScopeGuard([this] { w->platform.onShow = {}; });
        bool shownAgain = false, fellBack = false;
        QObject scope; // what is still waiting when the program has ended goes with it
        QTimer::singleShot(0, &scope, [&] {
            if (open == u"message"_s) {
                w->platform.setTime(QTime(6, 0, 1));
                Q_EMIT w->platform.minuteChanged();
            } else if (open == u"failure box"_s) {
                act(u"exit"_s);
            } else {
                w->click("FlatBttnAbout");
                ended = true;
                act(ending);
            }
        });
        QTimer::singleShot(300, &scope, [&] {
            act(column("then"));
            shownAgain = w->window->isVisible();
            if (w->window->aboutWindow)
                w->window->aboutWindow->close();
        });
        QTimer::singleShot(1500, &scope, [&] {
            fellBack = true;
            QCoreApplication::exit(0);
        });
        QApplication::exec();

        QStringList told;
        for (const QString &line : w->platform.takeLog())
            told << line.section(u'\n', 0, 0);
        QTEST(told.join(u'|'), "told");
        QCOMPARE(fellBack, column("ends") == u"no"_s);
        QCOMPARE(shownAgain, fellBack); // only a window that has not unloaded is shown
        if (!fellBack) {
            QVERIFY(!w->window->clock->tmrClock->isEnabled() && !w->window->alarm2->tmrAlarm->isEnabled());
            QCOMPARE(w->platform.tray.shownTip, QString());
            QCOMPARE(w->file(u"Tivvet/Options/wav2.txt"_s), QByteArray("/one.wav\r\n"));
        }
    }

    // Every window, the main one compact and with each options panel open: Tab reaches only controls
    // inside it, in reading order; each control that takes the focus, each arrow and each swatch has a
    // name of its own, and the window its title; nothing outside the window is shown (to assistive
    // technology either). Enter and Space click, Escape is the close box.
    void theKeyboardReachesOnlyWhatIsShown() {
        QDesktopServices::setUrlHandler(u"https"_s, this, "openUrl");
        const auto noUrlHandler = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"https"_s); });
        const auto accessible = [](QObject *object) { return QAccessible::queryAccessibleInterface(object); };
        const auto press = [](QWidget *control, Qt::Key key) {
            control->setFocus();
            QTest::keyClick(control, key);
        };
        QString walked; // by Tab, once around the window from the control that has the focus
        const auto walk = [&](QWidget *window) {
            QVERIFY(QTest::qWaitForWindowActive(window) &&
                    accessible(window)->role() == QAccessible::Window &&
                    accessible(window)->text(QAccessible::Name) == window->windowTitle());
            for (const QWidget *control : window->findChildren<QWidget *>())
                QVERIFY2(!control->isVisible() || window->rect().intersects(QRect(
                                                      control->mapTo(window, QPoint()), control->size())),
                         qPrintable(control->objectName()));
            QStringList names, order;
            for (QToolButton *arrow : window->findChildren<QToolButton *>())
                names << accessible(arrow)->text(QAccessible::Name);
            QWidget *const start = QApplication::focusWidget();
            QVERIFY(start && start->window() == window);
            for (QWidget *focused = nullptr; focused != start && order.size() < 80;) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                focused = QApplication::focusWidget();
                order << focused->objectName();
                names << accessible(focused)->text(QAccessible::Name);
                QVERIFY2(window->rect().contains(QRect(focused->mapTo(window, QPoint()), focused->size())),
                         qPrintable(order.last()));
            }
            QVERIFY2(!names.contains(QString()) && names.removeDuplicates() == 0,
                     qPrintable(names.join(u", "_s)));
            walked = order.join(u' ');
        };
        w->window->activateWindow();
        for (const char *panel : {"", "FlatBttnTimer", "FlatBttnAlarm1", "FlatBttnAlarm2"}) {
            if (*panel)
                press(w->find(panel), Qt::Key_Return);
            w->find("FlatBttnStart")->setFocus();
            walk(w->window.get());
            QVERIFY2(walked.contains(u"Alarm2 FlatBttnColor FlatBttnHelp FlatBttnAbout FlatBttnExit "_s +
                                     (*panel ? u"txtWav"_s : u"txtHours"_s)) &&
                         (!*panel || walked.contains(u"CheckStart CheckMin FlatBttnClose txtHours"_s)),
                     qPrintable(walked));
        }
        press(w->find("txtSeconds"), Qt::Key_Enter);
        QVERIFY(w->window->countdown->tmrCounter->isEnabled());
        QVERIFY(accessible(w->find("FlatBttn1"))->role() == QAccessible::StaticText && // the timer's title
                accessible(w->find("Frame2"))->role() != QAccessible::Window);

        press(w->find("FlatBttnColor"), Qt::Key_Enter);
        walk(w->window->colorWindow);
        QVERIFY2(walked.contains(u"FlatBttnEnter lblEnter2 FlatBttnEnter2"_s), qPrintable(walked));
        w->platform.nextColour = 658188;
        press(w->find("lblEnter", w->window->colorWindow), Qt::Key_Space);
        QCOMPARE(w->window->colorWindow->swatchColour(ColourScheme::EntryBack), 658188);
        const auto framed = [](QWidget *swatch) { // the focus shows on any colour
            const QImage shown = swatch->grab().toImage();
            return shown.pixel(0, 0) != shown.pixel(shown.rect().center());
        };
        QVERIFY(framed(QApplication::focusWidget()) && !framed(w->find("lblEnter2", w->window->colorWindow)));
        press(w->find("FlatBttnEnter", w->window->colorWindow), Qt::Key_Return); // stored at the close
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!w->window->colorWindow);
        QVERIFY(w->file(u"Tivvet/Tivvet.ini"_s).contains("lblEnterBackColor=0\n"));
        press(w->find("FlatBttnAbout"), Qt::Key_Return);
        walk(w->window->aboutWindow); // from its link: the window gives it the focus
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(walked == u"Label2"_s &&
                openedUrls == QStringList(QString::fromLatin1(ProductInfo::HomePage)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        press(w->find("FlatBttnHelp"), Qt::Key_Return);
        walk(w->window->helpWindow);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!w->window->aboutWindow && !w->window->helpWindow);
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
        const auto english = qScopeGuard([before = QLocale()] {
            QLocale::setDefault(before);
            installTranslations();
        });
        QLocale::setDefault(QLocale(column("language")));
        installTranslations();
        const QFont desktopFont = QApplication::font();
        QApplication::setFont(QFont(u"DejaVu Sans"_s, 5));
        w = std::make_unique<TestWindow>();
        w->click(qPrintable(column("opener")));
        QApplication::setFont(desktopFont);
        QDate longest(2027, 1, 1);
        const QFontMetrics dateFont(w->window->clock->lblDate->font());
        for (QDate day = longest; day.year() == 2027; day = day.addDays(1))
            if (dateFont.horizontalAdvance(ClockText::longDate(day, QLocale())) >
                dateFont.horizontalAdvance(ClockText::longDate(longest, QLocale())))
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

    // In English, C and POSIX the program's own patterns; in other languages the locale's. The
    // window's texts, and those of Qt's dialogs, are translated where a translation has them.
    void clockAndDateFollowTheClock_data() {
        addRows({{"row", "locale", "moment", "clock", "date", "texts"},
                 {"midnight", "en_US", "2026-12-05T00:05", "12:05 am", "Saturday,  December 05, 2026",
                  "time remaining|Show Details..."},
                 {"afternoon", "C", "2027-03-09T13:07", "1:07 pm", "Tuesday,  March 09, 2027",
                  "time remaining|Show Details..."},
                 {"British", "en_GB", "2026-12-09T19:31", "7:31 pm", "Wednesday,  December 09, 2026",
                  "time remaining|Show Details..."},
                 {"German", "de_DE", "2026-12-09T19:31", "19:31", "Mittwoch, 9. Dezember 2026",
                  "Restzeit|Details einblenden..."},
                 {"Italian, none of ours", "it_IT", "2027-03-09T07:05", "07:05", "martedì 9 marzo 2027",
                  "time remaining|Mostra dettagli..."}});
    }
    void clockAndDateFollowTheClock() {
        const auto restore = qScopeGuard([before = QLocale()] {
            QLocale::setDefault(before);
            installTranslations();
        });
        QLocale::setDefault(QLocale(column("locale")));
        installTranslations();
        w = std::make_unique<TestWindow>();
        ClockDisplay &display = *w->window->clock;
        QVERIFY(display.tmrClock->isEnabled() && display.tmrDate->isEnabled());
        QTEST(w->text("lblRemaining") + u'|' + QMessageBox::tr("Show Details..."), "texts");
        w->platform.current = QDateTime::fromString(column("moment"), Qt::ISODate);
        Q_EMIT w->platform.minuteChanged();
        QTEST(display.lblClock->text(), "clock");
        QTEST(display.lblDate->text(), "date");
    }

    // The kernel's own news of a clock set, raised by setting the clock to the time it shows.
    void theSystemClockTellsOfAClockSetAtOnce() {
        SystemClock clock;
        QSignalSpy told(&clock, &Clock::minuteChanged);
        if (QTime::currentTime().second() >= 58) // not mistaken for the minute's own start
            QTest::qWait(3000);
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        if (clock_settime(CLOCK_REALTIME, &now) != 0)
            QSKIP("the clock cannot be set here");
        QTRY_COMPARE_WITH_TIMEOUT(told.count(), 1, 1000);
    }

    // What is no part of the first frame comes once the window is painted, or a second after the
    // show for a window never painted: its icon, and the tray icon, which waits for it and for a
    // tray.
    void theFirstFrameComesFirst() {
        w->window->close();
        frmTivvet unpainted(w->platform.services());
        QSignalSpy unpaintedFinished(&unpainted, &frmTivvet::startFinished);
        unpainted.setUpdatesEnabled(false);
        unpainted.Form_Load();
        unpainted.showAfterLoad();
        QVERIFY(!unpaintedFinished.wait(300) && unpainted.windowIcon().isNull());
        QVERIFY(unpaintedFinished.wait(2000) && !unpainted.windowIcon().isNull());
        unpainted.close();
        frmTivvet window(w->platform.services());
        QSignalSpy finished(&window, &frmTivvet::startFinished);
        window.Form_Load();
        window.showAfterLoad();
        QVERIFY(finished.wait(800) && !window.windowIcon().isNull());

        QtTrayIcon tray; // on a desktop without a tray, as here: none made, not even once docking
        QMenu menu;
        tray.add(window.windowIcon(), u"tip"_s, &menu);
        tray.startDocking();
        QVERIFY(!tray.isAvailable() && !tray.findChild<QSystemTrayIcon *>());
    }

    // Each row: the session's and the user's variables, the platform the command line names; the
    // platform the program chooses before it starts (none: Qt's own choice).
    void theWindowIsOnXWhereItCanBeKeptOnTop_data() {
        addRows({
            {"", "WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM", "-platform", "chosen"},
            {"Wayland with XWayland", "wayland-0", ":0", "", "", "xcb"},
            {"Wayland without X", "wayland-0", "", "", "", ""},
            {"X11", "", ":0", "", "", ""},
            {"Wayland chosen", "wayland-0", ":0", "wayland", "", ""},
            {"on the command line", "wayland-0", ":0", "", "wayland", ""},
        });
    }

    void theWindowIsOnXWhereItCanBeKeptOnTop() {
        QProcessEnvironment environment;
        for (const char *name : {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"})
            if (!column(name).isEmpty())
                environment.insert(QString::fromLatin1(name), column(name));
        QCOMPARE(WindowSystem::platformToRunOn(environment, column("-platform")),
                 column("chosen").toLatin1());
    }

    // One start for each configuration folder; a lock that cannot be made at all stops none.
    void theFirstStartHoldsTheLock() {
        const QString runtime = w->platform.configFolder.path(), config = runtime + u"/a"_s;
        SingleInstance first(runtime, config), second(runtime, config), third(runtime, config),
            elsewhere(runtime, runtime + u"/b"_s);
        QVERIFY(first.claim() && !second.claim() && elsewhere.claim());
        first.release(); // its window unloaded as the second start asks it: the second takes its place
        QVERIFY(!second.askRunningToRestore({}) && second.isOwner() && !third.claim());
        QSignalSpy taken(&third, &SingleInstance::lockTaken);
        third.waitForTheLock(); // beside a hung one, until that one ends
        second.release();
        QVERIFY(taken.wait(3000) && third.isOwner());
        QVERIFY(SingleInstance(u"/nonexistent"_s, config).claim());
    }

    // So that OK stays on the screen, and the title whole.
    void aLongMessageShowsItsStartAndAllOfItUnderDetails() {
        QString lines;
        for (int line = 1; line <= 25; ++line)
            lines += u"line %1\n"_s.arg(line);
        const QString ours = u"The Tivvet"_s,
                      longTitle = u"A title as long as a line of the text in the box"_s;
        const std::tuple<QString, QString, QString> rows[] = {
            {ours, u"short"_s, u"short"_s},
            {ours, lines, lines.section(u'\n', 0, 19) + u'\u2026'},
            {ours, QString(1500, u'x'), QString(1000, u'x') + u'\u2026'},
            {ours, QString(25, u'\n'), QString(19, u'\n') + u'\u2026'},
            {longTitle, u"short"_s, u"short"_s}};
        for (const auto &[title, text, shown] : rows) {
            const Shown box = showBox(title, text);
            QCOMPARE(box.seen, title + shown);
            QCOMPARE_GE(box.roomBesideTitle, 150);
            QCOMPARE(box.details, text == shown ? QString() : text);
        }
    }

    // The list of custom colours that Qt shares with every other program (and stores for them) is put
    // back as it was.
    void colourDialogIsModalToItsWindowAndKeepsTheirOwnColoursToOthers() {
        QColorDialog::setCustomColor(0, Qt::green);
        QWidget owner;
        owner.show();
        CustomColours mine{};
        mine[0] = 0x0000FF;
        QTimer::singleShot(0, this, [] {
            auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
            QCOMPARE(dialog->windowModality(), Qt::WindowModal);
            QCOMPARE(QColorDialog::customColor(0), QColor(Qt::red));
            QColorDialog::setCustomColor(1, Qt::blue); // the user's own, kept while the colour window is open
            dialog->setCurrentColor(Qt::yellow);
            dialog->accept();
        });
        QCOMPARE(QtColourDialog().choose(&owner, mine), 0x00FFFF);
        QCOMPARE(mine[1], 0xFF0000);
        QCOMPARE(QColorDialog::customColor(0), QColor(Qt::green));
    }

    void fileDialogReturnsATypedNameOfAFileNotThereYet() {
        const QString typed = w->platform.configFolder.filePath(u"new sound.wav"_s);
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QCOMPARE(dialog->windowTitle() + dialog->nameFilters().join(u' '),
                     u"Select SoundWav Files (*.wav *.WAV)"_s);
            dialog->selectFile(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QCOMPARE(QtFileDialog().getOpenFileName(u"Select Sound"_s, u"Wav Files (*.wav *.WAV)"_s), typed);
    }

public Q_SLOTS:
    // The browser, as the About window's link asks for it.
    void openUrl(const QUrl &url) { openedUrls << url.toString(); }

private:
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

    std::unique_ptr<TestWindow> w;
    QStringList openedUrls;
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
