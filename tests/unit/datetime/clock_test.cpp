// The clock services through their C entries, on fixed readings of CURRENT-DATE with several offsets
// (system and configured), on the system clock itself, and every timestamp and clock service without
// its arguments.
#include <ctime>
#include <string>
#include <vector>

#include "datetime/calendar.hpp"
#include "lilian_seconds_support.hpp"
#include "ovle_test.hpp"

namespace ovle::datetime {
namespace {

using test::run_unit;

using test_support::at;

struct local_outcome {
  std::int32_t day;
  double seconds;
  std::string timestamp;
  int message;
  friend bool operator==(const local_outcome&, const local_outcome&) = default;
  friend std::ostream& operator<<(std::ostream& os, const local_outcome& o) {
    return os << "{" << o.day << ", " << std::to_string(o.seconds) << ", " << o.timestamp << ", msg " << o.message
              << "}";
  }
};
struct offset_outcome {
  std::int32_t hours, minutes;
  double seconds;
  int message;
  friend bool operator==(const offset_outcome&, const offset_outcome&) = default;
  friend std::ostream& operator<<(std::ostream& os, const offset_outcome& o) {
    return os << "{" << o.hours << ", " << o.minutes << ", " << o.seconds << ", msg " << o.message << "}";
  }
};
struct gmt_outcome {
  std::int32_t day;
  double seconds;
  int message;
  friend bool operator==(const gmt_outcome&, const gmt_outcome&) = default;
  friend std::ostream& operator<<(std::ostream& os, const gmt_outcome& o) {
    return os << "{" << o.day << ", " << std::to_string(o.seconds) << ", msg " << o.message << "}";
  }
};

int message_of(const ovle_feedback& fc) {
  if (test::is_success(fc)) return 0;
  EXPECT_EQ(test::view(fc), test::ascii_condition(3, test::view(fc).message, 1));
  return test::view(fc).message;
}

// Outputs start as -7 (and a timestamp of '#'), so that an output left as it was shows.
local_outcome local() {
  ovle_int4 day = test::int4(-7);
  double seconds = -7;
  char timestamp[17];
  std::memset(timestamp, '#', sizeof timestamp);
  ovle_feedback fc = test::dirty_feedback();
  CEELOCT(&day, &seconds, timestamp, &fc);
  return {ovle_int4_get(&day), seconds, std::string(timestamp, 17), message_of(fc)};
}
offset_outcome offset() {
  ovle_int4 hours = test::int4(-7), minutes = test::int4(-7);
  double seconds = -7;
  ovle_feedback fc = test::dirty_feedback();
  CEEGMTO(&hours, &minutes, &seconds, &fc);
  return {ovle_int4_get(&hours), ovle_int4_get(&minutes), seconds, message_of(fc)};
}
gmt_outcome greenwich(bool utc) {
  ovle_int4 day = test::int4(-7);
  double seconds = -7;
  ovle_feedback fc = test::dirty_feedback();
  (utc ? CEEUTC : CEEGMT)(&day, &seconds, &fc);
  return {ovle_int4_get(&day), seconds, message_of(fc)};
}

const std::int32_t mar_15_2001 = lilian_from_gregorian(2001, 3, 15);
const std::string untouched(17, '#');

TEST_F(run_unit, FixedReadingsWithSystemAndConfiguredOffsets) {
  const std::string never_set = "never set";
  const struct {
    std::string reading, configured;
    local_outcome local;
    offset_outcome offset;
    gmt_outcome gmt;
  } cases[] = {
      // 19:36 local, five hours west: 00:36 the next day at Greenwich.
      {"2001031519365863-0500",
       never_set,
       {mar_15_2001, at(mar_15_2001, 19, 36, 58, 630), "20010315193658630", 0},
       {-5, 0, -18'000, 0},
       {mar_15_2001 + 1, at(mar_15_2001 + 1, 0, 36, 58, 630), 0}},
      // 05:10 local, five and a half hours east: 23:40 the day before.
      {"2001031505100000+0530",
       never_set,
       {mar_15_2001, at(mar_15_2001, 5, 10), "20010315051000000", 0},
       {5, 30, 19'800, 0},
       {mar_15_2001 - 1, at(mar_15_2001 - 1, 23, 40), 0}},
      {"2001031512000001-0330",
       never_set,
       {mar_15_2001, at(mar_15_2001, 12, 0, 0, 10), "20010315120000010", 0},
       {-3, 30, -12'600, 0},
       {mar_15_2001, at(mar_15_2001, 15, 30, 0, 10), 0}},
      {"2001031512000099+0000",
       never_set,
       {mar_15_2001, at(mar_15_2001, 12, 0, 0, 990), "20010315120000990", 0},
       {0, 0, 0, 0},
       {mar_15_2001, at(mar_15_2001, 12, 0, 0, 990), 0}},
      // The system knows no offset: the configured one stands in, here across midnight each way.
      {"200103152000000000000",
       "+0100",
       {mar_15_2001, at(mar_15_2001, 20), "20010315200000000", 0},
       {1, 0, 3600, 0},
       {mar_15_2001, at(mar_15_2001, 19), 0}},
      {"200103152000000000000",
       "-0800",
       {mar_15_2001, at(mar_15_2001, 20), "20010315200000000", 0},
       {-8, 0, -28'800, 0},
       {mar_15_2001 + 1, at(mar_15_2001 + 1, 4), 0}},
      {"200103150030000000000",
       "+0100",
       {mar_15_2001, at(mar_15_2001, 0, 30), "20010315003000000", 0},
       {1, 0, 3600, 0},
       {mar_15_2001 - 1, at(mar_15_2001 - 1, 23, 30), 0}},
      // A configured offset with the sign "0" is none: CEEGMTO says 2503, CEEGMT 2502.
      {"200103152000000000000",
       "00000",
       {mar_15_2001, at(mar_15_2001, 20), "20010315200000000", 0},
       {0, 0, -7, 2503},
       {0, 0, 2502}},
      // One never set is blank: CEEGMTO counts it as no offset at all, CEEGMT finds no sign.
      {"200103152000000000000",
       never_set,
       {mar_15_2001, at(mar_15_2001, 20), "20010315200000000", 0},
       {0, 0, 0, 0},
       {0, 0, 2502}},
      // The clock gives nothing.
      {"000000000000000000000", never_set, {-7, -7, untouched, 2531}, {0, 0, 0, 0}, {0, 0, 2502}},
      {"000000000000000000000", "+0100", {-7, -7, untouched, 2531}, {1, 0, 3600, 0}, {-7, -7, 2531}},
      // The ends of the calendar.
      {"9999123123595999+0000",
       never_set,
       {lilian_max, at(lilian_max, 23, 59, 59, 990), "99991231235959990", 0},
       {0, 0, 0, 0},
       {lilian_max, at(lilian_max, 23, 59, 59, 990), 0}},
      {"1601010100000000+0100",
       never_set,
       {6654, at(6654), "16010101000000000", 0},
       {1, 0, 3600, 0},
       {6653, at(6653, 23), 0}},
  };
  CEEGMTO(nullptr, nullptr, nullptr, nullptr);  // the environment is set up once, before the offset is configured
  for (const auto& c : cases) {
    setenv("OVLE_CURRENT_DATE", c.reading.c_str(), 1);
    const std::string configured = platform::ebcdic_from_ascii(c.configured == never_set ? " 0000" : c.configured);
    std::memcpy(area().at(common::ov_le_external::offset::gmt_sign), configured.data(), 5);
    EXPECT_EQ(local(), c.local) << c.reading << " " << c.configured;
    EXPECT_EQ(offset(), c.offset) << c.reading << " " << c.configured;
    EXPECT_EQ(greenwich(false), c.gmt) << c.reading << " " << c.configured;
    EXPECT_EQ(greenwich(true), c.gmt) << c.reading << " " << c.configured;
  }
  EXPECT_TRUE(console.empty());
}

// CEEGMT and CEEUTC reach CEEGMTO and CEELOCT by name.
TEST_F(run_unit, GreenwichTimeThroughItsCalleesByName) {
  setenv("OVLE_CURRENT_DATE", "2001031519365863-0500", 1);
  for (const bool utc : {false, true}) {
    const std::string name = utc ? "CEEUTC" : "CEEGMT";
    for (const char* callee : {"CEEGMTO", "CEELOCT"}) {
      console.clear();
      platform::testing::set_unreachable(callee, true);
      ovle_int4 day = test::int4(-7);
      double seconds = -7;
      ovle_feedback fc;
      (utc ? CEEUTC : CEEGMT)(&day, &seconds, &fc);
      EXPECT_EQ(test::view(fc), test::ascii_condition(4, 9999, 0, "OVX")) << name << " " << callee;
      EXPECT_EQ(ovle_int4_get(&day), 0);
      EXPECT_EQ(seconds, 0.0);
      EXPECT_EQ(console,
                (std::vector<std::string>{std::string("Unable to reach ") + callee, "  When CALLed by " + name}));
      platform::testing::set_unreachable(callee, false);
    }
  }
  EXPECT_EQ(greenwich(true), (gmt_outcome{mar_15_2001 + 1, at(mar_15_2001 + 1, 0, 36, 58, 630), 0}));
}

// On the system clock: local time less the offset is the time the C library tells.
TEST_F(run_unit, TheSystemClockAgreesWithTheCLibrary) {
  const double unix_epoch = at(lilian_from_gregorian(1970, 1, 1));
  const auto before = static_cast<double>(std::time(nullptr));
  const gmt_outcome gmt = greenwich(false);
  const local_outcome here = local();
  const offset_outcome off = offset();
  const auto after = static_cast<double>(std::time(nullptr));
  ASSERT_EQ(gmt.message, 0);
  EXPECT_GE(gmt.seconds - unix_epoch, before);
  EXPECT_LT(gmt.seconds - unix_epoch, after + 1);
  EXPECT_EQ(gmt.day, static_cast<std::int32_t>(gmt.seconds / 86'400));
  EXPECT_NEAR(here.seconds - off.seconds, gmt.seconds, 2.0);
  EXPECT_EQ(off.seconds, off.hours * 3600 + (off.hours < 0 ? -1 : 1) * off.minutes * 60);
  EXPECT_EQ(here.timestamp.back(), '0');
}

// Every timestamp and clock service: each required argument missing gives the library's own
// condition, 0 in the numeric outputs that are there, and no write through the missing one.
ovle_int4 g_int4[7];
double g_float8;
char g_text[80];
ovle_vstring g_stamp = test::vstring("2001-01-01 10:00"), g_picture = test::vstring("YYYY-MM-DD HH:MI");
template <typename T>
T* unless(bool missing, T& argument) {
  return missing ? nullptr : &argument;
}

TEST_F(run_unit, TimestampAndClockServicesWithoutTheirArguments) {
  using call = void (*)(int missing, ovle_feedback*);
  const struct {
    const char* name;
    int arguments;
    call entry;
    std::vector<std::pair<int, int>> int4_outputs;  // argument index, g_int4 slot
    int float8_output = -1;                         // argument index
    int text_output = -1;
  } entries[] = {
      {"CEEDATE",
       3,
       [](int m, ovle_feedback* fc) {
         CEEDATE(unless(m == 0, g_int4[0]), unless(m == 1, g_picture), m == 2 ? nullptr : g_text, fc);
       },
       {},
       -1,
       2},
      {"CEEDATM",
       3,
       [](int m, ovle_feedback* fc) {
         CEEDATM(unless(m == 0, g_float8), unless(m == 1, g_picture), m == 2 ? nullptr : g_text, fc);
       },
       {},
       -1,
       2},
      {"CEESECS",
       3,
       [](int m, ovle_feedback* fc) {
         CEESECS(unless(m == 0, g_stamp), unless(m == 1, g_picture), unless(m == 2, g_float8), fc);
       },
       {},
       2},
      {"CEESECI",
       8,
       [](int m, ovle_feedback* fc) {
         CEESECI(unless(m == 0, g_float8), unless(m == 1, g_int4[0]), unless(m == 2, g_int4[1]),
                 unless(m == 3, g_int4[2]), unless(m == 4, g_int4[3]), unless(m == 5, g_int4[4]),
                 unless(m == 6, g_int4[5]), unless(m == 7, g_int4[6]), fc);
       },
       {{1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {7, 6}}},
      {"CEEISEC",
       8,
       [](int m, ovle_feedback* fc) {
         CEEISEC(unless(m == 0, g_int4[0]), unless(m == 1, g_int4[1]), unless(m == 2, g_int4[2]),
                 unless(m == 3, g_int4[3]), unless(m == 4, g_int4[4]), unless(m == 5, g_int4[5]),
                 unless(m == 6, g_int4[6]), unless(m == 7, g_float8), fc);
       },
       {},
       7},
      {"CEELOCT",
       3,
       [](int m, ovle_feedback* fc) {
         CEELOCT(unless(m == 0, g_int4[0]), unless(m == 1, g_float8), m == 2 ? nullptr : g_text, fc);
       },
       {{0, 0}},
       1},
      {"CEEGMTO",
       3,
       [](int m, ovle_feedback* fc) {
         CEEGMTO(unless(m == 0, g_int4[0]), unless(m == 1, g_int4[1]), unless(m == 2, g_float8), fc);
       },
       {{0, 0}, {1, 1}},
       2},
      {"CEEGMT",
       2,
       [](int m, ovle_feedback* fc) { CEEGMT(unless(m == 0, g_int4[0]), unless(m == 1, g_float8), fc); },
       {{0, 0}},
       1},
      {"CEEUTC",
       2,
       [](int m, ovle_feedback* fc) { CEEUTC(unless(m == 0, g_int4[0]), unless(m == 1, g_float8), fc); },
       {{0, 0}},
       1},
  };
  for (const auto& e : entries) {
    for (int missing = 0; missing < e.arguments; ++missing) {
      for (auto& v : g_int4) v = test::int4(2001);
      g_float8 = 86'400.0 * 150'000;
      std::memset(g_text, '#', sizeof g_text);
      ovle_feedback fc = test::dirty_feedback();
      e.entry(missing, &fc);
      EXPECT_EQ(test::view(fc), test::ascii_condition(4, 9999, 0, "OVX")) << e.name << ", argument " << missing;
      for (const auto& [argument, slot] : e.int4_outputs) {
        if (argument != missing) {
          EXPECT_EQ(ovle_int4_get(&g_int4[slot]), 0) << e.name << ", argument " << missing;
        }
      }
      if (e.float8_output >= 0 && e.float8_output != missing) {
        EXPECT_EQ(g_float8, 0.0) << e.name << ", argument " << missing;
      }
      if (e.text_output >= 0 && e.text_output != missing) {
        EXPECT_EQ(std::string(g_text, 80), std::string(80, ' ')) << e.name << ", argument " << missing;
      }
      e.entry(missing, nullptr);
    }
  }
}

}  // namespace
}  // namespace ovle::datetime
