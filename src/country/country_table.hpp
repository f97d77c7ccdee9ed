// OVCTYDEF's built-in country table: 151 countries and the blank record, kept in EBCDIC, sorted by code.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace ovle::country {

// A country record as laid out: 85 bytes of blank-padded EBCDIC fields.
struct country_record {
  static constexpr std::size_t size = 85;
  struct field {
    std::size_t offset, width;
  };
  static constexpr field name{0, 20};
  static constexpr field code{20, 2};
  static constexpr field decimal_separator{22, 1};
  static constexpr field thousands_separator{23, 1};
  static constexpr field currency_symbol{24, 4};
  static constexpr field time_picture{28, 12};
  static constexpr field date_picture{40, 18};
  static constexpr field timestamp_picture{58, 27};

  std::array<char, size> bytes{};

  constexpr std::string_view get(field f) const noexcept { return {bytes.data() + f.offset, f.width}; }
};

// The table in EBCDIC key order (two unsigned bytes, first byte first): the blank record first.
std::span<const country_record> country_table() noexcept;

// The record of a two-character EBCDIC code, exactly as given (no upper-casing), or null.
const country_record* find_country(char first, char second) noexcept;

// OVCTYDEF's answer: the requested field left-justified in 80 bytes, EBCDIC blank-padded.
inline constexpr std::size_t answer_size = 80;
using answer = std::array<char, answer_size>;

// Request codes, EBCDIC "1" to "7".
namespace request {
inline constexpr char decimal_separator = '\xF1';
inline constexpr char thousands_separator = '\xF2';
inline constexpr char currency_symbol = '\xF3';
inline constexpr char time_picture = '\xF4';
inline constexpr char date_picture = '\xF5';
inline constexpr char timestamp_picture = '\xF6';
inline constexpr char country_code = '\xF7';
}  // namespace request

// The field of that request of the country `code` (2 EBCDIC bytes), or 80 x X'FF' when the
// country is unknown or the request is none of "1" to "7".
void answer_request(char first, char second, char request_code, answer& out) noexcept;

// True when an answer is the 80 x X'FF' of a failed request.
bool is_not_found(const answer& a) noexcept;

}  // namespace ovle::country
