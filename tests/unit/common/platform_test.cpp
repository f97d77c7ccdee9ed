// The run-time layer on its own: code sets, binaries, external areas, call by name, streams, line
// files, the end of the run.
#include <unistd.h>

#include <filesystem>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "common/bytes.hpp"
#include "common/ebcdic.hpp"
#include "common/platform/intrinsics.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

TEST(Platform, EveryByteSurvivesAsciiToEbcdicAndBack) {
  std::array<std::byte, 256> bytes;
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::byte>(i);
  auto data = bytes;
  platform::convert_codeset(platform::codeset_direction::to_ebcdic, data);
  EXPECT_EQ(std::set<std::byte>(data.begin(), data.end()).size(), 256u) << "the mapping must be one-to-one";
  EXPECT_EQ(data[0], std::byte{0}) << "X'00' stays X'00'";
  platform::convert_codeset(platform::codeset_direction::to_ascii, data);
  EXPECT_EQ(data, bytes);
  // The compile-time literals and the run-time table agree on every character both know.
  const std::string_view known =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
      "0123456789 .(+&$*);-/,%_>?:#@'=\"";
  for (char c : known) {
    EXPECT_EQ(common::ebcdic::from_ascii(c), static_cast<char>(platform::to_ebcdic(static_cast<std::uint8_t>(c)))) << c;
  }
  EXPECT_EQ(platform::ebcdic_from_ascii("CEE OVX"), "\xC3\xC5\xC5\x40\xD6\xE5\xE7");
  // Code page 037 where it differs from the other EBCDIC pages: brackets, bars, cent, not, caret.
  EXPECT_EQ(test::hex(platform::ebcdic_from_ascii("[]|!^\xA2\xAC\xA6").data(), 8), "BABB4F5AB04A5F6A");
}

// Packed and zoned decimal: the bytes a COBOL COMP-3 or signed DISPLAY item holds (EBCDIC zones),
// higher-order digits cut off on store, and what is not decimal read as nothing.
TEST(Platform, PackedAndZonedDecimal) {
  using bytes = std::vector<unsigned char>;
  // clang-format off
  const std::tuple<bool, bytes, std::int64_t> stored[] = {
      {true, {0x00, 0x0C}, 0}, {true, {0x00, 0x1C}, 1}, {true, {0x99, 0x9C}, 999},
      {true, {0x12, 0x34, 0x56, 0x7C}, 1234567}, {true, {0x00, 0x00, 0x00, 0x1D}, -1}, {true, {0x23, 0x4C}, 1234},
      {false, {0xF0, 0xF0, 0xC0}, 0}, {false, {0xF1, 0xF2, 0xD3}, -123}, {false, {0xF9, 0xC9}, 99},
      {false, {0xF4, 0xC5}, 345}};
  // clang-format on
  for (const auto& [packed, expected, value] : stored) {
    bytes out(expected.size(), 0x55);
    if (packed) common::store_packed(out.data(), out.size(), value);
    else common::store_zoned(out.data(), out.size(), value);
    EXPECT_EQ(out, expected) << value;
    const std::size_t digits = packed ? 2 * out.size() - 1 : out.size();
    std::int64_t modulus = 1;
    for (std::size_t i = 0; i < digits; ++i) modulus *= 10;
    const auto back = packed ? common::load_packed(out.data(), out.size()) : common::load_zoned(out.data(), out.size());
    EXPECT_EQ(back, value % modulus) << value;
  }
  const std::tuple<bool, bytes, std::optional<std::int64_t>> read[] = {
      {true, {0x12, 0x3F}, 123},           {true, {0x1A, 0x3C}, std::nullopt},
      {true, {0xA1, 0x2C}, std::nullopt},  {true, {0x12, 0x3B}, std::nullopt},
      {false, {0xF1, 0xF2, 0xF3}, 123},    {false, {0xC1, 0xF2, 0xC3}, std::nullopt},
      {false, {0xF1, 0xFA}, std::nullopt}, {false, {0x40, 0xC1}, std::nullopt}};
  for (const auto& [packed, in, expected] : read) {
    EXPECT_EQ(packed ? common::load_packed(in.data(), in.size()) : common::load_zoned(in.data(), in.size()), expected);
  }
}

class Platforms : public test::run_unit {};

TEST(Platform, RandomIsTheMinimalStandardGeneratorFromItsSeed) {
  using platform::intrinsic::random;
  // Seeds count by magnitude modulo 2^31 - 1; a remainder of 0 starts as 1 would. (The sequence
  // itself is checked against the standard library's generator through CEERAN0.)
  const struct {
    std::int64_t seed, same_as;
  } seeds[] = {{0, 1}, {-5, 5}, {2147483647, 1}, {2147483648, 1}, {INT64_MIN, 2}};
  for (const auto& c : seeds) EXPECT_EQ(random(c.seed), random(c.same_as)) << c.seed;
  EXPECT_EQ(random(1), 48271 / 2147483647.0);
}

TEST_F(Platforms, NamesReachOneAreaAndOneProgramEach) {
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
  // A program outside the library (a host's, or a family's not built yet) is found only once provided.
  EXPECT_EQ(platform::find_program("USERPGM1"), nullptr);
  platform::testing::provide_program("USERPGM1", reinterpret_cast<platform::program_address>(&CEEQCEN));
  EXPECT_EQ(platform::find_program("USERPGM1"), reinterpret_cast<platform::program_address>(&CEEQCEN));
  platform::testing::provide_program("USERPGM1", nullptr);
  EXPECT_EQ(platform::find_program("USERPGM1"), nullptr);
  setenv("OVLE_UNREACHABLE", "CEEQCEN,,OV-PIPI,UNKNOWN", 1);
  setenv("OVLE_LE370", "1", 1);
  platform::testing::reset_programs();
  EXPECT_EQ(platform::find_program("OV-PIPI"), platform::find_program("CEEQCEN"));
  EXPECT_EQ(platform::find_program("OV-PIPI"), nullptr);
  EXPECT_NE(platform::find_program("CEESCEN"), nullptr);
  EXPECT_TRUE(platform::call_le370_lbr());
}

// Random writes and reads of a stream, checked against a plain byte vector.
TEST_F(Platforms, StreamsAndMemoryKeepWhatWasWritten) {
  const std::uint16_t id = platform::open_vfile();
  ASSERT_NE(id, 0);
  EXPECT_NE(platform::open_vfile(), id);
  std::vector<std::byte> model;
  std::mt19937 random(20261205);
  for (int step = 0; step < 2000; ++step) {
    const std::size_t offset = random() % 4096;
    std::vector<std::byte> chunk(random() % 300);
    for (auto& b : chunk) b = static_cast<std::byte>(random());
    if (random() % 2 == 0) {
      ASSERT_TRUE(platform::write_vfile(id, offset, chunk));
      model.resize(std::max(model.size(), offset + chunk.size()));
      std::copy(chunk.begin(), chunk.end(), model.begin() + static_cast<std::ptrdiff_t>(offset));
    } else {
      const bool inside = offset + chunk.size() <= model.size();
      ASSERT_EQ(platform::read_vfile(id, offset, chunk), inside);
      const auto at = model.begin() + static_cast<std::ptrdiff_t>(std::min(offset, model.size()));
      ASSERT_TRUE(!inside || std::equal(chunk.begin(), chunk.end(), at));
    }
  }
  std::byte b[1];
  const auto end = model.size() - 1;  // a read may end exactly where the stream ends, and no further
  EXPECT_TRUE(platform::read_vfile(id, end, b) && !platform::read_vfile(id, end + 1, b));
  EXPECT_TRUE(platform::close_vfile(id));
  EXPECT_FALSE(platform::read_vfile(id, 0, b) || platform::write_vfile(id, 0, b) || platform::close_vfile(id));
  void* block = platform::allocate_memory(1000);
  ASSERT_NE(block, nullptr);
  std::memset(block, 0x5A, 1000);
  EXPECT_TRUE(platform::free_memory(block));
  EXPECT_FALSE(platform::free_memory(block) || platform::free_memory(&model)) << "only blocks handed out, once";
}

TEST_F(Platforms, LineFilesAnswerWithCobolFileStatus) {
  const auto dir = std::filesystem::temp_directory_path() / ("ovle_line_file_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "out.txt").string();
  using mode = platform::line_file::mode;
  std::string statuses, record;
  const auto add = [&](std::initializer_list<std::string_view> answers) {  // evaluated left to right
    for (const auto a : answers) statuses += a;
  };
  {
    platform::line_file f;  // not open; extend creates; already open; closed twice; closed by the destructor
    add({f.write("x"), f.open(path, mode::extend), f.open(path, mode::extend), f.write("FIRST LINE   "), f.close()});
    add({f.close(), f.open(path, mode::extend), f.write("SECOND")});
  }
  platform::line_file in;  // records come back padded; trailing blanks were not written
  add({in.open(path, mode::input), in.read(record, 12)});
  std::string records = record + "|";
  add({in.read(record, 3)});
  records += record;
  add({in.read(record, 3), platform::line_file().open(path + "/x", mode::input)});
  EXPECT_EQ(statuses + " " + records, "48004100004200000000001035 FIRST LINE  |SEC");
  {
    std::FILE* crlf = std::fopen(path.c_str(), "w");  // a line ended by CR LF reads without the CR
    std::fputs("AB\r\n", crlf);
    std::fclose(crlf);
    platform::line_file again;
    again.open(path, mode::input);
    again.read(record, 4);
    EXPECT_EQ(record, "AB  ");
  }
  std::filesystem::remove_all(dir);
}

// The system's country comes from the first locale variable that is set, as a dialling code.
TEST_F(Platforms, TheSystemReportsItsCountryAndCommandLine) {
  const struct {
    const char *oscountry, *lc_all, *lc_messages, *lang;
    std::uint16_t country;
  } cases[] = {// clang-format off
      {nullptr, nullptr, nullptr, nullptr, 1}, {nullptr, nullptr, nullptr, "de_DE.UTF-8", 49},
      {nullptr, "fr_FR", nullptr, "de_DE.UTF-8", 33}, {nullptr, nullptr, "pt_PT@euro", "de_DE", 351},
      {nullptr, nullptr, nullptr, "C.UTF-8", 1}, {nullptr, nullptr, nullptr, "xx_ZZ", 1},
      {nullptr, nullptr, nullptr, "en_", 1}, {"358", nullptr, nullptr, "de_DE", 358},
      {"0", nullptr, nullptr, "de_DE", 49}};
  // clang-format on
  for (const auto& c : cases) {
    const std::pair<const char*, const char*> variables[] = {
        {"OVLE_OSCOUNTRY", c.oscountry}, {"LC_ALL", c.lc_all}, {"LC_MESSAGES", c.lc_messages}, {"LANG", c.lang}};
    for (const auto& [name, value] : variables) value ? setenv(name, value, 1) : unsetenv(name);
    const auto info = platform::get_os_info();
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->country_code, c.country) << (c.lang ? c.lang : "") << " " << (c.lc_all ? c.lc_all : "");
  }
  for (const char* name : {"OVLE_OSCOUNTRY", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(name);
  setenv("OVLE_OSTYPE", "0", 1);
  EXPECT_FALSE(platform::get_os_info().has_value()) << "type 0: the query fails";
  // SYSOUT lines lose their trailing blanks.
  std::vector<std::string> sysout;
  platform::testing::capture_sysout(&sysout);
  platform::sysout_line("Report   ");
  platform::testing::capture_sysout(nullptr);
  EXPECT_EQ(sysout, std::vector<std::string>{"Report"});
  const std::vector<std::string> arguments = {"ONE", "TWO THREE", ""};
  platform::testing::set_command_arguments(&arguments);
  EXPECT_EQ(platform::command_arguments(), arguments);
  EXPECT_EQ(platform::command_line(), ("ONE TWO THREE " + std::string(100, ' ')).substr(0, 100));
  platform::testing::set_command_arguments(nullptr);
  EXPECT_NE(platform::command_arguments(), arguments) << "the test program's own arguments again";
}

TEST(Platform, PaddedLengthSkipsTrailingPadOnly) {
  for (std::size_t text = 0; text <= 20; ++text) {
    for (std::size_t pad = 0; pad <= 20; ++pad) {
      const std::string field = std::string(text, 'x') + std::string(pad, ' ');
      EXPECT_EQ(common::padded_length(field, ' '), text) << text << "+" << pad;
      const std::string inner = "a" + std::string(pad, ' ') + "b" + std::string(text, ' ');
      EXPECT_EQ(common::padded_length(inner, ' '), pad + 2) << text << "+" << pad;
    }
  }
  EXPECT_EQ(common::padded_length(std::string(17, '\x40'), '\x40'), 0u);
}

int exit_procedure() { return std::fputs("exit procedure ran\n", stderr) < 0; }

TEST_F(Platforms, ExitProcedureRunsOnceAtTheEndOfTheRun) {
  EXPECT_EXIT((platform::install_exit_procedure(&exit_procedure), std::exit(3)), ::testing::ExitedWithCode(3),
              "^exit procedure ran\n$");
  EXPECT_EXIT(platform::stop_run(65537 % 256), ::testing::ExitedWithCode(1), "");
}

}  // namespace
}  // namespace ovle
