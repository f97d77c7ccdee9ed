// The SYSOUT line writers: SYSOUT lines, named outputs mapped to files, both code sets.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ovle_test.hpp"

namespace ovle {
namespace {

namespace fs = std::filesystem;

class Sysout : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    platform::testing::capture_sysout(&sysout);
    dir = fs::temp_directory_path() / ("ovle_sysout_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* v : {"DD_REPORT", "dd_REPORT", "REPORT"}) unsetenv(v);
  }
  void TearDown() override {
    platform::testing::capture_sysout(nullptr);
    fs::remove_all(dir);
    run_unit::TearDown();
  }
  // One call of a writer, with its text as the caller holds it.
  static void call(decltype(&LESSOUTA) writer, std::int16_t function, std::string_view text) {
    ovle_int2 f, n;
    ovle_int2_set(&f, function);
    ovle_int2_set(&n, static_cast<std::int16_t>(text.size()));
    writer(&f, &n, text.data());
  }
  static std::string contents(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::vector<std::string> sysout;
  fs::path dir;
};

TEST_F(Sysout, LinesGoToSysoutCutAt255AndConvertedFromEbcdic) {
  call(LESSOUTA, 0, "Storage Report   ");
  call(LESSOUTA, 0, std::string(300, 'x'));
  call(LESSOUTE, 0, platform::ebcdic_from_ascii("EBCDIC line"));
  call(LESSOUTA, 7, "ignored");
  EXPECT_EQ(sysout, (std::vector<std::string>{"Storage Report", std::string(255, 'x'), "EBCDIC line"}));
}

TEST_F(Sysout, NamedOutputsAppendOrCreateAndFollowTheirVariables) {
  // The name itself in the current directory, then DD_, dd_ and the bare variable in that order.
  const fs::path cwd = fs::current_path();
  fs::current_path(dir);
  call(LESSOUTA, 1, "REPORT  ");
  call(LESSOUTA, 2, "first");
  call(LESSOUTA, 3, "");
  call(LESSOUTA, 1, "REPORT");
  call(LESSOUTA, 2, std::string(130, 'y'));
  call(LESSOUTA, 3, "");
  fs::current_path(cwd);
  EXPECT_EQ(contents(dir / "REPORT"), "first\n" + std::string(121, 'y') + "\n");

  const std::pair<const char*, const char*> variables[] = {
      {"REPORT", "bare"}, {"dd_REPORT", "lower"}, {"DD_REPORT", "upper"}};
  for (const auto& [variable, file] : variables) {
    setenv(variable, (dir / file).c_str(), 1);
    call(LESSOUTE, 1, platform::ebcdic_from_ascii("REPORT"));
    call(LESSOUTE, 2, platform::ebcdic_from_ascii(file));
    call(LESSOUTE, 3, "");
    EXPECT_EQ(contents(dir / file), std::string(file) + "\n") << variable;
  }
}

TEST_F(Sysout, FailedOpensWriteNothingAndShortCallsDoNothing) {
  setenv("DD_REPORT", (dir / "missing" / "out").c_str(), 1);
  call(LESSOUTA, 1, "REPORT");
  call(LESSOUTA, 2, "lost");
  call(LESSOUTA, 3, "");
  EXPECT_FALSE(fs::exists(dir / "missing"));
  ovle_int2 f;
  ovle_int2_set(&f, 0);
  EXPECT_EQ(LESSOUTA(&f, nullptr, "x"), 0);
  EXPECT_TRUE(sysout.empty());
}

}  // namespace
}  // namespace ovle
