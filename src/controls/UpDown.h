#pragma once

#include <QWidget>

#include <functional>

class QToolButton;

// A spin button: two arrows and an integer value that the arrows step by the increment within
// minimum to maximum, wrapping around at the ends when wrap is on. UpClick and DownClick are
// raised after the step, so a handler reads the stepped value. Setting a range clamps the
// value into it, so the next step starts from inside the range.
class UpDown : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpDown)

public:
    explicit UpDown(QWidget *parent = nullptr);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int increment() const { return m_increment; }
    bool wrap() const { return m_wrap; }

    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void setIncrement(int increment);
    void setWrap(bool wrap);
    // Minimum, maximum, increment and wrap on, in that order.
    void setWrappingRange(int minimum, int maximum);

    // A field that the arrows step: a click on it selects it, and so do Up and Down in it, which
    // then step as the arrows do, so that the keyboard needs no spin button.
    void steps(QWidget *field, const std::function<void()> &selectField);

    QToolButton *upArrow() const { return m_up; }
    QToolButton *downArrow() const { return m_down; }

Q_SIGNALS:
    void UpClick();
    void DownClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void stepUp();
    void stepDown();
    void clampValue();

    QToolButton *m_up;
    QToolButton *m_down;
    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 10;
    int m_increment = 1;
    bool m_wrap = false;
};
