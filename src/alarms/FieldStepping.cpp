#include "alarms/FieldStepping.h"

#include "controls/UpDown.h"
#include "core/ClockText.h"

#include <QLineEdit>

void writeSpinValue(UpDown &spin, QLineEdit &field, int minimum, int maximum) {
    spin.setWrappingRange(minimum, maximum);
    field.setText(ClockText::twoDigits(spin.value()));
}
