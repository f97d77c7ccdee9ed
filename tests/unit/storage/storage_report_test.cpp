// The storage report and the heap dump, line by line for fixed sequences, and where they go.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ovle_test.hpp"

namespace ovle {
namespace {

namespace fs = std::filesystem;

constexpr char e1 = '\xF1';

class StorageReport : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    setenv("OVLE_CURRENT_DATE", "2026120515301234+0100", 1);
    dir = fs::temp_directory_path() / ("ovle_storage_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* name : {"DUMPFILE", "REPORT", "HEAP"})
      setenv(("DD_" + std::string(name)).c_str(), (dir / name).c_str(), 1);
    platform::testing::capture_sysout(&sysout);
  }
  void TearDown() override {
    platform::testing::capture_sysout(nullptr);
    fs::remove_all(dir);
    for (const char* name : {"DD_DUMPFILE", "DD_REPORT", "DD_HEAP"}) unsetenv(name);
    run_unit::TearDown();
  }
  static void* get(std::int32_t heap, std::int32_t size) {
    void* p = nullptr;
    ovle_int4 h = test::int4(heap), n = test::int4(size);
    CEEGTST(&h, &n, &p, nullptr);
    EXPECT_NE(p, nullptr);
    return p;
  }
  static void free(void* p) { CEEFRST(&p, nullptr); }
  static void create(std::int32_t initial, std::int32_t increment, std::int32_t options) {
    ovle_int4 h, i = test::int4(initial), n = test::int4(increment), o = test::int4(options);
    CEECRHP(&h, &i, &n, &o, nullptr);
  }
  static void discard(std::int32_t heap) {
    ovle_int4 h = test::int4(heap);
    CEEDSHP(&h, nullptr);
  }
  static void message_file(std::string_view ascii) {
    const std::string name = platform::ebcdic_from_ascii(ascii);
    std::memcpy(area().message_file().data(), name.data(), 8);
  }
  static std::vector<std::string> lines_of(const fs::path& p) {
    std::ifstream in(p);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  // Heap 0 and two created heaps, one of them discarded.
  static void fixed_sequence() {
    area().set_all31(e1);
    get(0, 100);
    void* a = get(0, 50);
    free(a);
    create(4096, 4096, 1);
    create(0, 0, 0);
    void* b = get(1, 3000);
    get(1, 3000);
    free(b);
    discard(2);
  }

  std::vector<std::string> sysout;
  fs::path dir;
};

// clang-format off
const std::vector<std::string> expected_report = {
    std::string(121, '-'),
    " Storage Report for Heaps 2026/12/05 15:30:12",
    "",
    "     HEAP statistics:",
    "       Initial size                                               32768",
    "       Increment size                                             32768",
    "       Total heap storage used (sugg. initial size):                160",
    "       Successful Get Heap requests:                                  2",
    "       Successful Free Heap requests:                                 1",
    "       Number of segments allocated:                                  1",
    "       Number of segments freed:                                      0",
    "",
    "     Additional Heap statistics:",
    "       Successful Create Heap requests:                               2",
    "       Successful Discard Heap requests:                              1",
    "       Total heap storage used:                                    6000",
    "       Successful Get Heap requests:                                  2",
    "       Successful Free Heap requests:                                 1",
    "       Number of segments allocated:                                  2",
    "       Number of segments freed:                                      1",
    "",
    " End of Storage Report",
};
// clang-format on

// The report's lines for a fixed sequence, and where they go: SYSOUT or a named output, by host,
// message file name and the caller's code set.
TEST_F(StorageReport, ReportDestinations) {
  struct row {
    const char* os_type;    // "1": host B; "2": host Q; "0": no host recognized
    std::string_view name;  // message file, 8 characters
    bool ebcdic_caller;
    const char* file;  // the named output it goes to, or "" for SYSOUT
  };
  // clang-format off
  const std::string_view nul(std::string_view("\0\0\0\0\0\0\0\0", 8));  // a name never set
  const row rows[] = {
      {"1", "sysout  ", false, ""},
      {"2", "        ", false, ""},
      {"1", nul,        false, ""},
      {"0", nul,        false, "HEAP"},
      {"1", "Report  ", false, "REPORT"},  // upper-cased on hosts B and Q
      {"1", "SYSOUT  ", true,  ""},
      {"1", "REPORT  ", true,  "REPORT"},
      {"0", "        ", false, "HEAP"},
      {"0", "REPORT  ", false, "REPORT"},
      {"0", "REPORT  ", true,  "REPORT"},
  };
  // clang-format on
  for (const row& r : rows) {
    SCOPED_TRACE(testing::Message() << "host type " << r.os_type << " name '" << r.name.data() << "' ebcdic "
                                    << r.ebcdic_caller);
    platform::testing::clear_external_areas();
    setenv("OVLE_OSTYPE", r.os_type, 1);
    OV0PIPI(nullptr, nullptr, nullptr);
    message_file(r.name);
    fixed_sequence();
    if (r.ebcdic_caller) ebcdic_caller();
    sysout.clear();
    CEEGTST_STORAGE_REPORT();
    platform::testing::reset_caller_chain();
    if (*r.file == '\0') {
      EXPECT_EQ(sysout, expected_report);
    } else {
      EXPECT_TRUE(sysout.empty());
      EXPECT_EQ(lines_of(dir / r.file), expected_report);
      fs::remove(dir / r.file);
    }
  }
}

TEST_F(StorageReport, DumpLinesForAFixedSequence) {
  OV0PIPI(nullptr, nullptr, nullptr);
  area().set_all31(e1);
  create(4096, 0, 77);
  char* p = static_cast<char*>(get(1, 24));
  void* q = get(1, 8);
  void* r = get(1, 16);
  free(q);
  free(r);
  std::ofstream(dir / "DUMPFILE") << "earlier\n";
  CEEGTST_DUMP_HEAP();
  // clang-format off
  std::vector<std::string> expected = {
      "earlier",
      "---------------------------------------------------------------------------------",
      "2026/12/05 15:30:12                              Stream-Top  000000149",
      "Free Stream Blocks",
      "000000120",
      "000000091",
      "Heap    000",
      "    Init-Size             000000000",
      "    Incr-Size             000000000",
      "    Option                00",
      "    Used-Block-Offset     000000000",
      "Heap    001",
      "    Init-Size             000004096",
      "    Incr-Size             000000000",
      "    Option                77",
      "    Used-Block-Offset     000000033",
      "    Block    001     000000033",
      "        Block-next               000000000",
      "        Block-mode               000000002    ABOVE-THE-LINE",
      "        Block-size               000004096",
      "        Block-mem-pointer        #########",
      "        Block-reg-mem-pointer    #########",
      "        Block-subblock-chain     000000004",
      "        Subblock 000000001 (000000004)",
      "            Subblock-next               000000062",
      "            Subblock-type               000000001    ALLOCATED",
      "            Subblock-size               000000024",
      "            Subblock-mem-pointer        #########",
      "            Subblock-reg-mem-pointer    #########",
      "            Subblock-offset             000000000",
      "        Subblock 000000002 (000000062)",
      "            Subblock-next               000000000",
      "            Subblock-type               000000000    UNALLOCATED:",
      "            Subblock-size               000004072",
      "            Subblock-mem-pointer        $$$$$$$$$",
      "            Subblock-reg-mem-pointer    $$$$$$$$$",
      "            Subblock-offset             000000024",
  };
  // clang-format on
  // Addresses print as their last nine decimal digits.
  const auto digits = [](const void* address) {
    char text[16];
    std::snprintf(text, sizeof text, "%09llu",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(address) % 1000000000u));
    return std::string(text);
  };
  for (std::string& line : expected) {
    if (const auto at = line.find("#########"); at != std::string::npos) line.replace(at, 9, digits(p));
    if (const auto at = line.find("$$$$$$$$$"); at != std::string::npos) line.replace(at, 9, digits(p + 24));
  }
  EXPECT_EQ(lines_of(dir / "DUMPFILE"), expected);
  // A second dump appends; with no released record the header says so.
  void* s = get(1, 8);
  CEEGTST_DUMP_HEAP();
  const auto lines = lines_of(dir / "DUMPFILE");
  ASSERT_GT(lines.size(), expected.size() + 3);
  EXPECT_EQ(lines[expected.size() + 2], "Free Stream Blocks") << "one released record left";
  EXPECT_EQ(lines[expected.size() + 3], "000000091");
  (void)s;
}

TEST_F(StorageReport, CommentsAreAppendedToTheDumpFile) {
  std::ofstream(dir / "DUMPFILE") << "earlier content\n";
  const std::string first = "first comment" + std::string(65, ' ');
  const std::string second = std::string(78, 'x');
  CEEGTST_DUMP_COMMENT(first.c_str());
  CEEGTST_DUMP_COMMENT(second.c_str());
  // An EBCDIC caller's comment is written in ASCII as well.
  ebcdic_caller();
  const std::string third = platform::ebcdic_from_ascii("from EBCDIC" + std::string(67, ' '));
  CEEGTST_DUMP_COMMENT(third.c_str());
  EXPECT_EQ(lines_of(dir / "DUMPFILE"),
            (std::vector<std::string>{"earlier content", "*> first comment", "*> " + second, "*> from EBCDIC"}));
  // A missing file is created.
  fs::remove(dir / "DUMPFILE");
  CEEGTST_DUMP_COMMENT(second.c_str());
  EXPECT_EQ(lines_of(dir / "DUMPFILE").size(), 1u);
}

}  // namespace
}  // namespace ovle
