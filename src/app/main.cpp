#include "app/ProgramEnd.h"
#include "app/RealPlatform.h"
#include "app/Translations.h"
#include "app/frmTivvet.h"
#include "controls/FontWarmUp.h"
#include "platform/ConfigFolder.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "platform/UserLocale.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// Qt's own options, which QApplication takes after this (-platform, -style, -session from a session
// manager's restart and the rest, with one dash or two), each name with a value or none.
void acceptQtsOptions(QCommandLineParser &parser, const QString &names, const QString &valueName) {
    for (const QString &name : names.split(u' ')) {
        QCommandLineOption option(name, QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// As Linux programs have it: --help and --version answer and end, anything else ends with an error.
// Read in a QCoreApplication of its own before the window system is opened, so that they answer
// where there is no display (a text console, ssh, a package build), in the user's language.
// Returns the platform that the command line names, if it names one.
QString answerCommandLine(int &argc, char *argv[], const QStringList &languages) {
    QCoreApplication app(argc, argv);
    installTranslations(languages);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "tivvet",
        "A countdown timer with warnings before it expires, two alarm clocks and a clock, in a small "
        "window that stays on top."));
    parser.addHelpOption();
    parser.addVersionOption();
    acceptQtsOptions(parser,
                     u"platform platformpluginpath platformtheme plugin display qwindowgeometry geometry "
                     u"qwindowtitle title qwindowicon icon session name style stylesheet"_s,
                     u"value"_s);
    acceptQtsOptions(parser, u"reverse widgetcount nograb dograb sync"_s, QString());
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty()
                                  ? QCoreApplication::translate("tivvet", "no arguments are taken")
                                  : parser.errorText();
        std::fprintf(stderr, "tivvet: %s\n%s\n", qPrintable(error),
                     //: On standard error after a wrong command line; "tivvet --help" stays as it is.
                     qPrintable(QCoreApplication::translate("tivvet", "Try 'tivvet --help' for more.")));
        std::exit(2);
    }
    if (parser.isSet(u"help"_s))
        parser.showHelp(0);
    if (parser.isSet(u"version"_s))
        parser.showVersion();
    return parser.value(u"platform"_s);
}

// A later start hands the running one its token for taking the focus. Without one, a Wayland
// compositor may show that window behind others.
void tellRunningOneWasAsked(const QByteArray &activationToken) {
    qInfo().noquote() << (activationToken.isEmpty() && WindowSystem::isWayland()
                              ? QCoreApplication::translate("tivvet", "Tivvet runs already: it was asked to "
                                                                      "show its window.")
                              : QCoreApplication::translate("tivvet", "Tivvet runs already: its window is "
                                                                      "brought back."));
}

} // namespace

int main(int argc, char *argv[]) {
    // What the programs that alarms launch get: not what this program sets for itself.
    const QProcessEnvironment usersEnvironment = QProcessEnvironment::systemEnvironment();
    QCoreApplication::setApplicationName(u"Tivvet"_s);
    QCoreApplication::setApplicationVersion(u"3.0"_s);
    const QStringList languages = userLocale(usersEnvironment).languages;
    const QString platformArgument = answerCommandLine(argc, argv, languages);
    if (const QByteArray platform = WindowSystem::platformToRunOn(usersEnvironment, platformArgument);
        !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    // Idle, the window repaints one label a minute. Through X shared memory each paint ends in a
    // round trip to learn that the server has read the image, which wakes two threads; an image
    // this small costs nothing over the socket. A user's own choice is kept.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    FontWarmUp fonts;
    QApplication app(argc, argv);
    installTranslations(languages);
    fonts.finish();
    QGuiApplication::setDesktopFileName(u"org.example.tivvet"_s);
    // The main window decides when the program ends: a window closed while it is in the tray
    // must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString configFolder = userConfigFolder();
    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), configFolder);
    const QByteArray activationToken = WindowSystem::activationToken(usersEnvironment);
    if (!instance.claim() && instance.askRunningToRestore(activationToken)) {
        tellRunningOneWasAsked(activationToken);
        return 0;
    }
    if (WindowSystem::isWayland())
        //: On standard error; "tivvet:" names the program and stays as it is.
        qWarning().noquote() << QCoreApplication::translate(
            "tivvet", "tivvet: on Wayland the window cannot be kept on top of other windows; through "
                      "XWayland, which Tivvet uses unless told otherwise, it can.");

    RealPlatform platform(usersEnvironment);
    frmTivvet window(platform.services(configFolder));
    platform.setOwner(&window);
    // One that does not answer is hung: better two instances than none that works, but only one
    // writes the user's files.
    if (!instance.isOwner()) {
        qInfo().noquote() << QCoreApplication::translate(
            "tivvet", "Tivvet runs already but does not answer: this one starts beside it, and saves "
                      "nothing until that one has ended.");
        window.startBeside(instance);
    }
    QObject::connect(&instance, &SingleInstance::restoreRequested, &window, &frmTivvet::restoreAsked);

    TerminationSignals terminations;
    QObject::connect(&terminations, &TerminationSignals::received, &window.end(), &ProgramEnd::endOnSignal);
    QObject::connect(&window.end(), &ProgramEnd::unloaded, &instance, &SingleInstance::release);

    // No part of the first frame: the tray icon, and the bus, on which a later start keeps asking
    // until this one answers.
    QObject::connect(&window, &frmTivvet::startFinished, &platform.tray, &QtTrayIcon::startDocking);
    QObject::connect(&window, &frmTivvet::startFinished, &instance, &SingleInstance::answerLaterStarts);
    window.load();
    window.showAfterLoad();
    return QApplication::exec();
}
