#include "app/frmTivvet.h"
#include "platform/Clock.h"
#include "platform/ColourDialog.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/PlatformServices.h"
#include "platform/ProgramLauncher.h"
#include "platform/SdlSoundPlayer.h"
#include "platform/TrayIcon.h"

#include <QApplication>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Tivvet"_s);
    QGuiApplication::setDesktopFileName(u"org.example.tivvet"_s);
    // The main window decides when the program ends: a window closed while it is in the tray
    // must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    SdlSoundPlayer sound;
    QtMessageBox messages;
    QProcessLauncher launcher;
    SystemClock clock;
    QtFileDialog files;
    QtColourDialog colourDialog;
    QtTrayIcon tray;
    const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    frmTivvet window({sound, messages, launcher, clock, files, colourDialog, tray, configFolder});
    messages.setOwner(&window);
    files.setOwner(&window);

    window.Form_Load();
    window.showAfterLoad();
    return QApplication::exec();
}
