// Support of the timestamp tests: the value of a day and a time in Lilian seconds, the milliseconds a
// FLOAT8 stands for (found by another road than the library's), and the message of a feedback code.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>

#include "ovle_test.hpp"

namespace ovle::datetime::test_support {

// Lilian seconds of a day and a time, as the services define them: exact milliseconds, one rounding.
inline double at(std::int64_t lilian, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return static_cast<double>(lilian * 86'400'000 + h * 3'600'000 + mi * 60'000 + s * 1000 + ms) / 1000.0;
}

// The milliseconds of the shortest decimal that gives the FLOAT8 back (std::to_chars), cut after three
// decimals.
inline std::int64_t shortest_decimal_milliseconds(double seconds) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, seconds, std::chars_format::fixed).ptr;
  const std::string decimal(text, end);
  const auto point = decimal.find('.');
  std::string fraction = point == std::string::npos ? "" : decimal.substr(point + 1);
  fraction.resize(3, '0');
  return std::stoll(decimal.substr(0, point)) * 1000 + std::stoll(fraction);
}

// 0 for sixteen X'00' bytes; otherwise the message number, after checking that the condition is a
// severity-3 CEE condition, or the library's own, as an ASCII caller receives it.
inline int message_of(const ovle_feedback& fc) {
  if (test::is_success(fc)) return 0;
  const bool own = test::view(fc).facility == "OVX";
  EXPECT_EQ(test::view(fc),
            own ? test::ascii_condition(4, 9999, 0, "OVX") : test::ascii_condition(3, test::view(fc).message, 1));
  return test::view(fc).message;
}

}  // namespace ovle::datetime::test_support
