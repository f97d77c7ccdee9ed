// Every entry of the library called the way a migrated program with dirty data calls it: each
// argument OMITTED in turn, the argument list cut short under the count GnuCOBOL reports, VSTRING
// lengths outside 0 to the maximum, items full of stray bytes, and every item against a page the
// process may not touch. Nothing may fault or hang, nothing may be written outside the items the
// service owns, and a feedback code that was passed must come back as a row of the conditions table.
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>
#include <utility>

extern "C" {
#include <libcob.h>
}

#include "entry_call.hpp"
#include "entry_registry.hpp"
#include "ovle_test.hpp"

namespace ovle::tool {
namespace {

using common::argument_list;
using form = argument_setting::form;

// One call: what each argument gets, and the count libcob reports (-1: a C caller, no count).
struct hostile_call {
  std::string what;
  std::vector<argument_setting> settings;
  int count;
  bool required_missing = false;  // a required argument is OMITTED or beyond the count
};
using calls = std::vector<hostile_call>;

hostile_call cleared(std::string what, const argument_list& a) {
  return {std::move(what), std::vector<argument_setting>(a.size()), static_cast<int>(a.size())};
}

constexpr int bad_vstring_lengths[] = {-32768, -1, 0, 101, 32767};
// All ones, the sign bit alone or cleared, the guard pattern, EBCDIC blanks and EBCDIC nines.
constexpr unsigned char fill_bytes[] = {0xFF, 0x80, 0x7F, 0xA5, 0x40, 0xF9};

// Adds a call to `out` whose items are cleared, then spoiled by spoil(i, setting of argument i).
template <typename Spoil>
void add(calls& out, const argument_list& a, std::string what, int count, Spoil&& spoil) {
  hostile_call& c = out.emplace_back(cleared(std::move(what), a));
  c.count = count;
  for (std::size_t i = 0; i < a.size(); ++i) {
    spoil(i, c.settings[i]);
    const bool missing = c.settings[i].how == form::omitted || std::cmp_greater_equal(i, count);
    c.required_missing = c.required_missing || (missing && !a[i].optional);
  }
}

// Every item, the feedback code too, of one of fill_bytes; and every binary item 1, the rest
// cleared: a Lilian day, a size or a count that takes a service further than a cleared zero (a
// blank picture and a day to format reach the country stack of a scribbled area).
calls filled(const argument_list& a) {
  calls out;
  const int n = static_cast<int>(a.size());
  for (unsigned char fill : fill_bytes) {
    add(out, a, "every byte " + test::hex(&fill, 1), n, [&](std::size_t i, auto& s) {
      s = {form::raw, std::string(a[i].storage_size(), static_cast<char>(fill)), {}};
    });
  }
  using common::argument_kind;
  add(out, a, "binary items of 1", n, [&](std::size_t i, auto& s) {
    const argument_kind k = a[i].kind;
    if (k == argument_kind::int2 || k == argument_kind::int4)
      s = {form::raw, std::string(a[i].storage_size() - 1, '\0') + '\1', {}};
    if (k == argument_kind::native2 || k == argument_kind::native4) s = {form::raw, "\1", {}};
  });
  return out;
}

// The calls of a hostile caller: each argument OMITTED in turn; the list cut short at each length;
// each VSTRING with each bad length and the one just beyond its maximum; the filled items; rounds
// of random bytes, where half the VSTRINGs get a length that fits, so that their text is read.
calls hostile_calls(const argument_list& a) {
  static std::mt19937 random(1);
  const int n = static_cast<int>(a.size());
  calls out = filled(a);
  for (std::size_t k = 0; k < a.size(); ++k) {
    const std::string name(a[k].name);
    add(out, a, "without " + name, n, [&](std::size_t i, auto& s) { s.how = i == k ? form::omitted : s.how; });
    add(out, a, "cut to " + std::to_string(k) + " arguments", static_cast<int>(k),
        [&](std::size_t i, auto& s) { s.how = i >= k ? form::not_passed : s.how; });
    if (a[k].kind != common::argument_kind::vstring) continue;
    std::vector<int> lengths(std::begin(bad_vstring_lengths), std::end(bad_vstring_lengths));
    if (a[k].size < 32767) lengths.push_back(static_cast<int>(a[k].size) + 1);
    for (int length : lengths) {
      add(out, a, name + " of length " + std::to_string(length), n, [&](std::size_t i, auto& s) {
        if (i == k) s.vstring_length = static_cast<std::int16_t>(length);
      });
    }
  }
  for (int round = 0; round < 8; ++round) {
    add(out, a, "random bytes, round " + std::to_string(round), n, [&](std::size_t i, auto& s) {
      s.how = form::raw;
      for (std::size_t b = 0; b < a[i].storage_size(); ++b) s.text += static_cast<char>(random());
      if (a[i].kind == common::argument_kind::vstring && random() % 2 == 0) {
        s.vstring_length = static_cast<std::int16_t>(random() % (a[i].size + 1));
      }
    });
  }
  return out;
}

constexpr std::pair<item_layout, const char*> layouts[] = {{item_layout::page_after, "items before a no-access page"},
                                                           {item_layout::page_before, "items after a no-access page"},
                                                           {item_layout::odd_address, "items at odd addresses"}};

std::string describe(const callable_entry& e, const hostile_call& c, const char* layout, code_set caller) {
  return std::string(e.description->symbol) + " " + c.what + ", count " + std::to_string(c.count) + ", " + layout +
         (caller == code_set::ascii ? ", ASCII caller" : ", EBCDIC caller");
}

// What is wrong with the outcome of a call; empty when nothing is.
std::string judge(const argument_list& a, const hostile_call& c, const call_outcome& o, code_set caller) {
  if (!o.error.empty()) return "not called: " + o.error;
  if (o.overrun) {
    return c.settings[*o.overrun].how == form::not_passed
               ? "wrote through " + std::string(a[*o.overrun].name) + ", which the caller did not pass"
               : "wrote outside " + std::string(a[*o.overrun].name);
  }
  if (o.input_changed) return "changed its input " + std::string(a[*o.input_changed].name);
  if (!o.feedback) return "";
  const decoded_condition& fc = *o.feedback;
  if (fc.success) return c.required_missing ? "a required argument is missing, yet the feedback code is clear" : "";
  if (fc.identifier.empty()) return "feedback code of no row of the conditions table: " + fc.hex;
  if (fc.instance_hex != "0000000000000000") return "feedback code with instance data: " + fc.hex;
  if (fc.facility_in_ebcdic != (caller == code_set::ebcdic)) return "facility in the wrong code set: " + fc.hex;
  if (c.required_missing && fc.identifier != "ovx_not_supported") {
    return "a required argument is missing, yet the condition is " + describe(fc);
  }
  return "";
}

// ---- The child process that makes the calls ------------------------------------------------------

int report_fd = -1;
void report(const std::string& line) {
  const std::string text = line + "\n";
  static_cast<void>(::write(report_fd, text.data(), text.size()));
}

constexpr std::size_t reservation_size = std::size_t{1} << 20;  // see guarded_area

// A fault: which guard page it hit, told to the parent, and the child ends. A call still running
// after 20 seconds hangs.
void on_fault(int signal, siginfo_t* info, void*) {
  char line[128] = "FAULT ";
  std::size_t at = 6;
  const auto put = [&](const char* text) {
    while (*text != '\0' && at + 4 < sizeof line) line[at++] = *text++;
  };
  if (signal == SIGALRM) {
    put("the call hangs");
  } else if (const auto hit = guard_page_of(info->si_addr)) {
    put(hit->not_passed ? "through argument " : hit->after ? "beyond argument " : "before argument ");
    if (hit->argument >= 10) line[at++] = static_cast<char>('0' + hit->argument / 10);
    line[at++] = static_cast<char>('0' + hit->argument % 10);
    if (hit->not_passed) put(", which the caller did not pass");
  } else {
    put("outside the items (OV-LE-EXTERNAL's reservations or elsewhere)");
  }
  line[at++] = '\n';
  static_cast<void>(::write(report_fd, line, at));
  ::_exit(3);
}

// Runs body in a child that reports through report(). The parent turns the child's lines into
// failures (a fault with the call it happened in) and returns the number of calls made, so that a
// sweep that stopped short shows.
template <typename Body>
std::size_t in_child(std::string_view who, bool ends_the_run, Body&& body) {
  int fds[2];
  if (::pipe(fds) != 0) return 0;
  std::fflush(stdout);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    report_fd = fds[1];
    struct sigaction action {};
    action.sa_sigaction = &on_fault;
    action.sa_flags = SA_SIGINFO;
    for (int signal : {SIGSEGV, SIGBUS, SIGALRM}) sigaction(signal, &action, nullptr);
    body();
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
  ::close(fds[0]);
  int status = -1;
  ::waitpid(pid, &status, 0);
  std::string last_call = "before the first call";
  std::size_t made = 0;
  bool faulted = false;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("CALL ")) {
      ++made;
      last_call = line.substr(5);
    } else if (line.starts_with("FAIL ")) {
      ADD_FAILURE() << line.substr(5);
    } else if (line.starts_with("FAULT ")) {
      ADD_FAILURE() << last_call << ": " << line;
      faulted = true;
    }
  }
  if (!faulted && (!WIFEXITED(status) || (!ends_the_run && WEXITSTATUS(status) != 0))) {
    ADD_FAILURE() << who << " ended with status " << status << " in " << last_call;
  }
  return made;
}

// The count libcob reports: a COBOL module is current and its CALL passed `count` arguments; or,
// for -1, no module is current, as when a C program calls.
cob_module hostile_module{};
void set_argument_count(int count) {
  cob_global* global = cob_get_global_ptr();
  global->cob_current_module = count < 0 ? nullptr : &hostile_module;
  global->cob_call_params = count < 0 ? 0 : count;
}

bool ends_the_run(const callable_entry& e) { return e.description->symbol == "CEE3ABD"; }

char program_name[] = "hostile_caller_test";
char* program_arguments[] = {program_name, nullptr};

class HostileCaller : public test::run_unit {
 protected:
  void SetUp() override {
    test::run_unit::SetUp();
    if (!cob_is_initialized()) cob_init(1, program_arguments);
  }
  // One call in the child, judged; `before` runs just before the entry is entered.
  template <typename Before = void (*)()>
  void call(
      const callable_entry& e, const hostile_call& c, std::size_t layout, code_set caller,
      const std::string& prefix = "", Before before = [] {}) {
    caller == code_set::ebcdic ? ebcdic_caller() : platform::testing::reset_caller_chain();
    platform::testing::capture_sysout(&sysout_);
    const std::string what = prefix + describe(e, c, layouts[layout].second, caller);
    report("CALL " + what);
    before();
    set_argument_count(c.count);
    ::alarm(20);
    const call_outcome o = call_entry(e, c.settings, caller, {.quiet = true, .layout = layouts[layout].first});
    ::alarm(0);
    set_argument_count(-1);
    sysout_.clear();
    console.clear();
    if (ends_the_run(e)) report("FAIL " + what + ": returned instead of ending the run");
    if (const std::string wrong = judge(*e.description->arguments, c, o, caller); !wrong.empty()) {
      report("FAIL " + what + ": " + wrong);
    }
  }
  std::vector<std::string> sysout_;
};

// OV-LE-EXTERNAL between no-access reservations as wide as any count of the area can reach (an
// INT2 count of 18-byte registry slots goes 590 KB beyond it), against the one after it or the one
// before it; the rest of its pages hold the guard byte.
class guarded_area {
 public:
  static constexpr std::size_t size = common::ov_le_external::size;
  explicit guarded_area(bool flush_after) {
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    span_ = (size + page - 1) / page * page;
    void* p = ::mmap(nullptr, 2 * reservation_size + span_, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) std::abort();
    base_ = static_cast<unsigned char*>(p) + reservation_size;
    ::mprotect(base_, span_, PROT_READ | PROT_WRITE);
    std::memset(base_, 0xA5, span_);
    data_ = reinterpret_cast<std::byte*>(base_ + (flush_after ? span_ - size : 0));
    std::memset(data_, 0, size);
    placed_ = platform::testing::place_external_area(common::ov_le_external::name, data_, size) &&
              common::ov_le_external::attach().bytes().data() == data_;
  }
  bool placed() const noexcept { return placed_; }
  void scribble(const std::string& bytes, std::byte state) const noexcept {
    std::memcpy(data_, bytes.data(), size);
    data_[1] = state;
  }
  // The guard bytes in the area's pages beside it are as they were.
  bool intact() const noexcept {
    const auto* begin = static_cast<const unsigned char*>(base_);
    const auto* d = reinterpret_cast<const unsigned char*>(data_);
    const auto guard = [](unsigned char b) { return b == 0xA5; };
    return std::all_of(begin, d, guard) && std::all_of(d + size, begin + span_, guard);
  }

 private:
  std::size_t span_;
  unsigned char* base_;
  std::byte* data_;
  bool placed_;
};

// OV-LE-EXTERNAL is an EXTERNAL item that any COBOL program of the run unit may declare and
// overwrite: all ones, the sign bits, all zeros, random bytes.
std::vector<std::string> scribbles() {
  std::vector<std::string> out;
  for (char fill : {'\xFF', '\x80', '\x7F', '\x00'}) out.emplace_back(guarded_area::size, fill);
  std::mt19937 random(7);
  for (int round = 0; round < 8; ++round) {
    out.emplace_back(guarded_area::size, '\0');
    for (char& b : out.back()) b = static_cast<char>(random());
  }
  return out;
}

// Each entry in a process of its own, its OV-LE-EXTERNAL placed between no-access reservations: a
// fault is that entry's failure, and what the calls leave in the process (heaps, settings, the
// century window) does not reach the next entry. After its hostile calls, every entry is called
// once more with cleared items in either code set, in the state they left. Then the entry is called
// with filled and cleared items over each scribble of the area, written again before each call (the
// exit entries mark the area for a new initialization): its state byte says "Y", so that the
// scribble is used as it is, or, for every third scribble, "N": a new initialization over it.
// CEE3ABD, which ends the run unit, gets a process for each call.
TEST_F(HostileCaller, EveryEntryAnswersEveryHostileCallWithoutFaultOrStrayWrite) {
  const std::vector<std::string> areas = scribbles();
  std::size_t survivors = 0, index = 0;
  for (const callable_entry& e : callable_entries()) survivors += ends_the_run(e) ? 0 : 1;
  for (const callable_entry& e : callable_entries()) {
    const argument_list& arguments = *e.description->arguments;
    const calls all = hostile_calls(arguments);
    if (ends_the_run(e)) {
      std::size_t made = 0;
      for (const hostile_call& c : all) {
        for (std::size_t layout = 0; layout < std::size(layouts); ++layout) {
          for (code_set caller : {code_set::ascii, code_set::ebcdic}) {
            made += in_child(e.description->symbol, true, [&] { call(e, c, layout, caller); });
          }
        }
      }
      EXPECT_EQ(made, all.size() * std::size(layouts) * 2) << e.description->symbol;
      continue;
    }
    calls over_scribbles = filled(arguments);
    over_scribbles.push_back(cleared("cleared", arguments));
    const bool flush_after = ++index % 2 == 0;
    const std::size_t made = in_child(e.description->symbol, false, [&] {
      const guarded_area guarded(flush_after);
      if (!guarded.placed()) return report("FAIL OV-LE-EXTERNAL was attached before the test could place it");
      for (const hostile_call& c : all) {
        for (std::size_t layout = 0; layout < std::size(layouts); ++layout) {
          for (code_set caller : {code_set::ascii, code_set::ebcdic}) call(e, c, layout, caller);
        }
      }
      for (const callable_entry& f : callable_entries()) {
        if (ends_the_run(f)) continue;
        for (code_set caller : {code_set::ascii, code_set::ebcdic}) {
          call(f, cleared("after the hostile calls", *f.description->arguments), 0, caller);
        }
      }
      for (std::size_t k = 0; k < areas.size(); ++k) {
        const std::string over = "over scribble " + std::to_string(k) + ": ";
        for (const hostile_call& c : over_scribbles) {
          call(e, c, 0, code_set::ascii, over,
               [&] { guarded.scribble(areas[k], k % 3 == 2 ? std::byte{0xD5} : std::byte{0xE8}); });
          if (!guarded.intact()) return report("FAIL " + over + c.what + ": wrote beside OV-LE-EXTERNAL");
        }
      }
    });
    EXPECT_EQ(made, (all.size() * std::size(layouts) + survivors) * 2 + areas.size() * over_scribbles.size())
        << e.description->symbol;
  }
}

}  // namespace
}  // namespace ovle::tool
