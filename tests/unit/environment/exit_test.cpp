// Exit processing: the end-of-run procedure installed once, the close-down in its order (storage
// report, heap discards, stream close, options report), and where the options report goes; and the
// SYSOUT line writers it goes through: SYSOUT lines, named outputs mapped to files, both code sets.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "child_process.hpp"
#include "environment/runtime_options.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

using common::ov_le_external;

// The spies stand in for the storage report, the heap discard and the SYSOUT writers; they log to a
// file, which survives the end of the child's run.
std::string log_path;

void log(const std::string& line) { std::ofstream(log_path, std::ios::app) << line << "\n"; }

std::string contents(const std::string& path) {
  std::stringstream s;
  s << std::ifstream(path).rdbuf();
  return s.str();
}

int storage_report_spy() noexcept {
  log("storage report");
  return 0;
}

int discard_spy(const ovle_int4* heap_id, ovle_feedback* fc) noexcept {
  log("discard " + std::to_string(ovle_int4_get(heap_id)) + (fc ? " with a feedback code" : ""));
  return 0;
}

// The writer calls, each "A2" (LESSOUTA, function 2) and an open with the name it was given, in ASCII;
// and the first line written, in ASCII.
std::string writer_calls, first_line;
void record_writer(char writer, const ovle_int2* f, const ovle_int2* n, const char* text) {
  const int function = ovle_int2_get(f);
  std::string t(text, static_cast<std::size_t>(ovle_int2_get(n)));
  if (writer == 'E') t = platform::ascii_from_ebcdic(t);
  if ((function == 0 || function == 2) && first_line.empty()) first_line = t;
  writer_calls += std::string(1, writer) + std::to_string(function) + (function == 1 ? ":" + t : "") + " ";
}
template <char writer>
int writer_spy(const ovle_int2* f, const ovle_int2* n, const char* text) noexcept {
  record_writer(writer, f, n, text);
  return 0;
}

void provide_storage_spies() {
  platform::testing::replace_program("CEEGTST_STORAGE_REPORT",
                                     reinterpret_cast<platform::program_address>(&storage_report_spy));
  platform::testing::replace_program("CEEDSHP", reinterpret_cast<platform::program_address>(&discard_spy));
}

// Heaps 0 and 2 in use, slot 2 free, as the storage services leave the registry.
void three_slots() {
  const auto area = ov_le_external::attach();
  area.set_slot_count(3);
  area.set_empty_heap_slot(2, -1, 0, 0, 0);
  area.set_empty_heap_slot(3, 2, 4096, 4096, 0);
}

void start_run_unit(const char* text) {
  platform::testing::clear_external_areas();
  const std::int32_t function = 0;
  const ovle_vstring command = test::vstring(text);
  ovle_vstring user;
  OVLEINIT(&function, &command, &user);
}

// Each test starts in a process of its own, as ctest runs it: the installation of the end-of-run
// procedure and the choice of SYSOUT writer last for the process, and the children inherit them.
class Exit : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    log_path = "/tmp/ovle_exit_log_" + std::to_string(getpid());
    report_path = "/tmp/ovle_exit_report_" + std::to_string(getpid());
    std::remove(log_path.c_str());
    std::remove(report_path.c_str());
    setenv("OVLE_CURRENT_DATE", "2026120515301234+0100", 1);
    setenv("DD_OPTS", report_path.c_str(), 1);
  }
  void TearDown() override {
    std::remove(log_path.c_str());
    std::remove(report_path.c_str());
    run_unit::TearDown();
  }
  std::string report_path;
};

// The storage report while every heap is still there; heap 0 too (its own answer is ignored); no
// feedback code; free slots skipped; then the options report. Nothing at all when the heap record
// stream did not open, as exit processing was then never registered.
TEST_F(Exit, TheEndOfTheRunClosesTheEnvironmentDownInOrder) {
  for (const bool stream_fails : {false, true}) {
    const int status = test::run_in_child(
                           [&](std::string&) {
                             provide_storage_spies();
                             platform::testing::set_vfile_open_fails(stream_fails);
                             start_run_unit("X/RPTSTG(ON) RPTOPTS(ON) MSGFILE(OPTS)");
                             three_slots();
                           },
                           true)
                           .status;
    EXPECT_EQ(status, 0);
    EXPECT_EQ(contents(log_path), stream_fails ? "" : "storage report\ndiscard 0\ndiscard 2\n");
    const std::string report = contents(report_path);
    EXPECT_EQ(report.starts_with(" Options Report\n\n LAST WHERE SET          OPTION\n"), !stream_fails) << report;
    EXPECT_EQ(report.find("\n Invocation command      RPTSTG(ON)\n") != std::string::npos, !stream_fails);
    EXPECT_EQ(report.find("\n Invocation command      MSGFILE(OPTS,FBA,121,0,NOENQ)\n") != std::string::npos,
              !stream_fails);
    std::remove(log_path.c_str());
    std::remove(report_path.c_str());
  }
}

TEST_F(Exit, WithoutRptstgNoStorageReportAndTheStreamCloses) {
  const auto outcome = test::run_in_child([](std::string& out) {
    provide_storage_spies();
    start_run_unit("X/RPTSTG(OFF)");
    three_slots();
    const auto area = ov_le_external::attach();
    std::byte probe[1];
    out = platform::read_vfile(area.stream_id(), 0, std::span(probe, 0)) ? "open " : "closed ";
    le_dynamic_close_proc();
    out += platform::read_vfile(area.stream_id(), 0, std::span(probe, 0)) ? "open" : "closed";
  });
  EXPECT_EQ(outcome.output, "open closed");
  EXPECT_EQ(contents(log_path), "discard 0\ndiscard 2\n");
}

// OVLEEPNT alone installs the procedure but asks for no close-down; the procedure marks the
// environment for re-initialization, which the next service call performs.
TEST_F(Exit, TheExitProcedureLeavesTheEnvironmentToBeInitializedAgain) {
  const auto outcome = test::run_in_child([](std::string& out) {
    provide_storage_spies();
    platform::testing::set_vfile_open_fails(true);  // OV-PIPI installs nothing
    start_run_unit("X/RPTSTG(ON)");
    platform::testing::set_vfile_open_fails(false);
    const auto area = ov_le_external::attach();
    area.set_user_field(1, 5);
    OVLEEPNT();
    le_common_exit_proc();
    out = std::string(1, area.state() == ov_le_external::reinit_requested ? 'N' : '?');
    ovle_int4 window;
    CEEQCEN(&window, nullptr);  // initializes again: the stream opens, exit processing registers
    out += std::string(area.is_initialized() ? " Y " : " ? ") + std::to_string(area.user_field(1));
    out += area.stream_id() != 0 ? " stream" : " no stream";
    le_common_exit_proc();
  });
  EXPECT_EQ(outcome.output, "N Y 0 stream");
  EXPECT_EQ(contents(log_path), "discard 0\n") << "the close-down ran once, after register_heap_usage";
}

TEST_F(Exit, TheOptionsReportGoesWhereTheMessageFileSays) {
  // The calls of a report of every option: to SYSOUT (function 0), or opened under `name`.
  const auto report = [](char writer, std::string name) {
    const std::string line = std::string(1, writer) + (name.empty() ? "0 " : "2 ");
    std::string calls = name.empty() ? "" : std::string(1, writer) + "1:" + name + " ";
    for (std::size_t i = 0; i < 4 + environment::vocabulary().size(); ++i) calls += line;
    return name.empty() ? calls : calls + writer + "3 ";
  };
  const std::string nul(8, '\0');
  const struct {
    const char* ostype;
    bool ide_up, ebcdic_caller, rptopts;
    std::string name;  // the message file field, ASCII
    std::string calls;
  } cases[] = {
      {"1", false, false, true, "SYSOUT  ", report('A', "")},
      {"1", false, false, true, "sysout  ", report('A', "")},
      {"1", false, false, true, "        ", report('A', "")},
      {"1", false, false, true, nul, report('A', "")},
      {"1", false, false, true, "optrpt  ", report('A', "OPTRPT  ")},
      {"2", false, true, true, "OPTRPT  ", report('E', "OPTRPT  ")},
      {"0", false, false, true, "        ", report('E', "OPTIONS ")},
      {"0", false, false, true, nul, report('E', "OPTIONS ")},
      {"0", false, false, true, "optrpt  ", report('E', "optrpt  ")},
      {"3", true, false, true, "sysout  ", report('E', "")},
      {"3", false, false, true, "sysout  ", report('E', "sysout  ")},
      {"1", false, false, false, "optrpt  ", ""},
  };
  for (const auto& c : cases) {
    const auto outcome = test::run_in_child([&](std::string& out) {
      setenv("OVLE_OSTYPE", c.ostype, 1);
      platform::testing::ide_link_setup link;
      link.loadable = c.ide_up;
      link.is_up_rc = c.ide_up ? 0 : 1;
      platform::testing::set_ide_link(link);
      if (c.ebcdic_caller) ebcdic_caller();
      platform::testing::clear_external_areas();
      ovle_int4 window;
      CEEQCEN(&window, nullptr);
      const auto area = ov_le_external::attach();
      const std::string name = platform::ebcdic_from_ascii(c.name);  // X'00' stays X'00'
      std::copy(name.begin(), name.end(), area.message_file().begin());
      area.set_option(ov_le_external::offset::rptopts, c.rptopts);
      platform::testing::replace_program("LESSOUTA", reinterpret_cast<platform::program_address>(&writer_spy<'A'>));
      platform::testing::replace_program("LESSOUTE", reinterpret_cast<platform::program_address>(&writer_spy<'E'>));
      le_dynamic_close_proc();
      area.set_option(ov_le_external::offset::rptopts, false);
      out = writer_calls + "|" + first_line;
    });
    // Each writer gets the report's lines in its own code set.
    EXPECT_EQ(outcome.output, c.calls + "|" + (c.rptopts ? " Options Report " : ""))
        << c.ostype << " '" << c.name << "'";
  }
}

namespace fs = std::filesystem;

// One call of a writer, with its text as the caller holds it.
void call(decltype(&LESSOUTA) writer, std::int16_t function, std::string_view text) {
  ovle_int2 f, n;
  ovle_int2_set(&f, function);
  ovle_int2_set(&n, static_cast<std::int16_t>(text.size()));
  writer(&f, &n, text.data());
}

using Sysout = test::run_unit;

TEST_F(Sysout, LinesAndNamedOutputs) {
  std::vector<std::string> sysout;
  platform::testing::capture_sysout(&sysout);
  call(LESSOUTA, 0, "Storage Report   ");
  call(LESSOUTA, 0, std::string(300, 'x'));
  call(LESSOUTE, 0, platform::ebcdic_from_ascii("EBCDIC line"));
  call(LESSOUTA, 7, "ignored");
  platform::testing::capture_sysout(nullptr);
  EXPECT_EQ(sysout, (std::vector<std::string>{"Storage Report", std::string(255, 'x'), "EBCDIC line"}));

  // A named output: the name itself in the current directory, then DD_, dd_ and the bare variable in
  // that order; records of 121 characters, appended to; an open that fails writes nothing.
  const fs::path dir = fs::temp_directory_path() / ("ovle_sysout_" + std::to_string(getpid())),
                 cwd = fs::current_path();
  fs::remove_all(dir);
  fs::create_directories(dir);
  for (const char* v : {"DD_REPORT", "dd_REPORT", "REPORT"}) unsetenv(v);
  fs::current_path(dir);
  for (const std::string& line : {std::string("first"), std::string(130, 'y')}) {
    call(LESSOUTA, 1, "REPORT  ");
    call(LESSOUTA, 2, line);
    call(LESSOUTA, 3, "");
  }
  fs::current_path(cwd);
  EXPECT_EQ(contents(dir / "REPORT"), "first\n" + std::string(121, 'y') + "\n");
  for (const char* variable : {"REPORT", "dd_REPORT", "DD_REPORT"}) {
    setenv(variable, (dir / ("to_" + std::string(variable))).c_str(), 1);
    call(LESSOUTE, 1, platform::ebcdic_from_ascii("REPORT"));
    call(LESSOUTE, 2, platform::ebcdic_from_ascii(variable));
    call(LESSOUTE, 3, "");
    EXPECT_EQ(contents(dir / ("to_" + std::string(variable))), std::string(variable) + "\n") << variable;
  }
  setenv("DD_REPORT", (dir / "missing" / "out").c_str(), 1);
  call(LESSOUTA, 1, "REPORT");
  call(LESSOUTA, 2, "lost");
  call(LESSOUTA, 3, "");
  EXPECT_FALSE(fs::exists(dir / "missing"));
  fs::remove_all(dir);
  for (const char* v : {"DD_REPORT", "dd_REPORT", "REPORT"}) unsetenv(v);
}

}  // namespace
}  // namespace ovle
