#pragma once

#include "controls/ColourDialog.h"
#include "controls/FileDialog.h"
#include "controls/MessageBox.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "platform/PlatformServices.h"
#include "platform/ProgramLauncher.h"
#include "platform/SleepInhibitor.h"
#include "platform/TrayIcon.h"
#include "sound/SoundPlayer.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <utility>

class FakeTray : public TrayIcon {
public:
    bool isAvailable() const override { return available; }
    void add(const QIcon &, const QString &tip, QMenu *menu) override {
        shownTip = tip;
        this->menu = menu;
    }
    void setTip(const QString &tip) override { shownTip = tip; }
    bool isTipShown() const override { return false; }
    void remove() override { shownTip.clear(); }

    bool available = true;
    QString shownTip; // empty while no icon is shown
    QMenu *menu = nullptr;
};

// Every platform service as a fake that writes what it was asked into one log, so that tests can
// check the order of actions across services, and answers as the test told it to; and a private
// configuration folder of real files.
struct FakePlatform : SoundPlayer,
                      MessageBox,
                      ProgramLauncher,
                      Clock,
                      FileDialog,
                      ColourDialog,
                      Notifier,
                      SleepInhibitor {
    bool play(const QString &path, How how, Failed failed) override {
        log << QStringLiteral("sound ") + (how.afterPlaying ? QStringLiteral("after ") : QString()) +
                   (how.repeat ? QStringLiteral("repeated ") : QString()) +
                   (how.orDefault ? QString() : QStringLiteral("only ")) + path;
        soundFails = std::move(failed);
        if (onPlay)
            onPlay();
        return soundPlays;
    }
    void stop() override {
        soundFails = nullptr;
        ++soundStops;
    }
    void show(const QString &title, const QString &text) override {
        if (onShow)
            onShow();
        log << QStringLiteral("box ") + title + u'|' + text;
    }
    bool showUnasked(const QString &title, const QString &text, const QString &otherButton,
                     const QString &source) override {
        ++unaskedBoxes;
        openBox = source;
        show(title, text);
        openBox.clear();
        return !otherButton.isEmpty() && (otherButton == pressed || std::exchange(pressedFromOutside, false));
    }
    bool pressOther(const QString &source) override {
        pressedFromOutside = !source.isEmpty() && source == openBox;
        return pressedFromOutside;
    }
    bool startDetached(const QString &program, const QStringList &arguments) override {
        log << (QStringList{QStringLiteral("start"), program} + arguments).join(u'|');
        return programStarts;
    }
    QString homeFolder() const override { return QStringLiteral("/home/u"); }
    void notify(const QString &source, const QString &body, bool urgent, bool offersSnooze) override {
        log << QStringLiteral("notify %1 %2%3|%4")
                   .arg(source, urgent ? QStringLiteral("urgent") : QString(),
                        offersSnooze ? QStringLiteral(" snooze") : QString(), body);
    }
    void withdraw(const QString &source) override { log << QStringLiteral("withdraw ") + source; }
    void setInhibited(bool on) override { inhibited = on; }
    QDateTime now() const override { return current; }
    void setTime(const QTime &time) { current = QDateTime(QDate(2026, 12, 5), time); }
    // Awake, the time passed is the monotonic clock's.
    qint64 nsecsPassed() const override { return awake.nsecsElapsed() + asleepNsecs + heldUpNsecs; }
    qint64 nsecsAsleep() const override { return asleepNsecs; }
    // A sleep of the computer as the program sees it at the wake: the wall clock and the time
    // passed jump, the monotonic clock does not, and the kernel tells of a clock change. Not
    // asleep, the program was held up and the monotonic clock went on.
    void sleepFor(int seconds, bool asleep = true) {
        (asleep ? asleepNsecs : heldUpNsecs) += seconds * 1'000'000'000LL;
        current = current.addSecs(seconds);
        Q_EMIT minuteChanged();
    }
    // An empty name is a Cancel.
    QString getOpenFileName(const QString &title, const QString &filter) override {
        log << QStringLiteral("browse ") + title + u'|' + filter;
        return nextFileName;
    }
    // Nothing is a Cancel.
    std::optional<ColourValue> choose(QWidget *, CustomColours &) override { return nextColour; }

    PlatformServices services() {
        return {*this,      *boxes, *this, *this, *this, *this, tray, *this, *this, configFolder.path(),
                programPath};
    }
    QStringList takeLog() { return std::exchange(log, {}); }

    QStringList log;
    bool soundPlays = true;
    Failed soundFails; // the last sound's, for a test to tell it failed later
    bool inhibited = false;
    bool programStarts = true;
    int unaskedBoxes = 0; // of those logged as "box"
    QString pressed;      // on an unasked box, in place of OK
    QString openBox;      // whose unasked box is open
    bool pressedFromOutside = false;
    int soundStops = 0;
    std::function<void()> onPlay, onShow;
    QDateTime current{QDate(2026, 12, 5), QTime(9, 0)};
    QElapsedTimer awake = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    qint64 asleepNsecs = 0, heldUpNsecs = 0;
    QString nextFileName;
    QString programPath = QStringLiteral("/opt/tivvet/bin/tivvet");
    std::optional<ColourValue> nextColour;
    FakeTray tray;
    MessageBox *boxes = this; // or real ones
    QTemporaryDir configFolder;
};
