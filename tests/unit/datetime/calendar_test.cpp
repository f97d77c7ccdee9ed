// The Lilian calendar: every day both ways through the core and the services (which makes every leap
// year and every year's first day a case), the services outside the calendar and the early-period
// converters outside their window, and the century window of two-digit years.
#include "datetime/calendar.hpp"

#include "common/platform/intrinsics.hpp"
#include "ovle_test.hpp"

namespace ovle::datetime {
namespace {

using namespace test;
namespace intrinsic = platform::intrinsic;

// A calendar that only knows how to step one day forward, leap rule as the calendar states it.
struct day_walker {
  int year = 1582, month = 10, day = 15, day_of_year = 288;
  int name_weekday = 5, service_weekday = 6;  // Friday: 1 = Monday in the first, 1 = Sunday in the second
  void next() {
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 100 == 0 ? year % 400 == 0 : year % 4 == 0;
    ++day_of_year;
    if (++day > lengths[month - 1] + (month == 2 && leap ? 1 : 0)) {
      day = 1;
      if (++month > 12) month = 1, ++year, day_of_year = 1;
    }
    name_weekday = name_weekday % 7 + 1;
    service_weekday = service_weekday % 7 + 1;
  }
};

// Display digits, in EBCDIC when the library's own converters take or give them.
std::string digits(std::int32_t value, std::size_t width, bool ebcdic = false) {
  std::string s(width, '0');
  for (std::size_t i = width; i-- > 0 && value > 0; value /= 10) s[i] = static_cast<char>('0' + value % 10);
  return ebcdic ? platform::ebcdic_from_ascii(s) : s;
}

TEST_F(run_unit, EveryLilianDayConvertsToItsDateAndBack) {
  day_walker w;
  ovle_vstring iso_picture = vstring("YYYY-MM-DD"), julian_picture = vstring("YYYYDDD"), text;
  ovle_int4 in, out;
  ovle_feedback fc;
  char g[8], j[7], wd;
  for (std::int32_t lilian = 1; lilian <= lilian_max; ++lilian, w.next()) {
    const calendar_date d = date_from_lilian(lilian);
    ASSERT_TRUE(d.year == w.year && d.month == w.month && d.day == w.day && d.day_of_year == w.day_of_year &&
                d.weekday_digit == w.name_weekday)
        << "Lilian " << lilian << ": got " << d.year << '-' << d.month << '-' << d.day << " (" << d.day_of_year << ")";
    ASSERT_EQ(lilian_from_gregorian(w.year, w.month, w.day), lilian);
    ASSERT_EQ(lilian_from_julian(w.year, w.day_of_year), lilian);
    ASSERT_TRUE(is_valid_gregorian(w.year, w.month, w.day) && is_valid_julian(w.year, w.day_of_year));
    ovle_int4_set(&in, lilian);
    CEEDYWK(&in, &out, &fc);
    ASSERT_EQ(ovle_int4_get(&out), w.service_weekday) << lilian;
    text = vstring(digits(w.year, 4) + "-" + digits(w.month, 2) + "-" + digits(w.day, 2));
    CEEDAYS(&text, &iso_picture, &out, &fc);
    ASSERT_EQ(ovle_int4_get(&out), lilian) << text_of(text);
    text = vstring(digits(w.year, 4) + digits(w.day_of_year, 3));
    CEEDAYS(&text, &julian_picture, &out, &fc);
    ASSERT_EQ(ovle_int4_get(&out), lilian) << text_of(text);
    const std::int32_t gregorian = gregorian_number(d), julian = julian_number(d);
    if (lilian > lilian_of_1600_12_31) {  // the run-time's integer-date intrinsics count the same days
      const std::int32_t integer = lilian - lilian_of_1600_12_31;
      ASSERT_EQ(intrinsic::integer_of_date(gregorian), integer) << gregorian;
      ASSERT_EQ(intrinsic::integer_of_day(julian), integer) << julian;
      ASSERT_EQ(intrinsic::date_of_integer(integer) * 10000000LL + intrinsic::day_of_integer(integer),
                gregorian * 10000000LL + julian);
      ASSERT_EQ((intrinsic::rem(integer, 7) + 6) % 7 + 1, w.name_weekday);
      continue;
    }
    // Before 1601 the early-period converters do, both ways, in the library's EBCDIC digits.
    LILFUDGE(&in, g, j, &wd);
    ASSERT_EQ(std::string(g, 8) + std::string(j, 7) + wd,
              digits(gregorian, 8, true) + digits(julian, 7, true) + digits(w.name_weekday, 1, true))
        << lilian;
    for (const char* type : {"\xC7", "\xD1"}) {  // G, J
      ovle_int4_set(&out, -1);
      PICFUDGE(&out, g, j, type);
      ASSERT_EQ(ovle_int4_get(&out), lilian) << gregorian << ' ' << julian;
    }
  }
  EXPECT_EQ(w.year * 10000 + w.month * 100 + w.day, 100000101) << "the walk ends on 1 January 10000";
}

TEST_F(run_unit, ServicesOutsideTheCalendarAndTheEarlyPeriod) {
  for (const std::int32_t lilian : {0, -1, lilian_max + 1, INT32_MIN, INT32_MAX}) {
    const ovle_int4 in = int4(lilian);
    ovle_int4 out = int4(-99);
    ovle_feedback fc = dirty_feedback();
    CEEDYWK(&in, &out, &fc);
    EXPECT_EQ(ovle_int4_get(&out), 0) << lilian;
    EXPECT_EQ(view(fc), ascii_condition(3, 2512, 1)) << lilian;
  }
  ebcdic_caller();  // the early-period converters answer zeros outside their window, in EBCDIC whoever the caller
  const auto lilfudge = [](std::int32_t lilian) {
    const ovle_int4 in = int4(lilian);
    char out[16];
    std::memset(out, 'x', sizeof out);
    LILFUDGE(&in, out, out + 8, out + 15);
    return platform::ascii_from_ebcdic({out, 16});
  };
  for (const std::int32_t lilian : {0, -1, 6654, lilian_max, INT32_MIN}) {
    EXPECT_EQ(lilfudge(lilian), std::string(16, '0')) << lilian;
  }
  // clang-format off
  const std::tuple<const char*, const char*, char, std::int32_t> cases[] = {  // YYYYMMDD, YYYYDDD, type, Lilian
      {"15821014", "0000000", 'G', 0},    {"16010101", "0000000", 'G', 0}, {"15830101", "1600366", 'G', 79},
      {"15830101", "1600366", 'J', 6653}, {"00000000", "1582287", 'J', 0}, {"00000000", "1601001", 'J', 0},
      {"15830101", "1583001", 'X', 0},    {"15830101", "1583001", 'g', 0}, {"1583 101", "1583001", 'G', 0},
      {"15830229", "0000000", 'G', 0},    {"15831301", "0000000", 'G', 0}, {"15821032", "0000000", 'G', 0},
      {"15830100", "0000000", 'G', 0},    {"15830001", "0000000", 'G', 0}, {"00000000", "1583366", 'J', 0},
      {"00000000", "1583000", 'J', 0},    {"00000000", "15830 1", 'J', 0}};
  // clang-format on
  for (const auto& [g, j, type, lilian] : cases) {
    ovle_int4 out = int4(-99);
    const std::string e = platform::ebcdic_from_ascii(std::string(g) + j + type);
    PICFUDGE(&out, e.data(), e.data() + 8, e.data() + 15);
    EXPECT_EQ(ovle_int4_get(&out), lilian) << g << ' ' << j << ' ' << type;
  }
  // Missing arguments are skipped; no shared area is touched.
  const ovle_int4 in = int4(79);
  char g[8], w = 0;
  LILFUDGE(nullptr, g, nullptr, &w);
  EXPECT_EQ(std::string(g, 8) + w, std::string(9, '\xF0'));
  LILFUDGE(&in, nullptr, nullptr, nullptr);
  ovle_int4 out = int4(-99);
  PICFUDGE(&out, nullptr, nullptr, "\xC7");
  EXPECT_EQ(ovle_int4_get(&out), 0);
  PICFUDGE(nullptr, g, nullptr, "\xC7");
  EXPECT_FALSE(area().is_initialized());
}

// ---- The century window ----------------------------------------------------------------------------

void set_clock_year(int year) { setenv("OVLE_CURRENT_DATE", (std::to_string(year) + "120515300000+0000").c_str(), 1); }

// The setting and the first year of the window's 100 years, as the area holds them.
using window = std::pair<std::int64_t, std::int64_t>;
window area_window() {
  using off = common::ov_le_external::offset;
  const common::ov_le_external a = common::ov_le_external::attach();
  return {a.digits(off::century_window, 2),
          a.digits(off::window_start_cc, 2) * 100 + a.digits(off::window_start_yy, 2)};
}

std::int32_t query(ovle_feedback* fc) {
  ovle_int4 out = int4(-99);
  return CEEQCEN(&out, fc) + ovle_int4_get(&out);
}
void set(std::int32_t start, ovle_feedback* fc) { CEESCEN(std::array{int4(start)}.data(), fc); }

// CEESCEN places the window's 100 years before the current year; two-digit years then read as the
// years at both ends of the window.
TEST_F(run_unit, CeescenPlacesTheWindowAndTwoDigitYearsFallInIt) {
  const auto read_lilian = [](const std::string& date, const char* picture) {
    ovle_vstring d = vstring(date), p = vstring(picture);
    ovle_int4 out = int4(-1);
    ovle_feedback fc;
    CEEDAYS(&d, &p, &out, &fc);
    return is_success(fc) ? ovle_int4_get(&out) : -ovle_int2_get(&fc.message_number);
  };
  const std::array<int, 4> cases[] = {// clock year, CEESCEN argument (-1: none), setting, first year of the window
                                      {2026, -1, 80, 1946}, {2026, 0, 0, 2026},   {2026, 26, 26, 2000},
                                      {2026, 25, 25, 2001}, {2026, 27, 27, 1999}, {2026, 99, 99, 1927},
                                      {2026, 100, 0, 2026}, {2000, 80, 80, 1920}, {2000, 1, 1, 1999},
                                      {2099, 99, 99, 2000}, {2100, 1, 1, 2099},   {1999, 100, 0, 1999}};
  for (const auto& [year, start, setting, first_year] : cases) {
    set_clock_year(year);
    ovle_feedback fc = dirty_feedback();
    if (start >= 0) set(start, &fc);
    EXPECT_TRUE(start < 0 || is_success(fc)) << start << ' ' << view(fc);
    EXPECT_EQ(query(&fc), setting);
    EXPECT_TRUE(is_success(fc)) << view(fc);
    EXPECT_EQ(area_window(), window(setting, first_year)) << year << " with " << start;
    for (const int y : {first_year, first_year + 99}) {
      EXPECT_EQ(read_lilian(digits(y % 100, 2) + "-03-01", "YY-MM-DD"), lilian_from_gregorian(y, 3, 1)) << y;
      EXPECT_EQ(read_lilian(digits(y % 100, 2) + "060", "YYDDD"), lilian_from_julian(y, 60)) << y;
    }
  }
  set_clock_year(2050);  // the window is worked out when it is set, not when it is read
  EXPECT_EQ(query(nullptr), 0);
  EXPECT_EQ(area_window(), window(0, 1999));
  for (const std::int32_t start : {101, -1, 1000, INT32_MIN, INT32_MAX}) {
    ovle_feedback fc = dirty_feedback();
    set(start, &fc);
    EXPECT_EQ(view(fc), ascii_condition(3, 9999, 0, "OVX")) << start;
    EXPECT_EQ(area_window(), window(0, 1999)) << start;
  }
  // Without an environment there is no window, and a two-digit year stays incomplete.
  platform::testing::clear_external_areas();
  platform::testing::set_unreachable("OV-PIPI", true);
  EXPECT_EQ(read_lilian("45-01-01", "YY-MM-DD"), -2507);
  EXPECT_EQ(read_lilian("2045-01-01", "YYYY-MM-DD"), 168822);
}

}  // namespace
}  // namespace ovle::datetime
