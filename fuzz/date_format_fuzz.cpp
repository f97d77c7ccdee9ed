// libFuzzer harness of CEEDATE: any Lilian day, any picture, any declared picture length, from an
// ASCII and from an EBCDIC caller; and days formatted through the pictures CEEDAYS reads, read back.
//
// Input: byte 0 the mode (bit 0: the day taken into the calendar's range; bit 1: round trip). Then
// byte 1 the declared length of the picture (fuzz_support.hpp, declared_length), bytes 2-5 the day
// (big-endian) and the picture as an ASCII caller writes it; or, in a round trip, bytes 1-4 the day,
// byte 5 the picture (format_support.hpp) and the delimiters around it.
#include "format_support.hpp"

namespace {

using namespace ovle;
using fuzz::item;

fuzz::formatted call_ceedate(std::int32_t lilian, const item& picture, bool ebcdic) {
  item day(4);
  ovle_int4_set(day.as<ovle_int4>(), lilian);
  return fuzz::call_formatter("CEEDATE", {2512, 2518}, picture, ebcdic,
                              [&](auto... a) { return CEEDATE(day.as<ovle_int4>(), a...); });
}

std::int32_t read_back(std::string_view text, std::string_view picture) {
  fuzz::set_caller(false);
  const item t = fuzz::vstring(text, static_cast<std::int16_t>(text.size()), 80, ' ');
  const item p = fuzz::vstring(picture, static_cast<std::int16_t>(picture.size()), 100, ' ');
  item out(4), fc(16);
  CEEDAYS(t.as<ovle_vstring>(), p.as<ovle_vstring>(), out.as<ovle_int4>(), fc.as<ovle_feedback>());
  return fuzz::message_of(fc, false, {2507, 2508, 2513, 2517, 2518, 2520}, "CEEDAYS") == 0
             ? ovle_int4_get(out.as<ovle_int4>())
             : -1;
}

void any_day_any_picture(fuzz::input& in, std::uint8_t mode) {
  const std::uint8_t declared = in.byte();
  const std::uint32_t raw = in.u32();
  const auto lilian =
      (mode & 1) != 0 ? static_cast<std::int32_t>(1 + raw % datetime::lilian_max) : static_cast<std::int32_t>(raw);
  fuzz::any_picture("CEEDATE", in.rest(), declared, lilian >= 1 && lilian <= datetime::lilian_max ? 0 : 2512,
                    [&](const item& picture, bool ebcdic) { return call_ceedate(lilian, picture, ebcdic); });
}

void round_trip(fuzz::input& in) {
  const std::uint32_t raw = in.u32();
  const fuzz::round_trip_picture& chosen = fuzz::date_pictures[in.byte() % std::size(fuzz::date_pictures)];
  const auto [first, last] = chosen.two_digit_year ? fuzz::two_digit_year_days() : std::pair{1, datetime::lilian_max};
  const auto lilian = static_cast<std::int32_t>(first + raw % static_cast<std::uint32_t>(last - first + 1));
  const std::string picture = fuzz::decorate(chosen.text, in.rest());
  const std::string text =
      call_ceedate(lilian, fuzz::vstring(picture, static_cast<std::int16_t>(picture.size()), 100, ' '), false).text;
  const std::int32_t back = read_back(text, picture);
  OVLE_EXPECT(back == lilian, "day " + std::to_string(lilian) + " through '" + picture + "' gave '" + text +
                                  "', read back as " + std::to_string(back));
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
    any_day_any_picture(in, mode);
  }
  return 0;
}
