// The exported entries of the calendar date services.
#include "common/bytes.hpp"
#include "common/frame.hpp"
#include "common/platform/platform.hpp"
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
