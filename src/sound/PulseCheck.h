#pragma once

// SDL's PulseAudio driver (2.26, Debian 12's) crashes the program on a server without an output
// device: it copies the default sink's name without looking whether there is one. And a server
// that does not answer would hold the window's thread in SDL for as long as it hangs.
namespace PulseCheck {

// True where a PulseAudio server answers and has no device to play on, or where one takes the
// connection but does not answer within a tenth of a second; where none answers (ALSA alone, or no
// libpulse), SDL is left to find its own way.
bool serverCannotPlay();

} // namespace PulseCheck
