#include "countdown/CountdownTimer.h"

#include "controls/Controls.h"
#include "controls/FlatBttn.h"
#include "controls/Frame.h"
#include "core/NumberReader.h"
#include "platform/SOTimer.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

// One second of the remaining time per tick, in step with real time.
constexpr int TickInterval = 1000;
// The OCR-A digits of the entry and the display.
constexpr double DigitPoints = 14.25;

// A display inside its picture box of 360 twips' height, leaving a pixel of the box's own colour
// above and below it and, where its text leaves room, beside it.
constexpr QRect BoxInside(int boxWidth, int side) {
    return QRect(side, 15, boxWidth - 2 * side, 330);
}

} // namespace

CountdownTimer::CountdownTimer(QWidget *mainArea, const Clock &clock)
    : QObject(mainArea)
    , Frame2(place(new Frame(mainArea), "Frame2", QRect(115, 115, 1950, 2640)))
    , tmrCounter(new SOTimer(clock, this)) {
    tmrCounter->setInterval(TickInterval);
    connect(tmrCounter, &SOTimer::enabledChanged, this, &CountdownTimer::tellWhetherCounting);
    buildEntry();
    buildDisplay();
    buildButtons();
}

void CountdownTimer::buildEntry() {
    //: The countdown's bold title, over its three boxes.
    Controls::boldLabel(Frame2, "lblEnter", tr("timer"), 150, 180);

    const auto entryField = [this](const char *picture, const char *field, const char *label,
                                   const QString &caption, const QString &accessibleName, int left) {
        QWidget *box = Controls::pictureBox(Frame2, picture, QRect(left, 480, 450, 360), Colour::Black);
        QLineEdit *text = Controls::digitBox(box, field, BoxInside(450, 15), QString(), DigitPoints);
        Controls::setBackColour(text, Colour::Black);
        Controls::setForeColour(text, Colour::Grey);
        text->setAccessibleName(accessibleName);
        // Enter starts the countdown, as "start" does.
        connect(text, &QLineEdit::returnPressed, this, &CountdownTimer::FlatBttnStart_Click);
        QLabel *under = Controls::label(Frame2, label, caption, left, 870);
        under->setFixedWidth(twipsToPixels(450));
        under->setAlignment(Qt::AlignHCenter);
        return text;
    };
    //: Short: under a box of two digits, 30 pixels: the countdown's hours.
    txtHours = entryField("Picture2", "txtHours", "lblHours", tr("hrs"), tr("timer hours"), 150);
    //: Short: under a box of two digits, 30 pixels: the countdown's minutes.
    txtMinutes = entryField("Picture3", "txtMinutes", "lblMinutes", tr("mins"), tr("timer minutes"), 740);
    //: Short: under a box of two digits, 30 pixels: the countdown's seconds.
    txtSeconds = entryField("Picture4", "txtSeconds", "lblSeconds", tr("secs"), tr("timer seconds"), 1320);

    connect(txtHours, &QLineEdit::textChanged, this, &CountdownTimer::txtHours_Change);
    connect(txtMinutes, &QLineEdit::textChanged, this, &CountdownTimer::txtMinutes_Change);
    connect(txtSeconds, &QLineEdit::textChanged, this, &CountdownTimer::txtSeconds_Change);
}

void CountdownTimer::buildDisplay() {
    // The title strip: greyed text, as the caption of a button that cannot be pressed looks.
    auto *title = place(new QLabel(u"The Tivvet  3.0"_s, Frame2), "FlatBttn1", QRect(60, 1200, 1830, 300));
    title->setAlignment(Qt::AlignCenter);
    title->setEnabled(false);
    title->setFont(Controls::captionFont(true));

    //: Over the countdown's display of the time left.
    Controls::label(Frame2, "lblRemaining", tr("time remaining"), 150, 1560);
    QWidget *box = Controls::pictureBox(Frame2, "Picture5", QRect(150, 1810, 1650, 360), Colour::Black);
    lblCounter = Controls::digitLabel(box, "lblCounter", u"00:00:00"_s, BoxInside(1650, 0), DigitPoints);
    Controls::setBackColour(lblCounter, Colour::Black);
    Controls::setForeColour(lblCounter, Colour::Red);
}

void CountdownTimer::buildButtons() {
    const auto button = [this](const char *name, const QString &caption, const QString &accessibleName,
                               int left) {
        auto *button = place(new FlatBttn(caption, Frame2), name, QRect(left, 2250, 540, 285));
        button->setAccessibleName(accessibleName);
        return button;
    };
    //: Short: a small button, 36 pixels, that starts the countdown.
    FlatBttnStart = button("FlatBttnStart", tr("start"), tr("timer start"), 150);
    //: Short: a small button, 36 pixels, that stops the countdown where it is.
    FlatBttnPause = button("FlatBttnPause", tr("pause"), tr("timer pause"), 705);
    //: Short: a small button, 36 pixels, that empties the countdown.
    FlatBttnReset = button("FlatBttnReset", tr("reset"), tr("timer reset"), 1260);
    connect(FlatBttnStart, &FlatBttn::Click, this, &CountdownTimer::FlatBttnStart_Click);
    connect(FlatBttnPause, &FlatBttn::Click, this, &CountdownTimer::FlatBttnPause_Click);
    connect(FlatBttnReset, &FlatBttn::Click, this, &CountdownTimer::FlatBttnReset_Click);
}

void CountdownTimer::resetForLoad() {
    tmrCounter->setEnabled(false);
    tmrCounter->setInterval(TickInterval);
    tmrCounter->rewind();
    intHours = intMinutes = intSeconds = 0;
    datRemaining = TimeValue();
    txtHours->clear();
    txtMinutes->clear();
    txtSeconds->clear();
    showRemaining();
    FlatBttnReset->setEnabled(true);
}

void CountdownTimer::txtHours_Change() {
    intHours = readNumber(txtHours->text());
    showRemainingFromEntry();
}

void CountdownTimer::txtMinutes_Change() {
    intMinutes = readNumber(txtMinutes->text());
    showRemainingFromEntry();
}

void CountdownTimer::txtSeconds_Change() {
    intSeconds = readNumber(txtSeconds->text());
    showRemainingFromEntry();
}

void CountdownTimer::showRemainingFromEntry() {
    // A total at or below zero has nothing to count: it shows and stays at "00:00:00".
    const TimeValue entered = TimeValue::fromHms(intHours, intMinutes, intSeconds);
    datRemaining = TimeValue::fromSeconds(std::max<qint64>(0, entered.totalSeconds()));
    showRemaining();
    // A new time counts from a whole second, not from the rest of a paused one.
    if (!tmrCounter->isEnabled())
        tmrCounter->rewind();
}

// The whole time, in a smaller size where its hours would not fit the display.
void CountdownTimer::showRemaining() {
    const QString text = datRemaining.durationText();
    QFont font = Controls::digitFont(DigitPoints);
    const int room = lblCounter->contentsRect().width();
    if (const int advance = QFontMetrics(font).horizontalAdvance(text); advance > room)
        font.setPixelSize(font.pixelSize() * room / advance);
    if (font != lblCounter->font())
        lblCounter->setFont(font);
    lblCounter->setText(text);
    tellWhetherCounting();
}

// Started with nothing entered, it runs with nothing to count.
void CountdownTimer::tellWhetherCounting() {
    Q_EMIT counting(tmrCounter->isEnabled() && datRemaining.totalSeconds() > 0);
}

void CountdownTimer::FlatBttnStart_Click() {
    tmrCounter->setEnabled(true);
    FlatBttnReset->setEnabled(false);
}

void CountdownTimer::FlatBttnPause_Click() {
    tmrCounter->setEnabled(false);
    FlatBttnReset->setEnabled(true);
}

// A new countdown starts on a whole second of its own.
void CountdownTimer::FlatBttnReset_Click() {
    tmrCounter->rewind();
    intHours = intMinutes = intSeconds = 0;
    datRemaining = TimeValue();
    txtHours->setText(QString());
    txtMinutes->setText(QString());
    txtSeconds->setText(QString());
    txtHours->setFocus();
    showRemaining();
}
