// Every condition the services store, named from the one table in conditions.def.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "common/feedback.hpp"

namespace ovle::common {

// The symbolic name of a condition: its facility ID (in ASCII) and the message number as three
// base-32 digits 0-9, A-V; 2507 gives "2EB". Message numbers run from 0 to 32767.
struct symbolic_name {
  std::array<char, 6> text{};
  constexpr std::string_view view() const noexcept { return {text.data(), text.size()}; }
  friend constexpr bool operator==(const symbolic_name&, const symbolic_name&) = default;
};

constexpr symbolic_name make_symbolic_name(std::string_view facility, std::int16_t message) noexcept {
  constexpr std::string_view digits = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
  const auto n = static_cast<unsigned>(message);
  symbolic_name s;
  for (std::size_t i = 0; i < 3; ++i) s.text[i] = facility[i];
  s.text[3] = digits[n / 1024 % 32];
  s.text[4] = digits[n / 32 % 32];
  s.text[5] = digits[n % 32];
  return s;
}

namespace detail {
// The facility IDs of the table, as EBCDIC constants.
inline constexpr std::array<char, 3> facility_of_CEE = facility_cee;
inline constexpr std::array<char, 3> facility_of_OVX = facility_ovx;
}  // namespace detail

namespace conditions {
#define OVLE_CONDITION(identifier, symbol, facility, severity, message, control) \
  inline constexpr condition identifier{severity, message, control, detail::facility_of_##facility};
#include "common/conditions.def"
#undef OVLE_CONDITION
}  // namespace conditions

// One row of the table, for what reads it whole: the copybook generator, the decoder, the tests.
struct condition_entry {
  std::string_view identifier;
  std::string_view symbol;
  std::string_view facility;  // ASCII
  condition value;
};

inline constexpr condition_entry condition_table[] = {
#define OVLE_CONDITION(identifier, symbol, facility, severity, message, control) \
  {#identifier, symbol, #facility, conditions::identifier},
#include "common/conditions.def"
#undef OVLE_CONDITION
};

// Each symbol column agrees with the formula.
#define OVLE_CONDITION(identifier, symbol, facility, severity, message, control)               \
  static_assert(make_symbolic_name(#facility, message).view() == std::string_view(symbol), \
                "conditions.def: the symbol of " #identifier " does not match its message number");
#include "common/conditions.def"
#undef OVLE_CONDITION

// The row of a stored condition (facility in EBCDIC), or null when the table has none.
constexpr const condition_entry* find_condition(const condition& c) noexcept {
  for (const condition_entry& e : condition_table) {
    if (e.value == c) return &e;
  }
  return nullptr;
}

}  // namespace ovle::common
