// Binary arguments declared the x86 way: a COBOL caller's COMP-5 items where an entry reads
// big-endian INT2/INT4, and BINARY items where it reads native ones, as libcob describes them.
//
// The COBOL CALL is made here as cobc compiles one: the caller's fields in its module's parameter
// list, the argument count in libcob's global area, then the entry called with the items' addresses.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

extern "C" {
#include <libcob.h>
}

#include "common/binary_arguments.hpp"
#include "common/bytes.hpp"
#include "common/entry_arguments.hpp"
#include "common/platform/cob_bridge.hpp"
#include "entry_registry.hpp"
#include "ovle_test.hpp"
#include "values.hpp"

namespace ovle {
namespace {

using common::argument_description;
using common::argument_kind;
using platform::cob::byte_order;

// Field attributes as cobc 3.1.2 writes them for each declaration (cobc -C shows them in the
// program's .c.h): type, digits, scale, flags.
// clang-format off
constexpr cob_field_attr binary4         {COB_TYPE_NUMERIC_BINARY,  9, 0, 0x0821, nullptr};  // PIC S9(9) BINARY, COMP, COMP-4
constexpr cob_field_attr binary2         {COB_TYPE_NUMERIC_BINARY,  4, 0, 0x0821, nullptr};  // PIC S9(4) BINARY
constexpr cob_field_attr comp5_4         {COB_TYPE_NUMERIC_BINARY,  9, 0, 0x0041, nullptr};  // PIC S9(9) COMP-5, BINARY-LONG
constexpr cob_field_attr comp5_2         {COB_TYPE_NUMERIC_BINARY,  4, 0, 0x0041, nullptr};  // PIC S9(4) COMP-5, BINARY-SHORT
constexpr cob_field_attr comp5_8         {COB_TYPE_NUMERIC_BINARY, 18, 0, 0x0041, nullptr};  // PIC S9(18) COMP-5
constexpr cob_field_attr native_binary4  {COB_TYPE_NUMERIC_BINARY,  9, 0, 0x0801, nullptr};  // BINARY, -fbinary-byteorder=native
constexpr cob_field_attr comp_x4         {COB_TYPE_NUMERIC_BINARY,  9, 0, 0x0020, nullptr};  // PIC X(4) COMP-X
constexpr cob_field_attr literal4        {COB_TYPE_NUMERIC_BINARY,  9, 0, 0x1001, nullptr};  // BY CONTENT 5
constexpr cob_field_attr comp5_typed4    {COB_TYPE_NUMERIC_COMP5,   9, 0, 0x0041, nullptr};  // libcob's own COMP-5 type
constexpr cob_field_attr pointer_item    {COB_TYPE_NUMERIC_BINARY, 17, 0, 0x0080, nullptr};  // USAGE POINTER
constexpr cob_field_attr packed4         {COB_TYPE_NUMERIC_PACKED,  7, 0, 0x0001, nullptr};  // PIC S9(7) COMP-3
constexpr cob_field_attr display4        {COB_TYPE_NUMERIC_DISPLAY, 4, 0, 0x0001, nullptr};  // PIC S9(4)
constexpr cob_field_attr alphanumeric    {COB_TYPE_ALPHANUMERIC,    0, 0, 0x0000, nullptr};  // PIC X(n), a group
constexpr cob_field_attr comp2_item      {COB_TYPE_NUMERIC_DOUBLE, 34, 0, 0x0001, nullptr};  // COMP-2
// clang-format on

char program_name[] = "binary_arguments_test";
char* program_arguments[] = {program_name, nullptr};

// One COBOL CALL: the caller's fields, then the call made while its module is libcob's current one.
class cobol_call {
 public:
  cobol_call() {
    if (cob_is_initialized() == 0) cob_init(1, program_arguments);
  }
  void pass(void* data, std::size_t size, const cob_field_attr* attr) {
    fields_.push_back({size, static_cast<unsigned char*>(data), attr});
  }
  void omit() { fields_.push_back({0, nullptr, nullptr}); }

  template <typename Call>
  auto make(Call&& call) {
    std::vector<cob_field*> parameters;
    for (cob_field& f : fields_) parameters.push_back(f.attr == nullptr ? nullptr : &f);
    cob_module module{};
    module.cob_procedure_params = parameters.data();
    cob_global* global = cob_get_global_ptr();
    global->cob_current_module = &module;
    global->cob_call_params = static_cast<int>(parameters.size());
    const auto result = call();
    global->cob_current_module = nullptr;
    return result;
  }

 private:
  std::vector<cob_field> fields_;
};

// ---- What libcob says of each declaration --------------------------------------------------------

TEST(CallItems, TellEachDeclarationsByteOrder) {
  struct row {
    const char* declared;
    const cob_field_attr* attr;
    std::size_t field_size;
    std::size_t width;  // what the entry reads
    bool at_the_address;
    byte_order expected;
  };
  // clang-format off
  const row rows[] = {
      {"PIC S9(9) BINARY",                 &binary4,        4, 4, true,  byte_order::big_endian},
      {"PIC S9(4) BINARY",                 &binary2,        2, 2, true,  byte_order::big_endian},
      {"PIC X(4) COMP-X",                  &comp_x4,        4, 4, true,  byte_order::big_endian},
      {"PIC S9(9) COMP-5",                 &comp5_4,        4, 4, true,  byte_order::native},
      {"PIC S9(4) COMP-5",                 &comp5_2,        2, 2, true,  byte_order::native},
      {"BINARY, -fbinary-byteorder=native", &native_binary4, 4, 4, true,  byte_order::native},
      {"a literal BY CONTENT",             &literal4,       4, 4, true,  byte_order::native},
      {"COMP-5 of libcob's own type",      &comp5_typed4,   4, 4, true,  byte_order::native},
      {"PIC S9(18) COMP-5 for an INT4",    &comp5_8,        8, 4, true,  byte_order::unknown},
      {"PIC S9(4) COMP-5 for an INT4",     &comp5_2,        2, 4, true,  byte_order::unknown},
      {"USAGE POINTER",                    &pointer_item,   4, 4, true,  byte_order::unknown},
      {"PIC S9(7) COMP-3",                 &packed4,        4, 4, true,  byte_order::unknown},
      {"PIC S9(4) DISPLAY",                &display4,       4, 4, true,  byte_order::unknown},
      {"PIC X(4)",                         &alphanumeric,   4, 4, true,  byte_order::unknown},
      {"COMP-5 of another item (a C function between)", &comp5_4, 4, 4, false, byte_order::unknown},
  };
  // clang-format on
  for (const row& r : rows) {
    unsigned char item[8] = {};
    unsigned char elsewhere[8] = {};
    cobol_call call;
    call.pass(r.at_the_address ? item : elsewhere, r.field_size, r.attr);
    const byte_order found = call.make([&] { return platform::cob::call_items().binary_order(0, item, r.width); });
    EXPECT_EQ(found, r.expected) << r.declared;
  }
  // Beyond the CALL's count, an OMITTED item, and no COBOL module running: nothing is known.
  unsigned char item[4] = {};
  cobol_call call;
  call.pass(item, 4, &comp5_4);
  call.omit();
  EXPECT_EQ(call.make([&] { return platform::cob::call_items().binary_order(1, item, 4); }), byte_order::unknown);
  EXPECT_EQ(call.make([&] { return platform::cob::call_items().binary_order(2, item, 4); }), byte_order::unknown);
  EXPECT_EQ(platform::cob::call_items().binary_order(0, item, 4), byte_order::unknown);
}

// ---- Every entry, called as from C and from COBOL ------------------------------------------------

bool is_binary(argument_kind k) {
  return k == argument_kind::int2 || k == argument_kind::int4 || k == argument_kind::native2 ||
         k == argument_kind::native4;
}
bool big_endian_by_contract(argument_kind k) { return k == argument_kind::int2 || k == argument_kind::int4; }

const cob_field_attr* declaration(const argument_description& a, bool contract_order) {
  const bool two = a.storage_size() == 2;
  switch (a.kind) {
    case argument_kind::int2:
    case argument_kind::int4:
    case argument_kind::native2:
    case argument_kind::native4:
      if (contract_order == big_endian_by_contract(a.kind)) return two ? &binary2 : &binary4;
      return two ? &comp5_2 : &comp5_4;
    case argument_kind::float8: return &comp2_item;
    case argument_kind::pointer: return &pointer_item;
    default: return &alphanumeric;
  }
}

// How the entry is called: which caller, and in which byte order its binary items are.
enum class caller { c_contract_order, cobol_contract_order, cobol_other_order, c_other_order };

// The run of one call in a process of its own (a fresh run unit, the same start for every form):
// everything the service printed, its return code, every item afterwards with the binary ones
// shown in the entry's order, and a digest of OV-LE-EXTERNAL. An entry that ends the run unit
// shows its exit status instead of the items.
std::string run_in_child(const tool::callable_entry& e, const std::vector<std::string>& settings, caller how) {
  int fds[2];
  if (pipe(fds) != 0) return "pipe failed";
  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    dup2(fds[1], STDOUT_FILENO);
    alarm(30);  // a call that never returns shows as its signal, not as a test that hangs
    platform::testing::capture_console(nullptr);  // console lines are part of the answer
    const common::argument_list& arguments = *e.description->arguments;
    std::vector<std::vector<unsigned char>> items(arguments.size());
    std::vector<void*> addresses(arguments.size() + 1, nullptr);
    const bool other_order = how == caller::cobol_other_order || how == caller::c_other_order;
    const auto turn_binaries = [&] {
      for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (is_binary(arguments[i].kind)) std::reverse(items[i].begin(), items[i].end());
      }
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      const argument_description& a = arguments[i];
      const std::string& text = settings[i];
      items[i].assign(text.empty() ? a.storage_size() : tool::item_size(a, text), 0);
      tool::clear_item(a, tool::code_set::ascii, items[i].data(), items[i].size());
      if (!text.empty() && tool::store_value(a, text, tool::code_set::ascii, items[i].data())) {
        std::printf("bad setting %s\n", text.c_str());
      }
      addresses[i] = items[i].data();
    }
    if (other_order) turn_binaries();
    cobol_call call;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      call.pass(items[i].data(), items[i].size(), declaration(arguments[i], !other_order));
    }
    const auto invoke = [&] { return e.invoke(addresses.data()); };
    const bool from_cobol = how == caller::cobol_contract_order || how == caller::cobol_other_order;
    const int rc = from_cobol ? call.make(invoke) : invoke();
    if (other_order) turn_binaries();
    std::printf("rc %d\n", rc);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      // Where storage lands depends on what else the process allocated: only whether there is one.
      const bool address = arguments[i].kind == argument_kind::pointer;
      const std::string shown = address ? (common::load_native<void*>(items[i].data()) ? "an address" : "null")
                                        : test::hex(items[i].data(), items[i].size());
      std::printf("%s %s\n", std::string(arguments[i].name).c_str(), shown.c_str());
    }
    const auto area = common::ov_le_external::attach().bytes();
    std::printf("area %zx\n", std::hash<std::string_view>{}(
                                  std::string_view(reinterpret_cast<const char*>(area.data()), area.size())));
    std::fflush(stdout);
    _exit(0);
  }
  close(fds[1]);
  std::string output;
  char buffer[4096];
  for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, static_cast<std::size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return output + "status " + std::to_string(status) + "\n";
}

// Values that make each entry do real work; "*" takes the round's number, "" leaves the item as
// WORKING-STORAGE starts it. An entry not listed gets the round's number in every binary input.
struct entry_values {
  std::string_view symbol;
  std::vector<std::string> texts;
};
// clang-format off
const entry_values chosen_values[] = {
    {"LESSOUTA", {"0", "*", "A LINE OF SYSOUT TEXT"}}, {"LESSOUTE", {"0", "*", "A LINE OF SYSOUT TEXT"}},
    {"OVLEINIT", {"*", "RPTSTG(ON)/USER PARMS", ""}}, {"OV0PIPI", {"*", "RPTOPTS(ON)", "USER"}},
    {"CEE3USR", {"1", "*", "7", ""}}, {"PICFUDGE", {"", "15830101", "1600366", "G"}},
    {"CEEDAYS", {"2007-05-15", "YYYY-MM-DD", "", ""}}, {"CEECBLDY", {"2007-05-15", "YYYY-MM-DD", "", "", "1"}},
    {"CEEDATE", {"*", "YYYY-MM-DD Wwwwwwwww", "", ""}},
    {"CEESECI", {"12863836800.5", "", "", "", "", "", "", "", ""}},
    {"CEEISEC", {"2024", "5", "15", "10", "30", "45", "500", "", ""}}, {"CEECRHP", {"", "*", "*", "0", ""}},
    {"CEEGTST", {"0", "*", "", ""}}, {"CEENCOD", {"0", "*", "1", "3", "1", "CEE", "0102030405060708", "", ""}},
    {"CEEDCOD", {"000309CC59434545 0102030405060708", "", "", "", "", "", "", "", ""}},
    {"CEEMOUT", {"A MESSAGE LINE", "2", ""}}, {"CEE3ABD", {"*", "1"}}, {"CEESSNIN", {"2.5", "", ""}},
    {"CEESDNIN", {"-7.5", "", ""}}, {"CEESSXPI", {"2", "*", "", ""}},
    // Two different numbers, with carries between bytes: a difference, a remainder, a sign or
    // a bit of byte-swapped numbers turned back is not the answer for the numbers themselves.
    {"CEESIDIM", {"300", "45", "", ""}}, {"CEESIMOD", {"300", "7", "", ""}}, {"CEESISGN", {"300", "-1", "", ""}},
    {"CEESICLR", {"300", "*", "", ""}}, {"CEESITST", {"300", "*", "", ""}}, {"CEESDXPI", {"3", "*", "", ""}},
};
// clang-format on
constexpr const char* round_numbers[] = {"1", "2", "3", "80", "148887"};

// Entries whose binary inputs change nothing that one call shows: an address or a heap the call
// would need from an earlier one. The COBOL program comp5_arguments.cbl runs them in sequence.
constexpr std::string_view needs_an_earlier_call[] = {"CEECZST", "CEEDSHP"};

// Empty when the round's number does not fit a halfword the entry takes it in.
std::optional<std::vector<std::string>> settings_for(const tool::callable_entry& e, const char* number) {
  const common::argument_list& arguments = *e.description->arguments;
  std::vector<std::string> texts(arguments.size());
  const auto chosen = std::find_if(std::begin(chosen_values), std::end(chosen_values),
                                   [&](const entry_values& v) { return v.symbol == e.description->symbol; });
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (chosen != std::end(chosen_values)) {
      texts[i] = chosen->texts[i] == "*" ? number : chosen->texts[i];
    } else if (is_binary(arguments[i].kind) && arguments[i].reads()) {
      texts[i] = number;
    }
    const bool halfword = arguments[i].kind == argument_kind::int2 || arguments[i].kind == argument_kind::native2;
    if (halfword && texts[i] == number && std::stol(number) > INT16_MAX) return std::nullopt;
  }
  return texts;
}

// From COBOL, an item declared the entry's way gives the C caller's answer byte for byte, and an
// item declared the other way gives the same answer in its own order, its inputs untouched. Each
// entry's values are checked to matter: read in the wrong order they give another answer.
class EveryEntryWithBinaries : public test::run_unit {};

TEST_F(EveryEntryWithBinaries, AnswerACobolCallerInTheOrderItDeclared) {
  setenv("OVLE_CURRENT_DATE", "2026120515300000+0130", 1);
  cobol_call{};  // libcob initialized once, before the children are forked
  std::size_t entries = 0;
  for (const tool::callable_entry& e : tool::callable_entries()) {
    const common::argument_list& arguments = *e.description->arguments;
    if (std::none_of(arguments.begin(), arguments.end(), [](const auto& a) { return is_binary(a.kind); })) continue;
    ++entries;
    const std::string_view symbol = e.description->symbol;
    bool order_matters = false;
    std::vector<std::vector<std::string>> tried;
    for (const char* number : round_numbers) {
      const auto chosen = settings_for(e, number);
      if (!chosen || std::find(tried.begin(), tried.end(), *chosen) != tried.end()) continue;
      const std::vector<std::string>& settings = tried.emplace_back(*chosen);
      const std::string expected = run_in_child(e, settings, caller::c_contract_order);
      EXPECT_EQ(expected.find("bad setting"), std::string::npos) << symbol << ": " << expected;
      EXPECT_EQ(run_in_child(e, settings, caller::cobol_contract_order), expected) << symbol << " with " << number;
      EXPECT_EQ(run_in_child(e, settings, caller::cobol_other_order), expected) << symbol << " with " << number;
      order_matters = order_matters || run_in_child(e, settings, caller::c_other_order) != expected;
    }
    const bool exempt = std::find(std::begin(needs_an_earlier_call), std::end(needs_an_earlier_call), symbol) !=
                        std::end(needs_an_earlier_call);
    EXPECT_TRUE(order_matters || exempt) << symbol << ": no value chosen shows the byte order; choose others";
  }
  EXPECT_GE(entries, 40u);
}

// An OMITTED binary item: nothing turned, nothing printed by libcob, the library's condition. (An
// item passed twice, and a COMP-5 item a service hands to another, are the COBOL program's,
// tests/cobol/comp5_arguments.cbl; items wider than the entry reads and items of a C function
// between are the declarations above.)
class OddItems : public test::run_unit {};

TEST_F(OddItems, AnOmittedBinaryItemIsTheLibrarysCondition) {
  cobol_call{};
  ovle_feedback fc = test::dirty_feedback();
  cobol_call call;
  call.omit();
  call.pass(&fc, 16, &alphanumeric);
  ::testing::internal::CaptureStderr();
  call.make([&] { return CEESCEN(nullptr, &fc); });
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(test::view(fc), test::ascii_condition(4, 9999, 0, "OVX"));
}

}  // namespace
}  // namespace ovle
