#include "controls/ClickEvents.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>

namespace {

// Hands the control's events to a handler, which says whether it took them.
class EventHandler : public QObject {
public:
    EventHandler(QWidget *control, std::function<bool(QEvent *)> handler)
        : QObject(control)
        , m_handler(std::move(handler)) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override { return m_handler(event); }

private:
    std::function<bool(QEvent *)> m_handler;
};

} // namespace

void onClick(QWidget *control, std::function<void()> handler) {
    new EventHandler(control, [control, handler = std::move(handler)](QEvent *event) {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto *release = static_cast<QMouseEvent *>(event);
            if (release->button() == Qt::LeftButton &&
                control->rect().contains(release->position().toPoint()))
                handler();
        }
        return false;
    });
}

void onArrowKey(QWidget *control, std::function<void(bool up)> handler) {
    new EventHandler(control, [handler = std::move(handler)](QEvent *event) {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down)
            return false;
        handler(key == Qt::Key_Up);
        return true;
    });
}
