#include "TestWindow.h"
#include "app/ProgramEnd.h"
#include "colours/frmColor.h"
#include "controls/Controls.h"
#include "persistence/AtomicFile.h"
#include "persistence/Autostart.h"
#include "platform/ConfigFolder.h"

#include <QDir>
#include <QScopeGuard>
#include <QSettings>
#include <QTimer>

#include <csignal>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// The settings store, the colour scheme and the colour window, start with the system, and what the
// program makes of files and environments that it did not write itself.
class TestPersistence : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    // Each stored key colours its own control's property and nothing else, and every key is saved at
    // exit; a key not stored gives its default.
    void eachColourKeyColoursItsControl() {
        const char *const black = "0", *const azure = "16766720", *const grey = "12171705";
        // clang-format off
        const std::pair<const char *, const char *> keys[] = {
            {"Picture1BackColor", black}, {"Picture2BackColor", black}, {"Picture3BackColor", black},
            {"Picture4BackColor", black}, {"Picture5BackColor", black}, {"Picture6BackColor", black},
            {"lblCounterBackColor", black}, {"txtHoursBackColor", black}, {"txtMinutesBackColor", black},
            {"txtSecondsBackColor", black}, {"txtHourBackColor", black}, {"txtMinuteBackColor", black},
            {"txtAmPmBackColor", black}, {"txtHour2BackColor", black}, {"txtMinute2BackColor", black},
            {"txtAmPm2BackColor", black}, {"Label3BackColor", black}, {"Label4BackColor", black},
            {"Label3ForeColor", azure}, {"Label4ForeColor", azure}, {"lblCounterForeColor", "240"},
            {"txtHoursForeColor", grey}, {"txtMinutesForeColor", grey}, {"txtSecondsForeColor", grey},
            {"txtHourForeColor", azure}, {"txtMinuteForeColor", azure}, {"txtAmPmForeColor", azure},
            {"txtHour2ForeColor", azure}, {"txtMinute2ForeColor", azure}, {"txtAmPm2ForeColor", azure}};
        // clang-format on
        QMap<QString, QString> stored = scheme();
        int colour = 66051; // 0x010203 first, then one more for each key
        for (const auto &[key, byDefault] : keys) {
            QCOMPARE(stored[QLatin1StringView(key)], QLatin1StringView(byDefault));
            stored[QLatin1StringView(key)] = QString::number(colour++);
        }
        w->window->close();
        for (const auto &[key, byDefault] : keys)
            ini().setValue(u"ColorSettings/"_s + QLatin1StringView(key), stored[QLatin1StringView(key)]);
        w->start();
        QCOMPARE(scheme(), stored);
        // A box shows its colour around what it holds, a digit box without a frame.
        QCOMPARE(w->find("Picture1")->grab().toImage().pixel(0, 0), qRgb(3, 2, 1));
        const QImage digits = w->find("txtHour")->grab().toImage();
        QCOMPARE(digits.pixel(0, digits.height() / 2), qRgb(13, 2, 1));
        w->restart();
        for (const auto &[key, byDefault] : keys)
            QCOMPARE(ini().value(u"ColorSettings/"_s + QLatin1StringView(key)).toString(),
                     stored[QLatin1StringView(key)]);
        QCOMPARE(ini().allKeys().size(), 50);
    }

    void eachSlotColoursItsTargets_data() {
        addRows({
            {"", "swatch", "button", "byDefault", "targets"},
            {"entry back", "lblEnter", "FlatBttnEnter", "0",
             "Picture2 Picture3 Picture4 txtHours txtMinutes txtSeconds"},
            {"entry font", "lblEnter2", "FlatBttnEnter2", "12171705", "txtHours txtMinutes txtSeconds"},
            {"remaining back", "lblRemain", "FlatBttnRemain", "0", "Picture5 lblCounter"},
            {"remaining font", "lblRemain2", "FlatBttnRemain2", "240", "lblCounter"},
            {"Alarm I back", "lblAlarmIback", "FlatBttnAlarmI", "0",
             "Picture1 Label3 txtHour txtMinute txtAmPm"},
            {"Alarm I font", "lblAlarmIfont", "FlatBttnAlarmI2", "16766720",
             "Label3 txtHour txtMinute txtAmPm"},
            {"Alarm II back", "lblAlarmIIback", "FlatBttnAlarmII", "0",
             "Picture6 Label4 txtHour2 txtMinute2 txtAmPm2"},
            {"Alarm II font", "lblAlarmIIfont", "FlatBttnAlarmII2", "16766720",
             "Label4 txtHour2 txtMinute2 txtAmPm2"},
        });
    }

    // A pick shows at once in the swatch and in exactly the slot's targets, and is stored under the
    // swatch key at once and under the targets' keys within a second; "default" puts the slot back,
    // stored when the window closes.
    void eachSlotColoursItsTargets() {
        const QString swatch = column("swatch"), key = u"ColorSettings/"_s + swatch + u"BackColor"_s;
        const bool back = QByteArray(QTest::currentDataTag()).endsWith("back");
        const QString property = back ? u"BackColor"_s : u"ForeColor"_s;
        const QMap<QString, QString> before = scheme();
        QMap<QString, QString> picked = before;
        for (const QString &target : column("targets").split(u' '))
            picked[target + property] = u"658188"_s;
        w->click("FlatBttnColor");
        frmColor *window = w->window->colourWindow();
        auto *swatchButton = w->find(qPrintable(swatch), window);
        QVERIFY(swatchButton->accessibleName().endsWith(back ? u" background"_s : u" text"_s));
        const QWidget *box = swatchButton->parentWidget(); // and its caption beside it says so
        const auto captions = box->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
        QVERIFY(std::any_of(captions.begin(), captions.end(), [box, back](const QLabel *caption) {
            return box->y() < caption->y() && caption->y() < box->geometry().bottom() &&
                   caption->text() == (back ? u"back color"_s : u"font color"_s);
        }));
        QTEST(QString::number(Controls::backColour(swatchButton)), "byDefault");
        w->platform.nextColour = 658188;
        QTest::mouseClick(swatchButton, Qt::LeftButton);
        QCOMPARE(Controls::backColour(swatchButton), 658188);
        QCOMPARE(scheme(), picked);
        QCOMPARE(ini().value(key).toString(), u"658188"_s);
        const QString lastTarget = u"ColorSettings/"_s + column("targets").section(u' ', -1) + property;
        QTRY_COMPARE_WITH_TIMEOUT(ini().value(lastTarget).toString(), u"658188"_s, 1500);
        w->click(qPrintable(column("button")), window);
        QCOMPARE(scheme(), before);
        QCOMPARE(ini().value(key).toString(), u"658188"_s);
        window->close();
        QTEST(ini().value(key).toString(), "byDefault");
    }

    // Kept, an alarm and the countdown's notify choices come back as the window showed them; not
    // kept, they come back as at a first start, and the alarm that was on is told of once.
    void keptAlarmsComeBackAsShown() {
        const auto shown = [this] {
            return QStringList{w->texts({"txtHour2", "txtMinute2", "txtAmPm2"}), w->text("Option3"),
                               w->text("Check15"), w->texts({"txtHour3", "txtMinute3", "txtSecond"}),
                               w->text("Check2")}
                .join(u' ');
        };
        QTRY_VERIFY(!w->find<QTimer>("tmrSave")->isActive()); // nothing else waits to be saved
        w->click("Check15");                                  // saved alone, as soon
        QTRY_COMPARE_WITH_TIMEOUT(ini().value(u"TimerSettings/Notify15"_s).toString(), u"1"_s, 1500);
        w->platform.setTime(QTime(6, 0));
        w->typeParts({"txtHour2", "txtMinute2", "txtAmPm2"}, u"07:30:pm"_s);
        w->click("Option3");
        w->typeParts({"txtHour3", "txtMinute3", "txtSecond"}, u"00:10:00"_s);
        w->click("Check2");
        w->click("CheckKeep");
        w->restart();
        QCOMPARE(shown(), u"07:30:pm 1 1 00:10:00 1"_s);
        w->click("CheckKeep");
        w->restart();
        // Told, the record says so at once, not only at the end: a crash does not tell it again.
        QTRY_COMPARE_WITH_TIMEOUT(ini().value(u"Alarm2Settings/On"_s).toString(), u"0"_s, 1500);
        w->restart();
        QCOMPARE(shown(), u"12:00:am 0 0 00:00:00 0"_s);
        QCOMPARE(
            w->platform.log.filter(u"notify"_s),
            QStringList(u"notify Alarm II |Alarm II was on for 07:30 pm when Tivvet ended; it is off now"_s));
    }

    void startOptionsAndTheAutostartEntry() {
        const QString entry = u"autostart/Tivvet.desktop"_s;
        w->click("CheckStart");
        QVERIFY(
            w->file(entry).contains("\nComment=A countdown timer and two alarm "
                                    "clocks\nIcon=org.example.tivvet\nExec=\"/opt/tivvet/bin/tivvet\"\n"
                                    "TryExec=/opt/tivvet/bin/tivvet\nHidden=false\n")); // the running program
        QVERIFY(
            autostartEntry(u"Tivvet"_s, u"/opt/100%/tivvet"_s)
                .contains(
                    u"\nExec=\"/opt/100%%/tivvet\"\nTryExec=/opt/100%/tivvet\nHidden=false\nX-GNOME-Autostart-enabled=true\n"_s));
        w->click("CheckMin");
        w->restart();
        QCOMPARE(ini().value(u"ControlSettings/CheckStartValue"_s).toString() + w->text("CheckStart"),
                 u"11"_s);
        w->click("CheckRepeat"); // saved alone, as soon
        QTRY_COMPARE_WITH_TIMEOUT(ini().value(u"ControlSettings/CheckRepeatValue"_s).toString(), u"1"_s,
                                  1500);
        QCOMPARE(ini().value(u"ControlSettings/CheckMinValue"_s).toString() + w->text("CheckMin"), u"11"_s);
        QFile::remove(w->platform.configFolder.filePath(entry));
        w->restart(); // registered again at every start
        QVERIFY(w->file(entry).contains("\nExec=\"") && w->checked("CheckRepeat"));
        w->click("CheckStart");
        QVERIFY(w->file(entry).contains("\nExec=\nHidden=true\n"));
        QFile::remove(w->platform.configFolder.filePath(entry)); // a folder in its place: it stays
        QDir(w->platform.configFolder.path()).mkpath(entry + u"/x"_s);
        w->platform.takeLog();
        w->click("CheckStart");
        QVERIFY(w->checked("CheckStart") && w->platform.takeLog().isEmpty() &&
                QFileInfo(w->platform.configFolder.filePath(entry)).isDir());
        QCOMPARE(runTimeErrorText(5, u"Denied"_s), u"ERROR # 5 : Denied\rPlease Exit and try again."_s);
    }

    // Only what changed is written, and nothing runs once it is.
    void aChangeIsOnDiskWithinASecond() {
        w->type("txtProgram2", u"/bin/two"_s);
        w->click("CheckMin");
        QVERIFY(w->find<QTimer>("tmrSave")->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(w->file(u"Tivvet/Options/program2.txt"_s), QByteArray("/bin/two\r\n"),
                                  1500);
        QCOMPARE(w->file(u"Tivvet/Options/wav.txt"_s), QByteArray("<none>"));
        QVERIFY(!w->find<QTimer>("tmrSave")->isActive());
        const QString program2 = w->platform.configFolder.filePath(u"Tivvet/Options/program2.txt"_s);
        QVERIFY(::chmod(QFile::encodeName(program2).constData(), 0640) == 0); // and stays 0640
        w->type("txtProgram2", u"/bin/2"_s);
        QTRY_COMPARE_WITH_TIMEOUT(w->file(u"Tivvet/Options/program2.txt"_s), QByteArray("/bin/2\r\n"), 1500);
        QCOMPARE(status(program2).st_mode & 07777, 0640u);
        w->window->setOwnsUserFiles(false); // beside another Tivvet: nothing written until that one ends
        w->type("txtProgram2", u"/bin/3"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!w->find<QTimer>("tmrSave")->isActive(), 1500);
        w->window->end().commitData(); // nothing saved, and nothing told
        QCOMPARE(w->file(u"Tivvet/Options/program2.txt"_s), QByteArray("/bin/2\r\n"));
        QVERIFY(w->platform.log.isEmpty());
        w->window->setOwnsUserFiles(true);
        QCOMPARE(w->file(u"Tivvet/Options/program2.txt"_s), QByteArray("/bin/3\r\n"));
        w->type("txtProgram2", u"/bin/4"_s);
        w->window->end().commitData(); // the session manager's save at logout: at once
        QCOMPARE(w->file(u"Tivvet/Options/program2.txt"_s), QByteArray("/bin/4\r\n"));
        QTimer typing; // on and on, yet saved within five seconds
        connect(&typing, &QTimer::timeout, this,
                [this] { w->type("txtProgram2", w->text("txtProgram2") + u'x'); });
        typing.start(200);
        QTRY_VERIFY_WITH_TIMEOUT(w->file(u"Tivvet/Options/program2.txt"_s).contains("xxx"), 6000);
    }

    // Without HOME the configuration folder is XDG_CONFIG_HOME's; without either, the user database's.
    void theConfigurationFolderWithoutHome() {
        const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", home);
            qputenv("XDG_CONFIG_HOME", config);
        });
        qunsetenv("HOME");
        qputenv("XDG_CONFIG_HOME", "/c");
        QCOMPARE(userConfigFolder(), u"/c"_s);
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(userConfigFolder(), QFile::decodeName(::getpwuid(::getuid())->pw_dir) + u"/.config"_s);
    }

    // A write cut short (a full disk, here a limit on the file's size) is told, and the old file
    // stays whole.
    void aWriteCutShortKeepsTheOldFile() {
        const QString path = w->platform.configFolder.filePath(u"full.txt"_s);
        QVERIFY(writeFileAtomically(path, "old\r\n").isEmpty());
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlim_t before = std::exchange(limit.rlim_cur, 4096);
        std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const QString failure = writeFileAtomically(path, QByteArray(100'000, 'x'));
        limit.rlim_cur = before;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
        QCOMPARE(failure, qt_error_string(EFBIG));
        QCOMPARE(w->file(u"full.txt"_s), QByteArray("old\r\n"));
        QCOMPARE(QDir(w->platform.configFolder.path()).entryList(QDir::Files | QDir::Hidden),
                 {u"full.txt"_s});
    }

    // Each row: a file put under the configuration folder's "Tivvet" before the start (its bytes the
    // text's Latin-1), then what the program shows.
    void hostileInputs_data() {
        addRows({
            {"", "file", "content", "control", "shows", "told"},
            {"start minimized", "Tivvet.ini", "[ControlSettings]\nCheckMinValue=1", "CheckMin", "1", ""},
            {"not a number", "Tivvet.ini", "[ControlSettings]\nCheckMinValue=yes", "CheckMin", "0", ""},
            {"out of range", "Tivvet.ini", "[ControlSettings]\nCheckMinValue=2", "CheckMin", "0", ""},
            {"colour -1", "Tivvet.ini", "[ColorSettings]\nlblCounterForeColor=-1", "lblCounterForeColor",
             "240", ""},
            {"colour 2^24", "Tivvet.ini", "[ColorSettings]\nlblCounterForeColor=16777216",
             "lblCounterForeColor", "240", ""},
            {"black", "Tivvet.ini", "[ColorSettings]\nlblCounterForeColor=0", "lblCounterForeColor", "0", ""},
            {"white", "Tivvet.ini", "[ColorSettings]\nlblCounterForeColor=16777215", "lblCounterForeColor",
             "16777215", ""},
            {"19 digits", "Tivvet.ini", "[ColorSettings]\nlblCounterForeColor=0000000000000000255",
             "lblCounterForeColor", "240", ""},
            {"18 digits", "Tivvet.ini", "[ColorSettings]\nlblCounterForeColor=000000000000000259",
             "lblCounterForeColor", "259", ""},
            {"CR LF", "Options/wav.txt", "/s/a.wav\r\n", "txtWav", "/s/a.wav", ""},
            {"no line end", "Options/wav.txt", "/s/a.wav", "txtWav", "/s/a.wav", ""},
            {"LF only", "Options/wav.txt", "/s/a.wav\n", "txtWav", "/s/a.wav", ""},
            {"lines", "Options/message.txt", "a\r\nb\r\n\r\n", "txtMessage", "a\nb\n", ""},
            {"not UTF-8", "Options/message2.txt", "caf\u00e9!\r\n", "txtMessage2", "caf\ufffd!", ""},
            {"1 MiB", "Options/message.txt", "1 MiB", "txtMessage", "1 MiB", ""},
            {"a byte more", "Options/message.txt", "1 MiB and a byte", "txtMessage", "", "unreadable"},
            {"mode 000", "Options/wav2.txt", "mode 000", "txtWav2", "", "unreadable"},
            {"a folder", "Options/program.txt/x", "", "txtProgram", "", "unreadable"},
            {"the settings a folder", "Tivvet.ini/x", "", "CheckMin", "0", "unwritable"},
            {"a FIFO", "Options/message.txt", "FIFO", "txtMessage", "", "unreadable"},
            {"a device", "Options/wav.txt", "/dev/zero", "txtWav", "", "unreadable"},
            {"a link", "Options/wav.txt", "link", "txtWav", "/s/linked.wav", ""},
            {"a link to nothing", "Options/wav.txt", "dangling", "txtWav", "", "unreadable"},
            {"leftover", "Options/.wav2.txt.tivvet-AbC123", "", ".wav2.txt.tivvet-AbC123", "gone", ""},
            {"a backup", "Options/wav.txt.backup", "", "wav.txt.backup", "kept", ""},
            {"Qt's own leftover", "Options/wav.txt.MwQCDb", "", "wav.txt.MwQCDb", "kept", ""},
            {"another file's", "Options/.notes.txt.tivvet-AbC123", "", ".notes.txt.tivvet-AbC123", "kept",
             ""},
            {"in capitals", "Options/.WAV2.txt.tivvet-AbC123", "", ".WAV2.txt.tivvet-AbC123", "kept", ""},
        });
    }

    // What cannot be written at exit is named in one message; the rest is saved.
    void hostileInputs() {
        const QString file = column("file"), control = column("control"), content = column("content");
        if (content == u"mode 000"_s && ::geteuid() == 0)
            QSKIP("root reads every file: the ctest entry test_persistence_unprivileged runs this row");
        const QString path = w->platform.configFolder.filePath(u"Tivvet/"_s + file);
        w->window->close();
        QDir(w->platform.configFolder.filePath(u"Tivvet"_s)).removeRecursively();
        QDir().mkpath(QFileInfo(path).path());
        QFile stored(path);
        if (content == u"FIFO"_s) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (content.startsWith(u"/dev/"_s)) {
            // Root links to a node of its own: a fault that wrote through the link would replace the
            // system's device.
            const QString device = ::geteuid() == 0 ? w->platform.configFolder.filePath(u"zero"_s) : content;
            QVERIFY(device == content ||
                    ::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 5)) == 0);
            QVERIFY(QFile::link(device, path));
        } else if (content == u"link"_s) { // to a file of the user's elsewhere
            const QString elsewhere = w->platform.configFolder.filePath(u"elsewhere.txt"_s);
            QVERIFY(writeFileAtomically(elsewhere, "/s/linked.wav\r\n").isEmpty() &&
                    QFile::link(elsewhere, path));
        } else if (content == u"dangling"_s) { // written in its place
            QVERIFY(QFile::link(path + u".gone"_s, path));
        } else if (content == u"mode 000"_s) {
            QVERIFY(writeFileAtomically(path, "/s/old.wav\r\n").isEmpty() && QFile::setPermissions(path, {}));
        } else {
            QVERIFY(stored.open(QIODevice::WriteOnly));
            stored.write(content.startsWith(u"1 MiB"_s)
                             ? QByteArray(1024 * 1024 + int(content.endsWith(u"a byte"_s)), 'a')
                             : content.toLatin1());
            stored.close();
        }
        const QString optionsFile = file.endsWith(u"/x"_s) ? path.chopped(2) : path;
        const ino_t before = status(optionsFile).st_ino;
        w->start();
        const QString started = w->platform.takeLog().join(u'\n'), told = column("told");
        QCOMPARE(started.count(u"Unable to read the options!"_s) == 1 &&
                     started.contains(QFileInfo(optionsFile).fileName() + u": "_s),
                 told == u"unreadable"_s);
        QString shown = control.endsWith(u"Color"_s) ? scheme()[control] : QString();
        if (control.contains(u'.')) {
            shown = QFile::exists(QFileInfo(path).path() + u'/' + control) ? u"kept"_s : u"gone"_s;
        } else if (shown.isEmpty()) {
            shown = w->text(qPrintable(control));
            if (shown.size() == 1024 * 1024)
                shown = u"1 MiB"_s;
        }
        QTEST(shown, "shows");
        w->window->close();
        w->window->end().commitData(); // the session manager's save: nothing once the window has closed
        const QString error = w->platform.takeLog().join(u'\n');
        QCOMPARE(error.count(u"Unable to save the options!"_s) == 1 &&
                     error.contains(QFileInfo(optionsFile).fileName() + u": "_s),
                 told == u"unwritable"_s);
        if (told == u"unreadable"_s) // and not written back
            QCOMPARE(status(optionsFile).st_ino, before);
        QCOMPARE(QFileInfo(path).isSymLink(),
                 content == u"link"_s || content == u"dangling"_s || content.startsWith(u"/dev/"_s));
        QVERIFY(!error.contains(u"wav.txt"_s));
        QCOMPARE(w->file(u"Tivvet/Options/wav3.txt"_s), QByteArray("\r\n"));
        if (content == u"mode 000"_s ||
            content == u"dangling"_s) { // what the user types is written so that it reads back
            w->start();
            w->type(qPrintable(control), u"/s/new.wav"_s);
            w->restart();
            QCOMPARE(w->text(qPrintable(control)), u"/s/new.wav"_s);
            QCOMPARE(status(path).st_mode & 07777, 0600u);
        }
    }

private:
    static struct stat status(const QString &path) {
        struct stat status {};
        ::lstat(QFile::encodeName(path).constData(), &status);
        return status;
    }

    QSettings ini() const {
        return {w->platform.configFolder.filePath(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat};
    }
    // The colours of the scheme's controls by key: "txtHoursForeColor" is the text colour of txtHours.
    QMap<QString, QString> scheme() const {
        QMap<QString, QString> colours;
        for (const char *name : {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6",
                                 "lblCounter", "txtHours", "txtMinutes", "txtSeconds", "txtHour", "txtMinute",
                                 "txtAmPm", "txtHour2", "txtMinute2", "txtAmPm2", "Label3", "Label4"}) {
            colours[QLatin1StringView(name) + u"BackColor"_s] =
                QString::number(Controls::backColour(w->find(name)));
            colours[QLatin1StringView(name) + u"ForeColor"_s] =
                QString::number(Controls::foreColour(w->find(name)));
        }
        return colours;
    }
};

QTEST_MAIN(TestPersistence)
#include "test_persistence.moc"
