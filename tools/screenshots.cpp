// Renders the main window offscreen, compact and with each options panel, into PNG files.
#include "alerts/OptionsArea.h"
#include "app/frmTivvet.h"
#include "core/Twips.h"
#include "platform/Frame.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace {

// The expanded window: the main area, one options panel at its place and the bottom row.
void showPanel(frmTivvet &window, Frame *panel) {
    for (Frame *each : {window.options->Frame5, window.options->Frame10, window.options->Frame16})
        each->setVisible(each == panel);
    panel->move(twipsToPixels(95), twipsToPixels(3160));
    window.setFixedSize(twipsToPixels(5565), twipsToPixels(5250));
}

void save(frmTivvet &window, const QDir &folder, const QString &name) {
    const QString path = folder.filePath(name + u".png"_s);
    if (!window.grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"screenshots"_s);
    folder.mkpath(u"."_s);

    frmTivvet window;
    window.Form_Load();
    window.show();
    save(window, folder, u"main-compact"_s);
    showPanel(window, window.options->Frame5);
    save(window, folder, u"panel-timer"_s);
    showPanel(window, window.options->Frame10);
    save(window, folder, u"panel-alarm1"_s);
    showPanel(window, window.options->Frame16);
    save(window, folder, u"panel-alarm2"_s);
    return 0;
}
