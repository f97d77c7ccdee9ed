// Exit processing: the end-of-run procedure and the close-down of the emulated environment.
#include "environment/exit_processing.hpp"

#include <algorithm>
#include <string>

#include "common/bytes.hpp"
#include "common/ebcdic.hpp"
#include "common/platform/platform.hpp"
#include "environment/initialization.hpp"
#include "environment/runtime_options.hpp"
#include "ovle/ovle.h"

namespace ovle::environment {
namespace {

using common::ov_le_external;
using namespace common::ebcdic;

using writer_program = int(const ovle_int2*, const ovle_int2*, const char*);

// One call of a SYSOUT writer.
void write(writer_program* writer, std::int16_t function, std::string_view text) {
  ovle_int2 code, length;
  ovle_int2_set(&code, function);
  ovle_int2_set(&length, static_cast<std::int16_t>(text.size()));
  writer(&code, &length, text.data());
}

std::string upper_ebcdic(std::string_view ebcdic) {
  std::string ascii = platform::ascii_from_ebcdic(ebcdic);
  for (char& c : ascii) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return platform::ebcdic_from_ascii(ascii);
}

bool all_of_byte(std::string_view text, char byte) {
  return std::all_of(text.begin(), text.end(), [byte](char c) { return c == byte; });
}

}  // namespace

void exit_program::install() noexcept {
  if (!registration_pending_) return;
  registration_pending_ = false;
  if (auto* procedure = platform::find_program_as<int()>("le_common_exit_proc")) {
    platform::install_exit_procedure(procedure);
  }
}

void exit_program::register_heap_usage() noexcept {
  install();
  heap_usage_requested_ = true;
}

void exit_program::run_at_exit(ov_le_external area) noexcept {
  if (heap_usage_requested_) {
    if (auto* close = platform::find_program_as<int()>("le_dynamic_close_proc")) close();
  }
  area.set_state(ov_le_external::reinit_requested);
}

exit_program& exit_state() noexcept {
  static exit_program state;
  return state;
}

void close_down(ov_le_external area) noexcept {
  using off = ov_le_external::offset;
  // The storage report comes first, while every heap is still there.
  if (area.option_on(off::rptstg)) {
    if (auto* report = platform::find_program_as<int()>("CEEGTST_STORAGE_REPORT")) report();
  }
  // Every heap of the registry, heap 0 included (its own condition, which is discarded, says it
  // cannot go); free slots hold a negative heap ID.
  if (auto* discard = platform::find_program_as<int(const ovle_int4*, ovle_feedback*)>("CEEDSHP")) {
    for (int slot = 1; slot <= area.slot_count() && slot <= static_cast<int>(ov_le_external::heap_slot_count); ++slot) {
      ovle_int4 heap_id;
      std::copy_n(area.heap_slot(static_cast<std::size_t>(slot)).data(), 4, reinterpret_cast<char*>(heap_id.be));
      if (ovle_int4_get(&heap_id) >= 0) discard(&heap_id, nullptr);
    }
  }
  platform::close_vfile(area.stream_id());
  if (area.option_on(off::rptopts)) write_options_report(area);
}

void write_options_report(ov_le_external area) noexcept {
  try {
    const bool ascii = sysout_caller_is_ascii();
    auto* writer = platform::find_program_as<writer_program>(ascii ? "LESSOUTA" : "LESSOUTE");
    if (writer == nullptr) return;
    std::string name(area.message_file().data(), 8);
    bool named = true;
    const char host = area.host_code();
    if (area.ide_link_up() || host == ov_le_external::host_brantley_forge || host == ov_le_external::host_quill_works) {
      name = upper_ebcdic(name);
      named = name != "SYSOUT  "_e && !all_of_byte(name, blank) && !all_of_byte(name, '\0');
    } else if (all_of_byte(name, blank) || all_of_byte(name, '\0')) {
      name = "OPTIONS "_e;
    }
    if (named) write(writer, 1, ascii ? platform::ascii_from_ebcdic(name) : name);
    for (const std::string& line : options_report(area)) {
      write(writer, named ? 2 : 0, ascii ? line : platform::ebcdic_from_ascii(line));
    }
    if (named) write(writer, 3, "");
  } catch (...) {
    // Failures at the end of the run are not reported.
  }
}

}  // namespace ovle::environment
