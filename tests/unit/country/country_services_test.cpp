// The country and language services through their C entries: the two stacks against a model, the
// field queries for ASCII and EBCDIC callers, the start-up line, missing arguments, damaged counts.
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

std::string ebcdic(std::string_view ascii) { return platform::ebcdic_from_ascii(ascii); }
std::string ascii(std::string_view ebcdic_text) { return platform::ascii_from_ebcdic(ebcdic_text); }
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
  test::condition_view fc;
  friend bool operator==(const call_result&, const call_result&) = default;
  friend std::ostream& operator<<(std::ostream& os, const call_result& r) {
    return os << "{" << test::hex(r.parameter.data(), r.parameter.size()) << ", " << r.fc << "}";
  }
};

using stack_entry = int (*)(const ovle_int4*, char*, ovle_feedback*);
call_result stack_call(stack_entry entry, int function, std::string code) {
  const ovle_int4 f = test::int4(function);
  ovle_feedback fc = test::dirty_feedback();
  EXPECT_EQ(entry(&f, code.data(), &fc), 0);
  return {code, test::view(fc)};
}
call_result country(int function, std::string code = "##") { return stack_call(CEE3CTY, function, code); }

using field_entry = int (*)(const char*, char*, ovle_feedback*);
struct field_service {
  const char* name;
  field_entry entry;
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

class Country : public test::run_unit {};

// Random requests on both stacks against a vector each, from an ASCII and from an EBCDIC caller,
// in phases that fill the stacks to their 99 entries and empty them again.
TEST_F(Country, StacksFollowAModelThroughRandomRequests) {
  const std::string country_codes[] = {"US", "de", "Fr", "cH", "ZW", "ad", "  ", "XX", "Q1", "zz", "u "};
  const std::set<std::string> known_countries = {"US", "DE", "FR", "CH", "ZW", "AD", "  "};
  const std::string language_codes[] = {"ENU", "uen", "Jpn", "ENG", "xyz", "   ", "EN "};
  const std::set<std::string> known_languages = {"ENU", "UEN", "JPN"};
  for (const bool from_ebcdic : {false, true}) {
    from_ebcdic ? ebcdic_caller() : platform::testing::reset_caller_chain();
    const auto in_code_set = [&](call_result r) {
      if (from_ebcdic) r.parameter = ebcdic(r.parameter);
      if (from_ebcdic && r.fc != none) r.fc.facility = "\xC3\xC5\xC5";
      return r;
    };
    std::mt19937 rng(3456);
    std::vector<std::string> countries{"US"};   // bottom first: the current country is the last
    std::vector<std::string> languages{"ENU"};  // the current language is the first
    ASSERT_EQ(stack_call(CEE3CTY, 1, in_code_set({"US", none}).parameter).fc, none);
    ASSERT_EQ(stack_call(CEE3LNG, 1, in_code_set({"ENU", none}).parameter).fc, none);
    int full_refusals = 0, single_pops = 0;
    for (int step = 0; step < 8000; ++step) {
      const bool filling = step / 1000 % 2 == 0;  // pushes outweigh pops, then pops outweigh pushes
      const int roll = static_cast<int>(rng() % 100);
      const int function = roll < 3                     ? static_cast<int>(rng() % 2) * 5  // 0 or 5
                           : roll < 8                   ? 1
                           : roll < 13                  ? 2
                           : roll < (filling ? 95 : 25) ? 3
                                                        : 4;
      const bool on_countries = rng() % 2 == 0;
      auto& stack = on_countries ? countries : languages;
      const std::string code = on_countries ? country_codes[rng() % std::size(country_codes)]
                                            : language_codes[rng() % std::size(language_codes)];
      const bool known = (on_countries ? known_countries : known_languages).count(upper(code)) != 0;
      // The current entry is the last of the country stack and the first of the language stack.
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
      const call_result r = stack_call(on_countries ? CEE3CTY : CEE3LNG, function, in_code_set({code, none}).parameter);
      ASSERT_EQ(r, in_code_set(expected)) << "step " << step << ": " << function << " '" << code << "'";
      ASSERT_EQ(area().country_count(), static_cast<int>(countries.size())) << "step " << step;
      ASSERT_EQ(area().language_count(), static_cast<int>(languages.size())) << "step " << step;
      for (std::size_t i = 0; i < countries.size(); ++i) {
        ASSERT_EQ(std::string(area().country(i + 1).data(), 2), ebcdic(countries[i])) << "step " << step;
      }
      for (std::size_t i = 0; i < languages.size(); ++i) {
        ASSERT_EQ(std::string(area().language(i + 1).data(), 3), ebcdic(languages[i])) << "step " << step;
      }
    }
    EXPECT_GT(full_refusals, 20);  // the sequence reached the limit of the stacks
    EXPECT_GT(single_pops, 5);     // and emptied them down to one entry
  }
}

// The current country for a blank or low-value code; currency signs in ISO-8859-1.
TEST_F(Country, FieldQueries) {
  ASSERT_EQ(country(1, "DE").fc, none);  // the current country
  const struct {
    int service;
    std::string code;      // as the caller passes it
    std::string expected;  // blank-padded to the output here
    test::condition_view fc;
  } cases[] = {
      {mds, "  ", ",", none},  // the current country
      {mts, "  ", ".", none},
      {mds, std::string("\0\0", 2), ",", none},
      {mds, std::string(" \0", 2), ".", warning(3461)},
      {mcs, "  ", "DM", none},
      // Currency signs without an ASCII character come in ISO-8859-1.
      {mcs, "cs", "K\xE5s", none},
      {mcs, "PL", "Z\xAA", none},
      {mcs, "KR", "\\", none},
      {mcs, "TH", "\xF8", none},
      {mcs, "AD", "\xA4", none},
      {mcs, "XX", "\xA4", warning(3463)},
      {fmdt, "  ", "DD.MM.YYYY HH:MI:SS", none},
  };
  for (const auto& c : cases) {
    const field_service& s = services[c.service];
    EXPECT_EQ(field(s, c.code), (call_result{padded(c.expected, s.width), c.fc})) << s.name << " " << c.code;
  }
  // The blank country follows the stack, down to the blank record.
  ASSERT_EQ(country(3, "US").fc, none);
  EXPECT_EQ(field(services[fmda], "  ").parameter, padded("MM/DD/YY", 80));
  ASSERT_EQ(country(1, "  ").fc, none);
  EXPECT_EQ(field(services[fmda], "  "), (call_result{std::string(80, ' '), none}));
}

// Every country of the table and every query: the EBCDIC caller gets the table's bytes, the ASCII
// caller the same bytes in ISO-8859-1, whatever the case of the code it passes.
TEST_F(Country, EveryCountryInBothCodeSets) {
  ASSERT_EQ(country(1, "  ").fc, none);  // the blank code then reaches the blank record
  for (const country::country_record& record : country::country_table()) {
    const std::string code(record.get(country::country_record::code));
    std::string lower = ascii(code);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const field_service& s : services) {
      country::answer expected;
      country::answer_request(code[0], code[1], s.request, expected);
      const std::string table_bytes(expected.data(), s.width);
      ebcdic_caller();
      EXPECT_EQ(field(s, code), (call_result{table_bytes, none})) << s.name << " " << lower;
      platform::testing::reset_caller_chain();
      EXPECT_EQ(field(s, ascii(code)), (call_result{ascii(table_bytes), none})) << s.name << " " << lower;
      EXPECT_EQ(field(s, lower), (call_result{ascii(table_bytes), none})) << s.name << " " << lower;
    }
  }
  ebcdic_caller();
  for (const field_service& s : services) {
    EXPECT_EQ(field(s, ebcdic("XX")),
              (call_result{padded(ebcdic(s.fallback), s.width, '\x40'), {2, s.message, 0x51, "\xC3\xC5\xC5", true}}))
        << s.name;
  }
}

// OV-PIPI cannot be reached: a query for the current country says so on the console, once a call,
// and answers as for an unknown country; a query for a named country is silent, as are the stacks.
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
    EXPECT_EQ(country(2).fc, none);
    EXPECT_TRUE(console.empty()) << s.name;
  }
}

int initializer_calls = 0;
bool initializer_initializes = true;
int counting_initializer(const ovle_int2* f, const ovle_vstring* options, const ovle_vstring* user) noexcept {
  ++initializer_calls;
  return initializer_initializes ? OV0PIPI(f, options, user) : 0;
}

// The current country runs OV-PIPI again while the area is not initialized, and never once it is.
TEST_F(Country, CurrentCountryRunsTheInitializerOnlyWhileNeeded) {
  platform::testing::replace_program("OV-PIPI", reinterpret_cast<platform::program_address>(&counting_initializer));
  initializer_calls = 0;
  initializer_initializes = false;
  EXPECT_EQ(field(services[mds], "  ").fc, warning(3461));  // the zero entry is no country
  EXPECT_EQ(field(services[mds], "DE").fc, none);
  EXPECT_EQ(initializer_calls, 3);
  initializer_initializes = true;
  initializer_calls = 0;
  EXPECT_EQ(country(1, "US").fc, none);
  for (const field_service& s : services) EXPECT_EQ(field(s, "  ").fc, none) << s.name;
  EXPECT_EQ(initializer_calls, 1);
}

// Without the table program every country is unknown; missing arguments give the library's own
// condition and nothing written; a missing feedback code changes nothing else.
TEST_F(Country, WithoutTheTableProgramOrArguments) {
  const test::condition_view ovx = test::ascii_condition(4, 9999, 0, "OVX");
  const ovle_int4 query = test::int4(2);
  for (const stack_entry entry : {CEE3CTY, CEE3LNG}) {
    char code[3] = {'#', '#', '#'};
    ovle_feedback fc = test::dirty_feedback();
    EXPECT_EQ(entry(nullptr, code, &fc), 0);
    EXPECT_EQ((call_result{std::string(code, 3), test::view(fc)}), (call_result{"###", ovx}));
    EXPECT_EQ(entry(&query, nullptr, &fc), 0);
    EXPECT_EQ(test::view(fc), ovx);
  }
  for (const field_service& s : services) {
    std::string out(s.width, '#');
    ovle_feedback fc = test::dirty_feedback();
    EXPECT_EQ(s.entry(nullptr, out.data(), &fc), 0);
    EXPECT_EQ((call_result{out, test::view(fc)}), (call_result{std::string(s.width, '#'), ovx})) << s.name;
    EXPECT_EQ(s.entry("XX", out.data(), nullptr), 0);
    EXPECT_EQ(out, padded(s.fallback, s.width)) << s.name;
  }
  platform::testing::set_unreachable("OVCTYDEF", true);
  EXPECT_EQ(field(services[mds], "US"), (call_result{". ", warning(3461)}));
  EXPECT_EQ(country(1, "US").fc, refusal(3456));
  EXPECT_EQ(country(3, "US").fc, refusal(3456));
}

// Stacks a program wrote over the area: no count makes a request reach outside its stack, and
// entries are answered in upper case.
TEST_F(Country, DamagedCountsStayInsideTheStacks) {
  ASSERT_EQ(country(1, "DE").fc, none);
  const struct {
    std::int16_t count;  // stored over both counts
    int function;
    test::condition_view country_fc, language_fc;
    std::int16_t count_after;
  } cases[] = {
      {0, 2, none, none, 0},         {0, 4, warning(3455), warning(3450), 0},     {0, 3, none, none, 2},
      {-7, 1, none, none, -7},       {150, 3, refusal(3456), refusal(3451), 150}, {150, 4, none, none, 98},
      {32767, 2, none, none, 32767}, {99, 3, refusal(3456), refusal(3451), 99},
  };
  for (const auto& c : cases) {
    area().set_country_count(c.count);
    area().set_language_count(c.count);
    const auto bytes = area().bytes();
    const std::vector<std::byte> before(bytes.begin(), bytes.end());
    EXPECT_EQ(country(c.function, "US").fc, c.country_fc) << c.count << " " << c.function;
    EXPECT_EQ(stack_call(CEE3LNG, c.function, "JPN").fc, c.language_fc) << c.count << " " << c.function;
    EXPECT_EQ(area().country_count(), c.count_after) << c.count << " " << c.function;
    EXPECT_EQ(area().language_count(), c.count_after) << c.count << " " << c.function;
    for (std::size_t i = 0; i < before.size(); ++i) {
      const bool in_stacks =
          i >= common::ov_le_external::offset::country_count && i < common::ov_le_external::offset::language_number;
      if (!in_stacks) {
        ASSERT_EQ(bytes[i], before[i]) << "offset " << i;  // only the stacks change
      }
    }
  }
  // Entries a program wrote in lower case are answered in upper case.
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
