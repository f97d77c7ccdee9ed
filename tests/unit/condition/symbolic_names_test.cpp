// Symbolic feedback codes: names of tokens, the generated copybooks, and the table of conditions
// against every condition the sources raise.
#include "condition/symbolic_names.hpp"

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "ovle_test.hpp"

namespace ovle {
namespace {

namespace fs = std::filesystem;
using token = std::array<unsigned char, 16>;

token make_token(int severity, int message, int byte4, std::string_view facility) {
  token t{};
  common::store_int2(t.data(), static_cast<std::int16_t>(severity));
  common::store_int2(t.data() + 2, static_cast<std::int16_t>(message));
  t[4] = static_cast<unsigned char>(byte4);
  std::memcpy(t.data() + 5, facility.data(), 3);
  return t;
}

std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(SymbolicNames, TokensAreNamedInEitherCodeSet) {
  const std::string cee_e = platform::ebcdic_from_ascii("CEE"), ovx_e = platform::ebcdic_from_ascii("OVX");
  // Token, expected symbol (empty: no name), expected table row (empty: none).
  const std::tuple<token, std::string, std::string> cases[] = {
      {token{}, "CEE000", ""},
      {make_token(3, 2507, 0x59, cee_e), "CEE2EB", "date_component_missing"},
      {make_token(3, 2507, 0x59, "CEE"), "CEE2EB", "date_component_missing"},
      {make_token(3, 2507, 0x58, "CEE"), "CEE2EB", ""},  // control 0: not a condition the library stores
      {make_token(2, 803, 0x51, "CEE"), "CEE0P3", ""},
      {make_token(4, 9999, 0x60, ovx_e), "OVX9OF", "ovx_not_supported"},
      {make_token(3, 9999, 0x58, "OVX"), "OVX9OF", "century_window_invalid"},
      {make_token(1, 9999, 0x48, "CEE"), "CEE9OF", "modulo_domain"},
      {make_token(1, 404, 0x49, cee_e), "CEE0CK", "token_facility_invalid"},
      {make_token(0, 0, 0x40, "CEE"), "CEE000", ""},
      {make_token(3, 32767, 0x59, "IGZ"), "IGZVVV", ""},
      {make_token(3, 1, 0x59, "ab9"), "ab9001", ""},
      {make_token(3, 2507, 0x59, std::string(3, '\0')), "", ""},
      {make_token(3, 2507, 0x59, "C E"), "", ""},
      {make_token(3, 2507, 0x59, "C\xC5\xC5"), "", ""},  // one byte ASCII, two EBCDIC
  };
  for (const auto& [t, symbol, row] : cases) {
    const auto name = condition::name_token(t);
    ASSERT_EQ(name.has_value(), !symbol.empty()) << symbol << " " << test::hex(t.data(), 16);
    if (!name) continue;
    EXPECT_EQ(name->symbol, symbol);
    EXPECT_EQ(name->entry ? std::string(name->entry->identifier) : "", row) << symbol;
  }
}

// Every message number has its own three digits, and their order is the numbers' order, so a
// sorted list of names is a sorted list of messages.
TEST(SymbolicNames, MessageDigitsAreDistinctAndOrdered) {
  std::string previous;
  for (int message = 0; message <= INT16_MAX; ++message) {
    const auto name = condition::name_token(make_token(3, message, 0x59, "CEE"));
    ASSERT_TRUE(name.has_value());
    ASSERT_EQ(name->symbol.size(), 6U);
    ASSERT_EQ(name->symbol.substr(0, 3), "CEE");
    for (const char c : name->symbol.substr(3)) ASSERT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'V')) << c;
    if (message > 0) {
      ASSERT_LT(previous, name->symbol) << message;
    }
    previous = name->symbol;
  }
  EXPECT_EQ(previous, "CEEVVV");
}

// One value line of a copybook: name and the 8 bytes.
struct copybook_value {
  std::string name;
  std::string hex;  // empty for LOW-VALUES
};

std::vector<copybook_value> parse_copybook(const std::string& text) {
  std::vector<copybook_value> values;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    EXPECT_LE(line.size(), 72U) << line;
    if (line.rfind("      *", 0) == 0) continue;
    EXPECT_EQ(line.rfind("       01  ", 0), 0U) << line;
    std::istringstream words(line);
    std::string level, name, pic, width, value, literal;
    words >> level >> name >> pic >> width >> value >> literal;
    EXPECT_EQ(pic + width + value, "PICX(8)VALUE") << line;
    const bool hex = literal.size() == 20 && literal.rfind("X'", 0) == 0 && literal.substr(18) == "'." &&
                     literal.find_first_not_of("0123456789ABCDEF", 2) == 18;
    EXPECT_TRUE(hex || literal == "LOW-VALUES.") << line;
    values.push_back({name, hex ? literal.substr(2, 16) : ""});
  }
  return values;
}

// The copybooks the build wrote hold one value per row of the table and CEE000, each value naming
// its own row again, with the facility in ASCII in OVLECOND and in EBCDIC in OVLECNDE; names are
// unique.
TEST(SymbolicNames, CopybooksHoldEveryConditionOnce) {
  std::map<std::string, std::set<std::string>> names_by_file;
  for (const condition::copybook_file& file : condition::copybook_files) {
    const std::string text = read_file(fs::path(OVLE_GENERATED_COPYBOOK_DIR) / (std::string(file.name) + ".cpy"));
    EXPECT_EQ(text, condition::copybook_text(file)) << file.name << ": the build's copy is current";
    const std::vector<copybook_value> values = parse_copybook(text);
    ASSERT_EQ(values.size(), std::size(common::condition_table) + 1) << file.name;
    std::set<std::string>& names = names_by_file[std::string(file.name)];
    for (const copybook_value& v : values) EXPECT_TRUE(names.insert(v.name).second) << file.name << " " << v.name;
    EXPECT_EQ(values.front().name, "CEE000");
    EXPECT_EQ(values.front().hex, "");

    for (const common::condition_entry& e : common::condition_table) {
      // A symbol that two rows share ends in "-" and the severity on each.
      const auto shared = std::count_if(std::begin(common::condition_table), std::end(common::condition_table),
                                        [&](const auto& other) { return other.symbol == e.symbol; });
      const std::string name = condition::copybook_name(e);
      EXPECT_EQ(name, std::string(e.symbol) + (shared > 1 ? "-" + std::to_string(e.value.severity) : "")) << name;
      const auto found = std::find_if(values.begin(), values.end(), [&](const auto& v) { return v.name == name; });
      ASSERT_NE(found, values.end()) << file.name << " lacks " << name;
      token t{};
      for (std::size_t i = 0; i < 8; ++i)
        t[i] = static_cast<unsigned char>(std::stoi(found->hex.substr(2 * i, 2), nullptr, 16));
      const std::string facility(reinterpret_cast<const char*>(t.data() + 5), 3);
      EXPECT_EQ(facility, file.codeset == condition::facility_codeset::ascii ? std::string(e.facility)
                                                                             : platform::ebcdic_from_ascii(e.facility))
          << name;
      const auto named = condition::name_token(t);
      ASSERT_TRUE(named.has_value()) << name;
      EXPECT_EQ(named->entry, &e) << name << " names another condition";
    }
  }
  EXPECT_EQ(names_by_file["OVLECOND"], names_by_file["OVLECNDE"]);
}

// Every condition a source of the library names is a row of the table (so the copybooks hold it),
// and every row is raised by some source.
TEST(SymbolicNames, TableMatchesTheConditionsTheSourcesRaise) {
  constexpr std::string_view use = "conditions::";
  std::set<std::string> used;
  std::size_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(OVLE_SOURCE_DIR) / "src")) {
    const fs::path& p = entry.path();
    if (p.extension() != ".cpp" && p.extension() != ".hpp") continue;
    if (p.filename() == "conditions.hpp") continue;  // the table's own definitions
    ++files;
    const std::string text = read_file(p);
    for (auto at = text.find(use); at != std::string::npos; at = text.find(use, at + 1)) {
      const std::size_t name = at + use.size();
      used.insert(text.substr(name, text.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_", name) - name));
    }
  }
  ASSERT_GT(files, 10U);
  std::set<std::string> rows;
  for (const common::condition_entry& e : common::condition_table) rows.insert(std::string(e.identifier));
  for (const std::string& u : used) EXPECT_TRUE(rows.count(u)) << u << " is raised but not in conditions.def";
  for (const std::string& r : rows) EXPECT_TRUE(used.count(r)) << r << " is in conditions.def but nothing raises it";
}

}  // namespace
}  // namespace ovle
