#include "alarms/FieldStepping.h"

#include "core/ClockText.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

void stepField(QLineEdit &field, int minimum, int maximum, bool up) {
    bool readable = false;
    const int shown = field.text().toInt(&readable);
    const int count = maximum - minimum + 1;
    const int next = !readable || shown < minimum || shown > maximum
                         ? (up ? minimum : maximum)
                         : minimum + (shown - minimum + (up ? 1 : count - 1)) % count;
    field.setText(ClockText::twoDigits(next));
}

void stepAmPm(QLineEdit &field, bool up) {
    const QString shown = field.text();
    const bool pm = shown == u"am"_s || (shown != u"pm"_s && !up);
    field.setText(pm ? u"pm"_s : u"am"_s);
}
