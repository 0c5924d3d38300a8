#include "sound/SoundStream.h"

#include <algorithm>
#include <cstdio>

namespace {

// Some 0.1 s of CD sound: small enough to decode in well under a millisecond.
constexpr sf_count_t PieceFrames = 4096;
// Sample rates outside these are no sound anyone recorded, only a broken header, which the
// converter would take for a call to make gigabytes of samples.
constexpr int MinimumRate = 1000;
constexpr int MaximumRate = 768000;
// Up to 7.1, as the converter takes them.
constexpr int MaximumChannels = 8;

QIODevice &device(void *file) {
    return *static_cast<QIODevice *>(file);
}

// The file as libsndfile reads it, through the device it was opened as.
SF_VIRTUAL_IO virtualFile{
    [](void *file) -> sf_count_t { return device(file).size(); },
    [](sf_count_t offset, int whence, void *file) -> sf_count_t {
        QIODevice &from = device(file);
        const qint64 base = whence == SEEK_CUR ? from.pos() : whence == SEEK_END ? from.size() : 0;
        return from.seek(base + offset) ? from.pos() : -1;
    },
    [](void *into, sf_count_t count, void *file) -> sf_count_t {
        return std::max<qint64>(0, device(file).read(static_cast<char *>(into), count));
    },
    nullptr, // only read
    [](void *file) -> sf_count_t { return device(file).pos(); },
};

} // namespace

SoundStream::SoundStream(const AudioLibraries &audio, std::unique_ptr<QIODevice> file)
    : m_audio(audio)
    , m_file(std::move(file))
    , m_sound(nullptr, audio.SfClose)
    , m_converter(nullptr, audio.FreeAudioStream) {}

std::unique_ptr<SoundStream> SoundStream::open(const AudioLibraries &audio, std::unique_ptr<QIODevice> file,
                                               const Output &output) {
    std::unique_ptr<SoundStream> stream(new SoundStream(audio, std::move(file)));
    SF_INFO info{};
    stream->m_sound.reset(audio.SfOpenVirtual(&virtualFile, SFM_READ, &info, stream->m_file.get()));
    if (!stream->m_sound || info.samplerate < MinimumRate || info.samplerate > MaximumRate ||
        info.channels > MaximumChannels)
        return nullptr;
    stream->m_converter.reset(audio.NewAudioStream(AUDIO_F32SYS, Uint8(info.channels), info.samplerate,
                                                   output.format, Uint8(output.channels), output.rate));
    stream->m_channels = info.channels;
    stream->m_piece.resize(size_t(PieceFrames * info.channels));
    return stream->m_converter && stream->decodeNextPiece() ? std::move(stream) : nullptr;
}

int SoundStream::read(uint8_t *into, int size) {
    int filled = 0;
    while (filled < size) {
        const int got = m_audio.AudioStreamGet(m_converter.get(), into + filled, size - filled);
        if (got < 0)
            break;
        filled += got;
        if (got == 0 && !feed())
            break;
    }
    return filled;
}

// More samples for the converter; false once it holds them all. Its filter keeps back the last
// few hundred frames until more follow (SDL 2.26's flush lets them out only when it holds part of
// a packet), so a piece of silence follows the sound.
bool SoundStream::feed() {
    if (m_ended)
        return false;
    if (decodeNextPiece())
        return true;
    m_ended = true;
    std::fill(m_piece.begin(), m_piece.end(), 0.0f);
    return m_audio.AudioStreamPut(m_converter.get(), m_piece.data(), int(m_piece.size() * sizeof(float))) ==
           0;
}

// False at the end of the samples or at a piece the library cannot decode.
bool SoundStream::decodeNextPiece() {
    const sf_count_t frames = m_audio.SfReadfFloat(m_sound.get(), m_piece.data(), PieceFrames);
    return frames > 0 && m_audio.AudioStreamPut(m_converter.get(), m_piece.data(),
                                                int(frames * m_channels * sizeof(float))) == 0;
}
