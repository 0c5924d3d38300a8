#include "persistence/OptionsTexts.h"

#include <QDir>
#include <QStringList>

using namespace Qt::StringLiterals;

OptionsTexts::OptionsTexts(const QString &configFolder, QList<Box> boxes)
    : m_files(configFolder)
    , m_boxes(std::move(boxes))
    , m_stored(m_boxes.size()) {}

void OptionsTexts::LoadOptionsFiles() {
    QStringList fileNames;
    for (const Box &box : m_boxes)
        fileNames << box.fileName;
    m_files.removeUnfinishedWrites(fileNames);
    for (qsizetype i = 0; i < m_boxes.size(); ++i) {
        m_stored[i] = m_files.read(m_boxes[i].fileName);
        if (m_stored[i] != m_boxes[i].text())
            m_boxes[i].setText(m_stored[i]);
    }
}

QStringList OptionsTexts::save(bool onlyChanged) {
    QStringList failures;
    for (qsizetype i = 0; i < m_boxes.size(); ++i) {
        const QString text = m_boxes[i].text();
        if (onlyChanged && text == m_stored[i])
            continue;
        const QString reason = m_files.write(m_boxes[i].fileName, text);
        if (!reason.isEmpty())
            failures << u"%1: %2"_s.arg(
                QDir::toNativeSeparators(m_files.folder() + u'/' + m_boxes[i].fileName), reason);
        else
            m_stored[i] = text;
    }
    return failures;
}

void OptionsTexts::SaveChangedOptionsFiles() {
    save(true);
}

QStringList OptionsTexts::SaveOptionsFiles() {
    return save(false);
}
