#pragma once

#include "platform/Clock.h"
#include "platform/ColourDialog.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/PlatformServices.h"
#include "platform/ProgramLauncher.h"
#include "platform/SoundPlayer.h"
#include "platform/TrayIcon.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <utility>

// Fakes of the platform services. Each writes what it was asked into one shared log, so that
// tests can check the order of actions across services.

class FakeSoundPlayer : public SoundPlayer {
public:
    explicit FakeSoundPlayer(QStringList &log)
        : m_log(log) {}
    bool play(const QString &path, int flags) override {
        m_log << QStringLiteral("sound %1 %2").arg(flags).arg(path);
        if (onPlay)
            onPlay();
        return nextResult;
    }

    bool nextResult = true;
    std::function<void()> onPlay;

private:
    QStringList &m_log;
};

class FakeMessageBox : public MessageBox {
public:
    explicit FakeMessageBox(QStringList &log)
        : m_log(log) {}
    void show(const QString &title, const QString &text) override {
        if (onShow)
            onShow();
        m_log << QStringLiteral("box ") + title + u'|' + text;
    }

    std::function<void()> onShow;

private:
    QStringList &m_log;
};

class FakeLauncher : public ProgramLauncher {
public:
    explicit FakeLauncher(QStringList &log)
        : m_log(log) {}
    bool startDetached(const QString &program, const QStringList &arguments) override {
        m_log << (QStringList{QStringLiteral("start"), program} + arguments).join(u'|');
        return nextResult;
    }

    bool nextResult = true;

private:
    QStringList &m_log;
};

// A clock that stands still until the test sets it.
class FakeClock : public Clock {
public:
    QDateTime now() const override { return current; }
    void set(const QTime &time) { current = QDateTime(QDate(2026, 12, 5), time); }

    QDateTime current{QDate(2026, 12, 5), QTime(9, 0)};
};

// Answers with the next file name it was given; an empty one is a Cancel.
class FakeFileDialog : public FileDialog {
public:
    explicit FakeFileDialog(QStringList &log)
        : m_log(log) {}
    QString getOpenFileName(const QString &title, const QString &filter) override {
        m_log << QStringLiteral("browse ") + title + u'|' + filter;
        return nextFileName;
    }

    QString nextFileName;

private:
    QStringList &m_log;
};

// Answers with the next colour (nothing: Cancel), after editing the custom colours as a user would.
class FakeColourDialog : public ColourDialog {
public:
    std::optional<ColourValue> choose(QWidget *, CustomColours &customColours) override {
        offered = customColours;
        customColours.fill(0x123456);
        return nextColour;
    }

    std::optional<ColourValue> nextColour;
    CustomColours offered{};
};

class FakeTray : public TrayIcon {
public:
    bool isAvailable() const override { return available; }
    void add(const QIcon &, const QString &tip, QMenu *menu) override {
        shownTip = tip;
        this->menu = menu;
    }
    void remove() override { shownTip.clear(); }

    bool available = true;
    QString shownTip; // empty while no icon is shown
    QMenu *menu = nullptr;
};

// Fakes of every service, and a private configuration folder of real files.
struct FakePlatform {
    QStringList log;
    FakeSoundPlayer sound{log};
    FakeMessageBox messages{log};
    FakeLauncher launcher{log};
    FakeClock clock;
    FakeFileDialog files{log};
    FakeColourDialog colourDialog;
    FakeTray tray;
    QTemporaryDir configFolder;

    PlatformServices services() { return servicesWith(clock); }
    PlatformServices servicesWith(const Clock &otherClock) {
        return {sound, messages, launcher, otherClock, files, colourDialog, tray, configFolder.path()};
    }
    QStringList takeLog() { return std::exchange(log, {}); }
};
