// Compile-time checks that each line of entries.def matches the entry ovle.h declares.
//
// An entry listed but not declared fails to compile here; a declared entry whose parameter count
// differs from its line fails the static_assert. (An entry declared but not listed fails the export
// test, and a definition without a declaration fails -Wmissing-declarations.)
#include <cstddef>

#include "ovle/ovle.h"

namespace ovle::common {
namespace {

template <typename Function>
struct parameter_count;
template <typename... Parameters>
struct parameter_count<int(Parameters...) noexcept> {
  static constexpr std::size_t value = sizeof...(Parameters);
};
template <typename... Parameters>
struct parameter_count<int(Parameters...)> {
  static constexpr std::size_t value = sizeof...(Parameters);
};

#define OVLE_ENTRY(symbol, call_name, family, argc)               \
  static_assert(parameter_count<decltype(::symbol)>::value == argc, \
                "entries.def: the argument count of " #symbol " differs from its prototype in ovle.h");
#include "entries.def"
#undef OVLE_ENTRY

}  // namespace
}  // namespace ovle::common
