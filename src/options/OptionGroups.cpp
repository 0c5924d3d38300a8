#include "options/OptionGroups.h"

#include "alerts/AlertActions.h"
#include "controls/Controls.h"
#include "controls/FileDialog.h"
#include "controls/FlatBttn.h"
#include "controls/Frame.h"
#include "sound/SoundPlayer.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

constexpr int GroupTop = 115;
constexpr int GroupHeight = 1520;
constexpr QRect PathBox(120, 360, 1215, 285);
constexpr int ButtonWidth = 615;
constexpr int ButtonHeight = 255;

// The WAV files first, then every kind of sound file the player reads, named in either case.
QString soundFilter() {
    QStringList patterns;
    for (const char16_t *extension : SoundPlayer::FileExtensions) {
        const QString pattern = u"*."_s + QString::fromUtf16(extension);
        patterns << pattern << pattern.toUpper();
    }
    //: A kind of file in the file dialog; the patterns in brackets stay as they are.
    const QString wavFiles = SoundGroup::tr("Wav Files (*.wav *.WAV)");
    //: A kind of file in the file dialog; %1 is the patterns of every kind the program plays.
    return wavFiles + u";;"_s + SoundGroup::tr("Sound Files (%1)").arg(patterns.join(u' '));
}

Frame *group(QWidget *panel, const char *name, int left, int width) {
    return place(new Frame(panel), name, QRect(left, GroupTop, width, GroupHeight));
}

FlatBttn *button(QWidget *group, const char *name, const QString &caption, int left, int top,
                 const QString &accessibleName) {
    auto *button = place(new FlatBttn(caption, group), name, QRect(left, top, ButtonWidth, ButtonHeight));
    button->setAccessibleName(accessibleName);
    return button;
}

// An "activate" box stays unchecked while the text it goes with is empty.
void applyActivateRule(QCheckBox *activate, const QString &text) {
    if (text.isEmpty())
        activate->setChecked(false);
}

} // namespace

const SoundGroupNames SoundGroup::Timer{"Frame6",         "lblPlaywav",   "txtWav",
                                        "FlatBttnBrowse", "FlatBttnPlay", "FlatBttnDefault"};

const AlarmOptionNames AlarmOptions::AlarmI{
    //: Whose options these are, in the names assistive technology reads: "alarm I sound play".
    QT_TR_NOOP("alarm I"),
    {"Frame11", "lblPlaywav2", "txtWav2", "FlatBttnBrowse3", "FlatBttnPlay2", "FlatBttnDefault2"},
    {"Frame12", "lblProgram2", "txtProgram", "FlatBttnBrowse4", "Check3", "lblActivate3"},
    {"Frame13", "lblMessage2", "txtMessage", "FlatBttnClear2", "Check4", "lblActivate4"},
};

const AlarmOptionNames AlarmOptions::AlarmII{
    //: Whose options these are, in the names assistive technology reads: "alarm II sound play".
    QT_TR_NOOP("alarm II"),
    {"Frame17", "lblPlaywav3", "txtWav3", "FlatBttnBrowse5", "FlatBttnPlay3", "FlatBttnDefault3"},
    {"Frame18", "lblProgram3", "txtProgram2", "FlatBttnBrowse6", "Check6", "lblActivate5"},
    {"Frame19", "lblMessage3", "txtMessage2", "FlatBttnClear3", "Check7", "lblActivate6"},
};

SoundGroup::SoundGroup(QWidget *panel, const SoundGroupNames &names, const QString &owner,
                       const QString &defaultSound, FileDialog &files, AlertActions &alerts)
    : QObject(panel)
    , Frame6(group(panel, names.frame, 120, 1455))
    , txtWav(Controls::pathBox(Frame6, names.path, PathBox))
    //: Short: a small button (41 pixels) that opens the file dialog.
    , FlatBttnBrowse(button(Frame6, names.browse, tr("browse"), 120, 750,
                            //: For assistive technology; %1 is whose sound it is: "timer", "alarm I".
                            tr("%1 sound browse").arg(owner)))
    //: Short: a small button (41 pixels) that plays the sound.
    , FlatBttnPlay(button(Frame6, names.play, tr("play"), 720, 750, tr("%1 sound play").arg(owner)))
    //: Short: a small button (41 pixels) that puts the sound that comes with the program back.
    , FlatBttnDefault(
          button(Frame6, names.byDefault, tr("default"), 420, 1080, tr("%1 sound default").arg(owner)))
    , m_defaultSound(defaultSound)
    , m_files(files)
    , m_alerts(alerts) {
    //: The caption of the sound's group, 90 pixels wide.
    Controls::groupCaption(Frame6, names.caption, tr("sound (.wav)"));
    txtWav->setAccessibleName(tr("%1 sound file").arg(owner));
    connect(FlatBttnBrowse, &FlatBttn::Click, this, &SoundGroup::FlatBttnBrowse_Click);
    connect(FlatBttnPlay, &FlatBttn::Click, this, &SoundGroup::FlatBttnPlay_Click);
    connect(FlatBttnDefault, &FlatBttn::Click, this, &SoundGroup::FlatBttnDefault_Click);
}

// A cancelled browse keeps the path the box had.
void SoundGroup::FlatBttnBrowse_Click() {
    //: The file dialog's title.
    const QString chosen = m_files.getOpenFileName(tr("Select Sound"), soundFilter());
    if (!chosen.isEmpty())
        txtWav->setText(chosen);
}

void SoundGroup::FlatBttnPlay_Click() {
    m_alerts.TestPlaySound(txtWav->text());
}

void SoundGroup::FlatBttnDefault_Click() {
    txtWav->setText(m_defaultSound);
}

ProgramGroup::ProgramGroup(QWidget *panel, const ProgramGroupNames &names, const QString &owner,
                           FileDialog &files)
    : QObject(panel)
    , Frame12(group(panel, names.frame, 1680, 1455))
    , txtProgram(Controls::pathBox(Frame12, names.path, PathBox))
    //: Short: a small button (41 pixels) that opens the file dialog.
    , FlatBttnBrowse4(button(Frame12, names.browse, tr("browse"), 120, 750,
                             //: For assistive technology; %1 is whose program it is: "alarm I".
                             tr("%1 program browse").arg(owner)))
    //: Short: beside a check box (60 pixels); the alarm starts the program only when it is checked.
    , Check3(Controls::labelledButton<QCheckBox>(Frame12, names.activate, names.activateLabel, tr("activate"),
                                                 120, 1110))
    , m_files(files) {
    //: The caption of the program's group, 90 pixels wide.
    Controls::groupCaption(Frame12, names.caption, tr("program (.exe)"));
    txtProgram->setAccessibleName(tr("%1 program").arg(owner));
    Check3->setAccessibleName(tr("%1 program activate").arg(owner));
    //: The tooltip of an alarm's program box.
    txtProgram->setToolTip(tr("The program and its arguments, as a terminal takes them: quotes and \\ keep "
                              "blanks, and ~/ at the start of a word is the home folder; nothing else is "
                              "expanded and no shell runs."));
    connect(FlatBttnBrowse4, &FlatBttn::Click, this, &ProgramGroup::FlatBttnBrowse4_Click);
    connect(Check3, &QCheckBox::stateChanged, this, &ProgramGroup::Check3_Click);
    connect(txtProgram, &QLineEdit::textChanged, this, &ProgramGroup::txtProgram_Change);
}

// Programs have no one ending here: every file is offered. A cancelled browse keeps the box.
void ProgramGroup::FlatBttnBrowse4_Click() {
    //: The file dialog's title.
    const QString chosen = m_files.getOpenFileName(tr("Select Program"),
                                                   //: The one kind of file offered: every file, "(*)" kept.
                                                   tr("Executable Files (*)"));
    if (!chosen.isEmpty())
        txtProgram->setText(chosen);
}

void ProgramGroup::Check3_Click() {
    applyActivateRule(Check3, txtProgram->text());
}

void ProgramGroup::txtProgram_Change() {
    applyActivateRule(Check3, txtProgram->text());
}

MessageGroup::MessageGroup(QWidget *panel, const MessageGroupNames &names, const QString &owner)
    : QObject(panel)
    , Frame13(group(panel, names.frame, 3240, 2030))
    , txtMessage(place(new QPlainTextEdit(Frame13), names.text, QRect(120, 360, 1790, 720)))
    //: Short: beside a check box (60 pixels); the alarm shows the message only when it is checked.
    , Check4(Controls::labelledButton<QCheckBox>(Frame13, names.activate, names.activateLabel, tr("activate"),
                                                 120, 1170))
    //: Short: a small button (41 pixels) that empties the message.
    , FlatBttnClear2(button(Frame13, names.clear, tr("clear"), 1295, 1155,
                            //: For assistive technology; %1 is whose message it is: "alarm I".
                            tr("%1 message clear").arg(owner))) {
    //: The caption of the message's group.
    Controls::groupCaption(Frame13, names.caption, tr("custom message"));
    Controls::setBackColour(txtMessage, Controls::OptionBoxGrey);
    txtMessage->setAccessibleName(tr("%1 custom message").arg(owner));
    Check4->setAccessibleName(tr("%1 message activate").arg(owner));
    txtMessage->setTabChangesFocus(true);
    connect(FlatBttnClear2, &FlatBttn::Click, this, &MessageGroup::FlatBttnClear2_Click);
    connect(Check4, &QCheckBox::stateChanged, this, &MessageGroup::Check4_Click);
    connect(txtMessage, &QPlainTextEdit::textChanged, this, &MessageGroup::txtMessage_Change);
}

void MessageGroup::FlatBttnClear2_Click() {
    txtMessage->clear();
    Check4->setChecked(false);
}

void MessageGroup::Check4_Click() {
    applyActivateRule(Check4, txtMessage->toPlainText());
}

void MessageGroup::txtMessage_Change() {
    applyActivateRule(Check4, txtMessage->toPlainText());
}

AlarmOptions::AlarmOptions(QWidget *panel, const AlarmOptionNames &names, const QString &defaultSound,
                           FileDialog &files, AlertActions &alerts)
    : QObject(panel)
    , sound(new SoundGroup(panel, names.sound, tr(names.owner), defaultSound, files, alerts))
    , program(new ProgramGroup(panel, names.program, tr(names.owner), files))
    , message(new MessageGroup(panel, names.message, tr(names.owner))) {}
