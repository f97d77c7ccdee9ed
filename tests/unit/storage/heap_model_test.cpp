// Heap contents and bookkeeping survive any sequence of create, get, resize, free and discard:
// seeded random sequences through the C entries, checked after every step against a plain model
// that walks blocks and subblocks linearly, as first fit is described.
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
  const auto requested_size = [&]() -> std::int32_t {
    switch (pick(10)) {
      case 0: return -pick(3);           // 0 and below: 808
      case 1: return 4000 + pick(9000);  // more than most blocks
      default: return 1 + pick(pick(4) == 0 ? 2000 : 200);
    }
  };

  for (int step = 0; step < steps && !HasFatalFailure(); ++step) {
    const int what = pick(100);
    ovle_feedback fc = test::dirty_feedback();
    std::string trace = "seed " + std::to_string(seed) + " step " + std::to_string(step);
    if (what < 5) {  // create
      const std::int32_t options_pool[] = {0, 1, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 2, 69, 81, -1};
      const std::int32_t options = options_pool[pick(17)];
      const std::int32_t initial = chance(10) ? -1 - pick(5) : chance(40) ? 0 : pick(9000);
      const std::int32_t increment = chance(10) ? -1 - pick(5) : chance(40) ? 0 : pick(9000);
      ovle_int4 id = test::int4(77), init = test::int4(initial), incr = test::int4(increment),
                opts = test::int4(options);
      CEECRHP(&id, &init, &incr, &opts, &fc);
      std::int32_t expected_id = -1;
      ASSERT_EQ(outcome(fc), m.create(initial, increment, options, expected_id)) << trace;
      if (test::is_success(fc)) {
        ASSERT_EQ(ovle_int4_get(&id), expected_id) << trace;
        ASSERT_EQ(ovle_int4_get(&init), m.heaps()[static_cast<std::size_t>(expected_id)].initial);
        heap_ids.push_back(expected_id);
      } else {
        ASSERT_EQ(ovle_int4_get(&id), 0) << trace;
      }
    } else if (what < 9) {  // discard, sometimes heap 0 or an ID not in use
      const std::int32_t id =
          chance(20) ? pick(4) - 1 : heap_ids[static_cast<std::size_t>(pick(static_cast<int>(heap_ids.size())))];
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
    } else if (what < 55) {  // get
      const std::int32_t id =
          chance(5) ? 500 + pick(3) : heap_ids[static_cast<std::size_t>(pick(static_cast<int>(heap_ids.size())))];
      const std::int32_t size = requested_size();
      void* p = reinterpret_cast<void*>(0x5A5A);
      ovle_int4 h = test::int4(id), n = test::int4(size);
      CEEGTST(&h, &n, &p, &fc);
      place at{};
      const int expected = m.get(id, size, at);
      ASSERT_EQ(outcome(fc), expected) << trace;
      if (expected != 0) {
        ASSERT_EQ(p, size >= 1 ? nullptr : reinterpret_cast<void*>(0x5A5A)) << trace;
        continue;
      }
      const element e = remember({at, p, static_cast<std::uint32_t>((size + 7) / 8 * 8), ++serial});
      const auto* bytes = static_cast<const unsigned char*>(p);
      const bool zeroed = m.fills_zero(id);
      if (zeroed || s.heap_fill) {
        const auto fill = static_cast<unsigned char>(zeroed ? 0 : s.heap_byte);
        ASSERT_EQ(std::count(bytes, bytes + e.size, fill), static_cast<std::ptrdiff_t>(e.size)) << trace;
      }
      paint(e);
      live.push_back(e);
    } else if (what < 85) {  // free, sometimes an address that is no element
      if (live.empty() || chance(15)) {
        void* bad = nullptr;
        switch (pick(4)) {
          case 0:
            bad = gone.empty() ? nullptr : gone[static_cast<std::size_t>(pick(static_cast<int>(gone.size())))];
            break;
          case 1: bad = live.empty() ? static_cast<void*>(&fc) : static_cast<char*>(live[0].address) + 1; break;
          case 2: bad = !live.empty() && live[0].size > 8 ? static_cast<char*>(live[0].address) + 8 : nullptr; break;
          default: bad = &seed; break;
        }
        void* const param = bad;
        CEEFRST(&param, &fc);
        ASSERT_EQ(outcome(fc), 810) << trace;
      } else {
        const std::size_t i = static_cast<std::size_t>(pick(static_cast<int>(live.size())));
        ASSERT_TRUE(intact(live[i])) << trace;
        void* const param = live[i].address;
        CEEFRST(&param, &fc);
        ASSERT_EQ(outcome(fc), 0) << trace;
        m.free(live[i].at);
        gone.push_back(live[i].address);
        live.erase(live.begin() + static_cast<std::ptrdiff_t>(i));
      }
    } else {  // resize
      if (live.empty()) continue;
      const std::size_t i = static_cast<std::size_t>(pick(static_cast<int>(live.size())));
      element& e = live[i];
      ASSERT_TRUE(intact(e)) << trace;
      const std::int32_t size = chance(20) ? static_cast<std::int32_t>(e.size) - pick(8) : requested_size();
      void* p = e.address;
      ovle_int4 n = test::int4(size);
      CEECZST(&p, &n, &fc);
      if (size <= 0) {
        ASSERT_EQ(outcome(fc), 808) << trace;
        ASSERT_EQ(p, e.address);
        continue;
      }
      ASSERT_EQ(outcome(fc), 0) << trace;
      const std::uint32_t old_size = e.size;
      const auto rounded = static_cast<std::uint32_t>((size + 7) / 8 * 8);
      if (m.resize(e.at, size)) {
        gone.push_back(e.address);
        e = remember({e.at, p, rounded, e.serial});
        // The contents moved with the element; the rest is new.
        e.size = old_size;
        ASSERT_TRUE(intact(e)) << trace;
        e.size = rounded;
        paint(e, old_size);
      } else {
        ASSERT_EQ(p, e.address) << trace;
        e.size = rounded;
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
