#pragma once

#include <QStringList>

// Puts the program's own texts, and those of Qt's dialogs, into the first of the languages that
// has a catalogue for them (see UserLocale), in place of any translation installed before; texts
// without a translation stay English. The running application keeps the translations; the program
// runs this for each one it makes.
void installTranslations(const QStringList &languages);
