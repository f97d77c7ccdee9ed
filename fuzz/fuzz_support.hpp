// What every harness shares: reading the fuzzer's bytes, caller items in allocations of their exact
// size (so AddressSanitizer sees a service that reads or writes past one), the check that a feedback
// code holds a condition of the table, and the run unit the harnesses call the services in.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/conditions.hpp"
#include "common/platform/platform.hpp"
#include "ovle/ovle.h"

// libFuzzer's entry points, which every harness defines.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace ovle::fuzz {

// A property that does not hold: say which, and stop as a crash would, so libFuzzer keeps the input.
[[noreturn]] inline void fail(const std::string& what) {
  std::fprintf(stderr, "property violated: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}
// The message is built only when the property fails: the checks run millions of times.
#define OVLE_EXPECT(holds, what)            \
  do {                                      \
    if (!(holds)) ::ovle::fuzz::fail(what); \
  } while (false)

// The fuzzer's bytes, taken from the front (integers most significant byte first); past the end
// every read gives zeros.
struct input {
  const std::uint8_t* data;
  std::size_t size, at = 0;
  input(const std::uint8_t* d, std::size_t n) noexcept : data(d), size(n) {}
  std::uint8_t byte() noexcept { return at < size ? data[at++] : 0; }
  std::uint64_t integer(int width) noexcept {
    std::uint64_t v = 0;
    for (int i = 0; i < width; ++i) v = v << 8 | byte();
    return v;
  }
  std::uint32_t u32() noexcept { return static_cast<std::uint32_t>(integer(4)); }
  std::uint64_t u64() noexcept { return integer(8); }
  std::string_view bytes(std::size_t n) noexcept {
    const std::string_view out(reinterpret_cast<const char*>(data + at), std::min(n, size - at));
    at += out.size();
    return out;
  }
  std::string_view rest() noexcept { return bytes(size - at); }
  bool empty() const noexcept { return at >= size; }
};

// One caller data item in an allocation of exactly its size.
class item {
 public:
  explicit item(std::size_t size, unsigned char fill = 0)
      : size_(size), bytes_(new unsigned char[size == 0 ? 1 : size]) {
    std::memset(bytes_.get(), fill, size_ == 0 ? 1 : size_);
  }
  item(const item& other) : item(other.size_) { std::memcpy(bytes_.get(), other.bytes_.get(), size_); }
  item& operator=(const item&) = delete;

  unsigned char* data() const noexcept { return bytes_.get(); }
  std::size_t size() const noexcept { return size_; }
  template <typename T>
  T* as() const noexcept {
    return reinterpret_cast<T*>(bytes_.get());
  }
  std::string_view view() const noexcept { return {reinterpret_cast<const char*>(bytes_.get()), size_}; }
  friend bool operator==(const item& a, const item& b) noexcept { return a.view() == b.view(); }

 private:
  std::size_t size_;
  std::unique_ptr<unsigned char[]> bytes_;
};

// A VSTRING as a caller may pass it: the declared length, then only the characters the service may
// read (`limit`, where it cuts longer strings), so a read past them lands in AddressSanitizer's
// red zone. The characters the text does not supply are blanks of the caller's code set.
inline item vstring(std::string_view text, std::int16_t declared, std::size_t limit, char blank) {
  const std::size_t readable = std::min<std::size_t>(declared < 0 ? 0 : static_cast<std::size_t>(declared), limit);
  item v(2 + readable, static_cast<unsigned char>(blank));
  ovle_int2_set(v.as<ovle_int2>(), declared);
  std::memcpy(v.data() + 2, text.data(), std::min(text.size(), readable));
  return v;
}

// The VSTRING length a caller declares: mostly the text's own, sometimes a dirty one.
inline std::int16_t declared_length(std::uint8_t choice, std::size_t text_length) {
  switch (choice % 8) {
    case 0: return -32768;
    case 1: return -1;
    case 2: return 32767;
    case 3: return static_cast<std::int16_t>(text_length + 1 + choice / 8);
    default: return static_cast<std::int16_t>(text_length);
  }
}

inline std::string to_ebcdic(std::string_view ascii) { return platform::ebcdic_from_ascii(ascii); }
inline std::string to_ascii(std::string_view ebcdic) { return platform::ascii_from_ebcdic(ebcdic); }

// The input of the harnesses that read a text through a picture: byte 0 the picture's length (0-255,
// cut to what is there), bytes 1 and 2 choose the declared lengths of the picture and the text
// (declared_length), then the picture, then the text, as an ASCII caller writes them; each becomes a
// VSTRING of either code set.
struct text_and_picture {
  item ascii_text, ascii_picture, ebcdic_text, ebcdic_picture;
  std::uint8_t text_choice;
};
inline text_and_picture read_text_and_picture(input& in, std::size_t text_limit, std::size_t picture_limit) {
  const std::size_t picture_length = in.byte();
  const std::uint8_t picture_choice = in.byte(), text_choice = in.byte();
  const std::string picture(in.bytes(picture_length)), text(in.rest());
  const std::int16_t pd = declared_length(picture_choice, picture.size());
  const std::int16_t td = declared_length(text_choice, text.size());
  return {vstring(text, td, text_limit, ' '), vstring(picture, pd, picture_limit, ' '),
          vstring(to_ebcdic(text), td, text_limit, '\x40'), vstring(to_ebcdic(picture), pd, picture_limit, '\x40'),
          text_choice};
}

// The caller's code set: the service's direct caller keeps its data in EBCDIC or in ASCII.
inline void set_caller(bool ebcdic) {
  platform::testing::set_caller_chain({ebcdic ? platform::attribute_ebcdic : std::uint8_t{0}});
}

// The message number of a feedback code after checking that it is sixteen X'00' bytes or a row of
// the table of conditions, as a caller of that code set receives it (byte 4 agreeing, bytes 8-15
// zero), and that the message is one the service may return; 0 for success.
inline int message_of(const item& fc, bool ebcdic_caller, std::initializer_list<int> allowed,
                      std::string_view service) {
  OVLE_EXPECT(fc.size() == 16, "a feedback code is 16 bytes");
  const unsigned char* b = fc.data();
  if (std::all_of(b, b + 16, [](unsigned char c) { return c == 0; })) return 0;
  common::condition c{static_cast<std::int16_t>(b[0] << 8 | b[1]),
                      static_cast<std::int16_t>(b[2] << 8 | b[3]),
                      static_cast<std::uint8_t>(b[4] & 7),
                      {}};
  std::string facility(reinterpret_cast<const char*>(b + 5), 3);
  if (!ebcdic_caller && !platform::facility_ids_stay_ebcdic()) facility = to_ebcdic(facility);
  std::copy_n(facility.begin(), 3, c.facility.begin());
  const auto token = [&] {
    return std::string(service) + ": severity " + std::to_string(c.severity) + " message " +
           std::to_string(c.message_number);
  };
  OVLE_EXPECT(common::find_condition(c) != nullptr, token() + " is no condition of the table");
  OVLE_EXPECT(b[4] == c.case_severity_control(), token() + " with byte 4 that does not agree");
  OVLE_EXPECT(std::all_of(b + 8, b + 16, [](unsigned char x) { return x == 0; }), token() + " with instance data");
  OVLE_EXPECT(std::find(allowed.begin(), allowed.end(), c.message_number) != allowed.end(),
              token() + " is not a condition of this service");
  return c.message_number;
}

// The console lines of the run unit, captured instead of printed; the harnesses that look at them
// clear them before each call.
inline std::vector<std::string>& console() {
  static auto* lines = new std::vector<std::string>();
  return *lines;
}

// The notice the formatting services show for an era token of a DBCS picture.
inline constexpr std::string_view dbcs_notice[] = {"DBCS Support not provided yet",
                                                   "   Contact Orvane for additional information"};

// Every console line since the last call is one of `known` (a service's notices); the lines are
// then dropped, so that a long run does not keep them.
inline void expect_console_within(std::span<const std::string_view> known, std::string_view service) {
  for (const std::string& line : console()) {
    OVLE_EXPECT(std::find(known.begin(), known.end(), line) != known.end(),
                std::string(service) + " showed '" + line + "'");
  }
  console().clear();
}

// A run unit as a batch job starts one: a fixed clock (two-digit years 1946 to 2045), the console
// captured, the environment initialized by a first service call.
inline void start_run_unit() {
  setenv("OVLE_CURRENT_DATE", "2026120515300000+0000", 1);
  unsetenv("OVLECONFIG");
  platform::testing::capture_console(&console());
  platform::testing::clear_external_areas();
  set_caller(false);
  OV0PIPI(nullptr, nullptr, nullptr);
}

}  // namespace ovle::fuzz
