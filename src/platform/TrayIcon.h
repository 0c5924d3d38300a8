#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <functional>

class QIcon;
class QMenu;
class QSystemTrayIcon;

// The program's icon in the desktop's notification area, with a tip and a pop-up menu.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether the desktop has a notification area now.
    virtual bool isAvailable() const = 0;
    virtual void add(const QIcon &icon, const QString &tip, QMenu *menu) = 0;
    virtual void setTip(const QString &tip) = 0;
    // Whether the tip is on the screen, as far as the program can know.
    virtual bool isTipShown() const = 0;
    virtual void remove() = 0;

Q_SIGNALS:
    // The left double-click on the X tray; a click where the tray is a StatusNotifierItem host.
    void restoreClicked();
    // The right button, as the pop-up menu opens.
    void menuOpening();
    // A notification area came to the desktop after the program started (a panel that starts
    // late in the session).
    void appeared();
};

class QtTrayIcon : public TrayIcon, private QAbstractNativeEventFilter {
    Q_OBJECT

public:
    ~QtTrayIcon() override;

    bool isAvailable() const override;
    void add(const QIcon &icon, const QString &tip, QMenu *menu) override;
    void setTip(const QString &tip) override;
    // Only the X tray's tip is the program's own tooltip; a status-icon host's is not known.
    bool isTipShown() const override;
    void remove() override;
    // Until then an added icon waits: docked during the program's start, it would compete with
    // the window's first frame. Where there is no tray it waits for one.
    void startDocking();

private:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override;

    void create();
    void addIfThereIsATray(bool available);

    QSystemTrayIcon *m_icon = nullptr;
    std::function<void()> m_waitingAdd;
    QString m_tip;
    bool m_docking = false;
    bool m_wasAvailable = false;
};
