#pragma once

#include <QObject>

class Frame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;
class QWidget;
class UpDown;

struct AlarmClockNames {
    const char *frame, *title, *picture, *hour, *colon, *minute, *amPm, *upDown, *on, *onLabel, *off,
        *offLabel, *timer;
    const char *caption;
    int top, height;
};

// One alarm clock of the main area: hour, minute and am/pm fields, a spin button, "on" and "off".
// Alarm I and Alarm II are two instances; members carry Alarm I's names and each widget's object
// name is its own alarm's name.
class AlarmClock : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmClock)

public:
    static const AlarmClockNames AlarmI;
    static const AlarmClockNames AlarmII;

    AlarmClock(QWidget *mainArea, const AlarmClockNames &names);

    Frame *Frame14;
    QWidget *Picture1;
    QLineEdit *txtHour;
    QLabel *Label3;
    QLineEdit *txtMinute;
    QLineEdit *txtAmPm;
    UpDown *UpDown1;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QTimer *tmrAlarm;

private:
    void buildTimeDisplay(const AlarmClockNames &names);
};
