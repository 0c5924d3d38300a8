#pragma once

#include "FakePlatform.h"
#include "Rows.h"
#include "app/frmTivvet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <initializer_list>
#include <memory>

using namespace Qt::StringLiterals;

// The main window as a user meets it, with fake platform services and real files in a private
// configuration folder; controls are found by their names.
struct TestWindow {
    FakePlatform platform;
    std::unique_ptr<frmTivvet> window;

    TestWindow() { start(); }

    void start() {
        window = std::make_unique<frmTivvet>(platform.services());
        window->load();
        QSignalSpy finished(window.get(), &frmTivvet::startFinished);
        window->showAfterLoad();
        finished.wait(2000); // the window's icon comes after the first frame
    }
    // Exit and start again with what was saved.
    void restart() {
        window->close();
        start();
    }

    // A name, or a path of names such as "UpDown3/up".
    template <class Control = QWidget> Control *find(const char *name, QWidget *in = nullptr) const {
        QObject *control = in ? in : window.get();
        for (const QString &part : QString::fromLatin1(name).split(u'/'))
            if (control)
                control = control->findChild<QObject *>(part);
        if (!qobject_cast<Control *>(control))
            qFatal("no control %s", name);
        return qobject_cast<Control *>(control);
    }
    // A box's or label's text; a check box's or option button's state as "1" or "0".
    QString text(const char *name) const {
        QWidget *control = find(name);
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            return button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        if (auto *line = qobject_cast<QLineEdit *>(control))
            return line->text();
        if (auto *label = qobject_cast<QLabel *>(control))
            return label->text();
        return qobject_cast<QPlainTextEdit *>(control)->toPlainText();
    }
    void type(const char *name, const QString &text) const {
        QWidget *control = find(name);
        if (auto *line = qobject_cast<QLineEdit *>(control))
            line->setText(text);
        else
            qobject_cast<QPlainTextEdit *>(control)->setPlainText(text);
    }
    // A left click: buttons and check boxes take it as a click, text fields as a selection.
    void click(const char *name, QWidget *in = nullptr) const {
        QWidget *control = find(name, in);
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            button->click();
        else
            QTest::mouseClick(control, Qt::LeftButton);
    }
    // Types "h:m:s" into the fields, a part each.
    void typeParts(std::initializer_list<const char *> fields, const QString &parts) const {
        const QStringList part = parts.split(u':');
        for (qsizetype i = 0; i < part.size(); ++i)
            type(fields.begin()[i], part[i]);
    }
    QString texts(std::initializer_list<const char *> fields) const {
        QStringList shown;
        for (const char *field : fields)
            shown << text(field);
        return shown.join(u':');
    }
    bool checked(const char *name) const { return find<QAbstractButton>(name)->isChecked(); }
    QByteArray file(const QString &underConfig) const {
        QFile stored(platform.configFolder.filePath(underConfig));
        return stored.open(QIODevice::ReadOnly) ? stored.readAll() : QByteArray("<none>");
    }
};

// The window tests' fixture: each test function starts with a window of its own, the windows of
// the one before closed.
class WindowTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<TestWindow> w;

private Q_SLOTS:
    void init() {
        QApplication::setQuitOnLastWindowClosed(false); // as the program has it
        for (QWidget *window : QApplication::topLevelWidgets())
            window->close();
        w = std::make_unique<TestWindow>();
    }
};
