#include "Rows.h"
#include "alarms/Alarm.h"
#include "alerts/AlertOptions.h"
#include "alerts/Alerts.h"
#include "countdown/Countdown.h"
#include "platform/Clock.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// The clock as the test sets it, and every alert asked for, in one log.
struct Log : Clock, Alerts {
    QDateTime now() const override { return {QDate(2026, 12, 5), QTime(9, 0)}; }
    qint64 nsecsPassed() const override { return 0; }
    qint64 nsecsAsleep() const override { return 0; }
    void playSound(const QString &source, const QString &) override { entries << u"sound "_s + source; }
    void restoreWindow() override {}
    void notify(const QString &, const QString &body, bool) override { entries << body; }
    void showMessage(const QString &, const QString &) override {}
    void runProgram(const QString &) override {}
    bool isLeaving() const override { return false; }
    QStringList entries;
};

} // namespace

// The timers' rules without a window: these link Qt Core alone.
class TestModels : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Taken while on, a time that cannot be read switches the alarm off and says so; an hour of the
    // 24-hour clock is taken as the 12-hour one.
    void anAlarmTakesItsFields_data() {
        addRows({
            {"", "field", "text", "after"},
            {"13 is 01 pm", "0", "13", "on 01:30pm"},
            {"0 is 12 am", "0", "0", "on 12:30am"},
            {"a minute emptied", "1", "", "off, told"},
            {"no marker", "2", "", "off, told"},
        });
    }
    void anAlarmTakesItsFields() {
        Log log;
        AlertOptions options;
        Alarm alarm(u"Alarm I"_s, options, log, log);
        QStringList told;
        connect(&alarm, &Alarm::timeUnreadable, this, [&told] { told << u"told"_s; });
        alarm.switchOn({u"11"_s, u"30"_s, u"pm"_s});
        alarm.take(Alarm::Field(column("field").toInt()), column("text"), false);
        QCOMPARE(QStringList((alarm.isOn() ? u"on "_s + alarm.composedTime() : u"off"_s)) + told,
                 column("after").split(u", "_s));
    }

    // An activate stays off while its text is empty, and goes off when the text is emptied.
    void anActivateNeedsItsText() {
        AlertOptions options;
        options.setShowsMessage(true);
        QVERIFY(!options.showsMessage());
        options.setMessage(u"Tea"_s);
        options.setShowsMessage(true);
        QVERIFY(options.showsMessage());
        options.setMessage(QString());
        QVERIFY(!options.showsMessage());
    }

    // Woken after a sleep, of the notify times passed only the latest alerts, and none once it ran out.
    void aCountdownCatchesUpOnce_data() {
        addRows({
            {"", "slept", "told"},
            {"past 30 and 15", "2800", "The countdown has 00:15:00 left."},
            {"past its end", "4000", "The countdown ran out at 8:53 am."},
        });
    }
    void aCountdownCatchesUpOnce() {
        Log log;
        AlertOptions options;
        Countdown countdown(log, options, log);
        countdown.setNotifyBefore(30, true);
        countdown.setNotifyBefore(15, true);
        countdown.setEntered(1, 0, 0);
        countdown.start();
        countdown.tick(column("slept").toInt());
        QCOMPARE(log.entries, QStringList({u"sound countdown"_s, column("told")}));
    }
};

QTEST_GUILESS_MAIN(TestModels)
#include "test_models.moc"
