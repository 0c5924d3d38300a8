#pragma once

#include "alerts/Alerts.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>

class AlertWindow;
class MessageBox;
class Notifier;
class ProgramLauncher;
class SoundPlayer;

// The alerts of the countdown and the alarms on the desktop, and the play buttons' sounds.
class AlertActions : public Alerts {
    Q_DECLARE_TR_FUNCTIONS(AlertActions)

public:
    AlertActions(SoundPlayer &sound, MessageBox &messages, ProgramLauncher &launcher, Notifier &notifier,
                 AlertWindow &window);

    // Where no sound can be played at all, the alert's notification says so.
    void playSound(const QString &source, const QString &path) override;
    // Plays the file with no fallback and says why when it cannot, at once or once the device fails.
    void tryPlaying(const QString &path);
    void restoreWindow() override;
    void notify(const QString &source, const QString &body, bool urgent) override;
    // Shows an alarm's message while the main window is not kept on top; OK is seeing that alarm's
    // alert.
    void showMessage(const QString &source, const QString &text) override;
    // The user has seen the alerts so far: "Show" on a notification, Restore from the tray, a click
    // or a key in the main window. Their notifications are withdrawn; those of a later alert stay.
    void alertSeen();
    // The user has seen the source's alert: OK on its box. The others' notifications stay.
    void alertSeen(const QString &source);
    // A message box's wait may have seen the program close.
    bool isLeaving() const override;
    void runProgram(const QString &commandLine) override;

private:
    // An alert not yet seen: its notification (no body until it is sent), and why it has no sound.
    struct Alert {
        QString body;
        bool urgent = false;
        QString noSound;
    };

    void notifyAlert(const QString &source);

    SoundPlayer &m_sound;
    MessageBox &m_messages;
    ProgramLauncher &m_launcher;
    Notifier &m_notifier;
    AlertWindow &m_window;
    int m_messagesOpen = 0;
    QMap<QString, Alert> m_unseen; // by source
    QString m_soundSource;         // whose sound was played last
};
