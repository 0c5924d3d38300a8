#include "platform/MessageBox.h"

#include <QMessageBox>

void QtMessageBox::setOwner(QWidget *owner) {
    m_owner = owner;
}

void QtMessageBox::show(const QString &title, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, m_owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
