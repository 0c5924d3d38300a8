#pragma once

#include <QString>

// A date-time as days since 1899-12-30 00:00:00, the fraction being the time of day.
// All arithmetic goes through whole seconds, so thousands of one-second steps never drift.
class TimeValue {
public:
    constexpr TimeValue() = default;

    static TimeValue fromSeconds(qint64 seconds);
    // Clock carry: 90 minutes is 01:30:00, 99:99:99 is 4 days 04:40:39.
    static TimeValue fromHms(qint64 hours, qint64 minutes, qint64 seconds);

    qint64 totalSeconds() const;
    TimeValue minusOneSecond() const;
    // The whole time as hours, minutes and seconds, the hours as many as there are: "100:40:39".
    QString durationText() const;

    bool operator==(const TimeValue &) const = default;

private:
    explicit constexpr TimeValue(double days)
        : m_days(days) {}

    double m_days = 0.0;
};
