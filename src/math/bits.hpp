// Single-bit operations and shifts on a 32-bit binary integer (CEESICLR, CEESISET, CEESITST, CEESISHF).
//
// The services check neither the bit number nor the shift count. Values that leave 32 bits are
// reduced modulo 2^32, as the machine's binary arithmetic does:
//   - the mask of bit n is 2^n reduced modulo 2^32 and then truncated to an integer:
//     n = 0 .. 30 gives 2^n; n = 31 gives X'80000000' (the sign bit); n >= 32 gives 0 (2^n is a
//     multiple of 2^32); a negative n gives 0 (2^n is a fraction, which truncates to 0).
//     So setting or clearing bit 32 or bit -1 leaves the source unchanged, and testing it gives 0.
//   - a left shift keeps the low 32 bits of source x 2^n: bits shifted past bit 31 are lost and
//     the sign follows bit 31 of what is left; a shift by 32 or more gives 0.
//   - a right shift (negative count) is logical: it brings in zeros from the left, a negative
//     source included; a shift by 32 or more gives 0.
// All arithmetic is on unsigned 32-bit values, so no count, however large or negative, reaches an
// undefined shift or overflow.
#pragma once

#include <cstdint>

namespace ovle::math {

// 2^n as an INT4, reduced as above.
constexpr std::uint32_t bit_mask(std::int32_t n) noexcept {
  return n >= 0 && n <= 31 ? std::uint32_t{1} << n : std::uint32_t{0};
}

// CEESICLR: the source with bit n cleared (NOT mask by an exclusive OR with all ones).
constexpr std::int32_t clear_bit(std::int32_t source, std::int32_t n) noexcept {
  constexpr std::uint32_t all_ones = 0xFFFFFFFF;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(source) & (bit_mask(n) ^ all_ones));
}

// CEESISET: the source with bit n set.
constexpr std::int32_t set_bit(std::int32_t source, std::int32_t n) noexcept {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(source) | bit_mask(n));
}

// CEESITST: 1 when bit n of the source is set, else 0.
constexpr std::int32_t test_bit(std::int32_t source, std::int32_t n) noexcept {
  return (static_cast<std::uint32_t>(source) & bit_mask(n)) != 0 ? 1 : 0;
}

namespace detail {

// The source divided by 2^k, the quotient truncated, for a non-negative source.
constexpr std::uint32_t divide_by_power_of_two(std::uint32_t value, std::int64_t k) noexcept {
  return k >= 32 ? std::uint32_t{0} : value >> k;
}

}  // namespace detail

// CEESISHF: left by n bits when n > 0, logically right by -n bits when n < 0, unchanged for 0.
constexpr std::int32_t shift(std::int32_t source, std::int32_t n) noexcept {
  const auto bits = static_cast<std::uint32_t>(source);
  if (n > 0) return n >= 32 ? 0 : static_cast<std::int32_t>(bits << n);
  if (n == 0) return source;
  // The count's magnitude in 64 bits: -INT32_MIN does not fit an INT4.
  const std::int64_t k = -static_cast<std::int64_t>(n);
  if (source >= 0) return static_cast<std::int32_t>(detail::divide_by_power_of_two(bits, k));
  // A negative source: one logical step first (the sign bit becomes 0, all ones but the sign bit
  // masks the rest in place), then the non-negative remainder of the shift as a division.
  constexpr std::uint32_t all_but_sign = 0x7FFFFFFF;
  const std::uint32_t once = (bits >> 1) & all_but_sign;
  return static_cast<std::int32_t>(k - 1 > 0 ? detail::divide_by_power_of_two(once, k - 1) : once);
}

}  // namespace ovle::math
