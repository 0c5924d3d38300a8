#pragma once

#include <QString>
#include <QStringView>

#include <optional>

class QDate;
class QLocale;

// Reading and writing times of day as text. A time of day is a second of the day, 0 to 86399.
namespace ClockText {

// A number 0 to 99 as two digits: "07".
QString twoDigits(int value);
// "hh:mm:ss", 24-hour: 00:00:00 to 23:59:59.
QString hhmmss(int secondOfDay);
// "hh:nn am/pm": two-digit 12-hour clock, "12:00 am" at midnight, "07:05 pm".
QString hhnnAmPm(int secondOfDay);
// "h:mm am/pm": as above without a leading zero on the hour, "9:05 am".
QString hmmAmPm(int secondOfDay);
// The clock's time of day as the locale writes it ("19:31" in German); English and C keep
// "h:mm am/pm".
QString clockTime(int secondOfDay, const QLocale &locale);
// An alarm's time as its notification tells it: as the locale writes it, where English and C keep
// "hh:nn am/pm".
QString alarmTime(int secondOfDay, const QLocale &locale);
// Whether the clock and the alarms' times above are written on the 24-hour clock: English and C
// keep am/pm, other languages as their locale writes one in the afternoon, 13 or 1.
bool writesTwentyFourHours(const QLocale &locale);
// The date as the locale writes it in full ("Mittwoch, 9. Dezember 2026"); English and C keep
// "dddd,  mmmm dd, yyyy": "Saturday,  December 05, 2026".
QString longDate(const QDate &date, const QLocale &locale);

// Reads "h:m:s": each part one or two digits with blanks around it allowed, hour 0-23,
// minute and second 0-59. Anything else is not a time of day.
std::optional<int> readHms(QStringView text);

// Reads "h:mm am/pm" (the blank before am/pm optional): hour 1-12 with or without a leading zero,
// minute 0-59, "am" or "pm" in any case, blanks around the parts allowed. The result is the second
// of the day at which that minute begins.
std::optional<int> readHourMinuteAmPm(QStringView text);

} // namespace ClockText
