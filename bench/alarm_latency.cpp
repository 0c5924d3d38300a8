// Switches an alarm on for the next minute, with the real clock and timers, and measures how many
// milliseconds after the minute began the alarm's sound call came.
#include "AlarmTime.h"
#include "FakePlatform.h"
#include "alarms/AlarmClock.h"
#include "app/frmTivvet.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QEventLoop>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Sets Alarm I for the next minute, switches it on and waits for it to go off.
qint64 measureOnce(frmTivvet &window, FakePlatform &platform) {
    const QDateTime minute = AlarmTime::nextMinute();
    AlarmTime::set(*window.alarm1, AlarmTime::secondOfDay(minute));

    QEventLoop loop;
    qint64 lateBy = 0;
    platform.onPlay = [&] {
        lateBy = minute.msecsTo(QDateTime::currentDateTime());
        loop.quit();
    };
    window.alarm1->Option1->click();
    loop.exec();
    return lateBy;
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Measures how soon after its minute begins an alarm goes off."_s);
    parser.addHelpOption();
    parser.addOption({u"minutes"_s, u"How many minutes to measure."_s, u"N"_s, u"1"_s});
    parser.process(app);
    const int minutes = std::max(1, parser.value(u"minutes"_s).toInt());

    FakePlatform platform;
    SystemClock clock;
    frmTivvet window(platform.servicesWith(clock));
    window.Form_Load();

    std::vector<qint64> latencies;
    for (int run = 0; run < minutes; ++run) {
        latencies.push_back(measureOnce(window, platform));
        std::printf("minute %d  alarm sound %lld ms after the minute began\n", run + 1,
                    static_cast<long long>(latencies.back()));
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("median %lld ms, worst %lld ms over %d minutes\n",
                static_cast<long long>(latencies[latencies.size() / 2]),
                static_cast<long long>(latencies.back()), minutes);
    return 0;
}
