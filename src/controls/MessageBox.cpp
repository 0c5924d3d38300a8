#include "controls/MessageBox.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

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

// Below the box open before it, or above it where the screen ends there, so that both are read.
// Until the window manager has told the box's frame, its title bar is counted as the style has it.
void placeBeside(QWidget &box, const QWidget &before) {
    QRect taken = before.frameGeometry();
    if (taken == before.geometry())
        taken.adjust(0, -box.style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
    const QRect screen = before.screen()->availableGeometry();
    const int height = box.sizeHint().height() + taken.height() - before.height();
    const int below = taken.bottom() + 1 + taken.height() - before.height();
    box.move(taken.left(),
             below + height <= screen.bottom() ? below : std::max(screen.top(), taken.top() - height));
}

// Mapped, as Qt learns once the window system shows it: a window minimised, hidden or only just
// shown again is not.
bool isOnScreen(const QWidget *window) {
    return window && window->testAttribute(Qt::WA_Mapped);
}

// Keys typed for another window just as the box appears must not answer it unseen: for its first
// second it takes none. A click works at once, and keys typed into the program's other windows go
// where they were typed.
class NoKeysAtFirst : public QObject {
public:
    explicit NoKeysAtFirst(QWidget *box)
        : QObject(box)
        , m_box(box) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        return (event->type() == QEvent::KeyPress && !m_keysFrom.hasExpired() && watched->isWidgetType() &&
                static_cast<QWidget *>(watched)->window() == m_box) ||
               QObject::eventFilter(watched, event);
    }

private:
    Q_DISABLE_COPY_MOVE(NoKeysAtFirst)

    QWidget *m_box;
    QDeadlineTimer m_keysFrom{1000};
};

} // namespace

void QtMessageBox::setOwner(QWidget *owner) {
    m_owner = owner;
}

void QtMessageBox::show(const QString &title, const QString &text) {
    exec(title, text, {}, {}, false);
}

bool QtMessageBox::showUnasked(const QString &title, const QString &text, const QString &otherButton,
                               const QString &source) {
    return exec(title, text, otherButton, source, true);
}

bool QtMessageBox::pressOther(const QString &source) {
    const auto open = std::find_if(m_open.begin(), m_open.end(), [&source](const Open &box) {
        return box.other && !source.isEmpty() && box.source == source;
    });
    if (open == m_open.end())
        return false;
    open->other->click();
    return true;
}

void QtMessageBox::activateOpenBox() {
    if (m_open.isEmpty())
        return;
    m_open.last().box->raise();
    m_open.last().box->activateWindow();
}

bool QtMessageBox::exec(const QString &title, const QString &text, const QString &otherButton,
                        const QString &source, bool unasked) {
    const QString shown = startOf(text);
    // Over a window not on the screen (in the tray, minimised, or not yet mapped again) a box would
    // be hidden with it: one that comes unasked stands on its own then, above the other windows.
    const bool onItsOwn = unasked && !isOnScreen(m_owner);
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok, onItsOwn ? nullptr : m_owner.get());
    box.setWindowFlag(Qt::WindowStaysOnTopHint, onItsOwn);
    QPushButton *other =
        otherButton.isEmpty() ? nullptr : box.addButton(otherButton, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    // In front, but the keyboard stays where the user types until they click the box or move to it;
    // a window manager that activates it anyway gets no key from it in its first second. A modal
    // window is activated as it is shown: this one waits in a loop of its own.
    if (unasked) {
        box.setAttribute(Qt::WA_ShowWithoutActivating);
        box.setModal(false);
        new NoKeysAtFirst(&box);
    }
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
    if (!m_open.isEmpty())
        placeBeside(box, *m_open.last().box);
    const QPointer<QWidget> active = QApplication::activeWindow();
    m_open.append({&box, other, source});
    if (unasked) {
        QEventLoop answered;
        QObject::connect(&box, &QDialog::finished, &answered, &QEventLoop::quit);
        box.show();
        answered.exec();
    } else {
        box.exec();
    }
    m_open.removeIf([&box](const Open &open) { return open.box == &box; });
    // Answered, the keyboard goes back to the window of the program's that had it.
    if (active && active->isVisible())
        active->activateWindow();
    return other && box.clickedButton() == other;
}
