// Binary items of a COBOL caller put in the byte order the entry reads, and given back.
#include "common/binary_arguments.hpp"

#include <algorithm>

#include "common/frame.hpp"
#include "common/platform/cob_bridge.hpp"

namespace ovle::common {

void caller_arguments::swap_declared_order(const entry_arguments& arguments) noexcept {
  const platform::cob::call_items items;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const binary_contract contract = arguments.contract(i);
    auto* bytes = static_cast<unsigned char*>(arguments.address(i));
    if (contract == binary_contract::none || !present(i, bytes)) continue;
    const std::size_t width = width_of(contract);
    const platform::cob::byte_order declared = items.binary_order(i, bytes, width);
    if (declared == platform::cob::byte_order::unknown) continue;
    if ((declared == platform::cob::byte_order::big_endian) == is_big_endian(contract)) continue;
    // The same item passed twice (CALL 'CEESIABS' USING X FC X) is turned once.
    const auto same = [&](const swapped_item& s) { return s.bytes == bytes && s.width == width; };
    if (std::any_of(swapped_.begin(), swapped_.begin() + static_cast<std::ptrdiff_t>(swapped_count_), same)) continue;
    std::reverse(bytes, bytes + width);
    swapped_[swapped_count_++] = {bytes, width};
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
