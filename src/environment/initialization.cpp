// OV-PIPI's first initialization and the host detection shared with OVLEINIT.
#include "environment/initialization.hpp"

#include <algorithm>
#include <cstring>
#include <string>

#include "common/ebcdic.hpp"
#include "common/frame.hpp"
#include "common/platform/platform.hpp"
#include "environment/runtime_options.hpp"
#include "environment/settings.hpp"

namespace ovle::environment {
namespace {

using common::ov_le_external;
using namespace common::ebcdic;

constexpr std::int32_t ide_category = 262144;
// Return code of a run unit stopped because the host cannot be told.
constexpr int stop_return_code = 16;

bool& sysout_ascii() {
  static bool ascii = false;
  return ascii;
}

char host_for_type(std::uint16_t type) {
  switch (type) {
    case 1: return ov_le_external::host_brantley_forge;
    case 2: return ov_le_external::host_quill_works;
    case 3:
    case 4: return ov_le_external::host_harbinger;
    default: return 0;
  }
}

bool is_host_b_or_q(ov_le_external area) {
  return area.host_code() == ov_le_external::host_brantley_forge ||
         area.host_code() == ov_le_external::host_quill_works;
}

void fill(std::span<char> field, char c) { std::fill(field.begin(), field.end(), c); }

void store_parameter_string(ov_le_external area, std::string_view text) {
  common::store_padded(area.parameter_string().data(), 100, text.substr(0, 100), blank);
}

bool all_blank(std::span<const char> text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == blank; });
}

// Parameter string: PARM where settings come from the environment; then, when still blank, the
// user parameters OVLEINIT handed over, or else the command line (written back unchanged).
void set_parameter_string(ov_le_external area, const initializer_arguments& args) {
  if (!area.ide_link_up() && !is_host_b_or_q(area)) {
    if (auto parm = platform::environment_value("PARM", 100); parm && parm->substr(0, 4) != "PARM") {
      store_parameter_string(area, platform::ebcdic_from_ascii(*parm));
    }
  }
  if (!all_blank(area.parameter_string())) return;
  if (args.user_parameters) {
    store_parameter_string(area, *args.user_parameters);
    return;
  }
  const std::string line = platform::command_line();
  store_parameter_string(area, platform::ebcdic_from_ascii(line));
  platform::set_command_line(line);
}

// The heap record stream: heap 0 in registry slot 1, the stream top at the first record, the
// released-record chain empty, then the stream itself. Exit processing is registered only when the
// stream opened, through OVLEEPNT and register_heap_usage when they can be reached.
void open_heap_record_stream(ov_le_external area) {
  area.set_slot_count(1);
  area.set_empty_heap_slot(1, 0, 0, 0, 0);
  area.set_stream_top(4);
  std::fill(area.released_chain().begin(), area.released_chain().end(), '\0');
  const std::uint16_t id = platform::open_vfile();
  area.set_stream_id(id);
  std::memset(area.at(ov_le_external::offset::stream_status), 0, 2);
  if (id == 0) {
    platform::console_line("Dynamic Stream open failure");
    platform::console_line("HEAP usage not available");
    return;
  }
  for (const std::string_view program : {"OVLEEPNT", "register_heap_usage"}) {
    if (auto* install = platform::find_program_as<int()>(program)) install();
  }
}

// The command-line step: the user parameters replace the parameter string, and the run-time
// options of the command line go to the parser.
void apply_command_line_step(ov_le_external area, const initializer_arguments& args) {
  if (args.user_parameters) store_parameter_string(area, *args.user_parameters);
  if (args.runtime_options && !args.runtime_options->empty()) {
    parse_options(area, platform::ascii_from_ebcdic(*args.runtime_options), option_origin::invocation_command);
  }
}

// Every entry of the configuration file, in order, as run-time options; the parser reads the first
// 100 characters of each.
void apply_configuration_entries(ov_le_external area) {
  using configuration_program = int(const std::int16_t*, const char*, char*, std::int16_t*);
  auto* configuration = platform::find_program_as<configuration_program>("OVLE-CFG");
  if (configuration == nullptr) return;
  const std::string key(20, blank);
  char entry[256];
  std::int16_t status = 0;
  std::int16_t function = 0;  // the first entry, then the next ones
  while (true) {
    configuration(&function, key.data(), entry, &status);
    if (status != 0) break;
    // The blanks that pad the entry separate nothing: they are left out.
    char text[100];
    const std::size_t length = common::padded_length({entry, sizeof text}, blank);
    for (std::size_t i = 0; i < length; ++i) {
      text[i] = static_cast<char>(platform::to_ascii(static_cast<std::uint8_t>(entry[i])));
    }
    parse_options(area, {text, length}, option_origin::configuration_file);
    function = 1;
  }
  const std::int16_t close = 4;
  configuration(&close, key.data(), entry, &status);
}

void first_initialization(ov_le_external area) {
  const auto now = platform::current_date();
  std::string stamp = platform::ebcdic_from_ascii({now.data(), now.size()});
  std::memcpy(area.init_date_time().data(), stamp.data(), stamp.size());
  area.set_state(ov_le_external::initialized);

  fill(area.field(ov_le_external::offset::country_stack, 2), blank);
  area.set_country_count(1);
  area.set_language_count(1);
  area.set_language_number(0);
  area.clear_century_window();
  *area.at(ov_le_external::offset::gmt_sign) = blank;
  area.store_digits(ov_le_external::offset::gmt_hhmm, 4, 0);
  fill(area.parameter_string(), blank);
  area.clear_storage_binaries();
  area.set_user_field(1, 0);
  area.set_user_field(2, 0);
  area.set_stream_id(0);
  area.set_stream_top(0);
  area.set_slot_count(0);
  reset_options();
}

}  // namespace

void detect_host_for_initializer(ov_le_external area) noexcept {
  area.set_host_is_ide_host(false);
  area.set_ide_link_up(false);
  area.set_host_code(ov_le_external::host_unrecognized);
  const auto info = platform::get_os_info();
  if (!info) return;
  const char host = host_for_type(info->os_type);
  if (host == 0) {
    platform::console_line("Unknown Platform");
    platform::stop_run(stop_return_code);
  }
  area.set_host_code(host);
  if (host == ov_le_external::host_harbinger) {
    area.set_host_is_ide_host(true);
    if (platform::ide_link::load() && platform::ide_link::is_ide_up() == 0) area.set_ide_link_up(true);
  }
}

void detect_host_for_ovleinit(ov_le_external area) noexcept {
  area.set_state(ov_le_external::reinit_requested);
  area.set_host_code(ov_le_external::host_unrecognized);
  const auto info = platform::get_os_info();
  if (!info) return;
  if (const char host = host_for_type(info->os_type); host != 0) {
    area.set_host_code(host);
    return;
  }
  if (info->block_length == 28) return;
  std::string value = platform::environment_value("LETESTPLATFORM", 8).value_or(std::string(8, ' '));
  value = platform::ebcdic_from_ascii(value);
  if (value == "BF      "_e) area.set_host_code(ov_le_external::host_brantley_forge);
  else if (value == "QW      "_e) area.set_host_code(ov_le_external::host_quill_works);
  else if (value == "HCN     "_e) area.set_host_code(ov_le_external::host_harbinger);
  else {
    platform::console_line("No LE test platform set");
    platform::stop_run(stop_return_code);
  }
}

void initialize_environment(ov_le_external area, const initializer_arguments& args) noexcept {
  try {
    const bool small_defaults = args.function == 2;
    first_initialization(area);
    detect_host_for_initializer(area);
    if (is_host_b_or_q(area)) sysout_ascii() = common::program_info_query(3) == 3;
    area.set_century_window(80, platform::current_year());
    connect_ide(area);
    set_initial_country(area);
    set_initial_language(area);
    set_gmt_offset(area);
    set_parameter_string(area, args);
    set_heap(area, small_defaults);
    set_storage(area);
    set_all31(area, small_defaults);
    set_report_switches(area);
    set_cblopts(area);
    set_message_file(area);
    open_heap_record_stream(area);
    release_ide(area);
    // The run-time options: on hosts "B" and "Q" the configuration file's, then the command line's;
    // with the IDE link up the command line's alone; elsewhere none.
    if (is_host_b_or_q(area)) apply_configuration_entries(area);
    if ((area.ide_link_up() || is_host_b_or_q(area)) && args.runtime_options) apply_command_line_step(area, args);
  } catch (...) {
    // Allocation failure in a setting: the area keeps what was stored so far.
  }
}

bool sysout_caller_is_ascii() noexcept { return sysout_ascii(); }

split_switches decide_switches(ov_le_external area) noexcept {
  if (area.host_code() == ov_le_external::host_harbinger) {
    split_switches s{false, false};
    if (!platform::ide_link::load()) return s;
    if (platform::ide_link::is_ide_up() == 0 && platform::ide_link::connect_database() == 0) {
      std::int32_t value = 0;
      s.pass_through = platform::ide_link::get_dest_int(ide_category, 8391, value) == 0 && value == 1;
      if (s.pass_through) {
        value = 0;
        s.user_parameters_first = platform::ide_link::get_dest_int(ide_category, 8377, value) == 0 && value == 1;
      }
    }
    platform::ide_link::release_database();
    platform::ide_link::close();
    return s;
  }
  split_switches s{true, true};
  if (area.host_code() == ov_le_external::host_quill_works && !platform::call_le370_lbr()) return s;
  // The configuration entry "CBLO...": CBLOPTS(OFF) puts the run-time options first.
  using configuration_program = int(const std::int16_t*, const char*, char*, std::int16_t*);
  if (auto* configuration = platform::find_program_as<configuration_program>("OVLE-CFG")) {
    const std::int16_t search = 2;
    std::string key("CBLO"_e);
    key.resize(20, blank);
    char value[256];
    std::int16_t status = 0;
    configuration(&search, key.data(), value, &status);
    const std::string_view entry(value, sizeof value);
    if (!all_blank(std::span<const char>(value, sizeof value))) {
      if (const auto paren = entry.find('\x4D'); paren != std::string_view::npos) {  // "("
        if (const auto o = entry.find("O"_e, paren); o != std::string_view::npos && entry.substr(o, 3) == "OFF"_e) {
          s.user_parameters_first = false;
        }
      }
    }
  }
  return s;
}

namespace {

constexpr std::size_t text_maximum = 100;

ovle_vstring make_vstring(std::string_view text) {
  ovle_vstring v{};
  common::store_vstring(&v, text.substr(0, text_maximum));
  return v;
}

}  // namespace

std::optional<std::string> request_initialization(ov_le_external area, std::int32_t function,
                                                  std::optional<std::string_view> text) noexcept {
  try {
    detect_host_for_ovleinit(area);
    const bool splits = function == 0 || function == 1;
    // The text, as received, in a 100-character work field.
    const std::string work(splits && text ? text->substr(0, text_maximum) : std::string_view{});
    const split_switches switches = decide_switches(area);
    const bool host_h_or_q =
        area.host_code() == ov_le_external::host_harbinger || area.host_code() == ov_le_external::host_quill_works;
    // The text reaches OV-PIPI only with pass-through, and on hosts "H" and "Q" through LE370.LBR.
    const bool hand_over = switches.pass_through && (!host_h_or_q || platform::call_le370_lbr());
    ovle_int2 function_code;
    ovle_int2_set(&function_code, static_cast<std::int16_t>(function));
    if (!splits) {
      if (area.state() != ov_le_external::initialized && hand_over) common::run_initializer(&function_code);
      return std::nullopt;
    }
    const split_text parts = split_command_text(work, function, switches);
    if (hand_over) {
      const ovle_vstring options = make_vstring(platform::ebcdic_from_ascii(parts.runtime_options));
      const ovle_vstring user = make_vstring(platform::ebcdic_from_ascii(parts.user_parameters));
      common::run_initializer(&function_code, &options, &user);
    }
    return std::string(function == 0 ? parts.user_parameters : std::string_view(work));
  } catch (...) {
    return std::nullopt;
  }
}

}  // namespace ovle::environment
