// The run-time layer on its own: external areas, call by name, the IDE link, streams, files, exit.
#include <unistd.h>

#include <filesystem>
#include <random>

#include "ovle_test.hpp"

namespace ovle {
namespace {

class Platform : public test::run_unit {};

TEST_F(Platform, NamesReachOneAreaAndOneProgramEach) {
  std::byte* a = platform::external_area("SOME-AREA", 64);
  EXPECT_NE(a, platform::external_area("OTHER-AREA", 64));
  EXPECT_TRUE(std::all_of(a, a + 64, [](std::byte b) { return b == std::byte{0}; }));
  a[3] = std::byte{7};
  EXPECT_EQ(platform::external_area("SOME-AREA", 64)[3], std::byte{7});
  for (std::size_t i = 0; i < platform::program_count; ++i) {  // found by its CALL name, and by no other
    EXPECT_EQ(platform::program_index(platform::detail::program_names[i]), i) << platform::detail::program_names[i];
    EXPECT_NE(platform::find_program(platform::detail::program_names[i]), nullptr);
  }
  EXPECT_EQ(platform::find_program("OV-PIPI"), reinterpret_cast<platform::program_address>(&OV0PIPI));
  EXPECT_EQ(platform::find_program("OV0PIPI"), nullptr) << "calls by name use the hyphenated form";
  setenv("OVLE_UNREACHABLE", "CEEQCEN,,OV-PIPI,UNKNOWN", 1);
  setenv("OVLE_LE370", "1", 1);
  platform::testing::reset_programs();
  EXPECT_EQ(platform::find_program("OV-PIPI"), platform::find_program("CEEQCEN"));
  EXPECT_EQ(platform::find_program("OV-PIPI"), nullptr);
  EXPECT_NE(platform::find_program("CEESCEN"), nullptr);
  EXPECT_TRUE(platform::call_le370_lbr());
}

TEST_F(Platform, IdeLinkAnswersAsTheRunDescribesIt) {
  setenv("OVLE_IDELINK", "up,8391=1,8386=GB", 1);
  platform::testing::reset_ide_link();
  EXPECT_NE(platform::ide_link::is_ide_up(), 0) << "nothing answers before a successful load";
  ASSERT_TRUE(platform::ide_link::load());
  std::int32_t value = 0;
  EXPECT_EQ(platform::ide_link::is_ide_up() + platform::ide_link::get_dest_int(262144, 8391, value), 0);
  EXPECT_EQ(value, 1);
  EXPECT_NE(platform::ide_link::get_dest_int(262144, 8377, value), 0) << "an unknown setting fails";
  EXPECT_NE(platform::ide_link::get_dest_int(1, 8391, value), 0) << "only category 262144 exists";
  char country[3];
  EXPECT_EQ(platform::ide_link::get_dest_str(262144, 8386, country), 0);
  EXPECT_EQ(std::string(country, 3), "GB ");
}

// Random writes and reads of a stream, checked against a plain byte vector.
TEST_F(Platform, StreamsAndMemoryKeepWhatWasWritten) {
  const std::uint16_t id = platform::open_vfile();
  ASSERT_NE(id, 0);
  EXPECT_NE(platform::open_vfile(), id);
  std::vector<std::byte> model;
  std::mt19937 random(20261205);
  for (int step = 0; step < 2000; ++step) {
    const std::size_t offset = random() % 4096;
    std::vector<std::byte> chunk(random() % 300);
    for (auto& b : chunk) b = static_cast<std::byte>(random());
    const auto at = model.begin() + static_cast<std::ptrdiff_t>(std::min(offset, model.size()));
    if (random() % 2 == 0) {
      ASSERT_TRUE(platform::write_vfile(id, offset, chunk));
      model.resize(std::max(model.size(), offset + chunk.size()));
      std::copy(chunk.begin(), chunk.end(), model.begin() + static_cast<std::ptrdiff_t>(offset));
    } else {
      const bool inside = offset + chunk.size() <= model.size();
      ASSERT_EQ(platform::read_vfile(id, offset, chunk), inside);
      ASSERT_TRUE(!inside || std::equal(chunk.begin(), chunk.end(), at));
    }
  }
  std::byte b[1];
  EXPECT_TRUE(platform::close_vfile(id));
  EXPECT_FALSE(platform::read_vfile(id, 0, b) || platform::write_vfile(id, 0, b) || platform::close_vfile(id));
  void* block = platform::allocate_memory(1000);
  ASSERT_NE(block, nullptr);
  std::memset(block, 0x5A, 1000);
  EXPECT_TRUE(platform::free_memory(block));
  EXPECT_FALSE(platform::free_memory(block) || platform::free_memory(&model)) << "only blocks handed out, once";
}

TEST_F(Platform, LineFilesAnswerWithCobolFileStatus) {
  const auto dir = std::filesystem::temp_directory_path() / ("ovle_line_file_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "out.txt").string();
  using mode = platform::line_file::mode;
  std::string statuses, record, records;
  const auto add = [&](std::initializer_list<std::string_view> answers) {  // evaluated left to right
    for (const auto a : answers) statuses += a;
  };
  {
    platform::line_file f;  // not open; extend creates the file; already open; closed twice; closed by the destructor
    add({f.write("x"), f.open(path, mode::extend), f.open(path, mode::extend), f.write("FIRST LINE   "), f.close(), f.close()});
    add({f.open(path, mode::extend), f.write("SECOND")});
  }
  platform::line_file in;
  add({in.open(path, mode::input)});
  for (const std::size_t length : {12, 3}) add({in.read(record, length)}), records += record + "|";
  add({in.read(record, 3)});
  EXPECT_EQ(statuses, "480041000042000000000010");
  EXPECT_EQ(records, "FIRST LINE  |SEC|") << "trailing blanks are not written; records come back padded";
  EXPECT_EQ(platform::line_file().open((dir / "none" / "x").string(), mode::input), "35");
  std::filesystem::remove_all(dir);
}

int exit_procedure() { return std::fputs("exit procedure ran\n", stderr) < 0; }

TEST_F(Platform, ExitProcedureRunsOnceAtTheEndOfTheRun) {
  EXPECT_EXIT((platform::install_exit_procedure(&exit_procedure), std::exit(3)), ::testing::ExitedWithCode(3), "^exit procedure ran\n$");
  EXPECT_EXIT(platform::stop_run(65537 % 256), ::testing::ExitedWithCode(1), "");
}

}  // namespace
}  // namespace ovle
