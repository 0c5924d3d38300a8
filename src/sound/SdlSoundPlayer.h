#pragma once

#include "sound/SoundPlayer.h"

#include <QTimer>

#include <cstdint>
#include <memory>

struct SdlAudio;
class WavStream;

// Plays WAV files through SDL's audio, read from the file as the device asks for them. The device
// is opened for a sound and closed soon after it ends, so that an idle program has no audio thread
// waking it. A file that cannot be played plays the default sound instead, unless SND_NODEFAULT
// says not to; with no sound device at all the fallback is the desktop's beep.
class SdlSoundPlayer : public SoundPlayer {
public:
    SdlSoundPlayer();
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer &) = delete;
    SdlSoundPlayer &operator=(const SdlSoundPlayer &) = delete;

    bool play(const QString &path, int flags) override;

private:
    std::unique_ptr<WavStream> openSound(const QString &path) const;
    bool start(std::unique_ptr<WavStream> sound);
    bool openDevice();
    void closeAudio();
    void closeIfEnded();
    static void fill(void *player, uint8_t *into, int size);

    std::unique_ptr<SdlAudio> m_sdl;
    uint32_t m_device = 0;
    // Both read and written on the device's thread too, under the device's lock.
    std::unique_ptr<WavStream> m_playing;
    bool m_ended = false;
    QTimer m_closing;
};
