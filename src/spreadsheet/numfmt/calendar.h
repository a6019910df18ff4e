// The calendar days of the 1900 date system's serials, fictitious days included.
#pragma once

#include <optional>

namespace bw::ss::numfmt {

// The day a whole serial of the 1900 date system stands for, as the spreadsheet
// application shows it: 0 is the fictitious 1900-01-00 and 60 the fictitious
// 1900-02-29. The weekday follows the serial (0 Sunday ... 6 Saturday), which makes the
// days before March 1900 one weekday off the real calendar, as they are there.
struct CalendarDay {
    int year = 1900;
    int month = 1;
    int day = 0;
    int weekday = 6;
};

inline constexpr int kLastSerialDay = 2958465; // 9999-12-31

std::optional<CalendarDay> calendarDay(long long serialDay);

} // namespace bw::ss::numfmt
