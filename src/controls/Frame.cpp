#include "controls/Frame.h"

#include <QPainter>

namespace {
// About half the height of a title label.
constexpr int BorderTop = 6;
// The etched line is a dark line with a light one a pixel below and to the right of it.
constexpr int LinesWidth = 2;

// The dark line's rectangle. An outline is drawn a pixel beyond a rectangle's right and bottom
// edges: room is left there for both lines.
QRect border(const QRect &frame) {
    return frame.adjusted(0, BorderTop, -LinesWidth, -LinesWidth);
}
} // namespace

QRect Frame::inside() const {
    return border(rect()).adjusted(LinesWidth, LinesWidth, 0, 0);
}

void Frame::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border(rect()).translated(1, 1));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border(rect()));
}
