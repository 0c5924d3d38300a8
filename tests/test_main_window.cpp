#include "FakePlatform.h"
#include "app/TrayMenu.h"
#include "app/frmTivvet.h"
#include "countdown/CountdownTimer.h"
#include "platform/AROnTop.h"
#include "platform/FlatBttn.h"
#include "platform/SOTimer.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsCompactWithItsCaptionAndNoMaximiseButton();
    void everyControlIsThereWithItsCaption();
    void initialStateIsStoppedAndEmpty();
    void optionsAreaLiesBelowTheCompactWindow();
    void trayMenuHasItsFourItemsInOrder();
    void everyInputControlHasAnAccessibleName();

    void entryCarriesLikeAClock_data();
    void entryCarriesLikeAClock();
    void entryFieldsTakeTwoCharacters();
    void startWithNothingEnteredKeepsResetDisabledUntilPause();
    void disabledResetLeavesTheEntryAlone();
    void resetEmptiesTheFieldsAndFocusesHours();
    void exitClosesTheWindow();

private:
    template <class T> T *control(const char *name) const {
        auto *found = window->findChild<T *>(QLatin1StringView(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    void type(const char *field, const QString &text);

    FakePlatform platform;
    std::unique_ptr<frmTivvet> window;
};

void TestMainWindow::init() {
    window = std::make_unique<frmTivvet>(platform.services());
    window->Form_Load();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestMainWindow::cleanup() {
    window.reset();
}

void TestMainWindow::type(const char *field, const QString &text) {
    auto *box = control<QLineEdit>(field);
    box->selectAll();
    QTest::keyClicks(box, text);
}

void TestMainWindow::startsCompactWithItsCaptionAndNoMaximiseButton() {
    QCOMPARE(window->windowTitle(), u"  The Tivvet  3.0"_s);
    QCOMPARE(window->size(), QSize(371, 217));
    const QIcon icon = window->windowIcon();
    QList<int> sizes;
    for (const QSize &size : icon.availableSizes())
        sizes << (size.width() == size.height() ? size.width() : -1);
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, (QList<int>{16, 22, 24, 32, 48, 64, 128}));
    const QImage picture = icon.pixmap(32).toImage();
    QCOMPARE(picture.size(), QSize(32, 32));
    QVERIFY(qAlpha(picture.pixel(16, 16)) == 255 && qAlpha(picture.pixel(0, 0)) < 255);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window->AROnTop1->ontop());

    // The whole main area is on screen, with a margin below it.
    auto *mainArea = control<QWidget>("Frame1");
    QVERIFY(window->rect().contains(mainArea->geometry()));
    QVERIFY(window->height() - mainArea->geometry().bottom() <= 8);
}

void TestMainWindow::everyControlIsThereWithItsCaption() {
    const QList<std::pair<const char *, QString>> labels{
        {"lblEnter", u"timer"_s},
        {"lblHours", u"hrs"_s},
        {"lblMinutes", u"mins"_s},
        {"lblSeconds", u"secs"_s},
        {"lblRemaining", u"time remaining"_s},
        {"lblAlarm", u"alarm I"_s},
        {"Label5", u"alarm II"_s},
        {"Label3", u":"_s},
        {"Label4", u":"_s},
        {"Label9", u"on"_s},
        {"Label10", u"off"_s},
        {"Label6", u"on"_s},
        {"Label7", u"off"_s},
        {"lblNotify", u"options"_s},
        {"Label2", u"timer"_s},
        {"Label1", u"alarm I"_s},
        {"Label15", u"alarm II"_s},
        {"lblPlaywav", u"sound (.wav)"_s},
        {"lblPlaywav2", u"sound (.wav)"_s},
        {"lblPlaywav3", u"sound (.wav)"_s},
        {"lblProgram", u"notify times"_s},
        {"lblMessage", u"custom notify time"_s},
        {"lblProgram2", u"program (.exe)"_s},
        {"lblProgram3", u"program (.exe)"_s},
        {"lblMessage2", u"custom message"_s},
        {"lblMessage3", u"custom message"_s},
        {"lblActivate2", u"activate"_s},
        {"lblActivate3", u"activate"_s},
        {"lblActivate4", u"activate"_s},
        {"lblActivate5", u"activate"_s},
        {"lblActivate6", u"activate"_s},
        {"Label13", u":"_s},
        {"Label14", u":"_s},
        {"Label17", u"start with windows"_s},
        {"Label16", u"start minimized"_s},
    };
    for (const auto &[name, caption] : labels)
        QCOMPARE(control<QLabel>(name)->text(), caption);

    const QList<std::pair<const char *, QString>> buttons{
        {"FlatBttn1", u"The Tivvet  3.0"_s},   {"FlatBttnStart", u"start"_s},
        {"FlatBttnPause", u"pause"_s},         {"FlatBttnReset", u"reset"_s},
        {"FlatBttnTimer", u"timer"_s},         {"FlatBttnAlarm1", u"alarm I"_s},
        {"FlatBttnAlarm2", u"alarm II"_s},     {"FlatBttnColor", u"color"_s},
        {"FlatBttnHelp", u"help"_s},           {"FlatBttnAbout", u"about"_s},
        {"FlatBttnExit", u"exit"_s},           {"FlatBttnBrowse", u"browse"_s},
        {"FlatBttnPlay", u"play"_s},           {"FlatBttnDefault", u"default"_s},
        {"FlatBttnBrowse3", u"browse"_s},      {"FlatBttnPlay2", u"play"_s},
        {"FlatBttnDefault2", u"default"_s},    {"FlatBttnBrowse4", u"browse"_s},
        {"FlatBttnClear2", u"clear"_s},        {"FlatBttnBrowse5", u"browse"_s},
        {"FlatBttnPlay3", u"play"_s},          {"FlatBttnDefault3", u"default"_s},
        {"FlatBttnBrowse6", u"browse"_s},      {"FlatBttnClear3", u"clear"_s},
        {"FlatBttnClose", u"close options"_s}, {"Check5", u"5 minutes"_s},
        {"Check15", u"15 minutes"_s},          {"Check30", u"30 minutes"_s},
        {"Check60", u"60 minutes"_s},
    };
    for (const auto &[name, caption] : buttons)
        QCOMPARE(control<QAbstractButton>(name)->text(), caption);

    QVERIFY(!control<FlatBttn>("FlatBttn1")->isEnabled());
    for (const char *name :
         {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6", "Picture7",
          "Frame1",   "Frame2",   "Frame3",   "Frame4",   "Frame5",   "Frame6",   "Frame7",
          "Frame8",   "Frame9",   "Frame10",  "Frame11",  "Frame12",  "Frame13",  "Frame14",
          "Frame16",  "Frame17",  "Frame18",  "Frame19",  "UpDown1",  "UpDown2",  "UpDown3"})
        control<QWidget>(name);
    for (const char *name : {"txtWav", "txtWav2", "txtWav3", "txtProgram", "txtProgram2"})
        QVERIFY(control<QLineEdit>(name)->text().isEmpty());
    for (const char *name : {"txtMessage", "txtMessage2"})
        QVERIFY(control<QPlainTextEdit>(name)->toPlainText().isEmpty());
    QVERIFY(control<QLabel>("lblClock")->text().isEmpty());
    QVERIFY(control<QLabel>("lblDate")->text().isEmpty());
}

void TestMainWindow::initialStateIsStoppedAndEmpty() {
    CountdownTimer &countdown = *window->countdown;
    QCOMPARE(countdown.lblCounter->text(), u"00:00:00"_s);
    for (const char *name : {"txtHours", "txtMinutes", "txtSeconds"})
        QVERIFY(control<QLineEdit>(name)->text().isEmpty());
    QVERIFY(!countdown.tmrCounter->isEnabled());
    QCOMPARE(countdown.tmrCounter->interval(), 1000);
    QVERIFY(countdown.FlatBttnReset->isEnabled());
    QCOMPARE(countdown.intHours + countdown.intMinutes + countdown.intSeconds, 0);
    QCOMPARE(countdown.datRemaining.days(), 0.0);

    for (const char *suffix : {"", "2"}) {
        QCOMPARE(control<QLineEdit>(qPrintable(u"txtHour"_s + QLatin1StringView(suffix)))->text(), u"12"_s);
        QCOMPARE(control<QLineEdit>(qPrintable(u"txtMinute"_s + QLatin1StringView(suffix)))->text(), u"00"_s);
        QCOMPARE(control<QLineEdit>(qPrintable(u"txtAmPm"_s + QLatin1StringView(suffix)))->text(), u"am"_s);
    }
    QVERIFY(control<QRadioButton>("Option2")->isChecked());
    QVERIFY(control<QRadioButton>("Option4")->isChecked());
    QVERIFY(!control<QRadioButton>("Option1")->isChecked());
    QVERIFY(!control<QRadioButton>("Option3")->isChecked());
    for (const char *name : {"Check2", "Check3", "Check4", "Check6", "Check7", "Check5", "Check15", "Check30",
                             "Check60", "CheckStart", "CheckMin"})
        QVERIFY(!control<QCheckBox>(name)->isChecked());
    for (const char *name : {"txtHour3", "txtMinute3", "txtSecond"})
        QCOMPARE(control<QLineEdit>(name)->text(), u"00"_s);

    const auto &selection = window->selection;
    QVERIFY(!selection.blnHourSel && !selection.blnMinuteSel && !selection.blnSecondSel &&
            !selection.blnAmPmSel);
}

void TestMainWindow::optionsAreaLiesBelowTheCompactWindow() {
    for (const char *name : {"Frame5", "Frame10", "Frame16", "CheckStart", "CheckMin", "FlatBttnClose"})
        QVERIFY2(control<QWidget>(name)->y() >= window->height(), name);
    QVERIFY(control<QWidget>("Frame16")->isVisibleTo(window.get()));
    QVERIFY(!control<QWidget>("Frame5")->isVisibleTo(window.get()));
    QVERIFY(!control<QWidget>("Frame10")->isVisibleTo(window.get()));
}

void TestMainWindow::trayMenuHasItsFourItemsInOrder() {
    auto *menu = control<TrayMenu>("mnuTray");
    QCOMPARE(menu->title(), u"Popup"_s);
    QStringList items;
    for (QAction *action : menu->actions())
        items << action->objectName() + u'=' + action->text();
    QCOMPARE(items, (QStringList{u"mnuTrayRestore=Restore"_s, u"mnuHelp=Help"_s, u"mnuAbout=About"_s,
                                 u"mnuTrayClose=Close"_s}));
}

void TestMainWindow::everyInputControlHasAnAccessibleName() {
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        auto *button = qobject_cast<QAbstractButton *>(widget);
        const bool isInput =
            button || qobject_cast<QLineEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget);
        if (isInput)
            QVERIFY2(!widget->accessibleName().isEmpty() || (button && !button->text().isEmpty()),
                     qPrintable(widget->objectName()));
    }
}

void TestMainWindow::entryCarriesLikeAClock_data() {
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("shown");
    QTest::newRow("90 minutes") << u""_s << u"90"_s << u""_s << u"01:30:00"_s;
    QTest::newRow("99 99 99") << u"99"_s << u"99"_s << u"99"_s << u"04:40:39"_s;
    QTest::newRow("24 hours") << u"24"_s << u""_s << u""_s << u"00:00:00"_s;
    QTest::newRow("25 hours") << u"25"_s << u""_s << u""_s << u"01:00:00"_s;
    QTest::newRow("letters") << u"a5"_s << u"5a"_s << u"."_s << u"00:05:00"_s;
    QTest::newRow("negative total") << u"-9"_s << u"5"_s << u""_s << u"00:00:00"_s;
    QTest::newRow("negative part") << u"1"_s << u"-5"_s << u""_s << u"00:55:00"_s;
}

void TestMainWindow::entryCarriesLikeAClock() {
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, shown);
    type("txtHours", hours);
    type("txtMinutes", minutes);
    type("txtSeconds", seconds);
    QCOMPARE(window->countdown->lblCounter->text(), shown);
    QCOMPARE(window->countdown->datRemaining.clockText(), shown);
}

void TestMainWindow::entryFieldsTakeTwoCharacters() {
    type("txtSeconds", u"123"_s);
    QCOMPARE(control<QLineEdit>("txtSeconds")->text(), u"12"_s);
    QCOMPARE(window->countdown->intSeconds, 12);
    QCOMPARE(window->countdown->lblCounter->text(), u"00:00:12"_s);
}

void TestMainWindow::startWithNothingEnteredKeepsResetDisabledUntilPause() {
    CountdownTimer &countdown = *window->countdown;
    QTest::mouseClick(countdown.FlatBttnStart, Qt::LeftButton);
    QVERIFY(countdown.tmrCounter->isEnabled());
    QVERIFY(!countdown.FlatBttnReset->isEnabled());
    QCOMPARE(countdown.lblCounter->text(), u"00:00:00"_s);

    QTest::mouseClick(countdown.FlatBttnStart, Qt::LeftButton); // a second Start changes nothing
    QVERIFY(countdown.tmrCounter->isEnabled());
    QVERIFY(!countdown.FlatBttnReset->isEnabled());

    type("txtSeconds", u"10"_s); // entry changes keep the running state
    QVERIFY(countdown.tmrCounter->isEnabled());
    QCOMPARE(countdown.lblCounter->text(), u"00:00:10"_s);

    QTest::mouseClick(countdown.FlatBttnPause, Qt::LeftButton);
    QVERIFY(!countdown.tmrCounter->isEnabled());
    QVERIFY(countdown.FlatBttnReset->isEnabled());
    QCOMPARE(countdown.lblCounter->text(), u"00:00:10"_s);
}

void TestMainWindow::disabledResetLeavesTheEntryAlone() {
    CountdownTimer &countdown = *window->countdown;
    type("txtMinutes", u"10"_s);
    QTest::mouseClick(countdown.FlatBttnStart, Qt::LeftButton);
    QTest::mouseClick(countdown.FlatBttnReset, Qt::LeftButton);
    QCOMPARE(control<QLineEdit>("txtMinutes")->text(), u"10"_s);
    QCOMPARE(countdown.lblCounter->text(), u"00:10:00"_s);
}

void TestMainWindow::resetEmptiesTheFieldsAndFocusesHours() {
    CountdownTimer &countdown = *window->countdown;
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    type("txtHours", u"1"_s);
    type("txtMinutes", u"2"_s);
    type("txtSeconds", u"3"_s);
    QTest::mouseClick(countdown.FlatBttnStart, Qt::LeftButton);
    QTest::mouseClick(countdown.FlatBttnPause, Qt::LeftButton);
    QTest::mouseClick(countdown.FlatBttnReset, Qt::LeftButton);

    for (const char *name : {"txtHours", "txtMinutes", "txtSeconds"})
        QVERIFY(control<QLineEdit>(name)->text().isEmpty());
    QCOMPARE(countdown.lblCounter->text(), u"00:00:00"_s);
    QCOMPARE(countdown.intHours + countdown.intMinutes + countdown.intSeconds, 0);
    QCOMPARE(countdown.datRemaining.days(), 0.0);
    QVERIFY(control<QLineEdit>("txtHours")->hasFocus());
}

void TestMainWindow::exitClosesTheWindow() {
    QTest::mouseClick(control<FlatBttn>("FlatBttnExit"), Qt::LeftButton);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
