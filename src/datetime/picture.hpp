// Date and time picture strings: the one tokenizer of every picture service and the three shared
// tables DELIMITER-TABLE, PICTURE-TERMS and DATE-FIELDS it records into.
//
// The scan is a pure function of the picture text (EBCDIC, as the services hold it) and yields a
// value (`picture_scan`); `picture_tables::record` writes that value into the shared tables, where
// COBOL programs that declare them EXTERNAL find it. Parsing services (CEEDAYS, CEECBLDY, CEESECS)
// and formatting services (CEEDATE, CEEDATM) all go through `scan_picture`.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace ovle::datetime {

// A picture is scanned over its first 100 characters; longer pictures are cut there.
inline constexpr std::size_t max_picture_length = 100;

// The entries of PICTURE-TERMS, in table order.
enum class component : std::uint8_t { year, month, day, weekday, hour, minute, second, fraction, meridian };
inline constexpr std::size_t component_count = 9;
// The variable-width components that get an order digit, in this order.
inline constexpr std::size_t ordered_count = 5;

constexpr std::size_t index_of(component c) noexcept { return static_cast<std::size_t>(c); }

// One entry of PICTURE-TERMS. `kind` is the kind character as the tables define it ('5' for YYYY,
// 'B' for a month name with trailing blanks removed), written here in ASCII for readability; the
// tables hold it in EBCDIC. 0 means the component is absent.
struct term {
  char kind = 0;
  std::uint8_t position = 0;  // 1-based picture position
  std::uint8_t length = 0;    // recorded length (the single W records 2)

  constexpr bool present() const noexcept { return kind != 0; }
  friend constexpr bool operator==(const term&, const term&) = default;
};

// What the scan found in a picture.
struct picture_scan {
  // The values are the flag characters DELIMITER-TABLE holds (EBCDIC space, "N" and "Y").
  enum class flag : std::uint8_t { unscanned = 0x40, token = 0xD5, delimiter = 0xE8 };

  std::size_t length = 0;                      // characters scanned, at most 100
  std::array<flag, max_picture_length> flags;  // per position (index = position - 1), set up to length
  std::array<term, component_count> terms{};

  const term& operator[](component c) const noexcept { return terms[index_of(c)]; }
  // Flag of a 1-based position; positions outside the scanned picture are unscanned.
  flag at(std::size_t position) const noexcept {
    return position >= 1 && position <= length ? flags[position - 1] : flag::unscanned;
  }
  // A picture with no token at all (empty, or every character a delimiter).
  bool has_token() const noexcept;
  // Order digits of year, month, day, weekday and hour (0 = absent), left to right from 1.
  std::array<std::uint8_t, ordered_count> order() const noexcept;
  // The present ordered components, leftmost first.
  struct ordered_list {
    std::array<component, ordered_count> items{};
    std::size_t count = 0;
  };
  ordered_list in_order() const noexcept;
};

// Scans an EBCDIC picture (only its first 100 characters). Every byte value is acceptable input.
picture_scan scan_picture(std::string_view picture) noexcept;

// The token that starts at `p` as the scan sees it, longest first. The formatting services walk
// their output with it, taking only the tokens of the pass at hand.
struct picture_token {
  component entry;
  char kind;            // ASCII kind character, 0 when nothing matched
  std::uint8_t length;  // recorded length
  std::uint8_t width;   // picture characters the token occupies
};
// Precondition: 24 characters are readable at p (no token is longer than 21 characters).
picture_token token_at(const char* p) noexcept;

// ---- The three shared tables, kept in bytes as laid out ---------------------------------------------

// DELIMITER-TABLE, 257 bytes: the picture length (packed decimal, 3 digits) and one flag per
// position: "Y" delimiter, "N" token start, space inside a token or not scanned.
class delimiter_table {
 public:
  static constexpr std::size_t size = 257;
  static constexpr std::string_view name = "DELIMITER-TABLE";
  static constexpr std::size_t flag_count = 255;

  explicit delimiter_table(std::byte* base) noexcept : base_(reinterpret_cast<unsigned char*>(base)) {}
  static delimiter_table attach() noexcept;

  void reset() noexcept;
  // All 257 bytes at once, from an image of the table. The copy goes in 64-byte pieces, which
  // compile to plain vector moves where one block move would cost more to start.
  void assign(const std::array<std::byte, size>& image) noexcept {
    for (std::size_t at = 0; at + 64 <= size; at += 64) std::memcpy(base_ + at, image.data() + at, 64);
    base_[size - 1] = static_cast<unsigned char>(image[size - 1]);
  }
  int picture_length() const noexcept;                   // the packed count, -1 when not valid packed decimal
  void set_picture_length(std::size_t length) noexcept;  // kept modulo 1000
  // EBCDIC flag character of a 1-based position (1 to 255).
  char flag(std::size_t position) const noexcept { return static_cast<char>(base_[1 + position]); }
  void set_flag(std::size_t position, char c) noexcept { base_[1 + position] = static_cast<unsigned char>(c); }
  // The flags of positions 1 to flags.size(), as the scan found them.
  void set_flags(std::span<const picture_scan::flag> flags) noexcept;
  std::span<const std::byte> bytes() const noexcept { return {reinterpret_cast<const std::byte*>(base_), size}; }

 private:
  unsigned char* base_;
};

// PICTURE-TERMS, 66 bytes: per component a kind character, a position (binary for the year,
// zoned decimal for the others), a length and, for the five ordered components, a shift.
class picture_terms {
 public:
  static constexpr std::size_t size = 66;
  static constexpr std::string_view name = "PICTURE-TERMS";

  explicit picture_terms(std::byte* base) noexcept : base_(reinterpret_cast<unsigned char*>(base)) {}
  static picture_terms attach() noexcept;

  void reset() noexcept;
  void assign(const std::array<std::byte, size>& image) noexcept { std::memcpy(base_, image.data(), size); }
  // Kind as stored (EBCDIC character, space when absent).
  char kind(component c) const noexcept { return static_cast<char>(base_[kind_offset(c)]); }
  void set_kind(component c, char ebcdic_kind) noexcept {
    base_[kind_offset(c)] = static_cast<unsigned char>(ebcdic_kind);
  }
  // Position (binary for the year, zoned for the rest); -1 when the zoned digits are not valid.
  int position(component c) const noexcept;
  void set_position(component c, int position) noexcept;
  int length(component c) const noexcept;
  void set_length(component c, int length) noexcept;
  // Shift of the ordered components (year to hour); 0 for the others.
  int shift(component c) const noexcept;
  void set_shift(component c, int shift) noexcept;
  std::span<const std::byte> bytes() const noexcept { return {reinterpret_cast<const std::byte*>(base_), size}; }

  static constexpr std::size_t kind_offset(component c) noexcept {
    constexpr std::size_t offsets[component_count] = {3, 10, 18, 26, 34, 42, 48, 54, 60};
    return offsets[index_of(c)];
  }

 private:
  unsigned char* base_;
};

// DATE-FIELDS, 53 bytes: the components as display digits, the Julian date and seven binary
// components for the timestamp services.
class date_fields {
 public:
  static constexpr std::size_t size = 53;
  static constexpr std::string_view name = "DATE-FIELDS";
  static constexpr std::size_t binary_count = 7;

  explicit date_fields(std::byte* base) noexcept : base_(reinterpret_cast<char*>(base)) {}
  static date_fields attach() noexcept;

  void reset() noexcept;
  std::span<char> year() const noexcept { return {base_ + 0, 4}; }
  std::span<char> month() const noexcept { return {base_ + 4, 2}; }
  std::span<char> day() const noexcept { return {base_ + 6, 2}; }
  std::span<char> gregorian() const noexcept { return {base_ + 0, 8}; }  // YYYYMMDD
  std::span<char> hours() const noexcept { return {base_ + 8, 2}; }
  std::span<char> minutes() const noexcept { return {base_ + 10, 2}; }
  std::span<char> seconds() const noexcept { return {base_ + 12, 2}; }
  std::span<char> milliseconds() const noexcept { return {base_ + 14, 3}; }
  std::span<char> julian() const noexcept { return {base_ + 18, 7}; }  // YYYYDDD
  std::span<char> julian_day() const noexcept { return {base_ + 22, 3}; }
  // Binary components 0 to 6: year, month, day, hours, minutes, seconds, milliseconds (big-endian).
  std::int32_t binary(std::size_t i) const noexcept;
  void set_binary(std::size_t i, std::int32_t value) noexcept;
  // The INT4 of component i, for a service that receives it as an output argument (CEESECI's).
  std::byte* binary_address(std::size_t i) const noexcept { return reinterpret_cast<std::byte*>(base_ + 25 + 4 * i); }
  std::span<const std::byte> bytes() const noexcept { return {reinterpret_cast<const std::byte*>(base_), size}; }

 private:
  char* base_;
};

// A picture as the scan found it, with the bytes of DELIMITER-TABLE and PICTURE-TERMS once reset
// and filled for it (both depend on the picture alone).
struct recorded_picture {
  picture_scan scan;
  picture_scan::ordered_list order;
  bool has_token;
  // Different for every picture recorded in turn, so that what else a service derives from the
  // picture can be kept beside it and known to be current without comparing the text again.
  std::uint64_t generation = 0;
  std::array<std::byte, delimiter_table::size> delimiters;
  std::array<std::byte, picture_terms::size> terms;
};

// The recorded form of a picture (EBCDIC, cut at 100 characters). The last picture seen is kept,
// so a program that reads many dates through one picture has it scanned once. The reference
// stays valid until the next call.
const recorded_picture& record_picture(std::string_view picture) noexcept;

// The three tables together, as every picture service uses them.
struct picture_tables {
  delimiter_table delimiters;
  picture_terms terms;
  date_fields fields;

  static picture_tables attach() noexcept;
  // Reset of all three, then the picture length stored (the start of every picture service).
  void reset(std::size_t picture_length) noexcept;
  // Stores what the scan found: flags and terms (the length was stored by reset).
  void record(const picture_scan& scan) noexcept;
  // Reset and record in one: the two tables take the picture's recorded bytes, DATE-FIELDS is reset.
  void load(const recorded_picture& picture) noexcept;
};

}  // namespace ovle::datetime
