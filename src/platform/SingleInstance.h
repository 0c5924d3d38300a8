#pragma once

#include <QLockFile>
#include <QObject>
#include <QTimer>

// One Tivvet per configuration folder: the one holding a lock in the user's runtime folder owns
// the user's files and answers on the session bus; a later start asks it to bring its window back,
// then ends.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.example.tivvet.Instance")
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    SingleInstance(const QString &runtimeFolder, const QString &configFolder);

    // True when no other instance runs; this one then holds the lock. A lock left by an instance
    // that crashed is taken over.
    bool claim();
    // This instance owns the user's files: it holds the lock, or no lock can be made here at all.
    bool isOwner() const { return m_owner; }
    // From now on a later start's request to restore reaches this one, once it is the owner. Until
    // then such a start keeps asking (see askRunningToRestore).
    void answerLaterStarts();
    // Asks the running instance to restore its window, with the token that lets it take the focus,
    // waiting while it is still starting; false when it never answered. One that is ending answers no
    // more: its lock, once free, is taken.
    bool askRunningToRestore(const QByteArray &activationToken);
    // Beside an instance that does not answer: tries the lock again, without blocking, and takes it
    // as soon as that one has ended.
    void waitForTheLock();
    // Gives up the lock and the bus name for good: the window has unloaded, so a later start is a
    // start of its own.
    void release();

public Q_SLOTS:
    void Restore(const QString &activationToken);

Q_SIGNALS:
    void restoreRequested(const QByteArray &activationToken);
    // Taken after waitForTheLock: this instance is the owner from now on.
    void lockTaken();

private:
    bool takeLock();
    void tryTheLockAgain();
    void registerOnTheBus();

    QString m_key; // the same for every start with this configuration folder
    QString m_lockPath;
    QLockFile m_lock;
    QString m_service;
    QTimer m_tryAgain;
    bool m_owner = false;
    bool m_answering = false;
    bool m_released = false;
};
