#pragma once

#include <QWidget>

// A frame without a caption of its own: an etched border whose top edge runs a little below the
// frame's top, so that a title label placed on the top edge sits on the line.
class Frame : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Frame)

public:
    using QWidget::QWidget;

    // Where the frame's controls go: inside its border, clear of both of its lines.
    QRect inside() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
