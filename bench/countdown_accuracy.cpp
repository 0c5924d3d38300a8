// Runs real countdowns through the real tick source and handler, and measures how far from the
// entered time the expiry's sound call comes, for the 1000 ms pace and, for comparison, 995 ms.
#include "BenchAlerts.h"
#include "FakePlatform.h"
#include "alerts/AlertOptions.h"
#include "countdown/Countdown.h"
#include "platform/SOTimer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// One countdown of the given length; returns the error of its expiry in milliseconds.
double runCountdown(int seconds, int interval) {
    FakePlatform time;
    AlertOptions options;
    BenchAlerts alerts;
    Countdown countdown(time, options, alerts);
    countdown.findChild<SOTimer *>()->setInterval(interval);
    countdown.setEntered(qint16(seconds / 3600), qint16(seconds / 60 % 60), qint16(seconds % 60));

    QEventLoop loop;
    QElapsedTimer clock;
    qint64 expiredAt = 0;
    alerts.onSound = [&] {
        expiredAt = clock.nsecsElapsed();
        loop.quit();
    };
    clock.start();
    countdown.start();
    loop.exec();
    return double(expiredAt) / 1e6 - seconds * 1000.0;
}

void report(const char *pace, std::vector<double> errors) {
    for (size_t run = 0; run < errors.size(); ++run)
        std::printf("%-16s run %zu  error %+8.1f ms\n", pace, run + 1, errors[run]);
    std::sort(errors.begin(), errors.end());
    const double worst = std::abs(errors.front()) > std::abs(errors.back()) ? errors.front() : errors.back();
    std::printf("%-16s median %+8.1f ms, worst %+8.1f ms\n\n", pace, errors[errors.size() / 2], worst);
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Measures the countdown's expiry against real time."_s);
    parser.addHelpOption();
    parser.addOption({u"seconds"_s, u"Length of each countdown."_s, u"N"_s, u"10"_s});
    parser.addOption({u"runs"_s, u"Countdowns per pace."_s, u"K"_s, u"3"_s});
    parser.process(app);
    const int seconds = std::max(1, parser.value(u"seconds"_s).toInt());
    const int runs = std::max(1, parser.value(u"runs"_s).toInt());

    std::printf("%d countdowns of %d s per pace\n\n", runs, seconds);
    for (const auto &[pace, interval] : {std::pair{"1000 ms (ours)", 1000}, std::pair{"995 ms (old)", 995}}) {
        std::vector<double> errors;
        for (int run = 0; run < runs; ++run)
            errors.push_back(runCountdown(seconds, interval));
        report(pace, errors);
    }
    return 0;
}
