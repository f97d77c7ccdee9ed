// The exported entries of the run-time environment: OVLEINIT, OV-PIPI and the SYSOUT line writers.
#include <cstring>
#include <string>

#include "common/bytes.hpp"
#include "common/frame.hpp"
#include "common/ov_le_external.hpp"
#include "common/platform/platform.hpp"
#include "environment/initialization.hpp"
#include "environment/sysout.hpp"
#include "ovle/ovle.h"

namespace {

using namespace ovle;
using common::ov_le_external;

constexpr std::size_t text_maximum = 100;

ovle_vstring make_vstring(std::string_view text) {
  ovle_vstring v{};
  common::store_vstring(&v, text.substr(0, text_maximum));
  return v;
}

}  // namespace

extern "C" int OVLEINIT(const int32_t* function, const ovle_vstring* text, ovle_vstring* result) noexcept {
  try {
    platform::program_level level;
    const common::caller_arguments args;
    if (!args.present(0, function)) return 0;
    const ov_le_external area = ov_le_external::attach();
    environment::detect_host_for_ovleinit(area);
    const std::int32_t code = common::load_native<std::int32_t>(function);
    const bool splits = code == 0 || code == 1;
    // The text, as received, in a 100-character work field.
    std::string work;
    if (splits && args.present(1, text)) work = std::string(common::vstring_text(text, text_maximum));
    const environment::split_switches switches = environment::decide_switches(area);
    const bool host_h_or_q =
        area.host_code() == ov_le_external::host_harbinger || area.host_code() == ov_le_external::host_quill_works;
    // The text reaches OV-PIPI only with pass-through, and on hosts "H" and "Q" through LE370.LBR.
    const bool hand_over = switches.pass_through && (!host_h_or_q || platform::call_le370_lbr());
    ovle_int2 function_code;
    ovle_int2_set(&function_code, static_cast<std::int16_t>(code));

    if (!splits) {
      if (area.state() != ov_le_external::initialized && hand_over) common::run_initializer(&function_code);
      return 0;
    }

    const environment::split_text parts = environment::split_command_text(work, code, switches);
    if (hand_over) {
      const ovle_vstring options = make_vstring(platform::ebcdic_from_ascii(parts.runtime_options));
      const ovle_vstring user = make_vstring(platform::ebcdic_from_ascii(parts.user_parameters));
      common::run_initializer(&function_code, &options, &user);
    }
    if (args.present(2, result)) {
      common::store_vstring(result, code == 0 ? parts.user_parameters : std::string_view(work));
    }
  } catch (...) {
    // Nothing to report through: OVLEINIT has no feedback code.
  }
  return 0;
}

extern "C" int OV0PIPI(const ovle_int2* function, const ovle_vstring* runtime_options,
                       const ovle_vstring* user_parameters) noexcept {
  platform::program_level level;
  const common::caller_arguments args;
  const ov_le_external area = ov_le_external::attach();
  if (area.is_initialized()) return 0;
  environment::initializer_arguments in;
  if (args.present(0, function)) {
    const std::int16_t code = common::load_int2(function);
    if (code == 2 || code == 3) in.function = code;
  }
  if (args.present(1, runtime_options)) in.runtime_options = common::vstring_text(runtime_options, text_maximum);
  if (args.present(2, user_parameters)) in.user_parameters = common::vstring_text(user_parameters, text_maximum);
  environment::initialize_environment(area, in);
  return 0;
}

namespace {

// A writer's three arguments, all required: a call with fewer does nothing.
void write_line(environment::line_writer& writer, const ovle_int2* function, const ovle_int2* length,
                const char* text) noexcept {
  platform::program_level level;
  const common::caller_arguments args;
  if (!args.present(0, function) || !args.present(1, length) || !args.present(2, text)) return;
  const std::int16_t n = common::load_int2(length);
  writer.call(common::load_int2(function), std::string_view(text, n > 0 ? static_cast<std::size_t>(n) : 0));
}

}  // namespace

extern "C" int LESSOUTA(const ovle_int2* function, const ovle_int2* length, const char* text) noexcept {
  write_line(environment::ascii_writer(), function, length, text);
  return 0;
}

extern "C" int LESSOUTE(const ovle_int2* function, const ovle_int2* length, const char* text) noexcept {
  write_line(environment::ebcdic_writer(), function, length, text);
  return 0;
}
