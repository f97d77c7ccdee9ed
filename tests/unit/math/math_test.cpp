// The math services: every domain limit just inside and just outside, the documented edge cases,
// special operands through every floating entry, the shortened frame, and accuracy over seeded
// sweeps against extended-precision references within error bounds derived from how each value is
// formed (u = 2**-53 for FLOAT8, 2**-24 for FLOAT4; glibc documents at most 2 ulp for log10, exp10,
// tan and atanh and 1 ulp for the other functions used).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
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

// The result item starts as 0x5A bytes and the feedback code as garbage, as uninitialized items;
// with `omit_feedback` the caller passes no feedback code (OMITTED).
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
template <typename T>
using binary = int (*)(const T*, const T*, ovle_feedback*, T*);

// The conditions of the domain checks: severity, message number, control.
struct expected_condition {
  int severity, message, control;
};
inline constexpr expected_condition sqt_fails{2, 2010, 1}, log_fails{2, 2012, 1}, exp_fails{2, 2009, 1},
    trig_fails{2, 2017, 1}, hyperbolic_fails{2, 2016, 1}, at2_fails{2, 2014, 1}, mod_fails{1, 9999, 0},
    ixpi_fails{2, 2021, 1};

inline condition_view ascii(const expected_condition& c) { return ascii_condition(c.severity, c.message, c.control); }

// One unit in the last place of v in T (of the smallest normal for tiny v).
template <typename T>
double ulp_of(double v) {
  const double a = std::max(std::fabs(v), static_cast<double>(std::numeric_limits<T>::min()));
  return std::ldexp(1.0, std::ilogb(a) - std::numeric_limits<T>::digits + 1);
}

using maybe = std::optional<expected_condition>;

// x > 0, |x| <= limit, |x| < limit, or no check (ATN).
enum class domain { positive, up_to_limit, below_limit, none };

struct family {
  const char* name;
  unary<float> s;
  unary<double> d;
  long double (*reference)(long double);  // none for the truncated series (see their own test)
  expected_condition fails;
  domain rule;
  double limit4, limit8;
  double low, high, ulps;  // the accuracy sweep's range and the FLOAT8 error in ulp (glibc's)
};

using ld = long double;
constexpr double trig4 = 823549, trig8 = 3.5371188E15;
// clang-format off
const family families[] = {
    {"SQT", CEESSSQT, CEESDSQT, [](ld x) { return std::sqrt(x); }, sqt_fails, domain::positive, 0, 0, 1e-3, 1e6, 1},
    {"LOG", CEESSLOG, CEESDLOG, [](ld x) { return std::log(x); }, log_fails, domain::positive, 0, 0, 1e-3, 1e6, 1.5},
    {"LG1", CEESSLG1, CEESDLG1, [](ld x) { return std::log10(x); }, log_fails, domain::positive, 0, 0, 1e-3, 1e6, 2.5},
    {"LG2", CEESSLG2, CEESDLG2, [](ld x) { return std::log2(x); }, log_fails, domain::positive, 0, 0, 1e-3, 1e6, 4},
    {"EXP", CEESSEXP, CEESDEXP, [](ld x) { return std::exp(x); }, exp_fails, domain::up_to_limit, 174.673, 174.673, -80, 80, 1.5},
    {"SIN", CEESSSIN, CEESDSIN, [](ld x) { return std::sin(x); }, trig_fails, domain::up_to_limit, trig4, trig8, -1e5, 1e5, 1.5},
    {"COS", CEESSCOS, CEESDCOS, [](ld x) { return std::cos(x); }, trig_fails, domain::up_to_limit, trig4, trig8, -1e5, 1e5, 1.5},
    {"TAN", CEESSTAN, CEESDTAN, [](ld x) { return std::tan(x); }, trig_fails, domain::up_to_limit, trig4, trig8, -1e5, 1e5, 2.5},
    {"CTN", CEESSCTN, CEESDCTN, [](ld x) { return std::cos(x) / std::sin(x); }, trig_fails, domain::up_to_limit, trig4, trig8, -1e5, 1e5, 3.5},
    {"SNH", CEESSSNH, CEESDSNH, nullptr, hyperbolic_fails, domain::up_to_limit, 175.366, 175.366, 0, 0, 0},
    {"CSH", CEESSCSH, CEESDCSH, nullptr, hyperbolic_fails, domain::up_to_limit, 175.366, 175.366, 0, 0, 0},
    {"ASN", CEESSASN, CEESDASN, [](ld x) { return std::asin(x); }, hyperbolic_fails, domain::up_to_limit, 1, 1, -1, 1, 1.5},
    {"ACS", CEESSACS, CEESDACS, [](ld x) { return std::acos(x); }, hyperbolic_fails, domain::up_to_limit, 1, 1, -1, 1, 1.5},
    {"ATH", CEESSATH, CEESDATH, [](ld x) { return std::atanh(x); }, trig_fails, domain::below_limit, 1, 1, -0.999, 0.999, 2.5},
    {"ATN", CEESSATN, CEESDATN, [](ld x) { return std::atan(x); }, {}, domain::none, 0, 0, -1e3, 1e3, 1.5},
};
// clang-format on

// Each limit in the argument's format and its neighbours, on both sides of zero, and NaN: inside,
// success and the reference within 2 ulp; outside, the family's condition and the result +0.
template <typename T>
void check_limits(const family& f, unary<T> entry) {
  using lim = std::numeric_limits<T>;
  const T inf = lim::infinity(), tiny = lim::denorm_min();
  std::vector<T> inside, outside{lim::quiet_NaN()};
  if (f.rule == domain::positive) {
    inside = {tiny, T{1}, lim::max(), inf};
    outside.insert(outside.end(), {T{0}, -T{0}, -tiny, T{-1}, -inf});
  } else {
    const T limit = static_cast<T>(sizeof(T) == 4 ? f.limit4 : f.limit8);
    for (const T sign : {T{1}, T{-1}}) {
      inside.push_back(sign * std::nextafter(limit, T{0}));
      (f.rule == domain::up_to_limit ? inside : outside).push_back(sign * limit);
      outside.insert(outside.end(), {sign * std::nextafter(limit, inf), sign * inf});
    }
  }
  for (const T x : inside) {
    const answer<T> a = call(entry, x);
    const double r = f.reference ? static_cast<double>(static_cast<T>(f.reference(static_cast<double>(x)))) : a.value;
    EXPECT_TRUE(is_success(a.fc)) << f.name << "(" << x << ") " << view(a.fc);
    EXPECT_TRUE(a.value == r || std::fabs(a.value - r) <= 2 * ulp_of<T>(r)) << f.name << "(" << x << ") = " << a.value;
  }
  for (const T x : outside) {
    const answer<T> a = call(entry, x);
    EXPECT_EQ(view(a.fc), ascii(f.fails)) << f.name << "(" << x << ")";
    EXPECT_TRUE(a.value == 0 && !std::signbit(a.value)) << f.name << "(" << x << ") = " << a.value;
  }
}

TEST_F(run_unit, EveryDomainLimitJustInsideAndJustOutside) {
  for (const family& f : families) {
    if (f.rule == domain::none) continue;
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
      // The cases the service definitions single out.
      row("DSQT(0)", call(CEESDSQT, 0), 0, sqt_fails), row("DSQT(4)", call(CEESDSQT, 4), 2),
      row("DLOG(0)", call(CEESDLOG, 0), 0, log_fails), row("DLOG(-1)", call(CEESDLOG, -1), 0, log_fails),
      row("DSIN(3.5371188E15)", call(CEESDSIN, 3.5371188E15), std::sin(3.5371188E15)),
      row("DSIN(3.6E15)", call(CEESDSIN, 3.6E15), 0, trig_fails),
      row("DEXP(174.673)", call(CEESDEXP, 174.673), std::exp(174.673)),
      row("DEXP(-175)", call(CEESDEXP, -175), 0, exp_fails),
      row("DATH(1)", call(CEESDATH, 1), 0, trig_fails), row("DATH(-1)", call(CEESDATH, -1), 0, trig_fails),
      row("DAT2(0,0)", call(CEESDAT2, 0, 0), 0, at2_fails), row("IMOD(7,0)", call(CEESIMOD, 7, 0), 0, mod_fails),
      row("IXPI(10,9)", call(CEESIXPI, 10, 9), 1e8, ixpi_fails), row("IXPI(2,29)", call(CEESIXPI, 2, 29), 0x1p29),
      row("IXPI(2,30)", call(CEESIXPI, 2, 30), 0x1p29, ixpi_fails), row("IXPI(0,0)", call(CEESIXPI, 0, 0), 0),
      row("IXPI(5,-1)", call(CEESIXPI, 5, -1), 0), row("DXPD(0,0)", call(CEESDXPD, 0, 0), 0),
      row("DXPD(3,0)", call(CEESDXPD, 3, 0), 1), row("DNWN(2.5)", call(CEESDNWN, 2.5), 3),
      row("DNWN(-2.5)", call(CEESDNWN, -2.5), -3), row("DNWN(-2.3)", call(CEESDNWN, -2.3), -2),
      row("DNIN(2.4999)", call(CEESDNIN, 2.4999), 2), row("ISGN(-5,0)", call(CEESISGN, -5, 0), 5),
      row("ISGN(5,-1)", call(CEESISGN, 5, -1), -5), row("DDIM(3,-5)", call(CEESDDIM, 3, -5), 2),
      // Where the definitions leave the outcome open: no value, beyond the format, INT4 extremes.
      row("DSNH(-176)", call(CEESDSNH, -176), 0, hyperbolic_fails), row("DCTN(0)", call(CEESDCTN, 0), 0, trig_fails), row("SCTN(-0)", call(CEESSCTN, -0.0f), 0, trig_fails),
      row("DCTN(1E-320)", call(CEESDCTN, 1e-320), inf), row("SCTN(-1E-40)", call(CEESSCTN, -1e-40f), -inf),
      row("DAT2(-0,0)", call(CEESDAT2, -0.0, 0), 0, at2_fails),
      row("DAT2(0,-tiny)", call(CEESDAT2, 0, -tiny), std::numbers::pi), row("DATN(1)", call(CEESDATN, 1), std::atan(1.0)),
      row("DMOD(7,-0)", call(CEESDMOD, 7, -0.0), 0, mod_fails), row("DMOD(inf,3)", call(CEESDMOD, inf, 3), 0, mod_fails),
      row("DMOD(5,inf)", call(CEESDMOD, 5, inf), 5), row("DMOD(-5,inf)", call(CEESDMOD, -5, inf), inf),
      row("DXPD(-2,0.5)", call(CEESDXPD, -2, 0.5), 0), row("DXPD(1,inf)", call(CEESDXPD, 1, inf), 0),
      row("DXPD(nan,0)", call(CEESDXPD, nan, 0), 1), row("DXPD(10,400)", call(CEESDXPD, 10, 400), inf),
      row("SXPS(10,40)", call(CEESSXPS, 10, 40), inf), row("SEXP(100)", call(CEESSEXP, 100), inf),
      row("DCSH(0)", call(CEESDCSH, 0), 1), row("DTNH(1E4)", call(CEESDTNH, 1e4), 1),
      row("DTNH(-inf)", call(CEESDTNH, -inf), -1), row("STNH(95)", call(CEESSTNH, 95), 1),
      row("DDIM(inf,inf)", call(CEESDDIM, inf, inf), 0), row("DNIN(nan)", call(CEESDNIN, nan), 0),
      row("DNIN(2147483647.5)", call(CEESDNIN, 2147483647.5), max),
      row("DNIN(-2147483648.5)", call(CEESDNIN, -2147483648.5), min), row("DNIN(-inf)", call(CEESDNIN, -inf), min),
      row("SNIN(2^31)", call(CEESSNIN, 0x1p31f), max), row("SNIN(-2.5)", call(CEESSNIN, -2.5f), -3),
      row("IABS(min)", call(CEESIABS, min), max), row("ISGN(min,-1)", call(CEESISGN, min, -1), min),
      row("ISGN(min,1)", call(CEESISGN, min, 1), max), row("IDIM(min,0)", call(CEESIDIM, min, 0), max),
      row("IDIM(max,min)", call(CEESIDIM, max, min), 1), row("IXPI(-1,max)", call(CEESIXPI, -1, max), -1),
      row("IXPI(min,2)", call(CEESIXPI, min, 2), min, ixpi_fails),
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

TEST_F(run_unit, DocumentedEdgeCasesAndChosenOutcomes) { check_edge_cases("CEE"); }

// An EBCDIC caller gets the facility ID in EBCDIC; an omitted feedback code changes no result.
TEST_F(run_unit, EdgeCasesForAnEbcdicCallerAndWithoutAFeedbackCode) {
  ebcdic_caller();
  check_edge_cases("\xC3\xC5\xC5");
  omit_feedback = true;
  check_edge_cases("");
  omit_feedback = false;
}

// Every floating entry with every special operand returns, stores no NaN, and either succeeds or
// stores its own condition with the result +0. A NaN argument fails every domain check and gives 0
// where there is none.
template <typename T>
void check_special_operands() {
  using lim = std::numeric_limits<T>;
  const auto pick = [](auto s, auto d) {
    if constexpr (sizeof(T) == 4) return s;
    else return d;
  };
  std::vector<std::pair<unary<T>, maybe>> unaries = {{pick(CEESSABS, CEESDABS), {}},
                                                     {pick(CEESSINT, CEESDINT), {}},
                                                     {pick(CEESSNWN, CEESDNWN), {}},
                                                     {pick(CEESSTNH, CEESDTNH), {}}};
  for (const family& f : families) unaries.push_back({pick(f.s, f.d), f.rule == domain::none ? maybe{} : f.fails});
  const std::pair<binary<T>, maybe> binaries[] = {{pick(CEESSAT2, CEESDAT2), at2_fails},
                                                  {pick(CEESSDIM, CEESDDIM), {}},
                                                  {pick(CEESSMOD, CEESDMOD), mod_fails},
                                                  {pick(CEESSSGN, CEESDSGN), {}},
                                                  {pick(CEESSXPS, CEESDXPD), {}}};
  const T specials[] = {lim::quiet_NaN(),
                        -lim::quiet_NaN(),
                        lim::infinity(),
                        -lim::infinity(),
                        T{0},
                        -T{0},
                        lim::denorm_min(),
                        -lim::denorm_min(),
                        lim::max(),
                        lim::lowest(),
                        T{1},
                        T{-1},
                        T{0.5},
                        T{-2.5},
                        T{100},
                        T{-1e4}};
  const auto check = [](const answer<T>& a, const maybe& fails, bool nan, bool one, const std::string& what) {
    EXPECT_FALSE(std::isnan(a.value)) << what;
    if (is_success(a.fc)) {
      EXPECT_FALSE(nan && (fails || (one && a.value != 0))) << what << " = " << a.value;
    } else {
      EXPECT_TRUE(fails && view(a.fc) == ascii(*fails)) << what << " " << view(a.fc);
      EXPECT_TRUE(a.value == 0 && !std::signbit(a.value)) << what << " = " << a.value;
    }
  };
  for (const T x : specials) {
    for (std::size_t e = 0; e < std::size(unaries); ++e) {
      check(call(unaries[e].first, x), unaries[e].second, std::isnan(x), true,
            "unary " + std::to_string(e) + "(" + std::to_string(x) + ")");
    }
    for (std::size_t e = 0; e < std::size(binaries); ++e) {
      for (const T y : specials) {
        check(call(binaries[e].first, x, y), binaries[e].second, std::isnan(x) || std::isnan(y), false,
              "binary " + std::to_string(e) + "(" + std::to_string(x) + ", " + std::to_string(y) + ")");
      }
    }
  }
}

TEST_F(run_unit, SpecialOperandsNeverCrashNorReturnNaN) {
  check_special_operands<float>();
  check_special_operands<double>();
}

// A missing argument: nothing read or written through it, 0 into a result that is there, and the
// library's own condition.
TEST_F(run_unit, MissingArgumentsGetTheLibrarysOwnCondition) {
  double x = 4, r = 99;
  ovle_feedback fc = dirty_feedback();
  CEESDSQT(nullptr, &fc, &r);
  EXPECT_EQ(view(fc), ascii_condition(4, 9999, 0, "OVX"));
  EXPECT_EQ(r, 0.0);
  fc = dirty_feedback();
  CEESDSQT(&x, &fc, nullptr);
  EXPECT_EQ(view(fc), ascii_condition(4, 9999, 0, "OVX"));
  const ovle_int4 one = int4(1);
  ovle_int4 out = int4(77);
  CEESIMOD(&one, nullptr, &fc, &out);
  EXPECT_EQ(ovle_int4_get(&out), 0);
  EXPECT_EQ(CEESDXPI(nullptr, nullptr, nullptr, nullptr), 0);
  ebcdic_caller();
  CEESSABS(nullptr, &fc, nullptr);
  EXPECT_EQ(std::string(fc.facility, 3), "\xD6\xE5\xE7");
}

// One item as argument and result, and no environment initialization: CEEMATH only attaches the
// area. (The COBOL program math_services passes every FLOAT4 and FLOAT8 item at an odd address.)
TEST_F(run_unit, SharedStorageWithoutInitialization) {
  EXPECT_EQ(CEEMATH(), 0);
  double shared = -9;
  CEESDABS(&shared, nullptr, &shared);
  EXPECT_EQ(shared, 9.0);
  ovle_int4 base = int4(3);
  CEESIXPI(&base, &base, nullptr, &base);
  EXPECT_EQ(ovle_int4_get(&base), 27);
  EXPECT_FALSE(area().is_initialized());
}

constexpr double u8 = 0x1p-53;
template <typename T>
constexpr double u_of = std::is_same_v<T, float> ? 0x1p-24 : u8;

// The power routine forms 10 ** fl(y * fl(log10 x)): log10 within 2 ulp and the product's rounding
// move the exponent t by up to 5u |t|, a relative error of 5u ln10 |t| in the power; the power of
// ten adds 2 ulp and the reference's rounding half an ulp.
double power_bound(double t) { return (5 * std::log(10.0) * std::fabs(t) + 5) * u8 * 1.001; }

template <typename T>
void check_powers(const char* name, T (*compute)(T, T), bool integral_exponent) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> log_base(-6, 6), exponent(-60, 60);
  for (int checked = 0; checked < 20000;) {
    const T x = static_cast<T>((random() & 1 ? -1 : 1) * std::pow(10.0, log_base(random)));
    T y = static_cast<T>(exponent(random));
    if (x < 0 || integral_exponent) y = std::round(y);  // a negative base has only integral powers
    const double t = static_cast<double>(y) * std::log10(std::fabs(static_cast<double>(x)));
    if (std::fabs(t) > (std::is_same_v<T, float> ? 37.0 : 300.0)) continue;  // within the format
    const long double exact = std::pow(static_cast<long double>(x), static_cast<long double>(y));
    const double got = static_cast<double>(compute(x, y));
    const double bound = power_bound(t) * (1 + u_of<T>)+(std::is_same_v<T, float> ? u_of<T> : 0);
    ASSERT_LE(static_cast<double>(std::fabs((got - exact) / exact)), bound) << name << "(" << x << ", " << y << ")";
    ++checked;
  }
}

TEST_F(run_unit, PowersWithinTheLogarithmBound) {
  check_powers<double>(
      "DXPD", [](double x, double y) { return call(CEESDXPD, x, y).value; }, false);
  check_powers<float>(
      "SXPS", [](float x, float y) { return call(CEESSXPS, x, y).value; }, false);
  check_powers<double>(
      "DXPI", [](double x, double y) { return call(CEESDXPI, x, static_cast<std::int32_t>(y)).value; }, true);
  check_powers<float>(
      "SXPI", [](float x, float y) { return call(CEESSXPI, x, static_cast<std::int32_t>(y)).value; }, true);
  // Integral powers of ten are exact (log10(10) is 1 and the power of ten is exact up to 22).
  for (int n = -22; n <= 22; ++n) {
    const double exact = std::strtod(("1e" + std::to_string(n)).c_str(), nullptr);
    EXPECT_EQ(call(CEESDXPD, 10.0, n).value, exact) << n;
    EXPECT_EQ(call(CEESDXPI, 10.0, n).value, exact) << n;
  }
}

// The series x^k / k! over k = first, first + 2, ... <= 100, in extended precision: the included
// sum, the part beyond k = 100, and the bound of the service's sum against the included sum.
struct series {
  long double included = 0, cut = 0;
  double bound = 0;
};

// A term reached after j steps of the recurrence t * fl(x * x) * fl(1 / ((k - 1) k)), four
// roundings a step, is within gamma(4j) of x^k / k!. Each of the n additions rounds by u8 (and
// u_T when the sum is FLOAT4) of a partial sum no larger than the whole, all terms having one sign;
// the early stop drops a tail below the term that left the sum unchanged, so below one more such
// rounding. The long double reference itself is within 1E-17.
template <typename T>
series analyse(double x, int first) {
  const long double ax = std::fabs(static_cast<long double>(x));
  series s;
  s.included = first == 2 ? 1.0L : ax;
  long double term = s.included, weighted = 0;
  int additions = 0;
  for (int k = first, j = 1; k <= 700; k += 2, ++j) {
    term *= ax * ax / (static_cast<long double>(k - 1) * k);
    if (k > 100) {
      s.cut += term;
      if (term < s.included * 1e-40L) break;
      continue;
    }
    s.included += term;
    weighted += term * 4 * j * u8 / (1 - 4 * j * u8);
    ++additions;
  }
  const double per_addition = std::is_same_v<T, float> ? u_of<T> + u8 * (1 + u_of<T>) : u8;
  s.bound = static_cast<double>(weighted / s.included) + (additions + 1) * per_addition * 1.001 + 1e-17;
  return s;
}

template <typename T>
void check_series(unary<T> snh, unary<T> csh, unary<T> tnh) {
  std::vector<double> points;
  for (int i = -2000; i <= 2000; ++i) points.push_back(175.366 * i / 2000.0);
  for (int e = -300; e <= 0; ++e)
    points.insert(points.end(), {1.2345 * std::pow(10.0, e / 10.0), -1.2345 * std::pow(10.0, e / 10.0)});
  constexpr double max = std::numeric_limits<T>::max();
  for (const double xd : points) {
    const T x = static_cast<T>(xd);
    if (x == 0) continue;
    SCOPED_TRACE(std::string(sizeof(T) == 4 ? "FLOAT4" : "FLOAT8") + " x = " + std::to_string(xd));
    const long double sign = x < 0 ? -1.0L : 1.0L, lx = static_cast<long double>(x);
    const series odd = analyse<T>(static_cast<double>(x), 3), even = analyse<T>(static_cast<double>(x), 2);
    // SNH and CSH: the truncated series within its bound; the functions within the bound and the cut.
    const auto check = [&](unary<T> entry, const char* name, const series& s, long double sign_of, long double exact) {
      const double got = static_cast<double>(call(entry, x).value);
      if (static_cast<double>(s.included) * (1 - s.bound) > max) {
        EXPECT_EQ(got, static_cast<double>(sign_of) * HUGE_VAL) << name;
        return;
      }
      const long double error = std::fabs(got - sign_of * s.included) / s.included;
      EXPECT_LE(static_cast<double>(error), s.bound) << name << " = " << got;
      EXPECT_LE(static_cast<double>(std::fabs((got - exact) / exact)),
                s.bound + static_cast<double>(s.cut / s.included))
          << name;
    };
    check(snh, "SNH", odd, sign, std::sinh(lx));
    check(csh, "CSH", even, 1.0L, std::cosh(lx));
    // TNH: the quotient of the two sums, rounded once more in T; the limit 1 once the even sum overflows.
    const double got = static_cast<double>(call(tnh, x).value);
    if (static_cast<double>(even.included) * (1 - even.bound) > max) {
      EXPECT_EQ(got, static_cast<double>(sign)) << "TNH";
      continue;
    }
    const long double ratio = sign * odd.included / even.included;
    EXPECT_LE(static_cast<double>(std::fabs((got - ratio) / ratio)), odd.bound + even.bound + u_of<T>)
        << "TNH = " << got;
  }
}

TEST_F(run_unit, HyperbolicSeriesWithinTheirBounds) {
  check_series<double>(CEESDSNH, CEESDCSH, CEESDTNH);
  check_series<float>(CEESSSNH, CEESSCSH, CEESSTNH);
}

// The functions of one library call in double precision: FLOAT8 within the library's error and the
// reference's rounding, FLOAT4 within one FLOAT4 ulp (its own rounding and far less from the double).
TEST_F(run_unit, OneCallFunctionsAgainstExtendedReferences) {
  std::mt19937_64 random(7);
  const auto within = [](double got, long double exact, double ulps) {
    return std::fabs(got - exact) <= ulps * ulp_of<double>(static_cast<double>(exact));
  };
  for (const family& f : families) {
    if (!f.reference) continue;
    std::uniform_real_distribution<double> range(f.low, f.high);
    for (int i = 0; i < 5000; ++i) {
      const double x = range(random);
      const float xs = static_cast<float>(x);
      EXPECT_TRUE(within(call(f.d, x).value, f.reference(x), f.ulps + 0.5)) << "D" << f.name << "(" << x << ")";
      const long double exact4 = f.reference(xs);
      EXPECT_LE(std::fabs(call(f.s, xs).value - exact4), ulp_of<float>(static_cast<double>(exact4)))
          << "S" << f.name << "(" << xs << ")";
    }
  }
  std::uniform_real_distribution<double> plane(-100, 100);
  for (int i = 0; i < 5000; ++i) {  // the quadrant comes from the signs
    const double y = plane(random), x = plane(random);
    EXPECT_TRUE(within(call(CEESDAT2, y, x).value, std::atan2(static_cast<long double>(y), x), 1.5)) << y << ", " << x;
    const float ys = static_cast<float>(y), xs = static_cast<float>(x);
    const long double exact4 = std::atan2(static_cast<long double>(ys), static_cast<long double>(xs));
    EXPECT_LE(std::fabs(call(CEESSAT2, ys, xs).value - exact4), ulp_of<float>(static_cast<double>(exact4)));
  }
}

// MOD of integral values against floor division in 64-bit integers (INT4, FLOAT4, FLOAT8), and of
// fractional values against the remainder formed exactly: one rounding at most, the sign of x2.
TEST_F(run_unit, ModuloIsTheFloorRemainderRoundedOnce) {
  std::mt19937_64 random(11);
  std::uniform_int_distribution<std::int64_t> big(-(std::int64_t{1} << 40), std::int64_t{1} << 40);
  std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX), small(-(1 << 20), 1 << 20);
  const auto floor_mod = [](std::int64_t a, std::int64_t b) {
    const std::int64_t r = a % b;
    return r != 0 && (r < 0) != (b < 0) ? r + b : r;
  };
  for (int i = 0; i < 20000; ++i) {
    const std::int64_t a = big(random), b = i % 2 ? big(random) : small(random) / 1024;
    const std::int32_t a4 = any(random), b4 = i % 2 ? any(random) : small(random) / (i % 7 + 1);
    const std::int32_t a2 = small(random), b2 = small(random) / (i % 7 + 1);
    if (b == 0 || b4 == 0 || b2 == 0) continue;
    EXPECT_EQ(call(CEESDMOD, static_cast<double>(a), static_cast<double>(b)).value,
              static_cast<double>(floor_mod(a, b)));
    EXPECT_EQ(call(CEESIMOD, a4, b4).value, floor_mod(a4, b4)) << a4 << " mod " << b4;
    EXPECT_EQ(call(CEESSMOD, static_cast<float>(a2), static_cast<float>(b2)).value,
              static_cast<float>(floor_mod(a2, b2)));
  }
  std::uniform_real_distribution<double> dividend(-1000, 1000), divisor_log(0, 2);
  for (int i = 0; i < 20000; ++i) {
    const double a = dividend(random), b = (i % 2 ? -1 : 1) * std::pow(10.0, divisor_log(random));
    // |a / b| <= 1000 and 1 <= |b| <= 100: a - b q is exact in 64 bits but for a rounding when a is tiny.
    const long double exact = a - b * std::floor(static_cast<long double>(a) / b);
    const double got = call(CEESDMOD, a, b).value;
    EXPECT_LE(std::fabs(got - exact), ulp_of<double>(b) * (0.5 + 0x1p-10)) << a << " mod " << b;
    EXPECT_TRUE(got == 0 || (got < 0) == (b < 0)) << a << " mod " << b << " = " << got;
  }
}

// NWN: nearest whole number, halves away from zero; NIN the same into an INT4; INT truncates. On
// random magnitudes and on every half from -1000.5 to 1000.5 with its two neighbours.
TEST_F(run_unit, RoundingPropertiesOverSweeps) {
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> magnitude(-3, 9.3);
  std::vector<double> points{0.49999999999999994, -0.49999999999999994, 4503599627370497.0};
  for (int i = 0; i < 20000; ++i) points.push_back((i % 2 ? -1 : 1) * std::pow(10.0, magnitude(random)));
  for (int k = -1001; k <= 1000; ++k) {
    points.insert(points.end(), {k + 0.5, std::nextafter(k + 0.5, 0.0), std::nextafter(k + 0.5, 2 * k + 1.0)});
  }
  const auto check = [](double x, double nwn, double trunc, std::int32_t nin) {
    EXPECT_EQ(nwn, std::floor(nwn)) << x;
    EXPECT_TRUE(std::fabs(nwn - x) < 0.5 || (std::fabs(nwn - x) == 0.5 && std::fabs(nwn) > std::fabs(x)))
        << x << " " << nwn;
    EXPECT_TRUE(trunc == std::floor(trunc) && std::fabs(x - trunc) < 1 && std::fabs(trunc) <= std::fabs(x)) << x;
    EXPECT_TRUE(std::fabs(nwn) >= 0x1p31 || nin == nwn) << x;
  };
  for (const double x : points) {
    check(x, call(CEESDNWN, x).value, call(CEESDINT, x).value, call(CEESDNIN, x).value);
    const float xs = static_cast<float>(x);
    check(xs, call(CEESSNWN, xs).value, call(CEESSINT, xs).value, call(CEESSNIN, xs).value);
  }
}

}  // namespace
}  // namespace ovle::test::math
