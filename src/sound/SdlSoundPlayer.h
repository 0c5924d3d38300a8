#pragma once

#include "sound/JobThread.h"
#include "sound/SoundPlayer.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <memory>

struct AudioLibraries;
class SoundStream;

// Plays sound files through SDL's audio, read from the file as the device asks for them. The
// device is opened for a sound and closed soon after it ends, both on a thread of their own: a
// sound server that is slow to answer, restarting or hung never holds up the window's thread, an
// idle program has no audio thread waking it, and the program's end waits for no server. A file
// that cannot be played plays the default sound instead, unless the play says not to.
class SdlSoundPlayer : public QObject, public SoundPlayer {
public:
    SdlSoundPlayer();
    ~SdlSoundPlayer() override;
    Q_DISABLE_COPY_MOVE(SdlSoundPlayer)

    bool play(const QString &path, How how, Failed failed) override;
    void stop() override;

private:
    struct Device;
    struct Link;

    bool loadLibraries();
    std::unique_ptr<SoundStream> openSound(const QString &path) const;
    void openDevice();
    void deviceOpened(bool opened);
    void reopenIfStopped();
    void retire();
    bool carry(std::unique_ptr<SoundStream> sound);
    void watch();
    bool waiting() const;
    void tell(Failure failure, const QString &reason = QString());
    void closeIfEnded();
    void closeDevice();
    static void fill(void *device, uint8_t *into, int size);

    std::shared_ptr<AudioLibraries> m_audio;
    QString m_libraryError; // why the libraries could not be loaded, once tried
    std::shared_ptr<Link> m_link;
    JobThread m_jobs;
    std::shared_ptr<Device> m_device; // open, or being opened
    bool m_opening = false;
    // The last sound's, until it is heard, dropped or told failed.
    Failed m_failed;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_reasonTold = false;
    // At the last sound's deadline, and while a device holds a sound, when it would have taken
    // nothing for too long.
    QTimer m_watch;
    QTimer m_closing;
};
