#include "TestWindow.h"
#include "alerts/AlertActions.h"

// The WAV files first, then every kind of sound file the player reads.
constexpr const char *SoundDialog =
    "Select Sound|Wav Files (*.wav *.WAV)"
    ";;Sound Files (*.wav *.WAV *.flac *.FLAC *.ogg *.OGG *.oga *.OGA *.opus *.OPUS *.mp3 *.MP3 *.aif *.AIF "
    "*.aiff *.AIFF *.aifc *.AIFC *.au *.AU *.snd *.SND *.caf *.CAF *.w64 *.W64 *.rf64 *.RF64 *.voc *.VOC "
    "*.wve *.WVE *.avr *.AVR *.htk *.HTK *.iff *.IFF *.svx *.SVX *.mpc *.MPC *.paf *.PAF *.pvf *.PVF *.sd2 "
    "*.SD2 *.sds *.SDS *.sf *.SF *.xi *.XI)";

// The options panels: opening and closing, browse, play, default and clear, the "activate"
// rule, and the seven option texts kept in their files.
class TestOptions : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void aPanelOpensBelowTheMainArea_data() {
        addRows({
            {"", "button", "panel", "title"},
            {"timer", "FlatBttnTimer", "Frame5", "Label2"},
            {"alarm I", "FlatBttnAlarm1", "Frame10", "Label1"},
            {"alarm II", "FlatBttnAlarm2", "Frame16", "Label15"},
        });
    }

    void aPanelOpensBelowTheMainArea() {
        const QString panel = column("panel"), title = column("title");
        const int compact = w->window->height();
        for (const char *other : {"FlatBttnTimer", "FlatBttnAlarm1", "FlatBttnAlarm2"}) { // from every panel
            w->click(other);
            w->click(qPrintable(column("button")));
            QVERIFY(w->window->height() > compact);
            for (const char *frame : {"Frame5", "Frame10", "Frame16"})
                QCOMPARE(w->find(frame)->isVisible(), panel == QLatin1StringView(frame));
            for (const char *label : {"Label2", "Label1", "Label15"})
                QCOMPARE(w->find(label)->isVisible(), title == QLatin1StringView(label));
        }
        w->type("txtWav3", u"/home/u/bell.wav"_s);
        w->click("FlatBttnClose"); // saves all seven
        QCOMPARE(w->window->height(), compact);
        QVERIFY(!w->find(qPrintable(title))->isVisible());
        QCOMPARE(w->file(u"Tivvet/Options/wav3.txt"_s) + w->file(u"Tivvet/Options/message2.txt"_s),
                 QByteArray("/home/u/bell.wav\r\n\r\n"));
    }

    // Each row: an "activate" box of each kind and its text; a click checks it only beside a text,
    // emptying the text unchecks it, and only the text is kept to the next start.
    void activateFollowsItsText_data() {
        addRows({
            {"", "check", "box", "typed", "takes"},
            {"a program, a blank", "Check3", "txtProgram", " ", "1"},
            {"a message, empty", "Check7", "txtMessage2", "", "0"},
            {"a message", "Check4", "txtMessage", "x", "1"},
        });
    }

    void activateFollowsItsText() {
        const QByteArray check = column("check").toLatin1(), box = column("box").toLatin1();
        w->type(box, column("typed"));
        w->click(check);
        QTEST(w->text(check), "takes");
        w->type(box, QString());
        QVERIFY(!w->checked(check));
        w->type(box, column("typed"));
        w->click(check);
        w->restart();
        QVERIFY(!w->checked(check));
        QTEST(w->text(box), "typed");
    }

    // Each row: a sound or program group's buttons and its box.
    void browseDefaultAndPlay_data() {
        addRows({
            {"", "browse", "box", "dialog", "play", "byDefault"},
            {"a sound", "FlatBttnBrowse5", "txtWav3", SoundDialog, "FlatBttnPlay3", "FlatBttnDefault3"},
            {"a program", "FlatBttnBrowse4", "txtProgram", "Select Program|Executable Files (*)", "", ""},
        });
    }

    void browseDefaultAndPlay() {
        const QByteArray browse = column("browse").toLatin1(), boxName = column("box").toLatin1(),
                         play = column("play").toLatin1();
        const QString chosen = w->platform.configFolder.filePath(u"not a sound [1].wav"_s);
        w->platform.nextFileName = chosen;
        w->click(browse);
        QCOMPARE(w->text(boxName), chosen);
        w->platform.nextFileName.clear();
        w->click(browse); // cancelled: the box keeps its path
        QCOMPARE(w->text(boxName), chosen);
        QCOMPARE(w->platform.takeLog(), QStringList(2, u"browse "_s + column("dialog")));
        if (play.isEmpty())
            return;
        w->platform.soundPlays = false;
        w->click(play);
        QFile(chosen).open(QIODevice::WriteOnly);
        w->click(play);
        w->platform.soundPlays = true;
        w->click(play);
        w->platform.soundFails(SoundPlayer::Failure::NoServer); // however late
        const QString tried = u"sound only "_s + chosen;
        QCOMPARE(w->platform.takeLog(),
                 QStringList({tried, u"box The Tivvet|Unable to play the sound! File not found!"_s, tried,
                              u"box The Tivvet|Unable to play the sound!"_s, tried,
                              u"box The Tivvet|Unable to play the sound!"_s}));
        w->platform.soundPlays = false;
        for (const char *missing :
             {"/", "/Not a sound [1].wav", "/not a sound 1.wav"}) { // a folder, a case, a set
            w->window->alerts().tryPlaying(w->platform.configFolder.path() + QLatin1StringView(missing));
            QCOMPARE(w->platform.takeLog().last(),
                     u"box The Tivvet|Unable to play the sound! File not found!"_s);
        }
        w->window->alerts().tryPlaying(w->platform.configFolder.filePath(u"not a*[1].wa?"_s));
        QCOMPARE(w->platform.takeLog().last(), u"box The Tivvet|Unable to play the sound!"_s);
        w->click(qPrintable(column("byDefault")));
        QCOMPARE(w->text(boxName), u"/opt/tivvet/share/tivvet/tivvet.wav"_s); // installed beside the program
    }

    void clearEmptiesTheMessageAndUnchecksIt() {
        for (const auto &[clear, check, box] : {std::tuple{"FlatBttnClear2", "Check4", "txtMessage"},
                                                std::tuple{"FlatBttnClear3", "Check7", "txtMessage2"}}) {
            w->type(box, u"Tea"_s);
            QTest::keyClick(w->find(box), Qt::Key_Tab); // moves on, as in every other box
            QCOMPARE(w->text(box), u"Tea"_s);
            w->click(check);
            w->click(clear);
            QCOMPARE(w->text(box), QString());
            QVERIFY(!w->checked(check));
        }
    }

    void programTextsSplitLikeAShell() {
        const QString script = w->platform.configFolder.filePath(u"my alarm.sh"_s);
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        const std::pair<QString, QString> rows[] = {
            {u"player --loud"_s, u"start|player|--loud"_s},
            {u"\"/opt/My Apps/player\" a"_s, u"start|/opt/My Apps/player|a"_s},
            {u"a\\ b  echo\t'two words'"_s, u"start|a b|echo|two words"_s},
            {u"say \"a \\\"b\\\" \\c $x\" 'it''s'"_s, u"start|say|a \"b\" \\c $x|its"_s},
            {u"~/bin/alarm.sh"_s, u"start|/home/u/bin/alarm.sh"_s},
            {u"paplay ~/a.wav '~/b' \\~/c d~/e"_s, u"start|paplay|/home/u/a.wav|~/b|~/c|d~/e"_s},
            {u"tail\\"_s, u"start|tail\\"_s},   // a backslash at the end stands for itself
            {u"echo \\$"_s, u"start|echo|$"_s}, // the last character escaped
            {u" "_s + script + u" "_s, u"start|"_s + script},
            {u"  "_s, u"box The Tivvet|Unable to start the program!"_s},
        };
        for (const auto &[text, expected] : rows) {
            w->window->alerts().runProgram(text);
            QCOMPARE(w->platform.takeLog(), QStringList{expected});
        }
        w->platform.programStarts = false; // one that fails to start is told
        w->window->alerts().runProgram(u"player"_s);
        QCOMPARE(w->platform.takeLog(),
                 QStringList({u"start|player"_s, u"box The Tivvet|Unable to start the program!"_s}));
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
