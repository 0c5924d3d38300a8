#include "platform/SdlSoundPlayer.h"

#include "platform/SdlAudio.h"
#include "platform/WavFile.h"

#include <QApplication>
#include <QFile>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr int OutputRate = 48000;
constexpr int OutputChannels = 2;
constexpr SDL_AudioFormat OutputFormat = AUDIO_F32SYS;
// Longer sounds play their first ten minutes: the converted samples stay within a few hundred MB.
constexpr Uint32 MaximumSeconds = 600;
// Sample rates outside these are no sound anyone recorded, only a broken header.
constexpr int MinimumRate = 1000;
constexpr int MaximumRate = 768000;

// Converts the samples to the device's format; nothing for a file with no samples.
std::optional<std::vector<uint8_t>> convert(const SdlAudio &sdl, const SDL_AudioSpec &spec,
                                            const uint8_t *data, uint32_t length) {
    const Uint32 frameSize = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
    if (frameSize == 0 || spec.freq < MinimumRate || spec.freq > MaximumRate)
        return std::nullopt;
    length = std::min<Uint64>(length, Uint64(spec.freq) * MaximumSeconds * frameSize) / frameSize * frameSize;
    if (length == 0)
        return std::nullopt;
    std::unique_ptr<SDL_AudioStream, decltype(sdl.FreeAudioStream)> stream(
        sdl.NewAudioStream(spec.format, spec.channels, spec.freq, OutputFormat, OutputChannels, OutputRate),
        sdl.FreeAudioStream);
    if (!stream || sdl.AudioStreamPut(stream.get(), data, int(length)) != 0 ||
        sdl.AudioStreamFlush(stream.get()) != 0)
        return std::nullopt;
    std::vector<uint8_t> samples(size_t(sdl.AudioStreamAvailable(stream.get())));
    const int got = sdl.AudioStreamGet(stream.get(), samples.data(), int(samples.size()));
    if (got <= 0)
        return std::nullopt;
    samples.resize(size_t(got));
    return samples;
}

// Decodes a WAV file's bytes into the device's format.
std::optional<std::vector<uint8_t>> decodeWav(const SdlAudio &sdl, const QByteArray &wav) {
    SDL_RWops *source = sdl.RWFromConstMem(wav.constData(), int(wav.size()));
    if (!source)
        return std::nullopt;
    SDL_AudioSpec spec;
    Uint8 *data = nullptr;
    Uint32 length = 0;
    if (!sdl.LoadWAV_RW(source, 1, &spec, &data, &length))
        return std::nullopt;
    std::unique_ptr<Uint8, decltype(sdl.FreeWAV)> owned(data, sdl.FreeWAV);
    return convert(sdl, spec, data, length);
}

} // namespace

// The default sound is built in, so that it is there even when no file is.
SdlSoundPlayer::SdlSoundPlayer() {
    QFile chime(QStringLiteral(":/tivvet.wav"));
    if (chime.open(QIODevice::ReadOnly))
        m_defaultSound = chime.readAll();
}

SdlSoundPlayer::~SdlSoundPlayer() {
    closeAudio();
}

bool SdlSoundPlayer::play(const QString &path, int flags) {
    if (!m_sdl)
        m_sdl = SdlAudio::load();
    if (m_sdl && playFile(path))
        return true;
    if (flags & SND_NODEFAULT)
        return false;
    if (m_sdl && playDefault())
        return true;
    QApplication::beep();
    return false;
}

bool SdlSoundPlayer::playFile(const QString &path) {
    if (path.isEmpty())
        return false;
    const std::optional<QByteArray> wav = WavFile::readBounded(path);
    if (!wav)
        return false;
    const auto samples = decodeWav(*m_sdl, *wav);
    return samples && queue(*samples);
}

bool SdlSoundPlayer::playDefault() {
    const auto samples = decodeWav(*m_sdl, m_defaultSound);
    return samples && queue(*samples);
}

// A sound server that stopped, restarted or started late is picked up by opening audio afresh once.
bool SdlSoundPlayer::queue(const std::vector<uint8_t> &samples) {
    if (queueOnce(samples))
        return true;
    closeAudio();
    return queueOnce(samples);
}

bool SdlSoundPlayer::queueOnce(const std::vector<uint8_t> &samples) {
    if (m_device != 0 && m_sdl->GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED)
        closeAudio();
    if (m_device == 0 && !openDevice())
        return false;
    m_sdl->ClearQueuedAudio(m_device);
    return m_sdl->QueueAudio(m_device, samples.data(), Uint32(samples.size())) == 0;
}

bool SdlSoundPlayer::openDevice() {
    m_sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (m_sdl->InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = OutputRate;
    wanted.format = OutputFormat;
    wanted.channels = OutputChannels;
    wanted.samples = 2048;
    m_device = m_sdl->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (m_device == 0) {
        m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_sdl->PauseAudioDevice(m_device, 0);
    return true;
}

// Quitting the audio subsystem closes the device without waiting for a sound to end.
void SdlSoundPlayer::closeAudio() {
    if (m_device == 0)
        return;
    m_device = 0;
    m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
}
