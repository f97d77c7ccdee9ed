#include "ovle_test.hpp"

namespace {

using namespace ovle::test;
using ovle::platform::attribute_ebcdic;

std::int16_t cgpiinfo(std::int16_t input) {
  std::int16_t mode = input;
  CGPIINFO(&mode);
  return mode;
}

// CGPIINFO answers from the chain of programs above it; the frame's code-set decision is its input 2.
TEST_F(run_unit, CgpiinfoReadsTheProgramChain) {
  struct case_ {
    std::vector<std::uint8_t> chain;  // outermost first; the last is CGPIINFO's caller
    std::int16_t input;
    std::int16_t expected;
  };
  const case_ cases[] = {
      {{0, 0}, 2, 3},
      {{attribute_ebcdic, 0}, 2, 4},
      {{0, attribute_ebcdic}, 2, 3},
      {{0x07, 0}, 2, 4},
      {{0}, 2, 0},
      {{}, 2, 0},
      {{0, 0}, 3, 0},
      {{attribute_ebcdic, 0, 0}, 3, 4},
      {{0, attribute_ebcdic, attribute_ebcdic}, 3, 3},
      {{0x01, 0x00}, 0, 1},
      {{0x03, 0x06}, 0, 2},
      {{0x07, 0x04, 0x00}, 0, 3},
      {{attribute_ebcdic, attribute_ebcdic}, 0, 0},
      {{}, 0, 0},
      {{attribute_ebcdic, 0}, 5, 0},
      {{attribute_ebcdic, 0}, 1, 0},
      {{attribute_ebcdic, 0}, -2, 0},
  };
  for (const case_& c : cases) {
    ovle::platform::testing::set_caller_chain(c.chain);
    EXPECT_EQ(cgpiinfo(c.input), c.expected) << "input " << c.input << ", chain of " << c.chain.size();
  }
}

// A service sees its caller's code set through the same query (the service itself is the first level
// up): the facility ID of a condition comes back in it, and a caller the chain does not show is taken
// as EBCDIC.
TEST_F(run_unit, FrameTakesTheCallersCodeSet) {
  struct case_ {
    std::vector<std::uint8_t> chain;
    const char* facility;
  };
  const case_ cases[] = {{{0, 0}, "OVX"}, {{attribute_ebcdic, attribute_ebcdic}, "\xD6\xE5\xE7"},
                         {{0}, "OVX"}, {{attribute_ebcdic}, "\xD6\xE5\xE7"}, {{}, "\xD6\xE5\xE7"}};
  for (const case_& c : cases) {
    ovle::platform::testing::set_caller_chain(c.chain);
    ovle_feedback fc = dirty_feedback();
    CEEQCEN(nullptr, &fc);
    EXPECT_EQ(view(fc).facility, c.facility) << "chain of " << c.chain.size();
  }
}

}  // namespace
