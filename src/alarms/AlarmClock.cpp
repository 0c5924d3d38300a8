#include "alarms/AlarmClock.h"

#include "controls/Controls.h"
#include "controls/Frame.h"
#include "controls/MessageBox.h"
#include "controls/SteppedFields.h"
#include "controls/UpDown.h"
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

QString AlarmClock::nameOf(const AlarmClockNames &names) {
    return tr(names.texts.name);
}

AlarmClock::AlarmClock(QWidget *mainArea, const AlarmClockNames &names, FieldSelection &selection,
                       MessageBox &messages, Alarm &alarm)
    : QObject(mainArea)
    , m_alarm(alarm)
    , m_messages(messages)
    , m_frame(place(new Frame(mainArea), names.frame, QRect(2170, names.top, 1910, names.height))) {
    const QString caption = tr(names.texts.caption);
    Controls::boldLabel(m_frame, names.title, caption, 150, 180);
    buildTimeDisplay(names);

    m_upDown = place(new UpDown(m_frame), names.upDown, QRect(1600, 480, 240, 360));
    m_upDown->setNames(caption);
    stepFields(selection);
    //: Short: beside an option button, at most 30 pixels; the alarm switched on.
    m_on = Controls::labelledButton<QRadioButton>(m_frame, names.on, names.onLabel, tr("on"), 150, 960);
    //: Short: beside an option button, at most 40 pixels; the alarm switched off.
    m_off = Controls::labelledButton<QRadioButton>(m_frame, names.off, names.offLabel, tr("off"), 900, 960);
    //: The parts of an alarm, for assistive technology: "alarm I on".
    m_on->setAccessibleName(tr("%1 on").arg(caption));
    //: For assistive technology: "alarm I off".
    m_off->setAccessibleName(tr("%1 off").arg(caption));
    m_off->setChecked(!m_alarm.isOn());

    takeOnlyTimes();
    bindToModel();
}

void AlarmClock::bindToModel() {
    // Selecting an option button, by a click or by the program, tells the alarm.
    connect(m_on, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected && !m_alarm.isOn())
            m_alarm.switchOn({m_hour->text(), m_minute->text(), m_amPm->text()});
    });
    connect(m_off, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected && m_alarm.isOn())
            m_alarm.switchOff();
    });
    connect(&m_alarm, &Alarm::onChanged, this, [this] { (m_alarm.isOn() ? m_on : m_off)->setChecked(true); });
    connect(&m_alarm, &Alarm::fieldRewritten, this,
            [this](Alarm::Field which) { field(which)->setText(m_alarm.shown(which)); });
    connect(&m_alarm, &Alarm::timeUnreadable, this, &AlarmClock::tellUnreadable);
    for (QLineEdit *field : fields()) {
        connect(field, &QLineEdit::textEdited, this, [this, field] { fieldEdited(field); });
        // Not editingFinished, which never comes for an empty field.
        field->installEventFilter(this);
    }
}

// Only what can make a time is taken as typed: an hour up to 23 and a minute up to 59 in digits,
// "a" or "p" for the marker.
void AlarmClock::takeOnlyTimes() {
    takeOnly(m_hour, u"[01]?[0-9]|2[0-3]"_s);
    takeOnly(m_minute, u"[0-5]?[0-9]"_s);
    m_amPm->setValidator(new AmPmValidator(m_amPm));
}

// Two digits make an hour or a minute whole; a marker is whole at once.
void AlarmClock::fieldEdited(QLineEdit *field) {
    if (field == m_amPm ? !field->text().isEmpty() : field->text().size() == 2)
        take(field);
}

bool AlarmClock::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut)
        take(static_cast<QLineEdit *>(watched));
    return QObject::eventFilter(watched, event);
}

void AlarmClock::take(QLineEdit *field) {
    m_alarm.take(fieldKind(field), field->text(), isBeingTyped());
}

Alarm::Field AlarmClock::fieldKind(const QLineEdit *field) const {
    return field == m_hour     ? Alarm::Field::Hour
           : field == m_minute ? Alarm::Field::Minute
                               : Alarm::Field::AmPm;
}

bool AlarmClock::isBeingTyped() const {
    const auto fieldList = fields();
    return std::any_of(fieldList.begin(), fieldList.end(),
                       [](QLineEdit *field) { return field->hasFocus(); });
}

// Each step is a whole change of its field. On the 24-hour clock the empty am/pm field is out of
// reach: no click, key or arrow gets into it.
void AlarmClock::stepFields(FieldSelection &selection) {
    using enum SteppedFields::Kind;
    SteppedFields *stepped = nullptr;
    if (m_alarm.isOnTwentyFourHours()) {
        m_amPm->setFocusPolicy(Qt::NoFocus);
        stepped = new SteppedFields(m_upDown, selection, {{m_hour, Hour24}, {m_minute, Minute}}, this);
    } else {
        stepped = new SteppedFields(m_upDown, selection, {{m_hour, Hour}, {m_minute, Minute}, {m_amPm, AmPm}},
                                    this);
    }
    connect(stepped, &SteppedFields::stepped, this, &AlarmClock::take);
}

void AlarmClock::tellUnreadable() {
    const QString title = ProductInfo::applicationTitle();
    const QString text = tr("The alarm time cannot be read: the alarm is off.");
    if (m_frame->window()->isActiveWindow())
        m_messages.show(title, text);
    else
        m_messages.showUnasked(title, text, {}, {});
}

void AlarmClock::buildTimeDisplay(const AlarmClockNames &names) {
    m_timeBox = Controls::pictureBox(m_frame, names.picture, QRect(150, 480, 1420, 360), Colour::Black);
    const auto field = [this](const char *name, Alarm::Field which, int left, int width, double points) {
        QLineEdit *box =
            Controls::digitBox(m_timeBox, name, QRect(left, 0, width, 360), m_alarm.shown(which), points);
        Controls::setBackColour(box, Colour::Black);
        Controls::setForeColour(box, Colour::Azure);
        return box;
    };
    // The digits and the colon as wide as their text, so that none is cut.
    m_hour = field(names.hour, Alarm::Field::Hour, 15, 405, 14.25);
    QLabel *colon = Controls::digitLabel(m_timeBox, names.colon, u":"_s, QRect(420, 0, 205, 360), 14.25);
    Controls::setBackColour(colon, Colour::Black);
    Controls::setForeColour(colon, Colour::Azure);
    m_minute = field(names.minute, Alarm::Field::Minute, 625, 405, 14.25);
    m_amPm = field(names.amPm, Alarm::Field::AmPm, 1035, 375, 12);

    const QString caption = tr(names.texts.caption);
    //: An alarm's fields, for assistive technology: "alarm I hour", "alarm I minute", "alarm I am or pm".
    m_hour->setAccessibleName(tr("%1 hour").arg(caption));
    m_minute->setAccessibleName(tr("%1 minute").arg(caption));
    m_amPm->setAccessibleName(tr("%1 am or pm").arg(caption));
}
