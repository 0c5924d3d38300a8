// Renders the main window offscreen, compact and with each options panel, into PNG files, in the
// language of the locale it runs in.
#include "app/RealPlatform.h"
#include "app/Translations.h"
#include "app/frmTivvet.h"
#include "colours/frmColor.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "options/OptionsArea.h"
#include "platform/UserLocale.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

void save(QWidget &window, const QDir &folder, const QString &name) {
    const QString path = folder.filePath(name + u".png"_s);
    if (!window.grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installTranslations(userLocale(QProcessEnvironment::systemEnvironment()).languages);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"screenshots"_s);
    folder.mkpath(u"."_s);

    // Real services, but a configuration folder of its own, so that no one's settings show.
    RealPlatform platform;
    QTemporaryDir config;
    frmTivvet window(platform.services(config.path()));
    window.Form_Load();
    window.show();
    save(window, folder, u"main-compact"_s);
    window.options->FlatBttnTimer_Click();
    save(window, folder, u"panel-timer"_s);
    window.options->FlatBttnAlarm1_Click();
    save(window, folder, u"panel-alarm1"_s);
    window.options->FlatBttnAlarm2_Click();
    save(window, folder, u"panel-alarm2"_s);
    window.FlatBttnColor_Click();
    save(*window.colorWindow, folder, u"colour-window"_s);
    window.FlatBttnAbout_Click();
    save(*window.aboutWindow, folder, u"about"_s);
    window.FlatBttnHelp_Click();
    save(*window.helpWindow, folder, u"help"_s);
    return 0;
}
