// The SYSOUT line writers LESSOUTA (text held in ASCII) and LESSOUTE (text held in EBCDIC).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/platform/platform.hpp"

namespace ovle::environment {

// One writer with its own named output; SYSOUT is shared by the process.
class line_writer {
 public:
  enum class text_codeset : std::uint8_t { ascii, ebcdic };
  static constexpr std::size_t sysout_width = 255;  // a SYSOUT line is cut here
  static constexpr std::size_t record_width = 121;  // a named output's record
  static constexpr std::size_t name_width = 8;      // a named output's name

  explicit line_writer(text_codeset codeset) noexcept : codeset_(codeset) {}

  // Function 0 writes `text` to SYSOUT, 1 opens the named output `text`, 2 writes `text` to it,
  // 3 closes it. Any other function code does nothing; failures are not reported.
  void call(std::int16_t function, std::string_view text) noexcept;
  bool named_output_open() const noexcept { return open_; }

 private:
  std::string ascii(std::string_view text) const;

  text_codeset codeset_;
  platform::line_file file_;
  bool open_ = false;
};

// The writers behind LESSOUTA and LESSOUTE, one each for the process.
line_writer& ascii_writer() noexcept;
line_writer& ebcdic_writer() noexcept;

}  // namespace ovle::environment
