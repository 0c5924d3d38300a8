#include "platform/SleepInhibitor.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

// Where the desktop has no portal, logind keeps the computer awake while the countdown runs.
class TestInhibitor : public QObject {
    Q_OBJECT

    // What logind lists, as gdbus prints it.
    static QByteArray inhibitors() {
        QProcess gdbus;
        gdbus.start(u"gdbus"_s, {u"call"_s, u"--system"_s, u"--dest"_s, u"org.freedesktop.login1"_s,
                                 u"--object-path"_s, u"/org/freedesktop/login1"_s, u"--method"_s,
                                 u"org.freedesktop.login1.Manager.ListInhibitors"_s});
        gdbus.waitForFinished();
        return gdbus.readAllStandardOutput().trimmed();
    }

private Q_SLOTS:
    void logindWithoutAPortal() {
        DBusSleepInhibitor inhibitor;
        inhibitor.setInhibited(true);
        QTRY_VERIFY(inhibitors().contains("('idle', 'Tivvet', 'Counting down or ringing', 'block'"));
        inhibitor.setInhibited(false);
        // logind ends an inhibition when the last copy of its descriptor closes.
        QTRY_COMPARE(inhibitors(), "(@a(ssssuu) [],)");
    }
};

QTEST_GUILESS_MAIN(TestInhibitor)
#include "test_inhibitor.moc"
