// The tool's values: every type read from text into the caller's item and shown back, texts that
// are no value, the guard bytes around each item, and feedback codes decoded by the conditions table.
#include "values.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "common/feedback.hpp"
#include "common/platform/platform.hpp"
#include "condition_decoder.hpp"
#include "entry_call.hpp"

namespace ovle::tool {
namespace {

using bytes = std::vector<unsigned char>;

common::argument_description argument(std::string_view line) { return common::parse_arguments(line)[0]; }

// The item's bytes after storing `text`, or the error.
struct stored {
  bytes item;
  std::string error;
};
stored store(const common::argument_description& a, std::string_view text, code_set caller = code_set::ascii) {
  stored s{bytes(item_size(a, text), 0xEE), {}};
  if (auto e = store_value(a, text, caller, s.item.data())) s.error = *e;
  return s;
}

std::string shown(const common::argument_description& a, std::string_view text, code_set caller = code_set::ascii) {
  const stored s = store(a, text, caller);
  EXPECT_EQ(s.error, "") << text;
  return show_value(a, s.item.data(), caller).text;
}

template <typename Float>
std::string shortest(Float value) {
  char buffer[64];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

TEST(Values, NumbersSurviveTheItemInTheirByteOrder) {
  const auto int2 = argument("v:int2:in"), native2 = argument("v:native2:in");
  for (int v = -32768; v <= 32767; ++v) {
    ASSERT_EQ(shown(int2, std::to_string(v)), std::to_string(v));
    ASSERT_EQ(shown(native2, std::to_string(v)), std::to_string(v));
  }
  const auto int4 = argument("v:int4:in"), native4 = argument("v:native4:in");
  const auto float8 = argument("v:float8:in"), float4 = argument("v:float4:in");
  std::mt19937_64 random(20070515);
  for (int i = 0; i < 20000; ++i) {
    const auto v = i < 4 ? std::array{INT32_MIN, -1, 0, INT32_MAX}[i] : static_cast<std::int32_t>(random());
    ASSERT_EQ(shown(int4, std::to_string(v)), std::to_string(v));
    ASSERT_EQ(shown(native4, std::to_string(v)), std::to_string(v));
    // Floats come back with the digits that read back to the same value.
    const double d = std::bit_cast<double>(random());
    const float f = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
    if (std::isfinite(d)) {
      const stored s = store(float8, shortest(d));
      ASSERT_EQ(std::memcmp(s.item.data(), &d, 8), 0) << shortest(d);
      ASSERT_EQ(show_value(float8, s.item.data(), code_set::ascii).text, shortest(d));
    }
    if (std::isfinite(f)) {
      const stored s = store(float4, shortest(f));
      ASSERT_EQ(std::memcmp(s.item.data(), &f, 4), 0) << shortest(f);
      ASSERT_EQ(show_value(float4, s.item.data(), code_set::ascii).text, shortest(f));
    }
  }
  for (const char* text : {"inf", "-inf", "nan", "0.1"}) {
    EXPECT_EQ(shown(float8, text), text);
    EXPECT_EQ(shown(float4, text), text);  // 0.1: the nearest float, shown by its own shortest digits
  }
  EXPECT_EQ(shown(float8, "+2.5e3"), "2500");
  // INT2 and INT4 are big-endian, COMP-5 items the machine's order; a leading + is a sign.
  EXPECT_EQ(store(int4, "+258").item, (bytes{0x00, 0x00, 0x01, 0x02}));
  EXPECT_EQ(store(int2, "-2").item, (bytes{0xFF, 0xFE}));
  EXPECT_EQ(store(native4, "258").item, (bytes{0x02, 0x01, 0x00, 0x00}));
  EXPECT_EQ(store(native2, "1").item, (bytes{0x01, 0x00}));
}

TEST(Values, TextsKeepEveryLatin1CharacterInEitherCodeSet) {
  // Every printable ISO-8859-1 character, written in UTF-8 as a terminal gives it.
  std::string latin1;
  for (int c = 0x20; c <= 0xFF; ++c) {
    if (c < 0x7F || c >= 0xA0) latin1 += static_cast<char>(c);
  }
  const std::string utf8 = utf8_from_latin1(latin1);
  ASSERT_EQ(latin1_from_utf8(utf8), latin1);
  const auto text = argument("t:text(200):in"), vstring = argument("v:vstring(200):in");
  for (code_set caller : {code_set::ascii, code_set::ebcdic}) {
    for (std::size_t begin = 0; begin < latin1.size(); begin += 7) {
      std::string piece = latin1.substr(begin, 40);
      ASSERT_EQ(shown(vstring, utf8_from_latin1(piece), caller), utf8_from_latin1(piece));  // trailing blanks kept
      while (!piece.empty() && piece.back() == ' ') piece.pop_back();  // text items are shown trimmed
      ASSERT_EQ(shown(text, utf8_from_latin1(piece), caller), utf8_from_latin1(piece));
    }
  }
  // The caller's bytes: an ASCII caller's text is ISO-8859-1, an EBCDIC caller's code page 037; an
  // ebcdic item is EBCDIC whoever calls.
  const auto country = argument("c:text(4):in");
  EXPECT_EQ(store(country, "D\xC3\xA9").item, (bytes{'D', 0xE9, ' ', ' '}));
  EXPECT_EQ(store(country, "D\xC3\xA9", code_set::ebcdic).item, (bytes{0xC4, 0x51, 0x40, 0x40}));
  EXPECT_EQ(store(argument("d:ebcdic(3):in"), "1G").item, (bytes{0xF1, 0xC7, 0x40}));
  EXPECT_EQ(shown(argument("d:ebcdic(3):in"), "1G"), "1G");
  // A VSTRING's length is the text's; a longer one than the maximum gets a larger item.
  const auto date = argument("d:vstring(4):in");
  EXPECT_EQ(store(date, "").item, (bytes{0, 0, ' ', ' ', ' ', ' '}));
  EXPECT_EQ(store(date, "ab").item, (bytes{0, 2, 'a', 'b', ' ', ' '}));
  EXPECT_EQ(store(date, "abcdef").item, (bytes{0, 6, 'a', 'b', 'c', 'd', 'e', 'f'}));
}

TEST(Values, ItemsThatAreNoTextShowTheirBytes) {
  const std::vector<std::tuple<std::string_view, bytes, std::string_view, std::string_view>> cases = {
      // clang-format off
      {"t:text(4):out", {'A', 'B', ' ', ' '}, "AB", ""}, {"t:text(4):out", {' ', ' ', ' ', ' '}, "", ""},
      {"t:text(3):out", {'A', 0x00, 'B'}, "X'410042'", ""}, {"t:text(2):out", {'A', 0x7F}, "X'417F'", ""},
      {"t:ebcdic(2):out", {0xFF, 0xFF}, "X'FFFF'", ""}, {"t:ebcdic(2):out", {0xC1, 0x40}, "A", ""},
      {"v:vstring(3):out", {0x00, 0x02, 'x', 'y', 'z'}, "xy", ""},
      {"v:vstring(3):out", {0x00, 0x03, 'x', 'y', ' '}, "xy ", ""},
      {"v:vstring(3):out", {0xFF, 0xFF, 'x', 'y', 'z'}, "", "length -1, outside 0 to 3"},
      {"v:vstring(3):out", {0x00, 0x09, 'x', 'y', 'z'}, "xyz", "length 9, outside 0 to 3"},
      {"b:bytes(3):out", {0x00, 0xAB, 0x10}, "X'00AB10'", ""}, {"p:pointer:out", {0, 0, 0, 0, 0, 0, 0, 0}, "NULL", ""},
      {"p:pointer:out", {0xEF, 0xBE, 0xAD, 0xDE, 0, 0, 0, 0}, "0xdeadbeef", ""},
      // clang-format on
  };
  for (const auto& [line, item, text, note] : cases) {
    const shown_value v = show_value(argument(line), item.data(), code_set::ascii);
    EXPECT_EQ(v.text + "|" + v.note, std::string(text) + "|" + std::string(note)) << line;
  }
  EXPECT_EQ(shown(argument("p:pointer:in"), "0x7ffe1234"), "0x7ffe1234");
  EXPECT_EQ(shown(argument("p:pointer:in"), "NULL"), "NULL");
  EXPECT_EQ(shown(argument("b:bytes(4):in"), "00 ff 1a"), "X'00FF1A00'");
}

TEST(Values, TextsThatAreNoValueOfTheirTypeAreRefused) {
  // clang-format off
  const std::vector<std::tuple<std::string_view, std::string_view, std::string_view>> cases = {
      {"v:int2:in", "32768", "from -32768 to 32767"}, {"v:int2:in", "-32769", "from -32768 to 32767"},
      {"v:int4:in", "2147483648", "from -2147483648 to 2147483647"}, {"v:int4:in", "1.5", "whole number"},
      {"v:int4:in", "", "whole number"}, {"v:native4:in", "--1", "whole number"},
      {"v:float8:in", "1e400", "range of COMP-2"}, {"v:float4:in", "1e39", "range of COMP-1"},
      {"v:float8:in", "1.5.2", "range of COMP-2"}, {"t:text(2):in", "ABC", "at most 2 characters"},
      {"t:text(2):in", "\xC4\x80", "outside ISO-8859-1"},  // U+0100, the first beyond Latin-1
      {"t:text(2):in", "\xC3", "outside ISO-8859-1"},      // cut UTF-8
      {"v:vstring(8):in", "\xE2\x82\xAC", "outside ISO-8859-1"},  // the euro sign
      {"b:bytes(2):in", "ABCDEF", "at most 4 hexadecimal digits"}, {"b:bytes(2):in", "XY", "at most 4 hexadecimal"},
      {"p:pointer:in", "0xZZ", "0x followed by hexadecimal digits"}, {"p:pointer:in", "12ab", "0x followed by"},
      {"k:token:in", "CEE9ZZ", "32 hexadecimal digits or a name"},
      {"k:token:in", "OVX9OF", "more than one condition is called OVX9OF"},
      {"fc:feedback", "0", "written by the service"},
  };
  // clang-format on
  for (const auto& [line, text, error] : cases) {
    const stored s = store(argument(line), text);
    EXPECT_NE(s.error.find(error), std::string::npos) << line << " '" << text << "' gave: " << s.error;
  }
}

// An entry of two items that writes one byte where the test says: the first guard byte changed is
// reported, on either side of an item.
const common::argument_list two_items = common::parse_arguments("a:int4:out b:text(3):out");
const common::entry_description stray_writer{"STRAY", "STRAY", "test", &two_items};
std::pair<std::size_t, int> stray_write;  // item, offset from its first byte
int write_stray(void* const* items) noexcept {
  static_cast<unsigned char*>(items[stray_write.first])[stray_write.second] = 0;
  return 0;
}

TEST(Values, GuardBytesCatchAWriteJustOutsideAnItem) {
  const std::vector<argument_setting> cleared(2);
  const std::tuple<int, int, int> cases[] = {// item, offset, the item reported (-1 none)
                                             {0, 4, 0}, {0, -1, 0}, {1, 3, 1}, {1, -1, 1}, {0, 3, -1}, {1, 0, -1}};
  for (const auto& [item, offset, overrun] : cases) {
    stray_write = {static_cast<std::size_t>(item), offset};
    const call_outcome o = call_entry({&stray_writer, &write_stray}, cleared, code_set::ascii);
    EXPECT_EQ(o.overrun.has_value() ? static_cast<int>(*o.overrun) : -1, overrun) << item << ' ' << offset;
  }
}

token_bytes token_of(const common::condition& c, bool ebcdic_facility) {
  token_bytes t{};
  common::feedback_code(t.data()).set(c);
  if (!ebcdic_facility) {
    for (std::size_t i = 5; i < 8; ++i) t[i] = platform::to_ascii(t[i]);
  }
  return t;
}

TEST(Decoder, EveryConditionOfTheTableDecodesToItsRowInEitherCodeSet) {
  for (const common::condition_entry& row : common::condition_table) {
    for (bool ebcdic : {false, true}) {
      const decoded_condition d = decode_condition(token_of(row.value, ebcdic));
      EXPECT_EQ(std::tie(d.success, d.identifier, d.symbol, d.facility, d.facility_in_ebcdic, d.severity,
                         d.message_number, d.control, d.byte4_agrees),
                std::tuple(false, row.identifier, row.symbol, row.facility, ebcdic, row.value.severity,
                           row.value.message_number, row.value.control, true))
          << row.identifier << (ebcdic ? " EBCDIC" : " ASCII");
      // Named on the command line, a condition becomes the token the library stores.
      const token_or_error named = token_from_text(row.identifier, ebcdic);
      ASSERT_TRUE(named.token) << row.identifier << ": " << named.error;
      EXPECT_EQ(*named.token, token_of(row.value, ebcdic)) << row.identifier;
    }
  }
}

TEST(Decoder, TokensTheTableDoesNotHoldAreStillRead) {
  const std::string date_invalid = "CEE2EC severity 3, message 2508, facility CEE";
  const std::string stranger = ": not a condition of this library";
  // clang-format off
  const std::vector<std::pair<std::string_view, std::string>> cases = {
      {"00000000000000000000000000000000", "success"},
      {"000309CC59C3C5C50000000000000000", date_invalid + " (EBCDIC), control 1: date_invalid"},
      {"000309CC594345450000000000000102",
       date_invalid + ", control 1: date_invalid, instance data X'0000000000000102'"},
      // Byte 4 that does not say case 1 and the severity is shown, and matches no row.
      {"000309CC514345450000000000000000", date_invalid + ", control 1, byte 4 X'51' does not agree" + stranger},
      {"000309CC994345450000000000000000", date_invalid + ", control 1, byte 4 X'99' does not agree" + stranger},
      {"00010D6A494345450000000000000000", "CEE3BA severity 1, message 3434, facility CEE, control 1" + stranger},
      {"0001000149FFFFFF0000000000000000", "condition severity 1, message 1, facility X'FFFFFF', control 1" + stranger},
      {"0004270F604F56580000000000000000",
       "OVX9OF severity 4, message 9999, facility OVX, control 0: ovx_not_supported"},
      {"0002000D51494741000000000000000", ""}, {"000100015100000000000000000000000", ""},  // not 32 digits
  };
  // clang-format on
  for (const auto& [hex, line] : cases) {
    const token_or_error t = token_from_text(hex, false);
    ASSERT_EQ(t.token.has_value(), !line.empty()) << hex << ": " << t.error;
    if (!t.token) continue;
    EXPECT_EQ(describe(decode_condition(*t.token)), line) << hex;
    EXPECT_EQ(decode_condition(*t.token).hex, hex);
  }
}

}  // namespace
}  // namespace ovle::tool
