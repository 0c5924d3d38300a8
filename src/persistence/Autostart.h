#pragma once

#include <QString>

class MessageBox;

// Starting the program at logon: a desktop entry in the user's autostart folder.
class Autostart {
public:
    Autostart(const QString &configFolder, MessageBox &messages);

    // Writes the entry named valueName to start the command; an empty command leaves the entry in
    // place but starting nothing. False when the entry could not be written.
    bool writeEntry(const QString &valueName, const QString &command);

private:
    QString entryPath(const QString &valueName) const;

    QString m_folder;
    MessageBox &m_messages;
};

// The entry's text: a desktop entry that runs the command, or a hidden one that runs nothing.
QString autostartEntry(const QString &name, const QString &command);
// The message of a run-time error: "ERROR # 5 : Access denied" and a line asking to try again.
QString runTimeErrorText(int number, const QString &message);
