// The service frame, seen from a caller: feedback code, code sets, OV-PIPI, omitted arguments.
#include "common/frame.hpp"

#include <set>
#include <stdexcept>
#include <tuple>

#include "ovle_test.hpp"

namespace ovle {
namespace {

using test::view;

// A service built on the frame like every entry: it records what it saw and echoes its input (in
// EBCDIC, as the library holds it) into a fixed 8-character output.
enum class action { succeed, fail, throw_exception, call_nested } probe_does;
std::string probe_saw;
bool probe_saw_ascii = false;

int probe(const ovle_vstring* in, char* out, ovle_feedback* fc) noexcept {
  common::service_frame f(fc, 2, {common::char_input::vstring(0, in, 80)});
  f.run([&] {
    if (!f.require({{0, in}, {1, out}})) return;
    probe_saw = std::string(f.input(0));
    probe_saw_ascii = f.ascii_caller();
    common::store_padded(out, 8, f.input(0), '\x40');
    f.text_output(out, 8);
    if (probe_does == action::fail) f.fail(common::conditions::date_component_missing);
    if (probe_does == action::throw_exception) throw std::runtime_error("boom");
    if (probe_does == action::call_nested) {  // the callee's caller is the library, which is EBCDIC
      ovle_feedback inner;
      const ovle_int4 bad = test::int4(101);
      CEESCEN(&bad, &inner);
      std::memcpy(out, inner.facility, 3);
    }
  });
  return 0;
}

class Frame : public test::run_unit {};

TEST_F(Frame, ConditionsComeBackInTheCallersCodeSet) {
  const auto ovx = test::ascii_condition(4, 9999, 0, "OVX");
  // What the service does, whether its output is missing, whether the caller is EBCDIC, the outcome.
  const std::tuple<action, bool, bool, test::condition_view> cases[] = {
      {action::succeed, false, false, view(ovle_feedback{})},
      {action::fail, false, false, test::ascii_condition(3, 2507, 1)},
      {action::fail, false, true, {3, 2507, 0x59, "\xC3\xC5\xC5", true}},
      {action::throw_exception, false, false, ovx},
      {action::succeed, true, false, ovx},
      {action::succeed, true, true, {4, 9999, 0x60, "\xD6\xE5\xE7", true}}};
  for (const auto& [does, output_missing, ebcdic, expected] : cases) {
    ebcdic ? ebcdic_caller() : platform::testing::reset_caller_chain();
    probe_does = does;
    const ovle_vstring in = test::vstring("x");
    char out[8] = {};
    ovle_feedback fc = test::dirty_feedback();
    EXPECT_EQ(probe(&in, output_missing ? nullptr : out, &fc), 0);
    EXPECT_EQ(view(fc), expected) << static_cast<int>(does) << " ebcdic " << ebcdic;
  }
  probe_does = action::fail;  // an omitted feedback code drops the condition, never the work
  const ovle_vstring in = test::vstring("\xE7");
  char out[8] = {};
  EXPECT_EQ(probe(&in, out, nullptr), 0);
  EXPECT_EQ(out[0], '\xE7');
  probe(nullptr, nullptr, nullptr);  // nothing at all: no crash
}

TEST_F(Frame, CharacterDataInBothCodeSets) {
  static const ovle_vstring read_only = test::vstring("AB-12");  // may sit in read-only storage
  const ovle_vstring before = read_only;
  char out[8];
  probe(&read_only, out, nullptr);
  EXPECT_TRUE(probe_saw_ascii);
  EXPECT_EQ(probe_saw, "\xC1\xC2\x60\xF1\xF2");
  EXPECT_EQ(std::memcmp(&before, &read_only, sizeof before), 0) << "the caller's input is left as it was";
  EXPECT_EQ(std::string(out, 8), "AB-12   ") << "outputs come back in ASCII";
  probe_does = action::call_nested;
  probe(&read_only, out, nullptr);
  EXPECT_EQ(std::string(out, 3), "OVX") << "the nested facility was EBCDIC, then the outer output became ASCII";
  for (const int length : {-5, 0, 80, 200, INT16_MAX}) {  // never read past the field
    ovle_vstring in = test::vstring("");
    ovle_int2_set(&in.length, static_cast<std::int16_t>(length));
    probe(&in, out, nullptr);
    EXPECT_EQ(probe_saw.size(), static_cast<std::size_t>(std::clamp(length, 0, 80))) << length;
  }
  ebcdic_caller();
  probe_does = action::succeed;
  const ovle_vstring in = test::vstring("\xC1\xC2");
  probe(&in, out, nullptr);
  EXPECT_FALSE(probe_saw_ascii);
  EXPECT_EQ(probe_saw + std::string(out, 8), "\xC1\xC2\xC1\xC2\x40\x40\x40\x40\x40\x40") << "no conversion either way";
}

int initializer_calls = 0;
int counting_initializer(const ovle_int2* f, const ovle_vstring* o, const ovle_vstring* u) noexcept {
  ++initializer_calls;
  return OV0PIPI(f, o, u);
}

TEST_F(Frame, InitializerRunsOnceAndItsAbsenceIsNoFailure) {
  platform::testing::set_unreachable("OV-PIPI", true);
  ovle_int4 window = test::int4(-7);
  ovle_feedback fc = test::dirty_feedback();
  CEEQCEN(&window, &fc);
  EXPECT_TRUE(test::is_success(fc));
  EXPECT_FALSE(area().is_initialized());
  EXPECT_EQ(ovle_int4_get(&window), 0) << "a new area holds no window digits";
  EXPECT_TRUE(console.empty());
  platform::testing::set_unreachable("OV-PIPI", false);
  platform::testing::replace_program("OV-PIPI", reinterpret_cast<platform::program_address>(&counting_initializer));
  CEEQCEN(&window, nullptr);
  EXPECT_EQ(area().state(), common::ov_le_external::initialized);
  EXPECT_EQ(area().country_count() + area().language_count(), 2) << "one entry each";
  CEEQCEN(&window, nullptr);
  const ovle_vstring in = test::vstring("x");
  char out[8];
  probe(&in, out, nullptr);
  EXPECT_EQ(initializer_calls, 1);
}

TEST_F(Frame, CodeSetQueryWalksTheProgramChain) {
  // The programs above CGPIINFO, outermost first (the last is CGPIINFO's caller); input; output.
  const std::tuple<std::vector<std::uint8_t>, std::int16_t, std::int16_t> cases[] = {
      {{0, 0}, 2, 3}, {{0, 4}, 2, 3}, {{4, 0}, 2, 4}, {{4, 0, 0}, 3, 4}, {{0, 4, 4}, 3, 3}, {{0}, 3, 0}, {{4, 0, 0}, 5, 0},
      {{0, 0}, 0, 0}, {{2, 1}, 0, 1}, {{2, 0}, 0, 2}, {{7, 0}, 0, 3},    {{}, 2, 0},        {{4}, -1, 0}};
  for (const auto& [chain, input, expected] : cases) {
    platform::testing::set_caller_chain(chain);
    std::int16_t mode = input;
    EXPECT_EQ(CGPIINFO(&mode), 0);
    EXPECT_EQ(mode, expected) << "input " << input << ", chain size " << chain.size();
  }
  EXPECT_EQ(CGPIINFO(nullptr), 0);
  setenv("OVLE_CALLER_CODESET", "EBCDIC", 1);
  platform::testing::reset_caller_chain();
  EXPECT_FALSE(common::caller_is_ascii());
}

// The conditions table: one row per identifier and per stored value, each a token a service may
// store (severity 0 to 4, control 0 or 1, facility CEE or OVX), found again from its bytes.
TEST(Conditions, TableRowsAreUniqueAndWellFormed) {
  std::set<std::string_view> identifiers;
  std::set<std::tuple<int, int, int, std::string_view>> values;
  for (const common::condition_entry& e : common::condition_table) {
    EXPECT_TRUE(identifiers.insert(e.identifier).second) << e.identifier;
    const common::condition& c = e.value;
    EXPECT_TRUE(values.insert({c.severity, c.message_number, c.control, e.facility}).second) << e.identifier;
    EXPECT_TRUE(c.severity >= 0 && c.severity <= 4 && c.control <= 1) << e.identifier;
    EXPECT_TRUE(e.facility == "CEE" || e.facility == "OVX") << e.identifier;
    EXPECT_EQ(platform::ascii_from_ebcdic({c.facility.data(), 3}), e.facility) << e.identifier;
    ovle_feedback fc = test::dirty_feedback();
    common::feedback_code(&fc).set(c);
    EXPECT_EQ(common::find_condition(common::feedback_code(&fc).get()), &e) << e.identifier;
    EXPECT_EQ(test::hex(fc.instance, 8), "0000000000000000") << e.identifier << ": no instance data";
  }
}

}  // namespace
}  // namespace ovle
