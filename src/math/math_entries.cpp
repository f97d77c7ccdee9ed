// The exported entries of the math family: CEEMATH with its 57 CEES services, the four bit
// manipulation services and CEERAN0.
//
// Every entry runs the same shortened frame: attach OV-LE-EXTERNAL, stand in for an omitted
// feedback code, clear it; on a domain failure store the result, build the feedback code and only
// then ask for the caller's code set to convert the facility ID (which OVLE_FACILITY_CODESET=EBCDIC
// keeps in EBCDIC, as the service frame does). The math services take no character data and never
// run OV-PIPI. The frame is written once, in serve(), and each entry is one line of the table at
// the end naming its function.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <tuple>
#include <type_traits>

#include "common/bytes.hpp"
#include "common/feedback.hpp"
#include "common/frame.hpp"
#include "common/ov_le_external.hpp"
#include "common/platform/intrinsics.hpp"
#include "common/platform/platform.hpp"
#include "math/bits.hpp"
#include "math/math_core.hpp"
#include "math/random_number.hpp"
#include "ovle/ovle.h"

using namespace ovle;

namespace {

// The caller's representations: INT4 big-endian, FLOAT4 and FLOAT8 native and possibly unaligned.
template <typename T>
T load(const void* p) noexcept {
  if constexpr (std::is_same_v<T, std::int32_t>) {
    return common::load_int4(p);
  } else {
    return common::load_native<T>(p);
  }
}

template <typename T>
void store(void* p, T value) noexcept {
  if constexpr (std::is_same_v<T, std::int32_t>) {
    common::store_int4(p, value);
  } else {
    common::store_native<T>(p, value);
  }
}

template <typename Function>
struct signature;
template <typename R, typename... A>
struct signature<math::outcome<R> (*)(A...) noexcept> {
  using result = R;
  template <std::size_t I>
  using argument = std::tuple_element_t<I, std::tuple<A...>>;
};

// Why the math entries do not use common::service_frame: a math call is a few nanoseconds of work,
// and the general frame's steps cost more than the work itself here. The math services take no
// character data (no input copies, no output registry), never run OV-PIPI, and need the caller's code
// set only on the failure path, to convert the facility ID; service_frame carries the input copies and
// the output table (over a kilobyte of frame) and the environment step through every call. This frame
// keeps exactly the steps that remain: the argument count, the attached area, the stand-in feedback
// code, and the facility conversion when a condition is stored.
class math_frame {
 public:
  template <typename... T>
  math_frame(const common::call_arguments<T...>& arguments, std::size_t feedback_index) noexcept
      : fc_(args_.present(feedback_index, arguments.address(feedback_index)) ? arguments.address(feedback_index)
                                                                             : scratch_.data()) {
    args_.take_byte_order(arguments);  // no cost for FLOAT arguments, a test for INT4 ones
    static_cast<void>(common::ov_le_external::attach());
    fc_.clear();
  }

  bool present(std::size_t index, const void* p) const noexcept { return args_.present(index, p); }

  template <typename R>
  int finish(void* result, const math::outcome<R>& out) noexcept {
    store(result, out.value);
    if (out.failure) fail(*out.failure);
    return 0;
  }

  // A required argument is missing: nothing is read through it, 0 goes into a present result and
  // the library's own condition is returned.
  template <typename R>
  int missing(void* result, std::size_t result_index) noexcept {
    if (present(result_index, result)) store(result, R{0});
    fail(common::conditions::ovx_not_supported);
    return 0;
  }

 private:
  void fail(const common::condition& c) noexcept {
    fc_.set(c);
    if (common::caller_is_ascii() && !platform::facility_ids_stay_ebcdic()) {
      platform::convert_codeset(platform::codeset_direction::to_ascii,
                                std::as_writable_bytes(std::span<unsigned char>(fc_.data() + 5, 3)));
    }
  }

  platform::program_level level_;  // first: the argument count and the code-set walk depend on it
  common::caller_arguments args_;
  std::array<unsigned char, common::feedback_size> scratch_;
  common::feedback_code fc_;
};

// (x, fc, result), typed as ovle.h declares them: the frame tells INT4 from FLOAT4 by the type.
template <auto Function, typename X, typename R>
int serve(const X* x, ovle_feedback* feedback, R* result) noexcept {
  using S = signature<decltype(Function)>;
  math_frame f(common::arguments(x, feedback, result), 1);
  if (!f.present(0, x) || !f.present(2, result)) return f.missing<typename S::result>(result, 2);
  return f.finish(result, Function(load<typename S::template argument<0>>(x)));
}

// (x1, x2, fc, result)
template <auto Function, typename X1, typename X2, typename R>
int serve(const X1* x1, const X2* x2, ovle_feedback* feedback, R* result) noexcept {
  using S = signature<decltype(Function)>;
  math_frame f(common::arguments(x1, x2, feedback, result), 2);
  if (!f.present(0, x1) || !f.present(1, x2) || !f.present(3, result)) {
    return f.missing<typename S::result>(result, 3);
  }
  return f.finish(result,
                  Function(load<typename S::template argument<0>>(x1), load<typename S::template argument<1>>(x2)));
}

}  // namespace

extern "C" int CEEMATH() noexcept {
  static_cast<void>(common::ov_le_external::attach());
  return 0;
}

// One line per entry: the name, the C types of its arguments and result, and its function.
#define OVLE_MATH_1(name, arg, res, function) \
  extern "C" int name(const arg* x, ovle_feedback* fc, res* result) noexcept { return serve<function>(x, fc, result); }
#define OVLE_MATH_2(name, arg1, arg2, res, function)                                             \
  extern "C" int name(const arg1* x1, const arg2* x2, ovle_feedback* fc, res* result) noexcept { \
    return serve<function>(x1, x2, fc, result);                                                  \
  }

OVLE_MATH_1(CEESIABS, ovle_int4, ovle_int4, math::absolute<std::int32_t>)
OVLE_MATH_1(CEESSABS, float, float, math::absolute<float>)
OVLE_MATH_1(CEESDABS, double, double, math::absolute<double>)
OVLE_MATH_1(CEESSACS, float, float, math::arccosine<float>)
OVLE_MATH_1(CEESDACS, double, double, math::arccosine<double>)
OVLE_MATH_1(CEESSASN, float, float, math::arcsine<float>)
OVLE_MATH_1(CEESDASN, double, double, math::arcsine<double>)
OVLE_MATH_1(CEESSATH, float, float, math::inverse_hyperbolic_tangent<float>)
OVLE_MATH_1(CEESDATH, double, double, math::inverse_hyperbolic_tangent<double>)
OVLE_MATH_1(CEESSATN, float, float, math::arctangent<float>)
OVLE_MATH_1(CEESDATN, double, double, math::arctangent<double>)
OVLE_MATH_2(CEESSAT2, float, float, float, math::arctangent2<float>)
OVLE_MATH_2(CEESDAT2, double, double, double, math::arctangent2<double>)
OVLE_MATH_1(CEESSCOS, float, float, math::cosine<float>)
OVLE_MATH_1(CEESDCOS, double, double, math::cosine<double>)
OVLE_MATH_1(CEESSCSH, float, float, math::hyperbolic_cosine<float>)
OVLE_MATH_1(CEESDCSH, double, double, math::hyperbolic_cosine<double>)
OVLE_MATH_1(CEESSCTN, float, float, math::cotangent<float>)
OVLE_MATH_1(CEESDCTN, double, double, math::cotangent<double>)
OVLE_MATH_2(CEESIDIM, ovle_int4, ovle_int4, ovle_int4, math::positive_difference<std::int32_t>)
OVLE_MATH_2(CEESSDIM, float, float, float, math::positive_difference<float>)
OVLE_MATH_2(CEESDDIM, double, double, double, math::positive_difference<double>)
OVLE_MATH_1(CEESSEXP, float, float, math::exponential<float>)
OVLE_MATH_1(CEESDEXP, double, double, math::exponential<double>)
OVLE_MATH_1(CEESSINT, float, float, math::integer_part<float>)
OVLE_MATH_1(CEESDINT, double, double, math::integer_part<double>)
OVLE_MATH_1(CEESSLG1, float, float, math::common_log<float>)
OVLE_MATH_1(CEESDLG1, double, double, math::common_log<double>)
OVLE_MATH_1(CEESSLG2, float, float, math::binary_log<float>)
OVLE_MATH_1(CEESDLG2, double, double, math::binary_log<double>)
OVLE_MATH_1(CEESSLOG, float, float, math::natural_log<float>)
OVLE_MATH_1(CEESDLOG, double, double, math::natural_log<double>)
OVLE_MATH_2(CEESIMOD, ovle_int4, ovle_int4, ovle_int4, math::modulo<std::int32_t>)
OVLE_MATH_2(CEESSMOD, float, float, float, math::modulo<float>)
OVLE_MATH_2(CEESDMOD, double, double, double, math::modulo<double>)
OVLE_MATH_1(CEESSNIN, float, ovle_int4, math::nearest_integer<float>)
OVLE_MATH_1(CEESDNIN, double, ovle_int4, math::nearest_integer<double>)
OVLE_MATH_1(CEESSNWN, float, float, math::nearest_whole<float>)
OVLE_MATH_1(CEESDNWN, double, double, math::nearest_whole<double>)
OVLE_MATH_2(CEESISGN, ovle_int4, ovle_int4, ovle_int4, math::transfer_sign<std::int32_t>)
OVLE_MATH_2(CEESSSGN, float, float, float, math::transfer_sign<float>)
OVLE_MATH_2(CEESDSGN, double, double, double, math::transfer_sign<double>)
OVLE_MATH_1(CEESSSIN, float, float, math::sine<float>)
OVLE_MATH_1(CEESDSIN, double, double, math::sine<double>)
OVLE_MATH_1(CEESSSNH, float, float, math::hyperbolic_sine<float>)
OVLE_MATH_1(CEESDSNH, double, double, math::hyperbolic_sine<double>)
OVLE_MATH_1(CEESSSQT, float, float, math::square_root<float>)
OVLE_MATH_1(CEESDSQT, double, double, math::square_root<double>)
OVLE_MATH_1(CEESSTAN, float, float, math::tangent<float>)
OVLE_MATH_1(CEESDTAN, double, double, math::tangent<double>)
OVLE_MATH_1(CEESSTNH, float, float, math::hyperbolic_tangent<float>)
OVLE_MATH_1(CEESDTNH, double, double, math::hyperbolic_tangent<double>)
OVLE_MATH_2(CEESIXPI, ovle_int4, ovle_int4, ovle_int4, math::int_power)
OVLE_MATH_2(CEESSXPI, float, ovle_int4, float, math::power_by_int<float>)
OVLE_MATH_2(CEESDXPI, double, ovle_int4, double, math::power_by_int<double>)
OVLE_MATH_2(CEESSXPS, float, float, float, math::power<float>)
OVLE_MATH_2(CEESDXPD, double, double, double, math::power<double>)

#undef OVLE_MATH_1
#undef OVLE_MATH_2

namespace {

// The frame shared by the four services: source, bit number or count, feedback code, result.
// The frame has cleared the feedback code and initialized the environment; the service computes
// only while no condition is stored, stores its result and leaves the feedback code clear.
template <std::int32_t (*Operation)(std::int32_t, std::int32_t) noexcept>
int bit_service(const ovle_int4* source, const ovle_int4* n, ovle_feedback* fc, ovle_int4* result) noexcept {
  common::service_frame f(common::arguments(source, n, fc, result), 2);
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

// The frame leaves out the environment initialization: CEERAN0 never calls OV-PIPI. For an ASCII
// caller the frame hands the facility ID back in ASCII; an EBCDIC caller gets it as stored.
extern "C" int CEERAN0(ovle_int4* seed, double* random_no, ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(seed, random_no, fc), 2, {}, common::init_step::skip);
  f.run([&] {
    if (!f.require({{0, seed}, {1, random_no}})) return;
    const math::random_result r = math::draw_random(common::load_int4(seed), platform::intrinsic::random);
    common::store_native(random_no, r.random_no);
    if (r.new_seed) common::store_int4(seed, *r.new_seed);
    if (r.bad_seed) f.fail(common::conditions::random_bad_seed);
  });
  return 0;
}
