// Runs the real program on a private X desktop for a while with a countdown restarted every
// minute (it expires ten seconds before the next start, so every minute also plays the alert and
// brings the window forward) and samples its resident memory every 10 s. Prints the samples and
// the growth after the first two minutes, once the sound system is loaded.
#include "DesktopSession.h"
#include "MainWindowPlaces.h"
#include "ProcessMemory.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace MainWindowPlaces;

namespace {

constexpr qint64 WarmUpMs = 120000;
constexpr qint64 SampleEveryMs = 10000;
constexpr qint64 RestartEveryMs = 60000;

void restartCountdown(const DesktopSession &desktop, const QString &window) {
    const QPoint origin = desktop.windowOrigin(window);
    desktop.click(onScreen(origin, At::txtSeconds));
    desktop.key({u"ctrl+a"_s});
    desktop.type(u"50"_s);
    desktop.click(onScreen(origin, At::FlatBttnStart));
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Soaks the real program and prints its memory growth."_s);
    parser.addHelpOption();
    parser.addOption({u"tivvet"_s, u"The program to soak."_s, u"path"_s});
    parser.addOption({u"minutes"_s, u"How long to run it."_s, u"N"_s, u"10"_s});
    parser.process(app);
    const qint64 runMs = std::max(3, parser.value(u"minutes"_s).toInt()) * 60000LL;

    DesktopSession desktop;
    if (!desktop.start()) {
        std::fprintf(stderr, "the private desktop did not start\n");
        return 1;
    }
    QTemporaryDir home;
    QProcessEnvironment environment = desktop.environmentWithHome(home.path());
    environment.insert(u"SDL_AUDIODRIVER"_s, u"dummy"_s); // the alert really plays, unheard
    QProcess tivvet;
    tivvet.setProcessEnvironment(environment);
    tivvet.start(parser.value(u"tivvet"_s), {});
    QStringList windows;
    if (!QTest::qWaitFor([&] { return !(windows = desktop.visibleWindows(Title)).isEmpty(); }, 20000)) {
        std::fprintf(stderr, "the program showed no window\n");
        return 1;
    }

    double warmRssKb = 0, highestAfterWarmUpKb = 0, lastRssKb = 0;
    QElapsedTimer clock;
    clock.start();
    for (qint64 tick = 0; tick * SampleEveryMs <= runMs; ++tick) {
        QTest::qWait(int(tick * SampleEveryMs - clock.elapsed()));
        if (tick * SampleEveryMs % RestartEveryMs == 0)
            restartCountdown(desktop, windows.first());
        lastRssKb = rollupKb(tivvet.processId(), "Rss:");
        if (lastRssKb == 0) {
            std::fprintf(stderr, "the program ended:\n%s\n", tivvet.readAllStandardError().constData());
            return 1;
        }
        if (tick * SampleEveryMs == WarmUpMs)
            warmRssKb = lastRssKb;
        if (tick * SampleEveryMs >= WarmUpMs)
            highestAfterWarmUpKb = std::max(highestAfterWarmUpKb, lastRssKb);
        std::printf("%5lld s  RSS %8.0f kB\n", tick * SampleEveryMs / 1000, lastRssKb);
        std::fflush(stdout);
    }
    std::printf("after warm-up (%lld s): growth %+.0f kB at the end, highest %+.0f kB\n", WarmUpMs / 1000,
                lastRssKb - warmRssKb, highestAfterWarmUpKb - warmRssKb);
    tivvet.terminate();
    tivvet.waitForFinished(5000);
    return 0;
}
