// The country and language services: OVCTYDEF's table, the two stacks against a model, the field
// queries in both code sets, the start-up line, missing arguments and damaged stack counts.
#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "country/country_table.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

using test::condition_view;
const condition_view none = test::view(ovle_feedback{});
condition_view warning(int message) { return test::ascii_condition(2, message, 1); }
condition_view refusal(int message) { return test::ascii_condition(3, message, 1); }
std::string ebcdic(std::string_view text) { return platform::ebcdic_from_ascii(text); }
std::string ascii(std::string_view text) { return platform::ascii_from_ebcdic(text); }
std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}
std::string padded(std::string text, std::size_t width, char pad = ' ') {
  text.resize(width, pad);
  return text;
}

struct call_result {
  std::string parameter;  // the code parameter (stacks) or the output (field queries) afterwards
  condition_view fc;
  friend bool operator==(const call_result&, const call_result&) = default;
};

using stack_entry = int (*)(const ovle_int4*, char*, ovle_feedback*);
call_result stack_call(stack_entry entry, int function, std::string code) {
  const ovle_int4 f = test::int4(function);
  ovle_feedback fc = test::dirty_feedback();
  EXPECT_EQ(entry(&f, code.data(), &fc), 0);
  return {code, test::view(fc)};
}
call_result country(int function, std::string code = "##") { return stack_call(CEE3CTY, function, code); }

struct field_service {
  const char* name;
  int (*entry)(const char*, char*, ovle_feedback*);
  std::size_t width;
  int message;           // the warning for an unknown country
  std::string fallback;  // what an unknown country gets, ISO-8859-1
  char request;
};
const field_service services[] = {
    {"CEE3MDS", CEE3MDS, 2, 3461, ".", country::request::decimal_separator},
    {"CEE3MTS", CEE3MTS, 2, 3465, ",", country::request::thousands_separator},
    {"CEE3MCS", CEE3MCS, 4, 3463, "\xA4", country::request::currency_symbol},
    {"CEEFMDA", CEEFMDA, 80, 3467, "YYYY-MM-DD", country::request::date_picture},
    {"CEEFMTM", CEEFMTM, 80, 3469, "HH:MI:SS", country::request::time_picture},
    {"CEEFMDT", CEEFMDT, 80, 3471, "YYYY-MM-DD HH:MI:SS", country::request::timestamp_picture},
};
enum { mds, mts, mcs, fmda, fmtm, fmdt };

// A field query; the caller's country parameter comes back as it was given.
call_result field(const field_service& s, std::string code) {
  const std::string given = code;
  std::string out(s.width, '#');
  ovle_feedback fc = test::dirty_feedback();
  EXPECT_EQ(s.entry(code.data(), out.data(), &fc), 0);
  EXPECT_EQ(code, given) << s.name << ": the caller's country parameter";
  return {out, test::view(fc)};
}

// OVCTYDEF as the library's programs call it: EBCDIC code and request, 80 bytes back.
std::string ask(std::string_view code, char request) {
  std::string result(country::answer_size, '\xA5');
  EXPECT_EQ(OVCTYDEF(code.data(), &request, result.data()), 0);
  return result;
}
const std::string not_found(country::answer_size, '\xFF');

class Country : public test::run_unit {};

// The list as published, rows parted by "; ": codes|decimal|thousands|currency|time|date, "b" a blank,
// X'hh' a currency byte given in EBCDIC. The first two rows are the profiles many countries share.
constexpr std::string_view published_settings = R"(
AD AF AG AN AO BB BD BF BJ BM BN BS BU BW CU CY ET GA GH GM GW GY HK HT ID IN JM KE KY LC LI LK LR LS LU MC MG ML
MO MR MU MW MY MZ NA NC NE NG PG PH SC SG SL SN SO SR SZ TD TG TZ UG VU WS ZM ZR ZW|,|.|X'9F'|HH:MI:SS|YYYY-MM-DD;
AE BH DZ EG IQ IR JO KW LB LY MA OM PK QA SA SD SY TN YE|,|.||HH:MI:SS|YYYY/MM/DD;
AL|,|.|Lek|HH:MI:SS|YYYY-MM-DD; AR|,|.|A.|HH.MI.SS|DD/MM/YY; AT|,|.|S|HH:MI:SS,999|YYYY-MM-DD;
AU GB NZ|.|,|$|HH:MI:SS|DD/MM/YY; BA HR YU|,|.|Din|HH:MI:SS|YYYY-MM-DD; BE|,|.|BF|HH:MI:SS,999|DD/MM/YY;
BG|,|.|Lv|HH:MI:SS|YYYY-RRRZ-DD; BO|,|.|BS|HH:MI:SS|DD/MM/YY; BR|,|.|NCz$|HH:MI:SS|DD/MM/YY;
CA|.|,|$|HH:MI:SS.99|YY-MM-DD; CH|,|.|Fr|HH,MI,SS|DD. Mmmmmmmmz YYYY; CL EC|,|.|$|HH:MI:SS|DD/MM/YY;
CN|.|,|$|HH:MI:SS|YYYY.MM.DD; CO|,|.|$|ZH:MI:SS AP|DD/MM/YY; CR|,|.|c/.|ZH:MI:SS AP|DD/MM/YY;
CS CZ SK|,|.|K, X'47', s|HH:MI:SS|YYYY-MM-DD; DE|,|.|DM|HH:MI:SS|DD.MM.YYYY; DK|,|.|Kr|HH.MI.SS,99|DD-MM-YY;
DO MX PR|.|,|$|ZH:MI:SS AP|DD/MM/YY; EE|,|b|Kr|HH:MI:SS|DD-MM-YY; ES|,|.|Pts|HH:MI:SS|DD/MM/YY;
FI|,|b|Mk|HH.MI.SS,999|DD.MM.YYYY; FR|,|b|F|HH:MI:SS,9|DD.MM.YYYY; GR|,|.|Drs|HH:MI:SS.999|DD/MM/YY;
GT|.|,|Q|HH:MI:SS|DD/MM/YY; HN|.|,|L.|ZH:MI:SS AP|DD/MM/YY; HU|,|b|FT|HH:MI:SS|YYYY-MM-DD;
IE|,|,|$|HH:MI:SS|DD/MM/YY; IL|.|,|NIS|HH:MI:SS|DD/MM/YY; IS|,|.|Kr|HH:MI:SS|YYYY-MM-DD;
IT|,|.|L.|HH.MI.SS,999|DD/MM/YY; JP|.|,|$|HH:MI:SS|YYYY-MM-DD; KR|.|,|X'E0'|HH:MI:SS|YYYY.MM.DD;
LT|,|.|Lt|HH:MI:SS|YYYY.MM.DD; LV|,|b|Ls|HH:MI:SS|YYYY.DD.RRRZ; MK|,|.|Den|HH:MI:SS|YYYY-MM-DD;
NI|.|,|X'9F'|HH:MI:SS|DD/MM/YY; NL|,|.|F|HH:MI:SS|DD-MM-YY; NO|,|.|Kr|HH:MI:SS,999|DD.MM.YY;
PA|.|,|B/|ZH:MI:SS AP|DD/MM/YY; PE|.|,|I/.|HH:MI:SS|DD/MM/YY; PL|,|.|Z, X'9A'|HH:MI:SS|YYYY-MM-DD;
PT|,|.|Esc.|HH:MI:SS|DD-MM-YYYY; PY|,|.|Gs.|HH:MI:SS|DD/MM/YY; RO|,|.|Lei|HH:MI:SS|YYYY-MM-DD;
RU SU|,|.|Rub|HH:MI:SS|DD mmm. YYYY g.; SE|,|.|Kr|kl HH.MI.SS|YYYY-MM-DD; SI|,|.|tol|HH:MI:SS|DD.MM.YYYY;
SV|.|,|c/.|HH:MI:SS|DD/MM/YY; TH|.|,|X'70'|HH:MI:SS|DD/MM/YYYY; TR|,|.|TL|HH:MI:SS|DD/MM/YY;
TW|.|,|$|HH:MI:SS.999|YY/MM/DD; US|.|,|$|ZH:MI:SS AP|MM/DD/YY; UY|,|.|N$|HH:MI:SS|DD/MM/YY;
VE|,|.|Bs.|ZH:MI:SS AP|DD/MM/YY; ZA|.|b|R|HHhMI:SS.999|YYYY-MM-DD)";

std::vector<std::string> split(std::string_view text, std::string_view separator) {
  std::vector<std::string> out;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find(separator, at), text.size());
    out.emplace_back(text.substr(at, end - at));
    at = end + separator.size();
  }
  return out;
}

// Every two-byte code is found exactly when listed (or blank) and answers each request as published,
// each field blank-padded to 80 and the timestamp picture as date, blank, time; requests other than
// "1" to "7" find nothing; arguments left off find nothing and write nothing through a missing result.
TEST_F(Country, TheTableAnswersAsPublished) {
  using fields = std::array<std::string, 5>;  // decimal, thousands, currency (EBCDIC bytes), time, date
  std::map<std::string, fields> published{{ebcdic("  "), {" ", " ", "", "", ""}}};
  std::string rows(published_settings.substr(1));
  std::replace(rows.begin(), rows.end(), '\n', ' ');
  for (const std::string& row : split(rows, "; ")) {
    const auto cells = split(row, "|");
    std::string currency;
    for (const std::string& piece : split(cells[3], ", ")) {
      currency += piece.starts_with("X'")
                      ? std::string(1, static_cast<char>(std::stoi(piece.substr(2, 2), nullptr, 16)))
                      : ebcdic(piece);
    }
    for (const std::string& code : split(cells[0], " ")) {
      published[ebcdic(code)] = {cells[1] == "b" ? " " : cells[1], cells[2] == "b" ? " " : cells[2], currency, cells[4],
                                 cells[5]};
    }
  }
  ASSERT_EQ(published.size(), 152u);
  for (int code = 0; code < 65536; ++code) {
    const std::string key{static_cast<char>(code >> 8), static_cast<char>(code)};
    ASSERT_EQ(ask(key, country::request::country_code) != not_found, published.count(key) == 1) << code;
  }
  for (const auto& [code, want] : published) {
    std::vector<std::string> f;
    for (std::size_t r = 0; r < 7; ++r)
      f.push_back(ask(code, static_cast<char>(country::request::decimal_separator + r)));
    for (std::size_t r = 0; r < want.size(); ++r) {
      EXPECT_EQ(f[r], padded(r == 2 ? want[r] : ebcdic(want[r]), 80, '\x40')) << ascii(code) << " request " << r + 1;
    }
    const std::string date = want[4].empty() ? "" : want[4] + " ";
    EXPECT_EQ(f[5], padded(ebcdic(date + want[3]), 80, '\x40')) << ascii(code);
    EXPECT_EQ(f[6], padded(code, 80, '\x40'));
  }
  for (int r = 0; r < 256; ++r) {
    EXPECT_EQ(ask(ebcdic("US"), static_cast<char>(r)) == not_found, r < 0xF1 || r > 0xF7) << r;
  }
  // A code or a request left off finds nothing.
  std::string result(80, '\0');
  const char r = country::request::decimal_separator;
  EXPECT_EQ(OVCTYDEF(nullptr, &r, result.data()) + OVCTYDEF(ebcdic("US").c_str(), nullptr, result.data()), 0);
  EXPECT_EQ(result, not_found);
}

// Random requests on both stacks against a vector each, in phases that fill the stacks to their 99
// entries and empty them again.
TEST_F(Country, StacksFollowAModelThroughRandomRequests) {
  const std::string country_codes[] = {"US", "de", "Fr", "cH", "ZW", "ad", "  ", "XX", "Q1", "zz", "u "};
  const std::set<std::string> known_countries = {"US", "DE", "FR", "CH", "ZW", "AD", "  "};
  const std::string language_codes[] = {"ENU", "uen", "Jpn", "ENG", "xyz", "   ", "EN "};
  const std::set<std::string> known_languages = {"ENU", "UEN", "JPN"};
  std::mt19937 rng(3456);
  std::vector<std::string> countries{"US"};   // bottom first: the current country is the last
  std::vector<std::string> languages{"ENU"};  // the current language is the first
  ASSERT_EQ(std::pair(country(1, "US").fc, stack_call(CEE3LNG, 1, "ENU").fc), std::pair(none, none));
  int full_refusals = 0, single_pops = 0;
  for (int step = 0; step < 8000; ++step) {
    const bool filling = step / 1000 % 2 == 0;  // pushes outweigh pops, then pops outweigh pushes
    const int roll = static_cast<int>(rng() % 100);
    // clang-format off
    const int function = roll < 3 ? static_cast<int>(rng() % 2) * 5  // 0 or 5
                       : roll < 8 ? 1 : roll < 13 ? 2 : roll < (filling ? 95 : 25) ? 3 : 4;
    // clang-format on
    const bool on_countries = rng() % 2 == 0;
    auto& stack = on_countries ? countries : languages;
    const std::string code = on_countries ? country_codes[rng() % std::size(country_codes)]
                                          : language_codes[rng() % std::size(language_codes)];
    const bool known = (on_countries ? known_countries : known_languages).count(upper(code)) != 0;
    const auto current = on_countries ? stack.end() - 1 : stack.begin();
    const int base = on_countries ? 3455 : 3450;  // pop of the last; refusal base + 1, function base + 2
    call_result expected{code, none};
    if (function == 1) {
      known ? void(*current = upper(code)) : void(expected.fc = refusal(base + 1));
    } else if (function == 2) {
      expected.parameter = *current;
    } else if (function == 3) {
      full_refusals += known && stack.size() == 99;
      if (!known || stack.size() == 99) expected.fc = refusal(base + 1);
      else stack.insert(on_countries ? stack.end() : stack.begin(), upper(code));
    } else if (function == 4) {
      expected.parameter = *current;
      single_pops += stack.size() == 1;
      if (stack.size() == 1) expected.fc = warning(base);
      else stack.erase(current);
    } else {
      expected.fc = refusal(base + 2);
    }
    const call_result r = stack_call(on_countries ? CEE3CTY : CEE3LNG, function, code);
    ASSERT_EQ(r, expected) << "step " << step << ": " << function << " '" << code << "'";
    ASSERT_EQ(area().country_count() * 100 + area().language_count(), countries.size() * 100 + languages.size());
    for (std::size_t i = 0; i < countries.size(); ++i)
      ASSERT_EQ(std::string(area().country(i + 1).data(), 2), ebcdic(countries[i])) << "step " << step;
    for (std::size_t i = 0; i < languages.size(); ++i)
      ASSERT_EQ(std::string(area().language(i + 1).data(), 3), ebcdic(languages[i])) << "step " << step;
  }
  EXPECT_GT(full_refusals, 20);  // the sequence reached the limit of the stacks
  EXPECT_GT(single_pops, 5);     // and emptied them down to one entry
}

// A blank or low-value code means the current country, which follows the stack down to the blank
// record. The ASCII caller gets the table's bytes in ISO-8859-1 (currency signs too), whatever the
// case of its code; the EBCDIC caller gets them as they are; an unknown country the fallback.
TEST_F(Country, FieldQueries) {
  ASSERT_EQ(country(1, "DE").fc, none);
  const struct {
    int service;
    std::string code, expected;  // as an ASCII caller passes and receives them
    condition_view fc;
  } cases[] = {
      // clang-format off
      {mds, "  ", ",", none}, {mts, "  ", ".", none}, {mcs, "  ", "DM", none}, {mds, {"\0\0", 2}, ",", none},
      {mds, {" \0", 2}, ".", warning(3461)}, {mcs, "cs", "K\xE5s", none}, {mcs, "PL", "Z\xAA", none},
      {mcs, "KR", "\\", none}, {mcs, "TH", "\xF8", none}, {mts, "fi", " ", none},
      {fmdt, "ch", "DD. Mmmmmmmmz YYYY HH,MI,SS", none},
      // clang-format on
  };
  for (const auto& c : cases) {
    const field_service& s = services[c.service];
    EXPECT_EQ(field(s, c.code), (call_result{padded(c.expected, s.width), c.fc})) << s.name << " " << c.code;
  }
  for (const field_service& s : services) {
    EXPECT_EQ(field(s, "XX"), (call_result{padded(s.fallback, s.width), warning(s.message)})) << s.name;
    ebcdic_caller();
    const std::string want = padded(ascii(ask(ebcdic("SE"), s.request)), s.width);
    EXPECT_EQ(field(s, ebcdic("se")), (call_result{ebcdic(want), none})) << s.name;
    EXPECT_EQ(field(s, ebcdic("XX")),
              (call_result{padded(ebcdic(s.fallback), s.width, '\x40'), {2, s.message, 0x51, ebcdic("CEE"), true}}));
    platform::testing::reset_caller_chain();
  }
  ASSERT_EQ(country(3, "US").fc, none);
  EXPECT_EQ(field(services[fmda], "  ").parameter, padded("MM/DD/YY", 80));
  ASSERT_EQ(country(1, "  ").fc, none);
  EXPECT_EQ(field(services[fmda], "  "), (call_result{std::string(80, ' '), none}));
}

// OV-PIPI cannot be reached: a query for the current country says so on the console and answers as
// for an unknown country; a named country and the stacks are answered silently. Without the table
// program every country is unknown.
TEST_F(Country, WithoutTheInitializerOrTheTableProgram) {
  platform::testing::set_unreachable("OV-PIPI", true);
  EXPECT_EQ(field(services[mcs], "  "), (call_result{"\xA4   ", warning(3463)}));
  EXPECT_EQ(console, std::vector<std::string>{"Unable to Start Orvane CEE Emulation"});
  console.clear();
  EXPECT_EQ(field(services[mcs], "US").fc, none);
  EXPECT_EQ(country(2).fc, none);
  EXPECT_TRUE(console.empty());
  platform::testing::set_unreachable("OVCTYDEF", true);
  EXPECT_EQ(field(services[mds], "US"), (call_result{". ", warning(3461)}));
  EXPECT_EQ(country(1, "US").fc, refusal(3456));
  EXPECT_EQ(country(3, "US").fc, refusal(3456));
}

// Counts a program wrote over the area: no request reaches outside its stack or changes anything
// but the stacks, and entries written in lower case are answered in upper case.
TEST_F(Country, DamagedCountsStayInsideTheStacks) {
  ASSERT_EQ(country(1, "DE").fc, none);
  const struct {
    std::int16_t count;  // stored over both counts
    int function;
    condition_view country_fc, language_fc;
    std::int16_t count_after;
  } cases[] = {
      {0, 2, none, none, 0},         {0, 4, warning(3455), warning(3450), 0},     {0, 3, none, none, 2},
      {-7, 1, none, none, -7},       {150, 3, refusal(3456), refusal(3451), 150}, {150, 4, none, none, 98},
      {32767, 2, none, none, 32767}, {99, 3, refusal(3456), refusal(3451), 99},
  };
  const auto outside_the_stacks = [] {
    const auto b = area().bytes();
    std::vector<std::byte> v(b.begin(), b.begin() + common::ov_le_external::offset::country_count);
    v.insert(v.end(), b.begin() + common::ov_le_external::offset::language_number, b.end());
    return v;
  };
  for (const auto& c : cases) {
    area().set_country_count(c.count);
    area().set_language_count(c.count);
    const std::vector<std::byte> before = outside_the_stacks();
    EXPECT_EQ(country(c.function, "US").fc, c.country_fc) << c.count << " " << c.function;
    EXPECT_EQ(stack_call(CEE3LNG, c.function, "JPN").fc, c.language_fc) << c.count << " " << c.function;
    EXPECT_EQ(area().country_count(), c.count_after) << c.count << " " << c.function;
    EXPECT_EQ(area().language_count(), c.count_after) << c.count << " " << c.function;
    EXPECT_TRUE(outside_the_stacks() == before) << c.count << " " << c.function;
  }
  area().set_country_count(1);
  area().set_language_count(1);
  std::memcpy(area().country(1).data(), ebcdic("fr").data(), 2);
  std::memcpy(area().language(1).data(), ebcdic("jpn").data(), 3);
  EXPECT_EQ(country(2).parameter, "FR");
  EXPECT_EQ(stack_call(CEE3LNG, 2, "###").parameter, "JPN");
  EXPECT_EQ(field(services[mcs], "  ").parameter, "F   ");
}

}  // namespace
}  // namespace ovle
