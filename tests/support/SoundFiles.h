#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QtEndian>

#include <cmath>

// Sound files that tests make, and what they measure of recorded sound.
namespace SoundFiles {

// A WAV file of 16-bit PCM mono: a tone at 440 Hz, by default at half of full scale.
inline QByteArray toneWav(double seconds, int rate = 22050, int amplitude = 16000) {
    const auto count = quint32(seconds * rate);
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * count);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * count);
    for (quint32 i = 0; i < count; ++i)
        out << qint16(std::lround(amplitude * std::sin(2 * M_PI * 440.0 * i / rate)));
    return wav;
}

inline bool write(const QString &path, const QByteArray &content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The largest absolute sample of raw 32-bit float audio, from the given byte on.
inline double maximumAmplitude(const QString &rawFloat, qsizetype from = 0) {
    QFile file(rawFloat);
    const QByteArray samples = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    float loudest = 0;
    for (qsizetype at = from; at + 4 <= samples.size(); at += 4)
        loudest = std::max(loudest, std::abs(qFromLittleEndian<float>(samples.constData() + at)));
    return loudest;
}

} // namespace SoundFiles
