// OV-PIPI's first initialization, host detection, and OVLEINIT's switches, split and re-initialization,
// read back byte by byte at their offsets in OV-LE-EXTERNAL.
#include <unistd.h>

#include "ovle_test.hpp"

namespace ovle {
namespace {

using common::ov_le_external;

// What OVLEINIT handed to OV-PIPI.
struct handed {
  int calls = 0;
  int ide_asks = 0;  // settings OVLEINIT had asked of the IDE by then
  std::optional<std::int16_t> function;
  std::optional<std::string> options, user;
} last_handed;

int recording_initializer(const ovle_int2* f, const ovle_vstring* o, const ovle_vstring* u) noexcept {
  const auto text = [](const ovle_vstring* v) { return platform::ascii_from_ebcdic(test::text_of(*v)); };
  last_handed = {last_handed.calls + 1, platform::testing::ide_link_calls()[3],
                 f ? std::optional(ovle_int2_get(f)) : std::nullopt, o ? std::optional(text(o)) : std::nullopt,
                 u ? std::optional(text(u)) : std::nullopt};
  return OV0PIPI(f, o, u);
}

class Environment : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    setenv("OVLE_CURRENT_DATE", "2026120515301234+0100", 1);
    platform::set_command_line("");
    platform::testing::replace_program("OV-PIPI", reinterpret_cast<platform::program_address>(&recording_initializer));
  }
  static void first_service_call() {
    ovle_int4 window;
    CEEQCEN(&window, nullptr);
  }
  static std::string ascii_at(std::size_t offset, std::size_t width) {
    return platform::ascii_from_ebcdic({reinterpret_cast<const char*>(area().bytes().data()) + offset, width});
  }
  static std::string hex_at(std::size_t offset, std::size_t width) { return test::hex(area().at(offset), width); }
  static std::string ovleinit(std::int32_t function, std::string_view text) {
    const ovle_vstring in = test::vstring(text);
    ovle_vstring out = test::vstring("untouched");
    EXPECT_EQ(OVLEINIT(&function, &in, &out), 0);
    return test::text_of(out);
  }
  // Host "H" whose IDE answers the pass-through (8391) and user-parameters-first (8377) settings.
  static void ide_host(int pass_through, int user_first, bool up = true, bool loadable = true) {
    setenv("OVLE_OSTYPE", "3", 1);
    platform::testing::ide_link_setup link;
    link.loadable = loadable;
    link.is_up_rc = up ? 0 : 1;
    link.int_settings = {{8391, pass_through}, {8377, user_first}};
    platform::testing::set_ide_link(link);
    platform::testing::set_le370_reachable(true);
  }
};

// What the settings table does not show: the time of initialization, the window, the heap record
// stream, and an area once initialized left alone. Hosts the settings table does not start: "Q"
// ignores an IDE that is up, type 4 is "H"; an unknown type stops the run.
TEST_F(Environment, FirstServiceCallStoresTheFirstInitializationValues) {
  area().set_user_field(1, 77);
  first_service_call();
  EXPECT_EQ(ascii_at(0, 23) + ascii_at(628, 8), "BY2026120515301234+010001804619")
      << "language 01, window 80 from 1946";
  EXPECT_EQ(hex_at(641, 10), std::string(20, '0')) << "user fields, no IDE host, no IDE link";
  // The heap record stream: one slot in use, heap 0 with no block, the first record at offset 4.
  EXPECT_EQ(hex_at(773, 14) + " " + hex_at(789, 18),
            "040000000000000000000000001C 000000000000000000000000F0F000000000");
  EXPECT_NE(area().stream_id(), 0);
  EXPECT_TRUE(console.empty());
  area().set_user_field(2, 5);
  OV0PIPI(nullptr, nullptr, nullptr);
  first_service_call();
  EXPECT_EQ(area().user_field(2), 5);

  platform::testing::ide_link_setup up;
  up.loadable = true;
  up.is_up_rc = 0;
  for (const auto& [ostype, expected] : {std::pair("2", "D8E8 0000"), std::pair("4", "C8E8 0101")}) {
    platform::testing::clear_external_areas();
    setenv("OVLE_OSTYPE", ostype, 1);
    platform::testing::set_ide_link(up);
    first_service_call();
    EXPECT_EQ(hex_at(0, 2) + " " + hex_at(649, 2), expected) << ostype;
  }
  platform::testing::clear_external_areas();
  setenv("OVLE_OSTYPE", "7", 1);  // the console line goes where the death test can read it
  EXPECT_EXIT((platform::testing::capture_console(nullptr), dup2(2, 1), first_service_call()),
              ::testing::ExitedWithCode(16), "Unknown Platform");
}

TEST_F(Environment, OvPipiReadsAtMostOneHundredCharactersOfEachText) {
  platform::testing::replace_program("OV-PIPI", nullptr);
  ovle_int2 function;
  ovle_int2_set(&function, 3);
  const std::string options = "RPTS(ON)" + std::string(92, ' ') + "RPTO(ON)";
  const ovle_vstring runtime_options = test::vstring(platform::ebcdic_from_ascii(options));
  const ovle_vstring user = test::vstring(platform::ebcdic_from_ascii(std::string(100, 'U') + "VWXYZ"));
  EXPECT_EQ(OV0PIPI(&function, &runtime_options, &user), 0);
  EXPECT_EQ(ascii_at(23, 100), std::string(100, 'U'));
  EXPECT_EQ(hex_at(690, 2), "F1F0") << "RPTSTG(ON) read, RPTOPTS(ON) beyond the 100th character not";
  EXPECT_TRUE(console.empty());
}

TEST_F(Environment, AHeapRecordStreamThatCannotOpenIsReported) {
  platform::testing::set_vfile_open_fails(true);
  first_service_call();
  EXPECT_EQ(area().stream_id(), 0);
  EXPECT_EQ(console, (std::vector<std::string>{"Dynamic Stream open failure", "HEAP usage not available"}));
}

TEST_F(Environment, OvleinitSplitsTheTextAsTheHostAndItsSwitchesSay) {
  enum host { b, h_user_first, h_options_first, h_no_pass, h_down, h_missing, q, q_le370 };
  const struct {
    host on;
    std::int32_t function;
    const char *text, *returned;
    const char *options, *user;  // handed to OV-PIPI; null when it was not called
    int ide_asks;                // settings asked of the IDE
  } cases[] = {
      {b, 0, "ABC/RPTOPTS(ON)", "ABC", "RPTOPTS(ON)", "ABC", 0},
      {b, 0, "A/B/C", "A/B", "C", "A/B", 0},
      {b, 0, "ABC", "ABC", "", "ABC", 0},
      {b, 0, "/", "", "", "", 0},
      {b, 1, "A/B/C", "A/B/C", "A", "B/C", 0},
      {b, 1, "X/", "X/", "X", "", 0},
      {h_options_first, 0, "RPTOPTS(ON)/ABC", "ABC", "RPTOPTS(ON)", "ABC", 2},
      {h_options_first, 0, "A/B/C", "B/C", "A", "B/C", 2},
      {h_options_first, 0, "ABC", "ABC", "", "ABC", 2},
      {h_user_first, 0, "A/B/C", "A/B", "C", "A/B", 2},
      {h_no_pass, 0, "A/B/C", "A/B", nullptr, nullptr, 1},
      {h_down, 0, "A/B", "A", nullptr, nullptr, 0},
      {h_missing, 0, "A/B", "A", nullptr, nullptr, 0},
      {q, 0, "A/B", "A", nullptr, nullptr, 0},
      {q_le370, 0, "A/B", "A", "B", "A", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.on) + " " + c.text);
    platform::testing::clear_external_areas();
    platform::testing::set_le370_reachable(c.on == q_le370);
    last_handed = {};
    setenv("OVLE_OSTYPE", c.on == q || c.on == q_le370 ? "2" : "1", 1);
    if (c.on == h_user_first || c.on == h_options_first || c.on == h_no_pass) {
      ide_host(c.on != h_no_pass, c.on != h_options_first);
    }
    if (c.on == h_down || c.on == h_missing) ide_host(1, 1, false, c.on == h_down);
    EXPECT_EQ(ovleinit(c.function, c.text), c.returned);
    EXPECT_EQ(c.options ? last_handed.ide_asks : platform::testing::ide_link_calls()[3], c.ide_asks);
    EXPECT_EQ(last_handed.calls, c.options ? 1 : 0);
    EXPECT_EQ(area().state(), c.options ? ov_le_external::initialized : ov_le_external::reinit_requested);
    if (c.options) {
      EXPECT_EQ(last_handed.function, c.function);
      EXPECT_EQ(*last_handed.options + "|" + *last_handed.user, std::string(c.options) + "|" + c.user);
      EXPECT_EQ(ascii_at(23, 100), (c.user + std::string(100, ' ')).substr(0, 100));
    }
  }
  EXPECT_EQ(ovleinit(0, std::string(150, 'x') + "/Y"), std::string(100, 'x')) << "only 100 characters are read";
  EXPECT_EQ(OVLEINIT(nullptr, nullptr, nullptr), 0);
  const std::int32_t zero = 0;
  EXPECT_EQ(OVLEINIT(&zero, nullptr, nullptr), 0);
}

TEST_F(Environment, OvleinitFunctionTwoReinitializesAtOnceOnlyWithPassThrough) {
  const std::int32_t two = 2;
  ovle_vstring out = test::vstring("keep");
  first_service_call();
  area().set_user_field(1, 9);
  EXPECT_EQ(OVLEINIT(&two, nullptr, &out), 0);
  EXPECT_EQ(area().state(), ov_le_external::initialized);
  EXPECT_EQ(area().user_field(1), 0) << "fresh first-initialization values";
  EXPECT_EQ(last_handed.function, 2);
  EXPECT_FALSE(last_handed.options.has_value());
  EXPECT_EQ(test::text_of(out), "keep");
  ide_host(0, 0);
  EXPECT_EQ(OVLEINIT(&two, nullptr, nullptr), 0);
  EXPECT_EQ(area().state(), ov_le_external::reinit_requested);
  first_service_call();  // the next service call initializes
  EXPECT_EQ(area().state(), ov_le_external::initialized);
}

TEST_F(Environment, OvleinitTestPlatformNamesTheHostWhenTheTypeIsUnknown) {
  setenv("OVLE_OSTYPE", "9", 1);
  platform::testing::set_unreachable("OV-PIPI", true);  // whose own detection would stop the run on this type
  const std::int32_t zero = 0;
  const ovle_vstring text = test::vstring("A");
  const std::tuple<const char*, const char*, char> cases[] = {
      {"28", "QW", '\x40'}, {"20", "BF", '\xC2'}, {"20", "QW", '\xD8'}, {"20", "HCN", '\xC8'}};
  for (const auto& [length, test_platform, host] : cases) {
    setenv("OVLE_OSINFO_LENGTH", length, 1);
    setenv("LETESTPLATFORM", test_platform, 1);
    OVLEINIT(&zero, &text, nullptr);
    EXPECT_EQ(area().host_code(), host) << test_platform;
  }
  setenv("LETESTPLATFORM", "ZZ", 1);
  EXPECT_EXIT((platform::testing::capture_console(nullptr), dup2(2, 1), OVLEINIT(&zero, &text, nullptr)),
              ::testing::ExitedWithCode(16), "No LE test platform set");
}

}  // namespace
}  // namespace ovle
