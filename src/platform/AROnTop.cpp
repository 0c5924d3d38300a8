#include "platform/AROnTop.h"

#include <QWidget>

AROnTop::AROnTop(QWidget *window)
    : QObject(window)
    , m_window(window) {
    setOntop(true);
}

bool AROnTop::ontop() const {
    return m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void AROnTop::setOntop(bool ontop) {
    if (ontop == this->ontop())
        return;
    // Changing a window's flags hides it: show it again where it was.
    const bool wasVisible = m_window->isVisible();
    const QPoint position = m_window->pos();
    m_window->setWindowFlag(Qt::WindowStaysOnTopHint, ontop);
    if (wasVisible) {
        m_window->move(position);
        m_window->show();
    }
}
