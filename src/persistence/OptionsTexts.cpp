#include "persistence/OptionsTexts.h"

#include "alerts/AlertActions.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QStringList>

using namespace Qt::StringLiterals;

OptionsTexts::OptionsTexts(const QString &configFolder, QList<Box> boxes, MessageBox &messages)
    : m_files(configFolder)
    , m_boxes(std::move(boxes))
    , m_messages(messages) {}

void OptionsTexts::LoadOptionsFiles() {
    m_files.removeUnfinishedWrites();
    m_stored.clear();
    for (const Box &box : m_boxes) {
        const QString text = m_files.read(box.fileName);
        if (text != box.text())
            box.setText(text);
        m_stored << text;
    }
}

QStringList OptionsTexts::save(bool onlyChanged) {
    QStringList failures;
    for (qsizetype i = 0; i < m_boxes.size(); ++i) {
        const QString text = m_boxes[i].text();
        if (onlyChanged && i < m_stored.size() && text == m_stored[i])
            continue;
        const QString reason = m_files.write(m_boxes[i].fileName, text);
        if (!reason.isEmpty())
            failures << u"%1: %2"_s.arg(
                QDir::toNativeSeparators(m_files.folder() + u'/' + m_boxes[i].fileName), reason);
        else if (i < m_stored.size())
            m_stored[i] = text;
    }
    return failures;
}

void OptionsTexts::SaveChangedOptionsFiles() {
    save(true);
}

void OptionsTexts::SaveOptionsFiles(const QStringList &otherFailures) {
    const QStringList failures = otherFailures + save(false);
    if (!failures.isEmpty())
        m_messages.show(ApplicationTitle.toString(),
                        u"Unable to save the options!\n\n"_s + failures.join(u'\n'));
}
