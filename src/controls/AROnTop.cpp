#include "controls/AROnTop.h"

#include "platform/WindowSystem.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

AROnTop::AROnTop(QWidget *window)
    : QObject(window)
    , m_window(window) {
    setOntop(true);
}

void AROnTop::tellBeforeShowing() {
    if (ontop() && !m_window->isVisible() && WindowSystem::markKeptAbove(m_window))
        m_window->installEventFilter(this);
}

// The first paint after showing again: the window is mapped and the window manager has it.
bool AROnTop::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint) {
        m_window->removeEventFilter(this);
        if (ontop())
            WindowSystem::askToKeepAbove(m_window);
    }
    return QObject::eventFilter(watched, event);
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
