// The bit services against a model of 32 bits, and CEERAN0 against the minimal standard generator.
#include <bitset>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "common/bytes.hpp"
#include "math/random_number.hpp"
#include "ovle_test.hpp"

namespace ovle::test {
namespace {

using bit_entry = int (*)(const ovle_int4*, const ovle_int4*, ovle_feedback*, ovle_int4*);

std::int32_t bit_call(bit_entry entry, std::int32_t source, std::int32_t n) {
  const ovle_int4 s = int4(source), count = int4(n);
  ovle_int4 result = int4(0x5A5A5A5A);
  ovle_feedback fc = dirty_feedback();
  EXPECT_EQ(entry(&s, &count, &fc, &result), 0);
  EXPECT_TRUE(is_success(fc)) << view(fc) << " for " << source << ", " << n;
  return ovle_int4_get(&result);
}

// The 32 bits as a bitset, knowing nothing of masks or divisions: a bit number outside 0 to 31
// names no bit, and a shift by 32 or more either way moves every bit out.
std::int32_t model(bit_entry entry, std::int32_t source, std::int32_t n) {
  std::bitset<32> bits(static_cast<std::uint32_t>(source));
  const bool bit = n >= 0 && n < 32;
  const std::size_t places = static_cast<std::size_t>(std::min<std::int64_t>(std::abs(std::int64_t{n}), 32));
  if (entry == CEESITST) return bit && bits.test(static_cast<std::size_t>(n)) ? 1 : 0;
  if (entry == CEESISET && bit) bits.set(static_cast<std::size_t>(n));
  if (entry == CEESICLR && bit) bits.reset(static_cast<std::size_t>(n));
  if (entry == CEESISHF) bits = n >= 0 ? bits << places : bits >> places;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits.to_ulong()));
}

// Random sources with the edges mixed in, every bit number, counts either way up to 40 and the
// extreme counts: all four services against the model. They go on when the initializer cannot be
// reached, with the feedback code omitted, and from an EBCDIC caller.
TEST_F(run_unit, BitServicesAgainstTheModel) {
  std::mt19937 engine(20240601);
  std::uniform_int_distribution<int> pick(0, 99);
  const std::int32_t edges[] = {0, -1, 1, INT_MIN, INT_MAX, 0x55555555, static_cast<std::int32_t>(0xAAAAAAAA)};
  const std::int32_t counts[] = {INT_MIN, INT_MIN + 1, -33, -32, -31, 31, 32, 33, 64, INT_MAX};
  platform::testing::set_unreachable("OV-PIPI", true);
  for (int i = 0; i < 100000; ++i) {
    const int p = pick(engine), q = pick(engine);
    const std::int32_t source = p < 10   ? edges[p % std::size(edges)]
                                : p < 20 ? static_cast<std::int32_t>(1u << (p % 32))
                                         : static_cast<std::int32_t>(engine());
    const std::int32_t n = q < 10 ? counts[q] : q % 81 - 40;
    if (i == 50000) ebcdic_caller();
    for (const bit_entry entry : {CEESICLR, CEESISET, CEESITST, CEESISHF}) {
      ASSERT_EQ(bit_call(entry, source, n), model(entry, source, n)) << source << ", " << n;
    }
  }
  const ovle_int4 source = int4(5), bit = int4(1);
  ovle_int4 result = int4(0);
  EXPECT_EQ(CEESISET(&source, &bit, nullptr, &result), 0);
  EXPECT_EQ(ovle_int4_get(&result), 7);
}

constexpr std::uint64_t modulus = 2147483647;

// RANDOM(seed) from the standard library's minimal standard generator (the published recurrence,
// written by someone else); it reduces the seed modulo 2^31 - 1 itself.
double first_number(std::uint64_t seed) {
  std::minstd_rand engine(static_cast<std::minstd_rand::result_type>(seed % modulus));
  return static_cast<double>(engine()) / static_cast<double>(modulus);
}

// The integer part of random_no x 10^8, exactly: random_no = m / 2^s, and m x 10^8 fits 128 bits.
std::int32_t exact_seed(double random_no) {
  __extension__ typedef unsigned __int128 wide;
  int exponent = 0;
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(random_no, &exponent), 53));
  const int shift = 53 - exponent;
  return shift >= 128 ? 0 : static_cast<std::int32_t>((static_cast<wide>(mantissa) * 100000000u) >> shift);
}

struct draw {
  std::int32_t seed;
  double random_no;
  ovle_feedback fc;
};

// One call, the random_no item starting as 12.5 and the feedback code as garbage.
draw ceeran0(std::int32_t seed) {
  draw d{seed, 12.5, dirty_feedback()};
  ovle_int4 s = int4(seed);
  EXPECT_EQ(CEERAN0(&s, &d.random_no, &d.fc), 0);
  d.seed = ovle_int4_get(&s);
  return d;
}

// A caller passing each returned seed back walks a reproducible sequence: every number is RANDOM of
// the seed passed in and lies in (0, 1), every seed is the exact integer part of the number x 10^8,
// and the numbers are uniform (chi-square over 100 buckets, 99 degrees of freedom, below its upper
// 0.1 % point 148.23).
TEST_F(run_unit, CeeRan0WalkIsReproducibleUniformAndInRange) {
  std::vector<double> counts(100, 0.0);
  std::int32_t seed = 1;
  for (std::size_t i = 0; i < 200000; ++i) {
    const draw d = ceeran0(seed);
    ASSERT_TRUE(is_success(d.fc)) << view(d.fc) << " at draw " << i;
    ASSERT_EQ(d.random_no, first_number(static_cast<std::uint64_t>(seed))) << "draw " << i;
    ASSERT_TRUE(d.random_no > 0 && d.random_no < 1 && d.seed == exact_seed(d.random_no)) << "draw " << i;
    if (i < 50000) counts[static_cast<std::size_t>(d.random_no * 100)] += 1;  // before the walk cycles
    seed = d.seed;
  }
  double chi_square = 0;
  for (const double c : counts) chi_square += (c - 500) * (c - 500) / 500;
  EXPECT_LT(chi_square, 148.23);
  EXPECT_TRUE(console.empty());
  EXPECT_FALSE(area().is_initialized());  // CEERAN0 leaves the environment alone
}

// The seed that makes RANDOM's first number k / (2^31 - 1): k times the inverse of 48271.
std::int32_t seed_for(std::uint64_t k) {
  std::uint64_t inverse = 1, base = 48271;
  for (std::uint64_t e = modulus - 2; e != 0; e >>= 1, base = base * base % modulus) {
    if (e & 1) inverse = inverse * base % modulus;
  }
  return static_cast<std::int32_t>(k * inverse % modulus);
}

// Seeds outside 0 to 2^31 - 2 are refused (random_no -1, the seed left, the facility in the caller's
// code set); the next seed where random_no x 10^8 rounds up to an integer in double arithmetic
// although the exact product lies below it; the clock seed of a seed of 0 (NUMVAL of
// CURRENT-DATE(7:10)); an unaligned FLOAT8.
TEST_F(run_unit, CeeRan0SeedsAndFrame) {
  for (const std::int32_t bad : {2147483647, -1, INT_MIN}) {
    const draw d = ceeran0(bad);
    EXPECT_EQ(view(d.fc), ascii_condition(3, 2524, 1)) << bad;
    EXPECT_TRUE(d.random_no == -1.0 && d.seed == bad) << bad;
  }
  const std::pair<std::int32_t, std::int32_t> rows[] = {
      {2147483646, exact_seed(first_number(2147483646))},
      {1, 2247},
      {seed_for(1), 0},  // below 10^-8: a next seed of 0, the clock's
      {seed_for(22), 1},
      {seed_for(modulus - 1), 99999999},
      {seed_for(924144827), 43033846},   // 0.43033846999999997
      {seed_for(2080996093), 96903931},  // 0.96903931999999993
  };
  for (const auto& [seed, next] : rows) {
    const draw d = ceeran0(seed);
    EXPECT_TRUE(is_success(d.fc) && d.random_no == first_number(static_cast<std::uint64_t>(seed))) << seed;
    EXPECT_EQ(d.seed, next) << seed;
  }
  for (const auto& [now, clock] :
       {std::pair{"2026120515300000+0000", 515300000ULL}, {"2026123123595999+0100", 3123595999ULL}}) {
    setenv("OVLE_CURRENT_DATE", now, 1);
    const draw d = ceeran0(0);
    EXPECT_TRUE(is_success(d.fc) && d.random_no == first_number(clock)) << now;
    EXPECT_EQ(d.seed, exact_seed(first_number(clock))) << now;
  }
  ovle_int4 seed = int4(1);
  alignas(8) unsigned char storage[16] = {};
  EXPECT_EQ(CEERAN0(&seed, reinterpret_cast<double*>(storage + 3), nullptr), 0);
  EXPECT_EQ(common::load_native<double>(storage + 3), first_number(1));
  ebcdic_caller();
  EXPECT_EQ(view(ceeran0(-1).fc), (condition_view{3, 2524, 0x59, "\xC3\xC5\xC5", true}));
  EXPECT_TRUE(console.empty());
}

// Values outside (0, 1) cannot come from RANDOM; a stand-in generator shows the two console lines,
// the value edited into 20 characters (14 integer digits at most, four decimals truncated).
double stand_in_value = 0;
double stand_in(std::int64_t) noexcept { return stand_in_value; }

TEST_F(run_unit, CeeRan0ReportsAValueOutOfRange) {
  // clang-format off
  const std::pair<double, const char*> rows[] = {
      {0.0, "              0.0000"}, {1.0, "              1.0000"}, {-0.5, "             -0.5000"},
      {1.99999, "              1.9999"}, {12345678901234567.0, " 45678901234568.0000"},
      {-99999999999999.0, "-99999999999999.0000"}, {std::nan(""), "                 NaN"},
      {-HUGE_VAL, "           -Infinity"}};
  // clang-format on
  for (const auto& [value, edited] : rows) {
    console.clear();
    stand_in_value = value;
    const math::random_result result = math::draw_random(4711, stand_in);
    EXPECT_FALSE(result.new_seed.has_value() || result.bad_seed) << value;
    EXPECT_EQ(console, (std::vector<std::string>{"COBOL intrinsic Function returning value out of LE range",
                                                 std::string("Random-No:") + edited}));
  }
  console.clear();
  stand_in_value = std::nextafter(1.0, 0.0);
  EXPECT_EQ(math::draw_random(4711, stand_in).new_seed, 99999999);
  EXPECT_TRUE(console.empty());
}

}  // namespace
}  // namespace ovle::test
