#pragma once

class QLineEdit;

// A spin click on a time field steps the number the field shows: up to the next, down to the one
// before, wrapping within minimum to maximum, written as two digits ("01" to "12", "00" to "59").
// A field that shows no number of the range goes up to the minimum and down to the maximum.
void stepField(QLineEdit &field, int minimum, int maximum, bool up);
// Either arrow turns "am" into "pm" and back; an empty field goes up to "am" and down to "pm".
void stepAmPm(QLineEdit &field, bool up);
