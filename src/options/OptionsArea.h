#pragma once

#include <QList>
#include <QObject>

class FlatBttn;
class Frame;
class QCheckBox;
class QLabel;
class QWidget;
class StartOptions;

// The options area: the "options" buttons of the main area, the three options panels that lie
// below the compact window, and the bottom rows with the start options, "ring until seen" and
// "close options". The
// window grows to show one panel and the bottom row, and shrinks back to its compact size when the
// options are closed.
class OptionsArea : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsArea)

public:
    enum Panel { Timer, AlarmI, AlarmII };

    OptionsArea(QWidget *window, QWidget *mainArea, StartOptions &startOptions);

    StartOptions &startOptions() const { return m_startOptions; }
    // Where the panel's groups are built.
    QWidget *panel(Panel which) const;
    // The keyboard's way: after the last options button come the window's commands; after the
    // last panel's last control, the bottom row from left to right.
    QWidget *lastOptionsButton() const;
    void chainBottomRowAfter(QWidget *previous);

    void applyCompactSize();
    void showPanel(Panel which);

Q_SIGNALS:
    // The options were closed: the option texts are saved now.
    void optionsClosed();

private:
    void buildButtons();
    void buildBottomRow();
    void applyExpandedSize();
    void close();

    StartOptions &m_startOptions;
    QWidget *m_window;
    Frame *m_buttons;
    FlatBttn *m_alarmIIButton;
    QList<Frame *> m_panels;  // by Panel
    QList<QLabel *> m_titles; // by Panel
    QCheckBox *m_startWithDesktop;
    QCheckBox *m_startMinimized;
    QCheckBox *m_ringUntilSeen;
    QCheckBox *m_keepAlarms;
    FlatBttn *m_close;
    QList<QWidget *> m_bottomRow;
};
