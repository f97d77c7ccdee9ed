// The service frame, CGPIINFO's walk and the attachment of OV-LE-EXTERNAL.
#include "common/frame.hpp"

#include <cstring>

#include "common/platform/cob_bridge.hpp"
#include "ovle/ovle.h"

namespace ovle::common {

std::byte* ov_le_external::attach_first() noexcept { return platform::external_area(name, size); }

std::int16_t program_info_query(std::int16_t input) noexcept {
  enum class mode { first_flagged, two_levels, three_levels, none };
  const mode m = input == 0   ? mode::first_flagged
                 : input == 2 ? mode::two_levels
                 : input == 3 ? mode::three_levels
                              : mode::none;
  if (m == mode::two_levels || m == mode::three_levels) {
    // The chain has no gaps: the walk reaches a level exactly when that level exists.
    const auto attributes = platform::program_attributes(m == mode::two_levels ? 2 : 3);
    if (!attributes) return 0;
    return (*attributes & platform::attribute_ebcdic) != 0 ? 4 : 3;
  }
  std::int16_t result = 0;
  for (std::size_t level = 1;; ++level) {
    const auto attributes = platform::program_attributes(level);
    if (!attributes) break;
    if (m == mode::first_flagged) result = static_cast<std::int16_t>(*attributes & 0x03);
    if (result != 0) break;
  }
  return result;
}

bool run_initializer(const ovle_int2* function, const ovle_vstring* runtime_options,
                     const ovle_vstring* user_parameters) noexcept {
  static constexpr std::size_t pipi = platform::program_index("OV-PIPI");
  static_assert(pipi < platform::program_count);
  auto* initializer = reinterpret_cast<decltype(&OV0PIPI)>(platform::find_program(pipi));
  if (initializer == nullptr) return false;
  initializer(function, runtime_options, user_parameters);
  return true;
}

void service_frame::take_inputs(std::initializer_list<char_input> inputs) noexcept {
  for (const char_input& in : inputs) {
    if (input_count_ == max_inputs) break;
    taken_input& taken = inputs_[input_count_++];
    taken.length = 0;
    if (!args_.present(in.index, in.address)) continue;
    const char* bytes = static_cast<const char*>(in.address);
    std::size_t length = in.size;
    if (in.kind == char_input::form::vstring) {
      length = vstring_length(in.address, in.size);
      bytes += 2;
    } else if (in.kind == char_input::form::token_facility) {
      bytes += 5;
    }
    if (in.kind == char_input::form::token_facility ? !token_facility_ascii() : !ascii_caller()) {
      taken.text = bytes;
      taken.length = length;
      continue;
    }
    // An ASCII caller's input is converted on a copy, which leaves the caller's storage as it was
    // (it may even be read-only for a C caller).
    // Converted while copied: one pass, and no reload of bytes a block move has just stored.
    length = std::min(length, input_capacity);
    for (std::size_t i = 0; i < length; ++i) {
      taken.copy[i] = static_cast<char>(platform::to_ebcdic(static_cast<std::uint8_t>(bytes[i])));
    }
    taken.text = taken.copy.data();
    taken.length = length;
  }
}

void service_frame::return_to_ascii() noexcept {
  const bool facilities = !platform::facility_ids_stay_ebcdic();
  if (facilities) {
    unsigned char* facility = fc_.data() + 5;
    for (int i = 0; i < 3; ++i) facility[i] = platform::to_ascii(facility[i]);
  }
  for (std::size_t i = 0; i < output_count_; ++i) {
    const output& out = outputs_[i];
    char* text = static_cast<char*>(out.address);
    std::size_t length = out.size;
    if (out.kind == output::form::token_facility) {
      if (!facilities) continue;
      text += 5;
    }
    platform::convert_codeset(platform::codeset_direction::to_ascii,
                              std::as_writable_bytes(std::span<char>(text, length)));
  }
}

void service_frame::text_output(void* address, std::size_t width) noexcept {
  if (address != nullptr && output_count_ < max_outputs) {
    outputs_[output_count_++] = {address, width, output::form::text};
  }
}

void service_frame::token_output(void* token) noexcept {
  if (token != nullptr && output_count_ < max_outputs) {
    outputs_[output_count_++] = {token, 3, output::form::token_facility};
  }
}

}  // namespace ovle::common
