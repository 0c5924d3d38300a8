#include "alarms/FieldStepping.h"

#include "core/ClockText.h"
#include "platform/UpDown.h"

#include <QLineEdit>

void writeSpinValue(UpDown &spin, QLineEdit &field, int minimum, int maximum) {
    spin.setWrappingRange(minimum, maximum);
    field.setText(ClockText::twoDigits(spin.value()));
}
