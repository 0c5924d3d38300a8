#pragma once

#include <QObject>

// Every way the program ends, in one place, and where it stands: running while the main window is
// there; leaving from the window's unload (saved, tray icon gone, lock given up) until no window of
// the program's is shown; gone once every event loop has been told to end. Whatever may act late
// (after a box's wait, from a queued call, at the session manager's request) asks it first.
class ProgramEnd : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgramEnd)

public:
    enum class Stage { Running, Leaving, Gone };

    explicit ProgramEnd(QObject *parent);

    Stage stage() const { return m_stage; }
    bool isRunning() const { return m_stage == Stage::Running; }

    // The main window closed, by the exit button, the tray menu's Close or the close box: it unloads,
    // once, and the program ends with its last window (an About, Help or colour window, a box).
    void leave();
    // SIGTERM, SIGINT, SIGHUP (logout, shutdown, Ctrl+C): the window unloads if it has not, then
    // every event loop ends at once, an open box's too, without asking any window.
    void endOnSignal();
    // The session manager's save at logout: only a window that has not unloaded has anything to save.
    void commitData();

Q_SIGNALS:
    // The main window saves its state and stops.
    void unloading();
    // Then what it held for later starts is given up: a later start is a start of its own.
    void unloaded();
    void saveRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void unload();
    // Checked once the closing window has gone from the screen.
    void endIfNoWindowIsShown();

    Stage m_stage = Stage::Running;
};
