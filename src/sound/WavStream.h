#pragma once

#include "sound/SdlAudio.h"
#include "sound/WavFile.h"

#include <QIODevice>

#include <cstdint>
#include <memory>

// A WAV file decoded and converted to the sound device's format a piece at a time, as the device
// asks for it: a sound of any length starts at once and holds a few hundred kB while it plays.
class WavStream {
public:
    struct Output {
        SDL_AudioFormat format;
        int channels;
        int rate;
    };

    // Nothing for what is no sound. The first piece is decoded here, so that a file the decoder
    // refuses is known before playing starts.
    static std::unique_ptr<WavStream> open(const SdlAudio &sdl, std::unique_ptr<QIODevice> file,
                                           const Output &output);

    // Fills `into` with up to `size` bytes of converted samples; fewer only at the end.
    int read(uint8_t *into, int size);

private:
    using Converter = std::unique_ptr<SDL_AudioStream, decltype(&SDL_FreeAudioStream)>;

    WavStream(const SdlAudio &sdl, std::unique_ptr<QIODevice> file, const WavFile::Layout &layout,
              const Output &output);
    bool feed();
    bool decodeNextPiece();
    bool convert(const SDL_AudioSpec &spec, const Uint8 *samples, Uint32 size);

    const SdlAudio &m_sdl;
    std::unique_ptr<QIODevice> m_file;
    WavFile::Layout m_layout;
    Output m_output;
    qint64 m_decoded = 0; // bytes of the file's samples
    Converter m_converter;
    bool m_flushed = false;
};
