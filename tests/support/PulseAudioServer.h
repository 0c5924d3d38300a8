#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// A private PulseAudio server with one null sink "t", whose monitor can be recorded, or with no
// sink at all. It lives in its own runtime folder and is stopped by its process id.
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

    bool start(bool withSink = true) {
        QStringList arguments{QStringLiteral("-D"), QStringLiteral("--exit-idle-time=-1"),
                              QStringLiteral("-n")};
        if (withSink)
            arguments << QStringLiteral("--load=module-null-sink sink_name=t");
        arguments << QStringLiteral("--load=module-native-protocol-unix");
        QProcess daemon;
        daemon.setProcessEnvironment(environment());
        daemon.start(QStringLiteral("pulseaudio"), arguments);
        return daemon.waitForFinished(10000) && daemon.exitCode() == 0 &&
               QTest::qWaitFor([this] { return QFile::exists(socket()); }, 10000);
    }

    pid_t pid() const {
        QFile pidFile(m_runtime.filePath(QStringLiteral("pulse/pid")));
        return pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toInt() : 0;
    }

    void stop() {
        const pid_t running = pid();
        if (running <= 0 || ::kill(running, SIGTERM) != 0)
            return;
        if (!QTest::qWaitFor([running] { return ::kill(running, 0) != 0; }, 10000))
            ::kill(running, SIGKILL);
        QFile::remove(socket());
        QFile::remove(m_runtime.filePath(QStringLiteral("pulse/pid")));
    }

private:
    QTemporaryDir m_runtime;
};

// Records the null sink's monitor as raw 32-bit float stereo at 48 kHz into a file.
class MonitorRecorder {
public:
    MonitorRecorder(const QProcessEnvironment &server, const QString &file)
        : m_file(file) {
        m_parec.setProcessEnvironment(server);
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
        m_parec.terminate();
        m_parec.waitForFinished(5000);
    }

private:
    QString m_file;
    QProcess m_parec;
};
