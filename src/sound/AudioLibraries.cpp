#include "sound/AudioLibraries.h"

#include "sound/LoadedLibrary.h"

namespace {

void ignoreAlsaError(const char *, int, const char *, int, const char *, ...) {}

// Where SDL turns to ALSA (no sound server), ALSA writes each error of its configuration to
// standard error, some ten lines at every try; the player tells the one that matters. Its handler
// is set before SDL loads it, and stays with the library, which is never unloaded.
void quietenAlsa() {
    QLibrary alsa(QStringLiteral("asound"), 2);
    int (*setHandler)(decltype(&ignoreAlsaError)) = nullptr;
    if (resolve(alsa, setHandler, "snd_lib_error_set_handler"))
        setHandler(ignoreAlsaError);
}

} // namespace

std::unique_ptr<AudioLibraries> AudioLibraries::load(QString &error) {
    auto audio = std::make_unique<AudioLibraries>();
    QLibrary &sdl = audio->m_sdl;
    QLibrary &sndfile = audio->m_sndfile;
    const bool sdlComplete = sdl.load() && resolve(sdl, audio->SetHint, "SDL_SetHint") &&
                             resolve(sdl, audio->InitSubSystem, "SDL_InitSubSystem") &&
                             resolve(sdl, audio->QuitSubSystem, "SDL_QuitSubSystem") &&
                             resolve(sdl, audio->OpenAudioDevice, "SDL_OpenAudioDevice") &&
                             resolve(sdl, audio->CloseAudioDevice, "SDL_CloseAudioDevice") &&
                             resolve(sdl, audio->PauseAudioDevice, "SDL_PauseAudioDevice") &&
                             resolve(sdl, audio->GetAudioDeviceStatus, "SDL_GetAudioDeviceStatus") &&
                             resolve(sdl, audio->NewAudioStream, "SDL_NewAudioStream") &&
                             resolve(sdl, audio->AudioStreamPut, "SDL_AudioStreamPut") &&
                             resolve(sdl, audio->AudioStreamGet, "SDL_AudioStreamGet") &&
                             resolve(sdl, audio->AudioStreamClear, "SDL_AudioStreamClear") &&
                             resolve(sdl, audio->FreeAudioStream, "SDL_FreeAudioStream") &&
                             resolve(sdl, audio->GetError, "SDL_GetError");
    const bool complete =
        sdlComplete && sndfile.load() && resolve(sndfile, audio->SfOpenVirtual, "sf_open_virtual") &&
        resolve(sndfile, audio->SfReadfFloat, "sf_readf_float") &&
        resolve(sndfile, audio->SfSeek, "sf_seek") && resolve(sndfile, audio->SfClose, "sf_close");
    if (!complete) {
        error = (sdlComplete ? sndfile : sdl).errorString();
        return nullptr;
    }
    quietenAlsa();
    return audio;
}
