// The picture-string scan, the ordering of the components and the bytes of the three shared tables.
#include <random>
#include <string>
#include <vector>

#include "datetime/picture.hpp"
#include "ovle_test.hpp"

namespace ovle::datetime {
namespace {

using flag = picture_scan::flag;

picture_scan scan(std::string_view ascii) { return scan_picture(platform::ebcdic_from_ascii(ascii)); }

std::string with_shift(std::string_view inner) {
  std::string text(1, '\x0E');
  text.append(inner);
  text.push_back('\x0F');
  return text;
}

struct token_case {
  std::string token;  // written after one delimiter, so the token starts at position 2
  component entry;
  char kind;
  int length;
  std::size_t width;  // picture characters the token takes
};

TEST(picture_scan_test, every_token_with_its_kind_position_and_length) {
  const std::string m19(19, 'M');
  const std::vector<token_case> cases = {
      {"YYYY", component::year, '5', 4, 4},
      {"YYY", component::year, '3', 3, 3},
      {"YY", component::year, '2', 2, 2},
      {"Y", component::year, '1', 1, 1},
      {"ZYY", component::year, '4', 3, 3},
      {with_shift("JJJJ"), component::year, '6', 6, 6},
      {with_shift("CCCC"), component::year, '7', 6, 6},
      {with_shift("CCCCCCCC"), component::year, '8', 10, 10},
      {"MM", component::month, '1', 2, 2},
      {"ZM", component::month, '2', 2, 2},
      {"RRRR", component::month, '3', 4, 4},
      {"RRRZ", component::month, '4', 4, 4},
      {"MMM", component::month, '5', 3, 3},
      {"Mmm", component::month, '6', 3, 3},
      {"MMMM", component::month, '7', 4, 4},
      {"Mmmm", component::month, '7', 4, 4},
      {"Mmmmmmmmmm", component::month, '7', 10, 10},
      {std::string(20, 'M'), component::month, '7', 20, 20},
      {"M" + std::string(19, 'm'), component::month, '7', 20, 20},
      {"MMMZ", component::month, 'B', 4, 4},
      {"Mmmz", component::month, 'B', 4, 4},
      {"MMMMMMMMMZ", component::month, 'B', 10, 10},
      {"Mmmmmmmmmz", component::month, 'B', 10, 10},
      {m19 + "Z", component::month, 'B', 20, 20},
      {"DD", component::day, '1', 2, 2},
      {"ZD", component::day, '2', 2, 2},
      {"DDD", component::day, '3', 3, 3},
      {"W", component::weekday, '1', 2, 1},
      {"WWW", component::weekday, '2', 3, 3},
      {"Www", component::weekday, '3', 3, 3},
      {"WWWW", component::weekday, '4', 4, 4},
      {"Wwwwwwwwww", component::weekday, '4', 10, 10},
      {"WWWZ", component::weekday, '8', 4, 4},
      {"Wwwwwwwwwz", component::weekday, '8', 10, 10},
      {"HH", component::hour, '1', 2, 2},
      {"ZH", component::hour, '2', 2, 2},
      {"MI", component::minute, '1', 2, 2},
      {"SS", component::second, '1', 2, 2},
      {"999", component::fraction, '3', 3, 3},
      {"99", component::fraction, '2', 2, 2},
      {"9", component::fraction, '1', 1, 1},
      {"AP", component::meridian, '1', 2, 2},
      {"ap", component::meridian, '2', 2, 2},
      {"A.P.", component::meridian, '3', 4, 4},
      {"a.p.", component::meridian, '4', 4, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.token);
    const std::string picture = "/" + c.token + "/";
    const picture_scan s = scan(picture);
    ASSERT_EQ(s.length, picture.size());
    EXPECT_EQ(s[c.entry], (term{c.kind, 2, static_cast<std::uint8_t>(c.length)}));
    for (std::size_t i = 0; i < component_count; ++i) {
      if (static_cast<component>(i) != c.entry) {
        EXPECT_FALSE(s.terms[i].present()) << "component " << i;
      }
    }
    EXPECT_EQ(s.at(1), flag::delimiter);
    EXPECT_EQ(s.at(2), flag::token);
    for (std::size_t n = 3; n < 2 + c.width; ++n) EXPECT_EQ(s.at(n), flag::unscanned) << "position " << n;
    // The closing delimiter is scanned unless an era token has already taken it as its shift-in.
    if (2 + c.width <= picture.size()) {
      EXPECT_EQ(s.at(2 + c.width), flag::delimiter);
    }
  }
}

// Pictures whose reading depends on the order in which tokens are tried.
TEST(picture_scan_test, longest_and_later_tokens_win_as_the_grammar_says) {
  struct expectation {
    component entry;
    term t;
  };
  struct picture_case {
    std::string picture;
    std::vector<expectation> terms;
    std::string flags;  // N token start, Y delimiter, '.' unscanned
  };
  const std::vector<picture_case> cases = {
      {"YYYY-MM-DD", {{component::year, {'5', 1, 4}}, {component::month, {'1', 6, 2}}, {component::day, {'1', 9, 2}}},
       "N...YN.YN."},
      {"YYYYMMDD", {{component::year, {'5', 1, 4}}, {component::month, {'1', 5, 2}}, {component::day, {'1', 7, 2}}},
       "N...N.N."},
      {"YYYYYY", {{component::year, {'2', 5, 2}}}, "N...N."},
      {"MMm", {{component::month, {'1', 1, 2}}}, "N.Y"},
      {"HH:MI", {{component::hour, {'1', 1, 2}}, {component::minute, {'1', 4, 2}}}, "N.YN."},
      {"MM/DD", {{component::month, {'1', 1, 2}}, {component::day, {'1', 4, 2}}}, "N.YN."},
      {"MMZ", {{component::month, {'1', 1, 2}}}, "N.Y"},
      {"Mmz", {}, "YYY"},
      {"WW", {{component::weekday, {'1', 2, 2}}}, "NN"},
      {std::string(21, 'M'), {{component::month, {'7', 1, 20}}}, "N" + std::string(19, '.') + "Y"},
      {std::string(22, 'M'), {{component::month, {'1', 21, 2}}}, "N" + std::string(19, '.') + "N."},
      {std::string(20, 'M') + "Z", {{component::month, {'7', 1, 20}}}, "N" + std::string(19, '.') + "Y"},
      {"Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY",
       {{component::weekday, {'8', 1, 10}},
        {component::month, {'B', 13, 10}},
        {component::day, {'2', 24, 2}},
        {component::year, {'5', 28, 4}}},
       "N.........YYN.........YN.YYN..."},
      {"HH:MI:SS.999 AP",
       {{component::hour, {'1', 1, 2}},
        {component::minute, {'1', 4, 2}},
        {component::second, {'1', 7, 2}},
        {component::fraction, {'3', 10, 3}},
        {component::meridian, {'1', 14, 2}}},
       "N.YN.YN.YN..YN."},
      {"ZYY.ZM.ZD ZH", {{component::year, {'4', 1, 3}}, {component::month, {'2', 5, 2}},
                         {component::day, {'2', 8, 2}}, {component::hour, {'2', 11, 2}}},
       "N..YN.YN.YN."},
      {"yyyy-mm-dd", {}, "YYYYYYYYYY"},
      {"M D", {}, "YYY"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picture);
    const picture_scan s = scan(c.picture);
    std::array<term, component_count> expected{};
    for (const auto& e : c.terms) expected[index_of(e.entry)] = e.t;
    EXPECT_EQ(s.terms, expected);
    std::string flags;
    for (std::size_t n = 1; n <= s.length; ++n) {
      flags += s.at(n) == flag::token ? 'N' : s.at(n) == flag::delimiter ? 'Y' : '.';
    }
    EXPECT_EQ(flags, c.flags);
    EXPECT_EQ(s.has_token(), !c.terms.empty());
  }
}

TEST(picture_scan_test, pictures_without_a_token) {
  for (std::string_view picture : {"", " ", "-/", "yyyy", "mm/dd/yy", "M", "D", "Mm", "R", "RRR", "Z", "ZZ", "A", "a",
                                   "a.m.", "JJJJ", "CCCC", "\x0E", "\x0EJJJ"}) {
    SCOPED_TRACE(picture);
    const picture_scan s = scan(picture);
    EXPECT_FALSE(s.has_token());
    for (std::size_t n = 1; n <= s.length; ++n) EXPECT_EQ(s.at(n), flag::delimiter);
  }
}

TEST(picture_scan_test, only_the_first_100_characters_are_scanned) {
  const std::string picture = std::string(98, '-') + "DD" + "YYYY";
  const picture_scan s = scan(picture);
  EXPECT_EQ(s.length, 100u);
  EXPECT_EQ(s[component::day], (term{'1', 99, 2}));
  EXPECT_FALSE(s[component::year].present());
  // A token cut at position 100 is not a token.
  EXPECT_FALSE(scan(std::string(99, '-') + "DD").has_token());
}

TEST(picture_scan_test, order_digits_number_the_present_components_from_the_left) {
  struct order_case {
    std::string picture;
    std::array<std::uint8_t, ordered_count> digits;  // year, month, day, weekday, hour
  };
  const std::vector<order_case> cases = {
      {"YYYY-MM-DD", {1, 2, 3, 0, 0}},
      {"DD/MM/YYYY", {3, 2, 1, 0, 0}},
      {"MM/DD/YY", {3, 1, 2, 0, 0}},
      {"Www DD Mmm YYYY HH:MI", {4, 3, 2, 1, 5}},
      {"HH YYYYDDD", {2, 0, 3, 0, 1}},
      {"YYYY", {1, 0, 0, 0, 0}},
      {"SS.999", {0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picture);
    const picture_scan s = scan(c.picture);
    EXPECT_EQ(s.order(), c.digits);
    const auto list = s.in_order();
    std::size_t present = 0;
    for (auto d : c.digits) present += d != 0;
    ASSERT_EQ(list.count, present);
    for (std::size_t i = 0; i < list.count; ++i) EXPECT_EQ(c.digits[index_of(list.items[i])], i + 1);
  }
}

// ---- Tables -----------------------------------------------------------------------------------------

std::vector<unsigned char> bytes_of(std::span<const std::byte> b) {
  std::vector<unsigned char> out;
  for (std::byte x : b) out.push_back(static_cast<unsigned char>(x));
  return out;
}

class picture_tables_test : public test::run_unit {};

TEST_F(picture_tables_test, reset_values_in_packed_zoned_and_binary_form) {
  picture_tables t = picture_tables::attach();
  // Garbage first, as a previous call or a COBOL program may have left it.
  for (auto span : {t.delimiters.bytes(), t.terms.bytes(), t.fields.bytes()}) {
    std::memset(const_cast<std::byte*>(span.data()), 0xA5, span.size());
  }
  t.reset(0);

  std::vector<unsigned char> delimiters(257, 0x40);
  delimiters[0] = 0x00;
  delimiters[1] = 0x0C;
  EXPECT_EQ(bytes_of(t.delimiters.bytes()), delimiters);

  const std::vector<unsigned char> zoned_zero = {0xF0, 0xF0, 0xC0};
  std::vector<unsigned char> terms = {0x40, 0x00, 0x0C};
  terms.insert(terms.end(), {0x40, 0, 0, 0, 0, 0, 0});  // year: kind, binary position, length, shift
  for (int i = 0; i < 4; ++i) {                          // month, day, weekday, hour
    terms.push_back(0x40);
    terms.insert(terms.end(), zoned_zero.begin(), zoned_zero.end());
    terms.insert(terms.end(), {0, 0, 0, 0});
  }
  for (int i = 0; i < 4; ++i) {  // minute, second, fraction, meridian
    terms.push_back(0x40);
    terms.insert(terms.end(), zoned_zero.begin(), zoned_zero.end());
    terms.insert(terms.end(), {0, 0});
  }
  EXPECT_EQ(bytes_of(t.terms.bytes()), terms);

  std::vector<unsigned char> fields(53, 0);
  std::fill(fields.begin(), fields.begin() + 17, 0xF0);
  fields[17] = 0xA5;  // unused, left as it was
  std::fill(fields.begin() + 18, fields.begin() + 25, 0xF0);
  EXPECT_EQ(bytes_of(t.fields.bytes()), fields);
}

TEST_F(picture_tables_test, recorded_scan_of_a_date_picture_byte_by_byte) {
  picture_tables t = picture_tables::attach();
  const std::string picture = platform::ebcdic_from_ascii("Www DD Mmmmmmmmmz YYYY HH:MI");
  t.reset(picture.size());
  t.record(scan_picture(picture));

  const auto d = bytes_of(t.delimiters.bytes());
  EXPECT_EQ(d[0], 0x02);  // 28, packed
  EXPECT_EQ(d[1], 0x8C);
  const std::string flags = "N..YN.YN.........YN...YN.YN.";
  for (std::size_t n = 1; n <= flags.size(); ++n) {
    const unsigned char expected = flags[n - 1] == 'N' ? 0xD5 : flags[n - 1] == 'Y' ? 0xE8 : 0x40;
    EXPECT_EQ(d[1 + n], expected) << "position " << n;
  }
  for (std::size_t n = flags.size() + 1; n <= 255; ++n) ASSERT_EQ(d[1 + n], 0x40) << "position " << n;

  const auto p = bytes_of(t.terms.bytes());
  const std::vector<unsigned char> year = {0xF5, 0x00, 0x13, 0x00, 0x04, 0x00, 0x00};  // at 19, binary
  EXPECT_EQ(std::vector<unsigned char>(p.begin() + 3, p.begin() + 10), year);
  const std::vector<unsigned char> month = {0xC2, 0xF0, 0xF0, 0xC8, 0x00, 0x0A, 0x00, 0x00};  // B at +008
  EXPECT_EQ(std::vector<unsigned char>(p.begin() + 10, p.begin() + 18), month);
  const std::vector<unsigned char> day = {0xF1, 0xF0, 0xF0, 0xC5, 0x00, 0x02, 0x00, 0x00};
  EXPECT_EQ(std::vector<unsigned char>(p.begin() + 18, p.begin() + 26), day);
  const std::vector<unsigned char> weekday = {0xF3, 0xF0, 0xF0, 0xC1, 0x00, 0x03, 0x00, 0x00};
  EXPECT_EQ(std::vector<unsigned char>(p.begin() + 26, p.begin() + 34), weekday);
  const std::vector<unsigned char> hour = {0xF1, 0xF0, 0xF2, 0xC4, 0x00, 0x02, 0x00, 0x00};
  EXPECT_EQ(std::vector<unsigned char>(p.begin() + 34, p.begin() + 42), hour);
  const std::vector<unsigned char> minute = {0xF1, 0xF0, 0xF2, 0xC7, 0x00, 0x02};
  EXPECT_EQ(std::vector<unsigned char>(p.begin() + 42, p.begin() + 48), minute);
  EXPECT_EQ(p[48], 0x40);
}

// Property: whatever the picture, the tables read back exactly what the scan found, and the scan
// flags are consistent with the terms.
TEST_F(picture_tables_test, random_pictures_round_trip_through_the_table_bytes) {
  const std::vector<std::string> pieces = {
      "YYYY", "YY", "Y", "ZYY", "MM", "ZM", "RRRR", "RRRZ", "MMM", "Mmm", "Mmmmmmmmmz", "MMMMMMMMMMMM", "DD",
      "ZD", "DDD", "W", "WWW", "Www", "Wwwwwwwwwz", "WWWWWWWWWW", "HH", "ZH", "MI", "SS", "999", "9", "AP",
      "a.p.", "-", "/", " ", ",", ".", "m", "z", "Z", "M", "D", "\x0E" "JJJJ" "\x0F", "\x0E" "CCCCCCCC" "\x0F"};
  std::mt19937 rng(20070515);
  picture_tables t = picture_tables::attach();
  for (int round = 0; round < 5000; ++round) {
    std::string picture;
    const int n = std::uniform_int_distribution<int>(0, 30)(rng);
    for (int i = 0; i < n; ++i) picture += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(rng)];
    if (round % 3 == 0) {  // raw bytes as well
      for (char& c : picture) {
        if (std::uniform_int_distribution<int>(0, 9)(rng) == 0) c = static_cast<char>(rng());
      }
    }
    const std::string e = platform::ebcdic_from_ascii(picture);
    const picture_scan s = scan_picture(e);
    t.reset(e.size());
    t.record(s);
    SCOPED_TRACE(picture);
    ASSERT_EQ(s.length, std::min<std::size_t>(e.size(), 100));
    ASSERT_EQ(t.delimiters.picture_length(), static_cast<int>(e.size() % 1000));
    for (std::size_t i = 0; i < component_count; ++i) {
      const auto c = static_cast<component>(i);
      const term& x = s.terms[i];
      if (!x.present()) {
        ASSERT_EQ(t.terms.kind(c), '\x40');
        ASSERT_EQ(t.terms.position(c), 0);
        continue;
      }
      ASSERT_EQ(platform::to_ascii(static_cast<std::uint8_t>(t.terms.kind(c))), x.kind);
      ASSERT_EQ(t.terms.position(c), x.position);
      ASSERT_EQ(t.terms.length(c), x.length);
      ASSERT_EQ(t.terms.shift(c), 0);
      ASSERT_EQ(s.at(x.position), flag::token);
      ASSERT_LE(x.position, s.length);
    }
    for (std::size_t pos = 1; pos <= 255; ++pos) {
      const char expected = s.at(pos) == flag::token ? '\xD5' : s.at(pos) == flag::delimiter ? '\xE8' : '\x40';
      ASSERT_EQ(t.delimiters.flag(pos), expected) << pos;
    }
    // Every unscanned position inside the picture is covered by a token that starts before it.
    for (std::size_t pos = 1; pos <= s.length; ++pos) {
      if (s.at(pos) != flag::unscanned) continue;
      std::size_t start = pos;
      while (start > 1 && s.at(start) == flag::unscanned) --start;
      ASSERT_EQ(s.at(start), flag::token) << pos;
    }
  }
}

}  // namespace
}  // namespace ovle::datetime
