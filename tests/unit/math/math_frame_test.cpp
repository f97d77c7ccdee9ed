// The shortened frame of the math entries: omitted feedback code, the caller's code set in the
// facility ID, missing arguments, unaligned and shared storage, and no environment initialization.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "math_calls.hpp"

namespace ovle::test::math {
namespace {

// One failing call of each condition the math entries store, written into `fc`.
struct failing_call {
  const char* what;
  expected_condition condition;
  std::function<void(ovle_feedback*)> call;
};

std::vector<failing_call> one_failure_per_condition() {
  return {
      {"SQT", sqt_fails, [](ovle_feedback* fc) { double x = -1, r; CEESDSQT(&x, fc, &r); }},
      {"LOG", log_fails, [](ovle_feedback* fc) { float x = 0, r; CEESSLOG(&x, fc, &r); }},
      {"EXP", exp_fails, [](ovle_feedback* fc) { double x = 200, r; CEESDEXP(&x, fc, &r); }},
      {"SIN", trig_fails, [](ovle_feedback* fc) { float x = 1e6f, r; CEESSSIN(&x, fc, &r); }},
      {"SNH", hyperbolic_fails, [](ovle_feedback* fc) { double x = -176, r; CEESDSNH(&x, fc, &r); }},
      {"AT2", at2_fails, [](ovle_feedback* fc) { double x = 0, r; CEESDAT2(&x, &x, fc, &r); }},
      {"MOD", mod_fails, [](ovle_feedback* fc) {
         const ovle_int4 x = int4(7), y = int4(0);
         ovle_int4 r;
         CEESIMOD(&x, &y, fc, &r);
       }},
      {"XPI", ixpi_fails, [](ovle_feedback* fc) {
         const ovle_int4 x = int4(10), n = int4(10);
         ovle_int4 r;
         CEESIXPI(&x, &n, fc, &r);
       }},
  };
}

TEST_F(run_unit, FacilityIdComesInTheCallersCodeSet) {
  for (const auto& f : one_failure_per_condition()) {
    ovle_feedback fc = dirty_feedback();
    f.call(&fc);
    EXPECT_EQ(view(fc), ascii(f.condition)) << f.what;
    EXPECT_EQ(std::string(fc.facility, 3), "\x43\x45\x45") << f.what;
  }
  ebcdic_caller();
  for (const auto& f : one_failure_per_condition()) {
    ovle_feedback fc = dirty_feedback();
    f.call(&fc);
    const expected_condition& c = f.condition;
    EXPECT_EQ(view(fc), (condition_view{c.severity, c.message, 0x40 + 8 * c.severity + c.control, "\xC3\xC5\xC5", true}))
        << f.what;
  }
}

TEST_F(run_unit, OmittedFeedbackCodeStillSetsTheResult) {
  double x = -4, r = 99;
  EXPECT_EQ(CEESDSQT(&x, nullptr, &r), 0);
  EXPECT_EQ(r, 0.0);
  x = 4;
  EXPECT_EQ(CEESDSQT(&x, nullptr, &r), 0);
  EXPECT_EQ(r, 2.0);
  const ovle_int4 base = int4(10), exponent = int4(9);
  ovle_int4 power = int4(-1);
  EXPECT_EQ(CEESIXPI(&base, &exponent, nullptr, &power), 0);
  EXPECT_EQ(ovle_int4_get(&power), 100000000);
  float a = 7, b = 0, m = 5;
  EXPECT_EQ(CEESSMOD(&a, &b, nullptr, &m), 0);
  EXPECT_EQ(m, 0.0f);
  for (const auto& f : one_failure_per_condition()) f.call(nullptr);  // nothing to crash on
}

// A missing x or result: nothing is read or written through it, 0 goes into a result that is
// there, and the library's own condition comes back.
TEST_F(run_unit, MissingArgumentsGetTheLibrarysOwnCondition) {
  const condition_view ovx = ascii_condition(4, 9999, 0, "OVX");
  double x = 4, r = 99;
  ovle_feedback fc = dirty_feedback();
  EXPECT_EQ(CEESDSQT(nullptr, &fc, &r), 0);
  EXPECT_EQ(view(fc), ovx);
  EXPECT_EQ(r, 0.0);
  fc = dirty_feedback();
  EXPECT_EQ(CEESDSQT(&x, &fc, nullptr), 0);
  EXPECT_EQ(view(fc), ovx);
  const ovle_int4 one = int4(1);
  ovle_int4 out = int4(77);
  fc = dirty_feedback();
  EXPECT_EQ(CEESIMOD(&one, nullptr, &fc, &out), 0);
  EXPECT_EQ(view(fc), ovx);
  EXPECT_EQ(ovle_int4_get(&out), 0);
  EXPECT_EQ(CEESDXPI(nullptr, nullptr, nullptr, nullptr), 0);
  ebcdic_caller();
  fc = dirty_feedback();
  EXPECT_EQ(CEESSABS(nullptr, &fc, nullptr), 0);
  EXPECT_EQ(std::string(fc.facility, 3), "\xD6\xE5\xE7");
}

// FLOAT4 and FLOAT8 items may sit at any address, and a COBOL program may name the same item as
// argument and result.
TEST_F(run_unit, UnalignedAndSharedStorage) {
  for (std::size_t offset = 1; offset < 8; ++offset) {
    SCOPED_TRACE("offset " + std::to_string(offset));
    alignas(16) std::array<unsigned char, 64> storage{};
    unsigned char* base = storage.data() + offset;
    const double x = 2.0, y = 10.0;
    std::memcpy(base, &x, 8);
    std::memcpy(base + 9, &y, 8);
    auto* fc = reinterpret_cast<ovle_feedback*>(base + 17);
    EXPECT_EQ(CEESDXPD(reinterpret_cast<const double*>(base), reinterpret_cast<const double*>(base + 9), fc,
                       reinterpret_cast<double*>(base + 33)),
              0);
    double result;
    std::memcpy(&result, base + 33, 8);
    EXPECT_NEAR(result, 1024.0, 1e-12);
    EXPECT_TRUE(is_success(*fc));

    const float s = 2.25f;
    std::memcpy(base, &s, 4);
    EXPECT_EQ(CEESSSQT(reinterpret_cast<const float*>(base), fc, reinterpret_cast<float*>(base + 5)), 0);
    float root;
    std::memcpy(&root, base + 5, 4);
    EXPECT_EQ(root, 1.5f);

    const double n = -2.5;
    std::memcpy(base, &n, 8);
    EXPECT_EQ(CEESDNIN(reinterpret_cast<const double*>(base), fc, reinterpret_cast<ovle_int4*>(base + 11)), 0);
    EXPECT_EQ(ovle_int4_get(reinterpret_cast<const ovle_int4*>(base + 11)), -3);

    const double domain = -1.0;
    std::memcpy(base, &domain, 8);
    std::memset(base + 41, 0x5A, 8);
    EXPECT_EQ(CEESDLOG(reinterpret_cast<const double*>(base), fc, reinterpret_cast<double*>(base + 41)), 0);
    std::memcpy(&result, base + 41, 8);
    EXPECT_EQ(result, 0.0);
    EXPECT_EQ(view(*fc), ascii(log_fails));
  }
  double shared = -9;
  ovle_feedback fc;
  CEESDABS(&shared, &fc, &shared);
  EXPECT_EQ(shared, 9.0);
  ovle_int4 base = int4(3);
  CEESIXPI(&base, &base, &fc, &base);
  EXPECT_EQ(ovle_int4_get(&base), 27);
}

// The math services never run the environment initialization; CEEMATH only attaches the area.
TEST_F(run_unit, NoEnvironmentInitialization) {
  EXPECT_EQ(CEEMATH(), 0);
  double x = 2, r;
  ovle_feedback fc;
  CEESDSQT(&x, &fc, &r);
  x = -2;
  CEESDSQT(&x, &fc, &r);
  EXPECT_FALSE(area().is_initialized());
}

}  // namespace
}  // namespace ovle::test::math
