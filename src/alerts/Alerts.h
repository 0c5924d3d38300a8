#pragma once

#include <QString>

// What a timer does when it goes off, as the timers call it: the sound, then (the timer switched
// off) the window back, the notification, the message, which waits for the user, and the program.
// Each alert has a source, the timer it is for ("countdown", "Alarm I").
class Alerts {
public:
    // A warning plays once; a going-off rings until seen, where the user chose so.
    enum class Sound { Warning, GoingOff };
    enum class Answer { Ok, Snooze };

    virtual ~Alerts() = default;
    // Plays the file in the background; a file that cannot be played gives the default sound.
    virtual void playSound(const QString &source, const QString &path, Sound sound) = 0;
    virtual void restoreWindow() = 0;
    // A desktop notification that says what went off; an alarm's offers to snooze.
    virtual void notify(const QString &source, const QString &body, bool urgent, bool offersSnooze) = 0;
    // Returns once the user has answered the message: anything may have happened meanwhile.
    virtual Answer showMessage(const QString &source, const QString &text) = 0;
    // Starts a program on its own; says so when it cannot be started.
    virtual void runProgram(const QString &commandLine) = 0;
    // The program is on its way out: nothing more may start.
    virtual bool isLeaving() const = 0;
};
