// Test support: a fresh run unit per test, caller-side argument builders, readable feedback codes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/ov_le_external.hpp"
#include "common/platform/platform.hpp"
#include "ovle/ovle.h"

namespace ovle::test {

// Every variable through which the run-time layer or the services read their settings.
inline constexpr const char* steering_variables[] = {"OVLE_OSTYPE",       "OVLE_OSINFO_LENGTH",   "OVLE_CALLER_CODESET",
                                                     "OVLE_CURRENT_DATE", "OVLE_UNREACHABLE",     "OVLE_IDELINK",
                                                     "OVLE_LE370",        "LETESTPLATFORM",       "PARM",
                                                     "OVLECONFIG",        "OVLE_FACILITY_CODESET"};
// The variables the initialization takes its settings from, and the system's country.
// clang-format off
inline constexpr const char* setting_variables[] = {"OVLE_OSCOUNTRY", "COBLANG", "OVCODESET", "COUNTRY", "NATLANG",
                                                    "GMTO", "HEAP", "STORAGE", "ALL31", "RPTSTG", "RPTOPTS",
                                                    "CBLOPTS", "MSGFILE"};
// clang-format on

// Each test starts as a new run unit would: zeroed areas, ASCII callers, host "B", a console that
// is captured instead of printed.
class run_unit : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : steering_variables) unsetenv(name);
    for (const char* name : setting_variables) unsetenv(name);
    platform::testing::clear_external_areas();
    platform::testing::reset_caller_chain();
    platform::testing::reset_programs();
    platform::testing::reset_ide_link();
    platform::testing::set_vfile_open_fails(false);
    platform::testing::reread_facility_codeset();
    platform::testing::capture_console(&console);
  }
  void TearDown() override { platform::testing::capture_console(nullptr); }

  static void ebcdic_caller() {
    platform::testing::set_caller_chain({platform::attribute_ebcdic, platform::attribute_ebcdic});
  }
  static common::ov_le_external area() { return common::ov_le_external::attach(); }

  std::vector<std::string> console;
};

inline ovle_int4 int4(std::int32_t value) {
  ovle_int4 v;
  ovle_int4_set(&v, value);
  return v;
}

// A VSTRING holding `text` as the caller wrote it; the rest is '#' so that reading past the length shows.
inline ovle_vstring vstring(std::string_view text) {
  ovle_vstring v;
  std::memset(v.text, '#', sizeof v.text);
  ovle_int2_set(&v.length, static_cast<std::int16_t>(text.size()));
  std::memcpy(v.text, text.data(), std::min(text.size(), sizeof v.text));
  return v;
}

inline std::string text_of(const ovle_vstring& v) {
  const int n = ovle_int2_get(&v.length);
  return std::string(v.text, static_cast<std::size_t>(n < 0 ? 0 : n));
}

// Bytes as hexadecimal digits, two per byte.
inline std::string hex(const void* data, std::size_t size) {
  std::string out;
  for (std::size_t i = 0; i < size; ++i) {
    const unsigned b = static_cast<const unsigned char*>(data)[i];
    out += {"0123456789ABCDEF"[b >> 4], "0123456789ABCDEF"[b & 15]};
  }
  return out;
}

// A feedback code filled with garbage, as an uninitialized caller item would be.
inline ovle_feedback dirty_feedback() {
  ovle_feedback fc;
  std::memset(&fc, 0xA5, sizeof fc);
  return fc;
}

// What a feedback code says, in a form that prints well in a failed expectation.
struct condition_view {
  int severity, message, case_severity_control;
  std::string facility;  // as the bytes are (caller's code set)
  bool instance_zero;
  friend bool operator==(const condition_view&, const condition_view&) = default;
  friend std::ostream& operator<<(std::ostream& os, const condition_view& c) {
    return os << "{sev " << c.severity << ", msg " << c.message << ", byte4 0x" << std::hex << c.case_severity_control
              << std::dec << ", facility '" << c.facility << "', isi " << (c.instance_zero ? "zero" : "set") << "}";
  }
};

inline condition_view view(const ovle_feedback& fc) {
  return {ovle_int2_get(&fc.severity), ovle_int2_get(&fc.message_number), fc.case_severity_control,
          std::string(fc.facility, 3), hex(fc.instance, 8) == std::string(16, '0')};
}

inline bool is_success(const ovle_feedback& fc) {
  static constexpr ovle_feedback zero{};
  return std::memcmp(&fc, &zero, sizeof fc) == 0;
}

// The condition an ASCII caller receives: facility in ASCII.
inline condition_view ascii_condition(int severity, int message, int control, std::string facility = "CEE") {
  return {severity, message, 0x40 + 8 * severity + control, std::move(facility), true};
}

}  // namespace ovle::test
