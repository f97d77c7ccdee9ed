// CEEMOUT's line through the SYSOUT line writers, and CEE3ABD's abend line and end of the run unit.
#include "condition/message.hpp"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "common/ebcdic.hpp"
#include "common/platform/platform.hpp"
#include "ovle/ovle.h"

namespace ovle::condition {
namespace {

using namespace common::ebcdic;
using line_writer = decltype(&LESSOUTA);
static_assert(std::is_same_v<line_writer, decltype(&LESSOUTE)>);

void call_writer(line_writer writer, std::int16_t function, std::string_view text) noexcept {
  ovle_int2 code, length;
  ovle_int2_set(&code, function);
  ovle_int2_set(&length, static_cast<std::int16_t>(text.size()));
  writer(&code, &length, text.data());
}

}  // namespace

bool is_sysout_destination(std::span<const char, destination_name_width> name) noexcept {
  const std::string_view n(name.data(), name.size());
  return n == "SYSOUT  "_e || n == "        "_e || n == std::string_view("\0\0\0\0\0\0\0\0", 8);
}

void write_message(std::string_view text, std::span<const char, destination_name_width> name,
                   bool ascii_caller) noexcept {
  static constexpr std::size_t lessouta = platform::program_index("LESSOUTA");
  static constexpr std::size_t lessoute = platform::program_index("LESSOUTE");
  static_assert(lessouta < platform::program_count && lessoute < platform::program_count);
  const auto writer = reinterpret_cast<line_writer>(platform::find_program(ascii_caller ? lessouta : lessoute));
  if (writer == nullptr) return;

  const bool sysout = is_sysout_destination(name);
  std::array<char, destination_name_width> file{};
  if (!sysout) {
    std::copy(name.begin(), name.end(), file.begin());
    if (ascii_caller) {
      for (char& c : file) c = static_cast<char>(platform::to_ascii(static_cast<std::uint8_t>(c)));
    }
    call_writer(writer, 1, {file.data(), file.size()});
  }
  std::array<char, message_line_width> line;
  line.fill(ascii_caller ? ' ' : blank);
  text = text.substr(0, line.size());
  std::copy(text.begin(), text.end(), line.begin());
  call_writer(writer, sysout ? 0 : 2, {line.data(), line.size()});
  if (!sysout) call_writer(writer, 3, {file.data(), 0});
}

std::array<char, abend_line_width> abend_line(std::int32_t code) noexcept {
  // Built in EBCDIC, as the library keeps its texts, and shown in ASCII.
  std::array<char, abend_line_width> line;
  line.fill(blank);
  constexpr std::string_view head = "CEE3ABD: ABEND U("_e;
  char* p = std::copy(head.begin(), head.end(), line.begin());
  store_digits(p, 4, code);
  p[4] = ")"_e[0];
  for (char& c : line) c = static_cast<char>(platform::to_ascii(static_cast<std::uint8_t>(c)));
  return line;
}

void abend(std::int32_t code) noexcept {
  const auto line = abend_line(code);
  platform::console_line(" ");
  platform::console_line({line.data(), line.size()});
  platform::console_line(" ");
  platform::stop_run(65536 + code);
}

}  // namespace ovle::condition
