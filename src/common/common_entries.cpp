// CGPIINFO, the exported form of the frame's code-set query.
#include "common/bytes.hpp"
#include "common/frame.hpp"
#include "ovle/ovle.h"

extern "C" int CGPIINFO(int16_t* mode) noexcept {
  const ovle::common::caller_arguments args(ovle::common::arguments(mode));
  if (!args.present(0, mode)) return 0;
  const auto input = ovle::common::load_native<std::int16_t>(mode);
  ovle::common::store_native<std::int16_t>(mode, ovle::common::program_info_query(input));
  return 0;
}
