#include "platform/Notifier.h"

#include "core/ProductInfo.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <utility>

using namespace Qt::StringLiterals;

namespace {
const QString Service = u"org.freedesktop.Notifications"_s;
const QString Path = u"/org/freedesktop/Notifications"_s;
const QString Interface = u"org.freedesktop.Notifications"_s;
const QString DesktopEntry = u"org.example.tivvet"_s;
} // namespace

// Subscribed at the first notification, from when an answer can come, rather than at the start,
// where the bus would hold up the first frame. The bus delivers its signals only to slots named
// the old way.
void DBusNotifier::listen() {
    m_listening = true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(Service, Path, Interface, u"ActionInvoked"_s, this, SLOT(onActionInvoked(uint, QString)));
    bus.connect(Service, Path, Interface, u"ActivationToken"_s, this, SLOT(onActivationToken(uint, QString)));
    bus.connect(Service, Path, Interface, u"NotificationClosed"_s, this, SLOT(onClosed(uint, uint)));
}

void DBusNotifier::notify(const QString &source, const QString &body, bool urgent, bool offersSnooze) {
    if (!m_listening)
        listen();
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, u"Notify"_s);
    const QVariantMap hints{{u"urgency"_s, QVariant::fromValue(uchar(urgent ? 2 : 1))},
                            {u"desktop-entry"_s, DesktopEntry}};
    //: A notification's button, which brings the program's window back.
    QStringList actions{u"default"_s, tr("Show")};
    if (offersSnooze)
        //: A button on an alarm's notification: the alarm goes off again in 10 minutes.
        actions << u"snooze"_s << tr("Snooze 10 minutes");
    call << u"Tivvet"_s << m_shown.value(source) << DesktopEntry << ProductInfo::applicationTitle() << body
         << actions << hints << qint32(-1);
    auto *answer = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, source](QDBusPendingCallWatcher *call) {
        const QDBusPendingReply<uint> id = *call;
        if (id.isValid())
            m_shown[source] = id.value();
        call->deleteLater();
    });
}

void DBusNotifier::withdraw(const QString &source) {
    if (!m_shown.contains(source))
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, u"CloseNotification"_s);
    call << m_shown.take(source);
    QDBusConnection::sessionBus().asyncCall(call);
}

void DBusNotifier::onActionInvoked(uint id, const QString &action) {
    const QByteArray token = std::exchange(m_activationToken, {});
    if (!isOurs(id))
        return;
    if (action == u"default"_s)
        Q_EMIT showRequested(token);
    else if (action == u"snooze"_s)
        Q_EMIT snoozeRequested(m_shown.key(id));
}

// Closed by the user (reason 2), not expired nor withdrawn.
void DBusNotifier::onClosed(uint id, uint reason) {
    if (reason != 2 || !isOurs(id))
        return;
    const QString source = m_shown.key(id);
    m_shown.remove(source);
    Q_EMIT dismissed(source);
}

// Sent just before the action: the window may take the focus with it.
void DBusNotifier::onActivationToken(uint id, const QString &token) {
    if (isOurs(id))
        m_activationToken = token.toUtf8();
}
