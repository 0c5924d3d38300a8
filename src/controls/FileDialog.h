#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

// Choosing a file to open: the chosen full path, or nothing when the user cancelled.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    virtual QString getOpenFileName(const QString &title, const QString &filter) = 0;
};

// The real dialog, modal to its owner window, starting in the platform's default folder.
class QtFileDialog : public FileDialog {
public:
    void setOwner(QWidget *owner);
    QString getOpenFileName(const QString &title, const QString &filter) override;

private:
    QPointer<QWidget> m_owner;
};
