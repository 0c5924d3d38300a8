#include "controls/Frame.h"

#include <QPainter>

namespace {
// About half the height of a title label.
constexpr int BorderTop = 6;

// The dark line of the border; the light one runs a pixel below and to the right of it.
QRect border(const QRect &frame) {
    return frame.adjusted(0, BorderTop, -2, -2);
}
} // namespace

// An outline is drawn a pixel beyond a rectangle's right and bottom edges, so there the dark line
// lies just outside the rectangle; at the left and top both lines lie on it.
QRect Frame::inside() const {
    return border(rect()).adjusted(2, 2, 0, 0);
}

void Frame::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border(rect()).translated(1, 1));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border(rect()));
}
