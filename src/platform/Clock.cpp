#include "platform/Clock.h"

#include <QDebug>
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
constexpr int MillisecondsPastTheMinute = 1;

qint64 nsecsOf(clockid_t clock) {
    timespec time{};
    clock_gettime(clock, &time);
    return time.tv_sec * NanosecondsPerSecond + time.tv_nsec;
}
} // namespace

// The start of each minute comes from a wall-clock timer, which the kernel cancels when the clock
// is set and when the computer resumes from sleep; both wake the program at once.
SystemClock::SystemClock()
    : m_wallClock(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (m_wallClock >= 0 && armWallClockForNextMinute()) {
        auto *notifier = new QSocketNotifier(m_wallClock, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &SystemClock::wallClockWoke);
    } else {
        qWarning().noquote() << tr(
            "The wall clock is not watched: a clock set or a wake from sleep shows at the "
            "next minute.");
        m_fallbackMinute.setTimerType(Qt::PreciseTimer);
        m_fallbackMinute.setSingleShot(true);
        connect(&m_fallbackMinute, &QTimer::timeout, this, &SystemClock::fallbackMinuteBegan);
        armFallbackForNextMinute();
    }
    watchTimeZone();
}

SystemClock::~SystemClock() {
    if (m_wallClock >= 0)
        close(m_wallClock);
}

qint64 SystemClock::nsecsPassed() const {
    return nsecsOf(CLOCK_BOOTTIME);
}

// What CLOCK_BOOTTIME has gained on CLOCK_MONOTONIC, which stops while the computer sleeps.
qint64 SystemClock::nsecsAsleep() const {
    const qint64 awake = nsecsOf(CLOCK_MONOTONIC);
    return nsecsOf(CLOCK_BOOTTIME) - awake;
}

// Time zones differ by whole minutes, so the start of a minute is the same moment in any zone.
bool SystemClock::armWallClockForNextMinute() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    itimerspec next{};
    next.it_value.tv_sec = now.tv_sec - now.tv_sec % 60 + 60;
    return timerfd_settime(m_wallClock, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &next, nullptr) == 0;
}

void SystemClock::wallClockWoke() {
    std::uint64_t expirations = 0;
    // A clock set fails the read with ECANCELED, which is the news; the timer is armed again either way.
    if (read(m_wallClock, &expirations, sizeof expirations) < 0 && errno == EAGAIN)
        return;
    armWallClockForNextMinute();
    Q_EMIT minuteChanged();
}

// A little past the minute, so that the new minute is there to be read.
void SystemClock::armFallbackForNextMinute() {
    m_fallbackMinute.start(int(MillisecondsPerMinute - msecsSinceEpoch() % MillisecondsPerMinute) +
                           MillisecondsPastTheMinute);
}

void SystemClock::fallbackMinuteBegan() {
    armFallbackForNextMinute();
    Q_EMIT minuteChanged();
}

// A new zone replaces the /etc/localtime link, a package update rewrites the file it names.
void SystemClock::watchTimeZone() {
    auto *watcher = new QFileSystemWatcher({u"/etc"_s, u"/etc/localtime"_s}, this);
    const auto zoneMayHaveChanged = [this, watcher] {
        if (!watcher->files().contains(u"/etc/localtime"_s))
            watcher->addPath(u"/etc/localtime"_s);
        Q_EMIT minuteChanged();
    };
    connect(watcher, &QFileSystemWatcher::fileChanged, this, zoneMayHaveChanged);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, zoneMayHaveChanged);
}
