// The ovle command through its own entry points: command lines and their answers, the help read
// from ovle.h, and entries found by their names. (The hostile-caller sweep calls every entry.)
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
  const std::string not_supported = "OVX9OF severity 4, message 9999, facility OVX, control 0: ovx_not_supported\n";
  const std::string date_invalid = "CEE2EC severity 3, message 2508, facility CEE, control 1: date_invalid";
  // clang-format off
  const std::vector<command> commands = {
      {{"ceedays", "May 16, 1988", "Mmm DD, YYYY"}, 0, "lilian  148138\nfc      success\n", ""},
      {{"--json", "CEEDYWK", "148138"}, 0, R"({"service":"CEEDYWK","call_name":"CEEDYWK","caller":"ASCII",)"
       R"("return_code":0,"arguments":{"lilian":148138,"day":2,"fc":)" + std::string(no_condition) +
       "},\"exit_status\":0}\n", ""},
      {{"CEEDAYS", "2007-13-15", "YYYY-MM-DD", "--json"}, 3,
       R"({"service":"CEEDAYS","call_name":"CEEDAYS","caller":"ASCII","return_code":0,"arguments":{)"
       R"("date":"2007-13-15","picture":"YYYY-MM-DD","lilian":0,"fc":{"success":false,"symbol":"CEE2EC",)"
       R"("severity":3,"message_number":2508,"case_severity_control":"59","control":1,"facility":"CEE",)"
       R"("condition":"date_invalid","instance":"0000000000000000","hex":"000309CC594345450000000000000000"}},)"
       R"("exit_status":3})" "\n", ""},
      // The feedback code before the result, as the math services take it; COMP-2 and COMP-1 digits;
      // severity 1 is a warning that leaves the exit status 0 (tests/tools/ovle_command_test.sh has the others).
      {{"CEESDSQT", "2"}, 0, "fc      success\nresult  1.4142135623730951\n", ""},
      {{"CEESSSQT", "2"}, 0, "fc      success\nresult  1.4142135\n", ""},
      {{"CEESIMOD", "7", "0"}, 0,
       "fc      CEE9OF severity 1, message 9999, facility CEE, control 0: modulo_domain\nresult  0\n", ""},
      // A trailing optional input given; entries without a feedback code or arguments.
      {{"CEECBLDY", "20070515", "YYYYMMDD", "1"}, 0, "result  155076\nfc      success\n", ""},
      {{"LILFUDGE", "1"}, 0, "gregorian  \"15821015\"\njulian     \"1582288\"\nweekday    \"5\"\n", ""},
      {{"CGPIINFO", "2"}, 0, "mode  3\n", ""},
      {{"CEEMATH"}, 0, "return code 0\n", ""},
      // A condition token built, taken apart, and a service that exists by name only.
      {{"CEENCOD", "0", "2507", "1", "3", "1", "CEE", "00000000000000AB"}, 0, "token  CEE2EB severity 3, message 2507, "
       "facility CEE, control 1: date_component_missing, instance data X'00000000000000AB'\nfc     success\n", ""},
      {{"CEEDCOD", "date_invalid"}, 0, "c_1        3\nc_2        2508\ncase_code  1\nseverity   3\ncontrol    1\n"
       "facility   \"CEE\"\ninstance   X'0000000000000000'\nfc         success\n", ""},
      {{"CEE3GRC"}, 4, "fc  " + not_supported, ""},
      // OMITTED in place of a value, and --omit for any argument.
      {{"CEEDYWK", "OMITTED"}, 4, "day  0\nfc   " + not_supported, ""},
      {{"--omit", "fc", "CEEDYWK", "0"}, 0, "day  0\nfc   OMITTED\n", ""},
      {{"--omit", "day", "CEEDYWK", "148138"}, 4, "day  OMITTED\nfc   " + not_supported, ""},
      // Command lines the tool cannot use.
      {{"CEESDSQT", "--", "--json"}, exit_usage, "", "x: give a number within the range of COMP-2"},
      {{"CEEDAYS", "1"}, exit_usage, "", "CEEDAYS needs a value for picture\nusage: ovle CEEDAYS DATE PICTURE"},
      {{"CEEDYWK", "1", "2"}, exit_usage, "", "CEEDYWK takes 1 value; 2 is one too many"},
      {{"CEEDYWK", "x"}, exit_usage, "", "CEEDYWK lilian: give a whole number"},
      {{"NOPE"}, exit_usage, "", "no service is called NOPE"},
      {{"--omit", "nope", "CEEDYWK", "1"}, exit_usage, "", "CEEDYWK has no argument nope"},
      {{"--frobnicate"}, exit_usage, "", "unknown option --frobnicate"},
      {{}, exit_usage, "", "usage: ovle"},
      // Conditions looked up by name or decoded from their bytes.
      {{"--decode", "0003 09CC 59 434545 0000000000000000"}, 0, date_invalid + "\n", ""},
      {{"--decode", "OVX9OF"}, 0,
       not_supported + "OVX9OF severity 3, message 9999, facility OVX, control 0: century_window_invalid\n", ""},
      {{"--json", "--decode", "CEE1UQ"}, 0, R"([{"success":false,"symbol":"CEE1UQ","severity":2,"message_number":2010,)"
       R"("case_severity_control":"51","control":1,"facility":"CEE","condition":"square_root_domain",)"
       R"("instance":"0000000000000000","hex":"000207DA514345450000000000000000"}])" "\n", ""},
      {{"--decode", "CEE3AB"}, 1, "", "CEE3AB is message 3403 of facility CEE; no service of this library stores it"},
      {{"--decode", "hello"}, exit_usage, "", "--decode takes 32 hexadecimal digits"},
  };
  // clang-format on
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
  const std::string_view block = "A and B: two entries.\n  CALL 'A'\n";
  const std::vector<std::pair<std::string_view, std::string>> cases = {{"A", std::string(block)},
                                                                       {"B", std::string(block)},
                                                                       {"B2", std::string(block) + "b: PIC X(8).\n"},
                                                                       {"B3", std::string(block)},
                                                                       {"C", ""},
                                                                       {"D", ""},
                                                                       {"E", ""},
                                                                       {"F", ""}};
  for (const auto& [symbol, comment] : cases) EXPECT_EQ(prototype_comment(header, symbol), comment) << symbol;
}

}  // namespace
}  // namespace ovle::tool
