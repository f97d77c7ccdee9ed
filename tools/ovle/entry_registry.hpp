// Every exported entry callable by name, through its own prototype, with its argument list.
#pragma once

#include <span>
#include <string_view>

#include "common/entry_arguments.hpp"

namespace ovle::tool {

// Calls the entry with one address per argument (null for an omitted one); returns what it returns.
using entry_invoker = int (*)(void* const* arguments) noexcept;

struct callable_entry {
  const common::entry_description* description;
  entry_invoker invoke;
};

// All entries, in the order of entries.def.
std::span<const callable_entry> callable_entries() noexcept;

// The entry of that exported symbol or CALL name, in any case ("ceedays", "OV-PIPI", "ov0pipi"),
// or null.
const callable_entry* find_callable(std::string_view name) noexcept;

}  // namespace ovle::tool
