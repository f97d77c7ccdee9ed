// Lilian seconds through the C entries: CEESECI's split of a FLOAT8 against the shortest decimal that
// std::to_chars writes, CEEISEC and CEESECI inverse to each other, their range checks, and CEESECS's
// reading of the time of day behind the date.
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "datetime/calendar.hpp"
#include "datetime/picture.hpp"
#include "lilian_seconds_support.hpp"
#include "ovle_test.hpp"

namespace ovle::datetime {
namespace {

using test::run_unit;

using test_support::at;
using test_support::shortest_decimal_milliseconds;

struct components {
  std::int32_t year, month, day, hours, minutes, seconds, milliseconds;
  friend bool operator==(const components&, const components&) = default;
  friend std::ostream& operator<<(std::ostream& os, const components& c) {
    return os << c.year << '-' << c.month << '-' << c.day << ' ' << c.hours << ':' << c.minutes << ':' << c.seconds
              << '.' << c.milliseconds;
  }
};

struct split_outcome {
  components value;
  int message;
  friend bool operator==(const split_outcome&, const split_outcome&) = default;
  friend std::ostream& operator<<(std::ostream& os, const split_outcome& o) {
    return os << "{" << o.value << ", msg " << o.message << "}";
  }
};

int message_of(const ovle_feedback& fc) {
  if (test::is_success(fc)) return 0;
  EXPECT_EQ(test::view(fc), test::ascii_condition(3, test::view(fc).message, 1));
  return test::view(fc).message;
}

split_outcome split(double seconds) {
  std::array<ovle_int4, 7> out;
  for (auto& o : out) o = test::int4(77);
  ovle_feedback fc = test::dirty_feedback();
  CEESECI(&seconds, &out[0], &out[1], &out[2], &out[3], &out[4], &out[5], &out[6], &fc);
  const auto v = [&](std::size_t i) { return ovle_int4_get(&out[i]); };
  return {{v(0), v(1), v(2), v(3), v(4), v(5), v(6)}, message_of(fc)};
}

struct build_outcome {
  double seconds;
  int message;
  friend bool operator==(const build_outcome&, const build_outcome&) = default;
  friend std::ostream& operator<<(std::ostream& os, const build_outcome& o) {
    return os << "{" << std::to_string(o.seconds) << ", msg " << o.message << "}";
  }
};

build_outcome build(const components& c) {
  const ovle_int4 in[] = {test::int4(c.year),    test::int4(c.month),   test::int4(c.day),         test::int4(c.hours),
                          test::int4(c.minutes), test::int4(c.seconds), test::int4(c.milliseconds)};
  double out = -1;
  ovle_feedback fc = test::dirty_feedback();
  CEEISEC(&in[0], &in[1], &in[2], &in[3], &in[4], &in[5], &in[6], &out, &fc);
  return {out, message_of(fc)};
}

constexpr std::int32_t may_16_1988 = 148138, jan_1_2001 = 152751, june_3_1992 = 149617, may_5_2007 = 155066;

std::int64_t milliseconds_of(const components& c) {
  return std::int64_t{lilian_from_gregorian(c.year, c.month, c.day)} * 86'400'000 + c.hours * 3'600'000 +
         c.minutes * 60'000 + c.seconds * 1000 + c.milliseconds;
}

TEST_F(run_unit, CeeseciReadsTheShortestDecimalOfEveryFloat8) {
  // Random FLOAT8s across the range, and the neighbours of millisecond boundaries, where cutting
  // the binary value and cutting its shortest decimal part ways.
  std::mt19937_64 rng(12799197749);
  for (int round = 0; round < 200000; ++round) {
    double x;
    if (round % 2 == 0) {
      x = std::uniform_real_distribution<double>(86'400.0, 265'621'679'999.999)(rng);
    } else {
      const auto ms = static_cast<std::int64_t>(rng() % 265'621'593'600'000) + 86'400'000;
      x = static_cast<double>(ms) / 1000.0;
      for (int step = static_cast<int>(rng() % 5) - 2; step != 0; step += step < 0 ? 1 : -1) {
        x = std::nextafter(x, step < 0 ? 0.0 : 1e12);
      }
    }
    if (x > 265'621'679'999.999) continue;
    const split_outcome got = split(x);
    ASSERT_EQ(got.message, 0) << x;
    ASSERT_EQ(milliseconds_of(got.value), shortest_decimal_milliseconds(x)) << std::to_string(x) << " " << got.value;
  }
}

TEST_F(run_unit, CeeseciAtTheEndsOfItsRangeAndOutside) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const components none{0, 0, 0, 0, 0, 0, 0};
  const struct {
    double seconds;
    split_outcome expected;
  } cases[] = {
      {86'400.0, {{1582, 10, 15, 0, 0, 0, 0}, 0}},
      {265'621'679'999.999, {{9999, 12, 31, 23, 59, 59, 999}, 0}},
      {86'399.999, {none, 2505}},
      {265'621'680'000.0, {none, 2505}},
      {std::nextafter(86'400.0, 0.0), {none, 2505}},
      {std::nextafter(265'621'679'999.999, 1e12), {none, 2505}},
      {0.0, {none, 2505}},
      {-0.0, {none, 2505}},
      {-86'400.0, {none, 2505}},
      {nan, {none, 2505}},
      {-nan, {none, 2505}},
      {inf, {none, 2505}},
      {-inf, {none, 2505}},
      {1e300, {none, 2505}},
      {std::numeric_limits<double>::denorm_min(), {none, 2505}},
      // The published example; the FLOAT8 lies just below .046.
      {12'799'197'749.046, {{1988, 5, 16, 20, 42, 29, 46}, 0}},
      // The last second of 1600 comes from the early-period calendar, the first of 1601 after it.
      {at(6653, 23, 59, 59, 999), {{1600, 12, 31, 23, 59, 59, 999}, 0}},
      {at(6654), {{1601, 1, 1, 0, 0, 0, 0}, 0}},
      {at(78, 12), {{1582, 12, 31, 12, 0, 0, 0}, 0}},
      {at(152444, 6, 7, 8, 9), {{2000, 2, 29, 6, 7, 8, 9}, 0}},
      // Fractions are cut, never rounded.
      {at(jan_1_2001, 0, 0, 0) + 0.5678, {{2001, 1, 1, 0, 0, 0, 567}, 0}},
      {at(jan_1_2001, 23, 59, 59) + 0.9999, {{2001, 1, 1, 23, 59, 59, 999}, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(split(c.seconds), c.expected) << std::to_string(c.seconds);
}

TEST_F(run_unit, CeeisecChecksItsInputsInItsOwnOrder) {
  const components good{2001, 1, 1, 0, 0, 0, 0};
  const auto with = [&](auto change) {
    components c = good;
    change(c);
    return c;
  };
  const struct {
    components input;
    build_outcome expected;
  } cases[] = {
      {{1601, 1, 1, 0, 0, 0, 0}, {574'905'600.0, 0}},
      {{1582, 10, 15, 0, 0, 0, 0}, {86'400.0, 0}},
      {{9999, 12, 31, 23, 59, 59, 999}, {265'621'679'999.999, 0}},
      {{1988, 5, 16, 20, 42, 29, 46}, {12'799'197'749.046, 0}},
      {{1600, 2, 29, 1, 2, 3, 4}, {at(lilian_from_gregorian(1600, 2, 29), 1, 2, 3, 4), 0}},
      {with([](components& c) { c.hours = 24; }), {0, 2510}},
      {with([](components& c) { c.hours = -1; }), {0, 2510}},
      {with([](components& c) { c.day = 0; }), {0, 2511}},
      {with([](components& c) { c.day = 32; }), {0, 2511}},
      {with([](components& c) { c.year = 1581; }), {0, 2514}},
      {with([](components& c) { c.year = 10000; }), {0, 2514}},
      {with([](components& c) { c.milliseconds = 1000; }), {0, 2515}},
      {with([](components& c) { c.milliseconds = -1; }), {0, 2515}},
      {with([](components& c) { c.minutes = 60; }), {0, 2516}},
      {with([](components& c) { c.month = 13; }), {0, 2517}},
      {with([](components& c) { c.month = 0; }), {0, 2517}},
      {with([](components& c) { c.seconds = 60; }), {0, 2519}},
      {with([](components& c) { c.seconds = std::numeric_limits<std::int32_t>::min(); }), {0, 2519}},
      // The first failing check wins: hours, day, year, milliseconds, minutes, month, seconds.
      {{0, 0, 0, 24, -1, -1, -1}, {0, 2510}},
      {{0, 13, 0, 0, 60, 60, 1000}, {0, 2511}},
      {{0, 13, 1, 0, 60, 60, 1000}, {0, 2514}},
      {{2001, 13, 1, 0, 60, 60, 1000}, {0, 2515}},
      {{2001, 13, 1, 0, 60, 60, 0}, {0, 2516}},
      {{2001, 13, 1, 0, 0, 60, 0}, {0, 2517}},
      // A day the month does not have, or a day of 1582 before the calendar, counts as day 0.
      {{2001, 2, 30, 10, 0, 0, 0}, {36'000.0, 0}},
      {{1582, 10, 14, 0, 0, 1, 0}, {1.0, 0}},
      {{1590, 2, 29, 0, 0, 0, 0}, {0.0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(build(c.input), c.expected) << c.input;
}

// Every valid timestamp survives CEEISEC then CEESECI, and every Lilian second CEESECI then CEEISEC
// to the millisecond.
TEST_F(run_unit, CeeisecAndCeeseciAreInverse) {
  std::mt19937 rng(9999);
  for (int round = 0; round < 100000; ++round) {
    const std::int32_t lilian =
        round < 3 ? std::array{1, 6654, lilian_max}[round] : static_cast<std::int32_t>(rng() % lilian_max + 1);
    const calendar_date d = date_from_lilian(lilian);
    const components c{d.year,
                       d.month,
                       d.day,
                       static_cast<std::int32_t>(rng() % 24),
                       static_cast<std::int32_t>(rng() % 60),
                       static_cast<std::int32_t>(rng() % 60),
                       static_cast<std::int32_t>(rng() % 1000)};
    const build_outcome built = build(c);
    ASSERT_EQ(built.message, 0) << c;
    ASSERT_EQ(split(built.seconds), (split_outcome{c, 0})) << std::to_string(built.seconds);

    const double x = std::uniform_real_distribution<double>(86'400.0, 265'621'679'999.999)(rng);
    const split_outcome parts = split(x);
    const build_outcome back = build(parts.value);
    ASSERT_EQ(back.message, 0) << parts.value;
    ASSERT_EQ(std::llround(back.seconds * 1000), shortest_decimal_milliseconds(x)) << std::to_string(x);
  }
}

struct read_outcome {
  double seconds;
  int message;
  friend bool operator==(const read_outcome&, const read_outcome&) = default;
  friend std::ostream& operator<<(std::ostream& os, const read_outcome& o) {
    return os << "{" << std::to_string(o.seconds) << ", msg " << o.message << "}";
  }
};

read_outcome read(std::string_view timestamp, std::string_view picture) {
  ovle_vstring t = test::vstring(timestamp), p = test::vstring(picture);
  const ovle_vstring t_before = t, p_before = p;
  double out = -1;
  ovle_feedback fc = test::dirty_feedback();
  EXPECT_EQ(CEESECS(&t, &p, &out, &fc), 0);
  EXPECT_EQ(std::memcmp(&t, &t_before, sizeof t), 0) << "the caller's timestamp changed";
  EXPECT_EQ(std::memcmp(&p, &p_before, sizeof p), 0) << "the caller's picture changed";
  return {out, message_of(fc)};
}

class secs_test : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    setenv("OVLE_CURRENT_DATE", "2026120515300000+0000", 1);  // two-digit years 1946 to 2045
  }
};

TEST_F(secs_test, TimeOfDayBehindTheDate) {
  const auto ok = [](double s) { return read_outcome{s, 0}; };
  const struct {
    std::string timestamp, picture;
    read_outcome expected;
  } cases[] = {
      {"1582/10/15 00:00:00.000", "YYYY/MM/DD HH:MI:SS.999", ok(86'400.0)},
      {"9999/12/31 23:59:59.999", "YYYY/MM/DD HH:MI:SS.999", ok(265'621'679'999.999)},
      {"1988-05-16 20:42:29.046", "YYYY-MM-DD HH:MI:SS.999", ok(12'799'197'749.046)},
      {"880516204229", "YYMMDDHHMISS", ok(at(may_16_1988, 20, 42, 29))},
      {"2001/01/01", "YYYY/MM/DD", ok(at(jan_1_2001))},
      // Leading blanks, unless the picture starts with one.
      {" 2001/01/01 10:00", "YYYY/MM/DD HH:MI", ok(at(jan_1_2001, 10))},
      {" 2001/01/01 10:00", " YYYY/MM/DD HH:MI", ok(at(jan_1_2001, 10))},
      // A one-digit hour, delimited on both sides, at the picture's start or end; undelimited, two.
      {"2001-01-01 7:05", "YYYY-MM-DD HH:MI", ok(at(jan_1_2001, 7, 5))},
      {"7:05 2001-01-01", "HH:MI YYYY-MM-DD", ok(at(jan_1_2001, 7, 5))},
      {"2001-01-01 7", "YYYY-MM-DD HH", ok(at(jan_1_2001, 7))},
      {"2001-01-01 7h", "YYYY-MM-DD HH", ok(at(jan_1_2001, 7))},
      {"200101010705", "YYYYMMDDHHMI", ok(at(jan_1_2001, 7, 5))},
      {"2001-01-01 x:05", "YYYY-MM-DD HH:MI", {0, 2525}},
      // The date's narrower components move the time fields as they move the date's own.
      {"92/6/3 15.35.03", "YY/MM/DD HH.MI.SS", ok(at(june_3_1992, 15, 35, 3))},
      {"92/06/03 15.35.03", "YY/MM/DD HH.MI.SS", ok(at(june_3_1992, 15, 35, 3))},
      {"92/6/3 5.35.03", "YY/MM/DD HH.MI.SS", ok(at(june_3_1992, 5, 35, 3))},
      {"May 5, 2007 10:30", "Mmmmmmmmmz ZD, YYYY HH:MI", ok(at(may_5_2007, 10, 30))},
      {"May 5, 2007 9:30:01.250", "Mmmmmmmmmz ZD, YYYY ZH:MI:SS.999", ok(at(may_5_2007, 9, 30, 1, 250))},
      {"Monday, 16 May 1988, 8:42 PM", "Wwwwwwwwwz, DD Mmm YYYY, ZH:MI AP", ok(at(may_16_1988, 8, 42))},
      {"2001 I 01 10:30", "YYYY RRRZ DD HH:MI", ok(at(jan_1_2001, 10, 30))},
      {"2001 I    01 10:30", "YYYY RRRR DD HH:MI", ok(at(jan_1_2001, 10, 30))},
      // The meridian is not applied; the time is not range-checked.
      {"2001-01-01 01:00 PM", "YYYY-MM-DD HH:MI AP", ok(at(jan_1_2001, 1))},
      {"2001-01-01 25:00", "YYYY-MM-DD HH:MI", ok(at(jan_1_2001 + 1, 1))},
      {"2001-01-01 10:75:99", "YYYY-MM-DD HH:MI:SS", ok(at(jan_1_2001, 10, 75, 99))},
      // Fields read as NUMVAL reads them: what is no number counts 0, a sign is dropped.
      {"20010101xx05", "YYYYMMDDHHMI", ok(at(jan_1_2001, 0, 5))},
      {"2001-01-01 10:-5", "YYYY-MM-DD HH:MI", ok(at(jan_1_2001, 10, 5))},
      {"2001-01-01 10: 5", "YYYY-MM-DD HH:MI", ok(at(jan_1_2001, 10, 5))},
      // Tenths and hundredths are scaled to milliseconds.
      {"2001-01-01 10:00:05.5", "YYYY-MM-DD HH:MI:SS.9", ok(at(jan_1_2001, 10, 0, 5, 500))},
      {"2001-01-01 10:00:05.56", "YYYY-MM-DD HH:MI:SS.99", ok(at(jan_1_2001, 10, 0, 5, 560))},
      {"2001-01-01 10:00:05.567PM", "YYYY-MM-DD HH:MI:SS.999AP", ok(at(jan_1_2001, 10, 0, 5, 567))},
      // The date part fails: its condition, and the output left as it was.
      {"2001-02-30 10:00", "YYYY-MM-DD HH:MI", {-1, 2508}},
      {"1582-10-14 10:00", "YYYY-MM-DD HH:MI", {-1, 2513}},
      {"10:00", "HH:MI", {-1, 2507}},
      {"2001-01-01", "", {-1, 2518}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(read(c.timestamp, c.picture), c.expected) << c.timestamp << " with " << c.picture;
  }
}

// What CEESECS leaves in the shared tables: the scan of the picture, the date read by CEEDAYS, the
// time digits, and the shift of a one-digit hour.
TEST_F(secs_test, TablesAfterATimestamp) {
  EXPECT_EQ(read("2001-01-01 7:05:09.5", "YYYY-MM-DD HH:MI:SS.9"), (read_outcome{at(jan_1_2001, 7, 5, 9, 500), 0}));
  const picture_tables t = picture_tables::attach();
  EXPECT_EQ(platform::ascii_from_ebcdic({t.fields.gregorian().data(), 17}), "20010101070509500");
  EXPECT_EQ(t.terms.position(component::hour), 12);
  EXPECT_EQ(t.terms.shift(component::hour), 1);
  EXPECT_EQ(t.terms.position(component::fraction), 21);
  EXPECT_EQ(t.delimiters.picture_length(), 21);
  EXPECT_EQ(read("2001-01-01 17:05", "YYYY-MM-DD HH:MI").message, 0);
  EXPECT_EQ(t.terms.shift(component::hour), 0);
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
  EXPECT_EQ(read("  2001-01-01 10:30", "YYYY-MM-DD HH:MI"), (read_outcome{at(jan_1_2001, 10, 30), 0}));
  EXPECT_EQ(spied,
            platform::ebcdic_from_ascii("2001-01-01 10:30  ") + "|" + platform::ebcdic_from_ascii("YYYY-MM-DD HH:MI"));
  EXPECT_EQ(read("92/6/3 15.35.03", "YY/MM/DD HH.MI.SS"), (read_outcome{0, 2525})) << "the hour read at \".3\"";
  platform::testing::set_unreachable("CEEDAYS", true);
  EXPECT_TRUE(console.empty());
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
