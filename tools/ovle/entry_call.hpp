// One call of an entry, its items built from the argument table: each item sits between guard
// bytes, so that a service writing beyond the width the table gives is caught, not hidden.
#pragma once

#include <cstddef>
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
    omitted,  // a null address
    value,    // an item holding `text` read by the argument's type
    cleared,  // an item as WORKING-STORAGE starts: zeros, blanks, an empty VSTRING
  };
  form how = form::cleared;
  std::string text;
};

struct call_outcome {
  std::string error;  // not empty when a value is no value of its argument's type (nothing called)
  int return_code = 0;
  std::vector<std::optional<shown_value>> shown;  // each argument after the call; empty when omitted
  std::optional<std::size_t> overrun;             // the first argument whose guard bytes changed
  std::optional<decoded_condition> feedback;      // the feedback code, when passed

  // The severity of the feedback code, 0 when it was omitted or the entry has none.
  int severity() const noexcept { return feedback ? feedback->severity : 0; }
};

// Calls the entry with one setting per argument. With `quiet`, what the service writes to standard
// output goes to standard error while it runs.
call_outcome call_entry(const callable_entry& entry, std::span<const argument_setting> settings, code_set caller,
                        bool quiet = false);

}  // namespace ovle::tool
