// The stand-in for the IDE link library "IDELINK" of the development host.
//
// Linux has no development IDE to talk to; this stand-in answers as the real link would, from a
// setup that tests give directly or that OVLE_IDELINK describes for a whole run:
//   OVLE_IDELINK=down                      the library loads, IDELINK_IsIdeUp reports the IDE down
//   OVLE_IDELINK=up,8391=1,8377=0,8386=GB  up, with integer and string settings by number
// Unset, the library "IDELINK" cannot be loaded.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "common/platform/platform.hpp"

namespace ovle::platform {
namespace {

testing::ide_link_setup from_environment() {
  testing::ide_link_setup setup;
  const char* text = std::getenv("OVLE_IDELINK");
  if (text == nullptr) return setup;
  setup.loadable = true;
  std::string_view rest(text);
  while (!rest.empty()) {
    const auto comma = rest.find(',');
    const auto item = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    if (item == "up") setup.is_up_rc = 0;
    else if (item == "down") setup.is_up_rc = 1;
    else if (item == "noconnect") setup.connect_rc = 1;
    else if (const auto eq = item.find('='); eq != std::string_view::npos) {
      const std::string number(item.substr(0, eq));
      const std::string value(item.substr(eq + 1));
      const auto setting = static_cast<std::int32_t>(std::strtol(number.c_str(), nullptr, 10));
      char* end = nullptr;
      const long integer = std::strtol(value.c_str(), &end, 10);
      if (!value.empty() && *end == '\0') setup.int_settings.emplace_back(setting, static_cast<std::int32_t>(integer));
      else setup.string_settings.emplace_back(setting, value);
    }
  }
  return setup;
}

struct link_state {
  testing::ide_link_setup setup = from_environment();
  bool loaded = false;
  std::array<int, 7> calls{};
};

link_state& link() {
  static auto* state = new link_state();
  return *state;
}

// Every entry after load() needs the library to be loaded first.
int unavailable() { return -1; }

}  // namespace

namespace ide_link {

bool load() noexcept {
  auto& l = link();
  ++l.calls[0];
  l.loaded = l.setup.loadable;
  return l.loaded;
}

int is_ide_up() noexcept {
  auto& l = link();
  ++l.calls[1];
  return l.loaded ? l.setup.is_up_rc : unavailable();
}

int connect_database() noexcept {
  auto& l = link();
  ++l.calls[2];
  return l.loaded ? l.setup.connect_rc : unavailable();
}

int get_dest_int(std::int32_t category, std::int32_t setting, std::int32_t& result) noexcept {
  auto& l = link();
  ++l.calls[3];
  if (!l.loaded || category != 262144) return unavailable();
  for (const auto& [number, value] : l.setup.int_settings) {
    if (number == setting) {
      result = value;
      return 0;
    }
  }
  return 1;
}

int get_dest_str(std::int32_t category, std::int32_t setting, std::span<char> result) noexcept {
  auto& l = link();
  ++l.calls[4];
  if (!l.loaded || category != 262144) return unavailable();
  for (const auto& [number, value] : l.setup.string_settings) {
    if (number == setting) {
      std::memset(result.data(), ' ', result.size());
      std::memcpy(result.data(), value.data(), std::min(value.size(), result.size()));
      return 0;
    }
  }
  return 1;
}

int release_database() noexcept {
  auto& l = link();
  ++l.calls[5];
  return l.loaded ? 0 : unavailable();
}

int close() noexcept {
  auto& l = link();
  ++l.calls[6];
  return l.loaded ? 0 : unavailable();
}

}  // namespace ide_link

void testing::set_ide_link(const ide_link_setup& setup) {
  link().setup = setup;
  link().loaded = false;
  link().calls = {};
}

void testing::reset_ide_link() { set_ide_link(from_environment()); }

std::array<int, 7> testing::ide_link_calls() noexcept { return link().calls; }

}  // namespace ovle::platform
