#include "sound/WavStream.h"

#include <algorithm>

namespace {

// Some 0.1 s of CD sound: small enough to decode in well under a millisecond.
constexpr qint64 PieceSize = 16 * 1024;
// Sample rates outside these are no sound anyone recorded, only a broken header.
constexpr int MinimumRate = 1000;
constexpr int MaximumRate = 768000;

} // namespace

WavStream::WavStream(const SdlAudio &sdl, std::unique_ptr<QIODevice> file, const WavFile::Layout &layout,
                     const Output &output)
    : m_sdl(sdl)
    , m_file(std::move(file))
    , m_layout(layout)
    , m_output(output)
    , m_converter(nullptr, sdl.FreeAudioStream) {}

std::unique_ptr<WavStream> WavStream::open(const SdlAudio &sdl, std::unique_ptr<QIODevice> file,
                                           const Output &output) {
    const std::optional<WavFile::Layout> layout = WavFile::locate(*file);
    if (!layout)
        return nullptr;
    std::unique_ptr<WavStream> stream(new WavStream(sdl, std::move(file), *layout, output));
    return stream->decodeNextPiece() ? std::move(stream) : nullptr;
}

int WavStream::read(uint8_t *into, int size) {
    int filled = 0;
    while (filled < size) {
        const int got = m_sdl.AudioStreamGet(m_converter.get(), into + filled, size - filled);
        if (got < 0)
            break;
        filled += got;
        if (got == 0 && !feed())
            break;
    }
    return filled;
}

// More samples for the converter; false once it holds them all.
bool WavStream::feed() {
    if (m_flushed)
        return false;
    if (decodeNextPiece())
        return true;
    m_flushed = true;
    return m_sdl.AudioStreamFlush(m_converter.get()) == 0;
}

// Whole blocks from the file, wrapped as a WAV file of their own for the decoder, which knows
// every encoding; false at the end of the samples or at a piece it refuses.
bool WavStream::decodeNextPiece() {
    const qint64 blocks = std::max<qint64>(1, PieceSize / m_layout.blockSize);
    const qint64 size = std::min(blocks * m_layout.blockSize, m_layout.samplesSize - m_decoded);
    if (size <= 0 || !m_file->seek(m_layout.samplesStart + m_decoded))
        return false;
    const QByteArray wav = WavFile::piece(m_layout.format, m_file->read(size));
    m_decoded += size;
    SDL_RWops *source = m_sdl.RWFromConstMem(wav.constData(), int(wav.size()));
    SDL_AudioSpec spec;
    Uint8 *data = nullptr;
    Uint32 length = 0;
    if (!source || !m_sdl.LoadWAV_RW(source, 1, &spec, &data, &length))
        return false;
    const std::unique_ptr<Uint8, decltype(m_sdl.FreeWAV)> samples(data, m_sdl.FreeWAV);
    return convert(spec, data, length);
}

// The first piece makes the converter; every piece has the file's own format header, so the rest
// decode to the same kind.
bool WavStream::convert(const SDL_AudioSpec &spec, const Uint8 *samples, Uint32 size) {
    const Uint32 frameSize = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
    size = frameSize == 0 ? 0 : size / frameSize * frameSize;
    if (size == 0)
        return false;
    if (!m_converter) {
        if (spec.freq < MinimumRate || spec.freq > MaximumRate)
            return false;
        m_converter.reset(m_sdl.NewAudioStream(spec.format, spec.channels, spec.freq, m_output.format,
                                               m_output.channels, m_output.rate));
    }
    return m_converter && m_sdl.AudioStreamPut(m_converter.get(), samples, int(size)) == 0;
}
