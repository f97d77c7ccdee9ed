// EBCDIC (code page 037) constants for the library's own texts, which it keeps and compares in EBCDIC.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ovle::common::ebcdic {

inline constexpr char blank = '\x40';
inline constexpr char zero = '\xF0';

// Translates printable ASCII (letters, digits, blank and the common punctuation) at compile time.
constexpr char from_ascii(char c) {
  if (c >= 'A' && c <= 'I') return static_cast<char>(0xC1 + (c - 'A'));
  if (c >= 'J' && c <= 'R') return static_cast<char>(0xD1 + (c - 'J'));
  if (c >= 'S' && c <= 'Z') return static_cast<char>(0xE2 + (c - 'S'));
  if (c >= 'a' && c <= 'i') return static_cast<char>(0x81 + (c - 'a'));
  if (c >= 'j' && c <= 'r') return static_cast<char>(0x91 + (c - 'j'));
  if (c >= 's' && c <= 'z') return static_cast<char>(0xA2 + (c - 's'));
  if (c >= '0' && c <= '9') return static_cast<char>(0xF0 + (c - '0'));
  switch (c) {
    case ' ': return '\x40';
    case '.': return '\x4B';
    case '(': return '\x4D';
    case '+': return '\x4E';
    case '&': return '\x50';
    case '$': return '\x5B';
    case '*': return '\x5C';
    case ')': return '\x5D';
    case ';': return '\x5E';
    case '-': return '\x60';
    case '/': return '\x61';
    case ',': return '\x6B';
    case '%': return '\x6C';
    case '_': return '\x6D';
    case '>': return '\x6E';
    case '?': return '\x6F';
    case ':': return '\x7A';
    case '#': return '\x7B';
    case '@': return '\x7C';
    case '\'': return '\x7D';
    case '=': return '\x7E';
    case '"': return '\x7F';
    default: throw "character without a compile-time EBCDIC translation";
  }
}

template <std::size_t N>
struct literal {
  std::array<char, N - 1> bytes{};
  constexpr literal(const char (&ascii)[N]) {
    for (std::size_t i = 0; i + 1 < N; ++i) bytes[i] = from_ascii(ascii[i]);
  }
  constexpr std::string_view view() const { return {bytes.data(), bytes.size()}; }
};

// "CEE"_e is the EBCDIC text CEE, as a string_view over static storage.
template <literal L>
constexpr std::string_view operator""_e() {
  return L.view();
}

// Digit value of an EBCDIC digit, or -1.
constexpr int digit_value(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 0xF0 && u <= 0xF9) ? u - 0xF0 : -1;
}

constexpr char digit(int value) { return static_cast<char>(0xF0 + value); }

// The value of `width` EBCDIC display digits, or -1 when any of them is not a digit. Branch-free
// over the digits: the date engine reads several fields per call.
constexpr std::int64_t load_digits(const char* field, std::size_t width) noexcept {
  std::int64_t value = 0;
  bool all_digits = true;
  for (std::size_t i = 0; i < width; ++i) {
    const unsigned d = static_cast<unsigned char>(field[i]) - 0xF0u;
    all_digits = all_digits && d <= 9;
    value = value * 10 + static_cast<std::int64_t>(d);
  }
  return all_digits ? value : -1;
}

// A non-negative value as `width` EBCDIC display digits, the high-order digits cut off.
constexpr void store_digits(char* field, std::size_t width, std::int64_t value) noexcept {
  for (std::size_t i = width; i-- > 0; value /= 10) field[i] = digit(static_cast<int>(value % 10));
}

}  // namespace ovle::common::ebcdic
