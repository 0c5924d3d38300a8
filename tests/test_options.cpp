#include "TestWindow.h"
#include "alerts/AlertActions.h"
#include "platform/InstallPaths.h"

#include <QDir>

using namespace Qt::StringLiterals;

// The options panels: opening and closing, browse, play, default and clear, the "activate"
// rule, and the seven option texts kept in their files.
class TestOptions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { w = std::make_unique<TestWindow>(); }
    void aPanelOpensBelowTheMainArea_data();
    void aPanelOpensBelowTheMainArea();
    void activateFollowsItsText_data();
    void activateFollowsItsText();
    void browseDefaultAndPlay_data();
    void browseDefaultAndPlay();
    void clearEmptiesTheMessageAndUnchecksIt();
    void programTextsSplitLikeAShell();
    void sevenTextsComeBackFromTheirFiles();
    void closeOptionsSavesAllSeven();

private:
    std::unique_ptr<TestWindow> w;
};

void TestOptions::aPanelOpensBelowTheMainArea_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("title");
    QTest::newRow("timer") << u"FlatBttnTimer"_s << u"Frame5"_s << u"Label2"_s;
    QTest::newRow("alarm I") << u"FlatBttnAlarm1"_s << u"Frame10"_s << u"Label1"_s;
    QTest::newRow("alarm II") << u"FlatBttnAlarm2"_s << u"Frame16"_s << u"Label15"_s;
}

void TestOptions::aPanelOpensBelowTheMainArea() {
    QFETCH(QString, button);
    QFETCH(QString, panel);
    QFETCH(QString, title);
    QCOMPARE(w->window->size(), QSize(371, 217));
    const char *others[] = {"FlatBttnTimer", "FlatBttnAlarm1", "FlatBttnAlarm2"};
    for (const char *other : others) { // opened from every other panel too
        w->click(other);
        w->click(qPrintable(button));
        QCOMPARE(w->window->size(), QSize(371, 350));
        for (const char *frame : {"Frame5", "Frame10", "Frame16"})
            QCOMPARE(w->find(frame)->isVisible(), panel == QLatin1StringView(frame));
        for (const char *label : {"Label2", "Label1", "Label15"})
            QCOMPARE(w->find(label)->isVisible(), title == QLatin1StringView(label));
        QCOMPARE(w->find(qPrintable(panel))->pos(), QPoint(6, 211));
    }
    w->click("FlatBttnClose");
    QCOMPARE(w->window->size(), QSize(371, 217));
    QVERIFY(!w->find(qPrintable(title))->isVisible());
}

void TestOptions::activateFollowsItsText_data() {
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("box");
    QTest::newRow("Alarm I program") << u"Check3"_s << u"txtProgram"_s;
    QTest::newRow("Alarm I message") << u"Check4"_s << u"txtMessage"_s;
    QTest::newRow("Alarm II program") << u"Check6"_s << u"txtProgram2"_s;
    QTest::newRow("Alarm II message") << u"Check7"_s << u"txtMessage2"_s;
}

void TestOptions::activateFollowsItsText() {
    QFETCH(QString, check);
    QFETCH(QString, box);
    const QByteArray checkName = check.toLatin1(), boxName = box.toLatin1();
    w->click(checkName);
    QVERIFY(!w->checked(checkName)); // nothing to activate
    w->type(boxName, u" "_s);
    QVERIFY(!w->checked(checkName)); // typing does not check it
    w->click(checkName);
    QVERIFY(w->checked(checkName)); // a blank counts as a text
    w->type(boxName, u"x"_s);
    QVERIFY(w->checked(checkName));
    w->type(boxName, QString());
    QVERIFY(!w->checked(checkName));
    w->type(boxName, u"x"_s);
    w->click(checkName);
    w->restart(); // the activation is not kept, the text is
    QVERIFY(!w->checked(checkName));
    QCOMPARE(w->text(boxName), u"x"_s);
}

// Each row: a sound or program group's buttons and its box.
void TestOptions::browseDefaultAndPlay_data() {
    QTest::addColumn<QString>("browse");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("play");
    QTest::addColumn<QString>("byDefault");
    const QString sound = u"Select Sound|Wav Files (*.wav *.WAV)"_s;
    QTest::newRow("timer") << u"FlatBttnBrowse"_s << u"txtWav"_s << sound << u"FlatBttnPlay"_s
                           << u"FlatBttnDefault"_s;
    QTest::newRow("alarm I") << u"FlatBttnBrowse3"_s << u"txtWav2"_s << sound << u"FlatBttnPlay2"_s
                             << u"FlatBttnDefault2"_s;
    QTest::newRow("alarm II") << u"FlatBttnBrowse5"_s << u"txtWav3"_s << sound << u"FlatBttnPlay3"_s
                              << u"FlatBttnDefault3"_s;
    const QString program = u"Select Program|Executable Files (*)"_s;
    QTest::newRow("alarm I program") << u"FlatBttnBrowse4"_s << u"txtProgram"_s << program << QString()
                                     << QString();
    QTest::newRow("alarm II program")
        << u"FlatBttnBrowse6"_s << u"txtProgram2"_s << program << QString() << QString();
}

void TestOptions::browseDefaultAndPlay() {
    QFETCH(QString, browse);
    QFETCH(QString, box);
    QFETCH(QString, dialog);
    QFETCH(QString, play);
    QFETCH(QString, byDefault);
    const QByteArray boxName = box.toLatin1();
    const QString chosen = w->platform.configFolder.filePath(u"not a sound.wav"_s);
    w->platform.files.nextFileName = chosen;
    w->click(qPrintable(browse));
    QCOMPARE(w->text(boxName), chosen);
    w->platform.files.nextFileName.clear();
    w->click(qPrintable(browse)); // cancelled: the box keeps its path
    QCOMPARE(w->text(boxName), chosen);
    QCOMPARE(w->platform.takeLog(), QStringList(2, u"browse "_s + dialog));
    if (play.isEmpty())
        return;
    w->platform.sound.nextResult = false;
    w->click(qPrintable(play));
    QFile(chosen).open(QIODevice::WriteOnly);
    w->click(qPrintable(play));
    w->platform.sound.nextResult = true;
    w->click(qPrintable(play));
    const QString tried = u"sound 3 "_s + chosen;
    QCOMPARE(w->platform.takeLog(),
             QStringList({tried, u"box The Tivvet|Unable to play the sound! File not found!"_s, tried,
                          u"box The Tivvet|Unable to play the sound!"_s, tried}));
    w->click(qPrintable(byDefault));
    QCOMPARE(w->text(boxName), QString::fromUtf8(DefaultSoundPath));
}

void TestOptions::clearEmptiesTheMessageAndUnchecksIt() {
    for (const auto &[clear, check, box] : {std::tuple{"FlatBttnClear2", "Check4", "txtMessage"},
                                            std::tuple{"FlatBttnClear3", "Check7", "txtMessage2"}}) {
        w->type(box, u"Tea"_s);
        w->click(check);
        w->click(clear);
        QCOMPARE(w->text(box), QString());
        QVERIFY(!w->checked(check));
    }
}

void TestOptions::programTextsSplitLikeAShell() {
    const QString script = w->platform.configFolder.filePath(u"my alarm.sh"_s);
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const std::pair<QString, QString> rows[] = {
        {u"player --loud"_s, u"start|player|--loud"_s},
        {u"\"/opt/My Apps/player\" a"_s, u"start|/opt/My Apps/player|a"_s},
        {u" "_s + script + u" "_s, u"start|"_s + script},
        {u"  "_s, u"box The Tivvet|Unable to start the program!"_s},
    };
    for (const auto &[text, expected] : rows) {
        w->window->alerts->RunAlertProgram(text);
        QCOMPARE(w->platform.takeLog(), QStringList{expected});
    }
}

void TestOptions::sevenTextsComeBackFromTheirFiles() {
    const std::tuple<const char *, const char *, QString> rows[] = {
        {"txtWav", "wav.txt", u"/s/timer, loud.wav"_s},  {"txtWav2", "wav2.txt", u" \"/s/one.wav\""_s},
        {"txtProgram", "program.txt", u"/bin/one -a"_s}, {"txtMessage", "message.txt", u"Tea,\n now"_s},
        {"txtWav3", "wav3.txt", u"/s/two.wav"_s},        {"txtProgram2", "program2.txt", u"/bin/two"_s},
        {"txtMessage2", "message2.txt", u"second"_s},
    };
    for (const auto &[box, file, text] : rows)
        w->type(box, text);
    w->restart();
    for (const auto &[box, file, text] : rows) {
        QCOMPARE(w->text(box), text);
        QCOMPARE(w->file(u"Tivvet/Options/"_s + QLatin1StringView(file)),
                 text.toUtf8().replace("\n", "\r\n") + "\r\n");
    }
}

void TestOptions::closeOptionsSavesAllSeven() {
    w->click("FlatBttnAlarm2");
    w->type("txtWav", u"/home/u/bell.wav"_s);
    w->click("FlatBttnClose");
    QCOMPARE(w->file(u"Tivvet/Options/wav.txt"_s), QByteArray("/home/u/bell.wav\r\n"));
    QCOMPARE(QDir(w->platform.configFolder.filePath(u"Tivvet/Options"_s)).entryList(QDir::Files).size(), 7);
    QCOMPARE(w->file(u"Tivvet/Options/message2.txt"_s), QByteArray("\r\n"));
}

QTEST_MAIN(TestOptions)
#include "test_options.moc"
