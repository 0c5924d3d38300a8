#pragma once

#include <QObject>

class Clock;
class QLabel;
class QWidget;

// The running clock and date on the main window's top strip, shown from the start and shown again
// at each new minute, so a new minute or day shows within milliseconds.
class ClockDisplay : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClockDisplay)

public:
    ClockDisplay(QWidget *window, const Clock &clock);

    void showNow();

private:
    QLabel *m_date;
    QLabel *m_clock;
    const Clock &m_time;
};
