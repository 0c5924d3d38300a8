#include "sound/SdlSoundPlayer.h"

#include "platform/RegularFile.h"
#include "sound/PulseCheck.h"
#include "sound/SdlAudio.h"
#include "sound/WavStream.h"

#include <QApplication>
#include <QFile>

#include <cstring>

namespace {

constexpr WavStream::Output Output{AUDIO_F32SYS, 2, 48000};
// Some 20 ms: the first sample is heard soon after play.
constexpr Uint16 DeviceFrames = 1024;
// After the last samples were handed over, the device and the sound server still play them.
constexpr int PlayOutMs = 500;

} // namespace

SdlSoundPlayer::SdlSoundPlayer() {
    m_closing.setSingleShot(true);
    m_closing.setInterval(PlayOutMs);
    QObject::connect(&m_closing, &QTimer::timeout, [this] { closeIfEnded(); });
}

SdlSoundPlayer::~SdlSoundPlayer() {
    closeAudio();
}

bool SdlSoundPlayer::play(const QString &path, int flags) {
    if (!m_sdl)
        m_sdl = SdlAudio::load();
    if (m_sdl && start(openSound(path)))
        return true;
    if (flags & SND_NODEFAULT)
        return false;
    // The default sound is built in, so that it is there even when no file is.
    if (m_sdl && start(openSound(QStringLiteral(":/tivvet.wav"))))
        return true;
    QApplication::beep();
    return false;
}

std::unique_ptr<WavStream> SdlSoundPlayer::openSound(const QString &path) const {
    auto file = std::make_unique<QFile>(path);
    if (path.isEmpty() || !openRegularFile(*file).isEmpty())
        return nullptr;
    return WavStream::open(*m_sdl, std::move(file), Output);
}

// A new sound cuts off the one playing; the old one is let go outside the device's lock.
bool SdlSoundPlayer::start(std::unique_ptr<WavStream> sound) {
    if (!sound)
        return false;
    m_closing.stop();
    // A sound server that stopped or restarted is picked up by opening audio afresh.
    if (m_device != 0 && m_sdl->GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED)
        closeAudio();
    if (m_device == 0 && !openDevice())
        return false;
    m_sdl->LockAudioDevice(m_device);
    m_playing.swap(sound);
    m_ended = false;
    m_sdl->UnlockAudioDevice(m_device);
    return true;
}

bool SdlSoundPlayer::openDevice() {
    if (PulseCheck::serverCannotPlay())
        return false;
    m_sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (m_sdl->InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = Output.rate;
    wanted.format = Output.format;
    wanted.channels = Uint8(Output.channels);
    wanted.samples = DeviceFrames;
    wanted.callback = fill;
    wanted.userdata = this;
    m_device = m_sdl->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (m_device == 0) {
        m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_sdl->PauseAudioDevice(m_device, 0);
    return true;
}

// On the device's thread: the sound, then silence until the device is closed.
void SdlSoundPlayer::fill(void *player, uint8_t *into, int size) {
    auto &self = *static_cast<SdlSoundPlayer *>(player);
    const int filled = self.m_playing ? self.m_playing->read(into, size) : 0;
    std::memset(into + filled, 0, size_t(size - filled));
    if (self.m_playing && filled < size && !self.m_ended) {
        self.m_ended = true;
        QTimer &closing = self.m_closing;
        QMetaObject::invokeMethod(
            &closing, [&closing] { closing.start(); }, Qt::QueuedConnection);
    }
}

void SdlSoundPlayer::closeIfEnded() {
    if (m_device == 0)
        return;
    m_sdl->LockAudioDevice(m_device);
    const bool ended = m_ended;
    m_sdl->UnlockAudioDevice(m_device);
    if (ended)
        closeAudio();
}

// Quitting the audio subsystem closes the device and its thread without waiting for a sound to end.
void SdlSoundPlayer::closeAudio() {
    if (m_device == 0)
        return;
    m_device = 0;
    m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
    m_playing.reset();
}
