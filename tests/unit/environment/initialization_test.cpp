// OV-PIPI's first initialization and host detection, seen through the area a service attaches.
#include <unistd.h>

#include "common/ebcdic.hpp"
#include "common/platform/platform.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

using common::ov_le_external;
using off = common::ov_le_external::offset;

class Initialization : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    setenv("OVLE_CURRENT_DATE", "2026120515301234+0100", 1);
    platform::set_command_line("");
  }
  // Any service's first call initializes the environment.
  static void first_service_call() {
    ovle_int4 window;
    CEEQCEN(&window, nullptr);
  }
  static std::string ascii(std::span<const char> field) {
    return platform::ascii_from_ebcdic(std::string_view(field.data(), field.size()));
  }
  static std::string ascii_at(std::size_t offset, std::size_t width) { return ascii(area().field(offset, width)); }
};

TEST_F(Initialization, FirstServiceCallStoresTheFirstInitializationValues) {
  area().set_user_field(1, 77);
  first_service_call();
  const ov_le_external a = area();
  EXPECT_EQ(a.state(), '\xE8');
  EXPECT_EQ(a.host_code(), '\xC2') << "host B by default";
  EXPECT_EQ(ascii(a.init_date_time()), "2026120515301234+0100");
  EXPECT_EQ(a.country_count(), 1);
  EXPECT_EQ(ascii(a.country(1)), "  ");
  EXPECT_EQ(a.language_count(), 1);
  EXPECT_EQ(ascii_at(off::language_number, 2), "00");
  EXPECT_EQ(ascii_at(off::century_window, 6), "804619") << "window 80, first year 1946";
  EXPECT_EQ(ascii_at(off::gmt_sign, 5), " 0000");
  EXPECT_EQ(ascii(a.parameter_string()), std::string(100, ' '));
  EXPECT_EQ(a.user_field(1), 0);
  EXPECT_EQ(a.user_field(2), 0);
  EXPECT_EQ(ascii_at(off::heap_initial, 34), "0003276800032768000000819200004096");
  EXPECT_EQ(a.heap0_initial(), 32768);
  EXPECT_EQ(a.heap0_increment(), 32768);
  EXPECT_EQ(std::string(a.at(off::slot_count), 2), std::string("\x00\x0C", 2));
  EXPECT_FALSE(a.host_is_ide_host());
  EXPECT_FALSE(a.ide_link_up());
}

TEST_F(Initialization, CenturyWindowStartsEightyYearsBeforeTheInitializationYear) {
  const struct {
    const char* now;
    const char* window;
  } cases[] = {{"2026", "804619"}, {"2080", "800020"}, {"2079", "809919"}, {"2000", "802019"}, {"1999", "801919"}};
  for (const auto& c : cases) {
    platform::testing::clear_external_areas();
    setenv("OVLE_CURRENT_DATE", (std::string(c.now) + "010100000000+0000").c_str(), 1);
    first_service_call();
    EXPECT_EQ(ascii_at(off::century_window, 6), c.window) << c.now;
  }
}

TEST_F(Initialization, HostEditionFollowsTheOperatingSystemType) {
  platform::testing::ide_link_setup up;
  up.loadable = true;
  up.is_up_rc = 0;
  platform::testing::ide_link_setup down = up;
  down.is_up_rc = 1;
  const struct {
    const char* ostype;
    const platform::testing::ide_link_setup* link;
    char host;
    bool ide_host;
    bool link_up;
  } cases[] = {
      {nullptr, nullptr, '\xC2', false, false}, {"1", nullptr, '\xC2', false, false},
      {"2", nullptr, '\xD8', false, false},     {"3", nullptr, '\xC8', true, false},
      {"4", &up, '\xC8', true, true},           {"3", &down, '\xC8', true, false},
      {"2", &up, '\xD8', false, false},         {"0", nullptr, '\x40', false, false},
  };
  for (const auto& c : cases) {
    platform::testing::clear_external_areas();
    if (c.ostype) setenv("OVLE_OSTYPE", c.ostype, 1);
    else unsetenv("OVLE_OSTYPE");
    if (c.link) platform::testing::set_ide_link(*c.link);
    else platform::testing::reset_ide_link();
    first_service_call();
    EXPECT_EQ(area().host_code(), c.host) << (c.ostype ? c.ostype : "unset");
    EXPECT_EQ(area().host_is_ide_host(), c.ide_host) << (c.ostype ? c.ostype : "unset");
    EXPECT_EQ(area().ide_link_up(), c.link_up) << (c.ostype ? c.ostype : "unset");
    EXPECT_EQ(area().state(), '\xE8');
  }
}

TEST_F(Initialization, UnrecognizedPlatformStopsTheRunUnit) {
  setenv("OVLE_OSTYPE", "7", 1);
  EXPECT_EXIT(
      {
        platform::testing::capture_console(nullptr);
        dup2(2, 1);  // the console line goes where the death test can read it
        first_service_call();
      },
      ::testing::ExitedWithCode(16), "Unknown Platform");
}

TEST_F(Initialization, FunctionCodeTwoSelectsTheSmallHeapDefaults) {
  const struct {
    std::int16_t function;
    const char* heap;
    std::int32_t binary;
  } cases[] = {{2, "0000409600004096000000409600004096", 4096},
               {3, "0003276800032768000000819200004096", 32768},
               {7, "0003276800032768000000819200004096", 32768}};
  for (const auto& c : cases) {
    platform::testing::clear_external_areas();
    const ovle_int2 function = test::int2(c.function);
    OV0PIPI(&function, nullptr, nullptr);
    EXPECT_EQ(ascii_at(off::heap_initial, 34), c.heap) << c.function;
    EXPECT_EQ(area().heap0_initial(), c.binary) << c.function;
  }
}

TEST_F(Initialization, InitializedAreaIsLeftAlone) {
  first_service_call();
  area().set_user_field(2, 5);
  OV0PIPI(nullptr, nullptr, nullptr);
  first_service_call();
  EXPECT_EQ(area().user_field(2), 5);
}

TEST_F(Initialization, ParameterStringFromParmTheUserPartOrTheCommandLine) {
  // An unrecognized host reads PARM; hosts B and Q take the command line when nothing else set it.
  setenv("OVLE_OSTYPE", "0", 1);
  setenv("PARM", "DEBUG=1", 1);
  first_service_call();
  EXPECT_EQ(ascii(area().parameter_string()), "DEBUG=1" + std::string(93, ' '));

  platform::testing::clear_external_areas();
  unsetenv("OVLE_OSTYPE");
  platform::set_command_line("RUN ONE");
  first_service_call();
  EXPECT_EQ(ascii(area().parameter_string()), "RUN ONE" + std::string(93, ' '));
  EXPECT_EQ(platform::command_line(), "RUN ONE" + std::string(93, ' '));

  platform::testing::clear_external_areas();
  const ovle_vstring user = test::vstring(platform::ebcdic_from_ascii("ABC"));
  OV0PIPI(nullptr, nullptr, &user);
  EXPECT_EQ(ascii(area().parameter_string()), "ABC" + std::string(97, ' '));
}

}  // namespace
}  // namespace ovle
