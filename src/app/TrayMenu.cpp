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
    : QMenu(tr("Popup"), window)
    , mnuTrayRestore(menuItem(this, "mnuTrayRestore", tr("Restore")))
    , mnuHelp(menuItem(this, "mnuHelp", tr("Help")))
    , mnuAbout(menuItem(this, "mnuAbout", tr("About")))
    , mnuTrayClose(menuItem(this, "mnuTrayClose", tr("Close"))) {
    setObjectName(u"mnuTray"_s);
}
