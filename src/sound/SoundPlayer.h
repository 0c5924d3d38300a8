#pragma once

#include <QString>

// Plays WAV files in the background. play() returns at once, true when playback has started; a
// new play cuts off a sound still playing.
class SoundPlayer {
public:
    // Start the sound and return at once (every play is asynchronous).
    static constexpr int SND_ASYNC = 1;
    // Play nothing in place of a file that cannot be played.
    static constexpr int SND_NODEFAULT = 2;

    virtual ~SoundPlayer() = default;
    virtual bool play(const QString &path, int flags) = 0;
};
