// Accuracy of the math services over sweeps, against the standard library in extended precision,
// with error bounds derived from how each value is formed.
//
// Unit: eps = 2**-52 (FLOAT8), 2**-23 (FLOAT4). glibc documents at most 2 ulp for log10, exp10,
// tan and atanh and at most 1 ulp for the other double functions used here; the references are
// long double functions, whose own error is negligible at double precision.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "math_calls.hpp"

namespace ovle::test::math {
namespace {

constexpr double eps = 0x1p-52;
constexpr double eps4 = 0x1p-23;
const double ln10 = std::log(10.0);

template <typename T>
constexpr double eps_of() {
  return std::is_same_v<T, float> ? eps4 : eps;
}

// The power routine forms 10 ** fl(y * fl(log10 x)). With t = y * log10 x exactly, the computed
// exponent differs from t by at most |t| (2 eps + eps / 2) (log10 within 2 ulp, one rounding of
// the product); 10 ** (t + d) = 10 ** t * exp(ln10 * d), so that becomes a relative error of
// 2.5 ln10 |t| eps, and exp10 adds 2 ulp. The reference rounded to double adds eps / 2.
double power_routine_bound(double t) { return (2.5 * ln10 * std::fabs(t) + 2.5) * eps * 1.001; }

template <typename T>
void check_power_sweep(const char* name, T (*compute)(T, T), bool integral_exponent) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> log_base(-6, 6);
  std::uniform_real_distribution<double> exponent(-60, 60);
  const double range = std::is_same_v<T, float> ? 37.0 : 300.0;  // |t| below the format's range
  double worst = 0;  // observed error as a share of the bound
  int checked = 0;
  while (checked < 20000) {
    const T x = static_cast<T>((random() & 1 ? -1 : 1) * std::pow(10.0, log_base(random)));
    T y = static_cast<T>(exponent(random));
    // A negative base has a power only for an integral exponent.
    if (x < 0 || integral_exponent) y = std::round(y);
    const double t = static_cast<double>(y) * std::log10(std::fabs(static_cast<double>(x)));
    if (std::fabs(t) > range) continue;
    const long double exact = std::pow(static_cast<long double>(x), static_cast<long double>(y));
    const double got = static_cast<double>(compute(x, y));
    double bound = power_routine_bound(t);
    // A FLOAT4 result is the double value rounded once more: half a FLOAT4 ulp on top.
    if (std::is_same_v<T, float>) bound = eps4 / 2 * (1 + bound) + bound;
    const double error = static_cast<double>(std::fabs((static_cast<long double>(got) - exact) / exact));
    ASSERT_LE(error, bound) << name << "(" << x << ", " << y << ") = " << got << ", exact " << static_cast<double>(exact);
    worst = std::max(worst, error / bound);
    ++checked;
  }
  std::printf("[ info ] %s: worst error %.2f of the bound over %d points\n", name, worst, checked);
}

TEST_F(run_unit, PowersAgainstPowWithinTheLogarithmBound) {
  check_power_sweep<double>("CEESDXPD", [](double x, double y) { return call(CEESDXPD, x, y).value; }, false);
  check_power_sweep<float>("CEESSXPS", [](float x, float y) { return call(CEESSXPS, x, y).value; }, false);
  check_power_sweep<double>(
      "CEESDXPI", [](double x, double y) { return call(CEESDXPI, x, static_cast<std::int32_t>(y)).value; }, true);
  check_power_sweep<float>(
      "CEESSXPI", [](float x, float y) { return call(CEESSXPI, x, static_cast<std::int32_t>(y)).value; }, true);
}

// The power-of-ten function gives the exact integral powers of ten (the correctly rounded
// reciprocals below 1), so 10 ** n through the logarithm route is exact: log10(10) is 1.
TEST_F(run_unit, IntegralPowersOfTenAreExact) {
  for (int n = -22; n <= 22; ++n) {
    const double exact = std::strtod(("1e" + std::to_string(n)).c_str(), nullptr);
    EXPECT_EQ(call(CEESDXPD, 10.0, static_cast<double>(n)).value, exact) << n;
    EXPECT_EQ(call(CEESDXPI, 10.0, n).value, exact) << n;
    if (n >= 0 && n <= 10) {
      EXPECT_EQ(call(CEESSXPS, 10.0f, static_cast<float>(n)).value, static_cast<float>(exact)) << n;
      EXPECT_EQ(call(CEESSXPI, 10.0f, n).value, static_cast<float>(exact)) << n;
    }
  }
  EXPECT_EQ(call(CEESDXPD, 100.0, 1.5).value, 1000.0);
  EXPECT_EQ(call(CEESDXPD, 1000.0, -2.0).value, 1e-6);
}

// The series in extended precision: the sum of |x|**k / k! over the terms the service adds
// (k = first, first + 2, ... <= 100), the part beyond k = 100 that it leaves out, and the error
// bound of the service's sum relative to the included sum.
struct series_analysis {
  long double included;  // sum of the magnitudes of the included terms (with the start)
  long double cut;       // sum of the magnitudes of the terms beyond k = 100
  double bound;          // relative error bound of the computed sum against `included`
};

// Each term is exp10(fl(k * fl(log10 |x|))) / k!: the power routine's error for t = k log10|x|,
// then the rounding of the tabulated factorial and of the division (eps / 2 each). The sum in T
// rounds each of at most 50 additions by eps_T / 2 of a partial sum no larger than the total;
// the early stop drops a tail no larger than the last term, which left the sum unchanged, so below
// eps_T / 2 of it. The start (x or 1) is exact.
template <typename T>
series_analysis analyse_series(double x, int first) {
  const long double ax = std::fabs(static_cast<long double>(x));
  const double lg = std::log10(std::fabs(x));
  series_analysis a{first == 2 ? 1.0L : ax, 0, 0};
  long double weighted = 0;
  // Terms by recurrence in 64-bit precision: 300 steps add at most 300 * 1.5 * 2**-64 (2.4E-17)
  // relative, far below the bounds.
  long double term = std::pow(ax, static_cast<long double>(first)) / (first == 2 ? 2.0L : 6.0L);
  for (int k = first; k <= 600; k += 2, term *= ax * ax / (static_cast<long double>(k - 1) * k)) {
    if (k > 100 && term < a.included * 1e-40L) break;
    if (k > 100) {
      a.cut += term;
      continue;
    }
    a.included += term;
    weighted += term * static_cast<long double>(power_routine_bound(k * lg) + eps);
  }
  a.bound = static_cast<double>(weighted / a.included) + (25 + 0.5) * eps_of<T>();
  return a;
}

template <typename T>
std::vector<T> series_points() {
  std::vector<T> points;
  for (int i = -2000; i <= 2000; ++i) points.push_back(static_cast<T>(175.366 * i / 2000.0));
  for (int e = -300; e <= 0; ++e) {
    const double x = std::pow(10.0, e / 10.0) * 1.2345;
    points.push_back(static_cast<T>(x));
    points.push_back(static_cast<T>(-x));
  }
  return points;
}

template <typename T>
void check_series(unary_entry<T> snh, unary_entry<T> csh, unary_entry<T> tnh) {
  const char* precision = std::is_same_v<T, float> ? "FLOAT4" : "FLOAT8";
  double worst_share = 0;
  double worst_within_45 = 0;  // worst relative error against the hyperbolic functions, |x| <= 45
  for (const T x : series_points<T>()) {
    const double xd = static_cast<double>(x);
    if (xd == 0) continue;
    SCOPED_TRACE(std::string(precision) + " x = " + std::to_string(xd));
    const series_analysis odd = analyse_series<T>(xd, 3);
    const series_analysis even = analyse_series<T>(xd, 2);
    const long double exact_sinh = std::sinh(static_cast<long double>(xd));
    const long double exact_cosh = std::cosh(static_cast<long double>(xd));

    // SNH and CSH: the truncated series within the bound; against the hyperbolic functions, the
    // bound and the part beyond k = 100.
    const auto check_sum = [&](unary_entry<T> entry, const char* name, long double exact, const series_analysis& s,
                               long double sign) {
      const double got = static_cast<double>(call(entry, x).value);
      if (static_cast<double>(s.included) * (1 - s.bound) > static_cast<double>(std::numeric_limits<T>::max())) {
        EXPECT_EQ(got, static_cast<double>(sign) * std::numeric_limits<double>::infinity()) << name;
        return;
      }
      const double error = static_cast<double>(std::fabs(static_cast<long double>(got) - sign * s.included) / s.included);
      EXPECT_LE(error, s.bound) << name << " = " << got << ", truncated series " << static_cast<double>(sign * s.included);
      worst_share = std::max(worst_share, error / s.bound);
      const double error_exact = static_cast<double>(std::fabs((static_cast<long double>(got) - exact) / exact));
      EXPECT_LE(error_exact, s.bound + static_cast<double>(s.cut / s.included)) << name << " against the function";
      if (std::fabs(xd) <= 45) worst_within_45 = std::max(worst_within_45, error_exact);
    };
    const long double sign = xd < 0 ? -1.0L : 1.0L;
    check_sum(snh, "SNH", exact_sinh, odd, sign);
    check_sum(csh, "CSH", exact_cosh, even, 1.0L);

    // TNH: the quotient of the two truncated sums, within both bounds and the division's rounding.
    const double got = static_cast<double>(call(tnh, x).value);
    if (static_cast<double>(even.included) * (1 - even.bound) > static_cast<double>(std::numeric_limits<T>::max())) {
      EXPECT_EQ(got, static_cast<double>(sign)) << "TNH";
      continue;
    }
    const long double ratio = sign * odd.included / even.included;
    const double bound = odd.bound + even.bound + eps_of<T>() / 2;
    const double error = static_cast<double>(std::fabs((static_cast<long double>(got) - ratio) / ratio));
    EXPECT_LE(error, bound) << "TNH = " << got << ", truncated quotient " << static_cast<double>(ratio);
    worst_share = std::max(worst_share, error / bound);
  }
  std::printf("[ info ] %s series: worst error %.2f of the bound; worst relative error against sinh/cosh "
              "for |x| <= 45: %.3g\n",
              precision, worst_share, worst_within_45);
}

TEST_F(run_unit, HyperbolicSeriesAgainstTheTruncatedSeriesAndTheStandardFunctions) {
  check_series<double>(CEESDSNH, CEESDCSH, CEESDTNH);
  check_series<float>(CEESSSNH, CEESSCSH, CEESSTNH);
}

// Where the cut at k = 100 leaves next to nothing, TNH is the hyperbolic tangent itself, within
// the bounds of its two sums, the division's rounding and the share of the cut.
template <typename T>
void check_tanh(unary_entry<T> tnh) {
  for (int i = -4000; i <= 4000; ++i) {
    const T x = static_cast<T>(20.0 * i / 4000);
    const double xd = static_cast<double>(x);
    if (xd == 0) continue;
    const series_analysis odd = analyse_series<T>(xd, 3);
    const series_analysis even = analyse_series<T>(xd, 2);
    const double bound = odd.bound + even.bound + eps_of<T>() / 2 +
                         static_cast<double>(odd.cut / odd.included + even.cut / even.included);
    const long double exact = std::tanh(static_cast<long double>(xd));
    const double got = static_cast<double>(call(tnh, x).value);
    EXPECT_LE(static_cast<double>(std::fabs((got - exact) / exact)), bound) << xd;
  }
}

TEST_F(run_unit, HyperbolicTangentMatchesTanhForModerateArguments) {
  check_tanh<double>(CEESDTNH);
  check_tanh<float>(CEESSTNH);
}

// The functions computed by one double-precision library call: each entry against the extended
// reference, FLOAT8 within the library's documented error plus the reference's rounding, FLOAT4
// within one FLOAT4 ulp (half an ulp for its rounding, the double error far below the rest).
struct one_call_function {
  const char* name;
  unary_entry<float> s;
  unary_entry<double> d;
  long double (*reference)(long double);
  double low, high;  // sweep range
  double ulps;       // FLOAT8 error in ulp of the result
};

TEST_F(run_unit, OneCallFunctionsAgainstExtendedReferences) {
  const one_call_function functions[] = {
      {"SQT", CEESSSQT, CEESDSQT, [](long double x) { return std::sqrt(x); }, 1e-3, 1e6, 1},
      {"LOG", CEESSLOG, CEESDLOG, [](long double x) { return std::log(x); }, 1e-3, 1e6, 1.5},
      {"LG1", CEESSLG1, CEESDLG1, [](long double x) { return std::log10(x); }, 1e-3, 1e6, 2.5},
      {"LG2", CEESSLG2, CEESDLG2, [](long double x) { return std::log2(x); }, 1e-3, 1e6, 4},
      {"EXP", CEESSEXP, CEESDEXP, [](long double x) { return std::exp(x); }, -80, 80, 1.5},
      {"SIN", CEESSSIN, CEESDSIN, [](long double x) { return std::sin(x); }, -1e5, 1e5, 1.5},
      {"COS", CEESSCOS, CEESDCOS, [](long double x) { return std::cos(x); }, -1e5, 1e5, 1.5},
      {"TAN", CEESSTAN, CEESDTAN, [](long double x) { return std::tan(x); }, -1e5, 1e5, 2.5},
      {"CTN", CEESSCTN, CEESDCTN, [](long double x) { return std::cos(x) / std::sin(x); }, -1e5, 1e5, 3.5},
      {"ASN", CEESSASN, CEESDASN, [](long double x) { return std::asin(x); }, -1, 1, 1.5},
      {"ACS", CEESSACS, CEESDACS, [](long double x) { return std::acos(x); }, -1, 1, 1.5},
      {"ATN", CEESSATN, CEESDATN, [](long double x) { return std::atan(x); }, -1e3, 1e3, 1.5},
      {"ATH", CEESSATH, CEESDATH, [](long double x) { return std::atanh(x); }, -0.999, 0.999, 2.5},
  };
  std::mt19937_64 random(7);
  for (const auto& f : functions) {
    std::uniform_real_distribution<double> range(f.low, f.high);
    for (int i = 0; i < 5000; ++i) {
      const double xd = range(random);
      const long double exact = f.reference(xd);
      const double got = call(f.d, xd).value;
      EXPECT_LE(static_cast<double>(std::fabs(got - exact)), (f.ulps + 0.5) * ulp_of<double>(static_cast<double>(exact)))
          << "D" << f.name << "(" << xd << ") = " << got;
      const float xs = static_cast<float>(xd);
      const long double exact4 = f.reference(xs);
      const double got4 = static_cast<double>(call(f.s, xs).value);
      EXPECT_LE(static_cast<double>(std::fabs(got4 - exact4)), ulp_of<float>(static_cast<double>(exact4)))
          << "S" << f.name << "(" << xs << ") = " << got4;
    }
  }
  // Two arguments: the quadrant comes from the signs.
  std::uniform_real_distribution<double> plane(-100, 100);
  for (int i = 0; i < 5000; ++i) {
    const double y = plane(random), x = plane(random);
    const long double exact = std::atan2(static_cast<long double>(y), static_cast<long double>(x));
    EXPECT_LE(static_cast<double>(std::fabs(call(CEESDAT2, y, x).value - exact)), 2 * ulp_of<double>(static_cast<double>(exact)));
    const float ys = static_cast<float>(y), xs = static_cast<float>(x);
    const long double exact4 = std::atan2(static_cast<long double>(ys), static_cast<long double>(xs));
    EXPECT_LE(static_cast<double>(std::fabs(call(CEESSAT2, ys, xs).value - exact4)), ulp_of<float>(static_cast<double>(exact4)));
  }
}

// MOD of integral values against floor division in 64-bit integers, and of fractional values
// against the remainder formed exactly in extended precision: one rounding at most.
TEST_F(run_unit, ModuloIsTheFloorRemainderRoundedOnce) {
  std::mt19937_64 random(11);
  std::uniform_int_distribution<std::int64_t> big(-(std::int64_t{1} << 40), std::int64_t{1} << 40);
  std::uniform_int_distribution<std::int64_t> small(-(std::int64_t{1} << 20), std::int64_t{1} << 20);
  const auto floor_mod = [](std::int64_t a, std::int64_t b) {
    const std::int64_t r = a % b;
    return r != 0 && ((r < 0) != (b < 0)) ? r + b : r;
  };
  for (int i = 0; i < 20000; ++i) {
    const std::int64_t a = big(random), b = i % 2 ? big(random) : small(random) / 1024;
    if (b == 0) continue;
    EXPECT_EQ(call(CEESDMOD, static_cast<double>(a), static_cast<double>(b)).value,
              static_cast<double>(floor_mod(a, b)))
        << a << " mod " << b;
    const std::int64_t a4 = small(random), b4 = small(random) / (i % 7 + 1);
    if (b4 == 0) continue;
    EXPECT_EQ(call(CEESSMOD, static_cast<float>(a4), static_cast<float>(b4)).value,
              static_cast<float>(floor_mod(a4, b4)))
        << a4 << " mod " << b4;
  }
  std::uniform_real_distribution<double> dividend(-1000, 1000);
  std::uniform_real_distribution<double> divisor_log(0, 2);
  for (int i = 0; i < 20000; ++i) {
    const double a = dividend(random);
    const double b = (i % 2 ? -1 : 1) * std::pow(10.0, divisor_log(random));
    // |q| <= 1000 and 1 <= |b| <= 100: b * q is exact in 64 bits, and so is a - b * q unless a is
    // tiny, where it is rounded once in 64 bits. The service rounds once to 53 bits.
    const long double q = std::floor(static_cast<long double>(a) / b);
    const long double exact = a - b * q;
    const double got = call(CEESDMOD, a, b).value;
    EXPECT_LE(static_cast<double>(std::fabs(got - exact)), ulp_of<double>(b) * (0.5 + 0x1p-10)) << a << " mod " << b;
    EXPECT_TRUE(got == 0 || (got < 0) == (b < 0)) << a << " mod " << b << " = " << got;
    EXPECT_LE(std::fabs(got), std::fabs(b));
  }
}

// NWN rounds to the nearest whole number with halves away from zero, NIN does the same into an
// INT4 and INT truncates: checked on random values and on every half and its two neighbours.
TEST_F(run_unit, RoundingPropertiesOverSweeps) {
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> magnitude(-3, 9.3);
  std::vector<double> points;
  for (int i = 0; i < 20000; ++i) points.push_back((i % 2 ? -1 : 1) * std::pow(10.0, magnitude(random)));
  for (int k = -1000; k <= 1000; ++k) {
    const double half = k + 0.5;
    points.push_back(half);
    points.push_back(std::nextafter(half, 0.0));
    points.push_back(std::nextafter(half, half * 2));
  }
  points.push_back(0.49999999999999994);
  points.push_back(-0.49999999999999994);
  points.push_back(4503599627370497.0);  // 2**52 + 1: already whole, adding 0.5 would round
  const auto check = [](double x, double nwn, double trunc, std::int32_t nin, const char* precision) {
    SCOPED_TRACE(std::string(precision) + " x = " + std::to_string(x));
    EXPECT_EQ(nwn, std::floor(nwn));
    EXPECT_LE(std::fabs(nwn - x), 0.5);
    if (std::fabs(nwn - x) == 0.5) {
      EXPECT_GT(std::fabs(nwn), std::fabs(x));
    }
    EXPECT_EQ(trunc, std::floor(trunc));
    EXPECT_LT(std::fabs(x - trunc), 1.0);
    EXPECT_LE(std::fabs(trunc), std::fabs(x));
    if (std::fabs(nwn) < 0x1p31) {
      EXPECT_EQ(static_cast<double>(nin), nwn);
    }
  };
  for (const double x : points) {
    check(x, call(CEESDNWN, x).value, call(CEESDINT, x).value, call(CEESDNIN, x).value, "FLOAT8");
    const float xs = static_cast<float>(x);
    check(xs, static_cast<double>(call(CEESSNWN, xs).value), static_cast<double>(call(CEESSINT, xs).value),
          call(CEESSNIN, xs).value, "FLOAT4");
  }
}

}  // namespace
}  // namespace ovle::test::math
