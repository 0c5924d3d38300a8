#include "DesktopSession.h"
#include "MainWindowPlaces.h"
#include "PulseAudioServer.h"
#include "SoundFiles.h"

#include <QDateTime>
#include <QSettings>

#include <csignal>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using namespace MainWindowPlaces;

// User stories, each through the installed program's real window and tray on the private desktop
// of tests/desktop/session, checking what the user sees, hears and finds on the disk, and what the
// desktop's services were asked.
class TestEndToEnd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void countdownFromTheTrayAndBack();
    void alarmWithMessageAndProgram();
    void persistenceThroughTheTrayMenu();
    void aSecondStartBringsBackTheFirst();
    void statusNotifierItemRestoresOnAClick();

private:
    // Starts the installed program, with its wall clock (not its monotonic one) at fakeStart if
    // given.
    std::unique_ptr<QProcess> start(const QDateTime &fakeStart = QDateTime(),
                                    const QStringList &arguments = {}) const;
    // Starts it and waits for its main window unless it starts in the tray.
    bool launch(const QDateTime &fakeStart = QDateTime(), bool showsWindow = true);
    void clickControl(const QPoint &twips, int button = 1) {
        desktop.click(onScreen(desktop.windowOrigin(window), twips), button);
        QTest::qWait(150);
    }
    void typeInto(const QPoint &twips, const QString &text) {
        clickControl(twips);
        desktop.type(text);
    }
    // The loudest sound played while the code ran and some seconds after.
    template <class Code> double loudestWhile(Code code, int seconds);
    QByteArray stored(const QString &path) const {
        QFile file(home.filePath(u".config/"_s + path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // The calls that a service of the desktop has had, a line each without its time.
    static QString calls(const QString &service) {
        QFile log(qEnvironmentVariable("XDG_RUNTIME_DIR") + u'/' + service + u".log"_s);
        return log.open(QIODevice::ReadOnly)
                   ? QString::fromUtf8(log.readAll())
                         .remove(QRegularExpression(u"^[\\d.]+ "_s, QRegularExpression::MultilineOption))
                   : QString();
    }
    bool waitFor(const std::function<bool()> &condition, int seconds) {
        return QTest::qWaitFor(condition, seconds * 1000);
    }

    DesktopSession desktop;
    QTemporaryDir home;
    std::unique_ptr<QProcess> tivvet;
    QString window;
};

void TestEndToEnd::init() {
    QVERIFY2(desktop.start(), "no tray on the X desktop");
}

void TestEndToEnd::cleanup() {
    if (!tivvet)
        return;
    tivvet->kill();
    tivvet->waitForFinished(5000);
    if (QTest::currentTestFailed())
        qWarning("program output:\n%s", tivvet->readAllStandardError().right(4000).constData());
}

std::unique_ptr<QProcess> TestEndToEnd::start(const QDateTime &fakeStart,
                                              const QStringList &arguments) const {
    QProcessEnvironment environment = desktop.environmentWithHome(home.path());
    environment.insert(u"SDL_AUDIODRIVER"_s, u"pulseaudio"_s);
    if (fakeStart.isValid()) {
        const qint64 offset = QDateTime::currentDateTime().secsTo(fakeStart);
        environment.insert(u"LD_PRELOAD"_s, QStringLiteral(TIVVET_FAKETIME_LIBRARY));
        environment.insert(u"FAKETIME"_s, (offset < 0 ? u""_s : u"+"_s) + QString::number(offset));
        environment.insert(u"FAKETIME_DONT_FAKE_MONOTONIC"_s, u"1"_s);
        environment.insert(u"ASAN_OPTIONS"_s, u"verify_asan_link_order=0"_s);
    }
    auto program = std::make_unique<QProcess>();
    program->setProcessEnvironment(environment);
    program->start(QStringLiteral(TIVVET_INSTALLED), arguments);
    return program;
}

bool TestEndToEnd::launch(const QDateTime &fakeStart, bool showsWindow) {
    tivvet.reset(); // ended before the next start, which would otherwise find it still running
    tivvet = start(fakeStart);
    QStringList found;
    if (showsWindow && !waitFor([&] { return !(found = desktop.visibleWindows(Title)).isEmpty(); }, 20)) {
        // What the desktop holds, for the report.
        qWarning("no window: program state %d; the X tree:\n%s", int(tivvet->state()),
                 qPrintable(desktop.run(u"xwininfo"_s, {u"-root"_s, u"-tree"_s}).left(2000)));
        return false;
    }
    window = found.value(0);
    return true;
}

template <class Code> double TestEndToEnd::loudestWhile(Code code, int seconds) {
    const QString recording = home.filePath(u"recorded.raw"_s);
    MonitorRecorder recorder(desktop.environment(), recording);
    if (!recorder.waitUntilStreaming())
        return -1;
    code();
    QTest::qWait(seconds * 1000);
    recorder.stop();
    return SoundFiles::maximumAmplitude(recording);
}

// The first start, then countdowns that bring the window back from the tray with their sound and a
// notification each, the second replacing the first; the notification's Show brings it back too.
// While a countdown runs the desktop is asked not to suspend for being idle, and no longer after
// the expiry, Pause or the end; an alarm asks nothing. At logout the program gets SIGTERM: what was
// typed is saved and it ends normally.
void TestEndToEnd::countdownFromTheTrayAndBack() {
    QVERIFY(launch());
    const QString info = desktop.run(u"xwininfo"_s, {u"-id"_s, window});
    QVERIFY2(info.contains(u"\"  The Tivvet  3.0\""_s) && info.contains(u"Width: 371"_s) &&
                 info.contains(u"Height: 217"_s),
             qPrintable(info));
    QVERIFY2(desktop.isKeptAbove(window), "kept above other windows");
    QVERIFY2(waitFor([this] { return desktop.trayIconCentre(u"tivvet"_s).has_value(); }, 10), "no tray icon");
    desktop.xdotool(u"windowmove --sync "_s + window + u" 66 451"_s);
    const QPoint place = desktop.windowOrigin(window); // kept through the tray
    const QString inhibit = u"Inhibit \"\" 4 {\"reason\": \"Countdown running\"}\n"_s, close = u"Close\n"_s;
    const auto told = [&](const QString &call) {
        return waitFor([&] { return calls(u"portal"_s).endsWith(call); }, 5);
    };
    const auto startCountdown = [&](const QString &seconds) {
        clickControl(At::txtSeconds);
        desktop.key({u"ctrl+a"_s});
        desktop.type(seconds);
        clickControl(At::FlatBttnStart);
        QVERIFY2(told(inhibit), "not asked at Start");
    };
    const auto countdownFromTheTray = [&](const QString &seconds) {
        startCountdown(seconds);
        desktop.xdotool(u"windowminimize "_s + window);
        QVERIFY2(waitFor([this] { return desktop.visibleWindows(Title).isEmpty(); }, 2), "still shown");
        QVERIFY2(waitFor([this] { return !desktop.visibleWindows(Title).isEmpty(); }, 6), "not back");
        QVERIFY(desktop.property(window, u"WM_STATE"_s).contains(u"window state: Normal"_s));
        QVERIFY2(waitFor([this] { return desktop.isKeptAbove(window); }, 3), "not on top after the alert");
        QCOMPARE(desktop.windowOrigin(window), place);
        QTRY_COMPARE_WITH_TIMEOUT(desktop.xdotool(u"getactivewindow"_s).trimmed(), window, 3000);
        QVERIFY2(told(close), "not given back at the expiry");
    };
    QVERIFY2(loudestWhile([&] { countdownFromTheTray(u"3"_s); }, 2) > 0.2, "the timer's sound was heard");
    countdownFromTheTray(u"2"_s); // its notification replaces the first
    const QString notification =
        u" \"org.example.tivvet\" \"The Tivvet\" \"The countdown has run out.\" [\"default\", \"Show\"] "
        u"{\"desktop-entry\": \"org.example.tivvet\", \"urgency\": 2} -1\n"_s;
    QTRY_COMPARE_WITH_TIMEOUT(
        calls(u"notifications"_s),
        u"Notify \"Tivvet\" 0"_s + notification + u"Notify \"Tivvet\" 1"_s + notification, 3000);
    desktop.xdotool(u"windowminimize "_s + window);
    QVERIFY2(waitFor([this] { return desktop.visibleWindows(Title).isEmpty(); }, 5), "still shown");
    desktop.run(u"gdbus"_s, {u"call"_s, u"--session"_s, u"--dest"_s, u"org.freedesktop.Notifications"_s,
                             u"--object-path"_s, u"/org/freedesktop/Notifications"_s, u"--method"_s,
                             u"org.freedesktop.DBus.Mock.EmitSignal"_s, u"org.freedesktop.Notifications"_s,
                             u"ActionInvoked"_s, u"us"_s, u"[<uint32 1>, <'default'>]"_s}); // Show
    QVERIFY2(waitFor([this] { return !desktop.visibleWindows(Title).isEmpty(); }, 5), "Show did not restore");
    QVERIFY2(waitFor([this] { return desktop.isKeptAbove(window); }, 3), "not on top after Show");
    startCountdown(u"30"_s);
    clickControl(At::FlatBttnPause);
    QVERIFY2(told(close), "not given back at Pause");
    clickControl(At::FlatBttnReset);
    clickControl(At::Option1);
    clickControl(At::FlatBttnAlarm1);
    typeInto(At::txtMessage, u"Take the pills"_s);
    startCountdown(u"30"_s);
    tivvet->terminate();
    QVERIFY2(tivvet->waitForFinished(10000) && tivvet->exitStatus() == QProcess::NormalExit &&
                 tivvet->exitCode() == 0,
             "did not end normally");
    QCOMPARE(stored(u"Tivvet/Options/message.txt"_s), QByteArray("Take the pills\r\n"));
    QVERIFY2(told(close), "not given back at the end");
    QCOMPARE(calls(u"portal"_s), (inhibit + close).repeated(4)); // and never asked for the alarm
}

// At 7:30 pm the sound plays and the message waits for OK while the window is not kept on top; the
// program starts only after OK.
void TestEndToEnd::alarmWithMessageAndProgram() {
    const QString marker = home.filePath(u"program-ran"_s);
    const QString script = home.filePath(u"alarm program.sh"_s);
    QVERIFY(SoundFiles::write(script, "#!/bin/sh\ntouch '" + QFile::encodeName(marker) + "'\n"));
    QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
    QVERIFY(launch(QDateTime(QDate::currentDate(), QTime(19, 29, 40))));
    typeInto(At::txtHour, u"07"_s);
    typeInto(At::txtMinute, u"30"_s);
    clickControl(At::txtAmPm);
    clickControl(At::UpDown1Up); // am becomes pm
    clickControl(At::FlatBttnAlarm1);
    typeInto(At::txtMessage, u"Time to go, now"_s);
    clickControl(At::Check4);
    typeInto(At::txtProgram, u"~/'alarm program.sh'"_s); // as a terminal takes it
    clickControl(At::Check3);
    QStringList box;
    const double loudest = loudestWhile(
        [&] {
            clickControl(At::Option1);
            QVERIFY2(
                waitFor([&] { return !(box = desktop.visibleWindows(u"^The Tivvet$"_s)).isEmpty(); }, 40),
                "no message box at 7:30 pm");
        },
        3); // the first sound loads the sound library
    QVERIFY2(loudest > 0.2, "the alarm's sound was heard");
    QVERIFY2(!QFile::exists(marker), "the program waits for OK");
    QVERIFY2(!desktop.isKeptAbove(window), "not on top while the message is open");
    desktop.xdotool(u"windowactivate --sync "_s + box.first());
    desktop.key({u"Return"_s});
    QVERIFY2(waitFor([&] { return QFile::exists(marker); }, 10), "the program did not run after OK");
    QVERIFY2(waitFor([&] { return desktop.isKeptAbove(window); }, 3), "on top again after OK");
}

// What the user typed and chose is on disk after Close in the tray menu, and the next start is in
// the tray until the icon is double-clicked.
void TestEndToEnd::persistenceThroughTheTrayMenu() {
    QVERIFY(launch());
    clickControl(At::FlatBttnTimer);
    typeInto(At::optionsSoundBox, u"/home/user/Sounds/bell, loud.wav"_s);
    clickControl(At::FlatBttnAlarm1);
    typeInto(At::txtMessage, u"Tea, now"_s);
    desktop.key({u"Return"_s});
    desktop.type(u"Please"_s);
    clickControl(At::CheckMin);
    clickControl(At::CheckStart);
    QVERIFY2(stored(u"autostart/Tivvet.desktop"_s).contains("\nExec=\"" TIVVET_INSTALLED "\"\n"),
             stored(u"autostart/Tivvet.desktop"_s).constData());
    std::optional<QPoint> icon = desktop.trayIconCentre(u"tivvet"_s);
    QVERIFY2(icon, "no tray icon");
    desktop.click(*icon, 3);
    QTest::qWait(500);
    desktop.key({u"Up"_s, u"Return"_s}); // the menu's last item, "Close"
    QVERIFY2(tivvet->waitForFinished(20000) && tivvet->exitCode() == 0, "did not end from the tray menu");
    QCOMPARE(stored(u"Tivvet/Options/wav.txt"_s), QByteArray("/home/user/Sounds/bell, loud.wav\r\n"));
    QCOMPARE(stored(u"Tivvet/Options/message.txt"_s), QByteArray("Tea, now\r\nPlease\r\n"));
    QCOMPARE(stored(u"Tivvet/Options/message2.txt"_s), QByteArray("\r\n"));
    QSettings ini(home.filePath(u".config/Tivvet/Tivvet.ini"_s), QSettings::IniFormat);
    QCOMPARE(ini.value(u"ControlSettings/CheckMinValue"_s).toString(), u"1"_s);
    QCOMPARE(ini.value(u"ControlSettings/CheckStartValue"_s).toString(), u"1"_s);

    QVERIFY(launch(QDateTime(), false));
    QVERIFY2(waitFor([&] { return (icon = desktop.trayIconCentre(u"tivvet"_s)).has_value(); }, 20),
             "no icon");
    QTest::qWait(1000);
    QVERIFY2(desktop.visibleWindows(Title).isEmpty(), "started minimised: no window");
    icon = desktop.trayIconCentre(u"tivvet"_s); // where the tray host has settled it
    desktop.click(*icon, 3); // About from the tray, closed again: the program stays in the tray
    QTest::qWait(500);
    desktop.key({u"Up"_s, u"Up"_s, u"Return"_s});
    QVERIFY2(waitFor([this] { return !desktop.visibleWindows(u"^  About$"_s).isEmpty(); }, 10), "no About");
    desktop.key({u"alt+F4"_s});
    QVERIFY2(waitFor([this] { return desktop.visibleWindows(u"^  About$"_s).isEmpty(); }, 10), "About stays");
    QTest::qWait(500);
    QVERIFY2(tivvet->state() == QProcess::Running, "ended with the About window");
    desktop.click(*icon); // a single click does nothing, a double-click restores
    QTest::qWait(1000);
    QVERIFY2(desktop.visibleWindows(Title).isEmpty(), "restored by a single click");
    desktop.click(*icon, 1, 2);
    QVERIFY2(waitFor([this] { return desktop.visibleWindows(Title).size() == 1; }, 10), "no window");
    desktop.stopTray(); // started before the panel: on the task bar, then in the tray once it comes
    QVERIFY(launch(QDateTime(), false));
    const auto state = [this] {
        const QStringList windows =
            desktop.run(u"xdotool"_s, {u"search"_s, u"--name"_s, Title}).split(u'\n', Qt::SkipEmptyParts);
        return windows.size() == 1 ? desktop.property(windows.first(), u"WM_STATE"_s) : QString();
    };
    QVERIFY2(waitFor([&] { return state().contains(u"Iconic"_s); }, 20), qPrintable(state()));
    QVERIFY(desktop.startTray());
    QVERIFY2(waitFor([this] { return desktop.trayIconCentre(u"tivvet"_s).has_value(); }, 20), "no icon");
    QVERIFY2(waitFor([&] { return !state().contains(u"Iconic"_s); }, 10), qPrintable(state()));
}

// From a terminal, --help and --version answer and an unknown option is an error, with no window.
// Started again from the menu while it runs in the tray: one program, one window, one icon. A
// start while the first hangs, and one after it was killed, work. Exited while About is still open,
// it runs on for that window alone, and a start then is one of its own: a window whose clock moves,
// and a tray icon.
void TestEndToEnd::aSecondStartBringsBackTheFirst() {
    for (const auto &[option, exitCode, says] :
         {std::tuple{u"--help"_s, 0, "Usage: "}, std::tuple{u"--version"_s, 0, "Tivvet 3.0\n"},
          std::tuple{u"--bogus"_s, 2, "tivvet: Unknown option 'bogus'."}}) {
        const std::unique_ptr<QProcess> answering = start(QDateTime(), {option});
        QVERIFY2(answering->waitForFinished(10000) && answering->exitCode() == exitCode, qPrintable(option));
        QVERIFY(
            answering->readAllStandardOutput().append(answering->readAllStandardError()).startsWith(says));
    }
    QVERIFY2(desktop.visibleWindows(Title).isEmpty(), "a window for the terminal");
    QVERIFY(launch());
    desktop.xdotool(u"windowminimize "_s + window);
    QVERIFY2(waitFor([this] { return desktop.visibleWindows(Title).isEmpty(); }, 5), "still shown");
    const std::unique_ptr<QProcess> second = start();
    QVERIFY2(second->waitForFinished(10000) && second->exitCode() == 0, "the second start did not end");
    QVERIFY2(waitFor([this] { return desktop.visibleWindows(Title) == QStringList{window}; }, 5), "not back");
    QVERIFY2(waitFor([this] { return desktop.isKeptAbove(window); }, 3), "not on top after a second start");
    QCOMPARE(desktop.run(u"xwininfo"_s, {u"-root"_s, u"-tree"_s}).count(u"(\"tivvet\""_s), 2); // window, icon
    ::kill(pid_t(tivvet->processId()), SIGSTOP); // hung: a start gives up asking and runs beside it
    const std::unique_ptr<QProcess> beside = start();
    QVERIFY2(waitFor([this] { return desktop.visibleWindows(Title).size() == 2; }, 15),
             "none beside a hung one");
    beside->kill();
    beside->waitForFinished();
    tivvet->kill();
    tivvet->waitForFinished();
    QVERIFY2(launch(), "no start after a crash");

    desktop.xdotool(u"windowmove --sync "_s + window + u" 10 10"_s); // clear of About, which is centred
    clickControl(At::FlatBttnAbout);
    QVERIFY2(waitFor([this] { return !desktop.visibleWindows(u"^  About$"_s).isEmpty(); }, 10), "no About");
    clickControl(At::FlatBttnExit);
    QVERIFY2(waitFor([this] { return desktop.visibleWindows(Title).isEmpty(); }, 5), "the window stays");
    const std::unique_ptr<QProcess> exited = std::move(tivvet);
    QVERIFY(launch(QDateTime(QDate::currentDate(), QTime(10, 59, 57))));
    QVERIFY2(waitFor([this] { return desktop.trayIconCentre(u"tivvet"_s).has_value(); }, 10), "no tray icon");
    const auto clock = [this] {
        return desktop.run(u"import"_s, {u"-window"_s, window, u"-crop"_s, u"150x22+205+0"_s, u"-format"_s,
                                         u"%#"_s, u"info:"_s});
    };
    const QString before = clock();
    QVERIFY2(waitFor([&] { return clock() != before; }, 10), "the clock stands still");
    QVERIFY2(exited->state() == QProcess::Running, "ended with its About window open");
    desktop.xdotool(u"windowactivate --sync "_s + desktop.visibleWindows(u"^  About$"_s).value(0));
    desktop.key({u"alt+F4"_s});
    QVERIFY2(exited->waitForFinished(10000) && exited->exitCode() == 0, "did not end with its About window");
}

// Where a StatusNotifierItem host runs, the icon is an item of it: a click restores the window.
void TestEndToEnd::statusNotifierItemRestoresOnAClick() {
    QVERIFY(launch());
    const QRegularExpression registered(u"^RegisterStatusNotifierItem \"(.+)\"$"_s,
                                        QRegularExpression::MultilineOption);
    QString item;
    QVERIFY2(
        waitFor([&] { return !(item = registered.match(calls(u"watcher"_s)).captured(1)).isEmpty(); }, 10),
        "no item registered");
    const auto call = [&](const QStringList &method) {
        return desktop.run(u"dbus-send"_s,
                           QStringList{u"--session"_s, u"--print-reply"_s, u"--dest="_s + item} + method);
    };
    desktop.xdotool(u"windowminimize "_s + window);
    QVERIFY2(waitFor([this] { return desktop.visibleWindows(Title).isEmpty(); }, 5), "still shown");
    call({u"/StatusNotifierItem"_s, u"org.kde.StatusNotifierItem.Activate"_s, u"int32:0"_s, u"int32:0"_s});
    QVERIFY2(waitFor([this] { return !desktop.visibleWindows(Title).isEmpty(); }, 5),
             "a click did not restore");
    QVERIFY2(waitFor([this] { return desktop.isKeptAbove(window); }, 3), "not on top after a click");
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_e2e.moc"
