// Raw caller bytes: big-endian INT2/INT4, native binaries, floats, VSTRINGs and blank-padded text.
//
// Caller storage has no alignment guarantee, so every access goes through memcpy-sized byte loads.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace ovle::common {

inline std::int32_t load_int4(const void* p) noexcept {
  const auto* b = static_cast<const unsigned char*>(p);
  return static_cast<std::int32_t>((std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) |
                                   (std::uint32_t{b[2]} << 8) | std::uint32_t{b[3]});
}

inline void store_int4(void* p, std::int32_t value) noexcept {
  const auto u = static_cast<std::uint32_t>(value);
  auto* b = static_cast<unsigned char*>(p);
  b[0] = static_cast<unsigned char>(u >> 24);
  b[1] = static_cast<unsigned char>(u >> 16);
  b[2] = static_cast<unsigned char>(u >> 8);
  b[3] = static_cast<unsigned char>(u);
}

inline std::int16_t load_int2(const void* p) noexcept {
  const auto* b = static_cast<const unsigned char*>(p);
  return static_cast<std::int16_t>((unsigned{b[0]} << 8) | unsigned{b[1]});
}

inline void store_int2(void* p, std::int16_t value) noexcept {
  const auto u = static_cast<std::uint16_t>(value);
  auto* b = static_cast<unsigned char*>(p);
  b[0] = static_cast<unsigned char>(u >> 8);
  b[1] = static_cast<unsigned char>(u);
}

// Native-order binaries (COMP-5) and floating point (COMP-1, COMP-2), possibly unaligned.
template <typename T>
T load_native(const void* p) noexcept {
  T value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

template <typename T>
void store_native(void* p, T value) noexcept {
  std::memcpy(p, &value, sizeof value);
}

// The usable text length of a VSTRING: below 0 counts as 0, above `maximum` is cut to it.
inline std::size_t vstring_length(const void* vstring, std::size_t maximum) noexcept {
  const std::int16_t n = load_int2(vstring);
  return n <= 0 ? 0 : std::min(static_cast<std::size_t>(n), maximum);
}

// The text of a VSTRING, at most `maximum` characters.
inline std::string_view vstring_text(const void* vstring, std::size_t maximum) noexcept {
  return {static_cast<const char*>(vstring) + 2, vstring_length(vstring, maximum)};
}

// Stores `text` as a VSTRING's length and characters.
inline void store_vstring(void* vstring, std::string_view text) noexcept {
  store_int2(vstring, static_cast<std::int16_t>(text.size()));
  std::memcpy(static_cast<char*>(vstring) + 2, text.data(), text.size());
}

// Copies `text` into a fixed field of `width` characters, cut or padded with `pad`.
inline void store_padded(void* field, std::size_t width, std::string_view text, char pad) noexcept {
  const std::size_t n = std::min(width, text.size());
  std::memcpy(field, text.data(), n);
  std::memset(static_cast<char*>(field) + n, pad, width - n);
}

}  // namespace ovle::common
