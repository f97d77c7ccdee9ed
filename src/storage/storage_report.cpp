// The storage report through the SYSOUT line writers, and the heap dump in DUMPFILE.
#include "storage/storage_report.hpp"

#include <algorithm>
#include <cstdint>

#include "common/bytes.hpp"
#include "common/ebcdic.hpp"
#include "common/platform/intrinsics.hpp"
#include "common/platform/platform.hpp"
#include "ovle/ovle.h"
#include "storage/heap_records.hpp"

namespace ovle::storage {
namespace {

using common::ov_le_external;
using stat = ov_le_external::storage_statistic;
using namespace common::ebcdic;

constexpr std::size_t report_width = 121;
constexpr std::size_t dump_width = 95;

// YYYY/MM/DD HH:MI:SS
std::string stamp(const current_date_text& now) {
  const std::string_view d(now.data(), now.size());
  return std::string(d.substr(0, 4)) + "/" + std::string(d.substr(4, 2)) + "/" + std::string(d.substr(6, 2)) + " " +
         std::string(d.substr(8, 2)) + ":" + std::string(d.substr(10, 2)) + ":" + std::string(d.substr(12, 2));
}

// Puts `text` into `line` from column `column` (counted from 1).
void put(std::string& line, std::size_t column, std::string_view text) {
  if (line.size() < column - 1 + text.size()) line.resize(column - 1 + text.size(), ' ');
  line.replace(column - 1, text.size(), text);
}

// The value modulo 10^width as `width` digits with leading zeros.
std::string zero_padded(std::uint64_t value, std::size_t width) {
  std::string digits(width, '0');
  for (std::size_t i = width; i-- > 0; value /= 10) digits[i] = static_cast<char>('0' + value % 10);
  return digits;
}

// ---- storage report ---------------------------------------------------------------------------------

struct report_row {
  std::string_view label;
  stat value;
};

// clang-format off
constexpr report_row heap0_rows[] = {
    {"       Total heap storage used (sugg. initial size):", stat::heap0_high_water},
    {"       Successful Get Heap requests:",                  stat::heap0_gets},
    {"       Successful Free Heap requests:",                 stat::heap0_frees},
    {"       Number of segments allocated:",                  stat::heap0_blocks_allocated},
    {"       Number of segments freed:",                      stat::heap0_blocks_freed},
};
constexpr report_row other_rows[] = {
    {"       Successful Create Heap requests:",  stat::creates},
    {"       Successful Discard Heap requests:", stat::discards},
    {"       Total heap storage used:",          stat::other_high_water},
    {"       Successful Get Heap requests:",     stat::other_gets},
    {"       Successful Free Heap requests:",    stat::other_frees},
    {"       Number of segments allocated:",     stat::other_blocks_allocated},
    {"       Number of segments freed:",         stat::other_blocks_freed},
};
// clang-format on

// A label with its value edited into the nine positions that end at column 71, leading zeros
// suppressed (the high-order digits of a larger value are cut, as a numeric edit would).
std::string value_line(std::string_view label, std::uint32_t value) {
  std::string line(label);
  std::string digits = std::to_string(value % 1000000000u);
  put(line, 72 - 9, std::string(9 - digits.size(), ' ') + digits);
  return line;
}

enum class destination { sysout, named };

// Where the report goes, and the name (EBCDIC, 8 characters) of a named output.
destination report_destination(ov_le_external area, std::string& name) {
  const std::span<char> file = area.message_file();
  const auto all_of = [&](char c) { return std::all_of(file.begin(), file.end(), [c](char x) { return x == c; }); };
  const bool b_or_q =
      area.host_code() == ov_le_external::host_brantley_forge || area.host_code() == ov_le_external::host_quill_works;
  if (area.ide_link_up() || b_or_q) {
    platform::intrinsic::upper_case_ebcdic(file.data(), file.size());
    name.assign(file.data(), file.size());
    if (name == "SYSOUT  "_e || all_of(blank) || all_of('\0')) return destination::sysout;
    return destination::named;
  }
  // Elsewhere the report always goes to a named output; a name never set reads as blank.
  name = all_of(blank) || all_of('\0') ? std::string("HEAP    "_e) : std::string(file.data(), file.size());
  return destination::named;
}

}  // namespace

std::vector<std::string> storage_report_lines(ov_le_external area, const current_date_text& now) {
  std::vector<std::string> lines;
  lines.emplace_back(report_width, '-');
  lines.push_back(" Storage Report for Heaps " + stamp(now));
  lines.emplace_back();
  lines.emplace_back("     HEAP statistics:");
  lines.push_back(value_line("       Initial size", static_cast<std::uint32_t>(area.heap0_initial())));
  lines.push_back(value_line("       Increment size", static_cast<std::uint32_t>(area.heap0_increment())));
  for (const report_row& row : heap0_rows) lines.push_back(value_line(row.label, area.statistic(row.value)));
  lines.emplace_back();
  lines.emplace_back("     Additional Heap statistics:");
  for (const report_row& row : other_rows) lines.push_back(value_line(row.label, area.statistic(row.value)));
  lines.emplace_back();
  lines.emplace_back(" End of Storage Report");
  for (std::string& line : lines) line.resize(report_width, ' ');
  return lines;
}

void write_storage_report(ov_le_external area, bool ascii_caller) noexcept {
  try {
    using writer_program = int(const ovle_int2*, const ovle_int2*, const char*);
    auto* writer = platform::find_program_as<writer_program>(ascii_caller ? "LESSOUTA" : "LESSOUTE");
    if (writer == nullptr) return;
    const auto call = [&](std::int16_t function, std::string_view text) {
      ovle_int2 f, n;
      ovle_int2_set(&f, function);
      ovle_int2_set(&n, static_cast<std::int16_t>(text.size()));
      writer(&f, &n, text.data());
    };
    std::string name;
    const destination to = report_destination(area, name);
    if (to == destination::named) call(1, ascii_caller ? platform::ascii_from_ebcdic(name) : name);
    for (const std::string& line : storage_report_lines(area, platform::current_date())) {
      call(to == destination::named ? 2 : 0, ascii_caller ? line : platform::ebcdic_from_ascii(line));
    }
    if (to == destination::named) call(3, std::string_view(name.data(), 0));
  } catch (...) {
    // The report raises no condition.
  }
}

// ---- heap dump --------------------------------------------------------------------------------------

namespace {

class dump_builder {
 public:
  dump_builder(ov_le_external area, std::vector<std::string>& lines)
      : area_(area),
        lines_(lines),
        stream_(area.stream_id()),
        // No walk can meet more records than the stream holds: a damaged chain cannot loop.
        budget_(area.stream_top() >= first_record_offset ? (area.stream_top() - first_record_offset) / record_size
                                                         : 0) {}

  void header(const current_date_text& now) {
    lines_.emplace_back(81, '-');
    std::string line = stamp(now);
    put(line, 50, "Stream-Top");
    put(line, 62, zero_padded(area_.stream_top(), 9));
    lines_.push_back(line);
    const std::uint32_t head = area_.released_head();
    lines_.emplace_back(head == 0 ? "No Free Stream Blocks" : "Free Stream Blocks");
    std::uint32_t steps = budget_;
    for (std::uint32_t offset = head; offset != 0 && steps-- > 0;) {
      lines_.push_back(zero_padded(offset, 9));
      std::byte next[4];
      if (!platform::read_vfile(stream_, offset, next)) break;
      offset = common::load_native<std::uint32_t>(next);
    }
  }

  void heap(std::size_t slot) {
    std::string line = "Heap";
    const std::int32_t id = area_.slot_heap_id(slot);
    put(line, 9, zero_padded(static_cast<std::uint64_t>(id < 0 ? -static_cast<std::int64_t>(id) : id), 3));
    lines_.push_back(line);
    const std::span<const char> slot_bytes = area_.heap_slot(slot);
    lines_.push_back(
        field(5, "Init-Size", 27, zero_padded(static_cast<std::uint32_t>(area_.slot_initial_size(slot)), 9)));
    lines_.push_back(field(5, "Incr-Size", 27, zero_padded(static_cast<std::uint32_t>(area_.slot_increment(slot)), 9)));
    lines_.push_back(field(5, "Option", 27, platform::ascii_from_ebcdic({slot_bytes.data() + 12, 2})));
    lines_.push_back(field(5, "Used-Block-Offset", 27, zero_padded(area_.slot_first_block(slot), 9)));
    std::uint32_t number = 1;
    for (std::uint32_t offset = area_.slot_first_block(slot); offset != 0 && budget_ > 0; ++number) {
      --budget_;
      record_fields block{};
      if (!read(offset, block)) return;
      this->block(number, offset, block);
      offset = block.next;
    }
  }

 private:
  static std::string field(std::size_t label_column, std::string_view label, std::size_t value_column,
                           std::string_view value) {
    std::string line;
    put(line, label_column, label);
    put(line, value_column, value);
    return line;
  }

  bool read(std::uint32_t offset, record_fields& out) const {
    record_bytes bytes;
    if (!platform::read_vfile(stream_, offset, bytes)) return false;
    out = decode_record(bytes);
    return true;
  }

  void block(std::uint32_t number, std::uint32_t offset, const record_fields& b) {
    std::string line;
    put(line, 5, "Block");
    put(line, 14, zero_padded(number, 3));
    put(line, 22, zero_padded(offset, 9));
    lines_.push_back(line);
    lines_.push_back(field(9, "Block-next", 34, zero_padded(b.next, 9)));
    line = field(9, "Block-mode", 34, zero_padded(b.flag, 9));
    put(line, 47, b.flag == 1 ? "BELOW-THE-LINE" : "ABOVE-THE-LINE");
    lines_.push_back(line);
    lines_.push_back(field(9, "Block-size", 34, zero_padded(b.size, 9)));
    lines_.push_back(field(9, "Block-mem-pointer", 34, zero_padded(b.native, 9)));
    lines_.push_back(field(9, "Block-reg-mem-pointer", 34, zero_padded(b.registered, 9)));
    lines_.push_back(field(9, "Block-subblock-chain", 34, zero_padded(b.last, 9)));
    std::uint32_t n = 1;
    for (std::uint32_t sub = b.last; sub != 0 && budget_ > 0; ++n) {
      --budget_;
      record_fields s{};
      if (!read(sub, s)) return;
      subblock(n, sub, s);
      sub = s.next;
    }
  }

  void subblock(std::uint32_t number, std::uint32_t offset, const record_fields& s) {
    std::string line;
    put(line, 9, "Subblock");
    put(line, 18, zero_padded(number, 9));
    put(line, 28, "(" + zero_padded(offset, 9) + ")");
    lines_.push_back(line);
    lines_.push_back(field(13, "Subblock-next", 41, zero_padded(s.next, 9)));
    line = field(13, "Subblock-type", 41, zero_padded(s.flag, 9));
    put(line, 54, s.flag == 1 ? "ALLOCATED" : "UNALLOCATED:");
    lines_.push_back(line);
    lines_.push_back(field(13, "Subblock-size", 41, zero_padded(s.size, 9)));
    lines_.push_back(field(13, "Subblock-mem-pointer", 41, zero_padded(s.native, 9)));
    lines_.push_back(field(13, "Subblock-reg-mem-pointer", 41, zero_padded(s.registered, 9)));
    lines_.push_back(field(13, "Subblock-offset", 41, zero_padded(s.last, 9)));
  }

  ov_le_external area_;
  std::vector<std::string>& lines_;
  std::uint16_t stream_;
  std::uint32_t budget_;
};

// DUMPFILE opened for extend, or else for output; false when neither works.
bool open_dump_file(platform::line_file& file) {
  const std::string path = platform::output_path("DUMPFILE");
  if (file.open(path, platform::line_file::mode::extend).front() == '0') return true;
  return file.open(path, platform::line_file::mode::output).front() == '0';
}

}  // namespace

std::vector<std::string> heap_dump_lines(ov_le_external area, const current_date_text& now) {
  std::vector<std::string> lines;
  dump_builder dump(area, lines);
  dump.header(now);
  const int slots = std::clamp(area.slot_count(), 0, static_cast<int>(ov_le_external::heap_slot_count));
  for (int slot = 1; slot <= slots; ++slot) dump.heap(static_cast<std::size_t>(slot));
  for (std::string& line : lines) {
    if (line.size() > dump_width) line.resize(dump_width);
  }
  return lines;
}

void dump_heaps(ov_le_external area) noexcept {
  try {
    const std::vector<std::string> lines = heap_dump_lines(area, platform::current_date());
    platform::line_file file;
    if (!open_dump_file(file)) return;
    for (const std::string& line : lines) file.write(line);
    file.close();
  } catch (...) {
    // The dump raises no condition.
  }
}

void dump_comment(std::string_view comment) noexcept {
  try {
    platform::line_file file;
    if (!open_dump_file(file)) return;
    file.write("*> " + std::string(comment.substr(0, 78)));
    file.close();
  } catch (...) {
    // The comment raises no condition.
  }
}

}  // namespace ovle::storage
