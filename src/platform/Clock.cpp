#include "platform/Clock.h"

#include <QFileSystemWatcher>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
constexpr qint64 NanosecondsPerSecond = 1'000'000'000;
constexpr qint64 MillisecondsPerMinute = 60'000;
constexpr int MillisecondsPastTheMinute = 5;
constexpr time_t ClockSetWatchSeconds = 10 * 365 * 24 * 3600;
} // namespace

// The minute is waited for on the monotonic clock; the kernel tells of a clock set, which it also
// reports when the computer resumes from sleep, by cancelling a wall-clock timer armed for a
// moment far ahead.
SystemClock::SystemClock()
    : m_clockSet(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {
    m_minute.setTimerType(Qt::PreciseTimer);
    m_minute.setSingleShot(true);
    connect(&m_minute, &QTimer::timeout, this, &SystemClock::minuteBegan);
    armForNextMinute();
    watchClockSet();
    watchTimeZone();
}

SystemClock::~SystemClock() {
    if (m_clockSet >= 0)
        close(m_clockSet);
}

qint64 SystemClock::nsecsPassed() const {
    timespec time{};
    clock_gettime(CLOCK_BOOTTIME, &time);
    return time.tv_sec * NanosecondsPerSecond + time.tv_nsec;
}

// Time zones differ by whole minutes, so the start of a minute is the same moment in any zone.
// A little past it, so that the new minute is there to be read.
void SystemClock::armForNextMinute() {
    m_minute.start(int(MillisecondsPerMinute - msecsSinceEpoch() % MillisecondsPerMinute) +
                   MillisecondsPastTheMinute);
}

void SystemClock::minuteBegan() {
    armForNextMinute();
    Q_EMIT minuteChanged();
}

void SystemClock::watchClockSet() {
    if (m_clockSet < 0 || !armClockSetWatch()) {
        qWarning("The clock is not watched: a clock set shows at the next minute.");
        return;
    }
    auto *notifier = new QSocketNotifier(m_clockSet, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        std::uint64_t expirations = 0;
        // Fails with ECANCELED, which is the news; the timer is armed again either way.
        if (read(m_clockSet, &expirations, sizeof expirations) < 0 && errno == EAGAIN)
            return;
        armClockSetWatch();
        minuteBegan();
    });
}

bool SystemClock::armClockSetWatch() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    itimerspec farAhead{};
    farAhead.it_value.tv_sec = now.tv_sec + ClockSetWatchSeconds;
    return timerfd_settime(m_clockSet, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &farAhead, nullptr) == 0;
}

// A new zone replaces the /etc/localtime link, a package update rewrites the file it names.
void SystemClock::watchTimeZone() {
    auto *watcher = new QFileSystemWatcher({u"/etc"_s, u"/etc/localtime"_s}, this);
    const auto zoneMayHaveChanged = [this, watcher] {
        if (!watcher->files().contains(u"/etc/localtime"_s))
            watcher->addPath(u"/etc/localtime"_s);
        minuteBegan();
    };
    connect(watcher, &QFileSystemWatcher::fileChanged, this, zoneMayHaveChanged);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, zoneMayHaveChanged);
}
