// First initialization of OV-LE-EXTERNAL, host detection, and OVLEINIT's command-line split.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/ov_le_external.hpp"

namespace ovle::environment {

// Host detection of OV-PIPI: host code, the "H" flag (649) and the IDE link (650). An
// unrecognized operating-system type displays "Unknown Platform" and stops the run unit.
void detect_host_for_initializer(common::ov_le_external area) noexcept;

// Host detection of OVLEINIT: "N" at offset 1 and the host code, falling back to
// LETESTPLATFORM for an unrecognized type; "No LE test platform set" stops the run unit.
void detect_host_for_ovleinit(common::ov_le_external area) noexcept;

// The arguments OV-PIPI received, each empty when omitted.
struct initializer_arguments {
  std::optional<std::int16_t> function;
  std::optional<std::string_view> runtime_options;  // EBCDIC, at most 100 characters
  std::optional<std::string_view> user_parameters;  // EBCDIC, at most 100 characters
};

// OV-PIPI's work on an area whose byte 1 is not "Y".
void initialize_environment(common::ov_le_external area, const initializer_arguments& args) noexcept;

// Whether OV-PIPI found the program above its caller to be ASCII (hosts "B" and "Q" only).
bool sysout_caller_is_ascii() noexcept;

// OVLEINIT's two switches.
struct split_switches {
  bool pass_through;
  bool user_parameters_first;
};

struct split_text {
  std::string_view runtime_options;
  std::string_view user_parameters;
};

// Splits the command-line text at a "/" as OVLEINIT does for `function` 0 or 1.
constexpr split_text split_command_text(std::string_view text, std::int32_t function, split_switches s) noexcept {
  if (function == 0 && (!s.pass_through || s.user_parameters_first)) {
    const auto slash = text.rfind('/');
    if (slash == std::string_view::npos) return {{}, text};
    return {text.substr(slash + 1), text.substr(0, slash)};
  }
  const auto slash = text.find('/');
  if (slash == std::string_view::npos) return {{}, text};
  return {text.substr(0, slash), text.substr(slash + 1)};
}

// OVLEINIT's decision of the two switches for the host in the area.
split_switches decide_switches(common::ov_le_external area) noexcept;

// OVLEINIT's work: host detection ("N" at offset 1), the switches, the split of `text` (ASCII, at
// most 100 characters read) for `function` 0 or 1 and the call of OV-PIPI. Returns what argument 3
// receives: function 0 the user parameters, function 1 the text; nothing for 2 or more.
std::optional<std::string> request_initialization(common::ov_le_external area, std::int32_t function,
                                                  std::optional<std::string_view> text) noexcept;

}  // namespace ovle::environment
