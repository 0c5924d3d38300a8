#include "alerts/AlertOptions.h"

AlertOptions::AlertOptions(QObject *parent)
    : QObject(parent) {}

void AlertOptions::setSoundFile(const QString &path) {
    if (path == m_soundFile)
        return;
    m_soundFile = path;
    Q_EMIT soundFileChanged();
}

// Asked to show an empty message, it tells its listeners that it does not.
void AlertOptions::setMessage(const QString &text) {
    if (text != m_message) {
        m_message = text;
        Q_EMIT messageChanged();
    }
    if (text.isEmpty())
        setShowsMessage(false);
}

void AlertOptions::setShowsMessage(bool shows) {
    m_showsMessage = shows && !m_message.isEmpty();
    Q_EMIT showsMessageChanged();
}

void AlertOptions::setProgram(const QString &commandLine) {
    if (commandLine != m_program) {
        m_program = commandLine;
        Q_EMIT programChanged();
    }
    if (commandLine.isEmpty())
        setStartsProgram(false);
}

void AlertOptions::setStartsProgram(bool starts) {
    m_startsProgram = starts && !m_program.isEmpty();
    Q_EMIT startsProgramChanged();
}
