#include "controls/FlatBttn.h"

#include <QKeyEvent>
#include <QPainter>

FlatBttn::FlatBttn(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &FlatBttn::Click);
}

void FlatBttn::setBorderless(bool borderless) {
    setFlat(borderless);
}

// Outside a dialog a push button leaves Enter to its window; here no window has a use for it.
void FlatBttn::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        click();
    else
        QPushButton::keyPressEvent(event);
}

// Without a border to show it in, the focus is a dotted frame, black on white, which stands out on
// any colour.
void FlatBttn::paintEvent(QPaintEvent *event) {
    QPushButton::paintEvent(event);
    if (!isFlat() || !hasFocus())
        return;
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(Qt::white);
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(frame);
}
