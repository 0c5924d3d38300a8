#pragma once

#include "controls/ColourDialog.h"
#include "controls/FileDialog.h"
#include "controls/MessageBox.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "platform/PlatformServices.h"
#include "platform/ProgramLauncher.h"
#include "platform/SleepInhibitor.h"
#include "platform/TrayIcon.h"
#include "platform/UserLocale.h"
#include "sound/SdlSoundPlayer.h"

#include <QCoreApplication>

// The real platform services, for whatever runs the main window as a user meets it.
struct RealPlatform {
    // Launched programs get the environment given, by default the one the program has now; the
    // clock writes times as its locale has them.
    explicit RealPlatform(
        const QProcessEnvironment &usersEnvironment = QProcessEnvironment::systemEnvironment())
        : launcher(usersEnvironment) {
        clock.formats = userLocale(usersEnvironment).formats;
    }

    SdlSoundPlayer sound;
    QtMessageBox messages;
    QProcessLauncher launcher;
    SystemClock clock;
    QtFileDialog files;
    QtColourDialog colourDialog;
    QtTrayIcon tray;
    DBusNotifier notifier;
    DBusSleepInhibitor sleep;

    PlatformServices services(const QString &configFolder) {
        return {sound,
                messages,
                launcher,
                clock,
                files,
                colourDialog,
                tray,
                notifier,
                sleep,
                configFolder,
                QCoreApplication::applicationFilePath()};
    }
    // Dialogs and message boxes stay above the window they belong to.
    void setOwner(QWidget *window) {
        messages.setOwner(window);
        files.setOwner(window);
    }
};
