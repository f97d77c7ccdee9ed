// OVCTYDEF's table against the published list of country defaults, written out here a second time
// in the list's own form: every country, every request, every code and request that is not one.
#include "country/country_table.hpp"

#include <array>
#include <map>
#include <string>
#include <vector>

#include "ovle_test.hpp"

namespace ovle::country {
namespace {

constexpr std::string_view profile_g_codes =
    "AD AF AG AN AO BB BD BF BJ BM BN BS BU BW CU CY ET GA GH GM GW GY HK HT ID IN JM KE KY LC LI LK LR LS LU "
    "MC MG ML MO MR MU MW MY MZ NA NC NE NG PG PH SC SG SL SN SO SR SZ TD TG TZ UG VU WS ZM ZR ZW";
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
std::vector<std::string> words(std::string_view text, std::string_view separator) {
  std::vector<std::string> out;
  for (std::size_t at = 0; at != std::string_view::npos && at < text.size();) {
    const auto end = text.find(separator, at);
    out.emplace_back(text.substr(at, end - at));
    at = end == std::string_view::npos ? end : end + separator.size();
  }
  return out;
}

std::string ebcdic(std::string_view ascii) { return platform::ebcdic_from_ascii(ascii); }

// The seven fields of each listed country in request order, in EBCDIC, by code.
std::map<std::string, std::array<std::string, 7>> the_list() {
  std::map<std::string, std::array<std::string, 7>> list;
  const auto add = [&](const std::string& code, const std::string& decimal, const std::string& thousands,
                       const std::string& currency, const std::string& time, const std::string& date) {
    const std::array<std::string, 7> fields{ebcdic(decimal == "b" ? " " : decimal),
                                            ebcdic(thousands == "b" ? " " : thousands),
                                            currency,
                                            ebcdic(time),
                                            ebcdic(date),
                                            ebcdic(date + " " + time),
                                            ebcdic(code)};
    EXPECT_TRUE(list.emplace(ebcdic(code), fields).second) << code;
  };
  for (const auto& code : words(profile_g_codes, " ")) add(code, ",", ".", "\x9F", "HH:MI:SS", "YYYY-MM-DD");
  for (const auto& code : words(profile_s_codes, " ")) add(code, ",", ".", "", "HH:MI:SS", "YYYY/MM/DD");
  for (const auto& line : words(other_countries.substr(1), "\n")) {
    const auto cells = words(line.substr(2, line.size() - 4), " | ");
    std::string currency;
    for (const auto& piece : words(cells[3], ", ")) {
      currency += piece.starts_with("X'")
                      ? std::string(1, static_cast<char>(std::stoi(piece.substr(2, 2), nullptr, 16)))
                      : ebcdic(piece);
    }
    add(cells[0], cells[1], cells[2], currency, cells[4], cells[5]);
  }
  return list;
}

std::string padded(std::string text) {
  text.resize(answer_size, '\x40');
  return text;
}

// OVCTYDEF called as a program of the library calls it: EBCDIC code and request.
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
  for (const auto& [code, fields] : list) {
    for (std::size_t r = 0; r < fields.size(); ++r) {
      EXPECT_EQ(ask(code, static_cast<char>(request::decimal_separator + r)), padded(fields[r]))
          << platform::ascii_from_ebcdic(code) << " request " << r + 1;
    }
  }
}

// Every two-byte code: the listed ones and the blank record are found, nothing else; the blank
// record answers blanks; requests other than "1" to "7" find nothing.
TEST_F(CountryTable, OnlyTheListedCodesAndTheBlankRecordAreFound) {
  auto list = the_list();
  list.emplace("\x40\x40", std::array<std::string, 7>{});
  for (int code = 0; code < 65536; ++code) {
    const std::string key{static_cast<char>(code >> 8), static_cast<char>(code)};
    const bool listed = list.count(key) != 0;
    ASSERT_EQ(ask(key, request::country_code) != not_found, listed) << code;
    ASSERT_EQ(find_country(key[0], key[1]) != nullptr, listed) << code;
  }
  for (char r = request::decimal_separator; r <= request::country_code; ++r) {
    EXPECT_EQ(ask("\x40\x40", r), padded("")) << r;
  }
  for (int r = 0; r < 256; ++r) {
    EXPECT_EQ(ask(ebcdic("US"), static_cast<char>(r)) == not_found, r < 0xF1 || r > 0xF7) << r;
  }
  EXPECT_EQ(country_table().size(), 152u);
  EXPECT_EQ(country_table().front().get(country_record::code), "\x40\x40");
  EXPECT_EQ(country_table().back().get(country_record::code), ebcdic("ZW"));
}

// A call from COBOL may leave arguments off: nothing is written through a missing result, and a
// missing country or request finds nothing.
TEST_F(CountryTable, MissingArguments) {
  char result[answer_size] = {};
  const char r = request::decimal_separator;
  EXPECT_EQ(OVCTYDEF(nullptr, &r, result), 0);
  EXPECT_EQ(std::string(result, answer_size), not_found);
  std::memset(result, 0, answer_size);
  EXPECT_EQ(OVCTYDEF(ebcdic("US").c_str(), nullptr, result), 0);
  EXPECT_EQ(std::string(result, answer_size), not_found);
  EXPECT_EQ(OVCTYDEF(ebcdic("US").c_str(), &r, nullptr), 0);
}

}  // namespace
}  // namespace ovle::country
