#pragma once

#include <SDL.h>
#include <sndfile.h>

#include <QLibrary>

#include <memory>

// The functions of SDL's audio and of libsndfile, loaded when the first sound plays rather than
// when the program starts: between them they bring some forty libraries, codecs among them, and
// most runs of a timer play no sound for hours.
struct AudioLibraries {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_GetAudioDeviceStatus) GetAudioDeviceStatus;
    decltype(&SDL_NewAudioStream) NewAudioStream;
    decltype(&SDL_AudioStreamPut) AudioStreamPut;
    decltype(&SDL_AudioStreamGet) AudioStreamGet;
    decltype(&SDL_AudioStreamClear) AudioStreamClear;
    decltype(&SDL_FreeAudioStream) FreeAudioStream;
    decltype(&SDL_GetError) GetError;
    decltype(&sf_open_virtual) SfOpenVirtual;
    decltype(&sf_readf_float) SfReadfFloat;
    decltype(&sf_seek) SfSeek;
    decltype(&sf_close) SfClose;

    // Nothing when either is not installed or lacks a function, and the error says why.
    static std::unique_ptr<AudioLibraries> load(QString &error);

private:
    QLibrary m_sdl{QStringLiteral("SDL2-2.0"), 0};
    QLibrary m_sndfile{QStringLiteral("sndfile"), 1};
};
