#include "app/TrayMenu.h"

using namespace Qt::StringLiterals;

namespace {

template <class Chosen>
void menuItem(TrayMenu *menu, const char *name, const QString &caption, Chosen chosen) {
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1StringView(name));
    QObject::connect(item, &QAction::triggered, menu, chosen);
}

} // namespace

TrayMenu::TrayMenu(QWidget *window)
    //: The tray menu's title, which few desktops show.
    : QMenu(tr("Popup"), window) {
    setObjectName(u"mnuTray"_s);
    //: The tray menu's item that brings the window back.
    menuItem(this, "mnuTrayRestore", tr("Restore"), &TrayMenu::restoreChosen);
    menuItem(this, "mnuHelp", tr("Help"), &TrayMenu::helpChosen);
    menuItem(this, "mnuAbout", tr("About"), &TrayMenu::aboutChosen);
    //: The tray menu's item that ends the program.
    menuItem(this, "mnuTrayClose", tr("Close"), &TrayMenu::closeChosen);
}
