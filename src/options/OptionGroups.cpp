#include "options/OptionGroups.h"

#include "alerts/AlertActions.h"
#include "alerts/AlertOptions.h"
#include "controls/Controls.h"
#include "controls/FileDialog.h"
#include "controls/FlatBttn.h"
#include "controls/Frame.h"
#include "sound/SoundPlayer.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <type_traits>

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

// A text box and the option's text, each following the other.
template <class Box>
void bindText(Box *box, AlertOptions &options, QString (AlertOptions::*get)() const,
              void (AlertOptions::*set)(const QString &), void (AlertOptions::*changed)()) {
    const auto text = [box] {
        if constexpr (std::is_same_v<Box, QPlainTextEdit>)
            return box->toPlainText();
        else
            return box->text();
    };
    QObject::connect(box, &Box::textChanged, &options, [&options, set, text] { (options.*set)(text()); });
    QObject::connect(&options, changed, box, [box, text, &options, get] {
        const QString changedTo = (options.*get)();
        if (text() == changedTo)
            return;
        if constexpr (std::is_same_v<Box, QPlainTextEdit>)
            box->setPlainText(changedTo);
        else
            box->setText(changedTo);
    });
}

// An "activate" box and the option: the option may refuse, while its text is empty.
void bindActivate(QCheckBox *box, AlertOptions &options, bool (AlertOptions::*get)() const,
                  void (AlertOptions::*set)(bool), void (AlertOptions::*changed)()) {
    QObject::connect(box, &QCheckBox::toggled, &options, set);
    QObject::connect(&options, changed, box, [box, &options, get] { box->setChecked((options.*get)()); });
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
                       AlertOptions &options, const QString &defaultSound, FileDialog &files,
                       AlertActions &alerts)
    : QObject(panel)
    , m_options(options)
    , m_frame(group(panel, names.frame, 120, 1455))
    , m_file(Controls::pathBox(m_frame, names.path, PathBox))
    //: Short: a small button (41 pixels) that opens the file dialog.
    , m_browse(button(m_frame, names.browse, tr("browse"), 120, 750,
                      //: For assistive technology; %1 is whose sound it is: "timer", "alarm I".
                      tr("%1 sound browse").arg(owner)))
    //: Short: a small button (41 pixels) that plays the sound.
    , m_play(button(m_frame, names.play, tr("play"), 720, 750, tr("%1 sound play").arg(owner)))
    //: Short: a small button (41 pixels) that puts the sound that comes with the program back.
    , m_default(button(m_frame, names.byDefault, tr("default"), 420, 1080, tr("%1 sound default").arg(owner)))
    , m_defaultSound(defaultSound)
    , m_files(files)
    , m_alerts(alerts) {
    //: The caption of the sound's group, 90 pixels wide.
    Controls::groupCaption(m_frame, names.caption, tr("sound (.wav)"));
    m_file->setAccessibleName(tr("%1 sound file").arg(owner));
    bindText(m_file, options, &AlertOptions::soundFile, &AlertOptions::setSoundFile,
             &AlertOptions::soundFileChanged);
    connect(m_browse, &FlatBttn::Click, this, &SoundGroup::browse);
    connect(m_play, &FlatBttn::Click, this, [this] { m_alerts.tryPlaying(m_options.soundFile()); });
    connect(m_default, &FlatBttn::Click, this, [this] { m_options.setSoundFile(m_defaultSound); });
}

// A cancelled browse keeps the path the box had.
void SoundGroup::browse() {
    //: The file dialog's title.
    const QString chosen = m_files.getOpenFileName(tr("Select Sound"), soundFilter());
    if (!chosen.isEmpty())
        m_options.setSoundFile(chosen);
}

ProgramGroup::ProgramGroup(QWidget *panel, const ProgramGroupNames &names, const QString &owner,
                           AlertOptions &options, FileDialog &files)
    : QObject(panel)
    , m_options(options)
    , m_frame(group(panel, names.frame, 1680, 1455))
    , m_program(Controls::pathBox(m_frame, names.path, PathBox))
    //: Short: a small button (41 pixels) that opens the file dialog.
    , m_browse(button(m_frame, names.browse, tr("browse"), 120, 750,
                      //: For assistive technology; %1 is whose program it is: "alarm I".
                      tr("%1 program browse").arg(owner)))
    //: Short: beside a check box (60 pixels); the alarm starts the program only when it is checked.
    , m_activate(Controls::labelledButton<QCheckBox>(m_frame, names.activate, names.activateLabel,
                                                     tr("activate"), 120, 1110))
    , m_files(files) {
    //: The caption of the program's group, 90 pixels wide.
    Controls::groupCaption(m_frame, names.caption, tr("program (.exe)"));
    m_program->setAccessibleName(tr("%1 program").arg(owner));
    m_activate->setAccessibleName(tr("%1 program activate").arg(owner));
    //: The tooltip of an alarm's program box.
    m_program->setToolTip(tr("The program and its arguments, as a terminal takes them: quotes and \\ keep "
                             "blanks, and ~/ at the start of a word is the home folder; nothing else is "
                             "expanded and no shell runs."));
    bindText(m_program, options, &AlertOptions::program, &AlertOptions::setProgram,
             &AlertOptions::programChanged);
    bindActivate(m_activate, options, &AlertOptions::startsProgram, &AlertOptions::setStartsProgram,
                 &AlertOptions::startsProgramChanged);
    connect(m_browse, &FlatBttn::Click, this, &ProgramGroup::browse);
}

// Programs have no one ending here: every file is offered. A cancelled browse keeps the box.
void ProgramGroup::browse() {
    //: The file dialog's title.
    const QString chosen = m_files.getOpenFileName(tr("Select Program"),
                                                   //: The one kind of file offered: every file, "(*)" kept.
                                                   tr("Executable Files (*)"));
    if (!chosen.isEmpty())
        m_options.setProgram(chosen);
}

MessageGroup::MessageGroup(QWidget *panel, const MessageGroupNames &names, const QString &owner,
                           AlertOptions &options)
    : QObject(panel)
    , m_options(options)
    , m_frame(group(panel, names.frame, 3240, 2030))
    , m_message(place(new QPlainTextEdit(m_frame), names.text, QRect(120, 360, 1790, 720)))
    //: Short: beside a check box (60 pixels); the alarm shows the message only when it is checked.
    , m_activate(Controls::labelledButton<QCheckBox>(m_frame, names.activate, names.activateLabel,
                                                     tr("activate"), 120, 1170))
    //: Short: a small button (41 pixels) that empties the message.
    , m_clear(button(m_frame, names.clear, tr("clear"), 1295, 1155,
                     //: For assistive technology; %1 is whose message it is: "alarm I".
                     tr("%1 message clear").arg(owner))) {
    //: The caption of the message's group.
    Controls::groupCaption(m_frame, names.caption, tr("custom message"));
    Controls::setBackColour(m_message, Controls::OptionBoxGrey);
    m_message->setAccessibleName(tr("%1 custom message").arg(owner));
    m_activate->setAccessibleName(tr("%1 message activate").arg(owner));
    m_message->setTabChangesFocus(true);
    bindText(m_message, options, &AlertOptions::message, &AlertOptions::setMessage,
             &AlertOptions::messageChanged);
    bindActivate(m_activate, options, &AlertOptions::showsMessage, &AlertOptions::setShowsMessage,
                 &AlertOptions::showsMessageChanged);
    connect(m_clear, &FlatBttn::Click, this, [this] { m_options.setMessage(QString()); });
}

QWidget *MessageGroup::lastFocus() const {
    return m_clear;
}

AlarmOptions::AlarmOptions(QWidget *panel, const AlarmOptionNames &names, AlertOptions &options,
                           const QString &defaultSound, FileDialog &files, AlertActions &alerts)
    : QObject(panel)
    , m_options(options)
    , m_message(nullptr) {
    new SoundGroup(panel, names.sound, tr(names.owner), options, defaultSound, files, alerts);
    new ProgramGroup(panel, names.program, tr(names.owner), options, files);
    m_message = new MessageGroup(panel, names.message, tr(names.owner), options);
}
