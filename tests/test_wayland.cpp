#include "app/RealPlatform.h"
#include "app/frmTivvet.h"
#include "controls/FlatBttn.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

// On a Wayland compositor, which may refuse to keep a window on top or to raise it and never tells
// the program of a minimise, the program counts down, its alert maps the window again and reaches
// the user through the notification; where there is no tray it makes no icon.
class TestWayland : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void countsDownAndNotifies() {
        QTest::failOnWarning(QRegularExpression(u"systemTrayWindowChanged"_s));
        QTemporaryDir config;
        RealPlatform platform;
        frmTivvet window(platform.services(config.path()));
        platform.setOwner(&window);
        connect(&window, &frmTivvet::startFinished, &platform.tray, &QtTrayIcon::startDocking);
        window.load();
        window.showAfterLoad();
        QVERIFY(QSignalSpy(&window, &frmTivvet::startFinished).wait(2000) &&
                QTest::qWaitForWindowExposed(&window));
        QCOMPARE(QGuiApplication::platformName(), u"wayland"_s);
        window.findChild<QLineEdit *>(u"txtSeconds"_s)->setText(u"1"_s);
        window.findChild<FlatBttn *>(u"FlatBttnStart"_s)->click();
        // What the client asks of the compositor from now on, as libwayland traces it
        // (WAYLAND_DEBUG=client) on standard error.
        QTemporaryFile trace;
        QVERIFY(trace.open());
        const auto stopTracing = [standardError = dup(STDERR_FILENO)] { dup2(standardError, STDERR_FILENO); };
        dup2(trace.handle(), STDERR_FILENO);
        const auto untraced = qScopeGuard(stopTracing); // also where a check fails
        window.showMinimized();
        const auto notified = [] {
            QFile log(qEnvironmentVariable("XDG_RUNTIME_DIR") + u"/notifications.log"_s);
            return log.open(QIODevice::ReadOnly) &&
                   log.readAll().contains("\"The countdown has run out.\" [\"default\", \"Show\"]");
        };
        QTRY_VERIFY_WITH_TIMEOUT(notified(), 5000);
        stopTracing();
        QVERIFY(trace.seek(0)); // written through its descriptor, which moved on
        const QByteArray asked = trace.readAll();
        const qsizetype minimised = asked.indexOf(".set_minimized()");
        QVERIFY(minimised >= 0 && asked.indexOf(".get_toplevel(", minimised) > 0); // mapped anew
        QVERIFY(window.isVisible());
        QCOMPARE(window.findChild<QLabel *>(u"lblCounter"_s)->text(), u"00:00:00"_s);
    }
};

QTEST_MAIN(TestWayland)
#include "test_wayland.moc"
