// The program chain behind CBL_GET_PROGRAM_INFO: the caller's programs, then the library's own.
#include <cstdlib>
#include <cstring>

#include "common/platform/platform.hpp"

namespace ovle::platform {
namespace {

// Programs above the library, outermost first. A COBOL program here has no way to tell us how it
// was compiled, so the environment says it: OVLE_CALLER_CODESET=EBCDIC for callers that keep their
// data in EBCDIC; ASCII otherwise. Two levels: the caller and the run unit's main program.
std::vector<std::uint8_t> chain_from_environment() {
  const char* codeset = std::getenv("OVLE_CALLER_CODESET");
  const bool ebcdic = codeset != nullptr && std::strcmp(codeset, "EBCDIC") == 0;
  const std::uint8_t attributes = ebcdic ? attribute_ebcdic : 0;
  return {attributes, attributes};
}

struct chain_state {
  std::vector<std::uint8_t> callers = chain_from_environment();
  std::size_t library_levels = 0;
};

chain_state& chain() {
  static auto* state = new chain_state();
  return *state;
}

}  // namespace

program_level::program_level() noexcept { ++chain().library_levels; }
program_level::~program_level() { --chain().library_levels; }

std::size_t library_depth() noexcept { return chain().library_levels; }

std::optional<std::uint8_t> program_attributes(std::size_t level) noexcept {
  const chain_state& c = chain();
  if (level == 0) return std::nullopt;
  if (level <= c.library_levels) return attribute_ebcdic;
  const std::size_t above = level - c.library_levels;  // 1 = the library's direct caller
  if (above > c.callers.size()) return std::nullopt;
  return c.callers[c.callers.size() - above];
}

void testing::set_caller_chain(std::vector<std::uint8_t> attributes) { chain().callers = std::move(attributes); }
void testing::reset_caller_chain() { chain().callers = chain_from_environment(); }

}  // namespace ovle::platform
