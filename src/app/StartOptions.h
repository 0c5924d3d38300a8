#pragma once

#include <QObject>
#include <QString>

class Autostart;
class QCheckBox;
class QWidget;

// The two start options of the bottom row: "start with windows" and "start minimized".
class StartOptions : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartOptions)

public:
    StartOptions(QWidget *window, Autostart &autostart, const QString &programPath);

    // Registers the program to start at logon while checked; unchecked, the entry starts nothing.
    void CheckStart_Click();

    QCheckBox *CheckStart;
    QCheckBox *CheckMin;
    // False while another instance owns the user's files: the entry is left as it is.
    bool ownsUserFiles = true;

private:
    Autostart &m_autostart;
    QString m_programPath;
};
