// The exported entries of the run-time environment: OVLEINIT, OV-PIPI, the SYSOUT line writers,
// OVLE-CFG, the product queries and exit processing.
#include <algorithm>
#include <cstring>
#include <optional>
#include <span>
#include <string>

#include "common/bytes.hpp"
#include "common/conditions.hpp"
#include "common/ebcdic.hpp"
#include "common/frame.hpp"
#include "common/ov_le_external.hpp"
#include "common/platform/platform.hpp"
#include "environment/configuration.hpp"
#include "environment/exit_processing.hpp"
#include "environment/initialization.hpp"
#include "environment/product_queries.hpp"
#include "environment/sysout.hpp"
#include "ovle/ovle.h"

namespace {

using namespace ovle;
using common::ov_le_external;

constexpr std::size_t text_maximum = 100;

}  // namespace

extern "C" int OVLEINIT(const int32_t* function, const ovle_vstring* text, ovle_vstring* result) noexcept {
  try {
    platform::program_level level;
    const common::caller_arguments args(common::arguments(function, text, result));
    if (!args.present(0, function)) return 0;
    std::optional<std::string_view> in;
    if (args.present(1, text)) in = common::vstring_text(text, text_maximum);
    const auto out =
        environment::request_initialization(ov_le_external::attach(), common::load_native<std::int32_t>(function), in);
    if (out && args.present(2, result)) common::store_vstring(result, *out);
  } catch (...) {
    // Nothing to report through: OVLEINIT has no feedback code.
  }
  return 0;
}

extern "C" int OV0PIPI(const ovle_int2* function, const ovle_vstring* runtime_options,
                       const ovle_vstring* user_parameters) noexcept {
  platform::program_level level;
  const common::caller_arguments args(common::arguments(function, runtime_options, user_parameters));
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
  const common::caller_arguments args(common::arguments(function, length, text));
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

extern "C" int OVLE0CFG(const int16_t* function, const char* key, char* entry, int16_t* status) noexcept {
  platform::program_level level;
  const common::caller_arguments args(common::arguments(function, key, entry, status));
  if (!args.present(0, function) || !args.present(2, entry) || !args.present(3, status)) return 0;
  std::optional<std::string_view> wanted;
  if (args.present(1, key)) wanted = std::string_view(key, environment::configuration_file::key_width);
  const std::int16_t answer =
      environment::configuration().call(common::load_native<std::int16_t>(function), wanted,
                                        std::span<char, environment::configuration_file::entry_width>(
                                            entry, environment::configuration_file::entry_width));
  common::store_native<std::int16_t>(status, answer);
  return 0;
}

extern "C" int CEEGPID(ovle_int4* version, ovle_int4* platform, ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(version, platform, fc), 2);
  f.run([&] {
    environment::show_version_banner_if_needed(f.area());
    if (!f.require({{0, version}, {1, platform}})) return;
    common::store_int4(version, environment::le_version);
    common::store_int4(platform, environment::le_platform);
  });
  return 0;
}

extern "C" int CEE3PRM(char* parm, ovle_feedback* fc) noexcept {
  common::service_frame f(fc, 1);
  f.run([&] {
    if (!f.require({{0, parm}})) return;
    const std::span<char, 80> out(parm, 80);
    std::fill(out.begin(), out.end(), common::ebcdic::blank);
    f.text_output(parm, out.size());
    if (environment::query_parameter_string(f.area(), out)) f.fail(common::conditions::parameter_string_truncated);
  });
  return 0;
}

extern "C" int CEE3USR(const ovle_int4* function, const ovle_int4* field, ovle_int4* value,
                       ovle_feedback* fc) noexcept {
  // The environment is initialized only for a valid request.
  common::service_frame f(common::arguments(function, field, value, fc), 3, {}, common::init_step::skip);
  f.run([&] {
    if (!f.require({{0, function}, {1, field}, {2, value}})) return;
    const std::int32_t which = common::load_int4(field);
    if (const auto* c = environment::check_user_field_request(common::load_int4(function), which)) {
      f.fail(*c);
      return;
    }
    common::ensure_environment(f.area());
    if (common::load_int4(function) == 1) f.area().set_user_field(which, common::load_int4(value));
    else common::store_int4(value, f.area().user_field(which));
  });
  return 0;
}

extern "C" int OVLEEPNT() noexcept {
  environment::exit_state().install();
  return 0;
}

extern "C" int register_heap_usage() noexcept {
  environment::exit_state().register_heap_usage();
  return 0;
}

extern "C" int le_common_exit_proc() noexcept {
  platform::program_level level;
  environment::exit_state().run_at_exit(ov_le_external::attach());
  return 0;
}

extern "C" int le_dynamic_close_proc() noexcept {
  platform::program_level level;
  environment::close_down(ov_le_external::attach());
  return 0;
}
