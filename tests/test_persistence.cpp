#include "FakePlatform.h"
#include "LargestAllocation.h"
#include "persistence/Autostart.h"
#include "persistence/OptionsFiles.h"
#include "persistence/OptionsTexts.h"
#include "persistence/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

class TestPersistence : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void optionsFilesHoldTheTextAndCrLf();
    void optionsFilesReadWhateverIsThere();
    void aFailedWriteLeavesTheOldFile();
    void anUnwritableFolderIsReportedOnceForAll();
    void aFileIsReadWithoutReservingTheLimit();
    void settingsKeepDecimalTexts();
    void hostileSettingsReadAsDefaults();
    void autostartEntryIsWrittenAndBlanked();
    void runTimeErrorsReadAsBefore();

private:
    QByteArray bytesOf(const QString &path) const;
    QString optionsPath(const QString &name) const { return config->path() + u"/Tivvet/Options/"_s + name; }

    std::unique_ptr<QTemporaryDir> config;
    QStringList log;
    FakeMessageBox messages{log};
};

void TestPersistence::init() {
    config = std::make_unique<QTemporaryDir>();
    messages.shown.clear();
}

QByteArray TestPersistence::bytesOf(const QString &path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestPersistence::optionsFilesHoldTheTextAndCrLf() {
    const OptionsFiles files(config->path());
    const QList<std::pair<QString, QByteArray>> cases{
        {QString(), "\r\n"},
        {u"/home/ann/Sounds/gong, loud.wav"_s, "/home/ann/Sounds/gong, loud.wav\r\n"},
        {u"  \"Tea\", she said,\nthen \"more\"\n"_s, "  \"Tea\", she said,\r\nthen \"more\"\r\n\r\n"},
        {u"caf\u00e9 \u23f0"_s, "caf\xc3\xa9 \xe2\x8f\xb0\r\n"},
    };
    for (const auto &[text, bytes] : cases) {
        QCOMPARE(files.write(u"message.txt"_s, text), QString());
        QCOMPARE(bytesOf(optionsPath(u"message.txt"_s)), bytes);
        QCOMPARE(files.read(u"message.txt"_s), text);
    }
}

void TestPersistence::optionsFilesReadWhateverIsThere() {
    const OptionsFiles files(config->path());
    QCOMPARE(files.read(u"wav.txt"_s), QString()); // no folder yet
    QVERIFY(QDir().mkpath(optionsPath(QString())));
    const auto put = [this](const QString &name, const QByteArray &bytes) {
        QFile file(optionsPath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    put(u"wav.txt"_s, "");
    QCOMPARE(files.read(u"wav.txt"_s), QString());
    put(u"wav2.txt"_s, "no line end");
    QCOMPARE(files.read(u"wav2.txt"_s), u"no line end"_s);
    put(u"wav3.txt"_s, "bad \xff\xfe bytes\r\n");
    QCOMPARE(files.read(u"wav3.txt"_s), u"bad \ufffd\ufffd bytes"_s);
    put(u"program.txt"_s, QByteArray(3 * 1024 * 1024, 'x'));
    QCOMPARE(files.read(u"program.txt"_s).size(), 1024 * 1024);
    QVERIFY(QDir().mkpath(optionsPath(u"message.txt"_s))); // a folder where the file should be
    QCOMPARE(files.read(u"message.txt"_s), QString());
}

// A disk that fills up in the middle of a write, as a file size limit makes it, as root too.
void TestPersistence::aFailedWriteLeavesTheOldFile() {
    const OptionsFiles files(config->path());
    QCOMPARE(files.write(u"wav.txt"_s, u"/old/sound.wav"_s), QString());

    rlimit original{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &original), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = original;
    small.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString reason = files.write(u"wav.txt"_s, QString(4096, u'n'));
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!reason.isEmpty());
    QCOMPARE(bytesOf(optionsPath(u"wav.txt"_s)), QByteArray("/old/sound.wav\r\n"));
    QCOMPARE(QDir(optionsPath(QString())).entryList(QDir::Files), QStringList{u"wav.txt"_s});
}

void TestPersistence::anUnwritableFolderIsReportedOnceForAll() {
    QVERIFY(QDir().mkpath(config->path() + u"/Tivvet"_s));
    QFile blocker(config->path() + u"/Tivvet/Options"_s); // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QStringList written;
    QList<OptionsTexts::Box> boxes;
    for (const char *name : {"wav.txt", "wav2.txt", "program.txt"})
        boxes.append({QString::fromLatin1(name),
                      [&written, name] {
                          written << QString::fromLatin1(name);
                          return u"text"_s;
                      },
                      [](const QString &) {}});
    OptionsTexts texts(config->path(), boxes, messages);
    texts.SaveOptionsFiles();
    QCOMPARE(written, (QStringList{u"wav.txt"_s, u"wav2.txt"_s, u"program.txt"_s}));
    QCOMPARE(messages.shown.size(), 1);
    const QString shown = messages.shown.first();
    QVERIFY(shown.startsWith(u"The Tivvet|Unable to save the options!"_s));
    for (const char *name : {"wav.txt", "wav2.txt", "program.txt"})
        QVERIFY2(shown.contains(u"/Tivvet/Options/"_s + QLatin1StringView(name) + u": "_s),
                 qPrintable(shown));
}

// Reading up to the limit once allocated all of it, 1 MiB for every file.
void TestPersistence::aFileIsReadWithoutReservingTheLimit() {
    const OptionsFiles files(config->path());
    QCOMPARE(files.write(u"wav.txt"_s, u"/home/ann/bell.wav"_s), QString());
    QString text;
    const std::optional<std::size_t> largest =
        LargestAllocation::during([&] { text = files.read(u"wav.txt"_s); });
    if (!largest)
        QSKIP("only the address sanitizer build sees every allocation");
    QCOMPARE(text, u"/home/ann/bell.wav"_s);
    QVERIFY2(*largest < 64 * 1024, qPrintable(QString::number(*largest)));
}

void TestPersistence::settingsKeepDecimalTexts() {
    {
        SettingsStore store(config->path());
        QCOMPARE(store.ReadSetting(u"ColorSettings"_s, u"Picture1BackColor"_s, 16766720), u"16766720"_s);
        store.WriteSetting(u"ControlSettings"_s, u"CheckMinValue"_s, u"1"_s);
        store.WriteSetting(u"ColorSettings"_s, u"txtHourForeColor"_s, u"16766720"_s);
        store.sync();
    }
    const QByteArray ini = bytesOf(config->path() + u"/Tivvet/Tivvet.ini"_s);
    QVERIFY2(ini.contains("[ControlSettings]\nCheckMinValue=1\n"), ini.constData());
    QVERIFY2(ini.contains("[ColorSettings]\ntxtHourForeColor=16766720\n"), ini.constData());
    SettingsStore again(config->path());
    QCOMPARE(again.readInteger(u"ControlSettings"_s, u"CheckMinValue"_s, 0, 0, 1), 1);
}

void TestPersistence::hostileSettingsReadAsDefaults() {
    QVERIFY(QDir().mkpath(config->path() + u"/Tivvet"_s));
    QFile ini(config->path() + u"/Tivvet/Tivvet.ini"_s);
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(
        "[ControlSettings\nCheckMinValue=abc\n[ColorSettings]\nPicture1BackColor=99999999999999999999999\n"
        "Picture2BackColor=\nPicture3BackColor=-5\nPicture4BackColor=1 2\nPicture5BackColor=0x10\n"
        "Picture6BackColor=16777216\nlblCounterForeColor=255\n=broken\n\xff\xfe\n");
    ini.close();

    SettingsStore store(config->path());
    const QString colors = u"ColorSettings"_s;
    for (const char *key : {"Picture1BackColor", "Picture2BackColor", "Picture3BackColor",
                            "Picture4BackColor", "Picture5BackColor", "Picture6BackColor"})
        QCOMPARE(store.readInteger(colors, QLatin1StringView(key), 7, 0, 0xFFFFFF), 7);
    QCOMPARE(store.readInteger(colors, u"lblCounterForeColor"_s, 7, 0, 0xFFFFFF), 255);
    QCOMPARE(store.readInteger(u"ControlSettings"_s, u"CheckMinValue"_s, 0, 0, 1), 0);

    QCOMPARE(decimalInteger(u"-12"_s), 12 * -1);
    QCOMPARE(decimalInteger(u"+12"_s), std::nullopt);
    QCOMPARE(decimalInteger(u"-"_s), std::nullopt);
    QCOMPARE(decimalInteger(u"1e3"_s), std::nullopt);
}

void TestPersistence::autostartEntryIsWrittenAndBlanked() {
    Autostart autostart(config->path(), messages);
    const QString entry = config->path() + u"/autostart/Tivvet.desktop"_s;
    QVERIFY(autostart.WriteRegistryString(u"Tivvet"_s, u"/usr/local/bin/tivvet"_s));
    QCOMPARE(autostart.entryPath(u"Tivvet"_s), entry);
    const QByteArray on = bytesOf(entry);
    QVERIFY2(on.contains("\nExec=\"/usr/local/bin/tivvet\"\n") && on.contains("\nHidden=false\n"),
             on.constData());
    QVERIFY(on.startsWith("[Desktop Entry]\nType=Application\nName=Tivvet\n"));

    QVERIFY(autostart.WriteRegistryString(u"Tivvet"_s, QString()));
    const QByteArray off = bytesOf(entry);
    QVERIFY2(off.contains("\nExec=\n") && off.contains("\nHidden=true\n"), off.constData());

    QCOMPARE(autostartEntry(u"Tivvet"_s, u"/opt/My \"Apps\"/$bin\\tivvet"_s).section(u'\n', 3, 3),
             u"Exec=\"/opt/My \\\\\"Apps\\\\\"/\\\\$bin\\\\\\\\tivvet\""_s);

    // An entry that cannot be written fails silently: the folder is a file here.
    QVERIFY(QFile::remove(entry));
    QVERIFY(QDir(config->path() + u"/autostart"_s).removeRecursively());
    QFile blocker(config->path() + u"/autostart"_s);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!autostart.WriteRegistryString(u"Tivvet"_s, u"/usr/local/bin/tivvet"_s));
    QVERIFY(messages.shown.isEmpty());
}

void TestPersistence::runTimeErrorsReadAsBefore() {
    QCOMPARE(runTimeErrorText(5, u"Access denied"_s),
             u"ERROR # 5 : Access denied\rPlease Exit and try again."_s);
    QCOMPARE(runTimeErrorText(-2, u"Odd"_s), u"ERROR #-2 : Odd\rPlease Exit and try again."_s);
}

QTEST_GUILESS_MAIN(TestPersistence)
#include "test_persistence.moc"
