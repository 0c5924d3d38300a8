#include "app/ClockDisplay.h"

#include "platform/Controls.h"

#include <QLabel>
#include <QTimer>

namespace {

constexpr ColourValue Maroon = 0x000080;

QLabel *topStripLabel(QWidget *window, const char *name, int left) {
    QLabel *label = Controls::label(window, name, QString(), left, 80);
    Controls::setForeColour(label, Maroon);
    return label;
}

QTimer *runningTimer(QObject *parent, const char *name, int interval) {
    auto *timer = new QTimer(parent);
    timer->setObjectName(QLatin1StringView(name));
    timer->setInterval(interval);
    timer->start();
    return timer;
}

} // namespace

ClockDisplay::ClockDisplay(QWidget *window)
    : QObject(window)
    , lblDate(topStripLabel(window, "lblDate", 240))
    , lblClock(topStripLabel(window, "lblClock", 5205))
    , tmrClock(runningTimer(this, "tmrClock", 1000))
    , tmrDate(runningTimer(this, "tmrDate", 100)) {
    lblClock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}
