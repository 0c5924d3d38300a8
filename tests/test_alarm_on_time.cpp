#include "FakePlatform.h"
#include "alarms/AlarmClock.h"
#include "app/frmTivvet.h"
#include "core/ClockText.h"

#include <QDateTime>
#include <QLineEdit>
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

    const QDateTime nextMinute = [] {
        QDateTime now = QDateTime::currentDateTime();
        now.setTime(QTime(now.time().hour(), now.time().minute()));
        return now.addSecs(60);
    }();
    const QString setTime = ClockText::hhnnAmPm(nextMinute.time().msecsSinceStartOfDay() / 1000);
    window.alarm1->txtHour->setText(setTime.first(2));
    window.alarm1->txtMinute->setText(setTime.mid(3, 2));
    window.alarm1->txtAmPm->setText(setTime.last(2));

    qint64 lateBy = -1;
    platform.sound.onPlay = [&] { lateBy = nextMinute.msecsTo(QDateTime::currentDateTime()); };
    window.alarm1->Option1->click();
    QTRY_VERIFY_WITH_TIMEOUT(lateBy >= 0, 65000);
    QVERIFY2(lateBy < 500, qPrintable(QString::number(lateBy)));
}

QTEST_MAIN(TestAlarmOnTime)
#include "test_alarm_on_time.moc"
