#include "platform/FileDialog.h"

#include <QFileDialog>

void QtFileDialog::setOwner(QWidget *owner) {
    m_owner = owner;
}

QString QtFileDialog::getOpenFileName(const QString &title, const QString &filter) {
    return QFileDialog::getOpenFileName(m_owner, title, QString(), filter);
}
