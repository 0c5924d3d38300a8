#include "TestWindow.h"
#include "countdown/Countdown.h"

namespace {
const std::initializer_list<const char *> Entry{"txtHours", "txtMinutes", "txtSeconds"};
const std::initializer_list<const char *> CustomTime{"txtHour3", "txtMinute3", "txtSecond"};

} // namespace

// The countdown's view: its entry and display, its buttons, the notify settings, and its alerts on
// the desktop.
class TestCountdown : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void entryShowsTheRemainingTime_data() {
        addRows({
            {"", "entry", "shown"},
            {"99 99 99", "99:99:99", "100:40:39"},
            {"two characters", "::123", "00:00:12"},
            {"readings", "a5:5a:.5", "00:05:00"},
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
        QVERIFY(running() && !resetEnabled() && !w->platform.inhibited); // the computer may sleep
        w->typeParts(Entry, u"::10"_s); // counts from the new entry at the next tick
        QVERIFY(w->platform.inhibited);
        w->window->countdown().tick();
        QCOMPARE(w->text("lblCounter"), u"00:00:09"_s);
    }

    // Each box says the time it stands for, and each sets its notify time.
    void theNotifySettingsSetTheNotifyTimes() {
        for (const char *box : {"Check60", "Check30", "Check15", "Check5"}) {
            QCOMPARE(w->find<QAbstractButton>(box)->text(), QLatin1StringView(box).sliced(5) + u" minutes"_s);
            w->click(box);
        }
        w->click("Check2"); // no custom time yet: it stays off
        w->typeParts(CustomTime, u"0:1:2"_s);
        w->click("Check2");
        QCOMPARE(w->window->countdown().notifyTimes(), QList<qint64>({62, 3600, 1800, 900, 300}));
        w->click("Check30");
        w->click("Check2");
        QCOMPARE(w->window->countdown().notifyTimes(), QList<qint64>({3600, 900, 300}));
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

private:
    bool running() const { return w->window->countdown().isRunning(); }
    bool resetEnabled() const { return w->find("FlatBttnReset")->isEnabled(); }
};

QTEST_MAIN(TestCountdown)
#include "test_countdown.moc"
