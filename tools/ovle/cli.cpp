// The ovle command: options, one call of a service through the argument table, and its answer
// as lines or as JSON.
#include "cli.hpp"

#include <algorithm>
#include <cctype>

#include "common/conditions.hpp"
#include "condition_decoder.hpp"
#include "entry_call.hpp"
#include "entry_registry.hpp"
#include "header_help.hpp"
#include "values.hpp"

namespace ovle::tool {
namespace {

using common::argument_description;
using common::argument_kind;

constexpr std::string_view omitted_word = "OMITTED";

// ---- Output -----------------------------------------------------------------------------------------

std::string json_string(std::string_view s) {
  std::string out = "\"";
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20) {
      static constexpr char digits[] = "0123456789abcdef";
      out += "\\u00";
      out += digits[c >> 4];
      out += digits[c & 15];
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

std::string quoted(std::string_view s) {
  std::string out = "\"";
  for (char ch : s) {
    if (ch == '"' || ch == '\\') out += '\\';
    out += ch;
  }
  return out + "\"";
}

std::string json_condition(const decoded_condition& c) {
  const auto text_or_null = [](std::string_view s) { return s.empty() ? std::string("null") : json_string(s); };
  return "{\"success\":" + std::string(c.success ? "true" : "false") + ",\"symbol\":" + text_or_null(c.symbol) +
         ",\"severity\":" + std::to_string(c.severity) + ",\"message_number\":" + std::to_string(c.message_number) +
         ",\"case_severity_control\":" + json_string(hex_of(&c.case_severity_control, 1)) +
         ",\"control\":" + std::to_string(c.control) + ",\"facility\":" + text_or_null(c.success ? "" : c.facility) +
         ",\"condition\":" + text_or_null(c.identifier) + ",\"instance\":" + json_string(c.instance_hex) +
         ",\"hex\":" + json_string(c.hex) + "}";
}

std::string json_value(const shown_value& v) {
  switch (v.kind) {
    case shown_value::form::number: return v.text;
    case shown_value::form::condition: return json_condition(v.condition);
    case shown_value::form::text:
    case shown_value::form::hex: return json_string(v.text);
  }
  return "null";
}

std::string text_value(const shown_value& v) {
  std::string s = v.kind == shown_value::form::text ? quoted(v.text) : v.text;
  if (!v.note.empty()) s += " (" + v.note + ")";
  return s;
}

// ---- Help ---------------------------------------------------------------------------------------------

std::string type_text(const argument_description& a) {
  std::string t(common::name_of(a.kind));
  if (a.size != 0 && a.kind != argument_kind::feedback) t += "(" + std::to_string(a.size) + ")";
  return t;
}

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

// Command-line inputs: what the CALL reads, but the feedback code and items the service ignores.
bool takes_value(const argument_description& a) {
  return a.reads() && a.kind != argument_kind::feedback && a.kind != argument_kind::unused;
}

// Only a trailing run of optional inputs can be left off; an optional one before a required one
// still takes a value (OMITTED passes it as omitted).
std::string usage_line(const common::entry_description& e) {
  std::string line = "usage: ovle " + std::string(e.symbol);
  const common::argument_list& arguments = *e.arguments;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (!takes_value(arguments[i])) continue;
    bool may_be_left_off = true;
    for (std::size_t j = i; j < arguments.size(); ++j) {
      if (takes_value(arguments[j]) && !arguments[j].optional) may_be_left_off = false;
    }
    const std::string name = upper(arguments[i].name);
    line += may_be_left_off ? " [" + name + "]" : " " + name;
  }
  return line;
}

void service_help(const callable_entry& entry, std::ostream& out) {
  const common::entry_description& e = *entry.description;
  out << e.symbol << " (CALL '" << e.call_name << "', " << e.family << ")\n" << usage_line(e) << "\n\n";
  if (e.arguments->size() == 0) {
    out << "No arguments.\n";
  } else {
    out << "Arguments, in CALL order:\n";
    std::size_t width = 0;
    for (const argument_description& a : *e.arguments) width = std::max(width, a.name.size());
    for (const argument_description& a : *e.arguments) {
      std::string type = type_text(a);
      out << "  " << a.name << std::string(width - a.name.size() + 2, ' ') << type
          << std::string(type.size() < 14 ? 14 - type.size() : 1, ' ') << common::name_of(a.direction)
          << (a.optional ? ", optional" : "") << "\n";
    }
  }
  const std::string comment = prototype_comment(ovle_header_text, e.symbol);
  if (!comment.empty()) out << "\nFrom ovle.h:\n" << comment;
}

constexpr std::string_view tool_help = R"(usage: ovle [OPTION]... SERVICE [VALUE]...
Calls a libovle service by name with the values of its input arguments given as text, and shows
its output arguments and its feedback code decoded.

  ovle CEEDAYS 2007-05-15 YYYY-MM-DD
  ovle CEEDYWK 148138
  ovle --json CEESDSQT 2
  ovle CEEDAYS --help        what a service does, its arguments and conditions
  ovle --decode CEE2EB       a condition by symbol, identifier or 32 hexadecimal digits

Options:
  --json         print the answer as one JSON object
  --ebcdic       call as a program that keeps its data in EBCDIC: the tool converts the texts
                 both ways, the library sees an EBCDIC caller (OVLE_CALLER_CODESET=EBCDIC)
  --omit NAME    pass the argument NAME as OMITTED (a null address); an input passed so takes
                 no value from the command line
  --list         the services, one a line
  --decode TEXT  decode a feedback code or look up a condition
  --help, -h     this text; after a service name, that service's arguments and description
  --             every word after it is a value, even one starting with --

Values, by the argument's type (ovle SERVICE --help shows the types):
  int2, int4, native2, native4  a whole number: 148138, -5
  float4, float8                a number: 2.5, -1e-3, inf, nan
  vstring(n)                    the text; its length is the text's ('' is empty)
  text(n)                       the text, blank-padded to n characters
  ebcdic(n)                     the text, converted to EBCDIC by the tool
  bytes(n)                      hexadecimal digits, two per byte, zero-filled to n bytes
  unused(n)                     no value: the service does not look at it (n zero bytes)
  pointer                       0x and hexadecimal digits, or NULL
  token                         32 hexadecimal digits, or a condition's symbol or identifier
  OMITTED                       any input, passed as a null address
Texts are UTF-8 on the terminal and ISO-8859-1 for the library. Outputs are shown after the
call: numbers as numbers (COMP-1 and COMP-2 with the digits that read back to the same value),
texts trimmed and quoted, bytes and unprintable texts as X'..', feedback codes decoded.

Exit status: 0; the severity (2, 3 or 4) of a feedback code of severity 2 or more; 64 for a
command line the tool cannot use; 70 when a service wrote beyond one of its arguments.
)";

void tool_help_text(std::ostream& out) {
  out << tool_help << "\nServices (" << callable_entries().size() << "):\n";
  std::string_view family;
  std::size_t column = 0;
  for (const callable_entry& e : callable_entries()) {
    const common::entry_description& d = *e.description;
    if (d.family != family || column + d.symbol.size() + 1 > 100) {
      if (column != 0) out << "\n";
      const bool first = d.family != family;
      family = d.family;
      const std::string label = first ? "  " + std::string(family) : std::string();
      out << label << std::string(16 - label.size(), ' ');
      column = 16;
    }
    out << (column > 16 ? " " : "") << d.symbol;
    column += d.symbol.size() + 1;
  }
  out << "\n";
}

// ---- --decode -----------------------------------------------------------------------------------------

// The message number that a symbol such as CEE2EB stands for, when it is one.
std::optional<int> message_of_symbol(std::string_view s) {
  if (s.size() != 6) return std::nullopt;
  int n = 0;
  for (std::size_t i = 0; i < 6; ++i) {
    const char c = s[i];
    if (i < 3) {
      if (c < 'A' || c > 'Z') return std::nullopt;
      continue;
    }
    const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'V' ? c - 'A' + 10 : -1;
    if (d < 0) return std::nullopt;
    n = n * 32 + d;
  }
  return n;
}

int decode(const options& opts, std::ostream& out, std::ostream& err) {
  std::string text;
  for (const std::string& v : opts.values) text += (text.empty() ? "" : " ") + v;
  std::string digits;
  for (char c : text) {
    if (c != ' ') digits += c;
  }
  const bool is_hex = digits.size() == 32 && std::all_of(digits.begin(), digits.end(), [](char c) {
                        return std::isxdigit(static_cast<unsigned char>(c)) != 0;
                      });
  std::vector<decoded_condition> found;
  if (is_hex) {
    found.push_back(decode_condition(*token_from_text(digits, false).token));
  } else {
    for (const common::condition_entry* row : conditions_named(text)) {
      token_bytes token{};
      common::feedback_code(token.data()).set(row->value);
      for (std::size_t i = 5; i < 8; ++i) token[i] = static_cast<unsigned char>(row->facility[i - 5]);
      found.push_back(decode_condition(token));
    }
  }
  if (found.empty()) {
    if (const auto message = message_of_symbol(text)) {
      err << "ovle: " << text << " is message " << *message << " of facility " << text.substr(0, 3)
          << "; no service of this library stores it\n";
      return 1;
    }
    err << "ovle: --decode takes 32 hexadecimal digits, or a symbol (CEE2EB) or identifier of the conditions "
           "table\n";
    return exit_usage;
  }
  if (opts.json) {
    out << "[";
    for (std::size_t i = 0; i < found.size(); ++i) out << (i ? "," : "") << json_condition(found[i]);
    out << "]\n";
  } else {
    for (const decoded_condition& c : found) out << describe(c) << "\n";
  }
  return 0;
}

// ---- Calling a service --------------------------------------------------------------------------------

int call_service(const options& opts, const callable_entry& entry, std::ostream& out, std::ostream& err) {
  const common::entry_description& e = *entry.description;
  const common::argument_list& arguments = *e.arguments;
  const code_set caller = opts.ebcdic_caller ? code_set::ebcdic : code_set::ascii;
  const auto is_omitted = [&](const argument_description& a) {
    return std::find(opts.omitted.begin(), opts.omitted.end(), a.name) != opts.omitted.end();
  };
  for (const std::string& name : opts.omitted) {
    if (std::none_of(arguments.begin(), arguments.end(),
                     [&](const argument_description& a) { return a.name == name; })) {
      err << "ovle: " << e.symbol << " has no argument " << name << "\n" << usage_line(e) << "\n";
      return exit_usage;
    }
  }

  // The values given on the command line go to the inputs, in CALL order; outputs start cleared.
  std::vector<argument_setting> settings(arguments.size());
  std::size_t next = 0;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const argument_description& a = arguments[i];
    argument_setting& s = settings[i];
    if (is_omitted(a)) {
      s.how = argument_setting::form::omitted;
    } else if (!takes_value(a)) {
      s.how = argument_setting::form::cleared;
    } else if (next < opts.values.size()) {
      s.text = opts.values[next++];
      s.how = s.text == omitted_word ? argument_setting::form::omitted : argument_setting::form::value;
    } else if (a.optional) {
      s.how = argument_setting::form::omitted;
    } else {
      err << "ovle: " << e.symbol << " needs a value for " << a.name << "\n" << usage_line(e) << "\n";
      return exit_usage;
    }
  }
  if (next < opts.values.size()) {
    err << "ovle: " << e.symbol << " takes " << next << (next == 1 ? " value" : " values") << "; " << opts.values[next]
        << " is one too many\n"
        << usage_line(e) << "\n";
    return exit_usage;
  }

  const call_outcome outcome = call_entry(entry, settings, caller, {.quiet = opts.json});
  if (!outcome.error.empty()) {
    err << "ovle: " << e.symbol << " " << outcome.error << "\n";
    return exit_usage;
  }
  if (outcome.overrun) {
    err << "ovle: " << e.symbol << " wrote beyond its argument " << arguments[*outcome.overrun].name << " ("
        << type_text(arguments[*outcome.overrun]) << ")\n";
    return exit_overrun;
  }
  const int status = outcome.severity() >= 2 ? std::min(outcome.severity(), 4) : 0;
  if (opts.json) {
    out << "{\"service\":" << json_string(e.symbol) << ",\"call_name\":" << json_string(e.call_name)
        << ",\"caller\":" << (opts.ebcdic_caller ? "\"EBCDIC\"" : "\"ASCII\"")
        << ",\"return_code\":" << outcome.return_code << ",\"arguments\":{";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      out << (i ? "," : "") << json_string(arguments[i].name) << ":"
          << (outcome.shown[i] ? json_value(*outcome.shown[i]) : "null");
    }
    out << "},\"exit_status\":" << status << "}\n";
    return status;
  }
  std::size_t width = 0;
  for (const argument_description& a : arguments) {
    if (a.writes()) width = std::max(width, a.name.size());
  }
  bool shown = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const argument_description& a = arguments[i];
    if (!a.writes()) continue;
    out << a.name << std::string(width - a.name.size() + 2, ' ')
        << (outcome.shown[i] ? text_value(*outcome.shown[i]) : std::string(omitted_word)) << "\n";
    shown = true;
  }
  if (outcome.return_code != 0 || !shown) out << "return code " << outcome.return_code << "\n";
  return status;
}

}  // namespace

parsed_command_line parse_command_line(std::span<const std::string_view> arguments) {
  parsed_command_line p;
  bool values_only = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view a = arguments[i];
    if (values_only || !(a.starts_with("--") || a == "-h")) {
      if (p.opts.service.empty() && !p.opts.decode) {
        p.opts.service = a;
      } else {
        p.opts.values.emplace_back(a);
      }
    } else if (a == "--") {
      values_only = true;
    } else if (a == "--json") {
      p.opts.json = true;
    } else if (a == "--ebcdic") {
      p.opts.ebcdic_caller = true;
    } else if (a == "--help" || a == "-h") {
      p.opts.help = true;
    } else if (a == "--list") {
      p.opts.list = true;
    } else if (a == "--decode") {
      p.opts.decode = true;
    } else if (a == "--omit") {
      if (i + 1 == arguments.size()) {
        p.error = "--omit needs the name of an argument";
        return p;
      }
      p.opts.omitted.emplace_back(arguments[++i]);
    } else {
      p.error = "unknown option " + std::string(a);
      return p;
    }
  }
  return p;
}

int run(const options& opts, std::ostream& out, std::ostream& err) {
  try {
    if (opts.decode) return decode(opts, out, err);
    if (opts.list) {
      for (const callable_entry& e : callable_entries()) out << e.description->symbol << "\n";
      return 0;
    }
    if (opts.service.empty()) {
      if (opts.help) {
        tool_help_text(out);
        return 0;
      }
      err << "usage: ovle [OPTION]... SERVICE [VALUE]...  (ovle --help)\n";
      return exit_usage;
    }
    const callable_entry* entry = find_callable(opts.service);
    if (entry == nullptr) {
      err << "ovle: no service is called " << opts.service << " (ovle --list)\n";
      return exit_usage;
    }
    if (opts.help) {
      service_help(*entry, out);
      return 0;
    }
    return call_service(opts, *entry, out, err);
  } catch (const std::exception& x) {
    err << "ovle: " << x.what() << "\n";
    return exit_usage;
  }
}

}  // namespace ovle::tool
