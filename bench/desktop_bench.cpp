// Measures programs side by side on a private X desktop with a window manager and a tray host:
// start-up time from exec to the first window mapped (from X events), memory 10 s after start,
// and idle processor time and wake-ups per second over a minute.
#include "DesktopSession.h"
#include "MainWindowPlaces.h"
#include "ProcessMemory.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTime>

#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Program {
    QString name;
    QString command;
    // What a user does once the window is there, before the program is left idle.
    std::function<void(DesktopSession &)> prepare = [](DesktopSession &) {};
    // Its settings file as an earlier run left it.
    QByteArray settings = {};
};

void clickTivvet(DesktopSession &desktop, const QPoint &twips) {
    const QString window = desktop.visibleWindows(MainWindowPlaces::Title).value(0);
    desktop.click(MainWindowPlaces::onScreen(desktop.windowOrigin(window), twips));
    QTest::qWait(200);
}

void switchBothAlarmsOn(DesktopSession &desktop) {
    clickTivvet(desktop, MainWindowPlaces::At::Option1);
    clickTivvet(desktop, MainWindowPlaces::At::Option3);
}

// A one-second countdown to its end: the sound library stays loaded from then on.
void playTheFirstAlert(DesktopSession &desktop) {
    clickTivvet(desktop, MainWindowPlaces::At::txtSeconds);
    desktop.type(u"1"_s);
    clickTivvet(desktop, MainWindowPlaces::At::FlatBttnStart);
    QTest::qWait(3000);
}

// Alarm I switched on for the present minute goes off at once; its notification's Snooze sets it
// for ten minutes on, after the idle spell.
void snoozeAnAlarm(DesktopSession &desktop) {
    const QTime now = QTime::currentTime();
    const int hour = now.hour() % 12 == 0 ? 12 : now.hour() % 12;
    for (const auto &[field, text] :
         {std::pair{MainWindowPlaces::At::txtHour, QString::number(hour).rightJustified(2, u'0')},
          std::pair{MainWindowPlaces::At::txtMinute, now.toString(u"mm"_s)},
          std::pair{MainWindowPlaces::At::txtAmPm, now.hour() < 12 ? u"am"_s : u"pm"_s}}) {
        clickTivvet(desktop, field);
        desktop.type(text);
    }
    clickTivvet(desktop, MainWindowPlaces::At::Option1);
    QTest::qWait(3000);
    // The notification server numbers its notifications from 1, one a Notify.
    QFile log(qEnvironmentVariable("XDG_RUNTIME_DIR") + u"/notifications.log"_s);
    const qsizetype id = log.open(QIODevice::ReadOnly) ? log.readAll().count("Notify ") : 0;
    desktop.run(u"gdbus"_s, {u"call"_s, u"--session"_s, u"--dest"_s, u"org.freedesktop.Notifications"_s,
                             u"--object-path"_s, u"/org/freedesktop/Notifications"_s, u"--method"_s,
                             u"org.freedesktop.DBus.Mock.EmitSignal"_s, u"org.freedesktop.Notifications"_s,
                             u"ActionInvoked"_s, u"us"_s, u"[<uint32 %1>, <'snooze'>]"_s.arg(id)});
}

// An hour's countdown running while the window is in the tray, which the tip tells of.
void countInTheTray(DesktopSession &desktop) {
    clickTivvet(desktop, MainWindowPlaces::At::txtHours);
    desktop.type(u"1"_s);
    clickTivvet(desktop, MainWindowPlaces::At::FlatBttnStart);
    desktop.run(u"xdotool"_s,
                {u"windowminimize"_s, desktop.visibleWindows(MainWindowPlaces::Title).value(0)});
}

// Both alarms kept on at the end of the run before, for six and seven hours on.
QByteArray keptAlarms() {
    const QDateTime now = QDateTime::currentDateTime();
    QByteArray settings = "[ControlSettings]\nCheckKeepValue=1\n";
    for (int alarm = 1; alarm <= 2; ++alarm)
        settings += u"[Alarm%1Settings]\nTime=%2\nOn=1\nOnSince=%3\n"_s.arg(alarm)
                        .arg(now.time().addSecs(3600 * (5 + alarm)).msecsSinceStartOfDay() / 60000 * 60)
                        .arg(now.toSecsSinceEpoch())
                        .toLatin1();
    return settings;
}

// With "ring until seen", a one-second countdown to its end: the idle spell hears it ring.
void ringUnanswered(DesktopSession &desktop) {
    clickTivvet(desktop, MainWindowPlaces::At::FlatBttnAlarm1);
    clickTivvet(desktop, MainWindowPlaces::At::CheckRepeat);
    playTheFirstAlert(desktop);
}

struct Result {
    QString name;
    std::vector<double> startups; // ms
    double rssMb = 0, pssMb = 0, cpuPercent = 0, wakeupsPerSecond = 0;
};

// Milliseconds from starting the program to the first top-level window mapped on the display.
double timeToFirstMap(DesktopSession &desktop, const Program &program, const QProcessEnvironment &environment,
                      QProcess &process) {
    Display *display = XOpenDisplay(desktop.environment().value(u"DISPLAY"_s).toLatin1().constData());
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.startCommand(program.command);
    double mappedAfter = -1;
    while (mappedAfter < 0 && clock.elapsed() < 30000) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && mappedAfter < 0)
                mappedAfter = double(clock.nsecsElapsed()) / 1e6;
        }
        usleep(200);
    }
    XCloseDisplay(display);
    return mappedAfter;
}

void stop(QProcess &process) {
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
}

// Time on a processor (from the scheduler, in ns, not sampled at clock ticks) and context
// switches, so far or between two readings.
struct Usage {
    qint64 runtimeNs = 0;
    qint64 switches = 0;
};

// By live thread.
QHash<QString, Usage> usageByThread(qint64 pid) {
    QHash<QString, Usage> threads;
    for (const QString &task :
         QDir(u"/proc/%1/task"_s.arg(pid)).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        Usage &thread = threads[task];
        QFile schedstat(u"/proc/%1/task/%2/schedstat"_s.arg(pid).arg(task));
        if (schedstat.open(QIODevice::ReadOnly))
            thread.runtimeNs = schedstat.readAll().split(' ').first().toLongLong();
        QFile status(u"/proc/%1/task/%2/status"_s.arg(pid).arg(task));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray &line : status.readAll().split('\n'))
                if (line.contains("ctxt_switches:"))
                    thread.switches += line.split(':').last().trimmed().toLongLong();
    }
    return threads;
}

// A thread born between the readings counts whole; one born and ended between them is missed.
Usage usageBetween(const QHash<QString, Usage> &before, const QHash<QString, Usage> &after) {
    Usage total;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const Usage earlier = before.value(it.key());
        total.runtimeNs += it->runtimeNs - earlier.runtimeNs;
        total.switches += it->switches - earlier.switches;
    }
    return total;
}

// Warm start-ups of each program, taken in turns so that a slower spell of the machine falls on all
// alike; the first round warms the caches and is not counted.
void measureStartups(DesktopSession &desktop, const std::vector<Program> &programs,
                     const std::vector<QProcessEnvironment> &environments, int rounds,
                     std::vector<Result> &results) {
    for (int round = 0; round <= rounds; ++round)
        for (std::size_t i = 0; i < programs.size(); ++i) {
            QProcess process;
            const double ms = timeToFirstMap(desktop, programs[i], environments[i], process);
            if (round > 0)
                results[i].startups.push_back(ms);
            QTest::qWait(300);
            stop(process);
        }
    for (Result &result : results)
        std::sort(result.startups.begin(), result.startups.end());
}

// Memory 10 s after start, then processor time and wake-ups while idle.
void measureResting(DesktopSession &desktop, const Program &program, const QProcessEnvironment &environment,
                    int idleSeconds, Result &result) {
    QProcess process;
    timeToFirstMap(desktop, program, environment, process);
    QTest::qWait(2000);
    program.prepare(desktop);
    QTest::qWait(8000);
    result.rssMb = rollupKb(process.processId(), "Rss:") / 1024;
    result.pssMb = rollupKb(process.processId(), "Pss:") / 1024;
    const QHash<QString, Usage> before = usageByThread(process.processId());
    QTest::qWait(idleSeconds * 1000);
    const Usage idle = usageBetween(before, usageByThread(process.processId()));
    result.cpuPercent = 100.0 * double(idle.runtimeNs) / 1e9 / idleSeconds;
    result.wakeupsPerSecond = double(idle.switches) / idleSeconds;
    stop(process);
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Measures Tivvet beside the floor for a Qt program and its peers."_s);
    parser.addHelpOption();
    parser.addOption({u"tivvet"_s, u"The program to measure."_s, u"path"_s});
    parser.addOption({u"floor"_s, u"The minimal Qt program."_s, u"path"_s});
    parser.addOption({u"peers"_s, u"Also measure gnome-clocks and ktimer when installed."_s});
    parser.addOption({u"idle"_s, u"Seconds of idle measurement."_s, u"N"_s, u"60"_s});
    parser.addOption({u"startups"_s, u"Start-ups measured of each program."_s, u"N"_s, u"7"_s});
    parser.process(app);

    std::vector<Program> programs{{u"floor (Qt)"_s, parser.value(u"floor"_s)},
                                  {u"floor, text"_s, parser.value(u"floor"_s) + u" --text"_s},
                                  {u"Tivvet"_s, parser.value(u"tivvet"_s)}};
    programs.push_back({u"Tivvet alarms"_s, parser.value(u"tivvet"_s), switchBothAlarmsOn});
    programs.push_back({u"Tivvet alerted"_s, parser.value(u"tivvet"_s), playTheFirstAlert});
    programs.push_back({u"Tivvet snoozed"_s, parser.value(u"tivvet"_s), snoozeAnAlarm});
    programs.push_back({u"Tivvet ringing"_s, parser.value(u"tivvet"_s), ringUnanswered});
    programs.push_back({u"Tivvet kept"_s, parser.value(u"tivvet"_s), [](DesktopSession &) {}, keptAlarms()});
    programs.push_back({u"Tivvet in tray"_s, parser.value(u"tivvet"_s), countInTheTray});
    if (parser.isSet(u"peers"_s))
        for (const char *peer : {"gnome-clocks", "ktimer"})
            if (!QStandardPaths::findExecutable(QLatin1StringView(peer)).isEmpty())
                programs.push_back({QLatin1StringView(peer), QLatin1StringView(peer)});

    DesktopSession desktop;
    if (!desktop.start()) {
        std::fprintf(stderr, "the private desktop did not start\n");
        return 1;
    }
    // The desktop's sound server, so that the alert's sound plays and its library stays loaded.
    const QString pulse = desktop.environment().value(u"XDG_RUNTIME_DIR"_s);
    QTemporaryDir homes;
    // A session's runtime folder is in memory, as the login manager makes it: a lock file there
    // costs no write to disk.
    QTemporaryDir runtime(u"/dev/shm/tivvet-bench-XXXXXX"_s);
    std::vector<QProcessEnvironment> environments;
    std::vector<Result> results;
    for (const Program &program : programs) {
        const QString home = homes.filePath(QString::number(results.size()));
        QProcessEnvironment environment = desktop.environmentWithHome(home);
        if (!program.settings.isEmpty() && QDir().mkpath(home + u"/.config/Tivvet"_s)) {
            QFile settings(home + u"/.config/Tivvet/Tivvet.ini"_s);
            if (settings.open(QIODevice::WriteOnly))
                settings.write(program.settings);
        }
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.isValid() ? runtime.path() : pulse);
        environment.insert(u"PULSE_SERVER"_s, u"unix:"_s + pulse + u"/pulse/native"_s);
        environment.insert(u"SDL_AUDIODRIVER"_s, u"pulseaudio"_s);
        environments.push_back(environment);
        results.push_back({program.name, {}});
    }
    measureStartups(desktop, programs, environments, parser.value(u"startups"_s).toInt(), results);
    std::printf("%-14s %22s %9s %9s %9s %12s\n", "program", "start-up ms (min-max)", "RSS MB", "PSS MB",
                "CPU %", "wake-ups/s");
    for (std::size_t i = 0; i < programs.size(); ++i) {
        Result &r = results[i];
        measureResting(desktop, programs[i], environments[i], parser.value(u"idle"_s).toInt(), r);
        std::printf("%-14s %7.1f (%5.1f-%6.1f) %9.1f %9.1f %9.3f %12.2f\n", qPrintable(r.name),
                    r.startups[r.startups.size() / 2], r.startups.front(), r.startups.back(), r.rssMb,
                    r.pssMb, r.cpuPercent, r.wakeupsPerSecond);
        std::fflush(stdout);
    }
    return 0;
}
