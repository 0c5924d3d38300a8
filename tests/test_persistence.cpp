#include "Rows.h"
#include "TestWindow.h"
#include "colours/frmColor.h"
#include "persistence/Autostart.h"
#include "platform/ConfigFolder.h"
#include "platform/Controls.h"
#include "platform/InstallPaths.h"

#include <QDir>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
constexpr ColourValue Black = 0, Grey = 0xB9B9B9, Red = 0x0000F0, Azure = 0xFFD700;
const char *const SchemeControls[] = {"Picture1", "Picture2",   "Picture3", "Picture4",   "Picture5",
                                      "Picture6", "lblCounter", "txtHours", "txtMinutes", "txtSeconds",
                                      "txtHour",  "txtMinute",  "txtAmPm",  "txtHour2",   "txtMinute2",
                                      "txtAmPm2", "Label3",     "Label4"};
} // namespace

// The settings store, the colour scheme and the colour window, start with the system, and what the
// program makes of files and environments that it did not write itself.
class TestPersistence : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { w = std::make_unique<TestWindow>(); }
    void eachColourKeyColoursItsControl_data();
    void eachColourKeyColoursItsControl();
    void eachSlotColoursItsTargets_data();
    void eachSlotColoursItsTargets();
    void customColoursLastWhileTheColourWindowIsOpen();
    void startOptionsAndTheAutostartEntry();
    void hostileInputs_data();
    void hostileInputs();

private:
    QSettings ini() const {
        return {w->platform.configFolder.filePath(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat};
    }
    // "txtHoursForeColor": the text colour of txtHours.
    ColourValue colourOf(const QString &key) const {
        QWidget *control = w->find(qPrintable(key.chopped(9)));
        return key.endsWith(u"BackColor"_s) ? Controls::backColour(control) : Controls::foreColour(control);
    }
    QMap<QString, ColourValue> scheme() const {
        QMap<QString, ColourValue> colours;
        for (const char *control : SchemeControls)
            for (const QString &kind : {u"BackColor"_s, u"ForeColor"_s})
                colours[QLatin1StringView(control) + kind] = colourOf(QLatin1StringView(control) + kind);
        return colours;
    }

    std::unique_ptr<TestWindow> w;
};

void TestPersistence::eachColourKeyColoursItsControl_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<ColourValue>("byDefault");
    const std::pair<const char *, ColourValue> keys[] = {
        {"Picture1BackColor", Black},   {"Picture2BackColor", Black},   {"Picture3BackColor", Black},
        {"Picture4BackColor", Black},   {"Picture5BackColor", Black},   {"Picture6BackColor", Black},
        {"lblCounterBackColor", Black}, {"txtHoursBackColor", Black},   {"txtMinutesBackColor", Black},
        {"txtSecondsBackColor", Black}, {"txtHourBackColor", Black},    {"txtMinuteBackColor", Black},
        {"txtAmPmBackColor", Black},    {"txtHour2BackColor", Black},   {"txtMinute2BackColor", Black},
        {"txtAmPm2BackColor", Black},   {"Label3BackColor", Black},     {"Label4BackColor", Black},
        {"Label3ForeColor", Azure},     {"Label4ForeColor", Azure},     {"lblCounterForeColor", Red},
        {"txtHoursForeColor", Grey},    {"txtMinutesForeColor", Grey},  {"txtSecondsForeColor", Grey},
        {"txtHourForeColor", Azure},    {"txtMinuteForeColor", Azure},  {"txtAmPmForeColor", Azure},
        {"txtHour2ForeColor", Azure},   {"txtMinute2ForeColor", Azure}, {"txtAmPm2ForeColor", Azure},
    };
    for (const auto &[key, byDefault] : keys)
        QTest::newRow(key) << QString::fromLatin1(key) << byDefault;
}

// A stored key colours its own control's property and nothing else; every key is saved at exit.
void TestPersistence::eachColourKeyColoursItsControl() {
    QFETCH(QString, key);
    QTEST(colourOf(key), "byDefault");
    QMap<QString, ColourValue> expected = scheme();
    w->window->close();
    ini().setValue(u"ColorSettings/"_s + key, u"66051"_s);
    w->start();
    expected[key] = 0x010203;
    QCOMPARE(scheme(), expected);
    w->restart();
    QCOMPARE(ini().value(u"ColorSettings/"_s + key).toString(), u"66051"_s);
    QCOMPARE(ini().allKeys().size(), 32);
}

void TestPersistence::eachSlotColoursItsTargets_data() {
    addRows({
        {"", "swatch", "button", "byDefault", "targets"},
        {"entry back", "lblEnter", "FlatBttnEnter", "0",
         "Picture2 Picture3 Picture4 txtHours txtMinutes txtSeconds: back"},
        {"entry text", "lblEnter2", "FlatBttnEnter2", "12171705", "txtHours txtMinutes txtSeconds: font"},
        {"remaining back", "lblRemain", "FlatBttnRemain", "0", "Picture5 lblCounter: back"},
        {"remaining text", "lblRemain2", "FlatBttnRemain2", "240", "lblCounter: font"},
        {"Alarm I back", "lblAlarmIback", "FlatBttnAlarmI", "0",
         "Picture1 Label3 txtHour txtMinute txtAmPm: back"},
        {"Alarm I text", "lblAlarmIfont", "FlatBttnAlarmI2", "16766720",
         "Label3 txtHour txtMinute txtAmPm: font"},
        {"Alarm II back", "lblAlarmIIback", "FlatBttnAlarmII", "0",
         "Picture6 Label4 txtHour2 txtMinute2 txtAmPm2: back"},
        {"Alarm II text", "lblAlarmIIfont", "FlatBttnAlarmII2", "16766720",
         "Label4 txtHour2 txtMinute2 txtAmPm2: font"},
    });
}

// A pick shows at once in the swatch and in exactly the slot's targets, and is stored under the
// swatch key at once; "default" puts the slot back, stored when the window closes.
void TestPersistence::eachSlotColoursItsTargets() {
    QFETCH(QString, swatch);
    QFETCH(QString, targets);
    const QString kind = targets.section(u": "_s, 1);
    const QMap<QString, ColourValue> before = scheme();
    QMap<QString, ColourValue> picked = before;
    for (const QString &target : targets.section(u": "_s, 0, 0).split(u' '))
        picked[target + (kind == u"back"_s ? u"BackColor"_s : u"ForeColor"_s)] = 0x0A0B0C;
    w->click("FlatBttnColor");
    frmColor *window = w->window->colorWindow;
    auto *swatchLabel = w->find<QLabel>(qPrintable(swatch), window);
    QCOMPARE(swatchLabel->accessibleName(), kind + u" color"_s);
    QFETCH(QString, byDefault);
    QCOMPARE(Controls::backColour(swatchLabel), byDefault.toInt());
    w->platform.nextColour = 0x0A0B0C;
    QTest::mouseClick(swatchLabel, Qt::LeftButton);
    QCOMPARE(Controls::backColour(swatchLabel), 0x0A0B0C);
    QCOMPARE(scheme(), picked);
    const QString swatchKey = u"ColorSettings/"_s + swatch + u"BackColor"_s;
    QCOMPARE(ini().value(swatchKey).toString(), u"658188"_s);
    QFETCH(QString, button);
    w->click(qPrintable(button), window);
    QCOMPARE(scheme(), before);
    QCOMPARE(ini().value(swatchKey).toString(), u"658188"_s);
    window->close();
    QCOMPARE(ini().value(swatchKey).toString(), byDefault);
}

void TestPersistence::customColoursLastWhileTheColourWindowIsOpen() {
    w->click("FlatBttnColor");
    QPointer<frmColor> window = w->window->colorWindow;
    CustomColours edited;
    edited.fill(0x123456);
    window->Swatch_Click(ColourScheme::EntryBack); // cancelled
    window->Swatch_Click(ColourScheme::EntryBack);
    QCOMPARE(w->platform.offeredColours, CustomColours{});
    w->platform.nextColour = 0x0000FF;
    window->Swatch_Click(ColourScheme::EntryBack);
    window->Swatch_Click(ColourScheme::EntryBack);
    QCOMPARE(w->platform.offeredColours, edited);
    w->click("FlatBttnColor"); // the same window, nothing read again
    QCOMPARE(w->window->colorWindow, window);
    QCOMPARE(window->customColours, edited);
    window->close();
    QTRY_VERIFY(!window);
    w->click("FlatBttnColor");
    QCOMPARE(w->window->colorWindow->customColours, CustomColours{});
    QCOMPARE(w->window->colorWindow->swatchColour(ColourScheme::EntryBack), 0x0000FF);
}

void TestPersistence::startOptionsAndTheAutostartEntry() {
    const QString entry = u"autostart/Tivvet.desktop"_s;
    w->click("CheckStart");
    QVERIFY(w->file(entry).contains("\nExec=\"" + QByteArray(ProgramPath) + "\"\nHidden=false\n"));
    w->click("CheckMin");
    w->restart();
    QCOMPARE(ini().value(u"ControlSettings/CheckStartValue"_s).toString(), u"1"_s);
    QCOMPARE(ini().value(u"ControlSettings/CheckMinValue"_s).toString(), u"1"_s);
    QVERIFY(w->checked("CheckStart") && w->checked("CheckMin"));
    QVERIFY(!w->window->isVisible()); // only the tray icon
    QFile::remove(w->platform.configFolder.filePath(entry));
    w->restart(); // registered again at every start
    QVERIFY(w->file(entry).contains("\nExec=\""));
    w->click("CheckStart");
    QVERIFY(w->file(entry).contains("\nExec=\nHidden=true\n"));
    QCOMPARE(runTimeErrorText(5, u"Denied"_s), u"ERROR # 5 : Denied\rPlease Exit and try again."_s);
    QCOMPARE(runTimeErrorText(-5, u"x"_s), u"ERROR #-5 : x\rPlease Exit and try again."_s);
    QCOMPARE(runTimeErrorText(0, u"x"_s), u"ERROR # 0 : x\rPlease Exit and try again."_s);
}

// Each row: a file put under the configuration folder's "Tivvet" (its bytes the Latin-1 of the
// text), or the environment, then what the program shows: a control's text, state or colour.
void TestPersistence::hostileInputs_data() {
    addRows({
        {"", "file", "content", "control", "shows"},
        {"start minimized", "Tivvet.ini", "[ControlSettings]\nCheckMinValue=1", "CheckMin", "1"},
        {"not a number", "Tivvet.ini", "[ControlSettings]\nCheckMinValue=yes", "CheckMin", "0"},
        {"out of range", "Tivvet.ini", "[ControlSettings]\nCheckMinValue=2", "CheckMin", "0"},
        {"broken lines", "Tivvet.ini", "[ControlSettings\n\x01=\nCheckMinValue=1", "CheckMin", "1"},
        {"colour -1", "Tivvet.ini", "[ColorSettings]\nlblCounterForeColor=-1", "lblCounterForeColor", "240"},
        {"colour 2^24", "Tivvet.ini", "[ColorSettings]\nlblCounterForeColor=16777216", "lblCounterForeColor",
         "240"},
        {"white", "Tivvet.ini", "[ColorSettings]\nlblCounterForeColor=16777215", "lblCounterForeColor",
         "16777215"},
        {"pure red", "Tivvet.ini", "[ColorSettings]\nlblCounterForeColor=255", "lblCounterForeColor", "255"},
        {"colour 25x", "Tivvet.ini", "[ColorSettings]\nlblCounterForeColor=25x", "lblCounterForeColor",
         "240"},
        {"colour 10^19", "Tivvet.ini", "[ColorSettings]\nlblCounterForeColor=9999999999999999999",
         "lblCounterForeColor", "240"},
        {"CR LF", "Options/wav.txt", "/s/a.wav\r\n", "txtWav", "/s/a.wav"},
        {"no line end", "Options/wav.txt", "/s/a.wav", "txtWav", "/s/a.wav"},
        {"lines", "Options/message.txt", "a\r\nb\r\n\r\n", "txtMessage", "a\nb\n"},
        {"not UTF-8", "Options/message2.txt", "caf\u00e9!\r\n", "txtMessage2", "caf\ufffd!"},
        {"huge", "Options/message.txt", "3 MB", "txtMessage#", "1048576"},
        {"a folder", "Options/program.txt/x", "", "txtProgram", ""},
        {"leftover", "Options/wav2.txt.AbC123", "", "wav2.txt.AbC123", "gone"},
        {"no HOME", "HOME", "", "config", "/c"},
        {"no XDG_CONFIG_HOME", "XDG_CONFIG_HOME", "", "config", "/h/.config"},
        {"neither", "HOME XDG_CONFIG_HOME", "", "config", "from the user database"},
    });
}

// What cannot be written at exit is named in one message; the rest is saved.
void TestPersistence::hostileInputs() {
    QFETCH(QString, file);
    QFETCH(QString, control);
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    w->window->close();
    QDir(w->platform.configFolder.filePath(u"Tivvet"_s)).removeRecursively();
    const QString path = w->platform.configFolder.filePath(u"Tivvet/"_s + file);
    QDir().mkpath(QFileInfo(path).path());
    QFile stored(path);
    QFETCH(QString, content);
    QVERIFY(stored.open(QIODevice::WriteOnly));
    stored.write(content == u"3 MB"_s ? (QByteArray(999, 'a') + '\n').repeated(3000) : content.toLatin1());
    stored.close();
    w->start();
    QString shown;
    if (control == u"config"_s) {
        qputenv("HOME", "/h");
        qputenv("XDG_CONFIG_HOME", "/c");
        for (const QString &variable : file.split(u' '))
            qunsetenv(qPrintable(variable));
        shown = userConfigFolder();
        if (shown.startsWith(u"/root/"_s) || shown.startsWith(u"/home/"_s))
            shown = u"from the user database"_s;
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", config);
    } else if (control.endsWith(u"Color"_s)) {
        shown = QString::number(colourOf(control));
    } else if (control.startsWith(u"Check"_s)) {
        shown = w->checked(qPrintable(control)) ? u"1"_s : u"0"_s;
    } else if (control.contains(u'.')) {
        shown = QFile::exists(QFileInfo(path).path() + u'/' + control) ? u"kept"_s : u"gone"_s;
    } else {
        shown = control.endsWith(u'#') ? QString::number(w->text(qPrintable(control.chopped(1))).size())
                                       : w->text(qPrintable(control));
    }
    QTEST(shown, "shows");
    w->platform.takeLog();
    w->window->close();
    const QString saveError = w->platform.takeLog().join(u'\n');
    QCOMPARE(saveError.contains(u"Unable to save the options!"_s), file.endsWith(u"/x"_s));
    QCOMPARE(saveError.contains(u"program.txt: "_s), file.endsWith(u"/x"_s));
    QVERIFY(!saveError.contains(u"wav.txt"_s));
    QCOMPARE(w->file(u"Tivvet/Options/wav3.txt"_s), QByteArray("\r\n"));
}

QTEST_MAIN(TestPersistence)
#include "test_persistence.moc"
