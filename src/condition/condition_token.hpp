// Condition tokens built from their parts and taken apart again: the checks of CEENCOD and CEEDCOD.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/feedback.hpp"

namespace ovle::condition {

using token_bytes = std::array<unsigned char, common::feedback_size>;

// The parts of a condition token. The facility ID is EBCDIC, as the library holds it.
struct token_parts {
  std::int16_t c_1 = 0;  // CEEDCOD returns the severity here too; CEENCOD does not read it
  std::int16_t c_2 = 0;  // the message number
  std::int16_t case_code = 1;
  std::int16_t severity = 0;
  std::int16_t control = 0;
  std::array<char, 3> facility{};
  std::array<unsigned char, 8> instance{};  // copied as it is, no byte order
  friend bool operator==(const token_parts&, const token_parts&) = default;
};

// The COBOL alphabetic class, without the blank: the EBCDIC letters A-Z and a-z.
constexpr bool is_ebcdic_letter(char c) noexcept {
  const auto u = static_cast<unsigned char>(c);
  const unsigned low = u & 0x0Fu;
  switch (u & 0xF0u) {
    case 0x80:
    case 0xC0: return low >= 0x1 && low <= 0x9;  // a-i, A-I
    case 0x90:
    case 0xD0: return low >= 0x1 && low <= 0x9;  // j-r, J-R
    case 0xA0:
    case 0xE0: return low >= 0x2 && low <= 0x9;  // s-z, S-Z
    default: return false;
  }
}

constexpr bool is_ebcdic_digit(char c) noexcept {
  const auto u = static_cast<unsigned char>(c);
  return u >= 0xF0 && u <= 0xF9;
}

// CEENCOD: the checks in their order, the first failure ending them (case 1; control 0 or 1;
// severity 0 to 4; each facility character a letter or a digit), then the token. c_1 is not
// read; bytes 0-1 take the severity.
struct encoded {
  const common::condition* failure;  // null when the token was built
  token_bytes token;
};
encoded encode(const token_parts& parts) noexcept;

// CEEDCOD: both checks run and the later failure wins (severity 0 to 4; a facility ID that is
// alphabetic as a whole, or three X'00' bytes); then the parts, case always 1 and control the low
// bit of byte 4. The facility bytes of `token` are EBCDIC.
struct decoded {
  const common::condition* failure;  // null when the parts were taken
  token_parts parts;
};
decoded decode(std::span<const unsigned char, common::feedback_size> token) noexcept;

}  // namespace ovle::condition
