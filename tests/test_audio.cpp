#include "PulseAudioServer.h"
#include "SoundFiles.h"
#include "platform/SdlSoundPlayer.h"
#include "platform/WavFile.h"

#include <QtEndian>

using namespace Qt::StringLiterals;

// The real player through a real PulseAudio server with a null sink, recorded at its monitor.
class TestAudio : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void withoutASoundServerNothingPlays();
    void whatIsNoSoundIsRefused_data();
    void whatIsNoSoundIsRefused();
    void aSoundAndTheDefaultReachTheServer();
    void aRestartedServerIsPickedUp();
    void chunkSizesAreCutToTheFile();

private:
    // The loudest sample recorded while the file played.
    double recordPlaying(const QString &path, int flags);
    QString path(const QString &name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    PulseAudioServer server;
    SdlSoundPlayer player;
};

void TestAudio::initTestCase() {
    qputenv("SDL_AUDIODRIVER", "pulseaudio");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(server.runtimeDir()));
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(server.socket()));
    QByteArray tone = SoundFiles::toneWav(0.5);
    QVERIFY(SoundFiles::write(path(u"tone.wav"_s), tone));
    qToLittleEndian<quint32>(0xFFFFFFF0, tone.data() + 4); // sizes far beyond the file
    qToLittleEndian<quint32>(0xFFFFFFF0, tone.data() + 40);
    QVERIFY(SoundFiles::write(path(u"oversized.wav"_s), tone));
}

void TestAudio::withoutASoundServerNothingPlays() {
    QVERIFY(!player.play(path(u"tone.wav"_s), SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT));
    QVERIFY(!player.play(QString(), SoundPlayer::SND_ASYNC)); // the beep, which says nothing
    QVERIFY(server.start());
}

void TestAudio::whatIsNoSoundIsRefused_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("plays");
    const QByteArray tone = SoundFiles::toneWav(0.2);
    QByteArray slow = tone, fast = tone, lowest = tone, highest = tone;
    qToLittleEndian<quint32>(999, slow.data() + 24);
    qToLittleEndian<quint32>(768001, fast.data() + 24);
    qToLittleEndian<quint32>(1000, lowest.data() + 24);
    qToLittleEndian<quint32>(768000, highest.data() + 24);
    QTest::newRow("a tone") << tone << true;
    QTest::newRow("text") << QByteArray("not a sound at all\n") << false;
    QTest::newRow("no samples") << SoundFiles::toneWav(0) << false;
    QTest::newRow("one sample") << SoundFiles::toneWav(1.0 / 22050) << true;
    QTest::newRow("below 1000 Hz") << slow << false;
    QTest::newRow("1000 Hz") << lowest << true;
    QTest::newRow("768 kHz") << highest << true;
    QTest::newRow("above 768 kHz") << fast << false;
    QTest::newRow("without its RIFF header") << tone.mid(8) << true;
}

void TestAudio::whatIsNoSoundIsRefused() {
    QFETCH(QByteArray, content);
    QVERIFY(SoundFiles::write(path(u"file.wav"_s), content));
    QTEST(player.play(path(u"file.wav"_s), SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT), "plays");
    QVERIFY(!player.play(path(u"missing.wav"_s), SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT));
}

double TestAudio::recordPlaying(const QString &path, int flags) {
    MonitorRecorder recorder(server, folder.filePath(u"recorded.raw"_s));
    if (!recorder.waitUntilStreaming() || !player.play(path, flags))
        return -1;
    QTest::qWait(2500);
    recorder.stop();
    return SoundFiles::maximumAmplitude(folder.filePath(u"recorded.raw"_s));
}

void TestAudio::aSoundAndTheDefaultReachTheServer() {
    const double tone =
        recordPlaying(path(u"oversized.wav"_s), SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT);
    QVERIFY2(tone > 0.3 && tone < 0.7, qPrintable(QString::number(tone)));
    const double fallback = recordPlaying(path(u"missing.wav"_s), SoundPlayer::SND_ASYNC);
    QVERIFY2(fallback > 0.2, qPrintable(QString::number(fallback)));
}

void TestAudio::aRestartedServerIsPickedUp() {
    server.stop();
    QVERIFY(server.start());
    const double tone = recordPlaying(QString(), SoundPlayer::SND_ASYNC);
    QVERIFY2(tone > 0.3, qPrintable(QString::number(tone)));
}

// A hundred bytes that say they hold gigabytes are read as what they hold.
void TestAudio::chunkSizesAreCutToTheFile() {
    QByteArray wav = SoundFiles::toneWav(0.001); // 44 bytes of header and 44 of samples
    qToLittleEndian<quint32>(0xFFFFFFF0, wav.data() + 4);
    qToLittleEndian<quint32>(0xFFFFFFF0, wav.data() + 40);
    WavFile::boundChunkSizes(wav);
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 16), 16u);
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(wav.size() - 44));
    QByteArray headerless = SoundFiles::toneWav(0.001).mid(8);
    qToLittleEndian<quint32>(0xFFFFFFF0, headerless.data() + 32);
    WavFile::boundChunkSizes(headerless);
    QCOMPARE(qFromLittleEndian<quint32>(headerless.constData() + 32), quint32(headerless.size() - 36));
    QByteArray odd =
        QByteArray("RIFF\x00\x00\x00\x00WAVEab  \x03\x00\x00\x00xyz\x00", 24) + "cd  \xff\xff\xff\xff" + "12";
    WavFile::boundChunkSizes(odd);
    QCOMPARE(qFromLittleEndian<quint32>(odd.constData() + 28), 2u); // after the odd chunk's pad byte
}

QTEST_MAIN(TestAudio)
#include "test_audio.moc"
