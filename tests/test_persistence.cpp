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

void put(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

// The settings store, the colour scheme and the colour window, start with the system, and what the
// program makes of files and environments it did not write itself.
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
    void hostileFiles_data();
    void hostileFiles();
    void configurationFolderFromTheEnvironment();

private:
    QSettings ini() const {
        return {w->platform.configFolder.filePath(u"Tivvet/Tivvet.ini"_s), QSettings::IniFormat};
    }
    ColourValue colourOf(const QString &key) const {
        QWidget *control = w->find(qPrintable(key.chopped(9)));
        return key.endsWith(u"BackColor"_s) ? Controls::backColour(control) : Controls::foreColour(control);
    }

    // A colour as its number, a box as its text or its length, a check box as 0 or 1, a file as
    // kept or gone.
    QString shownBy(const QString &control) const {
        if (control.endsWith(u"Color"_s))
            return QString::number(colourOf(control));
        if (control.startsWith(u"Check"_s))
            return w->checked(qPrintable(control)) ? u"1"_s : u"0"_s;
        if (control.contains(u'.'))
            return QFile::exists(w->platform.configFolder.filePath(u"Tivvet/Options/"_s + control))
                       ? u"kept"_s
                       : u"gone"_s;
        if (control.endsWith(u'#'))
            return u"length %1"_s.arg(w->text(qPrintable(control.chopped(1))).size());
        return w->text(qPrintable(control));
    }

    std::unique_ptr<TestWindow> w;
};

void TestPersistence::eachColourKeyColoursItsControl_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<ColourValue>("byDefault");
    const std::pair<const char16_t *, ColourValue> keys[] = {
        {u"Picture1BackColor", Black},   {u"Picture2BackColor", Black},   {u"Picture3BackColor", Black},
        {u"Picture4BackColor", Black},   {u"Picture5BackColor", Black},   {u"Picture6BackColor", Black},
        {u"lblCounterBackColor", Black}, {u"txtHoursBackColor", Black},   {u"txtMinutesBackColor", Black},
        {u"txtSecondsBackColor", Black}, {u"txtHourBackColor", Black},    {u"txtMinuteBackColor", Black},
        {u"txtAmPmBackColor", Black},    {u"txtHour2BackColor", Black},   {u"txtMinute2BackColor", Black},
        {u"txtAmPm2BackColor", Black},   {u"Label3BackColor", Black},     {u"Label4BackColor", Black},
        {u"Label3ForeColor", Azure},     {u"Label4ForeColor", Azure},     {u"lblCounterForeColor", Red},
        {u"txtHoursForeColor", Grey},    {u"txtMinutesForeColor", Grey},  {u"txtSecondsForeColor", Grey},
        {u"txtHourForeColor", Azure},    {u"txtMinuteForeColor", Azure},  {u"txtAmPmForeColor", Azure},
        {u"txtHour2ForeColor", Azure},   {u"txtMinute2ForeColor", Azure}, {u"txtAmPm2ForeColor", Azure},
    };
    for (const auto &[key, byDefault] : keys)
        QTest::newRow(qPrintable(QString::fromUtf16(key))) << QString::fromUtf16(key) << byDefault;
}

// Only its own control changes, and every key is saved at exit, changed or not.
void TestPersistence::eachColourKeyColoursItsControl() {
    QFETCH(QString, key);
    QFETCH(ColourValue, byDefault);
    QCOMPARE(colourOf(key), byDefault);
    w->window->close();
    ini().setValue(u"ColorSettings/"_s + key, u"66051"_s);
    w->start();
    QCOMPARE(colourOf(key), 0x010203);
    QString otherKind = key;
    otherKind.replace(u"BackColor"_s, u"Xxx"_s)
        .replace(u"ForeColor"_s, u"BackColor"_s)
        .replace(u"Xxx"_s, u"ForeColor"_s);
    QVERIFY(colourOf(otherKind) != 0x010203);
    w->restart();
    QCOMPARE(ini().value(u"ColorSettings/"_s + key).toString(), u"66051"_s);
    QCOMPARE(ini().allKeys().size(), 32);
}

void TestPersistence::eachSlotColoursItsTargets_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<ColourValue>("byDefault");
    QTest::addColumn<QStringList>("targets");
    const auto keys = [](const char *names, const char *kind) {
        QStringList list = QString::fromLatin1(names).split(u' ');
        for (QString &name : list)
            name += QLatin1StringView(kind);
        return list;
    };
    QTest::newRow("entry background")
        << u"FlatBttnEnter"_s << u"lblEnter"_s << Black
        << keys("Picture2 Picture3 Picture4 txtHours txtMinutes txtSeconds", "BackColor");
    QTest::newRow("entry text") << u"FlatBttnEnter2"_s << u"lblEnter2"_s << Grey
                                << keys("txtHours txtMinutes txtSeconds", "ForeColor");
    QTest::newRow("remaining background")
        << u"FlatBttnRemain"_s << u"lblRemain"_s << Black << keys("Picture5 lblCounter", "BackColor");
    QTest::newRow("remaining text") << u"FlatBttnRemain2"_s << u"lblRemain2"_s << Red
                                    << keys("lblCounter", "ForeColor");
    QTest::newRow("Alarm I background") << u"FlatBttnAlarmI"_s << u"lblAlarmIback"_s << Black
                                        << keys("Picture1 Label3 txtHour txtMinute txtAmPm", "BackColor");
    QTest::newRow("Alarm I text") << u"FlatBttnAlarmI2"_s << u"lblAlarmIfont"_s << Azure
                                  << keys("Label3 txtHour txtMinute txtAmPm", "ForeColor");
    QTest::newRow("Alarm II background") << u"FlatBttnAlarmII"_s << u"lblAlarmIIback"_s << Black
                                         << keys("Picture6 Label4 txtHour2 txtMinute2 txtAmPm2", "BackColor");
    QTest::newRow("Alarm II text") << u"FlatBttnAlarmII2"_s << u"lblAlarmIIfont"_s << Azure
                                   << keys("Label4 txtHour2 txtMinute2 txtAmPm2", "ForeColor");
}

// A pick shows at once in the swatch and in exactly the slot's targets, and is kept under the swatch
// key at once; "default" puts the slot back and is kept when the window closes.
void TestPersistence::eachSlotColoursItsTargets() {
    QFETCH(QString, button);
    QFETCH(QString, swatch);
    QFETCH(ColourValue, byDefault);
    QFETCH(QStringList, targets);
    QStringList all;
    for (const char *control : {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6",
                                "lblCounter", "txtHours", "txtMinutes", "txtSeconds", "txtHour", "txtMinute",
                                "txtAmPm", "txtHour2", "txtMinute2", "txtAmPm2", "Label3", "Label4"})
        all << QLatin1StringView(control) + u"BackColor"_s << QLatin1StringView(control) + u"ForeColor"_s;
    QMap<QString, ColourValue> before;
    for (const QString &key : all)
        before[key] = colourOf(key);

    w->click("FlatBttnColor");
    frmColor *window = w->window->colorWindow;
    auto *swatchLabel = w->find<QLabel>(qPrintable(swatch), window);
    QCOMPARE(swatchLabel->accessibleName(),
             targets.first().endsWith(u"BackColor"_s) ? u"back color"_s : u"font color"_s);
    QCOMPARE(Controls::backColour(swatchLabel), byDefault);
    w->platform.colourDialog.nextColour = 0x0A0B0C;
    QTest::mouseClick(swatchLabel, Qt::LeftButton);
    QCOMPARE(Controls::backColour(swatchLabel), 0x0A0B0C);
    for (const QString &key : all)
        QCOMPARE(colourOf(key), targets.contains(key) ? 0x0A0B0C : before[key]);
    const QString swatchKey = u"ColorSettings/"_s + swatch + u"BackColor"_s;
    QCOMPARE(ini().value(swatchKey).toString(), u"658188"_s);

    w->click(qPrintable(button), window);
    for (const QString &key : all)
        QCOMPARE(colourOf(key), before[key]);
    QCOMPARE(ini().value(swatchKey).toString(), u"658188"_s);
    window->close();
    QCOMPARE(ini().value(swatchKey).toString(), QString::number(byDefault));
}

void TestPersistence::customColoursLastWhileTheColourWindowIsOpen() {
    w->click("FlatBttnColor");
    QPointer<frmColor> window = w->window->colorWindow;
    const CustomColours black{}, edited = [] {
        CustomColours colours;
        colours.fill(0x123456);
        return colours;
    }();
    window->Swatch_Click(ColourScheme::EntryBack); // cancelled
    window->Swatch_Click(ColourScheme::EntryBack);
    QCOMPARE(w->platform.colourDialog.offered, black);
    w->platform.colourDialog.nextColour = 0x0000FF;
    window->Swatch_Click(ColourScheme::EntryBack);
    window->Swatch_Click(ColourScheme::EntryBack);
    QCOMPARE(w->platform.colourDialog.offered, edited);
    w->click("FlatBttnColor"); // the same window, nothing read again
    QCOMPARE(w->window->colorWindow, window);
    QCOMPARE(window->customColours, edited);
    window->close();
    QTRY_VERIFY(!window);
    w->click("FlatBttnColor");
    QCOMPARE(w->window->colorWindow->customColours, black);
    QCOMPARE(w->window->colorWindow->swatchColour(ColourScheme::EntryBack), 0x0000FF);
}

void TestPersistence::startOptionsAndTheAutostartEntry() {
    const QString entry = u"autostart/Tivvet.desktop"_s;
    QCOMPARE(w->file(entry), QByteArray("<none>"));
    w->click("CheckStart");
    QVERIFY(w->file(entry).contains("\nExec=\"" + QByteArray(ProgramPath) + "\"\nHidden=false\n"));
    w->click("CheckMin");
    w->restart();
    QCOMPARE(ini().value(u"ControlSettings/CheckStartValue"_s).toString(), u"1"_s);
    QCOMPARE(ini().value(u"ControlSettings/CheckMinValue"_s).toString(), u"1"_s);
    QVERIFY(w->checked("CheckStart") && w->checked("CheckMin"));
    QVERIFY(!w->window->isVisible()); // only the tray icon
    QCOMPARE(w->platform.tray.shownTip, u" Click Right Mouse Button "_s);
    QFile::remove(w->platform.configFolder.filePath(entry));
    w->restart(); // registered again at every start
    QVERIFY(w->file(entry).contains("\nExec=\""));
    w->click("CheckStart");
    QVERIFY(w->file(entry).contains("\nExec=\nHidden=true\n"));
    QCOMPARE(runTimeErrorText(5, u"Access denied"_s),
             u"ERROR # 5 : Access denied\rPlease Exit and try again."_s);
    QCOMPARE(runTimeErrorText(-5, u"x"_s), u"ERROR #-5 : x\rPlease Exit and try again."_s);
    QCOMPARE(runTimeErrorText(0, u"x"_s), u"ERROR # 0 : x\rPlease Exit and try again."_s);
}

// Each row: a file put into the configuration folder before the start, then what a control shows.
void TestPersistence::hostileFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shows");
    const QString ini = u"Tivvet/Tivvet.ini"_s, options = u"Tivvet/Options/"_s;
    QTest::newRow("start minimized") << ini << QByteArray("[ControlSettings]\nCheckMinValue=1\n")
                                     << u"CheckMin"_s << u"1"_s;
    QTest::newRow("not a number") << ini << QByteArray("[ControlSettings]\nCheckMinValue=yes\n")
                                  << u"CheckMin"_s << u"0"_s;
    QTest::newRow("out of range") << ini << QByteArray("[ControlSettings]\nCheckMinValue=2\n")
                                  << u"CheckMin"_s << u"0"_s;
    QTest::newRow("negative colour") << ini << QByteArray("[ColorSettings]\nlblCounterForeColor=-1\n")
                                     << u"lblCounterForeColor"_s << u"240"_s;
    QTest::newRow("colour too large") << ini << QByteArray("[ColorSettings]\nlblCounterForeColor=16777216\n")
                                      << u"lblCounterForeColor"_s << u"240"_s;
    QTest::newRow("largest colour") << ini << QByteArray("[ColorSettings]\nlblCounterForeColor=16777215\n")
                                    << u"lblCounterForeColor"_s << u"16777215"_s;
    QTest::newRow("plain red") << ini << QByteArray("[ColorSettings]\nlblCounterForeColor=255\n")
                               << u"lblCounterForeColor"_s << u"255"_s;
    QTest::newRow("digits and more") << ini << QByteArray("[ColorSettings]\nlblCounterForeColor=25x\n")
                                     << u"lblCounterForeColor"_s << u"240"_s;
    QTest::newRow("a broken ini") << ini << QByteArray("[ColorSettings\n\x01=\x02\nCheckMinValue=1\n")
                                  << u"CheckMin"_s << u"0"_s;
    QTest::newRow("text and CR LF") << options + u"wav.txt"_s << QByteArray("/s/a.wav\r\n") << u"txtWav"_s
                                    << u"/s/a.wav"_s;
    QTest::newRow("no line end") << options + u"wav.txt"_s << QByteArray("/s/a.wav") << u"txtWav"_s
                                 << u"/s/a.wav"_s;
    QTest::newRow("lines") << options + u"message.txt"_s << QByteArray("a\r\nb\r\n\r\n") << u"txtMessage"_s
                           << u"a\nb\n"_s;
    QTest::newRow("not UTF-8") << options + u"message2.txt"_s << QByteArray("caf\xe9!\r\n")
                               << u"txtMessage2"_s << u"caf\ufffd!"_s;
    QTest::newRow("huge") << options + u"message.txt"_s << (QByteArray(999, 'a') + '\n').repeated(3000)
                          << u"txtMessage#"_s << u"length 1048576"_s;
    QTest::newRow("a folder") << options + u"program.txt/x"_s << QByteArray("x") << u"txtProgram"_s
                              << QString();
    QTest::newRow("a leftover write")
        << options + u"wav2.txt.AbC123"_s << QByteArray("x") << u"wav2.txt.AbC123"_s << u"gone"_s;
}

void TestPersistence::hostileFiles() {
    QFETCH(QString, file);
    QFETCH(QString, control);
    QFETCH(QString, shows);
    w->window->close();
    QFETCH(QByteArray, content);
    QDir(w->platform.configFolder.filePath(u"Tivvet"_s)).removeRecursively();
    put(w->platform.configFolder.filePath(file), content);
    w->start();
    QCOMPARE(shownBy(control), shows);
    w->platform.takeLog();
    w->window->close(); // what cannot be written is named, the rest is saved
    const QStringList log = w->platform.takeLog();
    QCOMPARE(log.size(), file.endsWith(u"/x"_s) ? 1 : 0);
    if (!log.isEmpty())
        QVERIFY(log.first().startsWith(u"box The Tivvet|Unable to save the options!"_s) &&
                log.first().contains(u"program.txt: "_s) && !log.first().contains(u"wav.txt"_s));
    QCOMPARE(w->file(u"Tivvet/Options/wav3.txt"_s), QByteArray("\r\n"));
}

void TestPersistence::configurationFolderFromTheEnvironment() {
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    const std::tuple<const char *, const char *, QString> rows[] = {
        {"/h", "/c", u"/c"_s}, {"", "/c", u"/c"_s}, {"/h", "", u"/h/.config"_s}};
    for (const auto &[homeValue, configValue, folder] : rows) {
        qputenv("HOME", homeValue);
        qputenv("XDG_CONFIG_HOME", configValue);
        QCOMPARE(userConfigFolder(), folder);
    }
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    const QString fromUserDatabase = userConfigFolder();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);
    QVERIFY2(fromUserDatabase.endsWith(u"/.config"_s) && fromUserDatabase != u"/.config"_s,
             qPrintable(fromUserDatabase));
}

QTEST_MAIN(TestPersistence)
#include "test_persistence.moc"
