#pragma once

#include "core/ColourValue.h"

#include <QList>

class QWidget;
class SettingsStore;

// The colours of the main window's four displays: eight slots, each a background or text colour
// of a few controls, stored per control under "ColorSettings".
class ColourScheme {
public:
    enum Slot {
        EntryBack,
        EntryText,
        RemainingBack,
        RemainingText,
        AlarmIBack,
        AlarmIText,
        AlarmIIBack,
        AlarmIIText
    };

    struct Target {
        const char *control;
        bool background; // otherwise the text colour
    };

    struct SlotInfo {
        ColourValue defaultColour;
        const char *swatchKey;
        QList<Target> targets;
    };

    static const QList<SlotInfo> &slots();

    ColourScheme(QWidget *mainWindow, SettingsStore &settings);

    // Each per-control key into its control, in the stored order.
    void load();
    // Each control's colour under its key, in the same order.
    void save();
    // Colours every target of the slot.
    void applySlot(Slot slot, ColourValue colour);

private:
    QWidget *control(const char *name) const;

    QWidget *m_window;
    SettingsStore &m_settings;
};
