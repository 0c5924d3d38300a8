#include "platform/ColourDialog.h"

#include "platform/Controls.h"

#include <QColorDialog>

using Controls::fromQColor;
using Controls::toQColor;

// Qt keeps custom colours for the whole application: all sixteen are set before every use.
std::optional<ColourValue> QtColourDialog::choose(QWidget *owner, CustomColours &customColours) {
    for (int i = 0; i < int(customColours.size()); ++i)
        QColorDialog::setCustomColor(i, toQColor(customColours[size_t(i)]));
    QColorDialog dialog(Qt::black, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    for (int i = 0; i < int(customColours.size()); ++i)
        customColours[size_t(i)] = fromQColor(QColorDialog::customColor(i));
    return fromQColor(dialog.selectedColor());
}
