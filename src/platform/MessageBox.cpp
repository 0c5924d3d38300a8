#include "platform/MessageBox.h"

#include <QMessageBox>

namespace {

// A box taller than the screen would put OK out of reach, so a long text shows its start and
// all of it under "Show Details...", where it scrolls.
constexpr qsizetype ShownCharacters = 1000;
constexpr int ShownLines = 20;

QString startOf(const QString &text) {
    qsizetype end = 0;
    for (int line = 0; line < ShownLines && end >= 0; ++line)
        end = text.indexOf(u'\n', line == 0 ? 0 : end + 1);
    const qsizetype cut = std::min(end < 0 ? text.size() : end, ShownCharacters);
    return cut == text.size() ? text : text.left(cut) + u'\u2026';
}

} // namespace

void QtMessageBox::setOwner(QWidget *owner) {
    m_owner = owner;
}

void QtMessageBox::show(const QString &title, const QString &text) {
    const QString shown = startOf(text);
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok, m_owner);
    box.setTextFormat(Qt::PlainText);
    if (shown != text)
        box.setDetailedText(text);
    box.exec();
}
