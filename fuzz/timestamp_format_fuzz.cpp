// libFuzzer harness of CEEDATM: any FLOAT8 bit pattern, any picture, any declared picture length, from
// an ASCII and from an EBCDIC caller, checked against CEESECI; and Lilian seconds formatted through
// the pictures CEESECS reads, read back.
//
// Input: byte 0 the mode (bit 0: the value taken into the range; bit 1: round trip). Then byte 1 the
// declared length of the picture (fuzz_support.hpp, declared_length), bytes 2-9 the FLOAT8's bits
// (big-endian) and the picture as an ASCII caller writes it; or, in a round trip, bytes 1-8 the value,
// byte 9 the picture (format_support.hpp) and the delimiters around it.
#include <bit>
#include <charconv>
#include <cmath>

#include "datetime/timestamp.hpp"
#include "format_support.hpp"

namespace {

using namespace ovle;
using fuzz::item;

fuzz::formatted call_ceedatm(double seconds, const item& picture, bool ebcdic) {
  item in(8);
  std::memcpy(in.data(), &seconds, 8);
  return fuzz::call_formatter("CEEDATM", {2505, 2518}, picture, ebcdic,
                              [&](auto... a) { return CEEDATM(in.as<double>(), a...); });
}

// The milliseconds a FLOAT8 stands for, found by another road than the library's: the shortest
// decimal that reads back as the same FLOAT8, cut after three decimals.
std::int64_t shortest_decimal_milliseconds(double seconds) {
  char text[64];
  char* end = std::to_chars(text, text + sizeof text, seconds, std::chars_format::fixed).ptr;
  const std::string decimal(text, static_cast<std::size_t>(end - text));
  const auto point = decimal.find('.');
  std::string fraction = point == std::string::npos ? "" : decimal.substr(point + 1);
  fraction.resize(3, '0');
  return std::stoll(decimal.substr(0, point)) * 1000 + std::stoll(fraction);
}

// The seven components through CEESECI, as one number YYYYMMDDHHMISSmmm.
std::int64_t components(double seconds) {
  fuzz::set_caller(false);
  item in(8), fc(16);
  std::memcpy(in.data(), &seconds, 8);
  item c[7] = {item(4), item(4), item(4), item(4), item(4), item(4), item(4)};
  CEESECI(in.as<double>(), c[0].as<ovle_int4>(), c[1].as<ovle_int4>(), c[2].as<ovle_int4>(), c[3].as<ovle_int4>(),
          c[4].as<ovle_int4>(), c[5].as<ovle_int4>(), c[6].as<ovle_int4>(), fc.as<ovle_feedback>());
  OVLE_EXPECT(fuzz::message_of(fc, false, {}, "CEESECI") == 0, "CEESECI refused a value CEEDATM took");
  std::int64_t n = 0;
  for (int i = 0; i < 7; ++i) n = n * (i == 0 ? 1 : i == 6 ? 1000 : 100) + ovle_int4_get(c[i].as<ovle_int4>());
  return n;
}

void any_value_any_picture(fuzz::input& in, std::uint8_t mode) {
  const std::uint8_t declared = in.byte();
  const std::uint64_t bits = in.u64();
  constexpr std::uint64_t span_ms = 265'621'679'999'999 - 86'400'000 + 1;
  const double seconds =
      (mode & 1) != 0 ? static_cast<double>(86'400'000 + bits % span_ms) / 1000.0 : std::bit_cast<double>(bits);
  const bool in_range = seconds >= 86'400.0 && seconds <= 265'621'679'999.999 && !std::signbit(seconds);
  fuzz::any_picture("CEEDATM", in.rest(), declared, in_range ? 0 : 2505,
                    [&](const item& picture, bool ebcdic) { return call_ceedatm(seconds, picture, ebcdic); });
  if (!in_range) return;

  // Every component as CEESECI gives it, and CEESECI's as the shortest decimal of the value says.
  const std::string all = "YYYYMMDDHHMISS999";
  const fuzz::formatted digits = call_ceedatm(seconds, fuzz::vstring(all, 17, 100, ' '), false);
  const std::int64_t shown = std::stoll(digits.text.substr(0, 17));
  OVLE_EXPECT(shown == components(seconds), "CEEDATM and CEESECI disagree on " + digits.text);
  const std::int64_t ms = shortest_decimal_milliseconds(seconds);
  const std::int64_t of_day = ms % datetime::milliseconds_per_day;
  const std::int64_t hhmmssmmm =
      of_day / 3'600'000 * 10'000'000 + of_day / 60'000 % 60 * 100'000 + of_day / 1000 % 60 * 1000 + of_day % 1000;
  OVLE_EXPECT(shown % 1'000'000'000 == hhmmssmmm, "the time of " + digits.text + " is not that of the value");
}

void round_trip(fuzz::input& in) {
  const std::uint64_t raw = in.u64();
  const fuzz::round_trip_picture& chosen = fuzz::timestamp_pictures[in.byte() % std::size(fuzz::timestamp_pictures)];
  const auto [first, last] = chosen.two_digit_year ? fuzz::two_digit_year_days() : std::pair{1, datetime::lilian_max};
  const std::uint64_t span_ms = static_cast<std::uint64_t>(last - first + 1) * 86'400'000;
  const double exact =
      static_cast<double>(std::int64_t{first} * 86'400'000 + static_cast<std::int64_t>(raw % span_ms)) / 1000.0;
  // A few FLOAT8 steps either side of a millisecond, as arithmetic leaves a value.
  const int steps = static_cast<int>(raw >> 60) - 8;
  double seconds = exact;
  for (int i = 0; i < std::abs(steps); ++i) seconds = std::nextafter(seconds, steps < 0 ? 0.0 : 1e300);
  // Nudged out of the days allowed, the value is taken as it was.
  if (seconds < static_cast<double>(first) * 86'400 || !datetime::is_valid_lilian_seconds(seconds)) seconds = exact;
  const std::string picture = fuzz::decorate(chosen.text, in.rest());
  const std::string text =
      call_ceedatm(seconds, fuzz::vstring(picture, static_cast<std::int16_t>(picture.size()), 100, ' '), false).text;
  fuzz::set_caller(false);
  const item t = fuzz::vstring(text, 80, 80, ' ');
  const item p = fuzz::vstring(picture, static_cast<std::int16_t>(picture.size()), 100, ' ');
  item out(8), fc(16);
  CEESECS(t.as<ovle_vstring>(), p.as<ovle_vstring>(), out.as<double>(), fc.as<ovle_feedback>());
  const int message = fuzz::message_of(fc, false, {2507, 2508, 2513, 2517, 2518, 2520, 2525}, "CEESECS");
  double back;
  std::memcpy(&back, out.data(), 8);
  const std::int64_t expected = shortest_decimal_milliseconds(seconds) / chosen.shown * chosen.shown;
  OVLE_EXPECT(message == 0 && std::llround(back * 1000) == expected,
              "'" + picture + "' gave '" + text + "', read back as " + std::to_string(std::llround(back * 1000)) +
                  " ms instead of " + std::to_string(expected));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::start_run_unit();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::input in(data, size);
  const std::uint8_t mode = in.byte();
  if ((mode & 2) != 0) {
    round_trip(in);
  } else {
    any_value_any_picture(in, mode);
  }
  return 0;
}
