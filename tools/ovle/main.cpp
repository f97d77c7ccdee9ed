// ovle: calls a libovle service by name from the shell (ovle --help).
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const ovle::tool::parsed_command_line p = ovle::tool::parse_command_line(arguments);
  if (!p.error.empty()) {
    std::cerr << "ovle: " << p.error << " (ovle --help)\n";
    return ovle::tool::exit_usage;
  }
  // The library reads the caller's code set once, at the first service call; the tool converts
  // the texts when the library sees an EBCDIC caller, however that was asked for.
  ovle::tool::options opts = p.opts;
  const char* codeset = std::getenv("OVLE_CALLER_CODESET");
  if (codeset != nullptr && std::string_view(codeset) == "EBCDIC") opts.ebcdic_caller = true;
  if (opts.ebcdic_caller) setenv("OVLE_CALLER_CODESET", "EBCDIC", 1);
  return ovle::tool::run(opts, std::cout, std::cerr);
}
