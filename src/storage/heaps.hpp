// User heaps: create a heap, get, free and resize its elements, discard it.
//
// The registry lives in OV-LE-EXTERNAL, the block and subblock records in the heap record stream
// that OV-PIPI opened; an in-memory index (heap_index.hpp) bound to that stream answers first fit
// and the element lookup in O(log n). Each function returns null on success and otherwise the
// condition to store; a condition found by a check leaves the registry and the heaps as they were.
#pragma once

#include <cstdint>

#include "common/feedback.hpp"
#include "common/ov_le_external.hpp"

namespace ovle::storage {

struct created_heap {
  std::int32_t heap_id;
  std::int32_t initial_size;  // rounded up to a multiple of 4096
  std::int32_t increment;     // likewise
};

// CEECRHP: options 0, 1 or 70 to 80.
const common::condition* create_heap(common::ov_le_external area, std::int32_t initial_size, std::int32_t increment,
                                     std::int32_t options, created_heap& out) noexcept;

// CEEGTST: `address` receives the element's first byte.
const common::condition* get_storage(common::ov_le_external area, std::int32_t heap_id, std::int32_t size,
                                     void*& address) noexcept;

// CEEFRST.
const common::condition* free_storage(common::ov_le_external area, const void* address) noexcept;

// CEECZST: `address` is the element's, and receives its new place when it moves.
const common::condition* resize_storage(common::ov_le_external area, void*& address, std::int32_t size) noexcept;

// CEEDSHP.
const common::condition* discard_heap(common::ov_le_external area, std::int32_t heap_id) noexcept;

}  // namespace ovle::storage
