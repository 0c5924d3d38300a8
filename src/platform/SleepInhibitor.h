#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>

// Keeps the computer from suspending for being idle. The screen may still blank and lock, and the
// desktop's own choices, such as suspending when the lid closes, still hold.
class SleepInhibitor {
public:
    virtual ~SleepInhibitor() = default;
    virtual void setInhibited(bool inhibited) = 0;
};

// The desktop portal's Inhibit on the session bus, or where there is no portal logind's idle
// inhibitor on the system bus; where neither answers, nothing is kept and nothing is reported.
// Calls never wait for the answer.
class DBusSleepInhibitor : public QObject, public SleepInhibitor {
    Q_OBJECT

public:
    void setInhibited(bool inhibited) override;

private:
    void askPortal();
    void askLogind();
    // Keeps what was granted, or gives it back at once when it is no longer wanted.
    void granted(const QString &portalRequest, const QDBusUnixFileDescriptor &logindLock);
    void release();

    bool m_wanted = false;
    bool m_asking = false;
    bool m_noPortal = false;
    QString m_portalRequest;
    QDBusUnixFileDescriptor m_logindLock;
};
