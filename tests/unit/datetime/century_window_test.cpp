// CEESCEN and CEEQCEN: the century window in OV-LE-EXTERNAL, set and queried through the C entries.
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "ovle_test.hpp"

namespace {

using namespace ovle::test;
using ovle::common::ov_le_external;

void set_clock_year(int year) {
  const std::string stamp = std::to_string(year) + "120515300000+0000";
  setenv("OVLE_CURRENT_DATE", stamp.c_str(), 1);
}

// The window as the area holds it: the setting and the first year of the 100 years.
struct window {
  std::int64_t setting;
  std::int64_t first_year;
  friend bool operator==(const window&, const window&) = default;
  friend std::ostream& operator<<(std::ostream& os, const window& w) {
    return os << "{setting " << w.setting << ", first year " << w.first_year << '}';
  }
};

window area_window() {
  const ov_le_external a = ov_le_external::attach();
  return {a.digits(ov_le_external::offset::century_window, 2),
          a.digits(ov_le_external::offset::window_start_cc, 2) * 100 +
              a.digits(ov_le_external::offset::window_start_yy, 2)};
}

std::int32_t query(ovle_feedback* fc) {
  ovle_int4 out = int4(-99);
  CEEQCEN(&out, fc);
  return ovle_int4_get(&out);
}

void set(std::int32_t start, ovle_feedback* fc) {
  const ovle_int4 in = int4(start);
  CEESCEN(&in, fc);
}

TEST_F(run_unit, DefaultWindowStartsEightyYearsBack) {
  set_clock_year(2026);
  ovle_feedback fc = dirty_feedback();
  EXPECT_EQ(query(&fc), 80);
  EXPECT_TRUE(is_success(fc)) << view(fc);
  EXPECT_TRUE(area().is_initialized());
  EXPECT_EQ(area_window(), (window{80, 1946}));  // two-digit years 46..99 are 19xx, 00..45 are 20xx
}

TEST_F(run_unit, CeescenPlacesTheWindowBeforeTheCurrentYear) {
  struct case_ {
    int year;
    std::int32_t start;
    std::int32_t setting;
    std::int64_t first_year;
  };
  const case_ cases[] = {
      {2026, 0, 0, 2026},   {2026, 26, 26, 2000}, {2026, 25, 25, 2001}, {2026, 27, 27, 1999},
      {2026, 99, 99, 1927}, {2026, 100, 0, 2026}, {2026, 80, 80, 1946}, {2000, 80, 80, 1920},
      {2000, 0, 0, 2000},   {2000, 1, 1, 1999},   {2099, 99, 99, 2000}, {2100, 1, 1, 2099},
      {1999, 100, 0, 1999},
  };
  for (const case_& c : cases) {
    set_clock_year(c.year);
    ovle_feedback fc = dirty_feedback();
    set(c.start, &fc);
    EXPECT_TRUE(is_success(fc)) << c.start << ' ' << view(fc);
    EXPECT_EQ(area_window(), (window{c.setting, c.first_year})) << c.year << " with " << c.start;
    fc = dirty_feedback();
    EXPECT_EQ(query(&fc), c.setting);
    EXPECT_TRUE(is_success(fc)) << view(fc);
  }
}

TEST_F(run_unit, CeescenRejectsSettingsOutsideZeroToHundred) {
  set_clock_year(2026);
  set(26, nullptr);
  const std::int32_t outside[] = {101, -1, 1000, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max()};
  for (const std::int32_t start : outside) {
    ovle_feedback fc = dirty_feedback();
    set(start, &fc);
    EXPECT_EQ(view(fc), ascii_condition(3, 9999, 0, "OVX")) << start;
    EXPECT_EQ(area_window(), (window{26, 2000})) << start;
    EXPECT_EQ(query(nullptr), 26);
  }
  ebcdic_caller();
  ovle_feedback fc = dirty_feedback();
  set(101, &fc);
  EXPECT_EQ(view(fc), (condition_view{3, 9999, 0x58, "\xD6\xE5\xE7", true}));
}

TEST_F(run_unit, TheWindowFollowsTheClockWhenItIsSet) {
  set_clock_year(1999);
  EXPECT_EQ(query(nullptr), 80);
  EXPECT_EQ(area_window(), (window{80, 1919}));
  // The window is worked out when it is set, not when it is read.
  set_clock_year(2050);
  EXPECT_EQ(query(nullptr), 80);
  EXPECT_EQ(area_window(), (window{80, 1919}));
  set(80, nullptr);
  EXPECT_EQ(area_window(), (window{80, 1970}));
}

TEST_F(run_unit, CenturyServicesWithoutTheirArguments) {
  set_clock_year(2026);
  // Omitted feedback code: the work is done, the condition dropped.
  set(50, nullptr);
  EXPECT_EQ(query(nullptr), 50);
  EXPECT_EQ(area_window(), (window{50, 1976}));
  set(-7, nullptr);
  EXPECT_EQ(area_window(), (window{50, 1976}));

  ovle_feedback fc = dirty_feedback();
  CEESCEN(nullptr, &fc);
  EXPECT_EQ(view(fc), ascii_condition(4, 9999, 0, "OVX"));
  EXPECT_EQ(area_window(), (window{50, 1976}));
  fc = dirty_feedback();
  CEEQCEN(nullptr, &fc);
  EXPECT_EQ(view(fc), ascii_condition(4, 9999, 0, "OVX"));
  CEEQCEN(nullptr, nullptr);
}

TEST_F(run_unit, CeeqcenWithoutAnEnvironmentAnswersZero) {
  ovle::platform::testing::set_unreachable("OV-PIPI", true);
  ovle_feedback fc = dirty_feedback();
  EXPECT_EQ(query(&fc), 0);
  EXPECT_TRUE(is_success(fc)) << view(fc);
  EXPECT_FALSE(area().is_initialized());
}

}  // namespace
