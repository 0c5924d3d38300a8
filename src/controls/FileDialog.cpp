#include "controls/FileDialog.h"

#include <QFileDialog>

void QtFileDialog::setOwner(QWidget *owner) {
    m_owner = owner;
}

// The name of a file that is not there yet, typed into the dialog, is returned too.
QString QtFileDialog::getOpenFileName(const QString &title, const QString &filter) {
    QFileDialog dialog(m_owner, title, QString(), filter);
    dialog.setFileMode(QFileDialog::AnyFile);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
