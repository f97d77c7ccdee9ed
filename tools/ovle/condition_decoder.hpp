// Feedback codes and condition tokens read back for people: severity, message number, symbolic
// name, facility and the row of the conditions table they come from.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/conditions.hpp"

namespace ovle::tool {

using token_bytes = std::array<unsigned char, 16>;

struct decoded_condition {
  bool success = false;  // sixteen X'00' bytes
  std::int16_t severity = 0;
  std::int16_t message_number = 0;
  std::uint8_t case_severity_control = 0;  // byte 4 as stored
  int control = 0;                         // its low three bits
  bool byte4_agrees = true;                // case 1 and the severity of bytes 0-1
  std::string facility;                    // ASCII; X'..' when it is neither ASCII nor EBCDIC text
  bool facility_in_ebcdic = false;
  std::string symbol;           // CEE2EB; empty when the facility is not text
  std::string_view identifier;  // the row of conditions.def, empty when none matches
  std::string instance_hex;     // bytes 8-15
  std::string hex;              // all 16 bytes
};

decoded_condition decode_condition(const token_bytes& token);

// One line: "CEE2EB severity 3, message 2507, facility CEE, control 1: date_component_missing".
std::string describe(const decoded_condition& c);

// The rows of conditions.def whose symbol or identifier this is ("CEE2EB", "date_invalid").
std::vector<const common::condition_entry*> conditions_named(std::string_view name);

// A token from the command line: 32 hexadecimal digits (blanks allowed between them), or the
// symbol or identifier of exactly one row of conditions.def. The facility ID is stored in the
// caller's code set. An error message when the text is neither.
struct token_or_error {
  std::optional<token_bytes> token;
  std::string error;
};
token_or_error token_from_text(std::string_view text, bool ebcdic_caller);

std::string hex_of(const unsigned char* bytes, std::size_t size);

}  // namespace ovle::tool
