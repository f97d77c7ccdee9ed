// OVLEINIT: host detection, the two switches, the split of the command-line text, re-initialization.
#include <unistd.h>

#include "environment/initialization.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

using common::ov_le_external;

TEST(CommandTextSplit, SlashSeparatesUserParametersAndRuntimeOptions) {
  const environment::split_switches both_on{true, true}, options_first{true, false}, no_pass{false, false};
  const struct {
    std::string_view text;
    std::int32_t function;
    environment::split_switches switches;
    std::string_view options;
    std::string_view user;
  } cases[] = {
      {"ABC/RPTOPTS(ON)", 0, both_on, "RPTOPTS(ON)", "ABC"},
      {"A/B/C", 0, both_on, "C", "A/B"},
      {"RPTOPTS(ON)/ABC", 0, options_first, "RPTOPTS(ON)", "ABC"},
      {"A/B/C", 0, options_first, "A", "B/C"},
      {"ABC", 0, both_on, "", "ABC"},
      {"ABC", 0, options_first, "", "ABC"},
      {"A/B/C", 0, no_pass, "C", "A/B"},
      {"A/B/C", 1, both_on, "A", "B/C"},
      {"/", 0, both_on, "", ""},
      {"", 0, both_on, "", ""},
      {"X/", 1, both_on, "X", ""},
  };
  for (const auto& c : cases) {
    const auto parts = environment::split_command_text(c.text, c.function, c.switches);
    EXPECT_EQ(parts.runtime_options, c.options) << c.text << " function " << c.function;
    EXPECT_EQ(parts.user_parameters, c.user) << c.text << " function " << c.function;
  }
}

// What OVLEINIT handed to OV-PIPI.
struct handed {
  int calls = 0;
  std::optional<std::int16_t> function;
  std::optional<std::string> options, user;
};
handed last_handed;

int recording_initializer(const ovle_int2* f, const ovle_vstring* o, const ovle_vstring* u) noexcept {
  ++last_handed.calls;
  last_handed.function = f ? std::optional(ovle_int2_get(f)) : std::nullopt;
  last_handed.options = o ? std::optional(platform::ascii_from_ebcdic(test::text_of(*o))) : std::nullopt;
  last_handed.user = u ? std::optional(platform::ascii_from_ebcdic(test::text_of(*u))) : std::nullopt;
  return OV0PIPI(f, o, u);
}

class Ovleinit : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    last_handed = {};
    platform::set_command_line("");
    platform::testing::replace_program("OV-PIPI", reinterpret_cast<platform::program_address>(&recording_initializer));
  }
  std::string call(std::int32_t function, std::string_view text) {
    const ovle_vstring in = test::vstring(text);
    ovle_vstring out = test::vstring("untouched");
    EXPECT_EQ(OVLEINIT(&function, &in, &out), 0);
    return test::text_of(out);
  }
  static void ide_host(int pass_through, int user_first) {
    setenv("OVLE_OSTYPE", "3", 1);
    platform::testing::ide_link_setup link;
    link.loadable = true;
    link.is_up_rc = 0;
    link.int_settings = {{8391, pass_through}, {8377, user_first}};
    platform::testing::set_ide_link(link);
    platform::testing::set_le370_reachable(true);
  }
};

TEST_F(Ovleinit, UserParametersFirstOnAHostWithBothSwitchesOn) {
  EXPECT_EQ(call(0, "ABC/RPTOPTS(ON)"), "ABC");
  EXPECT_EQ(last_handed.calls, 1);
  EXPECT_EQ(last_handed.function, 0);
  EXPECT_EQ(last_handed.options, "RPTOPTS(ON)");
  EXPECT_EQ(last_handed.user, "ABC");
  EXPECT_EQ(area().state(), ov_le_external::initialized);
  EXPECT_EQ(platform::ascii_from_ebcdic(std::string_view(area().parameter_string().data(), 3)), "ABC");
  EXPECT_EQ(call(0, "A/B/C"), "A/B");
  EXPECT_EQ(last_handed.options, "C");
}

TEST_F(Ovleinit, FunctionOneReturnsTheTextAsReceived) {
  EXPECT_EQ(call(1, "A/B/C"), "A/B/C");
  EXPECT_EQ(last_handed.options, "A");
  EXPECT_EQ(last_handed.user, "B/C");
}

TEST_F(Ovleinit, IdeSettingsChooseTheSwitches) {
  ide_host(1, 0);
  EXPECT_EQ(call(0, "RPTOPTS(ON)/ABC"), "ABC");
  EXPECT_EQ(last_handed.options, "RPTOPTS(ON)");
  EXPECT_EQ(call(0, "A/B/C"), "B/C");
  EXPECT_EQ(last_handed.options, "A");
  const auto calls = platform::testing::ide_link_calls();
  EXPECT_EQ(calls[2], 2) << "connect once per OVLEINIT";
  EXPECT_EQ(calls[3], 4) << "settings 8391 and 8377 each time";
  EXPECT_EQ(calls[5], 2);
  EXPECT_EQ(calls[6], 2);
}

TEST_F(Ovleinit, WithoutPassThroughNothingReachesTheInitializer) {
  ide_host(0, 1);
  EXPECT_EQ(call(0, "A/B/C"), "A/B");
  EXPECT_EQ(last_handed.calls, 0);
  EXPECT_EQ(area().state(), ov_le_external::reinit_requested);
  EXPECT_EQ(platform::testing::ide_link_calls()[3], 1) << "8377 is not asked when pass-through is off";
  ovle_int4 window;
  CEEQCEN(&window, nullptr);  // the next service call initializes
  EXPECT_EQ(area().state(), ov_le_external::initialized);
}

TEST_F(Ovleinit, IdeLinkDownOrMissingLeavesBothSwitchesOff) {
  setenv("OVLE_OSTYPE", "4", 1);
  platform::testing::ide_link_setup down;
  down.loadable = true;
  for (const auto& link : {down, platform::testing::ide_link_setup{}}) {
    platform::testing::set_ide_link(link);
    EXPECT_EQ(call(0, "A/B"), "A");
    EXPECT_EQ(last_handed.calls, 0);
  }
}

TEST_F(Ovleinit, FunctionTwoReinitializesAtOnceOnlyWithPassThrough) {
  const std::int32_t two = 2;
  ovle_vstring out = test::vstring("keep");
  ovle_int4 window;
  CEEQCEN(&window, nullptr);
  area().set_user_field(1, 9);
  EXPECT_EQ(OVLEINIT(&two, nullptr, &out), 0);
  EXPECT_EQ(area().state(), ov_le_external::initialized);
  EXPECT_EQ(area().user_field(1), 0) << "fresh first-initialization values";
  EXPECT_EQ(last_handed.function, 2);
  EXPECT_FALSE(last_handed.options.has_value());
  EXPECT_EQ(test::text_of(out), "keep");
  EXPECT_EQ(area().heap0_initial(), 4096) << "function 2 selects the small HEAP defaults";

  ide_host(0, 0);
  EXPECT_EQ(OVLEINIT(&two, nullptr, nullptr), 0);
  EXPECT_EQ(area().state(), ov_le_external::reinit_requested);
  CEEQCEN(&window, nullptr);
  EXPECT_EQ(area().state(), ov_le_external::initialized);
}

TEST_F(Ovleinit, QuillWorksNeedsTheHostProgramToPassTheTextOn) {
  setenv("OVLE_OSTYPE", "2", 1);
  EXPECT_EQ(call(0, "A/B"), "A");
  EXPECT_EQ(last_handed.calls, 0) << "LE370.LBR cannot be reached";
  platform::testing::set_le370_reachable(true);
  EXPECT_EQ(call(0, "A/B"), "A");
  EXPECT_EQ(last_handed.calls, 1);
}

TEST_F(Ovleinit, TestPlatformNamesTheHostWhenTheTypeIsUnknown) {
  setenv("OVLE_OSTYPE", "9", 1);
  // OV-PIPI's own detection would stop the run on this type; only OVLEINIT's is looked at here.
  platform::testing::set_unreachable("OV-PIPI", true);
  const std::int32_t zero = 0;
  const ovle_vstring text = test::vstring("A");
  const struct {
    const char* length;
    const char* platform;
    char host;
  } cases[] = {{nullptr, "QW", '\x40'}, {"20", "BF", '\xC2'}, {"20", "QW", '\xD8'}, {"20", "HCN", '\xC8'}};
  for (const auto& c : cases) {
    if (c.length) setenv("OVLE_OSINFO_LENGTH", c.length, 1);
    setenv("LETESTPLATFORM", c.platform, 1);
    OVLEINIT(&zero, &text, nullptr);
    EXPECT_EQ(area().host_code(), c.host) << c.platform;
  }
  setenv("LETESTPLATFORM", "ZZ", 1);
  EXPECT_EXIT(
      {
        platform::testing::capture_console(nullptr);
        dup2(2, 1);
        OVLEINIT(&zero, &text, nullptr);
      },
      ::testing::ExitedWithCode(16), "No LE test platform set");
}

TEST_F(Ovleinit, LongOrMissingArgumentsAreSafe) {
  EXPECT_EQ(call(0, std::string(150, 'x') + "/Y"), std::string(100, 'x')) << "only 100 characters are read";
  EXPECT_EQ(OVLEINIT(nullptr, nullptr, nullptr), 0);
  const std::int32_t zero = 0;
  EXPECT_EQ(OVLEINIT(&zero, nullptr, nullptr), 0);
}

}  // namespace
}  // namespace ovle
