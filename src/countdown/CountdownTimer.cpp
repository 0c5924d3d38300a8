#include "countdown/CountdownTimer.h"

#include "controls/Controls.h"
#include "controls/FlatBttn.h"
#include "controls/Frame.h"
#include "core/NumberReader.h"
#include "countdown/Countdown.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

// The OCR-A digits of the entry and the display.
constexpr double DigitPoints = 14.25;

// A display inside its picture box of 360 twips' height, leaving a pixel of the box's own colour
// above and below it and, where its text leaves room, beside it.
constexpr QRect BoxInside(int boxWidth, int side) {
    return QRect(side, 15, boxWidth - 2 * side, 330);
}

} // namespace

CountdownTimer::CountdownTimer(QWidget *mainArea, Countdown &countdown)
    : QObject(mainArea)
    , m_countdown(countdown)
    , m_frame(place(new Frame(mainArea), "Frame2", QRect(115, 115, 1950, 2640))) {
    buildEntry();
    buildDisplay();
    buildButtons();
    bindToModel();
}

void CountdownTimer::buildEntry() {
    //: The countdown's bold title, over its three boxes.
    Controls::boldLabel(m_frame, "lblEnter", tr("timer"), 150, 180);

    const auto entryField = [this](const char *picture, const char *field, const char *label,
                                   const QString &caption, const QString &accessibleName, int left) {
        QWidget *box = Controls::pictureBox(m_frame, picture, QRect(left, 480, 450, 360), Colour::Black);
        QLineEdit *text = Controls::digitBox(box, field, BoxInside(450, 15), QString(), DigitPoints);
        Controls::setBackColour(text, Colour::Black);
        Controls::setForeColour(text, Colour::Grey);
        text->setAccessibleName(accessibleName);
        // Enter starts the countdown, as "start" does.
        connect(text, &QLineEdit::returnPressed, &m_countdown, &Countdown::start);
        QLabel *under = Controls::label(m_frame, label, caption, left, 870);
        under->setFixedWidth(twipsToPixels(450));
        under->setAlignment(Qt::AlignHCenter);
        return text;
    };
    //: Short: under a box of two digits, 30 pixels: the countdown's hours.
    m_hours = entryField("Picture2", "txtHours", "lblHours", tr("hrs"), tr("timer hours"), 150);
    //: Short: under a box of two digits, 30 pixels: the countdown's minutes.
    m_minutes = entryField("Picture3", "txtMinutes", "lblMinutes", tr("mins"), tr("timer minutes"), 740);
    //: Short: under a box of two digits, 30 pixels: the countdown's seconds.
    m_seconds = entryField("Picture4", "txtSeconds", "lblSeconds", tr("secs"), tr("timer seconds"), 1320);
    for (QLineEdit *field : {m_hours, m_minutes, m_seconds})
        connect(field, &QLineEdit::textChanged, this, &CountdownTimer::takeEntry);
}

void CountdownTimer::buildDisplay() {
    // The title strip: greyed text, as the caption of a button that cannot be pressed looks.
    auto *title = place(new QLabel(u"The Tivvet  3.0"_s, m_frame), "FlatBttn1", QRect(60, 1200, 1830, 300));
    title->setAlignment(Qt::AlignCenter);
    title->setEnabled(false);
    title->setFont(Controls::captionFont(true));

    //: Over the countdown's display of the time left.
    Controls::label(m_frame, "lblRemaining", tr("time remaining"), 150, 1560);
    QWidget *box = Controls::pictureBox(m_frame, "Picture5", QRect(150, 1810, 1650, 360), Colour::Black);
    m_timeLeft = Controls::digitLabel(box, "lblCounter", u"00:00:00"_s, BoxInside(1650, 0), DigitPoints);
    Controls::setBackColour(m_timeLeft, Colour::Black);
    Controls::setForeColour(m_timeLeft, Colour::Red);
}

void CountdownTimer::buildButtons() {
    const auto button = [this](const char *name, const QString &caption, const QString &accessibleName,
                               int left) {
        auto *button = place(new FlatBttn(caption, m_frame), name, QRect(left, 2250, 540, 285));
        button->setAccessibleName(accessibleName);
        return button;
    };
    //: Short: a small button, 36 pixels, that starts the countdown.
    m_start = button("FlatBttnStart", tr("start"), tr("timer start"), 150);
    //: Short: a small button, 36 pixels, that stops the countdown where it is.
    FlatBttn *pause = button("FlatBttnPause", tr("pause"), tr("timer pause"), 705);
    //: Short: a small button, 36 pixels, that empties the countdown.
    m_reset = button("FlatBttnReset", tr("reset"), tr("timer reset"), 1260);
    connect(m_start, &FlatBttn::Click, &m_countdown, &Countdown::start);
    connect(pause, &FlatBttn::Click, &m_countdown, &Countdown::pause);
    connect(m_reset, &FlatBttn::Click, this, &CountdownTimer::reset);
}

void CountdownTimer::bindToModel() {
    connect(&m_countdown, &Countdown::timeLeftChanged, this, &CountdownTimer::showTimeLeft);
    // Reset waits while it runs.
    connect(&m_countdown, &Countdown::runningChanged, m_reset,
            [this] { m_reset->setEnabled(!m_countdown.isRunning()); });
    connect(&m_countdown, &Countdown::entryCleared, this, [this] {
        for (QLineEdit *field : {m_hours, m_minutes, m_seconds})
            field->clear();
    });
}

void CountdownTimer::focusStart() {
    m_start->setFocus();
}

void CountdownTimer::takeEntry() {
    m_countdown.setEntered(readNumber(m_hours->text()), readNumber(m_minutes->text()),
                           readNumber(m_seconds->text()));
}

void CountdownTimer::reset() {
    m_countdown.reset();
    m_hours->setFocus();
}

// The whole time, in a smaller size where its hours would not fit the display.
void CountdownTimer::showTimeLeft() {
    const QString text = m_countdown.timeLeft().durationText();
    QFont font = Controls::digitFont(DigitPoints);
    const int room = m_timeLeft->contentsRect().width();
    if (const int advance = QFontMetrics(font).horizontalAdvance(text); advance > room)
        font.setPixelSize(font.pixelSize() * room / advance);
    if (font != m_timeLeft->font())
        m_timeLeft->setFont(font);
    m_timeLeft->setText(text);
}
