// The clock services CEELOCT, CEEGMTO, CEEGMT and CEEUTC, from the run-time's CURRENT-DATE.
//
// CURRENT-DATE is read once per service: YYYYMMDD, hhmmss, hundredths, and the local offset from GMT
// as a sign and HHMM; a sign of "0" means the system knows no offset, and the offset configured in
// OV-LE-EXTERNAL (offsets 123-127, same form) stands in for it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/feedback.hpp"
#include "common/ov_le_external.hpp"

namespace ovle::datetime {

// One reading of CURRENT-DATE, in ASCII as the run-time delivers it.
using clock_reading = std::array<char, 21>;

// CEELOCT's outputs.
struct local_clock {
  std::int32_t lilian_day;
  double seconds;                  // Lilian seconds, hundredths exact as decimals
  std::array<char, 17> timestamp;  // YYYYMMDDHHMISS and three millisecond digits, EBCDIC
};

// The local time of a reading; empty when the reading holds no date (all zeros, message 2531).
std::optional<local_clock> local_clock_of(const clock_reading& now) noexcept;

// CEEGMTO's outputs: the local time's offset from GMT.
struct gmt_offset {
  std::int32_t hours;    // signed
  std::int32_t minutes;  // never negative
  double seconds;        // signed
};

// The offset of a reading, the configured one standing in when the system gave none; empty when
// neither has a sign (message 2503).
std::optional<gmt_offset> gmt_offset_of(const clock_reading& now, common::ov_le_external area) noexcept;

// CEEGMT's outputs.
struct gmt_clock {
  std::int32_t lilian_day;
  double seconds;
};

enum class gmt_status : std::uint8_t {
  read,    // the value holds the GMT
  zeroed,  // no offset from the system or the configuration (2502), or a callee out of reach: both 0
  failed,  // CEEGMTO or CEELOCT answered with a condition: the outputs are left as they were
};

struct gmt_result {
  gmt_status status;
  gmt_clock value{};
};

// CEEGMT and CEEUTC (`service` names which, for the console lines): the local time from CEELOCT less
// the offset from CEEGMTO, both called by name with `fc`, in exact hundredths.
gmt_result read_gmt(std::string_view service, common::ov_le_external area, common::feedback_code& fc) noexcept;

}  // namespace ovle::datetime
