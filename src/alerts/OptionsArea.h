#pragma once

#include <QObject>

class FlatBttn;
class Frame;
class QLabel;
class QWidget;

// The options area: the "options" buttons of the main area, the three options panels that lie
// below the compact window, and "close options".
class OptionsArea : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsArea)

public:
    OptionsArea(QWidget *window, QWidget *mainArea);

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

private:
    void buildButtons();
};
