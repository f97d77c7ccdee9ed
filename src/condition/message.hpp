// CEEMOUT's line and CEE3ABD's end of the run unit.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace ovle::condition {

// ---- CEEMOUT -----------------------------------------------------------------------------------

inline constexpr std::size_t message_line_width = 121;  // a longer message is cut here
inline constexpr std::size_t destination_name_width = 8;

// True when the message destination of OV-LE-EXTERNAL (8 EBCDIC characters) names the SYSOUT
// stream: "SYSOUT", eight blanks or eight low-values. Any other name is a named output.
bool is_sysout_destination(std::span<const char, destination_name_width> name) noexcept;

// Writes one message line: 121 characters, the text (at most 121) over blanks of the caller's code
// set. The text goes out as the caller holds it, through LESSOUTA for an ASCII caller and LESSOUTE
// otherwise, both reached by name: to SYSOUT (function 0), or to the named output `name`, which
// each call opens (function 1; the name in ASCII for LESSOUTA), writes (2) and closes (3). A writer
// that cannot be reached writes nothing; what the writers report is not passed on.
void write_message(std::string_view text, std::span<const char, destination_name_width> name,
                   bool ascii_caller) noexcept;

// ---- CEE3ABD -----------------------------------------------------------------------------------

inline constexpr std::size_t abend_line_width = 79;

// The 12-bit user abend code of an abend code argument: its low 16 bits, then its low 12 bits.
constexpr std::int32_t user_abend_code(std::int32_t argument) noexcept { return argument & 0xFFFF & 0x0FFF; }

// "CEE3ABD: ABEND U(nnnn)" and blanks to 79 characters, in ASCII; `code` in [0, 4095].
std::array<char, abend_line_width> abend_line(std::int32_t code) noexcept;

// Shows a blank line, the abend line and a blank line on the console and ends the run unit with
// return code 65,536 + code (the shell sees it modulo 256). Never returns.
[[noreturn]] void abend(std::int32_t code) noexcept;

}  // namespace ovle::condition
