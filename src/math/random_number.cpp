// CEERAN0's work: the seed rules, the draw from RANDOM, the next seed and the out-of-range report.
#include "math/random_number.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/platform/intrinsics.hpp"
#include "common/platform/platform.hpp"

namespace ovle::math {
namespace {

// The next seed: the integer part of random_no x 10^8. random_no < 1 keeps it to eight digits.
constexpr double seed_scale = 1e8;

// The integer part of the exact product random_no x 10^8. The rounded product can only cross an
// integer by landing on it, so an integral product with a negative rounding error is one too high
// (10 of the generator's 2^31 - 2 values do this, 0.43033846999999997 among them).
std::int32_t next_seed(double random_no) noexcept {
  const double product = random_no * seed_scale;
  double whole = std::floor(product);
  if (whole == product && std::fma(random_no, seed_scale, -product) < 0) whole -= 1;
  return static_cast<std::int32_t>(whole);
}

// Right-justifies `text` in the 20-character field.
std::array<char, 20> right_justified(std::string_view text) noexcept {
  std::array<char, 20> field;
  field.fill(' ');
  const std::size_t n = std::min(text.size(), field.size());
  std::memcpy(field.data() + field.size() - n, text.data() + text.size() - n, n);
  return field;
}

}  // namespace

std::int64_t clock_seed() noexcept {
  const std::array<char, 21> now = platform::current_date();
  const double value = platform::intrinsic::numval(std::string_view(now.data() + 6, 10));
  return static_cast<std::int64_t>(value);
}

std::array<char, 20> edit_random_no(double value) noexcept {
  if (std::isnan(value)) return right_justified("NaN");
  if (std::isinf(value)) return right_justified(value < 0 ? "-Infinity" : "Infinity");
  // The exact decimal expansion with guard digits, then cut: the edit truncates to four places.
  char digits[400];
  const int length = std::snprintf(digits, sizeof digits, "%.8f", std::fabs(value));
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof digits) return right_justified("NaN");
  const std::string_view expansion(digits, static_cast<std::size_t>(length));
  const std::size_t point = expansion.find('.');
  std::string_view integer = expansion.substr(0, point);
  if (integer.size() > 14) integer.remove_prefix(integer.size() - 14);
  while (integer.size() > 1 && integer.front() == '0') integer.remove_prefix(1);
  char edited[20];
  std::size_t n = 0;
  if (value < 0) edited[n++] = '-';
  std::memcpy(edited + n, integer.data(), integer.size());
  n += integer.size();
  edited[n++] = '.';
  std::memcpy(edited + n, expansion.data() + point + 1, 4);
  n += 4;
  return right_justified(std::string_view(edited, n));
}

random_result draw_random(std::int32_t seed, random_function random) noexcept {
  if (seed < 0 || seed > largest_seed) return {-1.0, std::nullopt, true};
  const std::int64_t current = seed == 0 ? clock_seed() : seed;
  const double value = random(current);
  if (value > 0 && value < 1) return {value, next_seed(value), false};
  platform::console_line("COBOL intrinsic Function returning value out of LE range");
  std::array<char, 30> line;
  std::memcpy(line.data(), "Random-No:", 10);
  const std::array<char, 20> edited = edit_random_no(value);
  std::memcpy(line.data() + 10, edited.data(), edited.size());
  platform::console_line(std::string_view(line.data(), line.size()));
  return {value, std::nullopt, false};
}

}  // namespace ovle::math
