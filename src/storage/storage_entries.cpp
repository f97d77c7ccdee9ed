// The exported entries of the storage services: the heaps, the storage report and the heap dump.
#include <cstdint>
#include <string>

#include "common/bytes.hpp"
#include "common/frame.hpp"
#include "common/platform/platform.hpp"
#include "ovle/ovle.h"
#include "storage/heaps.hpp"
#include "storage/storage_report.hpp"

using namespace ovle;

namespace {

// A USAGE POINTER of the caller: 8 bytes in native order, with no alignment promised.
void* load_pointer(const void* item) noexcept { return common::load_native<void*>(item); }
void store_pointer(void* item, void* value) noexcept { common::store_native(item, value); }

}  // namespace

extern "C" int CEECRHP(ovle_int4* heap_id, ovle_int4* initial_size, ovle_int4* increment, const ovle_int4* options,
                       ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(heap_id, initial_size, increment, options, fc), 4);
  f.run([&] {
    if (!f.require({{0, heap_id}, {1, initial_size}, {2, increment}, {3, options}})) return;
    storage::created_heap created{};
    if (const auto* failure = storage::create_heap(f.area(), common::load_int4(initial_size),
                                                   common::load_int4(increment), common::load_int4(options), created)) {
      common::store_int4(heap_id, 0);
      f.fail(*failure);
      return;
    }
    common::store_int4(heap_id, created.heap_id);
    common::store_int4(initial_size, created.initial_size);
    common::store_int4(increment, created.increment);
  });
  return 0;
}

extern "C" int CEEGTST(const ovle_int4* heap_id, const ovle_int4* size, void** address, ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(heap_id, size, address, fc), 3);
  f.run([&] {
    if (!f.require({{0, heap_id}, {1, size}, {2, address}})) return;
    const std::int32_t n = common::load_int4(size);
    if (n >= 1) store_pointer(address, nullptr);
    void* element = nullptr;
    if (const auto* failure = storage::get_storage(f.area(), common::load_int4(heap_id), n, element)) {
      f.fail(*failure);
      return;
    }
    store_pointer(address, element);
  });
  return 0;
}

extern "C" int CEEFRST(void* const* address, ovle_feedback* fc) noexcept {
  common::service_frame f(fc, 1);
  f.run([&] {
    if (!f.require({{0, address}})) return;
    if (const auto* failure = storage::free_storage(f.area(), load_pointer(address))) f.fail(*failure);
  });
  return 0;
}

extern "C" int CEECZST(void** address, const ovle_int4* new_size, ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(address, new_size, fc), 2);
  f.run([&] {
    if (!f.require({{0, address}, {1, new_size}})) return;
    void* element = load_pointer(address);
    if (const auto* failure = storage::resize_storage(f.area(), element, common::load_int4(new_size))) {
      f.fail(*failure);
      return;
    }
    store_pointer(address, element);
  });
  return 0;
}

extern "C" int CEEDSHP(const ovle_int4* heap_id, ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(heap_id, fc), 1);
  f.run([&] {
    if (!f.require({{0, heap_id}})) return;
    if (const auto* failure = storage::discard_heap(f.area(), common::load_int4(heap_id))) f.fail(*failure);
  });
  return 0;
}

extern "C" int CEEGTST_STORAGE_REPORT(void) noexcept {
  common::service_frame f(nullptr, 0);
  f.run([&] { storage::write_storage_report(f.area(), f.ascii_caller()); });
  return 0;
}

extern "C" int CEEGTST_DUMP_HEAP(void) noexcept {
  common::service_frame f(nullptr, 0);
  f.run([&] { storage::dump_heaps(f.area()); });
  return 0;
}

extern "C" int CEEGTST_DUMP_COMMENT(const char* comment) noexcept {
  constexpr std::size_t comment_width = 78;
  common::service_frame f(nullptr, 1, {common::char_input::text(0, comment, comment_width)});
  f.run([&] {
    if (!f.present(0, comment)) return;
    storage::dump_comment(platform::ascii_from_ebcdic(f.input(0)));
  });
  return 0;
}
