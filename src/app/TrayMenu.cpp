#include "app/TrayMenu.h"

using namespace Qt::StringLiterals;

namespace {

QAction *menuItem(QMenu *menu, const char *name, const QString &caption) {
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1StringView(name));
    return item;
}

} // namespace

TrayMenu::TrayMenu(QWidget *window)
    //: The tray menu's title, which few desktops show.
    : QMenu(tr("Popup"), window)
    //: The tray menu's item that brings the window back.
    , mnuTrayRestore(menuItem(this, "mnuTrayRestore", tr("Restore")))
    , mnuHelp(menuItem(this, "mnuHelp", tr("Help")))
    , mnuAbout(menuItem(this, "mnuAbout", tr("About")))
    //: The tray menu's item that ends the program.
    , mnuTrayClose(menuItem(this, "mnuTrayClose", tr("Close"))) {
    setObjectName(u"mnuTray"_s);
}
