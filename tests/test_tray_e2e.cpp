#include "DesktopSession.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The real program on a real X desktop with a window manager and a notification area, driven by
// real clicks: it minimises into the tray, comes back on a double-click and ends from the menu.
class TestTrayEndToEnd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void minimisesIntoTheTrayAndClosesFromItsMenu();
};

void TestTrayEndToEnd::minimisesIntoTheTrayAndClosesFromItsMenu() {
    DesktopSession desktop;
    QVERIFY(desktop.start());

    QTemporaryDir home;
    QProcessEnvironment environment = desktop.environment();
    environment.insert(u"HOME"_s, home.path());
    environment.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u".config"_s));
    environment.insert(u"XDG_RUNTIME_DIR"_s, home.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    environment.insert(u"SDL_AUDIODRIVER"_s, u"dummy"_s);
    QProcess tivvet;
    tivvet.setProcessEnvironment(environment);
    tivvet.start(QStringLiteral(TIVVET_BINARY), {});

    const QString title = u"The Tivvet  3.0"_s;
    QTRY_COMPARE_WITH_TIMEOUT(desktop.visibleWindows(title).size(), 1, 15000);
    std::optional<QPoint> icon;
    QTRY_VERIFY_WITH_TIMEOUT((icon = desktop.trayIconCentre(u"tivvet"_s)).has_value(), 15000);
    const QString x = QString::number(icon->x());
    const QString y = QString::number(icon->y());

    desktop.run(u"xdotool"_s, {u"windowminimize"_s, desktop.visibleWindows(title).first()});
    QTRY_VERIFY_WITH_TIMEOUT(desktop.visibleWindows(title).isEmpty(), 10000);

    desktop.run(u"xdotool"_s,
                {u"mousemove"_s, x, y, u"click"_s, u"--repeat"_s, u"2"_s, u"--delay"_s, u"80"_s, u"1"_s});
    QTRY_COMPARE_WITH_TIMEOUT(desktop.visibleWindows(title).size(), 1, 10000);

    // The menu's last item is "Close".
    desktop.run(u"xdotool"_s, {u"mousemove"_s, x, y, u"click"_s, u"3"_s});
    QTest::qWait(500);
    desktop.run(u"xdotool"_s, {u"key"_s, u"Up"_s, u"Return"_s});
    QVERIFY(tivvet.waitForFinished(15000));
    QCOMPARE(tivvet.exitStatus(), QProcess::NormalExit);
    QVERIFY2(tivvet.exitCode() == 0, tivvet.readAllStandardError().right(3000).constData());

    const QString config = home.filePath(u".config/Tivvet"_s);
    QSettings ini(config + u"/Tivvet.ini"_s, QSettings::IniFormat);
    QCOMPARE(ini.value(u"ControlSettings/CheckMinValue"_s).toString(), u"0"_s);
    QCOMPARE(ini.value(u"ColorSettings/txtHourForeColor"_s).toString(), u"16766720"_s);
    QCOMPARE(QDir(config + u"/Options"_s).entryList(QDir::Files).size(), 7);
}

QTEST_GUILESS_MAIN(TestTrayEndToEnd)
#include "test_tray_e2e.moc"
