// The reference model of the user heaps: blocks and subblocks in vectors, walked front to back as
// first fit is described, and the comparison of everything the library publishes (the registry, the
// statistics, the heap record stream) with it. The unit tests and the heap fuzz harness drive it
// through the C entries.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/ov_le_external.hpp"
#include "common/platform/platform.hpp"
#include "storage/heap_records.hpp"

namespace ovle::heap_model {

using stat = common::ov_le_external::storage_statistic;
using storage::record_offset;

constexpr char e0 = '\xF0', e1 = '\xF1';

struct settings {
  char all31, location, keep;
  std::int64_t above_initial, above_increment, below_initial, below_increment;
  bool heap_fill;
  char heap_byte;
  bool free_fill;
  char free_byte;
};

// The settings put in place in the area, after the initialization.
inline void apply(const settings& s, common::ov_le_external area) {
  area.set_heap_sizes(s.above_initial, s.above_increment, s.below_initial, s.below_increment);
  area.set_all31(s.all31);
  area.set_heap_location(s.location);
  area.set_heap_keep_free(s.keep);
  area.set_heap_fill(s.heap_fill, s.heap_byte);
  area.set_free_fill(s.free_fill, s.free_byte);
}

// ---- the model: blocks and subblocks in vectors, walked front to back --------------------------------

struct model_sub {
  std::uint32_t offset, size;
  bool allocated;
  std::uint32_t record;
};
struct model_block {
  int placement;  // 1 below, 2 above
  std::uint32_t size, record;
  std::vector<model_sub> subs;  // address order
  std::uintptr_t base = 0;      // learned from the first element the library hands out in it
};
struct model_heap {
  std::int32_t id = -1, initial = 0, increment = 0;
  int options = 0;
  std::vector<int> blocks;  // chain order, the newest first
};
struct place {
  int block;
  std::uint32_t offset;
};

class model {
 public:
  explicit model(const settings& s, std::int32_t heap0_initial, std::int32_t heap0_increment)
      : s_(s), heap0_initial_(heap0_initial), heap0_increment_(heap0_increment) {
    heaps_.resize(1);
    heaps_[0].id = 0;
  }

  int create(std::int32_t initial, std::int32_t increment, std::int32_t options, std::int32_t& id) {
    // A size whose rounding to 4096 leaves the 4-byte range is as invalid as a negative one.
    const auto fits = [](std::int32_t v) { return v >= 0 && (std::int64_t{v} + 4095) / 4096 * 4096 <= INT32_MAX; };
    if (!fits(initial)) return 804;
    if (!fits(increment)) return 805;
    if (options != 0 && options != 1 && (options < 70 || options > 80)) return 806;
    std::size_t slot = 0;
    while (slot < heaps_.size() && heaps_[slot].id != -1) ++slot;
    if (slot == heaps_.size()) {
      if (slot == 999) return 813;
      heaps_.emplace_back();
    }
    heaps_[slot] = {static_cast<std::int32_t>(slot), round(initial, 4096), round(increment, 4096), options, {}};
    id = heaps_[slot].id;
    ++stat_at(stat::creates);
    return 0;
  }

  int get(std::int32_t id, std::int32_t size, place& at) {
    if (size <= 0) return 808;
    if (id < 0 || id >= static_cast<std::int32_t>(heaps_.size()) || heaps_[id].id != id) return 803;
    if ((std::int64_t{size} + 7) / 8 * 8 > INT32_MAX) return 813;
    at = get_in(id, round(size, 8));
    ++stat_at(id == 0 ? stat::heap0_gets : stat::other_gets);
    return 0;
  }

  // Returns the heap the element belonged to.
  int free(place at) {
    const int id = free_in(at);
    ++stat_at(id == 0 ? stat::heap0_frees : stat::other_frees);
    return id;
  }

  // Returns whether the element moved; `at` is then its new place.
  bool resize(place& at, std::int32_t size) {
    const auto r = static_cast<std::uint32_t>(round(size, 8));
    model_block& b = blocks_[at.block];
    const std::size_t i = index_of(b, at.offset);
    if (r == b.subs[i].size) return false;
    if (r < b.subs[i].size) {
      model_sub tail{at.offset + r, b.subs[i].size - r, false, take()};
      b.subs[i].size = r;
      if (i + 1 < b.subs.size() && !b.subs[i + 1].allocated) {
        tail.size += b.subs[i + 1].size;
        release(b.subs[i + 1].record);
        b.subs.erase(b.subs.begin() + static_cast<std::ptrdiff_t>(i) + 1);
      }
      b.subs.insert(b.subs.begin() + static_cast<std::ptrdiff_t>(i) + 1, tail);
      return false;
    }
    const int id = free_in(at);
    at = get_in(id, r);
    return true;
  }

  int discard(std::int32_t id) {
    if (id == 0) return 812;
    if (id < 0 || id >= static_cast<std::int32_t>(heaps_.size()) || heaps_[id].id != id) return 803;
    for (int b : heaps_[id].blocks) release_block_records(blocks_[b]);
    heaps_[id] = model_heap{};
    ++stat_at(stat::discards);
    return 0;
  }

  const model_block& block(int b) const { return blocks_[b]; }
  model_block& block(int b) { return blocks_[b]; }
  const std::vector<model_heap>& heaps() const { return heaps_; }
  std::uint32_t top() const { return record_offset(records_); }
  const std::vector<std::uint32_t>& released() const { return released_; }  // back: the head
  std::uint32_t statistic(stat s) const { return stats_[index(s)]; }
  std::int32_t heap0_initial() const { return heap0_initial_; }
  std::int32_t heap0_increment() const { return heap0_increment_; }
  bool fills_zero(std::int32_t id) const { return heaps_[id].options == 79 || heaps_[id].options == 80; }

 private:
  static std::int32_t round(std::int64_t v, std::int64_t m) { return static_cast<std::int32_t>((v + m - 1) / m * m); }
  static std::size_t index(stat s) { return (static_cast<std::size_t>(s) - 713) / 4; }
  std::uint32_t& stat_at(stat s) { return stats_[index(s)]; }
  static std::size_t index_of(const model_block& b, std::uint32_t offset) {
    for (std::size_t i = 0; i < b.subs.size(); ++i) {
      if (b.subs[i].offset == offset) return i;
    }
    throw std::logic_error("model: no subblock at " + std::to_string(offset));
  }

  std::uint32_t take() {
    if (released_.empty()) return records_++;
    const std::uint32_t r = released_.back();
    released_.pop_back();
    return r;
  }
  void release(std::uint32_t r) { released_.push_back(r); }
  void release_block_records(const model_block& b) {
    for (const model_sub& s : b.subs) release(s.record);
    release(b.record);
  }

  int placement_of(const model_heap& h) const {
    if (s_.all31 == e0) return 1;
    const int o = h.options;
    if (o == 73 || o == 74 || o == 76) return 1;
    if (o == 0 || o == 1 || o == 70) return s_.location == e1 ? 1 : 2;
    return 2;
  }
  bool keeps(const model_heap& h) const {
    const int o = h.options;
    if (o == 70 || o == 71 || o == 73 || o == 77 || o == 79) return true;
    if (o == 0 || o == 75 || o == 76) return s_.keep == e0;
    return false;
  }
  void add_in_use(int id, std::uint32_t n) {
    std::uint32_t& in_use = stat_at(id == 0 ? stat::heap0_in_use : stat::other_in_use);
    std::uint32_t& high = stat_at(id == 0 ? stat::heap0_high_water : stat::other_high_water);
    in_use += n;
    high = std::max(high, in_use);
  }

  place get_in(int id, std::int32_t r) {
    model_heap& h = heaps_[id];
    const int p = placement_of(h);
    const auto size = static_cast<std::uint32_t>(r);
    for (int b : h.blocks) {
      if (blocks_[b].placement != p) continue;
      for (std::size_t i = 0; i < blocks_[b].subs.size(); ++i) {
        if (!blocks_[b].subs[i].allocated && blocks_[b].subs[i].size >= size) return carve(id, b, i, size);
      }
    }
    const bool has = !h.blocks.empty();
    std::int64_t want = has ? h.increment : h.initial;
    if (want == 0)
      want = p == 2 ? (has ? s_.above_increment : s_.above_initial) : (has ? s_.below_increment : s_.below_initial);
    const auto block_size = static_cast<std::uint32_t>(std::max<std::int64_t>(want, r));
    const std::uint32_t sub = take();
    const std::uint32_t rec = take();
    blocks_.push_back({p, block_size, rec, {{0, block_size, false, sub}}});
    h.blocks.insert(h.blocks.begin(), static_cast<int>(blocks_.size() - 1));
    ++stat_at(id == 0 ? stat::heap0_blocks_allocated : stat::other_blocks_allocated);
    if (id == 0 && !has) heap0_initial_ = std::max(heap0_initial_, static_cast<std::int32_t>(block_size));
    if (id == 0 && has) heap0_increment_ = std::max(heap0_increment_, static_cast<std::int32_t>(block_size));
    return carve(id, static_cast<int>(blocks_.size() - 1), 0, size);
  }

  place carve(int id, int b, std::size_t i, std::uint32_t size) {
    model_block& blk = blocks_[b];
    if (blk.subs[i].size > size) {
      const model_sub rest{blk.subs[i].offset + size, blk.subs[i].size - size, false, take()};
      blk.subs.insert(blk.subs.begin() + static_cast<std::ptrdiff_t>(i) + 1, rest);
    }
    blk.subs[i].size = size;
    blk.subs[i].allocated = true;
    add_in_use(id, size);
    return {b, blk.subs[i].offset};
  }

  // Returns the heap the element belonged to.
  int free_in(place at) {
    int id = 0;
    while (std::find(heaps_[id].blocks.begin(), heaps_[id].blocks.end(), at.block) == heaps_[id].blocks.end()) ++id;
    model_block& b = blocks_[at.block];
    std::size_t i = index_of(b, at.offset);
    stat_at(id == 0 ? stat::heap0_in_use : stat::other_in_use) -= b.subs[i].size;
    b.subs[i].allocated = false;
    if (i > 0 && !b.subs[i - 1].allocated) {
      b.subs[i - 1].size += b.subs[i].size;
      release(b.subs[i].record);
      b.subs.erase(b.subs.begin() + static_cast<std::ptrdiff_t>(i));
      --i;
    }
    if (i + 1 < b.subs.size() && !b.subs[i + 1].allocated) {
      b.subs[i].size += b.subs[i + 1].size;
      release(b.subs[i + 1].record);
      b.subs.erase(b.subs.begin() + static_cast<std::ptrdiff_t>(i) + 1);
    }
    if (b.subs.size() == 1 && !keeps(heaps_[id])) {
      release_block_records(b);
      auto& chain = heaps_[id].blocks;
      chain.erase(std::find(chain.begin(), chain.end(), at.block));
      ++stat_at(id == 0 ? stat::heap0_blocks_freed : stat::other_blocks_freed);
    }
    return id;
  }

  settings s_;
  std::int32_t heap0_initial_, heap0_increment_;
  std::vector<model_heap> heaps_;  // by slot - 1
  std::vector<model_block> blocks_;
  std::uint32_t records_ = 0;
  std::vector<std::uint32_t> released_;
  std::array<std::uint32_t, 14> stats_{};
};

// The record at a stream offset; a record that cannot be read comes back with the flag 0xFF.
inline storage::record_fields read_record(common::ov_le_external area, std::uint32_t offset) {
  storage::record_bytes bytes{};
  if (!platform::read_vfile(area.stream_id(), offset, bytes)) return {0, 0xFF, 0, 0, 0, 0};
  return storage::decode_record(bytes);
}

// Where the library's published state first differs from the model's, empty when nowhere: the
// stream top and the released records, the statistics, every registry slot, and every block and
// subblock record.
inline std::string first_difference(const model& m, common::ov_le_external a) {
  const auto differ = [](std::string what, auto library, auto expected) {
    return what + ": the library has " + std::to_string(library) + ", the model " + std::to_string(expected);
  };
  if (a.stream_top() != m.top()) return differ("stream top", a.stream_top(), m.top());
  std::uint32_t head = a.released_head();
  for (auto r = m.released().rbegin(); r != m.released().rend(); ++r) {
    if (head != record_offset(*r)) return differ("released record", head, record_offset(*r));
    head = read_record(a, head).next;
  }
  if (head != 0) return differ("end of the released records", head, 0);
  for (stat s = stat::heap0_high_water; s <= stat::other_in_use; s = stat(static_cast<std::size_t>(s) + 4)) {
    if (a.statistic(s) != m.statistic(s)) {
      return differ("statistic at " + std::to_string(static_cast<std::size_t>(s)), a.statistic(s), m.statistic(s));
    }
  }
  if (a.heap0_initial() != m.heap0_initial()) return differ("heap 0 initial", a.heap0_initial(), m.heap0_initial());
  if (a.heap0_increment() != m.heap0_increment()) {
    return differ("heap 0 increment", a.heap0_increment(), m.heap0_increment());
  }
  if (a.slot_count() != static_cast<int>(m.heaps().size())) return differ("slots", a.slot_count(), m.heaps().size());
  for (std::size_t slot = 1; slot <= m.heaps().size(); ++slot) {
    const model_heap& h = m.heaps()[slot - 1];
    const std::string at = "slot " + std::to_string(slot) + " ";
    if (a.slot_heap_id(slot) != h.id) return differ(at + "heap ID", a.slot_heap_id(slot), h.id);
    if (a.slot_initial_size(slot) != h.initial)
      return differ(at + "initial size", a.slot_initial_size(slot), h.initial);
    if (a.slot_increment(slot) != h.increment) return differ(at + "increment", a.slot_increment(slot), h.increment);
    if (a.slot_options(slot) != h.options) return differ(at + "options", a.slot_options(slot), h.options);
    std::uint32_t offset = a.slot_first_block(slot);
    for (int b : h.blocks) {
      const model_block& mb = m.block(b);
      if (offset != record_offset(mb.record)) return differ(at + "block record", offset, record_offset(mb.record));
      const storage::record_fields rb = read_record(a, offset);
      const std::string block = at + "block " + std::to_string(offset) + " ";
      if (rb.flag != mb.placement) return differ(block + "placement", rb.flag, mb.placement);
      if (rb.size != mb.size) return differ(block + "size", rb.size, mb.size);
      if (rb.native != mb.base) return differ(block + "address", rb.native, mb.base);
      if (rb.registered != mb.base) return differ(block + "registered address", rb.registered, mb.base);
      std::uint32_t sub = rb.last;
      for (const model_sub& ms : mb.subs) {
        if (sub != record_offset(ms.record)) return differ(block + "subblock record", sub, record_offset(ms.record));
        const storage::record_fields rs = read_record(a, sub);
        const std::string subblock = block + "subblock " + std::to_string(sub) + " ";
        if (rs.flag != (ms.allocated ? 1 : 0)) return differ(subblock + "type", rs.flag, ms.allocated ? 1 : 0);
        if (rs.size != ms.size) return differ(subblock + "size", rs.size, ms.size);
        if (rs.last != ms.offset) return differ(subblock + "offset", rs.last, ms.offset);
        if (rs.native != mb.base + ms.offset) return differ(subblock + "address", rs.native, mb.base + ms.offset);
        sub = rs.next;
      }
      if (sub != 0) return differ(block + "end of the subblocks", sub, 0);
      offset = rb.next;
    }
    if (offset != 0) return differ(at + "end of the blocks", offset, 0);
  }
  return {};
}

}  // namespace ovle::heap_model
