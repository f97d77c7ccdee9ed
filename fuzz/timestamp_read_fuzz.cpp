// libFuzzer harness of CEESECS: any picture, any timestamp, any declared VSTRING length, from an ASCII
// and from an EBCDIC caller, checked against CEEDAYS, which reads the date part.
//
// Input: byte 0 the picture's length (0-255, cut to what is there), bytes 1 and 2 choose the declared
// lengths of the picture and the timestamp (fuzz_support.hpp, declared_length), then the picture,
// then the timestamp, both as an ASCII caller writes them.
#include <cmath>

#include "datetime/calendar.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace ovle;
using fuzz::item;

constexpr double untouched = -12345.5;  // what the output holds before the call

struct reading {
  double value;
  int message;
};

reading call_ceesecs(const item& timestamp, const item& picture, bool ebcdic) {
  fuzz::set_caller(ebcdic);
  const item timestamp_before(timestamp), picture_before(picture);
  item out(8), fc(16, 0xA5);
  std::memcpy(out.data(), &untouched, 8);
  OVLE_EXPECT(
      CEESECS(timestamp.as<ovle_vstring>(), picture.as<ovle_vstring>(), out.as<double>(), fc.as<ovle_feedback>()) == 0,
      "CEESECS's return code");
  OVLE_EXPECT(timestamp == timestamp_before && picture == picture_before, "CEESECS changed the caller's strings");
  fuzz::expect_console_within({}, "CEESECS");
  reading r{0, fuzz::message_of(fc, ebcdic, {2507, 2508, 2513, 2517, 2518, 2520, 2525}, "CEESECS")};
  std::memcpy(&r.value, out.data(), 8);
  return r;
}

std::string describe(const reading& r) { return std::to_string(r.value) + "/" + std::to_string(r.message); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::start_run_unit();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::input in(data, size);
  const std::size_t picture_length = in.byte();
  const std::uint8_t picture_declared = in.byte(), timestamp_declared = in.byte();
  const std::string picture(in.bytes(picture_length));
  const std::string timestamp(in.rest());
  const std::int16_t pd = fuzz::declared_length(picture_declared, picture.size());
  const std::int16_t td = fuzz::declared_length(timestamp_declared, timestamp.size());
  const item ascii_picture = fuzz::vstring(picture, pd, 100, ' ');
  const item ascii_timestamp = fuzz::vstring(timestamp, td, 80, ' ');

  const reading r = call_ceesecs(ascii_timestamp, ascii_picture, false);
  const reading e = call_ceesecs(fuzz::vstring(fuzz::to_ebcdic(timestamp), td, 80, '\x40'),
                                 fuzz::vstring(fuzz::to_ebcdic(picture), pd, 100, '\x40'), true);
  OVLE_EXPECT(std::memcmp(&r.value, &e.value, 8) == 0 && r.message == e.message,
              "an EBCDIC caller got " + describe(e) + ", an ASCII one " + describe(r));

  // The date part is CEEDAYS's reading of the same strings: its condition, or its day with the time
  // of day added. The time is not range-checked: at most 99:99:99.999 is added, under five days.
  fuzz::set_caller(false);
  item day(4), fc(16);
  CEEDAYS(ascii_timestamp.as<ovle_vstring>(), ascii_picture.as<ovle_vstring>(), day.as<ovle_int4>(),
          fc.as<ovle_feedback>());
  const int date_message = fuzz::message_of(fc, false, {2507, 2508, 2513, 2517, 2518, 2520}, "CEEDAYS");
  if (date_message != 0) {
    OVLE_EXPECT(r.message == date_message && r.value == untouched,
                "CEESECS gave " + describe(r) + " where CEEDAYS gave " + std::to_string(date_message));
    return 0;
  }
  if (r.message == 2525) {
    OVLE_EXPECT(r.value == 0, "CEESECS's output beside 2525");
    return 0;
  }
  const double lilian = ovle_int4_get(day.as<ovle_int4>());
  OVLE_EXPECT(r.message == 0 && r.value >= lilian * 86'400 && r.value < (lilian + 5) * 86'400,
              "CEESECS gave " + describe(r) + " for Lilian day " + std::to_string(lilian));
  OVLE_EXPECT(static_cast<double>(std::llround(r.value * 1000)) / 1000 == r.value,
              "CEESECS gave more than milliseconds");
  return 0;
}
