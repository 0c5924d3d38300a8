#include "countdown/NotifySettings.h"

#include "platform/Controls.h"
#include "platform/Frame.h"
#include "platform/UpDown.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

constexpr ColourValue FieldNavy = 0x690000;
constexpr ColourValue FieldGrey = 0xEBEBEB;
constexpr double FieldPoints = 12;

} // namespace

NotifySettings::NotifySettings(QWidget *timerPanel)
    : QObject(timerPanel)
    , Frame8(place(new Frame(timerPanel), "Frame8", QRect(1680, 115, 1680, 1520)))
    , Frame9(place(new Frame(timerPanel), "Frame9", QRect(3480, 115, 1790, 1520))) {
    buildNotifyTimes();
    buildCustomTime();
}

void NotifySettings::buildNotifyTimes() {
    Controls::groupCaption(Frame8, "lblProgram", u"notify times"_s);
    const auto notifyBox = [this](const char *name, const QString &caption, int top) {
        return place(new QCheckBox(caption, Frame8), name, QRect(120, top, 1440, 255));
    };
    Check60 = notifyBox("Check60", u"60 minutes"_s, 420);
    Check30 = notifyBox("Check30", u"30 minutes"_s, 690);
    Check15 = notifyBox("Check15", u"15 minutes"_s, 960);
    Check5 = notifyBox("Check5", u"5 minutes"_s, 1230);
}

void NotifySettings::buildCustomTime() {
    Controls::groupCaption(Frame9, "lblMessage", u"custom notify time"_s);
    QWidget *box = Controls::pictureBox(Frame9, "Picture7", QRect(120, 480, 1305, 360), FieldGrey);
    const auto field = [box](const char *name, const QString &caption, int left) {
        QLineEdit *text = Controls::digitBox(box, name, QRect(left, 0, 315, 360), u"00"_s, FieldPoints);
        Controls::setBackColour(text, FieldGrey);
        Controls::setForeColour(text, FieldNavy);
        text->setAccessibleName(caption);
        return text;
    };
    const auto colon = [box](const char *name, int left) {
        QLabel *label = Controls::digitLabel(box, name, u":"_s, QRect(left, 0, 135, 360), FieldPoints);
        Controls::setForeColour(label, FieldNavy);
    };
    txtHour3 = field("txtHour3", u"custom notify hours"_s, 45);
    colon("Label13", 360);
    txtMinute3 = field("txtMinute3", u"custom notify minutes"_s, 495);
    colon("Label14", 810);
    txtSecond = field("txtSecond", u"custom notify seconds"_s, 945);

    UpDown3 = place(new UpDown(Frame9), "UpDown3", QRect(1470, 480, 240, 360));
    UpDown3->setAccessibleName(u"custom notify time"_s);
    Check2 = Controls::labelledButton<QCheckBox>(Frame9, "Check2", "lblActivate2", u"activate"_s, 120, 1080);
}
