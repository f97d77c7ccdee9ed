// The country and language stacks of OV-LE-EXTERNAL, and the country-field query behind CEE3MDS,
// CEE3MTS, CEE3MCS and the default-format services.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/conditions.hpp"
#include "common/ebcdic.hpp"
#include "common/ov_le_external.hpp"
#include "country/country_table.hpp"

namespace ovle::country {

// Function codes of CEE3CTY and CEE3LNG.
enum stack_function : std::int32_t { function_set = 1, function_query = 2, function_push = 3, function_pop = 4 };

inline constexpr std::size_t country_code_width = 2;
inline constexpr std::size_t language_code_width = 3;

// What a stack request answers: the condition it stores (null for none) and, for a query or a pop,
// what the caller's code parameter receives (EBCDIC).
template <std::size_t Width>
struct stack_answer {
  const common::condition* failure = nullptr;
  std::optional<std::array<char, Width>> parameter;
};

// CEE3CTY's work on the country stack; `code` is the caller's parameter in EBCDIC.
stack_answer<country_code_width> country_stack_request(common::ov_le_external area, std::int32_t function,
                                                       std::string_view code) noexcept;

// CEE3LNG's work on the language stack; `code` is the caller's parameter in EBCDIC.
stack_answer<language_code_width> language_stack_request(common::ov_le_external area, std::int32_t function,
                                                         std::string_view code) noexcept;

// A country-field query: the table request, how many bytes of the answer the caller's output
// takes, what an unknown country gets instead (EBCDIC, blank-padded to the output) and the warning
// that goes with it.
struct field_query {
  char request;
  std::size_t width;
  std::string_view fallback;
  const common::condition* warning;
};

using common::ebcdic::operator""_e;

inline constexpr field_query decimal_separator_query{request::decimal_separator, 2, "."_e,
                                                     &common::conditions::decimal_separator_defaulted};
inline constexpr field_query thousands_separator_query{request::thousands_separator, 2, ","_e,
                                                       &common::conditions::thousands_separator_defaulted};
// The currency sign, code page 037 X'9F'.
inline constexpr field_query currency_symbol_query{request::currency_symbol, 4, "\x9F",
                                                   &common::conditions::currency_symbol_defaulted};
inline constexpr field_query date_picture_query{request::date_picture, answer_size, "YYYY-MM-DD"_e,
                                                &common::conditions::date_picture_defaulted};
inline constexpr field_query time_picture_query{request::time_picture, answer_size, "HH:MI:SS"_e,
                                                &common::conditions::time_picture_defaulted};
inline constexpr field_query timestamp_picture_query{request::timestamp_picture, answer_size, "YYYY-MM-DD HH:MI:SS"_e,
                                                     &common::conditions::timestamp_picture_defaulted};

// The answer of a field query: its first `width` bytes go to the caller; `warning` is null when
// the country was found.
struct field_answer {
  answer bytes;
  const common::condition* warning = nullptr;
};

// The query for `country` (2 EBCDIC characters, as the caller gave them): two blanks or two
// low-values mean the current country.
field_answer query_field(common::ov_le_external area, std::string_view country, const field_query& query) noexcept;

// Asks the table program OVCTYDEF, called by name; a table that cannot be reached answers like an
// unknown country.
void ask_country_table(char first, char second, char request_code, answer& out) noexcept;

}  // namespace ovle::country
