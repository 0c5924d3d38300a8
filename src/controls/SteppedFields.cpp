#include "controls/SteppedFields.h"

#include "controls/UpDown.h"
#include "core/ClockText.h"
#include "core/FieldSelection.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

// The number shown, one up or down, wrapping within minimum to maximum, written as two digits. A
// field that shows no number of the range goes up to the minimum and down to the maximum.
void stepNumber(QLineEdit &field, int minimum, int maximum, bool up) {
    bool readable = false;
    const int shown = field.text().toInt(&readable);
    const int count = maximum - minimum + 1;
    const int next = !readable || shown < minimum || shown > maximum
                         ? (up ? minimum : maximum)
                         : minimum + (shown - minimum + (up ? 1 : count - 1)) % count;
    field.setText(ClockText::twoDigits(next));
}

// Either arrow turns "am" into "pm" and back; an empty field goes up to "am" and down to "pm".
void stepAmPm(QLineEdit &field, bool up) {
    const QString shown = field.text();
    const bool pm = shown == u"am"_s || (shown != u"pm"_s && !up);
    field.setText(pm ? u"pm"_s : u"am"_s);
}

} // namespace

SteppedFields::SteppedFields(UpDown *upDown, FieldSelection &selection, std::initializer_list<Field> fields,
                             QObject *parent)
    : QObject(parent)
    , m_selection(selection)
    , m_fields(fields) {
    for (const Field &field : fields)
        upDown->steps(field.box, [this, field] { select(field); });
    connect(upDown, &UpDown::UpClick, this, [this] { step(true); });
    connect(upDown, &UpDown::DownClick, this, [this] { step(false); });
}

bool &SteppedFields::isSelected(Kind kind) const {
    switch (kind) {
    case Kind::Hour:
    case Kind::Hour24:
        return m_selection.blnHourSel;
    case Kind::Minute:
        return m_selection.blnMinuteSel;
    case Kind::Second:
        return m_selection.blnSecondSel;
    case Kind::AmPm:
        break;
    }
    return m_selection.blnAmPmSel;
}

// The whole text selected, so that typing replaces it.
void SteppedFields::select(const Field &clicked) {
    clicked.box->selectAll();
    for (const Field &field : std::as_const(m_fields))
        isSelected(field.kind) = field.kind == clicked.kind;
}

// The hours of the 12-hour clock step through 01 to 12 in every group: 00 comes only from the
// start or from typing.
void SteppedFields::step(bool up) {
    for (const Field &field : std::as_const(m_fields)) {
        if (!isSelected(field.kind))
            continue;
        if (field.kind == Kind::AmPm)
            stepAmPm(*field.box, up);
        else if (field.kind == Kind::Hour)
            stepNumber(*field.box, 1, 12, up);
        else
            stepNumber(*field.box, 0, field.kind == Kind::Hour24 ? 23 : 59, up);
        Q_EMIT stepped(field.box);
    }
}
