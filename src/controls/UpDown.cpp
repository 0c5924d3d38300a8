#include "controls/UpDown.h"

#include "controls/ClickEvents.h"

#include <QToolButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QToolButton *makeArrow(QWidget *parent, Qt::ArrowType arrow, const QString &name) {
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setObjectName(name);
    button->setAccessibleName(name);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

UpDown::UpDown(QWidget *parent)
    : QWidget(parent)
    , m_up(makeArrow(this, Qt::UpArrow, u"up"_s))
    , m_down(makeArrow(this, Qt::DownArrow, u"down"_s)) {
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::steps(QWidget *field, const std::function<void()> &selectField) {
    onClick(field, selectField);
    onArrowKey(field, [this, selectField](bool up) {
        selectField();
        (up ? m_up : m_down)->click();
    });
}

void UpDown::setMinimum(int minimum) {
    m_minimum = minimum;
    m_maximum = std::max(m_maximum, minimum);
    clampValue();
}

void UpDown::setMaximum(int maximum) {
    m_maximum = maximum;
    m_minimum = std::min(m_minimum, maximum);
    clampValue();
}

void UpDown::setIncrement(int increment) {
    m_increment = std::max(1, increment);
}

void UpDown::setWrap(bool wrap) {
    m_wrap = wrap;
}

void UpDown::setWrappingRange(int minimum, int maximum) {
    setMinimum(minimum);
    setMaximum(maximum);
    setIncrement(1);
    setWrap(true);
}

void UpDown::resizeEvent(QResizeEvent *) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

void UpDown::stepUp() {
    const int next = m_value + m_increment;
    m_value = next <= m_maximum ? next : (m_wrap ? m_minimum : m_maximum);
    Q_EMIT UpClick();
}

void UpDown::stepDown() {
    const int next = m_value - m_increment;
    m_value = next >= m_minimum ? next : (m_wrap ? m_maximum : m_minimum);
    Q_EMIT DownClick();
}

void UpDown::clampValue() {
    m_value = std::clamp(m_value, m_minimum, m_maximum);
}
