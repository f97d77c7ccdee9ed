// The heap services where the random sequences of heap_model_test do not reach: the stream and the
// memory failing, a full registry, the bytes of the registry and the records as laid out, and the
// arguments of the call itself.
#include "ovle_test.hpp"
#include "storage/heap_records.hpp"

namespace ovle {
namespace {

using common::ov_le_external;

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
  static std::int32_t create(std::int32_t initial = 0, std::int32_t increment = 0, std::int32_t options = 0) {
    ovle_int4 h = test::int4(55), i = test::int4(initial), n = test::int4(increment), o = test::int4(options);
    ovle_feedback fc = test::dirty_feedback();
    CEECRHP(&h, &i, &n, &o, &fc);
    return test::is_success(fc) ? ovle_int4_get(&h) : -813;
  }
  static ovle_feedback get(std::int32_t heap, std::int32_t size, void*& p) {
    ovle_feedback fc = test::dirty_feedback();
    ovle_int4 h = test::int4(heap), n = test::int4(size);
    CEEGTST(&h, &n, &p, &fc);
    return fc;
  }
  static unsigned char* get(std::int32_t heap, std::int32_t size) {
    void* p = nullptr;
    EXPECT_TRUE(test::is_success(get(heap, size, p)));
    return static_cast<unsigned char*>(p);
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
};

TEST_F(HeapServices, StreamFailuresAndTheCallsOwnArguments) {
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
  // An EBCDIC caller gets CEE in EBCDIC (a missing argument is the hostile-caller sweep's).
  ebcdic_caller();
  EXPECT_EQ(test::view(discard(0)), test::ascii_condition(3, 812, 1, "\xC3\xC5\xC5"));
}

TEST_F(HeapServices, AllRegistrySlotsInUseGive813) {
  for (int i = 1; i < 999; ++i) ASSERT_EQ(create(), i);
  EXPECT_EQ(create(), -813);
  EXPECT_EQ(area().slot_count(), 999);
  ASSERT_TRUE(test::is_success(discard(500)));
  EXPECT_EQ(create(), 500);
}

// The registry slot and a block record byte for byte (the model reads them through their accessors).
TEST_F(HeapServices, RegistryAndRecordBytes) {
  area().set_all31('\xF1');  // ALL31(ON): the options decide, and 77 asks for storage above the line
  EXPECT_EQ(create(5000, 100, 77), 1);
  void* a = get(1, 24);
  // Heap 1, 8192, 4096, options "77", first block at record 1 (offset 33).
  EXPECT_EQ(test::hex(area().heap_slot(2).data(), 18), "000000010000200000001000F7F721000000");
  storage::record_bytes block{};
  ASSERT_TRUE(platform::read_vfile(area().stream_id(), storage::record_offset(1), block));
  // No next block, placement 2, size 8192, then the two addresses, then the first subblock at offset 4.
  EXPECT_EQ(test::hex(block.data(), 9) + " " + test::hex(block.data() + 25, 4), "000000000200200000 04000000");
  EXPECT_EQ(common::load_native<void*>(block.data() + 9), a);
  EXPECT_EQ(common::load_native<void*>(block.data() + 17), a);
  ASSERT_TRUE(test::is_success(discard(1)));
  EXPECT_EQ(test::hex(area().heap_slot(2).data(), 18), "FFFFFFFF0000000000000000F0F000000000");
  EXPECT_EQ(area().registry_cursor(), 2);
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
