#pragma once

#include <QByteArray>
#include <QString>

class QProcessEnvironment;
class QWidget;

// What differs between the window systems the program runs on: X11, where a window can be kept on
// top and brought back, and Wayland, where the compositor decides both.
namespace WindowSystem {

// The Qt platform to run on, chosen before the application starts: on a Wayland session that has an
// X server (XWayland), X, where the window is kept on top; empty where the user chose one
// (QT_QPA_PLATFORM, -platform) or there is no choice to make, for Qt's own.
QByteArray platformToRunOn(const QProcessEnvironment &environment, const QString &platformArgument);

// Qt's Wayland platform: no window is kept on top, and none is told that it was minimised.
bool isWayland();

// What a start brings from the desktop that launched it for its window to take the focus: the
// activation token on Wayland, the start-up id on X11.
QByteArray activationToken(const QProcessEnvironment &environment);

// Whether the window takes the keyboard focus as it is shown next.
void focusOnShow(QWidget *window, bool takesFocus);

// Asks for the keyboard focus for the window, with the token where the request came with one.
void activate(QWidget *window, const QByteArray &token);

// Written on a window not shown: the window manager keeps it above ordinary windows from when it
// takes it in. False where the program does not run on X11.
bool markKeptAbove(QWidget *window);
// Asks the window manager to keep a shown window above ordinary windows, as EWMH has a client do.
void askToKeepAbove(QWidget *window);

} // namespace WindowSystem
