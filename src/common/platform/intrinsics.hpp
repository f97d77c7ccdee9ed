// The COBOL intrinsic functions the services use, with their standard definitions.
//
// Integer dates count 1 January 1601 as day 1 (Gregorian calendar throughout). The date functions
// are pure and constexpr; their preconditions are stated, and callers validate before calling.
#pragma once

#include <cmath>
#include <cstdint>
#include <string_view>

namespace ovle::platform::intrinsic {

// The one pair of calendar formulas (Hinnant's days_from_civil and civil_from_days): the day count
// from 1970-01-01 of a date in the proleptic Gregorian calendar, and back. Years are counted from
// March, which puts the leap day last; a 400-year era has 146,097 days.
constexpr std::int64_t days_from_civil(std::int64_t y, unsigned m, unsigned d) noexcept {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);                 // [0, 399]
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // [0, 365], from 1 March
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;            // [0, 146096]
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct civil_date {
  std::int32_t year;
  unsigned month;        // [1, 12]
  unsigned day;          // [1, 31]
  unsigned day_of_year;  // [1, 366]
};

constexpr civil_date civil_from_days(std::int64_t z) noexcept {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);                    // [0, 146096]
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;           // the year from March
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365], from 1 March
  const unsigned mp = (5 * doy + 2) / 153;                                     // [0, 11], 0 = March
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;                             // [1, 31]
  if (mp < 10) {
    // March to December: January and February (31 + 28 days, 29 in a leap year) come first.
    const auto year = static_cast<std::int32_t>(y);
    const bool leap = year % 100 == 0 ? year % 400 == 0 : year % 4 == 0;
    return {year, mp + 3, d, doy + (leap ? 61u : 60u)};
  }
  return {static_cast<std::int32_t>(y + 1), mp - 9, d, doy - 305};
}

// The day of the week of a day count from 1970-01-01 (a Thursday): 0 = Sunday ... 6 = Saturday.
// The services show it in two numberings, from this one value (datetime::weekday).
constexpr unsigned weekday_from_days(std::int64_t z) noexcept {
  return static_cast<unsigned>(z >= -4 ? (z + 4) % 7 : (z + 5) % 7 + 6);  // [0, 6]
}

inline constexpr std::int64_t epoch_1601 = days_from_civil(1601, 1, 1);

constexpr bool is_leap_year(std::int32_t year) noexcept { return year % 100 == 0 ? year % 400 == 0 : year % 4 == 0; }
static_assert(civil_from_days(days_from_civil(2000, 12, 31)).day_of_year == 366);
static_assert(weekday_from_days(0) == 4 && weekday_from_days(-1) == 3 && weekday_from_days(-5) == 6);

// INTEGER-OF-DATE. Precondition: yyyymmdd is a valid Gregorian date from 16010101 to 99991231.
constexpr std::int32_t integer_of_date(std::int32_t yyyymmdd) noexcept {
  return static_cast<std::int32_t>(days_from_civil(yyyymmdd / 10000, static_cast<unsigned>(yyyymmdd / 100 % 100),
                                                   static_cast<unsigned>(yyyymmdd % 100)) -
                                   epoch_1601 + 1);
}

// INTEGER-OF-DAY. Precondition: yyyyddd is a valid Julian date from 1601001 to 9999365.
constexpr std::int32_t integer_of_day(std::int32_t yyyyddd) noexcept {
  return static_cast<std::int32_t>(days_from_civil(yyyyddd / 1000, 1, 1) - epoch_1601 + yyyyddd % 1000);
}

// DATE-OF-INTEGER. Precondition: 1 <= n <= 3,067,671.
constexpr std::int32_t date_of_integer(std::int32_t n) noexcept {
  const civil_date c = civil_from_days(epoch_1601 + n - 1);
  return c.year * 10000 + static_cast<std::int32_t>(c.month * 100 + c.day);
}

// DAY-OF-INTEGER. Precondition: 1 <= n <= 3,067,671.
constexpr std::int32_t day_of_integer(std::int32_t n) noexcept {
  const civil_date c = civil_from_days(epoch_1601 + n - 1);
  return c.year * 1000 + static_cast<std::int32_t>(c.day_of_year);
}

// REM: the remainder with the sign of the dividend. Precondition: divisor != 0.
constexpr std::int64_t rem(std::int64_t dividend, std::int64_t divisor) noexcept { return dividend % divisor; }

// MOD: the remainder with the sign of the divisor (floor division). Precondition: divisor != 0.
constexpr std::int64_t mod(std::int64_t dividend, std::int64_t divisor) noexcept {
  const std::int64_t r = dividend % divisor;
  return (r != 0 && ((r < 0) != (divisor < 0))) ? r + divisor : r;
}

// NUMVAL of an ASCII text: leading and trailing blanks, an optional sign before or after the digits
// ("+", "-", "CR", "DB"), and a decimal point. A text that is not of that form gives 0.
double numval(std::string_view text) noexcept;

// RANDOM: a pseudo-random number uniformly distributed over the open interval (0, 1).
// The generator is the multiplicative congruential "minimal standard" of Park, Miller and
// Stockmeyer (1993): x' = 48271 x mod (2^31 - 1), value x' / (2^31 - 1); its state is process-wide,
// as the intrinsic's sequence is. random(seed) starts the sequence afresh from |seed| mod (2^31 - 1)
// (a remainder of 0, where the generator would stay, counts as 1) and returns its first number;
// random() returns the next number of the sequence (before any seeded call, that of seed 1).
// Every value is k / (2^31 - 1) with 1 <= k <= 2^31 - 2, so neither 0 nor 1 can come out.
double random(std::int64_t seed) noexcept;
double random() noexcept;

// UPPER-CASE of EBCDIC text, in place: a-i, j-r and s-z to A-I, J-R and S-Z.
constexpr void upper_case_ebcdic(char* text, std::size_t length) noexcept {
  for (std::size_t i = 0; i < length; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c >= 0x81 && c <= 0x89) || (c >= 0x91 && c <= 0x99) || (c >= 0xA2 && c <= 0xA9)) {
      text[i] = static_cast<char>(c + 0x40);
    }
  }
}

}  // namespace ovle::platform::intrinsic
