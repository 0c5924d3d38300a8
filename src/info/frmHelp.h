#pragma once

#include <QWidget>

class QPlainTextEdit;

// The Help window: the user guide as one read-only, scrollable text.
class frmHelp : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmHelp)

public:
    // The text names the program at its path.
    explicit frmHelp(const QString &programPath);

private:
    QString withRulesThatFit(QString text) const;

    QPlainTextEdit *m_text;
};
