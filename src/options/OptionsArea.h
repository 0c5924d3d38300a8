#pragma once

#include <QList>
#include <QObject>

class FlatBttn;
class Frame;
class QLabel;
class QWidget;

// The options area: the "options" buttons of the main area, the three options panels that lie
// below the compact window, and "close options". The window grows to show one panel and the
// bottom row, and shrinks back to its compact size when the options are closed.
class OptionsArea : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsArea)

public:
    OptionsArea(QWidget *window, QWidget *mainArea);

    void applyCompactSize();
    void applyExpandedSize();
    void ShowOptionsPanel(Frame *panel);
    void FlatBttnTimer_Click();
    void FlatBttnAlarm1_Click();
    void FlatBttnAlarm2_Click();
    void FlatBttnClose_Click();

    Frame *Frame4;
    FlatBttn *FlatBttnTimer;
    FlatBttn *FlatBttnAlarm1;
    FlatBttn *FlatBttnAlarm2;

    Frame *Frame5;
    QLabel *Label2;
    Frame *Frame10;
    QLabel *Label1;
    Frame *Frame16;
    QLabel *Label15;

    FlatBttn *FlatBttnClose;
    // The window's other controls beside "close options" in the bottom row.
    QList<QWidget *> bottomRow;

Q_SIGNALS:
    // The options were closed: the option texts are saved now.
    void optionsClosed();

private:
    void buildButtons();
    QLabel *titleOf(Frame *panel) const;

    QWidget *m_window;
};
