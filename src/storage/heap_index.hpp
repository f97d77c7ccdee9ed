// The in-memory index of the heaps: what first fit and the address lookup need in O(log n), kept
// beside the heap record stream, which stays the published form of the same blocks and subblocks.
//
// First fit walks a heap's blocks of one placement in chain order (the newest block first) and, in
// each, the subblocks in address order. Two levels answer it without the walk: `block_order` finds
// the first block in chain order whose largest free subblock is big enough, and that block's
// `free_tree` finds its lowest-addressed free subblock that is big enough. `address_map` finds the
// allocated element at an address.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ovle::storage {

inline constexpr std::uint32_t none = 0xFFFFFFFFu;

enum class placement : std::uint8_t { below = 1, above = 2 };

enum class record_kind : std::uint8_t { released, block, subblock };

// The image of record k of the heap record stream. A subblock uses every field; a block record only
// `kind` and `block`; a released record `next` (the next released record).
struct record_image {
  std::uint32_t offset = 0;  // from the start of the block
  std::uint32_t size = 0;
  std::uint32_t prev = none;  // neighbours in address order within the block
  std::uint32_t next = none;
  std::uint32_t block = none;  // index into the blocks
  // The free tree, while the subblock is unallocated.
  std::uint32_t left = none;
  std::uint32_t right = none;
  std::uint32_t parent = none;
  std::uint32_t largest = 0;   // the largest size in this node's subtree
  std::uint32_t priority = 0;  // the treap's heap order
  record_kind kind = record_kind::released;
  bool allocated = false;
};

// One block of memory of a heap.
struct block_info {
  std::byte* memory = nullptr;
  std::uint32_t size = 0;
  std::uint32_t record = none;  // its block record
  std::uint32_t first = none;   // its first subblock record
  std::uint32_t root = none;    // root of its free tree
  std::uint32_t prev = none;    // neighbours in the heap's chain (block indexes)
  std::uint32_t next = none;
  std::uint32_t position = none;  // in the block_order of its heap and placement
  std::uint32_t published = 0;    // the largest free size that block_order holds for it
  std::uint16_t slot = 0;
  placement where = placement::above;
};

// The unallocated subblocks of one block ordered by offset, a treap whose priorities come from the
// record numbers; each node knows the largest size below it.
//
// A split or a join keeps a free subblock's place in offset order while its record changes: the new
// record takes over the old one's place and priority (replace) instead of an erase and an insert.
class free_tree {
 public:
  explicit free_tree(std::vector<record_image>& nodes) noexcept : n_(nodes) {}

  std::uint32_t largest(std::uint32_t root) const noexcept { return root == none ? 0 : n_[root].largest; }
  // The lowest-addressed node of at least `size` bytes, or none.
  std::uint32_t first_fit(std::uint32_t root, std::uint32_t size) const noexcept;
  void insert(std::uint32_t& root, std::uint32_t x) noexcept;
  void erase(std::uint32_t& root, std::uint32_t x) noexcept;
  // After a change of x's size that leaves its place in offset order as it was.
  void resized(std::uint32_t x) noexcept;
  // Puts y (not in the tree) in x's place; y's offset must have the same neighbours in the tree.
  void replace(std::uint32_t& root, std::uint32_t x, std::uint32_t y) noexcept;

 private:
  static std::uint32_t scatter(std::uint32_t x) noexcept {
    const std::uint32_t h = x * 0x9E3779B1u;
    return h ^ (h >> 15);
  }
  std::uint32_t priority(std::uint32_t x) const noexcept { return n_[x].priority; }
  void pull(std::uint32_t x) noexcept;
  void rotate_up(std::uint32_t& root, std::uint32_t x) noexcept;

  std::vector<record_image>& n_;
};

// The blocks of one heap and one placement in chain order, each with its largest free subblock: a
// segment tree over positions handed out in creation order, so the newest block has the highest.
class block_order {
 public:
  // Makes room for one more block, so that push_front cannot fail; may throw std::bad_alloc.
  void reserve_one(std::vector<block_info>& blocks);
  // Puts a block at the front of the chain order (after reserve_one).
  void push_front(std::uint32_t block, std::vector<block_info>& blocks) noexcept;
  void set_largest(std::uint32_t position, std::uint32_t largest) noexcept;
  void erase(std::uint32_t position) noexcept;
  // The first block in chain order with a free subblock of at least `size` bytes, or none.
  std::uint32_t first_with_room(std::uint32_t size) const noexcept;

 private:
  std::vector<std::uint32_t> tree_;      // tree_[capacity_ + position] is a leaf; tree_[1] the root
  std::vector<std::uint32_t> block_at_;  // position -> block, none when that block has left
  std::uint32_t capacity_ = 0;
  std::uint32_t used_ = 0;  // positions handed out
  std::uint32_t live_ = 0;
};

// Address of an allocated element -> its subblock record: open addressing with linear probing.
class address_map {
 public:
  // Makes room for one more entry, so that insert cannot fail; may throw std::bad_alloc.
  void reserve_one();
  std::uint32_t find(std::uintptr_t key) const noexcept;
  void insert(std::uintptr_t key, std::uint32_t value) noexcept;
  void erase(std::uintptr_t key) noexcept;
  void clear() noexcept;
  std::size_t size() const noexcept { return count_; }

 private:
  struct entry {
    std::uintptr_t key;  // 0: empty
    std::uint32_t value;
  };
  std::size_t home(std::uintptr_t key) const noexcept {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(key) * 0x9E3779B97F4A7C15ull) >> shift_);
  }
  void rehash(std::size_t capacity);

  std::vector<entry> slots_;
  std::size_t count_ = 0;
  unsigned shift_ = 64;
};

}  // namespace ovle::storage
