// The heap services at their edges: every condition and what it leaves untouched, the registry and
// record bytes, the fill bytes, and a resize that cannot get memory. Placement, block sizes, keep or
// free and the statistics are checked after every step of the random sequences (heap_model_test).
#include <functional>

#include "ovle_test.hpp"
#include "storage/heap_records.hpp"

namespace ovle {
namespace {

using common::ov_le_external;
using stat = ov_le_external::storage_statistic;

constexpr char e0 = '\xF0', e1 = '\xF1';

class HeapServices : public test::run_unit {
 protected:
  void SetUp() override {
    run_unit::SetUp();
    OV0PIPI(nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    platform::testing::set_vfile_write_fails(false);
    platform::testing::set_allocation_fails(false);
    run_unit::TearDown();
  }

  // Each returns the feedback code; the outputs go to the references.
  static ovle_feedback create(std::int32_t& id, std::int32_t initial, std::int32_t increment, std::int32_t options) {
    ovle_feedback fc = test::dirty_feedback();
    ovle_int4 h = test::int4(55), i = test::int4(initial), n = test::int4(increment), o = test::int4(options);
    CEECRHP(&h, &i, &n, &o, &fc);
    id = ovle_int4_get(&h);
    return fc;
  }
  static std::int32_t create(std::int32_t initial = 0, std::int32_t increment = 0, std::int32_t options = 0) {
    std::int32_t id = -1;
    EXPECT_TRUE(test::is_success(create(id, initial, increment, options)));
    return id;
  }
  static ovle_feedback get(std::int32_t heap, std::int32_t size, void*& p) {
    ovle_feedback fc = test::dirty_feedback();
    ovle_int4 h = test::int4(heap), n = test::int4(size);
    CEEGTST(&h, &n, &p, &fc);
    return fc;
  }
  static char* get(std::int32_t heap, std::int32_t size) {
    void* p = nullptr;
    EXPECT_TRUE(test::is_success(get(heap, size, p)));
    return static_cast<char*>(p);
  }
  static ovle_feedback free(void* p) {
    ovle_feedback fc = test::dirty_feedback();
    CEEFRST(&p, &fc);
    return fc;
  }
  static ovle_feedback resize(void*& p, std::int32_t size) {
    ovle_feedback fc = test::dirty_feedback();
    ovle_int4 n = test::int4(size);
    CEECZST(&p, &n, &fc);
    return fc;
  }
  static ovle_feedback discard(std::int32_t heap) {
    ovle_feedback fc = test::dirty_feedback();
    ovle_int4 h = test::int4(heap);
    CEEDSHP(&h, &fc);
    return fc;
  }

  // The storage bookkeeping as bytes: statistics, stream top to the end of the slots in use.
  static std::string bookkeeping() {
    const auto end = ov_le_external::offset::heap_slots +
                     static_cast<std::size_t>(area().slot_count()) * ov_le_external::heap_slot_size;
    return test::hex(area().at(705), 64) + test::hex(area().at(773), end - 773);
  }
  static storage::record_fields record(std::uint32_t offset) {
    storage::record_bytes bytes{};
    EXPECT_TRUE(platform::read_vfile(area().stream_id(), offset, bytes));
    return storage::decode_record(bytes);
  }
  static storage::record_fields first_block(std::size_t slot) { return record(area().slot_first_block(slot)); }
};

TEST_F(HeapServices, TheEdgeCasesOfTheHeapServices) {
  std::uint32_t top_after_cycle = 0;
  // CEECRHP rounds to 4096 and writes the sizes back; the first heap is heap 1.
  ovle_feedback fc = test::dirty_feedback();
  ovle_int4 h = test::int4(9), init = test::int4(5000), incr = test::int4(0), opts = test::int4(0);
  CEECRHP(&h, &init, &incr, &opts, &fc);
  EXPECT_TRUE(test::is_success(fc));
  EXPECT_EQ(ovle_int4_get(&h), 1);
  EXPECT_EQ(ovle_int4_get(&init), 8192);
  EXPECT_EQ(ovle_int4_get(&incr), 0);
  // Discarding heap 1 frees its ID for the next heap; the storage in use is moved by gets and frees
  // alone, so a discard leaves it.
  get(1, 100);
  EXPECT_TRUE(test::is_success(discard(1)));
  EXPECT_EQ(area().statistic(stat::other_in_use), 104u);
  EXPECT_EQ(create(), 1);
  // One byte takes eight: consecutive gets from a fresh heap are 8 apart.
  char* a = get(1, 1);
  char* b = get(1, 8);
  char* c = get(1, 8);
  EXPECT_EQ(b - a, 8);
  EXPECT_EQ(c - b, 8);
  // A larger element moves and keeps its contents; the old place is no element any more.
  std::memcpy(b, "ABCDEFGH", 8);
  void* moved = b;
  EXPECT_TRUE(test::is_success(resize(moved, 100)));
  EXPECT_NE(moved, b);
  EXPECT_EQ(std::string(static_cast<char*>(moved), 8), "ABCDEFGH");
  EXPECT_EQ(test::view(free(b)), test::ascii_condition(3, 810, 1));
  // A smaller one stays; the tail is free again and the next get of that size lands there.
  void* shrunk = moved;
  EXPECT_TRUE(test::is_success(resize(shrunk, 10)));
  EXPECT_EQ(shrunk, moved);
  EXPECT_EQ(get(1, 8), b) << "first fit: the hole the move left";
  EXPECT_EQ(get(1, 80), static_cast<char*>(moved) + 16) << "the tail cut off by the resize";
  // The same size changes nothing at all.
  const std::string before = bookkeeping();
  EXPECT_TRUE(test::is_success(resize(shrunk, 16)));
  EXPECT_EQ(bookkeeping(), before);
  EXPECT_TRUE(test::is_success(free(a)));
  // Churn reuses released records: once every size of the cycle has been seen, the record stream
  // stops growing.
  for (int i = 0; i < 1000; ++i) {
    void* x = get(1, 8 + i % 300);
    void* y = get(1, 16);
    ASSERT_TRUE(test::is_success(free(x)));
    ASSERT_TRUE(test::is_success(free(y)));
    if (i == 299) top_after_cycle = area().stream_top();
  }
  EXPECT_EQ(area().stream_top(), top_after_cycle);
}

// Every condition, and the state it leaves: nothing changed, the output as the Part says.
TEST_F(HeapServices, EveryConditionLeavesTheHeapsAsTheyWere) {
  const std::int32_t heap = create(4096, 4096, 1);
  char* element = get(heap, 64);
  void* released = get(heap, 16);
  ASSERT_TRUE(test::is_success(free(released)));
  struct row {
    const char* what;
    std::function<ovle_feedback()> call;
    int severity, message;
    void* expected_pointer;  // for the calls with a pointer output, what it holds afterwards
  };
  void* out = reinterpret_cast<void*>(0x1234);
  std::int32_t id_out = 0;
  const auto unchanged = reinterpret_cast<void*>(0x1234);
  // clang-format off
  const row rows[] = {
      {"CEECRHP initial -1",        [&] { return create(id_out, -1, 0, 0); },               3, 804, nullptr},
      {"CEECRHP initial too large", [&] { return create(id_out, 0x7FFFFFFF, 0, 0); },       3, 804, nullptr},
      {"CEECRHP increment -4096",   [&] { return create(id_out, 0, -4096, 0); },            3, 805, nullptr},
      {"CEECRHP increment too large",[&] { return create(id_out, 0, 0x7FFFF001, 0); },      3, 805, nullptr},
      {"CEECRHP options 2",         [&] { return create(id_out, 0, 0, 2); },                3, 806, nullptr},
      {"CEECRHP options 69",        [&] { return create(id_out, 0, 0, 69); },               3, 806, nullptr},
      {"CEECRHP options 81",        [&] { return create(id_out, 0, 0, 81); },               3, 806, nullptr},
      {"CEECRHP options -70",       [&] { return create(id_out, 0, 0, -70); },              3, 806, nullptr},
      {"CEEGTST size 0",            [&] { out = unchanged; return get(heap, 0, out); },     3, 808, unchanged},
      {"CEEGTST size -8",           [&] { out = unchanged; return get(heap, -8, out); },    3, 808, unchanged},
      {"CEEGTST heap 7",            [&] { out = unchanged; return get(7, 8, out); },        3, 803, nullptr},
      {"CEEGTST heap -1",           [&] { out = unchanged; return get(-1, 8, out); },       3, 803, nullptr},
      {"CEEGTST size 2**31-1",      [&] { out = unchanged; return get(heap, 0x7FFFFFFF, out); }, 3, 813, nullptr},
      {"CEEFRST NULL",              [&] { return free(nullptr); },                          3, 810, nullptr},
      {"CEEFRST freed before",      [&] { return free(released); },                         3, 810, nullptr},
      {"CEEFRST interior",          [&] { return free(element + 8); },                      3, 810, nullptr},
      {"CEEFRST misaligned",        [&] { return free(element + 1); },                      3, 810, nullptr},
      {"CEEFRST never allocated",   [&] { return free(&out); },                             3, 810, nullptr},
      {"CEECZST interior",          [&] { out = element + 8; return resize(out, 8); },      3, 810, element + 8},
      {"CEECZST size 0",            [&] { out = element; return resize(out, 0); },          3, 808, element},
      {"CEECZST size 2**31-1",      [&] { out = element; return resize(out, 0x7FFFFFFF); }, 3, 813, element},
      {"CEEDSHP heap 0",            [&] { return discard(0); },                             3, 812, nullptr},
      {"CEEDSHP heap 9",            [&] { return discard(9); },                             3, 803, nullptr},
      {"CEEDSHP heap -1",           [&] { return discard(-1); },                            3, 803, nullptr},
  };
  // clang-format on
  for (const row& r : rows) {
    SCOPED_TRACE(r.what);
    const std::string before = bookkeeping();
    EXPECT_EQ(test::view(r.call()), test::ascii_condition(r.severity, r.message, 1));
    EXPECT_EQ(bookkeeping(), before);
    if (std::string_view(r.what).starts_with("CEECRHP")) {
      EXPECT_EQ(id_out, 0);
    }
    if (r.expected_pointer != nullptr || std::string_view(r.what).starts_with("CEEGTST")) {
      EXPECT_EQ(out, r.expected_pointer);
    }
  }
  // A missing required argument is the library's own condition, with nothing written.
  ovle_feedback fc = test::dirty_feedback();
  ovle_int4 size = test::int4(8);
  CEEGTST(nullptr, &size, &out, &fc);
  EXPECT_EQ(test::view(fc), test::ascii_condition(4, 9999, 0, "OVX"));
  // An EBCDIC caller gets the facility in EBCDIC.
  ebcdic_caller();
  EXPECT_EQ(test::view(discard(0)), test::ascii_condition(3, 812, 1, "\xC3\xC5\xC5"));
}

TEST_F(HeapServices, RecordStreamFailuresAreCondition802) {
  const std::int32_t heap = create();
  void* p = get(heap, 8);
  // A write that fails while a released record is chained: severity 3; any other: severity 4.
  platform::testing::set_vfile_write_fails(true);
  EXPECT_EQ(test::view(free(p)), test::ascii_condition(3, 802, 1));
  EXPECT_EQ(test::view(get(heap, 8, p)), test::ascii_condition(4, 802, 1));
  platform::testing::set_vfile_write_fails(false);
  // A closed stream: nothing is done.
  platform::close_vfile(area().stream_id());
  const std::string before = bookkeeping();
  EXPECT_EQ(test::view(get(heap, 8, p)), test::ascii_condition(4, 802, 1));
  EXPECT_EQ(test::view(discard(heap)), test::ascii_condition(4, 802, 1));
  EXPECT_EQ(bookkeeping(), before);
}

TEST_F(HeapServices, AllRegistrySlotsInUseGive813) {
  for (int i = 1; i < 999; ++i) ASSERT_EQ(create(), i);
  std::int32_t id = -1;
  EXPECT_EQ(test::view(create(id, 0, 0, 0)), test::ascii_condition(3, 813, 1));
  EXPECT_EQ(area().slot_count(), 999);
  ASSERT_TRUE(test::is_success(discard(500)));
  EXPECT_EQ(create(), 500);
}

// The registry and records after a fixed sequence, byte for byte.
TEST_F(HeapServices, RegistryAndRecordBytes) {
  area().set_all31(e1);  // ALL31(ON): the options decide, and 77 asks for storage above the line
  EXPECT_EQ(create(5000, 100, 77), 1);
  char* a = get(1, 24);
  char* b = get(1, 8);
  ASSERT_TRUE(test::is_success(free(a)));
  // Slot 2: heap 1, 8192, 4096, options "77", first block at record 1 (offset 33).
  EXPECT_EQ(test::hex(area().heap_slot(2).data(), 18), "000000010000200000001000F7F721000000");
  // Records: 0 subblock a (freed, joined with nothing: b follows), 1 the block, 2 b, 3 the rest.
  EXPECT_EQ(area().stream_top(), storage::record_offset(4));
  EXPECT_EQ(area().released_head(), 0u);
  const storage::record_fields block = first_block(2);
  const auto base = reinterpret_cast<std::uintptr_t>(a);
  EXPECT_EQ(block, (storage::record_fields{0, 2, 8192, base, base, storage::record_offset(0)}));
  EXPECT_EQ(record(storage::record_offset(0)),
            (storage::record_fields{storage::record_offset(2), 0, 24, base, base, 0}));
  EXPECT_EQ(record(storage::record_offset(2)),
            (storage::record_fields{storage::record_offset(3), 1, 8, base + 24, base + 24, 24}));
  EXPECT_EQ(record(storage::record_offset(3)), (storage::record_fields{0, 0, 8192 - 32, base + 32, base + 32, 32}));
  // Freeing b joins all three: b's record is released first, then the rest's; the block is kept (77).
  ASSERT_TRUE(test::is_success(free(b)));
  EXPECT_EQ(area().released_head(), storage::record_offset(3));
  EXPECT_EQ(record(storage::record_offset(3)).next, storage::record_offset(2));
  EXPECT_EQ(record(storage::record_offset(0)), (storage::record_fields{0, 0, 8192, base, base, 0}));
  // Discarding releases the subblock, then the block record; the slot is free again.
  ASSERT_TRUE(test::is_success(discard(1)));
  EXPECT_EQ(area().released_head(), storage::record_offset(1));
  EXPECT_EQ(test::hex(area().heap_slot(2).data(), 18), "FFFFFFFF0000000000000000F0F000000000");
  EXPECT_EQ(area().statistic(stat::creates), 1u);
  EXPECT_EQ(area().statistic(stat::discards), 1u);
  EXPECT_EQ(area().registry_cursor(), 2);
}

TEST_F(HeapServices, FillBytesForNewAndFreedElements) {
  area().set_heap_fill(true, '\xAB');
  area().set_free_fill(true, '\xCD');
  const std::int32_t heap = create(4096, 0, 70);
  auto* p = reinterpret_cast<unsigned char*>(get(heap, 20));
  EXPECT_EQ(std::count(p, p + 24, 0xAB), 24);
  EXPECT_EQ(p[24], 0) << "the rest of the block is not an element";
  auto* q = reinterpret_cast<unsigned char*>(get(heap, 8));
  ASSERT_TRUE(test::is_success(free(p)));
  EXPECT_EQ(std::count(p, p + 24, 0xCD), 24);
  EXPECT_EQ(q[0], 0xAB);
  // Options 79 and 80 clear new elements whatever the fill byte.
  const std::int32_t cleared = create(4096, 0, 79);
  auto* r = reinterpret_cast<unsigned char*>(get(cleared, 16));
  std::memset(r, 0x77, 16);
  ASSERT_TRUE(test::is_success(free(r)));
  EXPECT_EQ(std::count(r, r + 16, 0xCD), 16);
  EXPECT_EQ(get(cleared, 16), reinterpret_cast<char*>(r));
  EXPECT_EQ(std::count(r, r + 16, 0), 16);
  // Without the switches elements keep what they held.
  area().set_heap_fill(false, '\xAB');
  area().set_free_fill(false, '\xCD');
  std::memset(q, 0x11, 8);
  ASSERT_TRUE(test::is_success(free(q)));
  EXPECT_EQ(q[7], 0x11);
  EXPECT_EQ(get(heap, 24), reinterpret_cast<char*>(p));
  EXPECT_EQ(p[0], 0xCD);
}

// A resize that needs a new block it cannot get: 813, and the element stays where and as it was.
TEST_F(HeapServices, AResizeWithoutMemoryKeepsTheElement) {
  struct row {
    std::int32_t options;
    std::int32_t others;  // elements beside the one resized
    std::int32_t new_size;
    bool succeeds;  // with no memory to be had
  };
  // clang-format off
  const row rows[] = {
      {77, 0, 1000, true},   // kept block: room after the free
      { 1, 0, 1000, false},  // the emptied block goes back: a new one is needed
      { 1, 1, 1000, true},   // the block stays: room in it
      {77, 0, 9000, false},  // larger than the block
      {77, 1, 4088, false},  // the other element leaves no room
  };
  // clang-format on
  for (const row& r : rows) {
    SCOPED_TRACE(testing::Message() << "options " << r.options << " size " << r.new_size);
    const std::int32_t heap = create(4096, 4096, r.options);
    void* p = get(heap, 8);
    std::memcpy(p, "contents", 8);
    for (int i = 0; i < r.others; ++i) get(heap, 8);
    const std::string before = bookkeeping();
    platform::testing::set_allocation_fails(true);
    void* q = p;
    const ovle_feedback fc = resize(q, r.new_size);
    platform::testing::set_allocation_fails(false);
    if (r.succeeds) {
      EXPECT_TRUE(test::is_success(fc));
    } else {
      EXPECT_EQ(test::view(fc), test::ascii_condition(3, 813, 1));
      EXPECT_EQ(q, p);
      EXPECT_EQ(bookkeeping(), before);
    }
    EXPECT_EQ(std::string(static_cast<char*>(q), 8), "contents");
    EXPECT_TRUE(test::is_success(free(q)));
    EXPECT_TRUE(test::is_success(discard(heap)));
  }
  platform::testing::set_allocation_fails(true);
  void* p = nullptr;
  EXPECT_EQ(test::view(get(0, 8, p)), test::ascii_condition(3, 813, 1));
  EXPECT_EQ(p, nullptr);
}

}  // namespace
}  // namespace ovle
