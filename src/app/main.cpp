#include "app/frmTivvet.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/PlatformServices.h"
#include "platform/ProgramLauncher.h"
#include "platform/SdlSoundPlayer.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Tivvet"_s);

    SdlSoundPlayer sound;
    QtMessageBox messages;
    QProcessLauncher launcher;
    SystemClock clock;
    frmTivvet window({sound, messages, launcher, clock});
    messages.setOwner(&window);

    window.Form_Load();
    window.show();
    // A window the program never placed itself comes back at the window manager's default place
    // after it was hidden; placing it once where it is keeps it there.
    window.move(window.pos());
    return QApplication::exec();
}
