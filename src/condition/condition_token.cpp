// CEENCOD's and CEEDCOD's checks and the token layout.
#include "condition/condition_token.hpp"

#include <algorithm>
#include <cstring>

#include "common/bytes.hpp"
#include "common/conditions.hpp"

namespace ovle::condition {

encoded encode(const token_parts& parts) noexcept {
  encoded out{nullptr, {}};
  if (parts.case_code != 1) {
    out.failure = &common::conditions::token_case_invalid;
  } else if (parts.control != 0 && parts.control != 1) {
    out.failure = &common::conditions::token_control_invalid;
  } else if (parts.severity < 0 || parts.severity > 4) {
    out.failure = &common::conditions::token_severity_invalid;
  } else if (!std::all_of(parts.facility.begin(), parts.facility.end(),
                          [](char c) { return is_ebcdic_letter(c) || is_ebcdic_digit(c); })) {
    out.failure = &common::conditions::token_facility_invalid;
  }
  if (out.failure != nullptr) return out;
  unsigned char* t = out.token.data();
  common::store_int2(t, parts.severity);
  common::store_int2(t + 2, parts.c_2);
  // [0x40, 0x61]: case 1, severity 0 to 4, control 0 or 1.
  t[4] = static_cast<unsigned char>(0x40 + 8 * parts.severity + parts.control);
  std::memcpy(t + 5, parts.facility.data(), 3);
  std::memcpy(t + 8, parts.instance.data(), 8);
  return out;
}

decoded decode(std::span<const unsigned char, common::feedback_size> token) noexcept {
  decoded out{nullptr, {}};
  const std::int16_t severity = common::load_int2(token.data());
  const auto* facility = reinterpret_cast<const char*>(token.data() + 5);
  if (severity < 0 || severity > 4) out.failure = &common::conditions::token_severity_invalid;
  const bool alphabetic = std::all_of(facility, facility + 3, is_ebcdic_letter);
  const bool low_values = std::all_of(facility, facility + 3, [](char c) { return c == '\0'; });
  if (!alphabetic && !low_values) out.failure = &common::conditions::token_facility_invalid;
  if (out.failure != nullptr) return out;
  token_parts& p = out.parts;
  p.c_1 = p.severity = severity;
  p.c_2 = common::load_int2(token.data() + 2);
  p.case_code = 1;
  p.control = static_cast<std::int16_t>(token[4] & 0x01);
  std::memcpy(p.facility.data(), facility, 3);
  std::memcpy(p.instance.data(), token.data() + 8, 8);
  return out;
}

}  // namespace ovle::condition
