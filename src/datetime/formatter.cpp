// CEEDATE and CEEDATM: substitution of the tokens, the meridian, and the shortening of zero-suppressed
// and trimmed tokens, with the calls by name for the default picture and the components.
#include "datetime/formatter.hpp"

#include <algorithm>
#include <array>
#include <cstring>

#include "common/bytes.hpp"
#include "common/conditions.hpp"
#include "common/ebcdic.hpp"
#include "common/frame.hpp"
#include "common/platform/platform.hpp"
#include "datetime/calendar.hpp"
#include "datetime/names.hpp"
#include "datetime/timestamp.hpp"
#include "ovle/ovle.h"

namespace ovle::datetime {
namespace {

namespace conditions = common::conditions;
using common::ebcdic::blank;
using common::ebcdic::operator""_e;
using common::ebcdic::zero;

constexpr char eb(char ascii) { return common::ebcdic::from_ascii(ascii); }

constexpr std::size_t width = output_width;

// ---- Substitution ----------------------------------------------------------------------------------------

// How the passes are organised. CEEDATE makes three, each over the picture as written: fractions;
// year, month and minutes; weekday, day, Roman numeral, hour and seconds. CEEDATM makes two:
// fractions, then every other token. A later pass wins where two replace the same position (a
// pass-3 ZD standing inside a pass-2 month name).
enum class pass_scheme : std::uint8_t { date, timestamp };

// Where a token's value comes from.
enum class source : std::uint8_t {
  fraction,
  year,
  month_digits,
  month_upper,
  month_capitalised,
  roman,
  minutes,
  seconds,
  day_digits,
  day_of_year,
  weekday_upper,
  weekday_capitalised,
  hours,
};

struct substitution {
  std::uint8_t at;  // 0-based position in the work area
  std::uint8_t width;
  source from;
};

// The replacements a picture asks for, in the order the passes make them. A position starts at most
// one token, whatever the pass, so there are at most 80.
struct substitution_plan {
  std::array<substitution, width> items;
  std::size_t count = 0;
};

// The pass that replaces a token; 0 for those left as written (the era years and the meridian,
// which CEEDATM writes on its own).
int pass_of(const picture_token& t, pass_scheme scheme) noexcept {
  const int last = scheme == pass_scheme::date ? 3 : 2;
  switch (t.entry) {
    case component::fraction: return 1;
    case component::year: return t.kind <= '5' ? 2 : 0;
    case component::month: return t.kind == '3' || t.kind == '4' ? last : 2;
    case component::minute: return 2;
    case component::meridian: return 0;
    default: return last;  // weekday, day, hour, second
  }
}

// The long name tokens are upper case or capitalised as the picture writes their second letter.
source source_of(const picture_token& t, const char* text) noexcept {
  switch (t.entry) {
    case component::fraction: return source::fraction;
    case component::year: return source::year;
    case component::month:
      switch (t.kind) {
        case '1':
        case '2': return source::month_digits;
        case '3':
        case '4': return source::roman;
        case '5': return source::month_upper;
        case '6': return source::month_capitalised;
        default: return text[1] == eb('M') ? source::month_upper : source::month_capitalised;
      }
    case component::minute: return source::minutes;
    case component::second: return source::seconds;
    case component::day: return t.kind == '3' ? source::day_of_year : source::day_digits;
    case component::weekday:
      switch (t.kind) {
        case '1':
        case '3': return source::weekday_capitalised;
        case '2': return source::weekday_upper;
        default: return text[1] == eb('W') ? source::weekday_upper : source::weekday_capitalised;
      }
    default: return source::hours;
  }
}

// The work area as the passes read it: blank beyond the 80th position, so that no token is taken
// that does not fit within the 80.
using scan_area = std::array<char, width + 24>;

substitution_plan compile(const scan_area& area, pass_scheme scheme) noexcept {
  substitution_plan plan;
  const int passes = scheme == pass_scheme::date ? 3 : 2;
  for (int pass = 1; pass <= passes; ++pass) {
    for (std::size_t n = 0; n < width;) {
      const picture_token t = token_at(area.data() + n);
      if (t.kind == 0 || pass_of(t, scheme) != pass || plan.count == plan.items.size()) {
        ++n;
        continue;
      }
      plan.items[plan.count++] = {static_cast<std::uint8_t>(n), t.width, source_of(t, area.data() + n)};
      n += t.width;
    }
  }
  return plan;
}

// The plan of the last picture each service formatted, known by the recorded picture's generation:
// a program formats many values through one picture, which is then walked once.
const substitution_plan& plan_for(const recorded_picture& recorded, std::span<const char, width> area,
                                  pass_scheme scheme) noexcept {
  struct cache {
    std::uint64_t generation = 0;
    substitution_plan plan;
  };
  static cache* const caches = new cache[2]();
  cache& c = caches[static_cast<std::size_t>(scheme)];
  if (c.generation != recorded.generation) {
    scan_area padded;
    std::memcpy(padded.data(), area.data(), width);
    std::memset(padded.data() + width, blank, padded.size() - width);
    c.plan = compile(padded, scheme);
    c.generation = recorded.generation;
  }
  return c.plan;
}

// What the tokens show: the digits of DATE-FIELDS, and the names of the month and the weekday.
struct format_values {
  date_fields fields;
  int month;    // 1 to 12; 0 when there is no date to name (names and numeral blank)
  int weekday;  // 1 = Monday ... 7 = Sunday; 0 likewise
};

constexpr std::array<char, names::name_width> blank_name = [] {
  std::array<char, names::name_width> a{};
  a.fill(blank);
  return a;
}();

const char* source_text(const substitution& s, const format_values& v) noexcept {
  const auto month_name = [&](const auto& table) {
    return v.month != 0 ? table.entry(v.month).data() : blank_name.data();
  };
  const auto weekday_name = [&](const auto& table) {
    return v.weekday != 0 ? table.entry(v.weekday).data() : blank_name.data();
  };
  switch (s.from) {
    case source::fraction: return v.fields.milliseconds().data();
    case source::year: return v.fields.year().data() + (4 - s.width);
    case source::month_digits: return v.fields.month().data();
    case source::month_upper: return month_name(names::months_upper);
    case source::month_capitalised: return month_name(names::months_capitalised);
    case source::roman: return month_name(names::roman_months);
    case source::minutes: return v.fields.minutes().data();
    case source::seconds: return v.fields.seconds().data();
    case source::day_digits: return v.fields.day().data();
    case source::day_of_year: return v.fields.julian_day().data();
    case source::weekday_upper: return weekday_name(names::weekdays_upper);
    case source::weekday_capitalised: return weekday_name(names::weekdays_capitalised);
    case source::hours: return v.fields.hours().data();
  }
  return blank_name.data();
}

// ---- The work area -----------------------------------------------------------------------------------------

class work_area {
 public:
  // The first 80 characters of the picture, blank-padded.
  explicit work_area(std::string_view picture) noexcept {
    text_.fill(blank);
    // In words: a picture is short, and a block move costs more to start than it saves.
    const std::size_t n = std::min(picture.size(), width);
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) std::memcpy(text_.data() + i, picture.data() + i, 8);
    for (; i < n; ++i) text_[i] = picture[i];
  }

  std::span<const char, width> text() const noexcept { return text_; }

  // Precondition: the area still holds the recorded picture's first 80 characters.
  void substitute(const recorded_picture& picture, pass_scheme scheme, const format_values& v) noexcept {
    const substitution_plan& plan = plan_for(picture, text_, scheme);
    for (std::size_t i = 0; i < plan.count; ++i) {
      const substitution& s = plan.items[i];
      std::memcpy(text_.data() + s.at, source_text(s, v), s.width);
    }
  }

  // Writes `s` at 1-based position q, as far as it fits in the area.
  void write(int q, std::string_view s) noexcept {
    for (std::size_t i = 0; i < s.size(); ++i) {
      const auto p = static_cast<std::size_t>(q - 1) + i;
      if (q >= 1 && p < width) text_[p] = s[i];
    }
  }

  // Removes k characters at 1-based position q: the rest of the area moves k places left and k
  // blanks enter at the right end.
  void remove(int q, int k) noexcept {
    if (q < 1 || q > static_cast<int>(width) || k <= 0) return;
    const auto at = static_cast<std::size_t>(q - 1);
    const std::size_t n = std::min(static_cast<std::size_t>(k), width - at);
    std::memmove(text_.data() + at, text_.data() + at + n, width - at - n);
    std::memset(text_.data() + (width - n), blank, n);
  }

  // The blanks that end the `length` characters at 1-based position q (beyond the area, all are).
  int trailing_blanks(int q, int length) const noexcept {
    int end = q + length - 1;
    int k = std::max(0, end - static_cast<int>(width));
    end = std::min(end, static_cast<int>(width));
    for (int p = end; p >= q && p >= 1 && text_[static_cast<std::size_t>(p - 1)] == blank; --p) ++k;
    return std::min(k, length);
  }

 private:
  std::array<char, width> text_;
};

void dbcs_notice() noexcept {
  platform::console_line("DBCS Support not provided yet");
  platform::console_line("   Contact Orvane for additional information");
}

// The zero-suppressed and trimmed tokens lose their leading zero or trailing blanks, left to right:
// year, month, day, weekday and (for a timestamp) hour. Everything behind a removal moves left, the
// tokens still to come included.
void shorten(work_area& out, const recorded_picture& picture, bool with_hour, const format_values& v) noexcept {
  const picture_scan& scan = picture.scan;
  std::array<int, ordered_count> position{};
  for (std::size_t i = 0; i < ordered_count; ++i) position[i] = scan.terms[i].position;
  for (std::size_t i = 0; i < picture.order.count; ++i) {
    const component c = picture.order.items[i];
    const term& t = scan[c];
    const int q = position[index_of(c)];
    int at = q;
    int k = 0;
    switch (c) {
      case component::year:
        if (t.kind == '4' && v.fields.year()[0] == zero) k = 1;
        if (t.kind >= '6' && t.kind <= '8') dbcs_notice();
        break;
      case component::month:
        if (t.kind == '2' && v.fields.month()[0] == zero) {
          k = 1;
        } else if (t.kind == '4' && v.month != 0) {
          const auto letters = static_cast<int>(names::roman_months.length(static_cast<std::size_t>(v.month)));
          k = static_cast<int>(names::roman_width) - letters;
          at = q + letters;
        } else if (t.kind == 'B') {
          k = out.trailing_blanks(q, t.length);
          at = q + t.length - k;
        }
        break;
      case component::day:
        if (t.kind == '2' && v.fields.day()[0] == zero) k = 1;
        break;
      case component::weekday:
        if (t.kind == '8') {
          k = out.trailing_blanks(q, t.length);
          at = q + t.length - k;
        }
        break;
      default:
        if (with_hour && t.kind == '2' && v.fields.hours()[0] == zero) k = 1;
        break;
    }
    if (k == 0) continue;
    out.remove(at, k);
    for (int& p : position) p -= k;
  }
}

// The meridian of a timestamp: the afternoon from 13 hours on, which then count from 1 again; hours
// 00 and 12 are both morning.
void write_meridian(work_area& out, const picture_scan& scan, date_fields& fields) noexcept {
  const term& m = scan[component::meridian];
  if (!m.present()) return;
  static constexpr std::string_view morning[] = {"AM"_e, "am"_e, "A.M."_e, "a.m."_e};
  static constexpr std::string_view afternoon[] = {"PM"_e, "pm"_e, "P.M."_e, "p.m."_e};
  const std::int64_t hours = common::ebcdic::load_digits(fields.hours().data(), 2);
  const auto form = static_cast<std::size_t>(m.kind - '1');
  out.write(m.position, hours > 12 ? afternoon[form] : morning[form]);
  if (hours <= 12) return;
  common::ebcdic::store_digits(fields.hours().data(), 2, hours - 12);
  if (const term& h = scan[component::hour]; h.present()) out.write(h.position, {fields.hours().data(), 2});
}

// ---- Calls by name ---------------------------------------------------------------------------------------

bool is_blank(std::string_view picture) noexcept {
  return std::all_of(picture.begin(), picture.end(), [](char c) { return c == blank; });
}

void console_pair(std::string_view first, std::string_view caller) noexcept {
  platform::console_line(first);
  platform::console_line(caller);
}

enum class default_outcome : std::uint8_t { found, unreachable, failed };

// The current country's default picture from CEEFMDA or CEEFMDT, called by name with the country on
// top of the country stack. A feedback code other than success is handed to the caller's.
template <std::size_t Program>
default_outcome ask_default_picture(common::ov_le_external area, std::span<char, width> picture,
                                    common::feedback_code& fc) noexcept {
  static_assert(Program < platform::program_count);
  // CEEFMDA and CEEFMDT take the same arguments.
  auto* const found = reinterpret_cast<decltype(&CEEFMDA)>(platform::find_program(Program));
  if (found == nullptr) return default_outcome::unreachable;
  std::array<char, 2> country{blank, blank};
  const std::int16_t n = area.country_count();
  if (n >= 1 && n <= static_cast<std::int16_t>(common::ov_le_external::country_stack_entries)) {
    std::memcpy(country.data(), area.country(static_cast<std::size_t>(n)).data(), 2);
  }
  std::array<unsigned char, common::feedback_size> own{};
  found(country.data(), picture.data(), reinterpret_cast<ovle_feedback*>(own.data()));
  if (common::feedback_code(own.data()).ok()) return default_outcome::found;
  std::memcpy(fc.data(), own.data(), own.size());
  return default_outcome::failed;
}

// CEESECI called by name for the seven components, which it writes into DATE-FIELDS. False when it
// answered with a condition (handed to the caller's feedback code); when it cannot be reached the
// components stay zero.
bool components_from_ceeseci(double seconds, date_fields& fields, common::feedback_code& fc) noexcept {
  static constexpr std::size_t ceeseci = platform::program_index("CEESECI");
  static_assert(ceeseci < platform::program_count);
  const platform::program_address found = platform::find_program(ceeseci);
  if (found == nullptr) {
    console_pair("Unable to reach CEESECI", "  When CALLed by CeeDATM");
    return true;
  }
  std::array<unsigned char, common::feedback_size> own{};
  const auto component = [&](std::size_t i) { return reinterpret_cast<ovle_int4*>(fields.binary_address(i)); };
  reinterpret_cast<decltype(&CEESECI)>(found)(&seconds, component(0), component(1), component(2), component(3),
                                              component(4), component(5), component(6),
                                              reinterpret_cast<ovle_feedback*>(own.data()));
  if (common::feedback_code(own.data()).ok()) return true;
  console_pair("Error calling CEESECI", "  When CALLed by CeeDATM");
  std::memcpy(fc.data(), own.data(), own.size());
  return false;
}

void store_date_digits(date_fields& fields, std::int32_t gregorian, std::int32_t julian) noexcept {
  common::ebcdic::store_digits(fields.gregorian().data(), 8, gregorian);
  common::ebcdic::store_digits(fields.julian().data(), 7, julian);
}

}  // namespace

void format_date(std::int32_t lilian, std::string_view picture, common::ov_le_external area, picture_tables tables,
                 std::span<char, output_width> output, common::feedback_code& fc) noexcept {
  picture = picture.substr(0, std::min(picture.size(), max_picture_length));
  std::memset(output.data(), blank, output.size());
  // The tables are reset as every picture service starts; a call that gets as far as the scan
  // overwrites them whole with the picture's recorded bytes instead.
  if (!is_valid_lilian(lilian)) {
    tables.reset(picture.size());
    fc.set(conditions::lilian_out_of_range);
    return;
  }
  common::ensure_environment(area);
  std::array<char, width> default_picture;
  if (picture.empty() || is_blank(picture)) {
    // The default picture is both what is scanned and the area the values are written into.
    default_picture.fill(blank);
    const default_outcome got = ask_default_picture<platform::program_index("CEEFMDA")>(area, default_picture, fc);
    if (got == default_outcome::failed) {
      tables.reset(width);
      return;
    }
    if (got == default_outcome::unreachable) console_pair("Unable to reach CEEFMDA", "  When CALLed by CEEDATE");
    picture = {default_picture.data(), width};
  }
  const recorded_picture& recorded = record_picture(picture);
  tables.load(recorded);
  const calendar_date d = date_from_lilian(lilian);
  date_fields& fields = tables.fields;
  common::ebcdic::store_digits(fields.year().data(), 4, d.year);
  common::ebcdic::store_digits(fields.month().data(), 2, d.month);
  common::ebcdic::store_digits(fields.day().data(), 2, d.day);
  std::memcpy(fields.julian().data(), fields.year().data(), 4);
  common::ebcdic::store_digits(fields.julian_day().data(), 3, d.day_of_year);
  const format_values values{tables.fields, d.month, d.weekday_digit};
  work_area out(picture);
  out.substitute(recorded, pass_scheme::date, values);
  if (!recorded.has_token) {
    fc.set(conditions::picture_no_token);
    return;
  }
  shorten(out, recorded, false, values);
  std::memcpy(output.data(), out.text().data(), width);
}

void format_timestamp(double seconds, std::string_view picture, common::ov_le_external area, picture_tables tables,
                      std::span<char, output_width> output, common::feedback_code& fc) noexcept {
  picture = picture.substr(0, std::min(picture.size(), max_picture_length));
  std::memset(output.data(), blank, output.size());
  // As in format_date, the delimiters and terms are reset only where no scan follows.
  if (!is_valid_lilian_seconds(seconds)) {
    tables.reset(picture.size());
    fc.set(conditions::lilian_seconds_out_of_range);
    return;
  }
  std::array<char, width> default_picture;
  if (picture.empty() || is_blank(picture)) {
    default_picture.fill(blank);
    const default_outcome got = ask_default_picture<platform::program_index("CEEFMDT")>(area, default_picture, fc);
    if (got == default_outcome::failed) {
      tables.reset(width);
      console_pair("Error calling CEEFMDT", "  When CALLed by CeeDATM");
      return;
    }
    if (got == default_outcome::unreachable) console_pair("Unable to reach CEEFMDT", "  When CALLed by CeeDATM");
    picture = {default_picture.data(), width};
  }

  date_fields& fields = tables.fields;
  fields.reset();
  if (!components_from_ceeseci(seconds, fields, fc)) {
    tables.reset(picture.size());
    return;
  }
  const auto component = [&](std::size_t i, std::int64_t modulus) {
    const std::int64_t v = fields.binary(i);
    return (v < 0 ? -v : v) % modulus;
  };
  common::ebcdic::store_digits(fields.year().data(), 4, component(0, 10000));
  common::ebcdic::store_digits(fields.month().data(), 2, component(1, 100));
  common::ebcdic::store_digits(fields.day().data(), 2, component(2, 100));
  common::ebcdic::store_digits(fields.hours().data(), 2, component(3, 100));
  common::ebcdic::store_digits(fields.minutes().data(), 2, component(4, 100));
  common::ebcdic::store_digits(fields.seconds().data(), 2, component(5, 100));
  common::ebcdic::store_digits(fields.milliseconds().data(), 3, component(6, 1000));

  // The day is that of the same split CEESECI makes, so the date and the time always agree.
  const std::int32_t lilian = timestamp_of(milliseconds_of(seconds)).lilian_day;
  int weekday = 0;
  if (lilian <= lilian_of_1600_12_31) {
    const early_fields early = early_fields_from_lilian(lilian);
    store_date_digits(fields, early.gregorian, early.julian);
    weekday = early.weekday_digit;
  } else {
    // From the components: a date they do not form gets no day of the year and no weekday.
    const auto year = static_cast<std::int32_t>(common::ebcdic::load_digits(fields.year().data(), 4));
    const auto month = static_cast<int>(common::ebcdic::load_digits(fields.month().data(), 2));
    const auto day = static_cast<int>(common::ebcdic::load_digits(fields.day().data(), 2));
    if (year >= 1601 && is_valid_gregorian(year, month, day)) {
      const calendar_date d = date_from_lilian(lilian_from_gregorian(year, month, day));
      common::ebcdic::store_digits(fields.julian().data(), 7, julian_number(d));
      weekday = d.weekday_digit;
    }
  }
  const auto month = static_cast<int>(common::ebcdic::load_digits(fields.month().data(), 2));
  const format_values values{fields, month >= 1 && month <= 12 ? month : 0, weekday};

  const recorded_picture& recorded = record_picture(picture);
  work_area out(picture);
  out.substitute(recorded, pass_scheme::timestamp, values);
  tables.delimiters.assign(recorded.delimiters);
  tables.terms.assign(recorded.terms);
  if (!recorded.has_token) {
    fc.set(conditions::picture_no_token);
    return;
  }
  write_meridian(out, recorded.scan, fields);
  shorten(out, recorded, true, values);
  std::memcpy(output.data(), out.text().data(), width);
}

}  // namespace ovle::datetime
