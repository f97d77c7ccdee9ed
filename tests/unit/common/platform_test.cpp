// The run-time layer on its own: external areas, call by name, streams, files, clock, environment.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "ovle_test.hpp"

namespace ovle {
namespace {

class Platform : public test::run_unit {};

TEST_F(Platform, ExternalAreaIsOnePerNameZeroFilledAndStable) {
  std::byte* a = platform::external_area("SOME-AREA", 64);
  EXPECT_EQ(a, platform::external_area("SOME-AREA", 64));
  EXPECT_NE(a, platform::external_area("OTHER-AREA", 64));
  for (int i = 0; i < 64; ++i) ASSERT_EQ(a[i], std::byte{0});
  a[3] = std::byte{7};
  EXPECT_EQ(platform::external_area("SOME-AREA", 64)[3], std::byte{7});
}

TEST_F(Platform, ProgramsAreFoundByCallNameUnlessMadeUnreachable) {
  EXPECT_EQ(platform::find_program("OV-PIPI"), reinterpret_cast<platform::program_address>(&OV0PIPI));
  EXPECT_EQ(platform::find_program("CGPIINFO"), reinterpret_cast<platform::program_address>(&CGPIINFO));
  EXPECT_EQ(platform::find_program("OV0PIPI"), nullptr) << "calls by name use the hyphenated form";
  EXPECT_EQ(platform::find_program("NOSUCHPG"), nullptr);
  platform::testing::set_unreachable("OV-PIPI", true);
  EXPECT_EQ(platform::find_program("OV-PIPI"), nullptr);
  platform::testing::set_unreachable("OV-PIPI", false);
  EXPECT_NE(platform::find_program("OV-PIPI"), nullptr);
  static_assert(platform::program_index("OV-PIPI") < platform::program_count);
}

TEST_F(Platform, UnreachableNamesComeFromTheEnvironment) {
  setenv("OVLE_UNREACHABLE", "CEEQCEN,,OV-PIPI,UNKNOWN", 1);
  platform::testing::reset_programs();
  EXPECT_EQ(platform::find_program("OV-PIPI"), nullptr);
  EXPECT_EQ(platform::find_program("CEEQCEN"), nullptr);
  EXPECT_NE(platform::find_program("CEESCEN"), nullptr);
  EXPECT_FALSE(platform::call_le370_lbr());
  setenv("OVLE_LE370", "1", 1);
  platform::testing::reset_programs();
  EXPECT_TRUE(platform::call_le370_lbr());
}

TEST_F(Platform, IdeLinkStandInFollowsItsDescription) {
  setenv("OVLE_IDELINK", "up,8391=1,8386=GB", 1);
  platform::testing::reset_ide_link();
  ASSERT_TRUE(platform::ide_link::load());
  EXPECT_EQ(platform::ide_link::is_ide_up(), 0);
  std::int32_t value = 0;
  EXPECT_EQ(platform::ide_link::get_dest_int(262144, 8391, value), 0);
  EXPECT_EQ(value, 1);
  EXPECT_NE(platform::ide_link::get_dest_int(262144, 8377, value), 0) << "an unknown setting fails";
  EXPECT_NE(platform::ide_link::get_dest_int(1, 8391, value), 0) << "only category 262144 exists";
  char country[3];
  EXPECT_EQ(platform::ide_link::get_dest_str(262144, 8386, country), 0);
  EXPECT_EQ(std::string(country, 3), "GB ");
  unsetenv("OVLE_IDELINK");
  platform::testing::reset_ide_link();
  EXPECT_FALSE(platform::ide_link::load());
  EXPECT_NE(platform::ide_link::is_ide_up(), 0) << "nothing answers before a successful load";
}

TEST_F(Platform, OperatingSystemTypeAndItsFailure) {
  const struct {
    const char* value;
    std::optional<std::uint16_t> type;
  } cases[] = {{nullptr, 1}, {"1", 1}, {"2", 2}, {"4", 4}, {"9", 9}, {"0", std::nullopt}, {"x", 1}, {"-3", std::nullopt}};
  for (const auto& c : cases) {
    if (c.value) setenv("OVLE_OSTYPE", c.value, 1);
    else unsetenv("OVLE_OSTYPE");
    const auto info = platform::get_os_info();
    ASSERT_EQ(info.has_value(), c.type.has_value()) << (c.value ? c.value : "unset");
    if (info) {
      EXPECT_EQ(info->os_type, *c.type);
    }
  }
}

TEST_F(Platform, EnvironmentValuesAreFixedLengthOrAbsent) {
  setenv("OVLE_SAMPLE", "ABCDEFG", 1);
  EXPECT_EQ(platform::environment_value("OVLE_SAMPLE", 4), "ABCD");
  EXPECT_EQ(platform::environment_value("OVLE_SAMPLE", 10), "ABCDEFG   ");
  unsetenv("OVLE_SAMPLE");
  EXPECT_FALSE(platform::environment_value("OVLE_SAMPLE", 4).has_value());
}

TEST_F(Platform, ClockHonoursAFixedDateOfTheRightForm) {
  setenv("OVLE_CURRENT_DATE", "2007051512345678-0530", 1);
  auto now = platform::current_date();
  EXPECT_EQ(std::string(now.data(), now.size()), "2007051512345678-0530");
  for (const char* malformed : {"2007051512345678", "2007051512345678*0530", "20070515123456780-530", "x007051512345678+0530"}) {
    setenv("OVLE_CURRENT_DATE", malformed, 1);
    now = platform::current_date();
    const std::string text(now.data(), now.size());
    EXPECT_NE(text, malformed);
    EXPECT_TRUE(text[16] == '+' || text[16] == '-') << text;
    EXPECT_GE(text.substr(0, 4), "2026") << "the system clock";
  }
}

TEST_F(Platform, ConsoleLinesAreCapturedForTests) {
  platform::console_line("first");
  platform::console_line("second");
  EXPECT_EQ(console, (std::vector<std::string>{"first", "second"}));
}

TEST_F(Platform, StreamsKeepWhatWasWrittenAnywhere) {
  // A model check: random writes and reads against a plain byte vector.
  const std::uint16_t id = platform::open_vfile();
  ASSERT_NE(id, 0);
  EXPECT_NE(platform::open_vfile(), id) << "each stream has its own identifier";
  std::vector<std::byte> model;
  std::mt19937 random(20261205);
  for (int step = 0; step < 2000; ++step) {
    const std::size_t offset = random() % 4096;
    std::vector<std::byte> chunk(random() % 300);
    for (auto& b : chunk) b = static_cast<std::byte>(random());
    if (random() % 2 == 0) {
      ASSERT_TRUE(platform::write_vfile(id, offset, chunk));
      if (model.size() < offset + chunk.size()) model.resize(offset + chunk.size());
      std::copy(chunk.begin(), chunk.end(), model.begin() + static_cast<std::ptrdiff_t>(offset));
    } else {
      const bool inside = offset + chunk.size() <= model.size();
      ASSERT_EQ(platform::read_vfile(id, offset, chunk), inside);
      if (inside) {
        ASSERT_TRUE(std::equal(chunk.begin(), chunk.end(), model.begin() + static_cast<std::ptrdiff_t>(offset)));
      }
    }
  }
  EXPECT_TRUE(platform::close_vfile(id));
  std::byte b[1];
  EXPECT_FALSE(platform::read_vfile(id, 0, b));
  EXPECT_FALSE(platform::write_vfile(id, 0, b));
  EXPECT_FALSE(platform::close_vfile(id));
}

TEST_F(Platform, MemoryBlocksStayUntilFreedOnce) {
  void* block = platform::allocate_memory(1000);
  ASSERT_NE(block, nullptr);
  std::memset(block, 0x5A, 1000);
  EXPECT_TRUE(platform::free_memory(block));
  EXPECT_FALSE(platform::free_memory(block)) << "a second free is refused";
  int local = 0;
  EXPECT_FALSE(platform::free_memory(&local));
}

TEST_F(Platform, LineFilesAnswerWithCobolFileStatus) {
  const auto dir = std::filesystem::temp_directory_path() / ("ovle_line_file_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "out.txt").string();
  {
    platform::line_file f;
    EXPECT_EQ(f.write("x"), "48") << "not open";
    EXPECT_EQ(f.open(path, platform::line_file::mode::extend), "00") << "extend creates a missing file";
    EXPECT_EQ(f.open(path, platform::line_file::mode::extend), "41");
    EXPECT_EQ(f.write("FIRST LINE   "), "00");
    EXPECT_EQ(f.close(), "00");
    EXPECT_EQ(f.close(), "42");
    EXPECT_EQ(f.open(path, platform::line_file::mode::extend), "00");
    EXPECT_EQ(f.write("SECOND"), "00");
  }  // closed by the destructor
  platform::line_file in;
  EXPECT_EQ(in.open(path, platform::line_file::mode::input), "00");
  std::string record;
  EXPECT_EQ(in.read(record, 12), "00");
  EXPECT_EQ(record, "FIRST LINE  ") << "trailing blanks are not written; records come back padded";
  EXPECT_EQ(in.read(record, 3), "00");
  EXPECT_EQ(record, "SEC");
  EXPECT_EQ(in.read(record, 3), "10");
  in.close();
  platform::line_file missing;
  EXPECT_EQ(missing.open((dir / "none" / "x").string(), platform::line_file::mode::input), "35");
  std::filesystem::remove_all(dir);
}

int exit_procedure_runs = 0;
int exit_procedure() {
  ++exit_procedure_runs;
  std::fputs("exit procedure ran\n", stderr);
  return 0;
}

TEST_F(Platform, ExitProcedureRunsOnceAtTheEndOfTheRun) {
  EXPECT_EXIT(
      {
        platform::install_exit_procedure(&exit_procedure);
        std::exit(3);
      },
      ::testing::ExitedWithCode(3), "^exit procedure ran\n$");
  EXPECT_EXIT(platform::stop_run(65537 % 256), ::testing::ExitedWithCode(1), "");
}

}  // namespace
}  // namespace ovle
