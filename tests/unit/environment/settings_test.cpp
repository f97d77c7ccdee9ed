// OV-PIPI's settings on every host path: one table of (host edition, IDE, variables, configuration
// file, command line) against the resulting fields of OV-LE-EXTERNAL and the console, each case run
// in a process of its own as a new run unit.
#include <fstream>

#include "child_process.hpp"
#include "environment/runtime_options.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

using common::ov_le_external;
using link_setup = platform::testing::ide_link_setup;

// Every variable a case may set; each child starts without them.
constexpr const char* settings_variables[] = {
    "LANG",       "LC_ALL",          "LC_MESSAGES", "COBLANG",        "OVCODESET",
    "COUNTRY",    "NATLANG",         "GMTO",        "PARM",           "HEAP",
    "STORAGE",    "ALL31",           "RPTSTG",      "RPTOPTS",        "CBLOPTS",
    "MSGFILE",    "OVLECONFIG",      "OVLE_OSTYPE", "OVLE_OSCOUNTRY", "OVLE_IDELINK",
    "OVLE_LE370", "OVLE_UNREACHABLE"};

struct scenario {
  const char* ostype;                     // OVLE_OSTYPE: 1 B, 2 Q, 3 H, 0 no edition
  const link_setup* ide;                  // the IDE link of host "H"
  const char* variables;                  // "NAME=value;..."
  const char* configuration;              // the configuration file's lines; null: OVLECONFIG unset
  const char* command;                    // what OVLEINIT splits (function 0); null: the first call is CEEQCEN
  const char* expect;                     // "field=value;..." as rendered below
  std::vector<std::string> console = {};  // every console line, in order
  std::int32_t function = 0;              // 2: OVLEINIT asks for the small defaults, without text
};

std::vector<std::pair<std::string, std::string>> pairs(const char* text) {
  std::vector<std::pair<std::string, std::string>> out;
  for (std::string_view s = text ? text : ""; !s.empty();) {
    const std::string_view item = s.substr(0, s.find(';'));
    out.emplace_back(item.substr(0, item.find('=')), item.substr(item.find('=') + 1));
    s.remove_prefix(std::min(s.size(), item.size() + 1));
  }
  return out;
}

link_setup ide_up(std::vector<std::pair<std::int32_t, std::int32_t>> ints,
                  std::vector<std::pair<std::int32_t, std::string>> strings = {}, int connect_rc = 0, int up = 0) {
  link_setup s;
  s.loadable = true;
  s.is_up_rc = up;
  s.connect_rc = connect_rc;
  s.int_settings = std::move(ints);
  s.string_settings = std::move(strings);
  return s;
}

// A field, rendered in ASCII (X'00' shown as '.'); "where:NAME" is where the option was last set and
// its value in the options report.
std::string render(const ov_le_external& a, const std::string& field) {
  const std::string area(reinterpret_cast<const char*>(a.bytes().data()), ov_le_external::size);
  const auto ascii = [&](std::size_t offset, std::size_t width) {
    std::string s = platform::ascii_from_ebcdic(area.substr(offset, width));
    std::replace(s.begin(), s.end(), '\0', '.');
    return s;
  };
  const auto int4 = [&](std::size_t offset) { return std::to_string(common::load_int4(area.data() + offset)); };
  if (field.starts_with("where:")) {
    const std::size_t index = environment::find_option(field.substr(6))->index;
    return std::string(environment::source_label(environment::last_set(index))) + "|" +
           environment::option_value(a, index);
  }
  if (field == "host") return ascii(0, 2);
  if (field == "ide") return test::hex(area.data() + 649, 2);
  if (field == "country") return ascii(131, 2) + " " + test::hex(area.data() + 129, 2);
  if (field == "language") return ascii(331, 3) + " " + test::hex(area.data() + 329, 2);
  if (field == "langno") return ascii(628, 2);
  if (field == "gmt") return ascii(123, 5);
  if (field == "parm") {
    std::string p = ascii(23, 100);
    return p.erase(p.find_last_not_of(' ') + 1);
  }
  if (field == "heap") {
    const std::string h =
        ascii(651, 8) + " " + ascii(659, 8) + " " + ascii(667, 2) + " " + ascii(669, 8) + " " + ascii(677, 8);
    return h == "00032768 00032768 00 00008192 00004096" ? "DEFAULT" : h;
  }
  if (field == "heap0") return int4(705) + " " + int4(709);
  if (field == "storage") return ascii(685, 2) + " " + test::hex(area.data() + 687, 2);
  if (field == "switches") return ascii(689, 4);  // ALL31, RPTSTG, RPTOPTS, CBLOPTS
  if (field == "msgfile") return ascii(693, 8);
  return "no field " + field;
}

// The child hands back the fields the case names, rendered as its expectation is written, then the
// console lines.
std::string run_case(const scenario& c) {
  const auto outcome = test::run_in_child([&](std::string& out) {
    for (const char* v : settings_variables) unsetenv(v);
    setenv("OVLE_CURRENT_DATE", "2026120515301234+0100", 1);
    setenv("OVLE_OSTYPE", c.ostype, 1);
    for (const auto& [name, value] : pairs(c.variables)) setenv(name.c_str(), value.c_str(), 1);
    const std::string path = "/tmp/ovle_settings_" + std::to_string(getpid()) + ".cfg";
    if (c.configuration) {
      std::ofstream(path) << c.configuration;
      setenv("OVLECONFIG", path.c_str(), 1);
    }
    platform::testing::clear_external_areas();
    platform::testing::reset_programs();
    platform::testing::reset_caller_chain();
    c.ide ? platform::testing::set_ide_link(*c.ide) : platform::testing::reset_ide_link();
    platform::set_command_line("RUN ONE");
    std::vector<std::string> console;
    platform::testing::capture_console(&console);
    if (c.command || c.function != 0) {
      const ovle_vstring text = test::vstring(c.command ? c.command : "");
      ovle_vstring result;
      OVLEINIT(&c.function, &text, &result);
    } else {
      ovle_int4 window;
      CEEQCEN(&window, nullptr);
    }
    platform::testing::capture_console(nullptr);
    std::remove(path.c_str());
    for (const auto& [field, value] : pairs(c.expect)) {
      out += (out.empty() ? "" : ";") + field + "=" + render(ov_le_external::attach(), field);
    }
    for (const auto& line : console) out += "\n" + line;
  });
  EXPECT_EQ(outcome.status, 0);
  return outcome.output;
}

TEST(Settings, EveryHostPathStoresItsSettings) {
  const link_setup every_ide_setting =
      ide_up({{8387, 2}, {8382, 2}, {8383, 1}, {8376, 1}, {8377, 10}, {8378, 1}, {8379, 21}},
             {{8386, "GB"},
              {8380, "64K"},
              {8381, "100"},
              {8384, "2M"},
              {8385, "0"},
              {8389, "FE"},
              {8390, "'x'"},
              {8388, std::string("REPORT\0\0Z", 9)}});
  const link_setup no_settings = ide_up({}), ide_down = ide_up({}, {}, 0, 1), language_code = ide_up({{8300, 49}}),
                   pass_through = ide_up({{8391, 1}, {8377, 0}}), no_database = ide_up({{8386, 0}}, {}, 1);
  const char* ignored =
      "COUNTRY=DE;NATLANG=DEU;GMTO=1x;HEAP=64K;STORAGE=00;ALL31=ON;RPTSTG=ON;RPTOPTS=ON;"
      "CBLOPTS=OFF;MSGFILE=OTHER;PARM=HELLO;OVCODESET=0049";
  const auto invalid_gmt = [](const char* value) {
    return std::vector<std::string>{
        "Invalid Environment Variable Set for GMT offset", "    First Character must be 0, +, or -",
        "    and 2nd thru 5th characters must be numeric", std::string("  Application value set was:") + value};
  };
  const std::string header = "CEE3608I The following messages pertain to the invocation command run-time options.";
  // clang-format off
  const scenario cases[] = {
      // ---- host "B": fixed and derived values, the configuration file, the command line
      {"1", nullptr, nullptr, nullptr, nullptr,
       "host=BY;ide=0000;country=US 0001;language=ENU 0001;langno=01;gmt=+0100;parm=RUN ONE;heap=DEFAULT;"
       "heap0=32768 32768;storage=00 0000;switches=0001;msgfile=SYSOUT  ;"
       "where:HEAP=Installation default|HEAP(32768,32768,ANYWHERE,KEEP,8192,4096);"
       "where:MSGFILE=Installation default|MSGFILE(SYSOUT,FBA,121,0,NOENQ)"},
      {"1", nullptr, "COBLANG=05", nullptr, nullptr, "country=GB 0001;language=ENU 0001;langno=05"},
      {"1", nullptr, "COBLANG=COBLANG;LANG=07", nullptr, nullptr, "country=FR 0001;langno=07"},
      {"1", nullptr, ignored, nullptr, nullptr,
       "country=US 0001;language=ENU 0001;gmt=+0100;parm=RUN ONE;heap=DEFAULT;storage=00 0000;switches=0001;"
       "msgfile=SYSOUT  ;where:HEAP=Installation default|HEAP(32768,32768,ANYWHERE,KEEP,8192,4096)"},
      {"1", nullptr, nullptr,
       "HEAP(64K,16K,BELOW,FREE)\nrpts(on)\n\n* a comment\nCOUNTRY(GB)\nSTORAGE(00,FE)\nMSGFILE(optrpt)\n"
       "ALL31(ON) CBLOPTS(OFF),NATLANG(UEN)\n", nullptr,
       "heap=00065536 00016384 11 00008192 00004096;heap0=65536 16384;switches=1100;storage=11 00FE;"
       "country=GB 0001;language=UEN 0001;msgfile=OPTRPT  ;"
       "where:HEAP=Configuration file|HEAP(65536,16384,BELOW,FREE,8192,4096);"
       "where:RPTOPTS=Installation default|RPTOPTS(OFF)"},
      {"1", nullptr, nullptr, "RPTSTG(ON)\nHEAP(64K)\n", "MYPARM/RPTS(OFF) RPTO(ON) H(,8K)",
       "parm=MYPARM;switches=0011;heap=00065536 00008192 00 00008192 00004096;"
       "where:RPTSTG=Invocation command|RPTSTG(OFF);where:HEAP=Invocation command|HEAP(65536,8192,ANYWHERE,KEEP,8192,4096)"},
      {"1", nullptr, nullptr, "RPTSTG(MAYBE)\nXYZ\n", "P/EXECOPS TRAP(OFF)", "switches=0001;parm=P",
       {"CEE3616I The string 'MAYBE' was not a valid suboption of the run-time option RPTSTG.",
        "CEE3611I The run-time option XYZ was an invalid run-time option.", header,
        "CEE3618I The run-time option EXECOPS was not valid from the invocation command.",
        "OVX9999I The run-time option TRAP is not supported in this release of Brantley Forge."}},
      // CBLOPTS(OFF) in the file: the run-time options come first
      {"1", nullptr, nullptr, "CBLOPTS(OFF)\n", "RPTO(ON)/ABC", "parm=ABC;switches=0010"},
      {"1", nullptr, nullptr, nullptr, nullptr, "heap=00004096 00004096 00 00004096 00004096;heap0=4096 4096;switches=1001",
       {}, 2},
      // ---- host "Q"
      {"2", nullptr, nullptr, "COUNTRY(SE)\nTRAP(ON)\n", nullptr, "host=QY;country=SE 0001;language=ENU 0001",
       {"OVX9999I The run-time option TRAP is not supported in this release of Quill Works."}},
      {"2", nullptr, "OVLE_LE370=1", nullptr, "X/RPTO(ON)", "host=QY;parm=X;switches=0011"},
      // ---- host "H" with the IDE link up: settings by number
      {"3", &every_ide_setting, ignored, "RPTSTG(OFF)\n", nullptr,
       "host=HY;ide=0101;country=GB 0001;language=JPN 0001;langno=00;gmt=+0100;parm=RUN ONE;"
       "heap=00065536 00000104 11 02097152 00000008;heap0=65536 104;storage=11 FEA7;switches=1110;msgfile=REPORT  ;"
       "where:COUNTRY=IDE setting|COUNTRY(GB);where:STORAGE=IDE setting|STORAGE(FE,A7,NONE,0)"},
      {"3", &no_settings, nullptr, nullptr, nullptr,
       "ide=0101;country=US 0001;language=ENU 0001;heap=DEFAULT;storage=00 0000;switches=0000;msgfile=SYSOUT  "},
      {"3", &language_code, nullptr, nullptr, nullptr, "country=US 0001;langno=00"},
      {"3", &pass_through, "OVLE_LE370=1", nullptr, "RPTO(ON) TRAP(OFF)/ABC", "parm=ABC;switches=0010",
       {header, "OVX9999I The run-time option TRAP is not supported in this release of Harbinger Console."}},
      // ---- host "H" whose IDE database does not connect, or whose IDE is down: the variables
      {"3", &no_database, "COUNTRY=DE;RPTSTG=on", nullptr, nullptr,
       "ide=0100;country=DE 0001;switches=0101;where:COUNTRY=Environment variable|COUNTRY(DE)"},
      {"4", &ide_down, "NATLANG=FRA;PARM=P", "RPTSTG(ON)\n", nullptr, "host=HY;ide=0100;language=FRA 0001;switches=0001;parm=P"},
      // ---- no edition: the environment variables
      {"0", nullptr, "COUNTRY=DE;NATLANG=DEU;GMTO=+0130;PARM=HELLO;HEAP=64k,100,below,FREE,2M;STORAGE='a',fe;ALL31=ON;"
       "RPTSTG=on;RPTOPTS=Onward;CBLOPTS=off;MSGFILE=MYMSGS,FBA", "HEAP(1M)\n", "X/RPTSTG(OFF) BAD",
       "host= Y;country=DE 0001;language=DEU 0001;gmt=+0130;parm=HELLO;heap=00065536 00000104 11 02097152 00004096;"
       "heap0=65536 104;storage=11 C1FE;switches=1110;msgfile=MYMSGS  ;"
       "where:HEAP=Environment variable|HEAP(65536,104,BELOW,FREE,2097152,4096);"
       "where:CBLOPTS=Environment variable|CBLOPTS(OFF)"},
      {"0", nullptr, nullptr, nullptr, nullptr, "host= Y;langno=01;country=US 0001;language=ENU 0001;gmt=+0100;"
       "parm=RUN ONE;switches=0001;msgfile=........;storage=00 0000"},
      {"0", nullptr, "OVCODESET=0049", nullptr, nullptr, "langno=08;country=DE 0001;language=DEU 0001"},
      {"3", nullptr, "OVCODESET=AUTO;OVLE_OSCOUNTRY=33", nullptr, nullptr, "langno=07;country=FR 0001;language=FRA 0001"},
      {"3", nullptr, "OVCODESET=AUTO;LC_ALL=sv_SE.UTF-8", nullptr, nullptr, "langno=13;country=SE 0001;language=SVE 0001"},
      {"0", nullptr, "OVCODESET=0999", nullptr, nullptr, "langno=01"},
      {"0", nullptr, "LANG=de_DE.UTF-8;OVCODESET=0049", nullptr, nullptr, "langno=01;country=US 0001"},
      {"0", nullptr, "LANG=5", nullptr, nullptr, "langno=05;country=GB 0001;language=ENG 0001"},
      {"0", nullptr, "COBLANG=9x", nullptr, nullptr, "langno=09;country=IT 0001"},
      {"0", nullptr, "COBLANG=20", nullptr, nullptr, "langno=01;country=US 0001"},
      {"0", nullptr, "COBLANG=14", nullptr, nullptr, "langno=14;country=TK 0001;language=TRK 0001"},
      {"0", nullptr, "COUNTRY=;COBLANG=12", nullptr, nullptr, "country=ES 0001;language=ESP 0001"},
      {"0", nullptr, "COUNTRY=CO;NATLANG=NATURAL", nullptr, nullptr, "country=US 0001;language=ENU 0001"},
      {"0", nullptr, "GMTO=1x", nullptr, nullptr, "gmt=1x   ", invalid_gmt("1x   ")},
      {"0", nullptr, "GMTO=+01:0", nullptr, nullptr, "gmt=+01:0", invalid_gmt("+01:0")},
      {"0", nullptr, "GMTO=01000", nullptr, nullptr, "gmt=01000"},
      {"0", nullptr, "GMTO=GMTO", nullptr, nullptr, "gmt=+0100"},
      {"0", nullptr, "HEAP=,8K,ANYWHERE,KEEP,0,abc", nullptr, nullptr,
       "heap=00032768 00008192 00 00000008 00004096;heap0=32768 8192"},
      {"0", nullptr, "HEAP=999999999,100M", nullptr, nullptr, "heap=DEFAULT"},
      {"0", nullptr, "HEAP=HEAP(1M)", nullptr, nullptr,
       "heap=DEFAULT;where:HEAP=Installation default|HEAP(32768,32768,ANYWHERE,KEEP,8192,4096)"},
      {"0", nullptr, "STORAGE=ZZ,NONE", nullptr, nullptr, "storage=00 0000"},
      {"0", nullptr, "STORAGE=,\"A\"", nullptr, nullptr, "storage=01 00C1"},
      {"0", nullptr, "ALL31=on", nullptr, nullptr, "switches=0001;where:ALL31=Installation default|ALL31(OFF)"},
      {"0", nullptr, "MSGFILE=VERYLONGNAME;CBLOPTS=xyz", nullptr, nullptr, "msgfile=VERYLONG;switches=0000"},
  };
  // clang-format on
  for (const scenario& c : cases) {
    std::string expected = c.expect;
    for (const auto& line : c.console) expected += "\n" + line;
    EXPECT_EQ(run_case(c), expected) << "OVLE_OSTYPE " << c.ostype << " " << (c.variables ? c.variables : "")
                                     << " file " << (c.configuration ? c.configuration : "-") << " command "
                                     << (c.command ? c.command : "-");
  }
}

}  // namespace
}  // namespace ovle
