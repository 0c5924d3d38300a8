#include "alerts/ProgramCommand.h"

#include <QFileInfo>

namespace {

// Words as a POSIX shell splits them, expanding only "~/" at a word's start: blanks separate them,
// single quotes keep everything up to the next one, double quotes keep all but \" \\ \$ and \`,
// and a backslash outside quotes keeps the next character.
QStringList shellWords(const QString &text, const QString &homeFolder) {
    QStringList words;
    QString word;
    bool inWord = false;
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool escapes =
            c == u'\\' && i + 1 < text.size() &&
            (quote.isNull() || (quote == u'"' && QStringView(u"\"\\$`").contains(text[i + 1])));
        if (!inWord && c == u'~' && QStringView(text).mid(i + 1).startsWith(u'/')) {
            word += homeFolder;
        } else if (escapes) {
            word += text[++i];
        } else if (!quote.isNull() && c == quote) {
            quote = QChar();
        } else if (quote.isNull() && (c == u'\'' || c == u'"')) {
            quote = c;
        } else if (quote.isNull() && c.isSpace()) {
            if (inWord)
                words << std::exchange(word, QString());
            inWord = false;
            continue;
        } else {
            word += c;
        }
        inWord = true;
    }
    if (inWord)
        words << word;
    return words;
}

} // namespace

ProgramCommand programCommand(const QString &text, const QString &homeFolder) {
    const QString trimmed = text.trimmed();
    const QFileInfo whole(trimmed);
    if (!trimmed.isEmpty() && whole.isFile() && whole.isExecutable())
        return {trimmed, {}};
    QStringList parts = shellWords(trimmed, homeFolder);
    if (parts.isEmpty())
        return {};
    const QString program = parts.takeFirst();
    return {program, parts};
}
