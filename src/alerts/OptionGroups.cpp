#include "alerts/OptionGroups.h"

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
    return u"Wav Files (*.wav *.WAV);;Sound Files ("_s + patterns.join(u' ') + u')';
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
    "alarm I",
    {"Frame11", "lblPlaywav2", "txtWav2", "FlatBttnBrowse3", "FlatBttnPlay2", "FlatBttnDefault2"},
    {"Frame12", "lblProgram2", "txtProgram", "FlatBttnBrowse4", "Check3", "lblActivate3"},
    {"Frame13", "lblMessage2", "txtMessage", "FlatBttnClear2", "Check4", "lblActivate4"},
};

const AlarmOptionNames AlarmOptions::AlarmII{
    "alarm II",
    {"Frame17", "lblPlaywav3", "txtWav3", "FlatBttnBrowse5", "FlatBttnPlay3", "FlatBttnDefault3"},
    {"Frame18", "lblProgram3", "txtProgram2", "FlatBttnBrowse6", "Check6", "lblActivate5"},
    {"Frame19", "lblMessage3", "txtMessage2", "FlatBttnClear3", "Check7", "lblActivate6"},
};

SoundGroup::SoundGroup(QWidget *panel, const SoundGroupNames &names, const QString &owner,
                       const QString &defaultSound, FileDialog &files, AlertActions &alerts)
    : QObject(panel)
    , Frame6(group(panel, names.frame, 120, 1455))
    , txtWav(Controls::pathBox(Frame6, names.path, PathBox))
    , FlatBttnBrowse(button(Frame6, names.browse, u"browse"_s, 120, 750, owner + u" sound browse"_s))
    , FlatBttnPlay(button(Frame6, names.play, u"play"_s, 720, 750, owner + u" sound play"_s))
    , FlatBttnDefault(button(Frame6, names.byDefault, u"default"_s, 420, 1080, owner + u" sound default"_s))
    , m_defaultSound(defaultSound)
    , m_files(files)
    , m_alerts(alerts) {
    Controls::groupCaption(Frame6, names.caption, u"sound (.wav)"_s);
    txtWav->setAccessibleName(owner + u" sound file"_s);
    connect(FlatBttnBrowse, &FlatBttn::Click, this, &SoundGroup::FlatBttnBrowse_Click);
    connect(FlatBttnPlay, &FlatBttn::Click, this, &SoundGroup::FlatBttnPlay_Click);
    connect(FlatBttnDefault, &FlatBttn::Click, this, &SoundGroup::FlatBttnDefault_Click);
}

// A cancelled browse keeps the path the box had.
void SoundGroup::FlatBttnBrowse_Click() {
    const QString chosen = m_files.getOpenFileName(u"Select Sound"_s, soundFilter());
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
    , FlatBttnBrowse4(button(Frame12, names.browse, u"browse"_s, 120, 750, owner + u" program browse"_s))
    , Check3(Controls::labelledButton<QCheckBox>(Frame12, names.activate, names.activateLabel, u"activate"_s,
                                                 120, 1110))
    , m_files(files) {
    Controls::groupCaption(Frame12, names.caption, u"program (.exe)"_s);
    txtProgram->setAccessibleName(owner + u" program"_s);
    Check3->setAccessibleName(owner + u" program activate"_s);
    txtProgram->setToolTip(u"The program and its arguments, as a terminal takes them: quotes and \\ keep "
                           u"blanks, and ~/ at the start of a word is the home folder; nothing else is "
                           u"expanded and no shell runs."_s);
    connect(FlatBttnBrowse4, &FlatBttn::Click, this, &ProgramGroup::FlatBttnBrowse4_Click);
    connect(Check3, &QCheckBox::stateChanged, this, &ProgramGroup::Check3_Click);
    connect(txtProgram, &QLineEdit::textChanged, this, &ProgramGroup::txtProgram_Change);
}

// Programs have no one ending here: every file is offered. A cancelled browse keeps the box.
void ProgramGroup::FlatBttnBrowse4_Click() {
    const QString chosen = m_files.getOpenFileName(u"Select Program"_s, u"Executable Files (*)"_s);
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
    , Check4(Controls::labelledButton<QCheckBox>(Frame13, names.activate, names.activateLabel, u"activate"_s,
                                                 120, 1170))
    , FlatBttnClear2(button(Frame13, names.clear, u"clear"_s, 1295, 1155, owner + u" message clear"_s)) {
    Controls::groupCaption(Frame13, names.caption, u"custom message"_s);
    Controls::setBackColour(txtMessage, Controls::OptionBoxGrey);
    txtMessage->setAccessibleName(owner + u" custom message"_s);
    Check4->setAccessibleName(owner + u" message activate"_s);
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
    , sound(new SoundGroup(panel, names.sound, QString::fromLatin1(names.owner), defaultSound, files, alerts))
    , program(new ProgramGroup(panel, names.program, QString::fromLatin1(names.owner), files))
    , message(new MessageGroup(panel, names.message, QString::fromLatin1(names.owner))) {}
