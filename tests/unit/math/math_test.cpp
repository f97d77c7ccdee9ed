// The math services: every domain limit just inside and just outside, the documented and chosen
// outcomes, special operands through every floating entry, the shortened frame, and the power
// routine, the hyperbolic series and MOD against extended-precision references over seeded sweeps.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "ovle_test.hpp"

namespace ovle::test::math {
namespace {

// What a caller's item holds: INT4 items as integers, FLOAT4 and FLOAT8 as they are.
template <typename P>
using value_of = std::conditional_t<std::is_same_v<P, ovle_int4>, std::int32_t, P>;
template <typename P>
P item(value_of<P> v) {
  if constexpr (std::is_same_v<P, ovle_int4>) return int4(v);
  else return v;
}

template <typename R>
struct answer {
  value_of<R> value;
  ovle_feedback fc;
};

// The result item starts as 0x5A bytes and the feedback code as garbage; with `omit_feedback` the
// caller passes no feedback code (OMITTED).
bool omit_feedback = false;
template <typename R, typename Entry>
answer<R> run(Entry entry) {
  R r;
  std::memset(&r, 0x5A, sizeof r);
  answer<R> a{{}, dirty_feedback()};
  EXPECT_EQ(entry(omit_feedback ? nullptr : &a.fc, &r), 0);
  if constexpr (std::is_same_v<R, ovle_int4>) a.value = ovle_int4_get(&r);
  else a.value = r;
  return a;
}
template <typename X, typename R>
answer<R> call(int (*entry)(const X*, ovle_feedback*, R*), value_of<X> x) {
  const X a = item<X>(x);
  return run<R>([&](ovle_feedback* fc, R* r) { return entry(&a, fc, r); });
}
template <typename X1, typename X2, typename R>
answer<R> call(int (*entry)(const X1*, const X2*, ovle_feedback*, R*), value_of<X1> x1, value_of<X2> x2) {
  const X1 a = item<X1>(x1);
  const X2 b = item<X2>(x2);
  return run<R>([&](ovle_feedback* fc, R* r) { return entry(&a, &b, fc, r); });
}
template <typename T>
using unary = int (*)(const T*, ovle_feedback*, T*);

// The conditions of the domain checks: severity, message number, control.
struct expected_condition {
  int severity, message, control;
};
constexpr expected_condition sqt_fails{2, 2010, 1}, log_fails{2, 2012, 1}, exp_fails{2, 2009, 1},
    trig_fails{2, 2017, 1}, hyperbolic_fails{2, 2016, 1}, at2_fails{2, 2014, 1}, mod_fails{1, 9999, 0},
    ixpi_fails{2, 2021, 1};
condition_view ascii(const expected_condition& c) { return ascii_condition(c.severity, c.message, c.control); }
using maybe = std::optional<expected_condition>;

// One unit in the last place of v in T (of the smallest normal for tiny v).
template <typename T>
double ulp_of(double v) {
  const double a = std::max(std::fabs(v), static_cast<double>(std::numeric_limits<T>::min()));
  return std::ldexp(1.0, std::ilogb(a) - std::numeric_limits<T>::digits + 1);
}

// x > 0, |x| <= limit, |x| < limit, or no check (ATN).
enum class domain { positive, up_to_limit, below_limit, none };
using ld = long double;
struct family {
  const char* name;
  unary<float> s;
  unary<double> d;
  long double (*reference)(long double);  // none for the truncated series (see their own test)
  expected_condition fails;
  domain rule;
  double limit4, limit8;
};
constexpr double trig4 = 823549, trig8 = 3.5371188E15;
// clang-format off
const family families[] = {
    {"SQT", CEESSSQT, CEESDSQT, [](ld x) { return std::sqrt(x); }, sqt_fails, domain::positive, 0, 0},
    {"LOG", CEESSLOG, CEESDLOG, [](ld x) { return std::log(x); }, log_fails, domain::positive, 0, 0},
    {"LG1", CEESSLG1, CEESDLG1, [](ld x) { return std::log10(x); }, log_fails, domain::positive, 0, 0},
    {"LG2", CEESSLG2, CEESDLG2, [](ld x) { return std::log2(x); }, log_fails, domain::positive, 0, 0},
    {"EXP", CEESSEXP, CEESDEXP, [](ld x) { return std::exp(x); }, exp_fails, domain::up_to_limit, 174.673, 174.673},
    {"SIN", CEESSSIN, CEESDSIN, [](ld x) { return std::sin(x); }, trig_fails, domain::up_to_limit, trig4, trig8},
    {"COS", CEESSCOS, CEESDCOS, [](ld x) { return std::cos(x); }, trig_fails, domain::up_to_limit, trig4, trig8},
    {"TAN", CEESSTAN, CEESDTAN, [](ld x) { return std::tan(x); }, trig_fails, domain::up_to_limit, trig4, trig8},
    {"CTN", CEESSCTN, CEESDCTN, [](ld x) { return std::cos(x) / std::sin(x); }, trig_fails, domain::up_to_limit, trig4, trig8},
    {"SNH", CEESSSNH, CEESDSNH, nullptr, hyperbolic_fails, domain::up_to_limit, 175.366, 175.366},
    {"CSH", CEESSCSH, CEESDCSH, nullptr, hyperbolic_fails, domain::up_to_limit, 175.366, 175.366},
    {"ASN", CEESSASN, CEESDASN, [](ld x) { return std::asin(x); }, hyperbolic_fails, domain::up_to_limit, 1, 1},
    {"ACS", CEESSACS, CEESDACS, [](ld x) { return std::acos(x); }, hyperbolic_fails, domain::up_to_limit, 1, 1},
    {"ATH", CEESSATH, CEESDATH, [](ld x) { return std::atanh(x); }, trig_fails, domain::below_limit, 1, 1},
    {"ATN", CEESSATN, CEESDATN, [](ld x) { return std::atan(x); }, {}, domain::none, 1, 1},
};
// clang-format on

// Each limit in the argument's format and its neighbours, on both sides of zero, and NaN: inside,
// success and the reference within 3 ulp (a value in the middle of the domain too); outside, the
// family's condition and the result +0.
template <typename T>
void check_limits(const family& f, unary<T> entry) {
  using lim = std::numeric_limits<T>;
  const T inf = lim::infinity(), tiny = lim::denorm_min();
  std::vector<T> inside, outside{lim::quiet_NaN()};
  if (f.rule == domain::positive) {
    inside = {tiny, T{1}, T{3} / 10, T{1e4}, lim::max(), inf};
    outside.insert(outside.end(), {T{0}, -T{0}, -tiny, T{-1}, -inf});
  } else {
    const T limit = static_cast<T>(sizeof(T) == 4 ? f.limit4 : f.limit8);
    for (const T sign : {T{1}, T{-1}}) {
      inside.insert(inside.end(), {sign * std::nextafter(limit, T{0}), sign * limit * 3 / 10});
      (f.rule == domain::below_limit ? outside : inside).push_back(sign * limit);
      if (f.rule != domain::none) outside.insert(outside.end(), {sign * std::nextafter(limit, inf), sign * inf});
    }
  }
  if (f.rule == domain::none) outside.clear();
  for (const T x : inside) {
    const answer<T> a = call(entry, x);
    const double r = f.reference ? static_cast<double>(static_cast<T>(f.reference(static_cast<double>(x)))) : a.value;
    EXPECT_TRUE(is_success(a.fc)) << f.name << "(" << x << ") " << view(a.fc);
    EXPECT_TRUE(a.value == r || std::fabs(a.value - r) <= 3 * ulp_of<T>(r)) << f.name << "(" << x << ") = " << a.value;
  }
  for (const T x : outside) {
    const answer<T> a = call(entry, x);
    EXPECT_EQ(view(a.fc), ascii(f.fails)) << f.name << "(" << x << ")";
    EXPECT_TRUE(a.value == 0 && !std::signbit(a.value)) << f.name << "(" << x << ") = " << a.value;
  }
}

TEST_F(run_unit, EveryDomainLimitJustInsideAndJustOutside) {
  for (const family& f : families) {
    check_limits<float>(f, f.s);
    check_limits<double>(f, f.d);
  }
}

// One call's outcome as a double, with what is expected of it.
struct edge {
  const char* what;
  double got;
  ovle_feedback fc;
  double expected;
  maybe fails;
};
template <typename R>
edge row(const char* what, const answer<R>& a, double expected, maybe fails = {}) {
  return {what, static_cast<double>(a.value), a.fc, expected, fails};
}

std::vector<edge> edge_cases() {
  const double inf = HUGE_VAL, nan = std::nan(""), tiny = std::numeric_limits<double>::denorm_min();
  constexpr std::int32_t min = INT32_MIN, max = INT32_MAX;
  // clang-format off
  return {
      // Integer powers: nine decimal digits, the value before the overflow kept; x ** 0 is 1 but 0 ** n is 0.
      row("IXPI(10,9)", call(CEESIXPI, 10, 9), 1e8, ixpi_fails), row("IXPI(-10,9)", call(CEESIXPI, -10, 9), 1e8, ixpi_fails),
      row("IXPI(31622,2)", call(CEESIXPI, 31622, 2), 999950884), row("IXPI(2,30)", call(CEESIXPI, 2, 30), 0x1p29, ixpi_fails),
      row("IXPI(5,0)", call(CEESIXPI, 5, 0), 1), row("IXPI(0,0)", call(CEESIXPI, 0, 0), 0), row("IXPI(5,-1)", call(CEESIXPI, 5, -1), 0),
      row("IXPI(-1,max)", call(CEESIXPI, -1, max), -1), row("IXPI(-1,4)", call(CEESIXPI, -1, 4), 1),
      row("IXPI(-3,3)", call(CEESIXPI, -3, 3), -27), row("IXPI(min,2)", call(CEESIXPI, min, 2), min, ixpi_fails),
      // The power routine: x ** 0 is 1 but 0 ** y is 0; a negative base takes integral exponents only.
      row("DXPD(0,0)", call(CEESDXPD, 0, 0), 0), row("DXPD(3,0)", call(CEESDXPD, 3, 0), 1),
      row("DXPD(-2,3)", call(CEESDXPD, -2, 3), -8), row("DXPI(-2,4)", call(CEESDXPI, -2.0, 4), 16),
      row("DXPD(-2,0.5)", call(CEESDXPD, -2, 0.5), 0), row("DXPD(1,inf)", call(CEESDXPD, 1, inf), 0),
      row("DXPD(nan,0)", call(CEESDXPD, nan, 0), 1), row("DXPD(10,400)", call(CEESDXPD, 10, 400), inf),
      row("SXPS(10,40)", call(CEESSXPS, 10, 40), inf), row("SEXP(100)", call(CEESSEXP, 100), inf),
      // Rounding: halves away from zero, INT4 results saturated.
      row("DNWN(2.5)", call(CEESDNWN, 2.5), 3), row("DNWN(-2.5)", call(CEESDNWN, -2.5), -3),
      row("SNWN(0.5)", call(CEESSNWN, 0.5f), 1), row("DNWN(0.49999999999999994)", call(CEESDNWN, 0.49999999999999994), 0),
      row("DINT(-2.7)", call(CEESDINT, -2.7), -2), row("SNIN(-2.5)", call(CEESSNIN, -2.5f), -3),
      row("DNIN(2.4999)", call(CEESDNIN, 2.4999), 2), row("DNIN(nan)", call(CEESDNIN, nan), 0),
      row("DNIN(2147483647.5)", call(CEESDNIN, 2147483647.5), max), row("DNIN(2147483646.5)", call(CEESDNIN, 2147483646.5), max),
      row("DNIN(-2147483648.5)", call(CEESDNIN, -2147483648.5), min), row("SNIN(2^31)", call(CEESSNIN, 0x1p31f), max),
      // Signs and differences, INT4 extremes.
      row("ISGN(-5,0)", call(CEESISGN, -5, 0), 5), row("ISGN(5,-1)", call(CEESISGN, 5, -1), -5),
      row("DSGN(3,-0)", call(CEESDSGN, 3, -0.0), 3), row("SSGN(3,-1)", call(CEESSSGN, 3, -1), -3),
      row("IDIM(3,-5)", call(CEESIDIM, 3, -5), 2), row("DDIM(inf,inf)", call(CEESDDIM, inf, inf), 0),
      row("IABS(min)", call(CEESIABS, min), max), row("ISGN(min,1)", call(CEESISGN, min, 1), max),
      row("IDIM(max,min)", call(CEESIDIM, max, min), 1), row("IDIM(min,0)", call(CEESIDIM, min, 0), max),
      // MOD takes the sign of x2; a remainder with no value fails like a zero x2.
      row("IMOD(-7,3)", call(CEESIMOD, -7, 3), 2), row("IMOD(7,0)", call(CEESIMOD, 7, 0), 0, mod_fails),
      row("DMOD(5.5,-2)", call(CEESDMOD, 5.5, -2), -0.5), row("SMOD(-4,2)", call(CEESSMOD, -4, 2), 0),
      row("DMOD(7,-0)", call(CEESDMOD, 7, -0.0), 0, mod_fails), row("DMOD(inf,3)", call(CEESDMOD, inf, 3), 0, mod_fails),
      row("DMOD(5,inf)", call(CEESDMOD, 5, inf), 5), row("DMOD(-5,inf)", call(CEESDMOD, -5, inf), inf),
      // No value: cotangent of 0 fails, and so does AT2 of two zeros or a NaN.
      row("DCTN(0)", call(CEESDCTN, 0), 0, trig_fails), row("SCTN(-0)", call(CEESSCTN, -0.0f), 0, trig_fails),
      row("DCTN(1E-320)", call(CEESDCTN, 1e-320), inf), row("SCTN(-1E-40)", call(CEESSCTN, -1e-40f), -inf),
      row("DAT2(-0,0)", call(CEESDAT2, -0.0, 0), 0, at2_fails), row("DAT2(nan,1)", call(CEESDAT2, nan, 1), 0, at2_fails),
      row("DAT2(0,-tiny)", call(CEESDAT2, 0, -tiny), std::numbers::pi), row("DAT2(-1,-1)", call(CEESDAT2, -1, -1), -0.75 * std::numbers::pi),
      // The series: TNH is 1 with the sign of x once the even sum overflows.
      row("DCSH(0)", call(CEESDCSH, 0), 1), row("DTNH(1E4)", call(CEESDTNH, 1e4), 1),
      row("DTNH(-1E4)", call(CEESDTNH, -1e4), -1), row("STNH(-95)", call(CEESSTNH, -95), -1),
  };
  // clang-format on
}

// The results, and the feedback codes with the facility ID in the caller's code set.
void check_edge_cases(const char* facility) {
  for (const edge& r : edge_cases()) {
    condition_view expected = r.fails ? ascii(*r.fails) : view(ovle_feedback{});
    if (r.fails) expected.facility = facility;
    EXPECT_TRUE(omit_feedback || view(r.fc) == expected) << r.what << " " << view(r.fc);
    EXPECT_TRUE(r.got == r.expected || std::fabs(r.got - r.expected) <= 2 * ulp_of<double>(r.expected))
        << r.what << " = " << r.got;
    EXPECT_FALSE(r.expected == 0 && std::signbit(r.got)) << r.what << " = -0";
  }
}

// An EBCDIC caller gets the facility ID in EBCDIC; an omitted feedback code changes no result.
TEST_F(run_unit, DocumentedAndChosenOutcomesInEitherCodeSet) {
  check_edge_cases("CEE");
  ebcdic_caller();
  check_edge_cases("\xC3\xC5\xC5");
  omit_feedback = true;
  check_edge_cases("");
  omit_feedback = false;
}

// Every floating entry with every special operand, x alone or with each y: a result that is never
// NaN, and with a condition (only a domain check's: severity 2, or MOD's 1) the result +0.
template <typename T>
void check_special_operands() {
  using lim = std::numeric_limits<T>;
  const auto pick = [](auto s, auto d) {
    if constexpr (sizeof(T) == 4) return s;
    else return d;
  };
  std::vector<unary<T>> unaries = {pick(CEESSABS, CEESDABS), pick(CEESSINT, CEESDINT), pick(CEESSNWN, CEESDNWN),
                                   pick(CEESSTNH, CEESDTNH)};
  for (const family& f : families) unaries.push_back(pick(f.s, f.d));
  const std::vector<int (*)(const T*, const T*, ovle_feedback*, T*)> binaries = {
      pick(CEESSAT2, CEESDAT2), pick(CEESSDIM, CEESDDIM), pick(CEESSMOD, CEESDMOD), pick(CEESSSGN, CEESDSGN),
      pick(CEESSXPS, CEESDXPD)};
  // clang-format off
  const T specials[] = {lim::quiet_NaN(), -lim::quiet_NaN(), lim::infinity(), -lim::infinity(), T{0}, -T{0},
                        lim::denorm_min(), lim::max(), lim::lowest(), T{1}, T{-1}, T{-2.5}};
  // clang-format on
  for (const T x : specials) {
    for (const T y : specials) {
      std::vector<answer<T>> answers;
      for (std::size_t e = 0; e < unaries.size() && y == T{1}; ++e) answers.push_back(call(unaries[e], x));
      for (const auto entry : binaries) answers.push_back(call(entry, x, y));
      for (std::size_t e = 0; e < answers.size(); ++e) {
        const answer<T>& a = answers[e];
        const int severity = ovle_int2_get(&a.fc.severity);
        EXPECT_FALSE(std::isnan(a.value)) << e << "(" << x << ", " << y << ")";
        EXPECT_TRUE(is_success(a.fc) || ((severity == 2 || severity == 1) && a.value == 0 && !std::signbit(a.value)))
            << e << "(" << x << ", " << y << ") = " << a.value << " " << view(a.fc);
      }
    }
  }
}

TEST_F(run_unit, SpecialOperandsNeverReturnNaN) {
  check_special_operands<float>();
  check_special_operands<double>();
}

// A missing argument: 0 into a result that is there (the condition is the hostile-caller sweep's).
// One item may be argument and result; CEEMATH only attaches the area.
TEST_F(run_unit, MissingArgumentsAndSharedItems) {
  const ovle_int4 one = int4(1);
  ovle_int4 out = int4(77);
  CEESIMOD(&one, nullptr, nullptr, &out);
  EXPECT_EQ(ovle_int4_get(&out), 0);
  EXPECT_EQ(CEEMATH(), 0);
  double shared = -9;
  CEESDABS(&shared, nullptr, &shared);
  ovle_int4 base = int4(3);
  CEESIXPI(&base, &base, nullptr, &base);
  EXPECT_EQ(shared * 100 + ovle_int4_get(&base), 927);
  EXPECT_FALSE(area().is_initialized());
}

constexpr double u8 = 0x1p-53;
template <typename T>
constexpr double u_of = std::is_same_v<T, float> ? 0x1p-24 : u8;

// The power routine forms 10 ** fl(y * fl(log10 x)): log10 within 2 ulp and the product's rounding
// move the exponent t by up to 5u |t|, a relative error of 5u ln10 |t| in the power; the power of
// ten adds 2 ulp and the reference's rounding half an ulp. Integral powers of ten are exact, and so
// is a power of ten raised to 1.
template <typename T, typename Y>
void check_powers(const char* name, int (*entry)(const T*, const Y*, ovle_feedback*, T*)) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> log_base(-6, 6), exponent(-60, 60);
  for (int checked = 0; checked < 20000;) {
    const T x = static_cast<T>((random() & 1 ? -1 : 1) * std::pow(10.0, log_base(random)));
    double y = exponent(random);
    if (x < 0 || std::is_same_v<Y, ovle_int4>) y = std::round(y);  // a negative base has only integral powers
    y = static_cast<double>(static_cast<T>(y));
    const double t = y * std::log10(std::fabs(static_cast<double>(x)));
    if (std::fabs(t) > (std::is_same_v<T, float> ? 37.0 : 300.0)) continue;
    const long double exact = std::pow(static_cast<long double>(x), static_cast<long double>(y));
    const double got = static_cast<double>(call(entry, x, static_cast<value_of<Y>>(y)).value);
    const double bound =
        (5 * std::log(10.0) * std::fabs(t) + 5) * u8 * 1.001 * (1 + u_of<T>)+(sizeof(T) == 4 ? u_of<T> : 0);
    ASSERT_LE(static_cast<double>(std::fabs((got - exact) / exact)), bound) << name << "(" << x << ", " << y << ")";
    ++checked;
  }
  for (int n = -22; n <= 22 && sizeof(T) == 8; ++n) {  // 10 ** n, and (10 ** n) ** 1
    const T power = static_cast<T>(std::strtod(("1e" + std::to_string(n)).c_str(), nullptr));
    EXPECT_EQ(call(entry, T{10}, static_cast<value_of<Y>>(n)).value, power) << n;
    EXPECT_EQ(call(entry, power, value_of<Y>{1}).value, power) << n;
  }
}

TEST_F(run_unit, PowersWithinTheLogarithmBound) {
  check_powers("DXPD", CEESDXPD);
  check_powers("SXPS", CEESSXPS);
  check_powers("DXPI", CEESDXPI);
  check_powers("SXPI", CEESSXPI);
}

// SNH and CSH are the series x^k / k! summed to k = 100, TNH their quotient: against the truncated
// series in extended precision (and sinh, cosh, tanh up to |x| = 40, where the cut terms are below
// the rounding), within a few roundings per term; infinity, or TNH's limit 1, where the sum overflows.
template <typename T>
void check_series(unary<T> snh, unary<T> csh, unary<T> tnh) {
  const double tolerance = std::is_same_v<T, float> ? 4e-7 : 1e-13;
  for (int i = -1750; i <= 1750; ++i) {
    const T x =
        static_cast<T>(i % 7 == 0 ? 175.366 * i / 1750.0 : std::copysign(1.2345 * std::pow(10.0, i / 40.0 - 30), i));
    if (x == 0 || std::fabs(x) > static_cast<T>(175.366)) continue;
    long double odd = x, even = 1, term = 1;
    for (int k = 1; k <= 100; ++k) {
      term *= static_cast<long double>(x) / k;
      (k % 2 ? odd : even) += k > 1 ? term : 0;
    }
    const long double lx = x, exact[] = {odd, even, odd / even};
    const long double function[] = {std::sinh(lx), std::cosh(lx), std::tanh(lx)};
    const unary<T> entries[] = {snh, csh, tnh};
    for (int f = 0; f < 3; ++f) {
      const double got = static_cast<double>(call(entries[f], x).value);
      if (std::fabs(even) > std::numeric_limits<T>::max()) {
        EXPECT_EQ(got, f == 2 ? std::copysign(1.0, x) : static_cast<double>(exact[f] * HUGE_VAL)) << f << " " << x;
        continue;
      }
      EXPECT_LE(static_cast<double>(std::fabs((got - exact[f]) / exact[f])), tolerance) << f << " " << x;
      if (std::fabs(x) <= 40) {
        EXPECT_LE(static_cast<double>(std::fabs((got - function[f]) / function[f])), tolerance) << f << " " << x;
      }
    }
  }
}

TEST_F(run_unit, HyperbolicSeriesAgainstTheTruncatedSums) {
  check_series<double>(CEESDSNH, CEESDCSH, CEESDTNH);
  check_series<float>(CEESSSNH, CEESSCSH, CEESSTNH);
}

// MOD of INT4 values against floor division in 64-bit integers, and of FLOAT8 values against the
// remainder formed exactly: one rounding at most, the sign of x2. (FLOAT4 and integral FLOAT8
// operands take the same floating path as these.)
TEST_F(run_unit, ModuloIsTheFloorRemainderRoundedOnce) {
  std::mt19937_64 random(11);
  std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX), small(-(1 << 20), 1 << 20);
  std::uniform_real_distribution<double> dividend(-1000, 1000), divisor_log(0, 2);
  for (int i = 0; i < 20000; ++i) {
    const std::int32_t a = any(random), b = i % 2 ? any(random) : small(random) / (i % 7 + 1);
    const std::int64_t r = b == 0 ? 0 : std::int64_t{a} % b;
    if (b != 0) {
      EXPECT_EQ(call(CEESIMOD, a, b).value, r != 0 && (r < 0) != (b < 0) ? r + b : r) << a << " mod " << b;
    }
    const double x = dividend(random), y = (i % 2 ? -1 : 1) * std::pow(10.0, divisor_log(random));
    const long double exact = x - y * std::floor(static_cast<long double>(x) / y);
    const double got = call(CEESDMOD, x, y).value;
    EXPECT_LE(std::fabs(got - exact), ulp_of<double>(y) * (0.5 + 0x1p-10)) << x << " mod " << y;
    EXPECT_TRUE(got == 0 || (got < 0) == (y < 0)) << x << " mod " << y << " = " << got;
  }
}

}  // namespace
}  // namespace ovle::test::math
