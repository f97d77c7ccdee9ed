// CEEDATE and CEEDATM through their C entries: every token family, zero suppression and trimming,
// the meridian, the 80-character limit, the default pictures and the callees by name. (The round
// trips back through CEEDAYS and CEESECS are swept with the services that read; random pictures are
// the fuzz harnesses'.)
#include <limits>
#include <string>
#include <vector>

#include "common/conditions.hpp"
#include "datetime/calendar.hpp"
#include "datetime/picture.hpp"
#include "timestamp_support.hpp"

namespace ovle::datetime {
namespace {

using test::run_unit;
using test_support::at;

// The output without its trailing blanks, or "msg n" for a condition (the output then blank). The
// output starts as '#', so that a position left unwritten shows, unless the picture has a '#'.
std::string finish(const char (&out)[80], const ovle_feedback& fc, std::string_view picture) {
  std::string text(out, 80);
  EXPECT_TRUE(picture.find('#') != std::string_view::npos || text.find('#') == std::string::npos) << text;
  text.erase(text.find_last_not_of(' ') + 1);
  if (test::is_success(fc)) return text;
  EXPECT_TRUE(text.empty() && test::view(fc).facility == "CEE") << text;
  return "msg " + std::to_string(test::view(fc).message) + text;
}

std::string date(std::int32_t lilian, std::string_view picture) {
  const ovle_int4 in = test::int4(lilian);
  ovle_vstring p = test::vstring(picture);
  const ovle_vstring before = p;
  char out[80];
  std::memset(out, '#', sizeof out);
  ovle_feedback fc = test::dirty_feedback();
  CEEDATE(&in, &p, out, &fc);
  EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0) << "the caller's picture changed";
  return finish(out, fc, picture);
}

std::string stamp(double seconds, std::string_view picture) {
  ovle_vstring p = test::vstring(picture);
  char out[80];
  std::memset(out, '#', sizeof out);
  ovle_feedback fc = test::dirty_feedback();
  CEEDATM(&seconds, &p, out, &fc);
  return finish(out, fc, picture);
}

constexpr std::int32_t may_16_1988 = 148138;  // a Monday
const std::int32_t sep_5_1988 = lilian_from_gregorian(1988, 9, 5), mar_5_2007 = lilian_from_gregorian(2007, 3, 5);
constexpr double published = 12'799'197'749.046;  // Monday 16 May 1988, 20:42:29.046

TEST_F(run_unit, CeedateTokensAndTheirShortening) {
  const std::string dots = std::string(78, '.');
  const struct {
    std::int32_t lilian;
    std::string picture, expected;
  } cases[] = {
      // clang-format off
      {may_16_1988, "YYMMDD|YYYYMMDD|MMDDYY", "880516|19880516|051688"},
      {may_16_1988, "YYYY-MM-DD|MM/DD/Y|YY.DDD", "1988-05-16|05/16/8|88.137"},
      {may_16_1988, "DD MMM YY|Mmm|Mmmmmmmmmm|", "16 MAY 88|May|May       |"},
      {may_16_1988, "ZDMMMMMMMMMZYY", "16MAY88"}, {may_16_1988, "YYY ZYY Y", "988 988 8"},
      {may_16_1988, "WWW, ZM/ZD/YY", "MON, 5/16/88"}, {may_16_1988, "WWWWWWWWWZ|", "MONDAY|"},
      {may_16_1988, "Www|W|WWWWWWWWWW|", "Mon|M|MONDAY    |"},
      // Time tokens show zeros; the meridian, ZH's zero and lower-case letters stay as written.
      {may_16_1988, "HH:MI:SS.999 99 9 ZH AP a.p. yyyy-mm-dd YY", "00:00:00.000 00 0 00 AP a.p. yyyy-mm-dd 88"},
      // One token per component: the last in the picture is the one shortened.
      {may_16_1988, "ZD|ZM|DD|MM", "16|05|16|05"}, {sep_5_1988, "MMM Mmmm Mmmz", "SEP Sept Sept"},
      {sep_5_1988, "MMMMMMMMMMMMMMMMMMMM|", "SEPTEMBER           |"},
      {sep_5_1988, "Mmmmmmmmmmmmmmmmmmmz|ZD|", "September|5|"}, {sep_5_1988, "RRRZ|Wwwz", "IX|Mond"},
      {mar_5_2007, "ZD.ZM.YYYY", "5.3.2007"},
      // Each pass sees the picture as written: a ZD inside a month name is replaced too.
      {may_16_1988, "MMMZD", "MAY16"},
      // Only the first 80 positions are formatted, a token at the edge as far as it fits.
      {may_16_1988, dots + "YYYY", dots + "88"}, {may_16_1988, dots + ".ZM", dots + "."},
      {sep_5_1988 + 61, dots + ".ZM", dots + ".Z"}, {may_16_1988 - 11, "ZD" + dots + "YYYY", "5" + dots},
      {may_16_1988, dots + "--" + std::string(16, '-') + "YYYY", dots + "--"},
      // Conditions.
      {0, "YYYY-MM-DD", "msg 2512"}, {lilian_max + 1, "YYYY-MM-DD", "msg 2512"},
      {std::numeric_limits<std::int32_t>::min(), "YYYY-MM-DD", "msg 2512"}, {1, "-/ yyyy-mm-dd", "msg 2518"},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(date(c.lilian, c.picture), c.expected) << c.picture;
  EXPECT_TRUE(console.empty());
}

TEST_F(run_unit, CeedatmTimeTokensMeridianAndShortening) {
  const struct {
    double seconds;
    std::string picture, expected;
  } cases[] = {
      // clang-format off
      {published, "YYYY-MM-DD HH:MI:SS.999", "1988-05-16 20:42:29.046"}, {published, "YYMMDDHHMISS", "880516204229"},
      {published, "HH:MI:SS.99|SS.9|999", "20:42:29.04|29.0|046"},
      {published, "WWW, ZM/ZD/YY HH:MI AP", "MON, 5/16/88 08:42 PM"},
      {published, "Wwwwwwwwwz, DD Mmm YYYY, ZH:MI AP", "Monday, 16 May 1988, 8:42 PM"},
      {published, "ZH:MI ap", "8:42 pm"}, {published, "HH.MI A.P.", "08.42 P.M."},
      // AM up to 12 o'clock, both 00 and 12 included; PM from 13, counted from 1.
      {at(may_16_1988, 0, 10), "HH:MI AP", "00:10 AM"}, {at(may_16_1988, 12, 30), "HH:MI AP", "12:30 AM"},
      {at(may_16_1988, 13, 5), "HH:MI AP", "01:05 PM"}, {at(may_16_1988, 23, 59), "ZH:MI a.p.", "11:59 p.m."},
      {at(may_16_1988, 13, 5), "AP ZH", "PM 1"}, {at(may_16_1988, 0, 5), "ZH:MI|", "0:05|"},
      {at(may_16_1988, 9, 5), "ZH:MI ZD.ZM.YYYY Wwwwwwwwwz|", "9:05 16.5.1988 Monday|"},
      {at(mar_5_2007, 9, 5), "Wwwwwwwwwz ZD.ZM.YYYY ZH:MI AP", "Monday 5.3.2007 9:05 AM"},
      {at(may_16_1988), std::string(79, '.') + "AP", std::string(79, '.') + "A"},
      // Fractions are truncated.
      {at(may_16_1988) + 7.5678, "SS.99|SS.9|SS.999", "07.56|07.5|07.567"},
      {at(may_16_1988, 23, 59, 59, 999), "HH:MI:SS.99", "23:59:59.99"},
      // The days before 1601 from the early-period calendar; outside the range.
      {at(lilian_of_1600_12_31, 23, 59, 59, 999), "Wwwwwwwwwz YYYYDDD HH:MI:SS.999", "Sunday 1600366 23:59:59.999"},
      {at(6654), "Wwwwwwwwwz YYYYDDD HH:MI:SS.999", "Monday 1601001 00:00:00.000"},
      {86'399.999, "YYYY", "msg 2505"}, {265'621'680'000.0, "YYYY", "msg 2505"},
      {std::numeric_limits<double>::quiet_NaN(), "YYYY", "msg 2505"}, {published, "-/", "msg 2518"},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(stamp(c.seconds, c.picture), c.expected) << c.picture;
  EXPECT_TRUE(console.empty());
  // An era token is left as written, with a notice on the console.
  const std::vector<std::string> notice{"DBCS Support not provided yet",
                                        "   Contact Orvane for additional information"};
  EXPECT_EQ(date(may_16_1988, "\x0EJJJJ\x0F MM.DD"), "\x0EJJJJ\x0F 05.16");
  EXPECT_EQ(stamp(published,
                  "\x0E"
                  "CCCC\x0F HH:MI"),
            "\x0E"
            "CCCC\x0F 20:42");
  EXPECT_EQ(console, (std::vector<std::string>{notice[0], notice[1], notice[0], notice[1]}));
}

// The country CEEFMDA was asked about, before it answers; and a CEESECI that fails.
std::string asked_country;
int ceefmda_spy(const char* country, char* picture, ovle_feedback* fc) noexcept {
  asked_country.assign(country, 2);
  return CEEFMDA(country, picture, fc);
}
int failing_ceeseci(const double*, ovle_int4*, ovle_int4*, ovle_int4*, ovle_int4*, ovle_int4*, ovle_int4*, ovle_int4*,
                    ovle_feedback* fc) noexcept {
  common::feedback_code(fc).set(common::conditions::lilian_seconds_out_of_range);
  return 0;
}
template <typename F>
void put_in_place(std::string_view name, F* f) {
  platform::testing::replace_program(name, reinterpret_cast<platform::program_address>(f));
}

// An empty or blank picture takes the default of the country on top of the stack from CEEFMDA or
// CEEFMDT (a blank country has an empty one); their conditions reach the caller as they came.
TEST_F(run_unit, DefaultPicturesAndCalleesByName) {
  using lines = std::vector<std::string>;
  const auto set_country = [](std::string_view code) {
    area().set_country_count(1);
    std::memcpy(area().country(1).data(), platform::ebcdic_from_ascii(code).data(), 2);
  };
  put_in_place("CEEFMDA", &ceefmda_spy);
  OV0PIPI(nullptr, nullptr, nullptr);  // the environment first, as it sets a country of its own
  set_country("  ");
  EXPECT_EQ(date(may_16_1988, ""), "msg 2518");
  EXPECT_EQ(asked_country, "\x40\x40") << "a blank country, in EBCDIC";
  set_country("US");
  EXPECT_EQ(date(may_16_1988, "  "), "05/16/88");
  EXPECT_EQ(asked_country, platform::ebcdic_from_ascii("US"));
  EXPECT_EQ(picture_tables::attach().delimiters.picture_length(), 80);
  EXPECT_EQ(stamp(published, ""), "05/16/88 8:42:29 PM");
  set_country("CH");
  EXPECT_EQ(stamp(published, ""), "16. May 1988 20,42,29");
  EXPECT_TRUE(console.empty());
  set_country("QQ");
  for (const bool timestamp : {false, true}) {
    const ovle_int4 lilian = test::int4(may_16_1988);
    double seconds = published;
    ovle_vstring empty = test::vstring("");
    char out[80];
    ovle_feedback fc;
    timestamp ? CEEDATM(&seconds, &empty, out, &fc) : CEEDATE(&lilian, &empty, out, &fc);
    EXPECT_EQ(test::view(fc), test::ascii_condition(2, timestamp ? 3471 : 3467, 1));
    EXPECT_EQ(std::string(out, 80), std::string(80, ' '));
  }
  EXPECT_EQ(console, (lines{"Error calling CEEFMDT", "  When CALLed by CeeDATM"}));
  console.clear();
  platform::testing::set_unreachable("CEEFMDA", true);
  platform::testing::set_unreachable("CEEFMDT", true);
  EXPECT_EQ(date(may_16_1988, ""), "msg 2518");
  EXPECT_EQ(stamp(published, "   "), "msg 2518");
  put_in_place("CEESECI", &failing_ceeseci);
  EXPECT_EQ(stamp(published, "YYYY"), "msg 2505");
  // Without CEESECI the components stay zero: no month or weekday to name, and trimmed names vanish.
  platform::testing::set_unreachable("CEESECI", true);
  EXPECT_EQ(stamp(published, "YYYY-MM-DD HH:MI Mmm|Www|Mmmz|Wwwz|"), "0000-00-00 00:00    |   |||");
  EXPECT_EQ(stamp(at(1, 12), "YYYY-MM-DD HH:MI Mmm"), "1582-10-15 00:00 Oct");
  EXPECT_EQ(console, (lines{"Unable to reach CEEFMDA", "  When CALLed by CEEDATE", "Unable to reach CEEFMDT",
                            "  When CALLed by CeeDATM", "Error calling CEESECI", "  When CALLed by CeeDATM",
                            "Unable to reach CEESECI", "  When CALLed by CeeDATM", "Unable to reach CEESECI",
                            "  When CALLed by CeeDATM"}));
}

}  // namespace
}  // namespace ovle::datetime
