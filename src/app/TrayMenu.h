#pragma once

#include <QMenu>

// The tray icon's pop-up menu: Restore, Help, About and Close, in this order.
class TrayMenu : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayMenu)

public:
    explicit TrayMenu(QWidget *window);

Q_SIGNALS:
    void restoreChosen();
    void helpChosen();
    void aboutChosen();
    void closeChosen();
};
