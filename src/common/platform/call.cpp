// Call by name: the library's own programs, found by their CALL names, and the host programs.
#include <cstdlib>
#include <map>
#include <string>

#include "common/platform/platform.hpp"
#include "ovle/ovle.h"

namespace ovle::platform {
namespace {

#define OVLE_ENTRY(symbol, call_name, family, argc) reinterpret_cast<program_address>(&symbol),
const program_address program_addresses[] = {
#include "entries.def"
};
#undef OVLE_ENTRY
static_assert(std::size(program_addresses) == program_count);

struct reachability {
  std::array<bool, program_count> unreachable{};
  std::array<program_address, program_count> replaced{};
  bool le370 = false;
  // Programs outside the library that tests make reachable by name (a family's program that is not
  // built yet, a host program).
  std::map<std::string, program_address, std::less<>> provided;
};

// OVLE_UNREACHABLE lists CALL names, separated by commas, that a run must not reach;
// OVLE_LE370=1 provides the host program "$COBDIR\LE370.LBR".
reachability from_environment() {
  reachability r;
  if (const char* list = std::getenv("OVLE_UNREACHABLE")) {
    std::string_view rest(list);
    while (!rest.empty()) {
      const auto comma = rest.find(',');
      const auto index = program_index(rest.substr(0, comma));
      if (index < program_count) r.unreachable[index] = true;
      rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
  }
  const char* le370 = std::getenv("OVLE_LE370");
  r.le370 = le370 != nullptr && std::string_view(le370) == "1";
  return r;
}

reachability& state() {
  static auto* r = new reachability(from_environment());
  return *r;
}

}  // namespace

program_address find_program(std::size_t index) noexcept {
  if (index >= program_count) return nullptr;
  const reachability& r = state();
  if (r.unreachable[index]) return nullptr;
  return r.replaced[index] != nullptr ? r.replaced[index] : program_addresses[index];
}

program_address find_program(std::string_view call_name) noexcept {
  const std::size_t index = program_index(call_name);
  if (index < program_count) return find_program(index);
  const auto& provided = state().provided;
  const auto it = provided.find(call_name);
  return it == provided.end() ? nullptr : it->second;
}

bool call_le370_lbr() noexcept { return state().le370; }

void testing::set_unreachable(std::string_view call_name, bool unreachable) {
  const auto index = program_index(call_name);
  if (index < program_count) state().unreachable[index] = unreachable;
}

void testing::replace_program(std::string_view call_name, program_address replacement) {
  const auto index = program_index(call_name);
  if (index < program_count) state().replaced[index] = replacement;
}

void testing::provide_program(std::string_view call_name, program_address address) {
  auto& provided = state().provided;
  if (address == nullptr) provided.erase(std::string(call_name));
  else provided.insert_or_assign(std::string(call_name), address);
}

void testing::reset_programs() { state() = from_environment(); }

void testing::set_le370_reachable(bool reachable) { state().le370 = reachable; }

}  // namespace ovle::platform
