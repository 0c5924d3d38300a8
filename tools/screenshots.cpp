// Renders the main window offscreen, compact and with each options panel, into PNG files, in the
// language of the locale it runs in.
#include "app/RealPlatform.h"
#include "app/Translations.h"
#include "app/frmTivvet.h"
#include "colours/frmColor.h"
#include "controls/FlatBttn.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
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
    window.load();
    window.show();
    save(window, folder, u"main-compact"_s);
    // As a user opens them: each button by its name.
    const auto click = [&window](const char *button) {
        window.findChild<FlatBttn *>(QLatin1StringView(button))->Click();
    };
    for (const auto &[button, name] :
         {std::pair{"FlatBttnTimer", u"panel-timer"_s}, std::pair{"FlatBttnAlarm1", u"panel-alarm1"_s},
          std::pair{"FlatBttnAlarm2", u"panel-alarm2"_s}}) {
        click(button);
        save(window, folder, name);
    }
    click("FlatBttnColor");
    save(*window.colourWindow(), folder, u"colour-window"_s);
    click("FlatBttnAbout");
    save(*window.aboutWindow(), folder, u"about"_s);
    click("FlatBttnHelp");
    save(*window.helpWindow(), folder, u"help"_s);
    return 0;
}
