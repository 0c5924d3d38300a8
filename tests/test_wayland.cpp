#include "app/frmTivvet.h"
#include "countdown/CountdownTimer.h"
#include "platform/FlatBttn.h"
#include "platform/RealPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Waits for a file that a process makes when it is ready.
bool appears(const QString &path) {
    for (int wait = 0; wait < 100 && !QFile::exists(path); ++wait)
        QThread::msleep(100);
    return QFile::exists(path);
}

} // namespace

// On a Wayland compositor, which may refuse to keep a window on top or to raise it, the program
// counts down and its alert reaches the user through the notification.
class TestWayland : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void countsDownAndNotifies() {
        QProcess notifications;
        notifications.start(QStringLiteral(DESKTOP_SERVICES), {u"notifications"_s});
        QVERIFY(notifications.waitForReadyRead(10000) && notifications.readLine() == "ready\n");
        QTemporaryDir config;
        RealPlatform platform;
        frmTivvet window(platform.services(config.path()));
        platform.setOwner(&window);
        window.Form_Load();
        window.showAfterLoad();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(QGuiApplication::platformName(), u"wayland"_s);
        window.countdown->txtSeconds->setText(u"1"_s);
        window.countdown->FlatBttnStart->click();
        window.hide();
        QTRY_VERIFY_WITH_TIMEOUT(notifications.canReadLine(), 5000);
        QVERIFY(notifications.readAll().contains("|The Tivvet|The countdown has run out.|default,Show|2|"));
        QVERIFY(window.isVisible());
        QCOMPARE(window.countdown->lblCounter->text(), u"00:00:00"_s);
        notifications.kill();
        notifications.waitForFinished();
    }
};

// The compositor and the session bus are started before the application connects to them.
int main(int argc, char *argv[]) {
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("WAYLAND_DISPLAY", "wayland-tivvet");
    qputenv("QT_QPA_PLATFORM", "wayland");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(runtime.filePath(u"bus"_s)));
    qint64 weston = 0, bus = 0;
    QProcess::startDetached(u"weston"_s, {u"--backend=headless-backend.so"_s, u"--socket=wayland-tivvet"_s},
                            {}, &weston);
    QProcess::startDetached(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--address=unix:path=bus"_s},
                            runtime.path(), &bus);
    int failed = 1;
    if (appears(runtime.filePath(u"wayland-tivvet"_s)) && appears(runtime.filePath(u"bus"_s))) {
        QApplication app(argc, argv);
        TestWayland test;
        failed = QTest::qExec(&test, argc, argv);
    }
    ::kill(pid_t(weston), SIGTERM);
    ::kill(pid_t(bus), SIGTERM);
    return failed;
}

#include "test_wayland.moc"
