#pragma once

#include "core/TimeValue.h"

#include <QObject>

class Clock;
class FlatBttn;
class Frame;
class QLabel;
class QLineEdit;
class QWidget;
class SOTimer;

// The countdown timer of the main area: entry of hours, minutes and seconds, the time-remaining
// display, and Start, Pause and Reset.
class CountdownTimer : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CountdownTimer)

public:
    // Builds the countdown's frame inside the main area.
    CountdownTimer(QWidget *mainArea, const Clock &clock);

    // The state the countdown is in after every load: stopped at "00:00:00" with empty fields.
    void resetForLoad();

    void txtHours_Change();
    void txtMinutes_Change();
    void txtSeconds_Change();
    void FlatBttnStart_Click();
    void FlatBttnPause_Click();
    void FlatBttnReset_Click();
    // The remaining time on the display.
    void showRemaining();

    qint16 intHours = 0;
    qint16 intMinutes = 0;
    qint16 intSeconds = 0;
    TimeValue datRemaining;

    Frame *Frame2;
    QLineEdit *txtHours;
    QLineEdit *txtMinutes;
    QLineEdit *txtSeconds;
    QLabel *lblCounter;
    FlatBttn *FlatBttnStart;
    FlatBttn *FlatBttnPause;
    FlatBttn *FlatBttnReset;
    SOTimer *tmrCounter;

Q_SIGNALS:
    // At each change of the remaining time or of running: whether it runs with time left to count,
    // which is what keeps the computer awake.
    void counting(bool running);

private:
    void tellWhetherCounting();
    void buildEntry();
    void buildDisplay();
    void buildButtons();
    void showRemainingFromEntry();
};
