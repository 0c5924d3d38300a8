// The WAV loading path up to the sound device (SDL's dummy driver) on any bytes.
#include "sound/SdlSoundPlayer.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const bool environment = [] {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return true;
    }();
    static int argc = 1;
    static char name[] = "fuzz_wav";
    static char *argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    static SdlSoundPlayer player;
    static QTemporaryDir folder;
    Q_UNUSED(environment);

    const QString path = folder.filePath(QStringLiteral("sound.wav"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    player.play(path, SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT, nullptr);
    return 0;
}
