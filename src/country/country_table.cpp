// OVCTYDEF's country table: the built-in list, one line per country, turned into EBCDIC records at
// compile time; and the lookup that answers field F of country C.
#include "country/country_table.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "common/ebcdic.hpp"

namespace ovle::country {
namespace {

// A line of the list as written: ASCII text, with {hh} for a currency byte given as its EBCDIC
// code point (the symbols that plain ASCII lacks).
struct row {
  std::string_view code, name, decimal, thousands, currency, time, date;
};

// Profile G: the currency sign, ISO dates.
constexpr row G(std::string_view code, std::string_view name) {
  return {code, name, ",", ".", "{9F}", "HH:MI:SS", "YYYY-MM-DD"};
}
// Profile S: no currency symbol, dates with slashes.
constexpr row S(std::string_view code, std::string_view name) {
  return {code, name, ",", ".", "", "HH:MI:SS", "YYYY/MM/DD"};
}
// A country of its own: name, decimal and thousands separators, currency, time and date pictures.
constexpr row C(std::string_view code, std::string_view name, std::string_view decimal, std::string_view thousands,
                std::string_view currency, std::string_view time, std::string_view date) {
  return {code, name, decimal, thousands, currency, time, date};
}

// In ascending order of country code; a blank separator is written " ".
// clang-format off
constexpr row built_in_list[] = {
    G("AD", "Andorra"),
    S("AE", "United Arab Emirates"),
    G("AF", "Afghanistan"),
    G("AG", "Antigua and Barbuda"),
    C("AL", "Albania",              ",", ".", "Lek",    "HH:MI:SS",     "YYYY-MM-DD"),
    G("AN", "Netherlands Antilles"),
    G("AO", "Angola"),
    C("AR", "Argentina",            ",", ".", "A.",     "HH.MI.SS",     "DD/MM/YY"),
    C("AT", "Austria",              ",", ".", "S",      "HH:MI:SS,999", "YYYY-MM-DD"),
    C("AU", "Australia",            ".", ",", "$",      "HH:MI:SS",     "DD/MM/YY"),
    C("BA", "Bosnia/Herzegovina",   ",", ".", "Din",    "HH:MI:SS",     "YYYY-MM-DD"),
    G("BB", "Barbados"),
    G("BD", "Bangladesh"),
    C("BE", "Belgium",              ",", ".", "BF",     "HH:MI:SS,999", "DD/MM/YY"),
    G("BF", "Burkina Faso"),
    C("BG", "Bulgaria",             ",", ".", "Lv",     "HH:MI:SS",     "YYYY-RRRZ-DD"),
    S("BH", "Bahrain"),
    G("BJ", "Benin"),
    G("BM", "Bermuda"),
    G("BN", "Brunei Darussalam"),
    C("BO", "Bolivia",              ",", ".", "BS",     "HH:MI:SS",     "DD/MM/YY"),
    C("BR", "Brazil",               ",", ".", "NCz$",   "HH:MI:SS",     "DD/MM/YY"),
    G("BS", "Bahamas"),
    G("BU", "Burma"),
    G("BW", "Botswana"),
    C("CA", "Canada",               ".", ",", "$",      "HH:MI:SS.99",  "YY-MM-DD"),
    C("CH", "Switzerland",          ",", ".", "Fr",     "HH,MI,SS",     "DD. Mmmmmmmmz YYYY"),
    C("CL", "Chile",                ",", ".", "$",      "HH:MI:SS",     "DD/MM/YY"),
    C("CN", "Peoples Rep of China", ".", ",", "$",      "HH:MI:SS",     "YYYY.MM.DD"),
    C("CO", "Colombia",             ",", ".", "$",      "ZH:MI:SS AP",  "DD/MM/YY"),
    C("CR", "Costa Rica",           ",", ".", "c/.",    "ZH:MI:SS AP",  "DD/MM/YY"),
    C("CS", "Czechoslovakia",       ",", ".", "K{47}s", "HH:MI:SS",     "YYYY-MM-DD"),
    G("CU", "Cuba"),
    G("CY", "Cyprus"),
    C("CZ", "Czech Republic",       ",", ".", "K{47}s", "HH:MI:SS",     "YYYY-MM-DD"),
    C("DE", "Germany",              ",", ".", "DM",     "HH:MI:SS",     "DD.MM.YYYY"),
    C("DK", "Denmark",              ",", ".", "Kr",     "HH.MI.SS,99",  "DD-MM-YY"),
    C("DO", "Dominican Republic",   ".", ",", "$",      "ZH:MI:SS AP",  "DD/MM/YY"),
    S("DZ", "Algeria"),
    C("EC", "Ecuador",              ",", ".", "$",      "HH:MI:SS",     "DD/MM/YY"),
    C("EE", "Estonia",              ",", " ", "Kr",     "HH:MI:SS",     "DD-MM-YY"),
    S("EG", "Egypt"),
    C("ES", "Spain",                ",", ".", "Pts",    "HH:MI:SS",     "DD/MM/YY"),
    G("ET", "Ethopia"),
    C("FI", "Finland",              ",", " ", "Mk",     "HH.MI.SS,999", "DD.MM.YYYY"),
    C("FR", "France",               ",", " ", "F",      "HH:MI:SS,9",   "DD.MM.YYYY"),
    G("GA", "Gabon"),
    C("GB", "United Kingdom",       ".", ",", "$",      "HH:MI:SS",     "DD/MM/YY"),
    G("GH", "Ghana"),
    G("GM", "Gambia"),
    C("GR", "Greece",               ",", ".", "Drs",    "HH:MI:SS.999", "DD/MM/YY"),
    C("GT", "Guatemala",            ".", ",", "Q",      "HH:MI:SS",     "DD/MM/YY"),
    G("GW", "Guinea-Bissau"),
    G("GY", "Guyana"),
    G("HK", "Hong Kong"),
    C("HN", "Honduras",             ".", ",", "L.",     "ZH:MI:SS AP",  "DD/MM/YY"),
    C("HR", "Croatia",              ",", ".", "Din",    "HH:MI:SS",     "YYYY-MM-DD"),
    G("HT", "Haiti"),
    C("HU", "Hungary",              ",", " ", "FT",     "HH:MI:SS",     "YYYY-MM-DD"),
    G("ID", "Indonesia"),
    C("IE", "Ireland",              ",", ",", "$",      "HH:MI:SS",     "DD/MM/YY"),
    C("IL", "Israel",               ".", ",", "NIS",    "HH:MI:SS",     "DD/MM/YY"),
    G("IN", "India"),
    S("IQ", "Iraq"),
    S("IR", "Iran"),
    C("IS", "Iceland",              ",", ".", "Kr",     "HH:MI:SS",     "YYYY-MM-DD"),
    C("IT", "Italy",                ",", ".", "L.",     "HH.MI.SS,999", "DD/MM/YY"),
    G("JM", "Jamaica"),
    S("JO", "Jordan"),
    C("JP", "Japan",                ".", ",", "$",      "HH:MI:SS",     "YYYY-MM-DD"),
    G("KE", "Kenya"),
    C("KR", "Korea, Republic of",   ".", ",", "{E0}",   "HH:MI:SS",     "YYYY.MM.DD"),
    S("KW", "Kuwait"),
    G("KY", "Cayman Islands"),
    S("LB", "Lebanon"),
    G("LC", "Saint Lucia"),
    G("LI", "Liechtenstein"),
    G("LK", "Sri Lanka"),
    G("LR", "Liberia"),
    G("LS", "Lesotho"),
    C("LT", "Lithuania",            ",", ".", "Lt",     "HH:MI:SS",     "YYYY.MM.DD"),
    G("LU", "Luxembourg"),
    C("LV", "Latvia",               ",", " ", "Ls",     "HH:MI:SS",     "YYYY.DD.RRRZ"),
    S("LY", "Libya"),
    S("MA", "Morocco"),
    G("MC", "Monaco"),
    G("MG", "Madagascar"),
    C("MK", "Macedonia",            ",", ".", "Den",    "HH:MI:SS",     "YYYY-MM-DD"),
    G("ML", "Mali"),
    G("MO", "Macau"),
    G("MR", "Mauritania"),
    G("MU", "Mauritius"),
    G("MW", "Malawi"),
    C("MX", "Mexico",               ".", ",", "$",      "ZH:MI:SS AP",  "DD/MM/YY"),
    G("MY", "Malaysia"),
    G("MZ", "Mozambique"),
    G("NA", "Namibia"),
    G("NC", "New Caledonia"),
    G("NE", "Niger"),
    G("NG", "Nigeria"),
    C("NI", "Nicaragua",            ".", ",", "{9F}",   "HH:MI:SS",     "DD/MM/YY"),
    C("NL", "Netherlands",          ",", ".", "F",      "HH:MI:SS",     "DD-MM-YY"),
    C("NO", "Norway",               ",", ".", "Kr",     "HH:MI:SS,999", "DD.MM.YY"),
    C("NZ", "New Zealand",          ".", ",", "$",      "HH:MI:SS",     "DD/MM/YY"),
    S("OM", "Oman"),
    C("PA", "Panama",               ".", ",", "B/",     "ZH:MI:SS AP",  "DD/MM/YY"),
    C("PE", "Peru",                 ".", ",", "I/.",    "HH:MI:SS",     "DD/MM/YY"),
    G("PG", "Papua New Guinea"),
    G("PH", "Philippines"),
    S("PK", "Pakistan"),
    C("PL", "Poland",               ",", ".", "Z{9A}",  "HH:MI:SS",     "YYYY-MM-DD"),
    C("PR", "Puerto Rico",          ".", ",", "$",      "ZH:MI:SS AP",  "DD/MM/YY"),
    C("PT", "Portugal",             ",", ".", "Esc.",   "HH:MI:SS",     "DD-MM-YYYY"),
    C("PY", "Paraguay",             ",", ".", "Gs.",    "HH:MI:SS",     "DD/MM/YY"),
    S("QA", "Qatar"),
    C("RO", "Romania",              ",", ".", "Lei",    "HH:MI:SS",     "YYYY-MM-DD"),
    C("RU", "Russia",               ",", ".", "Rub",    "HH:MI:SS",     "DD mmm. YYYY g."),
    S("SA", "Saudi Arabia"),
    G("SC", "Seychelles"),
    S("SD", "Sudan"),
    C("SE", "Sweden",               ",", ".", "Kr",     "kl HH.MI.SS",  "YYYY-MM-DD"),
    G("SG", "Singapore"),
    C("SI", "Slovenia",             ",", ".", "tol",    "HH:MI:SS",     "DD.MM.YYYY"),
    C("SK", "Slovakia",             ",", ".", "K{47}s", "HH:MI:SS",     "YYYY-MM-DD"),
    G("SL", "Sierra Leone"),
    G("SN", "Senegal"),
    G("SO", "Somalia"),
    G("SR", "Surinam"),
    C("SU", "USSR",                 ",", ".", "Rub",    "HH:MI:SS",     "DD mmm. YYYY g."),
    C("SV", "El Salvador",          ".", ",", "c/.",    "HH:MI:SS",     "DD/MM/YY"),
    S("SY", "Syria"),
    G("SZ", "Swaziland"),
    G("TD", "Chad"),
    G("TG", "Togo"),
    C("TH", "Thailand",             ".", ",", "{70}",   "HH:MI:SS",     "DD/MM/YYYY"),
    S("TN", "Tunisia"),
    C("TR", "Turkey",               ",", ".", "TL",     "HH:MI:SS",     "DD/MM/YY"),
    C("TW", "Republic of China",    ".", ",", "$",      "HH:MI:SS.999", "YY/MM/DD"),
    G("TZ", "Tanzania"),
    G("UG", "Uganda"),
    C("US", "United States",        ".", ",", "$",      "ZH:MI:SS AP",  "MM/DD/YY"),
    C("UY", "Uruguay",              ",", ".", "N$",     "HH:MI:SS",     "DD/MM/YY"),
    C("VE", "Venezuela",            ",", ".", "Bs.",    "ZH:MI:SS AP",  "DD/MM/YY"),
    G("VU", "Vanatu"),
    G("WS", "Western Samoa"),
    S("YE", "Yemen"),
    C("YU", "Yugoslavia",           ",", ".", "Din",    "HH:MI:SS",     "YYYY-MM-DD"),
    C("ZA", "South Africa",         ".", " ", "R",      "HHhMI:SS.999", "YYYY-MM-DD"),
    G("ZM", "Zambia"),
    G("ZR", "Zaire"),
    G("ZW", "Zimbabwe"),
};
// clang-format on

constexpr int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  throw "a {hh} code point needs two upper-case hexadecimal digits";
}

// Writes `text` as EBCDIC into the field, blank-padded; text that does not fit stops the build.
constexpr void store(country_record& r, country_record::field f, std::string_view text) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++i, ++n) {
    if (n == f.width) throw "a text of the country list is wider than its field";
    char c;
    if (text[i] == '{') {
      if (i + 3 >= text.size() || text[i + 3] != '}') throw "a code point is written {hh}";
      c = static_cast<char>(hex_value(text[i + 1]) * 16 + hex_value(text[i + 2]));
      i += 3;
    } else {
      c = common::ebcdic::from_ascii(text[i]);
    }
    r.bytes[f.offset + n] = c;
  }
  for (; n < f.width; ++n) r.bytes[f.offset + n] = common::ebcdic::blank;
}

constexpr country_record make_record(const row& w) {
  country_record r;
  for (char& b : r.bytes) b = common::ebcdic::blank;
  if (w.code.size() != 2 || w.decimal.size() != 1 || w.thousands.size() != 1) {
    throw "a country has a two-letter code and one-character separators";
  }
  store(r, country_record::name, w.name);
  store(r, country_record::code, w.code);
  store(r, country_record::decimal_separator, w.decimal);
  store(r, country_record::thousands_separator, w.thousands);
  store(r, country_record::currency_symbol, w.currency);
  store(r, country_record::time_picture, w.time);
  store(r, country_record::date_picture, w.date);
  // The timestamp picture is the date picture, one blank and the time picture.
  constexpr country_record::field stamp = country_record::timestamp_picture;
  if (w.date.size() >= stamp.width) throw "a date picture is wider than the timestamp picture";
  store(r, stamp, w.date);
  store(r, {stamp.offset + w.date.size() + 1, stamp.width - w.date.size() - 1}, w.time);
  return r;
}

constexpr std::uint16_t key_of(char first, char second) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(first) << 8 | static_cast<unsigned char>(second));
}
constexpr std::uint16_t key_of(const country_record& r) {
  return key_of(r.bytes[country_record::code.offset], r.bytes[country_record::code.offset + 1]);
}

constexpr std::size_t table_size = std::size(built_in_list) + 1;
using table_type = std::array<country_record, table_size>;

// Slot 1 is the blank record; the list follows it.
constexpr table_type build_table() {
  table_type t{};
  for (char& b : t[0].bytes) b = common::ebcdic::blank;
  for (std::size_t i = 0; i < std::size(built_in_list); ++i) t[i + 1] = make_record(built_in_list[i]);
  return t;
}

constexpr table_type table = build_table();

constexpr bool keys_strictly_ascending() {
  for (std::size_t i = 1; i < table.size(); ++i) {
    if (key_of(table[i - 1]) >= key_of(table[i])) return false;
  }
  return true;
}
static_assert(table.size() == 152, "the list holds 151 countries besides the blank record");
static_assert(keys_strictly_ascending(), "the country list is in EBCDIC key order, each code once");

// Codes are two letters or two blanks, so a lookup needs no search: each byte becomes a number,
// 0-25 for the letters A-Z, 26 for a blank, 27 for anything else, and the pair indexes a grid
// of slot numbers.
constexpr std::size_t symbols = 28;
constexpr std::uint8_t not_a_symbol = 27;
constexpr std::uint8_t no_slot = 0xFF;
static_assert(table_size < no_slot);

constexpr std::array<std::uint8_t, 256> symbol_of = [] {
  std::array<std::uint8_t, 256> s{};
  for (auto& v : s) v = not_a_symbol;
  constexpr std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  for (std::size_t i = 0; i < letters.size(); ++i) {
    s[static_cast<unsigned char>(common::ebcdic::from_ascii(letters[i]))] = static_cast<std::uint8_t>(i);
  }
  s[static_cast<unsigned char>(common::ebcdic::blank)] = 26;
  return s;
}();

constexpr std::size_t cell_of(char first, char second) {
  return symbol_of[static_cast<unsigned char>(first)] * symbols + symbol_of[static_cast<unsigned char>(second)];
}

constexpr std::array<std::uint8_t, symbols* symbols> slot_grid = [] {
  std::array<std::uint8_t, symbols * symbols> g{};
  for (auto& v : g) v = no_slot;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::string_view code = table[i].get(country_record::code);
    const std::size_t cell = cell_of(code[0], code[1]);
    if (symbol_of[static_cast<unsigned char>(code[0])] == not_a_symbol ||
        symbol_of[static_cast<unsigned char>(code[1])] == not_a_symbol) {
      throw "a country code is two letters A-Z";
    }
    g[cell] = static_cast<std::uint8_t>(i);
  }
  // Pairs with a byte that is neither a letter nor a blank find nothing.
  for (std::size_t i = 0; i < symbols; ++i) {
    if (g[i * symbols + not_a_symbol] != no_slot || g[not_a_symbol * symbols + i] != no_slot) {
      throw "the grid answers for a byte that is no letter";
    }
  }
  return g;
}();

// Nothing in the table reads X'FF', so a found field is never mistaken for the failure answer.
constexpr bool holds_no_ff() {
  for (const country_record& r : table) {
    for (const char c : r.bytes) {
      if (c == '\xFF') return false;
    }
  }
  return true;
}
static_assert(holds_no_ff());

constexpr country_record::field field_of(char request_code) {
  switch (request_code) {
    case request::decimal_separator: return country_record::decimal_separator;
    case request::thousands_separator: return country_record::thousands_separator;
    case request::currency_symbol: return country_record::currency_symbol;
    case request::time_picture: return country_record::time_picture;
    case request::date_picture: return country_record::date_picture;
    case request::timestamp_picture: return country_record::timestamp_picture;
    case request::country_code: return country_record::code;
    default: return {0, 0};
  }
}

}  // namespace

std::span<const country_record> country_table() noexcept { return table; }

const country_record* find_country(char first, char second) noexcept {
  const std::uint8_t slot = slot_grid[cell_of(first, second)];
  return slot == no_slot ? nullptr : &table[slot];
}

void answer_request(char first, char second, char request_code, answer& out) noexcept {
  const country_record* r = find_country(first, second);
  const country_record::field f = field_of(request_code);
  if (r == nullptr || f.width == 0) {
    out.fill('\xFF');
    return;
  }
  std::memcpy(out.data(), r->bytes.data() + f.offset, f.width);
  std::memset(out.data() + f.width, common::ebcdic::blank, answer_size - f.width);
}

bool is_not_found(const answer& a) noexcept {
  static constexpr answer failure = [] {
    answer f{};
    f.fill('\xFF');
    return f;
  }();
  return std::memcmp(a.data(), failure.data(), answer_size) == 0;
}

}  // namespace ovle::country
