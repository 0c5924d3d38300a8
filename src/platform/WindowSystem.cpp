#include "platform/WindowSystem.h"

#include <QGuiApplication>
#include <QProcessEnvironment>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <memory>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

// Null where the program does not run on X11.
xcb_connection_t *x11Connection() {
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, std::string_view name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.data()),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

namespace WindowSystem {

QByteArray platformToRunOn(const QProcessEnvironment &environment, const QString &platformArgument) {
    const auto isSet = [&environment](const QString &name) { return !environment.value(name).isEmpty(); };
    if (!platformArgument.isEmpty() || isSet(u"QT_QPA_PLATFORM"_s))
        return {};
    return isSet(u"WAYLAND_DISPLAY"_s) && isSet(u"DISPLAY"_s) ? "xcb" : QByteArray();
}

bool isWayland() {
    return QGuiApplication::platformName().startsWith(u"wayland"_s);
}

QByteArray activationToken(const QProcessEnvironment &environment) {
    return environment.value(isWayland() ? u"XDG_ACTIVATION_TOKEN"_s : u"DESKTOP_STARTUP_ID"_s).toUtf8();
}

// Qt reads it from the native window as it shows it, and on X11 writes it as the window's user time,
// 0 for none. But it maps a window hidden while minimised as soon as that state is cleared, before
// that, and the window manager would give it the focus: the time is written at once.
void focusOnShow(QWidget *window, bool takesFocus) {
    window->winId(); // made now, for Qt to read it from
    window->windowHandle()->setProperty("_q_showWithoutActivating", !takesFocus);
    xcb_connection_t *connection = x11Connection();
    if (!connection || takesFocus)
        return;
    // Where the window manager reads it from a window of its own, Qt names that one.
    auto userTimeWindow = xcb_window_t(window->winId());
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> named(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, userTimeWindow,
                                                atom(connection, "_NET_WM_USER_TIME_WINDOW"), XCB_ATOM_WINDOW,
                                                0, 1),
                               nullptr),
        &std::free);
    if (named && xcb_get_property_value_length(named.get()) == sizeof(xcb_window_t))
        userTimeWindow = *static_cast<const xcb_window_t *>(xcb_get_property_value(named.get()));
    const uint32_t never = 0;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, userTimeWindow,
                        atom(connection, "_NET_WM_USER_TIME"), XCB_ATOM_CARDINAL, 32, 1, &never);
    xcb_flush(connection);
}

// On Wayland Qt takes the token from the environment as the window asks, and it is there no longer,
// so that no program launched later inherits it. On X11 the window carries it as its start-up id,
// from which a window manager tells the user's request from a theft of the focus.
void activate(QWidget *window, const QByteArray &token) {
    if (xcb_connection_t *connection = x11Connection(); connection && !token.isEmpty()) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                            atom(connection, "_NET_STARTUP_ID"), atom(connection, "UTF8_STRING"), 8,
                            uint32_t(token.size()), token.constData());
        xcb_flush(connection);
    }
    if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token);
    window->activateWindow();
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

// As Qt writes it before a map: the state the window manager reads when it takes the window in.
bool markKeptAbove(QWidget *window) {
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return false;
    const xcb_atom_t states[] = {atom(connection, "_NET_WM_STATE_ABOVE"),
                                 atom(connection, "_NET_WM_STATE_STAYS_ON_TOP")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                        atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
    return true;
}

void askToKeepAbove(QWidget *window) {
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    constexpr uint32_t Add = 1, FromAnApplication = 1;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
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

} // namespace WindowSystem
