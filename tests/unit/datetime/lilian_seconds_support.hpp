// Lilian seconds for the timestamp tests: the value of a day and a time, and the milliseconds a FLOAT8
// stands for, found by another road than the library's (the shortest decimal std::to_chars writes).
#pragma once

#include <charconv>
#include <cstdint>
#include <string>

namespace ovle::datetime::test_support {

// Lilian seconds of a day and a time, as the services define them: exact milliseconds, one rounding.
inline double at(std::int64_t lilian, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return static_cast<double>(lilian * 86'400'000 + h * 3'600'000 + mi * 60'000 + s * 1000 + ms) / 1000.0;
}

// The milliseconds of the shortest decimal that gives the FLOAT8 back, cut after three decimals.
inline std::int64_t shortest_decimal_milliseconds(double seconds) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, seconds, std::chars_format::fixed).ptr;
  const std::string decimal(text, end);
  const auto point = decimal.find('.');
  std::string fraction = point == std::string::npos ? "" : decimal.substr(point + 1);
  fraction.resize(3, '0');
  return std::stoll(decimal.substr(0, point)) * 1000 + std::stoll(fraction);
}

}  // namespace ovle::datetime::test_support
