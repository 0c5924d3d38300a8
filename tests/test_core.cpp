#include "Rows.h"
#include "core/ClockText.h"
#include "core/NumberReader.h"

using namespace Qt::StringLiterals;

// The readers and formatters of numbers and times of day.
class TestCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        // clang-format off
        const std::pair<const char16_t *, int> rows[] = {
            {u"", 0}, {u" \t 7", 7}, {u".5", 0}, {u"1.", 1}, {u"5a", 5}, {u"a5", 0}, {u"90", 90}, {u"2.5", 2},
            {u"3.5", 4}, {u"2.500", 2}, {u"2.51", 3}, {u"0.49", 0}, {u"-3", -3}, {u"-2.5", -2}, {u"+9", 9},
            {u"-", 0}, {u"1 2", 1}, {u"--5", 0}, {u"\u0661", 0}, {u"19", 19}, {u"0.5", 0}, {u"1.5", 2},
            {u"4.50001", 5}, {u"9.4", 9}, {u"99999999999", 32767}, {u"-40000", -32768}, {u"32767.4", 32767}};
        // clang-format on
        for (const auto &[text, value] : rows)
            QTest::addRow("\"%s\"", qPrintable(QString::fromUtf16(text)))
                << QString::fromUtf16(text) << value;
    }

    void readNumber() { QTEST(int(::readNumber(column("text"))), "value"); }

    // The custom notify time's "h:m:s" and an alarm's "h:mm am/pm"; -1 is not a time of day.
    void timesOfDayRead() {
        // clang-format off
        const std::pair<const char16_t *, int> rows[] = {
            {u"00:10:00", 600}, {u" 1: 2 :3 ", 3723}, {u"23:59:59", 86399}, {u"24:00:00", -1}, {u"00:60:00", -1},
            {u"00:00:60", -1}, {u"00::00", -1}, {u"10:00", -1}, {u"1:2:3:4", -1}, {u"a:00:00", -1},
            {u"-1:00:00", -1}, {u"001:00:00", -1}, {u"12:00am", 0}, {u"12:00pm", 43200}, {u"7:30pm", 70200}, {u"07:5am", 25500},
            {u" 11 : 59 PM", 86340}, {u"00:00am", -1}, {u"13:00pm", -1}, {u"12:60am", -1}, {u"12:00", -1},
            {u"12:00xm", -1}, {u"1:2:3pm", -1}, {u"12:00 pm", 43200}, {u"1:05 Am", 3900}};
        // clang-format on
        for (const auto &[text, second] : rows) {
            const QString time = QString::fromUtf16(text);
            const auto read =
                time.count(u':') == 2 ? ClockText::readHms(time) : ClockText::readHourMinuteAmPm(time);
            QCOMPARE(read.value_or(-1), second);
        }
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "test_core.moc"
