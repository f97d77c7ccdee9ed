// libFuzzer harness of OVLE-CFG and of the initialization that reads the configuration file: any
// bytes as the file OVLECONFIG names, read back entry by entry and by key, then parsed as run-time
// options by OV-PIPI.
//
// Input: byte 0 picks the entry whose beginning is looked up by key, byte 1 (signed) the function of
// a call, when it is none of 0-4; the rest is the file.
#include <unistd.h>

#include <fstream>

#include "common/ov_le_external.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace ovle;

constexpr std::size_t entry_width = 256;
const std::string blank_entry(entry_width, '\x40');

// In memory where the machine has a tmpfs: a file written for every input costs less there.
const std::string& file_name() {
  static const std::string* name = new std::string((access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                                   std::string("/ovle_fuzz_config.") + std::to_string(getpid()));
  return *name;
}

// The entries the file holds: one per line, carriage returns dropped, cut to 256 characters and
// blank-padded, in EBCDIC.
std::vector<std::string> expected_entries(std::string_view file) {
  std::vector<std::string> entries;
  while (!file.empty()) {
    const auto end = file.find('\n');
    std::string line(file.substr(0, end));
    std::erase(line, '\r');
    line.resize(std::min(line.size(), entry_width));
    std::string entry = fuzz::to_ebcdic(line);
    entry.resize(entry_width, '\x40');
    entries.push_back(std::move(entry));
    file = end == std::string_view::npos ? std::string_view{} : file.substr(end + 1);
  }
  return entries;
}

struct answer {
  std::string entry;
  std::int16_t status;
};

answer call(std::int16_t function, const std::string* key = nullptr) {
  fuzz::item f(2), k(20, 0x40), entry(entry_width, 0xA5), status(2, 0xA5);
  std::memcpy(f.data(), &function, 2);
  if (key != nullptr) std::memcpy(k.data(), key->data(), std::min<std::size_t>(key->size(), 20));
  OVLE0CFG(f.as<std::int16_t>(), key != nullptr ? k.as<char>() : nullptr, entry.as<char>(), status.as<std::int16_t>());
  answer a{std::string(entry.view()), 0};
  std::memcpy(&a.status, status.data(), 2);
  return a;
}

std::string describe(const answer& a) {
  return "status " + std::to_string(a.status) + " '" + fuzz::to_ascii(a.entry.substr(0, 40)) + "'";
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::start_run_unit();
  setenv("OVLECONFIG", file_name().c_str(), 1);
  std::atexit([] { unlink(file_name().c_str()); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::input in(data, size);
  const std::uint8_t pick = in.byte();
  const auto other_function = static_cast<std::int16_t>(static_cast<std::int8_t>(in.byte()));
  const std::string_view file = in.rest();
  std::ofstream(file_name(), std::ios::binary | std::ios::trunc)
      .write(file.data(), static_cast<std::streamsize>(file.size()));
  const std::vector<std::string> expected = expected_entries(file);

  // The whole file, in order.
  const answer loaded = call(3);
  OVLE_EXPECT(loaded.status == 0 && loaded.entry == blank_entry, "reloading gave " + describe(loaded));
  for (std::size_t i = 0; i <= expected.size(); ++i) {
    const answer a = call(i == 0 ? 0 : 1);
    const answer wanted = i < expected.size() ? answer{expected[i], 0} : answer{blank_entry, 9};
    OVLE_EXPECT(a.entry == wanted.entry && a.status == wanted.status,
                "entry " + std::to_string(i) + " came as " + describe(a) + " instead of " + describe(wanted));
  }

  // By key: the characters of an entry before its first blank (at most 20) find the first entry that
  // begins with them, and the next call goes on after it.
  if (!expected.empty()) {
    const std::string& chosen = expected[pick % expected.size()];
    const std::string key = chosen.substr(0, std::min<std::size_t>(chosen.find('\x40'), 20));
    std::size_t first = 0;
    while (expected[first].compare(0, key.size(), key) != 0) ++first;
    const answer found = call(2, &key);
    OVLE_EXPECT(found.status == 0 && found.entry == expected[first], "the key gave " + describe(found));
    const answer next = call(1);
    const answer wanted = first + 1 < expected.size() ? answer{expected[first + 1], 0} : answer{blank_entry, 9};
    OVLE_EXPECT(next.entry == wanted.entry && next.status == wanted.status, "after the key: " + describe(next));
  }
  const answer no_key = call(2);
  OVLE_EXPECT(no_key.status == 0 && no_key.entry == blank_entry, "an omitted key gave " + describe(no_key));
  if (other_function < 0 || other_function > 4) {
    const answer other = call(other_function);
    OVLE_EXPECT(other.status == 0 && other.entry == blank_entry,
                "function " + std::to_string(other_function) + " gave " + describe(other));
  }
  // Closed, the file loads again at the next call.
  const answer closed = call(4);
  OVLE_EXPECT(closed.status == 0 && closed.entry == blank_entry, "closing gave " + describe(closed));
  const answer reopened = call(1);
  const answer wanted = expected.empty() ? answer{blank_entry, 9} : answer{expected[0], 0};
  OVLE_EXPECT(reopened.entry == wanted.entry && reopened.status == wanted.status,
              "after closing: " + describe(reopened));
  call(4);

  // The initialization parses every entry as run-time options: only the parser's messages show.
  fuzz::console().clear();
  platform::testing::clear_external_areas();
  OV0PIPI(nullptr, nullptr, nullptr);
  const common::ov_le_external area = common::ov_le_external::attach();
  OVLE_EXPECT(area.is_initialized(), "OV-PIPI did not initialize");
  platform::close_vfile(area.stream_id());  // the heap record stream it opened
  for (const std::string& line : fuzz::console()) {
    OVLE_EXPECT((line.starts_with("CEE36") || line.starts_with("OVX9999I")) && !line.starts_with("CEE3608I"),
                "the initialization showed '" + line + "'");
  }
  fuzz::console().clear();
  return 0;
}
