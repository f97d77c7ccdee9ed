// The run-time options: their vocabulary, the parser of option texts with its messages, where each
// option was last set, and the lines of the options report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/ov_le_external.hpp"

namespace ovle::environment {

// Where a run-time option was last set, as the options report names it.
enum class option_source : std::uint8_t {
  installation_default,
  environment_variable,
  ide_setting,
  configuration_file,
  invocation_command
};
std::string_view source_label(option_source where) noexcept;

// What the library does with a recognized option.
enum class treatment : std::uint8_t {
  area,              // stored into OV-LE-EXTERNAL
  accepted,          // kept for the options report; nothing on Linux depends on it
  unsupported,       // "OVX9999I ... is not supported in this release of ..."
  not_from_command,  // accepted from the configuration file, "CEE3618I" from the command line
};

// The kinds of suboption, each with its own check and message.
enum class suboption_kind : std::uint8_t {
  keyword,  // one of the listed words
  number,   // decimal, within INT4
  size,     // a storage size: digits, optionally followed by K (x 1024) or M (x 1048576)
  text,     // any text, quoted or not, at most `limit` characters
  fill,     // a fill byte: a quoted character or two hexadecimal digits, or one of the listed words
  recfm,    // a record format
  lrecl,    // a record or block length, at most 32760
  upsi,     // eight switches 0 or 1
  country,  // a country code, two letters
};

struct suboption_form {
  suboption_kind kind;
  std::span<const std::string_view> words;  // keyword: the accepted words; fill: words beside a byte
  std::uint16_t limit = 0;                  // text: the longest accepted
};

struct option_entry {
  std::string_view name;          // in full
  std::string_view abbreviation;  // IBM's published one; empty when there is none
  bool has_no_form;               // NOname is accepted
  treatment how;
  std::span<const suboption_form> suboptions;
  std::string_view defaults;  // the installation default of the suboptions, separated by commas
  bool default_positive;      // for an option with a NO form: the installation default is not NO
};

// Every run-time option the library recognizes, in alphabetical order.
std::span<const option_entry> vocabulary() noexcept;

// Whether `spelling` (upper case) names the option: its full name, its published abbreviation, or,
// where the abbreviation begins the name (RPTO for RPTOPTS), anything between the two (RPTOP).
// Some abbreviations do not begin their name (HP for HEAPPOOLS): only they themselves are taken.
bool spelling_accepted(const option_entry& entry, std::string_view spelling) noexcept;

// The option a name (any case) stands for: any accepted spelling, or NO followed by one where the
// option has a NO form.
struct option_match {
  std::size_t index;  // into vocabulary()
  bool no_form;
};
std::optional<option_match> find_option(std::string_view name) noexcept;

// The options whose settings live in OV-LE-EXTERNAL, which the initialization also sets from the
// environment or the IDE.
enum class area_option : std::uint8_t { all31, cblopts, country, heap, msgfile, natlang, rptopts, rptstg, storage };

// All options back to the installation default (the initialization starts here).
void reset_options() noexcept;
// Records that an area option was set by an environment variable or the IDE.
void note_option_source(area_option option, option_source where) noexcept;
// Where an option was last set.
option_source last_set(std::size_t index) noexcept;

// The texts of run-time options come from these two places; the invocation command's messages are
// introduced by "CEE3608I", and some options are not valid from it.
enum class option_origin : std::uint8_t { configuration_file, invocation_command };

// Parses one text of run-time options (ASCII, at most 100 characters): options separated by blanks
// or commas, names in any case, suboptions in parentheses separated by commas, an empty suboption
// leaving its value as it was. Each accepted option takes effect in the area or in the record of
// options; each fault is reported on the console with its CEE36xxI message and leaves the other
// options and suboptions in effect. An entry whose first non-blank character is "*" or "#" is a
// comment.
void parse_options(common::ov_le_external area, std::string_view text, option_origin origin) noexcept;

// The value of an option as the options report shows it, NO form included ("HEAP(32768,...)").
std::string option_value(common::ov_le_external area, std::size_t index);

// The options report (ASCII): " Options Report ", the column headings " LAST WHERE SET          OPTION ",
// then one line per option with where it was last set and its value.
std::vector<std::string> options_report(common::ov_le_external area);

// The storage size of the HEAP option and its variable: a number of bytes, rounded up to a multiple
// of 8, 0 taken as 8. The K and M forms are multiples of 8 already.
constexpr std::int64_t heap_bytes(std::int64_t n) noexcept { return n == 0 ? 8 : (n + 7) / 8 * 8; }
// The largest size the eight-digit HEAP fields hold.
inline constexpr std::int64_t heap_size_limit = 99'999'999;

// A fill byte of STORAGE (its variable, its option and the IDE): a character between single or
// double quotes (the character itself, in EBCDIC) or two hexadecimal digits 0-9, A-F (upper case);
// empty when the text is neither. `text` is ASCII, without blanks around it.
std::optional<char> fill_byte_value(std::string_view text) noexcept;

}  // namespace ovle::environment
