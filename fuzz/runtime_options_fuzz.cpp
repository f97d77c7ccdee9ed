// libFuzzer harness of the run-time option parser: any text, from the configuration file or from the
// invocation command, parsed directly or handed to OV-PIPI as its run-time options.
//
// Input: byte 0 the way in (bit 0: the invocation command rather than the configuration file; bit 1:
// through OV-PIPI, which takes the invocation command's options as an EBCDIC VSTRING), then the text.
#include <array>

#include "common/ov_le_external.hpp"
#include "environment/runtime_options.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace ovle;
using common::ov_le_external;
using environment::option_origin;
using off = ov_le_external::offset;

// The area as the initialization left it, before any option text.
std::array<std::byte, ov_le_external::size>& pristine() {
  static auto* bytes = new std::array<std::byte, ov_le_external::size>();
  return *bytes;
}

void fresh_state() {
  const ov_le_external area = ov_le_external::attach();
  std::memcpy(area.bytes().data(), pristine().data(), ov_le_external::size);
  environment::reset_options();
}

// The bytes the options may change, in address order: the first country and language, HEAP to
// MSGFILE, heap 0's sizes.
constexpr std::pair<std::size_t, std::size_t> option_fields[] = {
    {off::country_stack, 2},
    {off::language_stack, 3},
    {off::heap_initial, off::message_file + 8 - off::heap_initial},
    {off::heap0_initial, 8}};

std::vector<std::string> values() {
  std::vector<std::string> v;
  for (std::size_t i = 0; i < environment::vocabulary().size(); ++i) {
    v.push_back(environment::option_value(ov_le_external::attach(), i));
  }
  return v;
}

constexpr std::string_view message_ids[] = {"CEE3601I", "CEE3602I", "CEE3606I", "CEE3607I", "CEE3608I", "CEE3611I",
                                            "CEE3612I", "CEE3614I", "CEE3616I", "CEE3617I", "CEE3618I", "CEE3622I",
                                            "CEE3623I", "CEE3635I", "CEE3636I", "OVX9999I"};

std::vector<std::string> take_console() {
  std::vector<std::string> lines;
  lines.swap(fuzz::console());
  return lines;
}

// Each line a message of the parser; the invocation command's introduced once, by CEE3608I.
void check_messages(const std::vector<std::string>& lines, option_origin origin) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view id = std::string_view(lines[i]).substr(0, 8);
    OVLE_EXPECT(std::find(std::begin(message_ids), std::end(message_ids), id) != std::end(message_ids) &&
                    lines[i].size() > 9 && lines[i][8] == ' ',
                "the parser showed '" + lines[i] + "'");
    const bool header = id == "CEE3608I";
    OVLE_EXPECT(header == (origin == option_origin::invocation_command && i == 0), "CEE3608I out of place");
  }
}

// What the options left in the area is what their fields hold.
void check_fields(const ov_le_external area) {
  std::size_t from = 0;
  for (const auto& [at, width] : option_fields) {
    OVLE_EXPECT(std::memcmp(area.bytes().data() + from, pristine().data() + from, at - from) == 0,
                "the options changed a byte between " + std::to_string(from) + " and " + std::to_string(at));
    from = at + width;
  }
  OVLE_EXPECT(std::memcmp(area.bytes().data() + from, pristine().data() + from, ov_le_external::size - from) == 0,
              "the options changed a byte after " + std::to_string(from));
  for (const std::size_t size_at :
       {off::heap_initial, off::heap_increment, off::heap_below_initial, off::heap_below_increment}) {
    const std::int64_t n = area.heap_size(size_at);
    OVLE_EXPECT(n >= 8 && n % 8 == 0, "a HEAP size of " + std::to_string(n));
  }
  for (const std::size_t flag_at : {off::heap_location, off::heap_keep_free, off::storage_heap_switch,
                                    off::storage_free_switch, off::all31, off::rptstg, off::rptopts, off::cblopts}) {
    const char c = *area.at(flag_at);
    OVLE_EXPECT(c == '\xF0' || c == '\xF1', "a switch at " + std::to_string(flag_at) + " that is neither 0 nor 1");
  }
  OVLE_EXPECT(area.heap0_initial() == area.heap_size(off::heap_initial) &&
                  area.heap0_increment() == area.heap_size(off::heap_increment),
              "heap 0's sizes differ from HEAP's");
  for (const char c : area.country(1)) {
    const auto a = fuzz::to_ascii(std::string_view(&c, 1))[0];
    OVLE_EXPECT(a >= 'A' && a <= 'Z', "a country that is not two letters");
  }
}

// A value as the report shows it reads back as itself when nothing in it needs quotes.
bool plain(std::string_view value) {
  const auto open = value.find('(');
  if (open == std::string_view::npos) return true;
  const std::string_view inside = value.substr(open + 1, value.size() - open - 2);
  return value.back() == ')' &&
         inside.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,-") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::start_run_unit();
  const ov_le_external area = ov_le_external::attach();
  std::memcpy(pristine().data(), area.bytes().data(), ov_le_external::size);
  fuzz::console().clear();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::input in(data, size);
  const std::uint8_t way = in.byte();
  const auto origin = (way & 1) != 0 ? option_origin::invocation_command : option_origin::configuration_file;
  const std::string text(in.rest());
  const ov_le_external area = ov_le_external::attach();

  fresh_state();
  environment::parse_options(area, text, origin);
  const std::vector<std::string> lines = take_console();
  check_messages(lines, origin);
  check_fields(area);
  const std::vector<std::string> parsed = values();
  const std::span<std::byte> bytes = area.bytes();
  const std::vector<std::byte> after(bytes.begin(), bytes.end());

  // The same text again changes nothing and says the same.
  environment::parse_options(area, text, origin);
  OVLE_EXPECT(take_console() == lines, "a second parse said something else");
  OVLE_EXPECT(std::memcmp(area.bytes().data(), after.data(), after.size()) == 0 && values() == parsed,
              "a second parse changed the settings");

  // The report's values, parsed from a fresh start, give the same values back.
  std::string report;
  std::vector<std::size_t> checked;
  for (std::size_t i = 0; i < parsed.size(); ++i) {
    if (environment::vocabulary()[i].how == environment::treatment::unsupported || !plain(parsed[i])) continue;
    report += parsed[i] + " ";
    checked.push_back(i);
  }
  fresh_state();
  environment::parse_options(area, report, option_origin::configuration_file);
  const std::vector<std::string> report_lines = take_console();
  OVLE_EXPECT(report_lines.empty(), "the report's values gave '" + (report_lines.empty() ? "" : report_lines[0]) + "'");
  const std::vector<std::string> again = values();
  for (const std::size_t i : checked) {
    OVLE_EXPECT(again[i] == parsed[i], "the report's " + parsed[i] + " read back as " + again[i]);
  }

  // OV-PIPI hands the invocation command's options (EBCDIC, at most 100 characters) to the parser.
  if ((way & 2) != 0 && origin == option_origin::invocation_command) {
    const std::string ebcdic = fuzz::to_ebcdic(text);
    const fuzz::item options =
        fuzz::vstring(ebcdic, static_cast<std::int16_t>(std::min<std::size_t>(ebcdic.size(), 100)), 100, '\x40');
    fresh_state();
    environment::parse_options(area, std::string_view(text).substr(0, 100), origin);
    const std::vector<std::string> direct_lines = take_console();
    const std::vector<std::string> direct = values();
    platform::testing::clear_external_areas();
    fuzz::set_caller(false);
    OV0PIPI(nullptr, options.as<ovle_vstring>(), nullptr);
    platform::close_vfile(area.stream_id());  // the heap record stream the initialization opened
    OVLE_EXPECT(take_console() == direct_lines, "OV-PIPI said something else than the parser");
    OVLE_EXPECT(values() == direct, "OV-PIPI's options differ from the parser's");
  }
  return 0;
}
