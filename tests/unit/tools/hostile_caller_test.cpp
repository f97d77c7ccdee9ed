// Every entry of the library called the way a migrated program with dirty data calls it: each
// argument OMITTED in turn, the argument list cut short under the count GnuCOBOL reports, VSTRING
// lengths outside 0 to the maximum, items full of stray bytes, and every item against a page the
// process may not touch. Nothing may fault, nothing may be written outside the items the service
// owns, and a feedback code that was passed must come back as a row of the conditions table.
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

extern "C" {
#include <libcob.h>
}

#include "entry_call.hpp"
#include "entry_registry.hpp"
#include "ovle_test.hpp"

namespace ovle::tool {
namespace {

using common::argument_kind;
using common::argument_list;
using form = argument_setting::form;

// One call of a sweep: what each argument gets and the count libcob reports for the CALL.
struct hostile_call {
  std::string what;
  std::vector<argument_setting> settings;
  int count;                      // the CALL's argument count; -1: a C caller, no count to trust
  bool required_missing = false;  // a required argument is OMITTED or beyond the count
};

// VSTRING lengths a caller should never pass, beside the one just beyond each item's maximum.
constexpr std::int16_t bad_vstring_lengths[] = {-32768, -1, 0, 101, 32767};
// Bytes that fill every item: all ones, the sign bit alone or cleared, the guard pattern, EBCDIC
// blanks and EBCDIC nines.
constexpr unsigned char fill_bytes[] = {0xFF, 0x80, 0x7F, 0xA5, 0x40, 0xF9};
constexpr int random_rounds = 8;

// Every item filled with one of fill_bytes, the feedback code too.
std::vector<hostile_call> filled_calls(const argument_list& arguments) {
  const std::size_t n = arguments.size();
  std::vector<hostile_call> calls;
  for (unsigned char fill : fill_bytes) {
    hostile_call c{"every byte " + test::hex(&fill, 1), std::vector<argument_setting>(n), static_cast<int>(n)};
    for (std::size_t i = 0; i < n; ++i) {
      c.settings[i].how = form::raw;
      c.settings[i].text.assign(arguments[i].storage_size(), static_cast<char>(fill));
    }
    calls.push_back(std::move(c));
  }
  return calls;
}

// Each argument OMITTED in turn, the list cut short at each length, each VSTRING with each bad
// length, the filled calls and rounds of random bytes.
std::vector<hostile_call> hostile_calls(const argument_list& arguments, unsigned seed) {
  const std::size_t n = arguments.size();
  const int full = static_cast<int>(n);
  std::vector<hostile_call> calls;
  for (std::size_t i = 0; i < n; ++i) {
    hostile_call c{"without " + std::string(arguments[i].name), std::vector<argument_setting>(n), full};
    c.settings[i].how = form::omitted;
    c.required_missing = !arguments[i].optional;
    calls.push_back(std::move(c));
  }
  for (std::size_t k = 0; k < n; ++k) {
    hostile_call c{"cut to " + std::to_string(k) + " arguments", std::vector<argument_setting>(n), static_cast<int>(k)};
    for (std::size_t i = k; i < n; ++i) {
      c.settings[i].how = form::not_passed;
      c.required_missing = c.required_missing || !arguments[i].optional;
    }
    calls.push_back(std::move(c));
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (arguments[i].kind != argument_kind::vstring) continue;
    std::vector<std::int16_t> lengths(std::begin(bad_vstring_lengths), std::end(bad_vstring_lengths));
    if (arguments[i].size < 32767) lengths.push_back(static_cast<std::int16_t>(arguments[i].size + 1));
    for (std::int16_t length : lengths) {
      hostile_call c{std::string(arguments[i].name) + " of length " + std::to_string(length),
                     std::vector<argument_setting>(n), full};
      c.settings[i].vstring_length = length;
      calls.push_back(std::move(c));
    }
  }
  for (hostile_call& c : filled_calls(arguments)) calls.push_back(std::move(c));
  std::mt19937 random(seed);
  for (int round = 0; round < random_rounds; ++round) {
    hostile_call c{"random bytes, round " + std::to_string(round), std::vector<argument_setting>(n), full};
    for (std::size_t i = 0; i < n; ++i) {
      c.settings[i].how = form::raw;
      for (std::size_t b = 0; b < arguments[i].storage_size(); ++b) c.settings[i].text += static_cast<char>(random());
      // Half the VSTRINGs get a length that fits, so that their text is read.
      if (arguments[i].kind == argument_kind::vstring && random() % 2 == 0) {
        c.settings[i].vstring_length = static_cast<std::int16_t>(random() % (arguments[i].size + 1));
      }
    }
    calls.push_back(std::move(c));
  }
  return calls;
}

constexpr item_layout layouts[] = {item_layout::page_after, item_layout::page_before, item_layout::odd_address};
constexpr code_set code_sets[] = {code_set::ascii, code_set::ebcdic};

std::string describe(const callable_entry& e, const hostile_call& c, item_layout layout, code_set caller) {
  const char* where = layout == item_layout::page_after    ? ", items before a no-access page"
                      : layout == item_layout::page_before ? ", items after a no-access page"
                                                           : ", items at odd addresses";
  return std::string(e.description->symbol) + " " + c.what + ", count " + std::to_string(c.count) + where +
         (caller == code_set::ascii ? ", ASCII caller" : ", EBCDIC caller");
}

// What is wrong with the outcome of a call; empty when nothing is.
std::string judge(const argument_list& arguments, const hostile_call& c, const call_outcome& o, code_set caller) {
  if (!o.error.empty()) return "not called: " + o.error;
  if (o.overrun) {
    return c.settings[*o.overrun].how == form::not_passed
               ? "wrote through " + std::string(arguments[*o.overrun].name) + ", which the caller did not pass"
               : "wrote outside " + std::string(arguments[*o.overrun].name);
  }
  if (o.input_changed) return "changed its input " + std::string(arguments[*o.input_changed].name);
  if (!o.feedback || o.feedback->success) {
    if (o.feedback && c.required_missing) return "a required argument is missing, yet the feedback code is clear";
    return "";
  }
  const decoded_condition& fc = *o.feedback;
  if (fc.identifier.empty()) return "feedback code of no row of the conditions table: " + fc.hex;
  if (fc.instance_hex != "0000000000000000") return "feedback code with instance data: " + fc.hex;
  if (fc.facility_in_ebcdic != (caller == code_set::ebcdic)) return "facility in the wrong code set: " + fc.hex;
  if (c.required_missing && fc.identifier != "ovx_not_supported") {
    return "a required argument is missing, yet the condition is " + describe(fc);
  }
  return "";
}

// ---- The child process that sweeps one entry ------------------------------------------------------

// The count libcob reports: a COBOL module is current and its CALL passed `count` arguments; or,
// for -1, no module is current, as when a C program calls.
cob_module hostile_module{};
void set_argument_count(int count) {
  cob_global* global = cob_get_global_ptr();
  global->cob_current_module = count < 0 ? nullptr : &hostile_module;
  global->cob_call_params = count < 0 ? 0 : count;
}

int report_fd = -1;
// Where the no-access reservations around a placed OV-LE-EXTERNAL begin (see guarded_area).
std::pair<const unsigned char*, const unsigned char*> guarded_area_reservations{};

void report(const std::string& line) {
  const std::string text = line + "\n";
  for (std::size_t done = 0; done < text.size();) {
    const ssize_t n = ::write(report_fd, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

// A call still running after this many seconds hangs.
constexpr unsigned hang_seconds = 20;

void on_hang(int) {
  static constexpr char line[] = "FAULT the call hangs\n";
  static_cast<void>(::write(report_fd, line, sizeof line - 1));
  ::_exit(3);
}

constexpr std::size_t reservation_size = std::size_t{1} << 20;

bool within_reservation(const void* address, const unsigned char* reservation) noexcept {
  const auto* p = static_cast<const unsigned char*>(address);
  return reservation != nullptr && p >= reservation && p < reservation + reservation_size;
}

// A fault: which guard page it hit, told to the parent, and the child ends.
void on_fault(int signal, siginfo_t* info, void*) {
  char line[128] = "FAULT ";
  std::size_t at = 6;
  const auto put = [&](const char* text) {
    while (*text != '\0' && at + 1 < sizeof line) line[at++] = *text++;
  };
  put(signal == SIGSEGV ? "SIGSEGV " : "SIGBUS ");
  if (const auto hit = guard_page_of(info->si_addr)) {
    put(hit->not_passed ? "through argument " : hit->after ? "beyond argument " : "before argument ");
    if (hit->argument >= 10) line[at++] = static_cast<char>('0' + hit->argument / 10);
    line[at++] = static_cast<char>('0' + hit->argument % 10);
    if (hit->not_passed) put(", which the caller did not pass");
  } else if (within_reservation(info->si_addr, guarded_area_reservations.first)) {
    put("before OV-LE-EXTERNAL");
  } else if (within_reservation(info->si_addr, guarded_area_reservations.second)) {
    put("beyond OV-LE-EXTERNAL");
  } else {
    put("outside the items");
  }
  line[at++] = '\n';
  static_cast<void>(::write(report_fd, line, at));
  ::_exit(3);
}

void catch_faults() {
  struct sigaction action {};
  action.sa_sigaction = &on_fault;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  sigaction(SIGSEGV, &action, nullptr);
  sigaction(SIGBUS, &action, nullptr);
  ::signal(SIGALRM, &on_hang);
}

struct child_report {
  int status = -1;
  std::vector<std::string> lines;
};

// Runs body in a child that reports through report(); the parent collects the lines and the status.
template <typename Body>
child_report in_child(Body&& body) {
  child_report r;
  int fds[2];
  if (::pipe(fds) != 0) return r;
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    report_fd = fds[1];
    catch_faults();
    body();
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
  ::close(fds[0]);
  ::waitpid(pid, &r.status, 0);
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    r.lines.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? text.size() : end + 1;
  }
  return r;
}

// Failures the child told, a fault with the call it happened in, and an end that was no normal
// exit. The number of calls the child made, so that a sweep that stopped short shows.
std::size_t expect_clean(const child_report& r, std::string_view symbol, bool ends_the_run) {
  std::string last_call = "before the first call";
  bool faulted = false;
  std::size_t calls = 0;
  for (const std::string& line : r.lines) {
    if (line.starts_with("CALL ")) {
      ++calls;
      last_call = line.substr(5);
    } else if (line.starts_with("FAIL ")) {
      ADD_FAILURE() << line.substr(5);
    } else if (line.starts_with("FAULT ")) {
      ADD_FAILURE() << last_call << ": " << line;
      faulted = true;
    }
  }
  if (faulted) return calls;
  if (!WIFEXITED(r.status)) {
    ADD_FAILURE() << symbol << " ended by signal " << (WIFSIGNALED(r.status) ? WTERMSIG(r.status) : -1) << " in "
                  << last_call;
  } else if (!ends_the_run && WEXITSTATUS(r.status) != 0) {
    ADD_FAILURE() << symbol << " ended the run with status " << WEXITSTATUS(r.status) << " in " << last_call;
  }
  return calls;
}

char program_name[] = "hostile_caller_test";
char* program_arguments[] = {program_name, nullptr};

class HostileCaller : public test::run_unit {
 protected:
  void SetUp() override {
    test::run_unit::SetUp();
    if (!cob_is_initialized()) cob_init(1, program_arguments);
  }
};

// Entries that end the run unit on purpose.
bool ends_the_run(const callable_entry& e) { return e.description->symbol == "CEE3ABD"; }

// Each entry in a process of its own: a fault is that entry's failure, and what the calls leave
// in the process (heaps, settings, the century window) does not reach the next entry. After its
// hostile calls, every entry is called once more with cleared items, in the state they left.
TEST_F(HostileCaller, EveryEntryAnswersEveryHostileCallWithoutFaultOrStrayWrite) {
  std::vector<std::string> sysout;
  const auto call_and_judge = [&](const callable_entry& e, const hostile_call& c, item_layout layout, code_set caller) {
    caller == code_set::ebcdic ? ebcdic_caller() : platform::testing::reset_caller_chain();
    platform::testing::capture_sysout(&sysout);
    report("CALL " + describe(e, c, layout, caller));
    set_argument_count(c.count);
    ::alarm(hang_seconds);
    const call_outcome o = call_entry(e, c.settings, caller, {.quiet = true, .layout = layout});
    ::alarm(0);
    set_argument_count(-1);
    sysout.clear();
    console.clear();
    if (ends_the_run(e)) report("FAIL " + describe(e, c, layout, caller) + ": returned instead of ending the run");
    if (const std::string wrong = judge(*e.description->arguments, c, o, caller); !wrong.empty()) {
      report("FAIL " + describe(e, c, layout, caller) + ": " + wrong);
    }
  };
  const auto every_entry_cleared = [&] {
    for (const callable_entry& f : callable_entries()) {
      if (ends_the_run(f)) continue;
      const std::size_t n = f.description->arguments->size();
      call_and_judge(f, {"after the hostile calls", std::vector<argument_setting>(n), static_cast<int>(n)},
                     item_layout::page_after, code_set::ascii);
    }
  };
  const std::size_t aftermath_calls = callable_entries().size() - 1;

  unsigned seed = 1;
  for (const callable_entry& e : callable_entries()) {
    const std::vector<hostile_call> calls = hostile_calls(*e.description->arguments, seed++);
    const std::size_t expected_calls = calls.size() * std::size(layouts) * std::size(code_sets);
    if (!ends_the_run(e)) {
      const child_report r = in_child([&] {
        for (const hostile_call& c : calls) {
          for (item_layout layout : layouts) {
            for (code_set caller : code_sets) call_and_judge(e, c, layout, caller);
          }
        }
        every_entry_cleared();
      });
      EXPECT_EQ(expect_clean(r, e.description->symbol, false), expected_calls + aftermath_calls)
          << e.description->symbol;
      continue;
    }
    // One child for each call, as the entry ends the run unit.
    std::size_t made = 0;
    for (const hostile_call& c : calls) {
      for (item_layout layout : layouts) {
        for (code_set caller : code_sets) {
          made += expect_clean(in_child([&] { call_and_judge(e, c, layout, caller); }), e.description->symbol, true);
        }
      }
    }
    EXPECT_EQ(made, expected_calls) << e.description->symbol;
  }
  platform::testing::capture_sysout(nullptr);
}

// OV-LE-EXTERNAL between no-access reservations as wide as any count of the area can reach (an
// INT2 count of 18-byte registry slots goes 590 KB beyond it), against the one after it or the
// one before it; the rest of its pages hold the guard byte.
class guarded_area {
 public:
  static constexpr std::size_t reach = reservation_size;
  static constexpr std::size_t size = common::ov_le_external::size;

  explicit guarded_area(bool flush_after) : page_(static_cast<std::size_t>(::sysconf(_SC_PAGESIZE))) {
    span_ = (size + page_ - 1) / page_ * page_;
    void* p = ::mmap(nullptr, reach + span_ + reach, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return;
    base_ = static_cast<unsigned char*>(p);
    ::mprotect(base_ + reach, span_, PROT_READ | PROT_WRITE);
    std::memset(base_ + reach, 0xA5, span_);
    data_ = base_ + reach + (flush_after ? span_ - size : 0);
    std::memset(data_, 0, size);
    guarded_area_reservations = {base_, base_ + reach + span_};
  }
  ~guarded_area() {
    guarded_area_reservations = {};
    if (base_ != nullptr) ::munmap(base_, reach + span_ + reach);
  }
  guarded_area(const guarded_area&) = delete;
  guarded_area& operator=(const guarded_area&) = delete;

  std::byte* data() const noexcept { return reinterpret_cast<std::byte*>(data_); }
  // The guard bytes in the area's pages beside it are as they were.
  bool intact() const noexcept {
    const auto is_guard = [](unsigned char b) { return b == 0xA5; };
    return std::all_of(base_ + reach, data_, is_guard) && std::all_of(data_ + size, base_ + reach + span_, is_guard);
  }

 private:
  std::size_t page_;
  std::size_t span_ = 0;
  unsigned char* base_ = nullptr;
  unsigned char* data_ = nullptr;
};

// OV-LE-EXTERNAL is an EXTERNAL item that any COBOL program of the run unit may declare and
// overwrite. Once it is initialized, a program that scribbles on it (all ones, the sign bits, all
// zeros, random bytes) before each call must not make a service fault, reach outside the area or
// hang; the area lies against no-access pages. The state byte says "Y", so that the scribble
// is used as it is, or, for every third scribble, "N": a new initialization over it.
TEST_F(HostileCaller, EveryEntryAnswersOverAScribbledRuntimeArea) {
  std::vector<std::string> sysout;
  std::vector<std::string> scribbles = {
      std::string(guarded_area::size, '\xFF'), std::string(guarded_area::size, '\x80'),
      std::string(guarded_area::size, '\x7F'), std::string(guarded_area::size, '\x00')};
  std::mt19937 random(7);
  for (int round = 0; round < 8; ++round) {
    std::string bytes(guarded_area::size, '\0');
    for (char& b : bytes) b = static_cast<char>(random());
    scribbles.push_back(std::move(bytes));
  }
  std::size_t expected_calls = 0;
  for (const callable_entry& e : callable_entries()) {
    if (!ends_the_run(e)) expected_calls += 1 + filled_calls(*e.description->arguments).size();
  }
  for (std::size_t k = 0; k < scribbles.size(); ++k) {
    const std::string scribble = "over scribble " + std::to_string(k);
    const child_report r = in_child([&] {
      const guarded_area guarded(k % 2 == 0);
      if (!platform::testing::place_external_area(common::ov_le_external::name, guarded.data(), guarded_area::size) ||
          area().bytes().data() != guarded.data()) {
        report("FAIL OV-LE-EXTERNAL was attached before the test could place it");
        return;
      }
      ovle_int4 window;
      CEEQCEN(&window, nullptr);
      for (const callable_entry& e : callable_entries()) {
        if (ends_the_run(e)) continue;
        const std::size_t n = e.description->arguments->size();
        std::vector<hostile_call> calls = filled_calls(*e.description->arguments);
        calls.push_back({"cleared", std::vector<argument_setting>(n), static_cast<int>(n)});
        for (const hostile_call& c : calls) {
          const std::string what = scribble + ": " + describe(e, c, item_layout::page_after, code_set::ascii);
          platform::testing::capture_sysout(&sysout);
          report("CALL " + what);
          // Again before each call: the exit entries mark the area for a new initialization.
          std::memcpy(guarded.data(), scribbles[k].data(), guarded_area::size);
          guarded.data()[1] = k % 3 == 2 ? std::byte{0xD5} : std::byte{0xE8};
          set_argument_count(c.count);
          ::alarm(hang_seconds);
          const call_outcome o =
              call_entry(e, c.settings, code_set::ascii, {.quiet = true, .layout = item_layout::page_after});
          ::alarm(0);
          set_argument_count(-1);
          sysout.clear();
          console.clear();
          if (const std::string wrong = judge(*e.description->arguments, c, o, code_set::ascii); !wrong.empty()) {
            report("FAIL " + what + ": " + wrong);
          }
          if (!guarded.intact()) {
            report("FAIL " + what + ": wrote beside OV-LE-EXTERNAL");
            return;
          }
        }
      }
    });
    EXPECT_EQ(expect_clean(r, scribble, false), expected_calls) << scribble;
  }
  platform::testing::capture_sysout(nullptr);
}

}  // namespace
}  // namespace ovle::tool
