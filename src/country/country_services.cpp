// The country and language stacks and the country-field query.
#include "country/country_services.hpp"

#include <algorithm>
#include <cstring>
#include <span>

#include "common/frame.hpp"
#include "common/platform/intrinsics.hpp"
#include "common/platform/platform.hpp"
#include "ovle/ovle.h"

namespace ovle::country {
namespace {

using common::ov_le_external;

// The stack depth a count stands for. A count outside 1 to 99 (an area the initialization never
// set up, or one a program overwrote through its EXTERNAL item) is read as the nearest bound, so
// that no request ever reaches past the stack.
std::size_t depth(std::int16_t count) noexcept {
  return static_cast<std::size_t>(std::clamp<int>(count, 1, static_cast<int>(ov_le_external::country_stack_entries)));
}
static_assert(ov_le_external::country_stack_entries == ov_le_external::language_stack_entries);
constexpr std::size_t stack_capacity = ov_le_external::country_stack_entries;

// The first Width characters of `text` (blank-padded), upper-cased.
template <std::size_t Width>
std::array<char, Width> upper_code(std::string_view text) noexcept {
  std::array<char, Width> code;
  for (std::size_t i = 0; i < Width; ++i) code[i] = i < text.size() ? text[i] : common::ebcdic::blank;
  platform::intrinsic::upper_case_ebcdic(code.data(), Width);
  return code;
}

template <std::size_t Width>
std::array<char, Width> entry_of(std::span<const char> entry) noexcept {
  std::array<char, Width> code;
  std::copy_n(entry.begin(), Width, code.begin());
  return code;
}

template <std::size_t Width>
void store_entry(std::span<char> entry, const std::array<char, Width>& code) noexcept {
  std::copy(code.begin(), code.end(), entry.begin());
}

bool country_known(const std::array<char, country_code_width>& code) noexcept {
  answer a;
  ask_country_table(code[0], code[1], request::country_code, a);
  return !is_not_found(a);
}

constexpr std::string_view accepted_languages[] = {"ENU"_e, "UEN"_e, "JPN"_e};

bool language_accepted(const std::array<char, language_code_width>& code) noexcept {
  const std::string_view c(code.data(), code.size());
  return std::find(std::begin(accepted_languages), std::end(accepted_languages), c) != std::end(accepted_languages);
}

bool is_blank_or_low_values(std::string_view code) noexcept {
  return code.size() == country_code_width && (code == "  "_e || code == std::string_view("\0\0", 2));
}

}  // namespace

void ask_country_table(char first, char second, char request_code, answer& out) noexcept {
  static constexpr std::size_t table_program = platform::program_index("OVCTYDEF");
  static_assert(table_program < platform::program_count);
  auto* const table = reinterpret_cast<decltype(&OVCTYDEF)>(platform::find_program(table_program));
  if (table == nullptr) {
    out.fill('\xFF');
    return;
  }
  // The library's own table answers without the entry's argument checks: its arguments are ours.
  if (table == &OVCTYDEF) {
    answer_request(first, second, request_code, out);
    return;
  }
  const char code[country_code_width] = {first, second};
  table(code, &request_code, out.data());
}

stack_answer<country_code_width> country_stack_request(ov_le_external area, std::int32_t function,
                                                       std::string_view code) noexcept {
  stack_answer<country_code_width> a;
  const auto work = upper_code<country_code_width>(code);
  const std::size_t n = depth(area.country_count());
  switch (function) {
    case function_set:
      if (!country_known(work)) {
        a.failure = &common::conditions::country_not_accepted;
        break;
      }
      store_entry(area.country(n), work);
      break;
    case function_query: {
      auto current = entry_of<country_code_width>(area.country(n));
      platform::intrinsic::upper_case_ebcdic(current.data(), current.size());
      a.parameter = current;
      break;
    }
    case function_push:
      if (n == stack_capacity || !country_known(work)) {
        a.failure = &common::conditions::country_not_accepted;
        break;
      }
      store_entry(area.country(n + 1), work);
      area.set_country_count(static_cast<std::int16_t>(n + 1));
      break;
    case function_pop:
      a.parameter = entry_of<country_code_width>(area.country(n));
      if (n < 2) {
        a.failure = &common::conditions::country_pop_last;
        break;
      }
      area.set_country_count(static_cast<std::int16_t>(n - 1));
      break;
    default: a.failure = &common::conditions::country_function_invalid;
  }
  return a;
}

stack_answer<language_code_width> language_stack_request(ov_le_external area, std::int32_t function,
                                                         std::string_view code) noexcept {
  stack_answer<language_code_width> a;
  const auto work = upper_code<language_code_width>(code);
  const std::size_t n = depth(area.language_count());
  switch (function) {
    case function_set:
      if (!language_accepted(work)) {
        a.failure = &common::conditions::language_not_accepted;
        break;
      }
      store_entry(area.language(1), work);
      break;
    case function_query: {
      auto current = entry_of<language_code_width>(area.language(1));
      platform::intrinsic::upper_case_ebcdic(current.data(), current.size());
      a.parameter = current;
      break;
    }
    case function_push:
      // A full stack refuses the push as it refuses an unknown language.
      if (n == stack_capacity || !language_accepted(work)) {
        a.failure = &common::conditions::language_not_accepted;
        break;
      }
      // The stack grows at its front: entries move down one slot, the bottom one first.
      for (std::size_t i = n; i >= 1; --i)
        store_entry(area.language(i + 1), entry_of<language_code_width>(area.language(i)));
      store_entry(area.language(1), work);
      area.set_language_count(static_cast<std::int16_t>(n + 1));
      break;
    case function_pop:
      a.parameter = entry_of<language_code_width>(area.language(1));
      if (n < 2) {
        a.failure = &common::conditions::language_pop_last;
        break;
      }
      for (std::size_t i = 2; i <= n; ++i)
        store_entry(area.language(i - 1), entry_of<language_code_width>(area.language(i)));
      area.set_language_count(static_cast<std::int16_t>(n - 1));
      break;
    default: a.failure = &common::conditions::language_function_invalid;
  }
  return a;
}

field_answer query_field(ov_le_external area, std::string_view country, const field_query& query) noexcept {
  field_answer r;
  std::optional<std::array<char, country_code_width>> code;
  if (!is_blank_or_low_values(country)) {
    code = upper_code<country_code_width>(country);
  } else if (common::ensure_environment(area)) {
    code = upper_code<country_code_width>(
        std::string_view(area.country(depth(area.country_count())).data(), country_code_width));
  } else {
    platform::console_line("Unable to Start Orvane CEE Emulation");
  }
  if (code) ask_country_table((*code)[0], (*code)[1], query.request, r.bytes);
  if (!code || is_not_found(r.bytes)) {
    common::store_padded(r.bytes.data(), r.bytes.size(), query.fallback, common::ebcdic::blank);
    r.warning = query.warning;
  }
  return r;
}

}  // namespace ovle::country
