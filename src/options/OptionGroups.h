#pragma once

#include <QObject>

class AlertActions;
class AlertOptions;
class FileDialog;
class FlatBttn;
class Frame;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// The groups of an options panel. Each class serves every copy of its group: its members carry
// the first copy's names, and each widget's object name is its own copy's name. The owner ("timer",
// "alarm I", in the user's language) is named in each control's accessible name, so that a screen
// reader tells the copies apart.

struct SoundGroupNames {
    const char *frame, *caption, *path, *browse, *play, *byDefault;
};

// A sound file: its path, with browse, play and default buttons.
class SoundGroup : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoundGroup)

public:
    static const SoundGroupNames Timer;

    SoundGroup(QWidget *panel, const SoundGroupNames &names, const QString &owner, AlertOptions &options,
               const QString &defaultSound, FileDialog &files, AlertActions &alerts);

private:
    void browse();

    AlertOptions &m_options;
    Frame *m_frame;
    QLineEdit *m_file;
    FlatBttn *m_browse;
    FlatBttn *m_play;
    FlatBttn *m_default;
    QString m_defaultSound;
    FileDialog &m_files;
    AlertActions &m_alerts;
};

struct ProgramGroupNames {
    const char *frame, *caption, *path, *browse, *activate, *activateLabel;
};

// The program an alarm starts: its command line, a browse button and its "activate" box.
class ProgramGroup : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgramGroup)

public:
    ProgramGroup(QWidget *panel, const ProgramGroupNames &names, const QString &owner, AlertOptions &options,
                 FileDialog &files);

private:
    void browse();

    AlertOptions &m_options;
    Frame *m_frame;
    QLineEdit *m_program;
    FlatBttn *m_browse;
    QCheckBox *m_activate;
    FileDialog &m_files;
};

struct MessageGroupNames {
    const char *frame, *caption, *text, *clear, *activate, *activateLabel;
};

// The message an alarm shows: its text, a clear button and its "activate" box.
class MessageGroup : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessageGroup)

public:
    MessageGroup(QWidget *panel, const MessageGroupNames &names, const QString &owner, AlertOptions &options);

    // The last control of the group in the keyboard's order.
    QWidget *lastFocus() const;

private:
    AlertOptions &m_options;
    Frame *m_frame;
    QPlainTextEdit *m_message;
    QCheckBox *m_activate;
    FlatBttn *m_clear;
};

struct AlarmOptionNames {
    const char *owner;
    SoundGroupNames sound;
    ProgramGroupNames program;
    MessageGroupNames message;
};

// The options panel of one alarm: its sound, its program and its message.
class AlarmOptions : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmOptions)

public:
    AlarmOptions(QWidget *panel, const AlarmOptionNames &names, AlertOptions &options,
                 const QString &defaultSound, FileDialog &files, AlertActions &alerts);

    static const AlarmOptionNames AlarmI;
    static const AlarmOptionNames AlarmII;

    AlertOptions &model() const { return m_options; }
    // The last control of the panel in the keyboard's order.
    QWidget *lastFocus() const { return m_message->lastFocus(); }

private:
    AlertOptions &m_options;
    MessageGroup *m_message;
};
