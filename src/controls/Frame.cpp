#include "controls/Frame.h"

#include <QPainter>

namespace {
// About half the height of a title label.
constexpr int BorderTop = 6;
} // namespace

// An etched line: a dark rectangle with a light one one pixel below and to the right.
void Frame::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRect border = rect().adjusted(0, BorderTop, -2, -2);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
}
