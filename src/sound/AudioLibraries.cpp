#include "sound/AudioLibraries.h"

#include "sound/LoadedLibrary.h"

std::unique_ptr<AudioLibraries> AudioLibraries::load() {
    auto audio = std::make_unique<AudioLibraries>();
    QLibrary &sdl = audio->m_sdl;
    QLibrary &sndfile = audio->m_sndfile;
    const bool complete = sdl.load() && resolve(sdl, audio->SetHint, "SDL_SetHint") &&
                          resolve(sdl, audio->InitSubSystem, "SDL_InitSubSystem") &&
                          resolve(sdl, audio->QuitSubSystem, "SDL_QuitSubSystem") &&
                          resolve(sdl, audio->OpenAudioDevice, "SDL_OpenAudioDevice") &&
                          resolve(sdl, audio->CloseAudioDevice, "SDL_CloseAudioDevice") &&
                          resolve(sdl, audio->PauseAudioDevice, "SDL_PauseAudioDevice") &&
                          resolve(sdl, audio->GetAudioDeviceStatus, "SDL_GetAudioDeviceStatus") &&
                          resolve(sdl, audio->NewAudioStream, "SDL_NewAudioStream") &&
                          resolve(sdl, audio->AudioStreamPut, "SDL_AudioStreamPut") &&
                          resolve(sdl, audio->AudioStreamGet, "SDL_AudioStreamGet") &&
                          resolve(sdl, audio->FreeAudioStream, "SDL_FreeAudioStream") && sndfile.load() &&
                          resolve(sndfile, audio->SfOpenVirtual, "sf_open_virtual") &&
                          resolve(sndfile, audio->SfReadfFloat, "sf_readf_float") &&
                          resolve(sndfile, audio->SfClose, "sf_close");
    return complete ? std::move(audio) : nullptr;
}
