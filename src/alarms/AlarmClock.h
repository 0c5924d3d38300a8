#pragma once

#include "alarms/Alarm.h"

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

// One alarm clock of the main area: hour, minute and am/pm fields, a spin button, "on" and "off",
// showing its alarm and taking what is typed into it. Alarm I and Alarm II are two instances, each
// with its names table.
class AlarmClock : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmClock)

public:
    static const AlarmClockNames AlarmI;
    static const AlarmClockNames AlarmII;
    // The alarm's name in notifications, in the user's language.
    static QString nameOf(const AlarmClockNames &names);

    AlarmClock(QWidget *mainArea, const AlarmClockNames &names, FieldSelection &selection,
               MessageBox &messages, Alarm &alarm);

    Alarm &model() const { return m_alarm; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTimeDisplay(const AlarmClockNames &names);
    void stepFields(FieldSelection &selection);
    void takeOnlyTimes();
    void bindToModel();
    // A field is taken once it is whole, when the keyboard leaves it and when it is stepped.
    void take(QLineEdit *field);
    void fieldEdited(QLineEdit *field);
    // The keyboard is in one of its fields: a time being typed is not checked until it leaves.
    bool isBeingTyped() const;
    // Told as the user left a field for another window, the box leaves the keyboard there.
    void tellUnreadable();

    std::array<QLineEdit *, 3> fields() const { return {m_hour, m_minute, m_amPm}; }
    QLineEdit *field(Alarm::Field which) const { return fields()[std::size_t(which)]; }
    Alarm::Field fieldKind(const QLineEdit *field) const;

    Alarm &m_alarm;
    MessageBox &m_messages;
    Frame *m_frame;
    QWidget *m_timeBox;
    QLineEdit *m_hour;
    QLineEdit *m_minute;
    QLineEdit *m_amPm;
    UpDown *m_upDown;
    QRadioButton *m_on;
    QRadioButton *m_off;
};
