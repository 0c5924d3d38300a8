#pragma once

#include "alerts/AlertMessage.h"
#include "core/FieldSelection.h"

#include <QWidget>

class AROnTop;
class AlarmClock;
class AlarmOptions;
class ClockDisplay;
class CountdownTimer;
class FlatBttn;
class Frame;
class NotifySettings;
class OptionsArea;
class SoundGroup;
class StartOptions;
class TrayMenu;

// The main window: builds itself from the subsystems' parts and wires them together.
class frmTivvet : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmTivvet)

public:
    explicit frmTivvet(QWidget *parent = nullptr);
    ~frmTivvet() override;

    // Puts the window into its initial state before it is first shown.
    void Form_Load();
    // Only the main area and the top strip on screen; the options area lies below.
    void applyCompactSize();
    void FlatBttnExit_Click();

    // Window-wide state.
    FieldSelection selection;
    AlertMessage alertMessage;

    AROnTop *AROnTop1;
    ClockDisplay *clock;
    Frame *Frame1;
    CountdownTimer *countdown;
    AlarmClock *alarm1;
    AlarmClock *alarm2;
    OptionsArea *options;
    SoundGroup *timerSound;
    NotifySettings *notify;
    AlarmOptions *alarm1Options;
    AlarmOptions *alarm2Options;
    StartOptions *startOptions;
    TrayMenu *mnuTray;

    Frame *Frame3;
    FlatBttn *FlatBttnColor;
    FlatBttn *FlatBttnHelp;
    FlatBttn *FlatBttnAbout;
    FlatBttn *FlatBttnExit;

private:
    void buildCommands();
    void orderTabs();
};
