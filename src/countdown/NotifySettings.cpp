#include "countdown/NotifySettings.h"

#include "controls/Controls.h"
#include "controls/Frame.h"
#include "controls/SteppedFields.h"
#include "controls/UpDown.h"
#include "core/ClockText.h"
#include "countdown/Countdown.h"

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

NotifySettings::NotifySettings(QWidget *timerPanel, FieldSelection &selection, Countdown &countdown)
    : QObject(timerPanel)
    , m_countdown(countdown)
    , m_notifyTimes(place(new Frame(timerPanel), "Frame8", QRect(1680, 115, 1680, 1520)))
    , m_customGroup(place(new Frame(timerPanel), "Frame9", QRect(3480, 115, 1790, 1520))) {
    buildNotifyTimes();
    buildCustomTime();
    bindToModel(selection);
}

void NotifySettings::buildNotifyTimes() {
    //: The caption of the group of notify times, 100 pixels wide.
    Controls::groupCaption(m_notifyTimes, "lblProgram", tr("notify times"));
    const auto notifyBox = [this](const char *name, int minutes, int top) {
        //: Beside a check box, 75 pixels: the countdown warns when 60, 30, 15 or 5 minutes are left.
        const QString caption = tr("%n minutes", nullptr, minutes);
        auto *box = place(new QCheckBox(caption, m_notifyTimes), name, QRect(120, top, 1440, 255));
        //: A notify time's box, for assistive technology: "timer notify 5 minutes".
        box->setAccessibleName(tr("timer notify %1").arg(caption));
        connect(box, &QCheckBox::toggled, this,
                [this, minutes](bool on) { m_countdown.setNotifyBefore(minutes, on); });
        m_notifyBoxes.append(box);
    };
    notifyBox("Check60", 60, 420);
    notifyBox("Check30", 30, 690);
    notifyBox("Check15", 15, 960);
    notifyBox("Check5", 5, 1230);
}

void NotifySettings::buildCustomTime() {
    //: The caption of the custom notify time's group, 110 pixels wide: a time left, hh:mm:ss.
    Controls::groupCaption(m_customGroup, "lblMessage", tr("custom notify time"));
    QWidget *box = Controls::pictureBox(m_customGroup, "Picture7", QRect(120, 480, 1395, 360), FieldGrey);
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
    m_customHour = field("txtHour3", tr("custom notify hours"), 15);
    colon("Label13", 360);
    m_customMinute = field("txtMinute3", tr("custom notify minutes"), 535);
    colon("Label14", 880);
    m_customSecond = field("txtSecond", tr("custom notify seconds"), 1050);

    m_customUpDown = place(new UpDown(m_customGroup), "UpDown3", QRect(1515, 480, 240, 360));
    m_customUpDown->setNames(tr("custom notify time"));
    //: Short: beside a check box; the countdown warns at the custom time only when it is checked.
    m_customOn = Controls::labelledButton<QCheckBox>(m_customGroup, "Check2", "lblActivate2", tr("activate"),
                                                     120, 1080);
    m_customOn->setAccessibleName(tr("custom notify activate"));
}

void NotifySettings::bindToModel(FieldSelection &selection) {
    using enum SteppedFields::Kind;
    new SteppedFields(m_customUpDown, selection,
                      {{m_customHour, Hour}, {m_customMinute, Minute}, {m_customSecond, Second}}, this);
    for (QLineEdit *field : {m_customHour, m_customMinute, m_customSecond})
        connect(field, &QLineEdit::textChanged, this, &NotifySettings::takeCustomTime);
    takeCustomTime();
    connect(m_customOn, &QCheckBox::toggled, &m_countdown, &Countdown::setCustomNotifyOn);
    connect(&m_countdown, &Countdown::customNotifyOnChanged, m_customOn,
            [this] { m_customOn->setChecked(m_countdown.customNotifyIsOn()); });
    connect(&m_countdown, &Countdown::notifyChoicesRestored, this, &NotifySettings::showRestoredChoices);
}

void NotifySettings::showRestoredChoices() {
    const Countdown::NotifyChoices choices = m_countdown.notifyChoices();
    for (qsizetype i = 0; i < m_notifyBoxes.size(); ++i)
        m_notifyBoxes[i]->setChecked(choices.before[std::size_t(i)]);
    const int second = choices.customTime.value_or(0);
    m_customHour->setText(ClockText::twoDigits(second / 3600));
    m_customMinute->setText(ClockText::twoDigits(second / 60 % 60));
    m_customSecond->setText(ClockText::twoDigits(second % 60));
}

void NotifySettings::takeCustomTime() {
    m_countdown.setCustomNotifyTime(ClockText::readHms(m_customHour->text() + u':' + m_customMinute->text() +
                                                       u':' + m_customSecond->text()));
}
