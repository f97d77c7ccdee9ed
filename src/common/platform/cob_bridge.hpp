// The one place that reaches libcob: weak references, each guarded, so the library also serves C callers.
#pragma once

#include <cstddef>
#include <optional>

namespace ovle::platform::cob {

// True when libcob is loaded in the process and has been initialised.
bool active() noexcept;

// Number of arguments of the CALL that entered the library, when the caller is a COBOL program
// (libcob active and a COBOL module current). Empty otherwise: a C caller's count would be stale.
std::optional<int> caller_argument_count() noexcept;

// libcob's storage for an EXTERNAL item of that registered name (upper case, '_' for '-').
void* external_address(const char* registered_name, int size) noexcept;

// Ends the run unit like STOP RUN; returns only when libcob is not active.
void stop_run(int return_code) noexcept;

// Installs an exit procedure through libcob's CBL_EXIT_PROC; false when libcob is not active.
bool install_exit_procedure(int (*procedure)()) noexcept;

}  // namespace ovle::platform::cob
