// CEENCOD and CEEDCOD through their C entries: round trips, the checks and their order, code sets.
#include <array>
#include <random>
#include <tuple>

#include "ovle_test.hpp"

namespace ovle {
namespace {

using test::view;

// Who calls: an ASCII or EBCDIC program, and whether OVLE_FACILITY_CODESET=EBCDIC is set.
struct caller_mode {
  bool ebcdic_caller;
  bool facility_setting_ebcdic;
};
constexpr caller_mode all_modes[] = {{false, false}, {false, true}, {true, false}, {true, true}};

std::string ebcdic(std::string_view ascii) { return platform::ebcdic_from_ascii(ascii); }

constexpr unsigned char poison = 0xA5;

class Tokens : public test::run_unit {
 protected:
  void enter(caller_mode m) {
    m.ebcdic_caller ? ebcdic_caller() : platform::testing::reset_caller_chain();
    if (m.facility_setting_ebcdic) {
      setenv("OVLE_FACILITY_CODESET", "EBCDIC", 1);
    } else {
      unsetenv("OVLE_FACILITY_CODESET");
    }
    platform::testing::reread_facility_codeset();
    mode = m;
  }
  // A text as the caller holds it, and a facility ID as it sits inside a token for this caller.
  std::string caller_text(std::string_view ascii) const {
    return mode.ebcdic_caller ? ebcdic(ascii) : std::string(ascii);
  }
  std::string token_facility(std::string_view ascii) const {
    return mode.ebcdic_caller || mode.facility_setting_ebcdic ? ebcdic(ascii) : std::string(ascii);
  }

  struct parts {
    std::int16_t c_1, c_2, case_code, severity, control;
    std::string facility;  // as the caller holds it
    std::array<unsigned char, 8> instance;
    friend bool operator==(const parts&, const parts&) = default;
  };

  // CEENCOD: the token (poisoned beforehand) and the feedback code.
  std::pair<ovle_feedback, ovle_feedback> encode(const parts& p) {
    ovle_int2 c_1, c_2, case_code, severity, control;
    ovle_int2_set(&c_1, p.c_1);
    ovle_int2_set(&c_2, p.c_2);
    ovle_int2_set(&case_code, p.case_code);
    ovle_int2_set(&severity, p.severity);
    ovle_int2_set(&control, p.control);
    const std::string facility = p.facility;
    ovle_feedback token;
    std::memset(&token, poison, sizeof token);
    ovle_feedback fc = test::dirty_feedback();
    EXPECT_EQ(CEENCOD(&c_1, &c_2, &case_code, &severity, &control, facility.data(), p.instance.data(), &token, &fc), 0);
    EXPECT_EQ(facility, p.facility) << "the facility parameter is left as it was";
    return {token, fc};
  }

  // CEEDCOD: the outputs (poisoned beforehand) and the feedback code.
  std::pair<parts, ovle_feedback> decode(const ovle_feedback& token) {
    std::array<ovle_int2, 5> numbers;
    std::memset(numbers.data(), poison, sizeof numbers);
    char facility[3];
    std::memset(facility, poison, sizeof facility);
    std::array<unsigned char, 8> instance;
    instance.fill(poison);
    const ovle_feedback before = token;
    ovle_feedback fc = test::dirty_feedback();
    EXPECT_EQ(CEEDCOD(&token, &numbers[0], &numbers[1], &numbers[2], &numbers[3], &numbers[4], facility,
                      instance.data(), &fc),
              0);
    EXPECT_EQ(std::memcmp(&before, &token, sizeof token), 0) << "the input token is left as it was";
    return {{ovle_int2_get(&numbers[0]), ovle_int2_get(&numbers[1]), ovle_int2_get(&numbers[2]),
             ovle_int2_get(&numbers[3]), ovle_int2_get(&numbers[4]), std::string(facility, 3), instance},
            fc};
  }

  static bool untouched(const parts& p) {
    const auto x = static_cast<std::int16_t>(0xA5A5);
    parts poisoned{x, x, x, x, x, std::string(3, static_cast<char>(poison)), {}};
    poisoned.instance.fill(poison);
    return p == poisoned;
  }
  static bool untouched(const ovle_feedback& token) {
    const auto* b = reinterpret_cast<const unsigned char*>(&token);
    return std::all_of(b, b + sizeof token, [](unsigned char c) { return c == poison; });
  }

  // The feedback code's facility ID follows the same rule as a token's.
  test::condition_view expected(int severity, int message, int control) const {
    return {severity, message, 0x40 + 8 * severity + control, token_facility("CEE"), true};
  }

  caller_mode mode{};
};

// Every valid combination of the parts builds a token and comes back whole from CEEDCOD, in every
// code-set mode; CEEDCOD refuses the facility IDs with a digit that CEENCOD accepts.
TEST_F(Tokens, EveryValidCombinationRoundTrips) {
  const std::int16_t messages[] = {0, 1, 401, 2507, 3461, 9999, INT16_MAX, -1, INT16_MIN};
  const char* facilities[] = {"CEE", "OVX", "IGZ", "abc", "zZa", "A1Z", "9zz", "000", "JRS"};
  std::mt19937 random(20240611);
  int round_trips = 0;
  for (const caller_mode m : all_modes) {
    enter(m);
    for (std::int16_t severity = 0; severity <= 4; ++severity) {
      for (std::int16_t control = 0; control <= 1; ++control) {
        for (const std::int16_t message : messages) {
          for (const char* facility : facilities) {
            parts in{static_cast<std::int16_t>(random()), message, 1, severity, control, caller_text(facility), {}};
            for (unsigned char& b : in.instance) b = static_cast<unsigned char>(random());
            const auto [token, fc] = encode(in);
            ASSERT_TRUE(test::is_success(fc)) << view(fc) << " " << facility;
            EXPECT_EQ(std::string(token.facility, 3), token_facility(facility));
            EXPECT_EQ(ovle_int2_get(&token.severity), severity);
            EXPECT_EQ(std::memcmp(token.instance, in.instance.data(), 8), 0);

            const auto [out, dc] = decode(token);
            const bool letters = std::none_of(facility, facility + 3, [](char c) { return c >= '0' && c <= '9'; });
            if (!letters) {
              EXPECT_EQ(view(dc), expected(1, 404, 1)) << facility;
              EXPECT_TRUE(untouched(out)) << facility;
              continue;
            }
            ASSERT_TRUE(test::is_success(dc)) << view(dc) << " " << facility;
            parts back = in;
            back.c_1 = severity;  // c_1 comes back as the severity, whatever was passed
            EXPECT_TRUE(out == back) << "severity " << severity << " control " << control << " message " << message
                                     << " " << facility;
            ++round_trips;
          }
        }
      }
    }
  }
  EXPECT_EQ(round_trips, 4 * 5 * 2 * 9 * 6) << "six of the facility IDs are all letters";
}

// Every invalid combination gives the first failure in the order case, control, severity,
// facility, and leaves the token as it was.
TEST_F(Tokens, EncodeChecksInOrderAndLeavesTheTokenAlone) {
  const std::int16_t cases[] = {1, 0, 2, -1, 3};
  const std::int16_t controls[] = {0, 1, 2, -1, 64};
  const std::int16_t severities[] = {0, 4, 5, -1, 8};
  // Facility IDs as ASCII text, and whether each is acceptable: letters and digits only.
  const std::pair<std::string, bool> facilities[] = {{"CEE", true},    {"C1E", true},  {"C E", false},
                                                     {" EE", false},   {"CE ", false}, {"CE-", false},
                                                     {"C.E", false},   {"CE$", false}, {std::string(3, '\0'), false},
                                                     {"CE\xC9", false} /* an accented letter */};
  for (const caller_mode m : {all_modes[0], all_modes[1], all_modes[2]}) {
    enter(m);
    for (const std::int16_t case_code : cases) {
      for (const std::int16_t control : controls) {
        for (const std::int16_t severity : severities) {
          for (const auto& [facility, acceptable] : facilities) {
            const auto [token, fc] = encode({7, 2507, case_code, severity, control, caller_text(facility), {1, 2}});
            const bool case_ok = case_code == 1, control_ok = control == 0 || control == 1,
                       severity_ok = severity >= 0 && severity <= 4;
            const test::condition_view want = !case_ok       ? expected(3, 401, 1)
                                              : !control_ok  ? expected(3, 402, 1)
                                              : !severity_ok ? expected(3, 403, 1)
                                              : !acceptable  ? expected(1, 404, 1)
                                                             : view(ovle_feedback{});
            EXPECT_EQ(view(fc), want) << case_code << " " << control << " " << severity << " '" << facility << "'";
            EXPECT_EQ(untouched(token), !test::is_success(fc)) << case_code << " " << control << " " << severity;
          }
        }
      }
    }
  }
}

// CEEDCOD runs both checks and returns the later failure; only a severity of 0 to 4 and a facility
// ID of three letters or three X'00' pass.
TEST_F(Tokens, DecodeChecksBothAndTheLaterWins) {
  const std::int16_t severities[] = {0, 4, 5, -1, INT16_MIN, INT16_MAX};
  const std::pair<std::string, bool> facilities[] = {
      {"CEE", true},  {"ovx", true},  {std::string(3, '\0'), true},    {"C1E", false}, {"000", false},
      {"CE ", false}, {"   ", false}, {std::string("C\0E", 3), false}, {"C-E", false}};
  for (const caller_mode m : all_modes) {
    enter(m);
    for (const std::int16_t severity : severities) {
      for (const auto& [facility, acceptable] : facilities) {
        ovle_feedback token{};
        ovle_int2_set(&token.severity, severity);
        ovle_int2_set(&token.message_number, 2508);
        token.case_severity_control = 0x59;
        const std::string bytes = token_facility(facility);
        std::memcpy(token.facility, bytes.data(), 3);
        const auto [out, fc] = decode(token);
        const bool severity_ok = severity >= 0 && severity <= 4;
        const test::condition_view want = !acceptable    ? expected(1, 404, 1)
                                          : !severity_ok ? expected(3, 403, 1)
                                                         : view(ovle_feedback{});
        EXPECT_EQ(view(fc), want) << severity << " '" << facility << "'";
        if (test::is_success(fc)) {
          EXPECT_EQ(out.facility, caller_text(facility)) << "the facility parameter is in the caller's code set";
          EXPECT_EQ((std::array<int, 4>{out.c_1, out.severity, out.c_2, out.control}),
                    (std::array<int, 4>{severity, severity, 2508, 1}));
        } else {
          EXPECT_TRUE(untouched(out)) << severity << " '" << facility << "'";
        }
      }
    }
  }
}

// The cases worked out by hand, byte for byte.
TEST_F(Tokens, KnownTokens) {
  // Caller mode, the facility ID as the caller passes it, the first 8 bytes of the token.
  const std::tuple<caller_mode, std::string, std::string> built[] = {
      {all_modes[2], ebcdic("CEE"), "00020D8551C3C5C5"},  // EBCDIC caller: as the mainframe holds it
      {all_modes[0], "CEE", "00020D8551434545"},
      {all_modes[1], "CEE", "00020D8551C3C5C5"},  // ASCII caller, OVLE_FACILITY_CODESET=EBCDIC
  };
  for (const auto& [m, facility, bytes] : built) {
    enter(m);
    const auto [token, fc] = encode({0, 3461, 1, 2, 1, facility, {1, 2, 3, 4, 5, 6, 7, 8}});
    EXPECT_TRUE(test::is_success(fc));
    EXPECT_EQ(test::hex(&token, 16), bytes + "0102030405060708");
  }

  // Tokens to take apart (hex, EBCDIC facility) and what CEEDCOD returns: c_1, c_2, case,
  // severity, control, facility (EBCDIC caller).
  const std::tuple<const char*, std::array<int, 5>, std::string> known[] = {
      {"00000000000000000000000000000000", {0, 0, 1, 0, 0}, std::string(3, '\0')},
      {"0004270F60D6E5E70000000000000000", {4, 9999, 1, 4, 0}, ebcdic("OVX")},
      {"0002099C59C3C5C50000000000000000", {2, 2460, 1, 2, 1}, ebcdic("CEE")},  // byte 4 says severity 3
      {"0000000061C1C2C3FFFFFFFFFFFFFFFF", {0, 0, 1, 0, 1}, ebcdic("ABC")},
      {"000309CC5AC3C5C50000000000000000", {3, 2508, 1, 3, 0}, ebcdic("CEE")},  // control bits 010: the low bit
      {"000309CC47C3C5C50000000000000000", {3, 2508, 1, 3, 1}, ebcdic("CEE")},  // control bits 111
  };
  enter(all_modes[2]);
  for (const auto& [hex, numbers, facility] : known) {
    ovle_feedback token;
    for (std::size_t i = 0; i < 16; ++i) {
      reinterpret_cast<unsigned char*>(&token)[i] =
          static_cast<unsigned char>(std::stoi(std::string(hex + 2 * i, 2), nullptr, 16));
    }
    const auto [out, fc] = decode(token);
    EXPECT_TRUE(test::is_success(fc)) << hex << " " << view(fc);
    EXPECT_EQ((std::array<int, 5>{out.c_1, out.c_2, out.case_code, out.severity, out.control}), numbers) << hex;
    EXPECT_EQ(out.facility, facility) << hex;
    EXPECT_EQ(std::memcmp(out.instance.data(), token.instance, 8), 0) << hex;
  }
}

// A missing required argument: the library's own condition and nothing written. CEENCOD's c_1 is
// never read and may be left out.
TEST_F(Tokens, MissingArgumentsWriteNothing) {
  const test::condition_view ovx = test::ascii_condition(4, 9999, 0, "OVX");
  for (int missing = 0; missing < 8; ++missing) {
    // CEENCOD's arguments 1, 2507, 1, 1, 0, "CEE", zeros and a poisoned token; then CEEDCOD's: the
    // all-zero token and seven poisoned outputs.
    std::array<std::array<unsigned char, 16>, 8> a{};
    a[0][1] = a[2][1] = a[3][1] = 1;
    a[1] = {0x09, 0xCB};
    std::memcpy(a[5].data(), "CEE", 3);
    a[7].fill(poison);
    const auto p = [&](int i) { return i == missing ? nullptr : a[static_cast<std::size_t>(i)].data(); };
    const auto i2 = [&](int i) { return reinterpret_cast<ovle_int2*>(p(i)); };
    const auto token = [&](int i) { return reinterpret_cast<ovle_feedback*>(p(i)); };
    ovle_feedback fc = test::dirty_feedback();
    CEENCOD(i2(0), i2(1), i2(2), i2(3), i2(4), reinterpret_cast<char*>(p(5)), p(6), token(7), &fc);
    EXPECT_EQ(view(fc), missing == 0 ? view(ovle_feedback{}) : ovx) << missing;
    EXPECT_EQ(test::hex(a[7].data(), 8), missing == 0 ? "000109CB48434545" : "A5A5A5A5A5A5A5A5") << missing;

    for (auto& out : a) out.fill(poison);
    a[0].fill(0);
    CEEDCOD(token(0), i2(1), i2(2), i2(3), i2(4), i2(5), reinterpret_cast<char*>(p(6)), p(7), &fc);
    EXPECT_EQ(view(fc), ovx) << missing;
    for (std::size_t i = 1; i < a.size(); ++i) EXPECT_EQ(a[i][0], poison) << missing << " wrote argument " << i;
  }
  CEENCOD(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);  // no crash
  CEEDCOD(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace
}  // namespace ovle
