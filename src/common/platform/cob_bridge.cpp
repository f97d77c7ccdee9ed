// Weak bindings to libcob: resolved when a GnuCOBOL program hosts the library, null in a plain C process.
#include "common/platform/cob_bridge.hpp"

#include <bit>

// libcob's header has no C++ linkage block of its own.
extern "C" {
#include <libcob/common.h>
}

#pragma weak cob_is_initialized
#pragma weak cob_get_global_ptr
#pragma weak cob_get_num_params
#pragma weak cob_external_addr
#pragma weak cob_stop_run
#pragma weak cob_sys_exit_proc

namespace ovle::platform::cob {

bool active() noexcept {
  // libcob segfaults in most entry points before cob_init; cob_is_initialized is the safe probe.
  return &cob_is_initialized != nullptr && cob_is_initialized() != 0;
}

int detail::caller_argument_count_from_libcob() noexcept {
  if (!active() || &cob_get_global_ptr == nullptr || &cob_get_num_params == nullptr) return unknown_argument_count;
  const cob_global* global = cob_get_global_ptr();
  // With no COBOL module running, the count is left over from an earlier CALL.
  if (global == nullptr || global->cob_current_module == nullptr) return unknown_argument_count;
  return cob_get_num_params();
}

call_items::call_items() noexcept {
  if (!active() || &cob_get_global_ptr == nullptr) return;
  const cob_global* global = cob_get_global_ptr();
  if (global == nullptr || global->cob_current_module == nullptr || global->cob_call_params <= 0) return;
  // The fields the caller stored for this CALL, just before making it: what cob_get_param_field
  // hands out one by one, read here without its warnings (it prints one for an OMITTED item).
  fields_ = reinterpret_cast<const void* const*>(global->cob_current_module->cob_procedure_params);
  if (fields_ != nullptr) count_ = static_cast<std::size_t>(global->cob_call_params);
}

byte_order call_items::binary_order(std::size_t position, const void* address, std::size_t width) const noexcept {
  if (position >= count_ || address == nullptr) return byte_order::unknown;
  const auto* field = static_cast<const cob_field*>(fields_[position]);
  if (field == nullptr || field->data != address || field->size != width || field->attr == nullptr) {
    return byte_order::unknown;
  }
  const cob_field_attr& attr = *field->attr;
  if (attr.type != COB_TYPE_NUMERIC_BINARY && attr.type != COB_TYPE_NUMERIC_COMP5) return byte_order::unknown;
  if ((attr.flags & COB_FLAG_IS_POINTER) != 0) return byte_order::unknown;
  // The swap flag marks an item held big-endian on a little-endian machine; on a big-endian one
  // both orders are the same.
  const bool big = (attr.flags & COB_FLAG_BINARY_SWAP) != 0 || std::endian::native == std::endian::big;
  return big ? byte_order::big_endian : byte_order::native;
}

void* external_address(const char* registered_name, int size) noexcept {
  if (!active() || &cob_external_addr == nullptr) return nullptr;
  return cob_external_addr(registered_name, size);
}

void stop_run(int return_code) noexcept {
  if (active() && &cob_stop_run != nullptr) cob_stop_run(return_code);
}

bool install_exit_procedure(int (*procedure)()) noexcept {
  if (!active() || &cob_sys_exit_proc == nullptr || &cob_get_global_ptr == nullptr) return false;
  cob_global* global = cob_get_global_ptr();
  if (global == nullptr) return false;
  const unsigned char install = 0;
  // CBL_EXIT_PROC takes the address of a procedure-pointer item, and checks the CALL's argument
  // count: present it as a two-argument CALL and put the caller's count back afterwards.
  void* pointer_item = reinterpret_cast<void*>(procedure);
  const int saved_count = global->cob_call_params;
  global->cob_call_params = 2;
  const int rc = cob_sys_exit_proc(&install, &pointer_item);
  global->cob_call_params = saved_count;
  return rc == 0;
}

}  // namespace ovle::platform::cob
