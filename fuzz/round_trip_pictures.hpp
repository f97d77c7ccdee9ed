// The pictures a formatted date or timestamp is read back through, and the delimiters a harness may
// put around them: what CEEDATE or CEEDATM writes through one of them, CEEDAYS or CEESECS reads back
// as the same day or time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "datetime/calendar.hpp"

namespace ovle::fuzz {

struct round_trip_picture {
  std::string_view text;
  bool two_digit_year = false;  // the day must lie in the century window
  std::int64_t shown = 1;       // timestamps: milliseconds per unit of the last digit shown
};

// clang-format off
inline constexpr round_trip_picture date_pictures[] = {
    {"YYYY-MM-DD"}, {"YYYYMMDD"}, {"YYYY.DDD"}, {"YYYYDDD"}, {"ZM/ZD/YYYY"}, {"ZD.ZM.YYYY"}, {"DD MMM YYYY"},
    {"RRRR YYYY ZD"}, {"DD.RRRZ.YYYY"}, {"Mmmmmmmmmz ZD, YYYY"}, {"Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY"},
    {"Www, DD Mmmmmmmmmm YYYY"}, {"WWWWWWWWWZ MMMMMMMMMMMMMMMMMMMZ DD YYYY"}, {"YYYY-ZM-ZD HH:MI:SS.999 AP"},
    {"YYMMDD", true}, {"MM/DD/YY", true}, {"YY.DDD", true}, {"DD Mmm YY", true},
};
inline constexpr round_trip_picture timestamp_pictures[] = {
    {"YYYY-MM-DD HH:MI:SS.999"}, {"YYYYMMDDHHMISS999"}, {"Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY ZH:MI:SS.999"},
    {"ZD.ZM.YYYY ZH.MI.SS.999"}, {"DD RRRZ YYYY HH:MI:SS.99", false, 10}, {"YYYYDDD HHMISS9", false, 100},
    {"Www DD Mmm YYYY HH:MI", false, 60'000}, {"YYMMDDHHMISS", true, 1000}, {"MM/DD/YY HH:MI:SS.9", true, 100},
};
// clang-format on

// The Lilian days with a two-digit year in the window of a run unit in 2026: 1946 to 2045.
inline std::pair<std::int32_t, std::int32_t> two_digit_year_days() {
  return {datetime::lilian_from_gregorian(1946, 1, 1), datetime::lilian_from_gregorian(2045, 12, 31)};
}

// The picture with delimiters around it: the first byte says how many of the others go in front,
// each byte becomes one of the delimiters, and the whole stays within the 80 characters formatted.
inline std::string decorate(std::string_view picture, std::string_view bytes) {
  static constexpr std::string_view delimiters = " -/.,:;|#_+*=()";
  if (bytes.empty()) return std::string(picture);
  const auto in_front = static_cast<std::size_t>(static_cast<unsigned char>(bytes[0]));
  bytes.remove_prefix(1);
  bytes = bytes.substr(0, 80 - picture.size());
  std::string out;
  for (char b : bytes) out += delimiters[static_cast<unsigned char>(b) % delimiters.size()];
  out.insert(std::min(in_front, out.size()), picture);
  return out;
}

}  // namespace ovle::fuzz
