#pragma once

#include <QObject>

#include <optional>

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
    NotifySettings(QWidget *timerPanel, FieldSelection &selection);

    // The custom notify time as a second of the day, when its three fields read as a time of day.
    std::optional<int> customNotifyTime() const;
    // The remaining times, in seconds, at which the checked notify settings fire: one for each.
    QList<qint64> notifyTimes() const;

    void Check2_Click();

    Frame *Frame8;
    QCheckBox *Check5;
    QCheckBox *Check15;
    QCheckBox *Check30;
    QCheckBox *Check60;

    Frame *Frame9;
    QLineEdit *txtHour3;
    QLineEdit *txtMinute3;
    QLineEdit *txtSecond;
    UpDown *UpDown3;
    QCheckBox *Check2;

private:
    void buildNotifyTimes();
    void buildCustomTime();
    void connectHandlers(FieldSelection &selection);
};
