#pragma once

#include <QMenu>

class QAction;

// The tray icon's pop-up menu: Restore, Help, About and Close, in this order.
class TrayMenu : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayMenu)

public:
    explicit TrayMenu(QWidget *window);

    QAction *mnuTrayRestore;
    QAction *mnuHelp;
    QAction *mnuAbout;
    QAction *mnuTrayClose;
};
