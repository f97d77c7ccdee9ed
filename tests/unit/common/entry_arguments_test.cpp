// The argument table: how a line reads, which lines are refused, and what holds over every entry.
#include "common/entry_arguments.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "common/platform/platform.hpp"

namespace ovle::common {
namespace {

using kind = argument_kind;
using dir = argument_direction;

struct expected_argument {
  std::string_view name;
  argument_kind kind;
  argument_direction direction;
  std::size_t size;
  bool optional;
  std::size_t storage;
};

TEST(EntryArguments, LinesReadAsTheirArguments) {
  const std::vector<std::pair<std::string_view, std::vector<expected_argument>>> cases = {
      {"date:vstring(80):in picture:vstring(100):in lilian:int4:out fc:feedback",
       {{"date", kind::vstring, dir::in, 80, false, 82},
        {"picture", kind::vstring, dir::in, 100, false, 102},
        {"lilian", kind::int4, dir::out, 0, false, 4},
        {"fc", kind::feedback, dir::out, 0, false, 16}}},
      {"x:float8:in fc:feedback:out result:float4:out",
       {{"x", kind::float8, dir::in, 0, false, 8},
        {"fc", kind::feedback, dir::out, 0, false, 16},
        {"result", kind::float4, dir::out, 0, false, 4}}},
      {"  mode:native2:inout   n:native4:in  ",
       {{"mode", kind::native2, dir::inout, 0, false, 2}, {"n", kind::native4, dir::in, 0, false, 4}}},
      {"function:int2:in:optional text:text(255):in country:ebcdic(2):inout",
       {{"function", kind::int2, dir::in, 0, true, 2},
        {"text", kind::text, dir::in, 255, false, 255},
        {"country", kind::ebcdic, dir::inout, 2, false, 2}}},
      {"address:pointer:inout cond_token:token:in isi:bytes(8):out parm_2:unused(32767):in",
       {{"address", kind::pointer, dir::inout, 0, false, 8},
        {"cond_token", kind::token, dir::in, 0, false, 16},
        {"isi", kind::bytes, dir::out, 8, false, 8},
        {"parm_2", kind::unused, dir::in, 32767, false, 32767}}},
      {"", {}},
  };
  for (const auto& [text, expected] : cases) {
    const argument_list list = parse_arguments(text);
    ASSERT_EQ(list.size(), expected.size()) << text;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const argument_description& a = list[i];
      const expected_argument& e = expected[i];
      EXPECT_EQ(std::tuple(a.name, a.kind, a.direction, a.size, a.optional, a.storage_size()),
                std::tuple(e.name, e.kind, e.direction, e.size, e.optional, e.storage))
          << text << " " << e.name;
    }
  }
}

// In the build a malformed line stops the compilation at the throw; read at run time, the same
// line throws the reason.
TEST(EntryArguments, MalformedLinesAreRefusedWithTheirReason) {
  std::string seventeen;
  for (int i = 0; i < 17; ++i) seventeen += "a" + std::to_string(i) + ":int4:in ";
  // clang-format off
  const std::vector<std::pair<std::string, std::string_view>> cases = {
      {":int4:in", "without a name"}, {"Date:int4:in", "lower case"}, {"x", "unknown argument type"},
      {"x:int8:in", "unknown argument type"}, {"x:vstring:in", "need (n)"}, {"x:int4(4):in", "need (n)"},
      {"x:text(0):in", "1 to 32767"}, {"x:text(32768):in", "1 to 32767"}, {"x:text(4x):in", "decimal number"},
      {"x:text(4:in", "type(n)"}, {"x:text():in", "type(n)"}, {"x:int4", "in, out or inout"},
      {"x:int4:sideways", "in, out or inout"}, {"fc:feedback:in", "feedback code is out"},
      {"x:int4:in:maybe", "only flag"}, {"x:int4:in:optional:more", "too many fields"},
      {"x:int4:in x:int2:out", "a name twice"}, {"a:feedback b:feedback", "two feedback codes"},
      {seventeen, "too many arguments"},
  };
  // clang-format on
  for (const auto& [text, reason] : cases) {
    std::string thrown = "(nothing thrown)";
    try {
      parse_arguments(text);
    } catch (const char* why) {
      thrown = why;
    }
    EXPECT_NE(thrown.find(reason), std::string::npos) << text << " threw: " << thrown;
  }
}

// What the compile-time checks cannot see: names shared across entries, and the table in step
// with the call-by-name registry.
TEST(EntryArguments, EveryEntryIsFoundByItsOwnNamesOnly) {
  ASSERT_EQ(std::size(entry_table), platform::program_count);
  for (std::size_t i = 0; i < std::size(entry_table); ++i) {
    const entry_description& e = entry_table[i];
    EXPECT_EQ(find_entry(e.symbol), &e) << e.symbol;
    EXPECT_EQ(find_entry(e.call_name), &e) << e.call_name;
    EXPECT_EQ(platform::program_index(e.call_name), i) << e.call_name;
    // The feedback code, when there is one, is the only argument of its kind.
    std::size_t feedback_codes = 0;
    for (const argument_description& a : *e.arguments) feedback_codes += a.kind == argument_kind::feedback;
    EXPECT_LE(feedback_codes, 1u) << e.symbol;
    EXPECT_EQ(e.arguments->feedback_index() < e.arguments->size(), feedback_codes == 1) << e.symbol;
  }
  EXPECT_EQ(find_entry("NOSUCHENTRY"), nullptr);
}

}  // namespace
}  // namespace ovle::common
