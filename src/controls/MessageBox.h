#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QMessageBox;

// A modal message box with a title, a text, a single OK button and no icon; show() returns when
// the user has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString &title, const QString &text) = 0;
    // A box that comes unasked, as an alarm's message: it is not hidden with a window that is not
    // on the screen, and it does not take the keyboard from the window the user types into. A
    // second button stands beside OK, which stays the default; returns whether it was pressed. The
    // source names the box for pressOther.
    virtual bool showUnasked(const QString &title, const QString &text, const QString &otherButton,
                             const QString &source) = 0;
    // The source's unasked box, if one is open, is closed as by its other button; returns whether
    // one was.
    virtual bool pressOther(const QString &source) = 0;
    // The user came for the box open last, if one is: it takes the keyboard.
    virtual void activateOpenBox() {}
};

// The real message box, kept above its owner window.
class QtMessageBox : public MessageBox {
public:
    void setOwner(QWidget *owner);
    void show(const QString &title, const QString &text) override;
    bool showUnasked(const QString &title, const QString &text, const QString &otherButton,
                     const QString &source) override;
    bool pressOther(const QString &source) override;
    void activateOpenBox() override;

private:
    struct Open {
        QMessageBox *box;
        QAbstractButton *other;
        QString source;
    };

    // Returns whether the other button, if there is one, was pressed.
    bool exec(const QString &title, const QString &text, const QString &otherButton, const QString &source,
              bool unasked);

    QPointer<QWidget> m_owner;
    // The boxes open, the last one on top: one opened inside another's wait.
    QList<Open> m_open;
};
