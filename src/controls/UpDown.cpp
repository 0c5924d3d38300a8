#include "controls/UpDown.h"

#include "controls/ClickEvents.h"

#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QToolButton *makeArrow(QWidget *parent, Qt::ArrowType arrow, const QString &name) {
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setObjectName(name);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

UpDown::UpDown(QWidget *parent)
    : QWidget(parent)
    , m_up(makeArrow(this, Qt::UpArrow, u"up"_s))
    , m_down(makeArrow(this, Qt::DownArrow, u"down"_s)) {
    connect(m_up, &QToolButton::clicked, this, &UpDown::UpClick);
    connect(m_down, &QToolButton::clicked, this, &UpDown::DownClick);
}

void UpDown::steps(QWidget *field, const std::function<void()> &selectField) {
    onClick(field, selectField);
    onArrowKey(field, [this, selectField](bool up) {
        selectField();
        (up ? m_up : m_down)->click();
    });
}

void UpDown::setNames(const QString &owner) {
    setAccessibleName(owner);
    //: The arrows of a spin button, for assistive technology: "alarm I up".
    m_up->setAccessibleName(tr("%1 up").arg(owner));
    m_down->setAccessibleName(tr("%1 down").arg(owner));
}

void UpDown::resizeEvent(QResizeEvent *) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}
