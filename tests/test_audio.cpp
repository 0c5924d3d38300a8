#include "PulseAudioServer.h"
#include "SoundFiles.h"
#include "platform/SdlSoundPlayer.h"
#include "platform/WavFile.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int Test = SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT;

// A tone with a 32-bit field of its header set.
QByteArray toneWith(qsizetype at, quint32 value, double seconds = 0.2) {
    QByteArray wav = SoundFiles::toneWav(seconds);
    qToLittleEndian(value, wav.data() + at);
    return wav;
}
} // namespace

// The real player through a real PulseAudio server with a null sink, recorded at its monitor.
class TestAudio : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void withoutASoundServerNothingPlays();
    void whatIsNoSoundIsRefused();
    void aSoundAndTheDefaultAreHeardAlsoAfterARestart();
    void chunkSizesAreCutToTheFile();

private:
    // The loudest sample recorded while the file played.
    double loudestPlaying(const QByteArray &wav, int flags) {
        const QString path = folder.filePath(u"sound.wav"_s), recording = folder.filePath(u"recorded.raw"_s);
        SoundFiles::write(path, wav);
        MonitorRecorder recorder(server, recording);
        if (!recorder.waitUntilStreaming() || !player.play(wav.isEmpty() ? QString() : path, flags))
            return -1;
        QTest::qWait(2500); // after a restart the sound comes late
        recorder.stop();
        return SoundFiles::maximumAmplitude(recording);
    }
    bool plays(const QByteArray &wav) {
        return SoundFiles::write(folder.filePath(u"file.wav"_s), wav) &&
               player.play(folder.filePath(u"file.wav"_s), Test);
    }

    QTemporaryDir folder;
    PulseAudioServer server;
    SdlSoundPlayer player;
};

void TestAudio::initTestCase() {
    qputenv("SDL_AUDIODRIVER", "pulseaudio");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(server.runtimeDir()));
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(server.socket()));
}

void TestAudio::withoutASoundServerNothingPlays() {
    QVERIFY(!plays(SoundFiles::toneWav(0.2)));
    QVERIFY(!player.play(QString(), SoundPlayer::SND_ASYNC)); // the beep, which says nothing
    QVERIFY(server.start());
}

void TestAudio::whatIsNoSoundIsRefused() {
    const std::pair<QByteArray, bool> rows[] = {
        {SoundFiles::toneWav(0.2), true},
        {"not a sound at all\n", false},
        {SoundFiles::toneWav(0), false},
        {SoundFiles::toneWav(2.0 / 22050), true},
        {toneWith(24, 999), false},
        {toneWith(24, 1000), true},
        {toneWith(24, 768000), true},
        {toneWith(24, 768001), false},
        {SoundFiles::toneWav(0.2).mid(8), true}, // without its RIFF header
    };
    for (const auto &[wav, playable] : rows)
        QCOMPARE(plays(wav), playable);
    QVERIFY(!player.play(folder.filePath(u"missing.wav"_s), Test));
}

void TestAudio::aSoundAndTheDefaultAreHeardAlsoAfterARestart() {
    const double tone = loudestPlaying(toneWith(40, 0xFFFFFFF0, 0.5), Test); // a data size beyond the file
    QVERIFY2(tone > 0.3 && tone < 0.7, qPrintable(QString::number(tone)));
    const double fallback = loudestPlaying(QByteArray(), SoundPlayer::SND_ASYNC);
    QVERIFY2(fallback > 0.2, qPrintable(QString::number(fallback)));
    server.stop();
    QVERIFY(server.start());
    const double afterRestart = loudestPlaying(SoundFiles::toneWav(0.5), Test);
    QVERIFY2(afterRestart > 0.3, qPrintable(QString::number(afterRestart)));
}

// A hundred bytes that say they hold gigabytes are read as what they hold.
void TestAudio::chunkSizesAreCutToTheFile() {
    const auto sizeAt = [](const QByteArray &wav, qsizetype at) {
        return qFromLittleEndian<quint32>(wav.constData() + at);
    };
    QByteArray wav = toneWith(40, 0xFFFFFFF0, 0.001); // 44 bytes of header and 44 of samples
    qToLittleEndian<quint32>(0xFFFFFFF0, wav.data() + 4);
    WavFile::boundChunkSizes(wav);
    QCOMPARE(sizeAt(wav, 4), quint32(wav.size() - 8));
    QCOMPARE(sizeAt(wav, 16), 16u);
    QCOMPARE(sizeAt(wav, 40), quint32(wav.size() - 44));
    QByteArray smaller = toneWith(4, 20, 0.001); // a RIFF size within the file stays
    WavFile::boundChunkSizes(smaller);
    QCOMPARE(sizeAt(smaller, 4), 20u);
    QByteArray headerless = toneWith(40, 0xFFFFFFF0, 0.001).mid(8);
    WavFile::boundChunkSizes(headerless);
    QCOMPARE(sizeAt(headerless, 32), quint32(headerless.size() - 36));
    QByteArray odd =
        QByteArray("RIFF\x00\x00\x00\x00WAVEab  \x03\x00\x00\x00xyz\x00", 24) + "cd  \xff\xff\xff\xff" + "12";
    WavFile::boundChunkSizes(odd);
    QCOMPARE(sizeAt(odd, 28), 2u); // after the odd chunk's pad byte
}

QTEST_MAIN(TestAudio)
#include "test_audio.moc"
