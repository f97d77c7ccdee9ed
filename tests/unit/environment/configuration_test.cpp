// OVLE-CFG: every function code and status value, each scenario a sequence of calls in a process of
// its own (OVLE-CFG keeps its file loaded for the process).
#include <fstream>

#include "child_process.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

struct step {
  std::int16_t function;
  const char* key;  // ASCII, blank-padded to 20 on the way in; null: the key is omitted
};

struct scenario {
  const char* name;
  const char* file;    // the configuration file's contents; null: no file is written
  const char* config;  // OVLECONFIG: "@" stands for the written file's path; null: unset
  std::vector<step> steps;
  const char* expected;  // "status:entry" per call, entries in ASCII without their trailing blanks
  bool stream_fails = false;
  bool close_stream_after_first = false;  // the stream disappears behind OVLE-CFG's back
  const char* rewrite = nullptr;          // the file's new contents after the first call
};

std::string call_sequence(const scenario& s) {
  const auto outcome = test::run_in_child([&](std::string& out) {
    platform::testing::set_vfile_open_fails(s.stream_fails);
    const std::string path = "/tmp/ovle_cfg_test_" + std::to_string(getpid());
    if (s.file) std::ofstream(path, std::ios::binary) << s.file;
    unsetenv("OVLECONFIG");
    if (s.config) {
      std::string value = s.config;
      if (value == "@") value = path;
      setenv("OVLECONFIG", value.c_str(), 1);
    }
    bool first = true;
    for (const step& st : s.steps) {
      std::string key = st.key ? st.key : "";
      key.resize(20, ' ');
      key = platform::ebcdic_from_ascii(key);
      char entry[256];
      std::memset(entry, '#', sizeof entry);
      std::int16_t status = -1;
      OVLE0CFG(&st.function, st.key ? key.data() : nullptr, entry, &status);
      std::string text = platform::ascii_from_ebcdic({entry, sizeof entry});
      text.erase(text.find_last_not_of(' ') + 1);
      out += std::to_string(status) + ":" + text + "|";
      if (first && s.close_stream_after_first) {
        for (std::uint16_t id = 1; id < 1000; ++id) platform::close_vfile(id);
      }
      if (first && s.rewrite) std::ofstream(path, std::ios::binary) << s.rewrite;
      first = false;
    }
    std::remove(path.c_str());
  });
  EXPECT_EQ(outcome.status, 0) << s.name;
  return outcome.output;
}

TEST(Configuration, EveryFunctionAndStatus) {
  std::string many;
  for (int i = 0; i <= 65536; ++i) many += "X\n";
  const std::string long_file = "\nHEAP(64K) " + std::string(300, 'y') + "\r\n";
  const std::string long_expected = "0:|0:HEAP(64K) " + std::string(246, 'y') + "|9:|";
  // clang-format off
  const scenario cases[] = {
      {"no OVLECONFIG", nullptr, nullptr, {{0, nullptr}, {1, nullptr}, {2, "CBLO"}, {3, nullptr}, {4, nullptr}},
       "9:|9:|0:|0:|0:|"},
      {"a blank OVLECONFIG", nullptr, "   ", {{0, nullptr}, {2, "HEAP"}}, "9:|0:|"},
      {"entries in order, then by key", "HEAP(64K)\nCBLOPTS(OFF)\n", "@",
       {{0, nullptr}, {1, nullptr}, {1, nullptr}, {2, "CBLO"}, {1, nullptr}, {2, "XYZ"}, {0, nullptr}, {2, nullptr}},
       "0:HEAP(64K)|0:CBLOPTS(OFF)|9:|0:CBLOPTS(OFF)|9:|0:|0:HEAP(64K)|0:|"},
      {"a key of twenty characters compares all of them", "ABCDEFGHIJKLMNOPQRSX\nABCDEFGHIJKLMNOPQRST1\n", "@",
       {{2, "ABCDEFGHIJKLMNOPQRSTUVW"}, {2, "ABC DEF"}}, "0:ABCDEFGHIJKLMNOPQRST1|0:ABCDEFGHIJKLMNOPQRSX|"},
      {"a blank key matches the first entry", "A\nB\n", "@", {{1, nullptr}, {2, ""}, {1, nullptr}}, "0:A|0:A|0:B|"},
      {"empty lines are blank entries; a long line is cut at 256", long_file.c_str(), "@",
       {{0, nullptr}, {1, nullptr}, {1, nullptr}}, long_expected.c_str()},
      {"a file that cannot be opened", nullptr, "/nonexistent/ovle.cfg", {{0, nullptr}, {1, nullptr}, {2, "HEAP"}},
       "1:|1:|1:|"},
      {"a directory cannot be read", nullptr, "/tmp", {{0, nullptr}}, "2:|"},
      {"no in-memory stream", "HEAP(64K)\n", "@", {{0, nullptr}}, "3:|", true},
      {"more entries than the stream holds", many.c_str(), "@", {{0, nullptr}}, "4:|"},
      {"an entry that cannot be read back", "A\nB\n", "@", {{0, nullptr}, {1, nullptr}, {0, nullptr}}, "0:A|5:|5:|",
       false, true},
      {"reload and close read the file anew", "OLD\n", "@", {{0, nullptr}, {0, nullptr}, {3, nullptr}, {0, nullptr}},
       "0:OLD|0:OLD|0:|0:NEW|", false, false, "NEW\n"},
      {"close, then the next call loads again", "OLD\n", "@", {{0, nullptr}, {4, nullptr}, {1, nullptr}},
       "0:OLD|0:|0:NEW|", false, false, "NEW\n"},
      {"other function codes do nothing", "A\n", "@", {{7, nullptr}, {-1, nullptr}, {1, nullptr}}, "0:|0:|0:A|"},
  };
  // clang-format on
  for (const scenario& s : cases) EXPECT_EQ(call_sequence(s), s.expected) << s.name;
}

TEST(Configuration, EntriesAreEbcdicAndMissingArgumentsWriteNothing) {
  const auto outcome = test::run_in_child([](std::string& out) {
    const std::string path = "/tmp/ovle_cfg_bytes_" + std::to_string(getpid());
    std::ofstream(path) << "Hi\n";
    setenv("OVLECONFIG", path.c_str(), 1);
    const std::int16_t first = 0;
    char entry[256];
    std::int16_t status = -1;
    OVLE0CFG(&first, nullptr, entry, &status);
    out = test::hex(entry, 3) + " " + std::to_string(status);
    status = -1;
    OVLE0CFG(nullptr, nullptr, entry, &status);
    OVLE0CFG(&first, nullptr, nullptr, &status);
    OVLE0CFG(&first, nullptr, entry, nullptr);
    out += " " + std::to_string(status);
    std::remove(path.c_str());
  });
  EXPECT_EQ(outcome.output, "C88940 0 -1");
}

}  // namespace
}  // namespace ovle
