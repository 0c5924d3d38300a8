#pragma once

#include "alerts/AlertWindow.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/PlatformServices.h"
#include "platform/ProgramLauncher.h"
#include "platform/SoundPlayer.h"

#include <QStringList>

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

struct FakePlatform {
    QStringList log;
    FakeSoundPlayer sound{log};
    FakeMessageBox messages{log};
    FakeLauncher launcher{log};
    FakeClock clock;

    PlatformServices services() { return {sound, messages, launcher, clock}; }
};
