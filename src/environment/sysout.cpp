// The SYSOUT line writers: SYSOUT lines to standard output, named outputs to line-sequential files.
#include "environment/sysout.hpp"

#include <algorithm>
#include <string>

namespace ovle::environment {

std::string line_writer::ascii(std::string_view text) const {
  return codeset_ == text_codeset::ebcdic ? platform::ascii_from_ebcdic(text) : std::string(text);
}

void line_writer::call(std::int16_t function, std::string_view text) noexcept {
  try {
    switch (function) {
      case 0: platform::sysout_line(ascii(text.substr(0, sysout_width))); return;
      case 1: {
        // Open for extend, which creates a missing file; a name that gives no path fails.
        if (open_) file_.close();
        const std::string path = platform::output_path(ascii(text.substr(0, name_width)));
        open_ = !path.empty() && file_.open(path, platform::line_file::mode::extend).front() == '0';
        return;
      }
      case 2: {
        if (!open_) return;
        std::string record = ascii(text.substr(0, record_width));
        record.resize(record_width, ' ');
        file_.write(record);
        return;
      }
      case 3:
        if (open_) file_.close();
        open_ = false;
        return;
      default: return;
    }
  } catch (...) {
    // Nothing to report through: the writers have no feedback code.
  }
}

line_writer& ascii_writer() noexcept {
  static line_writer writer(line_writer::text_codeset::ascii);
  return writer;
}

line_writer& ebcdic_writer() noexcept {
  static line_writer writer(line_writer::text_codeset::ebcdic);
  return writer;
}

}  // namespace ovle::environment
