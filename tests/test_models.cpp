#include "Rows.h"
#include "alarms/Alarm.h"
#include "alarms/AlarmCheck.h"
#include "alerts/AlertOptions.h"
#include "alerts/Alerts.h"
#include "app/TrayTip.h"
#include "core/ClockText.h"
#include "countdown/Countdown.h"
#include "persistence/KeptAlarms.h"
#include "persistence/SettingsStore.h"
#include "platform/Clock.h"
#include "platform/SOTimer.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>

#include <ctime>

using namespace Qt::StringLiterals;

namespace {

// The clock as the test sets it, and every alert asked for, in one log.
struct Log : Clock, Alerts {
    QDateTime now() const override { return current; }
    qint64 nsecsPassed() const override { return passed; }
    qint64 nsecsAsleep() const override { return asleep; }
    void playSound(const QString &, const QString &path, Sound sound) override {
        entries << (sound == Sound::GoingOff ? u"sound going off "_s : u"sound "_s) + path;
    }
    void restoreWindow() override {}
    void notify(const QString &source, const QString &body, bool urgent, bool offersSnooze) override {
        entries << u"notify %1 %2%3|%4"_s.arg(source, urgent ? u"urgent"_s : QString(),
                                              offersSnooze ? u" snooze"_s : QString(), body);
    }
    Answer showMessage(const QString &, const QString &text) override {
        entries << u"box "_s + text;
        return answer;
    }
    void runProgram(const QString &commandLine) override { entries << u"start "_s + commandLine; }
    bool isLeaving() const override { return false; }
    // The wall clock goes on, and the time passed with it: asleep, held up, or not at all when the
    // clock is set by hand.
    void goOn(qint64 seconds, const QString &how) {
        current = current.addSecs(seconds);
        if (how != u"hand"_s)
            passed += seconds * 1'000'000'000;
        if (how == u"sleep"_s)
            asleep += seconds * 1'000'000'000;
    }
    QStringList take() { return std::exchange(entries, {}); }

    QDateTime current{QDate(2026, 12, 5), QTime(9, 0)};
    qint64 passed = 0, asleep = 0;
    QStringList entries;
    Answer answer = Answer::Ok;
};

// Runs the rest of the test in the time zone, and back in the test's own at its end.
[[nodiscard]] auto inZone(const QByteArray &zone) {
    const QByteArray home = qgetenv("TZ");
    const auto set = [](const QByteArray &name) {
        name.isEmpty() ? qunsetenv("TZ") : qputenv("TZ", name);
        tzset();
    };
    if (!zone.isEmpty())
        set(zone);
    return qScopeGuard([set, home] { set(home); });
}

// " 600 900", the times left at which it notifies.
QString notifyTimes(const Countdown &countdown) {
    QString times;
    for (const qint64 time : countdown.notifyTimes())
        times += u' ' + QString::number(time);
    return times;
}

QStringList split(const QString &text) {
    return text.split(u' ', Qt::SkipEmptyParts);
}

// A countdown with its clock and alerts.
struct Rig {
    Log log;
    AlertOptions options;
    Countdown countdown{log, options, log};
    // "h m s"
    void enter(const QString &entry) {
        const QStringList part = split(entry);
        countdown.setEntered(qint16(part[0].toInt()), qint16(part[1].toInt()), qint16(part[2].toInt()));
    }
};

} // namespace

// The timers' rules without a window: these link Qt Core alone.
class TestModels : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void countdownEntry_data() {
        addRows({
            {"", "entry", "left"},
            {"90 minutes", "0 90 0", "01:30:00"},
            {"90 seconds", "0 0 90", "00:01:30"},
            {"24 hours", "24 0 0", "24:00:00"},
            {"negative part", "1 -9 0", "00:51:00"},
            {"negative total", "0 0 -5", "00:00:00"},
        });
    }
    void countdownEntry() {
        Rig rig;
        rig.enter(column("entry"));
        QTEST(rig.countdown.timeLeft().durationText(), "left");
    }

    // Each row: the entry, the notify times on (60, 30, 15, 5 minutes; "custom" at its time), how
    // many ticks run and the ticks that alert.
    void countdownAlertsAtItsEndAndNotifyTimes_data() {
        addRows({
            {"", "entry", "notify", "custom", "ticks", "alerting"},
            {"3 s", "0 0 3", "", "", "5", "3"},
            {"5 minutes once", "0 5 2", "5", "", "303", "2 302"},
            {"60 minutes not at the start", "1 0 0", "60", "", "3600", "3600"},
            {"60 minutes beyond a day", "25 0 0", "60", "", "90001", "86400 90000"},
            {"30 and 15", "0 30 1", "30 15", "", "1801", "1 901 1801"},
            {"custom", "0 0 15", "custom", "10", "15", "5 15"},
            {"custom not on", "0 0 15", "", "10", "15", "15"},
            {"custom unreadable", "0 0 15", "custom", "", "15", "15"},
            {"custom set to zero once on", "0 0 2", "custom", "0", "2", "2 2"},
        });
    }
    void countdownAlertsAtItsEndAndNotifyTimes() {
        Rig rig;
        Countdown &countdown = rig.countdown;
        countdown.setCustomNotifyTime(10); // readable, so that it can be switched on
        for (const QString &notify : split(column("notify")))
            notify == u"custom"_s ? countdown.setCustomNotifyOn(true)
                                  : countdown.setNotifyBefore(notify.toInt(), true);
        const QString custom = column("custom");
        countdown.setCustomNotifyTime(custom.isEmpty() ? std::nullopt : std::optional<int>(custom.toInt()));
        rig.enter(column("entry"));
        countdown.start();
        QStringList alerting;
        for (int tick = 1; tick <= column("ticks").toInt(); ++tick) {
            countdown.tick();
            // one alerting twice is listed twice
            alerting += QStringList(rig.log.take().filter(u"sound"_s).size(), QString::number(tick));
        }
        QTEST(alerting.join(u' '), "alerting");
        QVERIFY(!countdown.isRunning());
    }

    // The first tick after a sleep (or the program held up) catches up at once: the latest notify
    // time passed alerts once, and an end passed ends once, told with the time it came.
    void countdownCatchesUpAfterASleep_data() {
        addRows({
            {"", "entry", "notify", "passed", "left", "told"},
            {"ran out", "0 10 0", "5", "900", "00:00:00",
             "sound going off |notify countdown urgent|The countdown ran out at 9:10 am."},
            {"passed a notify time", "0 10 0", "5", "481", "00:01:59",
             "sound |notify countdown |The countdown has 00:05:00 left."},
            {"passed two, the latest alerts", "0 20 0", "15 5", "961", "00:03:59",
             "sound |notify countdown |The countdown has 00:05:00 left."},
            {"passed none", "0 10 0", "5", "121", "00:07:59", ""},
            {"ran out a second ago", "0 0 5", "", "6", "00:00:00",
             "sound going off |notify countdown urgent|The countdown has run out."},
            {"ran out at a custom zero: the end last", "0 0 5", "custom", "6", "00:00:00",
             "sound |notify countdown |The countdown has 00:00:00 left.|"
             "sound going off |notify countdown urgent|The countdown has run out."},
        });
    }
    void countdownCatchesUpAfterASleep() {
        Rig rig;
        rig.log.current = {QDate(2026, 12, 5), QTime(9, 15, 30)};
        rig.countdown.setCustomNotifyTime(10); // readable, so that it can be switched on
        for (const QString &notify : split(column("notify")))
            notify == u"custom"_s ? rig.countdown.setCustomNotifyOn(true)
                                  : rig.countdown.setNotifyBefore(notify.toInt(), true);
        rig.countdown.setCustomNotifyTime(0);
        rig.enter(column("entry"));
        rig.countdown.start();
        rig.countdown.tick(column("passed").toInt());
        QTEST(rig.countdown.timeLeft().durationText(), "left");
        QTEST(rig.log.take().join(u'|'), "told");
    }

    // Ticks are due at whole intervals of the time passed, and one tick reports the intervals
    // missed; a pause keeps the part of the interval already run, a new entry forgets it.
    void theTickKeepsTheSecondAcrossAPause() {
        Rig rig;
        Log &log = rig.log;
        Countdown &countdown = rig.countdown;
        auto *timer = countdown.findChild<SOTimer *>();
        QCOMPARE(timer->interval(), 1000);
        timer->setInterval(100);
        QSignalSpy ticks(timer, &SOTimer::Timer);
        const auto intervalsAt = [&](int milliseconds) {
            log.passed = milliseconds * 1'000'000LL;
            return ticks.wait() ? ticks.takeFirst().at(0).toInt() : 0;
        };
        countdown.setEntered(1, 0, 0);
        countdown.start();
        QCOMPARE(intervalsAt(100), 1);
        log.passed = 150'000'000; // half an interval run
        countdown.pause();
        log.passed = 1000'000'000;
        countdown.start();
        QCOMPARE(intervalsAt(1250), 3); // due at 1050, 1150 and 1250
        log.passed = 1300'000'000;
        countdown.pause();
        countdown.setEntered(0, 0, 9);
        countdown.start();
        QCOMPARE(intervalsAt(1450), 1); // due at 1400 only
        QCOMPARE(countdown.timeLeft().durationText(), u"00:00:08"_s);
    }

    // Each row switches Alarm II on (its fields as the row's locale shows them) two minutes before
    // "now", a local time of the fixed day or a moment with its UTC offset in the row's zone, then
    // checks it; what its notification tells in the row's locale.
    void anAlarmGoesOffInItsMinute_data() {
        addRows({
            {"", "zone", "time", "now", "told", "locale"},
            {"at the minute", "", "07 30 pm", "19:30:00", "Alarm II at 07:30 pm"},
            {"inside the minute", "", "07 30 pm", "19:30:59", "Alarm II at 07:30 pm"},
            {"a second early", "", "07 30 pm", "19:29:59", ""},
            {"a minute late", "", "07 30 pm", "19:31:00", ""},
            {"in the morning", "", "07 30 pm", "07:30:00", ""},
            {"midnight", "", "12 00 am", "00:00:30", "Alarm II at 12:00 am"},
            {"noon", "", "12 00 pm", "12:00:00", "Alarm II at 12:00 pm"},
            {"German clock", "", "19 30", "19:30:00", "Alarm II at 19:30", "de_DE"},
            {"skipped hour, its day begins", "Europe/Berlin", "02 30 am", "2026-03-29T00:00:30+01:00", ""},
            {"skipped hour, the gap ends", "Europe/Berlin", "02 30 am", "2026-03-29T03:00:20+02:00",
             "Alarm II at 02:30 am: the clocks went forward"},
            {"half-hour gap, before", "Australia/Lord_Howe", "02 15 am", "2026-10-04T01:59:00+10:30", ""},
            {"half-hour gap, its end", "Australia/Lord_Howe", "02 15 am", "2026-10-04T02:30:10+11:00",
             "Alarm II at 02:15 am: the clocks went forward"},
            {"repeated hour, the first", "Europe/Berlin", "02 30 am", "2026-10-25T02:30:10+02:00",
             "Alarm II at 02:30 am"},
            {"repeated hour, on for the second", "Europe/Berlin", "02 30 am", "2026-10-25T02:30:10+01:00",
             "Alarm II at 02:30 am"},
        });
    }
    void anAlarmGoesOffInItsMinute() {
        const auto home = inZone(column("zone").toLatin1());
        Log log;
        log.formats = QLocale(column("locale"));
        const QString nowText = column("now");
        const QDateTime now = nowText.contains(u'T')
                                  ? QDateTime::fromString(nowText, Qt::ISODate).toLocalTime()
                                  : QDateTime(QDate(2026, 12, 5), QTime::fromString(nowText));
        AlertOptions options;
        options.setSoundFile(u"/a.wav"_s);
        Alarm alarm(u"Alarm II"_s, options, log, log);
        log.current = now.addSecs(-120);
        const QStringList time = split(column("time"));
        alarm.switchOn({time[0], time[1], time.value(2)});
        log.current = now;
        AlarmCheck::goOffInTimeOrder({&alarm.check()});
        const QString told = column("told");
        QCOMPARE(log.take(), told.isEmpty() ? QStringList()
                                            : QStringList({u"sound going off /a.wav"_s,
                                                           u"notify Alarm II urgent snooze|"_s + told}));
        QCOMPARE(alarm.isOn(), told.isEmpty());
    }

    // Each row: the alarms on (an empty time is off), then the wall clock goes from one time to the
    // next, by a sleep of the computer, the program held up, or set forward by hand; what they tell.
    void anAlarmMissedGoesOffLate_data() {
        addRows({
            {"", "alarmI", "alarmII", "from", "to", "by", "told"},
            {"its minute inside the sleep", "", "07 30 pm", "19:20", "19:45", "sleep",
             "Alarm II at 07:30 pm, 15 min late: the computer was asleep"},
            {"its minute, a minute asleep", "", "07 30 pm", "19:29", "19:31", "sleep",
             "Alarm II at 07:30 pm, 1 min late: the computer was asleep"},
            {"its minute after the sleep", "", "07 50 pm", "19:20", "19:45", "sleep", ""},
            {"its minute before the sleep", "", "07 10 pm", "19:20", "19:45", "sleep", ""},
            {"both, in time order", "07 40 pm", "07 30 pm", "19:20", "19:45", "sleep",
             "Alarm II at 07:30 pm, 15 min late: the computer was asleep|"
             "Alarm I at 07:40 pm, 5 min late: the computer was asleep"},
            {"overnight", "09 10 pm", "", "21:00", "07:00", "sleep",
             "Alarm I at 09:10 pm, 9 h 50 min late: the computer was asleep"},
            {"clock set forward", "", "07 30 pm", "19:20", "19:45", "hand", ""},
            {"held up", "", "07 30 pm", "19:29", "19:31", "held up", "Alarm II at 07:30 pm, 1 min late"},
        });
    }
    void anAlarmMissedGoesOffLate() {
        Log log;
        const QTime from = QTime::fromString(column("from"));
        log.current = {QDate(2026, 12, 5), from};
        AlertOptions options;
        Alarm alarmI(u"Alarm I"_s, options, log, log), alarmII(u"Alarm II"_s, options, log, log);
        for (const auto &[alarm, time] :
             {std::pair{&alarmI, column("alarmI")}, std::pair{&alarmII, column("alarmII")}})
            if (const QStringList parts = split(time); !parts.isEmpty())
                alarm->switchOn({parts[0], parts[1], parts[2]});
        log.goOn((from.secsTo(QTime::fromString(column("to"))) + 86400) % 86400, column("by"));
        AlarmCheck::goOffInTimeOrder({&alarmI.check(), &alarmII.check()});
        QTEST(log.take()
                  .filter(u"notify"_s)
                  .join(u'|')
                  .remove(QRegularExpression(u"notify Alarm I+ urgent snooze\\|"_s)),
              "told");
    }

    // Taken while on, a time that cannot be read switches the alarm off and says so; an hour of the
    // 24-hour clock is taken as the 12-hour one; a time taken for the present minute goes off at
    // once, but not while the keyboard stays in the alarm's fields.
    void anAlarmTakesItsFields_data() {
        addRows({
            {"", "field", "text", "stays", "after"},
            {"13 is 01 pm", "0", "13", "", "on 01:30pm"},
            {"0 is 12 am", "0", "0", "", "on 12:30am"},
            {"a minute emptied", "1", "", "", "off, told"},
            {"no marker", "2", "", "", "off, told"},
            {"the present minute", "0", "09", "", "off, rang"},
            {"the present minute, still typed", "0", "09", "yes", "on 09:30pm"},
        });
    }
    void anAlarmTakesItsFields() {
        Log log;
        log.current = {QDate(2026, 12, 5), QTime(21, 30, 10)};
        AlertOptions options;
        Alarm alarm(u"Alarm I"_s, options, log, log);
        QStringList told;
        connect(&alarm, &Alarm::timeUnreadable, this, [&told] { told << u"told"_s; });
        alarm.switchOn({u"11"_s, u"30"_s, u"pm"_s});
        alarm.take(Alarm::Field(column("field").toInt()), column("text"), !column("stays").isEmpty());
        if (!log.take().isEmpty())
            told << u"rang"_s;
        QCOMPARE(QStringList((alarm.isOn() ? u"on "_s + alarm.composedTime() : u"off"_s)) + told,
                 column("after").split(u", "_s));
    }

    // Each row: Alarm I switched on for its fields as the clock's locale shows them, snoozed, then an
    // hour taken; what its hour and am/pm show, the second it is due, whether it is still snoozed.
    // On the 24-hour clock every hour is one of it and the am/pm shows nothing; elsewhere, English
    // too, an hour of 01 to 12 keeps its marker.
    void anAlarmTakesTheHoursOfTheLocale_data() {
        addRows({
            {"", "locale", "set", "hour", "after"},
            {"13 stays 13", "de_DE", "23|30|", "13", "13||13:30:00"},
            {"05 in the morning", "de_DE", "23|30|", "05", "05||05:30:00"},
            {"12 at noon", "de_DE", "00|30|", "12", "12||12:30:00"},
            {"0 at midnight", "de_DE", "23|30|", "0", "00||00:30:00"},
            {"the same hour, still snoozed", "de_DE", "23|30|", "23", "23||23:30:00|snoozed"},
            {"English", "en_GB", "11|30|pm", "05", "05|pm|17:30:00"},
            {"Korean", "ko_KR", "11|30|pm", "05", "05|pm|17:30:00"},
        });
    }
    void anAlarmTakesTheHoursOfTheLocale() {
        Log log;
        log.formats = QLocale(column("locale"));
        AlertOptions options;
        Alarm alarm(u"Alarm I"_s, options, log, log);
        const QStringList set = column("set").split(u'|');
        alarm.switchOn({set[0], set[1], set[2]});
        alarm.snoozeUntil(log.current.addSecs(600));
        alarm.take(Alarm::Field::Hour, column("hour"), false);
        QStringList after{alarm.shown(Alarm::Field::Hour), alarm.shown(Alarm::Field::AmPm),
                          ClockText::hhmmss(alarm.time().value())};
        if (alarm.snoozedUntil())
            after << u"snoozed"_s;
        QTEST(after.join(u'|'), "after");
    }

    // Snoozed, an alarm is on and goes off at the start of the minute ten minutes on, counted on the
    // time that passes: found by the minute's check, after a sleep, in the right one of the hours
    // the clocks repeat. Switched off or given a new time, it is no longer snoozed.
    void aSnoozeGoesOffTenMinutesOn_data() {
        addRows({
            {"", "zone", "snoozed", "change", "then", "told"},
            {"its minute", "", "07:03:40", "", "560", "Alarm I at 07:00 am, snoozed"},
            {"a second before", "", "07:03:40", "", "559", ""},
            {"asleep across it", "", "07:03:40", "", "5000 sleep", "Alarm I at 07:00 am, snoozed"},
            {"the repeated hour, the first", "Europe/Berlin", "2026-10-25T02:55:00+02:00", "", "599", ""},
            {"the repeated hour, the second", "Europe/Berlin", "2026-10-25T02:55:00+02:00", "", "600",
             "Alarm I at 07:00 am, snoozed"},
            {"switched off", "", "07:03:40", "off", "560", ""},
            {"a new time", "", "07:03:40", "minute 30", "560", ""},
            {"its own time taken again", "", "07:03:40", "minute 00", "560", "Alarm I at 07:00 am, snoozed"},
        });
    }
    void aSnoozeGoesOffTenMinutesOn() {
        const auto home = inZone(column("zone").toLatin1());
        Log log;
        const QString snoozed = column("snoozed");
        log.current = snoozed.contains(u'T') ? QDateTime::fromString(snoozed, Qt::ISODate).toLocalTime()
                                             : QDateTime(QDate(2026, 12, 5), QTime::fromString(snoozed));
        AlertOptions options;
        Alarm alarm(u"Alarm I"_s, options, log, log);
        alarm.switchOn({u"07"_s, u"00"_s, u"am"_s});
        alarm.check().snooze();
        QVERIFY(alarm.isOn());
        const QStringList change = split(column("change"));
        if (change.value(0) == u"off"_s)
            alarm.switchOff();
        if (change.value(0) == u"minute"_s)
            alarm.take(Alarm::Field::Minute, change[1], false);
        const QStringList then = split(column("then"));
        log.goOn(then[0].toInt(), then.value(1));
        AlarmCheck::goOffInTimeOrder({&alarm.check()});
        QTEST(log.take().filter(u"notify"_s).join(u'|').remove(u"notify Alarm I urgent snooze|"_s), "told");
    }

    // Each row: whether the alarms are kept; Alarm I at the end, with its program activated: its
    // time and the moment it was switched on, or off, or a record not the program's own; the
    // next start's time; what the start tells, and how it leaves the alarm and the countdown's
    // notify times (15 minutes and a custom 00:10:00 at the end).
    void keptAlarmsAtTheNextStart_data() {
        addRows({
            {"", "keep", "atTheEnd", "start", "told", "after"},
            {"on, not yet due", "yes", "07:00am 2026-12-04T22:00", "2026-12-05T06:59", "",
             "07:00am on program 600 900"},
            {"missed", "yes", "07:00am 2026-12-04T22:00", "2026-12-05T07:25",
             "sound going off |notify Alarm I urgent snooze|Alarm I at 07:00 am, 25 min late: Tivvet was not "
             "running|start /bin/tea",
             "07:00am off program 600 900"},
            {"12 hours late", "yes", "07:00am 2026-12-04T22:00", "2026-12-05T19:00",
             "sound going off |notify Alarm I urgent snooze|Alarm I at 07:00 am, 12 h 0 min late: Tivvet was "
             "not "
             "running|start /bin/tea",
             "07:00am off program 600 900"},
            {"more than 12 hours late", "yes", "07:00am 2026-12-04T22:00", "2026-12-05T19:01",
             "notify Alarm I urgent|Alarm I at 07:00 am was missed: Tivvet was not running; it is off now",
             "07:00am off program 600 900"},
            {"switched on after its time", "yes", "07:00am 2026-12-05T07:10", "2026-12-05T07:30", "",
             "07:00am on program 600 900"},
            {"off", "yes", "07:30pm off", "2026-12-05T19:30", "", "07:30pm off program 600 900"},
            {"not its own", "yes", "Time=86400", "2026-12-05T07:30", "", "12:00am off program 600 900"},
            {"not kept, on", "", "07:00am 2026-12-04T22:00", "2026-12-05T06:00",
             "notify Alarm I |Alarm I was on for 07:00 am when Tivvet ended; it is off now", "12:00am off"},
            {"not kept, off", "", "07:00am off", "2026-12-05T06:00", "", "12:00am off"},
        });
    }
    void keptAlarmsAtTheNextStart() {
        const QTemporaryDir config;
        SettingsStore settings(config.path());
        const QStringList atTheEnd = split(column("atTheEnd"));
        Log log;
        const auto alarmWithProgram = [&log](AlertOptions &options) {
            options.setProgram(u"/bin/tea"_s);
            return std::make_unique<Alarm>(u"Alarm I"_s, options, log, log);
        };
        AlertOptions endOptions;
        const std::unique_ptr<Alarm> ended = alarmWithProgram(endOptions);
        endOptions.setStartsProgram(true);
        const QString time = atTheEnd[0];
        const std::array<QString, 3> fields{time.left(2), time.mid(3, 2), time.right(2)};
        if (atTheEnd.value(1) == u"off"_s)
            for (const Alarm::Field field : {Alarm::Field::Hour, Alarm::Field::Minute, Alarm::Field::AmPm})
                ended->take(field, fields[std::size_t(field)], false);
        else if (!time.contains(u'=')) {
            log.current = QDateTime::fromString(atTheEnd[1], Qt::ISODate);
            ended->switchOn(fields);
        }
        AlertOptions timerOptions;
        Countdown endCountdown(log, timerOptions, log);
        endCountdown.setNotifyBefore(15, true);
        endCountdown.setCustomNotifyTime(600);
        endCountdown.setCustomNotifyOn(true);
        KeptAlarms(settings, log, log, {{ended.get(), &endOptions}}, endCountdown).save();
        if (time.contains(u'='))
            settings.write(u"Alarm1Settings"_s, time.section(u'=', 0, 0), time.section(u'=', 1));

        log.current = QDateTime::fromString(column("start"), Qt::ISODate);
        log.take();
        AlertOptions options;
        const std::unique_ptr<Alarm> alarm = alarmWithProgram(options);
        Countdown countdown(log, timerOptions, log);
        KeptAlarms kept(settings, log, log, {{alarm.get(), &options}}, countdown);
        kept.load(column("keep") == u"yes"_s);
        kept.startFinished();
        QCoreApplication::processEvents();
        QTEST(log.take().join(u'|'), "told");
        QTEST(alarm->composedTime() + (alarm->isOn() ? u" on"_s : u" off"_s) +
                  (options.startsProgram() ? u" program"_s : QString()) + notifyTimes(countdown),
              "after");
    }

    // Each row: the countdown's entry, and whether it runs; Alarm I's time, on and maybe snoozed.
    void theTrayTipTellsWhatRuns_data() {
        addRows({
            {"", "countdown", "alarm", "tip"},
            {"nothing", "", "", " Click Right Mouse Button "},
            {"running", "0 4 12 start", "", "00:04:12 left\n Click Right Mouse Button "},
            {"paused", "0 4 12", "", "00:04:12 left\n Click Right Mouse Button "},
            {"an alarm on", "", "07:30pm", " Click Right Mouse Button \nAlarm I 07:30 pm"},
            {"snoozed", "", "07:00am snooze", " Click Right Mouse Button \nAlarm I 07:00 am"},
            {"both", "25 0 0 start", "07:00am",
             "25:00:00 left\n Click Right Mouse Button \nAlarm I 07:00 am"},
        });
    }
    void theTrayTipTellsWhatRuns() {
        Rig rig;
        Alarm alarm(u"Alarm I"_s, rig.options, rig.log, rig.log);
        const TrayTip tip(rig.countdown, {&alarm}, rig.log, [] { return false; });
        const QStringList countdown = split(column("countdown")), set = split(column("alarm"));
        if (!countdown.isEmpty())
            rig.enter(countdown.join(u' '));
        if (countdown.value(3) == u"start"_s)
            rig.countdown.start();
        if (!set.isEmpty())
            alarm.switchOn({set[0].left(2), set[0].mid(3, 2), set[0].right(2)});
        if (set.value(1) == u"snooze"_s)
            alarm.check().snooze();
        QTEST(tip.text(), "tip");
    }

    // The time left changes the tip while it is on the screen; otherwise at whole minutes only.
    void theTrayTipChangesOnceAMinuteUnseen() {
        Rig rig;
        bool shown = false;
        const TrayTip tip(rig.countdown, {}, rig.log, [&shown] { return shown; });
        QSignalSpy changed(&tip, &TrayTip::changed);
        rig.enter(u"0 1 5"_s);
        rig.countdown.start();
        const qsizetype started = changed.size();
        for (int second = 0; second < 6; ++second)
            rig.countdown.tick();
        QCOMPARE(changed.size() - started, 1); // at 00:01:00
        shown = true;
        rig.countdown.tick();
        rig.countdown.tick();
        QCOMPARE(changed.size() - started, 3);
    }

    // Snooze on the box answers it: the program starts then, once. The snoozed going-off brings the
    // sound, the notification and the box again, but not the program.
    void aSnoozedAlarmStartsItsProgramOnce() {
        Log log;
        log.current = {QDate(2026, 12, 5), QTime(7, 0)};
        AlertOptions options;
        options.setMessage(u"Tea"_s);
        options.setShowsMessage(true);
        options.setProgram(u"/bin/tea"_s);
        options.setStartsProgram(true);
        Alarm alarm(u"Alarm I"_s, options, log, log);
        log.answer = Alerts::Answer::Snooze;
        alarm.switchOn({u"07"_s, u"00"_s, u"am"_s});
        const QString told = u"Alarm I at 07:00 am\nTea"_s;
        QCOMPARE(log.take(), QStringList({u"sound going off "_s, u"notify Alarm I urgent snooze|"_s + told,
                                          u"box "_s + told, u"start /bin/tea"_s}));
        QVERIFY(alarm.isOn());
        log.answer = Alerts::Answer::Ok;
        log.goOn(600, u"awake"_s);
        AlarmCheck::goOffInTimeOrder({&alarm.check()});
        const QString snoozed = u"Alarm I at 07:00 am, snoozed\nTea"_s;
        QCOMPARE(log.take(), QStringList({u"sound going off "_s, u"notify Alarm I urgent snooze|"_s + snoozed,
                                          u"box "_s + snoozed}));
        QVERIFY(!alarm.isOn());
    }

    // An activate stays off while its text is empty, and goes off when the text is emptied.
    void anActivateNeedsItsText() {
        AlertOptions options;
        options.setShowsMessage(true);
        options.setStartsProgram(true);
        QVERIFY(!options.showsMessage() && !options.startsProgram());
        options.setMessage(u"Tea"_s);
        options.setProgram(u"/bin/true"_s);
        options.setShowsMessage(true);
        options.setStartsProgram(true);
        QVERIFY(options.showsMessage() && options.startsProgram());
        options.setMessage(QString());
        options.setProgram(QString());
        QVERIFY(!options.showsMessage() && !options.startsProgram());
    }
};

QTEST_GUILESS_MAIN(TestModels)
#include "test_models.moc"
