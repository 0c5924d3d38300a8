#pragma once

#include "alerts/AlertWindow.h"
#include "core/FieldSelection.h"

#include <QWidget>

#include <memory>

class AROnTop;
class AlarmCheck;
class AlarmClock;
class AlarmOptions;
class AlertActions;
class Autostart;
class ClockDisplay;
class ColourScheme;
class CountdownTick;
class CountdownTimer;
class FlatBttn;
class Frame;
class NotifySettings;
class OptionsArea;
class OptionsTexts;
struct PlatformServices;
class SettingsStore;
class SoundGroup;
class StartOptions;
class TrayIcon;
class TrayMenu;

// The main window: builds itself from the subsystems' parts and wires them together.
class frmTivvet : public QWidget, public AlertWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmTivvet)

public:
    explicit frmTivvet(const PlatformServices &services);
    ~frmTivvet() override;

    // Restores the saved choices and puts the window into its initial state, before it is shown.
    void Form_Load();
    // Shows the window after the load: with "start minimized" only the tray icon, or the window
    // minimised where there is no tray.
    void showAfterLoad();
    // Saves the choices; run once when the window closes, whichever way.
    void Form_Unload();
    void applyCompactSize();

    void FlatBttnExit_Click();
    void mnuTrayRestore_Click();
    void mnuTrayClose_Click();
    void AddTrayIcon();
    void RemoveTrayIcon();

    void restore() override;
    void setOnTop(bool onTop) override;

    // Window-wide state.
    FieldSelection selection;
    std::unique_ptr<AlertActions> alerts;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Autostart> autostart;

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

    std::unique_ptr<OptionsTexts> optionsTexts;
    std::unique_ptr<ColourScheme> colours;

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildCommands();
    void orderTabs();
    void connectTray();
    void restoreStartOptions();
    void saveStartOptions();
    std::unique_ptr<OptionsTexts> makeOptionsTexts(const PlatformServices &services);
    void Form_Resize();

    TrayIcon &m_tray;
    bool m_unloaded = false;
};
