#include "FakePlatform.h"
#include "alerts/AlertActions.h"
#include "alerts/ProgramCommand.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestAlertActions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void alertSoundFallsBackAndTestSoundDoesNot();
    void testSoundSaysWhetherTheFileWasFound();
    void testSoundIsSilentWhenPlaying();
    void messageIsShownWhileNotOnTop();
    void programTextsAreSplitLikeAShell();
    void programThatCannotStartIsReported();
    void realLauncherRefusesWhatCannotRun();
    void longMessageKeepsOkOnTheScreen();

private:
    QString makeFile(const QString &name, const QByteArray &content = "not a wav",
                     QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner);

    QTemporaryDir folder;
    QStringList log;
    FakeSoundPlayer sound{log};
    FakeMessageBox messages{log};
    FakeLauncher launcher{log};
    FakeAlertWindow window{log};
    std::unique_ptr<AlertActions> alerts;
};

void TestAlertActions::init() {
    log.clear();
    sound.requests.clear();
    sound.nextResult = true;
    messages.shown.clear();
    launcher.started.clear();
    launcher.nextResult = true;
    alerts = std::make_unique<AlertActions>(sound, messages, launcher, window);
}

QString TestAlertActions::makeFile(const QString &name, const QByteArray &content,
                                   QFile::Permissions permissions) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    file.close();
    file.setPermissions(permissions);
    return file.fileName();
}

void TestAlertActions::alertSoundFallsBackAndTestSoundDoesNot() {
    sound.nextResult = false;
    alerts->PlayAlertSound(u"/nowhere/alarm.wav"_s);
    QCOMPARE(sound.requests.size(), 1);
    QCOMPARE(sound.requests[0].flags, SoundPlayer::SND_ASYNC);
    QCOMPARE(sound.requests[0].path, u"/nowhere/alarm.wav"_s);
    QVERIFY(messages.shown.isEmpty()); // the alert sound reports nothing

    alerts->TestPlaySound(u"/nowhere/alarm.wav"_s);
    QCOMPARE(sound.requests[1].flags, SoundPlayer::SND_ASYNC | SoundPlayer::SND_NODEFAULT);
}

void TestAlertActions::testSoundSaysWhetherTheFileWasFound() {
    const QString notAWav = makeFile(u"notes.txt"_s);
    makeFile(u".hidden.wav"_s);
    makeFile(u"with blank.wav"_s);
    QDir(folder.path()).mkdir(u"folder.wav"_s);
    sound.nextResult = false;

    const QString found = u"The Tivvet|Unable to play the sound!"_s;
    const QString notFound = u"The Tivvet|Unable to play the sound! File not found!"_s;
    const QList<std::pair<QString, QString>> cases{
        {notAWav, found},
        {folder.filePath(u"*.txt"_s), found},
        {folder.filePath(u"with blank.wav"_s), found},
        {folder.filePath(u"missing.wav"_s), notFound},
        {folder.filePath(u".hidden.wav"_s), notFound},
        {folder.filePath(u"folder.wav"_s), notFound},
        {folder.filePath(u"*.mp3"_s), notFound},
        {folder.path() + u'/', notFound},
        {QString(), notFound},
    };
    for (const auto &[path, message] : cases) {
        messages.shown.clear();
        alerts->TestPlaySound(path);
        QCOMPARE(messages.shown, QStringList{message});
    }
}

void TestAlertActions::testSoundIsSilentWhenPlaying() {
    alerts->TestPlaySound(u"/nowhere/alarm.wav"_s);
    QVERIFY(messages.shown.isEmpty());
}

void TestAlertActions::messageIsShownWhileNotOnTop() {
    alerts->ShowAlertMessage(u"Time for tea"_s);
    QCOMPARE(log, (QStringList{u"not on top"_s, u"box Time for tea"_s, u"on top"_s}));
    QCOMPARE(messages.shown, QStringList{u"The Tivvet|Time for tea"_s});
    QCOMPARE(alerts->message.strMsgPrompt, u"Time for tea"_s);
    QCOMPARE(alerts->message.intMsgStyle, 0);
    QCOMPARE(alerts->message.strMsgTitle, u"The Tivvet"_s);

    alerts->RestoreMainWindow();
    QCOMPARE(log.last(), u"restore"_s);
}

void TestAlertActions::programTextsAreSplitLikeAShell() {
    const QString withBlanks =
        makeFile(u"my alarm program"_s, "#!/bin/sh\n", QFile::ReadOwner | QFile::ExeOwner);
    const QString notExecutable = makeFile(u"plain file"_s);
    const QList<std::pair<QString, QStringList>> cases{
        {withBlanks, {withBlanks}},
        {u"  "_s + withBlanks + u" \t"_s, {withBlanks}},
        {u"xdg-open https://example.org"_s, {u"xdg-open"_s, u"https://example.org"_s}},
        {u"notify-send \"Tea is ready\" \"now, please\""_s,
         {u"notify-send"_s, u"Tea is ready"_s, u"now, please"_s}},
        {notExecutable, notExecutable.split(u' ')},
        {u"\"/opt/My Apps/run\" --fast"_s, {u"/opt/My Apps/run"_s, u"--fast"_s}},
    };
    for (const auto &[text, expected] : cases) {
        const ProgramCommand command = programCommand(text);
        QCOMPARE(QStringList{command.program} + command.arguments, expected);
    }

    alerts->RunAlertProgram(withBlanks);
    QCOMPARE(launcher.started, QList<QStringList>{{withBlanks}});
    QVERIFY(messages.shown.isEmpty());
}

void TestAlertActions::programThatCannotStartIsReported() {
    const QString unable = u"The Tivvet|Unable to start the program!"_s;
    launcher.nextResult = false;
    alerts->RunAlertProgram(u"/nowhere/program"_s);
    QCOMPARE(messages.shown, QStringList{unable});

    launcher.nextResult = true;
    messages.shown.clear();
    alerts->RunAlertProgram(u"   "_s); // nothing to start
    QVERIFY(launcher.started.size() == 1);
    QCOMPARE(messages.shown, QStringList{unable});
}

void TestAlertActions::realLauncherRefusesWhatCannotRun() {
    QProcessLauncher launcher;
    const QString notExecutable = makeFile(u"notes"_s);
    QVERIFY(!launcher.startDetached(folder.path(), {}));
    QVERIFY(!launcher.startDetached(notExecutable, {}));
    QVERIFY(!launcher.startDetached(folder.filePath(u"missing"_s), {}));
    const QString marker = folder.filePath(u"ran"_s);
    QVERIFY(launcher.startDetached(u"touch"_s, {marker}));
    QTRY_VERIFY(QFile::exists(marker));
}

namespace {

bool isOnScreen(const QWidget *widget) {
    const QRect place(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    return widget->screen()->availableGeometry().contains(place);
}

} // namespace

void TestAlertActions::longMessageKeepsOkOnTheScreen() {
    QString numberedLines;
    for (int line = 1; line <= 10000; ++line)
        numberedLines += u"line %1\n"_s.arg(line);
    const QString texts[]{QString(100000, u'x'), u"word "_s.repeated(20000), numberedLines.left(100000),
                          QString(100000, u'\n'), u"Tea\nis ready"_s};
    QtMessageBox real;
    for (const QString &text : texts) {
        QString shown, details;
        bool okReachable = false, okReachableWithDetails = false;
        QTimer::singleShot(0, this, [&] {
            QVERIFY(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = box->text();
            details = box->detailedText();
            okReachable = isOnScreen(box->button(QMessageBox::Ok));
            for (QAbstractButton *button : box->buttons())
                if (box->buttonRole(button) == QMessageBox::ActionRole)
                    button->click(); // "Show Details..."
            QTest::qWait(50);
            okReachableWithDetails = isOnScreen(box->button(QMessageBox::Ok));
            box->button(QMessageBox::Ok)->click();
        });
        real.show(u"The Tivvet"_s, text);
        QVERIFY2(okReachable && okReachableWithDetails, qPrintable(text.left(20)));
        if (text.size() < 1000) {
            QCOMPARE(shown, text);
            QVERIFY(details.isEmpty());
            continue;
        }
        QCOMPARE(details, text);
        QVERIFY(shown.size() <= 1001 && shown.count(u'\n') < 20);
        QVERIFY(text.startsWith(shown.chopped(1)) && shown.endsWith(u'\u2026'));
    }
}

QTEST_MAIN(TestAlertActions)
#include "test_alert_actions.moc"
