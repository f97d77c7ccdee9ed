// Compile-time checks that entry_arguments.def describes each entry as ovle.h declares it.
//
// entry_arguments.hpp already stops the build for a malformed line, a second line for an entry,
// an entry of entries.def without a line and a line whose argument count differs from
// entries.def. Here: every line names an entry of entries.def, and every argument's type and
// direction agree with the parameter's type in the entry's prototype.
#include "common/entry_arguments.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "ovle/ovle.h"

namespace ovle::common {
namespace {

// A parameter of a prototype, as far as the table can say anything about it.
enum class c_type : std::uint8_t {
  int2,
  int4,
  int16,
  int32,
  float32,
  float64,
  vstring,
  character,
  unsigned_character,
  void_type,
  void_pointer,
  feedback,
  other
};

struct parameter_shape {
  c_type type;
  bool points_to_const;
  bool is_pointer;
};

template <typename Parameter>
constexpr parameter_shape shape_of() {
  using pointee = std::remove_pointer_t<Parameter>;
  using bare = std::remove_cv_t<pointee>;
  c_type t = c_type::other;
  if constexpr (std::is_same_v<bare, ovle_int2>) t = c_type::int2;
  if constexpr (std::is_same_v<bare, ovle_int4>) t = c_type::int4;
  if constexpr (std::is_same_v<bare, std::int16_t>) t = c_type::int16;
  if constexpr (std::is_same_v<bare, std::int32_t>) t = c_type::int32;
  if constexpr (std::is_same_v<bare, float>) t = c_type::float32;
  if constexpr (std::is_same_v<bare, double>) t = c_type::float64;
  if constexpr (std::is_same_v<bare, ovle_vstring>) t = c_type::vstring;
  if constexpr (std::is_same_v<bare, char>) t = c_type::character;
  if constexpr (std::is_same_v<bare, unsigned char>) t = c_type::unsigned_character;
  if constexpr (std::is_same_v<bare, void>) t = c_type::void_type;
  if constexpr (std::is_same_v<bare, void*>) t = c_type::void_pointer;
  if constexpr (std::is_same_v<bare, ovle_feedback>) t = c_type::feedback;
  return {t, std::is_const_v<pointee>, std::is_pointer_v<Parameter>};
}

template <typename Function>
struct prototype;
template <typename... Parameters>
struct prototype<int(Parameters...) noexcept> {
  static constexpr std::array<parameter_shape, sizeof...(Parameters)> shapes{shape_of<Parameters>()...};
};
template <typename... Parameters>
struct prototype<int(Parameters...)> : prototype<int(Parameters...) noexcept> {};

constexpr bool type_agrees(argument_kind kind, c_type type) {
  switch (kind) {
    case argument_kind::int2: return type == c_type::int2;
    case argument_kind::int4: return type == c_type::int4;
    case argument_kind::native2: return type == c_type::int16;
    case argument_kind::native4: return type == c_type::int32;
    case argument_kind::float4: return type == c_type::float32;
    case argument_kind::float8: return type == c_type::float64;
    case argument_kind::vstring: return type == c_type::vstring;
    case argument_kind::text:
    case argument_kind::ebcdic: return type == c_type::character;
    case argument_kind::bytes: return type == c_type::unsigned_character || type == c_type::void_type;
    case argument_kind::pointer: return type == c_type::void_pointer;
    case argument_kind::feedback:
    case argument_kind::token: return type == c_type::feedback;
    case argument_kind::unused: return type == c_type::void_type;
  }
  return false;
}

// The index of the first argument that disagrees with its parameter, or -1. An input is read
// through a pointer to const; an output needs one it can write through.
template <std::size_t N>
constexpr int first_disagreement(const argument_list& arguments, const std::array<parameter_shape, N>& shapes) {
  if (arguments.count != N) return static_cast<int>(arguments.count < N ? arguments.count : N);
  for (std::size_t i = 0; i < N; ++i) {
    const argument_description& a = arguments[i];
    const bool wants_const = a.direction == argument_direction::in;
    if (!shapes[i].is_pointer || !type_agrees(a.kind, shapes[i].type) || shapes[i].points_to_const != wants_const) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// The symbols of entries.def, for the lines of entry_arguments.def to be found in.
constexpr std::string_view listed_symbols[] = {
#define OVLE_ENTRY(symbol, call_name, family, argc) #symbol,
#include "entries.def"
#undef OVLE_ENTRY
};

constexpr bool is_listed(std::string_view symbol) {
  for (std::string_view s : listed_symbols) {
    if (s == symbol) return true;
  }
  return false;
}

// A failure reports the index of the first disagreeing argument: "the comparison reduces to (2 == -1)".
#define OVLE_ARGUMENTS(symbol, text)                                                                    \
  static_assert(is_listed(#symbol), "entry_arguments.def: " #symbol " is not an entry of entries.def"); \
  static_assert(first_disagreement(arguments_of::symbol, prototype<decltype(::symbol)>::shapes) == -1,  \
                "entry_arguments.def: an argument of " #symbol " disagrees with its parameter in ovle.h");
#include "entry_arguments.def"
#undef OVLE_ARGUMENTS

}  // namespace
}  // namespace ovle::common
