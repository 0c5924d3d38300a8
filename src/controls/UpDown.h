#pragma once

#include <QWidget>

#include <functional>

class QToolButton;

// A spin button: two arrows, raising UpClick and DownClick once per click (and on and on while one
// is held down). What a click steps is its handler's business.
class UpDown : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpDown)

public:
    explicit UpDown(QWidget *parent = nullptr);

    // A field that the arrows step: a click on it selects it, and so do Up and Down in it, which
    // then step as the arrows do, so that the keyboard needs no spin button.
    void steps(QWidget *field, const std::function<void()> &selectField);
    // The spin button and its arrows named for assistive technology: "alarm I", "alarm I up".
    void setNames(const QString &owner);

Q_SIGNALS:
    void UpClick();
    void DownClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
};
