// The ovle command through its own entry points: command lines and their answers, the help read
// from ovle.h, and every entry of the library called through the argument table.
#include <sstream>
#include <string>
#include <vector>

#include "cli.hpp"
#include "entry_call.hpp"
#include "entry_registry.hpp"
#include "header_help.hpp"
#include "ovle_test.hpp"

namespace ovle::tool {
namespace {

struct answer {
  int status;
  std::string out, err;
};

answer ovle(std::vector<std::string_view> words) {
  const parsed_command_line p = parse_command_line(words);
  if (!p.error.empty()) return {exit_usage, "", p.error};
  std::ostringstream out, err;
  const int status = run(p.opts, out, err);
  return {status, out.str(), err.str()};
}

constexpr std::string_view no_condition =
    R"({"success":true,"symbol":null,"severity":0,"message_number":0,"case_severity_control":"00","control":0,)"
    R"("facility":null,"condition":null,"instance":"0000000000000000","hex":"00000000000000000000000000000000"})";

class Cli : public test::run_unit {};

TEST_F(Cli, CommandLinesAndTheirAnswers) {
  struct command {
    std::vector<std::string_view> words;
    int status;
    std::string out;  // all of standard output
    std::string err;  // a part of standard error
  };
  const std::vector<command> commands = {
      {{"CEEDAYS", "2007-05-15", "YYYY-MM-DD"}, 0, "lilian  155076\nfc      success\n", ""},
      {{"ceedays", "May 16, 1988", "Mmm DD, YYYY"}, 0, "lilian  148138\nfc      success\n", ""},
      {{"CEEDYWK", "148138"}, 0, "day  2\nfc   success\n", ""},
      {{"CEEDAYS", "2007-13-15", "YYYY-MM-DD"},
       3,
       "lilian  0\nfc      CEE2EC severity 3, message 2508, facility CEE, control 1: date_invalid\n",
       ""},
      {{"CEEDYWK", "0"},
       3,
       "day  0\nfc   CEE2EG severity 3, message 2512, facility CEE, control 1: lilian_out_of_range\n",
       ""},
      {{"--json", "CEEDYWK", "148138"},
       0,
       R"({"service":"CEEDYWK","call_name":"CEEDYWK","caller":"ASCII","return_code":0,"arguments":{"lilian":148138,)"
       R"("day":2,"fc":)" +
           std::string(no_condition) +
           R"(},"exit_status":0})"
           "\n",
       ""},
      {{"CEEDAYS", "2007-13-15", "YYYY-MM-DD", "--json"},
       3,
       R"({"service":"CEEDAYS","call_name":"CEEDAYS","caller":"ASCII","return_code":0,"arguments":{)"
       R"("date":"2007-13-15","picture":"YYYY-MM-DD","lilian":0,"fc":{"success":false,"symbol":"CEE2EC",)"
       R"("severity":3,"message_number":2508,"case_severity_control":"59","control":1,"facility":"CEE",)"
       R"("condition":"date_invalid","instance":"0000000000000000","hex":"000309CC594345450000000000000000"}},)"
       R"("exit_status":3})"
       "\n",
       ""},
      // The feedback code before the result, as the math services take it; COMP-2 and COMP-1 digits.
      {{"CEESDSQT", "2"}, 0, "fc      success\nresult  1.4142135623730951\n", ""},
      {{"CEESSSQT", "2"}, 0, "fc      success\nresult  1.4142135\n", ""},
      {{"CEESDSQT", "-1"},
       2,
       "fc      CEE1UQ severity 2, message 2010, facility CEE, control 1: square_root_domain\nresult  0\n",
       ""},
      // Severity 1 is a warning: the exit status stays 0.
      {{"CEESIMOD", "7", "0"},
       0,
       "fc      CEE9OF severity 1, message 9999, facility CEE, control 0: modulo_domain\nresult  0\n",
       ""},
      {{"CEESIXPI", "2", "10"}, 0, "fc      success\nresult  1024\n", ""},
      {{"CEECBLDY", "20070515", "YYYYMMDD"}, 0, "result  148423\nfc      success\n", ""},
      {{"CEECBLDY", "20070515", "YYYYMMDD", "1"}, 0, "result  155076\nfc      success\n", ""},
      {{"LILFUDGE", "1"}, 0, "gregorian  \"15821015\"\njulian     \"1582288\"\nweekday    \"5\"\n", ""},
      {{"PICFUDGE", "15821015", "", "G"}, 0, "lilian  1\n", ""},
      {{"CGPIINFO", "2"}, 0, "mode  3\n", ""},
      {{"CEEMATH"}, 0, "return code 0\n", ""},
      // A condition token built, taken apart, and a service that exists by name only.
      {{"CEENCOD", "0", "2507", "1", "3", "1", "CEE", "00000000000000AB"},
       0,
       "token  CEE2EB severity 3, message 2507, facility CEE, control 1: date_component_missing, instance data "
       "X'00000000000000AB'\nfc     success\n",
       ""},
      {{"CEEDCOD", "date_invalid"},
       0,
       "c_1        3\nc_2        2508\ncase_code  1\nseverity   3\ncontrol    1\nfacility   \"CEE\"\n"
       "instance   X'0000000000000000'\nfc         success\n",
       ""},
      {{"CEE3GRC"}, 4, "fc  OVX9OF severity 4, message 9999, facility OVX, control 0: ovx_not_supported\n", ""},
      // OMITTED in place of a value, and --omit for any argument.
      {{"CEEDYWK", "OMITTED"},
       4,
       "day  0\nfc   OVX9OF severity 4, message 9999, facility OVX, control 0: ovx_not_supported\n",
       ""},
      {{"--omit", "fc", "CEEDYWK", "0"}, 0, "day  0\nfc   OMITTED\n", ""},
      {{"--omit", "day", "CEEDYWK", "148138"},
       4,
       "day  OMITTED\nfc   OVX9OF severity 4, message 9999, facility OVX, control 0: ovx_not_supported\n",
       ""},
      {{"CEESDSQT", "--", "--json"}, exit_usage, "", "x: give a number within the range of COMP-2"},
      // Command lines the tool cannot use.
      {{"CEEDAYS", "1"}, exit_usage, "", "CEEDAYS needs a value for picture\nusage: ovle CEEDAYS DATE PICTURE"},
      {{"CEEDYWK", "1", "2"}, exit_usage, "", "CEEDYWK takes 1 value; 2 is one too many"},
      {{"CEEMATH", "1"}, exit_usage, "", "CEEMATH takes 0 values; 1 is one too many"},
      {{"CEEDYWK", "x"}, exit_usage, "", "CEEDYWK lilian: give a whole number"},
      {{"CEEDYWK", "99999999999"}, exit_usage, "", "from -2147483648 to 2147483647"},
      {{"NOPE"}, exit_usage, "", "no service is called NOPE"},
      {{"--omit", "nope", "CEEDYWK", "1"}, exit_usage, "", "CEEDYWK has no argument nope"},
      {{"--omit"}, exit_usage, "", "--omit needs the name of an argument"},
      {{"--frobnicate"}, exit_usage, "", "unknown option --frobnicate"},
      {{}, exit_usage, "", "usage: ovle"},
      // Conditions looked up by name or decoded from their bytes.
      {{"--decode", "CEE2EB"},
       0,
       "CEE2EB severity 3, message 2507, facility CEE, control 1: date_component_missing\n",
       ""},
      {{"--decode", "date_invalid"}, 0, "CEE2EC severity 3, message 2508, facility CEE, control 1: date_invalid\n", ""},
      {{"--decode", "0003 09CC 59 434545 0000000000000000"},
       0,
       "CEE2EC severity 3, message 2508, facility CEE, control 1: date_invalid\n",
       ""},
      {{"--decode", "OVX9OF"},
       0,
       "OVX9OF severity 4, message 9999, facility OVX, control 0: ovx_not_supported\n"
       "OVX9OF severity 3, message 9999, facility OVX, control 0: century_window_invalid\n",
       ""},
      {{"--json", "--decode", "CEE1UQ"},
       0,
       R"([{"success":false,"symbol":"CEE1UQ","severity":2,"message_number":2010,"case_severity_control":"51",)"
       R"("control":1,"facility":"CEE","condition":"square_root_domain","instance":"0000000000000000",)"
       R"("hex":"000207DA514345450000000000000000"}])"
       "\n",
       ""},
      {{"--decode", "CEE3AB"}, 1, "", "CEE3AB is message 3403 of facility CEE; no service of this library stores it"},
      {{"--decode", "hello"}, exit_usage, "", "--decode takes 32 hexadecimal digits"},
  };
  for (const command& c : commands) {
    std::string words;
    for (std::string_view w : c.words) words += " " + std::string(w);
    const answer a = ovle(c.words);
    EXPECT_EQ(a.status, c.status) << "ovle" << words << "\n" << a.out << a.err;
    EXPECT_EQ(a.out, c.out) << "ovle" << words;
    EXPECT_NE(a.err.find(c.err), std::string::npos) << "ovle" << words << " said: " << a.err;
    if (c.err.empty()) {
      EXPECT_EQ(a.err, "") << "ovle" << words;
    }
  }
}

TEST_F(Cli, AnEbcdicCallersTextsAreConvertedBothWays) {
  ebcdic_caller();  // as OVLE_CALLER_CODESET=EBCDIC, which the tool's main sets for --ebcdic
  EXPECT_EQ(ovle({"--ebcdic", "CEEDAYS", "May 16, 1988", "Mmm DD, YYYY"}).out, "lilian  148138\nfc      success\n");
  const answer bad = ovle({"--ebcdic", "CEEDAYS", "May 32, 1988", "Mmm DD, YYYY"});
  EXPECT_EQ(bad.status, 3);
  EXPECT_EQ(bad.out,
            "lilian  0\nfc      CEE2EC severity 3, message 2508, facility CEE (EBCDIC), control 1: date_invalid\n");
  EXPECT_NE(ovle({"--ebcdic", "--json", "CEEDAYS", "May 16, 1988", "Mmm DD, YYYY"}).out.find(R"("caller":"EBCDIC")"),
            std::string::npos);
}

TEST_F(Cli, HelpForTheToolAndForEachService) {
  const answer tool = ovle({"--help"});
  EXPECT_EQ(tool.status, 0);
  EXPECT_NE(tool.out.find("Services (" + std::to_string(callable_entries().size()) + "):"), std::string::npos);
  const answer list = ovle({"--list"});
  std::string expected_list;
  for (const callable_entry& e : callable_entries()) {
    EXPECT_NE(tool.out.find(" " + std::string(e.description->symbol)), std::string::npos) << e.description->symbol;
    expected_list += std::string(e.description->symbol) + "\n";
  }
  EXPECT_EQ(list.out, expected_list);

  const answer days = ovle({"CEEDAYS", "--help"});
  EXPECT_EQ(days.status, 0);
  for (std::string_view line :
       {"CEEDAYS (CALL 'CEEDAYS', datetime)\nusage: ovle CEEDAYS DATE PICTURE\n", "  date     vstring(80)   in\n",
        "  fc       feedback      out\n", "\nFrom ovle.h:\nCEEDAYS: converts a date", "CALL 'CEEDAYS' USING IN-DATE"}) {
    EXPECT_NE(days.out.find(line), std::string::npos) << line << "\n" << days.out;
  }
  // Only trailing optional inputs may be left off; items the service ignores take no value.
  EXPECT_NE(ovle({"-h", "CEECBLDY"}).out.find("usage: ovle CEECBLDY DATE PICTURE [MODE]\n"), std::string::npos);
  EXPECT_NE(ovle({"CEE3ABD", "--help"}).out.find("usage: ovle CEE3ABD ABEND_CODE TIMING\n"), std::string::npos);
  EXPECT_NE(ovle({"CEEMGET", "--help"}).out.find("usage: ovle CEEMGET TOKEN TEXT\n"), std::string::npos);
  EXPECT_NE(ovle({"CEE3RPH", "--help"}).out.find("text: PIC X(80).\n"), std::string::npos);
  EXPECT_NE(ovle({"ov-pipi", "--help"}).out.find("OV0PIPI (CALL 'OV-PIPI', environment)"), std::string::npos);
}

TEST(Registry, EveryEntryIsFoundByItsNamesInAnyCase) {
  for (const callable_entry& e : callable_entries()) {
    std::string lower(e.description->symbol);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(find_callable(e.description->symbol), &e);
    EXPECT_EQ(find_callable(e.description->call_name), &e);
    EXPECT_EQ(find_callable(lower), &e);
  }
  for (std::string_view name : {"", "CEEDAY", "CEEDAYSX", "OV_PIPI", "ov__pipi"}) {
    EXPECT_EQ(find_callable(name), nullptr) << name;
  }
}

TEST(Help, EveryEntryHasItsCommentBlockInOvleH) {
  for (const callable_entry& e : callable_entries()) {
    const std::string comment = prototype_comment(ovle_header_text, e.description->symbol);
    EXPECT_NE(comment.find("CALL '"), std::string::npos)
        << e.description->symbol << " has no comment with a CALL example";
  }
  // How a block is found: over shared prototypes, continuation lines and one-line notes (the
  // entry's own note follows the block), not across a blank line.
  constexpr std::string_view header =
      "/*\n * A and B: two entries.\n *   CALL 'A'\n */\nOVLE_API int A(int x,\n           int y);\n"
      "OVLE_API int B(void);\n/* b: PIC X(8). */\nOVLE_API int B2(void);\nOVLE_API int B3(void);\n\n"
      "/* Section. */\n\nOVLE_API int C(void);\n/* One line. */\nOVLE_API int D(void);\n"
      "/*\n * E.\n */\n\nOVLE_API int E(void);\n";
  const std::vector<std::pair<std::string_view, std::string_view>> cases = {
      {"A", "A and B: two entries.\n  CALL 'A'\n"},
      {"B", "A and B: two entries.\n  CALL 'A'\n"},
      {"B2", "A and B: two entries.\n  CALL 'A'\nb: PIC X(8).\n"},
      {"B3", "A and B: two entries.\n  CALL 'A'\n"},
      {"C", ""},
      {"D", ""},
      {"E", ""},
      {"F", ""}};
  for (const auto& [symbol, comment] : cases) EXPECT_EQ(prototype_comment(header, symbol), comment) << symbol;
}

// Entries that end the run unit on purpose cannot be called in a test process.
bool ends_the_run(const callable_entry& e) { return e.description->symbol == "CEE3ABD"; }

class EveryEntry : public test::run_unit {};

// Every service, from either code set, with inputs as WORKING-STORAGE starts them: nothing is
// written beyond an item, and any condition stored is a row of the conditions table.
TEST_F(EveryEntry, AnswersWithClearedArgumentsInEitherCodeSet) {
  for (code_set caller : {code_set::ascii, code_set::ebcdic}) {
    caller == code_set::ebcdic ? ebcdic_caller() : platform::testing::reset_caller_chain();
    for (const callable_entry& e : callable_entries()) {
      if (ends_the_run(e)) continue;
      const std::vector<argument_setting> cleared(e.description->arguments->size());
      const call_outcome o = call_entry(e, cleared, caller);
      EXPECT_EQ(o.error, "") << e.description->symbol;
      EXPECT_FALSE(o.overrun) << e.description->symbol << " wrote beyond "
                              << (*e.description->arguments)[o.overrun.value_or(0)].name;
      if (o.feedback && !o.feedback->success) {
        EXPECT_NE(o.feedback->identifier, "") << e.description->symbol << ": " << describe(*o.feedback);
        EXPECT_EQ(o.feedback->facility_in_ebcdic, caller == code_set::ebcdic) << e.description->symbol;
      }
    }
  }
}

// Each argument in turn passed as OMITTED: no crash, nothing written beyond the others, and a
// missing required argument answered with the library's own condition when there is a feedback code.
TEST_F(EveryEntry, AnswersEachArgumentOmittedInTurn) {
  for (const callable_entry& e : callable_entries()) {
    if (ends_the_run(e)) continue;
    const common::argument_list& arguments = *e.description->arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      std::vector<argument_setting> settings(arguments.size());
      settings[i].how = argument_setting::form::omitted;
      const call_outcome o = call_entry(e, settings, code_set::ascii);
      EXPECT_FALSE(o.overrun) << e.description->symbol << " without " << arguments[i].name;
      if (o.feedback && !arguments[i].optional) {
        EXPECT_EQ(std::string(o.feedback->identifier), "ovx_not_supported")
            << e.description->symbol << " without " << arguments[i].name << ": " << describe(*o.feedback);
      }
    }
  }
}

}  // namespace
}  // namespace ovle::tool
