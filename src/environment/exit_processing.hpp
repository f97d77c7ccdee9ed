// Exit processing: OVLEEPNT installs the end-of-run procedure; at the end of the run it closes the
// emulated environment down (storage report, heap discard, heap record stream, options report).
#pragma once

#include "common/ov_le_external.hpp"

namespace ovle::environment {

// OVLEEPNT's own state and entries.
class exit_program {
 public:
  // OVLEEPNT: installs le_common_exit_proc as the end-of-run procedure, once.
  void install() noexcept;
  // register_heap_usage: installs, and asks for the close-down at the end of the run.
  void register_heap_usage() noexcept;
  // le_common_exit_proc: the close-down when heap usage was registered, then "N" at offset 1.
  void run_at_exit(common::ov_le_external area) noexcept;

  bool installed() const noexcept { return !registration_pending_; }
  bool heap_usage_requested() const noexcept { return heap_usage_requested_; }

 private:
  bool registration_pending_ = true;
  bool heap_usage_requested_ = false;
};

exit_program& exit_state() noexcept;

// le_dynamic_close_proc's work.
void close_down(common::ov_le_external area) noexcept;

// The options report, written to the message file through LESSOUTA or LESSOUTE.
void write_options_report(common::ov_le_external area) noexcept;

}  // namespace ovle::environment
