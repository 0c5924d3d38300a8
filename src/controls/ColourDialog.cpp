#include "controls/ColourDialog.h"

#include "controls/Controls.h"

#include <QColorDialog>

using Controls::fromQColor;
using Controls::toQColor;

namespace {

// Qt keeps one list of custom colours for every program and stores it for them all; this
// program's list lives only while its colour window is open.
CustomColours sharedCustomColours() {
    CustomColours colours;
    for (int i = 0; i < int(colours.size()); ++i)
        colours[size_t(i)] = fromQColor(QColorDialog::customColor(i));
    return colours;
}

void setSharedCustomColours(const CustomColours &colours) {
    for (int i = 0; i < int(colours.size()); ++i)
        QColorDialog::setCustomColor(i, toQColor(colours[size_t(i)]));
}

} // namespace

// Modal to the colour window only: the main window stays usable meanwhile.
std::optional<ColourValue> QtColourDialog::choose(QWidget *owner, CustomColours &customColours) {
    const CustomColours others = sharedCustomColours();
    setSharedCustomColours(customColours);
    QColorDialog dialog(Qt::black, owner);
    dialog.setWindowModality(Qt::WindowModal);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (chosen)
        customColours = sharedCustomColours();
    setSharedCustomColours(others);
    return chosen ? std::optional(fromQColor(dialog.selectedColor())) : std::nullopt;
}
