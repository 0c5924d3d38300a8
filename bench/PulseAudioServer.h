#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// A private PulseAudio server with one null sink "t", whose monitor can be recorded. It lives in
// its own runtime folder and is stopped by its process id.
class PulseAudioServer {
public:
    ~PulseAudioServer() { stop(); }

    QString runtimeDir() const { return m_runtime.path(); }
    QString socket() const { return m_runtime.filePath(QStringLiteral("pulse/native")); }
    QProcessEnvironment environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        environment.insert(QStringLiteral("HOME"), runtimeDir());
        return environment;
    }

    bool start() {
        const QStringList arguments{QStringLiteral("-D"), QStringLiteral("--exit-idle-time=-1"),
                                    QStringLiteral("-n"),
                                    QStringLiteral("--load=module-null-sink sink_name=t"),
                                    QStringLiteral("--load=module-native-protocol-unix")};
        QProcess daemon;
        daemon.setProcessEnvironment(environment());
        daemon.start(QStringLiteral("pulseaudio"), arguments);
        return daemon.waitForFinished(10000) && daemon.exitCode() == 0 &&
               QTest::qWaitFor([this] { return QFile::exists(socket()); }, 10000);
    }

    void stop() {
        QFile pidFile(m_runtime.filePath(QStringLiteral("pulse/pid")));
        const pid_t pid = pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toInt() : 0;
        if (pid <= 0 || ::kill(pid, SIGTERM) != 0)
            return;
        if (!QTest::qWaitFor([pid] { return ::kill(pid, 0) != 0; }, 10000))
            ::kill(pid, SIGKILL);
        QFile::remove(socket());
        pidFile.remove();
    }

private:
    QTemporaryDir m_runtime;
};
