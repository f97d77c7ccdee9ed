// The English month, weekday and Roman-numeral tables of the picture services, in EBCDIC.
//
// Entries are fixed-width and blank-padded as the services lay them out: names in 20 characters,
// Roman numerals in 4, left-justified. Weekdays are Monday first (name-table numbering, 1 = Monday).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "common/ebcdic.hpp"

namespace ovle::datetime::names {

inline constexpr std::size_t name_width = 20;
inline constexpr std::size_t roman_width = 4;

namespace detail {
template <std::size_t Width, std::size_t Count>
struct fixed_table {
  std::array<std::array<char, Width>, Count> entries{};
  std::array<std::size_t, Count> lengths{};  // letters before the padding

  constexpr fixed_table(const std::array<std::string_view, Count>& ascii) {
    for (std::size_t i = 0; i < Count; ++i) {
      entries[i].fill(common::ebcdic::blank);
      for (std::size_t j = 0; j < ascii[i].size(); ++j) entries[i][j] = common::ebcdic::from_ascii(ascii[i][j]);
      lengths[i] = ascii[i].size();
    }
  }
  // Entry i, counted from 1, as its full padded width.
  constexpr std::string_view entry(std::size_t i) const { return {entries[i - 1].data(), Width}; }
  constexpr std::size_t length(std::size_t i) const { return lengths[i - 1]; }
};
}  // namespace detail

inline constexpr detail::fixed_table<name_width, 12> months_capitalised({"January", "February", "March", "April", "May",
                                                                         "June", "July", "August", "September",
                                                                         "October", "November", "December"});
inline constexpr detail::fixed_table<name_width, 12> months_upper({"JANUARY", "FEBRUARY", "MARCH", "APRIL", "MAY",
                                                                   "JUNE", "JULY", "AUGUST", "SEPTEMBER", "OCTOBER",
                                                                   "NOVEMBER", "DECEMBER"});
inline constexpr detail::fixed_table<name_width, 7> weekdays_capitalised({"Monday", "Tuesday", "Wednesday", "Thursday",
                                                                          "Friday", "Saturday", "Sunday"});
inline constexpr detail::fixed_table<name_width, 7> weekdays_upper({"MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY",
                                                                    "FRIDAY", "SATURDAY", "SUNDAY"});
inline constexpr detail::fixed_table<roman_width, 12> roman_months({"I", "II", "III", "IV", "V", "VI", "VII", "VIII",
                                                                    "IX", "X", "XI", "XII"});

static_assert(months_upper.length(9) == 9 && weekdays_upper.length(3) == 9 && roman_months.length(8) == 4);

}  // namespace ovle::datetime::names
