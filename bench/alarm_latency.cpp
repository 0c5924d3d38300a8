// Switches an alarm on for the next minute, with the real clock and timers, and measures how many
// milliseconds after the minute began the alarm's sound call came.
#include "BenchAlerts.h"
#include "alarms/Alarm.h"
#include "alarms/AlarmCheck.h"
#include "alerts/AlertOptions.h"
#include "core/ClockText.h"
#include "platform/Clock.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The moment the next minute of the real clock begins.
QDateTime nextMinute() {
    QDateTime now = QDateTime::currentDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute()));
    return now.addSecs(60);
}

// Switches the alarm on for the next minute and waits for it to go off.
qint64 measureOnce(Alarm &alarm, BenchAlerts &alerts) {
    const QDateTime minute = nextMinute();
    const QString time = ClockText::hhnnAmPm(minute.time().msecsSinceStartOfDay() / 1000);
    QEventLoop loop;
    qint64 lateBy = 0;
    alerts.onSound = [&] {
        lateBy = minute.msecsTo(QDateTime::currentDateTime());
        loop.quit();
    };
    alarm.switchOn({time.first(2), time.mid(3, 2), time.last(2)});
    loop.exec();
    return lateBy;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Measures how soon after its minute begins an alarm goes off."_s);
    parser.addHelpOption();
    parser.addOption({u"minutes"_s, u"How many minutes to measure."_s, u"N"_s, u"1"_s});
    parser.process(app);
    const int minutes = std::max(1, parser.value(u"minutes"_s).toInt());

    SystemClock clock;
    AlertOptions options;
    BenchAlerts alerts;
    Alarm alarm(u"Alarm I"_s, options, alerts, clock);
    // As the main window checks its alarms.
    QObject::connect(&clock, &Clock::minuteChanged, &alarm,
                     [&alarm] { AlarmCheck::goOffInTimeOrder({&alarm.check()}); });

    std::vector<qint64> latencies;
    for (int run = 0; run < minutes; ++run) {
        latencies.push_back(measureOnce(alarm, alerts));
        std::printf("minute %d  alarm sound %lld ms after the minute began\n", run + 1,
                    static_cast<long long>(latencies.back()));
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("median %lld ms, worst %lld ms over %d minutes\n",
                static_cast<long long>(latencies[latencies.size() / 2]),
                static_cast<long long>(latencies.back()), minutes);
    return 0;
}
