#pragma once

class QLineEdit;
class UpDown;

// A spin click on a time field: the spin button takes the field's range (wrapping), and its value
// goes into the field as two digits ("01" to "12", "00" to "59").
void writeSpinValue(UpDown &spin, QLineEdit &field, int minimum, int maximum);
