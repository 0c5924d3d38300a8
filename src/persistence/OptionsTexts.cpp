#include "persistence/OptionsTexts.h"

#include "alerts/AlertOptions.h"

#include <QDir>
#include <QStringList>

OptionsTexts::OptionsTexts(const QString &configFolder, QList<Box> boxes)
    : m_files(configFolder)
    , m_boxes(std::move(boxes))
    , m_stored(m_boxes.size())
    , m_unread(m_boxes.size()) {}

namespace {

OptionsTexts::Box soundFile(const char *fileName, AlertOptions &options) {
    return {QString::fromLatin1(fileName), [&options] { return options.soundFile(); },
            [&options](const QString &text) { options.setSoundFile(text); }};
}

OptionsTexts::Box program(const char *fileName, AlertOptions &options) {
    return {QString::fromLatin1(fileName), [&options] { return options.program(); },
            [&options](const QString &text) { options.setProgram(text); }};
}

OptionsTexts::Box message(const char *fileName, AlertOptions &options) {
    return {QString::fromLatin1(fileName), [&options] { return options.message(); },
            [&options](const QString &text) { options.setMessage(text); }};
}

} // namespace

OptionsTexts::OptionsTexts(const QString &configFolder, AlertOptions &timer, AlertOptions &alarmI,
                           AlertOptions &alarmII, const std::function<void()> &changed)
    : OptionsTexts(configFolder, {soundFile("wav.txt", timer), soundFile("wav2.txt", alarmI),
                                  program("program.txt", alarmI), message("message.txt", alarmI),
                                  soundFile("wav3.txt", alarmII), program("program2.txt", alarmII),
                                  message("message2.txt", alarmII)}) {
    for (AlertOptions *options : {&timer, &alarmI, &alarmII})
        for (const auto textChanged :
             {&AlertOptions::soundFileChanged, &AlertOptions::programChanged, &AlertOptions::messageChanged})
            QObject::connect(options, textChanged, options, changed);
}

QStringList OptionsTexts::loadAll() {
    QStringList fileNames;
    for (const Box &box : m_boxes)
        fileNames << box.fileName;
    m_files.removeUnfinishedWrites(fileNames);
    QStringList failures;
    for (qsizetype i = 0; i < m_boxes.size(); ++i) {
        const OptionsFiles::Read read = m_files.read(m_boxes[i].fileName);
        m_stored[i] = read.text;
        m_unread[i] = !read.failure.isEmpty();
        if (m_unread[i])
            failures << failure(i, read.failure);
        if (m_stored[i] != m_boxes[i].text())
            m_boxes[i].setText(m_stored[i]);
    }
    return failures;
}

QString OptionsTexts::failure(qsizetype box, const QString &reason) const {
    //: A file's path and why it could not be read or written.
    return tr("%1: %2").arg(QDir::toNativeSeparators(m_files.folder() + u'/' + m_boxes[box].fileName),
                            reason);
}

QStringList OptionsTexts::save(bool onlyChanged) {
    QStringList failures;
    for (qsizetype i = 0; i < m_boxes.size(); ++i) {
        const QString text = m_boxes[i].text();
        if ((onlyChanged || m_unread[i]) && text == m_stored[i])
            continue;
        const QString reason = m_files.write(m_boxes[i].fileName, text);
        if (!reason.isEmpty()) {
            failures << failure(i, reason);
        } else {
            m_stored[i] = text;
            m_unread[i] = false;
        }
    }
    return failures;
}

bool OptionsTexts::changed() const {
    for (qsizetype i = 0; i < m_boxes.size(); ++i)
        if (m_boxes[i].text() != m_stored[i])
            return true;
    return false;
}

void OptionsTexts::saveChanged() {
    save(true);
}

QStringList OptionsTexts::saveAll() {
    return save(false);
}
