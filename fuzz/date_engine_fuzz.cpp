// libFuzzer harness of the picture scan and the date engine, through CEEDAYS and CEECBLDY: any
// picture, any date, any declared VSTRING length, from an ASCII and from an EBCDIC caller.
//
// Input: the picture and the date (fuzz_support.hpp, read_text_and_picture).
#include "datetime/calendar.hpp"
#include "datetime/picture.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace ovle;
using fuzz::item;

constexpr std::initializer_list<int> engine_messages = {2507, 2508, 2513, 2517, 2518, 2520};

struct reading {
  std::int32_t value;
  int message;
  friend bool operator==(const reading&, const reading&) = default;
};

std::string describe(const reading& r) { return std::to_string(r.value) + "/" + std::to_string(r.message); }

// One call of CEEDAYS ('D') or CEECBLDY (mode 0: left off; otherwise that mode character), with the
// checks every call must pass: a condition of the engine, 0 beside a condition and a day in range
// without one, the caller's strings unchanged.
reading call(char entry, const item& date, const item& picture, bool ebcdic, char mode = 0) {
  fuzz::set_caller(ebcdic);
  const item date_before(date), picture_before(picture);
  item out(4, 0xA5), fc(16, 0xA5), mode_item(1, static_cast<unsigned char>(mode));
  const int rc = entry == 'D' ? CEEDAYS(date.as<ovle_vstring>(), picture.as<ovle_vstring>(), out.as<ovle_int4>(),
                                        fc.as<ovle_feedback>())
                              : CEECBLDY(date.as<ovle_vstring>(), picture.as<ovle_vstring>(), out.as<ovle_int4>(),
                                         fc.as<ovle_feedback>(), mode == 0 ? nullptr : mode_item.as<char>());
  const std::string service = entry == 'D' ? "CEEDAYS" : "CEECBLDY";
  OVLE_EXPECT(rc == 0, service + " returned a non-zero return code");
  const reading r{ovle_int4_get(out.as<ovle_int4>()), fuzz::message_of(fc, ebcdic, engine_messages, service)};
  OVLE_EXPECT(date == date_before && picture == picture_before, service + " changed the caller's date or picture");
  fuzz::expect_console_within({}, service);
  const bool integer = entry == 'I' || (entry == 'C' && mode != (ebcdic ? '\xF1' : '1'));
  const std::int32_t top = integer ? datetime::integer_date_max : datetime::lilian_max;
  OVLE_EXPECT(r.message != 0 ? r.value == 0 : r.value >= 1 && r.value <= top, service + " gave " + describe(r));
  return r;
}

// What the scan recorded in DELIMITER-TABLE agrees with the picture it was given.
void check_scan(std::string_view ebcdic_picture) {
  using datetime::picture_scan;
  const picture_scan scan = datetime::scan_picture(ebcdic_picture);
  OVLE_EXPECT(scan.length == std::min(ebcdic_picture.size(), datetime::max_picture_length), "scan length");
  for (const datetime::term& t : scan.terms) {
    if (t.present()) {
      OVLE_EXPECT(t.position >= 1 && t.position <= scan.length && scan.at(t.position) == picture_scan::flag::token,
                  "a term that does not start at a token");
    }
  }
  const auto tables = datetime::picture_tables::attach();
  OVLE_EXPECT(tables.delimiters.picture_length() == static_cast<int>(scan.length), "DELIMITER-TABLE's length");
  for (std::size_t p = 1; p <= scan.length; ++p) {
    OVLE_EXPECT(tables.delimiters.flag(p) == static_cast<char>(scan.at(p)),
                "DELIMITER-TABLE's flag " + std::to_string(p));
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::start_run_unit();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::input in(data, size);
  const fuzz::text_and_picture t = fuzz::read_text_and_picture(in, 80, datetime::max_picture_length);
  const item &ascii_date = t.ascii_text, &ascii_picture = t.ascii_picture;
  const reading days = call('D', ascii_date, ascii_picture, false);
  check_scan(t.ebcdic_picture.view().substr(2));
  // The same bytes in EBCDIC from an EBCDIC caller read the same.
  const reading ebcdic_days = call('D', t.ebcdic_text, t.ebcdic_picture, true);
  OVLE_EXPECT(ebcdic_days == days,
              "an EBCDIC caller got " + describe(ebcdic_days) + ", an ASCII one " + describe(days));
  // Without a feedback code the day is the same and the condition is dropped.
  fuzz::item quiet(4, 0xA5);
  fuzz::set_caller(false);
  CEEDAYS(ascii_date.as<ovle_vstring>(), ascii_picture.as<ovle_vstring>(), quiet.as<ovle_int4>(), nullptr);
  OVLE_EXPECT(ovle_int4_get(quiet.as<ovle_int4>()) == days.value, "CEEDAYS without a feedback code");
  // CEECBLDY in Lilian mode is the engine CEEDAYS calls.
  const reading lilian_mode = call('C', ascii_date, ascii_picture, false, '1');
  OVLE_EXPECT(lilian_mode == days, "CEECBLDY mode 1 got " + describe(lilian_mode) + ", CEEDAYS " + describe(days));
  // An integer date counts from 1 January 1601: the same day, moved.
  const reading integer = call('I', ascii_date, ascii_picture, false);
  const char other_mode = static_cast<char>(t.text_choice | 0x80);  // not "1" in either code set
  OVLE_EXPECT(call('C', ascii_date, ascii_picture, false, other_mode) == integer, "CEECBLDY with a mode other than 1");
  if (days.message == 0) {
    const reading expected = days.value > datetime::lilian_of_1600_12_31
                                 ? reading{days.value - datetime::lilian_of_1600_12_31, 0}
                                 : reading{0, 2513};
    OVLE_EXPECT(integer == expected, "CEECBLDY gave " + describe(integer) + " for Lilian day " + describe(days));
  }
  return 0;
}
