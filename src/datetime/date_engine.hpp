// The date engine behind CEEDAYS and CEECBLDY: reads a date string through a picture string.
//
// The engine works on EBCDIC text, as the services hold it, and takes any bytes: the date is read
// over its first 80 characters and the picture over its first 100, and every outcome is a value
// or a condition. It leaves the shared picture tables as a COBOL program expects to find
// them after the call.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "common/conditions.hpp"
#include "common/ov_le_external.hpp"
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

// The start of the century window as the environment set it up in OV-LE-EXTERNAL.
inline century_start century_window_start(common::ov_le_external area) noexcept {
  century_start w;
  std::memcpy(w.cc, area.window_start_cc().data(), 2);
  std::memcpy(w.yy, area.window_start_yy().data(), 2);
  return w;
}

struct engine_result {
  std::int32_t value;                          // 0 whenever a condition is set
  const common::condition* failure = nullptr;  // null on success; otherwise the last condition set
  // Characters the date was short of at the year, month, day and weekday (a one-digit month or
  // day, a name or Roman numeral written without its padding), which the engine put back as
  // blanks to re-align the rest with the picture. A reader of the fields behind the date (the
  // time of a timestamp) finds them this much further left in the text.
  std::array<std::uint8_t, 4> widened{};
  friend constexpr bool operator==(const engine_result&, const engine_result&) = default;
};

// Reads `date` (EBCDIC) through `picture` (EBCDIC). Resets and fills `tables` on the way.
engine_result read_date(std::string_view date, std::string_view picture, engine_mode mode, century_start window,
                        picture_tables tables) noexcept;

}  // namespace ovle::datetime
