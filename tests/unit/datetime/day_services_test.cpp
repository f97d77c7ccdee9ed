// CEEDYWK, LILFUDGE and PICFUDGE through their C entries, as callers see them.
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "early_period_tables.hpp"
#include "ovle_test.hpp"

namespace {

using namespace ovle::test;
namespace early = ovle::test::early_period;

constexpr std::int32_t lilian_max = 3'074'324;

int pipi_calls = 0;
extern "C" int counting_pipi(const ovle_int2* f, const ovle_vstring* o, const ovle_vstring* u) noexcept {
  ++pipi_calls;
  return OV0PIPI(f, o, u);
}

std::int32_t day_of_week(std::int32_t lilian, ovle_feedback* fc) {
  const ovle_int4 in = int4(lilian);
  ovle_int4 out = int4(-99);
  CEEDYWK(&in, &out, fc);
  return ovle_int4_get(&out);
}

TEST_F(run_unit, CeedywkNumbersDaysFromSundayAndNeverInitializes) {
  pipi_calls = 0;
  ovle::platform::testing::replace_program("OV-PIPI", reinterpret_cast<ovle::platform::program_address>(&counting_pipi));
  struct case_ {
    std::int32_t lilian;
    std::int32_t day;
  };
  const case_ days[] = {{1, 6},      {2, 7},      {3, 1},      {4, 2},          {6653, 1},
                        {6654, 2},   {152385, 7}, {155076, 3}, {lilian_max, 6}, {lilian_max - 1, 5}};
  for (const case_& c : days) {
    ovle_feedback fc = dirty_feedback();
    EXPECT_EQ(day_of_week(c.lilian, &fc), c.day) << c.lilian;
    EXPECT_TRUE(is_success(fc)) << c.lilian << ' ' << view(fc);
  }
  ebcdic_caller();
  ovle_feedback fc = dirty_feedback();
  EXPECT_EQ(day_of_week(1, &fc), 6);
  EXPECT_TRUE(is_success(fc)) << view(fc);
  EXPECT_EQ(pipi_calls, 0);
  EXPECT_FALSE(area().is_initialized());
}

TEST_F(run_unit, CeedywkRejectsDaysOutsideTheCalendar) {
  const std::int32_t outside[] = {0, -1, lilian_max + 1, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max()};
  for (const std::int32_t lilian : outside) {
    ovle_feedback fc = dirty_feedback();
    EXPECT_EQ(day_of_week(lilian, &fc), 0) << lilian;
    EXPECT_EQ(view(fc), ascii_condition(3, 2512, 1)) << lilian;
  }
  // An EBCDIC caller finds the facility ID in EBCDIC.
  ebcdic_caller();
  ovle_feedback fc = dirty_feedback();
  EXPECT_EQ(day_of_week(0, &fc), 0);
  EXPECT_EQ(view(fc), (condition_view{3, 2512, 0x59, "\xC3\xC5\xC5", true}));
  // A condition with the feedback code omitted is dropped; the output still says 0.
  EXPECT_EQ(day_of_week(-5, nullptr), 0);
  EXPECT_EQ(day_of_week(6654, nullptr), 2);
}

TEST_F(run_unit, CeedywkWithoutItsArguments) {
  ovle_feedback fc = dirty_feedback();
  ovle_int4 out = int4(-99);
  CEEDYWK(nullptr, &out, &fc);
  EXPECT_EQ(ovle_int4_get(&out), 0);
  EXPECT_EQ(view(fc), ascii_condition(4, 9999, 0, "OVX"));

  fc = dirty_feedback();
  const ovle_int4 in = int4(1);
  CEEDYWK(&in, nullptr, &fc);
  EXPECT_EQ(view(fc), ascii_condition(4, 9999, 0, "OVX"));

  CEEDYWK(nullptr, nullptr, nullptr);  // nothing to write through, nothing to report
}

TEST_F(run_unit, CeedywkAgreesWithTheCalendarOnEveryDay) {
  ovle_feedback fc;
  ovle_int4 in;
  ovle_int4 out;
  std::int32_t expected = 6;  // Friday 15 October 1582
  for (std::int32_t lilian = 1; lilian <= lilian_max; ++lilian) {
    ovle_int4_set(&in, lilian);
    CEEDYWK(&in, &out, &fc);
    ASSERT_EQ(ovle_int4_get(&out), expected) << lilian;
    ASSERT_EQ(fc.case_severity_control, 0) << lilian;
    expected = expected % 7 + 1;
  }
}

// LILFUDGE's three outputs, decoded from the EBCDIC digits it writes.
struct lilfudge_out {
  std::string gregorian, julian, weekday;
};

std::string ascii(const char* bytes, std::size_t n) { return ovle::platform::ascii_from_ebcdic({bytes, n}); }

lilfudge_out lilfudge(std::int32_t lilian) {
  const ovle_int4 in = int4(lilian);
  std::array<char, 8> g;
  std::array<char, 7> j;
  char w = 'x';
  g.fill('x');
  j.fill('x');
  LILFUDGE(&in, g.data(), j.data(), &w);
  return {ascii(g.data(), 8), ascii(j.data(), 7), ascii(&w, 1)};
}

std::int32_t picfudge(std::string_view gregorian, std::string_view julian, char type) {
  ovle_int4 out = int4(-99);
  const std::string g = ovle::platform::ebcdic_from_ascii(gregorian);
  const std::string j = ovle::platform::ebcdic_from_ascii(julian);
  const std::string t = ovle::platform::ebcdic_from_ascii(std::string(1, type));
  PICFUDGE(&out, g.data(), j.data(), t.data());
  return ovle_int4_get(&out);
}

std::string digits(std::int32_t value, int width) {
  std::string s = std::to_string(value);
  return std::string(static_cast<std::size_t>(width) - s.size(), '0') + s;
}

TEST_F(run_unit, PicfudgeReadsTheArgumentItsTypeNames) {
  // Just outside the window (every day inside it is checked against the tables below).
  EXPECT_EQ(picfudge("16010101", "0000000", 'G'), 0);
  EXPECT_EQ(picfudge("15821014", "0000000", 'G'), 0);
  EXPECT_EQ(picfudge("00000000", "1601001", 'J'), 0);
  EXPECT_EQ(picfudge("00000000", "1582287", 'J'), 0);
  // The type picks the argument that is read.
  EXPECT_EQ(picfudge("15830101", "1600366", 'G'), 79);
  EXPECT_EQ(picfudge("15830101", "1600366", 'J'), 6653);
  EXPECT_EQ(picfudge("15830101", "1583001", 'X'), 0);
  EXPECT_EQ(picfudge("15830101", "1583001", 'g'), 0);
  // Not digits, and digits that are no date.
  EXPECT_EQ(picfudge("1583 101", "1583001", 'G'), 0);
  EXPECT_EQ(picfudge("15830101", "15830 1", 'J'), 0);
  EXPECT_EQ(picfudge("15830229", "0000000", 'G'), 0);
  EXPECT_EQ(picfudge("00000000", "1583366", 'J'), 0);
}

TEST_F(run_unit, EarlyPeriodConvertersMatchTheirTablesOnEveryDay) {
  for (std::int32_t lilian = -1; lilian <= 6655; ++lilian) {
    const early::lilfudge_result t = early::lilfudge(lilian);
    const lilfudge_out out = lilfudge(lilian);
    ASSERT_EQ(out.gregorian, digits(t.gregorian, 8)) << lilian;
    ASSERT_EQ(out.julian, digits(t.julian, 7)) << lilian;
    ASSERT_EQ(out.weekday, digits(t.weekday, 1)) << lilian;
    if (t.gregorian == 0) continue;
    ASSERT_EQ(picfudge(out.gregorian, "0000000", 'G'), early::picfudge_gregorian(t.gregorian)) << out.gregorian;
    ASSERT_EQ(picfudge("00000000", out.julian, 'J'), early::picfudge_julian(t.julian)) << out.julian;
  }
}

TEST_F(run_unit, EarlyPeriodConvertersStayOutOfTheFrame) {
  // ASCII caller or EBCDIC caller, the digits are the library's own (EBCDIC); no area is set up.
  const ovle_int4 in = int4(79);
  std::array<char, 8> g{};
  std::array<char, 7> j{};
  char w = 0;
  LILFUDGE(&in, g.data(), j.data(), &w);
  EXPECT_EQ(std::string(g.data(), 8), "\xF1\xF5\xF8\xF3\xF0\xF1\xF0\xF1");
  ebcdic_caller();
  LILFUDGE(&in, g.data(), j.data(), &w);
  EXPECT_EQ(std::string(j.data(), 7), "\xF1\xF5\xF8\xF3\xF0\xF0\xF1");
  EXPECT_EQ(w, '\xF6');
  EXPECT_FALSE(area().is_initialized());

  // Missing arguments are skipped; what is present is still answered.
  LILFUDGE(nullptr, g.data(), nullptr, &w);
  EXPECT_EQ(std::string(g.data(), 8), std::string(8, '\xF0'));
  EXPECT_EQ(w, '\xF0');
  LILFUDGE(&in, nullptr, nullptr, nullptr);
  ovle_int4 out = int4(-99);
  PICFUDGE(&out, nullptr, nullptr, "\xC7");
  EXPECT_EQ(ovle_int4_get(&out), 0);
  out = int4(-99);
  PICFUDGE(&out, "\xF1\xF5\xF8\xF3\xF0\xF1\xF0\xF1", nullptr, nullptr);
  EXPECT_EQ(ovle_int4_get(&out), 0);
  PICFUDGE(nullptr, "\xF1\xF5\xF8\xF3\xF0\xF1\xF0\xF1", nullptr, "\xC7");
  EXPECT_FALSE(area().is_initialized());
}

}  // namespace
