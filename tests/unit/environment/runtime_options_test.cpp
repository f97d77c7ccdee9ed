// The run-time option parser: its vocabulary of names and abbreviations, a table of option texts
// against the messages they print and the values they leave, and the options report.
#include "environment/runtime_options.hpp"

#include <map>
#include <set>

#include "ovle_test.hpp"

namespace ovle {
namespace {

using environment::find_option;
using environment::option_origin;
using environment::vocabulary;
using namespace std::string_view_literals;

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
      {"RPTO", "RPTOPTS"},       {"STOR", "STORAGE"}, {"H", "HEAP"},    {"TER", "TERMTHDACT"},
      {"NONIPS", "NONIPTSTACK"}, {"HP", "HEAPPOOLS"}, {"STO", nullptr}, {"ALL3", nullptr},
      {"NORPTSTG", nullptr},     {"TES", nullptr},    {"NO", nullptr},  {"", nullptr}};
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
  const struct {
    std::string_view text;
    option_origin origin;
    char host;
    std::vector<std::string> messages;
    const char* values;  // "OPTION=value in the report;@OPTION=where it was set;..."
    // clang-format off
  } cases[] = {
      {"RPTSTG(ON)", file, b, {}, "RPTSTG=RPTSTG(ON);@RPTSTG=Configuration file"},
      {" rpts(on),rpto(On)  ", command, b, {},
       "RPTSTG=RPTSTG(ON);RPTOPTS=RPTOPTS(ON);@RPTOPTS=Invocation command"},
      {"RPT(ON)", file, b, {"CEE3611I The run-time option RPT was an invalid run-time option."},
       "RPTSTG=RPTSTG(OFF);@RPTSTG=Installation default"},
      {"HEAP(64K,16K,ANY,FREE,,2M)", file, b, {}, "HEAP=HEAP(65536,16384,ANYWHERE,FREE,8192,2097152)"},
      {"heap ( 64k , 16k )", file, b, {}, "HEAP=HEAP(65536,16384,ANYWHERE,KEEP,8192,4096)"},
      {"H(100) HEAP(,0,BELOW)", file, b, {}, "HEAP=HEAP(104,8,BELOW,KEEP,8192,4096)"},
      {"HEAP(,,,)", file, b, {}, "HEAP=HEAP(32768,32768,ANYWHERE,KEEP,8192,4096);@HEAP=Installation default"},
      {"HEAP(64X)", file, b,
       {"CEE3614I An invalid character occurred in the numeric string '64X' of the run-time option HEAP."},
       "HEAP=HEAP(32768,32768,ANYWHERE,KEEP,8192,4096)"},
      {"HEAP(-1)", file, b,
       {"CEE3614I An invalid character occurred in the numeric string '-1' of the run-time option HEAP."}, {}},
      {"HEAP(4194304K)", file, b,
       {"CEE3617I The number 4194304K of the run-time option HEAP exceeded the range of -2147483648 to 2147483647."},
       "HEAP=HEAP(32768,32768,ANYWHERE,KEEP,8192,4096)"},
      {"HEAP(200M,1K)", file, b, {"CEE3616I The string '200M' was not a valid suboption of the run-time option HEAP."},
       "HEAP=HEAP(32768,1024,ANYWHERE,KEEP,8192,4096)"},
      {"HEAP(1,2,SOMEWHERE,KEEP,5,6,7)", file, b,
       {"CEE3612I Too many suboptions were specified for the run-time option HEAP.",
        "CEE3616I The string 'SOMEWHERE' was not a valid suboption of the run-time option HEAP."},
       "HEAP=HEAP(8,8,ANYWHERE,KEEP,8,8)"},
      {"STORAGE(00,FE)", file, b, {}, "STORAGE=STORAGE(00,FE,NONE,0)"},
      {"STOR('a','bc',CLEAR,8K)", file, b,
       {"CEE3622I The STORAGE option quoted suboption string 'bc' was not one character long."},
       "STORAGE=STORAGE(81,NONE,CLEAR,8192)"},
      {"STORAGE(ZZ) STO(00)", file, b,
       {"CEE3616I The string 'ZZ' was not a valid suboption of the run-time option STORAGE.",
        "CEE3611I The run-time option STO was an invalid run-time option."},
       "STORAGE=STORAGE(NONE,NONE,NONE,0)"},
      {"STORAGE(FE,FE) STORAGE(NONE)", file, b, {}, "STORAGE=STORAGE(NONE,FE,NONE,0)"},
      {"MSGFILE(sysprint,FB,133,0,ENQ)", file, b, {}, "MSGFILE=MSGFILE(SYSPRINT,FB,133,0,ENQ)"},
      {"MSGF(X,VBX)", file, b,
       {"CEE3635I The string VBX was not a valid RECFM suboption specification for run-time option MSGFILE."},
       "MSGFILE=MSGFILE(X,FBA,121,0,NOENQ)"},
      {"MSGFILE(X,F,32761)", file, b,
       {"CEE3636I The value 32761 exceeded the maximum allowable LRECL or BLKSIZE of 32760 bytes."}, {}},
      {"MSGFILE(TOOLONGNAME)", file, b, {"CEE3606I The string 'TOOLONGNAME' was too long and was ignored."},
       "MSGFILE=MSGFILE(SYSOUT,FBA,121,0,NOENQ)"},
      // Found by fuzzing: an empty quoted ddname left the message file blank, writing nowhere.
      {"MSGFILE('',F)", file, b, {"CEE3616I The string '' was not a valid suboption of the run-time option MSGFILE."},
       "MSGFILE=MSGFILE(SYSOUT,F,121,0,NOENQ)"},
      {"MSGFILE(' ')", file, b, {"CEE3616I The string ' ' was not a valid suboption of the run-time option MSGFILE."},
       "MSGFILE=MSGFILE(SYSOUT,FBA,121,0,NOENQ)"},
      {"MSGF(A\0)"sv, file, b, {std::string("CEE3616I The string 'A\0' was not a valid suboption of the run-time option MSGFILE.", 82)},
       "MSGFILE=MSGFILE(SYSOUT,FBA,121,0,NOENQ)"},
      {"MSGFILE('abc'x,V)", file, b,
       {"CEE3601I The string 'x' was found where a delimiter was expected following a quoted suboption for the "
        "run-time option MSGFILE."},
       "MSGFILE=MSGFILE('abc',V,121,0,NOENQ)"},
      // A name holds no quote or delimiter; a free text may, and the report quotes it to read back.
      {"MSGFILE('it''s') RPTSTG(ON) VERSION('it''s, (2)')", file, b,
       {"CEE3616I The string 'it's' was not a valid suboption of the run-time option MSGFILE."},
       "MSGFILE=MSGFILE(SYSOUT,FBA,121,0,NOENQ);RPTSTG=RPTSTG(ON);VERSION=VERSION('it''s, (2)')"},
      {"RPTOPTS(ON) ENVAR('A=1 RPTSTG(ON)", command, b,
       {header, "CEE3602I An end quote delimiter did not occur before the end of the run-time option string."},
       "RPTOPTS=RPTOPTS(ON);RPTSTG=RPTSTG(OFF)"},
      {"RPTSTG(ON", file, b, {"CEE3607I The end of the suboption string did not contain a right parenthesis."},
       "RPTSTG=RPTSTG(ON)"},
      {"RPTSTG()", file, b, {}, "@RPTSTG=Installation default"},
      {"RPTSTG('ON')", file, b, {"CEE3616I The string 'ON' was not a valid suboption of the run-time option RPTSTG."},
       "RPTSTG=RPTSTG(OFF)"},
      {"NOTEST", file, b, {"OVX9999I The run-time option NOTEST is not supported in this release of Brantley Forge."},
       "TEST=NOTEST(ALL,*,PROMPT,INSPPREF)"},
      {"TRAP(OFF)", file, q, {"OVX9999I The run-time option TRAP is not supported in this release of Quill Works."},
       "TRAP=TRAP(ON,SPIE)"},
      {"POS(ON)", command, h,
       {header, "OVX9999I The run-time option POSIX is not supported in this release of Harbinger Console."}, {}},
      {"EXECOPS PLIST(MVS)", file, b, {}, "PLIST=PLIST(MVS);@EXECOPS=Configuration file"},
      {"NOEXECOPS BAD1 BAD2", command, b,
       {header, "CEE3618I The run-time option NOEXECOPS was not valid from the invocation command.",
        "CEE3611I The run-time option BAD1 was an invalid run-time option.",
        "CEE3611I The run-time option BAD2 was an invalid run-time option."},
       "EXECOPS=EXECOPS"},
      {"UPSI(1010)", file, b, {"CEE3623I The UPSI option suboption string '1010' was not eight characters long."},
       "UPSI=UPSI(00000000)"},
      {"UPSI(101010101)", file, b,
       {"CEE3623I The UPSI option suboption string '101010101' was not eight characters long."}, "UPSI=UPSI(00000000)"},
      {"UPSI(10102010) UPSI(10100001)", file, b,
       {"CEE3616I The string '10102010' was not a valid suboption of the run-time option UPSI."},
       "UPSI=UPSI(10100001)"},
      {"AIXBLD(ON) NOAIX", file, b, {"CEE3612I Too many suboptions were specified for the run-time option AIXBLD."},
       "AIXBLD=NOAIXBLD"},
      {"AIX", file, b, {}, "AIXBLD=AIXBLD;@AIXBLD=Configuration file"},
      {"ALL31(ON) ALL(OFF)", file, b, {"CEE3611I The run-time option ALL was an invalid run-time option."},
       "ALL31=ALL31(ON)"},
      {"COUNTRY(gb) NAT(UEN)", file, b, {}, "COUNTRY=COUNTRY(GB);NATLANG=NATLANG(UEN)"},
      {"CO(G1) COUNTRY(GBR) NATLANG(XYZ)", file, b,
       {"CEE3616I The string 'G1' was not a valid suboption of the run-time option COUNTRY.",
        "CEE3606I The string 'GBR' was too long and was ignored.",
        "CEE3616I The string 'XYZ' was not a valid suboption of the run-time option NATLANG."},
       "COUNTRY=COUNTRY(US);NATLANG=NATLANG(ENU)"},
      {"MSGQ(-2147483648) PRTUNIT(+7) ERRUNIT(2147483647)", file, b, {},
       "MSGQ=MSGQ(-2147483648);PRTUNIT=PRTUNIT(7);ERRUNIT=ERRUNIT(2147483647)"},
      {"MSGQ(2147483648)", file, b,
       {"CEE3617I The number 2147483648 of the run-time option MSGQ exceeded the range of -2147483648 to 2147483647."},
       "MSGQ=MSGQ(15)"},
      {"MSGQ(000000000000000000042)", file, b, {}, "MSGQ=MSGQ(42)"},
      {"* RPTSTG(ON)", file, b, {}, "RPTSTG=RPTSTG(OFF)"},
      {"  # RPTSTG(ON)", file, b, {}, "RPTSTG=RPTSTG(OFF)"},
      {"XUFLOW(AUTO) RECPAD(ALL) CBLOPTS(OFF) HP(ON) NONIPS(8K)", file, b, {},
       "XUFLOW=XUFLOW(AUTO);RECPAD=RECPAD(ALL);CBLOPTS=CBLOPTS(OFF);"
       "HEAPPOOLS=HEAPPOOLS(ON,8,10,32,10,128,10,256,10,1024,10,2048,10);NONIPTSTACK=NONIPTSTACK(8192,4096,BELOW,KEEP)"},
      {"(ON)", file, b, {"CEE3611I The run-time option  was an invalid run-time option."}, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    fresh_environment(c.host);
    environment::parse_options(area(), c.text, c.origin);
    EXPECT_EQ(console, c.messages);
    const std::string expected = c.values ? c.values : "";
    std::string got;
    for (std::size_t at = 0; at < expected.size(); at = std::min(expected.find(';', at), expected.size()) + 1) {
      const std::string name = expected.substr(at, expected.find('=', at) - at);
      got += (got.empty() ? "" : ";") + name + "=" + (name[0] == '@' ? where(name.c_str() + 1) : value(name.c_str()));
    }
    EXPECT_EQ(got, expected);
  }
}

// One line per option in the vocabulary's order, each a record of a named output (121 characters).
TEST_F(RuntimeOptions, TheReportListsEveryOptionWithWhereItWasSet) {
  fresh_environment(common::ov_le_external::host_brantley_forge);
  environment::parse_options(area(), "RPTSTG(ON) NOAIXBLD", option_origin::configuration_file);
  environment::parse_options(area(), "RPTO(ON) TEST", option_origin::invocation_command);
  const auto lines = environment::options_report(area());
  ASSERT_EQ(lines.size(), 4 + vocabulary().size());
  EXPECT_EQ(lines[0] + lines[1] + lines[2], " Options Report  LAST WHERE SET          OPTION ");
  std::set<std::string> wanted = {" Configuration file    NOAIXBLD", " Configuration file      RPTSTG(ON)",
                                  " Invocation command      RPTOPTS(ON)", " Installation default    ALL31(OFF)",
                                  " Installation default  NOTEST(ALL,*,PROMPT,INSPPREF)"};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), 121u) << lines[i];
    wanted.erase(lines[i]);
    if (i >= 4) {
      EXPECT_NE(lines[i].find(vocabulary()[i - 4].name), std::string::npos) << lines[i];
    }
  }
  EXPECT_TRUE(wanted.empty()) << *wanted.begin();
}

}  // namespace
}  // namespace ovle
