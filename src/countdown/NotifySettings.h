#pragma once

#include <QList>
#include <QObject>

class Countdown;
struct FieldSelection;
class Frame;
class QCheckBox;
class QLineEdit;
class QWidget;
class UpDown;

// The timer panel's warnings before expiry: the four fixed notify times and one custom time.
class NotifySettings : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NotifySettings)

public:
    // Builds the notify groups inside the timer's options panel.
    NotifySettings(QWidget *timerPanel, FieldSelection &selection, Countdown &countdown);

    Countdown &model() const { return m_countdown; }

private:
    void buildNotifyTimes();
    void buildCustomTime();
    void bindToModel(FieldSelection &selection);
    void takeCustomTime();
    void showRestoredChoices();

    Countdown &m_countdown;
    Frame *m_notifyTimes;
    QList<QCheckBox *> m_notifyBoxes; // in the order of Countdown::NotifyMinutes
    Frame *m_customGroup;
    QLineEdit *m_customHour;
    QLineEdit *m_customMinute;
    QLineEdit *m_customSecond;
    UpDown *m_customUpDown;
    QCheckBox *m_customOn;
};
