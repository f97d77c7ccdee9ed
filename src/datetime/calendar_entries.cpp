// The exported entries over the Lilian calendar: CEEDYWK and the early-period converters
// LILFUDGE and PICFUDGE.
#include <cstdint>

#include "common/bytes.hpp"
#include "common/ebcdic.hpp"
#include "common/frame.hpp"
#include "common/platform/platform.hpp"
#include "datetime/calendar.hpp"
#include "ovle/ovle.h"

namespace {

using namespace ovle;

constexpr char type_gregorian = '\xC7';  // "G"
constexpr char type_julian = '\xD1';     // "J"

}  // namespace

extern "C" int CEEDYWK(const ovle_int4* lilian, ovle_int4* day, ovle_feedback* fc) noexcept {
  common::service_frame f(fc, 2, {}, common::init_step::skip);
  f.run([&] {
    if (!f.require({{0, lilian}, {1, day}})) {
      if (f.present(1, day)) common::store_int4(day, 0);
      return;
    }
    const std::int32_t n = common::load_int4(lilian);
    if (!datetime::is_valid_lilian(n)) {
      common::store_int4(day, 0);
      f.fail(common::conditions::lilian_out_of_range);
      return;
    }
    common::store_int4(day, datetime::service_day_of_week(n));
  });
  return 0;
}

// Internal converters: no frame, no shared area, no code-set conversion and no feedback code.
// Their callers are the library's own programs, so the digits are EBCDIC both ways.

extern "C" int LILFUDGE(const ovle_int4* lilian, char* gregorian, char* julian, char* weekday) noexcept {
  const platform::program_level level;
  const common::caller_arguments args;
  const datetime::early_fields out = args.present(0, lilian)
                                         ? datetime::early_fields_from_lilian(common::load_int4(lilian))
                                         : datetime::early_fields{};
  if (args.present(1, gregorian)) common::ebcdic::store_digits(gregorian, 8, out.gregorian);
  if (args.present(2, julian)) common::ebcdic::store_digits(julian, 7, out.julian);
  if (args.present(3, weekday)) common::ebcdic::store_digits(weekday, 1, out.weekday_digit);
  return 0;
}

extern "C" int PICFUDGE(ovle_int4* lilian, const char* gregorian, const char* julian, const char* type) noexcept {
  const platform::program_level level;
  const common::caller_arguments args;
  if (!args.present(0, lilian)) return 0;
  std::int32_t result = 0;
  if (args.present(3, type)) {
    if (*type == type_gregorian && args.present(1, gregorian)) {
      result =
          datetime::early_lilian_from_gregorian(static_cast<std::int32_t>(common::ebcdic::load_digits(gregorian, 8)));
    } else if (*type == type_julian && args.present(2, julian)) {
      result = datetime::early_lilian_from_julian(static_cast<std::int32_t>(common::ebcdic::load_digits(julian, 7)));
    }
  }
  common::store_int4(lilian, result);
  return 0;
}
