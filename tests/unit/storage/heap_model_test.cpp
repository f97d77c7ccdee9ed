// Heap contents and bookkeeping survive any sequence of create, get, resize, free and discard:
// seeded random sequences through the C entries, checked after every step (a refused one too, which
// must change nothing) against a plain model that walks blocks and subblocks linearly, as first fit
// is described. The sequences include every condition the arguments can cause.
#include "heap_model.hpp"

#include <array>
#include <map>
#include <random>

#include "ovle_test.hpp"

namespace ovle {
namespace {

using namespace heap_model;

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
    apply(s, area());
    area().set_heap0_initial(static_cast<std::int32_t>(s.above_initial));  // as OV-PIPI keeps them beside
    area().set_heap0_increment(static_cast<std::int32_t>(s.above_increment));
  }

  static void compare(const model& m, const char* step) {
    ASSERT_EQ(heap_model::first_difference(m, area()), "") << step;
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
    model_block& b = m.block(e.at.block);
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
        const model_heap& h = m.heaps()[static_cast<std::size_t>(expected_id)];
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
          for (const model_heap& mh : m.heaps()) {
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
        const std::vector<int>& chain = m.heaps()[static_cast<std::size_t>(m.free(live[i].at))].blocks;
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
