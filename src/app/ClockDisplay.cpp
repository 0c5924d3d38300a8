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
    , m_date(topStripLabel(window, "lblDate", 240))
    , m_clock(topStripLabel(window, "lblClock", 5205))
    , m_time(clock) {
    m_clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showNow();
}

// The clock sized to its text, with its right edge where it always is.
void ClockDisplay::showNow() {
    const QDateTime now = m_time.now();
    m_clock->setText(ClockText::clockTime(now.time().msecsSinceStartOfDay() / 1000, m_time.formats));
    m_clock->adjustSize();
    m_clock->move(twipsToPixels(ClockRightEdge) - m_clock->width(), m_clock->y());
    m_date->setText(ClockText::longDate(now.date(), m_time.formats));
    m_date->adjustSize();
}
