// The arithmetic and transcendental functions behind CEEMATH's entries: domain checks and values.
//
// Each function takes the caller's values (std::int32_t for INT4, float for FLOAT4, double for
// FLOAT8) and returns an outcome: the value the result argument receives and, when the domain
// check failed, the condition to store. The transcendental functions are evaluated in double
// precision, as the run-time's intrinsic functions are, and rounded once to the argument's type;
// the hyperbolic series keep their running sums in the argument's type.
//
// Choices made where the service definitions leave room:
//
// - Domain limits are taken in the argument's own format: a FLOAT4 argument is compared with the
//   limit rounded to FLOAT4 (174.673, 175.366), so the limit itself, as a caller can write it in a
//   COMP-1 item, is inside the domain. The integral limits (1, 823549, 3.5371188E15) are exact in
//   both formats.
// - NaN. A NaN argument fails the domain check of every function that has one (the test is written
//   so that an unordered comparison fails it): SQT, LOG, LG1, LG2, EXP, SIN, COS, TAN, CTN, SNH,
//   CSH, ASN, ACS, ATH report their own condition, AT2 reports 2014 and MOD its severity-1
//   condition. The functions without a condition never return a NaN: where the value would be NaN
//   (a NaN argument, ABS(NaN), DIM(inf, inf), 1 ** inf ...) the result is 0, with no condition.
// - Overflow. IEEE single precision ends at 3.4E38 where the domain limits (which come from a
//   floating-point format reaching 7.2E75) allow larger values: a FLOAT4 result beyond its range,
//   and any FLOAT8 power beyond 1.8E308, is stored as infinity with the sign of the value, without
//   a condition, as IEEE arithmetic gives it.
// - Power routine with a negative base: the magnitude |x| is raised through common logarithms and
//   the sign applied when the exponent is an odd integer (exponents of 2**53 and more count as
//   even). A negative base with a non-integral exponent has no real power: XPS and XPD return 0
//   and, like every call of those services, store no condition.
// - CTN of 0 (either sign) has no value: it returns 0 with severity 2, message 2017, the condition
//   the inverse hyperbolic tangent gives at its poles. An argument so close to 0 that the
//   cotangent exceeds the format's range gives infinity, as any other overflow.
// - TNH: the even sum starts at 1 and adds only non-negative terms, so it is never 0. When it
//   overflows (|x| beyond about 1,200 for FLOAT8, about 89 for FLOAT4) the quotient has no value
//   and TNH returns 1 with the sign of x, the limit of the hyperbolic tangent.
// - The series stop at k = 100, so SNH, CSH and TNH follow the truncated series. SNH and CSH stay
//   within 1E-14 (FLOAT8) or 3E-7 (FLOAT4) of the hyperbolic functions up to |x| = 40; beyond, the
//   missing terms show: 2E-10 at 50, 1E-6 at 60, 1.5% at 80, half the value at 100, and at the
//   domain limit 175.366 the truncated sums are far below sinh and cosh.
// - INT4 results that do not fit: ABS and SGN of -2,147,483,648 and DIM beyond 2,147,483,647 give
//   2,147,483,647; NIN of a value beyond the INT4 range gives -2,147,483,648 or 2,147,483,647 (the
//   nearest INT4) and NIN of NaN gives 0. None of these stores a condition.
// - MOD of FLOAT4 and FLOAT8 is the exact remainder x1 - x2 * floor(x1 / x2), rounded once (no
//   error from a rounded quotient); a zero remainder is +0. A remainder with no value (x1 infinite,
//   or a NaN operand) fails like a zero x2. MOD(x1, infinity) is x1, or infinity with the sign of
//   x2 when x1 has the other sign.
// - CEESIXPI with a base of 1 or -1 returns 1 or (-1) ** n at once instead of multiplying n - 1
//   times; the products never grow, so the result is the same.
#pragma once

#include <cstdint>

#include "common/conditions.hpp"

namespace ovle::math {

// A value and a pointer rather than an optional condition: the pair comes back in two registers.
template <typename T>
struct outcome {
  T value;                                     // what the result argument receives
  const common::condition* failure = nullptr;  // one of the conditions below when the check failed
};

// The conditions of the domain checks are those of the math section of the conditions table
// (ATH and CTN(0) fail with the trigonometric one, ASN and ACS with the hyperbolic one).
namespace conditions = common::conditions;

// Domain limits, as written for the services; each is compared in the argument's own format.
inline constexpr double exponential_limit = 174.673;
inline constexpr double hyperbolic_limit = 175.366;
inline constexpr double trigonometric_limit_float4 = 823549.0;
inline constexpr double trigonometric_limit_float8 = 3.5371188E15;

// Base-2 logarithm as a multiple of the common logarithm.
inline constexpr double log2_of_10 = 3.3219280948873622;

// The power routine: 0 when x is 0, 1 when y is 0, otherwise 10 ** (y * log10(x)) (negative x as
// described above). Used by XPD, XPS, SXPI and DXPI. The rounding of log10(x)
// is multiplied by y: the relative error is about 2.5 ln(10) |y log10(x)| units of 2**-52 plus the
// power of ten's 1.5 (2 ** 3 gives 7.999999999999998). The power of ten is exact for integral
// exponents up to 22, so powers of 10 come out exact (10 ** 3 is 1000).
double power_routine(double x, double y) noexcept;

// The truncated series: x^k / k! summed for k = first, first + 2, ... <= 100 onto `start`, in T,
// stopping early when an addition leaves the sum unchanged. The terms are the values of the power
// routine over the factorial, formed by recurrence (see math_core.cpp).
template <typename T>
T hyperbolic_series(T x, T start, int first) noexcept;

// clang-format off
// Functions of one argument; T is float or double.
template <typename T> outcome<T> square_root(T x) noexcept;                 // SQT
template <typename T> outcome<T> natural_log(T x) noexcept;                 // LOG
template <typename T> outcome<T> common_log(T x) noexcept;                  // LG1
template <typename T> outcome<T> binary_log(T x) noexcept;                  // LG2
template <typename T> outcome<T> exponential(T x) noexcept;                 // EXP
template <typename T> outcome<T> sine(T x) noexcept;                        // SIN
template <typename T> outcome<T> cosine(T x) noexcept;                      // COS
template <typename T> outcome<T> tangent(T x) noexcept;                     // TAN
template <typename T> outcome<T> cotangent(T x) noexcept;                   // CTN
template <typename T> outcome<T> arcsine(T x) noexcept;                     // ASN
template <typename T> outcome<T> arccosine(T x) noexcept;                   // ACS
template <typename T> outcome<T> arctangent(T x) noexcept;                  // ATN
template <typename T> outcome<T> inverse_hyperbolic_tangent(T x) noexcept;  // ATH
template <typename T> outcome<T> hyperbolic_sine(T x) noexcept;             // SNH
template <typename T> outcome<T> hyperbolic_cosine(T x) noexcept;           // CSH
template <typename T> outcome<T> hyperbolic_tangent(T x) noexcept;          // TNH
template <typename T> outcome<T> integer_part(T x) noexcept;                // INT
template <typename T> outcome<T> nearest_whole(T x) noexcept;               // NWN
template <typename T> outcome<std::int32_t> nearest_integer(T x) noexcept;  // NIN

// Functions of two arguments; T is float or double.
template <typename T> outcome<T> arctangent2(T x1, T x2) noexcept;          // AT2
template <typename T> outcome<T> power(T x, T y) noexcept;                  // XPS, XPD
template <typename T> outcome<T> power_by_int(T x, std::int32_t n) noexcept;  // SXPI, DXPI
outcome<std::int32_t> int_power(std::int32_t x, std::int32_t n) noexcept;     // IXPI

// Functions of INT4, FLOAT4 and FLOAT8 alike; T is std::int32_t, float or double.
template <typename T> outcome<T> absolute(T x) noexcept;                    // ABS
template <typename T> outcome<T> transfer_sign(T x1, T x2) noexcept;        // SGN
template <typename T> outcome<T> positive_difference(T x1, T x2) noexcept;  // DIM
template <typename T> outcome<T> modulo(T x1, T x2) noexcept;               // MOD

// clang-format on
}  // namespace ovle::math
