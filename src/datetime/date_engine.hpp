// The date engine behind CEEDAYS and CEECBLDY: reads a date string through a picture string.
//
// The engine works on EBCDIC text, as the services hold it, and takes any bytes: the date is read
// over its first 80 characters and the picture over its first 100, and every outcome is a value
// or a message number. It leaves the shared picture tables as a COBOL program expects to find
// them after the call.
#pragma once

#include <cstdint>
#include <string_view>

#include "datetime/picture.hpp"

namespace ovle::datetime {

// The input date is read over at most this many characters.
inline constexpr std::size_t max_date_length = 80;

enum class engine_mode : std::uint8_t {
  integer_date,  // COBOL integer date, 1 = 1 January 1601 (CEECBLDY)
  lilian,        // Lilian day, 1 = 15 October 1582 (CEEDAYS)
};

// The first year of the 100-year window for two-digit years, as OV-LE-EXTERNAL keeps it: two
// EBCDIC digits for the century (cc) and two for the year within it (yy).
struct century_start {
  char cc[2];
  char yy[2];
};

// Message numbers the engine sets (all severity 3, facility CEE).
namespace message {
inline constexpr std::int16_t component_missing = 2507;  // a needed component was not read
inline constexpr std::int16_t invalid_date = 2508;       // month, day or day of year out of range
inline constexpr std::int16_t out_of_range = 2513;       // before the first date of the mode
inline constexpr std::int16_t name_unknown = 2517;       // month name, weekday name or Roman numeral
inline constexpr std::int16_t no_token = 2518;           // the picture holds no token
inline constexpr std::int16_t not_numeric = 2520;        // components read but not numeric, or zero
}  // namespace message

struct engine_result {
  std::int32_t value;    // 0 whenever a message is set
  std::int16_t message;  // 0 on success; otherwise the last message set
  friend constexpr bool operator==(const engine_result&, const engine_result&) = default;
};

// Reads `date` (EBCDIC) through `picture` (EBCDIC). Resets and fills `tables` on the way.
engine_result read_date(std::string_view date, std::string_view picture, engine_mode mode, century_start window,
                        picture_tables tables) noexcept;

}  // namespace ovle::datetime
