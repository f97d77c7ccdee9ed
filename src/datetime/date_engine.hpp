// The date engine behind CEEDAYS and CEECBLDY: reads a date string through a picture string.
//
// The engine works on EBCDIC text, as the services hold it, and takes any bytes: the date is read
// over its first 80 characters and the picture over its first 100, and every outcome is a value
// or a condition. It leaves the shared picture tables as a COBOL program expects to find
// them after the call.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/conditions.hpp"
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

struct engine_result {
  std::int32_t value;                          // 0 whenever a condition is set
  const common::condition* failure = nullptr;  // null on success; otherwise the last condition set
  friend constexpr bool operator==(const engine_result&, const engine_result&) = default;
};

// Reads `date` (EBCDIC) through `picture` (EBCDIC). Resets and fills `tables` on the way.
engine_result read_date(std::string_view date, std::string_view picture, engine_mode mode, century_start window,
                        picture_tables tables) noexcept;

}  // namespace ovle::datetime
