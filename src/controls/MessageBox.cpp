#include "controls/MessageBox.h"

#include <QGridLayout>
#include <QMessageBox>

namespace {

// A box taller than the screen would put OK out of reach, so a long text shows its start and
// all of it under "Show Details...", where it scrolls.
constexpr qsizetype ShownCharacters = 1000;
constexpr int ShownLines = 20;
// What a window manager puts on a title bar beside the title: an icon and three buttons.
constexpr int TitleBarButtons = 160;

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
    // A box as narrow as a short text would have its title cut by the window manager.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        QFont titleFont = box.font();
        titleFont.setBold(true);
        const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title) + TitleBarButtons;
        grid->addItem(new QSpacerItem(titleWidth, 0), grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}
