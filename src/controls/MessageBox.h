#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

// A modal message box with a title, a text, a single OK button and no icon; show() returns when
// the user has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString &title, const QString &text) = 0;
};

// The real message box, kept above its owner window.
class QtMessageBox : public MessageBox {
public:
    void setOwner(QWidget *owner);
    void show(const QString &title, const QString &text) override;

private:
    QPointer<QWidget> m_owner;
};
