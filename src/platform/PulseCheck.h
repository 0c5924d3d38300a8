#pragma once

// SDL's PulseAudio driver (2.26, Debian 12's) crashes the program on a server without an output
// device: it copies the default sink's name without looking whether there is one.
namespace PulseCheck {

// True only where a PulseAudio server answers and has no device to play on; where none answers
// (ALSA alone, or no libpulse), SDL is left to find its own way.
bool serverHasNoOutput();

} // namespace PulseCheck
