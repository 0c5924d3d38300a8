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
    : QMenu(u"Popup"_s, window)
    , mnuTrayRestore(menuItem(this, "mnuTrayRestore", u"Restore"_s))
    , mnuHelp(menuItem(this, "mnuHelp", u"Help"_s))
    , mnuAbout(menuItem(this, "mnuAbout", u"About"_s))
    , mnuTrayClose(menuItem(this, "mnuTrayClose", u"Close"_s)) {
    setObjectName(u"mnuTray"_s);
}
