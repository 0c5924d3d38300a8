#include "app/frmTivvet.h"
#include "controls/FontWarmUp.h"
#include "platform/ConfigFolder.h"
#include "platform/RealPlatform.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// As Linux programs have it: --help and --version answer and end, anything else ends with an error.
// Qt's own options (-platform, -style) are taken by QApplication before.
void answerCommandLine(const QApplication &app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"A countdown timer with warnings before it expires, two alarm clocks and "
        u"a clock, in a small window that stays on top."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    if (!parser.parse(app.arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty() ? u"no arguments are taken"_s : parser.errorText();
        std::fprintf(stderr, "tivvet: %s\nTry 'tivvet --help' for more.\n", qPrintable(error));
        std::exit(2);
    }
    if (parser.isSet(u"help"_s))
        parser.showHelp(0);
    if (parser.isSet(u"version"_s))
        parser.showVersion();
}

} // namespace

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
    QApplication::setApplicationVersion(u"3.0"_s);
    answerCommandLine(app);
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
