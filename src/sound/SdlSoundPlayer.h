#pragma once

#include "sound/JobThread.h"
#include "sound/SoundPlayer.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>

struct AudioLibraries;
class SoundStream;

// Plays sound files through SDL's audio, read from the file as the device asks for them. The
// device is opened for a sound and closed soon after it ends, both on a thread of their own: a
// sound server that is slow to answer, restarting or hung never holds up the window's thread, an
// idle program has no audio thread waking it, and the program's end waits for no server. A file
// that cannot be played plays the default sound instead, unless SND_NODEFAULT says not to.
class SdlSoundPlayer : public QObject, public SoundPlayer {
public:
    SdlSoundPlayer();
    ~SdlSoundPlayer() override;
    Q_DISABLE_COPY_MOVE(SdlSoundPlayer)

    bool play(const QString &path, int flags, Failed failed) override;
    void dropWaitingSound() override;

private:
    struct Device;
    struct Link;

    std::unique_ptr<SoundStream> openSound(const QString &path) const;
    void openDevice();
    void deviceOpened(std::optional<Failure> failure);
    void reopenIfStopped();
    void closeDevice();
    void closeIfEnded();
    static void fill(void *device, uint8_t *into, int size);

    std::shared_ptr<AudioLibraries> m_audio;
    std::shared_ptr<Link> m_link;
    JobThread m_jobs;
    std::shared_ptr<Device> m_device; // open, or being opened
    bool m_opening = false;
    // Whom to tell when the device cannot be opened.
    Failed m_failed;
    QTimer m_closing;
};
