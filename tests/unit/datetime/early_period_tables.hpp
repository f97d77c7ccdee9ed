// The early-period tables (15 October 1582 to 31 December 1600) written out as data, and the
// table walks that define LILFUDGE and PICFUDGE, as the reference the closed form must match.
#pragma once

#include <array>
#include <cstdint>

namespace ovle::test::early_period {

struct year_row {
  std::int32_t first_lilian;  // Lilian day of 1 January
  std::int32_t year;
  int leap;
};

inline constexpr std::array<year_row, 19> year_table{{
    {79, 1583, 0},   {444, 1584, 1},  {810, 1585, 0},  {1175, 1586, 0}, {1540, 1587, 0},
    {1905, 1588, 1}, {2271, 1589, 0}, {2636, 1590, 0}, {3001, 1591, 0}, {3366, 1592, 1},
    {3732, 1593, 0}, {4097, 1594, 0}, {4462, 1595, 0}, {4827, 1596, 1}, {5193, 1597, 0},
    {5558, 1598, 0}, {5923, 1599, 0}, {6288, 1600, 1}, {6654, 1601, 0},
}};

inline constexpr std::array<int, 13> common_first_of_month{1, 32, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 999};
inline constexpr std::array<int, 13> leap_first_of_month{1, 32, 61, 92, 122, 153, 183, 214, 245, 275, 306, 336, 999};

struct lilfudge_result {
  std::int32_t gregorian;
  std::int32_t julian;
  int weekday;
};

// LILFUDGE by its tables.
inline lilfudge_result lilfudge(std::int32_t lilian) {
  if (lilian < 1 || lilian > 6653) return {0, 0, 0};
  std::int32_t year = 1582;
  int ddd = 0;
  int leap = 0;
  if (lilian < 79) {
    ddd = lilian + 287;
  } else {
    std::size_t row = 0;
    while (row < year_table.size() && year_table[row].first_lilian <= lilian) ++row;
    const year_row& r = year_table[row - 1];
    year = r.year;
    ddd = lilian + 1 - r.first_lilian;
    leap = r.leap;
  }
  const auto& first = leap == 1 ? leap_first_of_month : common_first_of_month;
  std::size_t index = 0;
  while (first[index] <= ddd) ++index;
  const int month = static_cast<int>(index);
  const int dd = ddd + 1 - first[index - 1];
  const int weekday = (lilian + 4) % 7;
  return {year * 10000 + month * 100 + dd, year * 1000 + ddd, weekday == 0 ? 7 : weekday};
}

// The reduced table: Lilian day of 31 December of the year before, with the year's leap flag.
inline const year_row& row_of(std::int32_t year) { return year_table[static_cast<std::size_t>(year - 1583)]; }

// PICFUDGE type G by its tables, for a valid date.
inline std::int32_t picfudge_gregorian(std::int32_t yyyymmdd) {
  if (yyyymmdd < 15821015 || yyyymmdd > 16001231) return 0;
  const std::int32_t year = yyyymmdd / 10000;
  const int mm = yyyymmdd / 100 % 100;
  const int dd = yyyymmdd % 100;
  if (year == 1582) return mm == 11 ? dd + 17 : mm == 12 ? dd + 47 : dd - 14;
  const year_row& r = row_of(year);
  const auto& first = r.leap == 1 ? leap_first_of_month : common_first_of_month;
  return (r.first_lilian - 1) - 1 + first[static_cast<std::size_t>(mm - 1)] + dd;
}

// PICFUDGE type J by its tables, for a valid date.
inline std::int32_t picfudge_julian(std::int32_t yyyyddd) {
  if (yyyyddd < 1582288 || yyyyddd > 1600366) return 0;
  const std::int32_t year = yyyyddd / 1000;
  const int ddd = yyyyddd % 1000;
  if (year == 1582) return ddd - 287;
  return (row_of(year).first_lilian - 1) + ddd;
}

}  // namespace ovle::test::early_period
