#pragma once

#include "platform/SoundPlayer.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

struct SdlAudio;

// Plays WAV files through SDL's audio: one output device, opened at the first play and kept open.
// A file that cannot be played plays the default sound instead, unless SND_NODEFAULT says not to;
// with no sound device at all the fallback is the desktop's beep.
class SdlSoundPlayer : public SoundPlayer {
public:
    SdlSoundPlayer();
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer &) = delete;
    SdlSoundPlayer &operator=(const SdlSoundPlayer &) = delete;

    bool play(const QString &path, int flags) override;

private:
    bool playFile(const QString &path);
    bool playDefault();
    bool queue(const std::vector<uint8_t> &samples);
    bool queueOnce(const std::vector<uint8_t> &samples);
    bool openDevice();
    void closeAudio();

    QByteArray m_defaultSound;
    std::unique_ptr<SdlAudio> m_sdl;
    uint32_t m_device = 0;
};
