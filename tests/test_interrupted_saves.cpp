#include "persistence/OptionsFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

const QStringList Names{u"wav.txt"_s,  u"wav2.txt"_s,     u"program.txt"_s, u"message.txt"_s,
                        u"wav3.txt"_s, u"program2.txt"_s, u"message2.txt"_s};

// Two contents each file can hold, long enough that a write takes a while.
QString contentFor(int round) {
    return QString(20000, round % 2 ? u'a' : u'b');
}

// The child: saves all seven files over and over, alternating their contents, until killed.
[[noreturn]] void saveForever(const QString &config) {
    const OptionsFiles files(config);
    for (int round = 0;; ++round)
        for (const QString &name : Names)
            files.write(name, contentFor(round));
}

} // namespace

// Saves killed at random moments leave each file whole: the old content or the new one.
class TestInterruptedSaves : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void killedSavesLeaveWholeFiles();
};

void TestInterruptedSaves::killedSavesLeaveWholeFiles() {
    QTemporaryDir config;
    const OptionsFiles files(config.path());
    const QSet<QString> whole{contentFor(0), contentFor(1)};
    for (int kill = 0; kill < 50; ++kill) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {u"--save-forever"_s, config.path()});
        QVERIFY(child.waitForStarted());
        QTest::qWait(20 + QRandomGenerator::global()->bounded(80));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        for (const QString &name : Names) {
            if (!QFile::exists(config.filePath(u"Tivvet/Options/"_s + name)))
                continue; // not written yet in the first run
            QVERIFY2(whole.contains(files.read(name)), qPrintable(u"%1 after kill %2"_s.arg(name).arg(kill)));
        }
    }
    // The next start clears what the killed writes left beside the files.
    files.removeUnfinishedWrites();
    QCOMPARE(QDir(config.filePath(u"Tivvet/Options"_s)).entryList(QDir::Files).size(), 7);
}

int main(int argc, char *argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--save-forever") == 0)
        saveForever(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestInterruptedSaves test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_interrupted_saves.moc"
