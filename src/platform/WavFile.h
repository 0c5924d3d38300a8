#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading a sound file before the decoder sees it. A WAV file's chunks declare their own sizes,
// and a decoder allocates what they declare: a file of a hundred bytes can ask for gigabytes.
namespace WavFile {

// Files larger than this are not sounds anyone waits for.
inline constexpr qint64 MaximumSize = 256 * 1024 * 1024;

// The file's bytes with every chunk size cut to what the file really holds; nothing for a file
// that cannot be read or is too large.
std::optional<QByteArray> readBounded(const QString &path);
// Cuts the RIFF size and each chunk's size to the bytes that follow it, with or without the RIFF
// header.
void boundChunkSizes(QByteArray &wav);

} // namespace WavFile
