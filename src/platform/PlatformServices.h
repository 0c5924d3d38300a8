#pragma once

class Clock;
class MessageBox;
class ProgramLauncher;
class SoundPlayer;

// The platform services the program's logic uses, handed in at construction so that tests can
// pass fakes.
struct PlatformServices {
    SoundPlayer &sound;
    MessageBox &messages;
    ProgramLauncher &launcher;
    const Clock &clock;
};
