#include "PulseAudioServer.h"
#include "SoundFiles.h"
#include "sound/SdlSoundPlayer.h"
#include "sound/WavFile.h"

#include <QBuffer>
#include <QDir>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
constexpr int Test = SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT;
// Bytes of the monitor's recording: 48 kHz, two channels of 32-bit float.
constexpr qsizetype QuarterSecondOfRecording = 48000 / 4 * 2 * 4;

// A tone with a 32-bit field of its header set.
QByteArray toneWith(qsizetype at, quint32 value, double seconds = 0.2) {
    QByteArray wav = SoundFiles::toneWav(seconds);
    qToLittleEndian(value, wav.data() + at);
    return wav;
}
// A tone whose format chunk is grown to the given size with zeros, and padded when odd.
QByteArray withFormatSize(const QByteArray &wav, quint32 size) {
    QByteArray grown = wav.left(16) + QByteArray(4, '\0') + wav.mid(20, 16) +
                       QByteArray(size - 16 + (size & 1), '\0') + wav.mid(36);
    qToLittleEndian(size, grown.data() + 16);
    qToLittleEndian(quint32(grown.size() - 8), grown.data() + 4);
    return grown;
}
} // namespace

// The real player through a real PulseAudio server with a null sink, recorded at its monitor.
class TestAudio : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        idleThreads = threads();
        qputenv("SDL_AUDIODRIVER", "pulseaudio");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(server.runtimeDir()));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(server.socket()));
    }

    // No sound server, a device that cannot be opened, a server without a device to play on, a
    // server that takes the connection and never answers.
    void withoutASoundDeviceNothingPlays() {
        QVERIFY(!plays(SoundFiles::toneWav(0.2)));
        QVERIFY(!player.play(QString(), SoundPlayer::SND_ASYNC)); // the beep, which says nothing
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", "/nonexistent/sound.raw");
        QVERIFY(!plays(SoundFiles::toneWav(0.2)));
        qputenv("SDL_AUDIODRIVER", "pulseaudio");
        QVERIFY(server.start(false));
        QVERIFY(!plays(SoundFiles::toneWav(0.2)));
        server.stop();
        QVERIFY(server.start());
        const QByteArray hung = QFile::encodeName(folder.filePath(u"hung"_s)),
                         pulse = qgetenv("PULSE_SERVER");
        sockaddr_un address{AF_UNIX, {}};
        hung.toStdString().copy(address.sun_path, sizeof address.sun_path - 1);
        const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(::bind(listening, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
        QVERIFY(::listen(listening, 4) == 0);
        qputenv("PULSE_SERVER", "unix:" + hung);
        QVERIFY(!plays(SoundFiles::toneWav(0.2)));
        ::close(listening);
        qputenv("PULSE_SERVER", pulse);
    }

    void whatIsNoSoundIsRefused() {
        QVERIFY(!player.play(folder.filePath(u"missing.wav"_s), Test));
        const QString fifo = folder.filePath(u"fifo.wav"_s); // opened, it would wait for a writer
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        for (const QString &notAFile : {fifo, u"/dev/zero"_s})
            QVERIFY(!player.play(notAFile, Test));
    }

    void aSoundAndTheDefaultAreHeardAlsoAfterARestart() {
        const double tone =
            loudestPlaying(toneWith(40, 0xFFFFFFF0, 0.5), Test); // a data size beyond the file
        QVERIFY2(tone > 0.3 && tone < 0.7, qPrintable(QString::number(tone)));
        const double fallback = loudestPlaying(QByteArray(), SoundPlayer::SND_ASYNC);
        QVERIFY2(fallback > 0.2, qPrintable(QString::number(fallback)));
        server.stop();
        QVERIFY(server.start());
        const double afterRestart = loudestPlaying(SoundFiles::toneWav(0.5), Test);
        QVERIFY2(afterRestart > 0.3, qPrintable(QString::number(afterRestart)));
    }

    // Read a piece at a time: the last one is heard too, and the audio thread goes once it has played.
    void aLongSoundPlaysToItsEndThenLetsTheDeviceGo() {
        QByteArray wav =
            SoundFiles::toneWav(1.2, 22050, 4000) + SoundFiles::toneWav(0.3, 22050, 24000).mid(44);
        qToLittleEndian<quint32>(quint32(wav.size() - 8), wav.data() + 4);
        qToLittleEndian<quint32>(quint32(wav.size() - 44), wav.data() + 40);
        const double loudest = loudestPlaying(wav, Test);
        QVERIFY2(loudest > 0.6 && loudest < 0.8, qPrintable(QString::number(loudest)));
        QTRY_COMPARE_WITH_TIMEOUT(threads(), idleThreads, 5000);
        QVERIFY(player.play(folder.filePath(u"sound.wav"_s), Test));
        QCOMPARE_GT(threads(), idleThreads);
        QTRY_COMPARE_WITH_TIMEOUT(threads(), idleThreads, 5000);
    }

    void aNewSoundCutsOffTheOldOne() {
        QVERIFY(plays(SoundFiles::toneWav(6, 22050, 24000)));
        const double loudest = loudestLater(SoundFiles::toneWav(4, 22050, 4000));
        QVERIFY2(loudest > 0.08 && loudest < 0.2, qPrintable(QString::number(loudest)));
    }

    // Where the samples lie, with sizes that say they hold gigabytes cut to what the file holds, and
    // whether the file plays.
    void theSamplesAreFoundWithinTheFile_data() {
        QTest::addColumn<QByteArray>("wav");
        QTest::addColumn<qint64>("samplesStart"); // -1: no sound
        QTest::addColumn<qint64>("samplesSize");
        QTest::addColumn<bool>("plays");
        const QByteArray tone = SoundFiles::toneWav(0.001); // 44 bytes of header and 44 of samples
        QTest::newRow("plain") << tone << 44LL << 44LL << true;
        QTest::newRow("samples beyond the file") << toneWith(40, 0xFFFFFFF0, 0.001) << 44LL << 44LL << true;
        QTest::newRow("without its RIFF header") << tone.mid(8) << 36LL << 44LL << true;
        QTest::newRow("an odd chunk first")
            << tone.left(12) + QByteArray("ab  \x03\0\0\0xyz\0", 12) + tone.mid(12) << 56LL << 44LL << true;
        QTest::newRow("a chunk beyond the file first")
            << tone.left(12) + QByteArray("ab  \xff\xff\xff\xff", 8) + tone.mid(12) << -1LL << 0LL << false;
        QTest::newRow("a second format, ignored")
            << tone.left(36) + QByteArray("fmt \x10\0\0\0", 8) + QByteArray(16, '\0') + tone.mid(36) << 68LL
            << 44LL << true;
        QTest::newRow("samples before the format")
            << tone.left(12) + tone.mid(36) + tone.mid(12, 24) << -1LL << 0LL << false;
        QTest::newRow("no samples") << tone.left(36) << -1LL << 0LL << false;
        QTest::newRow("no format") << tone.left(12) + tone.mid(36) << -1LL << 0LL << false;
        QTest::newRow("a format of 18 bytes") << withFormatSize(tone, 18) << 46LL << 44LL << true;
        QTest::newRow("of 19, padded") << withFormatSize(tone, 19) << 48LL << 44LL << true;
        QTest::newRow("a format of 4096 bytes") << withFormatSize(tone, 4096) << 4124LL << 44LL << true;
        QTest::newRow("a format of 4097 bytes") << withFormatSize(tone, 4097) << -1LL << 0LL << false;
        QTest::newRow("not a sound") << QByteArray("RIFX and so on, on and on") << -1LL << 0LL << false;
        QTest::newRow("no sample at all") << SoundFiles::toneWav(0) << 44LL << 0LL << false;
        QTest::newRow("less than one sample") << toneWith(40, 1, 0) + '\1' << 44LL << 1LL << false;
        QTest::newRow("999 Hz") << toneWith(24, 999, 0.001) << 44LL << 44LL << false;
        QTest::newRow("1000 Hz") << toneWith(24, 1000, 0.001) << 44LL << 44LL << true;
        QTest::newRow("768000 Hz") << toneWith(24, 768000, 0.001) << 44LL << 44LL << true;
        QTest::newRow("768001 Hz") << toneWith(24, 768001, 0.001) << 44LL << 44LL << false;
        QTest::newRow("MP3, not decoded") << toneWith(20, 0x10055, 0.001) << 44LL << 44LL << false;
    }

    void theSamplesAreFoundWithinTheFile() {
        QFETCH(QByteArray, wav);
        QFETCH(qint64, samplesStart);
        QFETCH(qint64, samplesSize);
        QBuffer file(&wav);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::optional<WavFile::Layout> layout = WavFile::locate(file);
        QCOMPARE(layout ? layout->samplesStart : -1, samplesStart);
        QCOMPARE(layout ? layout->samplesSize : 0, samplesSize);
        QTEST(plays(wav), "plays");
        if (!layout)
            return;
        QCOMPARE(layout->blockSize, 2);
        // Each piece handed to the decoder is a whole WAV file of its own.
        const QByteArray piece = WavFile::piece(layout->format, wav.mid(samplesStart, samplesSize));
        QCOMPARE(qFromLittleEndian<quint32>(piece.constData() + 4), quint32(piece.size() - 8));
    }

private:
    // The loudest sample recorded while the file played.
    double loudestPlaying(const QByteArray &wav, int flags) {
        const QString path = folder.filePath(u"sound.wav"_s), recording = folder.filePath(u"recorded.raw"_s);
        SoundFiles::write(path, wav);
        MonitorRecorder recorder(server.environment(), recording);
        if (!recorder.waitUntilStreaming() || !player.play(wav.isEmpty() ? QString() : path, flags))
            return -1;
        QTest::qWait(2500); // after a restart the sound comes late
        recorder.stop();
        return SoundFiles::maximumAmplitude(recording);
    }
    // The loudest sample recorded after the file started, less the first quarter second, which
    // the monitor fills with what the sink had already mixed.
    double loudestLater(const QByteArray &wav) {
        const QString path = folder.filePath(u"later.wav"_s), recording = folder.filePath(u"later.raw"_s);
        if (!SoundFiles::write(path, wav) || !player.play(path, Test))
            return -1;
        MonitorRecorder recorder(server.environment(), recording);
        if (!recorder.waitUntilStreaming())
            return -1;
        QTest::qWait(1000);
        recorder.stop();
        return SoundFiles::maximumAmplitude(recording, QuarterSecondOfRecording);
    }
    bool plays(const QByteArray &wav) {
        return SoundFiles::write(folder.filePath(u"file.wav"_s), wav) &&
               player.play(folder.filePath(u"file.wav"_s), Test);
    }

    static qsizetype threads() { return QDir(u"/proc/self/task"_s).count(); }

    QTemporaryDir folder;
    PulseAudioServer server;
    qsizetype idleThreads = 0;
    SdlSoundPlayer player;
};

QTEST_MAIN(TestAudio)
#include "test_audio.moc"
