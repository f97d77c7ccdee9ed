// The Lilian calendar: day 1 is Friday 15 October 1582, day 3,074,324 is Friday 31 December 9999.
//
// Pure, constexpr functions over the proleptic Gregorian day count. The Lilian number of a date is
// its day count from 14 October 1582; the integer date of the COBOL intrinsics (1 = 1 January 1601)
// is Lilian - 6653. Preconditions are stated per function; validation (and the choice of feedback
// code) belongs to the services.
#pragma once

#include <cstdint>

#include "common/platform/intrinsics.hpp"

namespace ovle::datetime {

inline constexpr std::int32_t lilian_max = 3'074'324;        // 31 December 9999
inline constexpr std::int32_t lilian_of_1600_12_31 = 6653;   // integer date = Lilian - 6653
inline constexpr std::int64_t lilian_epoch = platform::intrinsic::days_from_civil(1582, 10, 14);

// Leap year: a year ending in 00 when divisible by 400, any other year when divisible by 4.
constexpr bool is_leap_year(std::int32_t year) noexcept { return platform::intrinsic::is_leap_year(year); }

// Days in month `month` (1-12) of `year`.
constexpr int days_in_month(std::int32_t year, int month) noexcept {
  constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return days[month - 1] + (month == 2 && is_leap_year(year) ? 1 : 0);
}

constexpr int days_in_year(std::int32_t year) noexcept { return is_leap_year(year) ? 366 : 365; }

// Lilian number of a valid Gregorian date. Precondition: 1582-10-15 <= date <= 9999-12-31.
constexpr std::int32_t lilian_from_gregorian(std::int32_t year, int month, int day) noexcept {
  return static_cast<std::int32_t>(platform::intrinsic::days_from_civil(year, static_cast<unsigned>(month),
                                                                        static_cast<unsigned>(day)) -
                                   lilian_epoch);
}

// Lilian number of a valid Julian (ordinal) date. Precondition: 1582288 <= year*1000+ddd <= 9999365.
constexpr std::int32_t lilian_from_julian(std::int32_t year, int day_of_year) noexcept {
  return static_cast<std::int32_t>(platform::intrinsic::days_from_civil(year, 1, 1) - lilian_epoch) + day_of_year - 1;
}

struct calendar_date {
  std::int32_t year;
  int month;
  int day;
  int day_of_year;
  // Name-table numbering: 1 = Monday ... 7 = Sunday.
  int weekday_digit;
};

// The date of a Lilian day. Precondition: 1 <= lilian <= lilian_max.
constexpr calendar_date date_from_lilian(std::int32_t lilian) noexcept {
  const auto c = platform::intrinsic::civil_from_days(lilian_epoch + lilian);
  const auto jan1 = platform::intrinsic::days_from_civil(c.year, 1, 1);
  const int weekday = static_cast<int>((lilian + 4) % 7);
  return {c.year, static_cast<int>(c.month), static_cast<int>(c.day),
          static_cast<int>(lilian_epoch + lilian - jan1 + 1), weekday == 0 ? 7 : weekday};
}

// Day of the week in the numbering CEEDYWK returns: 1 = Sunday ... 7 = Saturday.
// Precondition: 1 <= lilian <= lilian_max.
constexpr int service_day_of_week(std::int32_t lilian) noexcept {
  const int day = static_cast<int>((lilian + 5) % 7);
  return day == 0 ? 7 : day;
}

static_assert(lilian_from_gregorian(1582, 10, 15) == 1);
static_assert(lilian_from_gregorian(1600, 12, 31) == lilian_of_1600_12_31);
static_assert(lilian_from_gregorian(9999, 12, 31) == lilian_max);
static_assert(lilian_from_julian(1583, 1) == 79);
static_assert(service_day_of_week(1) == 6 && service_day_of_week(6654) == 2);
static_assert(date_from_lilian(1).weekday_digit == 5 && date_from_lilian(6653).day_of_year == 366);

}  // namespace ovle::datetime
