#include "controls/AROnTop.h"

#include "platform/WindowSystem.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

using WindowSystem::atom;
using WindowSystem::x11Connection;

AROnTop::AROnTop(QWidget *window)
    : QObject(window)
    , m_window(window) {
    setOntop(true);
}

// As Qt writes it before a map: the state the window manager reads when it takes the window in.
void AROnTop::tellBeforeShowing() {
    xcb_connection_t *connection = x11Connection();
    if (!connection || !ontop() || m_window->isVisible())
        return;
    const xcb_atom_t states[] = {atom(connection, "_NET_WM_STATE_ABOVE"),
                                 atom(connection, "_NET_WM_STATE_STAYS_ON_TOP")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(m_window->winId()),
                        atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
    m_window->installEventFilter(this);
}

// The first paint after showing again: the window is mapped and the window manager has it.
bool AROnTop::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint) {
        m_window->removeEventFilter(this);
        askWindowManager();
    }
    return QObject::eventFilter(watched, event);
}

void AROnTop::askWindowManager() {
    xcb_connection_t *connection = x11Connection();
    if (!connection || !ontop())
        return;
    constexpr uint32_t Add = 1, FromAnApplication = 1;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(m_window->winId());
    message.type = atom(connection, "_NET_WM_STATE");
    message.data.data32[0] = Add;
    message.data.data32[1] = atom(connection, "_NET_WM_STATE_ABOVE");
    message.data.data32[2] = atom(connection, "_NET_WM_STATE_STAYS_ON_TOP");
    message.data.data32[3] = FromAnApplication;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
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
