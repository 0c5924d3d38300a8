#pragma once

#include <QObject>
#include <QString>

#include <array>

struct FieldSelection;
class Frame;
class MessageBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;
class SteppedFields;
class UpDown;

struct AlarmClockNames {
    const char *frame, *title, *picture, *hour, *colon, *minute, *amPm, *upDown, *on, *onLabel, *off,
        *offLabel;
    int top, height;
    // The caption over it and its name in notifications: the source texts of their translations.
    struct {
        const char *caption, *name;
    } texts;
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

    AlarmClock(QWidget *mainArea, const AlarmClockNames &names, FieldSelection &selection,
               MessageBox &messages);

    // The set time as its fields were last taken, "07:30pm"; it may not read as a time of day.
    QString composedTime() const;
    bool isOn() const;
    // The keyboard is in one of its fields: a time being typed is not checked until it leaves.
    bool isBeingTyped() const;

    void Option1_Click();
    void Option2_Click();

    Frame *Frame14;
    QWidget *Picture1;
    QLineEdit *txtHour;
    QLabel *Label3;
    QLineEdit *txtMinute;
    QLineEdit *txtAmPm;
    UpDown *UpDown1;
    QRadioButton *Option1;
    QRadioButton *Option2;
    // "Alarm I" or "Alarm II", as notifications name it.
    QString name;

Q_SIGNALS:
    // The alarm was switched on: it is checked at once, not only at the next tick.
    void switchedOn();
    // A field was taken: the alarm has the time it shows from now on.
    void timeTaken();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTimeDisplay(const AlarmClockNames &names);
    void stepFields(FieldSelection &selection);
    void takeOnlyTimes();
    // A field is taken once it is whole, when the keyboard leaves it, when it is stepped and when the
    // alarm is switched on; until then the alarm keeps the time it had.
    void take(QLineEdit *field);
    void fieldEdited(QLineEdit *field);
    // An hour of the 24-hour clock rewritten as the 12-hour one with its marker.
    bool toTwelveHours();
    void connectHandlers();
    // An alarm that could never go off is off, and the user is told so.
    void switchOffUnreadable();

    std::array<QLineEdit *, 3> fields() const { return {txtHour, txtMinute, txtAmPm}; }
    // What the field showed when it was last taken.
    QString &taken(const QLineEdit *field);

    QString m_takenHour;
    QString m_takenMinute;
    QString m_takenAmPm;
    MessageBox &m_messages;
    bool m_on = false;
};
