// Memory blocks (CBL_ALLOC_MEM, CBL_FREE_MEM) and in-memory streams (CBL_*_VFILE).
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

#include "common/platform/platform.hpp"

namespace ovle::platform {
namespace {

std::set<void*>& blocks() {
  static auto* live = new std::set<void*>();
  return *live;
}

bool& allocation_fails() {  // test hook
  static bool fails = false;
  return fails;
}

struct vfile_table {
  std::map<std::uint16_t, std::vector<std::byte>> streams;
  std::uint16_t next_id = 1;
  bool open_fails = false;   // test hook
  bool write_fails = false;  // test hook
  // The stream used last: a heap service reads and writes one stream several times a call.
  std::uint16_t last_id = 0;
  std::vector<std::byte>* last = nullptr;

  std::vector<std::byte>* find(std::uint16_t id) {
    if (last != nullptr && id == last_id) return last;
    const auto it = streams.find(id);
    if (it == streams.end()) return nullptr;
    last_id = id;
    last = &it->second;
    return last;
  }
};

vfile_table& vfiles() {
  static auto* table = new vfile_table();
  return *table;
}

}  // namespace

void* allocate_memory(std::size_t size) noexcept {
  if (allocation_fails()) return nullptr;
  try {
    void* block = std::calloc(size == 0 ? 1 : size, 1);
    if (block != nullptr) blocks().insert(block);
    return block;
  } catch (...) {
    return nullptr;
  }
}

bool free_memory(void* block) noexcept {
  auto& live = blocks();
  const auto it = live.find(block);
  if (it == live.end()) return false;
  live.erase(it);
  std::free(block);
  return true;
}

std::uint16_t open_vfile() noexcept {
  try {
    auto& table = vfiles();
    if (table.open_fails) return 0;
    // Identifiers wrap past 65535 and skip 0 and those still open.
    for (int tries = 0; tries < 0xFFFF; ++tries) {
      const std::uint16_t id = table.next_id;
      table.next_id = static_cast<std::uint16_t>(id == 0xFFFF ? 1 : id + 1);
      if (!table.streams.contains(id)) {
        table.streams.emplace(id, std::vector<std::byte>{});
        return id;
      }
    }
  } catch (...) {
  }
  return 0;
}

bool write_vfile(std::uint16_t id, std::size_t offset, std::span<const std::byte> data) noexcept {
  try {
    auto& table = vfiles();
    if (table.write_fails) return false;
    std::vector<std::byte>* stream = table.find(id);
    if (stream == nullptr) return false;
    auto& bytes = *stream;
    if (data.empty()) return true;
    if (bytes.size() < offset + data.size()) bytes.resize(offset + data.size());
    std::memcpy(bytes.data() + offset, data.data(), data.size());
    return true;
  } catch (...) {
    return false;
  }
}

bool read_vfile(std::uint16_t id, std::size_t offset, std::span<std::byte> buffer) noexcept {
  const std::vector<std::byte>* stream = vfiles().find(id);
  if (stream == nullptr) return false;
  const auto& bytes = *stream;
  if (offset > bytes.size() || buffer.size() > bytes.size() - offset) return false;
  if (buffer.empty()) return true;
  std::memcpy(buffer.data(), bytes.data() + offset, buffer.size());
  return true;
}

bool close_vfile(std::uint16_t id) noexcept {
  auto& table = vfiles();
  if (id == table.last_id) table.last = nullptr;
  return table.streams.erase(id) == 1;
}

void testing::set_vfile_open_fails(bool fails) noexcept { vfiles().open_fails = fails; }
void testing::set_vfile_write_fails(bool fails) noexcept { vfiles().write_fails = fails; }
void testing::set_allocation_fails(bool fails) noexcept { allocation_fails() = fails; }

}  // namespace ovle::platform
