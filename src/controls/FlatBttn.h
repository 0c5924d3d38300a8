#pragma once

#include <QPushButton>

// A flat push button with a short caption. Click is raised once per click while the button is
// enabled; a disabled button raises none. With the focus, Space or Enter clicks it.
class FlatBttn : public QPushButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FlatBttn)

public:
    explicit FlatBttn(const QString &caption, QWidget *parent = nullptr);

    // A borderless button: a link, or a colour swatch.
    void setBorderless(bool borderless);

Q_SIGNALS:
    void Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
