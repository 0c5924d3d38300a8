#include "core/ClockText.h"

#include <QDate>
#include <QLocale>
#include <QStringList>
#include <QTime>

using namespace Qt::StringLiterals;

namespace ClockText {
namespace {

int hour12(int hour24) {
    const int hour = hour24 % 12;
    return hour == 0 ? 12 : hour;
}

QString amPm(int hour24) {
    return hour24 < 12 ? u"am"_s : u"pm"_s;
}

// One part of a time text: one or two digits, blanks around them allowed.
std::optional<int> readPart(QStringView part, int maximum) {
    part = part.trimmed();
    if (part.isEmpty() || part.size() > 2)
        return std::nullopt;
    int value = 0;
    for (QChar c : part) {
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value > maximum)
        return std::nullopt;
    return value;
}

// The program's own patterns were written for English; other languages get their own forms.
bool keepsEnglishPatterns(const QLocale &locale) {
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

QString shortTime(int secondOfDay, const QLocale &locale) {
    return locale.toString(QTime::fromMSecsSinceStartOfDay(secondOfDay * 1000), QLocale::ShortFormat);
}

} // namespace

QString twoDigits(int value) {
    return u"%1"_s.arg(value, 2, 10, QLatin1Char('0'));
}

QString hhmmss(int secondOfDay) {
    return u"%1:%2:%3"_s.arg(twoDigits(secondOfDay / 3600), twoDigits(secondOfDay / 60 % 60),
                             twoDigits(secondOfDay % 60));
}

QString hhnnAmPm(int secondOfDay) {
    const int hour = secondOfDay / 3600;
    return u"%1:%2 %3"_s.arg(twoDigits(hour12(hour)), twoDigits(secondOfDay / 60 % 60), amPm(hour));
}

QString hmmAmPm(int secondOfDay) {
    const int hour = secondOfDay / 3600;
    return u"%1:%2 %3"_s.arg(QString::number(hour12(hour)), twoDigits(secondOfDay / 60 % 60), amPm(hour));
}

QString clockTime(int secondOfDay, const QLocale &locale) {
    return keepsEnglishPatterns(locale) ? hmmAmPm(secondOfDay) : shortTime(secondOfDay, locale);
}

QString alarmTime(int secondOfDay, const QLocale &locale) {
    return keepsEnglishPatterns(locale) ? hhnnAmPm(secondOfDay) : shortTime(secondOfDay, locale);
}

bool writesTwentyFourHours(const QLocale &locale) {
    return !keepsEnglishPatterns(locale) && shortTime(13 * 3600, locale).contains(locale.toString(13));
}

QString longDate(const QDate &date, const QLocale &locale) {
    if (!keepsEnglishPatterns(locale))
        return locale.toString(date, QLocale::LongFormat);
    return u"%1,  %2 %3, %4"_s.arg(locale.dayName(date.dayOfWeek(), QLocale::LongFormat),
                                   locale.monthName(date.month(), QLocale::LongFormat), twoDigits(date.day()),
                                   QString::number(date.year()));
}

std::optional<int> readHourMinuteAmPm(QStringView text) {
    const QList<QStringView> parts = text.split(u':');
    if (parts.size() != 2)
        return std::nullopt;
    const QStringView minuteAndMarker = parts[1].trimmed();
    const QStringView marker = minuteAndMarker.right(2);
    const bool am = marker.compare(u"am", Qt::CaseInsensitive) == 0;
    const bool pm = marker.compare(u"pm", Qt::CaseInsensitive) == 0;
    if (!am && !pm)
        return std::nullopt;
    const auto hour = readPart(parts[0], 12);
    const auto minute = readPart(minuteAndMarker.chopped(2), 59);
    if (!hour || *hour == 0 || !minute)
        return std::nullopt;
    const int hour24 = *hour % 12 + (pm ? 12 : 0);
    return hour24 * 3600 + *minute * 60;
}

std::optional<int> readHms(QStringView text) {
    const QList<QStringView> parts = text.split(u':');
    if (parts.size() != 3)
        return std::nullopt;
    const auto hour = readPart(parts[0], 23);
    const auto minute = readPart(parts[1], 59);
    const auto second = readPart(parts[2], 59);
    if (!hour || !minute || !second)
        return std::nullopt;
    return *hour * 3600 + *minute * 60 + *second;
}

} // namespace ClockText
