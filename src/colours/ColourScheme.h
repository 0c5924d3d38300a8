#pragma once

#include "core/ColourValue.h"

#include <QList>
#include <QMap>
#include <QObject>

class SettingsStore;

// The colours of the main window's four displays: eight slots, each a background or text colour
// of a few controls, stored per control under "ColorSettings", each control by its object name.
class ColourScheme : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColourScheme)

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

    explicit ColourScheme(SettingsStore &settings, QObject *parent = nullptr);

    // Each per-control key, in the stored order; a colour that is not one reads as its default.
    void load();
    // Each control's colour under its key, in the same order.
    void save();
    // Colours every target of the slot.
    void applySlot(Slot slot, ColourValue colour);

Q_SIGNALS:
    void colourChanged(const ColourScheme::Target &target, ColourValue colour);

private:
    ColourValue colour(const Target &target) const;
    void set(const Target &target, ColourValue colour);

    SettingsStore &m_settings;
    QMap<QString, ColourValue> m_colours; // by key
};
