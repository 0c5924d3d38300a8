#pragma once

#include <QObject>

class Autostart;
class QCheckBox;
class QWidget;

// The two start options of the bottom row: "start with windows" and "start minimized".
class StartOptions : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartOptions)

public:
    StartOptions(QWidget *window, Autostart &autostart);

    // Registers the program to start at logon while checked; unchecked, the entry starts nothing.
    void CheckStart_Click();

    QCheckBox *CheckStart;
    QCheckBox *CheckMin;

private:
    Autostart &m_autostart;
};
