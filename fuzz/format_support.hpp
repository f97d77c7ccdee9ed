// What the formatting harnesses (CEEDATE, CEEDATM) share: the call with the checks every call must
// pass, any picture from both code sets, and the pictures a formatted date or timestamp is read back
// through with the delimiters a harness may put around them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "datetime/calendar.hpp"
#include "datetime/picture.hpp"
#include "fuzz_support.hpp"

namespace ovle::fuzz {

struct formatted {
  std::string text;  // 80 characters, in the caller's code set
  int message;
};

// One call, entry(picture, output, feedback code): return code 0, the picture unchanged, no console
// line but the DBCS notice, a condition of the service, and blanks beside a condition.
template <typename Entry>
formatted call_formatter(const std::string& service, std::initializer_list<int> allowed, const item& picture,
                         bool ebcdic, Entry&& entry) {
  set_caller(ebcdic);
  const item picture_before(picture);
  item out(80, 0xA5), fc(16, 0xA5);
  OVLE_EXPECT(entry(picture.as<ovle_vstring>(), out.as<char>(), fc.as<ovle_feedback>()) == 0,
              service + "'s return code");
  OVLE_EXPECT(picture == picture_before, service + " changed the caller's picture");
  expect_console_within(dbcs_notice, service);
  formatted f{std::string(out.view()), message_of(fc, ebcdic, allowed, service)};
  OVLE_EXPECT(f.message == 0 || f.text == std::string(80, ebcdic ? '\x40' : ' '),
              service + "'s output beside a condition");
  return f;
}

// Any picture, with a declared length chosen by `declared`, from an ASCII and an EBCDIC caller: the
// same answer in each code set; the condition `range` (the value's own, 0 when it is in range), else
// 2518 for a picture with no token (a blank picture takes the country's default, which has tokens).
template <typename Call>  // formatted call(const item& picture, bool ebcdic)
void any_picture(const std::string& service, std::string_view picture, std::uint8_t declared, int range, Call&& call) {
  const std::int16_t length = declared_length(declared, picture.size());
  const std::string ebcdic_picture = to_ebcdic(picture);
  const formatted ascii = call(vstring(picture, length, 100, ' '), false);
  const formatted ebcdic = call(vstring(ebcdic_picture, length, 100, '\x40'), true);
  OVLE_EXPECT(ebcdic.message == ascii.message && ebcdic.text == to_ebcdic(ascii.text),
              "an EBCDIC caller of " + service + " got another answer than an ASCII one");
  const std::size_t read = std::min<std::size_t>(length < 0 ? 0 : static_cast<std::size_t>(length), 100);
  const std::string_view seen = std::string_view(ebcdic_picture).substr(0, read);
  const bool blank = seen.find_first_not_of('\x40') == std::string_view::npos;
  const int expected = range != 0 ? range : !blank && !datetime::scan_picture(seen).has_token() ? 2518 : 0;
  OVLE_EXPECT(ascii.message == expected,
              service + " answered " + std::to_string(ascii.message) + " instead of " + std::to_string(expected));
}

struct round_trip_picture {
  std::string_view text;
  bool two_digit_year = false;  // the day must lie in the century window
  std::int64_t shown = 1;       // timestamps: milliseconds per unit of the last digit shown
};

// What CEEDATE or CEEDATM writes through one of these, CEEDAYS or CEESECS reads back as the same day or time.
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
