#include "app/frmTivvet.h"

#include "alarms/AlarmCheck.h"
#include "alarms/AlarmClock.h"
#include "alerts/AlertActions.h"
#include "alerts/OptionGroups.h"
#include "alerts/OptionsArea.h"
#include "app/ClockDisplay.h"
#include "app/StartOptions.h"
#include "app/TrayMenu.h"
#include "countdown/CountdownTick.h"
#include "countdown/CountdownTimer.h"
#include "countdown/NotifySettings.h"
#include "platform/AROnTop.h"
#include "platform/Controls.h"
#include "platform/FlatBttn.h"
#include "platform/Frame.h"
#include "platform/PlatformServices.h"
#include "platform/SecondTimer.h"

#include <QCheckBox>
#include <QIcon>
#include <QRadioButton>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

// The client area that shows the top strip and the main area, with the same margin below the
// main area as beside it.
constexpr int ClientWidth = 5565;
constexpr int CompactClientHeight = 3250;

} // namespace

frmTivvet::frmTivvet(const PlatformServices &services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , alerts(std::make_unique<AlertActions>(services.sound, services.messages, services.launcher, *this))
    , AROnTop1(new AROnTop(this))
    , clock(new ClockDisplay(this))
    , Frame1(place(new Frame(this), "Frame1", QRect(95, 275, 5392, 2880)))
    , countdown(new CountdownTimer(Frame1))
    , alarm1(new AlarmClock(Frame1, AlarmClock::AlarmI, selection, services.clock))
    , alarm2(new AlarmClock(Frame1, AlarmClock::AlarmII, selection, services.clock))
    , options(new OptionsArea(this, Frame1))
    , timerSound(new SoundGroup(options->Frame5, SoundGroup::Timer))
    , notify(new NotifySettings(options->Frame5, selection))
    , countdownTick(new CountdownTick(*countdown, *notify, *timerSound->txtWav, *alerts))
    , alarm1Options(new AlarmOptions(options->Frame10, AlarmOptions::AlarmI))
    , alarm2Options(new AlarmOptions(options->Frame16, AlarmOptions::AlarmII))
    , alarm1Check(new AlarmCheck(*alarm1, *alarm1Options, *alerts, services.clock))
    , alarm2Check(new AlarmCheck(*alarm2, *alarm2Options, *alerts, services.clock))
    , startOptions(new StartOptions(this))
    , mnuTray(new TrayMenu(this)) {
    setObjectName(u"frmTivvet"_s);
    setWindowTitle(u"  The Tivvet  3.0"_s);
    setWindowIcon(QIcon(u":/tivvet.svg"_s));
    setFont(Controls::captionFont());
    buildCommands();
    orderTabs();
    applyCompactSize();
}

frmTivvet::~frmTivvet() = default;

void frmTivvet::buildCommands() {
    Frame3 = place(new Frame(Frame1), "Frame3", QRect(4190, 1450, 1080, 1310));
    const auto command = [this](const char *name, const QString &caption, int top) {
        return place(new FlatBttn(caption, Frame3), name, QRect(90, top, 900, 270));
    };
    FlatBttnColor = command("FlatBttnColor", u"color"_s, 150);
    FlatBttnHelp = command("FlatBttnHelp", u"help"_s, 440);
    FlatBttnAbout = command("FlatBttnAbout", u"about"_s, 730);
    FlatBttnExit = command("FlatBttnExit", u"exit"_s, 1020);
    connect(FlatBttnExit, &FlatBttn::Click, this, &frmTivvet::FlatBttnExit_Click);
}

// The commands frame lies below the options buttons: reach it right after them.
void frmTivvet::orderTabs() {
    QWidget *previous = options->FlatBttnAlarm2;
    for (QWidget *next : {FlatBttnColor, FlatBttnHelp, FlatBttnAbout, FlatBttnExit}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void frmTivvet::applyCompactSize() {
    setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(CompactClientHeight));
}

void frmTivvet::Form_Load() {
    applyCompactSize();
    countdown->resetForLoad();
    alarm1->tmrAlarm->setEnabled(false);
    alarm2->tmrAlarm->setEnabled(false);
    for (QCheckBox *activate :
         {notify->Check2, alarm1Options->program->Check3, alarm1Options->message->Check4,
          alarm2Options->program->Check3, alarm2Options->message->Check4})
        activate->setChecked(false);
    alarm1->Option2->setChecked(true);
    alarm2->Option2->setChecked(true);
}

void frmTivvet::FlatBttnExit_Click() {
    close();
}

// A plain show() leaves a window that was minimised and then hidden iconic.
void frmTivvet::restore() {
    showNormal();
    raise();
    activateWindow();
}

void frmTivvet::setOnTop(bool onTop) {
    AROnTop1->setOntop(onTop);
}
