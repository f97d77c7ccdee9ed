// CEEMOUT's lines through the SYSOUT line writers, and CEE3ABD ending a child process.
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <tuple>

#include "ovle_test.hpp"

namespace ovle {
namespace {

using test::view;

// What a line writer received: which writer, the function code and the text.
struct writer_call {
  char writer;  // 'A' LESSOUTA, 'E' LESSOUTE
  int function;
  std::string text;
  friend bool operator==(const writer_call&, const writer_call&) = default;
  friend std::ostream& operator<<(std::ostream& os, const writer_call& c) {
    return os << c.writer << c.function << " '" << c.text << "'";
  }
};
std::vector<writer_call> writer_calls;

template <char Writer>
int spy_writer(const ovle_int2* function, const ovle_int2* length, const char* text) noexcept {
  const int n = ovle_int2_get(length);
  writer_calls.push_back({Writer, ovle_int2_get(function), std::string(text, static_cast<std::size_t>(n))});
  return 0;
}

class Messages : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    writer_calls.clear();
    platform::testing::capture_sysout(&sysout);
  }
  void TearDown() override {
    platform::testing::capture_sysout(nullptr);
    run_unit::TearDown();
  }
  static void spy_on_writers() {
    platform::testing::replace_program("LESSOUTA", reinterpret_cast<platform::program_address>(&spy_writer<'A'>));
    platform::testing::replace_program("LESSOUTE", reinterpret_cast<platform::program_address>(&spy_writer<'E'>));
  }
  static ovle_feedback mout(std::string_view text, std::int32_t destination, std::int16_t length = -1) {
    ovle_vstring message = test::vstring(text);
    if (length >= 0 || length < -1) ovle_int2_set(&message.length, length);
    const ovle_int4 dest = test::int4(destination);
    ovle_feedback fc = test::dirty_feedback();
    EXPECT_EQ(CEEMOUT(&message, &dest, &fc), 0);
    return fc;
  }
  // The message file of OV-LE-EXTERNAL, set as the configuration would (EBCDIC, 8 characters).
  static void message_file(std::string_view ebcdic_name) {
    std::memcpy(area().message_file().data(), ebcdic_name.data(), 8);
  }
  std::vector<std::string> sysout;
};

std::string ebcdic(std::string_view ascii) { return platform::ebcdic_from_ascii(ascii); }

TEST_F(Messages, OnlyDestinationTwoWritesAndSetsUpTheEnvironment) {
  for (const std::int32_t destination : {1, 3, 0, -1, INT32_MAX, INT32_MIN, 0x00000102}) {
    EXPECT_EQ(view(mout("HELLO", destination)), test::ascii_condition(3, 451, 1)) << destination;
  }
  EXPECT_TRUE(sysout.empty());
  EXPECT_FALSE(area().is_initialized()) << "OV-PIPI runs only for a valid destination";
  EXPECT_TRUE(test::is_success(mout("HELLO", 2)));
  EXPECT_TRUE(area().is_initialized());
  EXPECT_EQ(sysout, std::vector<std::string>{"HELLO"});

  // A missing argument: the library's own condition, nothing written.
  const ovle_vstring message = test::vstring("X");
  const ovle_int4 two = test::int4(2);
  ovle_feedback fc = test::dirty_feedback();
  CEEMOUT(nullptr, &two, &fc);
  EXPECT_EQ(view(fc), test::ascii_condition(4, 9999, 0, "OVX"));
  CEEMOUT(&message, nullptr, &fc);
  EXPECT_EQ(view(fc), test::ascii_condition(4, 9999, 0, "OVX"));
  CEEMOUT(&message, &two, nullptr);  // the feedback code omitted: written all the same
  EXPECT_EQ(sysout.size(), 2U);
  ebcdic_caller();
  EXPECT_EQ(view(mout("", 4)), (test::condition_view{3, 451, 0x59, ebcdic("CEE"), true}));
}

// The line is 121 characters: the text as the caller holds it over blanks of the caller's code
// set, cut at 121; the writer is chosen by the caller's code set.
TEST_F(Messages, LinesAre121CharactersInTheCallersCodeSet) {
  spy_on_writers();
  const std::string long_text = std::string(121, 'x') + "CUT";
  // Text, length passed (-1: the text's own), EBCDIC caller, expected writer, expected line text.
  const std::tuple<std::string, int, bool, char, std::string> cases[] = {
      {"HELLO", -1, false, 'A', "HELLO" + std::string(116, ' ')},
      {"", -1, false, 'A', std::string(121, ' ')},
      {"HELLO", -1, true, 'E', "HELLO" + std::string(116, '\x40')},
      {long_text, -1, false, 'A', long_text.substr(0, 121)},
      {"ABCDEF", 3, false, 'A', "ABC" + std::string(118, ' ')},
      {"ABCDEF", -5, false, 'A', std::string(121, ' ')},
      {std::string("h\xE9llo\0!", 7), -1, false, 'A', std::string("h\xE9llo\0!", 7) + std::string(114, ' ')},
      {ebcdic("EBCDIC TEXT "), -1, true, 'E', ebcdic("EBCDIC TEXT") + std::string(110, '\x40')},
  };
  for (const auto& [text, length, ebcdic_program, writer, line] : cases) {
    ebcdic_program ? ebcdic_caller() : platform::testing::reset_caller_chain();
    writer_calls.clear();
    const ovle_feedback fc = mout(text, 2, static_cast<std::int16_t>(length));
    EXPECT_TRUE(test::is_success(fc)) << view(fc);
    EXPECT_EQ(writer_calls, (std::vector<writer_call>{{writer, 0, line}})) << text;
  }
  // A writer that cannot be reached: nothing is written, nothing is reported.
  platform::testing::reset_caller_chain();
  platform::testing::set_unreachable("LESSOUTA", true);
  writer_calls.clear();
  EXPECT_TRUE(test::is_success(mout("LOST", 2)));
  EXPECT_TRUE(writer_calls.empty());
}

// The message file: SYSOUT, blanks and low-values mean the SYSOUT stream; any other name is an
// output that every call opens, writes and closes.
TEST_F(Messages, TheMessageFileChoosesTheOutput) {
  spy_on_writers();
  mout("", 2);  // the environment is set up; what it put there is replaced below
  const std::string line = "MSG" + std::string(118, ' ');
  const std::pair<std::string, std::vector<writer_call>> destinations[] = {
      {ebcdic("SYSOUT  "), {{'A', 0, line}}},
      {ebcdic("        "), {{'A', 0, line}}},
      {std::string(8, '\0'), {{'A', 0, line}}},
      {"SYSOUT  ", {{'A', 1, platform::ascii_from_ebcdic("SYSOUT  ")}, {'A', 2, line}, {'A', 3, ""}}},  // not EBCDIC
      {ebcdic("SYSOUTX "), {{'A', 1, "SYSOUTX "}, {'A', 2, line}, {'A', 3, ""}}},
      {ebcdic("MSGS    "), {{'A', 1, "MSGS    "}, {'A', 2, line}, {'A', 3, ""}}},
  };
  for (const auto& [name, expected] : destinations) {
    message_file(name);
    writer_calls.clear();
    mout("MSG", 2);
    EXPECT_EQ(writer_calls, expected) << test::hex(name.data(), 8);
  }
  // Two calls, two open/write/close sequences; LESSOUTE gets the name as the area holds it.
  ebcdic_caller();
  message_file(ebcdic("MSGS    "));
  writer_calls.clear();
  mout(ebcdic("ONE"), 2);
  mout(ebcdic("TWO"), 2);
  const std::string pad(118, '\x40');
  EXPECT_EQ(writer_calls, (std::vector<writer_call>{{'E', 1, ebcdic("MSGS    ")},
                                                    {'E', 2, ebcdic("ONE") + pad},
                                                    {'E', 3, ""},
                                                    {'E', 1, ebcdic("MSGS    ")},
                                                    {'E', 2, ebcdic("TWO") + pad},
                                                    {'E', 3, ""}}));
}

// ---- CEE3ABD ------------------------------------------------------------------------------------------

struct abend_outcome {
  int exit_status;  // -1 when the child did not exit normally
  std::string output;
};

int initializer_shown(const ovle_int2* f, const ovle_vstring* o, const ovle_vstring* u) noexcept {
  platform::console_line("OV-PIPI");
  return OV0PIPI(f, o, u);
}

// Runs CEE3ABD in a child process whose standard output is a pipe.
abend_outcome abend_in_child(const ovle_int4* code, const ovle_int4* timing) {
  std::fflush(stdout);
  int fds[2];
  if (pipe(fds) != 0) return {-2, ""};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    platform::testing::capture_console(nullptr);
    CEE3ABD(code, timing);
    std::fputs("RETURNED\n", stdout);
    std::fflush(stdout);
    _exit(99);
  }
  close(fds[1]);
  std::string output;
  char buffer[256];
  for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, static_cast<std::size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST_F(Messages, AbendShowsThreeLinesAndEndsTheRunUnit) {
  platform::testing::replace_program("OV-PIPI", reinterpret_cast<platform::program_address>(&initializer_shown));
  // Abend code (none: omitted), the digits shown; the exit status is 65,536 + code modulo 256.
  const std::tuple<std::optional<std::int32_t>, std::string, int> cases[] = {
      {1, "0001", 1},         {4095, "4095", 255},    {4096, "0000", 0},         {5000, "0904", 136},
      {-1, "4095", 255},      {65536 + 7, "0007", 7}, {std::nullopt, "0000", 0}, {0x7FFFF123, "0291", 35},
      {INT32_MIN, "0000", 0}, {256, "0256", 0}};
  for (const auto& [code, digits, status] : cases) {
    for (const std::int32_t timing : {0, 1}) {
      const ovle_int4 code_arg = test::int4(code.value_or(0));
      const ovle_int4 timing_arg = test::int4(timing);
      const abend_outcome out = abend_in_child(code ? &code_arg : nullptr, &timing_arg);
      std::string line = "CEE3ABD: ABEND U(" + digits + ")";
      line.resize(79, ' ');
      EXPECT_EQ(out.output, "OV-PIPI\n \n" + line + "\n \n") << digits << " timing " << timing;
      EXPECT_EQ(out.exit_status, status) << digits << " timing " << timing;
    }
  }
  // With the environment set up already, OV-PIPI is not called again.
  const ovle_int4 window = test::int4(50);
  CEESCEN(&window, nullptr);
  const ovle_int4 code = test::int4(12);
  const abend_outcome out = abend_in_child(&code, nullptr);
  EXPECT_EQ(out.output.substr(0, 3), " \nC");
  EXPECT_EQ(out.exit_status, 12);
}

}  // namespace
}  // namespace ovle
