#pragma once

#include <QString>

class Clock;
class ColourDialog;
class FileDialog;
class MessageBox;
class Notifier;
class ProgramLauncher;
class SleepInhibitor;
class SoundPlayer;
class TrayIcon;

// The platform services the program's logic uses, handed in at construction so that tests can
// pass fakes.
struct PlatformServices {
    SoundPlayer &sound;
    MessageBox &messages;
    ProgramLauncher &launcher;
    const Clock &clock;
    FileDialog &files;
    ColourDialog &colourDialog;
    TrayIcon &tray;
    Notifier &notifier;
    SleepInhibitor &sleep;
    // The user's configuration folder, where the settings, options files and autostart entry live.
    QString configFolder;
    // The running program, which the autostart entry starts and Help names; its default sound is
    // installed beside it.
    QString programPath;
};
