#pragma once

#include <SDL.h>

#include <QLibrary>

#include <memory>

// SDL's audio functions, loaded when the first sound plays rather than when the program starts:
// SDL brings some thirty libraries with it, and most runs of a timer play no sound for hours.
struct SdlAudio {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_GetAudioDeviceStatus) GetAudioDeviceStatus;
    decltype(&SDL_LockAudioDevice) LockAudioDevice;
    decltype(&SDL_UnlockAudioDevice) UnlockAudioDevice;
    decltype(&SDL_RWFromConstMem) RWFromConstMem;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&SDL_FreeWAV) FreeWAV;
    decltype(&SDL_NewAudioStream) NewAudioStream;
    decltype(&SDL_AudioStreamPut) AudioStreamPut;
    decltype(&SDL_AudioStreamFlush) AudioStreamFlush;
    decltype(&SDL_AudioStreamAvailable) AudioStreamAvailable;
    decltype(&SDL_AudioStreamGet) AudioStreamGet;
    decltype(&SDL_FreeAudioStream) FreeAudioStream;

    // Nothing when SDL is not installed or lacks a function.
    static std::unique_ptr<SdlAudio> load();

private:
    QLibrary m_library{QStringLiteral("SDL2-2.0"), 0};
};
