#include "app/ProgramEnd.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>

ProgramEnd::ProgramEnd(QObject *parent)
    : QObject(parent) {
    connect(qApp, &QGuiApplication::commitDataRequest, this, &ProgramEnd::commitData);
}

void ProgramEnd::leave() {
    if (!isRunning())
        return;
    m_stage = Stage::Leaving;
    unload();
    endIfNoWindowIsShown();
}

// Gone first: what could not be saved is told on standard error, as nobody may be there for a box.
void ProgramEnd::endOnSignal() {
    const bool running = isRunning();
    m_stage = Stage::Gone;
    if (running)
        unload();
    QCoreApplication::exit(0);
}

void ProgramEnd::commitData() {
    if (isRunning())
        Q_EMIT saveRequested();
}

void ProgramEnd::unload() {
    // Any window that closes from now on, a message box or a dialog too, may be the last one.
    qApp->installEventFilter(this);
    Q_EMIT unloading();
    Q_EMIT unloaded();
}

bool ProgramEnd::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->isWindow())
        endIfNoWindowIsShown();
    return QObject::eventFilter(watched, event);
}

void ProgramEnd::endIfNoWindowIsShown() {
    QTimer::singleShot(0, this, [this] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        if (std::none_of(windows.begin(), windows.end(),
                         [](const QWidget *window) { return window->isVisible(); })) {
            m_stage = Stage::Gone;
            QApplication::quit();
        }
    });
}
