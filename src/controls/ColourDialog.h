#pragma once

#include "core/ColourValue.h"

#include <array>
#include <optional>

class QWidget;

// Sixteen colours the user can define in the colour dialog and find there again.
using CustomColours = std::array<ColourValue, 16>;

// A modal colour picker with the standard colours and sixteen custom ones. It does not start from
// any current colour. The colour chosen on OK, with the custom colours taken back; nothing on
// Cancel, the custom colours left as they were.
class ColourDialog {
public:
    virtual ~ColourDialog() = default;
    virtual std::optional<ColourValue> choose(QWidget *owner, CustomColours &customColours) = 0;
};

class QtColourDialog : public ColourDialog {
public:
    std::optional<ColourValue> choose(QWidget *owner, CustomColours &customColours) override;
};
