// The product and parameter queries CEEGPID, CEE3PRM and CEE3USR, through their C entries.
#include "ovle_test.hpp"

namespace ovle {
namespace {

using test::view;

class Queries : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    platform::set_command_line("");
    platform::testing::set_command_arguments(&no_arguments);
  }
  void TearDown() override {
    platform::testing::set_command_arguments(nullptr);
    run_unit::TearDown();
  }
  // A new run unit on the host of that operating-system type, with the IDE link as given.
  void fresh_environment(const char* ostype, bool ide_up = false) {
    platform::testing::clear_external_areas();
    setenv("OVLE_OSTYPE", ostype, 1);
    platform::testing::ide_link_setup link;
    link.loadable = ide_up;
    link.is_up_rc = ide_up ? 0 : 1;
    platform::testing::set_ide_link(link);
    ovle_int4 window;
    CEEQCEN(&window, nullptr);
    console.clear();
  }
  const std::vector<std::string> no_arguments;
  const test::condition_view ok = view(ovle_feedback{});
};

// The same answer on every host; the banner with every call where settings come from the environment.
TEST_F(Queries, Ceegpid) {
  const std::tuple<const char*, bool, bool> cases[] = {
      {"1", false, false}, {"2", false, false}, {"3", true, false}, {"3", false, true}, {"0", false, true}};
  for (const auto& [ostype, ide_up, banner] : cases) {
    fresh_environment(ostype, ide_up);
    for (int call = 1; call <= 2; ++call) {
      ovle_int4 version = test::int4(-1), platform_id = test::int4(-1);
      ovle_feedback fc = test::dirty_feedback();
      EXPECT_EQ(CEEGPID(&version, &platform_id, &fc), 0);
      EXPECT_EQ(view(fc), ok);
      EXPECT_EQ(test::hex(&version, 4) + test::hex(&platform_id, 4), "0000008C00000003");
      EXPECT_EQ(console.size(), banner ? 7u * call : 0u) << ostype << " ide " << ide_up;
    }
  }
  ASSERT_EQ(console.size(), 14u);
  EXPECT_EQ(console[0], " * * * * * * * * * * * * * * * * * * * * * * * * *");
  EXPECT_EQ(console[2], " *       Orvane sets Version to 1.4.0            *");
  for (const auto& line : console) EXPECT_EQ(line.size(), 50u) << line;
}

TEST_F(Queries, Cee3prmReturnsEightyCharactersOfTheParameterString) {
  const std::vector<std::string> no_parameter = {
      "No Parameter detected by CEE3PRM",    "  Orvane Emulation cannot always",
      "  detect application parameters.",    "If this is not correct for this application,",
      "  use Vistrel to manually set the",   "  returned value from CEE3PRM and contact",
      "  Orvane support for information on", "  CEE3PRM enhancements."};
  const auto cut = test::ascii_condition(1, 3649, 1);
  const std::string a80(80, 'A'), b8(8, ' '), b40(40, ' ');
  // The area's parameter string, the command-line arguments (up to ten counted; an empty one is 100
  // blanks; leading blanks past 80 in all are a cut), whether the caller is EBCDIC; what it gets.
  const struct {
    std::string parm;
    std::vector<std::string> arguments;
    bool ebcdic;
    std::string out;
    test::condition_view condition;
  } cases[] = {
      {"HELLO", {}, false, "HELLO", ok},
      {a80 + "BBBBBBBBBB", {}, false, a80, cut},
      {a80, {}, false, a80, ok},
      {"", {}, false, "", ok},  // with the notice
      {"", {"x"}, false, "", ok},
      {a80 + "B", {"HELLO"}, true, a80, {1, 3649, 0x49, "\xC3\xC5\xC5", true}},
      {"P", {b40 + " a", b40 + "b"}, false, "P", cut},
      {"P", {b40 + "a", b40 + "b"}, false, "P", ok},
      {"P", {""}, false, "P", cut},
      {"P", std::vector<std::string>(11, b8 + "x"), false, "P", ok},
      {"P", std::vector<std::string>(10, b8 + " x"), false, "P", cut},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.parm.substr(0, 10) + " arguments " + std::to_string(c.arguments.size()));
    fresh_environment("1");
    common::store_padded(area().parameter_string().data(), 100, platform::ebcdic_from_ascii(c.parm), '\x40');
    platform::testing::set_command_arguments(&c.arguments);
    c.ebcdic ? ebcdic_caller() : platform::testing::reset_caller_chain();
    char out[82];
    std::memset(out, '#', sizeof out);
    ovle_feedback fc = test::dirty_feedback();
    EXPECT_EQ(CEE3PRM(out, &fc), 0);
    std::string expected = c.out;
    expected.resize(80, ' ');
    EXPECT_EQ(std::string(out, 82), (c.ebcdic ? platform::ebcdic_from_ascii(expected) : expected) + "##");
    EXPECT_EQ(view(fc), c.condition);
    EXPECT_EQ(console, c.parm.empty() && c.arguments.empty() ? no_parameter : std::vector<std::string>{});
  }
}

TEST_F(Queries, Cee3usrSetsAndQueriesTheTwoUserFields) {
  const auto bad_function = test::ascii_condition(3, 3900, 1), bad_field = test::ascii_condition(3, 3901, 1);
  // Function, field, value in; value out; condition; the user fields afterwards.
  const struct {
    std::int32_t function, field, value, out;
    test::condition_view condition;
    std::int32_t field1, field2;
  } steps[] = {
      {1, 2, 0x12345678, 0x12345678, ok, 0, 0x12345678},
      {2, 2, 0, 0x12345678, ok, 0, 0x12345678},
      {2, 1, 7, 0, ok, 0, 0x12345678},
      {1, 1, -1, -1, ok, -1, 0x12345678},
      {3, 9, 5, 5, bad_function, -1, 0x12345678},
      {1, 3, 5, 5, bad_field, -1, 0x12345678},
      {0, 1, 5, 5, bad_function, -1, 0x12345678},
      {2, 0, 5, 5, bad_field, -1, 0x12345678},
  };
  fresh_environment("1");
  for (const auto& s : steps) {
    const ovle_int4 function = test::int4(s.function), field = test::int4(s.field);
    ovle_int4 value = test::int4(s.value);
    ovle_feedback fc = test::dirty_feedback();
    EXPECT_EQ(CEE3USR(&function, &field, &value, &fc), 0);
    EXPECT_EQ(std::tuple(ovle_int4_get(&value), view(fc), area().user_field(1), area().user_field(2)),
              std::tuple(s.out, s.condition, s.field1, s.field2))
        << s.function << " " << s.field;
  }
  // A request that is not valid leaves a new environment uninitialized; a valid one initializes it.
  platform::testing::clear_external_areas();
  const ovle_int4 three = test::int4(3), one = test::int4(1), two = test::int4(2);
  ovle_int4 value = test::int4(0);
  CEE3USR(&three, &one, &value, nullptr);
  EXPECT_FALSE(area().is_initialized());
  CEE3USR(&two, &one, &value, nullptr);
  EXPECT_TRUE(area().is_initialized());
}

}  // namespace
}  // namespace ovle
