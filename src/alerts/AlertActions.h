#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>

class AlertWindow;
class MessageBox;
class Notifier;
class ProgramLauncher;
class SoundPlayer;

// The alert operations of the countdown, the alarms, the play buttons and the tray.
class AlertActions {
    Q_DECLARE_TR_FUNCTIONS(AlertActions)

public:
    AlertActions(SoundPlayer &sound, MessageBox &messages, ProgramLauncher &launcher, Notifier &notifier,
                 AlertWindow &window);

    // Plays the file in the background for the source's alert; a file that cannot be played gives the
    // default sound. Where no sound can be played at all, the alert's notification says so.
    void PlayAlertSound(const QString &source, const QString &path);
    // Plays the file with no fallback and says why when it cannot, at once or once the device fails.
    void TestPlaySound(const QString &path);
    void RestoreMainWindow();
    // A desktop notification that says what fired, for where a sound or a window is not enough.
    void NotifyUser(const QString &source, const QString &body, bool urgent);
    // Shows an alarm's message while the main window is not kept on top; returns after OK, which is
    // seeing that alarm's alert.
    void ShowAlertMessage(const QString &source, const QString &text);
    // The user has seen the alerts so far: "Show" on a notification, Restore from the tray, a click
    // or a key in the main window. Their notifications are withdrawn; those of a later alert stay.
    void alertSeen();
    // The user has seen the source's alert: OK on its box. The others' notifications stay.
    void alertSeen(const QString &source);
    // The program is on its way out: a message box's wait may have seen it close.
    bool isLeaving() const;
    // Starts an alarm's program on its own; says so when it cannot be started.
    void RunAlertProgram(const QString &commandLine);

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
