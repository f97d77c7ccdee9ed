// The program chain behind CBL_GET_PROGRAM_INFO: the caller's programs, then the library's own.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "common/platform/platform.hpp"

namespace ovle::platform {

// A COBOL program here has no way to tell us how it was compiled, so the environment says it:
// OVLE_CALLER_CODESET=EBCDIC for callers that keep their data in EBCDIC; ASCII otherwise. Two
// levels: the caller and the run unit's main program.
void detail::load_callers(program_chain& c) noexcept {
  const char* codeset = std::getenv("OVLE_CALLER_CODESET");
  const bool ebcdic = codeset != nullptr && std::strcmp(codeset, "EBCDIC") == 0;
  c.callers[0] = c.callers[1] = ebcdic ? attribute_ebcdic : 0;
  c.caller_count = 2;
  c.callers_loaded = true;
}

void testing::set_caller_chain(std::vector<std::uint8_t> attributes) {
  auto& c = detail::chain();
  c.caller_count = std::min(attributes.size(), detail::program_chain::max_callers);
  std::copy_n(attributes.begin(), c.caller_count, c.callers.begin());
  c.callers_loaded = true;
}

void testing::reset_caller_chain() { detail::load_callers(detail::chain()); }

}  // namespace ovle::platform
