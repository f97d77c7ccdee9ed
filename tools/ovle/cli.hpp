// The ovle command: call a service by name with its inputs as text, show its outputs and its
// feedback code decoded.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ovle::tool {

// Exit statuses besides 0 and the severity (2 to 4) of a feedback code.
inline constexpr int exit_usage = 64;    // a command line the tool cannot use
inline constexpr int exit_overrun = 70;  // a service wrote beyond one of its arguments

struct options {
  bool json = false;
  bool ebcdic_caller = false;
  bool help = false;
  bool list = false;
  bool decode = false;
  std::vector<std::string> omitted;  // argument names passed as OMITTED
  std::string service;               // empty when none was named
  std::vector<std::string> values;
};

struct parsed_command_line {
  options opts;
  std::string error;  // not empty when the command line is unusable
};

// The command line without the program name.
parsed_command_line parse_command_line(std::span<const std::string_view> arguments);

// Does what the options say. The caller's code set must already be set for the library
// (OVLE_CALLER_CODESET=EBCDIC for --ebcdic) before the first service runs.
int run(const options& opts, std::ostream& out, std::ostream& err);

}  // namespace ovle::tool
