// The SYSOUT line writers: SYSOUT lines, named outputs mapped to files, both code sets.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ovle_test.hpp"

namespace ovle {
namespace {

namespace fs = std::filesystem;

// One call of a writer, with its text as the caller holds it.
void call(decltype(&LESSOUTA) writer, std::int16_t function, std::string_view text) {
  ovle_int2 f, n;
  ovle_int2_set(&f, function);
  ovle_int2_set(&n, static_cast<std::int16_t>(text.size()));
  writer(&f, &n, text.data());
}

std::string contents(const fs::path& p) {
  std::stringstream s;
  s << std::ifstream(p).rdbuf();
  return s.str();
}

using Sysout = test::run_unit;

TEST_F(Sysout, LinesAndNamedOutputs) {
  std::vector<std::string> sysout;
  platform::testing::capture_sysout(&sysout);
  call(LESSOUTA, 0, "Storage Report   ");
  call(LESSOUTA, 0, std::string(300, 'x'));
  call(LESSOUTE, 0, platform::ebcdic_from_ascii("EBCDIC line"));
  call(LESSOUTA, 7, "ignored");
  ovle_int2 f;
  ovle_int2_set(&f, 0);
  EXPECT_EQ(LESSOUTA(&f, nullptr, "x"), 0);
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
