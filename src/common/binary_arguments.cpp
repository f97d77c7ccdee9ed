// Binary items of a COBOL caller put in the byte order the entry reads, and given back.
#include "common/binary_arguments.hpp"

#include <algorithm>

#include "common/frame.hpp"
#include "common/platform/cob_bridge.hpp"

namespace ovle::common {

void caller_arguments::swap_declared_order(const binary_items& binaries) noexcept {
  const platform::cob::call_items items;
  for (std::size_t i = 0; i < binaries.count; ++i) {
    const binary_items::item& b = binaries.items[i];
    if (!present(b.position, b.bytes)) continue;
    const std::size_t width = width_of(b.contract);
    const platform::cob::byte_order declared = items.binary_order(b.position, b.bytes, width);
    if (declared == platform::cob::byte_order::unknown) continue;
    if ((declared == platform::cob::byte_order::big_endian) == is_big_endian(b.contract)) continue;
    // The same item passed twice (CALL 'CEESIABS' USING X FC X) is turned once.
    const auto same = [&](const swapped_item& s) { return s.bytes == b.bytes && s.width == width; };
    if (std::any_of(swapped_.begin(), swapped_.begin() + static_cast<std::ptrdiff_t>(swapped_count_), same)) continue;
    std::reverse(b.bytes, b.bytes + width);
    swapped_[swapped_count_++] = {b.bytes, width};
  }
}

void caller_arguments::give_back_byte_order() noexcept {
  // Last turned, first back: items that overlap (one REDEFINES another) come back as they were.
  while (swapped_count_ != 0) {
    const swapped_item& s = swapped_[--swapped_count_];
    std::reverse(s.bytes, s.bytes + s.width);
  }
}

}  // namespace ovle::common
