// The exported entries of the calendar date services: the century window, CEEDAYS and CEECBLDY,
// CEEDYWK and the early-period converters LILFUDGE and PICFUDGE.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "common/bytes.hpp"
#include "common/ebcdic.hpp"
#include "common/frame.hpp"
#include "common/platform/platform.hpp"
#include "datetime/calendar.hpp"
#include "datetime/date_engine.hpp"
#include "ovle/ovle.h"

using namespace ovle;

extern "C" int CEEQCEN(ovle_int4* century_start, ovle_feedback* fc) noexcept {
  common::service_frame f(fc, 1);
  f.run([&] {
    if (!f.require({{0, century_start}})) return;
    const auto w = f.area().digits(common::ov_le_external::offset::century_window, 2);
    common::store_int4(century_start, static_cast<std::int32_t>(w < 0 ? 0 : w));
  });
  return 0;
}

extern "C" int CEESCEN(const ovle_int4* century_start, ovle_feedback* fc) noexcept {
  common::service_frame f(fc, 1);
  f.run([&] {
    if (!f.require({{0, century_start}})) return;
    const std::int32_t start = common::load_int4(century_start);
    if (start < 0 || start > 100) {
      f.fail(common::conditions::century_window_invalid);
      return;
    }
    f.area().set_century_window(start, platform::current_year());
  });
  return 0;
}

namespace {

// The start of the century window as the environment set it up.
datetime::century_start window_of(common::ov_le_external area) noexcept {
  datetime::century_start w;
  std::memcpy(w.cc, area.window_start_cc().data(), 2);
  std::memcpy(w.yy, area.window_start_yy().data(), 2);
  return w;
}

// A VSTRING the library builds for a call to another of its programs.
struct engine_vstring {
  ovle_vstring v;
  explicit engine_vstring(std::string_view text) noexcept {
    common::store_vstring(&v, text.substr(0, std::min(text.size(), sizeof v.text)));
  }
};

constexpr char lilian_mode = '\xF1';  // "1"

// The engine's own work once its frame is done: the environment, the date, the result.
void run_engine(common::service_frame& f, std::string_view date, std::string_view picture, datetime::engine_mode mode,
                ovle_int4* result) noexcept {
  common::ensure_environment(f.area());
  const auto r = datetime::read_date(date, picture, mode, window_of(f.area()), datetime::picture_tables::attach());
  common::store_int4(result, r.value);
  if (r.failure != nullptr) f.fail(*r.failure);
}

}  // namespace

extern "C" int CEECBLDY(const ovle_vstring* date, const ovle_vstring* picture, ovle_int4* result, ovle_feedback* fc,
                        const char* mode) noexcept {
  // The environment step is part of the engine's own work (run_engine), so CEEDAYS shares it.
  common::service_frame f(
      fc, 3,
      {common::char_input::vstring(0, date, datetime::max_date_length),
       common::char_input::vstring(1, picture, datetime::max_picture_length), common::char_input::text(4, mode, 1)},
      common::init_step::skip);
  f.run([&] {
    if (!f.require({{0, date}, {1, picture}, {2, result}})) {
      if (f.present(2, result)) common::store_int4(result, 0);  // a stored condition leaves 0
      return;
    }
    const auto engine_mode = f.input(2) == std::string_view(&lilian_mode, 1) ? datetime::engine_mode::lilian
                                                                             : datetime::engine_mode::integer_date;
    run_engine(f, f.input(0), f.input(1), engine_mode, result);
  });
  return 0;
}

extern "C" int CEEDAYS(const ovle_vstring* date, const ovle_vstring* picture, ovle_int4* lilian,
                       ovle_feedback* fc) noexcept {
  // The engine initializes the environment itself.
  common::service_frame f(fc, 3,
                          {common::char_input::vstring(0, date, datetime::max_date_length),
                           common::char_input::vstring(1, picture, datetime::max_picture_length)},
                          common::init_step::skip);
  f.run([&] {
    if (!f.require({{0, date}, {1, picture}, {2, lilian}})) {
      if (f.present(2, lilian)) common::store_int4(lilian, 0);  // a stored condition leaves 0
      return;
    }
    static constexpr std::size_t engine_index = platform::program_index("CEECBLDY");
    static_assert(engine_index < platform::program_count);
    const platform::program_address found = platform::find_program(engine_index);
    if (found == nullptr) {
      platform::console_line("Unable to reach CEECBLDY");
      platform::console_line("  When CALLed by CEEDAYS");
      common::store_int4(lilian, 0);
      f.fail(common::conditions::ovx_not_supported);
      return;
    }
    if (found == reinterpret_cast<platform::program_address>(&CEECBLDY)) {
      // The library's own engine. Its frame, entered from here, would find a caller of the
      // library (texts already EBCDIC, a feedback code present and cleared) and do nothing but
      // the environment step, which run_engine does: go straight to the work.
      run_engine(f, f.input(0), f.input(1), datetime::engine_mode::lilian, lilian);
      return;
    }
    // Another program stands in for the engine: call it as any program of the library would,
    // with EBCDIC texts.
    const engine_vstring engine_date(f.input(0));
    const engine_vstring engine_picture(f.input(1));
    reinterpret_cast<decltype(&CEECBLDY)>(found)(&engine_date.v, &engine_picture.v, lilian,
                                                 reinterpret_cast<ovle_feedback*>(f.feedback().data()), &lilian_mode);
  });
  return 0;
}

namespace {

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
