#include "FakePlatform.h"
#include "alarms/AlarmClock.h"
#include "alerts/OptionGroups.h"
#include "alerts/OptionsArea.h"
#include "app/StartOptions.h"
#include "app/TrayMenu.h"
#include "app/frmTivvet.h"
#include "colours/ColourScheme.h"
#include "countdown/CountdownTimer.h"
#include "countdown/NotifySettings.h"
#include "platform/Controls.h"
#include "platform/FlatBttn.h"
#include "platform/Frame.h"
#include "platform/InstallPaths.h"
#include "platform/SOTimer.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// The window's start-up and shutdown, the options panels and the tray, with real files in a
// private configuration folder.
class TestSequences : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstStartWithNothingStored();
    void aRestartBringsBackWhatIsSavedAndNothingElse();
    void startMinimizedShowsOnlyTheTrayIcon();
    void startMinimizedWithoutATrayStaysOnTheTaskBar();
    void minimisingHidesIntoTheTrayOnlyWhenThereIsOne();
    void autostartEntryFollowsTheBoxAndEveryStart();
    void optionsPanelsOpenSwitchAndClose();
    void browsePlayDefaultAndClear();
    void activateBoxesFollowTheirTexts();
    void trayDoubleClickAndMenu();
    void storedColoursAreShown();

private:
    std::unique_ptr<frmTivvet> start();
    void close(frmTivvet &window);
    QByteArray optionsFile(const QString &name) const;
    QString setting(const QString &key) const;

    std::unique_ptr<FakePlatform> platform;
};

void TestSequences::init() {
    platform = std::make_unique<FakePlatform>();
}

void TestSequences::cleanup() {
    platform.reset();
}

std::unique_ptr<frmTivvet> TestSequences::start() {
    auto window = std::make_unique<frmTivvet>(platform->services());
    window->Form_Load();
    window->showAfterLoad();
    return window;
}

void TestSequences::close(frmTivvet &window) {
    window.FlatBttnExit_Click();
    QVERIFY(!window.isVisible());
}

QByteArray TestSequences::optionsFile(const QString &name) const {
    QFile file(platform->configFolder.filePath(u"Tivvet/Options/"_s + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString TestSequences::setting(const QString &key) const {
    QSettings ini(platform->configFolder.filePath(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat);
    return ini.value(key, u"<missing>"_s).toString();
}

void TestSequences::firstStartWithNothingStored() {
    auto window = start();
    QVERIFY(window->isVisible());
    QCOMPARE(window->size(), QSize(371, 217));
    QVERIFY(!window->startOptions->CheckStart->isChecked());
    QVERIFY(!window->startOptions->CheckMin->isChecked());
    QVERIFY(platform->tray.shown);
    QCOMPARE(platform->tray.tip, u" Click Right Mouse Button "_s);
    QCOMPARE(platform->tray.menu, window->mnuTray);
    QCOMPARE(Controls::backColour(window->findChild<QWidget *>(u"Picture1"_s)), 0x000000);
    QCOMPARE(Controls::foreColour(window->countdown->txtHours), 0xB9B9B9);
    QCOMPARE(Controls::foreColour(window->countdown->lblCounter), 0x0000F0);
    QCOMPARE(Controls::foreColour(window->alarm2->Label3), 0xFFD700);
    QVERIFY(!QFile::exists(platform->configFolder.filePath(u"autostart/Tivvet.desktop"_s)));

    close(*window);
    QCOMPARE(setting(u"ControlSettings/CheckStartValue"_s), u"0"_s);
    QCOMPARE(setting(u"ControlSettings/CheckMinValue"_s), u"0"_s);
    QCOMPARE(setting(u"ColorSettings/txtHourForeColor"_s), u"16766720"_s);
    QCOMPARE(setting(u"ColorSettings/lblCounterForeColor"_s), u"240"_s);
    QSettings ini(platform->configFolder.filePath(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat);
    ini.beginGroup(u"ColorSettings"_s);
    QCOMPARE(ini.childKeys().size(), 30);
    for (const char *name :
         {"wav.txt", "wav2.txt", "program.txt", "message.txt", "wav3.txt", "program2.txt", "message2.txt"})
        QCOMPARE(optionsFile(QString::fromLatin1(name)), QByteArray("\r\n"));
    QVERIFY(!platform->tray.shown);
}

void TestSequences::aRestartBringsBackWhatIsSavedAndNothingElse() {
    {
        auto window = start();
        window->startOptions->CheckMin->setChecked(true);
        window->colours->applySlot(ColourScheme::RemainingText, 0x00FF00);
        window->timerSound->txtWav->setText(u"/sounds/gong, loud.wav"_s);
        window->alarm1Options->program->txtProgram->setText(u"notify-send \"Tea\""_s);
        window->alarm2Options->message->txtMessage->setPlainText(u"First line, \"quoted\"\n second"_s);
        window->alarm1Options->program->Check3->setChecked(true);
        window->notify->Check5->setChecked(true);
        window->countdown->txtMinutes->setText(u"10"_s);
        window->countdown->FlatBttnStart_Click();
        window->alarm1->txtHour->setText(u"07"_s);
        window->alarm1->Option1->setChecked(true);
        close(*window);
    }
    QCOMPARE(optionsFile(u"message2.txt"_s), QByteArray("First line, \"quoted\"\r\n second\r\n"));
    QCOMPARE(setting(u"ColorSettings/lblCounterForeColor"_s), QString::number(0x00FF00));

    platform->tray.available = false; // so that the restarted window is shown, minimised
    auto window = start();
    QVERIFY(window->startOptions->CheckMin->isChecked());
    QCOMPARE(Controls::foreColour(window->countdown->lblCounter), 0x00FF00);
    QCOMPARE(window->timerSound->txtWav->text(), u"/sounds/gong, loud.wav"_s);
    QCOMPARE(window->alarm1Options->program->txtProgram->text(), u"notify-send \"Tea\""_s);
    QCOMPARE(window->alarm2Options->message->txtMessage->toPlainText(), u"First line, \"quoted\"\n second"_s);
    QVERIFY(!window->alarm1Options->program->Check3->isChecked());
    QVERIFY(!window->notify->Check5->isChecked());
    QCOMPARE(window->countdown->lblCounter->text(), u"00:00:00"_s);
    QVERIFY(window->countdown->txtMinutes->text().isEmpty());
    QVERIFY(!window->countdown->tmrCounter->isEnabled());
    QCOMPARE(window->alarm1->txtHour->text(), u"12"_s);
    QVERIFY(window->alarm1->Option2->isChecked());
}

void TestSequences::startMinimizedShowsOnlyTheTrayIcon() {
    QSettings(platform->configFolder.filePath(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat)
        .setValue(u"ControlSettings/CheckMinValue"_s, u"1"_s);
    auto window = start();
    QVERIFY(!window->isVisible());
    QVERIFY(platform->tray.shown);

    window->mnuTray->mnuTrayRestore->trigger();
    QVERIFY(window->isVisible());
    QVERIFY(!window->isMinimized());
    QCOMPARE(window->size(), QSize(371, 217));
}

void TestSequences::startMinimizedWithoutATrayStaysOnTheTaskBar() {
    QSettings(platform->configFolder.filePath(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat)
        .setValue(u"ControlSettings/CheckMinValue"_s, u"1"_s);
    platform->tray.available = false;
    auto window = start();
    QVERIFY(window->isVisible());
    QVERIFY(window->isMinimized());
}

void TestSequences::minimisingHidesIntoTheTrayOnlyWhenThereIsOne() {
    auto window = start();
    window->showMinimized();
    QTRY_VERIFY(!window->isVisible());
    platform->tray.doubleClicked();
    QVERIFY(window->isVisible());
    QVERIFY(!window->isMinimized());

    platform->tray.available = false;
    window->showMinimized();
    QTest::qWait(50);
    QVERIFY(window->isVisible());
}

void TestSequences::autostartEntryFollowsTheBoxAndEveryStart() {
    const QString entry = platform->configFolder.filePath(u"autostart/Tivvet.desktop"_s);
    const QByteArray exec = "\nExec=\"" + QByteArray(ProgramPath) + "\"\n";
    {
        auto window = start();
        window->startOptions->CheckStart->setChecked(true);
        QFile on(entry);
        QVERIFY(on.open(QIODevice::ReadOnly));
        QVERIFY(on.readAll().contains(exec));
        on.close();

        window->startOptions->CheckStart->setChecked(false);
        QFile off(entry);
        QVERIFY(off.open(QIODevice::ReadOnly));
        QVERIFY(off.readAll().contains("\nExec=\nHidden=true\n"));
        window->startOptions->CheckStart->setChecked(true);
        close(*window);
    }
    QVERIFY(QFile::remove(entry));
    auto window = start(); // checked at the last exit: registered again without a click
    QVERIFY(window->startOptions->CheckStart->isChecked());
    QFile again(entry);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QVERIFY(again.readAll().contains(exec));
}

void TestSequences::optionsPanelsOpenSwitchAndClose() {
    auto window = start();
    OptionsArea &options = *window->options;
    QTest::mouseClick(options.FlatBttnAlarm2, Qt::LeftButton);
    QCOMPARE(window->size(), QSize(371, 350));
    QVERIFY(options.Frame16->isVisible());
    QCOMPARE(options.Frame16->pos(), QPoint(6, 211));
    QVERIFY(options.Label15->isVisible() && !options.Label1->isVisible() && !options.Label2->isVisible());
    for (QWidget *bottom : std::initializer_list<QWidget *>{
             window->startOptions->CheckStart, window->startOptions->CheckMin, options.FlatBttnClose})
        QVERIFY(window->rect().contains(bottom->geometry()));

    QTest::mouseClick(options.FlatBttnTimer, Qt::LeftButton);
    QTest::mouseClick(options.FlatBttnAlarm1, Qt::LeftButton);
    QVERIFY(options.Frame10->isVisible() && !options.Frame5->isVisible() && !options.Frame16->isVisible());
    QVERIFY(options.Label1->isVisible() && !options.Label2->isVisible() && !options.Label15->isVisible());
    QCOMPARE(options.Frame5->pos(), QPoint(6, 211)); // a hidden panel stays where it was put

    window->alarm1Options->sound->txtWav->setText(u"/a.wav"_s);
    QTest::mouseClick(options.FlatBttnClose, Qt::LeftButton);
    QCOMPARE(window->size(), QSize(371, 217));
    QVERIFY(!options.Label1->isVisible());
    QCOMPARE(optionsFile(u"wav2.txt"_s), QByteArray("/a.wav\r\n"));
    QCOMPARE(optionsFile(u"message2.txt"_s), QByteArray("\r\n"));
}

void TestSequences::browsePlayDefaultAndClear() {
    auto window = start();
    SoundGroup &sound = *window->alarm2Options->sound;
    platform->files.nextFileName = u"/music/bell ring.wav"_s;
    QTest::mouseClick(sound.FlatBttnBrowse, Qt::LeftButton);
    QCOMPARE(sound.txtWav->text(), u"/music/bell ring.wav"_s);
    QCOMPARE(platform->files.asked, QStringList{u"Select Sound|Wav Files (*.wav *.WAV)"_s});

    platform->files.nextFileName.clear(); // cancelled: the box keeps its path
    QTest::mouseClick(sound.FlatBttnBrowse, Qt::LeftButton);
    QCOMPARE(sound.txtWav->text(), u"/music/bell ring.wav"_s);

    platform->sound.nextResult = false;
    QTest::mouseClick(sound.FlatBttnPlay, Qt::LeftButton);
    QCOMPARE(platform->sound.requests.last().flags, 3);
    QCOMPARE(platform->messages.shown,
             QStringList{u"The Tivvet|Unable to play the sound! File not found!"_s});

    QTest::mouseClick(sound.FlatBttnDefault, Qt::LeftButton);
    QCOMPARE(sound.txtWav->text(), QString::fromUtf8(DefaultSoundPath));

    MessageGroup &message = *window->alarm2Options->message;
    message.txtMessage->setPlainText(u"Stand up"_s);
    message.Check4->setChecked(true);
    QTest::mouseClick(message.FlatBttnClear2, Qt::LeftButton);
    QVERIFY(message.txtMessage->toPlainText().isEmpty());
    QVERIFY(!message.Check4->isChecked());
}

void TestSequences::activateBoxesFollowTheirTexts() {
    auto window = start();
    ProgramGroup &program = *window->alarm1Options->program;
    QTest::mouseClick(program.Check3, Qt::LeftButton);
    QVERIFY(!program.Check3->isChecked()); // nothing to run yet
    QTest::keyClicks(program.txtProgram, u"xclock"_s);
    QVERIFY(!program.Check3->isChecked()); // typing does not check it
    QTest::mouseClick(program.Check3, Qt::LeftButton);
    QVERIFY(program.Check3->isChecked());
    platform->files.nextFileName.clear();
    QTest::mouseClick(program.FlatBttnBrowse4, Qt::LeftButton);
    QVERIFY(program.Check3->isChecked()); // a cancelled browse changes nothing
    program.txtProgram->selectAll();
    QTest::keyClick(program.txtProgram, Qt::Key_Delete);
    QVERIFY(!program.Check3->isChecked());

    MessageGroup &message = *window->alarm1Options->message;
    message.txtMessage->setPlainText(u" "_s); // one blank is a message
    QTest::mouseClick(message.Check4, Qt::LeftButton);
    QVERIFY(message.Check4->isChecked());
}

void TestSequences::trayDoubleClickAndMenu() {
    auto window = start();
    window->hide();
    window->mnuTray->mnuTrayRestore->trigger();
    QVERIFY(window->isVisible());

    window->timerSound->txtWav->setText(u"/t.wav"_s);
    window->mnuTray->mnuTrayClose->trigger();
    QVERIFY(!window->isVisible());
    QVERIFY(!platform->tray.shown);
    QCOMPARE(optionsFile(u"wav.txt"_s), QByteArray("/t.wav\r\n"));
    QCOMPARE(setting(u"ControlSettings/CheckMinValue"_s), u"0"_s);
}

void TestSequences::storedColoursAreShown() {
    {
        QSettings ini(platform->configFolder.filePath(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat);
        ini.setValue(u"ColorSettings/lblCounterForeColor"_s, u"255"_s);
        ini.setValue(u"ColorSettings/txtMinutesBackColor"_s, u"16711680"_s);
        ini.setValue(u"ColorSettings/txtHoursBackColor"_s, u"purple"_s);
    }
    auto window = start();
    QCOMPARE(Controls::foreColour(window->countdown->lblCounter), 0x0000FF);
    QCOMPARE(Controls::backColour(window->countdown->txtMinutes), 0xFF0000);
    QCOMPARE(Controls::backColour(window->findChild<QWidget *>(u"Picture3"_s)), 0x000000);
    QCOMPARE(Controls::backColour(window->countdown->txtHours), 0x000000);
}

QTEST_MAIN(TestSequences)
#include "test_sequences.moc"
