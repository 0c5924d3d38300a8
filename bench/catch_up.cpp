// Measures the countdown's catch-up after a long sleep: a 99-hour countdown (100:40:39) woken with
// the time of a weekend passed, and one woken after it ran out, with every notify time checked.
#include "BenchAlerts.h"
#include "FakePlatform.h"
#include "alerts/AlertOptions.h"
#include "countdown/Countdown.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Milliseconds that the tick after the sleep takes.
double catchUp(int secondsAsleep) {
    FakePlatform clock;
    AlertOptions options;
    BenchAlerts alerts;
    Countdown countdown(clock, options, alerts);
    for (const int minutes : Countdown::NotifyMinutes)
        countdown.setNotifyBefore(minutes, true);
    countdown.setEntered(99, 99, 99);
    countdown.start();
    QElapsedTimer took;
    took.start();
    countdown.tick(secondsAsleep);
    return double(took.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    for (const auto &[row, seconds] :
         {std::pair{"a weekend, 99 h left", 356400}, std::pair{"ran out", 400000}}) {
        std::vector<double> runs;
        for (int run = 0; run < 7; ++run)
            runs.push_back(catchUp(seconds));
        std::sort(runs.begin(), runs.end());
        std::printf("%-22s median %.3f ms, worst %.3f ms\n", row, runs[runs.size() / 2], runs.back());
    }
    return 0;
}
