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

inline constexpr std::int32_t lilian_min = 1;                                        // 15 October 1582
inline constexpr std::int32_t lilian_max = 3'074'324;                                // 31 December 9999
inline constexpr std::int32_t lilian_of_1600_12_31 = 6653;                           // integer date = Lilian - 6653
inline constexpr std::int32_t integer_date_max = lilian_max - lilian_of_1600_12_31;  // 3,067,671
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
  return static_cast<std::int32_t>(
      platform::intrinsic::days_from_civil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
      lilian_epoch);
}

// Lilian number of a valid Julian (ordinal) date. Precondition: 1582288 <= year*1000+ddd <= 9999365.
constexpr std::int32_t lilian_from_julian(std::int32_t year, int day_of_year) noexcept {
  return static_cast<std::int32_t>(platform::intrinsic::days_from_civil(year, 1, 1) - lilian_epoch) + day_of_year - 1;
}

// The day of the week, one value in two numberings.
class weekday {
 public:
  constexpr explicit weekday(unsigned sunday_based) noexcept : value_(sunday_based) {}  // 0 = Sunday
  // The name tables' numbering: 1 = Monday ... 7 = Sunday.
  constexpr int name_digit() const noexcept { return value_ == 0 ? 7 : static_cast<int>(value_); }
  // CEEDYWK's numbering: 1 = Sunday ... 7 = Saturday.
  constexpr int service_number() const noexcept { return static_cast<int>(value_) + 1; }

 private:
  unsigned value_;  // [0, 6]
};

// Precondition: 1 <= lilian <= lilian_max.
constexpr weekday weekday_of_lilian(std::int32_t lilian) noexcept {
  return weekday(platform::intrinsic::weekday_from_days(lilian_epoch + lilian));
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
  const platform::intrinsic::civil_date c = platform::intrinsic::civil_from_days(lilian_epoch + lilian);
  return {c.year, static_cast<int>(c.month), static_cast<int>(c.day), static_cast<int>(c.day_of_year),
          weekday_of_lilian(lilian).name_digit()};
}

// Day of the week in the numbering CEEDYWK returns: 1 = Sunday ... 7 = Saturday.
// Precondition: 1 <= lilian <= lilian_max.
constexpr int service_day_of_week(std::int32_t lilian) noexcept { return weekday_of_lilian(lilian).service_number(); }

// True for the day numbers every service accepts: 1 to 3,074,324. Takes any 64-bit value so that
// callers can test a sum before narrowing it.
constexpr bool is_valid_lilian(std::int64_t lilian) noexcept { return lilian >= lilian_min && lilian <= lilian_max; }

// A date that exists in the Gregorian calendar: month 1 to 12, day 1 to the month's length.
// Precondition: year >= 1. Range limits (15 October 1582, 1 January 1601) are the caller's test.
constexpr bool is_valid_gregorian(std::int32_t year, int month, int day) noexcept {
  return month >= 1 && month <= 12 && day >= 1 && day <= days_in_month(year, month);
}

// A day of the year that exists: 1 to 365, 366 in a leap year. Precondition: year >= 1.
constexpr bool is_valid_julian(std::int32_t year, int day_of_year) noexcept {
  return day_of_year >= 1 && day_of_year <= days_in_year(year);
}

// The display-number forms of a date: YYYYMMDD and YYYYDDD.
constexpr std::int32_t gregorian_number(const calendar_date& d) noexcept {
  return d.year * 10000 + d.month * 100 + d.day;
}
constexpr std::int32_t julian_number(const calendar_date& d) noexcept { return d.year * 1000 + d.day_of_year; }

// ---- The early period: 15 October 1582 to 31 December 1600 --------------------------------------
//
// The integer-date intrinsics start at 1 January 1601, so the days before it have converters of
// their own (LILFUDGE, PICFUDGE). They speak in display numbers and answer 0 for anything outside
// their window instead of failing; the closed-form day count gives the same days as the year and
// first-of-month tables those converters are defined by.

inline constexpr std::int32_t early_gregorian_first = 15821015;
inline constexpr std::int32_t early_gregorian_last = 16001231;
inline constexpr std::int32_t early_julian_first = 1582288;
inline constexpr std::int32_t early_julian_last = 1600366;

struct early_fields {
  std::int32_t gregorian;  // YYYYMMDD
  std::int32_t julian;     // YYYYDDD
  int weekday_digit;       // 1 = Monday ... 7 = Sunday
  friend constexpr bool operator==(const early_fields&, const early_fields&) = default;
};

// LILFUDGE: the date of an early-period Lilian day, all zeros outside 1 to 6653.
constexpr early_fields early_fields_from_lilian(std::int32_t lilian) noexcept {
  if (lilian < lilian_min || lilian > lilian_of_1600_12_31) return {0, 0, 0};
  const calendar_date d = date_from_lilian(lilian);
  return {gregorian_number(d), julian_number(d), d.weekday_digit};
}

// PICFUDGE, type G: the Lilian day of YYYYMMDD from 15821015 to 16001231; 0 outside that window
// and for a number in it that is no date (month 00 or 13, day 00 or beyond the month's end).
constexpr std::int32_t early_lilian_from_gregorian(std::int32_t yyyymmdd) noexcept {
  if (yyyymmdd < early_gregorian_first || yyyymmdd > early_gregorian_last) return 0;
  const std::int32_t year = yyyymmdd / 10000;
  const int month = yyyymmdd / 100 % 100;
  const int day = yyyymmdd % 100;
  return is_valid_gregorian(year, month, day) ? lilian_from_gregorian(year, month, day) : 0;
}

// PICFUDGE, type J: the Lilian day of YYYYDDD from 1582288 to 1600366; 0 outside that window and
// for a day of the year that does not exist (000, 366 in a common year, above 366).
constexpr std::int32_t early_lilian_from_julian(std::int32_t yyyyddd) noexcept {
  if (yyyyddd < early_julian_first || yyyyddd > early_julian_last) return 0;
  const std::int32_t year = yyyyddd / 1000;
  const int day_of_year = yyyyddd % 1000;
  return is_valid_julian(year, day_of_year) ? lilian_from_julian(year, day_of_year) : 0;
}

static_assert(lilian_from_gregorian(1582, 10, 15) == 1);
static_assert(lilian_from_gregorian(1600, 12, 31) == lilian_of_1600_12_31);
static_assert(lilian_from_gregorian(9999, 12, 31) == lilian_max);
static_assert(lilian_from_julian(1583, 1) == 79);
static_assert(service_day_of_week(1) == 6 && service_day_of_week(6654) == 2);
static_assert(date_from_lilian(1).weekday_digit == 5 && date_from_lilian(6653).day_of_year == 366);
static_assert(early_fields_from_lilian(6653) == early_fields{16001231, 1600366, 7});
static_assert(early_lilian_from_gregorian(15830101) == 79 && early_lilian_from_julian(1600366) == 6653);

}  // namespace ovle::datetime
