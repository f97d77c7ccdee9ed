// The math functions of CEEMATH: domain checks, the power routine and the hyperbolic series.
#include "math/math_core.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>
#include <utility>

#include "common/platform/intrinsics.hpp"

namespace ovle::math {
namespace {

// A successful value. NaN never reaches the caller: where it would, the result is 0.
template <typename T>
outcome<T> computed(T value) noexcept {
  if constexpr (std::is_floating_point_v<T>) {
    if (std::isnan(value)) value = T{0};
  }
  return {value, nullptr};
}

template <typename T>
outcome<T> failed(const common::condition& c, T value = T{0}) noexcept {
  return {value, &c};
}

// A double-precision value rounded once to the argument's type.
template <typename T>
outcome<T> computed_from(double value) noexcept {
  return computed(static_cast<T>(value));
}

// |x| <= limit, with the limit in the argument's format; false for NaN.
template <typename T>
bool within(T x, double limit) noexcept {
  return std::fabs(x) <= static_cast<T>(limit);
}

template <typename T>
constexpr double trigonometric_limit =
    std::is_same_v<T, float> ? trigonometric_limit_float4 : trigonometric_limit_float8;

std::int32_t saturated(std::int64_t value) noexcept {
  constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value < low ? low : value > high ? high : value);
}

// A function evaluated in double precision when the argument passed its domain check (a NaN
// argument fails every check written as a comparison that holds), else 0 with the condition.
template <typename T, typename Function>
outcome<T> evaluated(T x, bool in_domain, const common::condition& c, Function function) noexcept {
  if (!in_domain) return failed<T>(c);
  return computed_from<T>(function(static_cast<double>(x)));
}

// The high half of a double: the low 27 bits of the significand cleared, 26 significant bits left.
double high_half(double v) noexcept {
  std::uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  bits &= ~std::uint64_t{0x7FFFFFF};
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

constexpr double ln10 = 2.302585092994045684017991454684364208;
const double ln10_high = high_half(ln10);
const double ln10_low = static_cast<double>(2.302585092994045684017991454684364208L - ln10_high);

// The integral powers of ten that a double holds exactly.
constexpr std::array<double, 23> exact_powers_of_ten = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The power-of-ten function. An integral exponent up to 22 in magnitude gives the exact power (or
// its correctly rounded reciprocal), as a decimal run-time does: 10 ** 3 is 1000, not a neighbour.
// Otherwise e ** (t ln 10), the exponent carried in two parts: the product of the high halves of t
// and ln 10 is exact, and the rest, below 3E-5, enters through the cubic Taylor polynomial of its
// exponential (the first omitted term is below 1E-19). Within 1.5 ulp, with one call of exp where
// the C library's exp10 makes two. The edges of the range, NaN and infinities go to exp10 itself.
double power_of_ten(double t) noexcept {
  const double magnitude = std::fabs(t);
  if (magnitude <= 22 && std::trunc(t) == t) {
    const double power = exact_powers_of_ten[static_cast<std::size_t>(magnitude)];
    return t < 0 ? 1 / power : power;
  }
  if (!(magnitude <= 307.0)) return ::exp10(t);
  const double t_high = high_half(t);
  const double e_high = t_high * ln10_high;
  const double e_low = t_high * ln10_low + (t - t_high) * ln10;
  return std::exp(e_high) * (1 + e_low * (1 + e_low * (0.5 + e_low * (1.0 / 6))));
}

// The common logarithm of the power routine, for x > 0: the natural logarithm over ln 10, within
// 1.5 ulp (the C library's log10 is within 2 but takes five times as long), and exact at the
// integral powers of ten the power of ten is exact for, so 10 ** 3 stays 1000.
double common_logarithm(double x) noexcept {
  constexpr double inverse_ln10 = 0.43429448190325182765;
  const double value = std::log(x) * inverse_ln10;
  const double nearest = std::nearbyint(value);
  if (std::fabs(value - nearest) < 1e-9 && std::fabs(nearest) <= 22) {
    const double power = exact_powers_of_ten[static_cast<std::size_t>(std::fabs(nearest))];
    if ((nearest >= 0 ? power : 1 / power) == x) return nearest;
  }
  return value;
}

}  // namespace

double power_routine(double x, double y) noexcept {
  if (x == 0) return 0;
  if (y == 0) return 1;
  if (x > 0) return power_of_ten(y * common_logarithm(x));
  if (!(x < 0)) return x;            // NaN
  if (std::trunc(y) != y) return 0;  // no real power (also a NaN exponent)
  const double magnitude = power_of_ten(y * common_logarithm(-x));
  const bool odd = std::fabs(y) < 0x1p53 && std::fmod(y, 2.0) != 0;
  return odd ? -magnitude : magnitude;
}

// 1 / ((k - 1) k): the factor that takes x^(k-2) / (k-2)! to x^k / k! once multiplied by x^2.
constexpr std::array<double, 101> series_steps = [] {
  std::array<double, 101> table{};
  for (std::size_t k = 2; k < table.size(); ++k) table[k] = 1.0 / static_cast<double>((k - 1) * k);
  return table;
}();

// One of the two hyperbolic series: the running sum in the argument's precision, the last term in
// double precision, and whether the sum has stopped changing.
//
// The terms x^k / k! are formed each from the one before, x^(k-2) / (k-2)! times x^2 / ((k-1) k):
// the values the power routine and the factorial give, to within their rounding (the recurrence is
// the more accurate: a few roundings per term where the logarithm of the power routine loses up to
// 2.5 ln 10 |k log10 x| units), at one multiplication per term instead of an exponential. The power
// x^k itself overflows once k log10 |x| passes log10 of the largest double; from there the power
// routine's term is infinite, and so is the term here.
template <typename T>
class hyperbolic_series_sum {
 public:
  hyperbolic_series_sum(T x, T start, double first_term) noexcept
      : sum_(start), term_(first_term), square_(static_cast<double>(x) * static_cast<double>(x)) {
    // Up to |x| = 1000, x^100 stays below 1E300: only larger arguments need the logarithm.
    const double magnitude = std::fabs(static_cast<double>(x));
    overflow_k_ = magnitude > 1000 ? 308.25471555991675 / std::log10(magnitude) : HUGE_VAL;
  }

  // Adds x^k / k!; after an addition that leaves the sum unchanged the series has stopped.
  void add(int k) noexcept {
    if (stopped_) return;
    term_ *= square_ * series_steps[static_cast<std::size_t>(k)];
    if (k > overflow_k_) term_ = std::copysign(HUGE_VAL, term_);
    const T next = static_cast<T>(sum_ + term_);
    stopped_ = std::fabs(next - sum_) == 0;
    sum_ = next;
  }
  bool stopped() const noexcept { return stopped_; }
  T sum() const noexcept { return sum_; }

 private:
  T sum_;
  double term_;
  double square_;
  double overflow_k_;
  bool stopped_ = false;
};

// The odd series (sinh: x + x^3/3! + ...) and the even series (cosh: 1 + x^2/2! + ...), k <= 100.
template <typename T>
hyperbolic_series_sum<T> odd_series(T x) noexcept {
  return {x, x, static_cast<double>(x)};
}
template <typename T>
hyperbolic_series_sum<T> even_series(T x) noexcept {
  return {x, T{1}, 1.0};
}

template <typename T>
T hyperbolic_series(T x, T start, int first) noexcept {
  if (x == 0) return start;  // every term is 0, so the first addition already leaves the sum as it is
  hyperbolic_series_sum<T> series = first == 3 ? odd_series(x) : even_series(x);
  for (int k = first; k <= 100 && !series.stopped(); k += 2) series.add(k);
  return series.sum();
}

// Both sums at once, for TNH: the two running sums are independent, so they advance together.
template <typename T>
std::pair<T, T> hyperbolic_sums(T x) noexcept {
  if (x == 0) return {x, T{1}};
  hyperbolic_series_sum<T> odd = odd_series(x);
  hyperbolic_series_sum<T> even = even_series(x);
  for (int k = 2; k <= 100 && !(odd.stopped() && even.stopped()); k += 2) {
    even.add(k);
    if (k + 1 <= 100) odd.add(k + 1);
  }
  return {odd.sum(), even.sum()};
}

// The functions of one argument that the C library evaluates in one call, each behind its check.
template <typename T>
outcome<T> square_root(T x) noexcept {
  return evaluated(x, x > 0, conditions::square_root_domain, [](double v) { return std::sqrt(v); });
}
template <typename T>
outcome<T> natural_log(T x) noexcept {
  return evaluated(x, x > 0, conditions::logarithm_domain, [](double v) { return std::log(v); });
}
template <typename T>
outcome<T> common_log(T x) noexcept {
  return evaluated(x, x > 0, conditions::logarithm_domain, [](double v) { return std::log10(v); });
}
template <typename T>
outcome<T> binary_log(T x) noexcept {
  return evaluated(x, x > 0, conditions::logarithm_domain, [](double v) { return std::log10(v) * log2_of_10; });
}
template <typename T>
outcome<T> exponential(T x) noexcept {
  return evaluated(x, within(x, exponential_limit), conditions::exponential_domain, [](double v) { return std::exp(v); });
}
template <typename T>
outcome<T> sine(T x) noexcept {
  return evaluated(x, within(x, trigonometric_limit<T>), conditions::trigonometric_domain, [](double v) { return std::sin(v); });
}
template <typename T>
outcome<T> cosine(T x) noexcept {
  return evaluated(x, within(x, trigonometric_limit<T>), conditions::trigonometric_domain, [](double v) { return std::cos(v); });
}
template <typename T>
outcome<T> tangent(T x) noexcept {
  return evaluated(x, within(x, trigonometric_limit<T>), conditions::trigonometric_domain, [](double v) { return std::tan(v); });
}
// Cotangent of 0 has no value: it fails like an argument beyond the limit.
template <typename T>
outcome<T> cotangent(T x) noexcept {
  return evaluated(x, x != 0 && within(x, trigonometric_limit<T>), conditions::trigonometric_domain,
                   [](double v) { return 1.0 / std::tan(v); });
}
template <typename T>
outcome<T> arcsine(T x) noexcept {
  return evaluated(x, within(x, 1.0), conditions::hyperbolic_domain, [](double v) { return std::asin(v); });
}
template <typename T>
outcome<T> arccosine(T x) noexcept {
  return evaluated(x, within(x, 1.0), conditions::hyperbolic_domain, [](double v) { return std::acos(v); });
}
template <typename T>
outcome<T> arctangent(T x) noexcept {
  return computed_from<T>(std::atan(static_cast<double>(x)));
}
template <typename T>
outcome<T> inverse_hyperbolic_tangent(T x) noexcept {
  return evaluated(x, std::fabs(x) < T{1}, conditions::trigonometric_domain, [](double v) { return std::atanh(v); });
}

template <typename T>
outcome<T> hyperbolic_sine(T x) noexcept {
  if (!within(x, hyperbolic_limit)) return failed<T>(conditions::hyperbolic_domain);
  return computed(hyperbolic_series(x, x, 3));
}

template <typename T>
outcome<T> hyperbolic_cosine(T x) noexcept {
  if (!within(x, hyperbolic_limit)) return failed<T>(conditions::hyperbolic_domain);
  return computed(hyperbolic_series(x, T{1}, 2));
}

template <typename T>
outcome<T> hyperbolic_tangent(T x) noexcept {
  if (std::isnan(x)) return computed(T{0});
  const auto [odd, even] = hyperbolic_sums(x);
  if (!std::isfinite(even)) return computed(std::copysign(T{1}, x));
  return computed(static_cast<T>(odd / even));
}

template <typename T>
outcome<T> integer_part(T x) noexcept {
  return computed(std::trunc(x));
}

// x + 0.5 rounded down for x >= 0 and halves away from zero below 0: both are round-half-away,
// which std::round computes exactly (adding 0.5 in floating point would round 0.49999999999999994
// up to 1).
template <typename T>
outcome<T> nearest_whole(T x) noexcept {
  return computed(std::round(x));
}

template <typename T>
outcome<std::int32_t> nearest_integer(T x) noexcept {
  const T whole = std::round(x);
  if (std::isnan(whole)) return computed(std::int32_t{0});
  // The INT4 bounds are exact in both formats; compare before converting.
  if (whole >= static_cast<T>(0x1p31)) return computed(std::numeric_limits<std::int32_t>::max());
  if (whole < static_cast<T>(-0x1p31)) return computed(std::numeric_limits<std::int32_t>::min());
  return computed(static_cast<std::int32_t>(whole));
}

template <typename T>
outcome<T> arctangent2(T x1, T x2) noexcept {
  if ((x1 == 0 && x2 == 0) || std::isnan(x1) || std::isnan(x2)) return failed<T>(conditions::arctangent2_domain);
  return computed_from<T>(std::atan2(static_cast<double>(x1), static_cast<double>(x2)));
}

template <typename T>
outcome<T> power(T x, T y) noexcept {
  return computed_from<T>(power_routine(static_cast<double>(x), static_cast<double>(y)));
}

template <typename T>
outcome<T> power_by_int(T x, std::int32_t n) noexcept {
  return computed_from<T>(power_routine(static_cast<double>(x), static_cast<double>(n)));
}

outcome<std::int32_t> int_power(std::int32_t x, std::int32_t n) noexcept {
  if (x == 0 || n < 0) return computed(std::int32_t{0});
  if (n == 0) return computed(std::int32_t{1});
  if (x == 1 || x == -1) return computed(x == -1 && n % 2 != 0 ? std::int32_t{-1} : std::int32_t{1});
  // Nine decimal digits, the limit of a PIC S9(9) item, not the 32-bit limit.
  constexpr std::int64_t limit = 1'000'000'000;
  std::int64_t result = x;
  for (std::int32_t i = 1; i < n; ++i) {
    const std::int64_t product = result * x;  // |result| < 2**31 and |x| <= 2**31: no overflow
    if (product >= limit || product <= -limit) {
      return failed(conditions::integer_power_overflow, static_cast<std::int32_t>(result));
    }
    result = product;
  }
  return computed(static_cast<std::int32_t>(result));
}

template <typename T>
outcome<T> absolute(T x) noexcept {
  if constexpr (std::is_integral_v<T>) {
    return computed(saturated(x < 0 ? -std::int64_t{x} : std::int64_t{x}));
  } else {
    return computed(std::fabs(x));
  }
}

template <typename T>
outcome<T> transfer_sign(T x1, T x2) noexcept {
  if constexpr (std::is_integral_v<T>) {
    const std::int64_t magnitude = x1 < 0 ? -std::int64_t{x1} : std::int64_t{x1};
    return computed(saturated(x2 < 0 ? -magnitude : magnitude));
  } else {
    return computed(x2 < 0 ? -std::fabs(x1) : std::fabs(x1));
  }
}

template <typename T>
outcome<T> positive_difference(T x1, T x2) noexcept {
  if constexpr (std::is_integral_v<T>) {
    const std::int64_t a = x1 < 0 ? -std::int64_t{x1} : std::int64_t{x1};
    const std::int64_t b = x2 < 0 ? -std::int64_t{x2} : std::int64_t{x2};
    return computed(saturated(a > b ? a - b : b - a));
  } else {
    return computed(std::fabs(std::fabs(x1) - std::fabs(x2)));
  }
}

template <typename T>
outcome<T> modulo(T x1, T x2) noexcept {
  if constexpr (std::is_integral_v<T>) {
    if (x2 == 0) return failed<T>(conditions::modulo_domain);
    return computed(static_cast<T>(platform::intrinsic::mod(x1, x2)));
  } else {
    if (x2 == 0) return failed<T>(conditions::modulo_domain);
    // fmod is exact; moving it to the sign of x2 is the one rounding.
    double r = std::fmod(static_cast<double>(x1), static_cast<double>(x2));
    if (std::isnan(r)) return failed<T>(conditions::modulo_domain);
    if (r == 0) {
      r = 0;
    } else if ((r < 0) != (x2 < 0)) {
      r += static_cast<double>(x2);
    }
    return computed_from<T>(r);
  }
}

// The instances the entries use.
#define OVLE_MATH_FLOATING(T)                                    \
  template T hyperbolic_series<T>(T, T, int) noexcept;           \
  template outcome<T> square_root<T>(T) noexcept;                \
  template outcome<T> natural_log<T>(T) noexcept;                \
  template outcome<T> common_log<T>(T) noexcept;                 \
  template outcome<T> binary_log<T>(T) noexcept;                 \
  template outcome<T> exponential<T>(T) noexcept;                \
  template outcome<T> sine<T>(T) noexcept;                       \
  template outcome<T> cosine<T>(T) noexcept;                     \
  template outcome<T> tangent<T>(T) noexcept;                    \
  template outcome<T> cotangent<T>(T) noexcept;                  \
  template outcome<T> arcsine<T>(T) noexcept;                    \
  template outcome<T> arccosine<T>(T) noexcept;                  \
  template outcome<T> arctangent<T>(T) noexcept;                 \
  template outcome<T> inverse_hyperbolic_tangent<T>(T) noexcept; \
  template outcome<T> hyperbolic_sine<T>(T) noexcept;            \
  template outcome<T> hyperbolic_cosine<T>(T) noexcept;          \
  template outcome<T> hyperbolic_tangent<T>(T) noexcept;         \
  template outcome<T> integer_part<T>(T) noexcept;               \
  template outcome<T> nearest_whole<T>(T) noexcept;              \
  template outcome<std::int32_t> nearest_integer<T>(T) noexcept; \
  template outcome<T> arctangent2<T>(T, T) noexcept;             \
  template outcome<T> power<T>(T, T) noexcept;                   \
  template outcome<T> power_by_int<T>(T, std::int32_t) noexcept;
#define OVLE_MATH_ANY(T)                                     \
  template outcome<T> absolute<T>(T) noexcept;               \
  template outcome<T> transfer_sign<T>(T, T) noexcept;       \
  template outcome<T> positive_difference<T>(T, T) noexcept; \
  template outcome<T> modulo<T>(T, T) noexcept;

OVLE_MATH_FLOATING(float)
OVLE_MATH_FLOATING(double)
OVLE_MATH_ANY(std::int32_t)
OVLE_MATH_ANY(float)
OVLE_MATH_ANY(double)

#undef OVLE_MATH_FLOATING
#undef OVLE_MATH_ANY

}  // namespace ovle::math
