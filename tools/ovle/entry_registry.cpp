// The name -> entry map of the tool, generated from entries.def: each entry called through a
// thunk that hands it its arguments as the parameter types ovle.h declares.
#include "entry_registry.hpp"

#include <array>
#include <cstddef>
#include <utility>

#include "ovle/ovle.h"

namespace ovle::tool {
namespace {

template <typename Function>
struct thunk;
template <typename... Parameters>
struct thunk<int(Parameters...) noexcept> {
  template <auto Entry>
  static int call(void* const* arguments) noexcept {
    return spread<Entry>(arguments, std::index_sequence_for<Parameters...>{});
  }
  template <auto Entry, std::size_t... I>
  static int spread([[maybe_unused]] void* const* arguments, std::index_sequence<I...>) noexcept {
    return Entry(static_cast<Parameters>(arguments[I])...);
  }
};

constexpr entry_invoker invokers[] = {
#define OVLE_ENTRY(symbol, call_name, family, argc) &thunk<decltype(::symbol)>::call<&::symbol>,
#include "entries.def"
#undef OVLE_ENTRY
};
static_assert(std::size(invokers) == std::size(common::entry_table));

constexpr std::array<callable_entry, std::size(invokers)> make_entries() {
  std::array<callable_entry, std::size(invokers)> all{};
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = {&common::entry_table[i], invokers[i]};
  return all;
}
constexpr auto entries = make_entries();

constexpr char upper(char c) noexcept { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool same_name(std::string_view listed, std::string_view asked) noexcept {
  if (listed.size() != asked.size()) return false;
  for (std::size_t i = 0; i < listed.size(); ++i) {
    if (upper(listed[i]) != upper(asked[i])) return false;
  }
  return true;
}

}  // namespace

std::span<const callable_entry> callable_entries() noexcept { return entries; }

const callable_entry* find_callable(std::string_view name) noexcept {
  for (const callable_entry& e : entries) {
    if (same_name(e.description->symbol, name) || same_name(e.description->call_name, name)) return &e;
  }
  return nullptr;
}

}  // namespace ovle::tool
