#pragma once

#include <QObject>

class QWidget;

// Keeps its window above ordinary windows while ontop is true.
class AROnTop : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AROnTop)

public:
    // On top from the start, as every window of the program is.
    explicit AROnTop(QWidget *window);

    bool ontop() const;
    void setOntop(bool ontop);
    // Before a hidden window is shown again: on X11 it is told to the window manager at once, and
    // asked again once the window is painted. Qt tells it as it shows a window, but a window hidden
    // while minimised it maps as soon as that state is cleared, before that; and openbox takes a
    // window mapped again in as an ordinary one, though the property still says "above". A mapped
    // window is asked for, as EWMH has a client do.
    void tellBeforeShowing();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};
