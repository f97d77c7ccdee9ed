// The date engine: extraction of the components in picture order, validation, and the day count.
#include "datetime/date_engine.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

#include "common/ebcdic.hpp"
#include "common/platform/intrinsics.hpp"
#include "datetime/calendar.hpp"
#include "datetime/names.hpp"

namespace ovle::datetime {
namespace {

namespace conditions = common::conditions;
using common::ebcdic::blank;
using common::ebcdic::from_ascii;

// Marks a DATE-FIELDS digit that no extractor has written.
constexpr char not_read = '\xFF';

// The date as the extractors see it: 80 characters, blank-padded, edited in place when a short
// component or a shortened name is re-aligned with the picture. Reads past the 80th character (a
// picture may be longer) see blanks, and edits never reach beyond it.
class work_date {
 public:
  static constexpr std::size_t width = max_date_length;

  // Precondition: date.size() <= 80 (read_date cuts it).
  explicit work_date(std::string_view date) noexcept {
    // A blank fill of constant size first: cheaper than filling the variable rest. The copy goes
    // in words: a date is short, and a block move costs more to start than it saves.
    text_.fill(blank);
    const std::size_t n = date.size();
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) std::memcpy(text_.data() + i, date.data() + i, 8);
    for (; i < n; ++i) text_[i] = date[i];
  }

  // The characters from 1-based position p on (at least 24 readable).
  const char* field(std::size_t p) const noexcept { return text_.data() + (p - 1); }
  char at(std::size_t p) const noexcept { return text_[p - 1]; }

  // Moves the characters from position q on k places right (those pushed past 80 fall off) and
  // fills the gap with blanks; the number of blanks that went in.
  std::size_t insert_blanks(std::size_t q, std::size_t k) noexcept {
    if (q > width || k == 0) return 0;
    k = std::min(k, width + 1 - q);
    char* at_q = text_.data() + (q - 1);
    std::memmove(at_q + k, at_q, width + 1 - q - k);
    std::memset(at_q, blank, k);
    return k;
  }

  void remove_leading_blanks() noexcept {
    std::size_t n = 0;
    while (n < width && text_[n] == blank) ++n;
    std::memmove(text_.data(), text_.data() + n, width - n);
    std::memset(text_.data() + (width - n), blank, n);
  }

 private:
  // Longest read: 4 characters at position 100 of the picture.
  std::array<char, width + 48> text_;
};

// The value of n EBCDIC digits, or -1 when any of them is not a digit (fields are at most 4 wide).
int digits_value(const char* p, std::size_t n) noexcept { return static_cast<int>(common::ebcdic::load_digits(p, n)); }

void store_two_digits(std::span<char> field, int value) noexcept {
  common::ebcdic::store_digits(field.data(), 2, value);
}

char upper(char c) noexcept {
  platform::intrinsic::upper_case_ebcdic(&c, 1);
  return c;
}

// The entry (from 1) whose first three letters, upper case, match the three characters at p in
// upper case; 0 when none does.
template <typename Table>
std::size_t match_name(const char* p, const Table& upper_names, std::size_t count) noexcept {
  const char key[3] = {upper(p[0]), upper(p[1]), upper(p[2])};
  for (std::size_t i = 1; i <= count; ++i) {
    if (std::memcmp(upper_names.entry(i).data(), key, 3) == 0) return i;
  }
  return 0;
}

class engine {
 public:
  engine(std::string_view date, std::string_view picture, engine_mode mode, century_start window,
         picture_tables tables) noexcept
      : picture_(picture),
        mode_(mode),
        window_(window),
        tables_(tables),
        work_(date),
        recorded_(record_picture(picture)),
        scan_(recorded_.scan) {}

  engine_result run() noexcept {
    tables_.load(recorded_);
    // A date written with leading blanks is read from its first non-blank, unless the picture
    // itself starts with a blank.
    if (!picture_.empty() && picture_[0] != blank && work_.at(1) == blank) work_.remove_leading_blanks();

    date_fields& fields = tables_.fields;
    std::ranges::fill(fields.gregorian(), not_read);
    std::ranges::fill(fields.julian(), not_read);

    if (!recorded_.has_token) return {0, &conditions::picture_no_token};

    const auto& ordered = recorded_.order;
    for (std::size_t i = 0; i < ordered.count; ++i) extract(ordered.items[i]);

    const std::int32_t value = scan_[component::day].kind == '3' ? julian_date() : gregorian_date();
    return failure_ != nullptr ? engine_result{0, failure_, widened_} : engine_result{value, nullptr, widened_};
  }

 private:
  void set(const common::condition* c) noexcept { failure_ = c; }

  // Puts back k blanks the date is short of at position q, on behalf of component c.
  void widen(component c, std::size_t q, std::size_t k) noexcept {
    const std::size_t inserted = work_.insert_blanks(q, k);
    if (index_of(c) < widened_.size())
      widened_[index_of(c)] = static_cast<std::uint8_t>(widened_[index_of(c)] + inserted);
  }

  void extract(component c) noexcept {
    const term& t = scan_[c];
    date_fields& fields = tables_.fields;
    switch (c) {
      case component::year: extract_year(t); break;
      case component::month: extract_month(t); break;
      case component::day:
        if (t.kind == '3') {
          const char* f = work_.field(t.position);
          std::memcpy(fields.julian_day().data(), f, 3);
          const int ddd = digits_value(f, 3);
          if (ddd <= 0 || ddd > 366) set(&conditions::date_invalid);
        } else if (read_numeric(c, t, fields.day()) == numeric::two_digits) {
          const int day = digits_value(fields.day().data(), 2);
          if (day == 0 || day > 31) set(&conditions::date_invalid);
        }
        break;
      case component::weekday: extract_weekday(t); break;
      case component::hour: read_numeric(c, t, fields.hours()); break;
      default: break;
    }
  }

  void extract_year(const term& t) noexcept {
    const std::span<char> year = tables_.fields.year();
    const char* f = work_.field(t.position);
    if (t.kind == '5') {
      std::memcpy(year.data(), f, 4);
    } else if (t.kind == '2') {
      std::memcpy(year.data() + 2, f, 2);
      // A window that was never set up (the environment could not be initialized) gives no
      // century, and the year stays incomplete.
      const int yy = digits_value(f, 2);
      const int window_cc = digits_value(window_.cc, 2);
      const int window_yy = digits_value(window_.yy, 2);
      if (yy >= 0 && window_cc >= 0 && window_yy >= 0) {
        const int century = yy < window_yy ? window_cc + 1 : window_cc;
        store_two_digits(year.first(2), century);
      }
    }
    // The other year forms (YYY, Y, ZYY and the era years) are not read.
  }

  void extract_month(const term& t) noexcept {
    const std::span<char> month = tables_.fields.month();
    const char* f = work_.field(t.position);
    switch (t.kind) {
      case '1':
      case '2': read_numeric(component::month, t, month); return;
      case '3':
      case '4': {
        // Only I, V and X count after the first character: "V-20" is V, "XII." is XII.
        std::array<char, 4> numeral{upper(f[0]), upper(f[1]), upper(f[2]), upper(f[3])};
        for (std::size_t i = 1; i < 4; ++i) {
          if (numeral[i] != from_ascii('I') && numeral[i] != from_ascii('V') && numeral[i] != from_ascii('X')) {
            numeral[i] = blank;
          }
        }
        std::size_t m = 0;
        for (std::size_t i = 1; i <= 12 && m == 0; ++i) {
          if (std::memcmp(names::roman_months.entry(i).data(), numeral.data(), 4) == 0) m = i;
        }
        if (m == 0) {
          set(&conditions::date_name_unknown);
          return;
        }
        store_two_digits(month, static_cast<int>(m));
        // RRRZ: the numeral was written without its padding; put the padding back.
        const std::size_t letters = names::roman_months.length(m);
        if (t.kind == '4') widen(component::month, t.position + letters, names::roman_width - letters);
        return;
      }
      default: {
        const std::size_t m = match_name(f, names::months_upper, 12);
        if (m == 0) {
          set(&conditions::date_name_unknown);
          return;
        }
        store_two_digits(month, static_cast<int>(m));
        const std::size_t letters = names::months_upper.length(m);
        if (t.kind == 'B' && letters < t.length) widen(component::month, t.position + letters, t.length - letters);
        return;
      }
    }
  }

  void extract_weekday(const term& t) noexcept {
    const std::size_t w = match_name(work_.field(t.position), names::weekdays_upper, 7);
    if (w == 0) {
      set(&conditions::date_name_unknown);
      return;
    }
    const std::size_t letters = names::weekdays_upper.length(w);
    if (t.kind == '8' && letters < t.length) widen(component::weekday, t.position + letters, t.length - letters);
  }

  enum class numeric { two_digits, one_digit, unread };

  // A two-digit component (month, day, hour), or a one-digit one when the token is followed by a
  // delimiter or ends the picture: the date is then moved one place right at the component, so
  // that everything behind it stands where the picture expects it.
  numeric read_numeric(component c, const term& t, std::span<char> field) noexcept {
    const std::size_t p = t.position;
    const char* f = work_.field(p);
    if (digits_value(f, 2) >= 0) {
      std::memcpy(field.data(), f, 2);
      return numeric::two_digits;
    }
    if (scan_.at(p + 2) == picture_scan::flag::delimiter || p + 2 >= scan_.length) {
      widen(c, p, 1);
      field[0] = common::ebcdic::zero;
      field[1] = work_.at(p + 1);
      return numeric::one_digit;
    }
    return numeric::unread;
  }

  // A component not read leaves X'FF' in its digits; no X'FF' means everything was read but the
  // date is not a number.
  void missing_or_not_numeric(std::span<const char> digits) noexcept {
    const bool unread = std::ranges::find(digits, not_read) != digits.end();
    set(unread ? &conditions::date_component_missing : &conditions::date_not_numeric);
  }

  std::int32_t julian_date() noexcept {
    date_fields& fields = tables_.fields;
    std::ranges::copy(fields.year(), fields.julian().begin());
    const std::span<const char> yyyyddd = fields.julian();
    const int year = digits_value(yyyyddd.data(), 4);
    const int ddd = digits_value(yyyyddd.data() + 4, 3);
    if (year < 0 || ddd < 0 || (year == 0 && ddd == 0)) {
      missing_or_not_numeric(yyyyddd);
      return 0;
    }
    const int value = year * 1000 + ddd;
    if (ddd > 365 && !is_leap_year(year)) {
      set(&conditions::date_invalid);
    } else if (value < (mode_ == engine_mode::lilian ? 1582288 : 1601001)) {
      set(&conditions::date_out_of_range);
    } else if (ddd >= 1 && ddd <= 366) {
      const std::int32_t lilian = lilian_from_julian(year, ddd);
      return mode_ == engine_mode::lilian ? lilian : lilian - lilian_of_1600_12_31;
    }
    return 0;
  }

  std::int32_t gregorian_date() noexcept {
    const std::span<const char> yyyymmdd = tables_.fields.gregorian();
    const int year = digits_value(yyyymmdd.data(), 4);
    const int month = digits_value(yyyymmdd.data() + 4, 2);
    const int day = digits_value(yyyymmdd.data() + 6, 2);
    if (year < 0 || month < 0 || day < 0) {
      missing_or_not_numeric(yyyymmdd);
      return 0;
    }
    bool valid = true;
    if (month == 0 || month > 12) {
      set(&conditions::date_invalid);
      valid = false;
    } else if (day == 0 || day > days_in_month(year, month)) {
      set(&conditions::date_invalid);
      valid = false;
    }
    // The range test comes after the validity tests and wins over them.
    const int value = year * 10000 + month * 100 + day;
    if (value < (mode_ == engine_mode::lilian ? 15821015 : 16010101)) {
      set(&conditions::date_out_of_range);
      return 0;
    }
    if (!valid) return 0;
    const std::int32_t lilian = lilian_from_gregorian(year, month, day);
    return mode_ == engine_mode::lilian ? lilian : lilian - lilian_of_1600_12_31;
  }

  std::string_view picture_;
  engine_mode mode_;
  century_start window_;
  picture_tables tables_;
  work_date work_;
  const recorded_picture& recorded_;
  const picture_scan& scan_;
  const common::condition* failure_ = nullptr;
  std::array<std::uint8_t, 4> widened_{};
};

}  // namespace

engine_result read_date(std::string_view date, std::string_view picture, engine_mode mode, century_start window,
                        picture_tables tables) noexcept {
  date = date.substr(0, std::min(date.size(), max_date_length));
  picture = picture.substr(0, std::min(picture.size(), max_picture_length));
  return engine(date, picture, mode, window, tables).run();
}

}  // namespace ovle::datetime
