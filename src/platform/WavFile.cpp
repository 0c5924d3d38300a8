#include "platform/WavFile.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace WavFile {
namespace {

constexpr qsizetype RiffHeader = 12;
constexpr qsizetype ChunkHeader = 8;

quint32 sizeAt(const QByteArray &wav, qsizetype at) {
    return qFromLittleEndian<quint32>(wav.constData() + at);
}

void setSizeAt(QByteArray &wav, qsizetype at, quint32 size) {
    qToLittleEndian(size, wav.data() + at);
}

} // namespace

void boundChunkSizes(QByteArray &wav) {
    qsizetype firstChunk = 0;
    if (wav.size() >= RiffHeader && wav.startsWith("RIFF")) {
        setSizeAt(wav, 4, std::min<quint32>(sizeAt(wav, 4), quint32(wav.size() - 8)));
        firstChunk = RiffHeader;
    } else if (wav.startsWith("WAVE")) { // the decoder also takes a file whose RIFF header is missing
        firstChunk = 4;
    } else {
        return;
    }
    for (qsizetype at = firstChunk; at + ChunkHeader <= wav.size();) {
        const auto available = quint32(wav.size() - at - ChunkHeader);
        const quint32 size = std::min(sizeAt(wav, at + 4), available);
        setSizeAt(wav, at + 4, size);
        at += ChunkHeader + qsizetype(size) + qsizetype(size & 1);
    }
}

std::optional<QByteArray> readBounded(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaximumSize)
        return std::nullopt;
    // What the file holds: a read of the most it may hold would allocate all of that first.
    QByteArray wav = file.read(file.size());
    boundChunkSizes(wav);
    return wav;
}

} // namespace WavFile
