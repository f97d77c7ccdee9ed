// The service frame, seen from a caller: feedback code, code sets, OV-PIPI, omitted arguments.
#include <stdexcept>

#include "common/frame.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

using test::view;

// A service built on the frame the way every entry is: it reports what it saw and echoes its input
// (as the library sees it, in EBCDIC) into a fixed 8-character output.
struct probe_result {
  std::string input_seen;
  bool ascii_caller = false;
  int runs = 0;
};
probe_result probe_last;
enum class probe_action { succeed, fail, throw_exception, call_nested };
probe_action probe_does = probe_action::succeed;

int probe(const ovle_vstring* in, char* out, ovle_feedback* fc) noexcept {
  common::service_frame f(fc, 2, {common::char_input::vstring(0, in, 80)});
  f.run([&] {
    ++probe_last.runs;
    if (!f.require({{0, in}, {1, out}})) return;
    probe_last.input_seen = std::string(f.input(0));
    probe_last.ascii_caller = f.ascii_caller();
    common::store_padded(out, 8, f.input(0), '\x40');
    f.text_output(out, 8);
    switch (probe_does) {
      case probe_action::succeed: break;
      case probe_action::fail: f.fail(common::cee(3, 2507)); break;
      case probe_action::throw_exception: throw std::runtime_error("boom");
      case probe_action::call_nested: {
        // A service calling another: the callee's caller is the library, which is EBCDIC.
        ovle_feedback inner = test::dirty_feedback();
        const ovle_int4 bad = test::int4(101);
        CEESCEN(&bad, &inner);
        std::memcpy(out, inner.facility, 3);
        break;
      }
    }
  });
  return 0;
}

class Frame : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    probe_last = {};
    probe_does = probe_action::succeed;
  }
};

TEST_F(Frame, SuccessLeavesSixteenZeroBytesWhateverTheCodeHeld) {
  ovle_vstring in = test::vstring("2007");
  char out[8];
  ovle_feedback fc = test::dirty_feedback();
  EXPECT_EQ(probe(&in, out, &fc), 0);
  EXPECT_TRUE(test::is_success(fc));
}

TEST_F(Frame, ConditionComesBackWithTheFacilityInTheCallersCodeSet) {
  probe_does = probe_action::fail;
  ovle_vstring in = test::vstring("x");
  char out[8];
  ovle_feedback fc = test::dirty_feedback();
  probe(&in, out, &fc);
  EXPECT_EQ(view(fc), test::ascii_condition(3, 2507, 1));
  EXPECT_EQ(fc.case_severity_control, 0x59);

  ebcdic_caller();
  fc = test::dirty_feedback();
  probe(&in, out, &fc);
  EXPECT_EQ(std::string(fc.facility, 3), "\xC3\xC5\xC5");
}

TEST_F(Frame, AsciiInputIsSeenInEbcdicAndLeftUnchangedForTheCaller) {
  static const ovle_vstring read_only = test::vstring("AB-12");  // may sit in read-only storage
  const ovle_vstring before = read_only;
  char out[8];
  probe(&read_only, out, nullptr);
  EXPECT_TRUE(probe_last.ascii_caller);
  EXPECT_EQ(probe_last.input_seen, "\xC1\xC2\x60\xF1\xF2");
  EXPECT_EQ(std::memcmp(&before, &read_only, sizeof before), 0);
  EXPECT_EQ(std::string(out, 8), "AB-12   ") << "outputs come back in ASCII";
}

TEST_F(Frame, EbcdicCallerGetsNoConversionAtAll) {
  ebcdic_caller();
  ovle_vstring in = test::vstring("\xC1\xC2");
  char out[8];
  probe(&in, out, nullptr);
  EXPECT_FALSE(probe_last.ascii_caller);
  EXPECT_EQ(probe_last.input_seen, "\xC1\xC2");
  EXPECT_EQ(std::string(out, 8), std::string("\xC1\xC2") + std::string(6, '\x40'));
}

TEST_F(Frame, VstringLengthOutsideItsRangeNeverReadsPastTheField) {
  const struct {
    std::int16_t length;
    std::size_t seen;
  } cases[] = {{-5, 0}, {0, 0}, {80, 80}, {200, 80}, {INT16_MAX, 80}};
  for (const auto& c : cases) {
    ovle_vstring in = test::vstring("");
    ovle_int2_set(&in.length, c.length);
    char out[8];
    probe(&in, out, nullptr);
    EXPECT_EQ(probe_last.input_seen.size(), c.seen) << c.length;
  }
}

TEST_F(Frame, OmittedFeedbackCodeDiscardsTheCondition) {
  probe_does = probe_action::fail;
  ovle_vstring in = test::vstring("x");
  char out[8] = {};
  EXPECT_EQ(probe(&in, out, nullptr), 0);
  EXPECT_EQ(std::string(out, 1), "x") << "outputs are still returned";
}

TEST_F(Frame, MissingRequiredArgumentGetsTheLibrarysOwnCondition) {
  ovle_vstring in = test::vstring("x");
  ovle_feedback fc = test::dirty_feedback();
  probe(&in, nullptr, &fc);
  EXPECT_EQ(view(fc), test::ascii_condition(4, 9999, 0, "OVX"));
  EXPECT_EQ(fc.case_severity_control, 0x60);
  probe(nullptr, nullptr, nullptr);  // and nothing at all: no crash
}

TEST_F(Frame, ExceptionInsideAServiceBecomesTheLibrarysOwnCondition) {
  probe_does = probe_action::throw_exception;
  ovle_vstring in = test::vstring("x");
  char out[8];
  ovle_feedback fc{};
  probe(&in, out, &fc);
  EXPECT_EQ(view(fc), test::ascii_condition(4, 9999, 0, "OVX"));
}

TEST_F(Frame, ServiceCalledByAServiceSeesAnEbcdicCaller) {
  probe_does = probe_action::call_nested;
  ovle_vstring in = test::vstring("x");
  char out[8];
  probe(&in, out, nullptr);
  EXPECT_TRUE(probe_last.ascii_caller);
  EXPECT_EQ(std::string(out, 3), "OVX") << "the nested facility was EBCDIC, then the outer output became ASCII";
}

int initializer_calls = 0;
int counting_initializer(const ovle_int2* f, const ovle_vstring* o, const ovle_vstring* u) noexcept {
  ++initializer_calls;
  return OV0PIPI(f, o, u);
}

TEST_F(Frame, FirstCallRunsTheInitializerOnceAndLaterCallsDoNot) {
  initializer_calls = 0;
  platform::testing::replace_program("OV-PIPI", reinterpret_cast<platform::program_address>(&counting_initializer));
  EXPECT_NE(area().state(), common::ov_le_external::initialized);
  ovle_int4 window;
  CEEQCEN(&window, nullptr);
  EXPECT_EQ(area().state(), common::ov_le_external::initialized);
  EXPECT_EQ(area().country_count(), 1);
  EXPECT_EQ(area().language_count(), 1);
  CEEQCEN(&window, nullptr);
  ovle_vstring in = test::vstring("x");
  char out[8];
  probe(&in, out, nullptr);
  EXPECT_EQ(initializer_calls, 1);
}

TEST_F(Frame, UnreachableInitializerLeavesTheAreaAndTheServiceGoesOn) {
  platform::testing::set_unreachable("OV-PIPI", true);
  ovle_int4 window = test::int4(-7);
  ovle_feedback fc = test::dirty_feedback();
  CEEQCEN(&window, &fc);
  EXPECT_TRUE(test::is_success(fc));
  EXPECT_NE(area().state(), common::ov_le_external::initialized);
  EXPECT_EQ(ovle_int4_get(&window), 0) << "a new area holds no window digits";
  EXPECT_TRUE(console.empty());
}

TEST_F(Frame, CodeSetQueryWalksTheProgramChain) {
  // The programs above CGPIINFO, outermost first; the last is CGPIINFO's caller (level 1).
  const struct {
    std::vector<std::uint8_t> chain;
    std::int16_t input;
    std::int16_t expected;
  } cases[] = {
      {{0x00, 0x00}, 2, 3},  {{0x00, 0x04}, 2, 3}, {{0x04, 0x00}, 2, 4}, {{0x04, 0x04}, 2, 4},
      {{0x04, 0x00, 0x00}, 3, 4}, {{0x00, 0x04, 0x04}, 3, 3}, {{0x00}, 3, 0},       {{0x04, 0x00}, 5, 0},
      {{0x00, 0x00}, 0, 0},  {{0x02, 0x01}, 0, 1}, {{0x02, 0x00}, 0, 2}, {{0x07, 0x00}, 0, 3},
      {{}, 2, 0},            {{0x04}, -1, 0},
  };
  for (const auto& c : cases) {
    platform::testing::set_caller_chain(c.chain);
    std::int16_t mode = c.input;
    EXPECT_EQ(CGPIINFO(&mode), 0);
    EXPECT_EQ(mode, c.expected) << "input " << c.input << ", chain size " << c.chain.size();
  }
  EXPECT_EQ(CGPIINFO(nullptr), 0);
}

TEST_F(Frame, CallerCodeSetComesFromTheEnvironment) {
  setenv("OVLE_CALLER_CODESET", "EBCDIC", 1);
  platform::testing::reset_caller_chain();
  EXPECT_FALSE(common::caller_is_ascii());
  setenv("OVLE_CALLER_CODESET", "ASCII", 1);
  platform::testing::reset_caller_chain();
  EXPECT_TRUE(common::caller_is_ascii());
}

}  // namespace
}  // namespace ovle
