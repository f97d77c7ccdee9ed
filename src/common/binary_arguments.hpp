// The addresses an entry was handed, and how it reads each binary one: what the frame needs to put
// a COBOL caller's binary items, declared in the other byte order, in the order the entry reads.
//
// On the mainframe BINARY, COMP and COMP-5 are all big-endian, so migrated programs declare INT4
// arguments any of those ways; under GnuCOBOL on x86 COMP-5 is little-endian. libcob tells how
// each item of the current CALL was declared; caller_arguments (frame.hpp) asks it when an entry
// is entered from COBOL and byte-swaps the items that differ, in place, for the call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "ovle/ovle.h"

namespace ovle::common {

// How an entry reads a binary parameter, told by the parameter's C type in ovle.h (which
// entry_arguments.cpp holds to the argument table: ovle_int4 is int4, int32_t is native4).
enum class binary_contract : std::uint8_t { none, int2, int4, native2, native4 };

template <typename T>
inline constexpr binary_contract contract_of = binary_contract::none;
template <>
inline constexpr binary_contract contract_of<ovle_int2> = binary_contract::int2;
template <>
inline constexpr binary_contract contract_of<ovle_int4> = binary_contract::int4;
template <>
inline constexpr binary_contract contract_of<std::int16_t> = binary_contract::native2;
template <>
inline constexpr binary_contract contract_of<std::int32_t> = binary_contract::native4;

constexpr std::size_t width_of(binary_contract c) noexcept {
  return c == binary_contract::none ? 0 : c == binary_contract::int2 || c == binary_contract::native2 ? 2 : 4;
}
constexpr bool is_big_endian(binary_contract c) noexcept {
  return c == binary_contract::int2 || c == binary_contract::int4;
}

// Every argument of one call of an entry, in CALL order, as the entry received them:
//   common::service_frame f({date, picture, lilian, fc}, 3, ...);
class entry_arguments {
 public:
  static constexpr std::size_t capacity = 16;

  template <typename... T>
  explicit(sizeof...(T) == 1) entry_arguments(T*... arguments) noexcept
      : contracts_(pack<std::remove_cv_t<T>...>()), count_(sizeof...(T)) {
    static_assert(sizeof...(T) <= capacity);
    std::size_t i = 0;
    // Writable: an input is written only to put its bytes in order and back (caller_arguments).
    ((addresses_[i++] = const_cast<void*>(static_cast<const void*>(arguments))), ...);
  }

  std::size_t size() const noexcept { return count_; }
  void* address(std::size_t i) const noexcept { return i < count_ ? addresses_[i] : nullptr; }
  binary_contract contract(std::size_t i) const noexcept {
    return i < count_ ? static_cast<binary_contract>((contracts_ >> (bits * i)) & 7u) : binary_contract::none;
  }
  // Known when the entry is compiled, so an entry without binaries pays nothing for them.
  bool has_binaries() const noexcept { return contracts_ != 0; }

 private:
  static constexpr unsigned bits = 3;
  template <typename... T>
  static constexpr std::uint64_t pack() noexcept {
    std::uint64_t packed = 0;
    unsigned shift = 0;
    ((packed |= std::uint64_t{static_cast<std::uint8_t>(contract_of<T>)} << shift, shift += bits), ...);
    return packed;
  }

  void* addresses_[capacity];  // the first count_ are set
  std::uint64_t contracts_;    // bits 3i..3i+2: the contract of argument i
  std::size_t count_;
};

}  // namespace ovle::common
