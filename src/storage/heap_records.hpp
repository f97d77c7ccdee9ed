// The 29-byte block and subblock records of the heap record stream, as laid out in the stream.
//
// Record k starts at stream offset 4 + 29k, so that offset 0 can mean "none". Every binary in a
// record is in the run-time's native order, like the stream top and the released-record chain:
//   block     next block (4), placement (1: 1 below the line, 2 above), block size (4),
//             native address (8), registered address (8), first subblock (4)
//   subblock  next subblock (4), type (1: 1 allocated, 0 unallocated), size (4),
//             native address (8), registered address (8), offset from the start of the block (4)
// A released record keeps only its first four bytes meaningful: the next released record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/bytes.hpp"

namespace ovle::storage {

inline constexpr std::uint32_t record_size = 29;
inline constexpr std::uint32_t first_record_offset = 4;

constexpr std::uint32_t record_offset(std::uint32_t k) noexcept { return first_record_offset + record_size * k; }

// The fields of either kind of record, in their order.
struct record_fields {
  std::uint32_t next;        // next block / next subblock / next released record
  std::uint8_t flag;         // block: placement; subblock: 1 allocated, 0 not
  std::uint32_t size;        // block size / subblock size
  std::uint64_t native;      // native address
  std::uint64_t registered;  // registered address
  std::uint32_t last;        // block: first subblock record; subblock: offset in the block
  friend bool operator==(const record_fields&, const record_fields&) = default;
};

using record_bytes = std::array<std::byte, record_size>;

inline record_bytes encode_record(const record_fields& f) noexcept {
  record_bytes b{};
  common::store_native(b.data(), f.next);
  b[4] = static_cast<std::byte>(f.flag);
  common::store_native(b.data() + 5, f.size);
  common::store_native(b.data() + 9, f.native);
  common::store_native(b.data() + 17, f.registered);
  common::store_native(b.data() + 25, f.last);
  return b;
}

inline record_fields decode_record(const record_bytes& b) noexcept {
  return {common::load_native<std::uint32_t>(b.data()),      static_cast<std::uint8_t>(b[4]),
          common::load_native<std::uint32_t>(b.data() + 5),  common::load_native<std::uint64_t>(b.data() + 9),
          common::load_native<std::uint64_t>(b.data() + 17), common::load_native<std::uint32_t>(b.data() + 25)};
}

}  // namespace ovle::storage
