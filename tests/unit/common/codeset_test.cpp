// Code-set conversion, byte-level helpers and the EBCDIC constants the services compare against.
#include <set>

#include "common/bytes.hpp"
#include "common/ebcdic.hpp"
#include "common/platform/intrinsics.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

using namespace common::ebcdic;

TEST(Codeset, EveryByteSurvivesAsciiToEbcdicAndBack) {
  std::array<std::byte, 256> bytes;
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::byte>(i);
  auto data = bytes;
  platform::convert_codeset(platform::codeset_direction::to_ebcdic, data);
  std::set<std::byte> images(data.begin(), data.end());
  EXPECT_EQ(images.size(), 256u) << "the mapping must be one-to-one";
  platform::convert_codeset(platform::codeset_direction::to_ascii, data);
  EXPECT_EQ(data, bytes);
  EXPECT_EQ(platform::to_ebcdic(0), 0) << "X'00' stays X'00'";
}

TEST(Codeset, TextsTheServicesRelyOn) {
  const struct {
    std::string_view ascii;
    std::string_view ebcdic;
  } cases[] = {
      {"CEE", "\xC3\xC5\xC5"}, {"OVX", "\xD6\xE5\xE7"}, {"Y", "\xE8"},  {"N", "\xD5"},
      {"0123456789", "\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9"},     {" ", "\x40"},
      {"az", "\x81\xA9"},      {"-/:.", "\x60\x61\x7A\x4B"},             {"(O", "\x4D\xD6"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::ebcdic_from_ascii(c.ascii), c.ebcdic) << c.ascii;
    EXPECT_EQ(platform::ascii_from_ebcdic(c.ebcdic), c.ascii) << c.ascii;
  }
}

TEST(Codeset, CompileTimeLiteralsAgreeWithTheRuntimeTable) {
  const std::string printable = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 .(+&$*);-/,%_>?:#@'=\"";
  std::string compiled;
  for (char c : printable) compiled += from_ascii(c);
  EXPECT_EQ(compiled, platform::ebcdic_from_ascii(printable));
  EXPECT_EQ("HCN     "_e, platform::ebcdic_from_ascii("HCN     "));
}

TEST(Bytes, BigEndianBinariesWhateverTheMachine) {
  const struct {
    std::array<unsigned char, 4> bytes;
    std::int32_t value;
  } int4s[] = {{{0x00, 0x00, 0x00, 0x01}, 1},
               {{0xFF, 0xFF, 0xFF, 0xFF}, -1},
               {{0x80, 0x00, 0x00, 0x00}, INT32_MIN},
               {{0x7F, 0xFF, 0xFF, 0xFF}, INT32_MAX},
               {{0x00, 0x02, 0x39, 0x44}, 145732}};
  for (const auto& c : int4s) {
    EXPECT_EQ(common::load_int4(c.bytes.data()), c.value);
    std::array<unsigned char, 4> out{};
    common::store_int4(out.data(), c.value);
    EXPECT_EQ(out, c.bytes);
  }
  const unsigned char minus_one[2] = {0xFF, 0xFF};
  EXPECT_EQ(common::load_int2(minus_one), -1);
}

TEST(Bytes, VstringLengthIsClampedToZeroAndTheMaximum) {
  const struct {
    std::int16_t length;
    std::size_t maximum;
    std::size_t expected;
  } cases[] = {{-1, 80, 0}, {INT16_MIN, 80, 0}, {0, 80, 0}, {80, 80, 80}, {81, 80, 80}, {INT16_MAX, 100, 100}, {5, 100, 5}};
  for (const auto& c : cases) {
    const ovle_vstring v = test::vstring("");
    ovle_vstring w = v;
    ovle_int2_set(&w.length, c.length);
    EXPECT_EQ(common::vstring_length(&w, c.maximum), c.expected) << c.length;
  }
}

TEST(Intrinsics, IntegerDatesRoundTripOverTheWholeRange) {
  using namespace platform::intrinsic;
  EXPECT_EQ(integer_of_date(16010101), 1);
  EXPECT_EQ(integer_of_date(20000101), 145732);
  EXPECT_EQ(integer_of_date(99991231), 3067671);
  EXPECT_EQ(integer_of_day(1601001), 1);
  EXPECT_EQ(integer_of_day(2000366), integer_of_date(20001231));
  for (std::int32_t n = 1; n <= 3067671; ++n) {
    const std::int32_t date = date_of_integer(n);
    const std::int32_t day = day_of_integer(n);
    ASSERT_EQ(integer_of_date(date), n);
    ASSERT_EQ(integer_of_day(day), n);
    ASSERT_EQ(day / 1000, date / 10000);
  }
}

TEST(Intrinsics, RemKeepsTheDividendSignModTheDivisors) {
  using namespace platform::intrinsic;
  const struct {
    std::int64_t a, b, rem, mod;
  } cases[] = {{7, 3, 1, 1}, {-7, 3, -1, 2}, {7, -3, 1, -2}, {-7, -3, -1, -1}, {6, 3, 0, 0}, {-6, 3, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(rem(c.a, c.b), c.rem) << c.a << "," << c.b;
    EXPECT_EQ(mod(c.a, c.b), c.mod) << c.a << "," << c.b;
  }
}

TEST(Intrinsics, NumvalReadsCobolNumericTexts) {
  using platform::intrinsic::numval;
  const struct {
    std::string_view text;
    double value;
  } cases[] = {{"0515", 515},   {"  12.5  ", 12.5}, {"-3", -3},   {"3-", -3},  {"+ 4", 4}, {"7 CR", -7},
               {"7DB", -7},     {"1.25", 1.25},     {"", 0},      {"abc", 0},  {"1.2.3", 0}, {"12 34", 0},
               {"--1", 0},      {"1515300000", 1515300000.0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(numval(c.text), c.value) << '"' << c.text << '"';
}

TEST(Intrinsics, UpperCaseOfEbcdicText) {
  std::string text = platform::ebcdic_from_ascii("Mixed case 12-z");
  platform::intrinsic::upper_case_ebcdic(text.data(), text.size());
  EXPECT_EQ(platform::ascii_from_ebcdic(text), "MIXED CASE 12-Z");
}

}  // namespace
}  // namespace ovle
