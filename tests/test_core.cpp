#include "core/ClockText.h"
#include "core/NumberReader.h"
#include "core/TimeValue.h"

#include <QDate>
#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

// The readers and formatters of numbers and times of day.
class TestCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readNumber_data();
    void readNumber();
    void clockPatterns_data();
    void clockPatterns();
    void timesOfDayRead_data();
    void timesOfDayRead();
    void entryCarriesLikeAClock();
    void longDateHasItsBlanksAndLeadingZero();
};

void TestCore::readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    const std::pair<const char16_t *, int> rows[] = {
        {u"", 0},
        {u" \t 7", 7},
        {u".5", 0},
        {u"1.", 1},
        {u"5a", 5},
        {u"a5", 0},
        {u"90", 90},
        {u"2.5", 2},
        {u"3.5", 4},
        {u"2.500", 2},
        {u"2.51", 3},
        {u"0.49", 0},
        {u"-3", -3},
        {u"-2.5", -2},
        {u"+9", 9},
        {u"-", 0},
        {u"1 2", 1},
        {u"--5", 0},
        {u"\u0661", 0},
        {u"99999999999", 32767},
        {u"-40000", -32768},
        {u"19", 19},
    };
    for (const auto &[text, value] : rows)
        QTest::addRow("\"%s\"", qPrintable(QString::fromUtf16(text))) << QString::fromUtf16(text) << value;
}

void TestCore::readNumber() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(::readNumber(text), value);
}

// "hh:mm:ss", the alarms' "hh:nn am/pm" and the clock label's "h:mm am/pm".
void TestCore::clockPatterns_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("hhmmss");
    QTest::addColumn<QString>("hhnn");
    QTest::addColumn<QString>("hmm");
    QTest::newRow("midnight") << QTime(0, 0) << u"00:00:00"_s << u"12:00 am"_s << u"12:00 am"_s;
    QTest::newRow("00:05") << QTime(0, 5, 9) << u"00:05:09"_s << u"12:05 am"_s << u"12:05 am"_s;
    QTest::newRow("09:05") << QTime(9, 5, 7) << u"09:05:07"_s << u"09:05 am"_s << u"9:05 am"_s;
    QTest::newRow("11:59") << QTime(11, 59, 59) << u"11:59:59"_s << u"11:59 am"_s << u"11:59 am"_s;
    QTest::newRow("noon") << QTime(12, 0) << u"12:00:00"_s << u"12:00 pm"_s << u"12:00 pm"_s;
    QTest::newRow("13:07") << QTime(13, 7) << u"13:07:00"_s << u"01:07 pm"_s << u"1:07 pm"_s;
    QTest::newRow("23:59") << QTime(23, 59, 58) << u"23:59:58"_s << u"11:59 pm"_s << u"11:59 pm"_s;
}

void TestCore::clockPatterns() {
    QFETCH(QTime, time);
    const int second = time.msecsSinceStartOfDay() / 1000;
    QTEST(ClockText::hhmmss(second), "hhmmss");
    QTEST(ClockText::hhnnAmPm(second), "hhnn");
    QTEST(ClockText::hmmAmPm(second), "hmm");
}

// The custom notify time's "h:m:s" and an alarm's "h:mm am/pm"; -1 is not a time of day.
void TestCore::timesOfDayRead_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("second");
    const std::pair<const char16_t *, int> rows[] = {
        {u"00:10:00", 600},  {u" 1: 2 :3 ", 3723}, {u"23:59:59", 86399}, {u"24:00:00", -1},
        {u"00:60:00", -1},   {u"00:00:60", -1},    {u"00::00", -1},      {u"10:00", -1},
        {u"1:2:3:4", -1},    {u"a:00:00", -1},     {u"001:00:00", -1},   {u"12:00am", 0},
        {u"12:00pm", 43200}, {u"7:30pm", 70200},   {u"07:5am", 25500},   {u" 11 : 59 PM", 86340},
        {u"00:00am", -1},    {u"13:00pm", -1},     {u"12:60am", -1},     {u"12:00", -1},
        {u"12:00xm", -1},    {u"1:2:3pm", -1},     {u"12:00 pm", 43200}, {u"1:05 Am", 3900},
    };
    for (const auto &[text, second] : rows)
        QTest::addRow("\"%s\"", qPrintable(QString::fromUtf16(text))) << QString::fromUtf16(text) << second;
}

void TestCore::timesOfDayRead() {
    QFETCH(QString, text);
    QFETCH(int, second);
    const auto read = text.count(u':') == 2 ? ClockText::readHms(text) : ClockText::readHourMinuteAmPm(text);
    QCOMPARE(read.value_or(-1), second);
}

void TestCore::entryCarriesLikeAClock() {
    QCOMPARE(TimeValue::fromHms(0, 90, 0).clockText(), u"01:30:00"_s);
    QCOMPARE(TimeValue::fromHms(0, 0, 90).clockText(), u"00:01:30"_s);
    QCOMPARE(TimeValue::fromHms(1, -9, 0).totalSeconds(), 3060);
    const TimeValue hundredHours = TimeValue::fromHms(99, 99, 99);
    QCOMPARE(hundredHours.totalSeconds(), 362439);
    QCOMPARE(hundredHours.days(), 362439 / 86400.0);
    QCOMPARE(hundredHours.clockText(), u"04:40:39"_s);
    QCOMPARE(TimeValue::fromSeconds(-1).secondOfDay(), 86399);
    TimeValue hour = TimeValue::fromHms(1, 0, 0);
    QCOMPARE(hour.minusOneSecond().clockText(), u"00:59:59"_s);
    for (int second = 0; second < 3600; ++second)
        hour = hour.minusOneSecond();
    QCOMPARE(hour, TimeValue());
}

void TestCore::longDateHasItsBlanksAndLeadingZero() {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(ClockText::longDate(QDate(2026, 12, 5), english), u"Saturday,  December 05, 2026"_s);
    QCOMPARE(ClockText::longDate(QDate(2027, 2, 1), english), u"Monday,  February 01, 2027"_s);
    QCOMPARE(ClockText::longDate(QDate(2026, 12, 5), QLocale(QLocale::German)),
             u"Samstag,  Dezember 05, 2026"_s);
}

QTEST_APPLESS_MAIN(TestCore)
#include "test_core.moc"
