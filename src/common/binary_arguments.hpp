// The arguments an entry was handed, and how it reads each binary one: what the frame needs to put
// a COBOL caller's binary items, declared in the other byte order, in the order the entry reads.
//
// On the mainframe BINARY, COMP and COMP-5 are all big-endian, so migrated programs declare INT4
// arguments any of those ways; under GnuCOBOL on x86 COMP-5 is little-endian. libcob tells how
// each item of the current CALL was declared; caller_arguments (frame.hpp) asks it when an entry
// is entered from COBOL and byte-swaps the items that differ, in place, for the call.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>
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
  return c == binary_contract::int2 || c == binary_contract::native2 ? 2 : c == binary_contract::none ? 0 : 4;
}
constexpr bool is_big_endian(binary_contract c) noexcept {
  return c == binary_contract::int2 || c == binary_contract::int4;
}

// The binary arguments of one call, with their places in the CALL: what the COBOL path works on.
struct binary_items {
  struct item {
    unsigned char* bytes;  // null when the caller passed none (OMITTED)
    std::size_t position;  // 0-based place in the CALL
    binary_contract contract;
  };
  std::array<item, 16> items;  // the first count are set
  std::size_t count = 0;
};

// Every argument of one call of an entry, in CALL order, with the C types ovle.h gives them.
// Built with arguments(...); a template, so that a C caller's call builds nothing from it.
template <typename... T>
class call_arguments {
 public:
  static constexpr bool has_binaries = ((contract_of<std::remove_cv_t<T>> != binary_contract::none) || ...);

  explicit call_arguments(T*... arguments) noexcept : addresses_(arguments...) {}

  // The i-th argument (i is a constant where it is asked: the feedback code's place).
  void* address(std::size_t i) const noexcept {
    return std::apply(
        [i](auto*... a) {
          void* found = nullptr;
          std::size_t k = 0;
          ((found = k++ == i ? writable(a) : found), ...);
          return found;
        },
        addresses_);
  }

  binary_items binaries() const noexcept {
    binary_items out;
    std::apply(
        [&out](auto*... a) {
          std::size_t position = 0;
          (add(out, position++, a), ...);
        },
        addresses_);
    return out;
  }

 private:
  // An input is written only to put its bytes in order and back (caller_arguments).
  template <typename U>
  static void* writable(U* p) noexcept {
    return const_cast<void*>(static_cast<const void*>(p));
  }
  template <typename U>
  static void add(binary_items& out, std::size_t position, U* p) noexcept {
    constexpr binary_contract contract = contract_of<std::remove_cv_t<U>>;
    if constexpr (contract != binary_contract::none) {
      out.items[out.count++] = {static_cast<unsigned char*>(writable(p)), position, contract};
    }
  }

  std::tuple<T*...> addresses_;
};

// The arguments of an entry, as it received them:
//   common::service_frame f(common::arguments(date, picture, lilian, fc), 3, ...);
template <typename... T>
call_arguments<T...> arguments(T*... addresses) noexcept {
  static_assert(sizeof...(T) <= std::tuple_size_v<decltype(binary_items::items)>);
  return call_arguments<T...>(addresses...);
}

}  // namespace ovle::common
