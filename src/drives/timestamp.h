// Times as the track and Timeline files write them, to milliseconds since 1970 in UTC.
#pragma once

#include <QtGlobal>

#include <optional>
#include <string_view>

namespace bw::drives {

// An ISO 8601 date and time, "2024-04-03T08:00:00Z", "2024-04-03T08:00:00.125+02:00" or
// "2024-04-03 08:00:00": seconds required, any fraction (milliseconds kept), "Z", an offset
// ±HH:MM, ±HHMM or ±HH, or no zone at all, which GPX defines to be UTC. Nothing for a text
// that is not such a time or names a day that does not exist.
std::optional<qint64> utcMsFromIsoText(std::string_view text);

// Milliseconds since 1970 written as decimal digits ("1609459200000"), as the older
// Location History files keep their times.
std::optional<qint64> utcMsFromMsText(std::string_view text);

} // namespace bw::drives
