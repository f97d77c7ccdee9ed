// The picture-string scan, the ordering of the components and the bytes of the three shared tables.
#include <random>
#include <string>
#include <vector>

#include "datetime/picture.hpp"
#include "ovle_test.hpp"

namespace ovle::datetime {
namespace {

using flag = picture_scan::flag;
constexpr component Y = component::year, M = component::month, D = component::day, W = component::weekday,
                    H = component::hour, MI = component::minute, S = component::second, F = component::fraction,
                    AP = component::meridian;

picture_scan scan(std::string_view ascii) { return scan_picture(platform::ebcdic_from_ascii(ascii)); }

// The flags of a scan as a string: N token start, Y delimiter, '.' inside a token.
std::string flags_of(const picture_scan& s) {
  std::string flags;
  for (std::size_t n = 1; n <= s.length; ++n) flags += s.at(n) == flag::token ? 'N' : s.at(n) == flag::delimiter ? 'Y' : '.';
  return flags;
}

TEST(PictureScan, EveryTokenWithItsKindAndRecordedLength) {
  const std::string so = "\x0E", si = "\x0F";
  const struct {
    std::string token;
    component entry;
    char kind;
    int length;
  } cases[] = {
      {"YYYY", Y, '5', 4}, {"YYY", Y, '3', 3}, {"YY", Y, '2', 2}, {"Y", Y, '1', 1}, {"ZYY", Y, '4', 3},
      {so + "JJJJ" + si, Y, '6', 6}, {so + "CCCC" + si, Y, '7', 6}, {so + "CCCCCCCC" + si, Y, '8', 10},
      {"MM", M, '1', 2}, {"ZM", M, '2', 2}, {"RRRR", M, '3', 4}, {"RRRZ", M, '4', 4}, {"MMM", M, '5', 3},
      {"Mmm", M, '6', 3}, {"MMMM", M, '7', 4}, {"Mmmm", M, '7', 4}, {"Mmmmmmmmmm", M, '7', 10},
      {std::string(20, 'M'), M, '7', 20}, {"M" + std::string(19, 'm'), M, '7', 20}, {"MMMZ", M, 'B', 4},
      {"Mmmz", M, 'B', 4}, {"MMMMMMMMMZ", M, 'B', 10}, {"Mmmmmmmmmz", M, 'B', 10}, {std::string(19, 'M') + "Z", M, 'B', 20},
      {"DD", D, '1', 2}, {"ZD", D, '2', 2}, {"DDD", D, '3', 3}, {"W", W, '1', 2}, {"WWW", W, '2', 3}, {"Www", W, '3', 3},
      {"WWWW", W, '4', 4}, {"Wwwwwwwwww", W, '4', 10}, {"WWWZ", W, '8', 4}, {"Wwwwwwwwwz", W, '8', 10},
      {"HH", H, '1', 2}, {"ZH", H, '2', 2}, {"MI", MI, '1', 2}, {"SS", S, '1', 2}, {"999", F, '3', 3}, {"99", F, '2', 2},
      {"9", F, '1', 1}, {"AP", AP, '1', 2}, {"ap", AP, '2', 2}, {"A.P.", AP, '3', 4}, {"a.p.", AP, '4', 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.token);
    const picture_scan s = scan("/" + c.token + "/");
    std::array<term, component_count> expected{};
    expected[index_of(c.entry)] = term{c.kind, 2, static_cast<std::uint8_t>(c.length)};
    EXPECT_EQ(s.terms, expected);
    // The closing delimiter is scanned unless an era token has already taken it as its shift-in.
    const std::string flags = "YN" + std::string(c.token.size() - 1, '.') + "Y";
    EXPECT_EQ(flags_of(s), flags.substr(0, s.length));
  }
}

// Pictures whose reading depends on the order in which tokens are tried.
TEST(PictureScan, LongestAndLaterTokensWinAsTheGrammarSays) {
  const struct {
    std::string picture;
    std::vector<std::pair<component, term>> terms;
    std::string flags;
  } cases[] = {
      {"YYYY-MM-DD", {{Y, {'5', 1, 4}}, {M, {'1', 6, 2}}, {D, {'1', 9, 2}}}, "N...YN.YN."},
      {"YYYYMMDD", {{Y, {'5', 1, 4}}, {M, {'1', 5, 2}}, {D, {'1', 7, 2}}}, "N...N.N."},
      {"YYYYYY", {{Y, {'2', 5, 2}}}, "N...N."},
      {"MMm", {{M, {'1', 1, 2}}}, "N.Y"},
      {"HH:MI", {{H, {'1', 1, 2}}, {MI, {'1', 4, 2}}}, "N.YN."},
      {"MMZ", {{M, {'1', 1, 2}}}, "N.Y"},
      {"WW", {{W, {'1', 2, 2}}}, "NN"},
      {std::string(21, 'M'), {{M, {'7', 1, 20}}}, "N" + std::string(19, '.') + "Y"},
      {std::string(22, 'M'), {{M, {'1', 21, 2}}}, "N" + std::string(19, '.') + "N."},
      {std::string(20, 'M') + "Z", {{M, {'7', 1, 20}}}, "N" + std::string(19, '.') + "Y"},
      {"Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY", {{W, {'8', 1, 10}}, {M, {'B', 13, 10}}, {D, {'2', 24, 2}}, {Y, {'5', 28, 4}}},
       "N.........YYN.........YN.YYN..."},
      {"HH:MI:SS.999 AP", {{H, {'1', 1, 2}}, {MI, {'1', 4, 2}}, {S, {'1', 7, 2}}, {F, {'3', 10, 3}}, {AP, {'1', 14, 2}}},
       "N.YN.YN.YN..YN."},
      {"ZYY.ZM.ZD ZH", {{Y, {'4', 1, 3}}, {M, {'2', 5, 2}}, {D, {'2', 8, 2}}, {H, {'2', 11, 2}}}, "N..YN.YN.YN."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picture);
    const picture_scan s = scan(c.picture);
    std::array<term, component_count> expected{};
    for (const auto& [entry, t] : c.terms) expected[index_of(entry)] = t;
    EXPECT_EQ(s.terms, expected);
    EXPECT_EQ(flags_of(s), c.flags);
  }
  // No token: lower case, lone letters, era letters without the shift-out.
  for (std::string_view picture : {"", " ", "-/", "yyyy-mm-dd", "M D", "Mmz", "Mm", "RRR", "ZZ", "A", "a.m.", "JJJJ",
                                   "CCCC", "\x0E", "\x0EJJJ"}) {
    const picture_scan s = scan(picture);
    EXPECT_FALSE(s.has_token()) << picture;
    EXPECT_EQ(flags_of(s), std::string(picture.size(), 'Y')) << picture;
  }
  // Only the first 100 characters are scanned; a token cut at position 100 is none.
  const picture_scan s = scan(std::string(98, '-') + "DD" + "YYYY");
  EXPECT_EQ(s.length, 100u);
  EXPECT_EQ(s[D], (term{'1', 99, 2}));
  EXPECT_FALSE(s[Y].present());
  EXPECT_FALSE(scan(std::string(99, '-') + "DD").has_token());
}

TEST(PictureScan, OrderDigitsNumberThePresentComponentsFromTheLeft) {
  const struct {
    std::string picture;
    std::array<std::uint8_t, ordered_count> digits;  // year, month, day, weekday, hour
  } cases[] = {{"YYYY-MM-DD", {1, 2, 3, 0, 0}}, {"DD/MM/YYYY", {3, 2, 1, 0, 0}}, {"MM/DD/YY", {3, 1, 2, 0, 0}},
               {"Www DD Mmm YYYY HH:MI", {4, 3, 2, 1, 5}}, {"HH YYYYDDD", {2, 0, 3, 0, 1}}, {"SS.999", {0, 0, 0, 0, 0}}};
  for (const auto& c : cases) {
    const picture_scan s = scan(c.picture);
    EXPECT_EQ(s.order(), c.digits) << c.picture;
    const auto list = s.in_order();
    ASSERT_EQ(list.count, static_cast<std::size_t>(std::count_if(c.digits.begin(), c.digits.end(), [](auto d) { return d; })));
    for (std::size_t i = 0; i < list.count; ++i) EXPECT_EQ(c.digits[index_of(list.items[i])], i + 1) << c.picture;
  }
}

std::string hex(std::span<const std::byte> bytes) {
  std::string out;
  for (std::byte b : bytes) {
    const auto v = static_cast<unsigned>(b);
    out += {"0123456789ABCDEF"[v >> 4], "0123456789ABCDEF"[v & 15]};
  }
  return out;
}

std::string repeat(std::string_view s, std::size_t n) {
  std::string out;
  while (n-- > 0) out += s;
  return out;
}

class PictureTables : public test::run_unit {};

TEST_F(PictureTables, TablesHoldTheScanInPackedZonedAndBinaryForm) {
  picture_tables t = picture_tables::attach();
  for (auto span : {t.delimiters.bytes(), t.terms.bytes(), t.fields.bytes()}) {  // garbage a program may have left
    std::memset(const_cast<std::byte*>(span.data()), 0xA5, span.size());
  }
  t.reset(0);
  EXPECT_EQ(hex(t.delimiters.bytes()), "000C" + repeat("40", 255));
  const std::string zoned_zero = "40F0F0C0";
  EXPECT_EQ(hex(t.terms.bytes()), "40000C" "40000000000000" + repeat(zoned_zero + "00000000", 4) + repeat(zoned_zero + "0000", 4));
  EXPECT_EQ(hex(t.fields.bytes()), repeat("F0", 17) + "A5" + repeat("F0", 7) + repeat("00", 28)) << "offset 17 is left alone";

  const std::string picture = platform::ebcdic_from_ascii("Www DD Mmmmmmmmmz YYYY HH:MI");
  t.reset(picture.size());
  t.record(scan_picture(picture));
  std::string flags;  // N token start, Y delimiter, '.' inside a token or beyond the picture
  for (char f : "N..YN.YN.........YN...YN.YN." + std::string(227, '.')) flags += f == 'N' ? "D5" : f == 'Y' ? "E8" : "40";
  EXPECT_EQ(hex(t.delimiters.bytes()), "028C" + flags);
  EXPECT_EQ(hex(t.terms.bytes()), "40000C"
                                  "F5001300040000"      // year YYYY at 19, binary
                                  "C2F0F0C8000A0000"    // month B at +008, length 10
                                  "F1F0F0C500020000"    // day DD at +005
                                  "F3F0F0C100030000"    // weekday Www at +001
                                  "F1F0F2C400020000"    // hour HH at +024
                                  "F1F0F2C70002" + repeat(zoned_zero + "0000", 3));
}

// Whatever the picture, the tables read back what the scan found, and every position inside the
// picture that starts no token lies inside one.
TEST_F(PictureTables, RandomPicturesRoundTripThroughTheTableBytes) {
  const std::vector<std::string> pieces = {
      "YYYY", "YY", "Y", "ZYY", "MM", "ZM", "RRRR", "RRRZ", "MMM", "Mmm", "Mmmmmmmmmz", "MMMMMMMMMMMM", "DD",
      "ZD", "DDD", "W", "WWW", "Www", "Wwwwwwwwwz", "WWWWWWWWWW", "HH", "ZH", "MI", "SS", "999", "9", "AP",
      "a.p.", "-", "/", " ", ",", ".", "m", "z", "Z", "M", "D", "\x0E" "JJJJ" "\x0F", "\x0E" "CCCCCCCC" "\x0F"};
  std::mt19937 rng(20070515);
  picture_tables t = picture_tables::attach();
  for (int round = 0; round < 5000; ++round) {
    std::string picture;
    for (int i = std::uniform_int_distribution<int>(0, 30)(rng); i > 0; --i) picture += pieces[rng() % pieces.size()];
    for (char& c : picture) c = round % 3 == 0 && rng() % 10 == 0 ? static_cast<char>(rng()) : c;  // raw bytes as well
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
      ASSERT_EQ(t.terms.kind(c), x.present() ? static_cast<char>(platform::to_ebcdic(static_cast<std::uint8_t>(x.kind))) : '\x40');
      ASSERT_EQ(t.terms.position(c), x.position);
      ASSERT_EQ(t.terms.length(c), x.length);
      ASSERT_TRUE(!x.present() || s.at(x.position) == flag::token);
    }
    for (std::size_t pos = 1; pos <= 255; ++pos) ASSERT_EQ(t.delimiters.flag(pos), static_cast<char>(s.at(pos))) << pos;
    ASSERT_EQ(("Y" + flags_of(s)).find("Y."), std::string::npos);
  }
}

}  // namespace
}  // namespace ovle::datetime
