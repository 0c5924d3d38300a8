#include "app/frmTivvet.h"
#include "platform/MessageBox.h"
#include "platform/PlatformServices.h"
#include "platform/ProgramLauncher.h"
#include "platform/SdlSoundPlayer.h"

#include <QApplication>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QByteArray defaultSound() {
    QFile sound(u":/tivvet.wav"_s);
    sound.open(QIODevice::ReadOnly);
    return sound.readAll();
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Tivvet"_s);

    SdlSoundPlayer sound(defaultSound());
    QtMessageBox messages;
    QProcessLauncher launcher;
    frmTivvet window({sound, messages, launcher});
    messages.setOwner(&window);

    window.Form_Load();
    window.show();
    // A window the program never placed itself comes back at the window manager's default place
    // after it was hidden; placing it once where it is keeps it there.
    window.move(window.pos());
    return QApplication::exec();
}
