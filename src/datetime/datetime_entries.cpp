// The exported entries of the calendar date services.
#include <algorithm>
#include <cstring>

#include "common/bytes.hpp"
#include "common/frame.hpp"
#include "common/platform/platform.hpp"
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
      f.fail({3, 9999, 0, common::facility_ovx});
      return;
    }
    const auto now = platform::current_date();
    const int year = (now[0] - '0') * 1000 + (now[1] - '0') * 100 + (now[2] - '0') * 10 + (now[3] - '0');
    f.area().set_century_window(start, year);
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

}  // namespace

extern "C" int CEECBLDY(const ovle_vstring* date, const ovle_vstring* picture, ovle_int4* result, ovle_feedback* fc,
                        const char* mode) noexcept {
  common::service_frame f(fc, 3,
                          {common::char_input::vstring(0, date, datetime::max_date_length),
                           common::char_input::vstring(1, picture, datetime::max_picture_length),
                           common::char_input::text(4, mode, 1)});
  f.run([&] {
    if (!f.require({{0, date}, {1, picture}, {2, result}})) return;
    const auto engine_mode = f.input(2) == std::string_view(&lilian_mode, 1) ? datetime::engine_mode::lilian
                                                                            : datetime::engine_mode::integer_date;
    const auto r = datetime::read_date(f.input(0), f.input(1), engine_mode, window_of(f.area()),
                                       datetime::picture_tables::attach());
    common::store_int4(result, r.value);
    if (r.message != 0) f.fail(common::cee(3, r.message));
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
    if (!f.require({{0, date}, {1, picture}, {2, lilian}})) return;
    static constexpr std::size_t engine_index = platform::program_index("CEECBLDY");
    static_assert(engine_index < platform::program_count);
    auto* engine = reinterpret_cast<decltype(&CEECBLDY)>(platform::find_program(engine_index));
    if (engine == nullptr) {
      platform::console_line("Unable to reach CEECBLDY");
      platform::console_line("  When CALLed by CEEDAYS");
      common::store_int4(lilian, 0);
      f.fail(common::ovx_condition);
      return;
    }
    // The engine gets the texts in EBCDIC, as a program of the library holds them.
    const engine_vstring engine_date(f.input(0));
    const engine_vstring engine_picture(f.input(1));
    engine(&engine_date.v, &engine_picture.v, lilian, reinterpret_cast<ovle_feedback*>(f.feedback().data()),
           &lilian_mode);
  });
  return 0;
}
