#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QFileSystemWatcher>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

const QString ObjectPath = u"/org/example/tivvet"_s;
const QString Interface = u"org.example.tivvet.Instance"_s;
constexpr int AnswerWithinMilliseconds = 3000;
constexpr int TryTheLockEveryMilliseconds = 1000;

// The same for every start with this configuration folder, and a valid bus and file name.
QString instanceKey(const QString &configFolder) {
    return QString::fromLatin1(
        QCryptographicHash::hash(configFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString &runtimeFolder, const QString &configFolder)
    : m_key(instanceKey(configFolder))
    , m_lockPath(runtimeFolder + u"/tivvet-"_s + m_key + u".lock"_s)
    , m_lock(m_lockPath)
    , m_service(u"org.example.tivvet.i"_s + m_key) {
    m_tryAgain.setInterval(TryTheLockEveryMilliseconds);
    connect(&m_tryAgain, &QTimer::timeout, this, &SingleInstance::tryTheLockAgain);
}

// A lock that cannot be made at all (no runtime folder, no right to write there) does not stop a
// start: better two instances than none.
bool SingleInstance::claim() {
    m_owner = m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError;
    return m_owner;
}

bool SingleInstance::takeLock() {
    m_owner = m_lock.tryLock(0);
    return m_owner;
}

void SingleInstance::answerLaterStarts() {
    m_answering = true;
    registerOnTheBus();
}

// Queued for the name, which the instance that held the lock may not have let go of yet.
void SingleInstance::registerOnTheBus() {
    if (!m_answering || m_released || !m_owner)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.registerObject(ObjectPath, this, QDBusConnection::ExportAllSlots);
    if (bus.interface())
        bus.interface()->registerService(m_service, QDBusConnectionInterface::QueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
}

bool SingleInstance::askRunningToRestore(const QByteArray &activationToken) {
    QDBusMessage call = QDBusMessage::createMethodCall(m_service, ObjectPath, Interface, u"Restore"_s);
    call << QString::fromUtf8(activationToken);
    for (QDeadlineTimer deadline(AnswerWithinMilliseconds); !deadline.hasExpired(); QThread::msleep(50)) {
        if (takeLock())
            return false;
        if (QDBusConnection::sessionBus().call(call, QDBus::Block, 1000).type() == QDBusMessage::ReplyMessage)
            return true;
    }
    return false;
}

// Its holder removes the lock file as it lets it go; one that crashed leaves it, found stale at one
// of the looks every second.
void SingleInstance::waitForTheLock() {
    connect(new QFileSystemWatcher({m_lockPath}, this), &QFileSystemWatcher::fileChanged, this,
            &SingleInstance::tryTheLockAgain);
    m_tryAgain.start();
}

void SingleInstance::tryTheLockAgain() {
    if (!m_tryAgain.isActive() || !takeLock())
        return;
    m_tryAgain.stop();
    registerOnTheBus();
    Q_EMIT lockTaken();
}

void SingleInstance::release() {
    m_released = true;
    m_tryAgain.stop();
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(m_service);
    bus.unregisterObject(ObjectPath);
    m_lock.unlock();
}

void SingleInstance::Restore(const QString &activationToken) {
    Q_EMIT restoreRequested(activationToken.toUtf8());
}
