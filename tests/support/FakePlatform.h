#pragma once

#include "alerts/AlertWindow.h"
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

// Fakes of the platform services. Each records what it was asked, in its own list and in one
// shared log, so that tests can check the order of actions across services.

struct SoundRequest {
    QString path;
    int flags;
};

class FakeSoundPlayer : public SoundPlayer {
public:
    explicit FakeSoundPlayer(QStringList &log)
        : m_log(log) {}
    bool play(const QString &path, int flags) override {
        requests.append({path, flags});
        m_log << QStringLiteral("sound ") + path;
        if (onPlay)
            onPlay();
        return nextResult;
    }

    QList<SoundRequest> requests;
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
        shown << title + QLatin1Char('|') + text;
        m_log << QStringLiteral("box ") + text;
    }

    QStringList shown;

private:
    QStringList &m_log;
};

class FakeLauncher : public ProgramLauncher {
public:
    explicit FakeLauncher(QStringList &log)
        : m_log(log) {}
    bool startDetached(const QString &program, const QStringList &arguments) override {
        started << QStringList{program} + arguments;
        m_log << QStringLiteral("start ") + program;
        return nextResult;
    }

    QList<QStringList> started;
    bool nextResult = true;

private:
    QStringList &m_log;
};

class FakeAlertWindow : public AlertWindow {
public:
    explicit FakeAlertWindow(QStringList &log)
        : m_log(log) {}
    void restore() override { m_log << QStringLiteral("restore"); }
    void setOnTop(bool onTop) override {
        m_log << (onTop ? QStringLiteral("on top") : QStringLiteral("not on top"));
    }

private:
    QStringList &m_log;
};

// A clock that stands still until the test sets or advances it.
class FakeClock : public Clock {
public:
    QDateTime now() const override { return current; }
    void set(const QTime &time) { current = QDateTime(QDate(2026, 12, 5), time); }
    void advance(int milliseconds) { current = current.addMSecs(milliseconds); }

    QDateTime current{QDate(2026, 12, 5), QTime(9, 0)};
};

// Answers with the next file name it was given, or cancels when that is empty.
class FakeFileDialog : public FileDialog {
public:
    QString getOpenFileName(const QString &title, const QString &filter) override {
        asked << title + QLatin1Char('|') + filter;
        return nextFileName;
    }

    QString nextFileName;
    QStringList asked;
};

// Answers with the next colour it was given (nothing: Cancel), after changing the custom colours
// as a user in the dialog would.
class FakeColourDialog : public ColourDialog {
public:
    std::optional<ColourValue> choose(QWidget *, CustomColours &customColours) override {
        offeredCustom << customColours;
        if (editCustom)
            editCustom(customColours);
        return nextColour;
    }

    std::optional<ColourValue> nextColour;
    std::function<void(CustomColours &)> editCustom;
    QList<CustomColours> offeredCustom;
};

class FakeTray : public TrayIcon {
public:
    bool isAvailable() const override { return available; }
    void add(const QIcon &, const QString &tip, QMenu *menu) override {
        shown = true;
        this->tip = tip;
        this->menu = menu;
    }
    void remove() override { shown = false; }

    bool available = true;
    bool shown = false;
    QString tip;
    QMenu *menu = nullptr;
};

// Fakes of every service, and a private configuration folder of real files.
struct FakePlatform {
    QStringList log;
    FakeSoundPlayer sound{log};
    FakeMessageBox messages{log};
    FakeLauncher launcher{log};
    FakeClock clock;
    FakeFileDialog files;
    FakeColourDialog colourDialog;
    FakeTray tray;
    QTemporaryDir configFolder;

    PlatformServices services() { return servicesWith(clock); }
    PlatformServices servicesWith(const Clock &otherClock) {
        return {sound, messages, launcher, otherClock, files, colourDialog, tray, configFolder.path()};
    }
};
