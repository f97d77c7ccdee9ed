// The run-time options: the vocabulary of IBM's published option names, the parser with its
// CEE36xxI messages, the record of where each option was last set, and the options report.
#include "environment/runtime_options.hpp"

#include <algorithm>
#include <array>
#include <charconv>

#include "common/ebcdic.hpp"
#include "common/platform/platform.hpp"

namespace ovle::environment {
namespace {

using common::ov_le_external;
using sv = std::string_view;

// ---- The vocabulary ---------------------------------------------------------------------------

constexpr sv on_off[] = {"ON", "OFF"};
constexpr sv locations[] = {"ANYWHERE", "ANY", "BELOW"};
constexpr sv keep_free[] = {"KEEP", "FREE"};
constexpr sv enqueue[] = {"NOENQ", "ENQ"};
constexpr sv no_fill[] = {"NONE"};
constexpr sv dsa_fill[] = {"NONE", "CLEAR"};
constexpr sv abend_or_retcode[] = {"ABEND", "RETCODE"};
constexpr sv auto_on_off[] = {"AUTO", "ON", "OFF"};
constexpr sv on_off_all[] = {"ON", "OFF", "ALL"};
constexpr sv parameter_lists[] = {"HOST", "CMS", "OS", "MVS"};
constexpr sv termination_actions[] = {"QUIET", "MSG", "TRACE", "DUMP", "UAONLY", "UATRACE", "UADUMP", "UAIMM"};
constexpr sv test_levels[] = {"ALL", "ERROR", "NONE"};
constexpr sv prompts[] = {"PROMPT", "NOPROMPT"};
constexpr sv spie[] = {"SPIE", "NOSPIE"};
constexpr sv dump_or_not[] = {"DUMP", "NODUMP"};
// NATLANG: the three languages of Language Environment and those of the language table.
constexpr sv languages[] = {"ENU", "UEN", "JPN", "FRC", "DAN", "NLD", "ENG", "FIN",
                            "FRA", "DEU", "ITA", "NOR", "PTG", "ESP", "SVE", "TRK"};

constexpr suboption_form keyword(std::span<const sv> words) { return {suboption_kind::keyword, words, 0}; }
constexpr suboption_form text(std::uint16_t limit) { return {suboption_kind::text, {}, limit}; }
constexpr suboption_form fill(std::span<const sv> words) { return {suboption_kind::fill, words, 0}; }
constexpr suboption_form number{suboption_kind::number, {}, 0};
constexpr suboption_form size{suboption_kind::size, {}, 0};
constexpr suboption_form recfm{suboption_kind::recfm, {}, 0};
constexpr suboption_form lrecl{suboption_kind::lrecl, {}, 0};
constexpr suboption_form switches{suboption_kind::upsi, {}, 0};

constexpr suboption_form none[1] = {};  // spans of length 0 are taken from it
constexpr std::span<const suboption_form> no_suboptions(none, 0);
constexpr suboption_form one_on_off[] = {keyword(on_off)};
constexpr suboption_form one_number[] = {number};
constexpr suboption_form heap_like[] = {size, size, keyword(locations), keyword(keep_free), size, size};
constexpr suboption_form heap_four[] = {size, size, keyword(locations), keyword(keep_free)};
constexpr suboption_form heap_three[] = {size, size, keyword(keep_free)};
constexpr suboption_form abend_code[] = {text(4)};
constexpr suboption_form abnormal_end[] = {keyword(abend_or_retcode)};
constexpr suboption_form autotask[] = {text(8), number};
constexpr suboption_form country[] = {{suboption_kind::country, {}, 0}};
constexpr suboption_form environment_text[] = {text(250)};
constexpr suboption_form heap_check[] = {keyword(on_off), number, number, number, number};
constexpr suboption_form heap_pools[] = {keyword(on_off), size, number, size, number, size, number, size, number, size,
                                         number,          size, number, size, number, size, number, size, number, size,
                                         number,          size, number, size, number};
constexpr suboption_form message_filter[] = {keyword(on_off), text(8), text(8), text(8), text(8)};
constexpr suboption_form library[] = {text(8)};
constexpr suboption_form message_file[] = {text(8), recfm, lrecl, lrecl, keyword(enqueue)};
constexpr suboption_form natlang[] = {keyword(languages)};
constexpr suboption_form parameter_list[] = {keyword(parameter_lists)};
constexpr suboption_form profile[] = {keyword(on_off), text(250)};
constexpr suboption_form record_padding[] = {keyword(on_off_all)};
constexpr suboption_form storage[] = {fill(no_fill), fill(no_fill), fill(dsa_fill), size};
constexpr suboption_form termination[] = {keyword(termination_actions), text(3), number};
constexpr suboption_form test[] = {keyword(test_levels), text(250), keyword(prompts), text(250)};
constexpr suboption_form thread_stack[] = {keyword(on_off),    size, size, keyword(locations),
                                           keyword(keep_free), size, size};
constexpr suboption_form trace[] = {keyword(on_off), size, keyword(dump_or_not), text(8)};
constexpr suboption_form trap[] = {keyword(on_off), keyword(spie)};
constexpr suboption_form upsi[] = {switches};
constexpr suboption_form user_handler[] = {text(8), text(8)};
constexpr suboption_form version[] = {text(32)};
constexpr suboption_form underflow[] = {keyword(auto_on_off)};

constexpr treatment in_area = treatment::area;
constexpr treatment accepted = treatment::accepted;
constexpr treatment unsupported = treatment::unsupported;
constexpr treatment not_from_command = treatment::not_from_command;

// Name, IBM's published abbreviation (none where the name is its own), NO form, treatment, suboptions, installation default (the report of
// an area option reads its value from the area instead), whether that default is the positive form.
// Options that only tune the mainframe's own storage, files or other languages' run-times are
// accepted; those that ask for a behaviour this library does not have (debugging, condition
// handling, tracing, POSIX, user exits) are reported as not supported.
// clang-format off
constexpr option_entry options[] = {
    {"ABPERC",         "",        false, unsupported,      abend_code,       "NONE",                                      true},
    {"ABTERMENC",      "ABT",     false, unsupported,      abnormal_end,     "ABEND",                                     true},
    {"AIXBLD",         "AIX",     true,  accepted,         no_suboptions,    "",                                          false},
    {"ALL31",          "",        false, in_area,          one_on_off,       "OFF",                                       true},
    {"ANYHEAP",        "ANYH",    false, accepted,         heap_four,        "16384,8192,ANYWHERE,FREE",                  true},
    {"ARGPARSE",       "",        true,  not_from_command, no_suboptions,    "",                                          true},
    {"AUTOTASK",       "AUTOT",   true,  unsupported,      autotask,         "",                                          false},
    {"BELOWHEAP",      "BE",      false, accepted,         heap_three,       "8192,4096,FREE",                            true},
    {"CBLOPTS",        "",        false, in_area,          one_on_off,       "ON",                                        true},
    {"CBLPSHPOP",      "CBLP",    false, accepted,         one_on_off,       "ON",                                        true},
    {"CBLQDA",         "",        false, accepted,         one_on_off,       "OFF",                                       true},
    {"CHECK",          "CH",      false, accepted,         one_on_off,       "ON",                                        true},
    {"COUNTRY",        "CO",      false, in_area,          country,          "US",                                        true},
    {"DEBUG",          "DEB",     true,  unsupported,      no_suboptions,    "",                                          false},
    {"DEPTHCONDLMT",   "DE",      false, unsupported,      one_number,       "10",                                        true},
    {"ENVAR",          "ENV",     false, unsupported,      environment_text, "",                                          true},
    {"ERRCOUNT",       "ERR",     false, unsupported,      one_number,       "0",                                         true},
    {"ERRUNIT",        "ERRU",    false, accepted,         one_number,       "6",                                         true},
    {"EXECOPS",        "EXEC",    true,  not_from_command, no_suboptions,    "",                                          true},
    {"FILEHIST",       "FILEH",   true,  accepted,         no_suboptions,    "",                                          true},
    {"FLOW",           "",        true,  unsupported,      no_suboptions,    "",                                          false},
    {"HEAP",           "H",       false, in_area,          heap_like,        "32768,32768,ANYWHERE,KEEP,8192,4096",       true},
    {"HEAPCHK",        "HEAPC",   false, unsupported,      heap_check,       "OFF,1,0,0,0",                               true},
    {"HEAPPOOLS",      "HP",      false, accepted,         heap_pools,       "OFF,8,10,32,10,128,10,256,10,1024,10,2048,10", true},
    {"INFOMSGFILTER",  "INF",     false, unsupported,      message_filter,   "OFF",                                       true},
    {"INQPCOPN",       "INQ",     true,  accepted,         no_suboptions,    "",                                          true},
    {"INTERRUPT",      "INTER",   false, unsupported,      one_on_off,       "OFF",                                       true},
    {"LIBRARY",        "LIB",     false, accepted,         library,          "SYSCEE",                                    true},
    {"LIBSTACK",       "LIBS",    false, accepted,         heap_three,       "4096,4096,FREE",                            true},
    {"MSGFILE",        "MSGF",    false, in_area,          message_file,     "SYSOUT,FBA,121,0,NOENQ",                    true},
    {"MSGQ",           "",        false, accepted,         one_number,       "15",                                        true},
    {"NATLANG",        "NAT",     false, in_area,          natlang,          "ENU",                                       true},
    {"NONIPTSTACK",    "NONIPS",  false, accepted,         heap_four,        "4096,4096,BELOW,KEEP",                      true},
    {"OCSTATUS",       "OC",      true,  accepted,         no_suboptions,    "",                                          true},
    {"PC",             "",        true,  accepted,         no_suboptions,    "",                                          false},
    {"PLIST",          "PLI",     false, not_from_command, parameter_list,   "HOST",                                      true},
    {"PLITASKCOUNT",   "PLITASKC",false, accepted,         one_number,       "20",                                        true},
    {"POSIX",          "POS",     false, unsupported,      one_on_off,       "OFF",                                       true},
    {"PROFILE",        "PRO",     false, unsupported,      profile,          "OFF",                                       true},
    {"PRTUNIT",        "PRT",     false, accepted,         one_number,       "6",                                         true},
    {"PUNUNIT",        "PUN",     false, accepted,         one_number,       "7",                                         true},
    {"RDRUNIT",        "RDR",     false, accepted,         one_number,       "5",                                         true},
    {"RECPAD",         "",        false, accepted,         record_padding,   "OFF",                                       true},
    {"REDIR",          "",        true,  not_from_command, no_suboptions,    "",                                          true},
    {"RPTOPTS",        "RPTO",    false, in_area,          one_on_off,       "OFF",                                       true},
    {"RPTSTG",         "RPTS",    false, in_area,          one_on_off,       "OFF",                                       true},
    {"RTEREUS",        "",        true,  unsupported,      no_suboptions,    "",                                          false},
    {"RTLS",           "",        false, accepted,         one_on_off,       "OFF",                                       true},
    {"SIMVRD",         "",        true,  accepted,         no_suboptions,    "",                                          false},
    {"STACK",          "STAC",    false, accepted,         heap_like,        "131072,131072,ANYWHERE,KEEP,524288,131072", true},
    {"STORAGE",        "STOR",    false, in_area,          storage,          "NONE,NONE,NONE,0",                          true},
    {"TERMTHDACT",     "TER",     false, unsupported,      termination,      "TRACE,,96",                                 true},
    {"TEST",           "",        true,  unsupported,      test,             "ALL,*,PROMPT,INSPPREF",                     false},
    {"THREADHEAP",     "THREADH", false, accepted,         heap_four,        "4096,4096,ANYWHERE,KEEP",                   true},
    {"THREADSTACK",    "THREADS", false, accepted,         thread_stack,     "OFF,4096,4096,ANYWHERE,KEEP,131072,131072", true},
    {"TRACE",          "",        false, unsupported,      trace,            "OFF,4096,DUMP,LE=0",                        true},
    {"TRAP",           "",        false, unsupported,      trap,             "ON,SPIE",                                   true},
    {"UPSI",           "",        false, accepted,         upsi,             "00000000",                                  true},
    {"USRHDLR",        "USRH",    true,  unsupported,      user_handler,     "",                                          false},
    {"VCTRSAVE",       "VCTR",    false, accepted,         one_on_off,       "OFF",                                       true},
    {"VERSION",        "",        false, accepted,         version,          "",                                          true},
    {"XPLINK",         "",        false, unsupported,      one_on_off,       "OFF",                                       true},
    {"XUFLOW",         "XUF",     false, accepted,         underflow,        "AUTO",                                      true},
};
// clang-format on
constexpr std::size_t option_count = std::size(options);

constexpr std::size_t index_of(sv name) {
  for (std::size_t i = 0; i < option_count; ++i) {
    if (options[i].name == name) return i;
  }
  throw "not an option of the vocabulary";
}

constexpr bool vocabulary_is_sound() {
  for (std::size_t i = 0; i < option_count; ++i) {
    if (options[i].abbreviation.size() >= options[i].name.size()) return false;
    if (i > 0 && !(options[i - 1].name < options[i].name)) return false;
  }
  return true;
}
static_assert(vocabulary_is_sound(), "option names sorted, each abbreviation shorter than its name");

constexpr std::size_t index_of(area_option o) {
  switch (o) {
    case area_option::all31: return index_of("ALL31");
    case area_option::cblopts: return index_of("CBLOPTS");
    case area_option::country: return index_of("COUNTRY");
    case area_option::heap: return index_of("HEAP");
    case area_option::msgfile: return index_of("MSGFILE");
    case area_option::natlang: return index_of("NATLANG");
    case area_option::rptopts: return index_of("RPTOPTS");
    case area_option::rptstg: return index_of("RPTSTG");
    case area_option::storage: return index_of("STORAGE");
  }
  return option_count;
}

// ---- The record of options ----------------------------------------------------------------------

struct option_state {
  option_source where = option_source::installation_default;
  bool positive = true;
  // Empty while every suboption has its installation default: the initialization resets 63 options,
  // most of which are never set.
  std::vector<std::string> suboptions;
};

std::vector<std::string> split_defaults(const option_entry& entry) {
  std::vector<std::string> out(entry.suboptions.size());
  sv rest = entry.defaults;
  for (std::size_t i = 0; i < out.size() && !rest.empty(); ++i) {
    const auto comma = rest.find(',');
    out[i] = std::string(rest.substr(0, comma));
    rest = comma == sv::npos ? sv{} : rest.substr(comma + 1);
  }
  return out;
}

std::array<option_state, option_count>& states() {
  static auto* table = [] {
    auto* t = new std::array<option_state, option_count>();
    for (std::size_t i = 0; i < option_count; ++i) (*t)[i].positive = options[i].default_positive;
    return t;
  }();
  return *table;
}

// ---- Text helpers ---------------------------------------------------------------------------------

sv trim(sv text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool all_digits(sv text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string ascii_field(std::span<const char> ebcdic) {
  std::string out = platform::ascii_from_ebcdic({ebcdic.data(), ebcdic.size()});
  std::replace(out.begin(), out.end(), '\0', ' ');
  return std::string(trim(out));
}

std::string hex_byte(char byte) {
  constexpr sv digits = "0123456789ABCDEF";
  const auto b = static_cast<unsigned char>(byte);
  return {digits[b >> 4], digits[b & 15]};
}

sv edition_name(char host) {
  switch (host) {
    case ov_le_external::host_quill_works: return "Quill Works";
    case ov_le_external::host_harbinger: return "Harbinger Console";
    default: return "Brantley Forge";
  }
}

// ---- The parser ------------------------------------------------------------------------------------

struct suboption {
  std::string text;  // unquoted: trimmed and upper-cased; quoted: as written between the quotes
  bool quoted = false;
};

// The parser's working storage, kept from text to text: the initialization parses a hundred
// configuration entries or more, and the strings keep their capacity.
struct parser_scratch {
  std::vector<suboption> subs;
  std::string current;
  std::vector<std::string> strays;  // what followed a quoted suboption of the option being read
};

parser_scratch& scratch() {
  static auto* s = new parser_scratch();
  return *s;
}

void upper_in_place(std::string& text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

// An option as the text named it, for the messages: NOTEST rather than TEST.
struct named_option {
  const option_entry& entry;
  bool no_form;
  std::string full() const { return (no_form ? "NO" : "") + std::string(entry.name); }
};

// A suboption that passed its check, in the form the record and the area take.
struct checked {
  std::string value;
  std::int64_t number = 0;  // number, size, lrecl
};

class option_parser {
 public:
  option_parser(ov_le_external area, option_origin origin) noexcept : area_(area), origin_(origin) {}

  void parse(sv text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    const auto first = text.find_first_not_of(' ');
    if (first != sv::npos && (text[first] == '*' || text[first] == '#')) return;
    while (true) {
      while (i < n && (text[i] == ' ' || text[i] == ',')) ++i;
      if (i >= n) return;
      const std::size_t start = i;
      while (i < n && text[i] != ' ' && text[i] != ',' && text[i] != '(') ++i;
      const sv name = text.substr(start, i - start);
      std::size_t after = i;
      while (after < n && text[after] == ' ') ++after;
      count_ = 0;
      s_.strays.clear();
      bool listed = false;
      if (after < n && text[after] == '(') {
        listed = true;
        i = after + 1;
        if (!read_suboptions(text, i)) return;  // an open quote runs to the end of the text
      }
      apply(name, listed);
    }
  }

 private:
  void message(const std::string& line) {
    if (origin_ == option_origin::invocation_command && !header_shown_) {
      platform::console_line("CEE3608I The following messages pertain to the invocation command run-time options.");
      header_shown_ = true;
    }
    platform::console_line(line);
  }

  // Reads the suboptions after "(" up to ")" (or the end of the text, which CEE3607I reports).
  // False when a quoted suboption has no end quote: the option is dropped.
  bool read_suboptions(sv text, std::size_t& i) {
    const std::size_t n = text.size();
    std::string& current = s_.current;
    current.clear();
    bool quoted = false;
    const auto finish = [&] {
      if (count_ == s_.subs.size()) s_.subs.emplace_back();
      suboption& sub = s_.subs[count_++];
      if (quoted) {
        sub.text.assign(current);
      } else {
        sub.text.assign(trim(current));
        upper_in_place(sub.text);
      }
      sub.quoted = quoted;
      current.clear();
      quoted = false;
    };
    while (true) {
      if (i >= n) {
        message("CEE3607I The end of the suboption string did not contain a right parenthesis.");
        finish();
        return true;
      }
      const char c = text[i];
      if (c == ')') {
        ++i;
        finish();
        return true;
      }
      if (c == ',') {
        ++i;
        finish();
        continue;
      }
      if ((c == '\'' || c == '"') && !quoted && trim(current).empty()) {
        current.clear();
        ++i;
        bool closed = false;
        while (i < n) {
          if (text[i] == c) {
            if (i + 1 < n && text[i + 1] == c) {  // a doubled quote stands for itself
              current += c;
              i += 2;
              continue;
            }
            ++i;
            closed = true;
            break;
          }
          current += text[i++];
        }
        if (!closed) {
          message("CEE3602I An end quote delimiter did not occur before the end of the run-time option string.");
          return false;
        }
        quoted = true;
        // Only a delimiter may follow the end quote; anything else is reported and skipped.
        std::size_t j = i;
        while (j < n && text[j] == ' ') ++j;
        if (j < n && text[j] != ',' && text[j] != ')') {
          const std::size_t stray = j;
          while (j < n && text[j] != ',' && text[j] != ')') ++j;
          s_.strays.emplace_back(trim(text.substr(stray, j - stray)));
        }
        i = j;
        continue;
      }
      if (quoted) {  // blanks after a quoted suboption
        ++i;
        continue;
      }
      current += c;
      ++i;
    }
  }

  void apply(sv name, bool listed) {
    const auto match = find_option(name);
    if (!match) {
      std::string typed(name);
      upper_in_place(typed);
      message("CEE3611I The run-time option " + typed + " was an invalid run-time option.");
      return;
    }
    const option_entry& entry = options[match->index];
    const named_option named{entry, match->no_form};
    for (const std::string& stray : s_.strays) {
      message("CEE3601I The string '" + stray +
              "' was found where a delimiter was expected following a quoted suboption for the run-time option " +
              named.full() + ".");
    }
    if (entry.how == treatment::not_from_command && origin_ == option_origin::invocation_command) {
      message("CEE3618I The run-time option " + named.full() + " was not valid from the invocation command.");
      return;
    }
    if (entry.how == treatment::unsupported) {
      message("OVX9999I The run-time option " + named.full() + " is not supported in this release of " +
              std::string(edition_name(area_.host_code())) + ".");
      return;
    }
    const auto& subs = s_.subs;
    std::size_t count = listed ? count_ : 0;
    if (count > entry.suboptions.size()) {
      // "HEAP()" and "AIXBLD()" name no suboption at all.
      if (!(entry.suboptions.empty() && count == 1 && subs[0].text.empty() && !subs[0].quoted)) {
        message("CEE3612I Too many suboptions were specified for the run-time option " + named.full() + ".");
      }
      count = entry.suboptions.size();
    }
    option_state& state = states()[match->index];
    // The option counts as set when it names no suboption or when one of its suboptions took effect.
    bool took_effect = count == 0;
    for (std::size_t k = 0; k < count; ++k) {
      if (subs[k].text.empty() && !subs[k].quoted) continue;  // an empty suboption keeps its value
      const auto value = check(named, entry.suboptions[k], subs[k]);
      if (!value) continue;
      if (state.suboptions.empty()) state.suboptions = split_defaults(entry);
      state.suboptions[k] = value->value;
      if (entry.how == treatment::area) store(match->index, k, *value, subs[k]);
      took_effect = true;
    }
    if (!took_effect) return;
    state.where = origin_ == option_origin::invocation_command ? option_source::invocation_command
                                                               : option_source::configuration_file;
    if (entry.has_no_form) state.positive = !match->no_form;
  }

  std::optional<checked> check(const named_option& named, const suboption_form& kind, const suboption& sub) {
    const std::string& t = sub.text;
    const auto invalid = [&] {
      message("CEE3616I The string '" + t + "' was not a valid suboption of the run-time option " + named.full() + ".");
      return std::nullopt;
    };
    switch (kind.kind) {
      case suboption_kind::keyword:
        if (sub.quoted || std::find(kind.words.begin(), kind.words.end(), t) == kind.words.end()) return invalid();
        return checked{t};
      case suboption_kind::number:
      case suboption_kind::size:
      case suboption_kind::lrecl: return check_number(named, kind.kind, sub);
      case suboption_kind::text:
        if (t.size() > kind.limit) {
          message("CEE3606I The string '" + t + "' was too long and was ignored.");
          return std::nullopt;
        }
        // A name of at most eight characters (a ddname, a program, a code) cannot be empty: '' there
        // would leave MSGFILE writing nowhere. Longer free texts (ENVAR, PROFILE, TEST) may be empty.
        if (t.empty() && kind.limit <= 8) return invalid();
        return checked{t};
      case suboption_kind::country:
        if (t.size() > 2) {
          message("CEE3606I The string '" + t + "' was too long and was ignored.");
          return std::nullopt;
        }
        if (t.size() != 2 || !std::all_of(t.begin(), t.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
          return invalid();
        }
        return checked{t};
      case suboption_kind::fill:
        if (sub.quoted && t.size() != 1) {
          message("CEE3622I The " + named.full() + " option quoted suboption string '" + t +
                  "' was not one character long.");
          return std::nullopt;
        }
        if (sub.quoted) return checked{"'" + t + "'"};
        if (std::find(kind.words.begin(), kind.words.end(), t) != kind.words.end()) return checked{t};
        if (!fill_byte_value(t)) return invalid();
        return checked{t};
      case suboption_kind::recfm: {
        static constexpr sv formats[] = {"F", "FA", "FB", "FBA", "FBS", "FBSA", "U", "UA", "V", "VA", "VB", "VBA"};
        if (sub.quoted || std::find(std::begin(formats), std::end(formats), t) == std::end(formats)) {
          message("CEE3635I The string " + t + " was not a valid RECFM suboption specification for run-time option " +
                  named.full() + ".");
          return std::nullopt;
        }
        return checked{t};
      }
      case suboption_kind::upsi:
        if (t.size() != 8) {
          message("CEE3623I The UPSI option suboption string '" + t + "' was not eight characters long.");
          return std::nullopt;
        }
        if (!std::all_of(t.begin(), t.end(), [](char c) { return c == '0' || c == '1'; })) return invalid();
        return checked{t};
    }
    return std::nullopt;
  }

  std::optional<checked> check_number(const named_option& named, suboption_kind kind, const suboption& sub) {
    const std::string& t = sub.text;
    sv digits = t;
    std::int64_t unit = 1;
    bool negative = false;
    if (kind == suboption_kind::size && !digits.empty() && (digits.back() == 'K' || digits.back() == 'M')) {
      unit = digits.back() == 'K' ? 1024 : 1048576;
      digits.remove_suffix(1);
    }
    if (kind == suboption_kind::number && !digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
      negative = digits.front() == '-';
      digits.remove_prefix(1);
    }
    if (sub.quoted || !all_digits(digits)) {
      message("CEE3614I An invalid character occurred in the numeric string '" + t + "' of the run-time option " +
              named.full() + ".");
      return std::nullopt;
    }
    // Eleven digits are enough to see that a value is out of range without overflowing.
    const auto significant = digits.find_first_not_of('0');
    const sv kept = significant == sv::npos ? sv("0") : digits.substr(significant);
    std::int64_t value = 0;
    bool too_large = kept.size() > 11;
    if (!too_large) {
      std::from_chars(kept.data(), kept.data() + kept.size(), value);
      value *= unit;
      if (negative) value = -value;
      too_large = value > INT32_MAX || value < INT32_MIN;
    }
    if (too_large) {
      message("CEE3617I The number " + t + " of the run-time option " + named.full() +
              " exceeded the range of -2147483648 to 2147483647.");
      return std::nullopt;
    }
    if (kind == suboption_kind::lrecl && value > 32760) {
      message("CEE3636I The value " + t + " exceeded the maximum allowable LRECL or BLKSIZE of 32760 bytes.");
      return std::nullopt;
    }
    return checked{std::to_string(value), value};
  }

  // An accepted suboption of an area option, into the area.
  void store(std::size_t index, std::size_t k, const checked& value, const suboption& sub) {
    using off = ov_le_external::offset;
    static constexpr std::size_t heap = index_of("HEAP"), storage_option = index_of("STORAGE"),
                                 all31 = index_of("ALL31"), rptopts = index_of("RPTOPTS"), rptstg = index_of("RPTSTG"),
                                 cblopts = index_of("CBLOPTS"), msgfile = index_of("MSGFILE"),
                                 country_option = index_of("COUNTRY"), natlang_option = index_of("NATLANG");
    if (index == heap) {
      if (k == 2) area_.set_option(off::heap_location, value.value == "BELOW");
      if (k == 3) area_.set_option(off::heap_keep_free, value.value == "FREE");
      if (k == 2 || k == 3) return;
      const std::int64_t bytes = heap_bytes(value.number);
      if (bytes > heap_size_limit) {
        message("CEE3616I The string '" + sub.text + "' was not a valid suboption of the run-time option HEAP.");
        return;
      }
      static constexpr std::size_t fields[] = {off::heap_initial,       off::heap_increment,      0, 0,
                                               off::heap_below_initial, off::heap_below_increment};
      area_.set_heap_size(fields[k], bytes);
      if (k == 0) area_.set_heap0_initial(static_cast<std::int32_t>(bytes));
      if (k == 1) area_.set_heap0_increment(static_cast<std::int32_t>(bytes));
    } else if (index == storage_option) {
      if (k > 1) return;
      const std::size_t switch_at = k == 0 ? off::storage_heap_switch : off::storage_free_switch;
      const std::size_t byte_at = k == 0 ? off::storage_heap_fill : off::storage_free_fill;
      const auto byte = fill_byte_value(value.value);
      if (byte) {
        area_.set_fill_byte(byte_at, *byte);
        area_.set_option(switch_at, true);
      } else {
        area_.set_option(switch_at, false);
      }
    } else if (index == all31 || index == rptopts || index == rptstg || index == cblopts) {
      const std::size_t at = index == all31     ? off::all31
                             : index == rptopts ? off::rptopts
                             : index == rptstg  ? off::rptstg
                                                : off::cblopts;
      area_.set_option(at, value.value == "ON");
    } else if (index == msgfile) {
      if (k == 0) {
        common::store_padded(area_.message_file().data(), 8, platform::ebcdic_from_ascii(value.value),
                             common::ebcdic::blank);
      }
    } else if (index == country_option) {
      const std::string code = platform::ebcdic_from_ascii(value.value);
      std::copy_n(code.begin(), 2, area_.country(1).begin());
    } else if (index == natlang_option) {
      const std::string code = platform::ebcdic_from_ascii(value.value);
      std::copy_n(code.begin(), 3, area_.language(1).begin());
    }
  }

  ov_le_external area_;
  option_origin origin_;
  bool header_shown_ = false;
  parser_scratch& s_ = scratch();
  std::size_t count_ = 0;  // suboptions read for the option in hand
};

}  // namespace

std::string_view source_label(option_source where) noexcept {
  switch (where) {
    case option_source::installation_default: return "Installation default";
    case option_source::environment_variable: return "Environment variable";
    case option_source::ide_setting: return "IDE setting";
    case option_source::configuration_file: return "Configuration file";
    case option_source::invocation_command: return "Invocation command";
  }
  return "";
}

std::span<const option_entry> vocabulary() noexcept { return options; }

bool spelling_accepted(const option_entry& entry, std::string_view spelling) noexcept {
  if (spelling == entry.name || (!entry.abbreviation.empty() && spelling == entry.abbreviation)) return true;
  // An abbreviation that begins the name admits every spelling between the two.
  const sv& a = entry.abbreviation;
  return !a.empty() && entry.name.starts_with(a) && spelling.size() > a.size() && spelling.size() < entry.name.size() &&
         entry.name.starts_with(spelling);
}

std::optional<option_match> find_option(std::string_view name) noexcept {
  // No spelling is longer than NO and the longest name.
  char buffer[16];
  if (name.empty() || name.size() > sizeof buffer) return std::nullopt;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    buffer[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  const sv wanted(buffer, name.size());
  // Every spelling of an option begins with the first letter of its name.
  const auto search = [](sv spelling, bool no_form) -> std::optional<option_match> {
    for (std::size_t i = 0; i < option_count; ++i) {
      if (options[i].name[0] != spelling[0] || (no_form && !options[i].has_no_form)) continue;
      if (spelling_accepted(options[i], spelling)) return option_match{i, no_form};
    }
    return std::nullopt;
  };
  if (auto found = search(wanted, false)) return found;
  if (wanted.size() > 2 && wanted.starts_with("NO")) return search(wanted.substr(2), true);
  return std::nullopt;
}

void reset_options() noexcept {
  auto& table = states();
  for (std::size_t i = 0; i < option_count; ++i) {
    table[i].where = option_source::installation_default;
    table[i].positive = options[i].default_positive;
    table[i].suboptions.clear();
  }
}

void note_option_source(area_option option, option_source where) noexcept { states()[index_of(option)].where = where; }

option_source last_set(std::size_t index) noexcept {
  return index < option_count ? states()[index].where : option_source::installation_default;
}

void parse_options(common::ov_le_external area, std::string_view text, option_origin origin) noexcept {
  try {
    option_parser(area, origin).parse(text);
  } catch (...) {
    // Out of memory in a message: the options read so far stay in effect.
  }
}

std::optional<char> fill_byte_value(std::string_view text) noexcept {
  if (text.size() == 3 && (text[0] == '\'' || text[0] == '"') && text[2] == text[0]) {
    return static_cast<char>(platform::to_ebcdic(static_cast<std::uint8_t>(text[1])));
  }
  const auto hex = [](char c) { return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1; };
  if (text.size() != 2 || hex(text[0]) < 0 || hex(text[1]) < 0) return std::nullopt;
  return static_cast<char>(hex(text[0]) * 16 + hex(text[1]));
}

std::string option_value(common::ov_le_external area, std::size_t index) {
  using off = ov_le_external::offset;
  const option_entry& entry = options[index];
  const option_state& state = states()[index];
  std::vector<std::string> subs = state.suboptions.empty() ? split_defaults(entry) : state.suboptions;
  const auto on_off_at = [&](std::size_t at) { return std::string(area.option_on(at) ? "ON" : "OFF"); };
  const sv name = entry.name;
  if (name == "ALL31") subs[0] = on_off_at(off::all31);
  if (name == "CBLOPTS") subs[0] = on_off_at(off::cblopts);
  if (name == "RPTOPTS") subs[0] = on_off_at(off::rptopts);
  if (name == "RPTSTG") subs[0] = on_off_at(off::rptstg);
  if (name == "COUNTRY") subs[0] = ascii_field(area.country(1));
  if (name == "NATLANG") subs[0] = ascii_field(area.language(1));
  if (name == "MSGFILE") subs[0] = ascii_field(area.message_file());
  if (name == "HEAP") {
    const auto size_at = [&](std::size_t at) { return std::to_string(std::max<std::int64_t>(area.heap_size(at), 0)); };
    subs = {size_at(off::heap_initial),
            size_at(off::heap_increment),
            area.option_on(off::heap_location) ? "BELOW" : "ANYWHERE",
            area.option_on(off::heap_keep_free) ? "FREE" : "KEEP",
            size_at(off::heap_below_initial),
            size_at(off::heap_below_increment)};
  }
  if (name == "STORAGE") {
    subs[0] = area.option_on(off::storage_heap_switch) ? hex_byte(area.fill_byte(off::storage_heap_fill)) : "NONE";
    subs[1] = area.option_on(off::storage_free_switch) ? hex_byte(area.fill_byte(off::storage_free_fill)) : "NONE";
  }
  std::string out = (state.positive ? "" : "NO") + std::string(entry.name);
  if (std::any_of(subs.begin(), subs.end(), [](const std::string& s) { return !s.empty(); })) {
    out += '(';
    for (std::size_t k = 0; k < subs.size(); ++k) {
      if (k > 0) out += ',';
      out += subs[k];
    }
    // Trailing empty suboptions are left off.
    while (out.back() == ',') out.pop_back();
    out += ')';
  }
  return out;
}

std::vector<std::string> options_report(common::ov_le_external area) {
  std::vector<std::string> lines = {" Options Report ", "", " LAST WHERE SET          OPTION ",
                                    " " + std::string(79, '-')};
  for (std::size_t i = 0; i < option_count; ++i) {
    std::string where(source_label(states()[i].where));
    where.resize(22, ' ');
    // NO forms start two columns to the left, so that every option name lines up under OPTION.
    lines.push_back(" " + where + (states()[i].positive ? "  " : "") + option_value(area, i));
  }
  return lines;
}

}  // namespace ovle::environment
