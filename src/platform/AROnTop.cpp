#include "platform/AROnTop.h"

#include <QWidget>
#include <QWindow>

AROnTop::AROnTop(QWidget *window)
    : QObject(window)
    , m_window(window) {
    setOntop(true);
}

bool AROnTop::ontop() const {
    return m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// A window already on screen is told directly: changing a shown widget's flags the ordinary way
// hides it and makes a new native window each time.
void AROnTop::setOntop(bool ontop) {
    if (ontop == this->ontop())
        return;
    const Qt::WindowFlags flags = m_window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, ontop);
    if (QWindow *handle = m_window->windowHandle()) {
        m_window->overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        m_window->setWindowFlags(flags);
    }
}
