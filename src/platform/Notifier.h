#pragma once

#include <QHash>
#include <QObject>

// Desktop notifications: a later one from the same source replaces the earlier one, and the
// notification's "Show" brings the main window back; an alarm's may also snooze it. Once the user
// has seen an alert, its notification is withdrawn. Where no notification server runs, nothing shows and
// nothing is reported.
class Notifier : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The source names what alerts: "countdown", "Alarm I", "Alarm II".
    virtual void notify(const QString &source, const QString &body, bool urgent, bool offersSnooze) = 0;
    // Withdraws the source's notification, if it is still shown.
    virtual void withdraw(const QString &source) = 0;

Q_SIGNALS:
    // The notification's "Show", with the token that the server gave for the window to take the
    // focus, where it gave one.
    void showRequested(const QByteArray &activationToken);
    void snoozeRequested(const QString &source);
    // The user closed the source's notification.
    void dismissed(const QString &source);
};

// org.freedesktop.Notifications on the session bus, called without waiting for the answer.
class DBusNotifier : public Notifier {
    Q_OBJECT

public:
    void notify(const QString &source, const QString &body, bool urgent, bool offersSnooze) override;
    void withdraw(const QString &source) override;

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &action);
    void onClosed(uint id, uint reason);
    void onActivationToken(uint id, const QString &token);

private:
    bool isOurs(uint id) const { return m_shown.values().contains(id); }

    void listen();

    bool m_listening = false;
    QByteArray m_activationToken; // for the action that follows it
    QHash<QString, uint> m_shown; // the id of each source's last notification
};
