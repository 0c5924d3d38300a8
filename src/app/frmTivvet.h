#pragma once

#include "alerts/AlertWindow.h"
#include "core/FieldSelection.h"

#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

class AROnTop;
class Alarm;
class AlarmClock;
class AlarmOptions;
class AlertActions;
class AlertOptions;
class Autostart;
class ClockDisplay;
class ColourDialog;
class ColourScheme;
class Countdown;
class CountdownTimer;
class FlatBttn;
class KeptAlarms;
class MessageBox;
class Frame;
class frmAbout;
class frmColor;
class frmHelp;
class NotifySettings;
class OptionsArea;
class OptionsTexts;
class ProgramEnd;
struct PlatformServices;
class SettingsStore;
class SaveSoon;
class SingleInstance;
class StartOptions;
class TrayIcon;
class TrayMenu;
class TrayTip;

// The main window: builds itself from the subsystems' parts and wires them together.
class frmTivvet : public QWidget, public AlertWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmTivvet)

public:
    explicit frmTivvet(const PlatformServices &services);
    ~frmTivvet() override;

    // Restores the saved choices and puts the window into its initial state, before it is shown.
    void load();
    // Shows the window after the load: with "start minimized" only the tray icon, or the window
    // minimised where there is no tray.
    void showAfterLoad();
    // Whether this instance writes the user's files: one started beside another Tivvet writes none
    // until that one has ended, then saves what changed meanwhile.
    void setOwnsUserFiles(bool owns);
    // Started beside a Tivvet that holds the lock but does not answer: writes none of the user's
    // files, and says so in its title, until the instance has taken the lock.
    void startBeside(SingleInstance &instance);

    // Back at an alert: in front and in normal state, but without the keyboard, which stays with
    // whatever the user is typing into.
    void restore() override;
    // Back at the user's request (a notification's "Show", the tray, a later start): also active,
    // with the token that the request brought from the desktop, where it brought one.
    void restoreAsked(const QByteArray &activationToken);
    void setOnTop(bool onTop) override;
    bool isLeaving() const override;

    bool isKeptOnTop() const;

    AlertActions &alerts() const { return *m_alerts; }
    // Where the program stands on its way out; every way out goes through it.
    ProgramEnd &end() const { return *m_end; }
    Countdown &countdown() const { return *m_countdown; }
    Alarm &alarmI() const { return *m_alarmI; }
    Alarm &alarmII() const { return *m_alarmII; }
    // The secondary windows, while they are open.
    frmColor *colourWindow() const;
    frmAbout *aboutWindow() const;
    frmHelp *helpWindow() const;

Q_SIGNALS:
    // The window's first frame is painted, or there is none to wait for: what is no part of it
    // comes now.
    void startFinished();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Saves the choices and stops; run once, when the program's end unloads the window.
    void unload();
    void applyCompactSize();
    void showColours();
    void showHelp();
    void showAbout();
    // In front of other windows, if it is shown; a hidden window stays hidden.
    void bringToForeground();
    void finishStart();
    // The usual title, or with the note that nothing is saved while another Tivvet holds the files.
    void showTitle();
    // What the unload saves: the start options, the colours and the option texts.
    void saveChoices();
    // The commands frame; returns its commands from top to bottom.
    QList<QWidget *> buildCommands(QWidget *mainArea);
    void orderTabs(const QList<QWidget *> &commands, QWidget *lastOfPanels);
    void connectTray();
    void snooze(const QString &source);
    void buildModels(const PlatformServices &services);
    void buildViews(const PlatformServices &services);
    void wire(const PlatformServices &services);
    // Saves a change soon: the start options and the colours, or the option texts.
    void saveSoon(bool startOptionsOrColours);
    // Registers the program to start at logon while it is chosen; otherwise the entry starts nothing.
    void registerAtLogon();
    void addTrayIcon();
    void hideInTrayWhenMinimised();
    void comeBack(bool activate, const QByteArray &activationToken);
    // A window hidden and shown again is placed anew by the window manager: it asks for this place.
    void hideKeepingPlace();
    // Shows the window, creating it first unless it is open already.
    template <class Window, class... Arguments>
    void showOnce(QPointer<Window> &window, Arguments &...arguments);
    // What could not be read or saved, under its heading.
    void report(const QString &heading, const QStringList &failures);
    void watchForChanges();
    void saveChanges();
    // The start options and the colours; the settings file's name and why, when it could not be written.
    QString saveSettings();

    FieldSelection m_selection;
    std::unique_ptr<AlertActions> m_alerts;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<Autostart> m_autostart;
    ProgramEnd *m_end;

    // The models, which the views show and change.
    AlertOptions *m_timerOptions = nullptr;
    AlertOptions *m_alarmIOptions = nullptr;
    AlertOptions *m_alarmIIOptions = nullptr;
    Countdown *m_countdown = nullptr;
    Alarm *m_alarmI = nullptr;
    Alarm *m_alarmII = nullptr;
    StartOptions *m_startOptions = nullptr;
    ColourScheme *m_colours = nullptr;
    std::unique_ptr<OptionsTexts> m_optionsTexts;
    std::unique_ptr<KeptAlarms> m_keptAlarms;

    AROnTop *m_onTop = nullptr;
    CountdownTimer *m_countdownView = nullptr;
    ClockDisplay *m_clock = nullptr;
    OptionsArea *m_options = nullptr;
    TrayMenu *m_trayMenu = nullptr;
    TrayTip *m_trayTip = nullptr;
    QPointer<frmColor> m_colourWindow;
    QPointer<frmAbout> m_aboutWindow;
    QPointer<frmHelp> m_helpWindow;

    TrayIcon &m_tray;
    ColourDialog &m_colourDialog;
    MessageBox &m_messages;
    QString m_configFolder;
    QString m_programPath;
    const QIcon m_programIcon;
    bool m_startFinished = false;
    bool m_ownsUserFiles = true;
    SaveSoon *m_saveSoon = nullptr;
    QMetaObject::Connection m_minute;
    bool m_settingsChanged = false;
    std::optional<QPoint> m_placeWhenHidden;
};
