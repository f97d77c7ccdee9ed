// The formatting services CEEDATE and CEEDATM: a Lilian day or Lilian seconds laid out by a picture.
//
// The output is built in an 80-character work area that starts as the picture: every token is
// overwritten by its value, delimiters stay where they are, and zero-suppressed and trimmed tokens
// are then shortened by moving the rest of the area left. Both services format the date tokens the
// same way and share the picture scan and the three tables with the parsing services.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "common/feedback.hpp"
#include "common/ov_le_external.hpp"
#include "datetime/picture.hpp"

namespace ovle::datetime {

// The formatted output: 80 characters, blank-padded.
inline constexpr std::size_t output_width = 80;

// CEEDATE: `lilian` formatted through `picture` (EBCDIC; empty or blank asks CEEFMDA for the current
// country's default) into `output` (EBCDIC). Conditions go to `fc`; the output is blank on any.
void format_date(std::int32_t lilian, std::string_view picture, common::ov_le_external area, picture_tables tables,
                 std::span<char, output_width> output, common::feedback_code& fc) noexcept;

// CEEDATM: Lilian seconds formatted through `picture` (blank asks CEEFMDT), with the components
// from CEESECI called by name. Conditions go to `fc`; the output is blank on any.
void format_timestamp(double seconds, std::string_view picture, common::ov_le_external area, picture_tables tables,
                      std::span<char, output_width> output, common::feedback_code& fc) noexcept;

}  // namespace ovle::datetime
