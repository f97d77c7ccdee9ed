// CEEDAYS and CEECBLDY through their C entries: reading rules, messages and their precedence,
// range limits, code sets, omitted arguments, the call of the engine by name, and round trips.
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "datetime/calendar.hpp"
#include "datetime/date_engine.hpp"
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

outcome from(const ovle_int4& out, const ovle_feedback& fc) {
  if (test::is_success(fc)) return {ovle_int4_get(&out), 0};
  const test::condition_view v = test::view(fc);
  EXPECT_EQ(v.severity, 3);
  EXPECT_EQ(v.case_severity_control, 0x59);
  EXPECT_TRUE(v.instance_zero);
  return {ovle_int4_get(&out), v.message};
}

outcome ceedays(std::string_view date, std::string_view picture) {
  ovle_vstring d = test::vstring(date), p = test::vstring(picture);
  ovle_int4 out = test::int4(-7);
  ovle_feedback fc = test::dirty_feedback();
  EXPECT_EQ(CEEDAYS(&d, &p, &out, &fc), 0);
  return from(out, fc);
}

outcome ceecbldy(std::string_view date, std::string_view picture, const char* mode = nullptr) {
  ovle_vstring d = test::vstring(date), p = test::vstring(picture);
  ovle_int4 out = test::int4(-7);
  ovle_feedback fc = test::dirty_feedback();
  EXPECT_EQ(CEECBLDY(&d, &p, &out, &fc, mode), 0);
  return from(out, fc);
}

constexpr outcome ok(std::int32_t value) { return {value, 0}; }
constexpr outcome error(int message) { return {0, message}; }

// Every test runs in 2026 (window of two-digit years 1946 to 2045 by default).
class engine_test : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    setenv("OVLE_CURRENT_DATE", "2026120515300000+0000", 1);
  }
};

struct read_case {
  std::string date;
  std::string picture;
  outcome expected;
};

void check_lilian(const std::vector<read_case>& cases) {
  for (const auto& c : cases) {
    EXPECT_EQ(ceedays(c.date, c.picture), c.expected) << "'" << c.date << "' with '" << c.picture << "'";
  }
}

// Lilian days checked against an independent day count (16 May 1988 is the published 148138).
constexpr std::int32_t may_16_1988 = 148138;
constexpr std::int32_t may_15_2007 = 155076;
constexpr std::int32_t may_5_2007 = 155066;
constexpr std::int32_t jan_1_2000 = 152385;

TEST_F(engine_test, published_picture_examples) {
  check_lilian({
      {"880516", "YYMMDD", ok(may_16_1988)},
      {"19880516", "YYYYMMDD", ok(may_16_1988)},
      {"88-05-16", "YY-MM-DD", ok(may_16_1988)},
      {"1988-05-16", "YYYY-MM-DD", ok(may_16_1988)},
      {"05/16/88", "MM/DD/YY", ok(may_16_1988)},
      {"05/16/1988", "MM/DD/YYYY", ok(may_16_1988)},
      {"16.05.88", "DD.MM.YY", ok(may_16_1988)},
      {"16.05.1988", "DD.MM.YYYY", ok(may_16_1988)},
      {"88137", "YYDDD", ok(may_16_1988)},
      {"1988137", "YYYYDDD", ok(may_16_1988)},
      {"88.137", "YY.DDD", ok(may_16_1988)},
      {"May 16, 1988", "Mmmmmmmmmz DD, YYYY", ok(may_16_1988)},
      {"MAY 16, 1988", "MMMMMMMMMZ DD, YYYY", ok(may_16_1988)},
      {"Monday, May 16, 1988", "Wwwwwwwwwz, Mmmmmmmmmz DD, YYYY", ok(may_16_1988)},
      {"16 May 88", "DD Mmm YY", ok(may_16_1988)},
      {"16 MAY 1988", "DD MMM YYYY", ok(may_16_1988)},
      {"16.V.88", "ZD.RRRZ.YY", ok(may_16_1988)},
      {"16.V   .88", "ZD.RRRR.YY", ok(may_16_1988)},
      {"1988.05.16 13:30:00", "YYYY.MM.DD HH:MI:SS", ok(may_16_1988)},
      {"051688", "MMDDYY", ok(may_16_1988)},
      {"5/16/88", "ZM/ZD/YY", ok(may_16_1988)},
      {"16-V   -88", "DD-RRRR-YY", ok(may_16_1988)},
      {"16 May        88", "DD Mmmmmmmmmm YY", ok(may_16_1988)},
      {"16 May 88", "DD Mmmmmmmmmz YY", ok(may_16_1988)},
      {"1988/137", "YYYY/DDD", ok(may_16_1988)},
      {"880516204229", "YYMMDDHHMISS", ok(may_16_1988)},
      {"1988-05-16 20:42:29.046", "YYYY-MM-DD HH:MI:SS.999", ok(may_16_1988)},
      {"MON, 5/16/88 08:42 PM", "WWW, ZM/ZD/YY HH:MI AP", ok(may_16_1988)},
      {"Monday, 16 May 1988, 8:42 PM", "Wwwwwwwwwz, DD Mmm YYYY, ZH:MI AP", ok(may_16_1988)},
      {"05/16/8", "MM/DD/Y", error(2507)},  // a one-digit year is not read
      {"5/15/2007", "MM/DD/YYYY", ok(may_15_2007)},
      {"May 5, 2007", "Mmmmmmmmmz ZD, YYYY", ok(may_5_2007)},
      {"2000-01-01", "YYYY-MM-DD", ok(jan_1_2000)},
  });
}

TEST_F(engine_test, range_limits_and_calendar_validity) {
  check_lilian({
      {"1582-10-15", "YYYY-MM-DD", ok(1)},
      {"1582-10-14", "YYYY-MM-DD", error(2513)},
      {"1582-12-31", "YYYY-MM-DD", ok(78)},
      {"1583-01-01", "YYYY-MM-DD", ok(79)},
      {"1600-12-31", "YYYY-MM-DD", ok(6653)},
      {"1601-01-01", "YYYY-MM-DD", ok(6654)},
      {"9999-12-31", "YYYY-MM-DD", ok(3074324)},
      {"2000-02-29", "YYYY-MM-DD", ok(152444)},
      {"1600-02-29", "YYYY-MM-DD", ok(6653 - 306)},
      {"1900-02-29", "YYYY-MM-DD", error(2508)},
      {"1700-02-29", "YYYY-MM-DD", error(2508)},
      {"2007-13-01", "YYYY-MM-DD", error(2508)},
      {"2007-00-10", "YYYY-MM-DD", error(2508)},
      {"2007-04-31", "YYYY-MM-DD", error(2508)},
      {"2007-04-00", "YYYY-MM-DD", error(2508)},
      {"2007-01-32", "YYYY-MM-DD", error(2508)},
      {"1600366", "YYYYDDD", ok(6653)},
      {"1900366", "YYYYDDD", error(2508)},
      {"2000366", "YYYYDDD", ok(jan_1_2000 + 365)},
      {"1582287", "YYYYDDD", error(2513)},
      {"1582288", "YYYYDDD", ok(1)},
      {"1583001", "YYYYDDD", ok(79)},
      {"9999365", "YYYYDDD", ok(3074324)},
      {"2007000", "YYYYDDD", error(2508)},
      {"2007367", "YYYYDDD", error(2508)},
  });
}

TEST_F(engine_test, ceecbldy_counts_integer_dates_from_1601) {
  struct cbldy_case {
    std::string date, picture;
    const char* mode;
    outcome expected;
  };
  const char lilian_ascii[] = "1";
  const char other[] = "X";
  const std::vector<cbldy_case> cases = {
      {"1601-01-01", "YYYY-MM-DD", nullptr, ok(1)},
      {"1600-12-31", "YYYY-MM-DD", nullptr, error(2513)},
      {"1582-10-15", "YYYY-MM-DD", nullptr, error(2513)},
      {"2000-01-01", "YYYY-MM-DD", nullptr, ok(145732)},
      {"9999-12-31", "YYYY-MM-DD", nullptr, ok(3067671)},
      {"1601001", "YYYYDDD", nullptr, ok(1)},
      {"1600366", "YYYYDDD", nullptr, error(2513)},
      {"2000-01-01", "YYYY-MM-DD", other, ok(145732)},
      {"1600-12-31", "YYYY-MM-DD", lilian_ascii, ok(6653)},
      {"1582-10-15", "YYYY-MM-DD", lilian_ascii, ok(1)},
      {"1582-10-14", "YYYY-MM-DD", lilian_ascii, error(2513)},
      {"May 16, 1988", "Mmmmmmmmmz ZD, YYYY", nullptr, ok(may_16_1988 - 6653)},
      {"", "", nullptr, error(2518)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ceecbldy(c.date, c.picture, c.mode), c.expected)
        << "'" << c.date << "' with '" << c.picture << "' mode " << (c.mode ? c.mode : "omitted");
  }
}

TEST_F(engine_test, one_digit_month_day_and_hour_shift_what_follows) {
  check_lilian({
      {"5/15/2007", "MM/DD/YYYY", ok(may_15_2007)},
      {"5/5/2007", "MM/DD/YYYY", ok(may_5_2007)},
      {"05/5/2007", "MM/DD/YYYY", ok(may_5_2007)},
      {"2007-05-5", "YYYY-MM-DD", ok(may_5_2007)},  // the day ends the picture
      {"2007-5-15", "YYYY-ZM-ZD", ok(may_15_2007)},
      {"15.5.2007", "DD.MM.YYYY", ok(may_15_2007)},
      {"9:30 2007-05-15", "HH:MI YYYY-MM-DD", ok(may_15_2007)},
      {"09:30 2007-05-15", "HH:MI YYYY-MM-DD", ok(may_15_2007)},
      {"2007 9 5 15", "YYYY HH MM DD", ok(may_15_2007)},
      // A token directly followed by another token cannot take one digit.
      {"20075-15", "YYYYMMDD", error(2507)},
      {"20075-15", "YYYYMM-DD", ok(may_15_2007)},
      {"2007515", "YYYYMMDD", error(2508)},  // reads month 51
      // The one digit is not checked: a letter ends up in the date.
      {"x/15/2007", "MM/DD/YYYY", error(2520)},
      {"0/15/2007", "MM/DD/YYYY", error(2508)},
      {"5/0/2007", "MM/DD/YYYY", error(2508)},
  });
}

TEST_F(engine_test, month_and_weekday_names_and_roman_numerals) {
  const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                "July",    "August",   "September", "October", "November", "December"};
  for (int m = 1; m <= 12; ++m) {
    const std::int32_t expected = lilian_from_gregorian(2007, m, 9);
    const std::string name = months[m - 1];
    std::string upper = name;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string padded = (name + std::string(10, ' ')).substr(0, 10);
    check_lilian({
        {name + " 9, 2007", "Mmmmmmmmmz ZD, YYYY", ok(expected)},
        {upper + " 09, 2007", "MMMMMMMMMZ DD, YYYY", ok(expected)},
        {padded + " 09, 2007", "Mmmmmmmmmm DD, YYYY", ok(expected)},
        {lower.substr(0, 3) + " 09 2007", "Mmm DD YYYY", ok(expected)},
        {upper.substr(0, 3) + "-09-2007", "MMM-DD-YYYY", ok(expected)},
    });
  }
  const char* const roman[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
  for (int m = 1; m <= 12; ++m) {
    const std::int32_t expected = lilian_from_gregorian(2007, m, 9);
    const std::string numeral = roman[m - 1];
    std::string lower = numeral;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    check_lilian({
        {"09." + numeral + ".2007", "DD.RRRZ.YYYY", ok(expected)},
        {"09." + lower + ".2007", "DD.RRRZ.YYYY", ok(expected)},
        {"09." + (numeral + "    ").substr(0, 4) + ".2007", "DD.RRRR.YYYY", ok(expected)},
        {numeral + "2007-09", "RRRZYYYY-DD", ok(expected)},
    });
  }
  check_lilian({
      {"Tuesday, May 15, 2007", "Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY", ok(may_15_2007)},
      {"Wednesday, 15 May 2007", "Wwwwwwwwwz, DD Mmmmmmmmmz YYYY", ok(may_15_2007)},
      {"WED 2007-05-15", "WWW YYYY-MM-DD", ok(may_15_2007)},  // the weekday is not checked
      {"Sun, 2007-05-15", "Www, YYYY-MM-DD", ok(may_15_2007)},
      {"SUNDAY     2007-05-15", "WWWWWWWWWW YYYY-MM-DD", ok(may_15_2007)},
      {"Thu, 2007-05-15", "Www, YYYY-MM-DD", ok(may_15_2007)},
  });
}

TEST_F(engine_test, leading_blanks_are_skipped_unless_the_picture_starts_with_one) {
  check_lilian({
      {"   2007-05-15", "YYYY-MM-DD", ok(may_15_2007)},
      {" 2007-05-15", " YYYY-MM-DD", ok(may_15_2007)},
      {"   2007-05-15", " YYYY-MM-DD", error(2520)},
      {"  May 15, 2007", "Mmm DD, YYYY", ok(may_15_2007)},
      {"          ", "YYYY-MM-DD", error(2520)},
      {"", "YYYY-MM-DD", error(2520)},
  });
}

TEST_F(engine_test, two_digit_years_through_the_century_window) {
  struct window_case {
    int window;  // CEESCEN argument; -1 keeps the environment's default (80)
    std::string yy;
    int year;
  };
  const std::vector<window_case> cases = {
      {-1, "45", 2045}, {-1, "46", 1946}, {-1, "00", 2000}, {-1, "99", 1999},
      {0, "25", 2125},  {0, "26", 2026},  {26, "00", 2000}, {26, "99", 2099},
      {27, "99", 1999}, {27, "00", 2000}, {100, "26", 2026}, {99, "27", 1927},
  };
  for (const auto& c : cases) {
    if (c.window >= 0) {
      const ovle_int4 w = test::int4(c.window);
      ovle_feedback fc;
      CEESCEN(&w, &fc);
      ASSERT_TRUE(test::is_success(fc));
    }
    SCOPED_TRACE("window " + std::to_string(c.window) + " year " + c.yy);
    EXPECT_EQ(ceedays(c.yy + "-03-01", "YY-MM-DD"), ok(lilian_from_gregorian(c.year, 3, 1)));
    EXPECT_EQ(ceedays(c.yy + "060", "YYDDD"), ok(lilian_from_julian(c.year, 60)));
  }
  check_lilian({
      {"AB-03-01", "YY-MM-DD", error(2507)},
      {"4-03-01", "YY-MM-DD", error(2507)},
      {"07-03-01", "YYY-MM-DD", error(2507)},  // three-digit years are not read
      {"7-03-01", "Y-MM-DD", error(2507)},
      {"2007-03-01", "ZYY-MM-DD", error(2507)},
  });
}

TEST_F(engine_test, each_message_and_which_one_wins) {
  check_lilian({
      // 2518: no token.
      {"2007-05-15", "", error(2518)},
      {"2007-05-15", "          ", error(2518)},
      {"2007-05-15", "-/", error(2518)},
      {"2007-05-15", "yyyy-mm-dd", error(2518)},
      // 2507: a component was not read.
      {"2007-05", "YYYY-MM", error(2507)},
      {"05-15", "MM-DD", error(2507)},
      {"12:30", "HH:MI", error(2507)},
      {"2007", "YYYYDDD", error(2520)},  // DDD read as blanks: read, not numeric
      {"07", "YYDDD", error(2520)},
      {"\x0E" "JJJJ" "\x0F" "05.15", "\x0E" "JJJJ" "\x0F" "MM.DD", error(2507)},
      {"2007-05-15", "MM-DD-YYYY\x0E" "CCCC", error(2507)},  // an era year without its shift-in, last
      // 2520: read but not numeric, or a zero Julian date.
      {"2007-O5-15", "YYYY-MM-DD", error(2520)},
      {"20O7-05-15", "YYYY-MM-DD", error(2520)},
      {"0000000", "YYYYDDD", error(2520)},
      {"2007ABC", "YYYYDDD", error(2520)},
      // 2517 survives when the date itself is good ...
      {"Xyz, 2007-05-15", "Www, YYYY-MM-DD", error(2517)},
      // ... and the date checks that come after it replace it.
      {"Xyz, 2007-13-15", "Www, YYYY-MM-DD", error(2508)},
      {"Xyz, 1500-05-15", "Www, YYYY-MM-DD", error(2513)},
      {"Xyz, 2007-05", "Www, YYYY-MM", error(2507)},
      // An unknown month leaves the month unread: 2517, then 2507.
      {"Foo 15, 2007", "Mmm DD, YYYY", error(2507)},
      {"15.Q.2007", "DD.RRRZ.YYYY", error(2507)},
      // The range test comes after the validity tests.
      {"1500-13-01", "YYYY-MM-DD", error(2513)},
      {"1582-02-30", "YYYY-MM-DD", error(2513)},
      {"0000-00-00", "YYYY-MM-DD", error(2513)},
      {"1500000", "YYYYDDD", error(2513)},
      {"1500366", "YYYYDDD", error(2508)},  // 366 in a common year is tested first
      // An invalid day read by the extractor stays even if the month check passes.
      {"2007-02-99", "YYYY-MM-DD", error(2508)},
  });
}

TEST_F(engine_test, tables_show_what_the_last_call_read) {
  ceedays("2007-05-15", "YYYY-MM-DD");
  const picture_tables t = picture_tables::attach();
  const auto fields = t.fields.bytes();
  const std::string gregorian = platform::ebcdic_from_ascii("20070515");
  EXPECT_EQ(std::memcmp(fields.data(), gregorian.data(), 8), 0);
  for (std::size_t i = 18; i < 25; ++i) EXPECT_EQ(static_cast<unsigned char>(fields[i]), 0xFF) << i;
  EXPECT_EQ(t.delimiters.picture_length(), 10);
  EXPECT_EQ(t.terms.kind(component::day), '\xF1');

  ceedays("1988137", "YYYYDDD");
  const std::string julian = platform::ebcdic_from_ascii("1988137");
  EXPECT_EQ(std::memcmp(fields.data() + 18, julian.data(), 7), 0);
  EXPECT_EQ(static_cast<unsigned char>(fields[4]), 0xFF);  // month never read
  EXPECT_EQ(t.terms.kind(component::month), '\x40');

  // A one-digit month written into the tables as two digits.
  ceedays("5/15/2007", "MM/DD/YYYY");
  EXPECT_EQ(std::memcmp(fields.data(), gregorian.data(), 8), 0);
}

// ---- Code sets, arguments, the call by name ---------------------------------------------------------

TEST_F(engine_test, ascii_caller_gets_its_inputs_back_and_an_ascii_facility) {
  for (auto [entry, name] : {std::pair{0, "CEEDAYS"}, std::pair{1, "CEECBLDY"}}) {
    SCOPED_TRACE(name);
    ovle_vstring d = test::vstring("2007-13-15"), p = test::vstring("YYYY-MM-DD");
    const ovle_vstring d0 = d, p0 = p;
    ovle_int4 out = test::int4(5);
    ovle_feedback fc = test::dirty_feedback();
    entry == 0 ? CEEDAYS(&d, &p, &out, &fc) : CEECBLDY(&d, &p, &out, &fc, nullptr);
    EXPECT_EQ(test::view(fc), test::ascii_condition(3, 2508, 1));
    EXPECT_EQ(ovle_int4_get(&out), 0);
    EXPECT_EQ(std::memcmp(&d, &d0, sizeof d), 0);
    EXPECT_EQ(std::memcmp(&p, &p0, sizeof p), 0);
  }
}

TEST_F(engine_test, ebcdic_caller_passes_and_gets_ebcdic) {
  ebcdic_caller();
  const test::condition_view ebcdic_2517{3, 2517, 0x59, "\xC3\xC5\xC5", true};
  struct ebcdic_case {
    std::string date, picture;
    outcome expected;
  };
  const std::vector<ebcdic_case> cases = {
      {"Tuesday, May 15, 2007", "Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY", ok(may_15_2007)},
      {"16.v.88", "ZD.RRRZ.YY", ok(may_16_1988)},
      {"1988137", "YYYYDDD", ok(may_16_1988)},
      {"Xyz 1988137", "Www YYYYDDD", error(2517)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.date);
    ovle_vstring d = test::vstring(platform::ebcdic_from_ascii(c.date));
    ovle_vstring p = test::vstring(platform::ebcdic_from_ascii(c.picture));
    const ovle_vstring d0 = d, p0 = p;
    ovle_int4 out = test::int4(-1);
    ovle_feedback fc = test::dirty_feedback();
    CEEDAYS(&d, &p, &out, &fc);
    EXPECT_EQ(ovle_int4_get(&out), c.expected.value);
    if (c.expected.message == 0) {
      EXPECT_TRUE(test::is_success(fc));
    } else {
      EXPECT_EQ(test::view(fc), ebcdic_2517);
    }
    EXPECT_EQ(std::memcmp(&d, &d0, sizeof d), 0);
    EXPECT_EQ(std::memcmp(&p, &p0, sizeof p), 0);
  }
  // The ASCII spelling means nothing to an EBCDIC caller's engine: no token.
  EXPECT_EQ(ceedays("2007-05-15", "YYYY-MM-DD").message, 2518);
  // CEECBLDY's mode is EBCDIC "1" for such a caller.
  ovle_vstring d = test::vstring(platform::ebcdic_from_ascii("1600-12-31"));
  ovle_vstring p = test::vstring(platform::ebcdic_from_ascii("YYYY-MM-DD"));
  ovle_int4 out;
  ovle_feedback fc;
  CEECBLDY(&d, &p, &out, &fc, "\xF1");
  EXPECT_TRUE(test::is_success(fc));
  EXPECT_EQ(ovle_int4_get(&out), 6653);
}

TEST_F(engine_test, omitted_feedback_code_and_missing_arguments) {
  ovle_vstring d = test::vstring("2007-05-15"), p = test::vstring("YYYY-MM-DD"), bad = test::vstring("2007-02-30");
  ovle_int4 out = test::int4(-1);
  EXPECT_EQ(CEEDAYS(&d, &p, &out, nullptr), 0);
  EXPECT_EQ(ovle_int4_get(&out), may_15_2007);
  EXPECT_EQ(CEEDAYS(&bad, &p, &out, nullptr), 0);
  EXPECT_EQ(ovle_int4_get(&out), 0);
  EXPECT_EQ(CEECBLDY(&d, &p, &out, nullptr, nullptr), 0);
  EXPECT_EQ(ovle_int4_get(&out), may_15_2007 - 6653);

  const test::condition_view library_condition = test::ascii_condition(4, 9999, 0, "OVX");
  for (int missing = 0; missing < 3; ++missing) {
    SCOPED_TRACE(missing);
    ovle_int4 o = test::int4(42);
    ovle_feedback fc = test::dirty_feedback();
    CEEDAYS(missing == 0 ? nullptr : &d, missing == 1 ? nullptr : &p, missing == 2 ? nullptr : &o, &fc);
    EXPECT_EQ(test::view(fc), library_condition);
    EXPECT_EQ(ovle_int4_get(&o), 42);
    fc = test::dirty_feedback();
    CEECBLDY(missing == 0 ? nullptr : &d, missing == 1 ? nullptr : &p, missing == 2 ? nullptr : &o, &fc, nullptr);
    EXPECT_EQ(test::view(fc), library_condition);
    EXPECT_EQ(ovle_int4_get(&o), 42);
  }
}

TEST_F(engine_test, long_inputs_are_cut_and_odd_lengths_are_safe) {
  // Only 80 characters of the date are read: the day at 81-82 is beyond them.
  const std::string long_date = std::string(72, '.') + "2007-05-15";
  const std::string long_picture = std::string(72, '.') + "YYYY-MM-DD";
  EXPECT_EQ(ceedays(long_date, long_picture), error(2520));
  EXPECT_EQ(ceedays(std::string(68, '.') + "2007-05-15", std::string(68, '.') + "YYYY-MM-DD"), ok(may_15_2007));
  // A picture of 120 characters is scanned over its first 100 only.
  EXPECT_EQ(ceedays("2007-05-15" + std::string(110, ' '), "YYYY-MM-DD" + std::string(90, ' ') + "WWWWWWWWWW"),
            ok(may_15_2007));
  // Negative lengths count as 0.
  ovle_vstring d = test::vstring("2007-05-15"), p = test::vstring("YYYY-MM-DD");
  ovle_int2_set(&p.length, -5);
  ovle_int4 out;
  ovle_feedback fc;
  CEEDAYS(&d, &p, &out, &fc);
  EXPECT_EQ(test::view(fc).message, 2518);
  ovle_int2_set(&p.length, 10);
  ovle_int2_set(&d.length, -1);
  CEEDAYS(&d, &p, &out, &fc);
  EXPECT_EQ(test::view(fc).message, 2520);
}

// Whatever the bytes, every call ends in a value or one of the engine's messages.
TEST_F(engine_test, random_bytes_give_a_message_never_a_crash) {
  std::mt19937 rng(1582);
  std::string alphabet = "YMDWRZHSI9APmwzy0123456789-/., \x0E\x0F\xFF";
  alphabet.push_back('\0');
  const std::set<int> messages = {0, 2507, 2508, 2513, 2517, 2518, 2520};
  for (int round = 0; round < 20000; ++round) {
    const auto random_text = [&](std::size_t max) {
      std::string s(std::uniform_int_distribution<std::size_t>(0, max)(rng), ' ');
      for (char& c : s) {
        c = round % 2 == 0 ? alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)]
                           : static_cast<char>(rng());
      }
      return s;
    };
    const std::string date = random_text(120);
    const std::string picture = random_text(120);
    const outcome o = ceedays(date, picture);
    ASSERT_TRUE(messages.count(o.message)) << o.message;
    if (o.message != 0) {
      ASSERT_EQ(o.value, 0);
    } else {
      ASSERT_GE(o.value, 1);
      ASSERT_LE(o.value, lilian_max);
    }
  }
}

TEST_F(engine_test, unreachable_engine_is_reported_and_gives_no_date) {
  platform::testing::set_unreachable("CEECBLDY", true);
  ovle_vstring d = test::vstring("2007-05-15"), p = test::vstring("YYYY-MM-DD");
  ovle_int4 out = test::int4(99);
  ovle_feedback fc = test::dirty_feedback();
  CEEDAYS(&d, &p, &out, &fc);
  EXPECT_EQ(console, (std::vector<std::string>{"Unable to reach CEECBLDY", "  When CALLed by CEEDAYS"}));
  EXPECT_EQ(test::view(fc), test::ascii_condition(4, 9999, 0, "OVX"));
  EXPECT_EQ(ovle_int4_get(&out), 0);
}

struct spy_record {
  int calls = 0;
  std::string date, picture;
  char mode = 0;
};
spy_record spy;

int engine_spy(const ovle_vstring* date, const ovle_vstring* picture, ovle_int4* result, ovle_feedback* fc,
               const char* mode) noexcept {
  ++spy.calls;
  spy.date = test::text_of(*date);
  spy.picture = test::text_of(*picture);
  spy.mode = *mode;
  return CEECBLDY(date, picture, result, fc, mode);
}

TEST_F(engine_test, ceedays_hands_ebcdic_texts_to_the_engine_in_lilian_mode) {
  platform::testing::replace_program("CEECBLDY", reinterpret_cast<platform::program_address>(&engine_spy));
  EXPECT_EQ(ceedays("1600-12-31", "YYYY-MM-DD"), ok(6653));
  EXPECT_EQ(spy.calls, 1);
  EXPECT_EQ(spy.date, platform::ebcdic_from_ascii("1600-12-31"));
  EXPECT_EQ(spy.picture, platform::ebcdic_from_ascii("YYYY-MM-DD"));
  EXPECT_EQ(spy.mode, '\xF1');
  EXPECT_EQ(ceedays("1600-12-31", "YYYY-MM-DD").message, 0);
}

TEST_F(engine_test, the_engine_initializes_the_environment) {
  EXPECT_FALSE(area().is_initialized());
  EXPECT_EQ(ceedays("45-01-01", "YY-MM-DD"), ok(168822));  // 2045: the window came from OV-PIPI
  EXPECT_TRUE(area().is_initialized());
}

TEST_F(engine_test, without_an_environment_two_digit_years_stay_incomplete) {
  platform::testing::set_unreachable("OV-PIPI", true);
  EXPECT_EQ(ceedays("45-01-01", "YY-MM-DD"), error(2507));
  EXPECT_EQ(ceedays("2045-01-01", "YYYY-MM-DD"), ok(168822));
}

// ---- Round trips -------------------------------------------------------------------------------

// A calendar of the test's own, stepped one day at a time, so the sweep needs no day arithmetic.
struct stepped_date {
  int year = 1582, month = 10, day = 15, day_of_year = 288;
  void next() {
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    ++day_of_year;
    if (++day > lengths[month - 1]) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
        day_of_year = 1;
      }
    }
  }
};

std::string digits(int value, int width) {
  std::string s = std::to_string(value);
  return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(s.size()))), '0') + s;
}

TEST_F(engine_test, every_lilian_day_reads_back_from_iso_and_julian_text) {
  stepped_date date;
  ovle_vstring iso_picture = test::vstring("YYYY-MM-DD"), julian_picture = test::vstring("YYYYDDD");
  ovle_vstring text = test::vstring("");
  ovle_int4 out;
  ovle_feedback fc;
  for (std::int32_t lilian = 1; lilian <= lilian_max; ++lilian, date.next()) {
    const std::string iso = digits(date.year, 4) + "-" + digits(date.month, 2) + "-" + digits(date.day, 2);
    std::memcpy(text.text, iso.data(), iso.size());
    ovle_int2_set(&text.length, static_cast<std::int16_t>(iso.size()));
    CEEDAYS(&text, &iso_picture, &out, &fc);
    ASSERT_EQ(ovle_int4_get(&out), lilian) << iso;
    const std::string julian = digits(date.year, 4) + digits(date.day_of_year, 3);
    std::memcpy(text.text, julian.data(), julian.size());
    ovle_int2_set(&text.length, static_cast<std::int16_t>(julian.size()));
    CEEDAYS(&text, &julian_picture, &out, &fc);
    ASSERT_EQ(ovle_int4_get(&out), lilian) << julian;
  }
  EXPECT_EQ(date.year, 10000);
}

TEST_F(engine_test, sampled_days_read_back_through_many_pictures) {
  const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                "July",    "August",   "September", "October", "November", "December"};
  const char* const weekdays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
  const char* const roman[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
  const auto upper = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
  };
  std::mt19937 rng(3074324);
  std::uniform_int_distribution<std::int32_t> any_day(1, lilian_max);
  for (int round = 0; round < 20000; ++round) {
    const std::int32_t lilian = round < 2 ? (round == 0 ? 1 : lilian_max) : any_day(rng);
    const calendar_date c = date_from_lilian(lilian);
    const std::string yyyy = digits(c.year, 4), mm = digits(c.month, 2), dd = digits(c.day, 2);
    const std::string month = months[c.month - 1], weekday = weekdays[c.weekday_digit - 1];
    const std::vector<std::pair<std::string, std::string>> forms = {
        {std::to_string(c.month) + "/" + std::to_string(c.day) + "/" + yyyy, "MM/DD/YYYY"},
        {yyyy + mm + dd, "YYYYMMDD"},
        {month + " " + std::to_string(c.day) + ", " + yyyy, "Mmmmmmmmmz ZD, YYYY"},
        {weekday + ", " + dd + " " + upper(month) + " " + yyyy, "Wwwwwwwwwz, DD MMMMMMMMMZ YYYY"},
        {(weekday + std::string(12, ' ')).substr(0, 12) + dd + upper(month).substr(0, 3) + yyyy,
         "WWWWWWWWWWWWDDMMMYYYY"},
        {std::to_string(c.day) + "." + roman[c.month - 1] + "." + yyyy, "ZD.RRRZ.YYYY"},
        {dd + "." + (std::string(roman[c.month - 1]) + "   ").substr(0, 4) + "." + yyyy, "DD.RRRR.YYYY"},
        {"  " + yyyy + "." + digits(c.day_of_year, 3), "YYYY.DDD"},
    };
    for (const auto& [text, picture] : forms) ASSERT_EQ(ceedays(text, picture), ok(lilian)) << text;
    if (c.year >= 1946 && c.year <= 2045) {
      ASSERT_EQ(ceedays(yyyy.substr(2) + mm + dd, "YYMMDD"), ok(lilian));
    }
    if (lilian > lilian_of_1600_12_31) {
      ASSERT_EQ(ceecbldy(yyyy + "-" + mm + "-" + dd, "YYYY-MM-DD"), ok(lilian - lilian_of_1600_12_31));
    }
  }
}

}  // namespace
}  // namespace ovle::datetime
