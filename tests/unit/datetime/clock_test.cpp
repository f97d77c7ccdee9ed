// The clock services through their C entries, on fixed readings of CURRENT-DATE with several offsets
// (system and configured) and on the system clock itself; and every date, timestamp and clock service
// without its arguments.
#include <chrono>
#include <string>
#include <vector>

#include "common/bytes.hpp"
#include "datetime/calendar.hpp"
#include "entry_registry.hpp"
#include "timestamp_support.hpp"

namespace ovle::datetime {
namespace {

using test::run_unit;
using test_support::at;
using test_support::message_of;

std::string number(double v) { return std::to_string(static_cast<long long>(v * 1000)); }  // exact here

// What the four services answer for the current reading, in one line: "L day seconds-in-ms stamp |
// O hours minutes seconds | G day seconds-in-ms | U ...", each followed by "!message" when one is
// returned. Outputs start as -7 (and a '#' stamp), so that an output left as it was shows.
std::string answers() {
  std::string line;
  ovle_int4 a = test::int4(-7), b = test::int4(-7);
  double s = -7;
  char stamp[17];
  std::memset(stamp, '#', sizeof stamp);
  ovle_feedback fc = test::dirty_feedback();
  const auto message = [&] {
    const int m = message_of(fc);
    return m == 0 ? std::string() : "!" + std::to_string(m);
  };
  CEELOCT(&a, &s, stamp, &fc);
  line += "L " + std::to_string(ovle_int4_get(&a)) + " " + number(s) + " " + std::string(stamp, 17) + message();
  a = test::int4(-7), s = -7;
  CEEGMTO(&a, &b, &s, &fc);
  line += " | O " + std::to_string(ovle_int4_get(&a)) + " " + std::to_string(ovle_int4_get(&b)) + " " + number(s) +
          message();
  for (const auto service : {&CEEGMT, &CEEUTC}) {
    a = test::int4(-7), s = -7;
    service(&a, &s, &fc);
    line += std::string(service == &CEEGMT ? " | G " : " | U ") + std::to_string(ovle_int4_get(&a)) + " " + number(s) +
            message();
  }
  return line;
}

TEST_F(run_unit, FixedReadingsWithSystemAndConfiguredOffsets) {
  const std::int32_t d = lilian_from_gregorian(2001, 3, 15);
  const auto L = [](std::int32_t day, double s, std::string stamp) {
    return "L " + std::to_string(day) + " " + number(s) + " " + stamp;
  };
  const auto G = [](std::int32_t day, double s) {
    const std::string v = std::to_string(day) + " " + number(s);
    return " | G " + v + " | U " + v;
  };
  const std::string unknown = " | G 0 0!2502 | U 0 0!2502", never_set = " 0000";
  const struct {
    std::string reading, configured, expected;
  } cases[] = {
      // 19:36 local, five hours west: 00:36 the next day at Greenwich.
      {"2001031519365863-0500", never_set,
       L(d, at(d, 19, 36, 58, 630), "20010315193658630") + " | O -5 0 -18000000" + G(d + 1, at(d + 1, 0, 36, 58, 630))},
      // 05:10 local, five and a half hours east: 23:40 the day before.
      {"2001031505100000+0530", never_set,
       L(d, at(d, 5, 10), "20010315051000000") + " | O 5 30 19800000" + G(d - 1, at(d - 1, 23, 40))},
      {"2001031512000001-0330", never_set,
       L(d, at(d, 12, 0, 0, 10), "20010315120000010") + " | O -3 30 -12600000" + G(d, at(d, 15, 30, 0, 10))},
      // The system knows no offset: the configured one stands in, across midnight each way.
      {"200103152000000000000", "+0100", L(d, at(d, 20), "20010315200000000") + " | O 1 0 3600000" + G(d, at(d, 19))},
      {"200103152000000000000", "-0800",
       L(d, at(d, 20), "20010315200000000") + " | O -8 0 -28800000" + G(d + 1, at(d + 1, 4))},
      {"200103150030000000000", "+0100",
       L(d, at(d, 0, 30), "20010315003000000") + " | O 1 0 3600000" + G(d - 1, at(d - 1, 23, 30))},
      // A configured sign "0" is no offset: 2503 (hours and minutes 0, seconds left) and 2502.
      {"200103152000000000000", "00000", L(d, at(d, 20), "20010315200000000") + " | O 0 0 -7000!2503" + unknown},
      // One never set is blank: no offset at all for CEEGMTO, no sign for CEEGMT.
      {"200103152000000000000", never_set, L(d, at(d, 20), "20010315200000000") + " | O 0 0 0" + unknown},
      // A blank sign before digits counts as east for CEEGMTO.
      {"200103152000000000000", " 0100", L(d, at(d, 20), "20010315200000000") + " | O 1 0 3600000" + unknown},
      // The clock gives nothing: CEELOCT's outputs are left as they were, and CEEGMT's with them.
      {"000000000000000000000", never_set, "L -7 -7000 #################!2531 | O 0 0 0" + unknown},
      {"000000000000000000000", "+0100",
       "L -7 -7000 #################!2531 | O 1 0 3600000 | G -7 -7000!2531 | U -7 -7000!2531"},
      {"9999123123595999+0000", never_set,
       L(lilian_max, at(lilian_max, 23, 59, 59, 990), "99991231235959990") + " | O 0 0 0" +
           G(lilian_max, at(lilian_max, 23, 59, 59, 990))},
      {"1601010100000000+0100", never_set,
       L(6654, at(6654), "16010101000000000") + " | O 1 0 3600000" + G(6653, at(6653, 23))},
  };
  CEEGMTO(nullptr, nullptr, nullptr, nullptr);  // the environment is set up before the offset is configured
  for (const auto& c : cases) {
    setenv("OVLE_CURRENT_DATE", c.reading.c_str(), 1);
    const std::string configured = platform::ebcdic_from_ascii(c.configured);
    std::memcpy(area().at(common::ov_le_external::offset::gmt_sign), configured.data(), 5);
    EXPECT_EQ(answers(), c.expected) << c.reading << " " << c.configured;
  }
  // CEEGMT and CEEUTC reach CEEGMTO and CEELOCT by name.
  for (const char* callee : {"CEEGMTO", "CEELOCT"}) {
    platform::testing::set_unreachable(callee, true);
    const std::string got = answers();
    EXPECT_EQ(got.substr(got.find(" | G")), " | G 0 0!9999 | U 0 0!9999") << callee;
    platform::testing::set_unreachable(callee, false);
  }
  EXPECT_EQ(console.size(), 8u);
  EXPECT_EQ(console[0], "Unable to reach CEEGMTO");
  EXPECT_EQ(console[3], "  When CALLed by CEEUTC");
  EXPECT_EQ(console[4], "Unable to reach CEELOCT");
}

// On the system clock: the GMT less the Unix epoch is the time the C++ library tells, to the
// hundredth the clock services keep.
TEST_F(run_unit, TheSystemClockAgreesWithTheCLibrary) {
  const double unix_epoch = at(lilian_from_gregorian(1970, 1, 1));
  const auto now = [] {
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
  };
  const double before = now();
  ovle_int4 day;
  double gmt, local;
  char stamp[17];
  ovle_feedback fc;
  CEEGMT(&day, &gmt, &fc);
  CEELOCT(&day, &local, stamp, &fc);
  const double after = now();
  EXPECT_TRUE(test::is_success(fc));
  EXPECT_GE(gmt - unix_epoch, before - 0.01);
  EXPECT_LE(gmt - unix_epoch, after);
  EXPECT_EQ(stamp[16], '0');
}

// Every date, timestamp and clock service with a feedback code, each required argument missing in
// turn, with or without the feedback code: 0 in the numeric outputs that are there and blanks in a
// text output but CEELOCT's (the condition is checked by the hostile-caller sweep). The inputs are good ones, so
// that a service that went on would write something else.
TEST_F(run_unit, ServicesWithoutTheirArgumentsZeroTheirOutputs) {
  using common::argument_kind;
  setenv("OVLE_CURRENT_DATE", "2001031519365863-0500", 1);
  for (const tool::callable_entry& e : tool::callable_entries()) {
    const common::argument_list& args = *e.description->arguments;
    if (e.description->family != "datetime" || args.feedback_index() >= args.size()) continue;
    for (std::size_t missing = 0; missing < args.size(); ++missing) {
      for (const bool with_feedback : {true, false}) {
        if (args[missing].optional || args[missing].kind == argument_kind::feedback) continue;
        std::vector<std::vector<unsigned char>> items;
        std::vector<void*> p;
        for (const common::argument_description& a : args) {
          std::vector<unsigned char>& item = items.emplace_back(a.storage_size(), '#');
          if (a.kind == argument_kind::int4) common::store_int4(item.data(), a.name == "year" ? 2001 : 1);
          if (a.kind == argument_kind::float8) common::store_native(item.data(), 86'400.0 * 150'000);
          const ovle_vstring v = test::vstring(a.name == "picture" ? "YYYY-MM-DD HH:MI" : "2001-01-01 10:00");
          if (a.kind == argument_kind::vstring) std::memcpy(item.data(), &v, item.size());
          const bool left_off = p.size() == missing || (a.kind == argument_kind::feedback && !with_feedback);
          p.push_back(left_off || a.optional ? nullptr : item.data());
        }
        e.invoke(p.data());
        for (std::size_t i = 0; i < args.size(); ++i) {
          if (i == missing || args[i].direction != common::argument_direction::out) continue;
          const bool stamp = e.description->symbol == "CEELOCT";  // its text is left as it was
          const unsigned char cleared = args[i].kind == argument_kind::text ? (stamp ? '#' : ' ') : 0;
          EXPECT_TRUE(args[i].kind == argument_kind::feedback ||
                      std::all_of(items[i].begin(), items[i].end(), [&](unsigned char b) { return b == cleared; }))
              << e.description->symbol << " without " << args[missing].name << ": " << args[i].name;
        }
      }
    }
  }
}

}  // namespace
}  // namespace ovle::datetime
