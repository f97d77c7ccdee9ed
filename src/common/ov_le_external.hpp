// OV-LE-EXTERNAL: the process-wide run-time area, kept in bytes as laid out, behind named fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "common/bytes.hpp"
#include "common/ebcdic.hpp"

namespace ovle::common {

class ov_le_external {
 public:
  static constexpr std::size_t size = 18771;
  static constexpr std::string_view name = "OV-LE-EXTERNAL";

  // Field offsets. Characters are EBCDIC; INT2/INT4 big-endian.
  struct offset {
    static constexpr std::size_t host_code = 0;               // "B", "Q", "H" or blank
    static constexpr std::size_t state = 1;                   // "Y" initialized, "N" re-init requested
    static constexpr std::size_t init_date_time = 2;          // 21 characters, as CURRENT-DATE
    static constexpr std::size_t parameter_string = 23;       // 100 characters
    static constexpr std::size_t gmt_sign = 123;              // "0", "+" or "-"
    static constexpr std::size_t gmt_hhmm = 124;              // 4 digits
    static constexpr std::size_t country_count = 129;         // INT2
    static constexpr std::size_t country_stack = 131;         // 99 x 2 characters
    static constexpr std::size_t language_count = 329;        // INT2
    static constexpr std::size_t language_stack = 331;        // 99 x 3 characters
    static constexpr std::size_t language_number = 628;       // 2 digits, 01-14
    static constexpr std::size_t century_window = 630;        // 2 digits
    static constexpr std::size_t window_start_yy = 632;       // 2 digits
    static constexpr std::size_t window_start_cc = 634;       // 2 digits
    static constexpr std::size_t user_field_1 = 641;          // INT4
    static constexpr std::size_t user_field_2 = 645;          // INT4
    static constexpr std::size_t host_is_ide_host = 649;      // binary flag 0/1
    static constexpr std::size_t ide_link_up = 650;           // binary flag 0/1
    static constexpr std::size_t heap_initial = 651;          // 8 digits
    static constexpr std::size_t heap_increment = 659;        // 8 digits
    static constexpr std::size_t heap_location = 667;         // "0" or "1"
    static constexpr std::size_t heap_keep_free = 668;        // "0" or "1"
    static constexpr std::size_t heap_below_initial = 669;    // 8 digits
    static constexpr std::size_t heap_below_increment = 677;  // 8 digits
    static constexpr std::size_t storage_heap_switch = 685;   // "0"/"1"
    static constexpr std::size_t storage_free_switch = 686;   // "0"/"1"
    static constexpr std::size_t storage_heap_fill = 687;     // fill byte
    static constexpr std::size_t storage_free_fill = 688;     // fill byte
    static constexpr std::size_t all31 = 689;
    static constexpr std::size_t rptstg = 690;
    static constexpr std::size_t rptopts = 691;
    static constexpr std::size_t cblopts = 692;
    static constexpr std::size_t message_file = 693;        // 8 characters
    static constexpr std::size_t heap0_initial = 705;       // INT4
    static constexpr std::size_t heap0_increment = 709;     // INT4
    static constexpr std::size_t storage_statistics = 713;  // 14 x 4-byte binary
    static constexpr std::size_t stream_id = 769;           // 2-byte binary
    static constexpr std::size_t stream_status = 771;       // 2-byte binary
    static constexpr std::size_t stream_top = 773;          // 4-byte binary
    static constexpr std::size_t released_chain = 777;      // 8 bytes
    static constexpr std::size_t slot_count = 785;          // packed decimal, 3 digits
    static constexpr std::size_t registry_cursor = 787;     // 2-byte binary
    static constexpr std::size_t heap_slots = 789;          // 999 x 18
  };
  static constexpr std::size_t country_stack_entries = 99;
  static constexpr std::size_t language_stack_entries = 99;
  static constexpr std::size_t heap_slot_size = 18;
  static constexpr std::size_t heap_slot_count = 999;
  static_assert(offset::heap_slots + heap_slot_count * heap_slot_size == size);

  // EBCDIC values of the state and host-code bytes.
  static constexpr char initialized = '\xE8';          // "Y"
  static constexpr char reinit_requested = '\xD5';     // "N"
  static constexpr char host_brantley_forge = '\xC2';  // "B"
  static constexpr char host_quill_works = '\xD8';     // "Q"
  static constexpr char host_harbinger = '\xC8';       // "H"
  static constexpr char host_unrecognized = '\x40';    // blank

  explicit ov_le_external(std::byte* base) noexcept : base_(reinterpret_cast<char*>(base)) {}

  // The process's area (attached once, never freed). Constant-initialized: no guard on the way.
  static ov_le_external attach() noexcept {
    static constinit std::byte* base = nullptr;
    if (base == nullptr) base = attach_first();
    return ov_le_external(base);
  }
  static std::byte* attach_first() noexcept;

  char* at(std::size_t off) const noexcept { return base_ + off; }
  std::span<char> field(std::size_t off, std::size_t width) const noexcept { return {base_ + off, width}; }
  std::span<std::byte> bytes() const noexcept { return {reinterpret_cast<std::byte*>(base_), size}; }

  char host_code() const noexcept { return base_[offset::host_code]; }
  void set_host_code(char c) const noexcept { base_[offset::host_code] = c; }
  bool is_initialized() const noexcept { return base_[offset::state] == initialized; }
  char state() const noexcept { return base_[offset::state]; }
  void set_state(char c) const noexcept { base_[offset::state] = c; }

  std::span<char> init_date_time() const noexcept { return field(offset::init_date_time, 21); }
  std::span<char> parameter_string() const noexcept { return field(offset::parameter_string, 100); }

  std::int16_t country_count() const noexcept { return load_int2(at(offset::country_count)); }
  void set_country_count(std::int16_t n) const noexcept { store_int2(at(offset::country_count), n); }
  // Entry i of the country stack, counted from 1.
  std::span<char> country(std::size_t i) const noexcept { return field(offset::country_stack + (i - 1) * 2, 2); }
  std::int16_t language_count() const noexcept { return load_int2(at(offset::language_count)); }
  void set_language_count(std::int16_t n) const noexcept { store_int2(at(offset::language_count), n); }
  std::span<char> language(std::size_t i) const noexcept { return field(offset::language_stack + (i - 1) * 3, 3); }

  // Two digits, 01 to 14 once set; 00 after the first initialization.
  std::int64_t language_number() const noexcept { return digits(offset::language_number, 2); }
  void set_language_number(int n) const noexcept { store_digits(offset::language_number, 2, n); }

  std::span<char> century_window() const noexcept { return field(offset::century_window, 2); }
  // The window and its first year's "yy" as zero digits, before the window is computed.
  void clear_century_window() const noexcept {
    store_digits(offset::century_window, 2, 0);
    store_digits(offset::window_start_yy, 2, 0);
  }
  std::span<char> window_start_yy() const noexcept { return field(offset::window_start_yy, 2); }
  std::span<char> window_start_cc() const noexcept { return field(offset::window_start_cc, 2); }

  // Stores the century window `start` (0 to 100, kept modulo 100) and the first year of the
  // 100-year window that begins that many years before `current_year`.
  void set_century_window(int start, int current_year) const noexcept {
    const int w = start % 100;
    const int cc = current_year / 100 % 100;
    const int yy = current_year % 100;
    store_digits(offset::century_window, 2, w);
    store_digits(offset::window_start_yy, 2, w <= yy ? yy - w : yy + 100 - w);
    store_digits(offset::window_start_cc, 2, w <= yy ? cc : cc - 1);
  }

  // An unsigned number as `width` EBCDIC display digits, and back (-1 when not all digits).
  void store_digits(std::size_t off, std::size_t width, std::int64_t value) const noexcept {
    ebcdic::store_digits(base_ + off, width, value);
  }
  std::int64_t digits(std::size_t off, std::size_t width) const noexcept {
    return ebcdic::load_digits(base_ + off, width);
  }

  std::int32_t user_field(int which) const noexcept {
    return load_int4(at(which == 1 ? offset::user_field_1 : offset::user_field_2));
  }
  void set_user_field(int which, std::int32_t v) const noexcept {
    store_int4(at(which == 1 ? offset::user_field_1 : offset::user_field_2), v);
  }

  bool host_is_ide_host() const noexcept { return base_[offset::host_is_ide_host] == 1; }
  void set_host_is_ide_host(bool on) const noexcept { base_[offset::host_is_ide_host] = on ? 1 : 0; }
  bool ide_link_up() const noexcept { return base_[offset::ide_link_up] == 1; }
  void set_ide_link_up(bool on) const noexcept { base_[offset::ide_link_up] = on ? 1 : 0; }

  // The GMT offset, sign and hhmm, as five characters.
  std::span<char> gmt_offset() const noexcept { return field(offset::gmt_sign, 5); }

  // A HEAP size at one of its display fields (heap_initial, heap_increment, heap_below_initial,
  // heap_below_increment): eight digits.
  std::int64_t heap_size(std::size_t off) const noexcept { return digits(off, 8); }
  void set_heap_size(std::size_t off, std::int64_t bytes) const noexcept { store_digits(off, 8, bytes); }

  // A run-time option digit (heap_location, heap_keep_free, the switches at 685 and 686, all31,
  // rptstg, rptopts, cblopts): EBCDIC "1" is on, "0" off; an IDE may leave another digit.
  bool option_on(std::size_t off) const noexcept { return base_[off] == ebcdic::digit(1); }
  void set_option(std::size_t off, bool on) const noexcept { base_[off] = ebcdic::digit(on ? 1 : 0); }
  void set_option_digit(std::size_t off, int digit) const noexcept { base_[off] = ebcdic::digit(digit % 10); }
  // The STORAGE fill bytes (storage_heap_fill, storage_free_fill), held as the byte itself.
  char fill_byte(std::size_t off) const noexcept { return base_[off]; }
  void set_fill_byte(std::size_t off, char byte) const noexcept { base_[off] = byte; }

  // The message file: where CEEMOUT and the storage report write ("SYSOUT", blanks or low-values
  // for the SYSOUT stream, otherwise the name of an output).
  std::span<char, 8> message_file() const noexcept { return std::span<char, 8>(at(offset::message_file), 8); }

  std::int32_t heap0_initial() const noexcept { return load_int4(at(offset::heap0_initial)); }
  void set_heap0_initial(std::int32_t v) const noexcept { store_int4(at(offset::heap0_initial), v); }
  std::int32_t heap0_increment() const noexcept { return load_int4(at(offset::heap0_increment)); }
  void set_heap0_increment(std::int32_t v) const noexcept { store_int4(at(offset::heap0_increment), v); }

  // The binary storage fields from heap 0's sizes to the statistics (offsets 705 to 768), zeroed.
  void clear_storage_binaries() const noexcept {
    std::memset(at(offset::heap0_initial), 0, offset::stream_id - offset::heap0_initial);
  }

  std::uint16_t stream_id() const noexcept { return static_cast<std::uint16_t>(load_int2(at(offset::stream_id))); }
  void set_stream_id(std::uint16_t id) const noexcept {
    store_int2(at(offset::stream_id), static_cast<std::int16_t>(id));
  }
  // The stream top and the released-record chain are binaries in the run-time's own (native,
  // little-endian) order: X'04000000' is offset 4, where the first record goes, so that a record
  // offset of 0 can mean "none".
  std::uint32_t stream_top() const noexcept { return load_native<std::uint32_t>(at(offset::stream_top)); }
  void set_stream_top(std::uint32_t top) const noexcept { store_native(at(offset::stream_top), top); }
  std::span<char> released_chain() const noexcept { return field(offset::released_chain, 8); }

  // Number of heap registry slots in use: packed decimal, 3 digits; -1 when not valid packed.
  int slot_count() const noexcept {
    const auto v = load_packed(reinterpret_cast<const unsigned char*>(at(offset::slot_count)), 2);
    return v ? static_cast<int>(*v) : -1;
  }
  void set_slot_count(int n) const noexcept {
    store_packed(reinterpret_cast<unsigned char*>(at(offset::slot_count)), 2, n);
  }

  std::span<char> heap_slot(std::size_t i) const noexcept {
    return field(offset::heap_slots + (i - 1) * heap_slot_size, heap_slot_size);
  }
  // Registry slot i (from 1) describing a heap with no block yet: heap ID, initial size and
  // increment (INT4), the options as two EBCDIC digits, first block record 0.
  void set_empty_heap_slot(std::size_t i, std::int32_t heap_id, std::int32_t initial, std::int32_t increment,
                           int options) const noexcept {
    char* slot = heap_slot(i).data();
    store_int4(slot, heap_id);
    store_int4(slot + 4, initial);
    store_int4(slot + 8, increment);
    ebcdic::store_digits(slot + 12, 2, options % 100);
    std::memset(slot + 14, 0, 4);
  }

  // ---- Storage: the HEAP and STORAGE settings, the statistics and the heap registry ----

  // HEAP option sizes as OV-PIPI stored them (eight display digits), -1 when not digits.
  std::int64_t heap_initial_above() const noexcept { return digits(offset::heap_initial, 8); }
  std::int64_t heap_increment_above() const noexcept { return digits(offset::heap_increment, 8); }
  std::int64_t heap_initial_below() const noexcept { return digits(offset::heap_below_initial, 8); }
  std::int64_t heap_increment_below() const noexcept { return digits(offset::heap_below_increment, 8); }
  void set_heap_sizes(std::int64_t initial, std::int64_t increment, std::int64_t below_initial,
                      std::int64_t below_increment) const noexcept {
    store_digits(offset::heap_initial, 8, initial);
    store_digits(offset::heap_increment, 8, increment);
    store_digits(offset::heap_below_initial, 8, below_initial);
    store_digits(offset::heap_below_increment, 8, below_increment);
  }
  // The one-character switches of the HEAP, STORAGE and ALL31 options, EBCDIC "0" or "1".
  char heap_location() const noexcept { return base_[offset::heap_location]; }
  void set_heap_location(char c) const noexcept { base_[offset::heap_location] = c; }
  char heap_keep_free() const noexcept { return base_[offset::heap_keep_free]; }
  void set_heap_keep_free(char c) const noexcept { base_[offset::heap_keep_free] = c; }
  char all31() const noexcept { return base_[offset::all31]; }
  void set_all31(char c) const noexcept { base_[offset::all31] = c; }
  // STORAGE: a switch ("1" on) and a fill byte each for new elements and for freed ones.
  bool heap_fill_on() const noexcept { return base_[offset::storage_heap_switch] == ebcdic::digit(1); }
  bool free_fill_on() const noexcept { return base_[offset::storage_free_switch] == ebcdic::digit(1); }
  char heap_fill_byte() const noexcept { return base_[offset::storage_heap_fill]; }
  char free_fill_byte() const noexcept { return base_[offset::storage_free_fill]; }
  void set_heap_fill(bool on, char fill) const noexcept {
    base_[offset::storage_heap_switch] = ebcdic::digit(on ? 1 : 0);
    base_[offset::storage_heap_fill] = fill;
  }
  void set_free_fill(bool on, char fill) const noexcept {
    base_[offset::storage_free_switch] = ebcdic::digit(on ? 1 : 0);
    base_[offset::storage_free_fill] = fill;
  }
  // The storage statistics, 4-byte big-endian counts, in the order of the storage report.
  enum class storage_statistic : std::size_t {
    heap0_high_water = 713,
    heap0_gets = 717,
    heap0_frees = 721,
    heap0_blocks_allocated = 725,
    heap0_blocks_freed = 729,
    heap0_in_use = 733,
    creates = 737,
    discards = 741,
    other_high_water = 745,
    other_gets = 749,
    other_frees = 753,
    other_blocks_allocated = 757,
    other_blocks_freed = 761,
    other_in_use = 765,
  };
  std::uint32_t statistic(storage_statistic s) const noexcept {
    return static_cast<std::uint32_t>(load_int4(at(static_cast<std::size_t>(s))));
  }
  void set_statistic(storage_statistic s, std::uint32_t v) const noexcept {
    store_int4(at(static_cast<std::size_t>(s)), static_cast<std::int32_t>(v));
  }

  // The head of the chain of released heap records (native order, like the stream top; 0: empty).
  std::uint32_t released_head() const noexcept { return load_native<std::uint32_t>(at(offset::released_chain)); }
  void set_released_head(std::uint32_t record) const noexcept { store_native(at(offset::released_chain), record); }
  // The registry slot being worked on, 2-byte binary like the stream identifier.
  std::int16_t registry_cursor() const noexcept { return load_int2(at(offset::registry_cursor)); }
  void set_registry_cursor(std::int16_t slot) const noexcept { store_int2(at(offset::registry_cursor), slot); }

  // Fields of registry slot i (from 1): heap ID, initial size and increment big-endian, the options
  // as two EBCDIC digits (-1 when not digits), and the record offset of the heap's first block in
  // native order, like every record offset of the heap record stream.
  std::int32_t slot_heap_id(std::size_t i) const noexcept { return load_int4(heap_slot(i).data()); }
  void set_slot_heap_id(std::size_t i, std::int32_t id) const noexcept { store_int4(heap_slot(i).data(), id); }
  std::int32_t slot_initial_size(std::size_t i) const noexcept { return load_int4(heap_slot(i).data() + 4); }
  std::int32_t slot_increment(std::size_t i) const noexcept { return load_int4(heap_slot(i).data() + 8); }
  int slot_options(std::size_t i) const noexcept {
    return static_cast<int>(ebcdic::load_digits(heap_slot(i).data() + 12, 2));
  }
  std::uint32_t slot_first_block(std::size_t i) const noexcept {
    return load_native<std::uint32_t>(heap_slot(i).data() + 14);
  }
  void set_slot_first_block(std::size_t i, std::uint32_t record) const noexcept {
    store_native(heap_slot(i).data() + 14, record);
  }

 private:
  char* base_;
};

}  // namespace ovle::common
