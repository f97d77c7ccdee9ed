// The exported entries of the bit manipulation services.
#include "common/bytes.hpp"
#include "common/frame.hpp"
#include "math/bits.hpp"
#include "ovle/ovle.h"

using namespace ovle;

namespace {

// The frame shared by the four services: source, bit number or count, feedback code, result.
// The frame has cleared the feedback code and initialized the environment; the service computes
// only while no condition is stored, stores its result and leaves the feedback code clear.
template <std::int32_t (*Operation)(std::int32_t, std::int32_t) noexcept>
int bit_service(const ovle_int4* source, const ovle_int4* n, ovle_feedback* fc, ovle_int4* result) noexcept {
  common::service_frame f(fc, 2);
  f.run([&] {
    if (!f.require({{0, source}, {1, n}, {3, result}})) return;
    std::int32_t value = 0;
    if (f.ok()) value = Operation(common::load_int4(source), common::load_int4(n));
    common::store_int4(result, value);
    f.feedback().clear();
  });
  return 0;
}

}  // namespace

extern "C" int CEESICLR(const ovle_int4* source, const ovle_int4* bit, ovle_feedback* fc, ovle_int4* result) noexcept {
  return bit_service<math::clear_bit>(source, bit, fc, result);
}

extern "C" int CEESISET(const ovle_int4* source, const ovle_int4* bit, ovle_feedback* fc, ovle_int4* result) noexcept {
  return bit_service<math::set_bit>(source, bit, fc, result);
}

extern "C" int CEESISHF(const ovle_int4* source, const ovle_int4* count, ovle_feedback* fc,
                        ovle_int4* result) noexcept {
  return bit_service<math::shift>(source, count, fc, result);
}

extern "C" int CEESITST(const ovle_int4* source, const ovle_int4* bit, ovle_feedback* fc, ovle_int4* result) noexcept {
  return bit_service<math::test_bit>(source, bit, fc, result);
}
