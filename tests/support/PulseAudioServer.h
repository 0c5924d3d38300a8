#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// A private PulseAudio server with one null sink "t", whose monitor can be recorded. It lives in
// its own runtime folder and is stopped by its process id.
class PulseAudioServer {
public:
    PulseAudioServer() {
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        m_environment.insert(QStringLiteral("HOME"), m_runtime.path());
    }
    ~PulseAudioServer() { stop(); }
    PulseAudioServer(const PulseAudioServer &) = delete;
    PulseAudioServer &operator=(const PulseAudioServer &) = delete;

    QString runtimeDir() const { return m_runtime.path(); }
    QString socket() const { return m_runtime.filePath(QStringLiteral("pulse/native")); }
    const QProcessEnvironment &environment() const { return m_environment; }

    bool start() {
        QProcess daemon;
        daemon.setProcessEnvironment(m_environment);
        daemon.start(QStringLiteral("pulseaudio"),
                     {QStringLiteral("-D"), QStringLiteral("--system=false"),
                      QStringLiteral("--exit-idle-time=-1"), QStringLiteral("-n"),
                      QStringLiteral("--load=module-null-sink sink_name=t"),
                      QStringLiteral("--load=module-native-protocol-unix")});
        if (!daemon.waitForFinished(10000) || daemon.exitCode() != 0)
            return false;
        return QTest::qWaitFor([this] { return QFile::exists(socket()); }, 10000);
    }

    void stop() {
        QFile pidFile(m_runtime.filePath(QStringLiteral("pulse/pid")));
        if (!pidFile.open(QIODevice::ReadOnly))
            return;
        const pid_t pid = pidFile.readAll().trimmed().toInt();
        pidFile.close();
        if (pid <= 0 || ::kill(pid, SIGTERM) != 0)
            return;
        if (!QTest::qWaitFor([pid] { return ::kill(pid, 0) != 0; }, 10000))
            ::kill(pid, SIGKILL);
        QFile::remove(socket());
        pidFile.remove();
    }

private:
    QTemporaryDir m_runtime;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
};

// Records the null sink's monitor as raw 32-bit float stereo at 48 kHz into a file.
class MonitorRecorder {
public:
    MonitorRecorder(const PulseAudioServer &server, const QString &file)
        : m_file(file) {
        m_parec.setProcessEnvironment(server.environment());
        m_parec.setStandardOutputFile(file);
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("-d"), QStringLiteral("t.monitor"), QStringLiteral("--raw"),
                       QStringLiteral("--format=float32le"), QStringLiteral("--rate=48000"),
                       QStringLiteral("--channels=2")});
    }
    ~MonitorRecorder() { stop(); }

    // The monitor streams silence as soon as it records: wait for that before playing.
    bool waitUntilStreaming() {
        return QTest::qWaitFor([this] { return QFileInfo(m_file).size() > 0; }, 10000);
    }

    void stop() {
        if (m_parec.state() == QProcess::NotRunning)
            return;
        m_parec.terminate();
        m_parec.waitForFinished(5000);
    }

private:
    QString m_file;
    QProcess m_parec;
};
