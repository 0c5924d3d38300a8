#pragma once

#include <chrono>

// SDL's PulseAudio driver (2.26, Debian 12's) crashes the program on a server without an output
// device: it copies the default sink's name without looking whether there is one. And it waits
// for a server that does not answer for as long as the server hangs.
namespace PulseCheck {

enum class Answer { CanPlay, NoDevice, NoAnswer, NoServer };

// What a PulseAudio server says of its output device, asked until the deadline at most; NoServer
// where none takes the connection (ALSA alone, or no libpulse), which leaves SDL to find its own way.
Answer ask(std::chrono::steady_clock::time_point deadline);

} // namespace PulseCheck
