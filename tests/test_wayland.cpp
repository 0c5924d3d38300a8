#include "app/frmTivvet.h"
#include "controls/FlatBttn.h"
#include "countdown/CountdownTimer.h"
#include "platform/RealPlatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// On a Wayland compositor, which may refuse to keep a window on top or to raise it, the program
// counts down and its alert reaches the user through the notification.
class TestWayland : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void countsDownAndNotifies() {
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
        const auto notified = [] {
            QFile log(qEnvironmentVariable("XDG_RUNTIME_DIR") + u"/notifications.log"_s);
            return log.open(QIODevice::ReadOnly) &&
                   log.readAll().contains("\"The countdown has run out.\" [\"default\", \"Show\"]");
        };
        QTRY_VERIFY_WITH_TIMEOUT(notified(), 5000);
        QVERIFY(window.isVisible());
        QCOMPARE(window.countdown->lblCounter->text(), u"00:00:00"_s);
    }
};

QTEST_MAIN(TestWayland)
#include "test_wayland.moc"
