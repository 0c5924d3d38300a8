#pragma once

#include <QObject>

class QLabel;
class QTimer;
class QWidget;

// The running clock and date on the main window's top strip.
class ClockDisplay : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClockDisplay)

public:
    explicit ClockDisplay(QWidget *window);

    QLabel *lblDate;
    QLabel *lblClock;
    QTimer *tmrClock;
    QTimer *tmrDate;
};
