#include "sound/SdlSoundPlayer.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <cmath>
#include <csignal>
#include <optional>

#include <sndfile.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
constexpr SoundPlayer::How Test{.orDefault = false};
// Bytes of the monitor's recording: 48 kHz, two channels of 32-bit float.
constexpr qsizetype QuarterSecondOfRecording = 48000 / 4 * 2 * 4;

// A WAV file of 16-bit PCM mono: a tone at 440 Hz, by default at half of full scale.
QByteArray toneWav(double seconds, int rate = 22050, int amplitude = 16000) {
    const auto count = quint32(seconds * rate);
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * count);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * count);
    for (quint32 i = 0; i < count; ++i)
        out << qint16(std::lround(amplitude * std::sin(2 * M_PI * 440.0 * i / rate)));
    return wav;
}

bool write(const QString &path, const QByteArray &content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The largest absolute sample of raw 32-bit float audio, from the given byte on.
double maximumAmplitude(const QString &rawFloat, qsizetype from = 0) {
    QFile file(rawFloat);
    const QByteArray samples = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    float loudest = 0;
    for (qsizetype at = from; at + 4 <= samples.size(); at += 4)
        loudest = std::max(loudest, std::abs(qFromLittleEndian<float>(samples.constData() + at)));
    return loudest;
}

// A tone with a 32-bit field of its header set.
QByteArray toneWith(qsizetype at, quint32 value, double seconds = 0.2) {
    QByteArray wav = toneWav(seconds);
    qToLittleEndian(value, wav.data() + at);
    return wav;
}
} // namespace

// The real player through the private desktop's PulseAudio server, recorded at its null sink's
// monitor; pactl takes the sink away and brings it back, and PULSE_SERVER points the player elsewhere.
class TestAudio : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        idleThreads = threads();
        sockaddr_un address{AF_UNIX, {}};
        QFile::encodeName(folder.filePath(u"hung"_s))
            .toStdString()
            .copy(address.sun_path, sizeof address.sun_path - 1);
        QVERIFY(::bind(hung, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
                ::listen(hung, 4) == 0);
    }
    void init() {
        qunsetenv("PULSE_SERVER");
        qputenv("SDL_AUDIODRIVER", "pulseaudio");
    }
    void cleanup() { // after a row that failed midway
        signalServer(SIGCONT);
        parec.kill();
        parec.waitForFinished();
    }

    // Where nothing can play, the failure is told within 5 s, with the window's thread free
    // meanwhile, and no thread stays behind.
    void withoutASoundDeviceTheFailureIsTold_data() {
        // None: the desktop's; "stopped": the desktop's, stopped as a sound ends.
        QTest::addColumn<QByteArray>("server");
        QTest::addColumn<QByteArray>("driver");
        QTest::addColumn<bool>("sink");
        QTest::addColumn<SoundPlayer::Failure>("failure");
        const QByteArray pulse("pulseaudio");
        QTest::newRow("no server") << "unix:" + QFile::encodeName(folder.filePath(u"none"_s)) << pulse << true
                                   << SoundPlayer::Failure::NoServer;
        QTest::newRow("a server that never answers")
            << "unix:" + QFile::encodeName(folder.filePath(u"hung"_s)) << pulse << true
            << SoundPlayer::Failure::NoServer;
        // Closing the device after a sound waits for the server, and every call into SDL with it.
        QTest::newRow("a server stopped as a sound ends")
            << QByteArray("stopped") << pulse << true << SoundPlayer::Failure::NoServer;
        QTest::newRow("no output device") << QByteArray() << pulse << false << SoundPlayer::Failure::NoDevice;
        QTest::newRow("a device that cannot be opened")
            << QByteArray() << QByteArray("none such") << true << SoundPlayer::Failure::NoDevice;
    }

    void withoutASoundDeviceTheFailureIsTold() {
        QFETCH(QByteArray, server);
        QFETCH(QByteArray, driver);
        QFETCH(bool, sink);
        QVERIFY(sink || pactl({u"unload-module"_s, u"module-null-sink"_s}));
        if (server == "stopped") { // a quarter second after a short sound is heard, before its device closes
            QVERIFY(record() && plays(toneWav(0.05, 48000)) &&
                    QTest::qWaitFor([this] { return maximumAmplitude(recording) > 0.1; }, 10000));
            const qint64 heard = QFileInfo(recording).size();
            QVERIFY(
                QTest::qWaitFor(
                    [&] { return QFileInfo(recording).size() > heard + QuarterSecondOfRecording; }, 10000) &&
                signalServer(SIGSTOP));
            QTRY_VERIFY(soundJobsRun()); // closing the device
        } else if (!server.isEmpty()) {
            qputenv("PULSE_SERVER", server);
        }
        qputenv("SDL_AUDIODRIVER", driver);
        std::optional<SoundPlayer::Failure> failure;
        QVERIFY(plays(toneWav(0.2), [&failure](SoundPlayer::Failure failed) { failure = failed; }));
        QVERIFY(!failure);
        QTRY_VERIFY_WITH_TIMEOUT(failure, 6000);
        signalServer(SIGCONT);
        QVERIFY(sink || pactl({u"load-module"_s, u"module-null-sink"_s, u"sink_name=t"_s}));
        QTEST(*failure, "failure");
        QTRY_COMPARE_WITH_TIMEOUT(threads(), idleThreads, 5000);
    }

    void whatIsNoSoundIsRefused() {
        QVERIFY(!player.play(folder.filePath(u"missing.wav"_s), Test, nullptr));
        const QString fifo = folder.filePath(u"fifo.wav"_s); // opened, it would wait for a writer
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        for (const QString &notAFile : {fifo, u"/dev/zero"_s})
            QVERIFY(!player.play(notAFile, Test, nullptr));
    }

    // The loudest sample heard, around what befell the server: a long sound is read a piece at a
    // time, and the device is let go once it has played.
    void whatIsHeard_data() {
        QTest::addColumn<QByteArray>("wav"); // none: the default sound
        QTest::addColumn<QString>("around");
        QTest::addColumn<double>("quietest");
        QTest::addColumn<double>("loudest");
        // The last 10 ms, loud: the converter lets out the end of a sound only when more follows.
        QByteArray longSound = toneWav(1.2, 22050, 4000) + toneWav(0.01, 22050, 24000).mid(44);
        qToLittleEndian<quint32>(quint32(longSound.size() - 8), longSound.data() + 4);
        qToLittleEndian<quint32>(quint32(longSound.size() - 44), longSound.data() + 40);
        QTest::newRow("a tone, its data size beyond the file")
            << toneWith(40, 0xFFFFFFF0, 1) << QString() << 0.3 << 0.7;
        QTest::newRow("the default in place of no file") << QByteArray() << QString() << 0.2 << 1.0;
        QTest::newRow("a long sound's last piece") << longSound << QString() << 0.6 << 0.9;
        QTest::newRow("after a restart while playing") << toneWav(1) << u"restarted"_s << 0.3 << 0.7;
        QTest::newRow("the server stalled across the play") << toneWav(1) << u"stalled"_s << 0.3 << 0.7;
        QTest::newRow("dropped while the server stalled")
            << toneWav(1) << u"stalled, dropped"_s << 0.0 << 0.01;
        // The sound played meanwhile, much louder, is told failed and never heard.
        QTest::newRow("after the server stopped mid-play")
            << toneWav(1) << u"stopped mid-play"_s << 0.3 << 0.7;
        const auto encoded = [this](const char *name, int format, int rate) {
            QTest::newRow(name) << encodedTone(format, rate) << QString() << 0.3 << 0.7;
        };
        encoded("FLAC", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 22050);
        encoded("Ogg Vorbis", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 22050);
        encoded("Ogg Opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000);
        encoded("MP3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 22050);
        QTest::newRow("cutting off a loud sound")
            << toneWav(1, 22050, 4000) << u"a loud sound playing"_s << 0.08 << 0.2;
        QTest::newRow("following a loud sound")
            << toneWav(1, 22050, 4000) << u"a loud sound playing, followed"_s << 0.6 << 0.8;
    }

    void whatIsHeard() {
        QFETCH(QByteArray, wav);
        QFETCH(QString, around);
        if (around == u"stopped mid-play"_s)
            QVERIFY(stoppedMidPlay());
        if (around == u"restarted"_s) // the connection the device plays on is cut, and taken again
            QVERIFY(restartedWhilePlaying());
        if (around.startsWith(u"a loud sound playing"_s))
            QVERIFY(plays(toneWav(around.endsWith(u"followed"_s) ? 1.5 : 6, 22050, 24000)));
        if (around.startsWith(u"stalled"_s)) { // for longer than a server was once given to answer
            QVERIFY(signalServer(SIGSTOP));
            QTimer::singleShot(800, [] { signalServer(SIGCONT); });
        }
        const QString path = folder.filePath(u"sound.wav"_s);
        QVERIFY(write(path, wav) &&
                player.play(wav.isEmpty() ? QString() : path,
                            SoundPlayer::How{wav.isEmpty(), around.endsWith(u"followed"_s)}, nullptr));
        if (around.endsWith(u"dropped"_s))
            player.stop();
        QFETCH(double, quietest);
        QFETCH(double, loudest);
        const double heard = loudestHeard();
        QVERIFY2(heard >= quietest && heard <= loudest, qPrintable(QString::number(heard)));
    }

    // A sound that repeats plays again, whole, after a second of silence until it is stopped, or followed
    // by another after its play; then its device closes as after any sound.
    void aRepeatedSoundRingsUntilStoppedOrFollowed_data() {
        QTest::addColumn<bool>("followed");
        QTest::newRow("stopped") << false;
        QTest::newRow("followed") << true;
    }
    void aRepeatedSoundRingsUntilStoppedOrFollowed() {
        QFETCH(bool, followed);
        const QString path = folder.filePath(u"ring.wav"_s);
        QVERIFY(record() && write(path, toneWav(0.3)) &&
                player.play(path, {.orDefault = false, .repeat = true}, nullptr) &&
                QTest::qWaitFor([this] { return loudRuns().size() == 2; }, 10000));
        if (followed)
            QVERIFY(player.play(path, {.orDefault = false, .afterPlaying = true}, nullptr));
        else
            player.stop();
        QVERIFY(QTest::qWaitFor([this] { return threads() == idleThreads; }, 10000));
        parec.terminate();
        parec.waitForFinished(5000);
        const QList<std::pair<double, double>> heard = loudRuns();
        QCOMPARE(heard.size(), followed ? 3 : 2);
        const double gap = heard[1].first - heard[0].second, whole = heard[0].second - heard[0].first;
        QVERIFY2(gap > 0.9 && gap < 1.3, qPrintable(QString::number(gap)));
        QVERIFY2(whole > 0.25, qPrintable(QString::number(whole))); // not cut by the silence
        if (followed)                                               // at once, without the gap
            QVERIFY2(heard[2].first - heard[1].second < 0.3, qPrintable(QString::number(heard[2].first)));
    }

    // What the library reads but is no sound, or a header no recording has.
    void whatIsNoSound_data() {
        QTest::addColumn<QByteArray>("wav");
        QTest::addColumn<bool>("plays");
        const QByteArray tone = toneWav(0.001); // 44 bytes of header and 44 of samples
        QTest::newRow("not a sound") << QByteArray("RIFX and so on, on and on") << false;
        QTest::newRow("no samples") << tone.left(36) << false;
        QTest::newRow("no format") << tone.left(12) + tone.mid(36) << false;
        QTest::newRow("no sample at all") << toneWav(0) << false;
        QTest::newRow("less than one sample") << toneWith(40, 1, 0) + '\1' << false;
        QTest::newRow("999 Hz") << toneWith(24, 999, 0.001) << false;
        QTest::newRow("1000 Hz") << toneWith(24, 1000, 0.001) << true;
        QTest::newRow("768000 Hz") << toneWith(24, 768000, 0.001) << true;
        QTest::newRow("768001 Hz") << toneWith(24, 768001, 0.001) << false;
        QTest::newRow("8 channels") << toneWith(22, 8 | 22050 << 16, 0.001) << true; // and 22050 Hz
        QTest::newRow("257 channels") << toneWith(22, 257 | 22050 << 16, 0.03) << false;
    }

    void whatIsNoSound() {
        QFETCH(QByteArray, wav);
        QTEST(plays(wav), "plays");
    }

private:
    // Records the null sink's monitor as it plays; true once the recording has begun.
    bool record() {
        parec.setStandardOutputFile(recording);
        parec.start(u"parec"_s,
                    {u"-s"_s, desktopServer(), u"-d"_s, u"t.monitor"_s, u"--raw"_s, u"--latency-msec=20"_s,
                     u"--format=float32le"_s, u"--rate=48000"_s, u"--channels=2"_s});
        return QTest::qWaitFor([this] { return QFileInfo(recording).size() > 0; }, 10000);
    }
    // The loudest sample heard until the device was let go, from a quarter second after the
    // recording began (unless begun already), which the monitor fills with what the sink had mixed
    // before.
    double loudestHeard() {
        const bool recorded = (parec.state() == QProcess::Running || record()) &&
                              QTest::qWaitFor([this] { return threads() == idleThreads; }, 10000);
        parec.terminate();
        parec.waitForFinished(5000);
        return recorded ? maximumAmplitude(recording, QuarterSecondOfRecording) : -1;
    }
    // The stretches of the recording louder than a tenth of full scale, in seconds from its start.
    QList<std::pair<double, double>> loudRuns() const {
        QFile file(recording);
        const QByteArray samples = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        constexpr double SecondOfRecording = 48000 * 2 * 4;
        QList<std::pair<double, double>> runs;
        for (qsizetype at = 0; at + 4 <= samples.size(); at += 4) {
            if (std::abs(qFromLittleEndian<float>(samples.constData() + at)) < 0.1f)
                continue;
            const double second = double(at) / SecondOfRecording;
            if (runs.isEmpty() || second - runs.last().second > 0.1)
                runs.append({second, second});
            runs.last().second = second;
        }
        return runs;
    }
    // A quiet sound plays when the server stops; a loud one played then is told failed within
    // 6 s; then the server goes on. All of it recorded.
    bool stoppedMidPlay() {
        std::optional<SoundPlayer::Failure> failure;
        const bool told =
            record() && plays(toneWav(6, 22050, 4000)) &&
            QTest::qWaitFor([] { return streams(true); }, 10000) && signalServer(SIGSTOP) &&
            plays(toneWav(1, 22050, 32000), [&failure](SoundPlayer::Failure failed) { failure = failed; }) &&
            QTest::qWaitFor([&failure] { return failure.has_value(); }, 6000);
        signalServer(SIGCONT);
        return told && *failure == SoundPlayer::Failure::NoServer;
    }
    // A sound plays through a way into the server of its own, which goes and comes back.
    bool restartedWhilePlaying() {
        const QStringList way{u"module-native-protocol-unix"_s, u"socket="_s + folder.filePath(u"way"_s)};
        const std::optional<QByteArray> module = pactl(QStringList{u"load-module"_s} + way);
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(folder.filePath(u"way"_s)));
        return module && plays(toneWav(6, 22050, 4000)) &&
               QTest::qWaitFor([] { return streams(true); }, 10000) &&
               pactl({u"unload-module"_s, QString::fromLatin1(module->trimmed())}) &&
               QTest::qWaitFor([] { return streams(false); }, 10000) &&
               pactl(QStringList{u"load-module"_s} + way);
    }
    // A second of toneWav's tone, written by libsndfile in another format.
    QByteArray encodedTone(int format, int rate) {
        const QByteArray path = QFile::encodeName(folder.filePath(u"encoded"_s)), tone = toneWav(1, rate);
        SF_INFO info{0, rate, 1, format, 0, 0};
        SNDFILE *file = sf_open(path.constData(), SFM_WRITE, &info);
        const sf_count_t frames = (tone.size() - 44) / 2;
        const bool whole =
            file &&
            sf_writef_short(file, reinterpret_cast<const short *>(tone.constData() + 44), frames) == frames;
        sf_close(file);
        QFile written(QFile::decodeName(path));
        return whole && written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    }
    bool plays(const QByteArray &wav, const SoundPlayer::Failed &failed = nullptr) {
        return write(folder.filePath(u"file.wav"_s), wav) &&
               player.play(folder.filePath(u"file.wav"_s), Test, failed);
    }
    static QString desktopServer() {
        return u"unix:"_s + qEnvironmentVariable("XDG_RUNTIME_DIR") + u"/pulse/native"_s;
    }
    // pactl's answer from the desktop's server; nothing where it failed.
    static std::optional<QByteArray> pactl(const QStringList &arguments) {
        QProcess process;
        process.start(u"pactl"_s, QStringList{u"-s"_s, desktopServer()} + arguments);
        return process.waitForFinished(10000) && process.exitCode() == 0
                   ? std::optional(process.readAllStandardOutput())
                   : std::nullopt;
    }

    // Whether the desktop's server has streams playing, as far as it answers.
    static bool streams(bool any) {
        const std::optional<QByteArray> streams = pactl({u"list"_s, u"short"_s, u"sink-inputs"_s});
        return streams && streams->isEmpty() != any;
    }
    // Stops the desktop's server, or lets it go on.
    static bool signalServer(int signal) {
        QFile pidFile(qEnvironmentVariable("XDG_RUNTIME_DIR") + u"/pulse/pid"_s);
        const pid_t pid = pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toInt() : 0;
        return pid > 0 && ::kill(pid, signal) == 0;
    }

    // Whether the player's job thread runs, opening or closing a device.
    static bool soundJobsRun() {
        const QStringList tasks = QDir(u"/proc/self/task"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        return std::any_of(tasks.begin(), tasks.end(), [](const QString &task) {
            QFile name(u"/proc/self/task/"_s + task + u"/comm"_s);
            return name.open(QIODevice::ReadOnly) && name.readAll() == "tivvet sound\n";
        });
    }
    static qsizetype threads() { return QDir(u"/proc/self/task"_s).count(); }

    QTemporaryDir folder;
    const QString recording = folder.filePath(u"recorded.raw"_s);
    QProcess parec;
    const int hung = ::socket(AF_UNIX, SOCK_STREAM, 0); // takes the connection and never answers
    qsizetype idleThreads = 0;
    SdlSoundPlayer player;
};

QTEST_MAIN(TestAudio)
#include "test_audio.moc"
