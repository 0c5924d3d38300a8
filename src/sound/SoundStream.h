#pragma once

#include "sound/AudioLibraries.h"

#include <QIODevice>

#include <cstdint>
#include <memory>
#include <vector>

// A sound file decoded by libsndfile and converted to the sound device's format a piece at a time,
// as the device asks for it: a sound of any length starts at once and holds a few hundred kB while
// it plays.
class SoundStream {
public:
    struct Output {
        SDL_AudioFormat format;
        int channels;
        int rate;
    };

    // Nothing for what is no sound. The first piece is decoded here, so that a file the library
    // refuses is known before playing starts.
    static std::unique_ptr<SoundStream> open(const AudioLibraries &audio, std::unique_ptr<QIODevice> file,
                                             const Output &output);

    // Fills `into` with up to `size` bytes of converted samples; fewer only at the end.
    int read(uint8_t *into, int size);

private:
    SoundStream(const AudioLibraries &audio, std::unique_ptr<QIODevice> file);
    bool feed();
    bool decodeNextPiece();

    const AudioLibraries &m_audio;
    std::unique_ptr<QIODevice> m_file;
    std::unique_ptr<SNDFILE, decltype(&sf_close)> m_sound;
    std::unique_ptr<SDL_AudioStream, decltype(&SDL_FreeAudioStream)> m_converter;
    std::vector<float> m_piece;
    int m_channels = 0;
    bool m_ended = false;
};
