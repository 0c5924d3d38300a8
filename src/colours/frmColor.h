#pragma once

#include "colours/ColourScheme.h"
#include "controls/ColourDialog.h"
#include "persistence/SettingsStore.h"

#include <QWidget>

#include <array>

class FlatBttn;

// The colour window: one swatch per colour slot, which opens the colour dialog, and a "default"
// button beside it. A chosen colour shows at once in the swatch and, through slotApplied, in the
// main window. The window keeps its swatches under their own keys.
class frmColor : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmColor)

public:
    frmColor(const QString &configFolder, ColourDialog &dialog);

    // Custom colours all black, swatches from their keys.
    void load();
    // A swatch click (lblEnter_Click and its seven twins).
    void chooseColour(ColourScheme::Slot slot);
    // A "default" click (FlatBttnEnter_Click and its seven twins).
    void restoreDefault(ColourScheme::Slot slot);

    ColourValue swatchColour(ColourScheme::Slot slot) const;

    CustomColours customColours{};
    // False while another instance owns the user's files: the swatch keys are not written.
    bool ownsUserFiles = true;

Q_SIGNALS:
    void slotApplied(ColourScheme::Slot slot, ColourValue colour);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildFrames();
    void buildRow(QWidget *frame, ColourScheme::Slot slot, int top);
    void writeSwatchKey(ColourScheme::Slot slot);

    SettingsStore m_settings;
    ColourDialog &m_dialog;
    std::array<FlatBttn *, 8> m_swatches{};
};
