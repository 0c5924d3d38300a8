#include "sound/SdlSoundPlayer.h"

#include "platform/RegularFile.h"
#include "sound/AudioLibraries.h"
#include "sound/PulseCheck.h"
#include "sound/SoundStream.h"

#include <QFile>

#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>

using namespace std::chrono;

namespace {

constexpr SoundStream::Output Output{AUDIO_F32SYS, 2, 48000};
// Some 20 ms: the first sample is heard soon after play.
constexpr Uint16 DeviceFrames = 1024;
// After the last samples were handed over, the device and the sound server still play them.
constexpr int PlayOutMs = 500;
// A sound server starting, restarting or busy is waited for this long; then the sound is given up.
constexpr seconds WaitForTheServer(5);
constexpr milliseconds TryAgainAfter(200);

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
struct SdlSoundPlayer::Device {
    std::shared_ptr<AudioLibraries> audio;
    std::shared_ptr<Link> link;
    SDL_AudioDeviceID id = 0;
    // The sound, handed over even while the device opens, so that its first samples are the first
    // played; read on SDL's audio thread too.
    std::mutex mutex;
    std::unique_ptr<SoundStream> playing;
    bool ended = false;

    // Returns the sound cut off, to be let go outside the lock.
    std::unique_ptr<SoundStream> swap(std::unique_ptr<SoundStream> sound) {
        const std::lock_guard lock(mutex);
        ended = false;
        playing.swap(sound);
        return sound;
    }
    bool hasEnded() {
        const std::lock_guard lock(mutex);
        return ended;
    }

    // Tried again until the server answers, for a few seconds at most.
    std::optional<Failure> open() {
        const steady_clock::time_point deadline = steady_clock::now() + WaitForTheServer;
        for (;;) {
            const std::optional<Failure> failure = tryOpen(deadline);
            // The last try is given the time an answer takes.
            if (!failure || steady_clock::now() + TryAgainAfter * 2 > deadline)
                return failure;
            std::this_thread::sleep_for(TryAgainAfter);
        }
    }

    std::optional<Failure> tryOpen(steady_clock::time_point deadline) {
        const PulseCheck::Answer answer = PulseCheck::ask(deadline);
        if (answer == PulseCheck::Answer::NoAnswer)
            return Failure::NoServer;
        if (answer == PulseCheck::Answer::NoDevice)
            return Failure::NoDevice;
        audio->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (audio->InitSubSystem(SDL_INIT_AUDIO) == 0) {
            SDL_AudioSpec wanted{};
            wanted.freq = Output.rate;
            wanted.format = Output.format;
            wanted.channels = Uint8(Output.channels);
            wanted.samples = DeviceFrames;
            wanted.callback = fill;
            wanted.userdata = this;
            id = audio->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
            if (id != 0) {
                audio->PauseAudioDevice(id, 0);
                return std::nullopt;
            }
            audio->QuitSubSystem(SDL_INIT_AUDIO);
        }
        return answer == PulseCheck::Answer::CanPlay ? Failure::NoDevice : Failure::NoServer;
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

bool SdlSoundPlayer::play(const QString &path, int flags, Failed failed) {
    if (!m_audio)
        m_audio = AudioLibraries::load();
    if (!m_audio) {
        if (failed)
            failed(Failure::NoDevice);
        return true;
    }
    std::unique_ptr<SoundStream> sound = openSound(path);
    // The default sound is built in, so that it is there even when no file is.
    if (!sound && !(flags & SND_NODEFAULT))
        sound = openSound(QStringLiteral(":/tivvet.wav"));
    if (!sound)
        return false;
    m_closing.stop();
    if (!m_device)
        openDevice();
    m_device->swap(std::move(sound));
    if (!m_opening)
        reopenIfStopped();
    m_failed = m_opening ? std::move(failed) : nullptr;
    return true;
}

// Opened, the device plays nothing, ends at once and goes again.
void SdlSoundPlayer::dropWaitingSound() {
    if (m_opening)
        m_device->swap(nullptr);
    m_failed = nullptr;
}

std::unique_ptr<SoundStream> SdlSoundPlayer::openSound(const QString &path) const {
    auto file = std::make_unique<QFile>(path);
    if (path.isEmpty() || !openRegularFile(*file).isEmpty())
        return nullptr;
    return SoundStream::open(*m_audio, std::move(file), Output);
}

void SdlSoundPlayer::openDevice() {
    m_opening = true;
    m_device = std::make_shared<Device>();
    m_device->audio = m_audio;
    m_device->link = m_link;
    m_jobs.run([device = m_device] {
        const std::optional<Failure> failure = device->open();
        device->link->post([failure](SdlSoundPlayer &player) { player.deviceOpened(failure); });
    });
}

void SdlSoundPlayer::deviceOpened(std::optional<Failure> failure) {
    m_opening = false;
    if (failure) {
        m_device.reset();
        if (const Failed failed = std::exchange(m_failed, nullptr))
            failed(*failure);
        return;
    }
    reopenIfStopped();
    if (!m_opening)
        m_failed = nullptr;
}

// A device whose server stopped or restarted is opened afresh, with its sound.
void SdlSoundPlayer::reopenIfStopped() {
    if (m_audio->GetAudioDeviceStatus(m_device->id) != SDL_AUDIO_STOPPED)
        return;
    std::unique_ptr<SoundStream> sound = m_device->swap(nullptr);
    closeDevice();
    openDevice();
    m_device->swap(std::move(sound));
}

// On SDL's audio thread: the sound, then silence until the device is closed.
void SdlSoundPlayer::fill(void *device, uint8_t *into, int size) {
    auto &self = *static_cast<Device *>(device);
    const std::lock_guard lock(self.mutex);
    const int filled = self.playing ? self.playing->read(into, size) : 0;
    std::memset(into + filled, 0, size_t(size - filled));
    if (filled < size && !self.ended) {
        self.ended = true;
        self.link->post([](SdlSoundPlayer &player) { player.m_closing.start(); });
    }
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
