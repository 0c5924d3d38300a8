#include "countdown/NotifySettings.h"

#include "controls/Controls.h"
#include "controls/Frame.h"
#include "controls/SteppedFields.h"
#include "controls/UpDown.h"
#include "core/ClockText.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

constexpr ColourValue FieldNavy = 0x690000;
constexpr ColourValue FieldGrey = 0xEBEBEB;
constexpr double FieldPoints = 12;

} // namespace

NotifySettings::NotifySettings(QWidget *timerPanel, FieldSelection &selection)
    : QObject(timerPanel)
    , Frame8(place(new Frame(timerPanel), "Frame8", QRect(1680, 115, 1680, 1520)))
    , Frame9(place(new Frame(timerPanel), "Frame9", QRect(3480, 115, 1790, 1520))) {
    buildNotifyTimes();
    buildCustomTime();
    connectHandlers(selection);
}

void NotifySettings::buildNotifyTimes() {
    //: The caption of the group of notify times, 100 pixels wide.
    Controls::groupCaption(Frame8, "lblProgram", tr("notify times"));
    const auto notifyBox = [this](const char *name, int minutes, int top) {
        //: Beside a check box, 75 pixels: the countdown warns when 60, 30, 15 or 5 minutes are left.
        const QString caption = tr("%n minutes", nullptr, minutes);
        auto *box = place(new QCheckBox(caption, Frame8), name, QRect(120, top, 1440, 255));
        //: A notify time's box, for assistive technology: "timer notify 5 minutes".
        box->setAccessibleName(tr("timer notify %1").arg(caption));
        return box;
    };
    Check60 = notifyBox("Check60", 60, 420);
    Check30 = notifyBox("Check30", 30, 690);
    Check15 = notifyBox("Check15", 15, 960);
    Check5 = notifyBox("Check5", 5, 1230);
}

void NotifySettings::buildCustomTime() {
    //: The caption of the custom notify time's group, 110 pixels wide: a time left, hh:mm:ss.
    Controls::groupCaption(Frame9, "lblMessage", tr("custom notify time"));
    QWidget *box = Controls::pictureBox(Frame9, "Picture7", QRect(120, 480, 1395, 360), FieldGrey);
    const auto field = [box](const char *name, const QString &caption, int left) {
        QLineEdit *text = Controls::digitBox(box, name, QRect(left, 0, 345, 360), u"00"_s, FieldPoints);
        Controls::setBackColour(text, FieldGrey);
        Controls::setForeColour(text, FieldNavy);
        text->setAccessibleName(caption);
        return text;
    };
    const auto colon = [box](const char *name, int left) {
        QLabel *label = Controls::digitLabel(box, name, u":"_s, QRect(left, 0, 175, 360), FieldPoints);
        Controls::setForeColour(label, FieldNavy);
    };
    // The digits and colons as wide as their text, so that none is cut.
    //: The custom notify time's fields, for assistive technology.
    txtHour3 = field("txtHour3", tr("custom notify hours"), 15);
    colon("Label13", 360);
    txtMinute3 = field("txtMinute3", tr("custom notify minutes"), 535);
    colon("Label14", 880);
    txtSecond = field("txtSecond", tr("custom notify seconds"), 1050);

    UpDown3 = place(new UpDown(Frame9), "UpDown3", QRect(1515, 480, 240, 360));
    UpDown3->setNames(tr("custom notify time"));
    //: Short: beside a check box; the countdown warns at the custom time only when it is checked.
    Check2 = Controls::labelledButton<QCheckBox>(Frame9, "Check2", "lblActivate2", tr("activate"), 120, 1080);
    Check2->setAccessibleName(tr("custom notify activate"));
}

void NotifySettings::connectHandlers(FieldSelection &selection) {
    using enum SteppedFields::Kind;
    new SteppedFields(UpDown3, selection, {{txtHour3, Hour}, {txtMinute3, Minute}, {txtSecond, Second}},
                      this);
    connect(Check2, &QCheckBox::stateChanged, this, &NotifySettings::Check2_Click);
}

std::optional<int> NotifySettings::customNotifyTime() const {
    return ClockText::readHms(txtHour3->text() + u':' + txtMinute3->text() + u':' + txtSecond->text());
}

QList<qint64> NotifySettings::notifyTimes() const {
    QList<qint64> times;
    if (const std::optional<int> custom = customNotifyTime(); Check2->isChecked() && custom)
        times << *custom;
    const std::pair<QCheckBox *, qint64> minutesBefore[] = {
        {Check60, 3600}, {Check30, 1800}, {Check15, 900}, {Check5, 300}};
    for (const auto &[box, seconds] : minutesBefore)
        if (box->isChecked())
            times << seconds;
    return times;
}

// A custom notify time of zero, or one that is not a time of day, cannot be activated.
void NotifySettings::Check2_Click() {
    const std::optional<int> custom = customNotifyTime();
    if (!custom || *custom == 0)
        Check2->setChecked(false);
}
