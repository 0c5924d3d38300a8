#pragma once

#include "alerts/AlertWindow.h"
#include "core/FieldSelection.h"

#include <QWidget>

#include <memory>

class AROnTop;
class AlertActions;
class AlarmCheck;
class AlarmClock;
class AlarmOptions;
class ClockDisplay;
class CountdownTick;
class CountdownTimer;
class FlatBttn;
class Frame;
class NotifySettings;
class OptionsArea;
struct PlatformServices;
class SoundGroup;
class StartOptions;
class TrayMenu;

// The main window: builds itself from the subsystems' parts and wires them together.
class frmTivvet : public QWidget, public AlertWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmTivvet)

public:
    explicit frmTivvet(const PlatformServices &services);
    ~frmTivvet() override;

    // Puts the window into its initial state before it is first shown.
    void Form_Load();
    // Only the main area and the top strip on screen; the options area lies below.
    void applyCompactSize();
    void FlatBttnExit_Click();

    void restore() override;
    void setOnTop(bool onTop) override;

    // Window-wide state.
    FieldSelection selection;
    std::unique_ptr<AlertActions> alerts;

    AROnTop *AROnTop1;
    ClockDisplay *clock;
    Frame *Frame1;
    CountdownTimer *countdown;
    AlarmClock *alarm1;
    AlarmClock *alarm2;
    OptionsArea *options;
    SoundGroup *timerSound;
    NotifySettings *notify;
    CountdownTick *countdownTick;
    AlarmOptions *alarm1Options;
    AlarmOptions *alarm2Options;
    AlarmCheck *alarm1Check;
    AlarmCheck *alarm2Check;
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
