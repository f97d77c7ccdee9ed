// User heaps: the registry in OV-LE-EXTERNAL, the records in the heap record stream, first fit
// through the in-memory index.
#include "storage/heaps.hpp"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "common/conditions.hpp"
#include "common/ebcdic.hpp"
#include "common/platform/platform.hpp"
#include "storage/heap_index.hpp"
#include "storage/heap_records.hpp"

namespace ovle::storage {
namespace {

using common::ov_le_external;
using stat = ov_le_external::storage_statistic;
namespace conditions = common::conditions;

constexpr int max_slots = 999;
constexpr std::int64_t max_size = 0x7FFFFFFF;

constexpr char ebcdic_0 = common::ebcdic::digit(0);
constexpr char ebcdic_1 = common::ebcdic::digit(1);

// What the index keeps per registry slot.
struct heap_state {
  std::uint32_t first_block = none;  // block index, the front of the chain
  std::uint32_t block_count = 0;
  std::unique_ptr<block_order> orders[2];  // below, above
  block_order* order(placement p) noexcept { return orders[p == placement::below ? 0 : 1].get(); }
};

// Memory obtained ahead of a move, for the block the move may need.
struct spare_memory {
  std::byte* memory = nullptr;
  std::uint32_t size = 0;
};

class heap_manager {
 public:
  // Binds the index to the area's heap record stream; a new stream (a new initialization of the
  // environment) starts an empty index. The blocks of the old one are left to their callers.
  void bind(ov_le_external area) {
    area_ = area;
    write_failed_ = release_failed_ = false;
    if (bound_ && stream_ == area.stream_id()) return;
    records_.clear();
    blocks_.clear();
    spare_block_ = none;
    released_ = none;
    elements_.clear();
    heaps_.clear();
    heaps_.resize(max_slots + 1);
    stream_ = area.stream_id();
    bound_ = true;
  }

  const common::condition* create(std::int32_t initial, std::int32_t increment, std::int32_t options,
                                  created_heap& out);
  const common::condition* get(std::int32_t heap_id, std::int32_t size, void*& address);
  const common::condition* free(const void* address);
  const common::condition* resize(void*& address, std::int32_t size);
  const common::condition* discard(std::int32_t heap_id);

 private:
  // ---- registry ----
  int slots_in_use() const noexcept { return std::clamp(area_.slot_count(), 1, max_slots); }
  // The slot holding a heap ID in use, 0 when there is none.
  std::size_t slot_of(std::int32_t heap_id) const noexcept {
    if (heap_id < 0 || heap_id >= slots_in_use()) return 0;
    const auto slot = static_cast<std::size_t>(heap_id) + 1;
    return area_.slot_heap_id(slot) == heap_id ? slot : 0;
  }
  placement placement_for(std::size_t slot) const noexcept;
  bool keeps_empty_block(std::size_t slot) const noexcept;
  std::uint32_t new_block_size(std::size_t slot, placement where, std::uint32_t rounded,
                               bool has_blocks) const noexcept;

  // ---- statistics ----
  void bump(stat s, std::uint32_t by = 1) const noexcept { area_.set_statistic(s, area_.statistic(s) + by); }
  void add_in_use(bool heap0, std::uint32_t n) const noexcept {
    const stat in_use = heap0 ? stat::heap0_in_use : stat::other_in_use;
    const stat high = heap0 ? stat::heap0_high_water : stat::other_high_water;
    const std::uint32_t now = area_.statistic(in_use) + n;
    area_.set_statistic(in_use, now);
    if (now > area_.statistic(high)) area_.set_statistic(high, now);
  }

  // ---- records ----
  bool stream_open() const noexcept { return platform::read_vfile(stream_, 0, {}); }
  std::uint32_t take_record() noexcept;
  void release_record(std::uint32_t k) noexcept;
  void write(std::uint32_t k, const record_fields& f) noexcept {
    if (!platform::write_vfile(stream_, record_offset(k), encode_record(f))) write_failed_ = true;
  }
  void write_subblock(std::uint32_t k) noexcept;
  void write_block(std::uint32_t b) noexcept;
  static std::uint32_t offset_or_zero(std::uint32_t k) noexcept { return k == none ? 0 : record_offset(k); }
  std::byte* address_of(std::uint32_t k) const noexcept {
    return blocks_[records_[k].block].memory + records_[k].offset;
  }

  // ---- the work ----
  // Room in every container for what one get may add, so that the changes that follow cannot fail.
  void prepare(std::size_t slot, placement where);
  std::uint32_t find_fit(std::size_t slot, placement where, std::uint32_t rounded) noexcept;
  std::uint32_t add_block(std::size_t slot, placement where, std::byte* memory, std::uint32_t size) noexcept;
  void carve(std::uint32_t s, std::uint32_t rounded) noexcept;
  const common::condition* get_element(std::size_t slot, std::uint32_t rounded, spare_memory& spare,
                                       std::uint32_t& element) noexcept;
  void free_element(std::uint32_t k) noexcept;
  void shrink_element(std::uint32_t k, std::uint32_t rounded) noexcept;
  const common::condition* move_element(std::uint32_t k, std::uint32_t rounded, void*& address);
  void return_block(std::uint32_t b) noexcept;
  void release_block_records(std::uint32_t b) noexcept;
  // Tells the block order the block's largest free subblock, when it changed.
  void update_order(std::uint32_t b) noexcept {
    block_info& info = blocks_[b];
    const std::uint32_t largest = free_tree(records_).largest(info.root);
    if (largest == info.published) return;
    info.published = largest;
    heaps_[info.slot].order(info.where)->set_largest(info.position, largest);
  }
  // The condition of a write that failed during the service, if any.
  const common::condition* write_outcome(bool releasing) noexcept {
    const bool release = release_failed_, any = write_failed_;
    release_failed_ = write_failed_ = false;
    if (release && releasing) return &conditions::heap_record_release_failed;
    return any || release ? &conditions::heap_record_io_failed : nullptr;
  }

  ov_le_external area_{nullptr};
  std::uint16_t stream_ = 0;
  bool bound_ = false;
  bool write_failed_ = false;
  bool release_failed_ = false;
  std::vector<record_image> records_;
  std::uint32_t released_ = none;  // head of the released records
  std::vector<block_info> blocks_;
  std::uint32_t spare_block_ = none;  // block indexes to reuse, chained through `next`
  address_map elements_;
  std::vector<heap_state> heaps_;  // by slot
};

// ---- registry ---------------------------------------------------------------------------------------

placement heap_manager::placement_for(std::size_t slot) const noexcept {
  // With ALL31 off every request is placed below the line.
  if (area_.all31() == ebcdic_0) return placement::below;
  switch (area_.slot_options(slot)) {
    case 73:
    case 74:
    case 76: return placement::below;
    case 0:
    case 1:
    case 70: return area_.heap_location() == ebcdic_1 ? placement::below : placement::above;
    default: return placement::above;
  }
}

bool heap_manager::keeps_empty_block(std::size_t slot) const noexcept {
  switch (area_.slot_options(slot)) {
    case 70:
    case 71:
    case 73:
    case 77:
    case 79: return true;
    case 0:
    case 75:
    case 76: return area_.heap_keep_free() == ebcdic_0;
    default: return false;
  }
}

// The heap's increment once it has blocks, its initial size before, the placement's default for a
// size of 0, and never less than the request.
std::uint32_t heap_manager::new_block_size(std::size_t slot, placement where, std::uint32_t rounded,
                                           bool has_blocks) const noexcept {
  std::int64_t size = has_blocks ? area_.slot_increment(slot) : area_.slot_initial_size(slot);
  if (size <= 0) {
    if (where == placement::above) {
      size = has_blocks ? area_.heap_increment_above() : area_.heap_initial_above();
    } else {
      size = has_blocks ? area_.heap_increment_below() : area_.heap_initial_below();
    }
  }
  return static_cast<std::uint32_t>(std::clamp<std::int64_t>(size, rounded, max_size));
}

// ---- records ----------------------------------------------------------------------------------------

std::uint32_t heap_manager::take_record() noexcept {
  if (released_ != none) {
    const std::uint32_t k = released_;
    released_ = records_[k].next;
    area_.set_released_head(offset_or_zero(released_));
    records_[k] = record_image{};
    return k;
  }
  const auto k = static_cast<std::uint32_t>(records_.size());
  records_.emplace_back();  // within the capacity prepare() made
  area_.set_stream_top(record_offset(k + 1));
  return k;
}

void heap_manager::release_record(std::uint32_t k) noexcept {
  records_[k] = record_image{};
  records_[k].next = released_;
  std::uint32_t next_offset = offset_or_zero(released_);
  released_ = k;
  area_.set_released_head(record_offset(k));
  std::byte bytes[4];
  common::store_native(bytes, next_offset);
  if (!platform::write_vfile(stream_, record_offset(k), bytes)) release_failed_ = true;
}

void heap_manager::write_subblock(std::uint32_t k) noexcept {
  const record_image& s = records_[k];
  const auto address = reinterpret_cast<std::uintptr_t>(address_of(k));
  write(k,
        {offset_or_zero(s.next), static_cast<std::uint8_t>(s.allocated ? 1 : 0), s.size, address, address, s.offset});
}

void heap_manager::write_block(std::uint32_t b) noexcept {
  const block_info& info = blocks_[b];
  const auto address = reinterpret_cast<std::uintptr_t>(info.memory);
  write(info.record, {info.next == none ? 0 : record_offset(blocks_[info.next].record),
                      static_cast<std::uint8_t>(info.where), info.size, address, address, record_offset(info.first)});
}

// ---- get --------------------------------------------------------------------------------------------

void heap_manager::prepare(std::size_t slot, placement where) {
  // At most three records (a block's subblock, the block, the rest after a split) and one block.
  if (records_.capacity() < records_.size() + 3) records_.reserve(std::max(2 * records_.capacity(), std::size_t{64}));
  if (spare_block_ == none && blocks_.size() == blocks_.capacity()) {
    blocks_.reserve(std::max(2 * blocks_.capacity(), std::size_t{16}));
  }
  auto& order = heaps_[slot].orders[where == placement::below ? 0 : 1];
  if (!order) order = std::make_unique<block_order>();
  order->reserve_one(blocks_);
  elements_.reserve_one();
}

std::uint32_t heap_manager::find_fit(std::size_t slot, placement where, std::uint32_t rounded) noexcept {
  const block_order* order = heaps_[slot].order(where);
  const std::uint32_t b = order == nullptr ? none : order->first_with_room(rounded);
  if (b == none) return none;
  return free_tree(records_).first_fit(blocks_[b].root, rounded);
}

std::uint32_t heap_manager::add_block(std::size_t slot, placement where, std::byte* memory,
                                      std::uint32_t size) noexcept {
  heap_state& heap = heaps_[slot];
  const bool first_of_heap = heap.first_block == none;
  // The subblock record that covers the block, then the block record.
  const std::uint32_t sub = take_record();
  const std::uint32_t rec = take_record();
  std::uint32_t b = spare_block_;
  if (b != none) {
    spare_block_ = blocks_[b].next;
  } else {
    b = static_cast<std::uint32_t>(blocks_.size());
    blocks_.emplace_back();  // within the capacity prepare() made
  }
  block_info& info = blocks_[b];
  info = block_info{.memory = memory,
                    .size = size,
                    .record = rec,
                    .first = sub,
                    .next = heap.first_block,
                    .slot = static_cast<std::uint16_t>(slot),
                    .where = where};
  if (heap.first_block != none) blocks_[heap.first_block].prev = b;
  heap.first_block = b;
  ++heap.block_count;
  records_[rec].kind = record_kind::block;
  records_[rec].block = b;
  record_image& s = records_[sub];
  s.kind = record_kind::subblock;
  s.block = b;
  s.size = size;
  free_tree(records_).insert(info.root, sub);
  block_order* order = heap.order(where);
  order->push_front(b, blocks_);
  order->set_largest(info.position, size);
  info.published = size;
  area_.set_slot_first_block(slot, record_offset(rec));
  write_subblock(sub);
  write_block(b);

  const bool heap0 = slot == 1;
  bump(heap0 ? stat::heap0_blocks_allocated : stat::other_blocks_allocated);
  if (heap0) {
    const auto signed_size = static_cast<std::int32_t>(size);
    if (first_of_heap && signed_size > area_.heap0_initial()) area_.set_heap0_initial(signed_size);
    if (!first_of_heap && signed_size > area_.heap0_increment()) area_.set_heap0_increment(signed_size);
  }
  return sub;
}

// Allocates `rounded` bytes at the start of the free subblock s; the rest stays free behind it.
void heap_manager::carve(std::uint32_t s, std::uint32_t rounded) noexcept {
  const std::uint32_t b = records_[s].block;
  free_tree tree(records_);
  if (records_[s].size == rounded) tree.erase(blocks_[b].root, s);
  if (records_[s].size > rounded) {
    const std::uint32_t rest = take_record();
    record_image& r = records_[rest];
    const record_image& e = records_[s];
    r.kind = record_kind::subblock;
    r.block = b;
    r.offset = e.offset + rounded;
    r.size = e.size - rounded;
    r.prev = s;
    r.next = e.next;
    if (e.next != none) records_[e.next].prev = rest;
    records_[s].next = rest;
    tree.replace(blocks_[b].root, s, rest);
    write_subblock(rest);
  }
  records_[s].size = rounded;
  records_[s].allocated = true;
  write_subblock(s);
  update_order(b);
  elements_.insert(reinterpret_cast<std::uintptr_t>(address_of(s)), s);
}

const common::condition* heap_manager::get_element(std::size_t slot, std::uint32_t rounded, spare_memory& spare,
                                                   std::uint32_t& element) noexcept {
  const placement where = placement_for(slot);
  std::uint32_t s = find_fit(slot, where, rounded);
  if (s == none) {
    const std::uint32_t size = new_block_size(slot, where, rounded, heaps_[slot].first_block != none);
    std::byte* memory = nullptr;
    if (spare.memory != nullptr && spare.size == size) {
      memory = std::exchange(spare.memory, nullptr);
    } else {
      memory = static_cast<std::byte*>(platform::allocate_memory(size));
    }
    if (memory == nullptr) return &conditions::storage_not_obtained;
    s = add_block(slot, where, memory, size);
  }
  carve(s, rounded);
  const bool heap0 = slot == 1;
  add_in_use(heap0, rounded);
  // Options 79 and 80 clear every new element; otherwise the STORAGE heap-fill byte, when on.
  const int options = area_.slot_options(slot);
  if (options == 79 || options == 80) {
    std::memset(address_of(s), 0, rounded);
  } else if (area_.heap_fill_on()) {
    std::memset(address_of(s), static_cast<unsigned char>(area_.heap_fill_byte()), rounded);
  }
  element = s;
  return nullptr;
}

// ---- free -------------------------------------------------------------------------------------------

void heap_manager::free_element(std::uint32_t k) noexcept {
  const std::uint32_t b = records_[k].block;
  const std::size_t slot = blocks_[b].slot;
  const std::uint32_t size = records_[k].size;
  std::byte* address = address_of(k);
  if (area_.free_fill_on()) std::memset(address, static_cast<unsigned char>(area_.free_fill_byte()), size);
  const stat in_use = slot == 1 ? stat::heap0_in_use : stat::other_in_use;
  area_.set_statistic(in_use, area_.statistic(in_use) - size);
  elements_.erase(reinterpret_cast<std::uintptr_t>(address));
  records_[k].allocated = false;

  // Join with a free neighbour before, then with one after; the records no longer needed are released.
  free_tree tree(records_);
  std::uint32_t& root = blocks_[b].root;
  const std::uint32_t p = records_[k].prev;
  const std::uint32_t n = records_[k].next;
  const bool join_before = p != none && !records_[p].allocated;
  const bool join_after = n != none && !records_[n].allocated;
  std::uint32_t survivor = k;
  if (join_before) {
    records_[p].size += size;
    records_[p].next = n;
    if (n != none) records_[n].prev = p;
    release_record(k);
    tree.resized(p);
    survivor = p;
  }
  if (join_after) {
    // The survivor absorbs n; without a join before, it also takes n's place in the tree.
    if (join_before) tree.erase(root, n);
    record_image& v = records_[survivor];
    v.size += records_[n].size;
    v.next = records_[n].next;
    if (v.next != none) records_[v.next].prev = survivor;
    if (join_before) {
      tree.resized(survivor);
    } else {
      tree.replace(root, n, survivor);
    }
    release_record(n);
  } else if (!join_before) {
    tree.insert(root, survivor);
  }
  write_subblock(survivor);
  update_order(b);

  // An emptied block (the survivor alone in it) goes back to the run-time unless the heap's options keep it.
  const record_image& joined = records_[survivor];
  if (joined.prev == none && joined.next == none && !keeps_empty_block(slot)) return_block(b);
}

void heap_manager::release_block_records(std::uint32_t b) noexcept {
  for (std::uint32_t s = blocks_[b].first; s != none;) {
    const std::uint32_t next = records_[s].next;
    release_record(s);
    s = next;
  }
  release_record(blocks_[b].record);
}

void heap_manager::return_block(std::uint32_t b) noexcept {
  block_info& info = blocks_[b];
  heap_state& heap = heaps_[info.slot];
  platform::free_memory(info.memory);
  if (info.prev != none) {
    blocks_[info.prev].next = info.next;
    write_block(info.prev);
  } else {
    heap.first_block = info.next;
    area_.set_slot_first_block(info.slot, info.next == none ? 0 : record_offset(blocks_[info.next].record));
  }
  if (info.next != none) blocks_[info.next].prev = info.prev;
  heap.order(info.where)->erase(info.position);
  --heap.block_count;
  release_block_records(b);
  bump(info.slot == 1 ? stat::heap0_blocks_freed : stat::other_blocks_freed);
  info = block_info{};
  info.next = spare_block_;
  spare_block_ = b;
}

// ---- resize -----------------------------------------------------------------------------------------

// The element keeps its place; the tail becomes free, joined with a free subblock behind it.
void heap_manager::shrink_element(std::uint32_t k, std::uint32_t rounded) noexcept {
  const std::uint32_t b = records_[k].block;
  const std::uint32_t tail = take_record();
  record_image& t = records_[tail];
  t.kind = record_kind::subblock;
  t.block = b;
  t.offset = records_[k].offset + rounded;
  t.size = records_[k].size - rounded;
  t.prev = k;
  t.next = records_[k].next;
  if (t.next != none) records_[t.next].prev = tail;
  records_[k].next = tail;
  records_[k].size = rounded;
  free_tree tree(records_);
  const std::uint32_t n = t.next;
  if (n != none && !records_[n].allocated) {
    t.size += records_[n].size;
    t.next = records_[n].next;
    if (t.next != none) records_[t.next].prev = tail;
    tree.replace(blocks_[b].root, n, tail);
    release_record(n);
  } else {
    tree.insert(blocks_[b].root, tail);
  }
  write_subblock(tail);
  write_subblock(k);
  update_order(b);
}

// The element moves: its contents are kept aside, it is freed, a new element of the new size is
// obtained from the same heap and the contents are put back. Everything that could fail (room in
// the index, the copy, the memory of a new block) is obtained first, so that the element is never
// lost: a failure leaves it where it was.
const common::condition* heap_manager::move_element(std::uint32_t k, std::uint32_t rounded, void*& address) {
  const std::uint32_t b = records_[k].block;
  const std::size_t slot = blocks_[b].slot;
  const placement where = placement_for(slot);
  prepare(slot, where);
  std::vector<std::byte> contents(address_of(k), address_of(k) + records_[k].size);

  // Will the get after the free find room? The free space of other blocks stays; the element's
  // block then holds the element joined with its free neighbours, unless the block goes back.
  free_tree tree(records_);
  const heap_state& heap = heaps_[slot];
  const std::uint32_t p = records_[k].prev, n = records_[k].next;
  const bool free_before = p != none && !records_[p].allocated;
  const bool free_after = n != none && !records_[n].allocated;
  const std::uint32_t joined =
      records_[k].size + (free_before ? records_[p].size : 0) + (free_after ? records_[n].size : 0);
  const bool emptied = (p == none || (free_before && records_[p].prev == none)) &&
                       (n == none || (free_after && records_[n].next == none));
  const bool block_returned = emptied && !keeps_empty_block(slot);
  bool room = false;
  if (block_order* order = heaps_[slot].order(where)) {
    const bool same = blocks_[b].where == where;
    if (same) order->set_largest(blocks_[b].position, 0);
    room = order->first_with_room(rounded) != none;
    if (same) {
      order->set_largest(blocks_[b].position, blocks_[b].published);
      room = room || (!block_returned && std::max(joined, tree.largest(blocks_[b].root)) >= rounded);
    }
  }
  spare_memory spare;
  if (!room) {
    const bool has_blocks_after = !(block_returned && heap.block_count == 1);
    spare.size = new_block_size(slot, where, rounded, has_blocks_after);
    spare.memory = static_cast<std::byte*>(platform::allocate_memory(spare.size));
    if (spare.memory == nullptr) return &conditions::storage_not_obtained;
  }

  free_element(k);
  std::uint32_t moved = none;
  const common::condition* failure = get_element(slot, rounded, spare, moved);
  if (spare.memory != nullptr) platform::free_memory(spare.memory);
  if (failure != nullptr) return failure;  // not reached: the memory was obtained above
  std::memcpy(address_of(moved), contents.data(), contents.size());
  address = address_of(moved);
  return nullptr;
}

// ---- the services -----------------------------------------------------------------------------------

const common::condition* heap_manager::create(std::int32_t initial, std::int32_t increment, std::int32_t options,
                                              created_heap& out) {
  const auto round_4096 = [](std::int64_t v) { return (v + 4095) / 4096 * 4096; };
  // A size whose rounding leaves the 4-byte range counts as invalid, like a negative one.
  if (initial < 0 || round_4096(initial) > max_size) return &conditions::heap_initial_size_invalid;
  if (increment < 0 || round_4096(increment) > max_size) return &conditions::heap_increment_invalid;
  if (options != 0 && options != 1 && (options < 70 || options > 80)) return &conditions::heap_options_invalid;
  const int in_use = slots_in_use();
  std::size_t slot = 0;
  for (int s = 1; s <= in_use && slot == 0; ++s) {
    if (area_.slot_heap_id(static_cast<std::size_t>(s)) == -1) slot = static_cast<std::size_t>(s);
  }
  if (slot == 0) {
    if (in_use >= max_slots) return &conditions::storage_not_obtained;
    slot = static_cast<std::size_t>(in_use) + 1;
    area_.set_slot_count(in_use + 1);
  }
  out = {static_cast<std::int32_t>(slot - 1), static_cast<std::int32_t>(round_4096(initial)),
         static_cast<std::int32_t>(round_4096(increment))};
  area_.set_empty_heap_slot(slot, out.heap_id, out.initial_size, out.increment, options < 0 ? -options : options);
  heaps_[slot] = heap_state{};
  area_.set_registry_cursor(static_cast<std::int16_t>(slot));
  bump(stat::creates);
  return nullptr;
}

const common::condition* heap_manager::get(std::int32_t heap_id, std::int32_t size, void*& address) {
  if (size <= 0) return &conditions::storage_size_not_positive;
  const std::size_t slot = slot_of(heap_id);
  if (slot == 0) return &conditions::heap_id_not_in_use;
  const std::int64_t rounded = (std::int64_t{size} + 7) / 8 * 8;
  if (rounded > max_size) return &conditions::storage_not_obtained;
  if (!stream_open()) return &conditions::heap_record_io_failed;
  prepare(slot, placement_for(slot));
  spare_memory none_spare;
  std::uint32_t element = none;
  if (const auto* failure = get_element(slot, static_cast<std::uint32_t>(rounded), none_spare, element)) {
    return failure;
  }
  area_.set_registry_cursor(static_cast<std::int16_t>(slot));
  address = address_of(element);
  if (const auto* failure = write_outcome(false)) return failure;
  bump(slot == 1 ? stat::heap0_gets : stat::other_gets);
  return nullptr;
}

const common::condition* heap_manager::free(const void* address) {
  const std::uint32_t k = elements_.find(reinterpret_cast<std::uintptr_t>(address));
  if (k == none) return &conditions::storage_address_not_allocated;
  if (!stream_open()) return &conditions::heap_record_io_failed;
  const std::size_t slot = blocks_[records_[k].block].slot;
  free_element(k);
  area_.set_registry_cursor(static_cast<std::int16_t>(slot));
  if (const auto* failure = write_outcome(true)) return failure;
  bump(slot == 1 ? stat::heap0_frees : stat::other_frees);
  return nullptr;
}

const common::condition* heap_manager::resize(void*& address, std::int32_t size) {
  const std::uint32_t k = elements_.find(reinterpret_cast<std::uintptr_t>(address));
  if (k == none) return &conditions::storage_address_not_allocated;
  if (size <= 0) return &conditions::storage_size_not_positive;
  const std::int64_t rounded = (std::int64_t{size} + 7) / 8 * 8;
  if (rounded > max_size) return &conditions::storage_not_obtained;
  if (rounded == records_[k].size) return nullptr;
  if (!stream_open()) return &conditions::heap_record_io_failed;
  const std::size_t slot = blocks_[records_[k].block].slot;
  if (rounded < records_[k].size) {
    if (records_.capacity() == records_.size()) records_.reserve(std::max(2 * records_.capacity(), std::size_t{64}));
    shrink_element(k, static_cast<std::uint32_t>(rounded));
  } else if (const auto* failure = move_element(k, static_cast<std::uint32_t>(rounded), address)) {
    return failure;
  }
  area_.set_registry_cursor(static_cast<std::int16_t>(slot));
  return write_outcome(false);
}

const common::condition* heap_manager::discard(std::int32_t heap_id) {
  if (heap_id == 0) return &conditions::initial_heap_not_discardable;
  const std::size_t slot = slot_of(heap_id);
  if (slot == 0) return &conditions::heap_id_not_in_use;
  heap_state& heap = heaps_[slot];
  if (heap.first_block != none && !stream_open()) return &conditions::heap_record_io_failed;
  for (std::uint32_t b = heap.first_block; b != none;) {
    const std::uint32_t next = blocks_[b].next;
    for (std::uint32_t s = blocks_[b].first; s != none; s = records_[s].next) {
      if (records_[s].allocated) elements_.erase(reinterpret_cast<std::uintptr_t>(address_of(s)));
    }
    platform::free_memory(blocks_[b].memory);
    release_block_records(b);
    blocks_[b] = block_info{};
    blocks_[b].next = spare_block_;
    spare_block_ = b;
    b = next;
  }
  heap = heap_state{};
  area_.set_empty_heap_slot(slot, -1, 0, 0, 0);
  area_.set_registry_cursor(static_cast<std::int16_t>(slot));
  if (const auto* failure = write_outcome(true)) return failure;
  bump(stat::discards);
  return nullptr;
}

heap_manager& manager(ov_le_external area) {
  static auto* heaps = new heap_manager();
  heaps->bind(area);
  return *heaps;
}

}  // namespace

// Internal allocations (the index, a move's copy) that fail answer like memory that was not obtained.

const common::condition* create_heap(ov_le_external area, std::int32_t initial_size, std::int32_t increment,
                                     std::int32_t options, created_heap& out) noexcept {
  try {
    return manager(area).create(initial_size, increment, options, out);
  } catch (...) {
    return &conditions::storage_not_obtained;
  }
}

const common::condition* get_storage(ov_le_external area, std::int32_t heap_id, std::int32_t size,
                                     void*& address) noexcept {
  try {
    return manager(area).get(heap_id, size, address);
  } catch (...) {
    return &conditions::storage_not_obtained;
  }
}

const common::condition* free_storage(ov_le_external area, const void* address) noexcept {
  try {
    return manager(area).free(address);
  } catch (...) {
    return &conditions::storage_not_obtained;
  }
}

const common::condition* resize_storage(ov_le_external area, void*& address, std::int32_t size) noexcept {
  try {
    return manager(area).resize(address, size);
  } catch (...) {
    return &conditions::storage_not_obtained;
  }
}

const common::condition* discard_heap(ov_le_external area, std::int32_t heap_id) noexcept {
  try {
    return manager(area).discard(heap_id);
  } catch (...) {
    return &conditions::storage_not_obtained;
  }
}

}  // namespace ovle::storage
