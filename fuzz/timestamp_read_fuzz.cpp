// libFuzzer harness of CEESECS: any picture, any timestamp, any declared VSTRING length, from an ASCII
// and from an EBCDIC caller, checked against CEEDAYS, which reads the date part.
//
// Input: the picture and the timestamp (fuzz_support.hpp, read_text_and_picture).
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
  const fuzz::text_and_picture t = fuzz::read_text_and_picture(in, 80, 100);
  const item &ascii_timestamp = t.ascii_text, &ascii_picture = t.ascii_picture;
  const reading r = call_ceesecs(ascii_timestamp, ascii_picture, false);
  const reading e = call_ceesecs(t.ebcdic_text, t.ebcdic_picture, true);
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
