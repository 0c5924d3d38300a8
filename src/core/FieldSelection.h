#pragma once

// Which kind of time field was selected last, shared by every spin button of the main window:
// a spin button steps its own field of that kind, whichever group's field was clicked.
struct FieldSelection {
    bool blnHourSel = false;
    bool blnMinuteSel = false;
    bool blnSecondSel = false;
    bool blnAmPmSel = false;
};
