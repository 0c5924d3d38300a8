#include "sound/SoundStream.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Some 0.1 s of CD sound: small enough to decode in well under a millisecond.
constexpr sf_count_t PieceFrames = 4096;
// Sample rates outside these are no sound anyone recorded, only a broken header, which the
// converter would take for a call to make gigabytes of samples.
constexpr int MinimumRate = 1000;
constexpr int MaximumRate = 768000;
// Up to 7.1, as the converter takes them.
constexpr int MaximumChannels = 8;

} // namespace

SF_VIRTUAL_IO SoundStream::virtualFile{
    [](void *source) { return static_cast<Source *>(source)->size; },
    [](sf_count_t offset, int whence, void *source) -> sf_count_t {
        Source &from = *static_cast<Source *>(source);
        const sf_count_t at = (whence == SEEK_CUR ? from.at : whence == SEEK_END ? from.size : 0) + offset;
        return at < 0 ? -1 : from.at = at;
    },
    [](void *into, sf_count_t count, void *source) -> sf_count_t {
        Source &from = *static_cast<Source *>(source);
        sf_count_t got = 0;
        if (from.descriptor >= 0) {
            got = std::max<sf_count_t>(0, ::pread(from.descriptor, into, size_t(count), from.at));
        } else if (from.at < from.size) {
            got = std::min(count, from.size - from.at);
            std::memcpy(into, from.bytes.constData() + from.at, size_t(got));
        }
        from.at += got;
        return got;
    },
    nullptr, // only read
    [](void *source) { return static_cast<Source *>(source)->at; },
};

SoundStream::SoundStream(const AudioLibraries &audio, Source source)
    : m_audio(audio)
    , m_source(std::move(source))
    , m_sound(nullptr, audio.SfClose)
    , m_converter(nullptr, audio.FreeAudioStream) {}

SoundStream::~SoundStream() {
    m_sound.reset();
    if (m_source.descriptor >= 0)
        ::close(m_source.descriptor);
}

std::unique_ptr<SoundStream> SoundStream::open(const AudioLibraries &audio, int descriptor,
                                               const Output &output) {
    struct stat status {};
    const sf_count_t size = ::fstat(descriptor, &status) == 0 ? status.st_size : 0;
    return open(std::unique_ptr<SoundStream>(new SoundStream(audio, {descriptor, {}, size})), output);
}

std::unique_ptr<SoundStream> SoundStream::open(const AudioLibraries &audio, QByteArray bytes,
                                               const Output &output) {
    const sf_count_t size = bytes.size();
    return open(std::unique_ptr<SoundStream>(new SoundStream(audio, {-1, std::move(bytes), size})), output);
}

std::unique_ptr<SoundStream> SoundStream::open(std::unique_ptr<SoundStream> stream, const Output &output) {
    const AudioLibraries &audio = stream->m_audio;
    SF_INFO info{};
    stream->m_sound.reset(audio.SfOpenVirtual(&virtualFile, SFM_READ, &info, &stream->m_source));
    if (!stream->m_sound || info.samplerate < MinimumRate || info.samplerate > MaximumRate ||
        info.channels > MaximumChannels)
        return nullptr;
    stream->m_converter.reset(audio.NewAudioStream(AUDIO_F32SYS, Uint8(info.channels), info.samplerate,
                                                   output.format, Uint8(output.channels), output.rate));
    stream->m_channels = info.channels;
    stream->m_piece.resize(size_t(PieceFrames * info.channels));
    return stream->m_converter && stream->decodeNextPiece() ? std::move(stream) : nullptr;
}

// A file that cannot be read from its start again plays no more.
int SoundStream::read(uint8_t *into, int size) {
    int filled = 0;
    while (filled < size) {
        if (m_silenceLeft == 0) {
            filled += readOnce(into + filled, size - filled);
            if (filled == size || m_gap == 0)
                break;
            m_silenceLeft = m_gap;
        }
        const int silence = std::min(size - filled, m_silenceLeft);
        std::memset(into + filled, 0, size_t(silence));
        filled += silence;
        m_silenceLeft -= silence;
        if (m_silenceLeft == 0 && !rewind())
            m_gap = 0;
    }
    return filled;
}

bool SoundStream::rewind() {
    m_audio.AudioStreamClear(m_converter.get());
    m_ended = false;
    return m_audio.SfSeek(m_sound.get(), 0, SEEK_SET) == 0 && decodeNextPiece();
}

int SoundStream::readOnce(uint8_t *into, int size) {
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
