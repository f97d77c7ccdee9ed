// OVLE-CFG: the configuration file of run-time options, read through an in-memory stream.
#include "environment/configuration.hpp"

#include <algorithm>
#include <array>
#include <string>

#include "common/bytes.hpp"
#include "common/ebcdic.hpp"
#include "common/platform/platform.hpp"

namespace ovle::environment {

namespace status = configuration_status;

std::int16_t configuration_file::call(std::int16_t function, std::optional<std::string_view> key,
                                      std::span<char, entry_width> entry) noexcept {
  std::fill(entry.begin(), entry.end(), common::ebcdic::blank);
  if (!loaded_) {
    const std::int16_t loaded = load();
    if (function == 3 || loaded != status::done) return loaded;
  } else if (function == 3) {
    return load();
  }
  switch (function) {
    case 0: position_ = 0; return read_next(entry);
    case 1: return read_next(entry);
    case 2: {
      if (!key) return status::done;
      // The key's length: the characters before its first blank, at most 20.
      const std::string_view wanted = key->substr(0, std::min(key->find(common::ebcdic::blank), key_width));
      position_ = 0;
      while (position_ < total_) {
        if (const std::int16_t read = read_next(entry); read != status::done) return read;
        if (std::string_view(entry.data(), wanted.size()) == wanted) return status::done;
      }
      std::fill(entry.begin(), entry.end(), common::ebcdic::blank);
      return status::done;
    }
    case 4:
      close_stream();
      loaded_ = false;
      return status::done;
    default: return status::done;
  }
}

void configuration_file::close_stream() noexcept {
  if (stream_ != 0) platform::close_vfile(stream_);
  stream_ = 0;
  total_ = 0;
}

std::int16_t configuration_file::load() noexcept {
  try {
    close_stream();
    loaded_ = false;
    const auto value = platform::environment_value("OVLECONFIG", 256);
    if (!value || std::all_of(value->begin(), value->end(), [](char c) { return c == ' ' || c == '\0'; })) {
      return status::done;  // nothing to load; the next call tries again
    }
    stream_ = platform::open_vfile();
    if (stream_ == 0) return status::no_stream;
    total_ = 0;
    position_ = 0;
    // The file name: the first 255 characters of the value, without the padding.
    std::string name = value->substr(0, 255);
    name.erase(name.find_last_not_of(' ') + 1);
    platform::line_file file;
    if (file.open(name, platform::line_file::mode::input).front() != '0') return status::open_failed;
    std::string record;
    while (true) {
      const std::string_view read = file.read(record, entry_width);
      if (read.front() == '1') break;  // end of file
      if (read.front() != '0') {
        file.close();
        return status::read_failed;
      }
      if (total_ / entry_width >= max_entries) {
        file.close();
        return status::write_failed;
      }
      std::array<char, entry_width> ebcdic;
      const std::size_t length = common::padded_length(record, ' ');
      for (std::size_t i = 0; i < length; ++i) {
        ebcdic[i] = static_cast<char>(platform::to_ebcdic(static_cast<std::uint8_t>(record[i])));
      }
      std::fill(ebcdic.begin() + static_cast<std::ptrdiff_t>(length), ebcdic.end(), common::ebcdic::blank);
      if (!platform::write_vfile(stream_, total_, std::as_bytes(std::span(ebcdic)))) {
        file.close();
        return status::write_failed;
      }
      total_ += entry_width;
    }
    file.close();
    loaded_ = true;
    position_ = 0;
    return status::done;
  } catch (...) {
    return status::write_failed;
  }
}

std::int16_t configuration_file::read_next(std::span<char, entry_width> entry) noexcept {
  if (stream_ == 0 || position_ >= total_) return status::no_entry;
  if (!platform::read_vfile(stream_, position_, std::as_writable_bytes(std::span<char>(entry)))) {
    std::fill(entry.begin(), entry.end(), common::ebcdic::blank);
    return status::stream_read_failed;
  }
  position_ += entry_width;
  return status::done;
}

configuration_file& configuration() noexcept {
  static auto* file = new configuration_file();
  return *file;
}

}  // namespace ovle::environment
