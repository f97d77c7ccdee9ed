// CEEDATE and CEEDATM through their C entries: every token family, zero suppression and trimming,
// the meridian, the 80-character limit, the default pictures and the callees by name, and the round
// trips back through CEEDAYS and CEESECS.
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/conditions.hpp"
#include "datetime/calendar.hpp"
#include "datetime/picture.hpp"
#include "lilian_seconds_support.hpp"
#include "ovle_test.hpp"

namespace ovle::datetime {
namespace {

using test::run_unit;

using test_support::at;

struct formatted {
  std::string text;  // the output without its trailing blanks
  int message;
  friend bool operator==(const formatted&, const formatted&) = default;
  friend std::ostream& operator<<(std::ostream& os, const formatted& f) {
    return os << "{\"" << f.text << "\", msg " << f.message << "}";
  }
};

// The output starts as '#', so that a position left unwritten shows (unless the picture has one).
formatted finish(const char (&out)[80], const ovle_feedback& fc, std::string_view picture) {
  std::string text(out, 80);
  if (picture.find('#') == std::string_view::npos) {
    EXPECT_EQ(text.find('#'), std::string::npos) << "an output position was not written: " << text;
  }
  text.erase(text.find_last_not_of(' ') + 1);
  if (test::is_success(fc)) return {text, 0};
  EXPECT_EQ(test::view(fc).facility, "CEE");
  EXPECT_EQ(text, "") << "a condition leaves the output blank";
  return {text, test::view(fc).message};
}

formatted date(std::int32_t lilian, std::string_view picture) {
  const ovle_int4 in = test::int4(lilian);
  ovle_vstring p = test::vstring(picture);
  const ovle_vstring before = p;
  char out[80];
  std::memset(out, '#', sizeof out);
  ovle_feedback fc = test::dirty_feedback();
  EXPECT_EQ(CEEDATE(&in, &p, out, &fc), 0);
  EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0) << "the caller's picture changed";
  return finish(out, fc, picture);
}

formatted stamp(double seconds, std::string_view picture) {
  ovle_vstring p = test::vstring(picture);
  char out[80];
  std::memset(out, '#', sizeof out);
  ovle_feedback fc = test::dirty_feedback();
  EXPECT_EQ(CEEDATM(&seconds, &p, out, &fc), 0);
  return finish(out, fc, picture);
}

constexpr std::int32_t may_16_1988 = 148138;  // a Monday
const std::int32_t sep_5_1988 = lilian_from_gregorian(1988, 9, 5), aug_19_2007 = lilian_from_gregorian(2007, 8, 19),
                   jan_7_2007 = lilian_from_gregorian(2007, 1, 7), mar_5_2007 = lilian_from_gregorian(2007, 3, 5);
constexpr double published = 12'799'197'749.046;  // Monday 16 May 1988, 20:42:29.046

TEST_F(run_unit, CeedateTokensAndTheirShortening) {
  const struct {
    std::int32_t lilian;
    std::string picture, expected;
  } cases[] = {
      {may_16_1988, "YYMMDD", "880516"},
      {may_16_1988, "YYYYMMDD", "19880516"},
      {may_16_1988, "YYYY-MM-DD", "1988-05-16"},
      {may_16_1988, "MMDDYY", "051688"},
      {may_16_1988, "MM/DD/YY", "05/16/88"},
      {may_16_1988, "ZM/ZD/YY", "5/16/88"},
      {may_16_1988, "MM/DD/YYYY", "05/16/1988"},
      {may_16_1988, "MM/DD/Y", "05/16/8"},
      {may_16_1988, "DD.MM.YY", "16.05.88"},
      {may_16_1988, "DD-RRRR-YY", "16-V   -88"},
      {may_16_1988, "DD-RRRZ-YY", "16-V-88"},
      {may_16_1988, "DD MMM YY", "16 MAY 88"},
      {may_16_1988, "DD Mmmmmmmmmm YY", "16 May        88"},
      {may_16_1988, "ZD Mmmmmmmmmz YY", "16 May 88"},
      {may_16_1988, "Mmmmmmmmmz ZD, YYYY", "May 16, 1988"},
      {may_16_1988, "ZDMMMMMMMMMZYY", "16MAY88"},
      {may_16_1988, "YY.DDD", "88.137"},
      {may_16_1988, "YYDDD", "88137"},
      {may_16_1988, "YYYY/DDD", "1988/137"},
      {may_16_1988, "YYY ZYY Y", "988 988 8"},
      {may_16_1988, "WWW, ZM/ZD/YY", "MON, 5/16/88"},
      {may_16_1988, "Wwwwwwwwwz, ZM/ZD/YY", "Monday, 5/16/88"},
      {may_16_1988, "Wwwwwwwwwz, ZD Mmmmmmmmmz YYYY", "Monday, 16 May 1988"},
      {may_16_1988, "WWWWWWWWWZ|", "MONDAY|"},
      {may_16_1988, "Www|W|WWWWWWWWWW|", "Mon|M|MONDAY    |"},
      {may_16_1988, "Mmmz|", "May|"},
      {may_16_1988, "Mmm|MMMM|", "May|MAY |"},
      // One token per component: the last in the picture is the one shortened.
      {may_16_1988, "ZD|ZM|DD|MM", "16|05|16|05"},
      // Time tokens show zeros; the meridian, ZH's zero and the era stay as written.
      {may_16_1988, "HH:MI:SS.999 99 9 ZH AP a.p.", "00:00:00.000 00 0 00 AP a.p."},
      {may_16_1988, "yyyy-mm-dd (M) D YYYY", "yyyy-mm-dd (M) D 1988"},
      // Names cut to their token, or padded to it.
      {sep_5_1988, "MMM Mmmm Mmmz", "SEP Sept Sept"},
      {sep_5_1988, "MMMMMMMMMMMMMMMMMMMM|", "SEPTEMBER           |"},
      {sep_5_1988, "Mmmmmmmmmmmmmmmmmmmz|ZD|", "September|5|"},
      {sep_5_1988, "RRRZ|", "IX|"},
      {sep_5_1988, "Wwwz|Wwwwwz|", "Mond|Monday|"},
      {aug_19_2007, "RRRZ.YYYY Wwwwwwwwwz", "VIII.2007 Sunday"},
      {jan_7_2007, "RRRZ.YYYY ZD", "I.2007 7"},
      {mar_5_2007, "ZM/ZD/YYYY", "3/5/2007"},
      {mar_5_2007, "MM/DD/YYYY", "03/05/2007"},
      {mar_5_2007, "ZD.ZM.YYYY", "5.3.2007"},
      {mar_5_2007, "YYYY DDD", "2007 064"},
      // The ends of the calendar and the two sources of dates around 1601.
      {1, "YYYY-MM-DD Wwwwwwwwwz DDD", "1582-10-15 Friday 288"},
      {lilian_of_1600_12_31, "YYYY-MM-DD Wwwwwwwwwz DDD", "1600-12-31 Sunday 366"},
      {6654, "Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY", "Monday, January 1, 1601"},
      {6654, "Wwwwwwwwww, Mmmmmmmmmm DD, YYYY", "Monday    , January    01, 1601"},
      {lilian_max, "YYYY-MM-DD Www", "9999-12-31 Fri"},
      // Each pass sees the picture as written: a ZD inside a month name is replaced too.
      {may_16_1988, "MMMZD", "MAY16"},
      // A token at the 80th position is replaced only as far as it fits.
      {may_16_1988, std::string(78, '.') + "YYYY", std::string(78, '.') + "88"},
      {may_16_1988, std::string(79, '.') + "ZM", std::string(79, '.')},
      {sep_5_1988 + 61, std::string(79, '.') + "ZM", std::string(79, '.') + "Z"},
      {may_16_1988, std::string(80, '.') + "YYYY-MM-DD", std::string(80, '.')},
      {may_16_1988, std::string(96, '-') + "YYYY", std::string(80, '-')},
      {may_16_1988 - 11, "ZD" + std::string(78, '.') + "YYYY", "5" + std::string(78, '.')},
  };
  for (const auto& c : cases) EXPECT_EQ(date(c.lilian, c.picture), (formatted{c.expected, 0})) << c.picture;
}

TEST_F(run_unit, CeedateConditions) {
  const struct {
    std::int32_t lilian;
    std::string picture;
    int message;
  } cases[] = {{0, "YYYY-MM-DD", 2512},  {lilian_max + 1, "YYYY-MM-DD", 2512},
               {-1, "YYYY-MM-DD", 2512}, {std::numeric_limits<std::int32_t>::min(), "YYYY-MM-DD", 2512},
               {1, "-/", 2518},          {1, "yyyy-mm-dd", 2518}};
  for (const auto& c : cases) EXPECT_EQ(date(c.lilian, c.picture), (formatted{"", c.message})) << c.lilian;
  EXPECT_TRUE(console.empty());
}

TEST_F(run_unit, CeedatmTimeTokensMeridianAndShortening) {
  const struct {
    double seconds;
    std::string picture, expected;
  } cases[] = {
      {published, "YYYY-MM-DD HH:MI:SS.999", "1988-05-16 20:42:29.046"},
      {published, "YYMMDDHHMISS", "880516204229"},
      {published, "HH:MI:SS.99|SS.9|999", "20:42:29.04|29.0|046"},
      {published, "WWW, ZM/ZD/YY HH:MI AP", "MON, 5/16/88 08:42 PM"},
      {published, "Wwwwwwwwwz, DD Mmm YYYY, ZH:MI AP", "Monday, 16 May 1988, 8:42 PM"},
      {published, "ZH:MI ap", "8:42 pm"},
      {published, "HH.MI A.P.", "08.42 P.M."},
      {published, "a.p.", "p.m."},
      {published, "Mmmmmmmmmz ZD, YYYY", "May 16, 1988"},
      {published, "RRRZ DDD", "V 137"},
      // AM up to 12 o'clock, both 00 and 12 included; PM from 13, counted from 1.
      {at(may_16_1988, 0, 10), "HH:MI AP", "00:10 AM"},
      {at(may_16_1988, 12, 30), "HH:MI AP", "12:30 AM"},
      {at(may_16_1988, 13, 5), "HH:MI AP", "01:05 PM"},
      {at(may_16_1988, 23, 59), "ZH:MI a.p.", "11:59 p.m."},
      {at(may_16_1988, 13, 5), "AP ZH", "PM 1"},
      {at(may_16_1988, 9, 5), "ZH:MI|", "9:05|"},
      {at(may_16_1988, 0, 5), "ZH:MI|", "0:05|"},
      {at(may_16_1988, 9, 5), "ZH:MI ZD.ZM.YYYY Wwwwwwwwwz|", "9:05 16.5.1988 Monday|"},
      {at(mar_5_2007, 9, 5), "Wwwwwwwwwz ZD.ZM.YYYY ZH:MI AP", "Monday 5.3.2007 9:05 AM"},
      // Fractions are truncated.
      {at(may_16_1988) + 7.5678, "SS.99|SS.9|SS.999", "07.56|07.5|07.567"},
      {at(may_16_1988, 23, 59, 59, 999), "HH:MI:SS.99", "23:59:59.99"},
      // The range ends, and the days before 1601 from the early-period calendar.
      {86'400.0, "YYYY-MM-DD HH:MI:SS.999", "1582-10-15 00:00:00.000"},
      {265'621'679'999.999, "YYYY-MM-DD HH:MI:SS.999", "9999-12-31 23:59:59.999"},
      {at(lilian_of_1600_12_31, 23, 59, 59, 999), "Wwwwwwwwwz YYYYDDD HH:MI:SS.999", "Sunday 1600366 23:59:59.999"},
      {at(6654), "Wwwwwwwwwz YYYYDDD HH:MI:SS.999", "Monday 1601001 00:00:00.000"},
      {at(may_16_1988), std::string(79, '.') + "AP", std::string(79, '.') + "A"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(stamp(c.seconds, c.picture), (formatted{c.expected, 0})) << c.picture << " " << std::to_string(c.seconds);
  }
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  for (const double outside : {86'399.999, 265'621'680'000.0, 0.0, -0.0, nan, inf, -inf, 1e300, -1e300}) {
    EXPECT_EQ(stamp(outside, "YYYY-MM-DD"), (formatted{"", 2505})) << outside;
  }
  EXPECT_EQ(stamp(published, "-/"), (formatted{"", 2518}));
  EXPECT_TRUE(console.empty());
}

TEST_F(run_unit, EraTokensAreLeftAsWrittenWithANotice) {
  const std::vector<std::string> notice{"DBCS Support not provided yet",
                                        "   Contact Orvane for additional information"};
  EXPECT_EQ(date(may_16_1988, "\x0EJJJJ\x0F MM.DD"), (formatted{"\x0EJJJJ\x0F 05.16", 0}));
  EXPECT_EQ(console, notice);
  console.clear();
  EXPECT_EQ(stamp(published,
                  "\x0E"
                  "CCCC\x0F HH:MI"),
            (formatted{"\x0E"
                       "CCCC\x0F 20:42",
                       0}));
  EXPECT_EQ(console, notice);
}

// Stand-ins for the default-format services of the country family, answering as they do for "US",
// and recording the country code they were asked about.
std::string asked_country;
int us_date_format(const char* country, char* picture, ovle_feedback* fc) noexcept {
  asked_country.assign(country, 2);
  std::memset(fc, 0, sizeof *fc);
  common::store_padded(picture, 80, platform::ebcdic_from_ascii("MM/DD/YY"), common::ebcdic::blank);
  return 0;
}
int us_timestamp_format(const char* country, char* picture, ovle_feedback* fc) noexcept {
  asked_country.assign(country, 2);
  std::memset(fc, 0, sizeof *fc);
  common::store_padded(picture, 80, platform::ebcdic_from_ascii("YYYY-MM-DD HH:MI:SS"), common::ebcdic::blank);
  return 0;
}
// An unknown country: the fallback and a severity-2 warning.
int unknown_country(const char*, char* picture, ovle_feedback* fc) noexcept {
  common::store_padded(picture, 80, platform::ebcdic_from_ascii("YYYY-MM-DD"), common::ebcdic::blank);
  common::feedback_code(fc).set({2, 3467, 1, common::facility_cee});
  return 0;
}
int failing_components(const double*, ovle_int4*, ovle_int4*, ovle_int4*, ovle_int4*, ovle_int4*, ovle_int4*,
                       ovle_int4*, ovle_feedback* fc) noexcept {
  common::feedback_code(fc).set(common::conditions::lilian_seconds_out_of_range);
  return 0;
}

template <typename F>
platform::program_address program(F* f) {
  return reinterpret_cast<platform::program_address>(f);
}

TEST_F(run_unit, DefaultPicturesAndCalleesByName) {
  using lines = std::vector<std::string>;
  // Until the country family provides them, CEEFMDA and CEEFMDT cannot be reached.
  for (const std::string blank : {"", "     "}) {
    console.clear();
    EXPECT_EQ(date(may_16_1988, blank), (formatted{"", 2518}));
    EXPECT_EQ(console, (lines{"Unable to reach CEEFMDA", "  When CALLed by CEEDATE"}));
    console.clear();
    EXPECT_EQ(stamp(published, blank), (formatted{"", 2518}));
    EXPECT_EQ(console, (lines{"Unable to reach CEEFMDT", "  When CALLed by CeeDATM"}));
  }
  console.clear();
  platform::testing::replace_program("CEEFMDA", program(&us_date_format));
  platform::testing::replace_program("CEEFMDT", program(&us_timestamp_format));
  EXPECT_EQ(date(may_16_1988, ""), (formatted{"05/16/88", 0}));
  EXPECT_EQ(asked_country, "\x40\x40") << "the blank country of a new environment, in EBCDIC";
  EXPECT_EQ(picture_tables::attach().delimiters.picture_length(), 80);
  area().set_country_count(2);
  std::memcpy(area().country(2).data(), platform::ebcdic_from_ascii("US").data(), 2);
  EXPECT_EQ(stamp(published, "  "), (formatted{"1988-05-16 20:42:29", 0}));
  EXPECT_EQ(asked_country, platform::ebcdic_from_ascii("US")) << "the top of the country stack";
  EXPECT_TRUE(console.empty());

  platform::testing::replace_program("CEEFMDA", program(&unknown_country));
  platform::testing::replace_program("CEEFMDT", program(&unknown_country));
  ovle_int4 lilian = test::int4(may_16_1988);
  double seconds = published;
  ovle_vstring empty = test::vstring("");
  char out[80];
  ovle_feedback fc;
  CEEDATE(&lilian, &empty, out, &fc);
  EXPECT_EQ(test::view(fc), test::ascii_condition(2, 3467, 1));
  EXPECT_EQ(std::string(out, 80), std::string(80, ' '));
  EXPECT_TRUE(console.empty());
  CEEDATM(&seconds, &empty, out, &fc);
  EXPECT_EQ(test::view(fc), test::ascii_condition(2, 3467, 1));
  EXPECT_EQ(std::string(out, 80), std::string(80, ' '));
  EXPECT_EQ(console, (lines{"Error calling CEEFMDT", "  When CALLed by CeeDATM"}));

  console.clear();
  platform::testing::replace_program("CEESECI", program(&failing_components));
  EXPECT_EQ(stamp(published, "YYYY"), (formatted{"", 2505}));
  EXPECT_EQ(console, (lines{"Error calling CEESECI", "  When CALLed by CeeDATM"}));
  console.clear();
  platform::testing::set_unreachable("CEESECI", true);
  EXPECT_EQ(stamp(published, "YYYY-MM-DD HH:MI Mmm|Www|"), (formatted{"0000-00-00 00:00    |   |", 0}));
  EXPECT_EQ(stamp(at(1, 12), "YYYY-MM-DD HH:MI Mmm"), (formatted{"1582-10-15 00:00 Oct", 0}));
  EXPECT_EQ(console, (lines{"Unable to reach CEESECI", "  When CALLed by CeeDATM", "Unable to reach CEESECI",
                            "  When CALLed by CeeDATM"}));
}

TEST_F(run_unit, AnEbcdicCallerGetsEbcdic) {
  ebcdic_caller();
  const ovle_int4 in = test::int4(may_16_1988);
  ovle_vstring p = test::vstring(platform::ebcdic_from_ascii("Wwwwwwwwwz, ZD Mmm YYYY"));
  char out[80];
  ovle_feedback fc;
  CEEDATE(&in, &p, out, &fc);
  EXPECT_TRUE(test::is_success(fc));
  EXPECT_EQ(std::string(out, 80), platform::ebcdic_from_ascii("Monday, 16 May 1988" + std::string(61, ' ')));
  double seconds = published;
  CEEDATM(&seconds, &p, out, &fc);
  EXPECT_EQ(std::string(out, 80), platform::ebcdic_from_ascii("Monday, 16 May 1988" + std::string(61, ' ')));
  CEEDATM(&seconds, &p, out, nullptr);
  const ovle_int4 zero = test::int4(0);
  CEEDATE(&zero, &p, out, &fc);
  EXPECT_EQ(test::view(fc).facility, platform::ebcdic_from_ascii("CEE"));
  EXPECT_EQ(std::string(out, 80), std::string(80, '\x40'));
}

class round_trip : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    setenv("OVLE_CURRENT_DATE", "2026120515300000+0000", 1);
  }
};

// Every picture the date engine reads: a sweep of days formatted and read back.
TEST_F(round_trip, CeedateThenCeedaysGivesTheDayBack) {
  const char* const pictures[] = {"YYYY-MM-DD",
                                  "YYYYMMDD",
                                  "YYYYDDD",
                                  "YYYY.DDD",
                                  "ZM/ZD/YYYY",
                                  "ZD.ZM.YYYY",
                                  "DD MMM YYYY",
                                  "Mmmmmmmmmz ZD, YYYY",
                                  "Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY",
                                  "WWWWWWWWWZ MMMMMMMMMMMMMMMMMMMZ DD YYYY",
                                  "Www, DD Mmmmmmmmmm YYYY",
                                  "DD.RRRZ.YYYY",
                                  "RRRR YYYY ZD",
                                  "YYYY-ZM-ZD HH:MI:SS.999 AP"};
  std::mt19937 rng(6654);
  ovle_vstring text, picture;
  ovle_int4 in, out;
  ovle_feedback fc;
  char formatted_date[80];
  for (int round = 0; round < 20000; ++round) {
    const std::int32_t lilian =
        round < 4 ? std::array{1, 6653, 6654, lilian_max}[round] : static_cast<std::int32_t>(rng() % lilian_max + 1);
    ovle_int4_set(&in, lilian);
    for (const char* p : pictures) {
      picture = test::vstring(p);
      CEEDATE(&in, &picture, formatted_date, &fc);
      ASSERT_TRUE(test::is_success(fc)) << p;
      text = test::vstring(std::string_view(formatted_date, 80));
      CEEDAYS(&text, &picture, &out, &fc);
      ASSERT_EQ(ovle_int4_get(&out), lilian) << std::string(formatted_date, 80) << " with " << p;
    }
  }
}

// A sweep of Lilian seconds formatted and read back, to the millisecond (to the hundredth or the
// tenth through a picture that shows no more).
TEST_F(round_trip, CeedatmThenCeesecsGivesTheValueBack) {
  const struct {
    const char* picture;
    std::int64_t shown;  // milliseconds per unit of the last digit shown
  } pictures[] = {{"YYYY-MM-DD HH:MI:SS.999", 1},
                  {"YYYYMMDDHHMISS999", 1},
                  {"Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY ZH:MI:SS.999", 1},
                  {"ZD.ZM.YYYY ZH.MI.SS.999", 1},
                  {"DD RRRZ YYYY HH:MI:SS.99", 10},
                  {"YYYYDDD HHMISS9", 100},
                  {"Www DD Mmm YYYY HH:MI", 60'000}};
  std::mt19937_64 rng(265621679999);
  ovle_vstring text, picture;
  double in, out;
  ovle_feedback fc;
  char formatted_stamp[80];
  for (int round = 0; round < 20000; ++round) {
    in = round == 0   ? 86'400.0
         : round == 1 ? 265'621'679'999.999
                      : std::uniform_real_distribution<double>(86'400.0, 265'621'679'999.999)(rng);
    const std::int64_t expected = test_support::shortest_decimal_milliseconds(in);
    for (const auto& p : pictures) {
      picture = test::vstring(p.picture);
      CEEDATM(&in, &picture, formatted_stamp, &fc);
      ASSERT_TRUE(test::is_success(fc)) << p.picture;
      text = test::vstring(std::string_view(formatted_stamp, 80));
      CEESECS(&text, &picture, &out, &fc);
      ASSERT_TRUE(test::is_success(fc)) << std::string(formatted_stamp, 80);
      ASSERT_EQ(std::llround(out * 1000), expected / p.shown * p.shown)
          << std::string(formatted_stamp, 80) << " with " << p.picture << " from " << std::to_string(in);
    }
  }
}

// Whatever the bytes, the formatting and reading services answer with a value or a condition of
// their own and write nothing past their outputs.
TEST_F(round_trip, RandomPicturesAndTimestampsNeverCrash) {
  std::mt19937 rng(80);
  const std::string alphabet("YMDWRZHSI9APmwzya.0123456789-/:, \x0E\x0F\xFF", 37);
  const std::set<int> messages = {0, 2505, 2507, 2508, 2512, 2513, 2517, 2518, 2520, 2525};
  for (int round = 0; round < 20000; ++round) {
    const auto random_text = [&] {
      std::string s(rng() % 121, ' ');
      for (char& c : s) c = round % 2 == 0 ? alphabet[rng() % alphabet.size()] : static_cast<char>(rng());
      return s;
    };
    const std::string picture = random_text();
    const formatted d = date(static_cast<std::int32_t>(rng() % (lilian_max + 2)), picture);
    ASSERT_TRUE(messages.count(d.message)) << d;
    const formatted t = stamp(86'400.0 + static_cast<double>(rng() % 3'000'000'000) * 88.5, picture);
    ASSERT_TRUE(messages.count(t.message)) << t;
    ovle_vstring text = test::vstring(random_text()), pic = test::vstring(picture);
    double out = 0;
    ovle_feedback fc;
    CEESECS(&text, &pic, &out, &fc);
    ASSERT_TRUE(messages.count(test::view(fc).message)) << test::view(fc);
    ASSERT_TRUE(test::is_success(fc) ? out >= 0 && out < 265'621'680'000.0 + 1e9 : true) << out;
  }
}

}  // namespace
}  // namespace ovle::datetime
