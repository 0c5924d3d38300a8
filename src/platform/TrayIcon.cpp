#include "platform/TrayIcon.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QSystemTrayIcon>
#include <QToolTip>

#include <xcb/xcb.h>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Qt shows the icon as a StatusNotifierItem where a host has registered with the watcher.
bool isStatusNotifierItem() {
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(u"org.kde.StatusNotifierWatcher"_s);
}

} // namespace

// Made at the first add: Qt asks the session bus for a StatusNotifierItem host as it makes one.
// On the X tray a double-click first reports a single click, which does nothing; a
// StatusNotifierItem host reports a click and never a double-click.
void QtTrayIcon::create() {
    m_icon = new QSystemTrayIcon(this);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick ||
            (reason == QSystemTrayIcon::Trigger && isStatusNotifierItem()))
            Q_EMIT restoreClicked();
        else if (reason == QSystemTrayIcon::Context)
            Q_EMIT menuOpening();
    });
}

// An X tray that starts announces itself to every client with a MANAGER message to the root window
// (the icon waiting for it is added then). Qt chooses a StatusNotifierItem host only at start, so
// one that comes later is not a tray for this program.
bool QtTrayIcon::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if (eventType != "xcb_generic_event_t" || (event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    const bool wasAvailable = m_wasAvailable;
    addIfThereIsATray(isAvailable());
    if (m_wasAvailable && !wasAvailable)
        Q_EMIT appeared();
    return false;
}

// Made only where there is a tray: without one, Qt would keep a window of its own waiting for an X
// tray (and on Wayland warn at every start that it cannot).
void QtTrayIcon::addIfThereIsATray(bool available) {
    m_wasAvailable = available;
    if (available && m_docking && m_waitingAdd)
        std::exchange(m_waitingAdd, {})();
}

QtTrayIcon::~QtTrayIcon() = default;

bool QtTrayIcon::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::add(const QIcon &icon, const QString &tip, QMenu *menu) {
    m_tip = tip;
    m_waitingAdd = [this, icon, menu] {
        if (!m_icon)
            create();
        m_icon->setIcon(icon);
        m_icon->setToolTip(m_tip);
        m_icon->setContextMenu(menu);
        m_icon->show();
    };
    if (m_docking)
        addIfThereIsATray(isAvailable());
}

void QtTrayIcon::setTip(const QString &tip) {
    m_tip = tip;
    if (m_icon)
        m_icon->setToolTip(tip);
}

bool QtTrayIcon::isTipShown() const {
    return m_icon && m_icon->isVisible() && QToolTip::isVisible() && QToolTip::text() == m_tip;
}

void QtTrayIcon::remove() {
    m_waitingAdd = {};
    if (m_icon)
        m_icon->hide();
}

void QtTrayIcon::startDocking() {
    m_docking = true;
    QCoreApplication::instance()->installNativeEventFilter(this);
    addIfThereIsATray(isAvailable());
}
