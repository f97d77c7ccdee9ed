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

// The call's answer is `wanted`: an entry with status 0, or, when there is none, blanks with `none`.
void expect(const answer& got, const std::string* wanted, std::int16_t none, const std::string& what) {
  const answer w = wanted ? answer{*wanted, 0} : answer{blank_entry, none};
  OVLE_EXPECT(got.entry == w.entry && got.status == w.status,
              what + " gave " + describe(got) + " instead of " + describe(w));
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
  expect(call(3), nullptr, 0, "reloading");
  for (std::size_t i = 0; i <= expected.size(); ++i) {
    expect(call(i == 0 ? 0 : 1), i < expected.size() ? &expected[i] : nullptr, 9, "entry " + std::to_string(i));
  }
  // By key: the characters of an entry before its first blank (at most 20) find the first entry that
  // begins with them, and the next call goes on after it.
  if (!expected.empty()) {
    const std::string& chosen = expected[pick % expected.size()];
    const std::string key = chosen.substr(0, std::min<std::size_t>(chosen.find('\x40'), 20));
    std::size_t first = 0;
    while (expected[first].compare(0, key.size(), key) != 0) ++first;
    expect(call(2, &key), &expected[first], 0, "the key");
    expect(call(1), first + 1 < expected.size() ? &expected[first + 1] : nullptr, 9, "the entry after the key");
  }
  expect(call(2), nullptr, 0, "an omitted key");
  if (other_function < 0 || other_function > 4) expect(call(other_function), nullptr, 0, "another function");
  // Closed, the file loads again at the next call.
  expect(call(4), nullptr, 0, "closing");
  expect(call(1), expected.empty() ? nullptr : &expected[0], 9, "the first call after closing");
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
