#include "platform/TrayIcon.h"

#include <QSystemTrayIcon>

QtTrayIcon::QtTrayIcon()
    : m_icon(new QSystemTrayIcon(this)) {
    // A double-click first reports a single click, which does nothing.
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            Q_EMIT doubleClicked();
    });
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
