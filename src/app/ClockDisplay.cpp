#include "app/ClockDisplay.h"

#include "controls/Controls.h"
#include "core/ClockText.h"
#include "platform/Clock.h"

#include <QLabel>

namespace {

constexpr int ClockRightEdge = 5280;

QLabel *topStripLabel(QWidget *window, const char *name, int left) {
    QLabel *label = Controls::label(window, name, QString(), left, 80);
    Controls::setForeColour(label, Colour::Maroon);
    return label;
}

} // namespace

ClockDisplay::ClockDisplay(QWidget *window, const Clock &clock)
    : QObject(window)
    , lblDate(topStripLabel(window, "lblDate", 240))
    , lblClock(topStripLabel(window, "lblClock", 5205))
    , m_clock(clock) {
    lblClock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showNow();
}

// The clock sized to its text, with its right edge where it always is.
void ClockDisplay::showNow() {
    const QDateTime now = m_clock.now();
    lblClock->setText(ClockText::clockTime(now.time().msecsSinceStartOfDay() / 1000, m_clock.formats));
    lblClock->adjustSize();
    lblClock->move(twipsToPixels(ClockRightEdge) - lblClock->width(), lblClock->y());
    lblDate->setText(ClockText::longDate(now.date(), m_clock.formats));
    lblDate->adjustSize();
}
