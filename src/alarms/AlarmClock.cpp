#include "alarms/AlarmClock.h"

#include "controls/Controls.h"
#include "controls/Frame.h"
#include "controls/MessageBox.h"
#include "controls/SteppedFields.h"
#include "controls/UpDown.h"
#include "core/ClockText.h"
#include "core/ProductInfo.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include <algorithm>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

// The am/pm field holds "am", "pm" or nothing; "a" or "p" typed is the whole marker.
class AmPmValidator : public QValidator {
    Q_DISABLE_COPY_MOVE(AmPmValidator)

public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override {
        input = input.toLower();
        if (input == u"a"_s || input == u"p"_s)
            input += u'm';
        return input.isEmpty() || input == u"am"_s || input == u"pm"_s ? Acceptable : Invalid;
    }
};

void takeOnly(QLineEdit *field, const QString &pattern) {
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
}

} // namespace

const AlarmClockNames AlarmClock::AlarmI{"Frame14",
                                         "lblAlarm",
                                         "Picture1",
                                         "txtHour",
                                         "Label3",
                                         "txtMinute",
                                         "txtAmPm",
                                         "UpDown1",
                                         "Option1",
                                         "Label9",
                                         "Option2",
                                         "Label10",
                                         115,
                                         1320,
                                         {//: The alarm's bold title over its time, at most 115 pixels.
                                          QT_TR_NOOP("alarm I"),
                                          //: The alarm's name in its notification: "Alarm I at 07:30 pm".
                                          QT_TR_NOOP("Alarm I")}};
const AlarmClockNames AlarmClock::AlarmII{"Frame7",
                                          "Label5",
                                          "Picture6",
                                          "txtHour2",
                                          "Label4",
                                          "txtMinute2",
                                          "txtAmPm2",
                                          "UpDown2",
                                          "Option3",
                                          "Label6",
                                          "Option4",
                                          "Label7",
                                          1450,
                                          1310,
                                          {//: The alarm's bold title over its time, at most 115 pixels.
                                           QT_TR_NOOP("alarm II"),
                                           //: The alarm's name in its notification: "Alarm II at 07:30 pm".
                                           QT_TR_NOOP("Alarm II")}};

AlarmClock::AlarmClock(QWidget *mainArea, const AlarmClockNames &names, FieldSelection &selection,
                       MessageBox &messages)
    : QObject(mainArea)
    , Frame14(place(new Frame(mainArea), names.frame, QRect(2170, names.top, 1910, names.height)))
    , m_messages(messages) {
    const QString caption = tr(names.texts.caption);
    name = tr(names.texts.name);
    Controls::boldLabel(Frame14, names.title, caption, 150, 180);
    buildTimeDisplay(names);

    UpDown1 = place(new UpDown(Frame14), names.upDown, QRect(1600, 480, 240, 360));
    UpDown1->setNames(caption);
    stepFields(selection);
    //: Short: beside an option button, at most 30 pixels; the alarm switched on.
    Option1 = Controls::labelledButton<QRadioButton>(Frame14, names.on, names.onLabel, tr("on"), 150, 960);
    //: Short: beside an option button, at most 40 pixels; the alarm switched off.
    Option2 = Controls::labelledButton<QRadioButton>(Frame14, names.off, names.offLabel, tr("off"), 900, 960);
    //: The parts of an alarm, for assistive technology: "alarm I on".
    Option1->setAccessibleName(tr("%1 on").arg(caption));
    //: For assistive technology: "alarm I off".
    Option2->setAccessibleName(tr("%1 off").arg(caption));

    connectHandlers();
}

void AlarmClock::connectHandlers() {
    takeOnlyTimes();
    // Selecting an option button, by a click or by the program, runs its handler.
    connect(Option1, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            Option2_Click();
    });
    for (QLineEdit *field : fields()) {
        connect(field, &QLineEdit::textEdited, this, [this, field] { fieldEdited(field); });
        // Not editingFinished, which never comes for an empty field.
        field->installEventFilter(this);
    }
}

// Only what can make a time is taken as typed: an hour up to 23 and a minute up to 59 in digits,
// "a" or "p" for the marker.
void AlarmClock::takeOnlyTimes() {
    takeOnly(txtHour, u"[01]?[0-9]|2[0-3]"_s);
    takeOnly(txtMinute, u"[0-5]?[0-9]"_s);
    txtAmPm->setValidator(new AmPmValidator(txtAmPm));
}

// Two digits make an hour or a minute whole; a marker is whole at once.
void AlarmClock::fieldEdited(QLineEdit *field) {
    if (field == txtAmPm ? !field->text().isEmpty() : field->text().size() == 2)
        take(field);
}

bool AlarmClock::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut)
        take(static_cast<QLineEdit *>(watched));
    return QObject::eventFilter(watched, event);
}

// A field taken empty, or a time that cannot be read, would leave on an alarm that never rings.
void AlarmClock::take(QLineEdit *field) {
    if (field == txtHour && toTwelveHours())
        taken(txtAmPm) = txtAmPm->text();
    taken(field) = field->text();
    if (isOn() && !ClockText::readHourMinuteAmPm(composedTime()))
        switchOffUnreadable();
    else
        Q_EMIT timeTaken();
}

// The marker first: the time never reads, even for a moment, as another one. A lone 0 is 00.
bool AlarmClock::toTwelveHours() {
    const QString typed = txtHour->text();
    const int hour = typed.toInt();
    if (typed.isEmpty() || (hour >= 1 && hour <= 12))
        return false;
    txtAmPm->setText(hour < 12 ? u"am"_s : u"pm"_s);
    txtHour->setText(ClockText::twoDigits(hour == 0 ? 12 : hour - 12));
    return true;
}

QString &AlarmClock::taken(const QLineEdit *field) {
    return field == txtHour ? m_takenHour : field == txtMinute ? m_takenMinute : m_takenAmPm;
}

QString AlarmClock::composedTime() const {
    return m_takenHour + u':' + m_takenMinute + m_takenAmPm;
}

bool AlarmClock::isOn() const {
    return m_on;
}

bool AlarmClock::isBeingTyped() const {
    const auto fieldList = fields();
    return std::any_of(fieldList.begin(), fieldList.end(),
                       [](QLineEdit *field) { return field->hasFocus(); });
}

// Each step is a whole change of its field.
void AlarmClock::stepFields(FieldSelection &selection) {
    using enum SteppedFields::Kind;
    auto *stepped =
        new SteppedFields(UpDown1, selection, {{txtHour, Hour}, {txtMinute, Minute}, {txtAmPm, AmPm}}, this);
    connect(stepped, &SteppedFields::stepped, this, &AlarmClock::take);
}

// However it is switched on, with the mouse, the keyboard or assistive technology, it is for the
// time its fields show.
void AlarmClock::Option1_Click() {
    for (QLineEdit *field : fields())
        take(field);
    if (!ClockText::readHourMinuteAmPm(composedTime())) {
        switchOffUnreadable();
        return;
    }
    m_on = true;
    Q_EMIT switchedOn();
}

// Told as the user left a field for another window, the box leaves the keyboard there.
void AlarmClock::switchOffUnreadable() {
    Option2->setChecked(true);
    const QString title = ProductInfo::applicationTitle();
    const QString text = tr("The alarm time cannot be read: the alarm is off.");
    Frame14->window()->isActiveWindow() ? m_messages.show(title, text) : m_messages.showUnasked(title, text);
}

void AlarmClock::Option2_Click() {
    m_on = false;
}

void AlarmClock::buildTimeDisplay(const AlarmClockNames &names) {
    Picture1 = Controls::pictureBox(Frame14, names.picture, QRect(150, 480, 1420, 360), Colour::Black);
    const auto field = [this](const char *name, const QString &text, int left, int width, double points) {
        QLineEdit *box = Controls::digitBox(Picture1, name, QRect(left, 0, width, 360), text, points);
        Controls::setBackColour(box, Colour::Black);
        Controls::setForeColour(box, Colour::Azure);
        return box;
    };
    // The digits and the colon as wide as their text, so that none is cut.
    txtHour = field(names.hour, u"12"_s, 15, 405, 14.25);
    Label3 = Controls::digitLabel(Picture1, names.colon, u":"_s, QRect(420, 0, 205, 360), 14.25);
    Controls::setBackColour(Label3, Colour::Black);
    Controls::setForeColour(Label3, Colour::Azure);
    txtMinute = field(names.minute, u"00"_s, 625, 405, 14.25);
    txtAmPm = field(names.amPm, u"am"_s, 1035, 375, 12);
    for (QLineEdit *shown : fields())
        taken(shown) = shown->text();

    const QString caption = tr(names.texts.caption);
    //: An alarm's fields, for assistive technology: "alarm I hour", "alarm I minute", "alarm I am or pm".
    txtHour->setAccessibleName(tr("%1 hour").arg(caption));
    txtMinute->setAccessibleName(tr("%1 minute").arg(caption));
    txtAmPm->setAccessibleName(tr("%1 am or pm").arg(caption));
}
