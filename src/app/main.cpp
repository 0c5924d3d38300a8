#include "app/frmTivvet.h"
#include "platform/ConfigFolder.h"
#include "platform/FontWarmUp.h"
#include "platform/RealPlatform.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[]) {
    // Idle, the window repaints one label a minute. Through X shared memory each paint ends in a
    // round trip to learn that the server has read the image, which wakes two threads; an image
    // this small costs nothing over the socket. A user's own choice is kept.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    QApplication::setApplicationName(u"Tivvet"_s);
    QGuiApplication::setDesktopFileName(u"org.example.tivvet"_s);
    // The main window decides when the program ends: a window closed while it is in the tray
    // must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString configFolder = userConfigFolder();
    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), configFolder);
    if (!instance.claim()) {
        if (instance.askRunningToRestore()) {
            qInfo("Tivvet runs already: its window is brought back.");
            return 0;
        }
        // One that does not answer is hung: better two instances than none that works.
        qInfo("Tivvet runs already but does not answer: this one starts beside it.");
    }

    RealPlatform platform;
    frmTivvet window(platform.services(configFolder));
    platform.setOwner(&window);
    QObject::connect(&instance, &SingleInstance::restoreRequested, &window, &frmTivvet::mnuTrayRestore_Click);

    // At logout and shutdown: the session manager asks for a save, then the process gets SIGTERM.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &frmTivvet::saveChoices);
    TerminationSignals terminations;
    QObject::connect(&terminations, &TerminationSignals::received, &window, &frmTivvet::endOnSignal);
    QObject::connect(&window, &frmTivvet::unloaded, &instance, &SingleInstance::release);

    // No part of the first frame: the tray icon, and the bus, on which a later start keeps asking
    // until this one answers.
    QObject::connect(&window, &frmTivvet::startFinished, &platform.tray, &QtTrayIcon::startDocking);
    QObject::connect(&window, &frmTivvet::startFinished, &instance, &SingleInstance::answerLaterStarts);
    window.Form_Load();
    window.showAfterLoad();
    return QApplication::exec();
}
