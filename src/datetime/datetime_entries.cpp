// The exported entries of the date, timestamp and clock services: the century window, CEEDAYS and
// CEECBLDY, CEEDYWK, the early-period converters LILFUDGE and PICFUDGE, CEEDATE, CEESECI and CEEISEC,
// CEESECS, CEEDATM, and the clock services CEELOCT, CEEGMTO, CEEGMT and CEEUTC.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "common/bytes.hpp"
#include "common/ebcdic.hpp"
#include "common/frame.hpp"
#include "common/platform/platform.hpp"
#include "datetime/calendar.hpp"
#include "datetime/clock.hpp"
#include "datetime/date_engine.hpp"
#include "datetime/formatter.hpp"
#include "datetime/timestamp.hpp"
#include "ovle/ovle.h"

using namespace ovle;

extern "C" int CEEQCEN(ovle_int4* century_start, ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(century_start, fc), 1);
  f.run([&] {
    if (!f.require({{0, century_start}})) return;
    const auto w = f.area().digits(common::ov_le_external::offset::century_window, 2);
    common::store_int4(century_start, static_cast<std::int32_t>(w < 0 ? 0 : w));
  });
  return 0;
}

extern "C" int CEESCEN(const ovle_int4* century_start, ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(century_start, fc), 1);
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
  const auto r = datetime::read_date(date, picture, mode, datetime::century_window_start(f.area()),
                                     datetime::picture_tables::attach());
  common::store_int4(result, r.value);
  if (r.failure != nullptr) f.fail(*r.failure);
}

}  // namespace

extern "C" int CEECBLDY(const ovle_vstring* date, const ovle_vstring* picture, ovle_int4* result, ovle_feedback* fc,
                        const char* mode) noexcept {
  // The environment step is part of the engine's own work (run_engine), so CEEDAYS shares it.
  common::service_frame f(
      common::arguments(date, picture, result, fc, mode), 3,
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
  common::service_frame f(common::arguments(date, picture, lilian, fc), 3,
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
  common::service_frame f(common::arguments(lilian, day, fc), 2, {}, common::init_step::skip);
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
  const common::caller_arguments args(common::arguments(lilian, gregorian, julian, weekday));
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
  const common::caller_arguments args(common::arguments(lilian, gregorian, julian, type));
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

// ---- Timestamps and the clock ---------------------------------------------------------------------------

namespace {

// A stored condition leaves 0 in every numeric output the caller passed.
void zero(const common::service_frame& f, std::size_t index, ovle_int4* output) noexcept {
  if (f.present(index, output)) common::store_int4(output, 0);
}
void zero(const common::service_frame& f, std::size_t index, double* output) noexcept {
  if (f.present(index, output)) common::store_native(output, 0.0);
}

// A formatted output the caller passed is blank, in the caller's code set, whatever happens next.
void blank_output(common::service_frame& f, std::size_t index, char* output) noexcept {
  if (!f.present(index, output)) return;
  std::memset(output, common::ebcdic::blank, datetime::output_width);
  f.text_output(output, datetime::output_width);
}

}  // namespace

extern "C" int CEEDATE(const ovle_int4* lilian, const ovle_vstring* picture, char* output, ovle_feedback* fc) noexcept {
  // The environment step follows the range check (format_date makes it).
  common::service_frame f(common::arguments(lilian, picture, output, fc), 3,
                          {common::char_input::vstring(1, picture, datetime::max_picture_length)},
                          common::init_step::skip);
  f.run([&] {
    blank_output(f, 2, output);
    if (!f.require({{0, lilian}, {1, picture}, {2, output}})) return;
    datetime::format_date(common::load_int4(lilian), f.input(0), f.area(), datetime::picture_tables::attach(),
                          std::span<char, datetime::output_width>(output, datetime::output_width), f.feedback());
  });
  return 0;
}

extern "C" int CEEDATM(const double* seconds, const ovle_vstring* picture, char* output, ovle_feedback* fc) noexcept {
  common::service_frame f(fc, 3, {common::char_input::vstring(1, picture, datetime::max_picture_length)});
  f.run([&] {
    blank_output(f, 2, output);
    if (!f.require({{0, seconds}, {1, picture}, {2, output}})) return;
    datetime::format_timestamp(common::load_native<double>(seconds), f.input(0), f.area(),
                               datetime::picture_tables::attach(),
                               std::span<char, datetime::output_width>(output, datetime::output_width), f.feedback());
  });
  return 0;
}

extern "C" int CEESECI(const double* seconds, ovle_int4* year, ovle_int4* month, ovle_int4* day, ovle_int4* hours,
                       ovle_int4* minutes, ovle_int4* seconds_out, ovle_int4* milliseconds,
                       ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(seconds, year, month, day, hours, minutes, seconds_out, milliseconds, fc),
                          8);
  f.run([&] {
    ovle_int4* const outputs[] = {year, month, day, hours, minutes, seconds_out, milliseconds};
    for (std::size_t i = 0; i < std::size(outputs); ++i) zero(f, i + 1, outputs[i]);
    if (!f.require({{0, seconds},
                    {1, year},
                    {2, month},
                    {3, day},
                    {4, hours},
                    {5, minutes},
                    {6, seconds_out},
                    {7, milliseconds}})) {
      return;
    }
    const double value = common::load_native<double>(seconds);
    if (!datetime::is_valid_lilian_seconds(value)) {
      f.fail(common::conditions::lilian_seconds_out_of_range);
      return;
    }
    const datetime::timestamp_fields t = datetime::timestamp_of(datetime::milliseconds_of(value));
    const std::int32_t values[] = {t.year, t.month, t.day, t.hours, t.minutes, t.seconds, t.milliseconds};
    for (std::size_t i = 0; i < std::size(outputs); ++i) common::store_int4(outputs[i], values[i]);
  });
  return 0;
}

extern "C" int CEEISEC(const ovle_int4* year, const ovle_int4* month, const ovle_int4* day, const ovle_int4* hours,
                       const ovle_int4* minutes, const ovle_int4* seconds_in, const ovle_int4* milliseconds,
                       double* seconds, ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(year, month, day, hours, minutes, seconds_in, milliseconds, seconds, fc),
                          8);
  f.run([&] {
    zero(f, 7, seconds);
    if (!f.require({{0, year},
                    {1, month},
                    {2, day},
                    {3, hours},
                    {4, minutes},
                    {5, seconds_in},
                    {6, milliseconds},
                    {7, seconds}})) {
      return;
    }
    const datetime::timestamp_components c{common::load_int4(year),        common::load_int4(month),
                                           common::load_int4(day),         common::load_int4(hours),
                                           common::load_int4(minutes),     common::load_int4(seconds_in),
                                           common::load_int4(milliseconds)};
    if (const common::condition* failure = datetime::check_components(c)) {
      f.fail(*failure);
      return;
    }
    common::store_native(seconds, datetime::lilian_seconds_of(c));
  });
  return 0;
}

extern "C" int CEESECS(const ovle_vstring* timestamp, const ovle_vstring* picture, double* seconds,
                       ovle_feedback* fc) noexcept {
  common::service_frame f(fc, 3,
                          {common::char_input::vstring(0, timestamp, datetime::max_timestamp_length),
                           common::char_input::vstring(1, picture, datetime::max_picture_length)});
  f.run([&] {
    if (!f.require({{0, timestamp}, {1, picture}, {2, seconds}})) {
      zero(f, 2, seconds);
      return;
    }
    const datetime::timestamp_reading r =
        datetime::read_timestamp(f.input(0), f.input(1), f.area(), datetime::picture_tables::attach(), f.feedback());
    if (r.store) common::store_native(seconds, r.value);
  });
  return 0;
}

extern "C" int CEELOCT(ovle_int4* lilian, double* seconds, char* gregorian, ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(lilian, seconds, gregorian, fc), 3);
  f.run([&] {
    if (!f.require({{0, lilian}, {1, seconds}, {2, gregorian}})) {
      zero(f, 0, lilian);
      zero(f, 1, seconds);
      return;
    }
    const std::optional<datetime::local_clock> now = datetime::local_clock_of(platform::current_date());
    if (!now) {
      f.fail(common::conditions::clock_unavailable);
      return;
    }
    common::store_int4(lilian, now->lilian_day);
    common::store_native(seconds, now->seconds);
    std::memcpy(gregorian, now->timestamp.data(), now->timestamp.size());
    f.text_output(gregorian, now->timestamp.size());
  });
  return 0;
}

extern "C" int CEEGMTO(ovle_int4* hours, ovle_int4* minutes, double* seconds, ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(hours, minutes, seconds, fc), 3);
  f.run([&] {
    if (!f.require({{0, hours}, {1, minutes}, {2, seconds}})) {
      zero(f, 0, hours);
      zero(f, 1, minutes);
      zero(f, 2, seconds);
      return;
    }
    const std::optional<datetime::gmt_offset> offset = datetime::gmt_offset_of(platform::current_date(), f.area());
    if (!offset) {
      common::store_int4(hours, 0);
      common::store_int4(minutes, 0);
      f.fail(common::conditions::local_offset_unknown);
      return;
    }
    common::store_int4(hours, offset->hours);
    common::store_int4(minutes, offset->minutes);
    common::store_native(seconds, offset->seconds);
  });
  return 0;
}

namespace {

int greenwich_time(std::string_view service, ovle_int4* lilian, double* seconds, ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(lilian, seconds, fc), 2);
  f.run([&] {
    if (!f.require({{0, lilian}, {1, seconds}})) {
      zero(f, 0, lilian);
      zero(f, 1, seconds);
      return;
    }
    const datetime::gmt_result r = datetime::read_gmt(service, f.area(), f.feedback());
    if (r.status == datetime::gmt_status::failed) return;
    common::store_int4(lilian, r.value.lilian_day);
    common::store_native(seconds, r.value.seconds);
  });
  return 0;
}

}  // namespace

extern "C" int CEEGMT(ovle_int4* lilian, double* seconds, ovle_feedback* fc) noexcept {
  return greenwich_time("CEEGMT", lilian, seconds, fc);
}

extern "C" int CEEUTC(ovle_int4* lilian, double* seconds, ovle_feedback* fc) noexcept {
  return greenwich_time("CEEUTC", lilian, seconds, fc);
}
