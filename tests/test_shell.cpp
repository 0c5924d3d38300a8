#include "TestWindow.h"
#include "alarms/AlarmClock.h"
#include "app/ClockDisplay.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "platform/AROnTop.h"
#include "platform/SecondTimer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

// The main window's frame, its tray icon and window state, the clock and date, and the secondary
// windows.
class TestShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        for (QWidget *window : QApplication::topLevelWidgets())
            window->close();
        w = std::make_unique<TestWindow>();
    }
    void mainWindowIsCompactAndKeptOnTop();
    void trayMenuItems_data();
    void trayMenuItems();
    void minimisingGoesToTheTrayOnlyWhereThereIsOne();
    void secondaryWindowsOpenOnceCentredAndOnTop_data();
    void secondaryWindowsOpenOnceCentredAndOnTop();
    void exitLeavesAnOpenWindowRunning();
    void clockAndDateFollowTheClock();
    void helpTextHasItsSixteenSections_data();
    void helpTextHasItsSixteenSections();

private:
    std::unique_ptr<TestWindow> w;
};

void TestShell::mainWindowIsCompactAndKeptOnTop() {
    QCOMPARE(w->window->windowTitle(), u"  The Tivvet  3.0"_s);
    QVERIFY(w->window->isVisible());
    QCOMPARE(w->window->size(), QSize(371, 217));
    QVERIFY(!(w->window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w->window->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!w->window->windowIcon().isNull());
    QCOMPARE(w->find<QAbstractButton>("FlatBttn1")->text(), u"The Tivvet  3.0"_s);
    QVERIFY(!w->find("FlatBttn1")->isEnabled());
    QCOMPARE(w->find<QLineEdit>("txtHour")->maxLength(), 2);
    QCOMPARE(w->text("txtHour") + w->text("txtMinute") + w->text("txtAmPm"), u"1200am"_s);
    QVERIFY(w->checked("Option2") && w->checked("Option4") && !w->checked("Option1"));
    QVERIFY(!w->window->alarm1->tmrAlarm->isEnabled());
    w->window->AROnTop1->setOntop(false);
    QVERIFY(w->window->isVisible());
    QVERIFY(!(w->window->windowFlags() & Qt::WindowStaysOnTopHint));
}

void TestShell::trayMenuItems_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("opens"); // the windows shown afterwards
    QTest::newRow("Restore") << 0 << u"Restore"_s << u"frmTivvet"_s;
    QTest::newRow("Help") << 1 << u"Help"_s << u"frmHelp"_s;
    QTest::newRow("About") << 2 << u"About"_s << u"frmAbout"_s;
    QTest::newRow("Close") << 3 << u"Close"_s << QString();
}

// Chosen while the window is in the tray.
void TestShell::trayMenuItems() {
    QFETCH(int, item);
    QVERIFY(w->platform.tray.menu);
    QCOMPARE(w->platform.tray.menu->actions().size(), 4);
    QAction *action = w->platform.tray.menu->actions()[item];
    QTEST(action->text(), "caption");
    w->window->showMinimized();
    QTRY_VERIFY(!w->window->isVisible());
    QCOMPARE(w->platform.tray.shownTip, u" Click Right Mouse Button "_s);
    action->trigger();
    QStringList shown;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->objectName().isEmpty())
            shown << window->objectName();
    QTEST(shown.join(u' '), "opens");
    QCOMPARE(w->platform.tray.shownTip.isEmpty(), item == 3);
    if (item == 3)
        QCOMPARE(w->file(u"Tivvet/Options/wav.txt"_s), QByteArray("\r\n"));
}

void TestShell::minimisingGoesToTheTrayOnlyWhereThereIsOne() {
    const QPoint place = w->window->pos();
    w->window->showMinimized();
    QTRY_VERIFY(!w->window->isVisible());
    w->window->setFont(w->window->font()); // other events leave it where it is
    Q_EMIT w->platform.tray.doubleClicked();
    QVERIFY(w->window->isVisible() && !w->window->isMinimized());
    QCOMPARE(w->window->pos(), place);
    w->platform.tray.available = false;
    w->window->showMinimized();
    QTest::qWait(50);
    QVERIFY(w->window->isVisible() && w->window->isMinimized());
    w->click("CheckMin");
    w->restart(); // no tray to start in: minimised on the task bar
    QVERIFY(w->window->isVisible() && w->window->isMinimized());
}

void TestShell::secondaryWindowsOpenOnceCentredAndOnTop_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::newRow("colour") << u"FlatBttnColor"_s << u"frmColor"_s << u"  Custom Color"_s << QSize(322, 167);
    QTest::newRow("about") << u"FlatBttnAbout"_s << u"frmAbout"_s << u"  About"_s << QSize(312, 163);
    QTest::newRow("help") << u"FlatBttnHelp"_s << u"frmHelp"_s << u"  Help!"_s << QSize(312, 163);
}

void TestShell::secondaryWindowsOpenOnceCentredAndOnTop() {
    QFETCH(QString, button);
    QFETCH(QString, window);
    w->click(qPrintable(button));
    w->click(qPrintable(button));
    QWidgetList found;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == window && top->isVisible())
            found << top;
    QCOMPARE(found.size(), 1);
    QTEST(found[0]->windowTitle(), "caption");
    QTEST(found[0]->size(), "size");
    const Qt::WindowFlags flags = found[0]->windowFlags();
    QVERIFY((flags & Qt::WindowStaysOnTopHint) && !(flags & Qt::WindowMinMaxButtonsHint));
    QVERIFY(!found[0]->windowIcon().isNull());
    const QPoint offCentre =
        found[0]->geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 4, qPrintable(u"%1, %2"_s.arg(offCentre.x()).arg(offCentre.y())));
    QVERIFY(found[0]->testAttribute(Qt::WA_DeleteOnClose));
}

// The program ends with its last window, not with the main one.
void TestShell::exitLeavesAnOpenWindowRunning() {
    w->click("FlatBttnAbout");
    QTimer fallback;
    bool quit = false;
    connect(qApp, &QCoreApplication::aboutToQuit, &fallback, [&] { quit = true; });
    connect(&fallback, &QTimer::timeout, qApp, &QCoreApplication::quit);
    fallback.start(3000);
    QTimer::singleShot(0, w->window.get(), [this] { w->click("FlatBttnExit"); });
    QTimer::singleShot(300, w->window->aboutWindow.get(), [this] { w->window->aboutWindow->close(); });
    QElapsedTimer took;
    took.start();
    QApplication::exec();
    QVERIFY(quit);
    QVERIFY2(took.elapsed() >= 300 && took.elapsed() < 2000, qPrintable(QString::number(took.elapsed())));
    QCOMPARE(w->platform.tray.shownTip, QString());
    QCOMPARE(w->file(u"Tivvet/Options/wav.txt"_s), QByteArray("\r\n"));
}

void TestShell::clockAndDateFollowTheClock() {
    ClockDisplay &display = *w->window->clock;
    QVERIFY(display.tmrClock->isEnabled() && display.tmrDate->isEnabled());
    const std::tuple<QDateTime, QString, QString> rows[] = {
        {QDateTime(QDate(2026, 12, 5), QTime(0, 5)), u"12:05 am"_s, u"Saturday,  December 05, 2026"_s},
        {QDateTime(QDate(2027, 1, 1), QTime(23, 59, 59)), u"11:59 pm"_s, u"Friday,  January 01, 2027"_s},
        {QDateTime(QDate(2027, 3, 9), QTime(13, 7)), u"1:07 pm"_s, u"Tuesday,  March 09, 2027"_s},
    };
    for (const auto &[now, clock, date] : rows) {
        w->platform.clock.current = now;
        Q_EMIT display.tmrClock->Timer();
        Q_EMIT display.tmrDate->Timer();
        QCOMPARE(display.lblClock->text(), clock);
        QCOMPARE(display.lblDate->text(), date);
        QCOMPARE(display.lblClock->geometry().right(), 351); // right-aligned at its edge
    }
}

void TestShell::helpTextHasItsSixteenSections_data() {
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("asterisks");
    const std::pair<const char16_t *, int> headings[] = {
        {u"TIMER", 9},
        {u"START BUTTON ", 21},
        {u"PAUSE BUTTON", 21},
        {u"RESET BUTTON", 21},
        {u"ALARM  I and II", 19},
        {u"TIMER OPTIONS", 21},
        {u"ALARM I OPTIONS", 23},
        {u"ALARM II OPTIONS", 24},
        {u"SELECT SOUND", 21},
        {u"SELECT PROGRAM", 25},
        {u"CUSTOM MESSAGE", 25},
        {u"NOTIFY TIMES  ( * timer only * )", 38},
        {u"CUSTOM NOTIFY TIME  ( * timer only * )", 49},
        {u"CUSTOM COLOR", 22},
        {u"START MINIMIZED", 24},
        {u"START WITH WINDOWS ( * 95/98 only * )", 52},
    };
    for (const auto &[heading, asterisks] : headings)
        QTest::newRow(qPrintable(QString::fromUtf16(heading))) << QString::fromUtf16(heading) << asterisks;
}

void TestShell::helpTextHasItsSixteenSections() {
    QFETCH(QString, heading);
    QFETCH(int, asterisks);
    const QString text = frmHelp::helpText();
    const QStringList lines = text.split(u"\r\n"_s);
    QVERIFY(text.startsWith(QString(65, u'*') + u"\r\n"_s + QString(28, u' ') + u"The Tivvet  3.0\r\n"_s));
    QVERIFY(text.endsWith(u"\r\n"_s));
    const qsizetype at = lines.indexOf(heading);
    QVERIFY(at > 0);
    QCOMPARE(lines[at + 1], QString(asterisks, u'*'));
    w->click("FlatBttnHelp");
    auto *shown = w->find<QPlainTextEdit>("Text1", w->window->helpWindow);
    QVERIFY(shown->isReadOnly());
    QCOMPARE(shown->toPlainText(), QString(text).replace(u"\r\n"_s, u"\n"_s));
    w->window->helpWindow->close();
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
