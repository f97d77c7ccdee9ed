// The service frame, CGPIINFO's walk and the attachment of OV-LE-EXTERNAL.
#include "common/frame.hpp"

#include <cstring>

#include "common/platform/cob_bridge.hpp"
#include "ovle/ovle.h"

namespace ovle::common {

ov_le_external ov_le_external::attach() noexcept {
  static std::byte* const base = platform::external_area(name, size);
  return ov_le_external(base);
}

caller_arguments::caller_arguments() noexcept {
  // Only the outermost entry may read the count: the program level of the running service is
  // already pushed, so depth 1 means the library was entered from outside.
  if (platform::library_depth() <= 1) count_ = platform::cob::caller_argument_count();
}

std::int16_t program_info_query(std::int16_t input) noexcept {
  // Inputs 2 and 3 read one level. A walk has no gaps, so that level exists exactly when the walk
  // reaches it: looking there directly answers as the walk would, at a fraction of every frame's cost.
  if (input == 2 || input == 3) {
    const auto attributes = platform::program_attributes(static_cast<std::size_t>(input));
    if (!attributes) return 0;
    return (*attributes & platform::attribute_ebcdic) != 0 ? 4 : 3;
  }
  if (input != 0) return 0;
  // Input 0: the flag bits of the first program above that has any.
  for (std::size_t level = 1;; ++level) {
    const auto attributes = platform::program_attributes(level);
    if (!attributes) return 0;
    if (const auto flags = static_cast<std::int16_t>(*attributes & 0x03); flags != 0) return flags;
  }
}

bool ensure_environment(ov_le_external area) noexcept {
  if (area.is_initialized()) return true;
  static constexpr std::size_t pipi = platform::program_index("OV-PIPI");
  static_assert(pipi < platform::program_count);
  auto* initializer = reinterpret_cast<decltype(&OV0PIPI)>(platform::find_program(pipi));
  if (initializer == nullptr) return false;
  initializer(nullptr, nullptr, nullptr);
  return true;
}

service_frame::service_frame(void* feedback, std::size_t feedback_index, std::initializer_list<char_input> inputs,
                             init_step init) noexcept
    : area_(ov_le_external::attach()),
      fc_(args_.present(feedback_index, feedback) ? feedback : scratch_.data()) {
  ascii_ = caller_is_ascii();
  for (const char_input& in : inputs) {
    if (input_count_ == max_inputs) break;
    taken_input& taken = inputs_[input_count_++];
    if (!args_.present(in.index, in.address)) continue;
    const char* bytes = static_cast<const char*>(in.address);
    std::size_t length = in.size;
    if (in.kind == char_input::form::vstring) {
      length = vstring_length(in.address, in.size);
      bytes += 2;
    }
    if (!ascii_) {
      taken.text = {bytes, length};
      continue;
    }
    // An ASCII caller's input is converted on a copy, which leaves the caller's storage as it was
    // (it may even be read-only for a C caller).
    length = std::min(length, input_capacity);
    std::memcpy(taken.copy.data(), bytes, length);
    platform::convert_codeset(platform::codeset_direction::to_ebcdic,
                              std::as_writable_bytes(std::span<char>(taken.copy.data(), length)));
    taken.text = {taken.copy.data(), length};
  }
  fc_.clear();
  if (init == init_step::run) environment_reached_ = ensure_environment(area_);
}

service_frame::~service_frame() {
  if (!ascii_) return;
  // X'00' converts to X'00', so a facility ID of zeros (no condition) needs no conversion.
  unsigned char* facility = fc_.data() + 5;
  if ((facility[0] | facility[1] | facility[2]) != 0) {
    platform::convert_codeset(platform::codeset_direction::to_ascii,
                              std::as_writable_bytes(std::span<unsigned char>(facility, 3)));
  }
  for (std::size_t i = 0; i < output_count_; ++i) {
    const output& out = outputs_[i];
    char* text = static_cast<char*>(out.address);
    std::size_t length = out.size;
    if (out.is_vstring) {
      length = vstring_length(out.address, out.size);
      text += 2;
    }
    platform::convert_codeset(platform::codeset_direction::to_ascii,
                              std::as_writable_bytes(std::span<char>(text, length)));
  }
}

void service_frame::text_output(void* address, std::size_t width) noexcept {
  if (address != nullptr && output_count_ < max_outputs) outputs_[output_count_++] = {address, width, false};
}

void service_frame::vstring_output(void* address, std::size_t maximum) noexcept {
  if (address != nullptr && output_count_ < max_outputs) outputs_[output_count_++] = {address, maximum, true};
}

}  // namespace ovle::common
