#pragma once

// The main window as the alerts see it.
class AlertWindow {
public:
    virtual ~AlertWindow() = default;
    // Normal window state, shown and in front, also when it was hidden in the tray or minimised; the
    // keyboard stays where it was.
    virtual void restore() = 0;
    virtual void setOnTop(bool onTop) = 0;
    // The window has unloaded: the program is on its way out and nothing more may start.
    virtual bool isLeaving() const = 0;
};
