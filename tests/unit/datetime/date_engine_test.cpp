// CEEDAYS and CEECBLDY through their C entries: reading rules, messages and which one wins, range
// limits, the call of the engine by name, and a sweep of days that CEEDATE writes and CEEDAYS reads
// back through pictures of every kind of token. (An EBCDIC caller of the date services is a COBOL
// program of its own, tests/cobol/ebcdic_caller.cbl.)
#include <random>
#include <string>
#include <vector>

#include "datetime/calendar.hpp"
#include "ovle_test.hpp"

namespace ovle::datetime {
namespace {

struct outcome {
  std::int32_t value;
  int message;  // 0 when the feedback code is sixteen X'00' bytes
  friend bool operator==(const outcome&, const outcome&) = default;
  friend std::ostream& operator<<(std::ostream& os, const outcome& o) {
    return os << "{" << o.value << ", msg " << o.message << "}";
  }
};
constexpr outcome ok(std::int32_t value) { return {value, 0}; }
constexpr outcome error(int message) { return {0, message}; }

// CEEDAYS ('D'), CEECBLDY without its mode ('I'), or CEECBLDY with `via` as its mode.
outcome read(std::string_view date, std::string_view picture, char via = 'D') {
  ovle_vstring d = test::vstring(date), p = test::vstring(picture);
  ovle_int4 out = test::int4(-7);
  ovle_feedback fc = test::dirty_feedback();
  EXPECT_EQ(via == 'D' ? CEEDAYS(&d, &p, &out, &fc) : CEECBLDY(&d, &p, &out, &fc, via == 'I' ? nullptr : &via), 0);
  if (test::is_success(fc)) return ok(ovle_int4_get(&out));
  EXPECT_EQ(test::view(fc), test::ascii_condition(3, test::view(fc).message, 1));
  return {ovle_int4_get(&out), test::view(fc).message};
}

// Every test runs in 2026: two-digit years 1946 to 2045.
class engine_test : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    setenv("OVLE_CURRENT_DATE", "2026120515300000+0000", 1);
  }
};

constexpr std::int32_t may_16_1988 = 148138;  // the published example; the others count from it
constexpr std::int32_t may_15_2007 = 155076, may_5_2007 = may_15_2007 - 10, jan_15_2007 = may_15_2007 - 120;

TEST_F(engine_test, ReadingsMessagesAndWhichMessageWins) {
  const std::string dots(70, '.');
  const struct {
    std::string date, picture;
    outcome expected;
    char via = 'D';  // D CEEDAYS; I CEECBLDY; 1 and X CEECBLDY with that mode
  } cases[] = {
      // clang-format off
      {"16 May        88", "DD Mmmmmmmmmm YY", ok(may_16_1988)}, {"880516204229", "YYMMDDHHMISS", ok(may_16_1988)},
      {"MON, 5/16/88 08:42 PM", "WWW, ZM/ZD/YY HH:MI AP", ok(may_16_1988)},
      {"Monday, 16 May 1988, 8:42 PM", "Wwwwwwwwwz, DD Mmm YYYY, ZH:MI AP", ok(may_16_1988)},
      // Range limits and calendar validity.
      {"1582-10-14", "YYYY-MM-DD", error(2513)}, {"1900-02-29", "YYYY-MM-DD", error(2508)},
      {"2007-13-01", "YYYY-MM-DD", error(2508)},
      {"2007-00-10", "YYYY-MM-DD", error(2508)}, {"2007-04-31", "YYYY-MM-DD", error(2508)},
      {"2007-04-00", "YYYY-MM-DD", error(2508)}, {"2007-01-32", "YYYY-MM-DD", error(2508)},
      {"1900366", "YYYYDDD", error(2508)}, {"1582287", "YYYYDDD", error(2513)}, {"2007000", "YYYYDDD", error(2508)},
      {"2007367", "YYYYDDD", error(2508)}, {"2000367", "YYYYDDD", error(2508)},
      // Integer dates from 1 January 1601; the mode "1" asks for a Lilian day.
      {"1600-12-31", "YYYY-MM-DD", error(2513), 'I'}, {"1601001", "YYYYDDD", ok(1), 'I'},
      {"1601000", "YYYYDDD", error(2513), 'I'},
      {"1600366", "YYYYDDD", error(2513), 'I'}, {"2000-01-01", "YYYY-MM-DD", ok(145732), 'X'},
      {"1600-12-31", "YYYY-MM-DD", ok(6653), '1'}, {"1582-10-14", "YYYY-MM-DD", error(2513), '1'},
      {"", "", error(2518), 'I'},
      // One-digit components shift what follows them, when a delimiter or the end follows the token.
      {"2007-05-5", "YYYY-MM-DD", ok(may_5_2007)}, {"9:30 2007-05-15", "HH:MI YYYY-MM-DD", ok(may_15_2007)},
      {"20075-15", "YYYYMMDD", error(2507)}, {"20075-15", "YYYYMM-DD", ok(may_15_2007)},
      {"2007515", "YYYYMMDD", error(2508)}, {"x/15/2007", "MM/DD/YYYY", error(2520)},
      {"0/15/2007", "MM/DD/YYYY", error(2508)}, {"5/0/2007", "MM/DD/YYYY", error(2508)},
      {"2007-15-5x", "YYYY-DD-MM9", ok(may_15_2007)},
      // Names on their first three letters, in any case; the weekday is not compared with the date.
      {"jan 15 2007", "Mmm DD YYYY", ok(jan_15_2007)}, {"15.i.2007", "DD.RRRZ.YYYY", ok(jan_15_2007)}, {"V2007-15", "RRRZYYYY-DD", ok(may_15_2007)},
      {"WED 2007-05-15", "WWW YYYY-MM-DD", ok(may_15_2007)},
      // Leading blanks are skipped unless the picture starts with one; the date is read over 80
      // characters, the picture over 100.
      {"   2007-05-15", "YYYY-MM-DD", ok(may_15_2007)}, {" 2007-05-15", " YYYY-MM-DD", ok(may_15_2007)},
      {"   2007-05-15", " YYYY-MM-DD", error(2520)}, {"          ", "YYYY-MM-DD", error(2520)},
      {"", "YYYY-MM-DD", error(2520)}, {dots + "05-15-2007", dots + "MM-DD-YYYY", ok(may_15_2007)},
      {"." + dots + "05-15-2007", "." + dots + "MM-DD-YYYY", error(2520)},
      {"2007-05-15" + std::string(110, ' '), "YYYY-MM-DD" + std::string(90, ' ') + "WWWWWWWWWW", ok(may_15_2007)},
      // 2518: no token, no default picture.
      {"2007-05-15", "", error(2518)}, {"2007-05-15", "          ", error(2518)}, {"2007-05-15", "-/", error(2518)},
      {"2007-05-15", "yyyy-mm-dd", error(2518)},
      // 2507: a component not read. Only YYYY and YY are read, and YY only as two digits.
      {"2007-05", "YYYY-MM", error(2507)}, {"12:30", "HH:MI", error(2507)}, {"AB-03-01", "YY-MM-DD", error(2507)},
      {"07-03-01", "YYY-MM-DD", error(2507)}, {"7-03-01", "Y-MM-DD", error(2507)},
      {"2007-03-01", "ZYY-MM-DD", error(2507)}, {"\x0EJJJJ\x0F" "05.15", "\x0EJJJJ\x0FMM.DD", error(2507)},
      // 2520: all read but not numeric, or a zero Julian date.
      {"2007", "YYYYDDD", error(2520)}, {"2007-O5-15", "YYYY-MM-DD", error(2520)},
      {"0000000", "YYYYDDD", error(2520)}, {"2007ABC", "YYYYDDD", error(2520)},
      // 2517 survives when the date is good; the date checks after it replace it.
      {"Xyz, 2007-05-15", "Www, YYYY-MM-DD", error(2517)}, {"Foo 1988137", "Mmm YYYYDDD", error(2517)},
      {"Q    1988137", "RRRZ YYYYDDD", error(2517)}, {"Xyz, 2007-13-15", "Www, YYYY-MM-DD", error(2508)},
      {"Xyz, 1500-05-15", "Www, YYYY-MM-DD", error(2513)}, {"Foo 15, 2007", "Mmm DD, YYYY", error(2507)},
      // The range test comes after the validity tests; 366 in a common year comes first.
      {"1500-13-01", "YYYY-MM-DD", error(2513)}, {"1582-02-30", "YYYY-MM-DD", error(2513)},
      {"0000-00-00", "YYYY-MM-DD", error(2513)}, {"1500000", "YYYYDDD", error(2513)},
      {"1500366", "YYYYDDD", error(2508)},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(read(c.date, c.picture, c.via), c.expected) << c.date << " with " << c.picture;
}

std::string spied;  // what the engine received from CEEDAYS
int engine_spy(const ovle_vstring* date, const ovle_vstring* picture, ovle_int4* result, ovle_feedback* fc,
               const char* mode) noexcept {
  spied += test::text_of(*date) + test::text_of(*picture) + *mode;
  return CEECBLDY(date, picture, result, fc, mode);
}

TEST_F(engine_test, CeedaysCallsTheEngineByName) {
  platform::testing::replace_program("CEECBLDY", reinterpret_cast<platform::program_address>(&engine_spy));
  EXPECT_EQ(read("1600-12-31", "YYYY-MM-DD"), ok(6653));
  EXPECT_EQ(spied, platform::ebcdic_from_ascii("1600-12-31YYYY-MM-DD1")) << "once, EBCDIC texts, Lilian mode";
  platform::testing::set_unreachable("CEECBLDY", true);
  ovle_vstring d = test::vstring("2007-05-15"), p = test::vstring("YYYY-MM-DD");
  ovle_int4 out = test::int4(99);
  ovle_feedback fc = test::dirty_feedback();
  CEEDAYS(&d, &p, &out, &fc);
  EXPECT_EQ(console, (std::vector<std::string>{"Unable to reach CEECBLDY", "  When CALLed by CEEDAYS"}));
  EXPECT_EQ(test::view(fc), test::ascii_condition(4, 9999, 0, "OVX"));
  EXPECT_EQ(ovle_int4_get(&out), 0);
}

// Random days and both ends of the calendar. CEEDATE writes the names this test builds from its own
// tables, and CEEDAYS reads them back; CEEDAYS also reads texts CEEDATE does not write (names in any
// case, one-digit components under two-digit tokens, leading blanks, two-digit years). Digits alone
// are the fuzz harnesses' round trips and the day sweep's.
TEST_F(engine_test, SampledDaysFormatAndReadBackThroughManyPictures) {
  const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                "July",    "August",   "September", "October", "November", "December"};
  const char* const weekdays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
  const char* const roman[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
  const auto pad = [](std::string s, std::size_t width) {
    s.resize(width, ' ');
    return s;
  };
  const auto upper = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
  };
  const auto digits = [](int value, int width) {
    const std::string s = std::to_string(value);
    return std::string(static_cast<std::size_t>(width) - s.size(), '0') + s;
  };
  std::mt19937 rng(3074324);
  for (int round = 0; round < 20000; ++round) {
    const std::int32_t lilian =
        round < 4 ? std::array{1, 6653, 6654, lilian_max}[round] : static_cast<std::int32_t>(rng() % lilian_max + 1);
    const calendar_date c = date_from_lilian(lilian);
    const std::string yyyy = digits(c.year, 4), mm = digits(c.month, 2), dd = digits(c.day, 2);
    const std::string m = std::to_string(c.month), d = std::to_string(c.day), numeral = roman[c.month - 1];
    const std::string month = months[c.month - 1], day = weekdays[c.weekday_digit - 1];
    const std::string odd_month = round % 2 ? upper(month) : month, odd_day = round % 2 ? day : upper(day);
    const struct {
      std::string text, picture;
      bool formatted;  // CEEDATE writes the text
    } forms[] = {
        {m + "/" + d + "/" + yyyy, "ZM/ZD/YYYY", true},
        {month + " " + d + ", " + yyyy, "Mmmmmmmmmz ZD, YYYY", true},
        {day + ", " + dd + " " + upper(month) + " " + yyyy, "Wwwwwwwwwz, DD MMMMMMMMMZ YYYY", true},
        {upper(pad(day, 12)) + dd + upper(month.substr(0, 3)) + yyyy, "WWWWWWWWWWWWDDMMMYYYY", true},
        {day.substr(0, 3) + ", " + dd + " " + pad(month, 10) + " " + yyyy, "Www, DD Mmmmmmmmmm YYYY", true},
        {d + "." + numeral + "." + yyyy, "ZD.RRRZ.YYYY", true},
        {dd + "." + pad(numeral, 4) + "." + yyyy, "DD.RRRR.YYYY", true},
        {m + "/" + d + "/" + yyyy, "MM/DD/YYYY", false},
        {odd_day + ", " + dd + " " + odd_month + " " + yyyy, "Wwwwwwwwwz, DD MMMMMMMMMZ YYYY", false},
        {"  " + yyyy + "." + digits(c.day_of_year, 3), "YYYY.DDD", false},
    };
    for (const auto& [text, picture, formatted] : forms) {
      if (formatted) {
        const ovle_int4 in = test::int4(lilian);
        ovle_vstring p = test::vstring(picture);
        char out[80];
        ovle_feedback fc;
        CEEDATE(&in, &p, out, &fc);
        ASSERT_EQ(std::string(out, 80), pad(text, 80)) << picture;
      }
      ASSERT_EQ(read(text, picture), ok(lilian)) << text << " with " << picture;
    }
    if (c.year >= 1946 && c.year <= 2045) {
      ASSERT_EQ(read(yyyy.substr(2) + mm + dd, "YYMMDD"), ok(lilian));
    }
    ASSERT_EQ(read(yyyy + mm + dd, "YYYYMMDD", 'I'), lilian > 6653 ? ok(lilian - 6653) : error(2513));
  }
}

}  // namespace
}  // namespace ovle::datetime
