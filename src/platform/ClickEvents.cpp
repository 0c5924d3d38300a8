#include "platform/ClickEvents.h"

#include <QMouseEvent>
#include <QObject>
#include <QWidget>

namespace {

class ClickFilter : public QObject {
public:
    ClickFilter(QWidget *control, std::function<void()> handler)
        : QObject(control)
        , m_handler(std::move(handler)) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto *release = static_cast<QMouseEvent *>(event);
            auto *control = static_cast<QWidget *>(watched);
            if (release->button() == Qt::LeftButton &&
                control->rect().contains(release->position().toPoint()))
                m_handler();
        }
        return false;
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void onClick(QWidget *control, std::function<void()> handler) {
    new ClickFilter(control, std::move(handler));
}
