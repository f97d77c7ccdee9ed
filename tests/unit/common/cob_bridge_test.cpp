// The libcob side of the run-time layer, with libcob linked in and initialised by the test.
#include <cstddef>

extern "C" {
#include <libcob.h>
}

#include "common/platform/cob_bridge.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

char program_name[] = "cob_bridge_test";
char* arguments[] = {program_name, nullptr};

TEST(CobBridge, LibcobIsAskedOnlyOnceItRuns) {
  EXPECT_FALSE(platform::cob::active());
  EXPECT_EQ(platform::cob::external_address("OV_LE_EXTERNAL", 18771), nullptr);
  EXPECT_NE(platform::external_area("EARLY-AREA", 8), nullptr) << "the library's own registry serves instead";
  cob_init(1, arguments);
  ASSERT_TRUE(platform::cob::active());
  EXPECT_EQ(platform::cob::caller_argument_count(), platform::cob::unknown_argument_count)
      << "no COBOL module is running";
  std::byte* area = platform::external_area("OV-LE-EXTERNAL", 18771);
  EXPECT_EQ(static_cast<void*>(area), cob_external_addr("OV_LE_EXTERNAL", 18771));
  EXPECT_EQ(common::ov_le_external::attach().bytes().data(), area);
  ovle_int4 window;
  CEEQCEN(&window, nullptr);
  EXPECT_EQ(static_cast<char*>(cob_external_addr("OV_LE_EXTERNAL", 18771))[1], '\xE8');
}

int exit_procedure() {
  std::fputs("exit procedure ran\n", stderr);
  return 0;
}

TEST(CobBridge, StopRunEndsTheRunUnitAndRunsTheExitProcedure) {
  EXPECT_EXIT(
      {
        cob_init(1, arguments);
        platform::install_exit_procedure(&exit_procedure);
        platform::stop_run(65537);
      },
      ::testing::ExitedWithCode(1), "exit procedure ran");
}

}  // namespace
}  // namespace ovle
