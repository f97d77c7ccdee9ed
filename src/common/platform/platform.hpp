// The run-time layer: everything the services need from the host COBOL run-time, written for Linux.
//
// Where a GnuCOBOL program hosts the library the layer uses libcob (through cob_bridge, never linked);
// otherwise it stands on libc and POSIX alone. Tests steer it through ovle::platform::testing and
// through a few environment variables (OVLE_OSTYPE, OVLE_OSCOUNTRY, OVLE_CALLER_CODESET,
// OVLE_CURRENT_DATE, OVLE_UNREACHABLE, OVLE_IDELINK, OVLE_LE370), so every path the services take
// can be reached.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ovle::platform {

// ---- Named external areas (CBL_REF_EXT_DATA) ----------------------------------------------------

// The process-wide area of that COBOL name ("OV-LE-EXTERNAL"), created zero-filled on first
// reference. Under libcob it is the storage of `01 OV-LE-EXTERNAL EXTERNAL PIC X(size).`, so a
// COBOL program sees the same bytes. Never null, never freed.
std::byte* external_area(std::string_view cobol_name, std::size_t size) noexcept;

// ---- Code sets (_CODESET) -------------------------------------------------------------------------

enum class codeset_direction : std::uint8_t { to_ascii = 0, to_ebcdic = 1 };

// Converts in place between ISO-8859-1 and EBCDIC code page 037, a one-to-one mapping.
void convert_codeset(codeset_direction direction, std::span<std::byte> data) noexcept;
namespace detail {
extern const std::array<std::uint8_t, 256> ebcdic_to_ascii;
extern const std::array<std::uint8_t, 256> ascii_to_ebcdic;
}  // namespace detail
inline std::uint8_t to_ebcdic(std::uint8_t ascii) noexcept { return detail::ascii_to_ebcdic[ascii]; }
inline std::uint8_t to_ascii(std::uint8_t ebcdic) noexcept { return detail::ebcdic_to_ascii[ebcdic]; }
// Whole strings, for constants and texts the library hands to or takes from the host.
std::string ebcdic_from_ascii(std::string_view ascii);
std::string ascii_from_ebcdic(std::string_view ebcdic);

// Whether the facility ID inside condition tokens stays EBCDIC for an ASCII caller as well:
// OVLE_FACILITY_CODESET=EBCDIC, read once per process. Programs migrated with comparisons against
// mainframe hex values (facility X'C3C5C5') keep matching; unset or ASCII, an ASCII caller gets the
// facility ID in ASCII like its other character data.
bool facility_ids_stay_ebcdic() noexcept;

// ---- Program chain (CBL_GET_PROGRAM_INFO) -----------------------------------------------------------

// Attribute byte bit that marks a program whose data are EBCDIC.
inline constexpr std::uint8_t attribute_ebcdic = 0x04;

namespace detail {
// The programs above the library (outermost first, the library's direct caller last) and the
// number of library programs running on top of them. Constant-initialized, so the counter that
// every service call moves costs no guard; the callers are read from the environment on first use.
struct program_chain {
  static constexpr std::size_t max_callers = 16;
  std::array<std::uint8_t, max_callers> callers{};
  std::size_t caller_count = 0;
  std::size_t library_levels = 0;
  bool callers_loaded = false;
};
inline program_chain& chain() noexcept {
  static constinit program_chain state{};
  return state;
}
void load_callers(program_chain& chain) noexcept;
inline const program_chain& loaded_chain() noexcept {
  program_chain& c = chain();
  if (!c.callers_loaded) load_callers(c);
  return c;
}
}  // namespace detail

// One level for a program of the library while it runs. The library's programs keep their data
// in EBCDIC, so a service called by another service sees an EBCDIC caller.
class program_level {
 public:
  program_level() noexcept { ++detail::chain().library_levels; }
  ~program_level() { --detail::chain().library_levels; }
  program_level(const program_level&) = delete;
  program_level& operator=(const program_level&) = delete;
};

// Number of library programs active now; 1 in a service means it was called from outside.
inline std::size_t library_depth() noexcept { return detail::chain().library_levels; }

// Attribute byte of the program `level` steps up from the one asking (1 = the program that asks,
// that is the caller of CGPIINFO), or empty when the chain ends below that level.
inline std::optional<std::uint8_t> program_attributes(std::size_t level) noexcept {
  const detail::program_chain& c = detail::loaded_chain();
  if (level == 0) return std::nullopt;
  if (level <= c.library_levels) return attribute_ebcdic;
  const std::size_t above = level - c.library_levels;  // 1 = the library's direct caller
  if (above > c.caller_count) return std::nullopt;
  return c.callers[c.caller_count - above];
}

// ---- Call by name ----------------------------------------------------------------------------------

using program_address = void (*)();

namespace detail {
#define OVLE_ENTRY(symbol, call_name, family, argc) std::string_view{call_name},
inline constexpr std::string_view program_names[] = {
#include "entries.def"
};
#undef OVLE_ENTRY
}  // namespace detail

inline constexpr std::size_t program_count = std::size(detail::program_names);

// Index of a library program in the registry, program_count when there is none of that name.
// Constant-evaluated at call sites that name their callee, so a call by name costs one test.
constexpr std::size_t program_index(std::string_view call_name) noexcept {
  for (std::size_t i = 0; i < program_count; ++i) {
    if (detail::program_names[i] == call_name) return i;
  }
  return program_count;
}

// The library program with that CALL name ("OV-PIPI", "CEECBLDY"), or null when it cannot be
// reached: not a program of the library, or made unreachable (OVLE_UNREACHABLE, testing hooks).
program_address find_program(std::string_view call_name) noexcept;
program_address find_program(std::size_t index) noexcept;

template <typename Function>
Function* find_program_as(std::string_view call_name) noexcept {
  return reinterpret_cast<Function*>(find_program(call_name));
}

// The host program "$COBDIR\LE370.LBR" of the hosts "H" and "Q": true when the call reached it.
bool call_le370_lbr() noexcept;

// ---- The IDE link library "IDELINK" of the development host ----------------------------------------

// Each entry returns 0 on success, like the IDE link's own entry points. load() is false when the
// library "IDELINK" cannot be loaded; the other calls then fail too.
namespace ide_link {
bool load() noexcept;
int is_ide_up() noexcept;
int connect_database() noexcept;
int get_dest_int(std::int32_t category, std::int32_t setting, std::int32_t& result) noexcept;
int get_dest_str(std::int32_t category, std::int32_t setting, std::span<char> result) noexcept;
int release_database() noexcept;
int close() noexcept;
}  // namespace ide_link

// ---- System ---------------------------------------------------------------------------------------

struct os_info {
  std::uint16_t block_length;  // the parameter block's length field after the call
  std::uint16_t os_type;       // 1 .. n
  std::uint16_t country_code;  // the system's country, as its international dialling code (1, 44, 49 ...)
};

// CBL_GET_OS_INFO. Type 1 unless OVLE_OSTYPE says otherwise; OVLE_OSTYPE=0 makes the call fail.
// The country comes from the territory of the locale (LC_ALL, LC_MESSAGES, LANG: de_DE gives 49),
// 1 when there is none; OVLE_OSCOUNTRY gives it as a number.
std::optional<os_info> get_os_info() noexcept;

// Environment variable, as the run-time's accept delivers it: the value cut or blank-padded to
// `length` characters (ASCII), or empty when the variable cannot be read.
std::optional<std::string> environment_value(std::string_view name, std::size_t length);

// The command line after the program name, cut or blank-padded to 100 characters, and its
// replacement (what a later accept of the command line returns).
std::string command_line();
void set_command_line(std::string_view text);

// The command-line arguments after the program name, as the run-time counts them.
std::vector<std::string> command_arguments();

// One console line (ASCII) on stdout, flushed so that it interleaves with DISPLAY.
void console_line(std::string_view text) noexcept;

// One line (ASCII) of the SYSOUT file: standard output, its trailing blanks dropped, flushed so that
// it interleaves with DISPLAY.
void sysout_line(std::string_view text) noexcept;

// Ends the run unit with a return code: cob_stop_run under libcob, exit() otherwise.
[[noreturn]] void stop_run(int return_code) noexcept;

// Installs the end-of-run procedure: CBL_EXIT_PROC under libcob, atexit otherwise. It runs once.
void install_exit_procedure(int (*procedure)()) noexcept;

// CURRENT-DATE: YYYYMMDDhhmmsscc±hhmm from the system clock and time zone, or OVLE_CURRENT_DATE
// when that holds 21 characters of this form (its sign may also be "0": no offset known).
std::array<char, 21> current_date() noexcept;

// The year of current_date().
inline int current_year() noexcept {
  const auto now = current_date();
  return (now[0] - '0') * 1000 + (now[1] - '0') * 100 + (now[2] - '0') * 10 + (now[3] - '0');
}

// ---- Memory (CBL_ALLOC_MEM, CBL_FREE_MEM) -----------------------------------------------------------

// A block of `size` bytes that stays put until freed; null when none can be had.
void* allocate_memory(std::size_t size) noexcept;
// Frees a block of allocate_memory; false (nothing done) for an address it did not hand out.
bool free_memory(void* block) noexcept;

// ---- In-memory streams (CBL_*_VFILE) --------------------------------------------------------------

// Opens a new stream; its identifier, never 0, or 0 when no stream can be opened.
std::uint16_t open_vfile() noexcept;
// Byte-addressed write; the stream grows as needed (gaps read as X'00').
bool write_vfile(std::uint16_t id, std::size_t offset, std::span<const std::byte> data) noexcept;
// Byte-addressed read; false when the stream is not open or the range lies beyond its end.
bool read_vfile(std::uint16_t id, std::size_t offset, std::span<std::byte> buffer) noexcept;
bool close_vfile(std::uint16_t id) noexcept;

// ---- Line-sequential files (EXTFH, OUTDDFH) -----------------------------------------------------------

// A line-sequential file, opened for input, for output (create) or for extend (append, creating
// it when it is missing). Every operation answers with a two-character COBOL file status.
class line_file {
 public:
  enum class mode : std::uint8_t { input, output, extend };
  line_file() = default;
  ~line_file();
  line_file(const line_file&) = delete;
  line_file& operator=(const line_file&) = delete;

  std::string_view open(const std::string& path, mode how);
  // Writes the record without its trailing blanks, followed by a newline.
  std::string_view write(std::string_view record);
  // Reads the next line into the record, blank-padded; "10" at end of file.
  std::string_view read(std::string& record, std::size_t record_length);
  std::string_view close();
  bool is_open() const noexcept { return file_ != nullptr; }

 private:
  std::FILE* file_ = nullptr;
};

// The path of a named output (an 8-character file name such as "SYSPRINT" or "DUMPFILE", ASCII,
// trailing blanks ignored), mapped as COBOL users expect: the value of the environment variable
// DD_<name>, dd_<name> or <name>, the first that is set and not empty; otherwise the name itself,
// in the current directory.
std::string output_path(std::string_view name);

// ---- Test hooks -------------------------------------------------------------------------------------

namespace testing {
// Zero-fills every external area the library's own registry holds (not libcob's).
void clear_external_areas() noexcept;
// The area of that COBOL name lives in `storage` (`size` bytes, which the caller keeps), so that
// a test can put no-access pages around it. False when the area was referenced already.
bool place_external_area(std::string_view cobol_name, std::byte* storage, std::size_t size);
// Attribute bytes of the programs above the library, outermost first; the last one is the
// library's direct caller (at most 16 are kept). Replaces the chain OVLE_CALLER_CODESET describes.
void set_caller_chain(std::vector<std::uint8_t> attributes);
// Back to the chain described by the environment (read again).
void reset_caller_chain();
// Makes a library program unreachable by name, or reachable again.
void set_unreachable(std::string_view call_name, bool unreachable);
// Puts `replacement` in place of the library program of that CALL name (a spy that may call the
// real program); null puts the real program back.
void replace_program(std::string_view call_name, program_address replacement);
// Makes a program that is not the library's reachable by that CALL name (null: unreachable again).
void provide_program(std::string_view call_name, program_address address);
// Makes every later open_vfile fail (answer 0), or work again.
void set_vfile_open_fails(bool fails) noexcept;
// Makes every later write_vfile fail (answer false, nothing written), or work again.
void set_vfile_write_fails(bool fails) noexcept;
// Makes every later allocate_memory fail (answer null), or work again.
void set_allocation_fails(bool fails) noexcept;
// Makes the host program "$COBDIR\LE370.LBR" reachable.
void set_le370_reachable(bool reachable);
// Every program reachable, none replaced or provided, LE370.LBR as OVLE_LE370 says.
void reset_programs();

// The stand-in IDE link. Absent by default: "IDELINK" cannot be loaded.
struct ide_link_setup {
  bool loadable = false;
  int is_up_rc = 1;  // IDELINK_IsIdeUp: 0 = up
  int connect_rc = 0;
  std::vector<std::pair<std::int32_t, std::int32_t>> int_settings;
  std::vector<std::pair<std::int32_t, std::string>> string_settings;
};
void set_ide_link(const ide_link_setup& setup);
void reset_ide_link();  // back to what OVLE_IDELINK describes
// Number of calls each IDE link entry received since the last set/reset, in the order
// load, is_up, connect, get_int, get_str, release, close.
std::array<int, 7> ide_link_calls() noexcept;

// The command-line arguments command_arguments() reports instead of the process's own (null
// restores them).
void set_command_arguments(const std::vector<std::string>* arguments);

// Console lines go to `sink` instead of stdout (null restores stdout).
void capture_console(std::vector<std::string>* sink) noexcept;
// SYSOUT lines go to `sink` instead of stdout (null restores stdout).
void capture_sysout(std::vector<std::string>* sink) noexcept;
// Reads OVLE_FACILITY_CODESET again (it is otherwise read once per process).
void reread_facility_codeset() noexcept;
}  // namespace testing

}  // namespace ovle::platform
