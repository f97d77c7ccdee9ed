// OVLE-CFG: the configuration file named by OVLECONFIG, loaded whole into an in-memory stream of
// 256-character entries and handed out in order or by key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ovle::environment {

// OVLE-CFG's status values.
namespace configuration_status {
inline constexpr std::int16_t done = 0;
inline constexpr std::int16_t open_failed = 1;
inline constexpr std::int16_t read_failed = 2;
inline constexpr std::int16_t no_stream = 3;
inline constexpr std::int16_t write_failed = 4;
inline constexpr std::int16_t stream_read_failed = 5;
inline constexpr std::int16_t no_entry = 9;
}  // namespace configuration_status

class configuration_file {
 public:
  static constexpr std::size_t entry_width = 256;
  static constexpr std::size_t key_width = 20;
  // The stream holds at most this many entries (16 MiB); a longer file stops loading with
  // write_failed rather than exhausting memory.
  static constexpr std::size_t max_entries = 65536;

  // One call: function 0 first entry, 1 next, 2 the first entry beginning with `key` (EBCDIC, the
  // characters before its first blank; an omitted key finds nothing), 3 reload, 4 close. `entry`
  // (EBCDIC, 256 characters) receives the entry or blanks. Returns the status.
  std::int16_t call(std::int16_t function, std::optional<std::string_view> key,
                    std::span<char, entry_width> entry) noexcept;

 private:
  std::int16_t load() noexcept;
  void close_stream() noexcept;
  std::int16_t read_next(std::span<char, entry_width> entry) noexcept;

  bool loaded_ = false;
  std::uint16_t stream_ = 0;  // 0: no stream open
  std::size_t total_ = 0;     // bytes of entries in the stream
  std::size_t position_ = 0;  // the next entry's offset, shared by functions 0, 1 and 2
};

// OVLE-CFG's own state, one for the process.
configuration_file& configuration() noexcept;

}  // namespace ovle::environment
