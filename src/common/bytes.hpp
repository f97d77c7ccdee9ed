// Every byte encoding the library reads or writes: big-endian INT2/INT4, native binaries and floats,
// packed and zoned decimal, VSTRINGs and blank-padded text.
//
// Byte order, once: INT2, INT4 and a VSTRING's length are big-endian (most significant byte first)
// whatever the machine; COMP-5 items and floats are native. Decimal fields are EBCDIC-style: a
// packed field holds two digits a byte and the sign in the last nibble, a zoned field one digit a
// byte under the zone F, the last zone carrying the sign. Caller storage has no alignment
// guarantee, so every access goes through byte loads.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
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

// The length of `text` without its trailing `pad` characters. Fields are mostly padding, so it
// steps back eight bytes at a time.
inline std::size_t padded_length(std::string_view text, char pad) noexcept {
  std::size_t n = text.size();
  std::uint64_t pads;
  std::memset(&pads, pad, sizeof pads);
  while (n >= 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + n - 8, 8);
    if (word != pads) break;
    n -= 8;
  }
  while (n > 0 && text[n - 1] == pad) --n;
  return n;
}

// Copies `text` into a fixed field of `width` characters, cut or padded with `pad`.
inline void store_padded(void* field, std::size_t width, std::string_view text, char pad) noexcept {
  const std::size_t n = std::min(width, text.size());
  std::memcpy(field, text.data(), n);
  std::memset(static_cast<char*>(field) + n, pad, width - n);
}

// ---- Packed and zoned decimal ------------------------------------------------------------------------

// Sign nibbles: C positive, D negative, F unsigned (read as positive).
inline constexpr unsigned char sign_positive = 0x0C;
inline constexpr unsigned char sign_negative = 0x0D;
inline constexpr unsigned char sign_unsigned = 0x0F;

// Packed decimal (COMP-3) of `width` bytes, 2 x width - 1 digits: the value's low-order digits,
// higher ones cut off, sign C or D. Precondition: width in [1, 10].
constexpr void store_packed(unsigned char* p, std::size_t width, std::int64_t value) noexcept {
  const bool negative = value < 0;
  auto magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  p[width - 1] = static_cast<unsigned char>((magnitude % 10) << 4 | (negative ? sign_negative : sign_positive));
  magnitude /= 10;
  for (std::size_t i = width - 1; i-- > 0; magnitude /= 100) {
    p[i] = static_cast<unsigned char>((magnitude / 10 % 10) << 4 | magnitude % 10);
  }
}

// The value of a packed field, or empty when a digit nibble is above 9 or the sign is not C, D, F.
constexpr std::optional<std::int64_t> load_packed(const unsigned char* p, std::size_t width) noexcept {
  std::int64_t value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    const unsigned high = p[i] >> 4, low = p[i] & 0x0Fu;
    if (high > 9) return std::nullopt;
    value = value * 10 + high;
    if (i + 1 < width) {
      if (low > 9) return std::nullopt;
      value = value * 10 + low;
    } else if (low == sign_negative) {
      value = -value;
    } else if (low != sign_positive && low != sign_unsigned) {
      return std::nullopt;
    }
  }
  return value;
}

// Zoned decimal of `width` digits: zone F on every digit but the last, whose zone is the sign
// (C positive, D negative). Higher-order digits are cut off.
constexpr void store_zoned(unsigned char* p, std::size_t width, std::int64_t value) noexcept {
  const bool negative = value < 0;
  auto magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  for (std::size_t i = width; i-- > 0; magnitude /= 10) p[i] = static_cast<unsigned char>(0xF0 | magnitude % 10);
  p[width - 1] = static_cast<unsigned char>((negative ? sign_negative : sign_positive) << 4 | (p[width - 1] & 0x0F));
}

// The value of a zoned field, or empty when a digit is above 9, a zone but the last is not F, or
// the last zone is not C, D or F.
constexpr std::optional<std::int64_t> load_zoned(const unsigned char* p, std::size_t width) noexcept {
  std::int64_t value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    const unsigned zone = p[i] >> 4, digit = p[i] & 0x0Fu;
    if (digit > 9) return std::nullopt;
    if (i + 1 < width ? zone != 0x0F : zone != sign_positive && zone != sign_negative && zone != sign_unsigned) {
      return std::nullopt;
    }
    value = value * 10 + digit;
  }
  return p[width - 1] >> 4 == sign_negative ? -value : value;
}

}  // namespace ovle::common
