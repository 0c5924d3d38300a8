#include "SoundFiles.h"
#include "platform/SdlSoundPlayer.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// With no sound device at all, playing reports failure, falls back to the desktop's beep, and
// never crashes or blocks.
class TestNoSoundDevice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void playingWithoutADeviceFailsQuietly();
};

void TestNoSoundDevice::playingWithoutADeviceFailsQuietly() {
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    QTemporaryDir folder;
    const QString tone = folder.filePath(u"tone.wav"_s);
    QVERIFY(SoundFiles::write(tone, SoundFiles::toneWav(0.1)));
    SdlSoundPlayer player;
    for (int attempt = 0; attempt < 3; ++attempt) {
        QVERIFY(!player.play(tone, SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT));
        QVERIFY(!player.play(tone, SoundPlayer::SND_ASYNC)); // the default fails too: a beep
        QVERIFY(!player.play(QString(), SoundPlayer::SND_ASYNC));
    }
}

QTEST_MAIN(TestNoSoundDevice)
#include "test_no_sound_device.moc"
