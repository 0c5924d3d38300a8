#include "TestWindow.h"
#include "countdown/Countdown.h"
#include "platform/SOTimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>

namespace {
const std::initializer_list<const char *> Entry{"txtHours", "txtMinutes", "txtSeconds"};
const std::initializer_list<const char *> CustomTime{"txtHour3", "txtMinute3", "txtSecond"};

// The time passed, as the test sets it.
struct ManualClock : Clock {
    QDateTime now() const override { return {}; }
    qint64 nsecsPassed() const override { return passed; }
    qint64 nsecsAsleep() const override { return 0; }
    qint64 passed = 0;
};
} // namespace

// The countdown's entry, its buttons, its tick with expiry and notify times, and the custom
// notify time's settings.
class TestCountdown : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void entryShowsTheRemainingTime_data() {
        addRows({
            {"", "entry", "shown"},
            {"90 minutes", ":90:", "01:30:00"},
            {"90 seconds", "::90", "00:01:30"},
            {"99 99 99", "99:99:99", "100:40:39"},
            {"24 hours", "24::", "24:00:00"},
            {"two characters", "::123", "00:00:12"},
            {"readings", "a5:5a:.5", "00:05:00"},
            {"negative part", "1:-9:", "00:51:00"},
            {"negative total", "::-5", "00:00:00"},
        });
    }

    void entryShowsTheRemainingTime() {
        w->typeParts(Entry, column("entry"));
        QTEST(w->text("lblCounter"), "shown");
        auto *display = w->find<QLabel>("lblCounter"); // whole, at a smaller size if need be
        QVERIFY(QFontMetrics(display->font()).horizontalAdvance(display->text()) <=
                display->contentsRect().width());
    }

    void startPauseAndReset() {
        QCOMPARE(w->window->countdown().findChild<SOTimer *>()->interval(), 1000);
        QVERIFY(!running() && resetEnabled());
        w->typeParts(Entry, u"1:2:3"_s);
        w->click("FlatBttnStart");
        QVERIFY(running() && !resetEnabled() && w->platform.inhibited);
        w->click("FlatBttnReset"); // ignored while running
        QCOMPARE(w->texts(Entry), u"1:2:3"_s);
        w->click("FlatBttnPause");
        QVERIFY(!running() && resetEnabled() && !w->platform.inhibited);
        QCOMPARE(w->text("lblCounter"), u"01:02:03"_s);
        w->click("FlatBttnReset");
        QCOMPARE(w->texts(Entry) + w->text("lblCounter"), u"::00:00:00"_s);
        QCOMPARE(w->window->focusWidget(), w->find("txtHours"));
        w->click("FlatBttnStart"); // nothing entered: runs with nothing to count
        QCOMPARE(alertingTicks(3), QString());
        QVERIFY(running() && !resetEnabled() && !w->platform.inhibited); // the computer may sleep
        w->typeParts(Entry, u"::10"_s); // counts from the new entry at the next tick
        QVERIFY(w->platform.inhibited);
        alertingTicks(3);
        QCOMPARE(w->text("lblCounter"), u"00:00:07"_s);
        w->type("txtSeconds", u"20"_s);
        alertingTicks(1);
        QCOMPARE(w->text("lblCounter"), u"00:00:19"_s);
    }

    // Each row: the entry, the notify boxes checked, the custom notify time typed after "activate",
    // how many ticks run and the ticks that alert.
    void ticksAlertAtExpiryAndNotifyTimes_data() {
        addRows({
            {"", "entry", "checked", "custom", "ticks", "alerting"},
            {"3 s", "0:0:3", "", "00:00:00", "5", "3"},
            {"5 minutes once", "0:5:2", "Check5", "00:00:00", "303", "2 302"},
            {"60 minutes not at the start", "1:0:0", "Check60", "00:00:00", "3600", "3600"},
            {"60 minutes beyond a day", "25:0:0", "Check60", "00:00:00", "90001", "86400 90000"},
            {"all four", "1:0:5", "Check60 Check30 Check15 Check5", "00:00:00", "3605",
             "5 1805 2705 3305 3605"},
            {"30 and 15", "0:30:1", "Check30 Check15", "00:00:00", "1801", "1 901 1801"},
            {"custom", "0:0:15", "Check2", "00:00:10", "15", "5 15"},
            {"custom not active", "0:0:15", "", "00:00:10", "15", "15"},
            {"custom unreadable", "0:0:15", "Check2", "00:75:10", "15", "15"},
            {"custom set to zero", "0:0:2", "Check2", "00:00:00", "2", "2 2"},
        });
    }

    void ticksAlertAtExpiryAndNotifyTimes() {
        for (const char *box :
             {"Check60", "Check30", "Check15", "Check5"}) // each says the time it stands for
            QCOMPARE(w->find<QAbstractButton>(box)->text(), QLatin1StringView(box).sliced(5) + u" minutes"_s);
        w->type("txtWav", u"/home/u/timer.wav"_s);
        w->type("txtMinute3", u"10"_s); // a readable time, so that "activate" takes
        for (const QString &box : column("checked").split(u' ', Qt::SkipEmptyParts))
            w->click(qPrintable(box));
        w->typeParts(CustomTime, column("custom"));
        w->typeParts(Entry, column("entry"));
        w->click("FlatBttnStart");
        w->platform.takeLog();
        QTEST(alertingTicks(column("ticks").toInt()), "alerting");
    }

    // A notify time and the expiry each play the sound, bring the window back and tell the desktop.
    void expiryStopsAndBringsTheWindowBack() {
        w->typeParts(CustomTime, u"0:0:2"_s);
        w->click("Check2");
        w->typeParts(Entry, u"::3"_s);
        w->click("FlatBttnStart");
        const auto tick = [this] {
            w->window->hide();
            w->window->countdown().tick();
            return w->platform.takeLog().join(u',') + (w->window->isVisible() ? u" shown"_s : u" hidden"_s);
        };
        // Without a sound, the notification says why: known at once, or only later.
        w->platform.onPlay = [this] { w->platform.soundFails(SoundPlayer::Failure::NoDevice); };
        QCOMPARE(tick(), u"sound ,notify countdown |The countdown has 00:00:02 left.\nNo sound could be "
                         u"played: no sound device shown"_s);
        w->platform.onPlay = nullptr;
        QCOMPARE(tick(), u" hidden"_s);
        QCOMPARE(tick(), u"sound ,notify countdown urgent|The countdown has run out. shown"_s);
        w->platform.soundFails(SoundPlayer::Failure::NoServer);
        QCOMPARE(w->platform.takeLog(), QStringList(u"notify countdown urgent|The countdown has run out.\nNo "
                                                    u"sound could be played: no sound server answered"_s));
        for (int clicks = 2; clicks > 0; --clicks) // seen: its notification is withdrawn, once, and a
            QTest::mouseClick(w->find("lblCounter"), Qt::LeftButton); // sound still waiting dropped
        QCOMPARE(w->platform.takeLog(), QStringList{u"withdraw countdown"_s});
        QVERIFY(!w->platform.soundFails);
        QVERIFY(!running() && resetEnabled() && !w->platform.inhibited);
        w->click("FlatBttnStart"); // the fields still hold the entry, but there is nothing to count
        QCOMPARE(tick(), u" hidden"_s);
        QCOMPARE(w->texts(Entry) + w->text("lblCounter"), u"::300:00:00"_s);
    }

    // Each row: the entry and notify boxes, a sleep of the computer (or the program held up) right
    // after Start (or after Start and Pause), then what the first tick after the wake shows and
    // tells: the count catches up at once, the latest notify time passed alerts once, and an expiry
    // passed expires once.
    void countsTheTimeAsleep_data() {
        addRows({
            {"", "entry", "checked", "paused", "asleep", "shown", "told"},
            {"ran out asleep", "0:10:0", "Check5", "", "900", "00:00:00",
             "sound |notify countdown urgent|The countdown ran out at 9:10 am."},
            {"passed a notify time", "0:10:0", "Check5", "", "480", "00:01:59",
             "sound |notify countdown |The countdown has 00:05:00 left."},
            {"passed two, the latest alerts", "0:20:0", "Check15 Check5", "", "960", "00:03:59",
             "sound |notify countdown |The countdown has 00:05:00 left."},
            {"passed none", "0:10:0", "Check5", "", "120", "00:07:59", ""},
            {"held up past two", "0:30:10", "Check30 Check15 Check5", "", "held up 1208", "00:10:01",
             "sound |notify countdown |The countdown has 00:15:00 left."},
            {"paused", "0:10:0", "Check5", "yes", "900", "00:10:00", ""},
        });
    }

    void countsTheTimeAsleep() {
        w->platform.setTime(QTime(9, 0, 30));
        for (const QString &box : column("checked").split(u' ', Qt::SkipEmptyParts))
            w->click(qPrintable(box));
        w->typeParts(Entry, column("entry"));
        w->click("FlatBttnStart");
        const bool paused = !column("paused").isEmpty();
        if (paused)
            w->click("FlatBttnPause");
        const QString asleep = column("asleep");
        w->platform.sleepFor(asleep.split(u' ').last().toInt(), !asleep.startsWith(u"held up"_s));
        QTRY_COMPARE(w->text("lblCounter"), column("shown"));
        QTEST(w->platform.takeLog().join(u'|'), "told");
        if (paused) { // the time asleep did not count: the next tick is one second on
            w->click("FlatBttnStart");
            QTRY_COMPARE(w->text("lblCounter"), u"00:09:59"_s);
            QCOMPARE(w->platform.takeLog(), QStringList());
        }
    }

    // On a clock of the test's own: ticks are due at whole intervals, and one tick reports the
    // intervals missed; a pause keeps the part of the interval already run, a rewind forgets it.
    void tickSourceKeepsTheSecondAcrossPause() {
        ManualClock clock;
        SOTimer timer(clock, nullptr);
        timer.setInterval(100);
        QSignalSpy ticks(&timer, &SOTimer::Timer);
        const auto intervalsAt = [&](int milliseconds) {
            clock.passed = milliseconds * 1'000'000LL;
            return ticks.wait() ? ticks.takeFirst().at(0).toInt() : 0;
        };
        timer.setEnabled(true);
        QCOMPARE(intervalsAt(100), 1);
        clock.passed = 150'000'000; // half an interval run
        timer.setEnabled(false);
        clock.passed = 1000'000'000;
        timer.setEnabled(true);
        QCOMPARE(intervalsAt(1250), 3); // due at 1050, 1150 and 1250
        clock.passed = 1300'000'000;
        timer.setEnabled(false);
        timer.rewind();
        timer.setEnabled(true);
        QCOMPARE(intervalsAt(1450), 1); // due at 1400 only
        timer.setEnabled(false);
        // A new entry while stopped starts the count on a whole second, not on the rest of the last.
        w->typeParts(Entry, u"::5"_s);
        w->click("FlatBttnStart");
        QTest::qWait(500);
        w->click("FlatBttnPause");
        w->typeParts(Entry, u"::9"_s);
        QElapsedTimer started;
        started.start();
        w->click("FlatBttnStart");
        QTRY_COMPARE_WITH_TIMEOUT(w->text("lblCounter"), u"00:00:08"_s, 2000);
        QVERIFY2(started.elapsed() >= 950, qPrintable(QString::number(started.elapsed())));
    }

private:
    // The ticks, counted from 1, at which the timer's sound started; one alerting twice is listed twice.
    QString alertingTicks(int ticks) const {
        QStringList alerting;
        for (int tick = 1; tick <= ticks; ++tick) {
            w->window->countdown().tick();
            for (const QString &entry : w->platform.takeLog())
                if (entry.startsWith(u"sound /home/u/timer.wav"_s))
                    alerting << QString::number(tick);
        }
        return alerting.join(u' ');
    }
    bool running() const { return w->window->countdown().isRunning(); }
    bool resetEnabled() const { return w->find("FlatBttnReset")->isEnabled(); }
};

QTEST_MAIN(TestCountdown)
#include "test_countdown.moc"
