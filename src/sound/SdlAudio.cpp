#include "sound/SdlAudio.h"

#include "sound/LoadedLibrary.h"

std::unique_ptr<SdlAudio> SdlAudio::load() {
    auto sdl = std::make_unique<SdlAudio>();
    QLibrary &library = sdl->m_library;
    const bool complete = library.load() && resolve(library, sdl->SetHint, "SDL_SetHint") &&
                          resolve(library, sdl->InitSubSystem, "SDL_InitSubSystem") &&
                          resolve(library, sdl->QuitSubSystem, "SDL_QuitSubSystem") &&
                          resolve(library, sdl->OpenAudioDevice, "SDL_OpenAudioDevice") &&
                          resolve(library, sdl->CloseAudioDevice, "SDL_CloseAudioDevice") &&
                          resolve(library, sdl->PauseAudioDevice, "SDL_PauseAudioDevice") &&
                          resolve(library, sdl->GetAudioDeviceStatus, "SDL_GetAudioDeviceStatus") &&
                          resolve(library, sdl->LockAudioDevice, "SDL_LockAudioDevice") &&
                          resolve(library, sdl->UnlockAudioDevice, "SDL_UnlockAudioDevice") &&
                          resolve(library, sdl->RWFromConstMem, "SDL_RWFromConstMem") &&
                          resolve(library, sdl->LoadWAV_RW, "SDL_LoadWAV_RW") &&
                          resolve(library, sdl->FreeWAV, "SDL_FreeWAV") &&
                          resolve(library, sdl->NewAudioStream, "SDL_NewAudioStream") &&
                          resolve(library, sdl->AudioStreamPut, "SDL_AudioStreamPut") &&
                          resolve(library, sdl->AudioStreamFlush, "SDL_AudioStreamFlush") &&
                          resolve(library, sdl->AudioStreamAvailable, "SDL_AudioStreamAvailable") &&
                          resolve(library, sdl->AudioStreamGet, "SDL_AudioStreamGet") &&
                          resolve(library, sdl->FreeAudioStream, "SDL_FreeAudioStream");
    return complete ? std::move(sdl) : nullptr;
}
