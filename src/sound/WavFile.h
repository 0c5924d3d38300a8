#pragma once

#include <QByteArray>
#include <QIODevice>

#include <optional>

// Where a WAV file's format and samples lie, read from its chunk headers alone so that a file of
// any length is opened at once. A WAV file's chunks declare their own sizes, and a decoder
// allocates what they declare: every size here is cut to what the file really holds.
namespace WavFile {

struct Layout {
    QByteArray format; // the fmt chunk's body
    qint64 samplesStart = 0;
    qint64 samplesSize = 0;
    // The bytes of one whole frame or compressed block, so that the samples split cleanly.
    int blockSize = 0;
};

// Nothing for a file without a format before its samples.
std::optional<Layout> locate(QIODevice &file);
// A WAV file of the format and some of the samples alone, for the decoder.
QByteArray piece(const QByteArray &format, const QByteArray &samples);

} // namespace WavFile
