#pragma once

#include "sound/AudioLibraries.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

// A sound file decoded by libsndfile and converted to the sound device's format a piece at a time,
// as the device asks for it: a sound of any length starts at once and holds a few hundred kB while
// it plays. It is read on the sound device's thread and may outlive the application, so it holds
// no QObject: a file is read through its descriptor, the built-in sound from its bytes.
class SoundStream {
public:
    struct Output {
        SDL_AudioFormat format;
        int channels;
        int rate;
    };

    // Nothing for what is no sound. The first piece is decoded here, so that a file the library
    // refuses is known before playing starts. The descriptor is the stream's to close.
    static std::unique_ptr<SoundStream> open(const AudioLibraries &audio, int descriptor,
                                             const Output &output);
    static std::unique_ptr<SoundStream> open(const AudioLibraries &audio, QByteArray bytes,
                                             const Output &output);
    ~SoundStream();
    Q_DISABLE_COPY_MOVE(SoundStream)

    // Fills `into` with up to `size` bytes of converted samples; fewer only at the end.
    int read(uint8_t *into, int size);
    // From the end the sound starts again after so many bytes of silence, until told to end.
    void repeatAfter(int silenceBytes) { m_gap = silenceBytes; }
    void endRepeat() { m_gap = m_silenceLeft = 0; }

private:
    // The file's bytes: read at the descriptor, or without one (-1) from the bytes held.
    struct Source {
        int descriptor;
        QByteArray bytes;
        sf_count_t size;
        sf_count_t at = 0;
    };
    // The source as libsndfile reads it.
    static SF_VIRTUAL_IO virtualFile;

    SoundStream(const AudioLibraries &audio, Source source);
    static std::unique_ptr<SoundStream> open(std::unique_ptr<SoundStream> stream, const Output &output);
    int readOnce(uint8_t *into, int size);
    bool rewind();
    bool feed();
    bool decodeNextPiece();

    const AudioLibraries &m_audio;
    Source m_source;
    std::unique_ptr<SNDFILE, decltype(&sf_close)> m_sound;
    std::unique_ptr<SDL_AudioStream, decltype(&SDL_FreeAudioStream)> m_converter;
    std::vector<float> m_piece;
    int m_channels = 0;
    bool m_ended = false;
    int m_gap = 0;         // of silence before the sound starts again; none when it plays once
    int m_silenceLeft = 0; // of the gap under way
};
