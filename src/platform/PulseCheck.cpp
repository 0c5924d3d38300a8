#include "platform/PulseCheck.h"

#include <QLibrary>

#include <pulse/error.h>
#include <pulse/simple.h>

bool PulseCheck::serverHasNoOutput() {
    // Loaded as SDL loads it, only when a sound is about to play.
    QLibrary library(QStringLiteral("pulse-simple"), 0);
    const auto connect = reinterpret_cast<decltype(&pa_simple_new)>(library.resolve("pa_simple_new"));
    const auto disconnect = reinterpret_cast<decltype(&pa_simple_free)>(library.resolve("pa_simple_free"));
    if (!connect || !disconnect)
        return false;
    // Any format does: the stream is only asked for, never written to.
    const pa_sample_spec spec{PA_SAMPLE_S16LE, 44100, 1};
    int error = PA_OK;
    pa_simple *stream =
        connect(nullptr, "Tivvet", PA_STREAM_PLAYBACK, nullptr, "check", &spec, nullptr, nullptr, &error);
    if (stream)
        disconnect(stream);
    return !stream && error == PA_ERR_NOENTITY;
}
