// CEEGPID's banner, CEE3PRM's parameter string and CEE3USR's checks.
#include "environment/product_queries.hpp"

#include <algorithm>
#include <string>
#include <string_view>

#include "common/conditions.hpp"
#include "common/ebcdic.hpp"
#include "common/platform/platform.hpp"

namespace ovle::environment {

using common::ov_le_external;

void show_version_banner_if_needed(ov_le_external area) noexcept {
  const char host = area.host_code();
  if (area.ide_link_up() || host == ov_le_external::host_brantley_forge || host == ov_le_external::host_quill_works) {
    return;
  }
  static constexpr std::string_view banner[] = {
      " * * * * * * * * * * * * * * * * * * * * * * * * *", " *    Note Well!                                 *",
      " *       Orvane sets Version to 1.4.0            *", " *       and the platform to MVS/VM              *",
      " *     Contact Orvane if you need                *", " *       alternative values                      *",
      " * * * * * * * * * * * * * * * * * * * * * * * * *"};
  for (const std::string_view line : banner) platform::console_line(line);
}

bool query_parameter_string(ov_le_external area, std::span<char, 80> out) noexcept {
  const auto is_blank = [](char c) { return c == common::ebcdic::blank; };
  const auto parm = area.parameter_string();
  std::copy_n(parm.begin(), out.size(), out.begin());
  bool cut = !std::all_of(parm.begin() + 80, parm.end(), is_blank);
  try {
    const std::vector<std::string> arguments = platform::command_arguments();
    if (arguments.empty()) {
      if (std::all_of(parm.begin(), parm.end(), is_blank)) {
        static constexpr std::string_view lines[] = {
            "No Parameter detected by CEE3PRM",    "  Orvane Emulation cannot always",
            "  detect application parameters.",    "If this is not correct for this application,",
            "  use Vistrel to manually set the",   "  returned value from CEE3PRM and contact",
            "  Orvane support for information on", "  CEE3PRM enhancements."};
        for (const std::string_view line : lines) platform::console_line(line);
      }
      return cut;
    }
    // Each of the first ten arguments as the run-time accepts it: 100 characters, blank-padded.
    std::size_t leading_blanks = 0;
    for (std::size_t i = 0; i < std::min<std::size_t>(arguments.size(), 10); ++i) {
      std::string argument = arguments[i].substr(0, 100);
      argument.resize(100, ' ');
      leading_blanks += std::min(argument.find_first_not_of(' '), argument.size());
    }
    if (leading_blanks > 80) cut = true;
  } catch (...) {
    // The arguments could not be read: the answer stays the parameter string's.
  }
  return cut;
}

const common::condition* check_user_field_request(std::int32_t function, std::int32_t field) noexcept {
  if (function != 1 && function != 2) return &common::conditions::user_function_invalid;
  if (field != 1 && field != 2) return &common::conditions::user_field_invalid;
  return nullptr;
}

}  // namespace ovle::environment
