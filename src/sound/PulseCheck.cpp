#include "sound/PulseCheck.h"

#include <QLibrary>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace {
constexpr std::chrono::milliseconds AnswerWithin(100);
} // namespace

bool PulseCheck::serverCannotPlay() {
    // Loaded as SDL loads it, only when a sound is about to play; never unloaded, as a check that
    // hangs goes on using it.
    QLibrary library(QStringLiteral("pulse-simple"), 0);
    const auto connect = reinterpret_cast<decltype(&pa_simple_new)>(library.resolve("pa_simple_new"));
    const auto disconnect = reinterpret_cast<decltype(&pa_simple_free)>(library.resolve("pa_simple_free"));
    if (!connect || !disconnect)
        return false;
    // Asked on a thread of its own, which a server that hangs keeps for as long as it hangs.
    auto answer = std::make_shared<std::promise<bool>>();
    std::future<bool> noOutput = answer->get_future();
    std::thread([answer, connect, disconnect] {
        // Any format does: the stream is only asked for, never written to.
        const pa_sample_spec spec{PA_SAMPLE_S16LE, 44100, 1};
        int error = PA_OK;
        pa_simple *stream =
            connect(nullptr, "Tivvet", PA_STREAM_PLAYBACK, nullptr, "check", &spec, nullptr, nullptr, &error);
        if (stream)
            disconnect(stream);
        answer->set_value(!stream && error == PA_ERR_NOENTITY);
    }).detach();
    return noOutput.wait_for(AnswerWithin) != std::future_status::ready || noOutput.get();
}
