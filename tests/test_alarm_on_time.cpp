#include "AlarmTime.h"
#include "FakePlatform.h"
#include "alarms/AlarmClock.h"
#include "app/frmTivvet.h"

#include <QDateTime>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

// The real clock and real timers: an alarm set for the next minute goes off as that minute begins.
class TestAlarmOnTime : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void goesOffAsItsMinuteBegins();
};

void TestAlarmOnTime::goesOffAsItsMinuteBegins() {
    FakePlatform platform;
    SystemClock clock;
    frmTivvet window(platform.servicesWith(clock));
    window.Form_Load();

    const QDateTime nextMinute = AlarmTime::nextMinute();
    AlarmTime::set(*window.alarm1, AlarmTime::secondOfDay(nextMinute));

    qint64 lateBy = -1;
    platform.sound.onPlay = [&] { lateBy = nextMinute.msecsTo(QDateTime::currentDateTime()); };
    window.alarm1->Option1->click();
    QTRY_VERIFY_WITH_TIMEOUT(lateBy >= 0, 65000);
    QVERIFY2(lateBy < 500, qPrintable(QString::number(lateBy)));
}

QTEST_MAIN(TestAlarmOnTime)
#include "test_alarm_on_time.moc"
