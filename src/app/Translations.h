#pragma once

// Puts the program's own texts, and those of Qt's dialogs, into the language of the default
// locale, in place of any translation installed before; texts without a translation stay English.
// The running application keeps the translations; the program runs this for each one it makes.
void installTranslations();
