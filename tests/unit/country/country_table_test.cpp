// OVCTYDEF's table against the published list of country defaults, written out here a second time
// in the list's own form: every country, every request, every code that is not a country.
#include "country/country_table.hpp"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ovle_test.hpp"

namespace ovle::country {
namespace {

constexpr std::string_view profile_g_codes =
    "AD AF AG AN AO BB BD BF BJ BM BN BS BU BW CU CY ET GA GH GM GW GY HK HT ID IN JM KE KY LC LI LK LR LS LU "
    "MC MG ML MO MR MU MW MY MZ NA NC NE NG PG PH SC SG SL SN SO SR SZ TD TG TZ UG VU WS ZM ZR ZW ";
constexpr std::string_view profile_s_codes = "AE BH DZ EG IQ IR JO KW LB LY MA OM PK QA SA SD SY TN YE";
// Code | decimal | thousands | currency | time | date; "b" is a blank, X'hh' a byte given in EBCDIC.
constexpr std::string_view other_countries = R"(
| AL | , | . | Lek | HH:MI:SS | YYYY-MM-DD |
| AR | , | . | A. | HH.MI.SS | DD/MM/YY |
| AT | , | . | S | HH:MI:SS,999 | YYYY-MM-DD |
| AU | . | , | $ | HH:MI:SS | DD/MM/YY |
| BA | , | . | Din | HH:MI:SS | YYYY-MM-DD |
| BE | , | . | BF | HH:MI:SS,999 | DD/MM/YY |
| BG | , | . | Lv | HH:MI:SS | YYYY-RRRZ-DD |
| BO | , | . | BS | HH:MI:SS | DD/MM/YY |
| BR | , | . | NCz$ | HH:MI:SS | DD/MM/YY |
| CA | . | , | $ | HH:MI:SS.99 | YY-MM-DD |
| CH | , | . | Fr | HH,MI,SS | DD. Mmmmmmmmz YYYY |
| CL | , | . | $ | HH:MI:SS | DD/MM/YY |
| CN | . | , | $ | HH:MI:SS | YYYY.MM.DD |
| CO | , | . | $ | ZH:MI:SS AP | DD/MM/YY |
| CR | , | . | c/. | ZH:MI:SS AP | DD/MM/YY |
| CS | , | . | K, X'47', s | HH:MI:SS | YYYY-MM-DD |
| CZ | , | . | K, X'47', s | HH:MI:SS | YYYY-MM-DD |
| DE | , | . | DM | HH:MI:SS | DD.MM.YYYY |
| DK | , | . | Kr | HH.MI.SS,99 | DD-MM-YY |
| DO | . | , | $ | ZH:MI:SS AP | DD/MM/YY |
| EC | , | . | $ | HH:MI:SS | DD/MM/YY |
| EE | , | b | Kr | HH:MI:SS | DD-MM-YY |
| ES | , | . | Pts | HH:MI:SS | DD/MM/YY |
| FI | , | b | Mk | HH.MI.SS,999 | DD.MM.YYYY |
| FR | , | b | F | HH:MI:SS,9 | DD.MM.YYYY |
| GB | . | , | $ | HH:MI:SS | DD/MM/YY |
| GR | , | . | Drs | HH:MI:SS.999 | DD/MM/YY |
| GT | . | , | Q | HH:MI:SS | DD/MM/YY |
| HN | . | , | L. | ZH:MI:SS AP | DD/MM/YY |
| HR | , | . | Din | HH:MI:SS | YYYY-MM-DD |
| HU | , | b | FT | HH:MI:SS | YYYY-MM-DD |
| IE | , | , | $ | HH:MI:SS | DD/MM/YY |
| IL | . | , | NIS | HH:MI:SS | DD/MM/YY |
| IS | , | . | Kr | HH:MI:SS | YYYY-MM-DD |
| IT | , | . | L. | HH.MI.SS,999 | DD/MM/YY |
| JP | . | , | $ | HH:MI:SS | YYYY-MM-DD |
| KR | . | , | X'E0' | HH:MI:SS | YYYY.MM.DD |
| LT | , | . | Lt | HH:MI:SS | YYYY.MM.DD |
| LV | , | b | Ls | HH:MI:SS | YYYY.DD.RRRZ |
| MK | , | . | Den | HH:MI:SS | YYYY-MM-DD |
| MX | . | , | $ | ZH:MI:SS AP | DD/MM/YY |
| NI | . | , | X'9F' | HH:MI:SS | DD/MM/YY |
| NL | , | . | F | HH:MI:SS | DD-MM-YY |
| NO | , | . | Kr | HH:MI:SS,999 | DD.MM.YY |
| NZ | . | , | $ | HH:MI:SS | DD/MM/YY |
| PA | . | , | B/ | ZH:MI:SS AP | DD/MM/YY |
| PE | . | , | I/. | HH:MI:SS | DD/MM/YY |
| PL | , | . | Z, X'9A' | HH:MI:SS | YYYY-MM-DD |
| PR | . | , | $ | ZH:MI:SS AP | DD/MM/YY |
| PT | , | . | Esc. | HH:MI:SS | DD-MM-YYYY |
| PY | , | . | Gs. | HH:MI:SS | DD/MM/YY |
| RO | , | . | Lei | HH:MI:SS | YYYY-MM-DD |
| RU | , | . | Rub | HH:MI:SS | DD mmm. YYYY g. |
| SE | , | . | Kr | kl HH.MI.SS | YYYY-MM-DD |
| SI | , | . | tol | HH:MI:SS | DD.MM.YYYY |
| SK | , | . | K, X'47', s | HH:MI:SS | YYYY-MM-DD |
| SU | , | . | Rub | HH:MI:SS | DD mmm. YYYY g. |
| SV | . | , | c/. | HH:MI:SS | DD/MM/YY |
| TH | . | , | X'70' | HH:MI:SS | DD/MM/YYYY |
| TR | , | . | TL | HH:MI:SS | DD/MM/YY |
| TW | . | , | $ | HH:MI:SS.999 | YY/MM/DD |
| US | . | , | $ | ZH:MI:SS AP | MM/DD/YY |
| UY | , | . | N$ | HH:MI:SS | DD/MM/YY |
| VE | , | . | Bs. | ZH:MI:SS AP | DD/MM/YY |
| YU | , | . | Din | HH:MI:SS | YYYY-MM-DD |
| ZA | . | b | R | HHhMI:SS.999 | YYYY-MM-DD |
)";
constexpr std::string_view country_names =
    "AD Andorra; AE United Arab Emirates; AF Afghanistan; AG Antigua and Barbuda; AL Albania; AN Netherlands "
    "Antilles; AO Angola; AR Argentina; AT Austria; AU Australia; BA Bosnia/Herzegovina; BB Barbados; BD "
    "Bangladesh; BE Belgium; BF Burkina Faso; BG Bulgaria; BH Bahrain; BJ Benin; BM Bermuda; BN Brunei "
    "Darussalam; BO Bolivia; BR Brazil; BS Bahamas; BU Burma; BW Botswana; CA Canada; CH Switzerland; CL "
    "Chile; CN Peoples Rep of China; CO Colombia; CR Costa Rica; CS Czechoslovakia; CU Cuba; CY Cyprus; CZ "
    "Czech Republic; DE Germany; DK Denmark; DO Dominican Republic; DZ Algeria; EC Ecuador; EE Estonia; EG "
    "Egypt; ES Spain; ET Ethopia; FI Finland; FR France; GA Gabon; GB United Kingdom; GH Ghana; GM Gambia; GR "
    "Greece; GT Guatemala; GW Guinea-Bissau; GY Guyana; HK Hong Kong; HN Honduras; HR Croatia; HT Haiti; HU "
    "Hungary; ID Indonesia; IE Ireland; IL Israel; IN India; IQ Iraq; IR Iran; IS Iceland; IT Italy; JM "
    "Jamaica; JO Jordan; JP Japan; KE Kenya; KR Korea, Republic of; KW Kuwait; KY Cayman Islands; LB Lebanon; "
    "LC Saint Lucia; LI Liechtenstein; LK Sri Lanka; LR Liberia; LS Lesotho; LT Lithuania; LU Luxembourg; LV "
    "Latvia; LY Libya; MA Morocco; MC Monaco; MG Madagascar; MK Macedonia; ML Mali; MO Macau; MR Mauritania; "
    "MU Mauritius; MW Malawi; MX Mexico; MY Malaysia; MZ Mozambique; NA Namibia; NC New Caledonia; NE Niger; "
    "NG Nigeria; NI Nicaragua; NL Netherlands; NO Norway; NZ New Zealand; OM Oman; PA Panama; PE Peru; PG "
    "Papua New Guinea; PH Philippines; PK Pakistan; PL Poland; PR Puerto Rico; PT Portugal; PY Paraguay; QA "
    "Qatar; RO Romania; RU Russia; SA Saudi Arabia; SC Seychelles; SD Sudan; SE Sweden; SG Singapore; SI "
    "Slovenia; SK Slovakia; SL Sierra Leone; SN Senegal; SO Somalia; SR Surinam; SU USSR; SV El Salvador; SY "
    "Syria; SZ Swaziland; TD Chad; TG Togo; TH Thailand; TN Tunisia; TR Turkey; TW Republic of China; TZ "
    "Tanzania; UG Uganda; US United States; UY Uruguay; VE Venezuela; VU Vanatu; WS Western Samoa; YE Yemen; "
    "YU Yugoslavia; ZA South Africa; ZM Zambia; ZR Zaire; ZW Zimbabwe; ";

// One country as the list gives it, in ASCII; currency bytes are EBCDIC code points where the list
// gives them in hexadecimal, ASCII characters otherwise.
struct listed {
  std::string name, decimal, thousands, time, date;
  std::vector<int> currency;  // -1 .. : >= 0 an EBCDIC byte; < 0 the ASCII character -c
};

std::vector<std::string> words(std::string_view text, std::string_view separator) {
  std::vector<std::string> out;
  while (!text.empty()) {
    const auto at = text.find(separator);
    out.emplace_back(text.substr(0, at));
    text = at == std::string_view::npos ? std::string_view{} : text.substr(at + separator.size());
  }
  return out;
}

std::string trim(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  while (!s.empty() && s.front() == ' ') s.erase(0, 1);
  return s;
}

std::map<std::string, listed> the_list() {
  std::map<std::string, listed> list;
  const auto add = [&](const std::string& code, listed l) { EXPECT_TRUE(list.emplace(code, l).second) << code; };
  for (const auto& code : words(trim(std::string(profile_g_codes)), " ")) {
    add(code, {"", ",", ".", "HH:MI:SS", "YYYY-MM-DD", {0x9F}});
  }
  for (const auto& code : words(profile_s_codes, " ")) add(code, {"", ",", ".", "HH:MI:SS", "YYYY/MM/DD", {}});
  for (const auto& line : words(other_countries.substr(1), "\n")) {
    if (line.empty()) continue;
    const auto cells = words(line.substr(2, line.size() - 4), " | ");
    EXPECT_EQ(cells.size(), 6u) << line;
    listed l{"", cells[1] == "b" ? " " : cells[1], cells[2] == "b" ? " " : cells[2], cells[4], cells[5], {}};
    for (const auto& piece : words(cells[3], ", ")) {
      if (piece.rfind("X'", 0) == 0) {
        l.currency.push_back(std::stoi(piece.substr(2, 2), nullptr, 16));
      } else {
        for (const char c : piece) l.currency.push_back(-static_cast<int>(c));
      }
    }
    add(cells[0], l);
  }
  for (const auto& entry : words(trim(std::string(country_names)), "; ")) {
    std::string name = entry.substr(3);
    if (!name.empty() && name.back() == ';') name.pop_back();
    EXPECT_TRUE(list.count(entry.substr(0, 2))) << "a name without a country: " << entry;
    list[entry.substr(0, 2)].name = name;
  }
  return list;
}

std::string ebcdic(std::string_view ascii) { return platform::ebcdic_from_ascii(ascii); }

std::string padded(std::string text, std::size_t width) {
  text.resize(width, '\x40');
  return text;
}

std::string currency_bytes(const listed& l) {
  std::string out;
  for (const int c : l.currency)
    out += c >= 0 ? static_cast<char>(c) : ebcdic(std::string(1, static_cast<char>(-c)))[0];
  return out;
}

// OVCTYDEF called as a program of the library would call it: EBCDIC code and request.
std::string ask(std::string_view code, char request_code) {
  char result[answer_size];
  std::memset(result, 0xA5, sizeof result);
  EXPECT_EQ(OVCTYDEF(code.data(), &request_code, result), 0);
  return std::string(result, sizeof result);
}

const std::string not_found(answer_size, '\xFF');

class CountryTable : public test::run_unit {};

TEST_F(CountryTable, EveryListedCountryAnswersEveryRequestAsListed) {
  const auto list = the_list();
  ASSERT_EQ(list.size(), 151u);
  EXPECT_EQ(country_table().size(), 152u);
  for (const auto& [code, l] : list) {
    const std::string key = ebcdic(code);
    const std::string fields[] = {ebcdic(l.decimal),
                                  ebcdic(l.thousands),
                                  currency_bytes(l),
                                  ebcdic(l.time),
                                  ebcdic(l.date),
                                  ebcdic(l.date + " " + l.time),
                                  key};
    for (int r = 0; r < 7; ++r) {
      EXPECT_EQ(ask(key, static_cast<char>(request::decimal_separator + r)), padded(fields[r], answer_size))
          << code << " request " << r + 1;
    }
    const country_record* record = find_country(key[0], key[1]);
    ASSERT_NE(record, nullptr) << code;
    EXPECT_EQ(record->get(country_record::name), padded(ebcdic(l.name), 20)) << code;
    EXPECT_EQ(record->get(country_record::timestamp_picture), padded(fields[5], 27)) << code;
    EXPECT_LE(l.date.size() + 1 + l.time.size(), 27u) << code;
  }
}

// Every two-byte code: exactly the listed ones and the blank record are found, in key order.
TEST_F(CountryTable, OnlyTheListedCodesAndTheBlankRecordAreFound) {
  const auto list = the_list();
  std::set<std::string> expected{"\x40\x40"};
  for (const auto& entry : list) expected.insert(ebcdic(entry.first));
  std::set<std::string> found;
  for (int first = 0; first < 256; ++first) {
    for (int second = 0; second < 256; ++second) {
      const std::string code{static_cast<char>(first), static_cast<char>(second)};
      const bool in_table = find_country(code[0], code[1]) != nullptr;
      if (in_table) found.insert(code);
      EXPECT_EQ(ask(code, request::country_code) != not_found, in_table);
    }
  }
  EXPECT_EQ(found, expected);
  // The records are kept in EBCDIC key order, the blank record first and ZW last.
  const auto table = country_table();
  for (std::size_t i = 1; i < table.size(); ++i) {
    const auto before = table[i - 1].get(country_record::code), after = table[i].get(country_record::code);
    EXPECT_TRUE(std::lexicographical_compare(
        before.begin(), before.end(), after.begin(), after.end(),
        [](char a, char b) { return static_cast<unsigned char>(a) < static_cast<unsigned char>(b); }))
        << i;
  }
  EXPECT_EQ(std::string(table.front().bytes.data(), country_record::size), std::string(country_record::size, '\x40'));
  EXPECT_EQ(table.back().get(country_record::code), ebcdic("ZW"));
}

TEST_F(CountryTable, RequestsOutsideOneToSevenAndUnknownCodesGiveAllFF) {
  for (int r = 0; r < 256; ++r) {
    const bool valid = r >= 0xF1 && r <= 0xF7;
    EXPECT_EQ(ask(ebcdic("US"), static_cast<char>(r)) == not_found, !valid) << r;
    EXPECT_EQ(ask(ebcdic("XX"), static_cast<char>(r)), not_found) << r;
  }
}

// The cases worth a line of their own, as the list's users know them.
TEST_F(CountryTable, KnownAnswers) {
  const struct {
    std::string_view code;  // ASCII, converted to EBCDIC before the call
    char request;           // '1' .. '9', ' '
    std::string expected;   // ASCII, blank-padded to 80 here; "FF" for 80 x X'FF'
  } cases[] = {
      {"US", '5', "MM/DD/YY"},
      {"US", '6', "MM/DD/YY ZH:MI:SS AP"},
      {"DE", '1', ","},
      {"DE", '2', "."},
      {"DE", '3', "DM"},
      {"AE", '7', "AE"},
      {"AE", '3', ""},
      {"FI", '4', "HH.MI.SS,999"},
      {"AU", '6', "DD/MM/YY HH:MI:SS"},
      {"IE", '1', ","},
      {"IE", '2', ","},
      {"CH", '6', "DD. Mmmmmmmmz YYYY HH,MI,SS"},
      {"ZA", '6', "YYYY-MM-DD HHhMI:SS.999"},
      {"RU", '5', "DD mmm. YYYY g."},
      {"us", '5', "FF"},
      {"  ", '1', ""},
      {"  ", '6', ""},
      {"  ", '7', ""},
      {"US", '8', "FF"},
      {"US", '0', "FF"},
      {"US", ' ', "FF"},
      {"AD", '7', "AD"},
      {"ZW", '7', "ZW"},
      {"ZZ", '7', "FF"},
      {"A ", '7', "FF"},
  };
  for (const auto& c : cases) {
    const std::string expected = c.expected == "FF" ? not_found : padded(ebcdic(c.expected), answer_size);
    EXPECT_EQ(ask(ebcdic(c.code), ebcdic(std::string(1, c.request))[0]), expected) << c.code << " " << c.request;
  }
}

// A call from COBOL may leave arguments off: nothing is written through a missing result, and a
// result without a country or a request reads as not found.
TEST_F(CountryTable, MissingArguments) {
  char result[answer_size];
  const char request_code = request::decimal_separator;
  std::memset(result, 0, sizeof result);
  EXPECT_EQ(OVCTYDEF(nullptr, &request_code, result), 0);
  EXPECT_EQ(std::string(result, sizeof result), not_found);
  std::memset(result, 0, sizeof result);
  EXPECT_EQ(OVCTYDEF(ebcdic("US").c_str(), nullptr, result), 0);
  EXPECT_EQ(std::string(result, sizeof result), not_found);
  EXPECT_EQ(OVCTYDEF(ebcdic("US").c_str(), &request_code, nullptr), 0);
}

}  // namespace
}  // namespace ovle::country
