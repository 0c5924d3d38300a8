#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

// A modal message box with a title, a text, a single OK button and no icon; show() returns when
// the user has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString &title, const QString &text) = 0;
    // A box that comes unasked, as an alarm's message: it is not hidden with a window that is not
    // on the screen, and it does not take the keyboard from the window the user types into.
    virtual void showUnasked(const QString &title, const QString &text) = 0;
    // The user came for the box open last, if one is: it takes the keyboard.
    virtual void activateOpenBox() {}
};

// The real message box, kept above its owner window.
class QtMessageBox : public MessageBox {
public:
    void setOwner(QWidget *owner);
    void show(const QString &title, const QString &text) override;
    void showUnasked(const QString &title, const QString &text) override;
    void activateOpenBox() override;

private:
    void exec(const QString &title, const QString &text, bool unasked);

    QPointer<QWidget> m_owner;
    // The boxes open, the last one on top: one opened inside another's wait.
    QList<QWidget *> m_open;
};
