// The exported entry of the random number service.
#include "common/bytes.hpp"
#include "common/frame.hpp"
#include "common/platform/intrinsics.hpp"
#include "math/random_number.hpp"
#include "ovle/ovle.h"

using namespace ovle;

// The frame leaves out the environment initialization: CEERAN0 never calls OV-PIPI. For an ASCII
// caller the frame hands the facility ID back in ASCII; an EBCDIC caller gets it as stored.
extern "C" int CEERAN0(ovle_int4* seed, double* random_no, ovle_feedback* fc) noexcept {
  common::service_frame f(fc, 2, {}, common::init_step::skip);
  f.run([&] {
    if (!f.require({{0, seed}, {1, random_no}})) return;
    const math::random_result r = math::draw_random(common::load_int4(seed), platform::intrinsic::random);
    common::store_native(random_no, r.random_no);
    if (r.new_seed) common::store_int4(seed, *r.new_seed);
    if (r.bad_seed) f.fail(common::conditions::random_bad_seed);
  });
  return 0;
}
