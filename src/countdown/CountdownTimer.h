#pragma once

#include <QObject>

class Countdown;
class FlatBttn;
class Frame;
class QLabel;
class QLineEdit;
class QWidget;

// The countdown's frame in the main area: the entry of hours, minutes and seconds, the display of
// the time left, and start, pause and reset.
class CountdownTimer : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CountdownTimer)

public:
    CountdownTimer(QWidget *mainArea, Countdown &countdown);

    Countdown &model() const { return m_countdown; }
    // The keyboard starts on "start": a text field holding it would blink its caret all day.
    void focusStart();

private:
    void buildEntry();
    void buildDisplay();
    void buildButtons();
    void bindToModel();
    void takeEntry();
    void showTimeLeft();
    void reset();

    Countdown &m_countdown;
    Frame *m_frame;
    QLineEdit *m_hours;
    QLineEdit *m_minutes;
    QLineEdit *m_seconds;
    QLabel *m_timeLeft;
    FlatBttn *m_start;
    FlatBttn *m_reset;
};
