// Lilian seconds through the C entries: CEESECI's split of a FLOAT8 against the shortest decimal that
// std::to_chars writes, CEEISEC and CEESECI inverse to each other, CEEDATM and CEESECS likewise, their
// range checks, and CEESECS's reading of the time of day behind the date.
#include <cmath>
#include <limits>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "datetime/calendar.hpp"
#include "datetime/picture.hpp"
#include "format_support.hpp"
#include "timestamp_support.hpp"

namespace ovle::datetime {
namespace {

using test::run_unit;
using test_support::at;
using test_support::message_of;
using test_support::shortest_decimal_milliseconds;

// Seven components as "1988-5-16 20:42:29.46".
std::string text_of(const std::array<std::int32_t, 7>& c) {
  std::string text;
  for (std::size_t i = 0; i < c.size(); ++i) text += std::to_string(c[i]) + "-- ::. "[i];
  text.pop_back();
  return text;
}

// CEESECI's seven outputs, or the message when one is returned (all seven 0).
std::string split(double seconds) {
  std::array<ovle_int4, 7> out;
  for (auto& o : out) o = test::int4(77);
  ovle_feedback fc = test::dirty_feedback();
  CEESECI(&seconds, &out[0], &out[1], &out[2], &out[3], &out[4], &out[5], &out[6], &fc);
  std::array<std::int32_t, 7> c;
  for (std::size_t i = 0; i < c.size(); ++i) c[i] = ovle_int4_get(&out[i]);
  const int message = message_of(fc);
  if (message == 0) return text_of(c);
  return c == std::array<std::int32_t, 7>{} ? std::to_string(message) : text_of(c) + " with " + std::to_string(message);
}

// CEEISEC's output, or -message when one is returned (the output then 0).
double build(std::array<std::int32_t, 7> c) {
  std::array<ovle_int4, 7> in;
  for (std::size_t i = 0; i < in.size(); ++i) in[i] = test::int4(c[i]);
  double out = -1;
  ovle_feedback fc = test::dirty_feedback();
  CEEISEC(&in[0], &in[1], &in[2], &in[3], &in[4], &in[5], &in[6], &out, &fc);
  const int message = message_of(fc);
  return message == 0 ? out : out == 0 ? -message : 1e99;
}

// The components of a count of milliseconds, by the calendar.
std::array<std::int32_t, 7> components_of(std::int64_t ms) {
  const calendar_date d = date_from_lilian(static_cast<std::int32_t>(ms / 86'400'000));
  const auto t = static_cast<std::int32_t>(ms % 86'400'000);
  return {d.year, d.month, d.day, t / 3'600'000, t / 60'000 % 60, t / 1000 % 60, t % 1000};
}

constexpr std::int32_t may_16_1988 = 148138, jan_1_2001 = 152751, june_3_1992 = 149617, may_5_2007 = 155066;

class secs_test : public run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    setenv("OVLE_CURRENT_DATE", "2026120515300000+0000", 1);  // two-digit years 1946 to 2045
  }
};

// CEESECI reads a FLOAT8 as its shortest decimal, cut to the millisecond: random values across the
// range and the neighbours of millisecond boundaries, where cutting the binary value would part
// ways. CEEISEC then gives back that millisecond, and CEESECI every timestamp CEEISEC makes. On every
// tenth value, CEEDATM's text read back by CEESECS gives the millisecond again (the hundredth, the
// tenth or the minute through a picture that shows no more), through the fuzz harnesses' pictures
// with four-digit years.
TEST_F(secs_test, CeeseciCeeisecCeedatmAndCeesecsOverASweep) {
  std::mt19937_64 rng(12799197749);
  for (int round = 0; round < 200000; ++round) {
    double x = round == 0   ? 86'400.0
               : round == 1 ? 265'621'679'999.999
                            : std::uniform_real_distribution<double>(86'400.0, 265'621'679'999.999)(rng);
    if (round % 2 != 0) {
      x = static_cast<double>(static_cast<std::int64_t>(x * 1000)) / 1000.0;
      for (int step = static_cast<int>(rng() % 5) - 2; step != 0; step += step < 0 ? 1 : -1) {
        x = std::nextafter(x, step < 0 ? 0.0 : 1e12);
      }
    }
    if (x < 86'400.0 || x > 265'621'679'999.999) continue;
    const std::int64_t ms = shortest_decimal_milliseconds(x);
    ASSERT_EQ(split(x), text_of(components_of(ms))) << std::to_string(x);
    ASSERT_EQ(std::llround(build(components_of(ms)) * 1000), ms) << std::to_string(x);
    const auto any = components_of(static_cast<std::int64_t>(rng() % 265'621'593'600'000) + 86'400'000);
    ASSERT_EQ(split(build(any)), text_of(any));
    for (const auto& [p, two_digit_year, shown] : fuzz::timestamp_pictures) {
      if (round % 10 != 0 || two_digit_year) continue;
      ovle_vstring picture = test::vstring(p);
      char formatted[80];
      double back = -1;
      ovle_feedback fc;
      CEEDATM(&x, &picture, formatted, &fc);
      ovle_vstring text = test::vstring(std::string_view(formatted, 80));
      CEESECS(&text, &picture, &back, &fc);
      ASSERT_EQ(std::llround(back * 1000), ms / shown * shown) << std::string(formatted, 80) << " with " << p;
    }
  }
}

TEST_F(secs_test, CeeseciAtTheEndsOfItsRangeAndOutside) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  // clang-format off
  const std::pair<double, std::string> cases[] = {
      {86'400.0, "1582-10-15 0:0:0.0"}, {265'621'679'999.999, "9999-12-31 23:59:59.999"},
      {12'799'197'749.046, "1988-5-16 20:42:29.46"},  // the FLOAT8 lies just below .046
      {at(6653, 23, 59, 59, 999), "1600-12-31 23:59:59.999"}, {at(6654), "1601-1-1 0:0:0.0"},
      {at(jan_1_2001) + 0.5678, "2001-1-1 0:0:0.567"},  // cut, never rounded
      {86'399.999, "2505"}, {265'621'680'000.0, "2505"}, {std::nextafter(86'400.0, 0.0), "2505"},
      {std::nextafter(265'621'679'999.999, 1e12), "2505"}, {-0.0, "2505"}, {nan, "2505"}, {-nan, "2505"},
      {inf, "2505"}, {-inf, "2505"}, {1e300, "2505"}, {std::numeric_limits<double>::denorm_min(), "2505"},
  };
  // clang-format on
  for (const auto& [seconds, expected] : cases) EXPECT_EQ(split(seconds), expected) << std::to_string(seconds);
}

TEST_F(secs_test, CeeisecChecksItsInputsInItsOwnOrder) {
  // clang-format off
  const std::pair<std::array<std::int32_t, 7>, double> cases[] = {  // -message on a condition
      {{1601, 1, 1, 0, 0, 0, 0}, 574'905'600.0}, {{1582, 10, 15, 0, 0, 0, 0}, 86'400.0},
      {{9999, 12, 31, 23, 59, 59, 999}, 265'621'679'999.999}, {{1988, 5, 16, 20, 42, 29, 46}, 12'799'197'749.046},
      {{2001, 1, 1, 24, 0, 0, 0}, -2510}, {{2001, 1, 1, -1, 0, 0, 0}, -2510}, {{2001, 1, 0, 0, 0, 0, 0}, -2511},
      {{2001, 1, 32, 0, 0, 0, 0}, -2511}, {{1581, 1, 1, 0, 0, 0, 0}, -2514}, {{10000, 1, 1, 0, 0, 0, 0}, -2514},
      {{2001, 1, 1, 0, 0, 0, 1000}, -2515}, {{2001, 1, 1, 0, 0, 0, -1}, -2515}, {{2001, 1, 1, 0, 60, 0, 0}, -2516},
      {{2001, 13, 1, 0, 0, 0, 0}, -2517}, {{2001, 0, 1, 0, 0, 0, 0}, -2517}, {{2001, 1, 1, 0, 0, 60, 0}, -2519},
      // The first failing check wins: hours, day, year, milliseconds, minutes, month, seconds.
      {{0, 0, 0, 24, -1, -1, -1}, -2510}, {{0, 13, 0, 0, 60, 60, 1000}, -2511}, {{0, 13, 1, 0, 60, 60, 1000}, -2514},
      {{2001, 13, 1, 0, 60, 60, 1000}, -2515}, {{2001, 13, 1, 0, 60, 60, 0}, -2516}, {{2001, 13, 1, 0, 0, 60, 0}, -2517},
      // A day the month does not have, or a day of 1582 before the calendar, counts as day 0.
      {{2001, 2, 30, 10, 0, 0, 0}, 36'000.0}, {{1582, 10, 14, 0, 0, 1, 0}, 1.0}, {{1582, 1, 1, 0, 0, 1, 0}, 1.0},
  };
  // clang-format on
  for (const auto& [input, expected] : cases) EXPECT_EQ(build(input), expected) << text_of(input);
}

// CEESECS's outcome as one number: the output, or one of these two when a message is returned.
constexpr double zero_with(int message) { return -message; }
constexpr double unchanged_with(int message) { return -message - 0.5; }

// The caller's texts must come back unchanged.
double read(std::string_view timestamp, std::string_view picture) {
  ovle_vstring t = test::vstring(timestamp), p = test::vstring(picture);
  const ovle_vstring t_before = t, p_before = p;
  double out = -1;
  ovle_feedback fc = test::dirty_feedback();
  CEESECS(&t, &p, &out, &fc);
  EXPECT_TRUE(std::memcmp(&t, &t_before, sizeof t) == 0 && std::memcmp(&p, &p_before, sizeof p) == 0);
  const int message = message_of(fc);
  return message == 0 ? out : out == 0 ? zero_with(message) : out == -1 ? unchanged_with(message) : 1e99;
}

TEST_F(secs_test, TimeOfDayBehindTheDate) {
  const struct {
    std::string timestamp, picture;
    double expected;
  } cases[] = {
      // clang-format off
      {"880516204229", "YYMMDDHHMISS", at(may_16_1988, 20, 42, 29)}, {"2001/01/01", "YYYY/MM/DD", at(jan_1_2001)},
      {" 2001/01/01 10:00", "YYYY/MM/DD HH:MI", at(jan_1_2001, 10)},
      {" 2001/01/01 10:00", " YYYY/MM/DD HH:MI", at(jan_1_2001, 10)},
      // A one-digit hour, delimited on both sides, at the picture's start or end; undelimited, two.
      {"2001-01-01 7:05", "YYYY-MM-DD HH:MI", at(jan_1_2001, 7, 5)},
      {"7:05 2001-01-01", "HH:MI YYYY-MM-DD", at(jan_1_2001, 7, 5)},
      {"2001-01-01 7h", "YYYY-MM-DD HH", at(jan_1_2001, 7)}, {"200101010705", "YYYYMMDDHHMI", at(jan_1_2001, 7, 5)},
      {"2001-01-01 x:05", "YYYY-MM-DD HH:MI", zero_with(2525)},
      // The date's narrower components move the time fields as they move the date's own.
      {"92/6/3 15.35.03", "YY/MM/DD HH.MI.SS", at(june_3_1992, 15, 35, 3)},
      {"92/6/3 5.35.03", "YY/MM/DD HH.MI.SS", at(june_3_1992, 5, 35, 3)},
      {"May 5, 2007 10:30", "Mmmmmmmmmz ZD, YYYY HH:MI", at(may_5_2007, 10, 30)},
      {"May 5, 2007 9:30:01.250", "Mmmmmmmmmz ZD, YYYY ZH:MI:SS.999", at(may_5_2007, 9, 30, 1, 250)},
      {"Monday, 16 May 1988, 8:42 PM", "Wwwwwwwwwz, DD Mmm YYYY, ZH:MI AP", at(may_16_1988, 8, 42)},
      {"2001 I 01 10:30", "YYYY RRRZ DD HH:MI", at(jan_1_2001, 10, 30)},
      // The meridian is not applied; the time is not range-checked.
      {"2001-01-01 01:00 PM", "YYYY-MM-DD HH:MI AP", at(jan_1_2001, 1)},
      {"2001-01-01 25:00:99", "YYYY-MM-DD HH:MI:SS", at(jan_1_2001 + 1, 1, 1, 39)},
      // Fields as NUMVAL reads them: what is no number counts 0, a sign is dropped.
      {"20010101xx05", "YYYYMMDDHHMI", at(jan_1_2001, 0, 5)},
      {"2001-01-01 10:-5", "YYYY-MM-DD HH:MI", at(jan_1_2001, 10, 5)},
      // Tenths and hundredths are scaled to milliseconds.
      {"2001-01-01 10:00:05.5", "YYYY-MM-DD HH:MI:SS.9", at(jan_1_2001, 10, 0, 5, 500)},
      {"2001-01-01 10:00:05.56PM", "YYYY-MM-DD HH:MI:SS.99AP", at(jan_1_2001, 10, 0, 5, 560)},
      // The date part fails: its message, and the output left as it was.
      {"2001-02-30 10:00", "YYYY-MM-DD HH:MI", unchanged_with(2508)}, {"10:00", "HH:MI", unchanged_with(2507)},
      {"2001-01-01", "", unchanged_with(2518)},
      // clang-format on
  };
  for (const auto& c : cases)
    EXPECT_EQ(read(c.timestamp, c.picture), c.expected) << c.timestamp << " with " << c.picture;

  // The tables hold the scan, the date, the time digits and the shift of the one-digit hour.
  EXPECT_EQ(read("2001-01-01 7:05:09.5", "YYYY-MM-DD HH:MI:SS.9"), at(jan_1_2001, 7, 5, 9, 500));
  const picture_tables t = picture_tables::attach();
  EXPECT_EQ(platform::ascii_from_ebcdic({t.fields.gregorian().data(), 17}), "20010101070509500");
  EXPECT_EQ(t.terms.shift(component::hour), 1);
  EXPECT_EQ(t.delimiters.picture_length(), 21);
}

std::string spied;  // what CEEDAYS received from CEESECS
int ceedays_spy(const ovle_vstring* date, const ovle_vstring* picture, ovle_int4* lilian, ovle_feedback* fc) noexcept {
  spied += test::text_of(*date) + "|" + test::text_of(*picture);
  return CEEDAYS(date, picture, lilian, fc);
}

// CEESECS reaches CEEDAYS by name. A stand-in gets the EBCDIC texts and tells nothing about the
// date's widths; when none can be reached, two lines and the library's own condition.
TEST_F(secs_test, TheDatePartThroughCeedaysByName) {
  platform::testing::replace_program("CEEDAYS", reinterpret_cast<platform::program_address>(&ceedays_spy));
  EXPECT_EQ(read("  2001-01-01 10:30", "YYYY-MM-DD HH:MI"), at(jan_1_2001, 10, 30));
  EXPECT_EQ(spied,
            platform::ebcdic_from_ascii("2001-01-01 10:30  ") + "|" + platform::ebcdic_from_ascii("YYYY-MM-DD HH:MI"));
  EXPECT_EQ(read("92/6/3 15.35.03", "YY/MM/DD HH.MI.SS"), zero_with(2525)) << "the hour read at \".3\"";
  platform::testing::set_unreachable("CEEDAYS", true);
  ovle_vstring t = test::vstring("2001-01-01 10:30"), p = test::vstring("YYYY-MM-DD HH:MI");
  double out = -1;
  ovle_feedback fc;
  CEESECS(&t, &p, &out, &fc);
  EXPECT_EQ(test::view(fc), test::ascii_condition(4, 9999, 0, "OVX"));
  EXPECT_EQ(out, 0.0);
  EXPECT_EQ(console, (std::vector<std::string>{"Unable to reach CEEDAYS", "  When CALLed by CEESECS"}));
}

}  // namespace
}  // namespace ovle::datetime
