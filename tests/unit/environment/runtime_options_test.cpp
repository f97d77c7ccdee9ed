// The run-time option parser: its vocabulary of names and abbreviations, a table of option texts
// against the messages they print and the values they leave, and the options report.
#include "environment/runtime_options.hpp"

#include <map>
#include <memory>
#include <random>
#include <set>

#include "ovle_test.hpp"

namespace ovle {
namespace {

using environment::find_option;
using environment::option_origin;
using environment::vocabulary;

// Every spelling the parser accepts names exactly one option: the full name, the published
// abbreviation and, where that begins the name, every spelling between the two; NO before any of
// them where the option has a NO form. Other prefixes of the name do not name the option.
TEST(RuntimeOptionVocabulary, EverySpellingNamesOneOption) {
  std::map<std::string, std::pair<std::size_t, bool>> spellings;
  const auto options = vocabulary();
  for (std::size_t i = 0; i < options.size(); ++i) {
    const std::string name(options[i].name);
    const std::string abbreviation(options[i].abbreviation);
    std::vector<std::string> candidates = {abbreviation};
    for (std::size_t n = 1; n <= name.size(); ++n) candidates.push_back(name.substr(0, n));
    for (const std::string& candidate : candidates) {
      if (candidate.empty()) continue;
      const bool prefix_abbreviation = !abbreviation.empty() && name.starts_with(abbreviation);
      const bool named = candidate == name || candidate == abbreviation ||
                         (prefix_abbreviation && candidate.size() > abbreviation.size());
      for (const bool no : {false, true}) {
        const std::string spelling = (no ? "NO" : "") + candidate;
        const auto found = find_option(spelling);
        if (named && (!no || options[i].has_no_form)) {
          ASSERT_TRUE(found.has_value()) << spelling;
          EXPECT_EQ(std::pair(found->index, found->no_form), std::pair(i, no)) << spelling;
          const auto [at, fresh] = spellings.emplace(spelling, std::pair(i, no));
          EXPECT_TRUE(fresh || at->second == std::pair(i, no)) << spelling << " names two options";
          std::string lower = spelling;
          for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
          EXPECT_EQ(find_option(lower).value_or(environment::option_match{999, false}).index, i) << lower;
        } else if (found) {
          EXPECT_FALSE(found->index == i && found->no_form == no) << spelling << " is no spelling of " << name;
        }
      }
    }
  }
  // The published abbreviations mainframe users type, and names that are none.
  const std::pair<const char*, const char*> typed[] = {
      {"RPTO", "RPTOPTS"},       {"RPTS", "RPTSTG"},  {"STOR", "STORAGE"},   {"H", "HEAP"},
      {"CO", "COUNTRY"},         {"NAT", "NATLANG"},  {"MSGF", "MSGFILE"},   {"TER", "TERMTHDACT"},
      {"NONIPS", "NONIPTSTACK"}, {"HP", "HEAPPOOLS"}, {"STO", nullptr},      {"ALL", nullptr},
      {"ALL3", nullptr},         {"RPT", nullptr},    {"NORPTSTG", nullptr}, {"TES", nullptr},
      {"PLITASK", nullptr},      {"NO", nullptr},     {"", nullptr}};
  for (const auto& [spelling, name] : typed) {
    const auto found = find_option(spelling);
    EXPECT_EQ(found ? std::string(options[found->index].name) : "none", name ? name : "none") << spelling;
  }
}

class RuntimeOptions : public test::run_unit {
 protected:
  // A cleared area asks for no options report at the end of the test process.
  void TearDown() override {
    platform::testing::clear_external_areas();
    run_unit::TearDown();
  }
  // A fresh environment on host "B", then the host under test.
  void fresh_environment(char host) {
    platform::testing::clear_external_areas();
    ovle_int4 window;
    CEEQCEN(&window, nullptr);
    area().set_host_code(host);
    console.clear();
  }
  static std::string value(const char* name) { return environment::option_value(area(), find_option(name)->index); }
  static std::string where(const char* name) {
    return std::string(environment::source_label(environment::last_set(find_option(name)->index)));
  }
};

TEST_F(RuntimeOptions, TextsPrintTheirMessagesAndLeaveTheirValues) {
  constexpr char b = common::ov_le_external::host_brantley_forge;
  constexpr char q = common::ov_le_external::host_quill_works;
  constexpr char h = common::ov_le_external::host_harbinger;
  constexpr auto file = option_origin::configuration_file;
  constexpr auto command = option_origin::invocation_command;
  const std::string header = "CEE3608I The following messages pertain to the invocation command run-time options.";
  const std::string heap_default = "HEAP(32768,32768,ANYWHERE,KEEP,8192,4096)";
  const struct {
    const char* text;
    option_origin origin;
    char host;
    std::vector<std::string> messages;
    std::map<std::string, std::string> values;  // option -> value in the report ("@" + option: where set)
    // clang-format off
  } cases[] = {
      {"RPTSTG(ON)", file, b, {}, {{"RPTSTG", "RPTSTG(ON)"}, {"@RPTSTG", "Configuration file"}}},
      {" rpts(on),rpto(On)  ", command, b, {},
       {{"RPTSTG", "RPTSTG(ON)"}, {"RPTOPTS", "RPTOPTS(ON)"}, {"@RPTOPTS", "Invocation command"}}},
      {"RPT(ON)", file, b, {"CEE3611I The run-time option RPT was an invalid run-time option."},
       {{"RPTSTG", "RPTSTG(OFF)"}, {"@RPTSTG", "Installation default"}}},
      {"HEAP(64K,16K,ANY,FREE,,2M)", file, b, {}, {{"HEAP", "HEAP(65536,16384,ANYWHERE,FREE,8192,2097152)"}}},
      {"heap ( 64k , 16k )", file, b, {}, {{"HEAP", "HEAP(65536,16384,ANYWHERE,KEEP,8192,4096)"}}},
      {"H(100) HEAP(,0,BELOW)", file, b, {}, {{"HEAP", "HEAP(104,8,BELOW,KEEP,8192,4096)"}}},
      {"HEAP(,,,)", file, b, {}, {{"HEAP", heap_default}, {"@HEAP", "Installation default"}}},
      {"HEAP(64X)", file, b,
       {"CEE3614I An invalid character occurred in the numeric string '64X' of the run-time option HEAP."},
       {{"HEAP", heap_default}}},
      {"HEAP(-1)", file, b,
       {"CEE3614I An invalid character occurred in the numeric string '-1' of the run-time option HEAP."}, {}},
      {"HEAP(4194304K)", file, b,
       {"CEE3617I The number 4194304K of the run-time option HEAP exceeded the range of -2147483648 to 2147483647."},
       {{"HEAP", heap_default}}},
      {"HEAP(200M,1K)", file, b, {"CEE3616I The string '200M' was not a valid suboption of the run-time option HEAP."},
       {{"HEAP", "HEAP(32768,1024,ANYWHERE,KEEP,8192,4096)"}}},
      {"HEAP(1,2,SOMEWHERE,KEEP,5,6,7)", file, b,
       {"CEE3612I Too many suboptions were specified for the run-time option HEAP.",
        "CEE3616I The string 'SOMEWHERE' was not a valid suboption of the run-time option HEAP."},
       {{"HEAP", "HEAP(8,8,ANYWHERE,KEEP,8,8)"}}},
      {"STORAGE(00,FE)", file, b, {}, {{"STORAGE", "STORAGE(00,FE,NONE,0)"}}},
      {"STOR('a','bc',CLEAR,8K)", file, b,
       {"CEE3622I The STORAGE option quoted suboption string 'bc' was not one character long."},
       {{"STORAGE", "STORAGE(81,NONE,CLEAR,8192)"}}},
      {"STORAGE(ZZ) STO(00)", file, b,
       {"CEE3616I The string 'ZZ' was not a valid suboption of the run-time option STORAGE.",
        "CEE3611I The run-time option STO was an invalid run-time option."},
       {{"STORAGE", "STORAGE(NONE,NONE,NONE,0)"}}},
      {"STORAGE(FE,FE) STORAGE(NONE)", file, b, {}, {{"STORAGE", "STORAGE(NONE,FE,NONE,0)"}}},
      {"MSGFILE(sysprint,FB,133,0,ENQ)", file, b, {}, {{"MSGFILE", "MSGFILE(SYSPRINT,FB,133,0,ENQ)"}}},
      {"MSGF(X,VBX)", file, b,
       {"CEE3635I The string VBX was not a valid RECFM suboption specification for run-time option MSGFILE."},
       {{"MSGFILE", "MSGFILE(X,FBA,121,0,NOENQ)"}}},
      {"MSGFILE(X,F,32761)", file, b,
       {"CEE3636I The value 32761 exceeded the maximum allowable LRECL or BLKSIZE of 32760 bytes."}, {}},
      {"MSGFILE(TOOLONGNAME)", file, b, {"CEE3606I The string 'TOOLONGNAME' was too long and was ignored."},
       {{"MSGFILE", "MSGFILE(SYSOUT,FBA,121,0,NOENQ)"}}},
      // Found by fuzzing: an empty quoted ddname left the message file blank, writing nowhere.
      {"MSGFILE('',F)", file, b, {"CEE3616I The string '' was not a valid suboption of the run-time option MSGFILE."},
       {{"MSGFILE", "MSGFILE(SYSOUT,F,121,0,NOENQ)"}}},
      {"MSGFILE('abc'x,V)", file, b,
       {"CEE3601I The string 'x' was found where a delimiter was expected following a quoted suboption for the "
        "run-time option MSGFILE."},
       {{"MSGFILE", "MSGFILE(abc,V,121,0,NOENQ)"}}},
      {"MSGFILE('it''s') RPTSTG(ON)", file, b, {},
       {{"MSGFILE", "MSGFILE(it's,FBA,121,0,NOENQ)"}, {"RPTSTG", "RPTSTG(ON)"}}},
      {"RPTOPTS(ON) ENVAR('A=1 RPTSTG(ON)", command, b,
       {header, "CEE3602I An end quote delimiter did not occur before the end of the run-time option string."},
       {{"RPTOPTS", "RPTOPTS(ON)"}, {"RPTSTG", "RPTSTG(OFF)"}}},
      {"RPTSTG(ON", file, b, {"CEE3607I The end of the suboption string did not contain a right parenthesis."},
       {{"RPTSTG", "RPTSTG(ON)"}}},
      {"RPTSTG()", file, b, {}, {{"@RPTSTG", "Installation default"}}},
      {"RPTSTG('ON')", file, b, {"CEE3616I The string 'ON' was not a valid suboption of the run-time option RPTSTG."},
       {{"RPTSTG", "RPTSTG(OFF)"}}},
      {"NOTEST", file, b, {"OVX9999I The run-time option NOTEST is not supported in this release of Brantley Forge."},
       {{"TEST", "NOTEST(ALL,*,PROMPT,INSPPREF)"}}},
      {"TRAP(OFF)", file, q, {"OVX9999I The run-time option TRAP is not supported in this release of Quill Works."},
       {{"TRAP", "TRAP(ON,SPIE)"}}},
      {"POS(ON)", command, h,
       {header, "OVX9999I The run-time option POSIX is not supported in this release of Harbinger Console."}, {}},
      {"EXECOPS PLIST(MVS)", file, b, {}, {{"PLIST", "PLIST(MVS)"}, {"@EXECOPS", "Configuration file"}}},
      {"NOEXECOPS BAD1 BAD2", command, b,
       {header, "CEE3618I The run-time option NOEXECOPS was not valid from the invocation command.",
        "CEE3611I The run-time option BAD1 was an invalid run-time option.",
        "CEE3611I The run-time option BAD2 was an invalid run-time option."},
       {{"EXECOPS", "EXECOPS"}}},
      {"UPSI(1010)", file, b, {"CEE3623I The UPSI option suboption string '1010' was not eight characters long."},
       {{"UPSI", "UPSI(00000000)"}}},
      {"UPSI(10102010) UPSI(10100001)", file, b,
       {"CEE3616I The string '10102010' was not a valid suboption of the run-time option UPSI."},
       {{"UPSI", "UPSI(10100001)"}}},
      {"AIXBLD(ON) NOAIX", file, b, {"CEE3612I Too many suboptions were specified for the run-time option AIXBLD."},
       {{"AIXBLD", "NOAIXBLD"}}},
      {"AIX", file, b, {}, {{"AIXBLD", "AIXBLD"}, {"@AIXBLD", "Configuration file"}}},
      {"ALL31(ON) ALL(OFF)", file, b, {"CEE3611I The run-time option ALL was an invalid run-time option."},
       {{"ALL31", "ALL31(ON)"}}},
      {"COUNTRY(gb) NAT(UEN)", file, b, {}, {{"COUNTRY", "COUNTRY(GB)"}, {"NATLANG", "NATLANG(UEN)"}}},
      {"CO(G1) COUNTRY(GBR) NATLANG(XYZ)", file, b,
       {"CEE3616I The string 'G1' was not a valid suboption of the run-time option COUNTRY.",
        "CEE3606I The string 'GBR' was too long and was ignored.",
        "CEE3616I The string 'XYZ' was not a valid suboption of the run-time option NATLANG."},
       {{"COUNTRY", "COUNTRY(US)"}, {"NATLANG", "NATLANG(ENU)"}}},
      {"MSGQ(-2147483648) PRTUNIT(+7) ERRUNIT(2147483647)", file, b, {},
       {{"MSGQ", "MSGQ(-2147483648)"}, {"PRTUNIT", "PRTUNIT(7)"}, {"ERRUNIT", "ERRUNIT(2147483647)"}}},
      {"MSGQ(2147483648)", file, b,
       {"CEE3617I The number 2147483648 of the run-time option MSGQ exceeded the range of -2147483648 to 2147483647."},
       {{"MSGQ", "MSGQ(15)"}}},
      {"MSGQ(000000000000000000042)", file, b, {}, {{"MSGQ", "MSGQ(42)"}}},
      {"* RPTSTG(ON)", file, b, {}, {{"RPTSTG", "RPTSTG(OFF)"}}},
      {"  # RPTSTG(ON)", file, b, {}, {{"RPTSTG", "RPTSTG(OFF)"}}},
      {"XUFLOW(AUTO) RECPAD(ALL) CBLOPTS(OFF) HP(ON) NONIPS(8K)", file, b, {},
       {{"XUFLOW", "XUFLOW(AUTO)"}, {"RECPAD", "RECPAD(ALL)"}, {"CBLOPTS", "CBLOPTS(OFF)"},
        {"HEAPPOOLS", "HEAPPOOLS(ON,8,10,32,10,128,10,256,10,1024,10,2048,10)"},
        {"NONIPTSTACK", "NONIPTSTACK(8192,4096,BELOW,KEEP)"}}},
      {"(ON)", file, b, {"CEE3611I The run-time option  was an invalid run-time option."}, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    fresh_environment(c.host);
    environment::parse_options(area(), c.text, c.origin);
    EXPECT_EQ(console, c.messages);
    for (const auto& [name, expected] : c.values) {
      EXPECT_EQ(name.starts_with("@") ? where(name.c_str() + 1) : value(name.c_str()), expected) << name;
    }
  }
}

// Any text, however malformed, gives only the vocabulary's messages, reads nothing past its end and
// leaves every option field of the area well-formed.
TEST_F(RuntimeOptions, MalformedTextsKeepTheAreaWellFormed) {
  const std::set<std::string> known = {"CEE3601I", "CEE3602I", "CEE3606I", "CEE3607I", "CEE3608I", "CEE3611I",
                                       "CEE3612I", "CEE3614I", "CEE3616I", "CEE3617I", "CEE3618I", "CEE3622I",
                                       "CEE3623I", "CEE3635I", "CEE3636I", "OVX9999I"};
  const char* pieces[] = {"HEAP",  "H",      "STOR",  "STORAGE",     "RPTS",     "RPTO", "ALL31", "MSGF", "CO", "NAT",
                          "UPSI",  "NOTEST", "ENVAR", "EXECOPS",     "HP",       "(",    ")",     ",",    " ",  "'",
                          "\"",    "''",     "ON",    "OFF",         "64K",      "2M",   "-1",    "0",    "FE", "'x'",
                          "BELOW", "FREE",   "VB",    "99999999999", "10101010", "NONE", "GB",    "abc",  "#",  "*"};
  std::mt19937 random(20261206);
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const int count = static_cast<int>(random() % 24);
    for (int i = 0; i < count; ++i) text += pieces[random() % std::size(pieces)];
    text = text.substr(0, 100);
    fresh_environment(random() % 2 ? common::ov_le_external::host_brantley_forge
                                   : common::ov_le_external::host_harbinger);
    // The text alone in its own allocation: a read past its end is the sanitizer's to see.
    const auto copy = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(copy.get(), text.data(), text.size());
    environment::parse_options(area(), {copy.get(), text.size()},
                               random() % 2 ? option_origin::invocation_command : option_origin::configuration_file);
    for (const auto& line : console) EXPECT_TRUE(known.contains(line.substr(0, 8))) << text << " -> " << line;
    const auto digits = [&](std::size_t offset, std::size_t width) { return area().digits(offset, width); };
    using off = common::ov_le_external::offset;
    for (const std::size_t at :
         {off::heap_initial, off::heap_increment, off::heap_below_initial, off::heap_below_increment}) {
      EXPECT_GE(digits(at, 8), 8) << text;
    }
    const std::int64_t heap0[] = {area().heap0_initial(), area().heap0_increment()};
    EXPECT_EQ(heap0[0], digits(off::heap_initial, 8)) << text;
    EXPECT_EQ(heap0[1], digits(off::heap_increment, 8)) << text;
    for (const std::size_t at : {off::heap_location, off::heap_keep_free, off::storage_heap_switch,
                                 off::storage_free_switch, off::all31, off::rptstg, off::rptopts, off::cblopts}) {
      EXPECT_TRUE(digits(at, 1) == 0 || digits(at, 1) == 1) << text << " at " << at;
    }
    if (testing::Test::HasFailure()) break;
  }
}

// The parsed values reach the fields the storage services and the exit processing read.
TEST_F(RuntimeOptions, AreaOptionsReachTheirFields) {
  fresh_environment(common::ov_le_external::host_brantley_forge);
  environment::parse_options(area(), "HEAP(1M,64K,BELOW,FREE,16K,8K) STORAGE(AA,'*') ALL31(ON) RPTSTG(ON)",
                             option_origin::configuration_file);
  environment::parse_options(area(), "RPTOPTS(ON) CBLOPTS(OFF) MSGFILE(REPORT) COUNTRY(DE) NATLANG(JPN)",
                             option_origin::invocation_command);
  EXPECT_TRUE(console.empty());
  const std::string fields =
      platform::ascii_from_ebcdic({reinterpret_cast<const char*>(area().bytes().data()) + 651, 34}) + " " +
      test::hex(area().at(685), 4) + " " + test::hex(area().at(689), 4) + " " +
      platform::ascii_from_ebcdic({area().at(693), 8}) + " " + platform::ascii_from_ebcdic({area().at(131), 2}) +
      platform::ascii_from_ebcdic({area().at(331), 3});
  EXPECT_EQ(fields, "0104857600065536110001638400008192 F1F1AA5C F1F1F1F0 REPORT   DEJPN");
  EXPECT_EQ(std::pair(area().heap0_initial(), area().heap0_increment()), std::pair(1048576, 65536));
}

TEST_F(RuntimeOptions, TheReportListsEveryOptionWithWhereItWasSet) {
  fresh_environment(common::ov_le_external::host_brantley_forge);
  environment::parse_options(area(), "RPTSTG(ON) NOAIXBLD", option_origin::configuration_file);
  environment::parse_options(area(), "RPTO(ON) TEST", option_origin::invocation_command);
  const auto lines = environment::options_report(area());
  ASSERT_EQ(lines.size(), 4 + vocabulary().size());
  EXPECT_EQ(lines[0], " Options Report ");
  EXPECT_EQ(lines[2], " LAST WHERE SET          OPTION ");
  std::set<std::string> wanted = {" Configuration file    NOAIXBLD",
                                  " Configuration file      RPTSTG(ON)",
                                  " Invocation command      RPTOPTS(ON)",
                                  " Installation default    ALL31(OFF)",
                                  " Installation default  NOTEST(ALL,*,PROMPT,INSPPREF)",
                                  " Installation default    HEAP(32768,32768,ANYWHERE,KEEP,8192,4096)"};
  for (const auto& line : lines) {
    EXPECT_LE(line.size(), 121u) << line;  // one record of a named output
    wanted.erase(line);
  }
  EXPECT_TRUE(wanted.empty()) << *wanted.begin();
  for (std::size_t i = 0; i < vocabulary().size(); ++i) {  // one line per option, in the vocabulary's order
    EXPECT_NE(lines[4 + i].find(std::string(vocabulary()[i].name)), std::string::npos) << lines[4 + i];
  }
}

}  // namespace
}  // namespace ovle
