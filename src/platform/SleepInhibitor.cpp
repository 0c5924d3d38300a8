#include "platform/SleepInhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr uint PortalSuspend = 4;

// Why, as the desktop shows it.
QString reason() {
    //: Why the computer is kept awake, as the desktop may show it.
    return DBusSleepInhibitor::tr("Counting down or ringing");
}

template <class Answer>
void whenAnswered(QObject *receiver, const QDBusPendingCall &call,
                  const std::function<void(const QDBusPendingReply<Answer> &)> &handle) {
    auto *watcher = new QDBusPendingCallWatcher(call, receiver);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, receiver,
                     [handle](QDBusPendingCallWatcher *answer) {
                         handle(*answer);
                         answer->deleteLater();
                     });
}

} // namespace

void DBusSleepInhibitor::setInhibited(bool inhibited) {
    if (inhibited == m_wanted)
        return;
    m_wanted = inhibited;
    if (!inhibited)
        release();
    else if (!m_asking)
        m_noPortal ? askLogind() : askPortal();
}

void DBusSleepInhibitor::askPortal() {
    m_asking = true;
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.freedesktop.portal.Desktop"_s,
                                                       u"/org/freedesktop/portal/desktop"_s,
                                                       u"org.freedesktop.portal.Inhibit"_s, u"Inhibit"_s);
    call << QString() << PortalSuspend << QVariantMap{{u"reason"_s, reason()}};
    whenAnswered<QDBusObjectPath>(this, QDBusConnection::sessionBus().asyncCall(call),
                                  [this](const QDBusPendingReply<QDBusObjectPath> &request) {
                                      if (request.isValid())
                                          return granted(request.value().path(), {});
                                      m_noPortal = true;
                                      askLogind();
                                  });
}

void DBusSleepInhibitor::askLogind() {
    m_asking = true;
    QDBusMessage call =
        QDBusMessage::createMethodCall(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s,
                                       u"org.freedesktop.login1.Manager"_s, u"Inhibit"_s);
    call << u"idle"_s << u"Tivvet"_s << reason() << u"block"_s;
    whenAnswered<QDBusUnixFileDescriptor>(this, QDBusConnection::systemBus().asyncCall(call),
                                          [this](const QDBusPendingReply<QDBusUnixFileDescriptor> &lock) {
                                              granted(QString(), lock.isValid() ? lock.value()
                                                                                : QDBusUnixFileDescriptor());
                                          });
}

void DBusSleepInhibitor::granted(const QString &portalRequest, const QDBusUnixFileDescriptor &logindLock) {
    m_asking = false;
    m_portalRequest = portalRequest;
    m_logindLock = logindLock;
    if (!m_wanted)
        release();
}

// The portal's inhibition ends with its request; logind's with the last copy of its descriptor.
void DBusSleepInhibitor::release() {
    if (!m_portalRequest.isEmpty())
        QDBusConnection::sessionBus().asyncCall(
            QDBusMessage::createMethodCall(u"org.freedesktop.portal.Desktop"_s, m_portalRequest,
                                           u"org.freedesktop.portal.Request"_s, u"Close"_s));
    m_portalRequest.clear();
    m_logindLock = QDBusUnixFileDescriptor();
}
