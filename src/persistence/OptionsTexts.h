#pragma once

#include "persistence/OptionsFiles.h"

#include <QList>
#include <QString>

#include <functional>

class MessageBox;

// The seven option texts of the options panels and their options files.
class OptionsTexts {
public:
    struct Box {
        QString fileName;
        std::function<QString()> text;
        std::function<void(const QString &)> setText;
    };

    OptionsTexts(const QString &configFolder, QList<Box> boxes, MessageBox &messages);

    // Fills the boxes from their files, in order.
    void LoadOptionsFiles();
    // Writes every box to its file, in order; a file that cannot be written is reported once all
    // have been tried, together with the other failures given.
    void SaveOptionsFiles(const QStringList &otherFailures = {});
    // Writes the boxes whose text differs from their file's, saying nothing of a failure: the next
    // full save reports it.
    void SaveChangedOptionsFiles();

private:
    QStringList save(bool onlyChanged);

    OptionsFiles m_files;
    QList<Box> m_boxes;
    MessageBox &m_messages;
    QStringList m_stored; // each box's text as its file holds it
};
