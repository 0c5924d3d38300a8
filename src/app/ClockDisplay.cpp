#include "app/ClockDisplay.h"

#include "controls/Controls.h"
#include "core/ClockText.h"
#include "platform/Clock.h"
#include "platform/MinuteTimer.h"

#include <QLabel>

namespace {

constexpr int ClockRightEdge = 5280;

QLabel *topStripLabel(QWidget *window, const char *name, int left) {
    QLabel *label = Controls::label(window, name, QString(), left, 80);
    Controls::setForeColour(label, Colour::Maroon);
    return label;
}

MinuteTimer *runningTimer(const Clock &clock, QObject *parent, const char *name) {
    auto *timer = new MinuteTimer(clock, parent);
    timer->setObjectName(QLatin1StringView(name));
    timer->setEnabled(true);
    return timer;
}

} // namespace

ClockDisplay::ClockDisplay(QWidget *window, const Clock &clock)
    : QObject(window)
    , lblDate(topStripLabel(window, "lblDate", 240))
    , lblClock(topStripLabel(window, "lblClock", 5205))
    , tmrClock(runningTimer(clock, this, "tmrClock"))
    , tmrDate(runningTimer(clock, this, "tmrDate"))
    , m_clock(clock) {
    lblClock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(tmrClock, &MinuteTimer::Timer, this, &ClockDisplay::tmrClock_Timer);
    connect(tmrDate, &MinuteTimer::Timer, this, &ClockDisplay::tmrDate_Timer);
    tmrClock_Timer();
    tmrDate_Timer();
}

// Sized to its text, with its right edge where it always is.
void ClockDisplay::tmrClock_Timer() {
    lblClock->setText(
        ClockText::clockTime(m_clock.now().time().msecsSinceStartOfDay() / 1000, m_clock.formats));
    lblClock->adjustSize();
    lblClock->move(twipsToPixels(ClockRightEdge) - lblClock->width(), lblClock->y());
}

void ClockDisplay::tmrDate_Timer() {
    lblDate->setText(ClockText::longDate(m_clock.now().date(), m_clock.formats));
    lblDate->adjustSize();
}
