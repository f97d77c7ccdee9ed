// Named external areas: libcob's EXTERNAL storage under GnuCOBOL, a registry of our own otherwise.
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "common/platform/cob_bridge.hpp"
#include "common/platform/platform.hpp"

namespace ovle::platform {
namespace {

struct area {
  std::byte* address;
  std::size_t size;
  bool owned;  // allocated here, not by libcob
};

std::map<std::string, area, std::less<>>& registry() {
  static auto* areas = new std::map<std::string, area, std::less<>>();
  return *areas;
}

// GnuCOBOL registers `OV-LE-EXTERNAL` as OV_LE_EXTERNAL.
std::string registered_name(std::string_view cobol_name) {
  std::string name(cobol_name);
  for (char& c : name) {
    if (c == '-') c = '_';
    else if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return name;
}

}  // namespace

std::byte* external_area(std::string_view cobol_name, std::size_t size) noexcept {
  try {
    auto& areas = registry();
    if (auto it = areas.find(cobol_name); it != areas.end()) return it->second.address;
    const std::string name = registered_name(cobol_name);
    auto* address = static_cast<std::byte*>(cob::external_address(name.c_str(), static_cast<int>(size)));
    const bool owned = address == nullptr;
    if (owned) address = new std::byte[size]();
    areas.emplace(std::string(cobol_name), area{address, size, owned});
    return address;
  } catch (...) {
    // Out of memory while creating a registry entry: hand out a private area rather than null.
    static std::byte* fallback = nullptr;
    static std::size_t fallback_size = 0;
    if (fallback_size < size) {
      fallback = static_cast<std::byte*>(std::calloc(size, 1));
      fallback_size = fallback ? size : 0;
    }
    if (fallback == nullptr) std::abort();
    return fallback;
  }
}

bool testing::place_external_area(std::string_view cobol_name, std::byte* storage, std::size_t size) {
  return registry().emplace(std::string(cobol_name), area{storage, size, false}).second;
}

void testing::clear_external_areas() noexcept {
  for (auto& [name, a] : registry()) {
    if (a.owned) std::memset(a.address, 0, a.size);
  }
}

}  // namespace ovle::platform
