#include "LargestAllocation.h"
#include "SoundFiles.h"
#include "platform/SdlSoundPlayer.h"
#include "platform/WavFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

// The real player on SDL's disk driver, which writes what the device plays to a file.
class TestSoundPlayer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void playsEveryWavEncoding_data();
    void playsEveryWavEncoding();
    void rejectsWhatIsNotSound_data();
    void rejectsWhatIsNotSound();
    void missingFilePlaysTheDefaultUnlessTold();
    void chunkSizesAreCutToTheFile();
    void aFileChangedWhilePlayingIsNoHarm();
    void aSoundIsReadWithoutReservingTheLimit();

private:
    // Whether non-silent audio reaches the device output within the next half second.
    bool soundArrivesAfter(qint64 outputSize);
    qint64 outputSize() const { return QFileInfo(output).size(); }
    QString path(const QString &name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    QString output;
    SdlSoundPlayer player;
};

void TestSoundPlayer::initTestCase() {
    output = path(u"device.raw"_s);
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output));

    const QString tone = path(u"pcm16.wav"_s);
    QVERIFY(SoundFiles::write(tone, SoundFiles::toneWav(0.3)));
    const QList<std::pair<QString, QStringList>> encodings{
        {u"pcm8.wav"_s, {u"-b"_s, u"8"_s, u"-e"_s, u"unsigned-integer"_s}},
        {u"pcm24.wav"_s, {u"-b"_s, u"24"_s, u"-e"_s, u"signed-integer"_s}},
        {u"pcm32.wav"_s, {u"-b"_s, u"32"_s, u"-e"_s, u"signed-integer"_s}},
        {u"float.wav"_s, {u"-b"_s, u"32"_s, u"-e"_s, u"floating-point"_s}},
        {u"mulaw.wav"_s, {u"-e"_s, u"mu-law"_s}},
        {u"alaw.wav"_s, {u"-e"_s, u"a-law"_s}},
        {u"ima.wav"_s, {u"-e"_s, u"ima-adpcm"_s}},
        {u"ms.wav"_s, {u"-e"_s, u"ms-adpcm"_s}},
        {u"stereo48k.wav"_s, {u"-c"_s, u"2"_s, u"-r"_s, u"48000"_s}},
    };
    for (const auto &[name, encoding] : encodings)
        QVERIFY2(SoundFiles::convert(tone, path(name), encoding), qPrintable(name));
}

bool TestSoundPlayer::soundArrivesAfter(qint64 sizeAtPlay) {
    QTest::qWait(500);
    QFile device(output);
    if (!device.open(QIODevice::ReadOnly) || !device.seek(sizeAtPlay))
        return false;
    return SoundFiles::maximumOf(device.readAll()) > 0.1f;
}

void TestSoundPlayer::playsEveryWavEncoding_data() {
    QTest::addColumn<QString>("name");
    for (const char *name : {"pcm8.wav", "pcm16.wav", "pcm24.wav", "pcm32.wav", "float.wav", "mulaw.wav",
                             "alaw.wav", "ima.wav", "ms.wav", "stereo48k.wav"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestSoundPlayer::playsEveryWavEncoding() {
    QFETCH(QString, name);
    const qint64 size = outputSize();
    QVERIFY(player.play(path(name), SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT));
    QVERIFY(soundArrivesAfter(size));
}

void TestSoundPlayer::rejectsWhatIsNotSound_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    const QByteArray wav = SoundFiles::toneWav(0.1);
    QByteArray headerOnly = wav.first(44);
    headerOnly[40] = headerOnly[41] = headerOnly[42] = headerOnly[43] = 0; // a data chunk of no bytes
    QTest::newRow("empty") << u"empty.wav"_s << QByteArray();
    QTest::newRow("header only") << u"header.wav"_s << headerOnly;
    QTest::newRow("cut in the header") << u"cut.wav"_s << wav.first(20);
    QTest::newRow("text") << u"notes.wav"_s << QByteArray("These are not samples.\n");
    QTest::newRow("junk") << u"junk.wav"_s << QByteArray(4096, '\xA5');
}

void TestSoundPlayer::rejectsWhatIsNotSound() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QVERIFY(SoundFiles::write(path(name), content));
    QVERIFY(!player.play(path(name), SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT));
}

void TestSoundPlayer::missingFilePlaysTheDefaultUnlessTold() {
    QVERIFY(!player.play(path(u"missing.wav"_s), SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT));
    QVERIFY(!player.play(folder.path(), SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT));
    QVERIFY(!player.play(QString(), SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT));

    const qint64 size = outputSize();
    QVERIFY(player.play(path(u"missing.wav"_s), SoundPlayer::SND_ASYNC));
    QVERIFY(soundArrivesAfter(size));
}

// Found by fuzzing: a file of a hundred bytes whose data chunk declared 2.6 GB made the decoder
// allocate that much.
void TestSoundPlayer::chunkSizesAreCutToTheFile() {
    QByteArray wav = SoundFiles::toneWav(0.01, 8000);
    const qsizetype dataSize = wav.size() - 44;
    wav[40] = char(0x50);
    wav[41] = char(0x00);
    wav[42] = char(0x00);
    wav[43] = char(0x9e);
    wav[4] = wav[5] = wav[6] = wav[7] = char(0xff);
    QByteArray bounded = wav;
    WavFile::boundChunkSizes(bounded);
    QCOMPARE(qFromLittleEndian<quint32>(bounded.constData() + 40), quint32(dataSize));
    QCOMPARE(qFromLittleEndian<quint32>(bounded.constData() + 4), quint32(wav.size() - 8));
    QCOMPARE(bounded.mid(44), wav.mid(44));

    QVERIFY(SoundFiles::write(path(u"greedy.wav"_s), wav));
    QVERIFY(player.play(path(u"greedy.wav"_s), SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT));

    QByteArray tooShort("RIFF\x04\x00\x00\x00WAV"); // shorter than a RIFF header: left alone
    const QByteArray before = tooShort;
    WavFile::boundChunkSizes(tooShort);
    QCOMPARE(tooShort, before);

    // Also found by fuzzing: the decoder takes a file without its RIFF header, from "WAVE" on.
    QByteArray headless = wav.mid(8);
    WavFile::boundChunkSizes(headless);
    QCOMPARE(qFromLittleEndian<quint32>(headless.constData() + 32), quint32(dataSize));
    QCOMPARE(headless.mid(36), wav.mid(44));
    QVERIFY(SoundFiles::write(path(u"headless.wav"_s), wav.mid(8)));
    QVERIFY(player.play(path(u"headless.wav"_s), SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT));
}

void TestSoundPlayer::aFileChangedWhilePlayingIsNoHarm() {
    const QString changing = path(u"changing.wav"_s);
    QVERIFY(SoundFiles::write(changing, SoundFiles::toneWav(0.3)));
    const qint64 size = outputSize();
    QVERIFY(player.play(changing, SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT));
    QVERIFY(SoundFiles::write(changing, QByteArray(100, 'x')));
    QVERIFY(QFile::remove(changing));
    QVERIFY(soundArrivesAfter(size));
}

// Reading up to the largest size allowed once allocated all of it, 256 MiB for every sound.
void TestSoundPlayer::aSoundIsReadWithoutReservingTheLimit() {
    const QString tone = path(u"small.wav"_s);
    QVERIFY(SoundFiles::write(tone, SoundFiles::toneWav(0.1, 8000)));
    std::optional<QByteArray> wav;
    const std::optional<std::size_t> largest =
        LargestAllocation::during([&] { wav = WavFile::readBounded(tone); });
    if (!largest)
        QSKIP("only the address sanitizer build sees every allocation");
    QVERIFY(wav && wav->size() > 1600);
    QVERIFY2(*largest < 64 * 1024, qPrintable(QString::number(*largest)));
}

QTEST_GUILESS_MAIN(TestSoundPlayer)
#include "test_sound_player.moc"
