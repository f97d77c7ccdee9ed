// The 16-byte feedback code (condition token); the conditions themselves are in conditions.def.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "common/bytes.hpp"

namespace ovle::common {

inline constexpr std::size_t feedback_size = 16;

// A condition as a service stores it; the facility ID is kept in EBCDIC.
struct condition {
  std::int16_t severity;
  std::int16_t message_number;
  std::uint8_t control;
  std::array<char, 3> facility;

  // X'40' + 8 x severity + control: case 1 in the two high bits.
  constexpr std::uint8_t case_severity_control() const noexcept {
    return static_cast<std::uint8_t>(0x40 + 8 * severity + control);
  }
  friend constexpr bool operator==(const condition&, const condition&) = default;
};

inline constexpr std::array<char, 3> facility_cee{'\xC3', '\xC5', '\xC5'};
inline constexpr std::array<char, 3> facility_ovx{'\xD6', '\xE5', '\xE7'};

// A view of the caller's (or the scratch) 16 bytes.
class feedback_code {
 public:
  explicit feedback_code(void* bytes) noexcept : bytes_(static_cast<unsigned char*>(bytes)) {}

  void clear() noexcept { std::memset(bytes_, 0, feedback_size); }

  // True while no condition is stored: all 16 bytes X'00'.
  bool ok() const noexcept {
    static constexpr unsigned char zeros[feedback_size]{};
    return std::memcmp(bytes_, zeros, feedback_size) == 0;
  }

  // Stores severity, message, case/severity/control and facility; bytes 8-15 become zero.
  void set(const condition& c) noexcept {
    store_int2(bytes_, c.severity);
    store_int2(bytes_ + 2, c.message_number);
    bytes_[4] = c.case_severity_control();
    std::memcpy(bytes_ + 5, c.facility.data(), 3);
    std::memset(bytes_ + 8, 0, 8);
  }

  condition get() const noexcept {
    condition c{load_int2(bytes_), load_int2(bytes_ + 2), static_cast<std::uint8_t>(bytes_[4] & 0x07), {}};
    std::memcpy(c.facility.data(), bytes_ + 5, 3);
    return c;
  }

  unsigned char* data() const noexcept { return bytes_; }

 private:
  unsigned char* bytes_;
};

}  // namespace ovle::common
