#pragma once

#include "persistence/OptionsFiles.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

class AlertOptions;

// The seven option texts of the options panels and their options files.
class OptionsTexts {
    Q_DECLARE_TR_FUNCTIONS(OptionsTexts)

public:
    struct Box {
        QString fileName;
        std::function<QString()> text;
        std::function<void(const QString &)> setText;
    };

    OptionsTexts(const QString &configFolder, QList<Box> boxes);
    // The texts of the timer's and the two alarms' options, each in its file; changed is told of
    // each change of a text.
    OptionsTexts(const QString &configFolder, AlertOptions &timer, AlertOptions &alarmI,
                 AlertOptions &alarmII, const std::function<void()> &changed);

    // Fills the boxes from their files, in order; returns each file that is there but could not be
    // read, with why. Such a file is written again only once its box has changed.
    QStringList loadAll();
    // Writes every box to its file, in order; returns each file that could not be written, with why.
    QStringList saveAll();
    // Writes the boxes whose text differs from their file's, saying nothing of a failure: the next
    // full save reports it.
    void saveChanged();
    // Whether some box's text differs from its file's.
    bool changed() const;

private:
    QStringList save(bool onlyChanged);
    // The box's file and why it could not be read or written.
    QString failure(qsizetype box, const QString &reason) const;

    OptionsFiles m_files;
    QList<Box> m_boxes;
    QStringList m_stored; // each box's text as its file holds it
    QList<bool> m_unread; // the file is there, but what it holds is not known
};
