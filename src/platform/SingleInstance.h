#pragma once

#include <QLockFile>
#include <QObject>

// One Tivvet per configuration folder: the first start holds a lock in the user's runtime folder
// and answers on the session bus; a later start asks it to bring its window back, then ends.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.example.tivvet.Instance")
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    SingleInstance(const QString &runtimeFolder, const QString &configFolder);

    // True when no other instance runs; this one then holds the lock. A lock left by an instance
    // that crashed is taken over.
    bool claim();
    // From now on a later start's request to restore reaches this one. Until then such a start
    // keeps asking (see askRunningToRestore).
    void answerLaterStarts();
    // Asks the running instance to restore its window, waiting while it is still starting; false
    // when it never answered.
    bool askRunningToRestore() const;
    // Gives up the lock and the bus name for good: the window has unloaded, so a later start is a
    // start of its own.
    void release();

public Q_SLOTS:
    void Restore();

Q_SIGNALS:
    void restoreRequested();

private:
    QString m_key; // the same for every start with this configuration folder
    QLockFile m_lock;
    QString m_service;
    bool m_released = false;
};
