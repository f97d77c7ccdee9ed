// Heap contents and bookkeeping survive any sequence of create, get, resize, free and discard:
// seeded random sequences through the C entries, checked after every step (a refused one too, which
// must change nothing) against a plain model that walks blocks and subblocks linearly, as first fit
// is described. The sequences include every condition the arguments can cause.
#include <array>
#include <map>
#include <random>

#include "ovle_test.hpp"
#include "storage/heap_records.hpp"

namespace ovle {
namespace {

using common::ov_le_external;
using stat = ov_le_external::storage_statistic;
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

// Public, so that the comparison reads it directly.
struct model {
  explicit model(const settings& s, std::int32_t heap0_initial, std::int32_t heap0_increment)
      : s_(s), heap0_initial_(heap0_initial), heap0_increment_(heap0_increment) {
    heaps_.resize(1);
    heaps_[0].id = 0;
  }

  int create(std::int32_t initial, std::int32_t increment, std::int32_t options, std::int32_t& id) {
    if (initial < 0 || round(initial, 4096) > max_size) return 804;
    if (increment < 0 || round(increment, 4096) > max_size) return 805;
    if (options != 0 && options != 1 && (options < 70 || options > 80)) return 806;
    std::size_t slot = 0;
    while (slot < heaps_.size() && heaps_[slot].id != -1) ++slot;
    if (slot == heaps_.size()) {
      if (slot == 999) return 813;
      heaps_.emplace_back();
    }
    heaps_[slot] = {static_cast<std::int32_t>(slot),
                    static_cast<std::int32_t>(round(initial, 4096)),
                    static_cast<std::int32_t>(round(increment, 4096)),
                    options,
                    {}};
    id = heaps_[slot].id;
    ++stat_at(stat::creates);
    return 0;
  }

  int get(std::int32_t id, std::int32_t size, place& at) {
    if (size <= 0) return 808;
    if (id < 0 || id >= static_cast<std::int32_t>(heaps_.size()) || heaps_[id].id != id) return 803;
    if (round(size, 8) > max_size) return 813;
    at = get_in(id, static_cast<std::int32_t>(round(size, 8)));
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

  bool fills_zero(std::int32_t id) const { return heaps_[id].options == 79 || heaps_[id].options == 80; }

  static constexpr std::int64_t max_size = 0x7FFFFFFF;
  static std::int64_t round(std::int64_t v, std::int64_t m) { return (v + m - 1) / m * m; }
  static std::size_t index(stat s) { return (static_cast<std::size_t>(s) - 713) / 4; }
  std::uint32_t& stat_at(stat s) { return stats_[index(s)]; }
  static std::size_t index_of(const model_block& b, std::uint32_t offset) {
    for (std::size_t i = 0; i < b.subs.size(); ++i) {
      if (b.subs[i].offset == offset) return i;
    }
    ADD_FAILURE() << "model: no subblock at " << offset;
    return 0;
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
  std::vector<std::uint32_t> released_;  // back: the head
  std::array<std::uint32_t, 14> stats_{};
};

// ---- the library through its entries --------------------------------------------------------------------

// 0 on success, else the message number (after checking the rest of the token).
int outcome(const ovle_feedback& fc) {
  if (test::is_success(fc)) return 0;
  const test::condition_view c = test::view(fc);
  const int severity = c.message == 802 ? c.severity : 3;
  EXPECT_EQ(c, test::ascii_condition(severity, c.message, 1));
  return c.message;
}

struct element {
  place at;
  void* address;
  std::uint32_t size;  // as requested, rounded
  std::uint32_t serial;
};

std::uint8_t pattern(std::uint32_t serial, std::size_t i) { return static_cast<std::uint8_t>(serial * 131 + i * 7); }

class HeapModel : public test::run_unit {
 protected:
  void fresh(const settings& s) {
    platform::testing::clear_external_areas();
    OV0PIPI(nullptr, nullptr, nullptr);
    area().set_heap_sizes(s.above_initial, s.above_increment, s.below_initial, s.below_increment);
    area().set_heap0_initial(static_cast<std::int32_t>(s.above_initial));  // as OV-PIPI keeps them beside
    area().set_heap0_increment(static_cast<std::int32_t>(s.above_increment));
    area().set_all31(s.all31);
    area().set_heap_location(s.location);
    area().set_heap_keep_free(s.keep);
    area().set_heap_fill(s.heap_fill, s.heap_byte);
    area().set_free_fill(s.free_fill, s.free_byte);
  }

  // Everything the library publishes, compared with the model: the stream top and the released
  // records, the statistics, every registry slot, and every block and subblock record.
  static void compare(const model& m, const char* step) {
    SCOPED_TRACE(step);
    const ov_le_external a = area();
    ASSERT_EQ(a.stream_top(), record_offset(m.records_));
    std::uint32_t head = a.released_head();
    for (auto r = m.released_.rbegin(); r != m.released_.rend(); ++r) {
      ASSERT_EQ(head, record_offset(*r));
      head = read(head).next;
    }
    ASSERT_EQ(head, 0u);
    for (stat s = stat::heap0_high_water; s <= stat::other_in_use; s = stat(static_cast<std::size_t>(s) + 4)) {
      ASSERT_EQ(a.statistic(s), m.stats_[model::index(s)]) << "statistic at " << static_cast<std::size_t>(s);
    }
    ASSERT_EQ(std::pair(a.heap0_initial(), a.heap0_increment()), std::pair(m.heap0_initial_, m.heap0_increment_));
    ASSERT_EQ(a.slot_count(), static_cast<int>(m.heaps_.size()));
    for (std::size_t slot = 1; slot <= m.heaps_.size(); ++slot) {
      const model_heap& h = m.heaps_[slot - 1];
      ASSERT_EQ(
          std::tuple(a.slot_heap_id(slot), a.slot_initial_size(slot), a.slot_increment(slot), a.slot_options(slot)),
          std::tuple(h.id, h.initial, h.increment, h.options));
      std::uint32_t offset = a.slot_first_block(slot);
      for (int b : h.blocks) {
        const model_block& mb = m.blocks_[static_cast<std::size_t>(b)];
        ASSERT_EQ(offset, record_offset(mb.record)) << "slot " << slot;
        const storage::record_fields rb = read(offset);
        ASSERT_EQ(std::tuple(rb.flag, rb.size, rb.native, rb.registered),
                  std::tuple(mb.placement, mb.size, mb.base, mb.base));
        std::uint32_t sub = rb.last;
        for (const model_sub& ms : mb.subs) {
          ASSERT_EQ(sub, record_offset(ms.record));
          const storage::record_fields rs = read(sub);
          ASSERT_EQ(std::tuple(rs.flag, rs.size, rs.last, rs.native, rs.registered),
                    std::tuple(ms.allocated ? 1 : 0, ms.size, ms.offset, mb.base + ms.offset, mb.base + ms.offset));
          sub = rs.next;
        }
        ASSERT_EQ(sub, 0u);
        offset = rb.next;
      }
      ASSERT_EQ(offset, 0u);
    }
  }

  static storage::record_fields read(std::uint32_t offset) {
    storage::record_bytes bytes{};
    EXPECT_TRUE(platform::read_vfile(area().stream_id(), offset, bytes)) << "record " << offset;
    return storage::decode_record(bytes);
  }

  static bool intact(const element& e) {
    const auto* p = static_cast<const std::uint8_t*>(e.address);
    for (std::size_t i = 0; i < e.size; ++i) {
      if (p[i] != pattern(e.serial, i)) return false;
    }
    return true;
  }
  static void paint(const element& e, std::size_t from = 0) {
    auto* p = static_cast<std::uint8_t*>(e.address);
    for (std::size_t i = from; i < e.size; ++i) p[i] = pattern(e.serial, i);
  }

  void run_sequence(std::uint32_t seed, int steps);
};

void HeapModel::run_sequence(std::uint32_t seed, int steps) {
  std::mt19937 rng(seed);
  const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const auto chance = [&](int percent) { return pick(100) < percent; };
  const std::int64_t small_sizes[] = {512, 1024, 4096, 8192};
  settings s{};
  s.all31 = chance(30) ? e0 : e1;
  s.location = chance(50) ? e0 : e1;
  s.keep = chance(50) ? e0 : e1;
  s.above_initial = small_sizes[pick(4)];
  s.above_increment = small_sizes[pick(4)];
  s.below_initial = small_sizes[pick(4)];
  s.below_increment = small_sizes[pick(4)];
  s.heap_fill = chance(30);
  s.heap_byte = static_cast<char>(pick(256));
  s.free_fill = chance(30);
  s.free_byte = static_cast<char>(pick(256));
  fresh(s);
  model m(s, area().heap0_initial(), area().heap0_increment());

  std::vector<element> live;
  std::vector<void*> gone;  // addresses freed before (and not handed out again)
  std::vector<std::int32_t> heap_ids{0};
  std::uint32_t serial = 0;
  const auto remember = [&](element e) {
    model_block& b = m.blocks_[static_cast<std::size_t>(e.at.block)];
    if (b.base == 0 && e.at.offset == 0) b.base = reinterpret_cast<std::uintptr_t>(e.address);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(e.address), b.base + e.at.offset) << "first fit disagrees";
    std::erase(gone, e.address);
    return e;
  };
  // Sizes: 0 and below (808), larger than most blocks, the 4-byte limit (813), and mostly small ones.
  const auto requested_size = [&]() -> std::int32_t {
    switch (pick(20)) {
      case 0:
      case 1: return -pick(3);
      case 2:
      case 3: return 4000 + pick(9000);
      case 4: return 0x7FFFFFFF - pick(3);
      default: return 1 + pick(pick(4) == 0 ? 2000 : 200);
    }
  };
  const auto any_heap = [&] { return heap_ids[static_cast<std::size_t>(pick(static_cast<int>(heap_ids.size())))]; };
  // An address that is no element: freed before, inside or beside one, or never handed out.
  const auto no_element = [&]() -> void* {
    switch (pick(4)) {
      case 0: return gone.empty() ? nullptr : gone[static_cast<std::size_t>(pick(static_cast<int>(gone.size())))];
      case 1: return live.empty() ? static_cast<void*>(&rng) : static_cast<char*>(live[0].address) + 1;
      case 2: return !live.empty() && live[0].size > 8 ? static_cast<char*>(live[0].address) + 8 : nullptr;
      default: return &seed;
    }
  };

  for (int step = 0; step < steps && !HasFatalFailure(); ++step) {
    const int what = pick(100);
    ovle_feedback fc = test::dirty_feedback();
    std::string trace = "seed " + std::to_string(seed) + " step " + std::to_string(step);
    if (what < 5) {  // create, with sizes and options out of range too
      const std::int32_t options_pool[] = {0, 1, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 2, 69, 81, -70};
      const auto size = [&] {
        return chance(5) ? 0x7FFFF001 + pick(3) : chance(10) ? -1 - pick(5) : chance(40) ? 0 : pick(9000);
      };
      const std::int32_t options = options_pool[pick(17)], initial = size(), increment = size();
      ovle_int4 id = test::int4(77), init = test::int4(initial), incr = test::int4(increment),
                opts = test::int4(options);
      CEECRHP(&id, &init, &incr, &opts, &fc);
      std::int32_t expected_id = -1;
      ASSERT_EQ(outcome(fc), m.create(initial, increment, options, expected_id)) << trace;
      if (test::is_success(fc)) {
        const model_heap& h = m.heaps_[static_cast<std::size_t>(expected_id)];
        ASSERT_EQ(std::tuple(ovle_int4_get(&id), ovle_int4_get(&init), ovle_int4_get(&incr)),
                  std::tuple(expected_id, h.initial, h.increment))
            << trace;
        heap_ids.push_back(expected_id);
      } else {
        ASSERT_EQ(ovle_int4_get(&id), 0) << trace;
      }
    } else if (what < 9) {  // discard, sometimes heap 0 or an ID not in use
      const std::int32_t id = chance(20) ? pick(4) - 1 : any_heap();
      const int expected = m.discard(id);
      ovle_int4 h = test::int4(id);
      CEEDSHP(&h, &fc);
      ASSERT_EQ(outcome(fc), expected) << trace;
      if (expected == 0) {
        // The elements of the discarded heap are those in no heap's chain any more.
        std::erase_if(live, [&](const element& e) {
          for (const model_heap& mh : m.heaps_) {
            if (std::find(mh.blocks.begin(), mh.blocks.end(), e.at.block) != mh.blocks.end()) return false;
          }
          return true;
        });
        std::erase(heap_ids, id);
      }
    } else if (what < 55) {  // get, sometimes from a heap not in use
      const std::int32_t id = chance(5) ? (chance(30) ? -1 : 500 + pick(3)) : any_heap();
      const std::int32_t size = requested_size();
      void* p = reinterpret_cast<void*>(0x5A5A);
      ovle_int4 h = test::int4(id), n = test::int4(size);
      CEEGTST(&h, &n, &p, &fc);
      place at{};
      const int expected = m.get(id, size, at);
      ASSERT_EQ(outcome(fc), expected) << trace;
      if (expected != 0) {
        ASSERT_EQ(p, size >= 1 ? nullptr : reinterpret_cast<void*>(0x5A5A)) << trace;
      } else {
        const element e = remember({at, p, static_cast<std::uint32_t>((size + 7) / 8 * 8), ++serial});
        const auto* bytes = static_cast<const unsigned char*>(p);
        const bool zeroed = m.fills_zero(id);
        if (zeroed || s.heap_fill) {
          const auto fill = static_cast<unsigned char>(zeroed ? 0 : s.heap_byte);
          ASSERT_EQ(std::count(bytes, bytes + e.size, fill), static_cast<std::ptrdiff_t>(e.size)) << trace;
        }
        paint(e);
        live.push_back(e);
      }
    } else if (what < 85) {  // free, sometimes an address that is no element
      if (live.empty() || chance(15)) {
        void* const param = no_element();
        CEEFRST(&param, &fc);
        ASSERT_EQ(outcome(fc), 810) << trace;
      } else {
        const std::size_t i = static_cast<std::size_t>(pick(static_cast<int>(live.size())));
        ASSERT_TRUE(intact(live[i])) << trace;
        void* const param = live[i].address;
        CEEFRST(&param, &fc);
        ASSERT_EQ(outcome(fc), 0) << trace;
        // A block that stays holds the freed element filled with the free-fill byte, when that is on.
        const std::vector<int>& chain = m.heaps_[static_cast<std::size_t>(m.free(live[i].at))].blocks;
        if (s.free_fill && std::find(chain.begin(), chain.end(), live[i].at.block) != chain.end()) {
          const auto* bytes = static_cast<const unsigned char*>(param);
          ASSERT_EQ(std::count(bytes, bytes + live[i].size, static_cast<unsigned char>(s.free_byte)),
                    static_cast<std::ptrdiff_t>(live[i].size))
              << trace;
        }
        gone.push_back(live[i].address);
        live.erase(live.begin() + static_cast<std::ptrdiff_t>(i));
      }
    } else if (live.empty() || chance(5)) {  // resize of an address that is no element
      void* p = no_element();
      void* const before = p;
      ovle_int4 n = test::int4(requested_size());
      CEECZST(&p, &n, &fc);
      ASSERT_EQ(outcome(fc), 810) << trace;
      ASSERT_EQ(p, before) << trace;
    } else {  // resize, sometimes to the same rounded size
      const std::size_t i = static_cast<std::size_t>(pick(static_cast<int>(live.size())));
      element& e = live[i];
      ASSERT_TRUE(intact(e)) << trace;
      const std::int32_t size = chance(20) ? static_cast<std::int32_t>(e.size) - pick(8) : requested_size();
      void* p = e.address;
      ovle_int4 n = test::int4(size);
      CEECZST(&p, &n, &fc);
      const std::int64_t rounded = (std::int64_t{size} + 7) / 8 * 8;
      const int expected = size <= 0 ? 808 : rounded > 0x7FFFFFFF ? 813 : 0;
      ASSERT_EQ(outcome(fc), expected) << trace;
      const std::uint32_t old_size = e.size;
      if (expected != 0) {
        ASSERT_EQ(p, e.address) << trace;
      } else if (m.resize(e.at, size)) {
        gone.push_back(e.address);
        e = remember({e.at, p, old_size, e.serial});
        ASSERT_TRUE(intact(e)) << trace << ": the contents move with the element";
        e.size = static_cast<std::uint32_t>(rounded);
        paint(e, old_size);
      } else {
        ASSERT_EQ(p, e.address) << trace;
        e.size = static_cast<std::uint32_t>(rounded);
        ASSERT_TRUE(intact(e)) << trace;
      }
    }
    compare(m, trace.c_str());
  }
  for (const element& e : live) ASSERT_TRUE(intact(e)) << "seed " << seed;
}

TEST_F(HeapModel, RandomSequencesMatchTheLinearFirstFitModel) {
  for (std::uint32_t seed = 1; seed <= 300 && !HasFatalFailure(); ++seed) {
    run_sequence(seed, seed % 10 == 0 ? 2000 : 300);
  }
}

}  // namespace
}  // namespace ovle
