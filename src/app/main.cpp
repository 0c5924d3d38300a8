#include "app/frmTivvet.h"
#include "platform/ConfigFolder.h"
#include "platform/RealPlatform.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Tivvet"_s);
    QGuiApplication::setDesktopFileName(u"org.example.tivvet"_s);
    // The main window decides when the program ends: a window closed while it is in the tray
    // must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    RealPlatform platform;
    frmTivvet window(platform.services(userConfigFolder()));
    platform.setOwner(&window);

    window.Form_Load();
    window.showAfterLoad();
    return QApplication::exec();
}
