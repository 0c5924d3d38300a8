#include "sound/WavFile.h"

#include <QtEndian>

#include <algorithm>

namespace WavFile {
namespace {

constexpr qint64 RiffHeader = 12;
constexpr qint64 ChunkHeader = 8;
// A format is some forty bytes; more is a broken header, not a sound.
constexpr qint64 MaximumFormatSize = 4096;
constexpr qsizetype BlockSizeAt = 12;
// A file of thousands of empty chunks is no sound either, and walking it would hold up the window.
constexpr int MaximumChunks = 10000;

struct Chunk {
    QByteArray id;
    qint64 start = 0; // of the body
    qint64 size = 0;  // cut to the file
};

std::optional<Chunk> chunkAt(QIODevice &file, qint64 at) {
    if (!file.seek(at))
        return std::nullopt;
    const QByteArray header = file.read(ChunkHeader);
    if (header.size() < ChunkHeader)
        return std::nullopt;
    const qint64 start = at + ChunkHeader;
    const qint64 size =
        std::min<qint64>(qFromLittleEndian<quint32>(header.constData() + 4), file.size() - start);
    return Chunk{header.left(4), start, size};
}

// The first chunk's offset: the decoder also takes a file whose RIFF header is missing.
std::optional<qint64> firstChunk(QIODevice &file) {
    const QByteArray start = file.peek(RiffHeader);
    if (start.startsWith("RIFF") && start.size() == RiffHeader)
        return RiffHeader;
    if (start.startsWith("WAVE"))
        return 4;
    return std::nullopt;
}

} // namespace

std::optional<Layout> locate(QIODevice &file) {
    const std::optional<qint64> first = firstChunk(file);
    if (!first)
        return std::nullopt;
    std::optional<QByteArray> format;
    qint64 at = *first;
    for (int count = 0; count < MaximumChunks; ++count) {
        const std::optional<Chunk> chunk = chunkAt(file, at);
        if (!chunk)
            break;
        if (chunk->id == "fmt " && !format) {
            if (chunk->size > MaximumFormatSize || !file.seek(chunk->start))
                return std::nullopt;
            format = file.read(chunk->size);
        } else if (chunk->id == "data") {
            if (!format || format->size() < BlockSizeAt + 2)
                return std::nullopt;
            const int blockSize = qFromLittleEndian<quint16>(format->constData() + BlockSizeAt);
            return Layout{*format, chunk->start, chunk->size, std::max(blockSize, 1)};
        }
        at = chunk->start + chunk->size + (chunk->size & 1);
    }
    return std::nullopt;
}

QByteArray piece(const QByteArray &format, const QByteArray &samples) {
    const QByteArray pad(format.size() & 1, '\0');
    QByteArray wav;
    const auto appendSize = [&wav](qsizetype size) {
        char bytes[4];
        qToLittleEndian(quint32(size), bytes);
        wav.append(bytes, 4);
    };
    wav.append("RIFF");
    appendSize(4 + 2 * ChunkHeader + format.size() + pad.size() + samples.size());
    wav.append("WAVEfmt ");
    appendSize(format.size());
    wav.append(format + pad);
    wav.append("data");
    appendSize(samples.size());
    wav.append(samples);
    return wav;
}

} // namespace WavFile
