#include "platform/TrayIcon.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QSystemTrayIcon>

using namespace Qt::StringLiterals;

namespace {

// Qt shows the icon as a StatusNotifierItem where a host has registered with the watcher.
bool isStatusNotifierItem() {
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(u"org.kde.StatusNotifierWatcher"_s);
}

} // namespace

// On the X tray a double-click first reports a single click, which does nothing; a
// StatusNotifierItem host reports a click and never a double-click.
QtTrayIcon::QtTrayIcon()
    : m_icon(new QSystemTrayIcon(this))
    , m_wasAvailable(isAvailable()) {
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick ||
            (reason == QSystemTrayIcon::Trigger && isStatusNotifierItem()))
            Q_EMIT restoreClicked();
        else if (reason == QSystemTrayIcon::Context)
            Q_EMIT menuOpening();
    });
    // A StatusNotifierItem host comes with the watcher's name on the session bus.
    auto *watcher = new QDBusServiceWatcher(u"org.kde.StatusNotifierWatcher"_s, QDBusConnection::sessionBus(),
                                            QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, &QtTrayIcon::trayChanged);
}

void QtTrayIcon::trayChanged() {
    const bool available = isAvailable();
    if (available && !m_wasAvailable)
        Q_EMIT appeared();
    m_wasAvailable = available;
}

QtTrayIcon::~QtTrayIcon() = default;

bool QtTrayIcon::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::add(const QIcon &icon, const QString &tip, QMenu *menu) {
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->setContextMenu(menu);
    m_icon->show();
}

void QtTrayIcon::remove() {
    m_icon->hide();
}
