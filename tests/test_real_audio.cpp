#include "PulseAudioServer.h"
#include "SoundFiles.h"
#include "platform/SdlSoundPlayer.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The real player through a real PulseAudio server, recorded at the sink's monitor.
class TestRealAudio : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void defaultSoundReachesTheSoundServer();
    void aRestartedSoundServerIsPickedUp();

private:
    // Plays the default sound while recording, and returns the loudest sample recorded.
    double recordDefaultSound(const QString &name);

    QTemporaryDir folder;
    PulseAudioServer server;
    SdlSoundPlayer player;
};

void TestRealAudio::initTestCase() {
    QVERIFY(server.start());
    qputenv("SDL_AUDIODRIVER", "pulseaudio");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(server.runtimeDir()));
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(server.socket()));
}

double TestRealAudio::recordDefaultSound(const QString &name) {
    const QString recording = folder.filePath(name);
    MonitorRecorder recorder(server, recording);
    if (!recorder.waitUntilStreaming())
        return -1;
    // An empty path is no file: the default sound plays in its place.
    if (!player.play(QString(), SoundPlayer::SND_ASYNC))
        return -1;
    QTest::qWait(2000);
    recorder.stop();
    return SoundFiles::maximumAmplitude(recording);
}

void TestRealAudio::defaultSoundReachesTheSoundServer() {
    const double loudest = recordDefaultSound(u"first.raw"_s);
    QVERIFY2(loudest > 0.2, qPrintable(QString::number(loudest)));
}

void TestRealAudio::aRestartedSoundServerIsPickedUp() {
    server.stop();
    QVERIFY(server.start());
    const double loudest = recordDefaultSound(u"after-restart.raw"_s);
    QVERIFY2(loudest > 0.2, qPrintable(QString::number(loudest)));
}

QTEST_GUILESS_MAIN(TestRealAudio)
#include "test_real_audio.moc"
