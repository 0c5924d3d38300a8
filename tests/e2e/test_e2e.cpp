#include "DesktopSession.h"
#include "MainWindowPlaces.h"
#include "PulseAudioServer.h"
#include "SoundFiles.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace MainWindowPlaces;

namespace {

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void countdownFromTheTrayAndBack();
    void alarmWithMessageAndProgram();
    void persistenceThroughTheTrayMenu();
    void withoutATrayHost();
    void clockSetBackAndForward();

private:
    // Starts the installed program; with a fake time, under libfaketime with its clock at that
    // local wall time, movable later by setFakeTime.
    void launch(const QDateTime &fakeStart = QDateTime());
    // Moves the program's wall clock (not its monotonic clock) to the given local time.
    void setFakeTime(const QDateTime &wallTime);
    QDateTime fakeNow() const { return QDateTime::currentDateTime().addSecs(fakeOffset); }
    // Waits for the main window to be shown and returns its id.
    QString mainWindow();
    // Launches the program and waits for its main window, kept in `window`.
    bool launchShowingWindow(const QDateTime &fakeStart = QDateTime());
    void clickControl(const QPoint &twips, int button = 1);
    bool waitForExit();
    // Counts a countdown of the given seconds down from outside, and returns once started.
    void startCountdown(const QString &seconds);
    // Types 7:30 pm into Alarm I and opens its options panel.
    void setAlarmIToHalfPastSevenPm();
    // An executable shell script in the home folder.
    QString writeScript(const QString &name, const QByteArray &body);
    double loudestOf(const QString &recording) const { return SoundFiles::maximumAmplitude(recording); }
    QString config(const QString &path) const { return home.filePath(u".config/"_s + path); }

    std::unique_ptr<DesktopSession> desktop;
    std::unique_ptr<PulseAudioServer> pulse;
    QTemporaryDir home;
    qint64 fakeOffset = 0;
    std::unique_ptr<QProcess> tivvet;
    QString window;
};

void TestEndToEnd::init() {
    desktop = std::make_unique<DesktopSession>();
    pulse = std::make_unique<PulseAudioServer>();
    QVERIFY2(desktop->start(qstrcmp(QTest::currentTestFunction(), "withoutATrayHost") != 0),
             "X desktop did not start");
    QVERIFY2(pulse->start(), "sound server did not start");
}

void TestEndToEnd::cleanup() {
    if (tivvet && tivvet->state() != QProcess::NotRunning) {
        tivvet->kill();
        tivvet->waitForFinished(5000);
    }
    if (QTest::currentTestFailed() && tivvet)
        qWarning("program output:\n%s", tivvet->readAllStandardError().right(4000).constData());
    tivvet.reset();
    pulse.reset();
    desktop.reset();
}

void TestEndToEnd::launch(const QDateTime &fakeStart) {
    QProcessEnvironment environment = desktop->environmentWithHome(home.path());
    environment.insert(u"XDG_RUNTIME_DIR"_s, pulse->runtimeDir());
    environment.insert(u"PULSE_SERVER"_s, u"unix:"_s + pulse->socket());
    environment.insert(u"SDL_AUDIODRIVER"_s, u"pulseaudio"_s);
    if (fakeStart.isValid()) {
        setFakeTime(fakeStart);
        environment.insert(u"LD_PRELOAD"_s, QStringLiteral(TIVVET_FAKETIME_LIBRARY));
        environment.insert(u"FAKETIME_TIMESTAMP_FILE"_s, home.filePath(u"faketime"_s));
        environment.insert(u"FAKETIME_NO_CACHE"_s, u"1"_s);
        // The countdown's own clock stays real; the sanitizer runtime need not come first.
        environment.insert(u"FAKETIME_DONT_FAKE_MONOTONIC"_s, u"1"_s);
        environment.insert(u"ASAN_OPTIONS"_s, u"verify_asan_link_order=0"_s);
    }
    tivvet = std::make_unique<QProcess>();
    tivvet->setProcessEnvironment(environment);
    tivvet->start(QStringLiteral(TIVVET_INSTALLED), {});
}

void TestEndToEnd::setFakeTime(const QDateTime &wallTime) {
    fakeOffset = QDateTime::currentDateTime().secsTo(wallTime);
    QVERIFY(SoundFiles::write(home.filePath(u"faketime"_s),
                              (fakeOffset < 0 ? "" : "+") + QByteArray::number(fakeOffset) + '\n'));
}

QString TestEndToEnd::mainWindow() {
    QStringList found;
    if (!QTest::qWaitFor([&] { return !(found = desktop->visibleWindows(Title)).isEmpty(); }, 20000)) {
        qWarning("waited 20 s for a window titled \"%s\"", qPrintable(Title));
        return QString();
    }
    return found.first();
}

bool TestEndToEnd::launchShowingWindow(const QDateTime &fakeStart) {
    launch(fakeStart);
    window = mainWindow();
    return !window.isEmpty();
}

void TestEndToEnd::clickControl(const QPoint &twips, int button) {
    desktop->click(onScreen(desktop->windowOrigin(window), twips), button);
    QTest::qWait(150);
}

bool TestEndToEnd::waitForExit() {
    return tivvet->waitForFinished(20000) && tivvet->exitStatus() == QProcess::NormalExit &&
           tivvet->exitCode() == 0;
}

void TestEndToEnd::startCountdown(const QString &seconds) {
    clickControl(At::txtSeconds);
    desktop->key({u"ctrl+a"_s});
    desktop->type(seconds);
    clickControl(At::FlatBttnStart);
}

void TestEndToEnd::setAlarmIToHalfPastSevenPm() {
    clickControl(At::txtHour);
    desktop->type(u"07"_s);
    clickControl(At::txtMinute);
    desktop->type(u"30"_s);
    clickControl(At::txtAmPm);
    clickControl(At::UpDown1Up); // am becomes pm
    clickControl(At::FlatBttnAlarm1);
}

QString TestEndToEnd::writeScript(const QString &name, const QByteArray &body) {
    const QString script = home.filePath(name);
    if (!SoundFiles::write(script, "#!/bin/sh\n" + body + '\n'))
        qWarning("cannot write %s", qPrintable(script));
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}

// The first start, then a countdown that brings the window back from the tray with its sound.
void TestEndToEnd::countdownFromTheTrayAndBack() {
    QVERIFY(launchShowingWindow());
    const QString info = desktop->run(u"xwininfo"_s, {u"-id"_s, window});
    QVERIFY2(info.contains(u"\"  The Tivvet  3.0\""_s) && info.contains(u"Width: 371"_s) &&
                 info.contains(u"Height: 217"_s),
             qPrintable(info));
    QVERIFY2(desktop->isKeptAbove(window), "kept above other windows");
    QVERIFY2(QTest::qWaitFor([this] { return desktop->trayIconCentre(u"tivvet"_s).has_value(); }, 10000),
             "waited 10 s for the tray icon");
    MonitorRecorder recorder(*pulse, home.filePath(u"countdown.raw"_s));
    QVERIFY2(recorder.waitUntilStreaming(), "waited for the recorder to stream");
    startCountdown(u"3"_s);
    desktop->run(u"xdotool"_s, {u"windowminimize"_s, window});
    QVERIFY2(QTest::qWaitFor([this] { return desktop->visibleWindows(Title).isEmpty(); }, 2000),
             "waited 2 s for the window to leave the screen");
    QVERIFY2(desktop->trayIconCentre(u"tivvet"_s).has_value(), "the tray icon stays");

    QVERIFY2(QTest::qWaitFor([this] { return !desktop->visibleWindows(Title).isEmpty(); }, 6000),
             "waited 6 s for the expired countdown to bring the window back");
    QCOMPARE(desktop->windowState(window), u"Normal"_s);
    QTRY_COMPARE_WITH_TIMEOUT(desktop->activeWindow(), QString::number(window.toULongLong()), 3000);
    QTest::qWait(1500);
    recorder.stop();
    QVERIFY2(loudestOf(home.filePath(u"countdown.raw"_s)) > 0.2, "the timer's sound was recorded");
}

void TestEndToEnd::alarmWithMessageAndProgram() {
    const QString marker = home.filePath(u"program-ran"_s);
    const QString script = writeScript(u"alarm program.sh"_s, "touch '" + QFile::encodeName(marker) + "'");

    QVERIFY(launchShowingWindow(QDateTime(QDate::currentDate(), QTime(19, 29, 30))));
    setAlarmIToHalfPastSevenPm();
    clickControl(At::txtMessage);
    desktop->type(u"Time to go, now"_s);
    clickControl(At::Check4);
    clickControl(At::txtProgram);
    desktop->type(script);
    clickControl(At::Check3);
    MonitorRecorder recorder(*pulse, home.filePath(u"alarm.raw"_s));
    QVERIFY2(recorder.waitUntilStreaming(), "waited for the recorder to stream");
    clickControl(At::Option1);

    QStringList box;
    QVERIFY2(
        QTest::qWaitFor([&] { return !(box = desktop->visibleWindows(u"^The Tivvet$"_s)).isEmpty(); }, 45000),
        "waited 45 s for the alarm's message box at 19:30");
    QTest::qWait(1000);
    QVERIFY2(!QFile::exists(marker), "the program must wait for OK");
    QVERIFY2(!desktop->isKeptAbove(window), "the main window is not kept on top while the message is open");
    desktop->run(u"xdotool"_s, {u"windowactivate"_s, u"--sync"_s, box.first()});
    desktop->key({u"Return"_s});
    QVERIFY2(QTest::qWaitFor([&] { return QFile::exists(marker); }, 10000),
             "waited 10 s for the program to run after OK");
    QVERIFY2(QTest::qWaitFor([&] { return desktop->isKeptAbove(window); }, 3000), "on top again after OK");
    QTest::qWait(2000);
    recorder.stop();
    QVERIFY2(loudestOf(home.filePath(u"alarm.raw"_s)) > 0.2, "the alarm's sound was recorded");
}

// Options and start options typed into the real window are on disk after Close in the tray menu,
// and the next start is in the tray.
void TestEndToEnd::persistenceThroughTheTrayMenu() {
    QVERIFY(launchShowingWindow());
    clickControl(At::FlatBttnTimer);
    clickControl(At::optionsSoundBox);
    desktop->type(u"/home/user/Sounds/bell, loud.wav"_s);
    clickControl(At::FlatBttnAlarm1);
    clickControl(At::txtMessage);
    desktop->type(u"Tea, now"_s);
    desktop->key({u"Return"_s});
    desktop->type(u"Please"_s);
    clickControl(At::Check4);
    clickControl(At::CheckMin);
    clickControl(At::CheckStart);
    const QByteArray entry = contentOf(config(u"autostart/Tivvet.desktop"_s));
    QVERIFY2(entry.contains("\nExec=\"" TIVVET_PROGRAM_PATH "\"\n"), entry.constData());

    std::optional<QPoint> icon = desktop->trayIconCentre(u"tivvet"_s);
    QVERIFY2(icon, "no tray icon");
    desktop->click(*icon, 3);
    QTest::qWait(500);
    desktop->key({u"Up"_s, u"Return"_s}); // the menu's last item, "Close"
    QVERIFY2(waitForExit(), "waited 20 s for the program to end from the tray menu");

    const QString options = config(u"Tivvet/Options/"_s);
    QCOMPARE(contentOf(options + u"wav.txt"_s), QByteArray("/home/user/Sounds/bell, loud.wav\r\n"));
    QCOMPARE(contentOf(options + u"message.txt"_s), QByteArray("Tea, now\r\nPlease\r\n"));
    for (const char *name : {"wav2.txt", "program.txt", "wav3.txt", "program2.txt", "message2.txt"})
        QCOMPARE(contentOf(options + QLatin1StringView(name)), QByteArray("\r\n"));
    QSettings ini(config(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat);
    QCOMPARE(ini.value(u"ControlSettings/CheckMinValue"_s).toString(), u"1"_s);
    QCOMPARE(ini.value(u"ControlSettings/CheckStartValue"_s).toString(), u"1"_s);

    launch();
    QVERIFY2(
        QTest::qWaitFor([&] { return (icon = desktop->trayIconCentre(u"tivvet"_s)).has_value(); }, 20000),
        "waited 20 s for the tray icon of the minimised start");
    QTest::qWait(1000);
    QVERIFY2(desktop->visibleWindows(Title).isEmpty(), "started minimised: no window");
    icon = desktop->trayIconCentre(u"tivvet"_s); // where the tray host has settled it
    QVERIFY(icon);
    desktop->click(*icon, 1, 2);
    window = mainWindow();
    QVERIFY(!window.isEmpty());
    const QString info = desktop->run(u"xwininfo"_s, {u"-id"_s, window});
    QVERIFY2(info.contains(u"Width: 371"_s) && info.contains(u"Height: 217"_s), qPrintable(info));
}

void TestEndToEnd::withoutATrayHost() {
    QVERIFY(launchShowingWindow());
    desktop->run(u"xdotool"_s, {u"windowminimize"_s, window});
    QTRY_COMPARE_WITH_TIMEOUT(desktop->windowState(window), u"Iconic"_s, 3000);
    QTest::qWait(500);
    QCOMPARE(desktop->windowState(window), u"Iconic"_s); // never withdrawn
    tivvet->kill();
    tivvet->waitForFinished(5000);

    QDir().mkpath(config(u"Tivvet"_s));
    QSettings(config(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat)
        .setValue(u"ControlSettings/CheckMinValue"_s, u"1"_s);
    launch();
    QStringList found;
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     return !(found = desktop->run(u"xdotool"_s, {u"search"_s, u"--name"_s, Title})
                                          .split(u'\n', Qt::SkipEmptyParts))
                                 .isEmpty() &&
                            desktop->windowState(found.first()) == u"Iconic"_s;
                 },
                 20000),
             "waited 20 s for the minimised start to show an iconic window");
}

// The countdown keeps its pace and the alarm goes off at its wall-clock minute while the system
// clock is set back an hour and forward again.
void TestEndToEnd::clockSetBackAndForward() {
    const QString marker = home.filePath(u"alarm-time"_s);
    const QString script = writeScript(u"alarm.sh"_s, "date +%T > '" + QFile::encodeName(marker) + "'");
    const QDate today = QDate::currentDate();
    const auto waitForWallTime = [this, today](QTime time) {
        return QTest::qWaitFor([&] { return fakeNow() >= QDateTime(today, time); }, 30000);
    };

    QVERIFY(launchShowingWindow(QDateTime(today, QTime(19, 29, 35))));
    setAlarmIToHalfPastSevenPm();
    clickControl(At::txtProgram);
    desktop->type(script);
    clickControl(At::Check3);
    clickControl(At::Option1);
    QVERIFY2(fakeNow().time() < QTime(19, 29, 50), "the alarm was set up in time");
    QVERIFY(waitForWallTime(QTime(19, 29, 50)));
    startCountdown(u"25"_s);
    QElapsedTimer countdown;
    countdown.start();
    desktop->run(u"xdotool"_s, {u"windowminimize"_s, window});

    QVERIFY(waitForWallTime(QTime(19, 29, 55)));
    setFakeTime(fakeNow().addSecs(-3600));
    QVERIFY(waitForWallTime(QTime(18, 30, 2)));
    QVERIFY2(!QFile::exists(marker), "nothing goes off at 6:30 pm");
    setFakeTime(fakeNow().addSecs(3600));
    QVERIFY2(QTest::qWaitFor([&] { return QFile::exists(marker); }, 3000),
             "waited 3 s for the alarm once the clock is at 7:30 pm again");
    QTRY_VERIFY_WITH_TIMEOUT(contentOf(marker).startsWith("19:30:0"), 2000);

    QVERIFY2(QTest::qWaitFor([this] { return !desktop->visibleWindows(Title).isEmpty(); }, 3000),
             "the alarm brings the window back");
    desktop->run(u"xdotool"_s, {u"windowminimize"_s, window});
    QVERIFY2(QTest::qWaitFor([this] { return desktop->visibleWindows(Title).isEmpty(); }, 3000),
             "waited 3 s for the window to go to the tray again");
    QVERIFY2(QTest::qWaitFor([this] { return !desktop->visibleWindows(Title).isEmpty(); }, 15000),
             "waited for the expired countdown to bring the window back");
    QVERIFY2(countdown.elapsed() > 24500 && countdown.elapsed() < 25700,
             qPrintable(u"the 25 s countdown took %1 ms"_s.arg(countdown.elapsed())));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_e2e.moc"
