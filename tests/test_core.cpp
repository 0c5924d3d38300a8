#include "core/ClockText.h"
#include "core/ColourValue.h"
#include "core/NumberReader.h"
#include "core/TimeValue.h"
#include "core/Twips.h"

#include <QDate>
#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readNumber_data();
    void readNumber();
    void readNumberSurvivesHostileText();
    void timeValueCarriesLikeAClock_data();
    void timeValueCarriesLikeAClock();
    void timeValueStepsWithoutDrift();
    void clockPatterns_data();
    void clockPatterns();
    void longDateUsesLocaleNames();
    void readHms_data();
    void readHms();
    void readHourMinuteAmPm_data();
    void readHourMinuteAmPm();
    void twipsAndColours();
};

void TestCore::readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty") << u""_s << 0;
    QTest::newRow("blanks") << u"  "_s << 0;
    QTest::newRow("plain") << u"42"_s << 42;
    QTest::newRow("leading blanks") << u" \t7"_s << 7;
    QTest::newRow("half rounds to even 0") << u".5"_s << 0;
    QTest::newRow("half rounds to even 2") << u"2.5"_s << 2;
    QTest::newRow("half rounds up to even") << u"3.5"_s << 4;
    QTest::newRow("above half") << u"0.51"_s << 1;
    QTest::newRow("half with trailing zeros") << u"2.500"_s << 2;
    QTest::newRow("a hair above half") << u"2.5000001"_s << 3;
    QTest::newRow("point without fraction") << u"1."_s << 1;
    QTest::newRow("trailing letter") << u"5a"_s << 5;
    QTest::newRow("leading letter") << u"a5"_s << 0;
    QTest::newRow("negative") << u"-3"_s << -3;
    QTest::newRow("negative half") << u"-2.5"_s << -2;
    QTest::newRow("plus") << u"+9"_s << 9;
    QTest::newRow("sign alone") << u"-"_s << 0;
    QTest::newRow("point alone") << u"."_s << 0;
    QTest::newRow("no exponent") << u"1e9"_s << 1;
    QTest::newRow("inner blank ends the number") << u"1 2"_s << 1;
    QTest::newRow("double sign") << u"--5"_s << 0;
    QTest::newRow("non-ASCII digits") << u"\u0661\u0662"_s << 0;
    QTest::newRow("saturates high") << u"99999999999999999999"_s << 32767;
    QTest::newRow("saturates low") << u"-40000"_s << -32768;
    QTest::newRow("just in range") << u"32767.4"_s << 32767;
}

void TestCore::readNumber() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(::readNumber(text), expected);
}

void TestCore::readNumberSurvivesHostileText() {
    QCOMPARE(::readNumber(QString(100000, u'9')), 32767);
    QCOMPARE(::readNumber(u"-"_s + QString(100000, u'9') + u".5"_s), -32768);
    QCOMPARE(::readNumber(u"0."_s + QString(100000, u'5')), 1);
    QCOMPARE(::readNumber(QString(100000, u' ')), 0);
}

void TestCore::timeValueCarriesLikeAClock_data() {
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("clock");
    QTest::newRow("zero") << 0 << 0 << 0 << qint64(0) << u"00:00:00"_s;
    QTest::newRow("90 minutes") << 0 << 90 << 0 << qint64(5400) << u"01:30:00"_s;
    QTest::newRow("90 seconds") << 0 << 0 << 90 << qint64(90) << u"00:01:30"_s;
    QTest::newRow("99 99 99") << 99 << 99 << 99 << qint64(362439) << u"04:40:39"_s;
    QTest::newRow("24 hours") << 24 << 0 << 0 << qint64(86400) << u"00:00:00"_s;
    QTest::newRow("25 hours") << 25 << 0 << 0 << qint64(90000) << u"01:00:00"_s;
    QTest::newRow("negative part") << 1 << -9 << 0 << qint64(3060) << u"00:51:00"_s;
}

void TestCore::timeValueCarriesLikeAClock() {
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(qint64, total);
    QFETCH(QString, clock);
    const TimeValue value = TimeValue::fromHms(hours, minutes, seconds);
    QCOMPARE(value.totalSeconds(), total);
    QCOMPARE(value.clockText(), clock);
    QCOMPARE(value.days(), double(total) / 86400);
}

void TestCore::timeValueStepsWithoutDrift() {
    TimeValue value = TimeValue::fromHms(1, 0, 0);
    QCOMPARE(value.minusOneSecond().clockText(), u"00:59:59"_s);
    for (int step = 0; step < 3600; ++step)
        value = value.minusOneSecond();
    QCOMPARE(value.clockText(), u"00:00:00"_s);
    QCOMPARE(value, TimeValue());

    TimeValue days = TimeValue::fromHms(100, 40, 39);
    for (int step = 0; step < 100000; ++step)
        days = days.minusOneSecond();
    QCOMPARE(days.totalSeconds(), qint64(362439 - 100000));
    QCOMPARE(days.clockText(), u"00:53:59"_s);
}

void TestCore::clockPatterns_data() {
    QTest::addColumn<int>("secondOfDay");
    QTest::addColumn<QString>("hhmmss");
    QTest::addColumn<QString>("hhnnAmPm");
    QTest::addColumn<QString>("hmmAmPm");
    QTest::newRow("midnight") << 0 << u"00:00:00"_s << u"12:00 am"_s << u"12:00 am"_s;
    QTest::newRow("00:05") << 300 << u"00:05:00"_s << u"12:05 am"_s << u"12:05 am"_s;
    QTest::newRow("09:05:07") << 32707 << u"09:05:07"_s << u"09:05 am"_s << u"9:05 am"_s;
    QTest::newRow("11:59:59") << 43199 << u"11:59:59"_s << u"11:59 am"_s << u"11:59 am"_s;
    QTest::newRow("noon") << 43200 << u"12:00:00"_s << u"12:00 pm"_s << u"12:00 pm"_s;
    QTest::newRow("12:30") << 45000 << u"12:30:00"_s << u"12:30 pm"_s << u"12:30 pm"_s;
    QTest::newRow("13:07") << 47220 << u"13:07:00"_s << u"01:07 pm"_s << u"1:07 pm"_s;
    QTest::newRow("19:30:59") << 70259 << u"19:30:59"_s << u"07:30 pm"_s << u"7:30 pm"_s;
    QTest::newRow("23:59:59") << 86399 << u"23:59:59"_s << u"11:59 pm"_s << u"11:59 pm"_s;
}

void TestCore::clockPatterns() {
    QFETCH(int, secondOfDay);
    QFETCH(QString, hhmmss);
    QFETCH(QString, hhnnAmPm);
    QFETCH(QString, hmmAmPm);
    QCOMPARE(ClockText::hhmmss(secondOfDay), hhmmss);
    QCOMPARE(ClockText::hhnnAmPm(secondOfDay), hhnnAmPm);
    QCOMPARE(ClockText::hmmAmPm(secondOfDay), hmmAmPm);
}

void TestCore::longDateUsesLocaleNames() {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(ClockText::longDate(QDate(2026, 12, 5), english), u"Saturday,  December 05, 2026"_s);
    QCOMPARE(ClockText::longDate(QDate(2027, 2, 1), english), u"Monday,  February 01, 2027"_s);
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(ClockText::longDate(QDate(2026, 12, 5), german), u"Samstag,  Dezember 05, 2026"_s);
}

void TestCore::readHms_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: not a time of day
    QTest::newRow("zero") << u"00:00:00"_s << 0;
    QTest::newRow("ten minutes") << u"00:10:00"_s << 600;
    QTest::newRow("single digits") << u"1:2:3"_s << 3723;
    QTest::newRow("blanks around parts") << u" 1: 2 :3 "_s << 3723;
    QTest::newRow("last second") << u"23:59:59"_s << 86399;
    QTest::newRow("hour 24") << u"24:00:00"_s << -1;
    QTest::newRow("minute 75") << u"00:75:00"_s << -1;
    QTest::newRow("second 60") << u"00:00:60"_s << -1;
    QTest::newRow("empty part") << u"00::00"_s << -1;
    QTest::newRow("empty") << u""_s << -1;
    QTest::newRow("two parts") << u"10:00"_s << -1;
    QTest::newRow("four parts") << u"1:2:3:4"_s << -1;
    QTest::newRow("letters") << u"a:00:00"_s << -1;
    QTest::newRow("sign") << u"-1:00:00"_s << -1;
    QTest::newRow("three digits") << u"001:00:00"_s << -1;
    QTest::newRow("inner blank") << u"1 2:00:00"_s << -1;
}

void TestCore::readHms() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(ClockText::readHms(text).value_or(-1), expected);
}

void TestCore::readHourMinuteAmPm_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: not a time of day
    QTest::newRow("midnight") << u"12:00am"_s << 0;
    QTest::newRow("noon") << u"12:00pm"_s << 43200;
    QTest::newRow("leading zero") << u"07:30pm"_s << 70200;
    QTest::newRow("single digit hour") << u"7:30pm"_s << 70200;
    QTest::newRow("single digit minute") << u"7:5am"_s << 25500;
    QTest::newRow("upper case") << u"11:59PM"_s << 86340;
    QTest::newRow("mixed case, blanks") << u" 1 : 05 Am "_s << 3900;
    QTest::newRow("blank before marker") << u"01:00 pm"_s << 46800;
    QTest::newRow("hour 0") << u"00:00am"_s << -1;
    QTest::newRow("hour 13") << u"13:00pm"_s << -1;
    QTest::newRow("minute 60") << u"12:60am"_s << -1;
    QTest::newRow("no marker") << u"12:00"_s << -1;
    QTest::newRow("other marker") << u"12:00xm"_s << -1;
    QTest::newRow("no hour") << u":00am"_s << -1;
    QTest::newRow("no minute") << u"12:am"_s << -1;
    QTest::newRow("24-hour text") << u"19:30:00"_s << -1;
    QTest::newRow("marker only") << u"am"_s << -1;
    QTest::newRow("empty") << u""_s << -1;
}

void TestCore::readHourMinuteAmPm() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(ClockText::readHourMinuteAmPm(text).value_or(-1), expected);
}

void TestCore::twipsAndColours() {
    QCOMPARE(twipsToPixels(5655), 377);
    QCOMPARE(twipsToPixels(7), 0);
    QCOMPARE(twipsToPixels(8), 1);
    QCOMPARE(twipsToPixels(-45), -3);
    QCOMPARE(twipsRect(95, 275, 5392, 2880), QRect(6, 18, 359, 192));

    QCOMPARE(colourValue(0, 215, 255), 0xFFD700);
    QCOMPARE(colourValue(240, 0, 0), 0x0000F0);
    QCOMPARE(redOf(0x0000F0), 240);
    QCOMPARE(greenOf(0xFFD700), 215);
    QCOMPARE(blueOf(0xFFD700), 255);
}

QTEST_APPLESS_MAIN(TestCore)
#include "test_core.moc"
