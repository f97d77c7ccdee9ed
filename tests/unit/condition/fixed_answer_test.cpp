// The eighteen services that exist by name only: the fixed answer, and nothing else written.
#include <random>
#include <set>

#include "ovle_test.hpp"

namespace ovle {
namespace {

using test::view;

// A service, its parameters before the feedback code and the width of each one's buffer: the
// character fields at their exact widths (a token 16, a text 80, a VSTRING 2 + 80), so that a read
// past one shows under AddressSanitizer; the others are never read.
struct fixed_service {
  const char* name;
  std::vector<std::size_t> widths;
  int (*call)(void* const* p, ovle_feedback* fc);
};

constexpr std::size_t other = 64, token = 16, text = 80, vstring = 82;

// clang-format off
const fixed_service services[] = {
    {"CEE3CIB", {other, other}, [](void* const* p, ovle_feedback* fc) { return CEE3CIB(p[0], p[1], fc); }},
    {"CEE3DMP", {other, other}, [](void* const* p, ovle_feedback* fc) { return CEE3DMP(p[0], p[1], fc); }},
    {"CEE3GRC", {other}, [](void* const* p, ovle_feedback* fc) { return CEE3GRC(p[0], fc); }},
    {"CEE3GRN", {other}, [](void* const* p, ovle_feedback* fc) { return CEE3GRN(p[0], fc); }},
    {"CEE3SRC", {other}, [](void* const* p, ovle_feedback* fc) { return CEE3SRC(p[0], fc); }},
    {"CEE3SRP", {other}, [](void* const* p, ovle_feedback* fc) { return CEE3SRP(p[0], fc); }},
    {"CEECMI", {other, other, other}, [](void* const* p, ovle_feedback* fc) { return CEECMI(p[0], p[1], p[2], fc); }},
    {"CEEHDLR", {other, other}, [](void* const* p, ovle_feedback* fc) { return CEEHDLR(p[0], p[1], fc); }},
    {"CEEHDLU", {other}, [](void* const* p, ovle_feedback* fc) { return CEEHDLU(p[0], fc); }},
    {"CEEMRCR", {other}, [](void* const* p, ovle_feedback* fc) { return CEEMRCR(p[0], fc); }},
    {"CEE3RPH", {text}, [](void* const* p, ovle_feedback* fc) { return CEE3RPH(static_cast<const char*>(p[0]), fc); }},
    {"CEE3SPM", {other, text}, [](void* const* p, ovle_feedback* fc) { return CEE3SPM(p[0], static_cast<const char*>(p[1]), fc); }},
    {"CEEGQDT", {token, other}, [](void* const* p, ovle_feedback* fc) { return CEEGQDT(static_cast<const ovle_feedback*>(p[0]), p[1], fc); }},
    {"CEEITOK", {token}, [](void* const* p, ovle_feedback* fc) { return CEEITOK(static_cast<const ovle_feedback*>(p[0]), fc); }},
    {"CEEMSG", {token, other}, [](void* const* p, ovle_feedback* fc) { return CEEMSG(static_cast<const ovle_feedback*>(p[0]), p[1], fc); }},
    {"CEESGL", {token, other}, [](void* const* p, ovle_feedback* fc) { return CEESGL(static_cast<const ovle_feedback*>(p[0]), p[1], fc); }},
    {"CEETEST", {vstring}, [](void* const* p, ovle_feedback* fc) { return CEETEST(static_cast<const ovle_vstring*>(p[0]), fc); }},
    {"CEEMGET", {token, text, other}, [](void* const* p, ovle_feedback* fc) { return CEEMGET(static_cast<const ovle_feedback*>(p[0]), static_cast<const char*>(p[1]), p[2], fc); }},
};
// clang-format on

class FixedAnswers : public test::run_unit {};

TEST_F(FixedAnswers, OnlyTheFeedbackCodeIsWritten) {
  std::set<std::string> names;
  for (const fixed_service& s : services) names.insert(s.name);
  EXPECT_EQ(names.size(), 18U);

  std::vector<std::string> sysout;
  platform::testing::capture_sysout(&sysout);
  std::mt19937 random(6401);
  // Caller's code set, OVLE_FACILITY_CODESET=EBCDIC, the facility ID the caller gets.
  const std::tuple<bool, bool, std::string> modes[] = {{false, false, "OVX"},
                                                       {true, false, "\xD6\xE5\xE7"},
                                                       {false, true, "\xD6\xE5\xE7"},
                                                       {true, true, "\xD6\xE5\xE7"}};
  for (const auto& [ebcdic, setting, facility] : modes) {
    ebcdic ? ebcdic_caller() : platform::testing::reset_caller_chain();
    setting ? setenv("OVLE_FACILITY_CODESET", "EBCDIC", 1) : unsetenv("OVLE_FACILITY_CODESET");
    platform::testing::reread_facility_codeset();
    for (const fixed_service& s : services) {
      // Buffers of random bytes (a VSTRING's length says 80), and copies to compare with.
      std::vector<std::vector<unsigned char>> buffers, before;
      std::vector<void*> p;
      for (const std::size_t width : s.widths) {
        buffers.emplace_back(width);
        for (unsigned char& b : buffers.back()) b = static_cast<unsigned char>(random());
        if (width == vstring) buffers.back()[0] = 0, buffers.back()[1] = 80;
      }
      for (auto& b : buffers) p.push_back(b.data());
      before = buffers;
      platform::testing::clear_external_areas();
      ovle_feedback fc = test::dirty_feedback();
      EXPECT_EQ(s.call(p.data(), &fc), 0) << s.name;
      EXPECT_EQ(view(fc), (test::condition_view{4, 9999, 0x60, facility, true})) << s.name;
      EXPECT_EQ(buffers, before) << s.name;
      EXPECT_TRUE(area().is_initialized()) << s.name << ": the frame ran OV-PIPI";

      // The feedback code omitted, then every parameter omitted as well: no effect, no crash.
      EXPECT_EQ(s.call(p.data(), nullptr), 0) << s.name;
      EXPECT_EQ(buffers, before) << s.name;
      const std::vector<void*> none(s.widths.size(), nullptr);
      fc = test::dirty_feedback();
      s.call(none.data(), &fc);
      EXPECT_EQ(view(fc), (test::condition_view{4, 9999, 0x60, facility, true})) << s.name;
    }
  }
  EXPECT_TRUE(sysout.empty()) << "no message written";
  EXPECT_TRUE(console.empty());
  platform::testing::capture_sysout(nullptr);
}

}  // namespace
}  // namespace ovle
