#pragma once

#include <QObject>

class QCheckBox;
class QWidget;

// The two start options of the bottom row: "start with windows" and "start minimized".
class StartOptions : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartOptions)

public:
    explicit StartOptions(QWidget *window);

    QCheckBox *CheckStart;
    QCheckBox *CheckMin;
};
