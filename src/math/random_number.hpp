// CEERAN0's work: the seed rules, the draw from RANDOM, the next seed and the out-of-range report.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>


namespace ovle::math {

// The largest seed a caller may pass; 2147483647 (2^31 - 1) itself is refused.
inline constexpr std::int32_t largest_seed = 2147483646;

// The random function the service draws from: RANDOM(seed) of the run-time in the service, a
// stand-in in tests. It takes the 64-bit current seed.
using random_function = double (*)(std::int64_t seed) noexcept;

// What one call hands back to the caller.
struct random_result {
  double random_no;                      // the caller's random_no
  std::optional<std::int32_t> new_seed;  // the caller's seed becomes this; empty: left as it is
  bool bad_seed;                         // store the condition random_bad_seed
};

// The clock-derived seed for a seed of 0: NUMVAL of the ten characters of CURRENT-DATE from the
// seventh on (day, hours, minutes, seconds, hundredths), 0100000000 to 3123595999 for a valid date.
std::int64_t clock_seed() noexcept;

// One call of CEERAN0 with the caller's seed. A value from `random` outside the open interval
// (0, 1) is written to the console as two lines and leaves the seed as it is.
random_result draw_random(std::int32_t seed, random_function random) noexcept;

// The 20-character edit of random_no on the console line "Random-No:": right-justified, a floating
// minus sign, at most 14 integer digits (higher-order digits are cut, as a COBOL MOVE cuts them),
// a point and 4 decimals, truncated. NaN and infinities are spelt out.
std::array<char, 20> edit_random_no(double value) noexcept;

}  // namespace ovle::math
