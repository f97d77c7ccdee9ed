// OVLE-CFG's statuses and its loading, each scenario a sequence of calls in a process of its own
// (OVLE-CFG keeps its file loaded for the process). The entries a readable file gives, in order and
// by key, are the fuzz harness's properties (fuzz/configuration_fuzz.cpp), replayed over its seeds.
#include <fstream>

#include "child_process.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

struct scenario {
  const char* file;    // the configuration file's contents; null: no file is written
  const char* config;  // OVLECONFIG: "@" stands for the written file's path; null: unset
  std::vector<std::pair<std::int16_t, const char*>> steps;  // function and key (ASCII; null: omitted)
  const char* expected;    // "status:entry" per call, entries in ASCII without their trailing blanks
  char after_first = ' ';  // 'S': the stream disappears behind OVLE-CFG's back; 'R': the file is rewritten
};

std::string call_sequence(const scenario& s) {
  return test::run_in_child([&](std::string& out) {
           platform::testing::set_vfile_open_fails(s.file && !s.config);
           const std::string path = "/tmp/ovle_cfg_test_" + std::to_string(getpid());
           if (s.file) std::ofstream(path, std::ios::binary) << s.file;
           unsetenv("OVLECONFIG");
           if (s.config) setenv("OVLECONFIG", std::string(s.config) == "@" ? path.c_str() : s.config, 1);
           if (s.file && !s.config) setenv("OVLECONFIG", path.c_str(), 1);
           for (std::size_t i = 0; i < s.steps.size(); ++i) {
             std::string key = platform::ebcdic_from_ascii(s.steps[i].second ? s.steps[i].second : "");
             key.resize(20, '\x40');
             char entry[256];
             std::memset(entry, '#', sizeof entry);
             std::int16_t status = -1;
             OVLE0CFG(&s.steps[i].first, s.steps[i].second ? key.data() : nullptr, entry, &status);
             std::string text = platform::ascii_from_ebcdic({entry, sizeof entry});
             out += std::to_string(status) + ":" + text.erase(text.find_last_not_of(' ') + 1) + "|";
             if (i == 0 && s.after_first == 'S') {
               for (std::uint16_t id = 1; id < 1000; ++id) platform::close_vfile(id);
             }
             if (i == 0 && s.after_first == 'R') std::ofstream(path, std::ios::binary) << "NEW\n";
           }
           std::remove(path.c_str());
         })
      .output;
}

TEST(Configuration, EveryStatusAndWhenTheFileIsRead) {
  std::string many;
  for (int i = 0; i <= 65536; ++i) many += "X\n";
  // clang-format off
  const scenario cases[] = {
      {nullptr, nullptr, {{0, nullptr}, {1, nullptr}, {2, "CBLO"}, {3, nullptr}, {4, nullptr}}, "9:|9:|0:|0:|0:|"},
      {nullptr, "   ", {{0, nullptr}, {2, "HEAP"}}, "9:|0:|"},
      // a key matching nothing; a key of more than twenty characters compares twenty
      {"ABCDEFGHIJKLMNOPQRSX\nABCDEFGHIJKLMNOPQRST1\n", "@", {{2, "XYZ"}, {2, "ABCDEFGHIJKLMNOPQRSTUVW"}},
       "0:|0:ABCDEFGHIJKLMNOPQRST1|"},
      {nullptr, "/nonexistent/ovle.cfg", {{0, nullptr}, {1, nullptr}, {2, "HEAP"}}, "1:|1:|1:|"},
      {nullptr, "/tmp", {{0, nullptr}}, "2:|"},
      {"HEAP(64K)\n", nullptr, {{0, nullptr}}, "3:|"},  // no in-memory stream
      {many.c_str(), "@", {{0, nullptr}}, "4:|"},
      {"A\nB\n", "@", {{0, nullptr}, {1, nullptr}, {0, nullptr}}, "0:A|5:|5:|", 'S'},
      // function 0 keeps the file loaded, 3 reloads it; after 4 the next call loads it again
      {"OLD\n", "@", {{0, nullptr}, {0, nullptr}, {3, nullptr}, {0, nullptr}}, "0:OLD|0:OLD|0:|0:NEW|", 'R'},
      {"OLD\n", "@", {{0, nullptr}, {4, nullptr}, {1, nullptr}}, "0:OLD|0:|0:NEW|", 'R'},
  };
  // clang-format on
  for (const scenario& s : cases) EXPECT_EQ(call_sequence(s), s.expected) << (s.config ? s.config : "unset");
}

TEST(Configuration, MissingArgumentsWriteNothing) {
  const auto outcome = test::run_in_child([](std::string& out) {
    const std::string path = "/tmp/ovle_cfg_bytes_" + std::to_string(getpid());
    std::ofstream(path) << "Hi\n";
    setenv("OVLECONFIG", path.c_str(), 1);
    const std::int16_t first = 0;
    char entry[256];
    std::int16_t status = -1;
    OVLE0CFG(nullptr, nullptr, entry, &status);
    OVLE0CFG(&first, nullptr, nullptr, &status);
    OVLE0CFG(&first, nullptr, entry, nullptr);
    out = std::to_string(status);
    std::remove(path.c_str());
  });
  EXPECT_EQ(outcome.output, "-1");
}

}  // namespace
}  // namespace ovle
