#include "FakePlatform.h"
#include "alerts/OptionGroups.h"
#include "app/StartOptions.h"
#include "app/frmTivvet.h"
#include "countdown/CountdownTimer.h"
#include "platform/ConfigFolder.h"
#include "platform/Controls.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <grp.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The program starts, keeps working and keeps what is good, whatever it finds in its files.
class TestHostileFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsAndSavesAmongBrokenFiles();
    void aMissingConfigurationFolderIsMade();
    void aReadOnlyConfigurationFolderIsLeftAsItWas();
    void withoutHomeTheUserDatabaseNamesIt();

private:
    static void put(const QString &path, const QByteArray &bytes);
    static void runOnReadOnlyFolder(FakePlatform &platform);
};

void TestHostileFiles::put(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void TestHostileFiles::startsAndSavesAmongBrokenFiles() {
    FakePlatform platform;
    const QString config = platform.configFolder.path();
    const QString options = config + u"/Tivvet/Options/"_s;
    QDir().mkpath(options + u"wav.txt"_s); // a folder where a file should be
    put(options + u"wav2.txt"_s, QByteArray(100 * 1024 * 1024, 'a'));
    put(options + u"program.txt"_s, QByteArray("\x00\x01\xff\xfe junk\r\n", 12));
    put(options + u"message.txt"_s, "caf\xe9 \xc3\x28 not UTF-8\r\n");
    put(options + u"wav3.txt"_s, "/home/ann/good.wav\r\n");
    put(config + u"/Tivvet/Tivvet.ini"_s, "[ControlSettings\nCheckMinValue=yes\n\x01\x02=\n[ColorSettings]\n"
                                          "lblCounterForeColor=-1\ntxtHoursForeColor=999999999999\n");
    put(config + u"/autostart"_s, "a file where the folder should be");

    frmTivvet window(platform.services());
    window.Form_Load();
    window.showAfterLoad();
    QVERIFY(window.isVisible());
    QCOMPARE(window.alarm1Options->sound->txtWav->text().size(), 32767); // a line box holds no more
    QCOMPARE(window.alarm2Options->sound->txtWav->text(), u"/home/ann/good.wav"_s);
    QVERIFY(window.alarm1Options->message->txtMessage->toPlainText().contains(u"not UTF-8"_s));
    QCOMPARE(Controls::foreColour(window.countdown->lblCounter), 0x0000F0);
    QCOMPARE(Controls::foreColour(window.countdown->txtHours), 0xB9B9B9);
    QVERIFY(!window.startOptions->CheckMin->isChecked());

    window.startOptions->CheckStart->setChecked(true); // cannot be registered: silently
    QVERIFY(platform.messages.shown.isEmpty());
    window.timerSound->txtWav->setText(u"/home/ann/new.wav"_s);
    window.close();

    // Only the file that cannot be written is reported; the good ones are saved.
    QCOMPARE(platform.messages.shown.size(), 1);
    QVERIFY(platform.messages.shown.first().contains(u"wav.txt: "_s));
    QVERIFY(!platform.messages.shown.first().contains(u"wav3.txt"_s));
    QFile kept(options + u"wav3.txt"_s);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("/home/ann/good.wav\r\n"));
    QCOMPARE(QFileInfo(options + u"wav2.txt"_s).size(), 32767 + 2);
}

void TestHostileFiles::aMissingConfigurationFolderIsMade() {
    FakePlatform platform;
    PlatformServices services = platform.services();
    services.configFolder = platform.configFolder.filePath(u"not/there/yet"_s);
    {
        frmTivvet window(services);
        window.Form_Load();
        window.close();
    }
    QVERIFY(QFile::exists(services.configFolder + u"/Tivvet/Tivvet.ini"_s));
    QCOMPARE(QDir(services.configFolder + u"/Tivvet/Options"_s).entryList(QDir::Files).size(), 7);
    QVERIFY(platform.messages.shown.isEmpty());
}

namespace {

QMap<QString, QByteArray> contentsUnder(const QString &folder) {
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        contents[it.filePath()] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<folder>");
    }
    return contents;
}

void setWritable(const QString &folder, bool writable) {
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList paths{folder};
    while (it.hasNext())
        paths << it.next();
    for (const QString &path : paths) {
        const bool isFolder = QFileInfo(path).isDir();
        const mode_t mode = (isFolder ? 0555 : 0444) | (writable ? 0200 : 0);
        QVERIFY(chmod(QFile::encodeName(path).constData(), mode) == 0);
    }
}

} // namespace

// The user cannot write there: the program starts with what it finds, keeps working, changes
// nothing on the disk and says once that the options could not be saved.
void TestHostileFiles::runOnReadOnlyFolder(FakePlatform &platform) {
    frmTivvet window(platform.services());
    window.Form_Load();
    window.showAfterLoad();
    QCOMPARE(window.timerSound->txtWav->text(), u"/home/ann/bell.wav"_s);
    QCOMPARE(window.alarm1Options->sound->txtWav->text(), QString()); // the file it cannot read
    QVERIFY(window.startOptions->CheckMin->isChecked());
    window.startOptions->CheckStart->setChecked(true); // cannot be registered: silently
    QVERIFY(platform.messages.shown.isEmpty());
    window.countdown->txtSeconds->setText(u"2"_s);
    window.countdown->FlatBttnStart_Click();
    QTRY_COMPARE(window.countdown->lblCounter->text(), u"00:00:00"_s);
    window.timerSound->txtWav->setText(u"/home/ann/gong.wav"_s);
    window.close();
    QCOMPARE(platform.messages.shown.size(), 1);
    QVERIFY(platform.messages.shown.first().contains(u"Unable to save the options!"_s));
}

void TestHostileFiles::aReadOnlyConfigurationFolderIsLeftAsItWas() {
    FakePlatform platform;
    const QString config = platform.configFolder.path();
    put(config + u"/Tivvet/Options/wav.txt"_s, "/home/ann/bell.wav\r\n");
    put(config + u"/Tivvet/Options/wav2.txt"_s, "/home/ann/secret.wav\r\n");
    put(config + u"/Tivvet/Tivvet.ini"_s, "[ControlSettings]\nCheckMinValue=1\n");
    QDir().mkpath(config + u"/autostart"_s);
    const QMap<QString, QByteArray> before = contentsUnder(config);
    setWritable(config, false);
    QVERIFY(chmod(QFile::encodeName(config + u"/Tivvet/Options/wav2.txt"_s).constData(), 0) == 0);
    if (geteuid() != 0) {
        runOnReadOnlyFolder(platform);
    } else {
        // Root writes anywhere, so the program runs in a child that has become "nobody".
        const pid_t child = fork();
        if (child == 0) {
            const bool dropped = setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
            prctl(PR_SET_DUMPABLE, 1); // the sanitizers read /proc/self
            if (dropped)
                runOnReadOnlyFolder(platform);
            _exit(!dropped ? 2 : QTest::currentTestFailed() ? 1 : 0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the checks as another user failed");
    }
    setWritable(config, true);
    QCOMPARE(contentsUnder(config), before);
}

void TestHostileFiles::withoutHomeTheUserDatabaseNamesIt() {
    const QByteArray home = qgetenv("HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    const QString folder = userConfigFolder();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);
    QVERIFY2(folder.endsWith(u"/.config"_s) && folder != u"/.config"_s, qPrintable(folder));
    QCOMPARE(userConfigFolder(), QString::fromLocal8Bit(config));
}

QTEST_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"
