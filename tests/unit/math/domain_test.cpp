// Domain checks of the math services: every limit just inside and just outside, the documented
// edge cases, the INT4 services, and NaN and infinite arguments through every floating entry.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "math_calls.hpp"

namespace ovle::test::math {
namespace {

using fails_with = std::optional<expected_condition>;

template <typename T>
bool same_bits(T a, T b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// One call's outcome against what is expected: a condition with the result +0, or success with a
// result written (and, when a reference is given, equal to it within two units in the last place).
template <typename T>
void expect_call(const std::string& what, const answer<T>& a, const fails_with& fails,
                 std::optional<double> reference = std::nullopt) {
  SCOPED_TRACE(what);
  EXPECT_EQ(a.rc, 0);
  if (fails) {
    EXPECT_TRUE(same_bits(a.value, T{0})) << "result " << a.value;
    EXPECT_EQ(view(a.fc), ascii(*fails));
    return;
  }
  EXPECT_TRUE(is_success(a.fc)) << view(a.fc);
  EXPECT_FALSE(same_bits(a.value, garbage<T>())) << "result not written";
  EXPECT_FALSE(std::isnan(a.value));
  if (reference) {
    const double r = static_cast<double>(static_cast<T>(*reference));
    if (std::isinf(r)) {
      EXPECT_EQ(static_cast<double>(a.value), r);
    } else {
      EXPECT_LE(std::fabs(static_cast<double>(a.value) - r), 2 * ulp_of<T>(r)) << a.value << " vs " << r;
    }
  }
}

// An entry pair by type letter: FLOAT4 and FLOAT8.
template <typename Entry4, typename Entry8>
struct entry_pair {
  Entry4 s;
  Entry8 d;
  template <typename T>
  auto of() const {
    if constexpr (std::is_same_v<T, float>) {
      return s;
    } else {
      return d;
    }
  }
};

struct unary_family {
  const char* name;
  entry_pair<unary_entry<float>, unary_entry<double>> entry;
  double (*reference)(double);  // null: no reference (the truncated series)
};

template <typename T>
struct limit_case {
  const char* family;
  T x;
  fails_with fails;
};

double cotangent(double x) { return std::cos(x) / std::sin(x); }
double binary_log(double x) { return std::log2(x); }

const unary_family unary_families[] = {
    {"SQT", {CEESSSQT, CEESDSQT}, [](double x) { return std::sqrt(x); }},
    {"LOG", {CEESSLOG, CEESDLOG}, [](double x) { return std::log(x); }},
    {"LG1", {CEESSLG1, CEESDLG1}, [](double x) { return std::log10(x); }},
    {"LG2", {CEESSLG2, CEESDLG2}, binary_log},
    {"EXP", {CEESSEXP, CEESDEXP}, [](double x) { return std::exp(x); }},
    {"SIN", {CEESSSIN, CEESDSIN}, [](double x) { return std::sin(x); }},
    {"COS", {CEESSCOS, CEESDCOS}, [](double x) { return std::cos(x); }},
    {"TAN", {CEESSTAN, CEESDTAN}, [](double x) { return std::tan(x); }},
    {"CTN", {CEESSCTN, CEESDCTN}, cotangent},
    {"SNH", {CEESSSNH, CEESDSNH}, nullptr},
    {"CSH", {CEESSCSH, CEESDCSH}, nullptr},
    {"ASN", {CEESSASN, CEESDASN}, [](double x) { return std::asin(x); }},
    {"ACS", {CEESSACS, CEESDACS}, [](double x) { return std::acos(x); }},
    {"ATH", {CEESSATH, CEESDATH}, [](double x) { return std::atanh(x); }},
};

// Each limit with its neighbours in T, on both sides of zero where the check is on ABS(x).
template <typename T>
std::vector<limit_case<T>> limit_cases() {
  const T inf = std::numeric_limits<T>::infinity();
  const T tiny = std::numeric_limits<T>::denorm_min();
  const T nan = std::numeric_limits<T>::quiet_NaN();
  const auto up = [&](T v) { return std::nextafter(v, inf); };
  const auto down = [&](T v) { return std::nextafter(v, -inf); };
  const T e = static_cast<T>(174.673);
  const T h = static_cast<T>(175.366);
  const T t = std::is_same_v<T, float> ? static_cast<T>(823549) : static_cast<T>(3.5371188E15);
  std::vector<limit_case<T>> cases;
  for (const char* f : {"SQT", "LOG", "LG1", "LG2"}) {
    const fails_with c = std::string(f) == "SQT" ? sqt_fails : log_fails;
    for (T x : {tiny, T{1}, T{4}, std::numeric_limits<T>::max(), inf}) cases.push_back({f, x, {}});
    for (T x : {T{0}, -T{0}, -tiny, T{-1}, -inf, nan}) cases.push_back({f, x, c});
  }
  for (T sign : {T{1}, T{-1}}) {
    cases.push_back({"EXP", sign * e, {}});
    cases.push_back({"EXP", sign * down(e), {}});
    cases.push_back({"EXP", sign * up(e), exp_fails});
    cases.push_back({"EXP", sign * T{175}, exp_fails});
    for (const char* f : {"SIN", "COS", "TAN", "CTN"}) {
      cases.push_back({f, sign * t, {}});
      cases.push_back({f, sign * down(t), {}});
      cases.push_back({f, sign * up(t), trig_fails});
      cases.push_back({f, sign * inf, trig_fails});
    }
    for (const char* f : {"SNH", "CSH"}) {
      cases.push_back({f, sign * h, {}});
      cases.push_back({f, sign * down(h), {}});
      cases.push_back({f, sign * up(h), hyperbolic_fails});
      cases.push_back({f, sign * inf, hyperbolic_fails});
    }
    for (const char* f : {"ASN", "ACS"}) {
      cases.push_back({f, sign * T{1}, {}});
      cases.push_back({f, sign * down(T{1}), {}});
      cases.push_back({f, sign * up(T{1}), hyperbolic_fails});
    }
    cases.push_back({"ATH", sign * down(T{1}), {}});
    cases.push_back({"ATH", sign * T{1}, trig_fails});
    cases.push_back({"ATH", sign * up(T{1}), trig_fails});
    cases.push_back({"CTN", sign * tiny * T{0x1p20}, {}});
  }
  for (const char* f : {"EXP", "SIN", "COS", "TAN", "CTN", "SNH", "CSH", "ASN", "ACS", "ATH"}) {
    const std::string n(f);
    const fails_with c = n == "EXP"                   ? exp_fails
                         : n == "SNH" || n == "CSH" || n == "ASN" || n == "ACS" ? hyperbolic_fails
                                                                                 : trig_fails;
    cases.push_back({f, nan, c});
  }
  cases.push_back({"CTN", T{0}, trig_fails});
  cases.push_back({"CTN", -T{0}, trig_fails});
  return cases;
}

template <typename T>
void check_unary_limits() {
  for (const limit_case<T>& c : limit_cases<T>()) {
    const unary_family* family = nullptr;
    for (const auto& f : unary_families) {
      if (std::string(f.name) == c.family) family = &f;
    }
    ASSERT_NE(family, nullptr) << c.family;
    std::optional<double> reference;
    if (family->reference != nullptr && !c.fails) reference = family->reference(static_cast<double>(c.x));
    const std::string what = std::string(std::is_same_v<T, float> ? "S" : "D") + c.family + "(" +
                             std::to_string(static_cast<double>(c.x)) + ")";
    expect_call(what, call(family->entry.of<T>(), c.x), c.fails, reference);
  }
}

TEST_F(run_unit, EveryDomainLimitJustInsideAndJustOutsideFloat4) { check_unary_limits<float>(); }
TEST_F(run_unit, EveryDomainLimitJustInsideAndJustOutsideFloat8) { check_unary_limits<double>(); }

template <typename T>
void check_binary_limits(binary_entry<T> at2, binary_entry<T> mod) {
  const T tiny = std::numeric_limits<T>::denorm_min();
  const T nan = std::numeric_limits<T>::quiet_NaN();
  const T inf = std::numeric_limits<T>::infinity();
  struct binary_case {
    const char* what;
    binary_entry<T> entry;
    T x1, x2;
    fails_with fails;
  };
  const binary_case cases[] = {
      {"AT2(0,0)", at2, T{0}, T{0}, at2_fails},      {"AT2(-0,0)", at2, -T{0}, T{0}, at2_fails},
      {"AT2(0,-0)", at2, T{0}, -T{0}, at2_fails},    {"AT2(tiny,0)", at2, tiny, T{0}, {}},
      {"AT2(0,tiny)", at2, T{0}, tiny, {}},          {"AT2(0,-tiny)", at2, T{0}, -tiny, {}},
      {"AT2(nan,1)", at2, nan, T{1}, at2_fails},     {"AT2(1,nan)", at2, T{1}, nan, at2_fails},
      {"AT2(inf,inf)", at2, inf, inf, {}},           {"MOD(7,0)", mod, T{7}, T{0}, mod_fails},
      {"MOD(7,-0)", mod, T{7}, -T{0}, mod_fails},    {"MOD(0,0)", mod, T{0}, T{0}, mod_fails},
      {"MOD(7,tiny)", mod, T{7}, tiny, {}},          {"MOD(inf,3)", mod, inf, T{3}, mod_fails},
      {"MOD(nan,3)", mod, nan, T{3}, mod_fails},     {"MOD(3,nan)", mod, T{3}, nan, mod_fails},
      {"MOD(5,inf)", mod, T{5}, inf, {}},
  };
  for (const auto& c : cases) expect_call(c.what, call(c.entry, c.x1, c.x2), c.fails);
}

TEST_F(run_unit, ArctangentOfTwoAndModuloFailOnlyWhereTheyHaveNoValue) {
  check_binary_limits<float>(CEESSAT2, CEESSMOD);
  check_binary_limits<double>(CEESDAT2, CEESDMOD);
}

// The cases the service definitions single out, as a COBOL caller would see them.
TEST_F(run_unit, DocumentedEdgeCases) {
  struct d1_case {
    const char* what;
    unary_entry<double> entry;
    double x;
    double result;
    fails_with fails;
  };
  const d1_case unary[] = {
      {"DSQT(0)", CEESDSQT, 0, 0, sqt_fails},        {"DSQT(4)", CEESDSQT, 4, 2, {}},
      {"DLOG(0)", CEESDLOG, 0, 0, log_fails},        {"DLOG(-1)", CEESDLOG, -1, 0, log_fails},
      {"DSIN(3.6E15)", CEESDSIN, 3.6E15, 0, trig_fails},
      {"DEXP(-175)", CEESDEXP, -175, 0, exp_fails},  {"DATH(1)", CEESDATH, 1, 0, trig_fails},
      {"DATH(-1)", CEESDATH, -1, 0, trig_fails},     {"DNWN(2.5)", CEESDNWN, 2.5, 3, {}},
      {"DNWN(-2.5)", CEESDNWN, -2.5, -3, {}},        {"DNWN(-2.3)", CEESDNWN, -2.3, -2, {}},
      {"DNWN(2.4999)", CEESDNWN, 2.4999, 2, {}},     {"DINT(-2.7)", CEESDINT, -2.7, -2, {}},
      {"DABS(-3.5)", CEESDABS, -3.5, 3.5, {}},       {"DCSH(0)", CEESDCSH, 0, 1, {}},
      {"DSNH(0)", CEESDSNH, 0, 0, {}},               {"DTNH(0)", CEESDTNH, 0, 0, {}},
  };
  for (const auto& c : unary) {
    const auto a = call(c.entry, c.x);
    expect_call(c.what, a, c.fails);
    EXPECT_EQ(a.value, c.result) << c.what;
  }
  EXPECT_EQ(call(CEESDSIN, 3.5371188E15).value, std::sin(3.5371188E15));
  EXPECT_EQ(call(CEESDEXP, 174.673).value, std::exp(174.673));

  struct d2_case {
    const char* what;
    binary_entry<double> entry;
    double x1, x2, result;
    fails_with fails;
  };
  const d2_case binary[] = {
      {"DAT2(0,0)", CEESDAT2, 0, 0, 0, at2_fails}, {"DXPD(0,0)", CEESDXPD, 0, 0, 0, {}},
      {"DXPD(3,0)", CEESDXPD, 3, 0, 1, {}},        {"DXPD(0,-2)", CEESDXPD, 0, -2, 0, {}},
      {"DDIM(3,-5)", CEESDDIM, 3, -5, 2, {}},      {"DSGN(-5,0)", CEESDSGN, -5, 0, 5, {}},
      {"DSGN(5,-1)", CEESDSGN, 5, -1, -5, {}},     {"DSGN(-5,-0)", CEESDSGN, -5, -0.0, 5, {}},
      {"DMOD(-7,3)", CEESDMOD, -7, 3, 2, {}},      {"DMOD(7,-3)", CEESDMOD, 7, -3, -2, {}},
      {"DMOD(5.5,2)", CEESDMOD, 5.5, 2, 1.5, {}},  {"DMOD(-6,3)", CEESDMOD, -6, 3, 0, {}},
  };
  for (const auto& c : binary) {
    const auto a = call(c.entry, c.x1, c.x2);
    expect_call(c.what, a, c.fails);
    EXPECT_TRUE(same_bits(a.value, c.result)) << c.what << " gave " << a.value;
  }

  EXPECT_EQ(call(CEESDNIN, 2.4999).value, 2);
  EXPECT_EQ(call(CEESDNIN, -2.5).value, -3);
  EXPECT_EQ(call(CEESSNIN, 2.5f).value, 3);
}

TEST_F(run_unit, Int4Services) {
  constexpr std::int32_t min = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
  struct i2_case {
    const char* what;
    int_binary_entry entry;
    std::int32_t x1, x2, result;
    fails_with fails;
  };
  const i2_case cases[] = {
      {"IXPI(10,9)", CEESIXPI, 10, 9, 100000000, ixpi_fails},
      {"IXPI(10,8)", CEESIXPI, 10, 8, 100000000, {}},
      {"IXPI(2,29)", CEESIXPI, 2, 29, 536870912, {}},
      {"IXPI(2,30)", CEESIXPI, 2, 30, 536870912, ixpi_fails},
      {"IXPI(-2,29)", CEESIXPI, -2, 29, -536870912, {}},
      {"IXPI(-10,9)", CEESIXPI, -10, 9, 100000000, ixpi_fails},
      {"IXPI(-10,8)", CEESIXPI, -10, 8, 100000000, {}},
      {"IXPI(-10,7)", CEESIXPI, -10, 7, -10000000, {}},
      {"IXPI(31622,2)", CEESIXPI, 31622, 2, 999950884, {}},
      {"IXPI(31623,2)", CEESIXPI, 31623, 2, 31623, ixpi_fails},
      {"IXPI(0,0)", CEESIXPI, 0, 0, 0, {}},
      {"IXPI(0,-3)", CEESIXPI, 0, -3, 0, {}},
      {"IXPI(5,-1)", CEESIXPI, 5, -1, 0, {}},
      {"IXPI(5,0)", CEESIXPI, 5, 0, 1, {}},
      {"IXPI(7,1)", CEESIXPI, 7, 1, 7, {}},
      {"IXPI(max,1)", CEESIXPI, max, 1, max, {}},
      {"IXPI(min,2)", CEESIXPI, min, 2, min, ixpi_fails},
      {"IXPI(1,max)", CEESIXPI, 1, max, 1, {}},
      {"IXPI(-1,max)", CEESIXPI, -1, max, -1, {}},
      {"IXPI(-1,max-1)", CEESIXPI, -1, max - 1, 1, {}},
      {"IXPI(2,max)", CEESIXPI, 2, max, 536870912, ixpi_fails},
      {"IMOD(7,0)", CEESIMOD, 7, 0, 0, mod_fails},
      {"IMOD(7,3)", CEESIMOD, 7, 3, 1, {}},
      {"IMOD(-7,3)", CEESIMOD, -7, 3, 2, {}},
      {"IMOD(7,-3)", CEESIMOD, 7, -3, -2, {}},
      {"IMOD(-7,-3)", CEESIMOD, -7, -3, -1, {}},
      {"IMOD(-6,3)", CEESIMOD, -6, 3, 0, {}},
      {"IMOD(min,-1)", CEESIMOD, min, -1, 0, {}},
      {"IMOD(min,max)", CEESIMOD, min, max, max - 1, {}},
      {"IMOD(max,min)", CEESIMOD, max, min, -1, {}},
      {"ISGN(-5,0)", CEESISGN, -5, 0, 5, {}},
      {"ISGN(5,-1)", CEESISGN, 5, -1, -5, {}},
      {"ISGN(-5,-1)", CEESISGN, -5, -1, -5, {}},
      {"ISGN(min,1)", CEESISGN, min, 1, max, {}},
      {"ISGN(min,-1)", CEESISGN, min, -1, min, {}},
      {"IDIM(3,-5)", CEESIDIM, 3, -5, 2, {}},
      {"IDIM(-5,3)", CEESIDIM, -5, 3, 2, {}},
      {"IDIM(min,0)", CEESIDIM, min, 0, max, {}},
      {"IDIM(min,-1)", CEESIDIM, min, -1, max, {}},
      {"IDIM(min,min)", CEESIDIM, min, min, 0, {}},
      {"IDIM(max,min)", CEESIDIM, max, min, 1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto a = call(c.entry, c.x1, c.x2);
    EXPECT_EQ(a.rc, 0);
    EXPECT_EQ(a.value, c.result);
    if (c.fails) {
      EXPECT_EQ(view(a.fc), ascii(*c.fails));
    } else {
      EXPECT_TRUE(is_success(a.fc)) << view(a.fc);
    }
  }
  for (const auto& [x, result] : std::vector<std::pair<std::int32_t, std::int32_t>>{
           {-5, 5}, {0, 0}, {max, max}, {min + 1, max}, {min, max}}) {
    const auto a = call(CEESIABS, x);
    EXPECT_EQ(a.value, result) << x;
    EXPECT_TRUE(is_success(a.fc));
  }
}

// The integer power against exact powers: the result is x**n while every power up to n stays
// below 10**9 in magnitude, otherwise the highest power that did, with message 2021.
TEST_F(run_unit, IntegerPowerAgainstExactPowers) {
  for (std::int32_t x = -40; x <= 40; ++x) {
    for (std::int32_t n = -2; n <= 34; ++n) {
      SCOPED_TRACE(std::to_string(x) + "**" + std::to_string(n));
      const auto a = call(CEESIXPI, x, n);
      if (x == 0 || n < 0) {
        EXPECT_EQ(a.value, 0);
        EXPECT_TRUE(is_success(a.fc));
        continue;
      }
      std::int32_t fitting = 1;  // highest exponent whose power (and all below) fit
      long double power = x;
      while (fitting < n && std::fabs(power * x) < 1e9L) {
        power *= x;
        ++fitting;
      }
      if (n == 0) {
        EXPECT_EQ(a.value, 1);
      } else {
        EXPECT_EQ(a.value, static_cast<std::int32_t>(std::pow(static_cast<long double>(x), fitting)));
      }
      if (n > 0 && fitting < n) {
        EXPECT_EQ(view(a.fc), ascii(ixpi_fails));
      } else {
        EXPECT_TRUE(is_success(a.fc)) << view(a.fc);
      }
    }
  }
}

TEST_F(run_unit, NearestIntegerOutsideTheInt4RangeIsTheNearestInt4) {
  constexpr std::int32_t min = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, std::int32_t> doubles[] = {
      {2147483647.0, max},  {2147483647.4, max},   {2147483647.5, max}, {1e300, max},
      {inf, max},           {-2147483648.0, min},  {-2147483648.4, min}, {-2147483648.5, min},
      {-1e300, min},        {-inf, min},           {std::nan(""), 0},    {-0.4, 0},
      {2147483646.5, max},  {-2147483647.5, min},  {0.49999999999999994, 0},
  };
  for (const auto& [x, result] : doubles) {
    const auto a = call(CEESDNIN, x);
    EXPECT_EQ(a.value, result) << x;
    EXPECT_TRUE(is_success(a.fc)) << x;
  }
  const std::pair<float, std::int32_t> floats[] = {
      {2147483520.0f, 2147483520}, {2147483648.0f, max}, {-2147483648.0f, min}, {-2147483904.0f, min},
      {3e38f, max},                {std::nanf(""), 0},   {-2.5f, -3},           {0.49999997f, 0},
  };
  for (const auto& [x, result] : floats) {
    const auto a = call(CEESSNIN, x);
    EXPECT_EQ(a.value, result) << x;
    EXPECT_TRUE(is_success(a.fc)) << x;
  }
}

// Every floating entry, with every special operand: the entry returns, never stores a NaN, and
// either succeeds or stores exactly its own condition with the result 0.
struct any_entry {
  const char* name;
  entry_pair<unary_entry<float>, unary_entry<double>> unary;
  entry_pair<binary_entry<float>, binary_entry<double>> binary;
  fails_with condition;
};

const any_entry every_floating_entry[] = {
    {"ABS", {CEESSABS, CEESDABS}, {}, {}},
    {"ACS", {CEESSACS, CEESDACS}, {}, hyperbolic_fails},
    {"ASN", {CEESSASN, CEESDASN}, {}, hyperbolic_fails},
    {"ATH", {CEESSATH, CEESDATH}, {}, trig_fails},
    {"ATN", {CEESSATN, CEESDATN}, {}, {}},
    {"COS", {CEESSCOS, CEESDCOS}, {}, trig_fails},
    {"CSH", {CEESSCSH, CEESDCSH}, {}, hyperbolic_fails},
    {"CTN", {CEESSCTN, CEESDCTN}, {}, trig_fails},
    {"EXP", {CEESSEXP, CEESDEXP}, {}, exp_fails},
    {"INT", {CEESSINT, CEESDINT}, {}, {}},
    {"LG1", {CEESSLG1, CEESDLG1}, {}, log_fails},
    {"LG2", {CEESSLG2, CEESDLG2}, {}, log_fails},
    {"LOG", {CEESSLOG, CEESDLOG}, {}, log_fails},
    {"NWN", {CEESSNWN, CEESDNWN}, {}, {}},
    {"SIN", {CEESSSIN, CEESDSIN}, {}, trig_fails},
    {"SNH", {CEESSSNH, CEESDSNH}, {}, hyperbolic_fails},
    {"SQT", {CEESSSQT, CEESDSQT}, {}, sqt_fails},
    {"TAN", {CEESSTAN, CEESDTAN}, {}, trig_fails},
    {"TNH", {CEESSTNH, CEESDTNH}, {}, {}},
    {"AT2", {}, {CEESSAT2, CEESDAT2}, at2_fails},
    {"DIM", {}, {CEESSDIM, CEESDDIM}, {}},
    {"MOD", {}, {CEESSMOD, CEESDMOD}, mod_fails},
    {"SGN", {}, {CEESSSGN, CEESDSGN}, {}},
    {"XPS/XPD", {}, {CEESSXPS, CEESDXPD}, {}},
};

template <typename T>
void check_special_operands() {
  using lim = std::numeric_limits<T>;
  const T specials[] = {lim::quiet_NaN(), -lim::quiet_NaN(), lim::infinity(), -lim::infinity(), T{0}, -T{0},
                        lim::denorm_min(), -lim::denorm_min(), lim::max(), lim::lowest(), T{1}, T{-1},
                        T{0.5}, T{-2.5}, T{100}, T{-1e4}};
  for (const auto& e : every_floating_entry) {
    const unary_entry<T> unary = e.unary.template of<T>();
    const binary_entry<T> binary = e.binary.template of<T>();
    const auto check = [&](const answer<T>& a, const std::string& what) {
      SCOPED_TRACE(std::string(e.name) + what);
      EXPECT_EQ(a.rc, 0);
      EXPECT_FALSE(std::isnan(a.value));
      if (is_success(a.fc)) return;
      ASSERT_TRUE(e.condition.has_value()) << view(a.fc);
      EXPECT_EQ(view(a.fc), ascii(*e.condition));
      EXPECT_TRUE(same_bits(a.value, T{0}));
    };
    for (T x : specials) {
      if (unary != nullptr) {
        const auto a = call(unary, x);
        check(a, "(" + std::to_string(static_cast<double>(x)) + ")");
        // A NaN argument fails every domain check, and gives 0 where there is none.
        if (std::isnan(x)) {
          if (e.condition) {
            EXPECT_EQ(view(a.fc), ascii(*e.condition)) << e.name;
          } else {
            EXPECT_TRUE(same_bits(a.value, T{0})) << e.name;
          }
        }
        continue;
      }
      for (T y : specials) {
        const auto a = call(binary, x, y);
        check(a, "(" + std::to_string(static_cast<double>(x)) + "," + std::to_string(static_cast<double>(y)) + ")");
      }
    }
  }
}

TEST_F(run_unit, SpecialOperandsNeverCrashNorReturnNaNFloat4) { check_special_operands<float>(); }
TEST_F(run_unit, SpecialOperandsNeverCrashNorReturnNaNFloat8) { check_special_operands<double>(); }

// The choices for values with no result: documented outcomes of the limits of each function.
TEST_F(run_unit, ValuesWithoutAResult) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // Negative base: sign for an odd integral exponent, 0 for a non-integral one.
  EXPECT_NEAR(call(CEESDXPD, -2.0, 3.0).value, -8.0, 1e-14);
  EXPECT_NEAR(call(CEESDXPD, -2.0, 2.0).value, 4.0, 1e-14);
  EXPECT_NEAR(call(CEESDXPD, -2.0, -1.0).value, -0.5, 1e-15);
  EXPECT_EQ(call(CEESDXPD, -2.0, inf).value, inf);
  EXPECT_EQ(call(CEESDXPD, -2.0, -inf).value, 0.0);
  for (double y : {0.5, -1.5, nan}) {
    const auto a = call(CEESDXPD, -2.0, y);
    EXPECT_TRUE(same_bits(a.value, 0.0)) << y;
    EXPECT_TRUE(is_success(a.fc)) << y;
  }
  EXPECT_NEAR(call(CEESSXPS, -3.0f, 3.0f).value, -27.0f, 1e-5f);
  EXPECT_NEAR(call(CEESDXPI, -3.0, 3).value, -27.0, 1e-13);
  EXPECT_NEAR(call(CEESSXPI, -3.0f, 2).value, 9.0f, 1e-5f);
  // Overflow is infinity; a power with no value (1 ** infinity) is 0; x ** 0 is 1 even for NaN x.
  EXPECT_EQ(call(CEESDXPD, 10.0, 400.0).value, inf);
  EXPECT_EQ(call(CEESSXPS, 10.0f, 40.0f).value, std::numeric_limits<float>::infinity());
  EXPECT_EQ(call(CEESSEXP, 100.0f).value, std::numeric_limits<float>::infinity());
  EXPECT_EQ(call(CEESDXPD, 1.0, inf).value, 0.0);
  EXPECT_EQ(call(CEESDXPD, nan, 0.0).value, 1.0);
  EXPECT_EQ(call(CEESDXPI, 0.0, -2).value, 0.0);
  // TNH: the limit 1 with the sign of x once the even sum overflows; ABS/DIM of NaN give 0.
  EXPECT_EQ(call(CEESDTNH, 1e4).value, 1.0);
  EXPECT_EQ(call(CEESDTNH, -inf).value, -1.0);
  EXPECT_EQ(call(CEESSTNH, 95.0f).value, 1.0f);
  EXPECT_EQ(call(CEESSTNH, -std::numeric_limits<float>::infinity()).value, -1.0f);
  EXPECT_EQ(call(CEESDDIM, inf, inf).value, 0.0);
  // CTN near 0: an overflowing cotangent is infinity with the sign of x.
  EXPECT_EQ(call(CEESDCTN, 1e-320).value, inf);
  EXPECT_EQ(call(CEESSCTN, -1e-40f).value, -std::numeric_limits<float>::infinity());
  // MOD with an infinite divisor.
  EXPECT_EQ(call(CEESDMOD, 5.0, inf).value, 5.0);
  EXPECT_EQ(call(CEESDMOD, -5.0, inf).value, inf);
}

}  // namespace
}  // namespace ovle::test::math
