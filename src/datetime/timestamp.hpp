// Lilian seconds: a FLOAT8 split into the seven components and built back from them, and the reading
// of a timestamp written as text (CEESECS).
//
// Lilian seconds are the Lilian day x 86,400 plus the seconds of the day, milliseconds as the
// fraction: 86,400.000 is midnight starting 15 October 1582, 265,621,679,999.999 the last millisecond
// of 31 December 9999. Inside the library they are counted exactly, as integer milliseconds; a FLOAT8
// is made from such a count once, and read back into one once.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

#include "common/conditions.hpp"
#include "common/feedback.hpp"
#include "common/ov_le_external.hpp"
#include "datetime/calendar.hpp"
#include "datetime/picture.hpp"

namespace ovle::datetime {

inline constexpr double lilian_seconds_min = 86'400.0;             // 15 October 1582, 00:00:00.000
inline constexpr double lilian_seconds_max = 265'621'679'999.999;  // 31 December 9999, 23:59:59.999
inline constexpr std::int64_t milliseconds_per_day = 86'400'000;

// The range test of every service that takes Lilian seconds, made on the FLOAT8 itself: NaN, the
// infinities, -0 and any huge value fall outside it.
constexpr bool is_valid_lilian_seconds(double seconds) noexcept {
  return seconds >= lilian_seconds_min && seconds <= lilian_seconds_max;
}

// The milliseconds a FLOAT8 stands for: the shortest decimal that reads back as the same FLOAT8
// (what std::to_chars writes without a precision), cut after three decimals. So the value written
// as 12,799,197,749.046 is 046 milliseconds although the FLOAT8 lies a little below it.
// Precondition: is_valid_lilian_seconds(seconds).
//
// Within the range a FLOAT8's neighbours lie less than 31 microseconds apart (the values stay below
// 2^38), so at most one millisecond boundary B reads back as the value. When one does, the shortest
// decimal is B itself, and B's own milliseconds are the answer; otherwise the shortest decimal lies
// strictly between the same two boundaries as the exact binary value, whose milliseconds are found
// exactly in integers. Both tests are exact: n + 1 and 1000 are exact FLOAT8s and the division
// rounds once, as reading the decimal back does.
constexpr std::int64_t milliseconds_of(double seconds) noexcept {
  const auto bits = std::bit_cast<std::uint64_t>(seconds);
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 1075 - static_cast<int>(bits >> 52);  // seconds = mantissa / 2^shift, shift in [15, 36]
  const auto below = static_cast<std::int64_t>((mantissa * 1000) >> shift);  // floor(seconds x 1000)
  return static_cast<double>(below + 1) / 1000.0 == seconds ? below + 1 : below;
}

// The seven components of a timestamp and its Lilian day.
struct timestamp_fields {
  std::int32_t lilian_day;
  std::int32_t year, month, day, hours, minutes, seconds, milliseconds;
  friend constexpr bool operator==(const timestamp_fields&, const timestamp_fields&) = default;
};

// Precondition: 86,400,000 <= milliseconds <= 265,621,679,999,999.
constexpr timestamp_fields timestamp_of(std::int64_t milliseconds) noexcept {
  const auto lilian = static_cast<std::int32_t>(milliseconds / milliseconds_per_day);
  const auto of_day = static_cast<std::int32_t>(milliseconds - std::int64_t{lilian} * milliseconds_per_day);
  const calendar_date d = date_from_lilian(lilian);
  return {lilian, d.year, d.month, d.day, of_day / 3'600'000, of_day / 60'000 % 60, of_day / 1000 % 60, of_day % 1000};
}

// CEEISEC's inputs.
struct timestamp_components {
  std::int32_t year, month, day, hours, minutes, seconds, milliseconds;
};

// The first component out of range, in the order CEEISEC checks them (hours, day, year,
// milliseconds, minutes, month, seconds); null when all are in range.
const common::condition* check_components(const timestamp_components& c) noexcept;

// Lilian seconds of components that passed the checks. The day is checked against 1 to 31 only:
// a date that does not exist (30 February) or a day of 1582 before 15 October counts as day 0, as
// the early-period converter answers for it, so the value is the time of the day alone, which
// every service taking Lilian seconds rejects as out of range.
double lilian_seconds_of(const timestamp_components& c) noexcept;

// ---- CEESECS ------------------------------------------------------------------------------------------

// A timestamp's text is read over its first 80 characters.
inline constexpr std::size_t max_timestamp_length = 80;

struct timestamp_reading {
  bool store;    // false: the date part failed and the output is left as it was
  double value;  // Lilian seconds; 0 when a condition was stored
};

// Reads `timestamp` (EBCDIC) through `picture` (EBCDIC): the date part as CEEDAYS reads it (called by
// name), then the time of day from the positions of the time tokens. Conditions go to `fc`.
timestamp_reading read_timestamp(std::string_view timestamp, std::string_view picture, common::ov_le_external area,
                                 picture_tables tables, common::feedback_code& fc) noexcept;

}  // namespace ovle::datetime
