// The clock services: local time, offset from GMT and GMT, each from one reading of CURRENT-DATE.
#include "datetime/clock.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "common/conditions.hpp"
#include "common/platform/intrinsics.hpp"
#include "common/platform/platform.hpp"
#include "datetime/calendar.hpp"
#include "ovle/ovle.h"

namespace ovle::datetime {
namespace {

namespace conditions = common::conditions;

// ASCII display digits; -1 when one of them is not a digit.
std::int64_t ascii_digits(const char* p, std::size_t n) noexcept {
  std::int64_t value = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (p[i] < '0' || p[i] > '9') return -1;
    value = value * 10 + (p[i] - '0');
  }
  return value;
}

// NUMVAL of two ASCII characters, kept as two digits (a blank offset counts 0).
int numval_two(const char* p) noexcept {
  return static_cast<int>(std::fabs(platform::intrinsic::numval({p, 2}))) % 100;
}

// The configured offset of OV-LE-EXTERNAL in ASCII: the sign and HHMM.
std::array<char, 5> configured_offset(common::ov_le_external area) noexcept {
  std::array<char, 5> offset;
  const char* configured = area.at(common::ov_le_external::offset::gmt_sign);
  for (std::size_t i = 0; i < offset.size(); ++i) {
    offset[i] = static_cast<char>(platform::to_ascii(static_cast<std::uint8_t>(configured[i])));
  }
  return offset;
}

template <typename Function>
Function* callee(std::size_t index) noexcept {
  return reinterpret_cast<Function*>(platform::find_program(index));
}

}  // namespace

std::optional<local_clock> local_clock_of(const clock_reading& now) noexcept {
  if (std::all_of(now.begin(), now.end(), [](char c) { return c == '0'; })) return std::nullopt;
  const std::int64_t date = ascii_digits(now.data(), 8);
  const std::int64_t time = ascii_digits(now.data() + 8, 8);  // hhmmsscc
  const auto year = static_cast<std::int32_t>(date / 10000);
  const auto month = static_cast<int>(date / 100 % 100);
  const auto day = static_cast<int>(date % 100);
  // A reading that is no date of the integer-date range cannot be counted either.
  if (date < 16010101 || time < 0 || !is_valid_gregorian(year, month, day)) return std::nullopt;
  local_clock out;
  out.lilian_day = lilian_from_gregorian(year, month, day);
  const std::int64_t hundredths = std::int64_t{out.lilian_day} * 8'640'000 + time / 1'000'000 * 360'000 +
                                  time / 10'000 % 100 * 6000 + time / 100 % 100 * 100 + time % 100;
  out.seconds = static_cast<double>(hundredths) / 100.0;
  for (std::size_t i = 0; i < 16; ++i)
    out.timestamp[i] = static_cast<char>(platform::to_ebcdic(static_cast<std::uint8_t>(now[i])));
  out.timestamp[16] = static_cast<char>(platform::to_ebcdic('0'));
  return out;
}

std::optional<gmt_offset> gmt_offset_of(const clock_reading& now, common::ov_le_external area) noexcept {
  std::array<char, 5> offset;
  std::memcpy(offset.data(), now.data() + 16, offset.size());
  if (offset[0] == '0') offset = configured_offset(area);
  if (offset[0] == '0') return std::nullopt;
  // Any sign but "-" counts as east of Greenwich, a configured offset never set (blank) among them.
  const int sign = offset[0] == '-' ? -1 : 1;
  const int hours = numval_two(offset.data() + 1);
  const int minutes = numval_two(offset.data() + 3);
  return gmt_offset{sign * hours, minutes, static_cast<double>(sign * (hours * 3600 + minutes * 60))};
}

gmt_result read_gmt(std::string_view service, common::ov_le_external area, common::feedback_code& fc) noexcept {
  const clock_reading now = platform::current_date();
  if (now[16] == '0') {
    const char configured = configured_offset(area)[0];
    if (configured != '+' && configured != '-') {
      fc.set(conditions::gmt_offset_unknown);
      return {gmt_status::zeroed};
    }
  }
  static constexpr std::size_t ceegmto = platform::program_index("CEEGMTO");
  static constexpr std::size_t ceeloct = platform::program_index("CEELOCT");
  static_assert(ceegmto < platform::program_count && ceeloct < platform::program_count);
  auto* const offset_service = callee<decltype(CEEGMTO)>(ceegmto);
  auto* const local_service = callee<decltype(CEELOCT)>(ceeloct);
  auto* const feedback = reinterpret_cast<ovle_feedback*>(fc.data());
  const auto unreachable = [&](std::string_view callee_name) {
    platform::console_line(std::string("Unable to reach ").append(callee_name));
    platform::console_line(std::string("  When CALLed by ").append(service));
    fc.set(conditions::ovx_not_supported);
    return gmt_result{gmt_status::zeroed};
  };
  if (offset_service == nullptr) return unreachable("CEEGMTO");
  ovle_int4 offset_hours, offset_minutes;
  double offset_seconds = 0;
  offset_service(&offset_hours, &offset_minutes, &offset_seconds, feedback);
  if (!fc.ok()) return {gmt_status::failed};
  if (local_service == nullptr) return unreachable("CEELOCT");
  ovle_int4 local_day;
  double local_seconds = 0;
  char timestamp[17];
  local_service(&local_day, &local_seconds, timestamp, feedback);
  if (!fc.ok()) return {gmt_status::failed};
  // Both values are whole hundredths; subtracting the counts keeps the result exact.
  const long long hundredths = std::llround(local_seconds * 100) - std::llround(offset_seconds * 100);
  return {gmt_status::read,
          {static_cast<std::int32_t>(hundredths / 8'640'000), static_cast<double>(hundredths) / 100.0}};
}

}  // namespace ovle::datetime
