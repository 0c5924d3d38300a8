#pragma once

#include <QObject>
#include <QString>

// What a timer does besides ringing: its sound file, and for an alarm the message it shows and
// the program it starts, each with its "activate". An activate is never on while its text is empty.
class AlertOptions : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlertOptions)

public:
    explicit AlertOptions(QObject *parent = nullptr);

    QString soundFile() const { return m_soundFile; }
    void setSoundFile(const QString &path);

    QString message() const { return m_message; }
    void setMessage(const QString &text);
    bool showsMessage() const { return m_showsMessage; }
    void setShowsMessage(bool shows);

    QString program() const { return m_program; }
    void setProgram(const QString &commandLine);
    bool startsProgram() const { return m_startsProgram; }
    void setStartsProgram(bool starts);

Q_SIGNALS:
    void soundFileChanged();
    void messageChanged();
    void showsMessageChanged();
    void programChanged();
    void startsProgramChanged();

private:
    QString m_soundFile;
    QString m_message;
    bool m_showsMessage = false;
    QString m_program;
    bool m_startsProgram = false;
};
