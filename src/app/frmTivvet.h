#pragma once

#include "alerts/AlertWindow.h"
#include "core/FieldSelection.h"

#include <QDeadlineTimer>
#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

class AROnTop;
class AlarmCheck;
class AlarmClock;
class AlarmOptions;
class AlertActions;
class Autostart;
class ClockDisplay;
class ColourDialog;
class ColourScheme;
class CountdownTick;
class CountdownTimer;
class FlatBttn;
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
class SingleInstance;
class SoundGroup;
class StartOptions;
class TrayIcon;
class TrayMenu;
class QTimer;

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
    // Saves the choices and stops; run once, when the program's end unloads the window.
    void Form_Unload();
    // Saves a change a second after it, and while changes go on at least every five seconds, so that
    // little is lost to a crash or a lost display; nothing runs while nothing changes.
    void saveSoon(bool startOptionsOrColours);
    void applyCompactSize();
    // Whether this instance writes the user's files: one started beside another Tivvet writes none
    // until that one has ended, then saves what changed meanwhile.
    void setOwnsUserFiles(bool owns);
    // Started beside a Tivvet that holds the lock but does not answer: writes none of the user's
    // files, and says so in its title, until the instance has taken the lock.
    void startBeside(SingleInstance &instance);

    void FlatBttnColor_Click();
    void showHelp();
    void showAbout();
    void mnuTrayRestore_Click();
    void AddTrayIcon();
    void RemoveTrayIcon();

    // Back at an alert: in front and in normal state, but without the keyboard, which stays with
    // whatever the user is typing into.
    void restore() override;
    // Back at the user's request (a notification's "Show", the tray, a later start): also active,
    // with the token that the request brought from the desktop, where it brought one.
    void restoreAsked(const QByteArray &activationToken);
    // In front of other windows, if it is shown; a hidden window stays hidden.
    void bringToForeground();
    void setOnTop(bool onTop) override;
    bool isLeaving() const override;

    // Window-wide state.
    FieldSelection selection;
    std::unique_ptr<AlertActions> alerts;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Autostart> autostart;
    // Where the program stands on its way out; every way out goes through it.
    ProgramEnd *end;

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

    // The secondary windows, while they are open.
    QPointer<frmColor> colorWindow;
    QPointer<frmAbout> aboutWindow;
    QPointer<frmHelp> helpWindow;

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
    void finishStart();
    // The usual title, or with the note that nothing is saved while another Tivvet holds the files.
    void showTitle();
    // What the unload saves: the start options, the colours and the option texts.
    void saveChoices();
    void buildCommands();
    void orderTabs();
    void connectTray();
    void restoreStartOptions();
    void saveStartOptions();
    std::unique_ptr<OptionsTexts> makeOptionsTexts(const PlatformServices &services);
    void Form_Resize();
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

    TrayIcon &m_tray;
    ColourDialog &m_colourDialog;
    MessageBox &m_messages;
    QString m_configFolder;
    QString m_programPath;
    const QIcon m_programIcon;
    bool m_startFinished = false;
    bool m_ownsUserFiles = true;
    QTimer *m_saveSoon;
    QMetaObject::Connection m_minute;
    QDeadlineTimer m_saveAtLatest; // five seconds after the first change not yet saved
    bool m_settingsChanged = false;
    std::optional<QPoint> m_placeWhenHidden;
};
