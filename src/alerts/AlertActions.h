#pragma once

#include "alerts/Alerts.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

class AlertWindow;
class MessageBox;
class Notifier;
class ProgramLauncher;
class SoundPlayer;

// The alerts of the countdown and the alarms on the desktop, and the play buttons' sounds. Seeing
// an alert stops its sound; a going-off may ring until it is seen, for a while at most.
class AlertActions : public QObject, public Alerts {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlertActions)

public:
    static constexpr std::chrono::minutes RingsAtMost{5};

    AlertActions(SoundPlayer &sound, MessageBox &messages, ProgramLauncher &launcher, Notifier &notifier,
                 AlertWindow &window, std::chrono::milliseconds ringsAtMost = RingsAtMost);

    void setRingsUntilSeen(bool rings) { m_ringsUntilSeen = rings; }
    bool isRinging() const { return !m_ringing.isEmpty(); }
    // The program is leaving: nothing rings on.
    void endRing();
    // Where no sound can be played at all, the alert's notification says so.
    void playSound(const QString &source, const QString &path, Sound sound) override;
    // Plays the file with no fallback and says why when it cannot, at once or once the device fails.
    void tryPlaying(const QString &path);
    void restoreWindow() override;
    void notify(const QString &source, const QString &body, bool urgent, bool offersSnooze) override;
    // Shows an alarm's message, with Snooze beside OK, while the main window is not kept on top;
    // either is seeing that alarm's alert.
    Answer showMessage(const QString &source, const QString &text) override;
    // The user has seen the alerts so far: "Show" on a notification, Restore from the tray, a click
    // or a key in the main window. Their sounds stop and their notifications are withdrawn; those
    // of a later alert stay.
    void alertSeen();
    // The user has seen the source's alert: OK or Snooze on its box or its notification, or closed
    // the notification. The others' sounds and notifications stay.
    void alertSeen(const QString &source);
    // A message box's wait may have seen the program close.
    bool isLeaving() const override;
    void runProgram(const QString &commandLine) override;

Q_SIGNALS:
    void ringingChanged();

private:
    // An alert not yet seen: its notification (no body until it is sent), and a line under it: why
    // it has no sound, or that it rang unanswered.
    struct Alert {
        QString body;
        bool urgent = false;
        bool offersSnooze = false;
        QString lastLine;
    };

    void notifyAlert(const QString &source);
    void setRinging(const QString &source);
    void rangUnanswered();

    SoundPlayer &m_sound;
    MessageBox &m_messages;
    ProgramLauncher &m_launcher;
    Notifier &m_notifier;
    AlertWindow &m_window;
    int m_messagesOpen = 0;
    QMap<QString, Alert> m_unseen; // by source
    QString m_soundSource;         // whose sound was played last
    bool m_ringsUntilSeen = false;
    QString m_ringing; // whose sound rings until seen
    QTimer m_ringLimit;
};
