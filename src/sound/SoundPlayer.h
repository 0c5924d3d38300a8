#pragma once

#include <QString>

#include <functional>

// Plays sound files (WAV, FLAC, Ogg, MP3 and whatever else libsndfile reads) in the background.
// play() returns at once: true when the sound is on its way, which may still take a sound server's
// while (5 s at most: then it is given up and its failure told); a new play cuts off a sound still
// playing or waiting, unless it is to follow it.
class SoundPlayer {
public:
    struct How {
        // The built-in sound in place of a file that cannot be played.
        bool orDefault = true;
        // After a sound still playing, rather than cutting it off; one that repeats ends its
        // repeats then.
        bool afterPlaying = false;
        // Again and again, a second of silence between, until stopped or followed.
        bool repeat = false;
    };

    // How the kinds of sound file that play() reads are named.
    static constexpr const char16_t *FileExtensions[] = {
        u"wav", u"flac", u"ogg", u"oga", u"opus", u"mp3", u"aif", u"aiff", u"aifc",
        u"au",  u"snd",  u"caf", u"w64", u"rf64", u"voc", u"wve", u"avr",  u"htk",
        u"iff", u"svx",  u"mpc", u"paf", u"pvf",  u"sd2", u"sds", u"sf",   u"xi"};

    // Why a sound on its way was never heard.
    enum class Failure { NoServer, NoDevice, NoLibrary };
    // Told on the window's thread, at most once, once the sound can no longer be played.
    using Failed = std::function<void(Failure)>;

    virtual ~SoundPlayer() = default;
    // False at once for a file that cannot be played (and no default in its place).
    virtual bool play(const QString &path, How how, Failed failed) = 0;
    // The sound playing or waiting ends now, and so do those to follow it; no failure is told.
    virtual void stop() = 0;
};
