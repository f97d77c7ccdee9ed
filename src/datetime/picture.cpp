// The picture-string scan and the byte layouts of DELIMITER-TABLE, PICTURE-TERMS and DATE-FIELDS.
#include "datetime/picture.hpp"

#include <algorithm>
#include <cstring>

#include "common/bytes.hpp"
#include "common/ebcdic.hpp"
#include "common/platform/platform.hpp"

namespace ovle::datetime {
namespace {

using common::ebcdic::operator""_e;

constexpr char eb(char ascii) { return common::ebcdic::from_ascii(ascii); }

constexpr char blank = common::ebcdic::blank;
constexpr char shift_out = '\x0E';
static_assert(static_cast<char>(picture_scan::flag::token) == eb('N'));
static_assert(static_cast<char>(picture_scan::flag::delimiter) == eb('Y'));
static_assert(static_cast<char>(picture_scan::flag::unscanned) == blank);

// The picture as the scan sees it: blank-padded well past the longest token that can start at
// position 100, so every look-ahead stays inside the buffer.
struct work_picture {
  static constexpr std::size_t capacity = max_picture_length + 24;
  std::array<char, capacity> text;

  // Only the look-ahead past the picture needs blanks: no token is longer than 21 characters.
  explicit work_picture(std::string_view picture) noexcept {
    const std::size_t n = std::min(picture.size(), max_picture_length);
    std::memcpy(text.data(), picture.data(), n);
    std::memset(text.data() + n, blank, 24);
  }
};

using token_match = picture_token;

constexpr token_match no_match{component::year, 0, 0, 0};

constexpr token_match token(component entry, char kind, std::uint8_t length, std::uint8_t width) {
  return {entry, kind, length, width};
}
constexpr token_match token(component entry, char kind, std::uint8_t length) { return {entry, kind, length, length}; }

// True when the EBCDIC text `token` stands at p.
bool starts_with(const char* p, std::string_view token) noexcept {
  return std::memcmp(p, token.data(), token.size()) == 0;
}

// The tables hold the kind character in EBCDIC: a digit or B.
char ebcdic_kind(char kind) noexcept {
  return kind == 'B' ? eb('B') : static_cast<char>(common::ebcdic::zero + (kind - '0'));
}

// The long month and weekday name tokens: the letter followed by a run of the same case (all upper,
// or capitalised), of total length 4 to 20, optionally closed by Z (upper) or z (capitalised) in
// place of the last letter. Trying L = 20 down to 4 with the full form before the Z form comes to
// this: a Z form closing a run of L - 1 letters wins, else the full form over the run (cut at 20).
struct long_name {
  std::uint8_t length;  // 0 when there is none
  bool z_form;
};

template <char Upper, char Lower>
long_name match_long_name(const char* p) noexcept {
  constexpr char upper = eb(Upper);
  constexpr char lower = eb(Lower);
  char repeat;
  char closing;
  if (p[1] == upper) {
    repeat = upper;
    closing = eb('Z');
  } else if (p[1] == lower) {
    repeat = lower;
    closing = eb('z');
  } else {
    return {0, false};
  }
  std::size_t run = 1;  // the leading capital and the letters repeating behind it, at most 20
  while (run < 20 && p[run] == repeat) ++run;
  if (run <= 19 && p[run] == closing && run + 1 >= 4) return {static_cast<std::uint8_t>(run + 1), true};
  if (run >= 4) return {static_cast<std::uint8_t>(run), false};
  return {0, false};
}

}  // namespace

picture_token token_at(const char* p) noexcept {
  const char c = p[0];
  if (c == eb('Z')) {
    if (starts_with(p, "ZYY"_e)) return token(component::year, '4', 3);
    if (starts_with(p, "ZM"_e)) return token(component::month, '2', 2);
    if (starts_with(p, "ZD"_e)) return token(component::day, '2', 2);
    if (starts_with(p, "ZH"_e)) return token(component::hour, '2', 2);
    return no_match;
  }
  if (c == eb('Y')) {
    if (starts_with(p, "YYYY"_e)) return token(component::year, '5', 4);
    if (starts_with(p, "YYY"_e)) return token(component::year, '3', 3);
    if (starts_with(p, "YY"_e)) return token(component::year, '2', 2);
    return token(component::year, '1', 1);
  }
  if (c == eb('M')) {
    if (const long_name n = match_long_name<'M', 'm'>(p); n.length != 0) {
      return token(component::month, n.z_form ? 'B' : '7', n.length);
    }
    if (starts_with(p, "MMM"_e)) return token(component::month, '5', 3);
    if (starts_with(p, "Mmm"_e)) return token(component::month, '6', 3);
    if (starts_with(p, "MM"_e)) return token(component::month, '1', 2);
    if (starts_with(p, "MI"_e)) return token(component::minute, '1', 2);
    return no_match;
  }
  if (c == eb('R')) {
    if (starts_with(p, "RRRR"_e)) return token(component::month, '3', 4);
    if (starts_with(p, "RRRZ"_e)) return token(component::month, '4', 4);
    return no_match;
  }
  if (c == eb('D')) {
    if (starts_with(p, "DDD"_e)) return token(component::day, '3', 3);
    if (starts_with(p, "DD"_e)) return token(component::day, '1', 2);
    return no_match;
  }
  if (c == eb('W')) {
    if (const long_name n = match_long_name<'W', 'w'>(p); n.length != 0) {
      return token(component::weekday, n.z_form ? '8' : '4', n.length);
    }
    if (starts_with(p, "WWW"_e)) return token(component::weekday, '2', 3);
    if (starts_with(p, "Www"_e)) return token(component::weekday, '3', 3);
    return token(component::weekday, '1', 2, 1);
  }
  if (c == shift_out) {
    // The closing shift-in is not looked at, but it belongs to the token.
    if (starts_with(p + 1, "CCCCCCCC"_e)) return token(component::year, '8', 10);
    if (starts_with(p + 1, "CCCC"_e)) return token(component::year, '7', 6);
    if (starts_with(p + 1, "JJJJ"_e)) return token(component::year, '6', 6);
    return no_match;
  }
  if (c == eb('H')) return starts_with(p, "HH"_e) ? token(component::hour, '1', 2) : no_match;
  if (c == eb('S')) return starts_with(p, "SS"_e) ? token(component::second, '1', 2) : no_match;
  if (c == eb('9')) {
    if (starts_with(p, "999"_e)) return token(component::fraction, '3', 3);
    if (starts_with(p, "99"_e)) return token(component::fraction, '2', 2);
    return token(component::fraction, '1', 1);
  }
  if (c == eb('A')) {
    if (starts_with(p, "AP"_e)) return token(component::meridian, '1', 2);
    if (starts_with(p, "A.P."_e)) return token(component::meridian, '3', 4);
    return no_match;
  }
  if (c == eb('a')) {
    if (starts_with(p, "ap"_e)) return token(component::meridian, '2', 2);
    if (starts_with(p, "a.p."_e)) return token(component::meridian, '4', 4);
    return no_match;
  }
  return no_match;
}

namespace {

// Zoned decimal positions of three digits, as PICTURE-TERMS keeps them; -1 when not valid.
void store_zoned3(unsigned char* p, int value) noexcept { common::store_zoned(p, 3, value % 1000); }
int load_zoned3(const unsigned char* p) noexcept {
  const auto v = common::load_zoned(p, 3);
  return v && *v >= 0 ? static_cast<int>(*v) : -1;
}

}  // namespace

// ---- Scan -------------------------------------------------------------------------------------------

picture_scan scan_picture(std::string_view picture) noexcept {
  picture_scan scan;
  const work_picture work(picture);
  scan.length = std::min(picture.size(), max_picture_length);
  for (std::size_t n = 1; n <= scan.length;) {
    const token_match m = token_at(work.text.data() + (n - 1));
    if (m.kind == 0) {
      scan.flags[n - 1] = picture_scan::flag::delimiter;
      ++n;
      continue;
    }
    scan.flags[n - 1] = picture_scan::flag::token;
    scan.terms[index_of(m.entry)] = term{m.kind, static_cast<std::uint8_t>(n), m.length};
    // The rest of the token is not scanned (an era token may reach past the picture's end).
    const std::size_t inside = std::min<std::size_t>(m.width - 1u, scan.length - n);
    std::memset(scan.flags.data() + n, static_cast<int>(picture_scan::flag::unscanned), inside);
    n += m.width;
  }
  return scan;
}

bool picture_scan::has_token() const noexcept {
  return std::any_of(flags.begin(), flags.begin() + static_cast<std::ptrdiff_t>(length),
                     [](flag f) { return f == flag::token; });
}

std::array<std::uint8_t, ordered_count> picture_scan::order() const noexcept {
  std::array<std::uint8_t, ordered_count> digits{};
  for (std::size_t i = 0; i < ordered_count; ++i) {
    if (!terms[i].present()) continue;
    std::uint8_t digit = 1;
    for (std::size_t j = 0; j < ordered_count; ++j) {
      if (j != i && terms[j].present() && terms[j].position < terms[i].position) ++digit;
    }
    digits[i] = digit;
  }
  return digits;
}

picture_scan::ordered_list picture_scan::in_order() const noexcept {
  ordered_list list;
  for (std::size_t i = 0; i < ordered_count; ++i) {
    if (!terms[i].present()) continue;
    // Insertion by position: at most five entries, all at different positions.
    std::size_t k = list.count++;
    for (; k > 0 && terms[index_of(list.items[k - 1])].position > terms[i].position; --k) {
      list.items[k] = list.items[k - 1];
    }
    list.items[k] = static_cast<component>(i);
  }
  return list;
}

// ---- DELIMITER-TABLE --------------------------------------------------------------------------------

delimiter_table delimiter_table::attach() noexcept {
  static std::byte* const base = platform::external_area(name, size);
  return delimiter_table(base);
}

void delimiter_table::reset() noexcept {
  common::store_packed(base_, 2, 0);
  std::memset(base_ + 2, blank, flag_count);
}

void delimiter_table::set_flags(std::span<const picture_scan::flag> flags) noexcept {
  std::memcpy(base_ + 2, flags.data(), std::min(flags.size(), flag_count));
}

void delimiter_table::set_picture_length(std::size_t length) noexcept {
  common::store_packed(base_, 2, static_cast<std::int64_t>(length % 1000));
}

int delimiter_table::picture_length() const noexcept {
  const auto v = common::load_packed(base_, 2);
  return v && *v >= 0 ? static_cast<int>(*v) : -1;
}

// ---- PICTURE-TERMS ----------------------------------------------------------------------------------

namespace {
constexpr std::size_t position_width(component c) noexcept { return c == component::year ? 2 : 3; }
constexpr std::size_t length_offset(component c) noexcept {
  return picture_terms::kind_offset(c) + 1 + position_width(c);
}
constexpr bool has_shift(component c) noexcept { return index_of(c) < ordered_count; }
static_assert(length_offset(component::meridian) + 2 == picture_terms::size);
static_assert(length_offset(component::hour) + 4 == picture_terms::kind_offset(component::minute));
}  // namespace

picture_terms picture_terms::attach() noexcept {
  static std::byte* const base = platform::external_area(name, size);
  return picture_terms(base);
}

void picture_terms::reset() noexcept {
  static constexpr std::array<unsigned char, size> reset_image = [] {
    std::array<unsigned char, size> image{};
    image[0] = static_cast<unsigned char>(blank);
    common::store_packed(image.data() + 1, 2, 0);
    for (std::size_t i = 0; i < component_count; ++i) {
      const auto c = static_cast<component>(i);
      image[kind_offset(c)] = static_cast<unsigned char>(blank);
      // Zoned +000; the binary fields stay zero.
      if (c != component::year) common::store_zoned(image.data() + kind_offset(c) + 1, 3, 0);
    }
    return image;
  }();
  std::memcpy(base_, reset_image.data(), size);
}

int picture_terms::position(component c) const noexcept {
  const unsigned char* p = base_ + kind_offset(c) + 1;
  return c == component::year ? common::load_int2(p) : load_zoned3(p);
}

void picture_terms::set_position(component c, int position) noexcept {
  unsigned char* p = base_ + kind_offset(c) + 1;
  if (c == component::year) {
    common::store_int2(p, static_cast<std::int16_t>(position));
  } else {
    store_zoned3(p, position);
  }
}

int picture_terms::length(component c) const noexcept { return common::load_int2(base_ + length_offset(c)); }

void picture_terms::set_length(component c, int length) noexcept {
  common::store_int2(base_ + length_offset(c), static_cast<std::int16_t>(length));
}

int picture_terms::shift(component c) const noexcept {
  return has_shift(c) ? common::load_int2(base_ + length_offset(c) + 2) : 0;
}

void picture_terms::set_shift(component c, int shift) noexcept {
  if (has_shift(c)) common::store_int2(base_ + length_offset(c) + 2, static_cast<std::int16_t>(shift));
}

// ---- DATE-FIELDS ------------------------------------------------------------------------------------

date_fields date_fields::attach() noexcept {
  static std::byte* const base = platform::external_area(name, size);
  return date_fields(base);
}

void date_fields::reset() noexcept {
  // Offset 17 is unused and keeps whatever it holds.
  std::memset(base_, common::ebcdic::zero, 17);
  std::memset(base_ + 18, common::ebcdic::zero, 7);
  std::memset(base_ + 25, 0, binary_count * 4);
}

std::int32_t date_fields::binary(std::size_t i) const noexcept { return common::load_int4(base_ + 25 + 4 * i); }
void date_fields::set_binary(std::size_t i, std::int32_t value) noexcept {
  common::store_int4(base_ + 25 + 4 * i, value);
}

// ---- The three together -----------------------------------------------------------------------------

picture_tables picture_tables::attach() noexcept {
  static const picture_tables tables{delimiter_table::attach(), picture_terms::attach(), date_fields::attach()};
  return tables;
}

void picture_tables::reset(std::size_t picture_length) noexcept {
  delimiters.reset();
  terms.reset();
  fields.reset();
  delimiters.set_picture_length(picture_length);
}

void picture_tables::record(const picture_scan& scan) noexcept {
  delimiters.set_flags(std::span(scan.flags.data(), scan.length));
  for (std::size_t i = 0; i < component_count; ++i) {
    const term& t = scan.terms[i];
    if (!t.present()) continue;
    const auto c = static_cast<component>(i);
    terms.set_kind(c, ebcdic_kind(t.kind));
    terms.set_position(c, t.position);
    terms.set_length(c, t.length);
  }
}

}  // namespace ovle::datetime

namespace ovle::datetime {

const recorded_picture& record_picture(std::string_view picture) noexcept {
  struct cache {
    std::array<char, max_picture_length> text{};
    std::size_t length = 0;
    bool filled = false;
    recorded_picture recorded;
  };
  static cache* const last = new cache();
  picture = picture.substr(0, std::min(picture.size(), max_picture_length));
  if (last->filled && last->length == picture.size() &&
      std::memcmp(last->text.data(), picture.data(), picture.size()) == 0) {
    return last->recorded;
  }
  recorded_picture& r = last->recorded;
  r.scan = scan_picture(picture);
  r.order = r.scan.in_order();
  r.has_token = r.scan.has_token();
  ++r.generation;
  picture_tables image{delimiter_table(r.delimiters.data()), picture_terms(r.terms.data()), date_fields(nullptr)};
  image.delimiters.reset();
  image.delimiters.set_picture_length(picture.size());
  image.terms.reset();
  image.record(r.scan);
  std::memcpy(last->text.data(), picture.data(), picture.size());
  last->length = picture.size();
  last->filled = true;
  return r;
}

void picture_tables::load(const recorded_picture& picture) noexcept {
  delimiters.assign(picture.delimiters);
  terms.assign(picture.terms);
  fields.reset();
}

}  // namespace ovle::datetime
