#include "app/frmTivvet.h"

#include "alarms/AlarmCheck.h"
#include "alarms/AlarmClock.h"
#include "alerts/AlertActions.h"
#include "app/ClockDisplay.h"
#include "app/ProgramEnd.h"
#include "app/StartOptions.h"
#include "app/TrayMenu.h"
#include "colours/ColourScheme.h"
#include "colours/frmColor.h"
#include "controls/AROnTop.h"
#include "controls/Controls.h"
#include "controls/FlatBttn.h"
#include "controls/Frame.h"
#include "controls/MessageBox.h"
#include "core/ProductInfo.h"
#include "countdown/CountdownTick.h"
#include "countdown/CountdownTimer.h"
#include "countdown/NotifySettings.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "options/OptionGroups.h"
#include "options/OptionsArea.h"
#include "persistence/Autostart.h"
#include "persistence/OptionsTexts.h"
#include "persistence/SettingsStore.h"
#include "platform/Clock.h"
#include "platform/InstallPaths.h"
#include "platform/Notifier.h"
#include "platform/PlatformServices.h"
#include "platform/SOTimer.h"
#include "platform/SingleInstance.h"
#include "platform/SleepInhibitor.h"
#include "platform/TrayIcon.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

const QString ControlSettings = u"ControlSettings"_s;

// An options text box, which tells of each change of its text.
OptionsTexts::Box lineBox(const char *fileName, QLineEdit *box, const std::function<void()> &changed) {
    QObject::connect(box, &QLineEdit::textChanged, box, changed);
    return {QString::fromLatin1(fileName), [box] { return box->text(); },
            [box](const QString &text) { box->setText(text); }};
}

OptionsTexts::Box messageBox(const char *fileName, QPlainTextEdit *box,
                             const std::function<void()> &changed) {
    QObject::connect(box, &QPlainTextEdit::textChanged, box, changed);
    return {QString::fromLatin1(fileName), [box] { return box->toPlainText(); },
            [box](const QString &text) { box->setPlainText(text); }};
}

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
    , alerts(std::make_unique<AlertActions>(services.sound, services.messages, services.launcher,
                                            services.notifier, *this))
    , settings(std::make_unique<SettingsStore>(services.configFolder))
    , autostart(std::make_unique<Autostart>(services.configFolder, services.messages))
    , end(new ProgramEnd(this))
    , AROnTop1(new AROnTop(readyForControls(this)))
    , clock(new ClockDisplay(this, services.clock))
    , Frame1(place(new Frame(this), "Frame1", QRect(95, 275, 5392, 2880)))
    , countdown(new CountdownTimer(Frame1, services.clock))
    , alarm1(new AlarmClock(Frame1, AlarmClock::AlarmI, selection, services.messages))
    , alarm2(new AlarmClock(Frame1, AlarmClock::AlarmII, selection, services.messages))
    , options(new OptionsArea(this, Frame1))
    //: Whose sound it is, in the names assistive technology reads: "timer sound play".
    , timerSound(new SoundGroup(options->Frame5, SoundGroup::Timer, tr("timer"),
                                defaultSoundOf(services.programPath), services.files, *alerts))
    , notify(new NotifySettings(options->Frame5, selection))
    , countdownTick(new CountdownTick(*countdown, *notify, *timerSound->txtWav, *alerts, services.clock))
    , alarm1Options(new AlarmOptions(options->Frame10, AlarmOptions::AlarmI,
                                     defaultSoundOf(services.programPath), services.files, *alerts))
    , alarm2Options(new AlarmOptions(options->Frame16, AlarmOptions::AlarmII,
                                     defaultSoundOf(services.programPath), services.files, *alerts))
    , alarm1Check(new AlarmCheck(*alarm1, *alarm1Options, *alerts, services.clock))
    , alarm2Check(new AlarmCheck(*alarm2, *alarm2Options, *alerts, services.clock))
    , startOptions(new StartOptions(this, *autostart, services.programPath))
    , mnuTray(new TrayMenu(this))
    , optionsTexts(makeOptionsTexts(services))
    , colours(std::make_unique<ColourScheme>(this, *settings))
    , m_tray(services.tray)
    , m_colourDialog(services.colourDialog)
    , m_messages(services.messages)
    , m_configFolder(services.configFolder)
    , m_programPath(services.programPath)
    , m_programIcon(Controls::programIcon())
    , m_saveSoon(new QTimer(this)) {
    setObjectName(u"frmTivvet"_s);
    showTitle();
    buildCommands();
    orderTabs();
    connectTray();
    const auto checkAlarms = [this] { AlarmCheck::goOffInTimeOrder({alarm1Check, alarm2Check}); };
    // One wake a minute shows the time and checks both alarms.
    m_minute = connect(&services.clock, &Clock::minuteChanged, this, [this, checkAlarms] {
        clock->showNow();
        checkAlarms();
    });
    // Checked again inside the wait of an alarm's box, so that the other goes off in its minute.
    for (AlarmCheck *check : {alarm1Check, alarm2Check})
        connect(check, &AlarmCheck::waitsForTheUser, this, checkAlarms, Qt::QueuedConnection);
    // A running countdown keeps the computer awake; an alarm set for the morning must not.
    connect(countdown, &CountdownTimer::counting, this,
            [&sleep = services.sleep](bool counting) { sleep.setInhibited(counting); });
    connect(&services.notifier, &Notifier::showRequested, this, &frmTivvet::restoreAsked);
    // A click or a key in the window shows that the user has seen what brought it back.
    qApp->installEventFilter(this);
    m_saveSoon->setObjectName(u"tmrSave"_s);
    m_saveSoon->setSingleShot(true);
    connect(m_saveSoon, &QTimer::timeout, this, &frmTivvet::saveChanges);
    options->bottomRow = {startOptions->CheckStart, startOptions->CheckMin,
                          findChild<QWidget *>(u"Label17"_s), findChild<QWidget *>(u"Label16"_s)};
    connect(end, &ProgramEnd::unloading, this, &frmTivvet::Form_Unload);
    connect(end, &ProgramEnd::saveRequested, this, &frmTivvet::saveChoices);
    connect(options, &OptionsArea::optionsClosed, this, [this] {
        if (m_ownsUserFiles)
            //: A box's heading over the files that could not be written, a line each.
            report(tr("Unable to save the options!"), optionsTexts->SaveOptionsFiles());
    });
    applyCompactSize();
}

frmTivvet::~frmTivvet() = default;

std::unique_ptr<OptionsTexts> frmTivvet::makeOptionsTexts(const PlatformServices &services) {
    const auto changed = [this] { saveSoon(false); };
    return std::make_unique<OptionsTexts>(
        services.configFolder, QList<OptionsTexts::Box>{
                                   lineBox("wav.txt", timerSound->txtWav, changed),
                                   lineBox("wav2.txt", alarm1Options->sound->txtWav, changed),
                                   lineBox("program.txt", alarm1Options->program->txtProgram, changed),
                                   messageBox("message.txt", alarm1Options->message->txtMessage, changed),
                                   lineBox("wav3.txt", alarm2Options->sound->txtWav, changed),
                                   lineBox("program2.txt", alarm2Options->program->txtProgram, changed),
                                   messageBox("message2.txt", alarm2Options->message->txtMessage, changed),
                               });
}

void frmTivvet::buildCommands() {
    Frame3 = place(new Frame(Frame1), "Frame3", QRect(4190, 1450, 1080, 1310));
    // Four rows inside the frame's line, two pixels apart.
    const auto command = [this](const char *name, const QString &caption, int top) {
        return place(new FlatBttn(caption, Frame3), name, QRect(90, top, 900, 255));
    };
    //: Short: a small button (60 pixels) that opens the colour window.
    FlatBttnColor = command("FlatBttnColor", tr("color"), 150);
    //: Short: a small button (60 pixels) that opens the help window.
    FlatBttnHelp = command("FlatBttnHelp", tr("help"), 435);
    //: Short: a small button (60 pixels) that opens the About window.
    FlatBttnAbout = command("FlatBttnAbout", tr("about"), 720);
    //: Short: a small button (60 pixels) that ends the program.
    FlatBttnExit = command("FlatBttnExit", tr("exit"), 1005);
    connect(FlatBttnColor, &FlatBttn::Click, this, &frmTivvet::FlatBttnColor_Click);
    connect(FlatBttnHelp, &FlatBttn::Click, this, &frmTivvet::showHelp);
    connect(FlatBttnAbout, &FlatBttn::Click, this, &frmTivvet::showAbout);
    connect(FlatBttnExit, &FlatBttn::Click, this, &QWidget::close);
}

// In reading order: the commands frame lies below the options buttons, and the bottom row, read
// left to right, below the options panels.
void frmTivvet::orderTabs() {
    const auto chain = [this](std::initializer_list<QWidget *> controls) {
        for (auto next = controls.begin() + 1; next != controls.end(); ++next)
            setTabOrder(*(next - 1), *next);
    };
    chain({options->FlatBttnAlarm2, FlatBttnColor, FlatBttnHelp, FlatBttnAbout, FlatBttnExit});
    chain({alarm2Options->message->FlatBttnClear2, startOptions->CheckStart, startOptions->CheckMin,
           options->FlatBttnClose});
}

void frmTivvet::connectTray() {
    connect(&m_tray, &TrayIcon::restoreClicked, this, &frmTivvet::mnuTrayRestore_Click);
    connect(&m_tray, &TrayIcon::menuOpening, this, &frmTivvet::bringToForeground);
    connect(&m_tray, &TrayIcon::appeared, this, &frmTivvet::Form_Resize);
    connect(mnuTray->mnuTrayRestore, &QAction::triggered, this, &frmTivvet::mnuTrayRestore_Click);
    // From the tray, only the information window shows: a hidden main window stays hidden.
    connect(mnuTray->mnuHelp, &QAction::triggered, this, &frmTivvet::showHelp);
    connect(mnuTray->mnuAbout, &QAction::triggered, this, &frmTivvet::showAbout);
    connect(mnuTray->mnuTrayClose, &QAction::triggered, this, &QWidget::close);
}

void frmTivvet::applyCompactSize() {
    options->applyCompactSize();
}

void frmTivvet::Form_Load() {
    restoreStartOptions();
    // With a tray, a minimised start is a window never shown; marking it minimised as well would
    // make the window manager iconify it again the first time it is restored.
    if (startOptions->CheckMin->isChecked() && !m_tray.isAvailable())
        setWindowState(Qt::WindowMinimized);
    applyCompactSize();
    colours->load();
    countdown->resetForLoad();
    for (QCheckBox *activate :
         {notify->Check2, alarm1Options->program->Check3, alarm1Options->message->Check4,
          alarm2Options->program->Check3, alarm2Options->message->Check4})
        activate->setChecked(false);
    // Switched off, which stops their timers.
    alarm1->Option2->setChecked(true);
    alarm2->Option2->setChecked(true);
    // Told once the window is on the screen, for the box to stand above it.
    if (const QStringList unread = optionsTexts->LoadOptionsFiles(); !unread.isEmpty())
        //: A box's heading over the files that could not be read, a line each.
        QMetaObject::invokeMethod(
            this, [this, unread] { report(tr("Unable to read the options!"), unread); },
            Qt::QueuedConnection);
    AddTrayIcon();
    // The keyboard starts on "start": a text field holding the focus would blink its caret and
    // wake the program twice a second all day.
    countdown->FlatBttnStart->setFocus();
    watchForChanges();
}

// The start options change at load, when they are restored: watched from then on.
void frmTivvet::watchForChanges() {
    for (QCheckBox *option : {startOptions->CheckStart, startOptions->CheckMin})
        connect(option, &QCheckBox::toggled, this, [this] { saveSoon(true); });
}

void frmTivvet::saveSoon(bool startOptionsOrColours) {
    m_settingsChanged = m_settingsChanged || startOptionsOrColours;
    if (!end->isRunning())
        return;
    if (!m_saveSoon->isActive())
        m_saveAtLatest.setRemainingTime(5000);
    m_saveSoon->start(int(std::min<qint64>(1000, m_saveAtLatest.remainingTime())));
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
    m_ownsUserFiles = startOptions->ownsUserFiles = owns;
    if (colorWindow)
        colorWindow->ownsUserFiles = owns;
    showTitle();
    if (!owns || !end->isRunning())
        return;
    if (startOptions->CheckStart->isChecked()) // registered again, as at every start
        startOptions->CheckStart_Click();
    saveChanges();
}

void frmTivvet::saveChanges() {
    if (!m_ownsUserFiles)
        return;
    if (std::exchange(m_settingsChanged, false))
        saveSettings();
    optionsTexts->SaveChangedOptionsFiles();
}

// Restoring "start with windows" runs its click handling, which registers the program again.
void frmTivvet::restoreStartOptions() {
    startOptions->CheckStart->setChecked(
        settings->readInteger(ControlSettings, u"CheckStartValue"_s, 0, 0, 1) == 1);
    startOptions->CheckMin->setChecked(settings->readInteger(ControlSettings, u"CheckMinValue"_s, 0, 0, 1) ==
                                       1);
}

void frmTivvet::showAfterLoad() {
    if (!startOptions->CheckMin->isChecked() || !m_tray.isAvailable())
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
}

// The timers stop too: an exited window never comes back, though an open colour, About or Help
// window keeps the program running.
void frmTivvet::Form_Unload() {
    m_saveSoon->stop();
    countdown->tmrCounter->setEnabled(false);
    disconnect(m_minute);
    saveChoices();
    RemoveTrayIcon();
}

// Beside another Tivvet the end says what is lost, and saves after all if that one has ended while
// the box was open. The session manager's save is no end: nothing is told then.
void frmTivvet::saveChoices() {
    if (!m_ownsUserFiles && !end->isRunning() && (m_settingsChanged || optionsTexts->changed()))
        //: A box's heading over the files that could not be written, a line each.
        report(tr("Unable to save the options!"),
               //: Under "Unable to save the options!" at the end, in place of the files' names.
               {tr("Another Tivvet is running and does not answer.")});
    if (!m_ownsUserFiles)
        return;
    const QString settingsFailure = saveSettings();
    const QStringList optionsFailures = optionsTexts->SaveOptionsFiles();
    //: A box's heading over the files that could not be written, a line each.
    report(tr("Unable to save the options!"),
           settingsFailure.isEmpty() ? optionsFailures : QStringList{settingsFailure} + optionsFailures);
}

// Each failure on a line of its own; after a termination signal nobody may be there to press OK.
void frmTivvet::report(const QString &heading, const QStringList &failures) {
    if (failures.isEmpty())
        return;
    const QString text = heading + u"\n\n"_s + failures.join(u'\n');
    if (end->stage() == ProgramEnd::Stage::Gone)
        qWarning().noquote() << text;
    else
        m_messages.show(ProductInfo::applicationTitle(), text);
}

QString frmTivvet::saveSettings() {
    saveStartOptions();
    colours->save();
    return settings->sync();
}

void frmTivvet::saveStartOptions() {
    settings->WriteSetting(ControlSettings, u"CheckStartValue"_s,
                           startOptions->CheckStart->isChecked() ? u"1"_s : u"0"_s);
    settings->WriteSetting(ControlSettings, u"CheckMinValue"_s,
                           startOptions->CheckMin->isChecked() ? u"1"_s : u"0"_s);
}

bool frmTivvet::isLeaving() const {
    return !end->isRunning();
}

bool frmTivvet::eventFilter(QObject *watched, QEvent *event) {
    if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) &&
        watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this)
        alerts->alertSeen();
    return QWidget::eventFilter(watched, event);
}

void frmTivvet::closeEvent(QCloseEvent *event) {
    end->leave();
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

void frmTivvet::FlatBttnColor_Click() {
    const bool opening = !colorWindow;
    showOnce(colorWindow, m_configFolder, m_colourDialog);
    colorWindow->ownsUserFiles = m_ownsUserFiles;
    // Once the main window has gone, a colour chosen changes only the colour window.
    if (opening)
        connect(colorWindow, &frmColor::slotApplied, this,
                [this](ColourScheme::Slot slot, ColourValue colour) {
                    if (!end->isRunning())
                        return;
                    colours->applySlot(slot, colour);
                    saveSoon(true);
                });
}

void frmTivvet::showHelp() {
    showOnce(helpWindow, m_programPath);
}

void frmTivvet::showAbout() {
    showOnce(aboutWindow);
}

void frmTivvet::mnuTrayRestore_Click() {
    restoreAsked({});
}

void frmTivvet::AddTrayIcon() {
    //: The tray icon's tooltip, with one blank before and after it; at most 62 characters.
    m_tray.add(m_programIcon, tr(" Click Right Mouse Button "), mnuTray);
}

void frmTivvet::RemoveTrayIcon() {
    m_tray.remove();
}

void frmTivvet::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

// A minimised window goes into the tray, where there is one, also one that comes later; without a
// tray it stays on the task bar, the user's way back.
void frmTivvet::Form_Resize() {
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
    alerts->alertSeen();
}

void frmTivvet::comeBack(bool activate, const QByteArray &activationToken) {
    // An unloaded window never comes back: it no longer ticks, rings or has a tray icon.
    if (!end->isRunning())
        return;
    // A window manager activates a window it un-minimises, and Wayland has no request for it at all
    // (nor tells the program of a minimise): such a window is shown again as a new one.
    if (isVisible() && (isMinimized() || (WindowSystem::isWayland() && !isActiveWindow())))
        hideKeepingPlace();
    // Before the place: Qt maps a window hidden while minimised as soon as it is moved.
    AROnTop1->tellBeforeShowing();
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
    AROnTop1->setOntop(onTop);
}
