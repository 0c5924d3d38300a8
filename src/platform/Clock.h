#pragma once

#include <QDateTime>

// The current local date and time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // The same moment as a count, without the look-up of the local time zone.
    virtual qint64 msecsSinceEpoch() const { return now().toMSecsSinceEpoch(); }
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 msecsSinceEpoch() const override { return QDateTime::currentMSecsSinceEpoch(); }
};
