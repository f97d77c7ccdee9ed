// CEESICLR, CEESISET, CEESISHF and CEESITST through their C entries.
#include <bitset>
#include <climits>
#include <cstdint>
#include <random>

#include "ovle_test.hpp"

namespace ovle::test {
namespace {

using bit_entry = int (*)(const ovle_int4*, const ovle_int4*, ovle_feedback*, ovle_int4*) noexcept;

struct bit_call {
  std::int32_t result;
  ovle_feedback fc;
};

bit_call call(bit_entry entry, std::int32_t source, std::int32_t n) {
  const ovle_int4 s = int4(source), count = int4(n);
  ovle_int4 result = int4(0x5A5A5A5A);
  bit_call out{0, dirty_feedback()};
  EXPECT_EQ(entry(&s, &count, &out.fc, &result), 0);
  out.result = ovle_int4_get(&result);
  return out;
}

std::int32_t call_ok(bit_entry entry, std::int32_t source, std::int32_t n) {
  const bit_call c = call(entry, source, n);
  EXPECT_TRUE(is_success(c.fc)) << view(c.fc) << " for source " << source << ", n " << n;
  return c.result;
}

constexpr std::int32_t hex(std::uint32_t bits) { return static_cast<std::int32_t>(bits); }

// A model that knows nothing of masks or divisions: the 32 bits as a bitset. Counts of 32 or more
// either way shift every bit out.
std::int32_t model_shift(std::int32_t source, std::int32_t n) {
  std::bitset<32> bits(static_cast<std::uint32_t>(source));
  const std::int64_t magnitude = n < 0 ? -static_cast<std::int64_t>(n) : n;
  const std::size_t places = magnitude > 32 ? 32 : static_cast<std::size_t>(magnitude);
  bits = n >= 0 ? bits << places : bits >> places;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits.to_ulong()));
}

struct case_row {
  bit_entry entry;
  const char* name;
  std::int32_t source;
  std::int32_t n;
  std::int32_t expected;
};

TEST_F(run_unit, BitServicesDocumentedCases) {
  const case_row rows[] = {
      {CEESICLR, "CEESICLR", hex(0xFFFFFFFF), 0, hex(0xFFFFFFFE)},
      {CEESICLR, "CEESICLR", 5, 2, 1},
      {CEESISET, "CEESISET", 0, 4, 16},
      {CEESITST, "CEESITST", 16, 4, 1},
      {CEESITST, "CEESITST", 16, 3, 0},
      {CEESISHF, "CEESISHF", 1, 4, 16},
      {CEESISHF, "CEESISHF", 16, -4, 1},
      {CEESISHF, "CEESISHF", -1, -1, hex(0x7FFFFFFF)},
      {CEESISHF, "CEESISHF", -3, -1, hex(0x7FFFFFFE)},
      {CEESISHF, "CEESISHF", -8, -2, hex(0x3FFFFFFE)},
      {CEESISHF, "CEESISHF", -5, 0, -5},
  };
  for (const case_row& r : rows) {
    EXPECT_EQ(call_ok(r.entry, r.source, r.n), r.expected) << r.name << "(" << r.source << ", " << r.n << ")";
  }
}

// Bit numbers outside 0-30 and shifts that leave 32 bits: reduced modulo 2^32.
TEST_F(run_unit, BitServicesReduceModulo2To32) {
  const case_row rows[] = {
      // Bit 31 is the sign bit.
      {CEESISET, "CEESISET", 0, 31, INT_MIN},
      {CEESISET, "CEESISET", 5, 31, hex(0x80000005)},
      {CEESICLR, "CEESICLR", -1, 31, INT_MAX},
      {CEESICLR, "CEESICLR", INT_MIN, 31, 0},
      {CEESITST, "CEESITST", INT_MIN, 31, 1},
      {CEESITST, "CEESITST", INT_MAX, 31, 0},
      {CEESITST, "CEESITST", -1, 30, 1},
      // Bit numbers of 32 and beyond, and negative ones, have no bit: the mask is 0.
      {CEESISET, "CEESISET", 0x1234, 32, 0x1234},
      {CEESISET, "CEESISET", 0x1234, 33, 0x1234},
      {CEESISET, "CEESISET", 0x1234, INT_MAX, 0x1234},
      {CEESISET, "CEESISET", 0x1234, -1, 0x1234},
      {CEESISET, "CEESISET", 0x1234, INT_MIN, 0x1234},
      {CEESICLR, "CEESICLR", -1, 32, -1},
      {CEESICLR, "CEESICLR", -1, -1, -1},
      {CEESICLR, "CEESICLR", -1, INT_MIN, -1},
      {CEESITST, "CEESITST", -1, 32, 0},
      {CEESITST, "CEESITST", -1, 64, 0},
      {CEESITST, "CEESITST", -1, -1, 0},
      {CEESITST, "CEESITST", -1, -32, 0},
      // Left shifts keep the low 32 bits; the sign follows bit 31.
      {CEESISHF, "CEESISHF", 0x40000000, 1, INT_MIN},
      {CEESISHF, "CEESISHF", 1, 31, INT_MIN},
      {CEESISHF, "CEESISHF", 3, 31, INT_MIN},
      {CEESISHF, "CEESISHF", -1, 31, INT_MIN},
      {CEESISHF, "CEESISHF", 0x12345678, 4, 0x23456780},
      {CEESISHF, "CEESISHF", INT_MAX, 1, -2},
      {CEESISHF, "CEESISHF", -1, 1, -2},
      {CEESISHF, "CEESISHF", hex(0xC0000001), 1, hex(0x80000002)},
      {CEESISHF, "CEESISHF", -1, 32, 0},
      {CEESISHF, "CEESISHF", 1, 33, 0},
      {CEESISHF, "CEESISHF", -1, INT_MAX, 0},
      // Right shifts are logical, for every count.
      {CEESISHF, "CEESISHF", INT_MIN, -31, 1},
      {CEESISHF, "CEESISHF", -1, -31, 1},
      {CEESISHF, "CEESISHF", INT_MAX, -30, 1},
      {CEESISHF, "CEESISHF", INT_MAX, -31, 0},
      {CEESISHF, "CEESISHF", -1, -32, 0},
      {CEESISHF, "CEESISHF", -1, -33, 0},
      {CEESISHF, "CEESISHF", -1, INT_MIN, 0},
      {CEESISHF, "CEESISHF", INT_MAX, INT_MIN, 0},
      {CEESISHF, "CEESISHF", INT_MIN, -1, hex(0x40000000)},
      {CEESISHF, "CEESISHF", -2, -1, INT_MAX},
      {CEESISHF, "CEESISHF", 0, INT_MIN, 0},
      {CEESISHF, "CEESISHF", 0, INT_MAX, 0},
  };
  for (const case_row& r : rows) {
    EXPECT_EQ(call_ok(r.entry, r.source, r.n), r.expected) << r.name << "(" << r.source << ", " << r.n << ")";
  }
}

// Random sources and bit numbers, with the edges (0, -1, the extremes, single bits) mixed in.
class bit_sweep {
 public:
  explicit bit_sweep(std::uint32_t seed) : engine_(seed) {}
  std::int32_t source() {
    static constexpr std::int32_t edges[] = {0, -1, 1, INT_MIN, INT_MAX, 0x55555555, hex(0xAAAAAAAA)};
    const auto pick = pick_(engine_);
    if (pick < 10) return edges[pick % std::size(edges)];
    if (pick < 20) return hex(std::uint32_t{1} << (pick % 32));
    return static_cast<std::int32_t>(engine_());
  }
  std::int32_t bit() { return static_cast<std::int32_t>(pick_(engine_) % 32); }
  std::int32_t count() { return static_cast<std::int32_t>(pick_(engine_) % 81) - 40; }

 private:
  std::mt19937 engine_;
  std::uniform_int_distribution<int> pick_{0, 99};
};

TEST_F(run_unit, SetClearAndTestLawsOverASweep) {
  bit_sweep sweep(20240601);
  for (int i = 0; i < 100000; ++i) {
    const std::int32_t s = sweep.source();
    const std::int32_t n = sweep.bit();
    const auto bit = static_cast<std::uint32_t>(1) << n;
    const std::int32_t set = call_ok(CEESISET, s, n);
    const std::int32_t cleared = call_ok(CEESICLR, s, n);
    ASSERT_EQ(call_ok(CEESITST, set, n), 1) << s << " bit " << n;
    ASSERT_EQ(call_ok(CEESITST, cleared, n), 0) << s << " bit " << n;
    // Only bit n differs from the source; testing the source tells which of the two it equals.
    ASSERT_EQ(static_cast<std::uint32_t>(set) ^ static_cast<std::uint32_t>(cleared), bit) << s << " bit " << n;
    ASSERT_EQ(call_ok(CEESITST, s, n) == 1 ? set : cleared, s) << s << " bit " << n;
    // Setting and clearing are idempotent and undo each other.
    ASSERT_EQ(call_ok(CEESISET, set, n), set);
    ASSERT_EQ(call_ok(CEESISET, cleared, n), set);
    ASSERT_EQ(call_ok(CEESICLR, set, n), cleared);
  }
}

TEST_F(run_unit, ShiftLawsOverASweep) {
  bit_sweep sweep(1993);
  for (int i = 0; i < 100000; ++i) {
    const std::int32_t s = sweep.source();
    const std::int32_t n = sweep.count();
    const std::int32_t shifted = call_ok(CEESISHF, s, n);
    ASSERT_EQ(shifted, model_shift(s, n)) << "CEESISHF(" << s << ", " << n << ")";
    if (n > 0 && n < 32) {
      // Left then right loses exactly the top n bits; a non-negative value that fits in 31 - n
      // bits comes back unchanged.
      const std::int32_t back = call_ok(CEESISHF, shifted, -n);
      ASSERT_EQ(static_cast<std::uint32_t>(back), static_cast<std::uint32_t>(s) & (0xFFFFFFFFu >> n));
      const std::int32_t fitting = static_cast<std::int32_t>(static_cast<std::uint32_t>(s) & (0x7FFFFFFFu >> n));
      ASSERT_EQ(call_ok(CEESISHF, call_ok(CEESISHF, fitting, n), -n), fitting);
      // For a value that fits, the left shift is the product by 2^n.
      ASSERT_EQ(call_ok(CEESISHF, fitting, n), static_cast<std::int64_t>(fitting) * (std::int64_t{1} << n));
    }
    if (n < 0 && s >= 0) {
      // For a non-negative source the right shift is the truncated quotient.
      ASSERT_EQ(shifted, n <= -31 ? 0 : s / (std::int32_t{1} << -n));
    }
  }
}

TEST_F(run_unit, BitServiceFrame) {
  const ovle_int4 source = int4(5), bit = int4(1);
  ovle_int4 result = int4(0);

  // An omitted feedback code: the result comes back as usual.
  EXPECT_EQ(CEESISET(&source, &bit, nullptr, &result), 0);
  EXPECT_EQ(ovle_int4_get(&result), 7);
  // The first call initialized the environment.
  EXPECT_TRUE(area().is_initialized());

  // A missing result: nothing written anywhere but the feedback code, which holds the library's own
  // condition.
  ovle_feedback fc = dirty_feedback();
  EXPECT_EQ(CEESICLR(&source, &bit, &fc, nullptr), 0);
  EXPECT_EQ(view(fc), ascii_condition(4, 9999, 0, "OVX"));
  fc = dirty_feedback();
  result = int4(77);
  EXPECT_EQ(CEESITST(nullptr, &bit, &fc, &result), 0);
  EXPECT_EQ(view(fc), ascii_condition(4, 9999, 0, "OVX"));
  EXPECT_EQ(ovle_int4_get(&result), 77);

  // An EBCDIC caller gets the same clear feedback code and result.
  ebcdic_caller();
  fc = dirty_feedback();
  EXPECT_EQ(CEESISHF(&source, &bit, &fc, &result), 0);
  EXPECT_TRUE(is_success(fc));
  EXPECT_EQ(ovle_int4_get(&result), 10);
}

// The services go on when OV-PIPI cannot be reached; the feedback code is still clear.
TEST_F(run_unit, BitServicesWithoutTheInitializer) {
  platform::testing::set_unreachable("OV-PIPI", true);
  EXPECT_EQ(call_ok(CEESISET, 0, 4), 16);
  EXPECT_FALSE(area().is_initialized());
}

}  // namespace
}  // namespace ovle::test
