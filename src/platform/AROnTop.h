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
    // Before a hidden window is shown again: on X11 it is told to the window manager at once. Qt
    // tells it as it shows a window, but a window hidden while minimised it maps as soon as that
    // state is cleared, before that; the window manager may then take it in as an ordinary window.
    void tellBeforeShowing();
    // Once a window shown again is on the screen: on X11 the window manager is asked, as EWMH has a
    // client ask for a mapped window. Openbox takes a window mapped again in without the state
    // written on it, though the property still says "above".
    void askWindowManager();

private:
    QWidget *m_window;
};
