#include "sound/PulseCheck.h"

#include "sound/LoadedLibrary.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>

namespace {

using namespace std::chrono;

struct Pulse {
    decltype(&pa_mainloop_new) mainloopNew;
    decltype(&pa_mainloop_get_api) mainloopApi;
    decltype(&pa_mainloop_prepare) prepare;
    decltype(&pa_mainloop_poll) poll;
    decltype(&pa_mainloop_dispatch) dispatch;
    decltype(&pa_mainloop_free) mainloopFree;
    decltype(&pa_context_new) contextNew;
    decltype(&pa_context_connect) connect;
    decltype(&pa_context_get_state) state;
    decltype(&pa_context_get_server_info) serverInfo;
    decltype(&pa_operation_unref) operationUnref;
    decltype(&pa_context_disconnect) disconnect;
    decltype(&pa_context_unref) contextUnref;

    // Loaded as SDL loads it, only when a sound is about to play, and kept.
    bool load() {
        QLibrary library(QStringLiteral("pulse"), 0);
        return library.load() && resolve(library, mainloopNew, "pa_mainloop_new") &&
               resolve(library, mainloopApi, "pa_mainloop_get_api") &&
               resolve(library, prepare, "pa_mainloop_prepare") &&
               resolve(library, poll, "pa_mainloop_poll") &&
               resolve(library, dispatch, "pa_mainloop_dispatch") &&
               resolve(library, mainloopFree, "pa_mainloop_free") &&
               resolve(library, contextNew, "pa_context_new") &&
               resolve(library, connect, "pa_context_connect") &&
               resolve(library, state, "pa_context_get_state") &&
               resolve(library, serverInfo, "pa_context_get_server_info") &&
               resolve(library, operationUnref, "pa_operation_unref") &&
               resolve(library, disconnect, "pa_context_disconnect") &&
               resolve(library, contextUnref, "pa_context_unref");
    }
};

// The server's default sink, which it has only where it has an output device.
void takeServerInfo(pa_context *, const pa_server_info *info, void *answer) {
    *static_cast<PulseCheck::Answer *>(answer) =
        info && info->default_sink_name ? PulseCheck::Answer::CanPlay : PulseCheck::Answer::NoDevice;
}

} // namespace

PulseCheck::Answer PulseCheck::ask(steady_clock::time_point deadline) {
    Pulse pulse;
    if (!pulse.load())
        return Answer::NoServer;
    pa_mainloop *loop = pulse.mainloopNew();
    pa_context *context = pulse.contextNew(pulse.mainloopApi(loop), "Tivvet");
    Answer answer = pulse.connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ? Answer::NoServer
                                                                                         : Answer::NoAnswer;
    bool asked = false;
    // Stepped by hand so that a server that takes the connection and never answers is given up.
    for (auto left = deadline - steady_clock::now(); answer == Answer::NoAnswer && left > 0s;
         left = deadline - steady_clock::now()) {
        if (pulse.prepare(loop, int(duration_cast<microseconds>(left).count())) < 0 || pulse.poll(loop) < 0 ||
            pulse.dispatch(loop) < 0 || !PA_CONTEXT_IS_GOOD(pulse.state(context)))
            answer = Answer::NoServer;
        else if (pulse.state(context) == PA_CONTEXT_READY && !std::exchange(asked, true))
            pulse.operationUnref(pulse.serverInfo(context, takeServerInfo, &answer));
    }
    pulse.disconnect(context);
    pulse.contextUnref(context);
    pulse.mainloopFree(loop);
    return answer;
}
