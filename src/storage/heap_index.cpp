// The free tree, the block order and the address map behind first fit and the element lookup.
#include "storage/heap_index.hpp"

#include <algorithm>
#include <bit>

namespace ovle::storage {

// ---- free_tree ---------------------------------------------------------------------------------------

std::uint32_t free_tree::first_fit(std::uint32_t root, std::uint32_t size) const noexcept {
  if (largest(root) < size) return none;
  std::uint32_t x = root;
  // The subtree of x holds a fit; the leftmost one is in the left subtree, at x, or to the right.
  for (;;) {
    const record_image& node = n_[x];
    if (largest(node.left) >= size) {
      x = node.left;
    } else if (node.size >= size) {
      return x;
    } else {
      x = node.right;
    }
  }
}

void free_tree::pull(std::uint32_t x) noexcept {
  record_image& node = n_[x];
  const std::uint32_t below = std::max(largest(node.left), largest(node.right));
  node.largest = node.size > below ? node.size : below;
}

// Lifts x above its parent, keeping the offset order.
void free_tree::rotate_up(std::uint32_t& root, std::uint32_t x) noexcept {
  const std::uint32_t p = n_[x].parent;
  const std::uint32_t g = n_[p].parent;
  if (n_[p].left == x) {
    n_[p].left = n_[x].right;
    if (n_[x].right != none) n_[n_[x].right].parent = p;
    n_[x].right = p;
  } else {
    n_[p].right = n_[x].left;
    if (n_[x].left != none) n_[n_[x].left].parent = p;
    n_[x].left = p;
  }
  n_[p].parent = x;
  n_[x].parent = g;
  if (g == none) {
    root = x;
  } else if (n_[g].left == p) {
    n_[g].left = x;
  } else {
    n_[g].right = x;
  }
  pull(p);
  pull(x);
}

void free_tree::insert(std::uint32_t& root, std::uint32_t x) noexcept {
  record_image& node = n_[x];
  node.left = node.right = node.parent = none;
  node.largest = node.size;
  node.priority = scatter(x);
  if (root == none) {
    root = x;
    return;
  }
  std::uint32_t p = root;
  for (;;) {
    std::uint32_t& child = node.offset < n_[p].offset ? n_[p].left : n_[p].right;
    if (child == none) {
      child = x;
      break;
    }
    p = child;
  }
  node.parent = p;
  while (n_[x].parent != none && priority(x) > priority(n_[x].parent)) rotate_up(root, x);
  for (std::uint32_t y = n_[x].parent; y != none; y = n_[y].parent) pull(y);
}

void free_tree::erase(std::uint32_t& root, std::uint32_t x) noexcept {
  // Rotate x down below the child of higher priority until it has at most one child.
  while (n_[x].left != none && n_[x].right != none) {
    const std::uint32_t l = n_[x].left, r = n_[x].right;
    rotate_up(root, priority(l) > priority(r) ? l : r);
  }
  const std::uint32_t child = n_[x].left != none ? n_[x].left : n_[x].right;
  const std::uint32_t p = n_[x].parent;
  if (child != none) n_[child].parent = p;
  if (p == none) {
    root = child;
  } else if (n_[p].left == x) {
    n_[p].left = child;
  } else {
    n_[p].right = child;
  }
  for (std::uint32_t y = p; y != none; y = n_[y].parent) pull(y);
  n_[x].left = n_[x].right = n_[x].parent = none;
}

void free_tree::replace(std::uint32_t& root, std::uint32_t x, std::uint32_t y) noexcept {
  record_image& old = n_[x];
  record_image& node = n_[y];
  node.left = old.left;
  node.right = old.right;
  node.parent = old.parent;
  node.priority = old.priority;
  node.largest = old.largest;
  if (node.left != none) n_[node.left].parent = y;
  if (node.right != none) n_[node.right].parent = y;
  if (node.parent == none) {
    root = y;
  } else if (n_[node.parent].left == x) {
    n_[node.parent].left = y;
  } else {
    n_[node.parent].right = y;
  }
  old.left = old.right = old.parent = none;
  resized(y);
}

void free_tree::resized(std::uint32_t x) noexcept {
  for (std::uint32_t y = x; y != none; y = n_[y].parent) {
    const std::uint32_t before = n_[y].largest;
    pull(y);
    if (n_[y].largest == before) break;
  }
}

// ---- block_order -------------------------------------------------------------------------------------

void block_order::reserve_one(std::vector<block_info>& blocks) {
  if (used_ < capacity_) return;
  // Renumber the blocks still present, in order, into a tree twice their number.
  const std::uint32_t capacity = std::max<std::uint32_t>(16, std::bit_ceil(2 * (live_ + 1)));
  std::vector<std::uint32_t> tree(2 * static_cast<std::size_t>(capacity), 0);
  std::vector<std::uint32_t> block_at(capacity, none);
  std::uint32_t j = 0;
  for (std::uint32_t p = 0; p < used_; ++p) {
    const std::uint32_t b = block_at_[p];
    if (b == none) continue;
    block_at[j] = b;
    tree[capacity + j] = tree_[capacity_ + p];
    blocks[b].position = j;
    ++j;
  }
  for (std::uint32_t i = capacity; i-- > 1;) tree[i] = std::max(tree[2 * i], tree[2 * i + 1]);
  tree_.swap(tree);
  block_at_.swap(block_at);
  capacity_ = capacity;
  used_ = j;
}

void block_order::push_front(std::uint32_t block, std::vector<block_info>& blocks) noexcept {
  const std::uint32_t p = used_++;
  block_at_[p] = block;
  blocks[block].position = p;
  ++live_;
}

void block_order::set_largest(std::uint32_t position, std::uint32_t largest) noexcept {
  std::size_t i = capacity_ + position;
  tree_[i] = largest;
  for (i /= 2; i >= 1; i /= 2) {
    const std::uint32_t v = std::max(tree_[2 * i], tree_[2 * i + 1]);
    if (tree_[i] == v) break;
    tree_[i] = v;
  }
}

void block_order::erase(std::uint32_t position) noexcept {
  set_largest(position, 0);
  block_at_[position] = none;
  --live_;
}

std::uint32_t block_order::first_with_room(std::uint32_t size) const noexcept {
  if (capacity_ == 0 || tree_[1] < size) return none;
  std::size_t i = 1;
  // The highest position first: the front of the chain.
  while (i < capacity_) i = tree_[2 * i + 1] >= size ? 2 * i + 1 : 2 * i;
  return block_at_[i - capacity_];
}

// ---- address_map -------------------------------------------------------------------------------------

void address_map::reserve_one() {
  // At most half full.
  if (2 * (count_ + 1) > slots_.size()) rehash(std::max<std::size_t>(64, 2 * slots_.size()));
}

void address_map::rehash(std::size_t capacity) {
  std::vector<entry> old(capacity, entry{0, 0});
  old.swap(slots_);
  shift_ = 64 - static_cast<unsigned>(std::countr_zero(capacity));
  for (const entry& e : old) {
    if (e.key == 0) continue;
    std::size_t i = home(e.key);
    while (slots_[i].key != 0) i = (i + 1) & (slots_.size() - 1);
    slots_[i] = e;
  }
}

std::uint32_t address_map::find(std::uintptr_t key) const noexcept {
  if (count_ == 0 || key == 0) return none;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = home(key);; i = (i + 1) & mask) {
    if (slots_[i].key == key) return slots_[i].value;
    if (slots_[i].key == 0) return none;
  }
}

void address_map::insert(std::uintptr_t key, std::uint32_t value) noexcept {
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = home(key);
  while (slots_[i].key != 0) i = (i + 1) & mask;
  slots_[i] = {key, value};
  ++count_;
}

void address_map::erase(std::uintptr_t key) noexcept {
  if (count_ == 0) return;
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = home(key);
  while (slots_[i].key != key) {
    if (slots_[i].key == 0) return;
    i = (i + 1) & mask;
  }
  // Shift back the entries of the run behind the hole that may move into it.
  for (std::size_t j = (i + 1) & mask; slots_[j].key != 0; j = (j + 1) & mask) {
    const std::size_t h = home(slots_[j].key);
    // j's entry may fill the hole at i when its home is not cyclically in (i, j].
    if (((j - h) & mask) >= ((j - i) & mask)) {
      slots_[i] = slots_[j];
      i = j;
    }
  }
  slots_[i] = {0, 0};
  --count_;
}

void address_map::clear() noexcept {
  std::fill(slots_.begin(), slots_.end(), entry{0, 0});
  count_ = 0;
}

}  // namespace ovle::storage
