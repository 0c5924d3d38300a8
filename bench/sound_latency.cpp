// Plays WAV files of one second, one minute and ten minutes through the real player and a private
// PulseAudio server's null sink, and measures how long play takes to return, how soon the first
// sound reaches the sink's monitor and how much memory playing takes.
#include "ProcessMemory.h"
#include "PulseAudioServer.h"
#include "sound/SdlSoundPlayer.h"

#include <QApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int Rate = 44100;

// 16-bit stereo at CD rate, a tone loud from its first sample (or silence), written a second at a
// time.
bool writeTone(const QString &path, int seconds, int amplitude = 16000) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 bytes = quint32(seconds) * Rate * 4;
    out.writeRawData("RIFF", 4);
    out << quint32(36 + bytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(2) << quint32(Rate) << quint32(Rate * 4) << quint16(4)
        << quint16(16);
    out.writeRawData("data", 4);
    out << bytes;
    QByteArray second;
    QDataStream samples(&second, QIODevice::WriteOnly);
    samples.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < Rate; ++i) {
        const auto sample = qint16(std::lround(amplitude * std::cos(2 * M_PI * 441.0 * i / Rate)));
        samples << sample << sample;
    }
    for (int i = 0; i < seconds; ++i)
        out.writeRawData(second.constData(), int(second.size()));
    return out.status() == QDataStream::Ok;
}

// The sink's monitor, read as it streams: the time from a mark to the first sound heard.
class Listener {
public:
    explicit Listener(const PulseAudioServer &server) {
        m_parec.setProcessEnvironment(server.environment());
        m_parec.start(u"parec"_s, {u"-d"_s, u"t.monitor"_s, u"--raw"_s, u"--format=float32le"_s,
                                   u"--rate=48000"_s, u"--channels=1"_s, u"--latency-msec=1"_s});
        m_streaming = QTest::qWaitFor([this] { return m_parec.bytesAvailable() > 0; }, 10000);
    }
    bool streaming() const { return m_streaming; }
    ~Listener() {
        m_parec.terminate();
        m_parec.waitForFinished(5000);
    }
    void mark() {
        m_parec.readAll();
        m_since.start();
    }
    // Milliseconds from the mark until a sample above the silence arrived; an upper bound, since
    // the recording's own latency is in it.
    double msToFirstSound() {
        while (m_since.elapsed() < 5000) {
            QCoreApplication::processEvents(); // the player's device opens on a thread, and says so here
            m_parec.waitForReadyRead(1);
            const QByteArray samples = m_parec.readAll();
            for (qsizetype at = 0; at + 4 <= samples.size(); at += 4)
                if (std::abs(qFromLittleEndian<float>(samples.constData() + at)) > 0.05f)
                    return double(m_since.nsecsElapsed()) / 1e6;
        }
        return -1;
    }

private:
    QProcess m_parec;
    QElapsedTimer m_since;
    bool m_streaming = false;
};

double rssMb() {
    return rollupKb(QCoreApplication::applicationPid(), "Rss:") / 1024;
}

// The peak resident memory over a few seconds of playing.
double peakRssMb(int ms) {
    double peak = 0;
    QElapsedTimer since;
    since.start();
    while (since.elapsed() < ms) {
        peak = std::max(peak, rssMb());
        QTest::qWait(50);
    }
    return peak;
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PulseAudioServer server;
    if (!server.start()) {
        std::fprintf(stderr, "no PulseAudio server\n");
        return 1;
    }
    qputenv("SDL_AUDIODRIVER", "pulseaudio");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(server.runtimeDir()));
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(server.socket()));
    QTemporaryDir folder;
    const std::pair<const char *, int> sounds[] = {{"1 s", 1}, {"60 s", 60}, {"10 min", 600}};
    for (const auto &[name, seconds] : sounds)
        if (!writeTone(folder.filePath(QString::fromLatin1(name) + u".wav"_s), seconds))
            return 1;
    const QString silence = folder.filePath(u"silence.wav"_s);
    if (!writeTone(silence, 1, 0))
        return 1;

    SdlSoundPlayer player;
    Listener listener(server);
    if (!listener.streaming())
        return 1;
    const SoundPlayer::How flags{.orDefault = false};
    QElapsedTimer first;
    first.start();
    player.play(folder.filePath(u"1 s.wav"_s), flags, nullptr);
    std::printf("first play (loads SDL and libsndfile): %.1f ms\n", double(first.nsecsElapsed()) / 1e6);
    QTest::qWait(2000);
    std::printf("RSS idle with them loaded: %.1f MB\n\n", rssMb());
    std::printf("sound     play returns ms (median, max)   first sound ms (median)   RSS playing MB\n");
    for (const auto &[name, seconds] : sounds) {
        const QString path = folder.filePath(QString::fromLatin1(name) + u".wav"_s);
        std::vector<double> returns, heard;
        double peak = 0;
        for (int round = 0; round < 7; ++round) {
            player.play(silence, flags, nullptr); // cuts the last sound off: the device closes after it,
            QTest::qWait(2500);                   // as at an alert after a quiet spell
            listener.mark();
            QElapsedTimer call;
            call.start();
            if (!player.play(path, flags, nullptr))
                return 1;
            returns.push_back(double(call.nsecsElapsed()) / 1e6);
            heard.push_back(listener.msToFirstSound());
            peak = std::max(peak, peakRssMb(std::min(seconds * 1000, 1500)));
        }
        std::sort(returns.begin(), returns.end());
        std::sort(heard.begin(), heard.end());
        std::printf("%-9s %10.2f %8.2f %26.1f %16.1f\n", name, returns[3], returns.back(), heard[3], peak);
    }
    return 0;
}
