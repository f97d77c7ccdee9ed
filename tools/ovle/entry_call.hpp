// One call of an entry, its items built from the argument table: each item sits between guard
// bytes, or against a page the process may not touch, so that a service reading or writing beyond
// the width the table gives is caught, not hidden.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "entry_registry.hpp"
#include "values.hpp"

namespace ovle::tool {

// What the caller passes for one argument.
struct argument_setting {
  enum class form : std::uint8_t {
    omitted,     // a null address
    value,       // an item holding `text` read by the argument's type
    cleared,     // an item as WORKING-STORAGE starts: zeros, blanks, an empty VSTRING
    raw,         // an item holding the bytes of `text` as they are, zeros after them
    not_passed,  // beyond the caller's argument list: an address nobody set, where nothing may be touched
  };
  form how = form::cleared;
  std::string text;
  // Stored over the length of a vstring item after it is built: lengths a caller should not pass.
  std::optional<std::int16_t> vstring_length;
};

// Where each item lies.
enum class item_layout : std::uint8_t {
  guard_bytes,  // between 16 guard bytes on each side; writes beyond it are seen after the call
  page_after,   // its last byte just before a no-access page: a read or write beyond it faults
  page_before,  // its first byte just after a no-access page: a read or write before it faults
  odd_address,  // one guard byte after a no-access page, so that no item is aligned
};

struct call_options {
  // What the service writes to standard output goes to standard error while it runs.
  bool quiet = false;
  item_layout layout = item_layout::guard_bytes;
};

struct call_outcome {
  std::string error;  // not empty when a value is no value of its argument's type (nothing called)
  int return_code = 0;
  std::vector<std::optional<shown_value>> shown;  // each argument after the call; empty when omitted
  std::optional<std::size_t> overrun;             // the first argument whose guard bytes changed
  std::optional<std::size_t> input_changed;       // the first input argument whose bytes changed
  std::optional<decoded_condition> feedback;      // the feedback code, when passed

  // The severity of the feedback code, 0 when it was omitted or the entry has none.
  int severity() const noexcept { return feedback ? feedback->severity : 0; }
};

// Calls the entry with one setting per argument.
call_outcome call_entry(const callable_entry& entry, std::span<const argument_setting> settings, code_set caller,
                        const call_options& options = {});

// Where an address lies in the no-access pages of the call running now: the argument whose item
// the page borders, and whether the page lies after it. Empty when it lies in none. Safe in a
// signal handler: it reads a table that the call built before the entry was entered.
struct guard_page_hit {
  std::size_t argument;
  bool after;
  bool not_passed;  // the argument is not_passed: its address is the page itself
};
std::optional<guard_page_hit> guard_page_of(const void* address) noexcept;

}  // namespace ovle::tool
