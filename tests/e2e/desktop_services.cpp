// Desktop services for the end-to-end tests, on the session bus. As "notifications": a notification
// server that writes each notification it receives as a line to standard output and, for each id
// read from standard input, says that the notification's default action was invoked. As "watcher":
// a StatusNotifierWatcher with a host, which writes "item" and the service of each item that
// registers. As "portal": the desktop portal's Inhibit, which writes "inhibit", the flags and the
// reason of each call, "close" when its request is closed and "gone" when a caller leaves the bus.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QSocketNotifier>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

class NotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public Q_SLOTS:
    uint Notify(const QString &application, uint replaces, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int timeout) {
        const uint id = replaces != 0 ? replaces : ++m_last;
        QTextStream(stdout) << u"%1|%2|%3|%4|%5|%6|%7|%8|%9"_s.arg(id)
                                   .arg(replaces)
                                   .arg(application, icon, summary, QString(body).replace(u'\n', u'/'),
                                        actions.join(u','))
                                   .arg(hints.value(u"urgency"_s).toInt())
                                   .arg(timeout)
                            << Qt::endl;
        return id;
    }
    QStringList GetCapabilities() { return {u"actions"_s, u"body"_s}; }
    void CloseNotification(uint) {}
    QString GetServerInformation(QString &vendor, QString &version, QString &protocolVersion) {
        vendor = u"tests"_s;
        version = u"1"_s;
        protocolVersion = u"1.2"_s;
        return u"recorder"_s;
    }

private:
    uint m_last = 0;
};

class StatusNotifierWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)

public:
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList items() const { return m_items; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &service) {
        m_items << service;
        QTextStream(stdout) << "item " << service << Qt::endl;
    }
    void RegisterStatusNotifierHost(const QString &) {}

private:
    QStringList m_items;
};

class InhibitRequest : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")

public Q_SLOTS:
    void Close() {
        QTextStream(stdout) << "close" << Qt::endl;
        deleteLater();
    }
};

class InhibitPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Inhibit")

public Q_SLOTS:
    QDBusObjectPath Inhibit(const QString &, uint flags, const QVariantMap &options,
                            const QDBusMessage &call) {
        QTextStream(stdout) << "inhibit " << flags << ' ' << options.value(u"reason"_s).toString()
                            << Qt::endl;
        m_callers.addWatchedService(call.service());
        const QString path = u"/org/freedesktop/portal/desktop/request/%1"_s.arg(++m_requests);
        QDBusConnection::sessionBus().registerObject(path, new InhibitRequest,
                                                     QDBusConnection::ExportAllSlots);
        return QDBusObjectPath(path);
    }

public:
    InhibitPortal() {
        m_callers.setConnection(QDBusConnection::sessionBus());
        m_callers.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        connect(&m_callers, &QDBusServiceWatcher::serviceUnregistered, this,
                [] { QTextStream(stdout) << "gone" << Qt::endl; });
    }

private:
    QDBusServiceWatcher m_callers;
    int m_requests = 0;
};

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    NotificationServer server;
    StatusNotifierWatcher watcher;
    InhibitPortal portal;
    const QString role = app.arguments().value(1);
    QDBusConnection bus = QDBusConnection::sessionBus();
    const auto offer = [&bus](QObject *object, const QString &path, const QString &name) {
        return bus.registerObject(path, object,
                                  QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) &&
               bus.registerService(name);
    };
    const bool offered =
        role == u"watcher"_s
            ? offer(&watcher, u"/StatusNotifierWatcher"_s, u"org.kde.StatusNotifierWatcher"_s)
        : role == u"portal"_s
            ? offer(&portal, u"/org/freedesktop/portal/desktop"_s, u"org.freedesktop.portal.Desktop"_s)
            : offer(&server, u"/org/freedesktop/Notifications"_s, u"org.freedesktop.Notifications"_s);
    if (!offered)
        return 1;
    QTextStream(stdout) << "ready" << Qt::endl;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[32] = {};
        if (::read(STDIN_FILENO, line, sizeof line - 1) <= 0)
            return QCoreApplication::quit();
        QDBusMessage invoked = QDBusMessage::createSignal(
            u"/org/freedesktop/Notifications"_s, u"org.freedesktop.Notifications"_s, u"ActionInvoked"_s);
        invoked << QByteArray(line).trimmed().toUInt() << u"default"_s;
        bus.send(invoked);
    });
    return QCoreApplication::exec();
}

#include "desktop_services.moc"
