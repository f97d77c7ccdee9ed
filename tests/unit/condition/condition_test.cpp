// The condition family through its C entries: tokens built and taken apart in every code-set mode,
// the services answered with a fixed condition, and the symbolic names with their copybooks.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <tuple>
#include <utility>

#include "common/entry_arguments.hpp"
#include "condition/symbolic_names.hpp"
#include "entry_registry.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

using test::condition_view;
using test::view;
std::string ebcdic(std::string_view ascii) { return platform::ebcdic_from_ascii(ascii); }
constexpr unsigned char poison = 0xA5;

// Who calls: an ASCII or EBCDIC program, and whether OVLE_FACILITY_CODESET=EBCDIC is set.
struct caller_mode {
  bool ebcdic_caller, facility_ebcdic;
};
constexpr caller_mode all_modes[] = {{false, false}, {false, true}, {true, false}, {true, true}};

// The parts of a token as CEEDCOD returns them; the facility ID as the caller holds it.
struct parts {
  std::int16_t c_1, c_2, case_code, severity, control;
  std::string facility;
  std::array<unsigned char, 8> instance;
  friend bool operator==(const parts&, const parts&) = default;
};
const parts untouched{
    -23131, -23131, -23131, -23131, -23131, "\xA5\xA5\xA5", {0xA5, 0xA5, 0xA5, 0xA5, 0xA5, 0xA5, 0xA5, 0xA5}};

class Tokens : public test::run_unit {
 protected:
  void enter(caller_mode m) {
    m.ebcdic_caller ? ebcdic_caller() : platform::testing::reset_caller_chain();
    m.facility_ebcdic ? setenv("OVLE_FACILITY_CODESET", "EBCDIC", 1) : unsetenv("OVLE_FACILITY_CODESET");
    platform::testing::reread_facility_codeset();
    mode = m;
  }
  // A text as the caller holds it, and a facility ID as it sits inside a token for this caller.
  std::string caller_text(std::string_view a) const { return mode.ebcdic_caller ? ebcdic(a) : std::string(a); }
  std::string in_token(std::string_view a) const {
    return mode.ebcdic_caller || mode.facility_ebcdic ? ebcdic(a) : std::string(a);
  }
  condition_view expected(int severity, int message) const {
    return {severity, message, 0x40 + 8 * severity + 1, in_token("CEE"), true};
  }

  // CEENCOD: the token (poisoned beforehand) and the feedback code; the facility is left alone.
  std::pair<ovle_feedback, condition_view> encode(const parts& p) {
    std::array<ovle_int2, 5> n;
    const std::int16_t values[] = {p.c_1, p.c_2, p.case_code, p.severity, p.control};
    for (std::size_t i = 0; i < n.size(); ++i) ovle_int2_set(&n[i], values[i]);
    const std::string facility = p.facility;
    ovle_feedback token, fc = test::dirty_feedback();
    std::memset(&token, poison, sizeof token);
    EXPECT_EQ(CEENCOD(nullptr, &n[1], &n[2], &n[3], &n[4], facility.data(), p.instance.data(), &token, &fc), 0);
    EXPECT_EQ(facility, p.facility);
    return {token, view(fc)};
  }

  // CEEDCOD: the outputs (poisoned beforehand) and the feedback code; the token is left alone.
  std::pair<parts, condition_view> decode(const ovle_feedback& token) {
    std::array<ovle_int2, 5> n;
    std::memset(n.data(), poison, sizeof n);
    parts out = untouched;
    const ovle_feedback before = token;
    ovle_feedback fc = test::dirty_feedback();
    EXPECT_EQ(CEEDCOD(&token, &n[0], &n[1], &n[2], &n[3], &n[4], out.facility.data(), out.instance.data(), &fc), 0);
    EXPECT_EQ(std::memcmp(&before, &token, sizeof token), 0);
    out.c_1 = ovle_int2_get(&n[0]), out.c_2 = ovle_int2_get(&n[1]), out.case_code = ovle_int2_get(&n[2]);
    out.severity = ovle_int2_get(&n[3]), out.control = ovle_int2_get(&n[4]);
    return {out, view(fc)};
  }

  caller_mode mode{};
};

// CEENCOD gives the first failure in the order case, control, severity, facility (letters and digits
// only), leaving the token alone; a token it builds is laid out as the mainframe's and comes back
// whole from CEEDCOD (c_1, which CEENCOD never reads, as the severity), unless its facility ID has a
// digit, which CEEDCOD refuses. In every code-set mode.
TEST_F(Tokens, EncodeChecksInOrderAndRoundTrips) {
  const std::int16_t values[] = {1, 0, 4, 2, 5, -1}, messages[] = {3461, INT16_MAX, -1, INT16_MIN, 0};
  const std::pair<std::string, bool> facilities[] = {{"CEE", true},    {"zZa", true},  {"A1Z", true},
                                                     {"000", true},    {"C E", false}, {"CE-", false},
                                                     {"C.E", false},   {"CE$", false}, {std::string(3, '\0'), false},
                                                     {"CE\xC9", false}};
  std::mt19937 random(20240611);
  int round_trips = 0;
  for (const caller_mode m : all_modes) {
    enter(m);
    const auto [known, kc] = encode({0, 3461, 1, 2, 1, caller_text("CEE"), {1, 2, 3, 4, 5, 6, 7, 8}});
    EXPECT_EQ(test::hex(&known, 16), "00020D8551" + test::hex(in_token("CEE").data(), 3) + "0102030405060708");
    for (const std::int16_t case_code : values) {
      for (const std::int16_t control : values) {
        for (const std::int16_t severity : values) {
          for (const auto& [facility, acceptable] : facilities) {
            parts in{0, messages[random() % 5], case_code, severity, control, caller_text(facility), {}};
            for (unsigned char& b : in.instance) b = static_cast<unsigned char>(random());
            const auto [token, fc] = encode(in);
            const condition_view want = case_code != 1                 ? expected(3, 401)
                                        : control != 0 && control != 1 ? expected(3, 402)
                                        : severity < 0 || severity > 4 ? expected(3, 403)
                                        : !acceptable                  ? expected(1, 404)
                                                                       : view(ovle_feedback{});
            EXPECT_EQ(fc, want) << case_code << " " << control << " " << severity << " '" << facility << "'";
            if (fc != view(ovle_feedback{})) {
              EXPECT_EQ(std::string(reinterpret_cast<const char*>(&token), 16), std::string(16, '\xA5'));
              continue;
            }
            const auto [out, dc] = decode(token);
            const bool letters = facility.find_first_of("0123456789") == std::string::npos;
            in.c_1 = severity;
            EXPECT_EQ(dc, letters ? view(ovle_feedback{}) : expected(1, 404)) << facility;
            EXPECT_TRUE(out == (letters ? in : untouched)) << severity << " " << control << " " << facility;
            round_trips += letters;
          }
        }
      }
    }
  }
  EXPECT_EQ(round_trips, 4 * 2 * 4 * 2);  // modes, controls, severities, facilities of letters
}

// Each byte as the middle of a facility ID from an EBCDIC caller: CEENCOD takes the EBCDIC letters
// and digits, CEEDCOD the letters only.
TEST_F(Tokens, FacilityCharactersAreLettersAndDigits) {
  enter(all_modes[2]);
  const std::string letters = ebcdic("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"),
                    digits = ebcdic("0123456789");
  for (int c = 0; c < 256; ++c) {
    const std::string facility = ebcdic("C") + static_cast<char>(c) + ebcdic("E");
    const bool letter = letters.find(static_cast<char>(c)) != std::string::npos;
    const bool digit = digits.find(static_cast<char>(c)) != std::string::npos;
    const auto [token, fc] = encode({0, 1, 1, 0, 1, facility, {}});
    EXPECT_EQ(fc, letter || digit ? view(ovle_feedback{}) : expected(1, 404)) << c;
    ovle_feedback zero{};
    std::memcpy(zero.facility, facility.data(), 3);
    EXPECT_EQ(decode(zero).second, letter ? view(ovle_feedback{}) : expected(1, 404)) << c;
  }
}

// CEEDCOD runs both checks and the later failure wins: a severity of 0 to 4, a facility ID of three
// letters or three X'00'. Case is always 1 and control the low bit of byte 4.
TEST_F(Tokens, DecodeChecksBothAndTheLaterWins) {
  const std::pair<std::string, bool> facilities[] = {{"CEE", true},  {"ovx", true},  {std::string(3, '\0'), true},
                                                     {"C1E", false}, {"CE ", false}, {"C\xC5\xC5", false}};
  for (const caller_mode m : all_modes) {
    enter(m);
    for (const std::int16_t severity : {std::int16_t{0}, std::int16_t{4}, std::int16_t{5}, std::int16_t{-1}}) {
      for (const int byte4 : {0x59, 0x5A, 0x47, 0x00}) {
        for (const auto& [facility, acceptable] : facilities) {
          ovle_feedback token{};
          ovle_int2_set(&token.severity, severity);
          ovle_int2_set(&token.message_number, 2508);
          token.case_severity_control = static_cast<unsigned char>(byte4);
          std::memcpy(token.facility, in_token(facility).data(), 3);
          std::memset(token.instance, 0xF0, 8);
          const auto [out, fc] = decode(token);
          const bool severity_ok = severity >= 0 && severity <= 4;
          parts want{severity, 2508, 1, severity, static_cast<std::int16_t>(byte4 & 1), caller_text(facility), {}};
          want.instance.fill(0xF0);
          EXPECT_EQ(fc, !acceptable    ? expected(1, 404)
                        : !severity_ok ? expected(3, 403)
                                       : view(ovle_feedback{}))
              << severity << " '" << facility << "'";
          EXPECT_TRUE(out == (acceptable && severity_ok ? want : untouched)) << severity << " " << byte4;
        }
      }
    }
  }
}

// The eighteen services that exist by name only, in every mode: the library's own condition with
// facility OVX in the token's code set, OV-PIPI run, and nothing else written. (Missing arguments
// and reads past an item are the hostile-caller sweep's.)
TEST_F(Tokens, FixedAnswersWriteOnlyTheFeedbackCode) {
  std::mt19937 random(6401);
  int services = 0;
  for (const caller_mode m : all_modes) {
    enter(m);
    for (const tool::callable_entry& e : tool::callable_entries()) {
      const common::entry_description& d = *e.description;
      if (d.family != "condition" || d.symbol.starts_with("CEE3A") || d.symbol.ends_with("COD") ||
          d.symbol == "CEEMOUT")
        continue;
      services += m.ebcdic_caller && m.facility_ebcdic;
      std::vector<std::vector<unsigned char>> buffers;
      std::vector<void*> p;
      for (std::size_t i = 0; i + 1 < d.arguments->size(); ++i) {
        buffers.emplace_back((*d.arguments)[i].storage_size());
        for (unsigned char& b : buffers.back()) b = static_cast<unsigned char>(random());
        if ((*d.arguments)[i].kind == common::argument_kind::vstring) buffers.back()[0] = 0, buffers.back()[1] = 80;
        p.push_back(buffers.back().data());
      }
      const auto before = buffers;
      ovle_feedback fc = test::dirty_feedback();
      p.push_back(&fc);
      platform::testing::clear_external_areas();
      EXPECT_EQ(e.invoke(p.data()), 0);
      EXPECT_EQ(view(fc), (condition_view{4, 9999, 0x60, in_token("OVX"), true})) << d.symbol;
      EXPECT_EQ(buffers, before) << d.symbol;
      EXPECT_TRUE(area().is_initialized()) << d.symbol;
    }
  }
  EXPECT_EQ(services, 18);
  EXPECT_TRUE(console.empty());
}

using token_bytes = std::array<unsigned char, 16>;
token_bytes make_token(int severity, int message, int byte4, std::string_view facility) {
  token_bytes t{};
  common::store_int2(t.data(), static_cast<std::int16_t>(severity));
  common::store_int2(t.data() + 2, static_cast<std::int16_t>(message));
  t[4] = static_cast<unsigned char>(byte4);
  std::memcpy(t.data() + 5, facility.data(), 3);
  return t;
}

// A token is named by its facility ID in either code set and three base-32 digits, distinct and in
// the order of the message numbers; the row is found when the library stores that condition.
TEST(SymbolicNames, TokensAreNamedInEitherCodeSet) {
  // Token, expected symbol (empty: no name), expected table row (empty: none).
  const std::tuple<token_bytes, std::string, std::string> cases[] = {
      {token_bytes{}, "CEE000", ""},
      {make_token(3, 2507, 0x59, ebcdic("CEE")), "CEE2EB", "date_component_missing"},
      {make_token(3, 2507, 0x59, "CEE"), "CEE2EB", "date_component_missing"},
      {make_token(3, 2507, 0x58, "CEE"), "CEE2EB", ""},  // control 0: not a condition the library stores
      {make_token(4, 9999, 0x60, ebcdic("OVX")), "OVX9OF", "ovx_not_supported"},
      {make_token(3, 9999, 0x58, "OVX"), "OVX9OF", "century_window_invalid"},
      {make_token(1, 404, 0x4D, ebcdic("CEE")), "CEE0CK", ""},  // byte 4 says control 5
      {make_token(0, 0, 0x40, "CEE"), "CEE000", ""},
      {make_token(3, 1, 0x59, "ab9"), "ab9001", ""},
      {make_token(3, 2507, 0x59, std::string(3, '\0')), "", ""},
      {make_token(3, 2507, 0x59, "C\xC5\xC5"), "", ""},  // one byte ASCII, two EBCDIC
  };
  for (const auto& [t, symbol, row] : cases) {
    const auto name = condition::name_token(t);
    ASSERT_EQ(name.has_value(), !symbol.empty()) << symbol << " " << test::hex(t.data(), 16);
    if (!name) continue;
    EXPECT_EQ(name->symbol, symbol);
    EXPECT_EQ(name->entry ? std::string(name->entry->identifier) : "", row) << symbol;
  }
  std::string previous;
  for (int message = 1; message <= INT16_MAX; ++message) {
    const std::string symbol = condition::name_token(make_token(3, message, 0x59, "CEE"))->symbol;
    ASSERT_TRUE(symbol.size() == 6 &&
                symbol.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUV", 3) == std::string::npos)
        << symbol;
    ASSERT_LT(previous, symbol) << message;
    previous = symbol;
  }
  EXPECT_EQ(previous, "CEEVVV");
}

std::string read_file(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The copybooks the build wrote are current, fit in 72 columns, and hold one value per row of the
// table and CEE000, each naming its own row again, under names unique within each copybook (a
// symbol two rows share ends in -<severity>), the facility ID in ASCII in OVLECOND, EBCDIC in OVLECNDE.
TEST(SymbolicNames, CopybooksHoldEveryConditionOnce) {
  for (const condition::copybook_file& file : condition::copybook_files) {
    const bool in_ascii = file.codeset == condition::facility_codeset::ascii;
    const std::string text =
        read_file(std::filesystem::path(OVLE_GENERATED_COPYBOOK_DIR) / (std::string(file.name) + ".cpy"));
    EXPECT_EQ(text, condition::copybook_text(file)) << file.name;
    std::map<std::string, std::string> values;  // name -> the 8 bytes in hex
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
      EXPECT_LE(line.size(), 72U) << line;
      if (line.rfind("      *", 0) == 0) continue;
      std::istringstream words(line);
      std::string level, name, pic, value;
      words >> level >> name >> pic >> pic >> value >> value;
      EXPECT_TRUE(values.emplace(name, value.substr(2, value.size() == 20 ? 16 : 0)).second) << line;
    }
    ASSERT_EQ(values.size(), std::size(common::condition_table) + 1) << file.name;
    EXPECT_EQ(values["CEE000"], "");
    for (const common::condition_entry& e : common::condition_table) {
      const std::string name = condition::copybook_name(e);
      const bool shared = std::count_if(std::begin(common::condition_table), std::end(common::condition_table),
                                        [&](const auto& other) { return other.symbol == e.symbol; }) > 1;
      EXPECT_EQ(name.substr(0, 6), e.symbol);
      EXPECT_EQ(name.size() > 6, shared) << name << ": a suffix only where two rows share the symbol";
      ASSERT_EQ(values[name].size(), 16U) << file.name << " lacks " << name;
      token_bytes t{};
      for (std::size_t i = 0; i < 8; ++i)
        t[i] = static_cast<unsigned char>(std::stoi(values[name].substr(2 * i, 2), nullptr, 16));
      EXPECT_EQ(std::string(reinterpret_cast<const char*>(t.data() + 5), 3),
                in_ascii ? std::string(e.facility) : ebcdic(e.facility));
      const auto named = condition::name_token(t);
      EXPECT_TRUE(named && named->entry == &e) << name << " names another condition";
    }
  }
}

// Every row of the table of conditions is raised by some source of the library.
TEST(SymbolicNames, EveryConditionIsRaisedSomewhere) {
  constexpr std::string_view use = "conditions::";
  std::set<std::string> used;
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(std::filesystem::path(OVLE_SOURCE_DIR) / "src")) {
    const std::string text = read_file(entry.path());
    if (entry.path().filename() == "conditions.hpp") continue;  // the table's own definitions
    for (auto at = text.find(use); at != std::string::npos; at = text.find(use, at + 1)) {
      const std::size_t name = at + use.size();
      used.insert(text.substr(name, text.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_", name) - name));
    }
  }
  for (const common::condition_entry& e : common::condition_table) {
    EXPECT_TRUE(used.count(std::string(e.identifier))) << e.identifier << " is in conditions.def but nothing raises it";
  }
}

}  // namespace
}  // namespace ovle
