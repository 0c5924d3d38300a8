#include "sound/SdlSoundPlayer.h"

#include "platform/RegularFile.h"
#include "sound/AudioLibraries.h"
#include "sound/PulseCheck.h"
#include "sound/SoundStream.h"

#include <QCoreApplication>
#include <QResource>

#include <atomic>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

using namespace std::chrono;
using namespace Qt::StringLiterals;

namespace {

constexpr SoundStream::Output Output{AUDIO_F32SYS, 2, 48000};
// Some 20 ms: the first sample is heard soon after play.
constexpr Uint16 DeviceFrames = 1024;
// After the last samples were handed over, the device and the sound server still play them.
constexpr int PlayOutMs = 500;
// A sound server starting, restarting or busy is waited for this long; then the sound is given up.
// A device that has taken nothing for as long hangs with its server.
constexpr seconds WaitForTheServer(5);
constexpr milliseconds TryAgainAfter(200);
// Between the plays of a sound that repeats.
constexpr int SecondOfSilence = Output.rate * Output.channels * int(sizeof(float));

} // namespace

// The way from the device's threads back to the player, which they may outlive.
struct SdlSoundPlayer::Link {
    std::mutex mutex;
    SdlSoundPlayer *player = nullptr;

    // Runs the work on the player's thread, unless the player is gone by then.
    void post(std::function<void(SdlSoundPlayer &)> work) {
        const std::lock_guard lock(mutex);
        if (player)
            QMetaObject::invokeMethod(
                player, [player = player, work = std::move(work)] { work(*player); }, Qt::QueuedConnection);
    }
};

// A sound device and the sound it plays, opened and closed on the player's job thread and fed on
// SDL's own; kept for as long as any of them needs it.
struct SdlSoundPlayer::Device : std::enable_shared_from_this<Device> {
    Device(std::shared_ptr<AudioLibraries> audio, std::shared_ptr<Link> link, JobThread jobs)
        : audio(std::move(audio))
        , link(std::move(link))
        , jobs(std::move(jobs)) {}

    const std::shared_ptr<AudioLibraries> audio;
    const std::shared_ptr<Link> link;
    JobThread jobs;
    SDL_AudioDeviceID id = 0;
    // The rest is shared with the threads. The sound is handed over even while the device opens,
    // so that its first samples are the first played.
    std::mutex mutex;
    std::unique_ptr<SoundStream> playing;
    std::deque<std::unique_ptr<SoundStream>> following; // each played once the one before ends
    steady_clock::time_point deadline;                  // until which the device is worth opening for it
    bool heard = false;                                 // its first samples taken
    bool ended = false;
    std::atomic<steady_clock::time_point> lastTaken;
    bool muted = false;
    std::shared_ptr<Device> retired; // itself, once muted, until SDL calls it again
    // Why it could not be opened, at the last try, in SDL's words where SDL failed.
    Failure failure = Failure::NoServer;
    QString reason;

    // Returns the sound cut off, to be let go outside the lock, as those that were to follow it are.
    std::unique_ptr<SoundStream> swap(std::unique_ptr<SoundStream> sound, steady_clock::time_point until) {
        std::deque<std::unique_ptr<SoundStream>> cutOff;
        const std::lock_guard lock(mutex);
        cutOff.swap(following);
        ended = heard = false;
        deadline = until;
        playing.swap(sound);
        return sound;
    }
    // Played once the sound playing ends; returned when none plays, to be played as any other.
    std::unique_ptr<SoundStream> follow(std::unique_ptr<SoundStream> sound) {
        const std::lock_guard lock(mutex);
        if (!playing || ended)
            return sound;
        playing->endRepeat();
        following.push_back(std::move(sound));
        return nullptr;
    }
    // The sound, unless it has been heard; none follows it then.
    std::unique_ptr<SoundStream> takeWaiting() {
        std::deque<std::unique_ptr<SoundStream>> dropped;
        const std::lock_guard lock(mutex);
        deadline = {};
        dropped.swap(following);
        return heard ? nullptr : std::move(playing);
    }
    // The sounds are let go once the lock is.
    void stop() {
        std::unique_ptr<SoundStream> cutOff;
        std::deque<std::unique_ptr<SoundStream>> dropped;
        const std::lock_guard lock(mutex);
        deadline = {};
        cutOff.swap(playing);
        dropped.swap(following);
    }
    bool holdsWaiting() {
        const std::lock_guard lock(mutex);
        return playing && !heard;
    }
    bool hasEnded() {
        const std::lock_guard lock(mutex);
        return ended;
    }
    // When a sound it holds will have waited too long for it to take more; never when it holds none.
    steady_clock::time_point hangsAt() {
        const std::lock_guard lock(mutex);
        return playing && !ended ? lastTaken.load() + WaitForTheServer : steady_clock::time_point::max();
    }
    // Muted and left to be closed when SDL next calls it; returns the sound unless it has been heard.
    std::unique_ptr<SoundStream> retire() {
        const std::lock_guard lock(mutex);
        muted = true;
        retired = shared_from_this();
        return heard ? nullptr : std::move(playing);
    }
    std::pair<Failure, QString> whyNot() {
        const std::lock_guard lock(mutex);
        return {failure, reason};
    }
    bool failed(Failure why, const QString &words = QString()) {
        const std::lock_guard lock(mutex);
        failure = why;
        reason = words;
        return false;
    }
    steady_clock::time_point waitedFor() {
        const std::lock_guard lock(mutex);
        return deadline;
    }
    // Whether too little is left of the sound's wait for a try that takes this long; the sound is
    // then let go, so that one handed over later is known to have had no try.
    bool givenUp(milliseconds tryTakes) {
        const std::lock_guard lock(mutex);
        if (steady_clock::now() + tryTakes < deadline)
            return false;
        playing.reset();
        return true;
    }

    // Tried again until the server answers, for as long as the sound waits.
    bool open() {
        if (givenUp(0ms))
            return false;
        // The last try is given the time an answer takes.
        while (!tryOpen(waitedFor())) {
            if (givenUp(TryAgainAfter * 2))
                return false;
            std::this_thread::sleep_for(TryAgainAfter);
        }
        return true;
    }

    bool tryOpen(steady_clock::time_point until) {
        const PulseCheck::Answer answer = PulseCheck::ask(until);
        if (answer == PulseCheck::Answer::NoAnswer)
            return failed(Failure::NoServer);
        if (answer == PulseCheck::Answer::NoDevice)
            return failed(Failure::NoDevice);
        // Nor is SDL asked for a sound given up meanwhile: its open would wait for a server that
        // stopped after answering, and with it every other call into SDL.
        if (steady_clock::now() >= waitedFor())
            return false;
        audio->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        const bool initialised = audio->InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (initialised) {
            SDL_AudioSpec wanted{};
            wanted.freq = Output.rate;
            wanted.format = Output.format;
            wanted.channels = Uint8(Output.channels);
            wanted.samples = DeviceFrames;
            wanted.callback = fill;
            wanted.userdata = this;
            id = audio->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
            if (id != 0) {
                lastTaken = steady_clock::now();
                audio->PauseAudioDevice(id, 0);
                return true;
            }
        }
        const QString error = QString::fromUtf8(audio->GetError());
        if (initialised)
            audio->QuitSubSystem(SDL_INIT_AUDIO);
        return failed(answer == PulseCheck::Answer::CanPlay ? Failure::NoDevice : Failure::NoServer, error);
    }

    void close() {
        if (id == 0)
            return;
        audio->CloseAudioDevice(id);
        audio->QuitSubSystem(SDL_INIT_AUDIO);
    }
};

SdlSoundPlayer::SdlSoundPlayer()
    : m_link(std::make_shared<Link>()) {
    m_link->player = this;
    m_watch.setSingleShot(true);
    m_watch.setTimerType(Qt::PreciseTimer); // a coarse one may come a quarter second late
    connect(&m_watch, &QTimer::timeout, this, &SdlSoundPlayer::watch);
    m_closing.setSingleShot(true);
    m_closing.setInterval(PlayOutMs);
    connect(&m_closing, &QTimer::timeout, this, &SdlSoundPlayer::closeIfEnded);
}

SdlSoundPlayer::~SdlSoundPlayer() {
    {
        const std::lock_guard lock(m_link->mutex);
        m_link->player = nullptr;
    }
    if (m_device)
        closeDevice();
}

bool SdlSoundPlayer::play(const QString &path, How how, Failed failed) {
    if (!loadLibraries()) {
        m_failed = std::move(failed);
        QMetaObject::invokeMethod(
            this, [this] { tell(Failure::NoLibrary, m_libraryError); }, Qt::QueuedConnection);
        return true;
    }
    std::unique_ptr<SoundStream> sound = openSound(path);
    // The default sound is built in, so that it is there even when no file is.
    if (!sound && how.orDefault)
        sound = SoundStream::open(*m_audio, QResource(u":/tivvet.wav"_s).uncompressedData(), Output);
    if (!sound)
        return false;
    if (how.repeat)
        sound->repeatAfter(SecondOfSilence);
    m_closing.stop();
    if (how.afterPlaying && m_device) {
        sound = m_device->follow(std::move(sound));
        if (!sound) {
            // Told with the sound it follows: they play on one device, or on none.
            m_failed = [before = std::move(m_failed), failed = std::move(failed)](Failure failure) {
                if (before)
                    before(failure);
                if (failed)
                    failed(failure);
            };
            return true;
        }
    }
    m_failed = std::move(failed);
    m_deadline = steady_clock::now() + WaitForTheServer;
    if (!m_device)
        openDevice();
    m_device->swap(std::move(sound), m_deadline);
    if (!m_opening)
        reopenIfStopped();
    watch();
    return true;
}

// Whatever its device does: opening, playing or hung. Once it has taken the silence that follows,
// the device is closed as after any sound.
void SdlSoundPlayer::stop() {
    if (m_device)
        m_device->stop();
    m_failed = nullptr;
}

// Tried once a run: a library missing stays missing.
bool SdlSoundPlayer::loadLibraries() {
    if (!m_audio && m_libraryError.isEmpty())
        m_audio = AudioLibraries::load(m_libraryError);
    return m_audio != nullptr;
}

std::unique_ptr<SoundStream> SdlSoundPlayer::openSound(const QString &path) const {
    const int descriptor = path.isEmpty() ? -1 : openRegularDescriptor(path);
    return descriptor < 0 ? nullptr : SoundStream::open(*m_audio, descriptor, Output);
}

void SdlSoundPlayer::openDevice() {
    m_opening = true;
    m_device = std::make_shared<Device>(m_audio, m_link, m_jobs);
    m_jobs.run([device = m_device] {
        const bool opened = device->open();
        device->link->post([opened](SdlSoundPlayer &player) { player.deviceOpened(opened); });
    });
}

// A sound played after the device was given up is given a device of its own.
void SdlSoundPlayer::deviceOpened(bool opened) {
    m_opening = false;
    if (opened) {
        reopenIfStopped();
        return;
    }
    const std::shared_ptr<Device> failed = std::exchange(m_device, nullptr);
    if (carry(failed->takeWaiting()))
        return;
    const auto [failure, reason] = failed->whyNot();
    tell(failure, reason);
}

// A device whose server went away or restarted plays no more. Its state is read without a lock,
// so even while a call into SDL hangs.
void SdlSoundPlayer::reopenIfStopped() {
    if (m_audio->GetAudioDeviceStatus(m_device->id) == SDL_AUDIO_STOPPED)
        retire();
}

// Closing a device waits for its audio thread, which may wait for a server that hangs: the device
// is muted instead, and closed once SDL calls it again. A sound not heard yet goes to a new device;
// one partly heard is cut off.
void SdlSoundPlayer::retire() {
    carry(std::exchange(m_device, nullptr)->retire());
}

// The last sound, not heard yet, to a new device.
bool SdlSoundPlayer::carry(std::unique_ptr<SoundStream> sound) {
    if (!sound)
        return false;
    openDevice();
    m_device->swap(std::move(sound), m_deadline);
    return true;
}

// At the last sound's deadline, and while a device holds a sound, when it would have taken nothing
// for too long.
void SdlSoundPlayer::watch() {
    const steady_clock::time_point now = steady_clock::now();
    if (m_device && !m_opening && m_device->hangsAt() <= now)
        retire();
    if (!waiting())
        m_failed = nullptr; // heard, or gone with its device
    const bool givenUp = waiting() && now >= m_deadline;
    if (givenUp)
        m_device->takeWaiting();
    steady_clock::time_point next =
        m_device && !m_opening ? m_device->hangsAt() : steady_clock::time_point::max();
    if (waiting())
        next = std::min(next, m_deadline);
    if (next != steady_clock::time_point::max())
        m_watch.start(std::max(ceil<milliseconds>(next - now), 0ms));
    if (givenUp) {
        const auto [failure, reason] = m_device->whyNot();
        tell(failure, reason);
    }
}

bool SdlSoundPlayer::waiting() const {
    return m_failed && m_device && m_device->holdsWaiting();
}

// Told once the player's state is settled, so that the one told may play again at once. The
// reason, the library's or SDL's own words, goes to standard error once a run.
void SdlSoundPlayer::tell(Failure failure, const QString &reason) {
    if (!reason.isEmpty() && !std::exchange(m_reasonTold, true))
        //: On standard error, before the sound library's or sound system's own words (in English).
        qWarning().noquote() << QCoreApplication::translate("SdlSoundPlayer",
                                                            "tivvet: no sound can be played: %1")
                                    .arg(reason);
    if (const Failed failed = std::exchange(m_failed, nullptr))
        failed(failure);
}

// On SDL's audio thread: the sound, then silence until the device is closed. SDL goes on calling a
// device whose server went away: it takes nothing then, and its sound waits for another device.
void SdlSoundPlayer::fill(void *device, uint8_t *into, int size) {
    auto &self = *static_cast<Device *>(device);
    const std::lock_guard lock(self.mutex);
    if (self.muted || self.audio->GetAudioDeviceStatus(self.id) != SDL_AUDIO_PLAYING) {
        std::memset(into, 0, size_t(size));
        if (self.retired)
            self.jobs.run([retired = std::move(self.retired)] { retired->close(); });
        return;
    }
    self.lastTaken = steady_clock::now();
    int filled = self.playing ? self.playing->read(into, size) : 0;
    while (filled < size && !self.following.empty()) {
        self.playing = std::move(self.following.front());
        self.following.pop_front();
        filled += self.playing->read(into + filled, size - filled);
    }
    self.heard = self.heard || filled > 0;
    if (filled >= size)
        return;
    std::memset(into + filled, 0, size_t(size - filled));
    if (!std::exchange(self.ended, true))
        self.link->post([](SdlSoundPlayer &player) { player.m_closing.start(); });
}

void SdlSoundPlayer::closeIfEnded() {
    if (m_device && !m_opening && m_device->hasEnded())
        closeDevice();
}

// Closing waits for SDL's audio thread, which waits for the server: it is done on the job thread,
// after an opening still under way.
void SdlSoundPlayer::closeDevice() {
    m_jobs.run([device = std::exchange(m_device, nullptr)] { device->close(); });
}
