// OV-PIPI's settings: each read from the IDE, fixed or derived on hosts "B" and "Q", or taken from
// an environment variable, and stored into OV-LE-EXTERNAL.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/ov_le_external.hpp"

namespace ovle::environment {

// One entry of the language table: the language number selects entry (number), counted from 1.
struct language_entry {
  std::string_view name;
  std::string_view country;
  std::string_view language;
};

// clang-format off
inline constexpr std::array<language_entry, 14> language_table = {{
    {"American English", "US", "ENU"}, {"Canadian French", "CA", "FRC"}, {"Danish", "DK", "DAN"},
    {"Dutch", "NL", "NLD"},            {"English", "GB", "ENG"},         {"Finnish", "FI", "FIN"},
    {"French", "FR", "FRA"},           {"German", "DE", "DEU"},          {"Italian", "IT", "ITA"},
    {"Norwegian", "NO", "NOR"},        {"Portuguese", "PT", "PTG"},      {"Spanish", "ES", "ESP"},
    {"Swedish", "SE", "SVE"},          {"Turkish", "TK", "TRK"},
}};
// clang-format on

// The language number of a four-character value of OVCODESET (or IDE setting 8300), matched in the
// code table's order; any other value gives 1. "AUTO" is resolved by the caller.
constexpr int code_table_language(std::string_view code) noexcept {
  constexpr std::pair<std::string_view, int> table[] = {
      {"DEFA", 1}, {"0031", 4}, {"0033", 7},  {"0034", 12}, {"0039", 9},  {"0043", 8}, {"0049", 8},
      {"0044", 5}, {"0045", 3}, {"0046", 13}, {"0047", 10}, {"0351", 11}, {"0358", 6}, {"0090", 1}};
  for (const auto& [value, number] : table) {
    if (value == code) return number;
  }
  return 1;
}

// The two characters of a language number as read, normalized: a first character that is not a
// digit gives 01; a second that is not gives 0 and the first digit. A number outside 01 to 14
// selects no entry of the table and is taken as 01.
constexpr int normalized_language_number(char first, char second) noexcept {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (!digit(first)) return 1;
  const int n = digit(second) ? (first - '0') * 10 + (second - '0') : first - '0';
  return n >= 1 && n <= 14 ? n : 1;
}

// The size rule of HEAP's variable and IDE settings: leading blanks skipped, the digits, then K
// (x 1024) or M (x 1048576), or without either rounded up to a multiple of 8; 0 becomes 8. Empty
// when there are no digits or the size does not fit the eight-digit HEAP fields.
std::optional<std::int64_t> heap_size_rule(std::string_view text) noexcept;

// Whether settings come from the IDE (host "H" with its link up), are fixed or derived (hosts "B"
// and "Q"), or come from the environment variables (any other host).
enum class settings_source : std::uint8_t { ide, host, environment };
settings_source source_of(common::ov_le_external area) noexcept;

// The steps of OV-PIPI after host detection, in the order it runs them.
void connect_ide(common::ov_le_external area) noexcept;
void set_initial_country(common::ov_le_external area) noexcept;
void set_initial_language(common::ov_le_external area) noexcept;
void set_gmt_offset(common::ov_le_external area) noexcept;
void set_heap(common::ov_le_external area, bool small_defaults) noexcept;
void set_storage(common::ov_le_external area) noexcept;
void set_all31(common::ov_le_external area, bool small_defaults) noexcept;
void set_report_switches(common::ov_le_external area) noexcept;  // RPTOPTS and RPTSTG
void set_cblopts(common::ov_le_external area) noexcept;
void set_message_file(common::ov_le_external area) noexcept;
void release_ide(common::ov_le_external area) noexcept;

}  // namespace ovle::environment
