// The picture-string scan and the bytes of the three shared tables.
#include "datetime/picture.hpp"

#include <string>
#include <vector>

#include "ovle_test.hpp"

namespace ovle::datetime {
namespace {

using flag = picture_scan::flag;

std::string flags_of(const picture_scan& s) {
  std::string flags;
  for (std::size_t n = 1; n <= s.length; ++n) {
    flags += s.at(n) == flag::token ? 'N' : s.at(n) == flag::delimiter ? 'Y' : '.';
  }
  return flags;
}

// What the scan finds: per present component its letter (Y M D W H, I minute, S, F fraction, A
// meridian), kind, position and recorded length ("M1@6/2" is MM at 6), then the flag of every
// position: N a token starts, Y a delimiter, '.' inside a token.
std::string found(std::string_view ascii) {
  const picture_scan s = scan_picture(platform::ebcdic_from_ascii(ascii));
  std::string out;
  for (std::size_t i = 0; i < component_count; ++i) {
    const term& t = s.terms[i];
    if (t.present()) out += std::string{"YMDWHISFA"[i], t.kind, '@'} + std::to_string(t.position) + "/";
    if (t.present()) out += std::to_string(t.length) + " ";
  }
  return out + "|" + flags_of(s);
}

TEST(PictureScan, EveryTokenWithItsKindAndRecordedLength) {
  const std::string so = "\x0E", si = "\x0F", m19 = std::string(19, 'M');
  // clang-format off
  const std::pair<std::string, std::string> tokens[] = {
      {"YYYY", "Y5@2/4"}, {"YYY", "Y3@2/3"}, {"YY", "Y2@2/2"}, {"Y", "Y1@2/1"}, {"ZYY", "Y4@2/3"},
      {so + "JJJJ" + si, "Y6@2/6"}, {so + "CCCC" + si, "Y7@2/6"}, {so + "CCCCCCCC" + si, "Y8@2/10"},
      {"MM", "M1@2/2"}, {"ZM", "M2@2/2"}, {"RRRR", "M3@2/4"}, {"RRRZ", "M4@2/4"}, {"MMM", "M5@2/3"},
      {"Mmm", "M6@2/3"}, {"MMMM", "M7@2/4"}, {"Mmmm", "M7@2/4"}, {"Mmmmmmmmmm", "M7@2/10"}, {m19 + "M", "M7@2/20"},
      {"M" + std::string(19, 'm'), "M7@2/20"}, {"MMMZ", "MB@2/4"}, {"Mmmz", "MB@2/4"}, {"MMMMMMMMMZ", "MB@2/10"},
      {"Mmmmmmmmmz", "MB@2/10"}, {m19 + "Z", "MB@2/20"}, {"DD", "D1@2/2"}, {"ZD", "D2@2/2"}, {"DDD", "D3@2/3"},
      {"W", "W1@2/2"}, {"WWW", "W2@2/3"}, {"Www", "W3@2/3"}, {"WWWW", "W4@2/4"}, {"Wwwwwwwwww", "W4@2/10"},
      {"WWWZ", "W8@2/4"}, {"Wwwwwwwwwz", "W8@2/10"}, {"HH", "H1@2/2"}, {"ZH", "H2@2/2"}, {"MI", "I1@2/2"},
      {"SS", "S1@2/2"}, {"999", "F3@2/3"}, {"99", "F2@2/2"}, {"9", "F1@2/1"}, {"AP", "A1@2/2"}, {"ap", "A2@2/2"},
      {"A.P.", "A3@2/4"}, {"a.p.", "A4@2/4"}};
  // clang-format on
  for (const auto& [token, entry] : tokens) {
    EXPECT_EQ(found("/" + token + "/"), entry + " |YN" + std::string(token.size() - 1, '.') + "Y") << token;
  }
}

// Pictures whose reading depends on the order in which tokens are tried, and pictures without one.
TEST(PictureScan, LongestAndLaterTokensWinAsTheGrammarSays) {
  const std::string dots = std::string(19, '.');
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"YYYY-MM-DD", "Y5@1/4 M1@6/2 D1@9/2 |N...YN.YN."}, {"YYYYMMDD", "Y5@1/4 M1@5/2 D1@7/2 |N...N.N."},
      {"YYYYYY", "Y2@5/2 |N...N."}, {"MMm", "M1@1/2 |N.Y"}, {"HH:MI", "H1@1/2 I1@4/2 |N.YN."}, {"MMZ", "M1@1/2 |N.Y"},
      {"WW", "W1@2/2 |NN"}, {std::string(21, 'M'), "M7@1/20 |N" + dots + "Y"},
      {std::string(22, 'M'), "M1@21/2 |N" + dots + "N."}, {std::string(20, 'M') + "Z", "M7@1/20 |N" + dots + "Y"},
      {"Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY", "Y5@28/4 MB@13/10 D2@24/2 W8@1/10 |N.........YYN.........YN.YYN..."},
      {"HH:MI:SS.999 AP", "H1@1/2 I1@4/2 S1@7/2 F3@10/3 A1@14/2 |N.YN.YN.YN..YN."},
      {"ZYY.ZM.ZD ZH", "Y4@1/3 M2@5/2 D2@8/2 H2@11/2 |N..YN.YN.YN."},
      {std::string(98, '-') + "DDYYYY", "D1@99/2 |" + std::string(98, 'Y') + "N."},  // the first 100 only
      {std::string(99, '-') + "DD", "|" + std::string(100, 'Y')}};
  // clang-format on
  for (const auto& [picture, expected] : cases) EXPECT_EQ(found(picture), expected) << picture;
  for (std::string_view picture :
       {"", " ", "-/", "yyyy-mm-dd", "M D", "Mmz", "Mm", "RRR", "ZZ", "A", "a.m.", "JJJJ", "CCCC", "\x0E", "\x0EJJJ"}) {
    EXPECT_EQ(found(picture), "|" + std::string(picture.size(), 'Y')) << picture;
  }
}

std::string hex(std::span<const std::byte> bytes) { return test::hex(bytes.data(), bytes.size()); }

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
  t.load(record_picture(""));
  EXPECT_EQ(hex(t.delimiters.bytes()), "000C" + repeat("40", 255));
  const std::string zoned_zero = "40F0F0C0";
  EXPECT_EQ(hex(t.terms.bytes()),
            "40000C40000000000000" + repeat(zoned_zero + "00000000", 4) + repeat(zoned_zero + "0000", 4));
  EXPECT_EQ(hex(t.fields.bytes()), repeat("F0", 17) + "A5" + repeat("F0", 7) + repeat("00", 28)) << "17 is left alone";

  t.load(record_picture(platform::ebcdic_from_ascii("Www DD Mmmmmmmmmz YYYY HH:MI:SS.999 AP")));
  std::string flags;  // N token start, Y delimiter, '.' inside a token or beyond the picture
  for (char f : "N..YN.YN.........YN...YN.YN.YN.YN..YN." + std::string(217, '.')) {
    flags += f == 'N' ? "D5" : f == 'Y' ? "E8" : "40";
  }
  EXPECT_EQ(hex(t.delimiters.bytes()), "038C" + flags);
  EXPECT_EQ(hex(t.terms.bytes()),
            "40000C"
            "F5001300040000"    // year YYYY at 19, binary
            "C2F0F0C8000A0000"  // month B at +008, length 10
            "F1F0F0C500020000"  // day DD at +005
            "F3F0F0C100030000"  // weekday Www at +001
            "F1F0F2C400020000"  // hour HH at +024
            "F1F0F2C70002"      // minute MI at +027
            "F1F0F3C00002"      // second SS at +030
            "F3F0F3C30003"      // fraction 999 at +033
            "F1F0F3C70002");    // meridian AP at +037
  EXPECT_EQ(hex(t.fields.bytes()), repeat("F0", 17) + "A5" + repeat("F0", 7) + repeat("00", 28));
}

}  // namespace
}  // namespace ovle::datetime
