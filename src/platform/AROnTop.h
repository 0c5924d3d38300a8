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

private:
    QWidget *m_window;
};
