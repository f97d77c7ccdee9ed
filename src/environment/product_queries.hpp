// The product and parameter queries behind CEEGPID, CEE3PRM and CEE3USR.
#pragma once

#include <cstdint>
#include <span>

#include "common/feedback.hpp"
#include "common/ov_le_external.hpp"

namespace ovle::environment {

// CEEGPID's answer: Language Environment 1.4.0 on MVS/VM.
inline constexpr std::int32_t le_version = 140;
inline constexpr std::int32_t le_platform = 3;

// CEEGPID's seven-line banner, shown on every call where the settings come from the environment
// (neither the IDE link up nor host "B" or "Q").
void show_version_banner_if_needed(common::ov_le_external area) noexcept;

// CEE3PRM: the first 80 characters of the parameter string into `out` (EBCDIC). True when the
// string was cut (a non-blank character beyond the 80th), or when the leading blanks of the first
// ten command-line arguments add up to more than 80. Without arguments and with a blank string the
// eight "No Parameter detected by CEE3PRM" lines are shown.
bool query_parameter_string(common::ov_le_external area, std::span<char, 80> out) noexcept;

// CEE3USR's checks: the function first (1 set, 2 query), then the field (1 or 2); null when both hold.
const common::condition* check_user_field_request(std::int32_t function, std::int32_t field) noexcept;

}  // namespace ovle::environment
