#pragma once

#include <optional>
#include <string_view>

// The number a log field holds for the chart, or NaN when it holds none. Leading blanks are
// skipped; the number uses "." as its decimal separator (the log writes every comma as a point)
// and must end the field or be followed by a blank, so the voltage of an oxygen-sensor pair
// ("0.450 / 12.50") is charted while a status text, an empty field or "12abc" is a gap.
float LogValueNumber(std::string_view field);

// A time-stamp field (yyyymmddhhnnss and 2 or 3 digits of milliseconds) as milliseconds since
// 1970-01-01 00:00 of the same wall clock; nullopt for a field that is no valid time stamp.
std::optional<long long> LogTimeStampMs(std::string_view field);
