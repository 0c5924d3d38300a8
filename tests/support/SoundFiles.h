#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cmath>

// Sound files that tests make, and what they measure of recorded sound.
namespace SoundFiles {

// A WAV file of 16-bit PCM mono: a tone at 440 Hz, at half of full scale.
inline QByteArray toneWav(double seconds, int rate = 22050) {
    QByteArray samples;
    const int count = int(seconds * rate);
    for (int i = 0; i < count; ++i) {
        const auto value = qint16(std::lround(16000 * std::sin(2 * M_PI * 440.0 * i / rate)));
        samples.append(reinterpret_cast<const char *>(&value), 2);
    }
    QByteArray wav("RIFF");
    const auto put = [&wav](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wav.append(char(value >> (8 * i) & 0xFF));
    };
    const auto put32 = [&put](quint32 value) { put(value, 4); };
    const auto put16 = [&put](quint32 value) { put(value, 2); };
    put32(quint32(36 + samples.size()));
    wav.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(quint32(rate));
    put32(quint32(rate * 2));
    put16(2);
    put16(16);
    wav.append("data");
    put32(quint32(samples.size()));
    return wav + samples;
}

inline bool write(const QString &path, const QByteArray &content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The largest absolute sample of a raw 32-bit float stereo 48 kHz file, measured by sox.
inline double maximumAmplitude(const QString &rawFloatStereo48k) {
    QProcess sox;
    sox.start(QStringLiteral("sox"),
              {QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-r"), QStringLiteral("48000"),
               QStringLiteral("-e"), QStringLiteral("floating-point"), QStringLiteral("-b"),
               QStringLiteral("32"), QStringLiteral("-c"), QStringLiteral("2"), rawFloatStereo48k,
               QStringLiteral("-n"), QStringLiteral("stat")});
    sox.waitForFinished();
    for (const QByteArray &line : sox.readAllStandardError().split('\n'))
        if (line.startsWith("Maximum amplitude:"))
            return line.mid(18).trimmed().toDouble();
    return -1;
}

} // namespace SoundFiles
