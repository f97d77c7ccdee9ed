// The Lilian calendar core: every day of the calendar both ways, the leap rules and the range limits.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "common/platform/intrinsics.hpp"
#include "datetime/calendar.hpp"

namespace {

using namespace ovle::datetime;
namespace intrinsic = ovle::platform::intrinsic;

// A calendar that only knows how to step one day forward: the reference the closed form is
// checked against. Leap rule as the calendar states it: the last two digits first.
struct day_walker {
  std::int32_t year = 1582;
  int month = 10;
  int day = 15;
  int day_of_year = 288;
  int name_weekday = 5;     // 1 = Monday: 15 October 1582 is a Friday
  int service_weekday = 6;  // 1 = Sunday

  static bool leap(std::int32_t y) { return y % 100 == 0 ? y % 400 == 0 : y % 4 == 0; }
  int month_length() const {
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return lengths[month - 1] + (month == 2 && leap(year) ? 1 : 0);
  }
  void next() {
    ++day_of_year;
    if (++day > month_length()) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
        day_of_year = 1;
      }
    }
    name_weekday = name_weekday % 7 + 1;
    service_weekday = service_weekday % 7 + 1;
  }
};

TEST(Calendar, EveryLilianDayConvertsToItsDateAndBack) {
  day_walker w;
  for (std::int32_t lilian = 1; lilian <= lilian_max; ++lilian, w.next()) {
    const calendar_date d = date_from_lilian(lilian);
    ASSERT_TRUE(d.year == w.year && d.month == w.month && d.day == w.day && d.day_of_year == w.day_of_year &&
                d.weekday_digit == w.name_weekday)
        << "Lilian " << lilian << ": got " << d.year << '-' << d.month << '-' << d.day << " (" << d.day_of_year
        << ", weekday " << d.weekday_digit << "), expected " << w.year << '-' << w.month << '-' << w.day << " ("
        << w.day_of_year << ", weekday " << w.name_weekday << ')';
    ASSERT_EQ(service_day_of_week(lilian), w.service_weekday) << "Lilian " << lilian;
    ASSERT_EQ(lilian_from_gregorian(w.year, w.month, w.day), lilian);
    ASSERT_EQ(lilian_from_julian(w.year, w.day_of_year), lilian);
    ASSERT_TRUE(is_valid_gregorian(w.year, w.month, w.day) && is_valid_julian(w.year, w.day_of_year));

    const std::int32_t gregorian = gregorian_number(d);
    const std::int32_t julian = julian_number(d);
    if (lilian > lilian_of_1600_12_31) {
      // From 1601 on the run-time's integer-date intrinsics count the same days.
      const std::int32_t integer = lilian - lilian_of_1600_12_31;
      ASSERT_EQ(intrinsic::integer_of_date(gregorian), integer) << gregorian;
      ASSERT_EQ(intrinsic::integer_of_day(julian), integer) << julian;
      ASSERT_EQ(intrinsic::date_of_integer(integer), gregorian);
      ASSERT_EQ(intrinsic::day_of_integer(integer), julian);
      const auto rem = intrinsic::rem(integer, 7);
      ASSERT_EQ(rem == 0 ? 7 : rem, w.name_weekday);
      ASSERT_EQ(early_fields_from_lilian(lilian), (early_fields{0, 0, 0}));
    } else {
      // Before 1601 the early-period converters do, both ways.
      ASSERT_EQ(early_fields_from_lilian(lilian), (early_fields{gregorian, julian, w.name_weekday})) << lilian;
      ASSERT_EQ(early_lilian_from_gregorian(gregorian), lilian) << gregorian;
      ASSERT_EQ(early_lilian_from_julian(julian), lilian) << julian;
    }
  }
  EXPECT_EQ(w.year * 10000 + w.month * 100 + w.day, 100000101) << "the walk ends on 1 January 10000";
}

TEST(Calendar, EarlyPeriodAnswersZeroOutsideItsWindowAndForNonDates) {
  struct case_ {
    std::int32_t number;
    bool julian;
  };
  const case_ zeros[] = {
      {15821014, false}, {16010101, false}, {0, false},        {-15830101, false}, {99991231, false},
      {15821032, false}, {15821100, false}, {15830229, false}, {15831301, false},  {15830001, false},
      {15830431, false}, {1582287, true},   {1601001, true},   {1582366, true},    {1583000, true},
      {1599366, true},   {1583400, true},   {0, true},         {-1583001, true},
  };
  for (const case_& c : zeros) {
    EXPECT_EQ(c.julian ? early_lilian_from_julian(c.number) : early_lilian_from_gregorian(c.number), 0) << c.number;
  }
  for (std::int32_t lilian : {0, -1, 6654, lilian_max, std::numeric_limits<std::int32_t>::min()}) {
    EXPECT_EQ(early_fields_from_lilian(lilian), (early_fields{0, 0, 0})) << lilian;
  }
  // The leap days of the period are dates.
  EXPECT_EQ(early_lilian_from_gregorian(16000229), 6653 - 306);
  EXPECT_EQ(early_lilian_from_julian(1600366), 6653);
  EXPECT_EQ(early_lilian_from_julian(1584366), 809);
}

TEST(Calendar, LeapYearRules) {
  struct case_ {
    std::int32_t year;
    bool leap;
  };
  const case_ years[] = {{1582, false}, {1584, true},  {1600, true},  {1700, false}, {1800, false},
                         {1900, false}, {1996, true},  {1999, false}, {2000, true},  {2004, true},
                         {2100, false}, {2400, true},  {9996, true},  {9999, false}, {2023, false}};
  for (const case_& c : years) {
    EXPECT_EQ(is_leap_year(c.year), c.leap) << c.year;
    EXPECT_EQ(days_in_year(c.year), c.leap ? 366 : 365) << c.year;
    EXPECT_EQ(days_in_month(c.year, 2), c.leap ? 29 : 28) << c.year;
    EXPECT_EQ(is_valid_gregorian(c.year, 2, 29), c.leap) << c.year;
    EXPECT_EQ(is_valid_julian(c.year, 366), c.leap) << c.year;
  }
  // What the validity tests reject whatever the year.
  struct date {
    int month;
    int day;
  };
  for (const date& d : {date{0, 1}, date{13, 1}, date{1, 0}, date{1, 32}, date{4, 31}, date{6, 31}, date{9, 31},
                        date{11, 31}, date{2, 30}, date{-1, 1}}) {
    EXPECT_FALSE(is_valid_gregorian(2000, d.month, d.day)) << d.month << '/' << d.day;
  }
  EXPECT_FALSE(is_valid_julian(2000, 0));
  EXPECT_FALSE(is_valid_julian(2000, 367));
}

TEST(Calendar, RangeLimits) {
  struct case_ {
    std::int32_t year;
    int month;
    int day;
    std::int32_t lilian;
    int service_weekday;
  };
  const case_ limits[] = {
      {1582, 10, 15, 1, 6},         {1582, 12, 31, 78, 6},      {1583, 1, 1, 79, 7},
      {1600, 12, 31, 6653, 1},      {1601, 1, 1, 6654, 2},      {2000, 1, 1, 152385, 7},
      {2007, 5, 15, 155'076, 3},    {9999, 12, 31, lilian_max, 6},
  };
  for (const case_& c : limits) {
    EXPECT_EQ(lilian_from_gregorian(c.year, c.month, c.day), c.lilian) << c.year << '-' << c.month << '-' << c.day;
    EXPECT_EQ(service_day_of_week(c.lilian), c.service_weekday) << c.lilian;
    EXPECT_TRUE(is_valid_lilian(c.lilian));
  }
  EXPECT_EQ(lilian_from_julian(1582, 288), 1);
  EXPECT_EQ(lilian_from_julian(1600, 366), 6653);
  EXPECT_EQ(lilian_from_julian(9999, 365), lilian_max);
  EXPECT_EQ(lilian_max - lilian_of_1600_12_31, integer_date_max);
  EXPECT_EQ(intrinsic::integer_of_date(99991231), integer_date_max);
  EXPECT_EQ(intrinsic::integer_of_date(20000101), 145'732);

  // One day past either end is no Lilian day; 14 October 1582 would be day 0.
  EXPECT_EQ(lilian_from_gregorian(1582, 10, 14), 0);
  for (std::int64_t n : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{lilian_max} + 1,
                         std::int64_t{std::numeric_limits<std::int32_t>::min()},
                         std::int64_t{std::numeric_limits<std::int32_t>::max()}}) {
    EXPECT_FALSE(is_valid_lilian(n)) << n;
  }
  EXPECT_TRUE(is_valid_lilian(lilian_min));
}

}  // namespace
