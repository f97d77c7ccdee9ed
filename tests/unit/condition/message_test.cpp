// CEEMOUT's lines through the SYSOUT line writers, and CEE3ABD ending a child process.
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <tuple>

#include "ovle_test.hpp"

namespace ovle {
namespace {

using test::view;
std::string ebcdic(std::string_view ascii) { return platform::ebcdic_from_ascii(ascii); }

// What the line writers received: 'A' LESSOUTA or 'E' LESSOUTE, the function code and the text.
using writer_call = std::tuple<char, int, std::string>;
std::vector<writer_call> writer_calls;
template <char Writer>
int spy_writer(const ovle_int2* function, const ovle_int2* length, const char* text) noexcept {
  writer_calls.emplace_back(Writer, ovle_int2_get(function),
                            std::string(text, static_cast<std::size_t>(ovle_int2_get(length))));
  return 0;
}

class Messages : public test::run_unit {
 protected:
  static ovle_feedback mout(std::string_view text, std::int32_t destination, std::int16_t length = -1) {
    ovle_vstring message = test::vstring(text);
    if (length != -1) ovle_int2_set(&message.length, length);
    const ovle_int4 dest = test::int4(destination);
    ovle_feedback fc = test::dirty_feedback();
    EXPECT_EQ(CEEMOUT(&message, &dest, &fc), 0);
    return fc;
  }
};

// Only destination 2 writes, and only it sets up the environment; then the writers see a
// 121-character line in the caller's code set, through LESSOUTA or LESSOUTE, to SYSOUT or to the
// named output that each call opens and closes.
TEST_F(Messages, LinesGoToSysoutOrTheMessageFile) {
  std::vector<std::string> sysout;
  platform::testing::capture_sysout(&sysout);
  for (const std::int32_t destination : {1, 3, 0, -1, 0x00000102}) {
    EXPECT_EQ(view(mout("HELLO", destination)), test::ascii_condition(3, 451, 1)) << destination;
  }
  EXPECT_FALSE(area().is_initialized());
  const ovle_vstring message = test::vstring("X");
  const ovle_int4 two = test::int4(2);
  EXPECT_EQ(CEEMOUT(&message, &two, nullptr), 0);
  EXPECT_TRUE(area().is_initialized());
  EXPECT_EQ(sysout, std::vector<std::string>{"X"});
  platform::testing::capture_sysout(nullptr);

  platform::testing::replace_program("LESSOUTA", reinterpret_cast<platform::program_address>(&spy_writer<'A'>));
  platform::testing::replace_program("LESSOUTE", reinterpret_cast<platform::program_address>(&spy_writer<'E'>));
  const std::string long_text = std::string(121, 'x') + "CUT", pad(118, '\x40');
  const auto named = [](char w, std::string name, std::string line) {
    return std::vector<writer_call>{{w, 1, name}, {w, 2, line}, {w, 3, ""}};
  };
  // EBCDIC caller, the message file (EBCDIC), the text, its length (-1: its own), the writers' calls.
  const std::tuple<bool, std::string, std::string, int, std::vector<writer_call>> cases[] = {
      {false, ebcdic("SYSOUT  "), "HELLO", -1, {{'A', 0, "HELLO" + std::string(116, ' ')}}},
      {false, ebcdic("        "), long_text, -1, {{'A', 0, long_text.substr(0, 121)}}},
      {false, std::string(8, '\0'), "ABCDEF", 3, {{'A', 0, "ABC" + std::string(118, ' ')}}},
      {false, std::string(8, '\0'), "ABCDEF", -5, {{'A', 0, std::string(121, ' ')}}},
      {true, std::string(8, '\0'), ebcdic("EBC"), -1, {{'E', 0, ebcdic("EBC") + pad}}},
      {false, "SYSOUT  ", "MSG", -1,
       named('A', platform::ascii_from_ebcdic("SYSOUT  "), "MSG" + std::string(118, ' '))},
      {false, ebcdic("MSGS    "), "MSG", -1, named('A', "MSGS    ", "MSG" + std::string(118, ' '))},
      {true, ebcdic("MSGS    "), ebcdic("ONE"), -1, named('E', ebcdic("MSGS    "), ebcdic("ONE") + pad)},
  };
  for (const auto& [ebcdic_program, file, text, length, calls] : cases) {
    ebcdic_program ? ebcdic_caller() : platform::testing::reset_caller_chain();
    std::memcpy(area().message_file().data(), file.data(), 8);
    writer_calls.clear();
    EXPECT_TRUE(test::is_success(mout(text, 2, static_cast<std::int16_t>(length))));
    EXPECT_EQ(writer_calls, calls) << text;
  }
  // A writer that cannot be reached: nothing is written, nothing is reported.
  platform::testing::reset_caller_chain();
  platform::testing::set_unreachable("LESSOUTA", true);
  writer_calls.clear();
  EXPECT_TRUE(test::is_success(mout("LOST", 2)));
  EXPECT_TRUE(writer_calls.empty());
}

int initializer_shown(const ovle_int2* f, const ovle_vstring* o, const ovle_vstring* u) noexcept {
  platform::console_line("OV-PIPI");
  return OV0PIPI(f, o, u);
}

// CEE3ABD in a child process whose standard output is a pipe: the exit status and the output.
std::pair<int, std::string> abend_in_child(const ovle_int4* code, const ovle_int4* timing) {
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

// The environment set up first, then a blank line, the abend line and a blank line, and the run
// unit ends with 65,536 + the 12-bit user code, which the shell sees modulo 256.
TEST_F(Messages, AbendShowsThreeLinesAndEndsTheRunUnit) {
  platform::testing::replace_program("OV-PIPI", reinterpret_cast<platform::program_address>(&initializer_shown));
  // Abend code (none: omitted), the digits shown, the exit status.
  const std::tuple<std::optional<std::int32_t>, std::string, int> cases[] = {
      {1, "0001", 1},    {4095, "4095", 255},    {4096, "0000", 0},         {5000, "0904", 136},
      {-1, "4095", 255}, {65536 + 7, "0007", 7}, {std::nullopt, "0000", 0}, {0x7FFFF123, "0291", 35}};
  for (const auto& [code, digits, status] : cases) {
    const ovle_int4 code_arg = test::int4(code.value_or(0)), timing = test::int4(1);
    const auto [exit_status, output] = abend_in_child(code ? &code_arg : nullptr, &timing);
    EXPECT_EQ(output, "OV-PIPI\n \n" + ("CEE3ABD: ABEND U(" + digits + ")" + std::string(57, ' ')) + "\n \n") << digits;
    EXPECT_EQ(exit_status, status) << digits;
  }
}

}  // namespace
}  // namespace ovle
