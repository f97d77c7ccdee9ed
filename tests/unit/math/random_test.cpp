// CEERAN0 and the RANDOM intrinsic behind it.
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "common/platform/intrinsics.hpp"
#include "math/random_number.hpp"
#include "ovle_test.hpp"

namespace ovle::test {
namespace {

constexpr std::uint64_t modulus = 2147483647;

// What RANDOM(seed) must give, from the standard library's own minimal standard generator (the
// same published recurrence, written by someone else).
double expected_first(std::uint64_t seed) {
  std::minstd_rand engine(static_cast<std::minstd_rand::result_type>(seed));
  return static_cast<double>(engine()) / static_cast<double>(modulus);
}

// The integer part of random_no x 10^8, exactly: the double is m x 2^e, and m x 10^8 fits in 128 bits.
std::int32_t exact_seed(double random_no) {
  __extension__ typedef unsigned __int128 wide;
  int exponent = 0;
  const double fraction = std::frexp(random_no, &exponent);  // random_no = fraction x 2^exponent
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int shift = 53 - exponent;  // random_no = mantissa / 2^shift, shift > 53 for random_no < 1
  const wide product = static_cast<wide>(mantissa) * 100000000u;
  return shift >= 128 ? 0 : static_cast<std::int32_t>(product >> shift);
}

// The seed that makes RANDOM's first number k / (2^31 - 1): k times the inverse of 48271.
std::int32_t seed_for(std::uint64_t k) {
  std::uint64_t inverse = 1, base = 48271;
  for (std::uint64_t e = modulus - 2; e != 0; e >>= 1, base = base * base % modulus) {
    if (e & 1) inverse = inverse * base % modulus;
  }
  return static_cast<std::int32_t>(k % modulus * inverse % modulus);
}

struct draw {
  std::int32_t seed;
  double random_no;
  ovle_feedback fc;
};

draw call_ceeran0(std::int32_t seed) {
  draw d{seed, 12.5, dirty_feedback()};
  ovle_int4 s = int4(seed);
  EXPECT_EQ(CEERAN0(&s, &d.random_no, &d.fc), 0);
  d.seed = ovle_int4_get(&s);
  return d;
}

// Pearson's chi-square statistic of values in (0, 1) over `buckets` equal buckets.
double chi_square(const std::vector<double>& values, std::size_t buckets) {
  std::vector<double> counts(buckets, 0.0);
  for (double v : values) counts[static_cast<std::size_t>(v * static_cast<double>(buckets))] += 1;
  const double expected = static_cast<double>(values.size()) / static_cast<double>(buckets);
  double sum = 0;
  for (double c : counts) sum += (c - expected) * (c - expected) / expected;
  return sum;
}

// The upper 0.1 % point of the chi-square distribution with 99 degrees of freedom: a uniform
// sample over 100 buckets stays below it 999 times in 1000.
constexpr double chi_square_99_limit = 148.23;

TEST_F(run_unit, RandomIsTheMinimalStandardGenerator) {
  // The published check: from seed 1, the 10,000th number of the sequence is 399268537 / (2^31 - 1).
  double value = platform::intrinsic::random(1);
  for (int i = 1; i < 10000; ++i) value = platform::intrinsic::random();
  EXPECT_EQ(std::llround(value * static_cast<double>(modulus)), 399268537);

  // Seeded and continued sequences match the independent engine; seeds beyond the modulus, negative
  // ones and those the generator could not leave are reduced as documented.
  const std::int64_t seeds[] = {1, 2, 48271, 2147483646, 2147483647, 2147483648LL, 3123595999LL, 0, -5, INT64_MIN};
  for (std::int64_t seed : seeds) {
    std::uint64_t reduced = (seed < 0 ? 0 - static_cast<std::uint64_t>(seed) : static_cast<std::uint64_t>(seed)) % modulus;
    if (reduced == 0) reduced = 1;
    std::minstd_rand engine(static_cast<std::minstd_rand::result_type>(reduced));
    EXPECT_EQ(platform::intrinsic::random(seed), static_cast<double>(engine()) / static_cast<double>(modulus))
        << "seed " << seed;
    for (int i = 0; i < 1000; ++i) {
      ASSERT_EQ(platform::intrinsic::random(), static_cast<double>(engine()) / static_cast<double>(modulus))
          << "seed " << seed << " draw " << i;
    }
  }
}

TEST_F(run_unit, RandomStreamIsUniformOverTheOpenInterval) {
  std::vector<double> values;
  values.reserve(1000000);
  values.push_back(platform::intrinsic::random(20260601));
  while (values.size() < values.capacity()) values.push_back(platform::intrinsic::random());
  for (double v : values) ASSERT_TRUE(v > 0 && v < 1) << v;
  EXPECT_LT(chi_square(values, 100), chi_square_99_limit);
}

// A caller walking the sequence: each returned seed goes back in.
TEST_F(run_unit, CeeRan0WalkIsReproducibleAndInRange) {
  constexpr std::size_t draws = 1000000;
  std::vector<double> first;
  first.reserve(draws);
  for (int walk = 0; walk < 2; ++walk) {
    std::int32_t seed = 1;
    for (std::size_t i = 0; i < draws; ++i) {
      const draw d = call_ceeran0(seed);
      ASSERT_TRUE(is_success(d.fc)) << view(d.fc) << " at draw " << i;
      ASSERT_TRUE(d.random_no > 0 && d.random_no < 1) << d.random_no << " at draw " << i;
      ASSERT_GE(d.seed, 0);
      ASSERT_LE(d.seed, 99999999) << "more than eight digits at draw " << i;
      ASSERT_EQ(d.seed, exact_seed(d.random_no));
      ASSERT_NE(d.seed, 0) << "this walk reaches no clock seed";
      if (walk == 0) first.push_back(d.random_no);
      else ASSERT_EQ(d.random_no, first[i]) << "the second walk parts at draw " << i;
      seed = d.seed;
    }
  }
  EXPECT_TRUE(console.empty());
  // The seed keeps only eight digits of state, so a walk comes back to a seed it has passed. From
  // seed 1, as the header says, the first 61,492 numbers are all different, and the walk then
  // repeats a cycle of 11,110; the numbers before the repetition must be uniform.
  std::vector<double> sorted(first.begin(), first.begin() + 61492);
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
  EXPECT_EQ(first[61492], first[61492 - 11110]);
  EXPECT_EQ(first[61491], first[61491 + 11110]);
  const std::vector<double> distinct(first.begin(), first.begin() + 61492);
  EXPECT_LT(chi_square(distinct, 100), chi_square_99_limit);
}

TEST_F(run_unit, CeeRan0SeedLimits) {
  // The largest seed is accepted; its next seed comes from the first number of its sequence.
  const draw top = call_ceeran0(2147483646);
  EXPECT_TRUE(is_success(top.fc)) << view(top.fc);
  EXPECT_EQ(top.random_no, expected_first(2147483646));
  EXPECT_EQ(top.seed, exact_seed(expected_first(2147483646)));

  const draw one = call_ceeran0(1);
  EXPECT_TRUE(is_success(one.fc));
  EXPECT_EQ(one.random_no, expected_first(1));
  EXPECT_EQ(one.seed, 2247);  // 48271 / (2^31 - 1) x 10^8

  // Refused seeds: message 2524, random_no -1, the seed as it was, nothing on the console.
  for (std::int32_t bad : {2147483647, -1, -2, INT_MIN}) {
    const draw d = call_ceeran0(bad);
    EXPECT_EQ(view(d.fc), ascii_condition(3, 2524, 1)) << "seed " << bad;
    EXPECT_EQ(d.fc.case_severity_control, 0x59);
    EXPECT_EQ(d.random_no, -1.0) << "seed " << bad;
    EXPECT_EQ(d.seed, bad);
  }
  EXPECT_TRUE(console.empty());
  // CEERAN0 leaves the environment alone.
  EXPECT_FALSE(area().is_initialized());
}

// The next seed at its edges: the smallest and largest numbers, and the numbers whose product with
// 10^8 rounds up to an integer in double arithmetic although the exact product lies just below it.
TEST_F(run_unit, CeeRan0NextSeedIsTheExactIntegerPart) {
  struct row {
    std::uint64_t k;  // RANDOM's first number is k / (2^31 - 1)
    std::int32_t seed;
  };
  const row rows[] = {
      {1, 0},  // below 10^-8: a seed of 0, and the next call starts from the clock
      {21, 0},
      {22, 1},
      {modulus - 1, 99999999},
      {924144827, 43033846},   // 0.43033846999999997
      {2080996093, 96903931},  // 0.96903931999999993
      {1073741824, 50000000},
  };
  for (const row& r : rows) {
    const draw d = call_ceeran0(seed_for(r.k));
    EXPECT_TRUE(is_success(d.fc));
    EXPECT_EQ(d.random_no, static_cast<double>(r.k) / static_cast<double>(modulus));
    EXPECT_EQ(d.seed, r.seed) << "k " << r.k;
    EXPECT_EQ(d.seed, exact_seed(d.random_no)) << "k " << r.k;
  }
  EXPECT_TRUE(console.empty());
}

TEST_F(run_unit, CeeRan0ClockSeed) {
  struct row {
    const char* now;
    std::uint64_t clock;  // NUMVAL of characters 7 to 16
  };
  const row rows[] = {
      {"2026120515300000+0000", 515300000},
      {"2026123123595999+0100", 3123595999},  // above the largest seed: the generator reduces it
      {"1999010100000001-0500", 100000001},
  };
  for (const row& r : rows) {
    setenv("OVLE_CURRENT_DATE", r.now, 1);
    EXPECT_EQ(math::clock_seed(), static_cast<std::int64_t>(r.clock));
    const draw d = call_ceeran0(0);
    EXPECT_TRUE(is_success(d.fc)) << view(d.fc);
    EXPECT_EQ(d.random_no, expected_first(r.clock)) << r.now;
    EXPECT_EQ(d.seed, exact_seed(expected_first(r.clock))) << r.now;
  }
  unsetenv("OVLE_CURRENT_DATE");
}

// Values outside (0, 1) cannot come from RANDOM; a stand-in generator shows the console report.
double stand_in_value = 0;
double stand_in(std::int64_t) noexcept { return stand_in_value; }

TEST_F(run_unit, CeeRan0ReportsAValueOutOfRange) {
  struct row {
    double value;
    const char* edited;
  };
  const row rows[] = {
      {0.0, "              0.0000"},
      {1.0, "              1.0000"},
      {-0.5, "             -0.5000"},
      {1.99999, "              1.9999"},
      {-1.0, "             -1.0000"},
      {31415.92653, "          31415.9265"},
      {12345678901234567.0, " 45678901234568.0000"},  // the nearest double ends in 568
      {-99999999999999.0, "-99999999999999.0000"},
      {std::numeric_limits<double>::quiet_NaN(), "                 NaN"},
      {std::numeric_limits<double>::infinity(), "            Infinity"},
      {-std::numeric_limits<double>::infinity(), "           -Infinity"},
  };
  for (const row& r : rows) {
    console.clear();
    stand_in_value = r.value;
    const math::random_result result = math::draw_random(4711, stand_in);
    EXPECT_FALSE(result.new_seed.has_value());
    EXPECT_FALSE(result.bad_seed);
    const std::vector<std::string> expected{"COBOL intrinsic Function returning value out of LE range",
                                            std::string("Random-No:") + r.edited};
    EXPECT_EQ(console, expected) << r.value;
  }
  // A value just inside the interval is no report.
  console.clear();
  stand_in_value = std::nextafter(1.0, 0.0);
  EXPECT_EQ(math::draw_random(4711, stand_in).new_seed, 99999999);
  stand_in_value = std::numeric_limits<double>::denorm_min();
  EXPECT_EQ(math::draw_random(4711, stand_in).new_seed, 0);
  EXPECT_TRUE(console.empty());
}

TEST_F(run_unit, CeeRan0Frame) {
  // Omitted feedback code: the outputs as usual, for a good and for a refused seed.
  ovle_int4 seed = int4(1);
  double random_no = 0;
  EXPECT_EQ(CEERAN0(&seed, &random_no, nullptr), 0);
  EXPECT_EQ(random_no, expected_first(1));
  EXPECT_EQ(ovle_int4_get(&seed), 2247);
  seed = int4(-7);
  EXPECT_EQ(CEERAN0(&seed, &random_no, nullptr), 0);
  EXPECT_EQ(random_no, -1.0);
  EXPECT_EQ(ovle_int4_get(&seed), -7);

  // A missing random_no: the library's own condition, the seed untouched.
  ovle_feedback fc = dirty_feedback();
  seed = int4(1);
  EXPECT_EQ(CEERAN0(&seed, nullptr, &fc), 0);
  EXPECT_EQ(view(fc), ascii_condition(4, 9999, 0, "OVX"));
  EXPECT_EQ(ovle_int4_get(&seed), 1);

  // FLOAT8 storage without alignment.
  alignas(8) unsigned char storage[16] = {};
  seed = int4(2);
  fc = dirty_feedback();
  EXPECT_EQ(CEERAN0(&seed, reinterpret_cast<double*>(storage + 3), &fc), 0);
  double stored;
  std::memcpy(&stored, storage + 3, sizeof stored);
  EXPECT_EQ(stored, expected_first(2));
  EXPECT_TRUE(is_success(fc));
}

// The facility ID comes back in the caller's code set.
TEST_F(run_unit, CeeRan0FacilityInTheCallersCodeSet) {
  draw d = call_ceeran0(-1);
  EXPECT_EQ(std::memcmp(d.fc.facility, "\x43\x45\x45", 3), 0);  // ASCII "CEE"
  ebcdic_caller();
  d = call_ceeran0(-1);
  EXPECT_EQ(std::memcmp(d.fc.facility, "\xC3\xC5\xC5", 3), 0);  // EBCDIC "CEE"
  EXPECT_EQ(ovle_int2_get(&d.fc.severity), 3);
  EXPECT_EQ(ovle_int2_get(&d.fc.message_number), 2524);
  EXPECT_EQ(d.fc.case_severity_control, 0x59);
  // A success stays sixteen X'00' bytes for either caller.
  d = call_ceeran0(5);
  EXPECT_TRUE(is_success(d.fc));
}

}  // namespace
}  // namespace ovle::test
