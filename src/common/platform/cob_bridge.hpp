// The one place that reaches libcob: weak references, each guarded, so the library also serves C callers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Weak: null in a process without libcob.
extern "C" int cob_is_initialized(void) __attribute__((weak));

namespace ovle::platform::cob {

// True when libcob is loaded in the process and has been initialised.
bool active() noexcept;

// What caller_argument_count answers when no count can be trusted.
inline constexpr int unknown_argument_count = -1;

namespace detail {
int caller_argument_count_from_libcob() noexcept;
}

// Number of arguments of the CALL that entered the library, when the caller is a COBOL program
// (libcob active and a COBOL module current); unknown_argument_count otherwise, since a C caller's
// count would be stale. A plain int rather than an optional: it is read on every service call.
inline int caller_argument_count() noexcept {
  if (&cob_is_initialized == nullptr) return unknown_argument_count;
  return detail::caller_argument_count_from_libcob();
}

// The byte order in which the caller declared a binary item.
enum class byte_order : std::uint8_t {
  unknown,     // not a binary item of that width at that address (a group, PIC X, packed, ...)
  big_endian,  // BINARY, COMP, COMP-4, COMP-X as GnuCOBOL stores them by default
  native,      // COMP-5, BINARY-LONG, BINARY-SHORT, and every binary item of a program compiled
               // with -fbinary-byteorder=native
};

// The items of the COBOL CALL that entered the library, as libcob describes them. Only for an
// entry that caller_argument_count() answered with a count: the description belongs to that CALL.
class call_items {
 public:
  call_items() noexcept;
  // How the item passed at `position` (0-based) was declared, when it is a binary item of `width`
  // bytes at `address`; unknown for anything else, and for an item that is not where the entry
  // was handed it (a C function between the COBOL CALL and the entry passes its own).
  byte_order binary_order(std::size_t position, const void* address, std::size_t width) const noexcept;

 private:
  const void* const* fields_ = nullptr;  // libcob's cob_field pointers, one per argument
  std::size_t count_ = 0;
};

// libcob's storage for an EXTERNAL item of that registered name (upper case, '_' for '-').
void* external_address(const char* registered_name, int size) noexcept;

// Ends the run unit like STOP RUN; returns only when libcob is not active.
void stop_run(int return_code) noexcept;

// Installs an exit procedure through libcob's CBL_EXIT_PROC; false when libcob is not active.
bool install_exit_procedure(int (*procedure)()) noexcept;

}  // namespace ovle::platform::cob
