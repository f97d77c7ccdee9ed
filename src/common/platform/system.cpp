// System facilities: operating-system type, environment, command line, console, clock, end of run.
#include <sys/time.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <utility>

#include "common/platform/cob_bridge.hpp"
#include "common/platform/platform.hpp"

namespace ovle::platform {
namespace {

std::optional<long> environment_integer(const char* name) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return std::nullopt;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (*end != '\0') return std::nullopt;
  return value;
}

std::string fit(std::string_view text, std::size_t length) {
  std::string out(text.substr(0, length));
  out.resize(length, ' ');
  return out;
}

struct command_line_state {
  bool replaced = false;
  std::string text;
  bool arguments_replaced = false;
  std::vector<std::string> arguments;
};

// argv as the kernel keeps it: NUL-terminated strings, the program name first.
std::vector<std::string> process_arguments() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  std::vector<std::string> arguments;
  std::string argument;
  while (std::getline(in, argument, '\0')) arguments.push_back(argument);
  return arguments;
}

// The territory of a locale name (language_TERRITORY.codeset@modifier) as a dialling code.
std::uint16_t country_of_locale(std::string_view locale) {
  const auto underscore = locale.find('_');
  if (underscore == std::string_view::npos || locale.size() < underscore + 3) return 1;
  const std::string_view territory = locale.substr(underscore + 1, 2);
  static constexpr std::pair<std::string_view, std::uint16_t> codes[] = {
      {"US", 1},  {"CA", 2},  {"NL", 31}, {"BE", 32}, {"FR", 33}, {"ES", 34}, {"IT", 39},  {"CH", 41}, {"AT", 43},
      {"GB", 44}, {"DK", 45}, {"SE", 46}, {"NO", 47}, {"DE", 49}, {"TR", 90}, {"PT", 351}, {"FI", 358}};
  for (const auto& [name, code] : codes) {
    if (name == territory) return code;
  }
  return 1;
}

std::uint16_t system_country() {
  if (const auto code = environment_integer("OVLE_OSCOUNTRY"); code && *code > 0 && *code <= 0xFFFF) {
    return static_cast<std::uint16_t>(*code);
  }
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') return country_of_locale(value);
  }
  return 1;
}

command_line_state& command_line_store() {
  static auto* state = new command_line_state();
  return *state;
}

std::vector<std::string>*& console_sink() {
  static std::vector<std::string>* sink = nullptr;
  return sink;
}

std::vector<std::string>*& sysout_sink() {
  static std::vector<std::string>* sink = nullptr;
  return sink;
}

// Digits of CURRENT-DATE at these positions; the rest are the sign of the offset ("0" when the
// system knows no offset).
bool is_current_date_form(std::string_view text) {
  if (text.size() != 21) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool ok = i == 16 ? (c == '+' || c == '-' || c == '0') : (c >= '0' && c <= '9');
    if (!ok) return false;
  }
  return true;
}

}  // namespace

std::optional<os_info> get_os_info() noexcept {
  // OVLE_OSTYPE stands for the host: 1 Brantley Forge, 2 Quill Works, 3 and 4 Harbinger Console;
  // 0 makes the query fail; any other number is an unrecognized platform. A test platform also
  // reports a block length of its own through OVLE_OSINFO_LENGTH.
  const long type = environment_integer("OVLE_OSTYPE").value_or(1);
  if (type <= 0 || type > 0xFFFF) return std::nullopt;
  const long length = environment_integer("OVLE_OSINFO_LENGTH").value_or(28);
  return os_info{static_cast<std::uint16_t>(length), static_cast<std::uint16_t>(type), system_country()};
}

std::optional<std::string> environment_value(std::string_view name, std::size_t length) {
  const std::string key(name);
  const char* value = std::getenv(key.c_str());
  if (value == nullptr) return std::nullopt;
  return fit(value, length);
}

std::string command_line() {
  auto& store = command_line_store();
  if (store.replaced) return fit(store.text, 100);
  std::string text;
  for (const std::string& argument : command_arguments()) {
    if (!text.empty()) text += ' ';
    text += argument;
  }
  return fit(text, 100);
}

std::vector<std::string> command_arguments() {
  auto& store = command_line_store();
  if (store.arguments_replaced) return store.arguments;
  std::vector<std::string> arguments = process_arguments();
  if (!arguments.empty()) arguments.erase(arguments.begin());  // the program name
  return arguments;
}

void set_command_line(std::string_view text) {
  auto& store = command_line_store();
  store.replaced = true;
  store.text = fit(text, 100);
}

namespace {

// A line on stdout, flushed so that it interleaves with DISPLAY, or into the test's sink.
void write_line(std::vector<std::string>* sink, std::string_view text) noexcept {
  try {
    if (sink != nullptr) {
      sink->emplace_back(text);
      return;
    }
  } catch (...) {
    return;
  }
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

void console_line(std::string_view text) noexcept { write_line(console_sink(), text); }

void sysout_line(std::string_view text) noexcept {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  write_line(sysout_sink(), text);
}

void stop_run(int return_code) noexcept {
  std::fflush(stdout);
  cob::stop_run(return_code);
  std::exit(return_code);
}

void install_exit_procedure(int (*procedure)()) noexcept {
  if (cob::install_exit_procedure(procedure)) return;
  static int (*installed)() = nullptr;
  installed = procedure;
  std::atexit([] {
    if (installed != nullptr) installed();
  });
}

std::array<char, 21> current_date() noexcept {
  std::array<char, 21> out{};
  if (const char* fixed = std::getenv("OVLE_CURRENT_DATE"); fixed != nullptr && is_current_date_form(fixed)) {
    std::memcpy(out.data(), fixed, out.size());
    return out;
  }
  timeval now{};
  gettimeofday(&now, nullptr);
  // A program that reads the clock in a loop asks many times within one second, whose calendar
  // fields and offset stay the same.
  struct broken_down_second {
    time_t second = -1;
    std::tm local{};
  };
  static constinit broken_down_second last{};
  if (now.tv_sec != last.second) {
    localtime_r(&now.tv_sec, &last.local);
    last.second = now.tv_sec;
  }
  const std::tm& local = last.local;
  const long offset_minutes = local.tm_gmtoff / 60;
  const long magnitude = offset_minutes < 0 ? -offset_minutes : offset_minutes;
  const auto put = [&](std::size_t at, std::size_t width, long value) {
    for (std::size_t i = at + width; i-- > at; value /= 10) out[i] = static_cast<char>('0' + value % 10);
  };
  put(0, 4, (local.tm_year + 1900L) % 10000);
  put(4, 2, local.tm_mon + 1L);
  put(6, 2, local.tm_mday);
  put(8, 2, local.tm_hour);
  put(10, 2, local.tm_min);
  put(12, 2, local.tm_sec);
  put(14, 2, static_cast<long>(now.tv_usec / 10000));
  out[16] = offset_minutes < 0 ? '-' : '+';
  put(17, 2, magnitude / 60 % 100);
  put(19, 2, magnitude % 60);
  return out;
}

void testing::set_command_arguments(const std::vector<std::string>* arguments) {
  auto& store = command_line_store();
  store.arguments_replaced = arguments != nullptr;
  store.arguments = arguments != nullptr ? *arguments : std::vector<std::string>{};
}

void testing::capture_console(std::vector<std::string>* sink) noexcept { console_sink() = sink; }
void testing::capture_sysout(std::vector<std::string>* sink) noexcept { sysout_sink() = sink; }

}  // namespace ovle::platform
