// RANDOM: the multiplicative congruential generator with modulus 2^31 - 1 and multiplier 48271.
#include <cstdint>

#include "common/platform/intrinsics.hpp"

namespace ovle::platform::intrinsic {
namespace {

constexpr std::uint64_t modulus = 2147483647;  // 2^31 - 1, a prime
constexpr std::uint64_t multiplier = 48271;    // a primitive root of the modulus: full period m - 1

// x mod (2^31 - 1) without a division: 2^31 is 1 modulo 2^31 - 1, so the bits above bit 30 fold
// onto the low 31. Two folds bring any 64-bit x below 2^31 + 8, one subtraction below the modulus.
constexpr std::uint64_t reduce(std::uint64_t x) noexcept {
  x = (x & modulus) + (x >> 31);
  x = (x & modulus) + (x >> 31);
  return x >= modulus ? x - modulus : x;
}
static_assert(reduce(modulus) == 0 && reduce(modulus - 1) == modulus - 1 && reduce(~std::uint64_t{0}) == 3);

// The sequence's state, 1 .. m - 1. A trivially destructible static: nothing runs at exit.
std::uint64_t state = 1;

double next() noexcept {
  // state < 2^31 and multiplier < 2^16, so the product fits easily in 64 bits.
  state = reduce(state * multiplier);
  return static_cast<double>(state) / static_cast<double>(modulus);
}

}  // namespace

double random(std::int64_t seed) noexcept {
  // The magnitude of INT64_MIN does not fit an int64, so it is taken in unsigned arithmetic.
  const std::uint64_t magnitude =
      seed < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(seed) : static_cast<std::uint64_t>(seed);
  state = reduce(magnitude);
  if (state == 0) state = 1;
  return next();
}

double random() noexcept { return next(); }

}  // namespace ovle::platform::intrinsic
