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
    for (const Box &box : m_boxes) {
        const QString text = m_files.read(box.fileName);
        if (text != box.text())
            box.setText(text);
    }
}

void OptionsTexts::SaveOptionsFiles() {
    QStringList failures;
    for (const Box &box : m_boxes) {
        const QString reason = m_files.write(box.fileName, box.text());
        if (!reason.isEmpty())
            failures << u"%1: %2"_s.arg(QDir::toNativeSeparators(m_files.folder() + u'/' + box.fileName),
                                        reason);
    }
    if (!failures.isEmpty())
        m_messages.show(ApplicationTitle.toString(),
                        u"Unable to save the options!\n\n"_s + failures.join(u'\n'));
}
