// The clock seam: the current date and time, replaceable in tests.
#pragma once

#include <QDate>
#include <QDateTime>

namespace bw {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    QDate today() const { return now().date(); }
    // Whole seconds since local midnight: the classic seed for the random generator.
    int secondsSinceMidnight() const { return now().time().msecsSinceStartOfDay() / 1000; }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace bw
