// The country and language services through their C entries: the two stacks against a model, the
// separators, currency symbols and default pictures for ASCII and EBCDIC callers, the start-up line
// when the environment cannot be initialized, missing arguments and damaged stack counts.
#include <algorithm>
#include <cctype>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "country/country_table.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

const test::condition_view none = test::view(ovle_feedback{});
test::condition_view warning(int message) { return test::ascii_condition(2, message, 1); }
test::condition_view refusal(int message) { return test::ascii_condition(3, message, 1); }
const test::condition_view ovx = test::ascii_condition(4, 9999, 0, "OVX");

std::string ebcdic(std::string_view ascii) { return platform::ebcdic_from_ascii(ascii); }
std::string ascii(std::string_view ebcdic_text) { return platform::ascii_from_ebcdic(ebcdic_text); }
std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

struct call_result {
  std::string parameter;  // the caller's code parameter (stacks) or output (field queries) afterwards
  test::condition_view fc;
  friend bool operator==(const call_result&, const call_result&) = default;
  friend std::ostream& operator<<(std::ostream& os, const call_result& r) {
    return os << "{'" << r.parameter << "' (" << test::hex(r.parameter.data(), r.parameter.size()) << "), " << r.fc
              << "}";
  }
};

using stack_entry = int (*)(const ovle_int4*, char*, ovle_feedback*);

call_result stack_call(stack_entry entry, std::size_t width, int function, std::string code) {
  code.resize(width, ' ');
  const ovle_int4 f = test::int4(function);
  ovle_feedback fc = test::dirty_feedback();
  EXPECT_EQ(entry(&f, code.data(), &fc), 0);
  return {code, test::view(fc)};
}
call_result country(int function, std::string code = "##") { return stack_call(CEE3CTY, 2, function, code); }
call_result language(int function, std::string code = "###") { return stack_call(CEE3LNG, 3, function, code); }

using field_entry = int (*)(const char*, char*, ovle_feedback*);
struct field_service {
  const char* name;
  field_entry entry;
  std::size_t width;
  int message;           // the warning for an unknown country
  std::string fallback;  // ASCII, what an unknown country gets
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

// A field query; the caller's country parameter must come back as it was given.
call_result field(const field_service& s, std::string code) {
  const std::string given = code;
  std::string out(s.width, '#');
  ovle_feedback fc = test::dirty_feedback();
  EXPECT_EQ(s.entry(code.data(), out.data(), &fc), 0);
  EXPECT_EQ(code, given) << s.name << ": the caller's country parameter";
  return {out, test::view(fc)};
}

std::string padded(std::string text, std::size_t width, char pad = ' ') {
  text.resize(width, pad);
  return text;
}

class Country : public test::run_unit {};

TEST_F(Country, CountryStackRequestsInSequence) {
  const struct {
    int function;
    std::string given, parameter;  // the caller's parameter before and after
    test::condition_view fc;
    int count;  // entries on the stack afterwards
  } steps[] = {
      {1, "de", "de", none, 1},  // set: the parameter is an input, left as given
      {2, "xx", "DE", none, 1},          {3, "FR", "FR", none, 2},          {2, "##", "FR", none, 2},
      {4, "##", "FR", none, 1},                                              // pop: the country removed
      {2, "##", "DE", none, 1},          {4, "zz", "DE", warning(3455), 1},  // the only country stays
      {0, "US", "US", refusal(3457), 1}, {5, "US", "US", refusal(3457), 1}, {-1, "US", "US", refusal(3457), 1},
      {1, "XX", "XX", refusal(3456), 1}, {3, "xx", "xx", refusal(3456), 1}, {3, "U", "U ", refusal(3456), 1},
      {2, "##", "DE", none, 1},          {1, "  ", "  ", none, 1},  // the blank record is a country of the table
      {2, "US", "  ", none, 1},          {3, "us", "us", none, 2},          {3, "Ch", "Ch", none, 3},
      {2, "##", "CH", none, 3},          {4, "##", "CH", none, 2},          {4, "##", "US", none, 1},
      {4, "##", "  ", warning(3455), 1},
  };
  for (const auto& s : steps) {
    const call_result r = country(s.function, s.given);
    EXPECT_EQ(r.parameter, s.parameter) << s.function << " " << s.given;
    EXPECT_EQ(r.fc, s.fc) << s.function << " " << s.given;
    EXPECT_EQ(area().country_count(), s.count) << s.function << " " << s.given;
  }
}

TEST_F(Country, LanguageStackRequestsInSequence) {
  const struct {
    int function;
    std::string given, parameter;
    test::condition_view fc;
    int count;
  } steps[] = {
      {1, "ENG", "ENG", refusal(3451), 1}, {1, "jpn", "jpn", none, 1},          {2, "###", "JPN", none, 1},
      {3, "enu", "enu", none, 2},          {2, "###", "ENU", none, 2},          {3, "UEN", "UEN", none, 3},
      {3, "EN", "EN ", refusal(3451), 3},  {0, "ENU", "ENU", refusal(3452), 3}, {5, "ENU", "ENU", refusal(3452), 3},
      {4, "###", "UEN", none, 2},          {4, "###", "ENU", none, 1},          {2, "###", "JPN", none, 1},
      {4, "xyz", "JPN", warning(3450), 1}, {1, "Uen", "Uen", none, 1},          {2, "###", "UEN", none, 1},
  };
  for (const auto& s : steps) {
    const call_result r = language(s.function, s.given);
    EXPECT_EQ(r.parameter, s.parameter) << s.function << " " << s.given;
    EXPECT_EQ(r.fc, s.fc) << s.function << " " << s.given;
    EXPECT_EQ(area().language_count(), s.count) << s.function << " " << s.given;
  }
}

// Random requests on both stacks against a vector each, in phases that fill the stacks to their
// 99 entries and empty them again; after every request the area holds what the model holds.
TEST_F(Country, StacksFollowAModelThroughRandomRequests) {
  std::mt19937 rng(3456);
  const std::string country_codes[] = {"US", "de", "Fr", "cH", "ZW", "ad", "  ", "XX", "Q1", "zz", "u "};
  const std::set<std::string> known_countries = {"US", "DE", "FR", "CH", "ZW", "AD", "  "};
  const std::string language_codes[] = {"ENU", "uen", "Jpn", "ENG", "xyz", "   ", "EN "};
  const std::set<std::string> known_languages = {"ENU", "UEN", "JPN"};
  ASSERT_EQ(country(1, "US").fc, none);
  ASSERT_EQ(language(1, "ENU").fc, none);
  std::vector<std::string> countries{"US"};   // bottom first: the current country is the last
  std::vector<std::string> languages{"ENU"};  // the current language is the first
  int full_refusals = 0, single_pops = 0;
  for (int step = 0; step < 8000; ++step) {
    // Pushes outweigh pops in even phases, pops outweigh pushes in odd ones.
    const bool filling = step / 1000 % 2 == 0;
    const int roll = static_cast<int>(rng() % 100);
    const int function = roll < 3                     ? static_cast<int>(rng() % 2) * 5  // 0 or 5
                         : roll < 8                   ? 1
                         : roll < 13                  ? 2
                         : roll < (filling ? 95 : 25) ? 3
                                                      : 4;
    const bool on_countries = rng() % 2 == 0;
    if (on_countries) {
      const std::string code = country_codes[rng() % std::size(country_codes)];
      const bool known = known_countries.count(upper(code)) != 0;
      std::string parameter = code;
      test::condition_view fc = none;
      switch (function) {
        case 1: known ? void(countries.back() = upper(code)) : void(fc = refusal(3456)); break;
        case 2: parameter = countries.back(); break;
        case 3:
          full_refusals += known && countries.size() == 99;
          if (known && countries.size() < 99) countries.push_back(upper(code));
          else fc = refusal(3456);
          break;
        case 4:
          parameter = countries.back();
          if (countries.size() > 1) countries.pop_back();
          else fc = warning(3455);
          break;
        default: fc = refusal(3457);
      }
      const call_result r = country(function, code);
      ASSERT_EQ(r.parameter, parameter) << "step " << step << ": " << function << " " << code;
      ASSERT_EQ(r.fc, fc) << "step " << step << ": " << function << " " << code;
    } else {
      const std::string code = language_codes[rng() % std::size(language_codes)];
      const bool accepted = known_languages.count(upper(code)) != 0;
      std::string parameter = code;
      test::condition_view fc = none;
      switch (function) {
        case 1: accepted ? void(languages.front() = upper(code)) : void(fc = refusal(3451)); break;
        case 2: parameter = languages.front(); break;
        case 3:
          full_refusals += accepted && languages.size() == 99;
          if (accepted && languages.size() < 99) languages.insert(languages.begin(), upper(code));
          else fc = refusal(3451);
          break;
        case 4:
          parameter = languages.front();
          single_pops += languages.size() == 1;
          if (languages.size() > 1) languages.erase(languages.begin());
          else fc = warning(3450);
          break;
        default: fc = refusal(3452);
      }
      const call_result r = language(function, code);
      ASSERT_EQ(r.parameter, parameter) << "step " << step << ": " << function << " " << code;
      ASSERT_EQ(r.fc, fc) << "step " << step << ": " << function << " " << code;
    }
    ASSERT_EQ(area().country_count(), static_cast<int>(countries.size())) << "step " << step;
    ASSERT_EQ(area().language_count(), static_cast<int>(languages.size())) << "step " << step;
    for (std::size_t i = 0; i < countries.size(); ++i) {
      ASSERT_EQ(std::string(area().country(i + 1).data(), 2), ebcdic(countries[i])) << "step " << step;
    }
    for (std::size_t i = 0; i < languages.size(); ++i) {
      ASSERT_EQ(std::string(area().language(i + 1).data(), 3), ebcdic(languages[i])) << "step " << step;
    }
  }
  // The sequence reached the limit of both stacks and emptied them down to one entry.
  EXPECT_GT(full_refusals, 20);
  EXPECT_GT(single_pops, 5);
}

TEST_F(Country, FieldQueries) {
  ASSERT_EQ(country(1, "DE").fc, none);  // the current country
  const struct {
    int service;
    std::string code;      // ASCII, as the caller passes it
    std::string expected;  // ASCII, blank-padded to the output here
    test::condition_view fc;
  } cases[] = {
      {mds, "US", ".", none},
      {mds, "DE", ",", none},
      {mds, "XX", ".", warning(3461)},
      {mds, "us", ".", none},
      {mds, "  ", ",", none},  // the current country
      {mds, std::string("\0\0", 2), ",", none},
      {mds, std::string(" \0", 2), ".", warning(3461)},
      {mts, "US", ",", none},
      {mts, "IE", ",", none},
      {mts, "FI", " ", none},
      {mts, "  ", ".", none},
      {mts, "XX", ",", warning(3465)},
      {mcs, "US", "$", none},
      {mcs, "CH", "Fr", none},
      {mcs, "BR", "NCz$", none},
      {mcs, "AE", "", none},
      {mcs, "  ", "DM", none},
      // Currency signs without an ASCII character come in ISO-8859-1.
      {mcs, "cs", "K\xE5s", none},
      {mcs, "PL", "Z\xAA", none},
      {mcs, "KR", "\\", none},
      {mcs, "TH", "\xF8", none},
      {mcs, "AD", "\xA4", none},
      {mcs, "NI", "\xA4", none},
      {mcs, "XX", "\xA4", warning(3463)},
      {fmda, "US", "MM/DD/YY", none},
      {fmda, "  ", "DD.MM.YYYY", none},
      {fmda, "XX", "YYYY-MM-DD", warning(3467)},
      {fmda, "lv", "YYYY.DD.RRRZ", none},
      {fmtm, "US", "ZH:MI:SS AP", none},
      {fmtm, "SE", "kl HH.MI.SS", none},
      {fmtm, "XX", "HH:MI:SS", warning(3469)},
      {fmdt, "CH", "DD. Mmmmmmmmz YYYY HH,MI,SS", none},
      {fmdt, "US", "MM/DD/YY ZH:MI:SS AP", none},
      {fmdt, "XX", "YYYY-MM-DD HH:MI:SS", warning(3471)},
      {fmdt, "  ", "DD.MM.YYYY HH:MI:SS", none},
  };
  for (const auto& c : cases) {
    const field_service& s = services[c.service];
    const call_result r = field(s, c.code);
    EXPECT_EQ(r.parameter, padded(c.expected, s.width)) << s.name << " " << c.code;
    EXPECT_EQ(r.fc, c.fc) << s.name << " " << c.code;
  }
  // The blank country follows the stack.
  ASSERT_EQ(country(3, "US").fc, none);
  EXPECT_EQ(field(services[fmda], "  ").parameter, padded("MM/DD/YY", 80));
  ASSERT_EQ(country(1, "  ").fc, none);
  EXPECT_EQ(field(services[fmda], "  "), (call_result{std::string(80, ' '), none}));
}

// Every country of the table and every query: the EBCDIC caller gets the table's bytes, the ASCII
// caller the same bytes in ISO-8859-1, and both get the same warnings.
TEST_F(Country, EveryCountryInBothCodeSets) {
  ASSERT_EQ(country(1, "  ").fc, none);  // the blank code then asks for the blank record
  for (const country::country_record& record : country::country_table()) {
    const std::string code(record.get(country::country_record::code));
    for (const field_service& s : services) {
      country::answer expected;
      country::answer_request(code[0], code[1], s.request, expected);
      const std::string table_bytes(expected.data(), s.width);
      ebcdic_caller();
      const call_result from_ebcdic = field(s, code);
      platform::testing::reset_caller_chain();
      const call_result from_ascii = field(s, ascii(code));
      const call_result from_ascii_lower = field(s, [&] {
        std::string lower = ascii(code);
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return lower;
      }());
      EXPECT_EQ(from_ebcdic, (call_result{table_bytes, none})) << s.name << " " << ascii(code);
      EXPECT_EQ(from_ascii, (call_result{ascii(table_bytes), none})) << s.name << " " << ascii(code);
      EXPECT_EQ(from_ascii_lower, from_ascii) << s.name << " " << ascii(code);
    }
  }
  // An unknown country from an EBCDIC caller: the EBCDIC fallback and an EBCDIC facility.
  ebcdic_caller();
  for (const field_service& s : services) {
    EXPECT_EQ(field(s, ebcdic("XX")),
              (call_result{padded(ebcdic(s.fallback), s.width, '\x40'), {2, s.message, 0x51, "\xC3\xC5\xC5", true}}))
        << s.name;
  }
}

TEST_F(Country, StacksForAnEbcdicCaller) {
  ebcdic_caller();
  const struct {
    stack_entry entry;
    std::size_t width;
    int function;
    std::string given, parameter;  // ASCII here, EBCDIC in the call
    test::condition_view fc;
  } steps[] = {
      {CEE3CTY, 2, 1, "fr", "fr", none},
      {CEE3CTY, 2, 2, "##", "FR", none},
      {CEE3CTY, 2, 3, "XX", "XX", {3, 3456, 0x59, "\xC3\xC5\xC5", true}},
      {CEE3CTY, 2, 4, "##", "FR", {2, 3455, 0x51, "\xC3\xC5\xC5", true}},
      {CEE3LNG, 3, 1, "jpn", "jpn", none},
      {CEE3LNG, 3, 2, "###", "JPN", none},
      {CEE3LNG, 3, 9, "###", "###", {3, 3452, 0x59, "\xC3\xC5\xC5", true}},
  };
  for (const auto& s : steps) {
    EXPECT_EQ(stack_call(s.entry, s.width, s.function, ebcdic(s.given)), (call_result{ebcdic(s.parameter), s.fc}))
        << s.function << " " << s.given;
  }
}

// OV-PIPI cannot be reached: a query for the current country says so on the console, once per
// call, and answers as for an unknown country; a query for a named country is silent.
TEST_F(Country, StartUpLineWhenTheEnvironmentCannotBeInitialized) {
  platform::testing::set_unreachable("OV-PIPI", true);
  for (const field_service& s : services) {
    for (const std::string& code : {std::string("  "), std::string("\0\0", 2)}) {
      console.clear();
      EXPECT_EQ(field(s, code), (call_result{padded(s.fallback, s.width), warning(s.message)})) << s.name;
      EXPECT_EQ(console, std::vector<std::string>{"Unable to Start Orvane CEE Emulation"}) << s.name;
    }
    console.clear();
    EXPECT_EQ(field(s, "US").fc, none) << s.name;
    EXPECT_TRUE(console.empty()) << s.name;
  }
  // The feedback code omitted: the line all the same, and the fallback.
  console.clear();
  char code[2] = {' ', ' '}, out[4];
  EXPECT_EQ(CEE3MCS(code, out, nullptr), 0);
  EXPECT_EQ(std::string(out, 4), "\xA4   ");
  EXPECT_EQ(console.size(), 1u);
  // The stack services carry on silently.
  console.clear();
  EXPECT_EQ(country(2).fc, none);
  EXPECT_EQ(language(1, "ENU").fc, none);
  EXPECT_TRUE(console.empty());
}

int initializer_calls = 0;
bool initializer_initializes = true;
int counting_initializer(const ovle_int2* f, const ovle_vstring* options, const ovle_vstring* user) noexcept {
  ++initializer_calls;
  return initializer_initializes ? OV0PIPI(f, options, user) : 0;
}

// The current country needs the environment: a query runs OV-PIPI again when the area is still not
// initialized after the frame's own step, and never once it is.
TEST_F(Country, CurrentCountryRunsTheInitializerOnlyWhileNeeded) {
  platform::testing::replace_program("OV-PIPI", reinterpret_cast<platform::program_address>(&counting_initializer));
  initializer_calls = 0;
  initializer_initializes = false;
  EXPECT_EQ(field(services[mds], "  ").fc, warning(3461));  // the stack entry is not a country
  EXPECT_EQ(initializer_calls, 2);
  EXPECT_EQ(field(services[mds], "DE").fc, none);
  EXPECT_EQ(initializer_calls, 3);
  initializer_initializes = true;
  initializer_calls = 0;
  EXPECT_EQ(country(1, "US").fc, none);
  for (const field_service& s : services) EXPECT_EQ(field(s, "  ").fc, none) << s.name;
  EXPECT_EQ(initializer_calls, 1);
  EXPECT_TRUE(console.empty());
}

// The table program cannot be reached: every country is unknown.
TEST_F(Country, WithoutTheTableProgram) {
  platform::testing::set_unreachable("OVCTYDEF", true);
  EXPECT_EQ(field(services[mds], "US"), (call_result{". ", warning(3461)}));
  EXPECT_EQ(field(services[fmdt], "US"), (call_result{padded("YYYY-MM-DD HH:MI:SS", 80), warning(3471)}));
  EXPECT_EQ(country(1, "US").fc, refusal(3456));
  EXPECT_EQ(country(3, "US").fc, refusal(3456));
  EXPECT_EQ(area().country_count(), 1);
}

// A missing required argument gets the library's own condition and nothing written; a missing
// feedback code changes nothing else.
TEST_F(Country, MissingArguments) {
  const ovle_int4 query = test::int4(2);
  for (const stack_entry entry : {CEE3CTY, CEE3LNG}) {
    char code[3] = {'#', '#', '#'};
    ovle_feedback fc = test::dirty_feedback();
    EXPECT_EQ(entry(nullptr, code, &fc), 0);
    EXPECT_EQ(test::view(fc), ovx);
    EXPECT_EQ(std::string(code, 3), "###");
    fc = test::dirty_feedback();
    EXPECT_EQ(entry(&query, nullptr, &fc), 0);
    EXPECT_EQ(test::view(fc), ovx);
    EXPECT_EQ(entry(&query, nullptr, nullptr), 0);
  }
  char code[3] = {'#', '#', '#'};
  ASSERT_EQ(country(1, "FR").fc, none);
  EXPECT_EQ(CEE3CTY(&query, code, nullptr), 0);
  EXPECT_EQ(std::string(code, 3), "FR#");
  for (const field_service& s : services) {
    std::string out(s.width, '#');
    ovle_feedback fc = test::dirty_feedback();
    EXPECT_EQ(s.entry(nullptr, out.data(), &fc), 0);
    EXPECT_EQ(test::view(fc), ovx) << s.name;
    EXPECT_EQ(out, std::string(s.width, '#')) << s.name;
    fc = test::dirty_feedback();
    EXPECT_EQ(s.entry("US", nullptr, &fc), 0);
    EXPECT_EQ(test::view(fc), ovx) << s.name;
    EXPECT_EQ(s.entry("XX", out.data(), nullptr), 0);
    EXPECT_EQ(out, padded(s.fallback, s.width)) << s.name;
  }
}

// Counts a program stored over the area: no request reaches outside its stack.
TEST_F(Country, DamagedCountsStayInsideTheStacks) {
  ASSERT_EQ(country(1, "DE").fc, none);
  ASSERT_EQ(language(1, "ENU").fc, none);
  const struct {
    std::int16_t count;  // stored over both stack counts
    int function;
    std::string country_parameter;  // "" where the entry read holds no country
    test::condition_view country_fc, language_fc;
    std::int16_t count_after;
  } cases[] = {
      {0, 2, "DE", none, none, 0},
      {0, 4, "DE", warning(3455), warning(3450), 0},
      {0, 3, "US", none, none, 2},
      {-7, 2, "DE", none, none, -7},
      {150, 3, "US", refusal(3456), refusal(3451), 150},
      {150, 4, "", none, none, 98},
      {32767, 2, "", none, none, 32767},
      {99, 3, "US", refusal(3456), refusal(3451), 99},
  };
  for (const auto& c : cases) {
    area().set_country_count(c.count);
    area().set_language_count(c.count);
    const auto bytes = area().bytes();
    const std::vector<std::byte> before(bytes.begin(), bytes.end());
    const call_result r = country(c.function, c.function == 3 ? "US" : "##");
    if (!c.country_parameter.empty()) {
      EXPECT_EQ(r.parameter, c.country_parameter) << c.count << " " << c.function;
    }
    EXPECT_EQ(r.fc, c.country_fc) << c.count << " " << c.function;
    EXPECT_EQ(area().country_count(), c.count_after) << c.count << " " << c.function;
    EXPECT_EQ(language(c.function, c.function == 3 ? "JPN" : "###").fc, c.language_fc) << c.count << " " << c.function;
    EXPECT_EQ(area().language_count(), c.count_after) << c.count << " " << c.function;
    // Only the two stacks and their counts may change.
    for (std::size_t i = 0; i < before.size(); ++i) {
      const bool in_stacks =
          i >= common::ov_le_external::offset::country_count && i < common::ov_le_external::offset::language_number;
      if (!in_stacks) {
        ASSERT_EQ(bytes[i], before[i]) << "offset " << i;
      }
    }
  }
}

}  // namespace
}  // namespace ovle
