// RANDOM: the multiplicative congruential generator with modulus 2^31 - 1 and multiplier 48271.
#include <cstdint>

#include "common/platform/intrinsics.hpp"

namespace ovle::platform::intrinsic {
namespace {

constexpr std::uint64_t modulus = 2147483647;  // 2^31 - 1, a prime
constexpr std::uint64_t multiplier = 48271;    // a primitive root of the modulus: full period m - 1

// The sequence's state, 1 .. m - 1. A trivially destructible static: nothing runs at exit.
std::uint64_t state = 1;

double next() noexcept {
  // state < 2^31 and multiplier < 2^16, so the product fits easily in 64 bits.
  state = state * multiplier % modulus;
  return static_cast<double>(state) / static_cast<double>(modulus);
}

}  // namespace

double random(std::int64_t seed) noexcept {
  // The magnitude of INT64_MIN does not fit an int64, so it is taken in unsigned arithmetic.
  const std::uint64_t magnitude =
      seed < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(seed) : static_cast<std::uint64_t>(seed);
  state = magnitude % modulus;
  if (state == 0) state = 1;
  return next();
}

double random() noexcept { return next(); }

}  // namespace ovle::platform::intrinsic
