#include "app/frmTivvet.h"

#include "alarms/Alarm.h"
#include "alarms/AlarmCheck.h"
#include "alarms/AlarmClock.h"
#include "alerts/AlertActions.h"
#include "alerts/AlertOptions.h"
#include "app/ClockDisplay.h"
#include "app/ProgramEnd.h"
#include "app/TrayMenu.h"
#include "app/TrayTip.h"
#include "colours/ColourScheme.h"
#include "colours/frmColor.h"
#include "controls/AROnTop.h"
#include "controls/Controls.h"
#include "controls/FlatBttn.h"
#include "controls/Frame.h"
#include "controls/MessageBox.h"
#include "core/ProductInfo.h"
#include "countdown/Countdown.h"
#include "countdown/CountdownTimer.h"
#include "countdown/NotifySettings.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "options/OptionGroups.h"
#include "options/OptionsArea.h"
#include "options/StartOptions.h"
#include "persistence/Autostart.h"
#include "persistence/KeptAlarms.h"
#include "persistence/OptionsTexts.h"
#include "persistence/SaveSoon.h"
#include "persistence/SettingsStore.h"
#include "platform/Clock.h"
#include "platform/InstallPaths.h"
#include "platform/Notifier.h"
#include "platform/PlatformServices.h"
#include "platform/SingleInstance.h"
#include "platform/SleepInhibitor.h"
#include "platform/TrayIcon.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

// Before the first control: labels size themselves to their text as they are built, so the window
// has its font first (the desktop's own font may be smaller); assistive technology may hear of the
// window with its first control, so it learns first to tell of it as a window.
QWidget *readyForControls(QWidget *window) {
    window->setFont(Controls::captionFont());
    Controls::announceWindowsAsWindows();
    return window;
}

} // namespace

frmTivvet::frmTivvet(const PlatformServices &services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_alerts(std::make_unique<AlertActions>(services.sound, services.messages, services.launcher,
                                              services.notifier, *this))
    , m_settings(std::make_unique<SettingsStore>(services.configFolder))
    , m_autostart(std::make_unique<Autostart>(services.configFolder, services.messages))
    , m_end(new ProgramEnd(this))
    , m_tray(services.tray)
    , m_colourDialog(services.colourDialog)
    , m_messages(services.messages)
    , m_configFolder(services.configFolder)
    , m_programPath(services.programPath)
    , m_programIcon(Controls::programIcon())
    , m_saveSoon(new SaveSoon(this)) {
    setObjectName(u"frmTivvet"_s);
    buildModels(services);
    buildViews(services);
    wire(services);
    showTitle();
    applyCompactSize();
}

frmTivvet::~frmTivvet() = default;

void frmTivvet::buildModels(const PlatformServices &services) {
    m_timerOptions = new AlertOptions(this);
    m_alarmIOptions = new AlertOptions(this);
    m_alarmIIOptions = new AlertOptions(this);
    m_countdown = new Countdown(services.clock, *m_timerOptions, *m_alerts, this);
    m_alarmI =
        new Alarm(AlarmClock::nameOf(AlarmClock::AlarmI), *m_alarmIOptions, *m_alerts, services.clock, this);
    m_alarmII = new Alarm(AlarmClock::nameOf(AlarmClock::AlarmII), *m_alarmIIOptions, *m_alerts,
                          services.clock, this);
    m_startOptions = new StartOptions(this);
    m_colours = new ColourScheme(*m_settings, this);
    m_optionsTexts = std::make_unique<OptionsTexts>(services.configFolder, *m_timerOptions, *m_alarmIOptions,
                                                    *m_alarmIIOptions, [this] { saveSoon(false); });
    m_keptAlarms = std::make_unique<KeptAlarms>(
        *m_settings, *m_alerts, services.clock,
        QList<KeptAlarms::Kept>{{m_alarmI, m_alarmIOptions}, {m_alarmII, m_alarmIIOptions}}, *m_countdown);
}

void frmTivvet::buildViews(const PlatformServices &services) {
    m_onTop = new AROnTop(readyForControls(this));
    m_clock = new ClockDisplay(this, services.clock);
    Frame *mainArea = place(new Frame(this), "Frame1", QRect(95, 275, 5392, 2880));
    m_countdownView = new CountdownTimer(mainArea, *m_countdown);
    new AlarmClock(mainArea, AlarmClock::AlarmI, m_selection, services.messages, *m_alarmI);
    new AlarmClock(mainArea, AlarmClock::AlarmII, m_selection, services.messages, *m_alarmII);
    m_options = new OptionsArea(this, mainArea, *m_startOptions);
    const QString defaultSound = defaultSoundOf(services.programPath);
    QWidget *timerPanel = m_options->panel(OptionsArea::Timer);
    //: Whose sound it is, in the names assistive technology reads: "timer sound play".
    new SoundGroup(timerPanel, SoundGroup::Timer, tr("timer"), *m_timerOptions, defaultSound, services.files,
                   *m_alerts);
    new NotifySettings(timerPanel, m_selection, *m_countdown);
    new AlarmOptions(m_options->panel(OptionsArea::AlarmI), AlarmOptions::AlarmI, *m_alarmIOptions,
                     defaultSound, services.files, *m_alerts);
    auto *alarmIIOptions = new AlarmOptions(m_options->panel(OptionsArea::AlarmII), AlarmOptions::AlarmII,
                                            *m_alarmIIOptions, defaultSound, services.files, *m_alerts);
    m_trayMenu = new TrayMenu(this);
    m_trayTip = new TrayTip(
        *m_countdown, {m_alarmI, m_alarmII}, services.clock, [this] { return m_tray.isTipShown(); }, this);
    orderTabs(buildCommands(mainArea), alarmIIOptions->lastFocus());
}

void frmTivvet::wire(const PlatformServices &services) {
    connectTray();
    const auto checkAlarms = [this] {
        AlarmCheck::goOffInTimeOrder({&m_alarmI->check(), &m_alarmII->check()});
    };
    // One wake a minute shows the time and checks both alarms.
    m_minute = connect(&services.clock, &Clock::minuteChanged, this, [this, checkAlarms] {
        m_clock->showNow();
        checkAlarms();
    });
    // Checked again inside the wait of an alarm's box, so that the other goes off in its minute.
    for (Alarm *alarm : {m_alarmI, m_alarmII})
        connect(&alarm->check(), &AlarmCheck::waitsForTheUser, this, checkAlarms, Qt::QueuedConnection);
    // A running countdown and a ringing alert keep the computer awake; an alarm set for the morning
    // must not.
    const auto keepAwake = [this, &sleep = services.sleep] {
        sleep.setInhibited(m_countdown->isCounting() || m_alerts->isRinging());
    };
    connect(m_countdown, &Countdown::counting, this, keepAwake);
    connect(m_alerts.get(), &AlertActions::ringingChanged, this, keepAwake);
    connect(m_startOptions, &StartOptions::ringsUntilSeenChanged, this,
            [this] { m_alerts->setRingsUntilSeen(m_startOptions->ringsUntilSeen()); });
    connect(&services.notifier, &Notifier::showRequested, this, &frmTivvet::restoreAsked);
    connect(&services.notifier, &Notifier::snoozeRequested, this, &frmTivvet::snooze);
    connect(&services.notifier, &Notifier::dismissed, this,
            [this](const QString &source) { m_alerts->alertSeen(source); });
    connect(m_startOptions, &StartOptions::startsWithDesktopChanged, this, &frmTivvet::registerAtLogon);
    connect(m_colours, &ColourScheme::colourChanged, this,
            [this](const ColourScheme::Target &target, ColourValue colour) {
                auto *control = findChild<QWidget *>(QLatin1StringView(target.control));
                target.background ? Controls::setBackColour(control, colour)
                                  : Controls::setForeColour(control, colour);
            });
    // A click or a key in the window shows that the user has seen what brought it back.
    qApp->installEventFilter(this);
    connect(m_saveSoon, &SaveSoon::due, this, &frmTivvet::saveChanges);
    connect(m_end, &ProgramEnd::unloading, this, &frmTivvet::unload);
    connect(m_end, &ProgramEnd::saveRequested, this, &frmTivvet::saveChoices);
    connect(m_options, &OptionsArea::optionsClosed, this, [this] {
        if (m_ownsUserFiles)
            //: A box's heading over the files that could not be written, a line each.
            report(tr("Unable to save the options!"), m_optionsTexts->saveAll());
    });
}

QList<QWidget *> frmTivvet::buildCommands(QWidget *mainArea) {
    auto *commands = place(new Frame(mainArea), "Frame3", QRect(4190, 1450, 1080, 1310));
    // Four rows inside the frame's line, two pixels apart.
    const auto command = [commands](const char *name, const QString &caption, int top) {
        return place(new FlatBttn(caption, commands), name, QRect(90, top, 900, 255));
    };
    //: Short: a small button (60 pixels) that opens the colour window.
    FlatBttn *colour = command("FlatBttnColor", tr("color"), 150);
    //: Short: a small button (60 pixels) that opens the help window.
    FlatBttn *help = command("FlatBttnHelp", tr("help"), 435);
    //: Short: a small button (60 pixels) that opens the About window.
    FlatBttn *about = command("FlatBttnAbout", tr("about"), 720);
    //: Short: a small button (60 pixels) that ends the program.
    FlatBttn *exit = command("FlatBttnExit", tr("exit"), 1005);
    connect(colour, &FlatBttn::Click, this, &frmTivvet::showColours);
    connect(help, &FlatBttn::Click, this, &frmTivvet::showHelp);
    connect(about, &FlatBttn::Click, this, &frmTivvet::showAbout);
    connect(exit, &FlatBttn::Click, this, &QWidget::close);
    return {colour, help, about, exit};
}

// In reading order: the commands frame lies below the options buttons, and the bottom row, read
// left to right, below the options panels.
void frmTivvet::orderTabs(const QList<QWidget *> &commands, QWidget *lastOfPanels) {
    QWidget *previous = m_options->lastOptionsButton();
    for (QWidget *command : commands)
        setTabOrder(std::exchange(previous, command), command);
    m_options->chainBottomRowAfter(lastOfPanels);
}

void frmTivvet::connectTray() {
    connect(m_trayTip, &TrayTip::changed, this, [this] { m_tray.setTip(m_trayTip->text()); });
    connect(&m_tray, &TrayIcon::restoreClicked, this, [this] { restoreAsked({}); });
    connect(&m_tray, &TrayIcon::menuOpening, this, &frmTivvet::bringToForeground);
    connect(&m_tray, &TrayIcon::appeared, this, &frmTivvet::hideInTrayWhenMinimised);
    connect(m_trayMenu, &TrayMenu::restoreChosen, this, [this] { restoreAsked({}); });
    // From the tray, only the information window shows: a hidden main window stays hidden.
    connect(m_trayMenu, &TrayMenu::helpChosen, this, &frmTivvet::showHelp);
    connect(m_trayMenu, &TrayMenu::aboutChosen, this, &frmTivvet::showAbout);
    connect(m_trayMenu, &TrayMenu::closeChosen, this, &QWidget::close);
}

void frmTivvet::applyCompactSize() {
    m_options->applyCompactSize();
}

void frmTivvet::load() {
    // Restoring "start with windows" on registers the program again.
    m_startOptions->load(*m_settings);
    // With a tray, a minimised start is a window never shown; marking it minimised as well would
    // make the window manager iconify it again the first time it is restored.
    if (m_startOptions->startsMinimized() && !m_tray.isAvailable())
        setWindowState(Qt::WindowMinimized);
    applyCompactSize();
    m_colours->load();
    m_countdown->resetForLoad();
    // The activate boxes are cleared before the options files fill their texts.
    for (AlertOptions *options : {m_alarmIOptions, m_alarmIIOptions}) {
        options->setStartsProgram(false);
        options->setShowsMessage(false);
    }
    m_alarmI->switchOff();
    m_alarmII->switchOff();
    // Told once the window is on the screen, for the box to stand above it.
    if (const QStringList unread = m_optionsTexts->loadAll(); !unread.isEmpty())
        //: A box's heading over the files that could not be read, a line each.
        QMetaObject::invokeMethod(
            this, [this, unread] { report(tr("Unable to read the options!"), unread); },
            Qt::QueuedConnection);
    // Once the texts are there: an activate is never on without its text.
    m_keptAlarms->load(m_startOptions->keepsAlarms());
    addTrayIcon();
    // The keyboard starts on "start": a text field holding the focus would blink its caret and
    // wake the program twice a second all day.
    m_countdownView->focusStart();
    watchForChanges();
}

// The start options change at load, when they are restored: watched from then on.
void frmTivvet::watchForChanges() {
    const auto settingsChanged = [this] { saveSoon(true); };
    connect(m_startOptions, &StartOptions::startsWithDesktopChanged, this, settingsChanged);
    connect(m_startOptions, &StartOptions::startsMinimizedChanged, this, settingsChanged);
    connect(m_startOptions, &StartOptions::ringsUntilSeenChanged, this, settingsChanged);
    connect(m_startOptions, &StartOptions::keepsAlarmsChanged, this, settingsChanged);
    // The record of the alarms and the notify choices follows them, for a start after a crash or a
    // power cut.
    connect(m_countdown, &Countdown::notifyChoicesChanged, this, settingsChanged);
    connect(m_countdown, &Countdown::customNotifyOnChanged, this, settingsChanged);
    for (Alarm *alarm : {m_alarmI, m_alarmII}) {
        connect(alarm, &Alarm::onChanged, this, settingsChanged);
        connect(alarm, &Alarm::timeChanged, this, settingsChanged);
    }
    for (AlertOptions *options : {m_alarmIOptions, m_alarmIIOptions}) {
        connect(options, &AlertOptions::showsMessageChanged, this, settingsChanged);
        connect(options, &AlertOptions::startsProgramChanged, this, settingsChanged);
    }
}

void frmTivvet::saveSoon(bool startOptionsOrColours) {
    m_settingsChanged = m_settingsChanged || startOptionsOrColours;
    if (m_end->isRunning())
        m_saveSoon->changed();
}

void frmTivvet::showTitle() {
    //: The window's title: the product's name and version, with two blanks before each.
    const QString title = tr("  The Tivvet  3.0");
    //: The window's title while another Tivvet, which does not answer, holds the user's files; %1 is
    //: the usual title.
    setWindowTitle(m_ownsUserFiles ? title : tr("%1 - not saved: another Tivvet is running").arg(title));
}

void frmTivvet::startBeside(SingleInstance &instance) {
    setOwnsUserFiles(false);
    connect(&instance, &SingleInstance::lockTaken, this, [this] { setOwnsUserFiles(true); });
    instance.waitForTheLock();
}

void frmTivvet::setOwnsUserFiles(bool owns) {
    m_ownsUserFiles = owns;
    if (m_colourWindow)
        m_colourWindow->ownsUserFiles = owns;
    showTitle();
    if (!owns || !m_end->isRunning())
        return;
    if (m_startOptions->startsWithDesktop()) // registered again, as at every start
        registerAtLogon();
    saveChanges();
}

// Beside another Tivvet the entry is left as it is.
void frmTivvet::registerAtLogon() {
    if (m_ownsUserFiles)
        m_autostart->writeEntry(u"Tivvet"_s, m_startOptions->startsWithDesktop() ? m_programPath : QString());
}

void frmTivvet::saveChanges() {
    if (!m_ownsUserFiles)
        return;
    if (std::exchange(m_settingsChanged, false))
        saveSettings();
    m_optionsTexts->saveChanged();
}

void frmTivvet::showAfterLoad() {
    if (!m_startOptions->startsMinimized() || !m_tray.isAvailable())
        show();
    // What is no part of the first frame waits until it is painted: sooner, it would compete with
    // the desktop mapping the window. A start in the tray or minimised has no frame to wait for,
    // and a window that the desktop never maps waits a second at most.
    if (isVisible() && !isMinimized())
        QTimer::singleShot(1000, this, &frmTivvet::finishStart);
    else
        QMetaObject::invokeMethod(this, &frmTivvet::finishStart, Qt::QueuedConnection);
}

void frmTivvet::paintEvent(QPaintEvent *event) {
    QWidget::paintEvent(event);
    if (!m_startFinished)
        QMetaObject::invokeMethod(this, &frmTivvet::finishStart, Qt::QueuedConnection);
}

// The window's icon is no part of the first frame: its pixels at every size go to the X server.
void frmTivvet::finishStart() {
    if (std::exchange(m_startFinished, true))
        return;
    setWindowIcon(m_programIcon);
    Q_EMIT startFinished();
    if (m_keptAlarms->startFinished())
        saveSoon(true); // so that a crash does not tell it again
}

// The timers stop too: an exited window never comes back, though an open colour, About or Help
// window keeps the program running.
void frmTivvet::unload() {
    m_saveSoon->stop();
    m_countdown->pause();
    m_alerts->endRing();
    disconnect(m_minute);
    saveChoices();
    m_tray.remove();
}

// Beside another Tivvet the end says what is lost, and saves after all if that one has ended while
// the box was open. The session manager's save is no end: nothing is told then.
void frmTivvet::saveChoices() {
    if (!m_ownsUserFiles && !m_end->isRunning() && (m_settingsChanged || m_optionsTexts->changed()))
        //: A box's heading over the files that could not be written, a line each.
        report(tr("Unable to save the options!"),
               //: Under "Unable to save the options!" at the end, in place of the files' names.
               {tr("Another Tivvet is running and does not answer.")});
    if (!m_ownsUserFiles)
        return;
    const QString settingsFailure = saveSettings();
    const QStringList optionsFailures = m_optionsTexts->saveAll();
    //: A box's heading over the files that could not be written, a line each.
    report(tr("Unable to save the options!"),
           settingsFailure.isEmpty() ? optionsFailures : QStringList{settingsFailure} + optionsFailures);
}

// Each failure on a line of its own; after a termination signal nobody may be there to press OK.
void frmTivvet::report(const QString &heading, const QStringList &failures) {
    if (failures.isEmpty())
        return;
    const QString text = heading + u"\n\n"_s + failures.join(u'\n');
    if (m_end->stage() == ProgramEnd::Stage::Gone)
        qWarning().noquote() << text;
    else
        m_messages.show(ProductInfo::applicationTitle(), text);
}

QString frmTivvet::saveSettings() {
    m_startOptions->save(*m_settings);
    m_keptAlarms->save();
    m_colours->save();
    return m_settings->sync();
}

bool frmTivvet::isLeaving() const {
    return !m_end->isRunning();
}

// From a notification, which may still be there after the program's end has begun.
void frmTivvet::snooze(const QString &source) {
    if (!m_end->isRunning())
        return;
    // The alarm's box, when open, closes as by its own Snooze, which snoozes the alarm.
    if (!m_messages.pressOther(source))
        for (Alarm *alarm : {m_alarmI, m_alarmII})
            if (alarm->name() == source)
                alarm->check().snooze();
    m_alerts->alertSeen(source);
}

bool frmTivvet::eventFilter(QObject *watched, QEvent *event) {
    if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) &&
        watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this)
        m_alerts->alertSeen();
    return QWidget::eventFilter(watched, event);
}

void frmTivvet::closeEvent(QCloseEvent *event) {
    m_end->leave();
    event->accept();
}

template <class Window, class... Arguments>
void frmTivvet::showOnce(QPointer<Window> &window, Arguments &...arguments) {
    if (!window)
        window = new Window(arguments...);
    window->show();
    window->raise();
    window->activateWindow();
}

void frmTivvet::showColours() {
    const bool opening = !m_colourWindow;
    showOnce(m_colourWindow, m_configFolder, m_colourDialog);
    m_colourWindow->ownsUserFiles = m_ownsUserFiles;
    // Once the main window has gone, a colour chosen changes only the colour window.
    if (opening)
        connect(m_colourWindow, &frmColor::slotApplied, this,
                [this](ColourScheme::Slot slot, ColourValue colour) {
                    if (!m_end->isRunning())
                        return;
                    m_colours->applySlot(slot, colour);
                    saveSoon(true);
                });
}

frmColor *frmTivvet::colourWindow() const {
    return m_colourWindow;
}

frmAbout *frmTivvet::aboutWindow() const {
    return m_aboutWindow;
}

frmHelp *frmTivvet::helpWindow() const {
    return m_helpWindow;
}

void frmTivvet::showHelp() {
    showOnce(m_helpWindow, m_programPath);
}

void frmTivvet::showAbout() {
    showOnce(m_aboutWindow);
}

void frmTivvet::addTrayIcon() {
    m_tray.add(m_programIcon, m_trayTip->text(), m_trayMenu);
}

void frmTivvet::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        hideInTrayWhenMinimised();
}

// A minimised window goes into the tray, where there is one, also one that comes later; without a
// tray it stays on the task bar, the user's way back.
void frmTivvet::hideInTrayWhenMinimised() {
    if (isMinimized() && m_tray.isAvailable())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized())
                hideKeepingPlace();
        });
}

void frmTivvet::hideKeepingPlace() {
    m_placeWhenHidden = geometry().topLeft();
    hide();
}

void frmTivvet::restore() {
    comeBack(false, {});
}

void frmTivvet::restoreAsked(const QByteArray &activationToken) {
    comeBack(true, activationToken);
    m_messages.activateOpenBox();
    m_alerts->alertSeen();
}

void frmTivvet::comeBack(bool activate, const QByteArray &activationToken) {
    // An unloaded window never comes back: it no longer ticks, rings or has a tray icon.
    if (!m_end->isRunning())
        return;
    // A window manager activates a window it un-minimises, and Wayland has no request for it at all
    // (nor tells the program of a minimise): such a window is shown again as a new one.
    if (isVisible() && (isMinimized() || (WindowSystem::isWayland() && !isActiveWindow())))
        hideKeepingPlace();
    // Before the place: Qt maps a window hidden while minimised as soon as it is moved.
    m_onTop->tellBeforeShowing();
    WindowSystem::focusOnShow(this, activate);
    // Told as a place the window asks for, which the window manager keeps; Qt passes on only a
    // place that differs from the one it knows.
    if (m_placeWhenHidden && !isVisible() && windowHandle()) {
        windowHandle()->setPosition(*m_placeWhenHidden + QPoint(1, 0));
        windowHandle()->setPosition(*m_placeWhenHidden);
    }
    showNormal(); // a plain show() leaves a window that was minimised, then hidden, iconic
    raise();
    if (activate)
        WindowSystem::activate(this, activationToken);
    // Without a token a compositor may keep a window shown again behind others: it asks to be seen.
    if (WindowSystem::isWayland() && activationToken.isEmpty())
        QApplication::alert(this);
}

void frmTivvet::bringToForeground() {
    if (!isVisible())
        return;
    raise();
    activateWindow();
}

void frmTivvet::setOnTop(bool onTop) {
    m_onTop->setOntop(onTop);
}

bool frmTivvet::isKeptOnTop() const {
    return m_onTop->ontop();
}
