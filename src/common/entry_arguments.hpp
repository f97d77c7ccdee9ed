// The argument list of every exported entry, from the one table in entry_arguments.def.
//
// Each line of the table spells an entry's arguments as text, "name:type:direction ...", and this
// header turns that text into descriptions at compile time, so the command-line tool, the
// hostile-caller sweeps and the checks against ovle.h (entry_arguments.cpp) all read one table.
// A line that does not parse stops the build.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>

namespace ovle::common {

// What the caller's data item is. The names are those of the table.
enum class argument_kind : std::uint8_t {
  int2,      // INT2, big-endian (PIC S9(4) BINARY)
  int4,      // INT4, big-endian (PIC S9(9) BINARY)
  native2,   // 2-byte binary in the machine's order (PIC S9(4) COMP-5)
  native4,   // 4-byte binary in the machine's order (PIC S9(9) COMP-5)
  float4,    // COMP-1
  float8,    // COMP-2
  vstring,   // INT2 length and up to `size` characters in the caller's code set
  text,      // `size` characters in the caller's code set, blank-padded
  ebcdic,    // `size` characters kept in EBCDIC whatever the caller's code set
  bytes,     // `size` bytes the library neither converts nor interprets as numbers
  pointer,   // USAGE POINTER, a machine address
  feedback,  // the 16-byte feedback code the service writes
  token,     // a 16-byte condition token passed as data
  unused,    // an item the service neither reads nor writes (`size` bytes to allocate)
};

enum class argument_direction : std::uint8_t { in, out, inout };

struct argument_description {
  std::string_view name;
  argument_kind kind;
  argument_direction direction;
  std::size_t size;  // width of text, ebcdic, bytes, unused; the maximum length of a vstring
  bool optional;     // may be left off the end of the CALL or passed as OMITTED in normal use

  // Bytes the caller's item occupies: what to allocate for it.
  constexpr std::size_t storage_size() const noexcept {
    switch (kind) {
      case argument_kind::int2:
      case argument_kind::native2: return 2;
      case argument_kind::int4:
      case argument_kind::native4:
      case argument_kind::float4: return 4;
      case argument_kind::float8:
      case argument_kind::pointer: return 8;
      case argument_kind::feedback:
      case argument_kind::token: return 16;
      case argument_kind::vstring: return 2 + size;
      case argument_kind::text:
      case argument_kind::ebcdic:
      case argument_kind::bytes:
      case argument_kind::unused: return size;
    }
    return 0;
  }
  constexpr bool reads() const noexcept { return direction != argument_direction::out; }
  constexpr bool writes() const noexcept { return direction != argument_direction::in; }
};

// The longest argument list an entry may have.
inline constexpr std::size_t max_entry_arguments = 16;

struct argument_list {
  std::array<argument_description, max_entry_arguments> items{};
  std::size_t count = 0;

  constexpr const argument_description* begin() const noexcept { return items.data(); }
  constexpr const argument_description* end() const noexcept { return items.data() + count; }
  constexpr const argument_description& operator[](std::size_t i) const noexcept { return items[i]; }
  constexpr std::size_t size() const noexcept { return count; }
  // Index of the feedback code, or count when the entry has none.
  constexpr std::size_t feedback_index() const noexcept {
    for (std::size_t i = 0; i < count; ++i) {
      if (items[i].kind == argument_kind::feedback) return i;
    }
    return count;
  }
};

struct kind_name {
  std::string_view name;
  argument_kind kind;
  bool sized;  // written with its size in parentheses: vstring(80)
};
inline constexpr kind_name kind_names[] = {
    {"int2", argument_kind::int2, false},       {"int4", argument_kind::int4, false},
    {"native2", argument_kind::native2, false}, {"native4", argument_kind::native4, false},
    {"float4", argument_kind::float4, false},   {"float8", argument_kind::float8, false},
    {"vstring", argument_kind::vstring, true},  {"text", argument_kind::text, true},
    {"ebcdic", argument_kind::ebcdic, true},    {"bytes", argument_kind::bytes, true},
    {"pointer", argument_kind::pointer, false}, {"feedback", argument_kind::feedback, false},
    {"token", argument_kind::token, false},     {"unused", argument_kind::unused, true},
};

constexpr std::string_view name_of(argument_kind kind) noexcept {
  for (const kind_name& k : kind_names) {
    if (k.kind == kind) return k.name;
  }
  return {};
}

constexpr std::string_view name_of(argument_direction direction) noexcept {
  switch (direction) {
    case argument_direction::in: return "in";
    case argument_direction::out: return "out";
    case argument_direction::inout: return "inout";
  }
  return {};
}

namespace detail {

// A malformed line is not a constant expression: the build stops at the throw, whose text says why.
[[noreturn]] inline void bad_arguments(const char* why) { throw why; }

constexpr std::string_view next_field(std::string_view& rest) {
  const std::size_t colon = rest.find(':');
  const std::string_view field = rest.substr(0, colon);
  rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
  return field;
}

constexpr bool is_name_character(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'; }

// "name:type:direction[:optional]"; the feedback code is "name:feedback", its direction being out.
constexpr argument_description parse_argument(std::string_view item) {
  argument_description a{};
  std::string_view rest = item;
  a.name = next_field(rest);
  if (a.name.empty()) bad_arguments("entry_arguments.def: an argument without a name");
  for (char c : a.name) {
    if (!is_name_character(c)) bad_arguments("entry_arguments.def: a name is lower case, digits and _");
  }
  std::string_view type = next_field(rest);
  std::size_t size = 0;
  if (const std::size_t open = type.find('('); open != std::string_view::npos) {
    if (type.back() != ')' || open + 2 >= type.size()) bad_arguments("entry_arguments.def: a size is type(n)");
    for (char c : type.substr(open + 1, type.size() - open - 2)) {
      if (c < '0' || c > '9') bad_arguments("entry_arguments.def: a size is a decimal number");
      size = size * 10 + static_cast<std::size_t>(c - '0');
    }
    if (size == 0 || size > 32767) bad_arguments("entry_arguments.def: a size is 1 to 32767");
    type = type.substr(0, open);
  }
  // By index, not by pointer: GCC does not compare addresses of a global array in a constant
  // expression when the sanitizers instrument it.
  std::size_t found = std::size(kind_names);
  for (std::size_t i = 0; i < std::size(kind_names); ++i) {
    if (kind_names[i].name == type) found = i;
  }
  if (found == std::size(kind_names)) bad_arguments("entry_arguments.def: unknown argument type");
  if (kind_names[found].sized != (size != 0)) {
    bad_arguments("entry_arguments.def: vstring, text, ebcdic, bytes, unused need (n)");
  }
  a.kind = kind_names[found].kind;
  a.size = size;
  std::string_view direction = next_field(rest);
  if (a.kind == argument_kind::feedback && direction.empty()) direction = "out";
  if (direction == "in") {
    a.direction = argument_direction::in;
  } else if (direction == "out") {
    a.direction = argument_direction::out;
  } else if (direction == "inout") {
    a.direction = argument_direction::inout;
  } else {
    bad_arguments("entry_arguments.def: the direction is in, out or inout");
  }
  if (a.kind == argument_kind::feedback && a.direction != argument_direction::out) {
    bad_arguments("entry_arguments.def: the feedback code is out");
  }
  const std::string_view flag = next_field(rest);
  if (flag == "optional") {
    a.optional = true;
  } else if (!flag.empty()) {
    bad_arguments("entry_arguments.def: the only flag is optional");
  }
  if (!rest.empty()) bad_arguments("entry_arguments.def: too many fields");
  return a;
}

}  // namespace detail

// The arguments of one line, in CALL order, separated by blanks.
constexpr argument_list parse_arguments(std::string_view text) {
  argument_list list;
  while (!text.empty()) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    text = text.substr(start);
    const std::size_t end = text.find(' ');
    if (list.count == max_entry_arguments) detail::bad_arguments("entry_arguments.def: too many arguments");
    list.items[list.count++] = detail::parse_argument(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end);
  }
  for (std::size_t i = 0; i < list.count; ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (list.items[i].name == list.items[j].name) detail::bad_arguments("entry_arguments.def: a name twice");
    }
    if (list.items[i].kind == argument_kind::feedback && i != list.feedback_index()) {
      detail::bad_arguments("entry_arguments.def: two feedback codes");
    }
  }
  return list;
}

// One constant per entry, named after its symbol; a second line for the same entry is a
// redefinition and a missing one an unknown name, both compile errors.
namespace arguments_of {
#define OVLE_ARGUMENTS(symbol, text) inline constexpr argument_list symbol = parse_arguments(text);
#include "entry_arguments.def"
#undef OVLE_ARGUMENTS
}  // namespace arguments_of

// Every entry of entries.def with its argument list, in the order of entries.def.
struct entry_description {
  std::string_view symbol;     // the exported name: OV0PIPI
  std::string_view call_name;  // what a COBOL program CALLs: OV-PIPI
  std::string_view family;
  const argument_list* arguments;
};

inline constexpr entry_description entry_table[] = {
#define OVLE_ENTRY(symbol, call_name, family, argc) {#symbol, call_name, #family, &arguments_of::symbol},
#include "entries.def"
#undef OVLE_ENTRY
};

#define OVLE_ENTRY(symbol, call_name, family, argc)   \
  static_assert(arguments_of::symbol.count == (argc), \
                "entry_arguments.def: the line of " #symbol " has not as many arguments as entries.def says");
#include "entries.def"
#undef OVLE_ENTRY

// The entry whose symbol or CALL name this is, or null.
constexpr const entry_description* find_entry(std::string_view name) noexcept {
  for (const entry_description& e : entry_table) {
    if (e.symbol == name || e.call_name == name) return &e;
  }
  return nullptr;
}

}  // namespace ovle::common
