#include "FakePlatform.h"
#include "alarms/AlarmClock.h"
#include "app/ClockDisplay.h"
#include "app/TrayMenu.h"
#include "app/frmTivvet.h"
#include "colours/frmColor.h"
#include "countdown/CountdownTimer.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "platform/Controls.h"
#include "platform/FlatBttn.h"
#include "platform/SecondTimer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using Slot = ColourScheme::Slot;

class TestSecondaryWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void colourWindowStartsFromTheStoredSwatches();
    void okRecoloursAtOnceAndCancelChangesNothing();
    void customColoursLastWhileTheWindowIsOpen();
    void defaultButtonsWriteOnlyWhenTheWindowCloses();
    void aPickAfterTheMainWindowIsGoneColoursOnlyTheSwatch();
    void clockAndDateFollowTheClock();
    void aboutAndHelpOpenOnceEach();
    void helpTextKeepsItsStructure();

private:
    frmColor *openColourWindow();
    QString swatchKey(const char *key) const;
    QLabel *swatch(const char *name) const {
        return window->colorWindow->findChild<QLabel *>(QLatin1StringView(name));
    }

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<frmTivvet> window;
};

void TestSecondaryWindows::init() {
    platform = std::make_unique<FakePlatform>();
    window = std::make_unique<frmTivvet>(platform->services());
    window->Form_Load();
    window->show();
}

void TestSecondaryWindows::cleanup() {
    for (QWidget *secondary :
         std::initializer_list<QWidget *>{window->colorWindow, window->aboutWindow, window->helpWindow})
        delete secondary;
    window.reset();
    platform.reset();
}

frmColor *TestSecondaryWindows::openColourWindow() {
    QTest::mouseClick(window->FlatBttnColor, Qt::LeftButton);
    return window->colorWindow;
}

QString TestSecondaryWindows::swatchKey(const char *key) const {
    QSettings ini(platform->configFolder.filePath(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat);
    return ini.value(u"ColorSettings/"_s + QLatin1StringView(key), u"<missing>"_s).toString();
}

void TestSecondaryWindows::colourWindowStartsFromTheStoredSwatches() {
    QSettings(platform->configFolder.filePath(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat)
        .setValue(u"ColorSettings/lblRemain2BackColor"_s, u"255"_s);
    frmColor *colours = openColourWindow();
    QVERIFY(colours && colours->isVisible());
    QCOMPARE(colours->windowTitle(), u"  Custom Color"_s);
    QVERIFY(colours->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!colours->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    const QList<std::pair<Slot, ColourValue>> expected{
        {ColourScheme::EntryBack, 0x000000},     {ColourScheme::EntryText, 0xB9B9B9},
        {ColourScheme::RemainingBack, 0x000000}, {ColourScheme::RemainingText, 0x0000FF},
        {ColourScheme::AlarmIBack, 0x000000},    {ColourScheme::AlarmIText, 0xFFD700},
        {ColourScheme::AlarmIIBack, 0x000000},   {ColourScheme::AlarmIIText, 0xFFD700},
    };
    for (const auto &[slot, colour] : expected)
        QCOMPARE(colours->swatchColour(slot), colour);
    // The main window keeps its own keys: the swatch key does not colour it.
    QCOMPARE(Controls::foreColour(window->countdown->lblCounter), 0x0000F0);
}

void TestSecondaryWindows::okRecoloursAtOnceAndCancelChangesNothing() {
    frmColor *colours = openColourWindow();
    platform->colourDialog.nextColour = 0x00FF00;
    QTest::mouseClick(swatch("lblRemain2"), Qt::LeftButton);
    QCOMPARE(colours->swatchColour(ColourScheme::RemainingText), 0x00FF00);
    QCOMPARE(Controls::foreColour(window->countdown->lblCounter), 0x00FF00);
    QCOMPARE(swatchKey("lblRemain2BackColor"), QString::number(0x00FF00));
    QCOMPARE(QSettings(platform->configFolder.filePath(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat)
                 .value(u"ColorSettings/lblCounterForeColor"_s, u"<missing>"_s)
                 .toString(),
             u"<missing>"_s); // the main window's key waits for its unload

    platform->colourDialog.nextColour.reset();
    QTest::mouseClick(swatch("lblAlarmIback"), Qt::LeftButton);
    QCOMPARE(colours->swatchColour(ColourScheme::AlarmIBack), 0x000000);
    QCOMPARE(Controls::backColour(window->alarm1->txtHour), 0x000000);
    QCOMPARE(swatchKey("lblAlarmIbackBackColor"), u"0"_s); // written after Cancel too

    platform->colourDialog.nextColour = 0x123456;
    QTest::mouseClick(swatch("lblAlarmIIfont"), Qt::LeftButton);
    for (QWidget *target :
         {static_cast<QWidget *>(window->alarm2->Label3), static_cast<QWidget *>(window->alarm2->txtHour),
          static_cast<QWidget *>(window->alarm2->txtMinute), static_cast<QWidget *>(window->alarm2->txtAmPm)})
        QCOMPARE(Controls::foreColour(target), 0x123456);
    QCOMPARE(Controls::foreColour(window->alarm1->txtHour), 0xFFD700);
}

void TestSecondaryWindows::customColoursLastWhileTheWindowIsOpen() {
    openColourWindow();
    platform->colourDialog.editCustom = [](CustomColours &custom) { custom[3] = 0xABCDEF; };
    platform->colourDialog.nextColour.reset();
    QTest::mouseClick(swatch("lblEnter"), Qt::LeftButton); // cancelled: the edit is not kept
    platform->colourDialog.nextColour = 0x000001;
    QTest::mouseClick(swatch("lblEnter"), Qt::LeftButton); // OK: kept
    platform->colourDialog.editCustom = nullptr;
    QTest::mouseClick(swatch("lblEnter2"), Qt::LeftButton);
    QCOMPARE(platform->colourDialog.offeredCustom[0][3], 0);
    QCOMPARE(platform->colourDialog.offeredCustom[1][3], 0);
    QCOMPARE(platform->colourDialog.offeredCustom[2][3], 0xABCDEF);

    // A second "color" click shows the same window and resets nothing.
    frmColor *same = window->colorWindow;
    QTest::mouseClick(window->FlatBttnColor, Qt::LeftButton);
    QCOMPARE(window->colorWindow.data(), same);
    QCOMPARE(same->customColours[3], 0xABCDEF);

    same->close();
    QTRY_VERIFY(!window->colorWindow);
    openColourWindow();
    QCOMPARE(window->colorWindow->customColours[3], 0);
}

void TestSecondaryWindows::defaultButtonsWriteOnlyWhenTheWindowCloses() {
    frmColor *colours = openColourWindow();
    platform->colourDialog.nextColour = 0xFFFFFF;
    QTest::mouseClick(swatch("lblAlarmIback"), Qt::LeftButton);
    QCOMPARE(swatchKey("lblAlarmIbackBackColor"), QString::number(0xFFFFFF));
    QCOMPARE(Controls::backColour(window->findChild<QWidget *>(u"Picture1"_s)), 0xFFFFFF);

    QTest::mouseClick(colours->findChild<FlatBttn *>(u"FlatBttnAlarmI"_s), Qt::LeftButton);
    QCOMPARE(colours->swatchColour(ColourScheme::AlarmIBack), 0x000000);
    for (const char *target : {"Picture1", "Label3", "txtHour", "txtMinute", "txtAmPm"})
        QCOMPARE(Controls::backColour(window->findChild<QWidget *>(QLatin1StringView(target))), 0x000000);
    QCOMPARE(swatchKey("lblAlarmIbackBackColor"), QString::number(0xFFFFFF));

    colours->close();
    QCOMPARE(swatchKey("lblAlarmIbackBackColor"), u"0"_s);
    QCOMPARE(swatchKey("lblEnter2BackColor"), QString::number(0xB9B9B9));
}

void TestSecondaryWindows::aPickAfterTheMainWindowIsGoneColoursOnlyTheSwatch() {
    frmColor *colours = openColourWindow();
    window->FlatBttnExit_Click();
    QVERIFY(!window->isVisible());
    QVERIFY(colours->isVisible()); // the colour window stays open
    platform->colourDialog.nextColour = 0x0000FF;
    QTest::mouseClick(swatch("lblRemain2"), Qt::LeftButton);
    QCOMPARE(colours->swatchColour(ColourScheme::RemainingText), 0x0000FF);
    QCOMPARE(Controls::foreColour(window->countdown->lblCounter), 0x0000F0);
    QCOMPARE(swatchKey("lblRemain2BackColor"), QString::number(0x0000FF));
}

void TestSecondaryWindows::clockAndDateFollowTheClock() {
    ClockDisplay &display = *window->clock;
    const QList<std::pair<QDateTime, QString>> times{
        {QDateTime(QDate(2026, 12, 5), QTime(0, 0)), u"12:00 am"_s},
        {QDateTime(QDate(2026, 12, 5), QTime(12, 30, 59)), u"12:30 pm"_s},
        {QDateTime(QDate(2026, 12, 5), QTime(9, 5)), u"9:05 am"_s},
        {QDateTime(QDate(2026, 12, 5), QTime(23, 59, 59)), u"11:59 pm"_s},
    };
    for (const auto &[now, shown] : times) {
        platform->clock.current = now;
        display.tmrClock_Timer();
        QCOMPARE(display.lblClock->text(), shown);
        QVERIFY(display.lblClock->width() >= display.lblClock->fontMetrics().horizontalAdvance(shown));
    }
    QCOMPARE(display.lblClock->x() + display.lblClock->width(), twipsToPixels(5280));

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    platform->clock.current = QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0, 5));
    display.tmrDate_Timer();
    QCOMPARE(display.lblDate->text(), u"Friday,  January 01, 2027"_s);
    QVERIFY(display.tmrClock->isEnabled() && display.tmrDate->isEnabled());
}

void TestSecondaryWindows::aboutAndHelpOpenOnceEach() {
    QTest::mouseClick(window->FlatBttnAbout, Qt::LeftButton);
    QTest::mouseClick(window->FlatBttnAbout, Qt::LeftButton);
    window->mnuTray->mnuAbout->trigger();
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](const QWidget *w) { return w->objectName() == u"frmAbout"_s; }),
             1);
    QCOMPARE(window->aboutWindow->windowTitle(), u"  About"_s);
    QCOMPARE(window->aboutWindow->findChild<QLabel *>(u"Label3"_s)->text(),
             u"Version 3.0 for Windows 95, 98, and NT"_s);

    window->hide(); // opened from the tray, only the help window shows
    window->mnuTray->mnuHelp->trigger();
    window->mnuTray->mnuHelp->trigger();
    QVERIFY(window->helpWindow->isVisible());
    QVERIFY(!window->isVisible());
    QCOMPARE(window->helpWindow->windowTitle(), u"  Help!"_s);
    QVERIFY(window->helpWindow->Text1->isReadOnly());
    QVERIFY(window->helpWindow->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    window->helpWindow->close();
    QTRY_VERIFY(!window->helpWindow);
    QTest::mouseClick(window->FlatBttnHelp, Qt::LeftButton);
    QVERIFY(window->helpWindow);
}

void TestSecondaryWindows::helpTextKeepsItsStructure() {
    const QString text = frmHelp::helpText();
    QVERIFY(text.endsWith(u"\r\n"_s));
    QVERIFY(!text.contains(QRegularExpression(u"[^\r]\n"_s)));
    const QStringList lines = text.chopped(2).split(u"\r\n"_s);
    const QString stars65(65, u'*');
    QCOMPARE(lines.mid(0, 5),
             (QStringList{stars65, QString(28, u' ') + u"The Tivvet  3.0"_s, QString(), stars65, QString()}));

    const QList<std::pair<QString, int>> headings{
        {u"TIMER"_s, 9},
        {u"START BUTTON "_s, 21},
        {u"PAUSE BUTTON"_s, 21},
        {u"RESET BUTTON"_s, 21},
        {u"ALARM  I and II"_s, 19},
        {u"TIMER OPTIONS"_s, 21},
        {u"ALARM I OPTIONS"_s, 23},
        {u"ALARM II OPTIONS"_s, 24},
        {u"SELECT SOUND"_s, 21},
        {u"SELECT PROGRAM"_s, 25},
        {u"CUSTOM MESSAGE"_s, 25},
        {u"NOTIFY TIMES  ( * timer only * )"_s, 38},
        {u"CUSTOM NOTIFY TIME  ( * timer only * )"_s, 49},
        {u"CUSTOM COLOR"_s, 22},
        {u"START MINIMIZED"_s, 24},
        {u"START WITH WINDOWS ( * 95/98 only * )"_s, 52},
    };
    qsizetype at = 5;
    for (const auto &[heading, stars] : headings) {
        QCOMPARE(lines[at], heading);
        QCOMPARE(lines[at + 1], QString(stars, u'*'));
        at += 2;
        QVERIFY2(!lines[at].isEmpty(), qPrintable(heading)); // a body follows
        while (!(lines[at].isEmpty() &&
                 (lines[at + 1].isEmpty() || lines[at + 1] == stars65 ||
                  headings.end() != std::find_if(headings.begin(), headings.end(),
                                                 [&](const auto &h) { return h.first == lines[at + 1]; })))) {
            QVERIFY2(lines[at].size() <= 59, qPrintable(lines[at]));
            ++at;
        }
        while (lines[at].isEmpty())
            ++at;
    }
    QCOMPARE(lines[at], stars65);
    QCOMPARE(lines[at + 1], QString());
    QVERIFY(lines[at + 2].contains(u"tivvet@example.org"_s) ||
            lines[at + 3].contains(u"tivvet@example.org"_s));
    QCOMPARE(lines[at + 4], QString());
    QCOMPARE(lines[at + 5], stars65);
    QCOMPARE(lines[at + 6], QString());
    QCOMPARE(lines[at + 7], u"Copyright (C) 2026 The Tivvet developers"_s);
    QCOMPARE(lines.size(), at + 8);

    for (const QString &note : {u"SELECT SOUND"_s, u"SELECT PROGRAM"_s}) {
        const qsizetype start = lines.indexOf(note);
        const qsizetype noteLine = lines.indexOf(u"* NOTE *  The complete file path must be used."_s, start);
        QVERIFY(noteLine > start && noteLine < start + 12);
        QCOMPARE(lines[noteLine + 1], QString());
        QVERIFY(lines[noteLine + 2].startsWith(u'/'));
    }
}

QTEST_MAIN(TestSecondaryWindows)
#include "test_secondary_windows.moc"
