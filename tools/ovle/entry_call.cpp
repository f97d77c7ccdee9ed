// Building the caller's items, calling the entry and reading the items back.
#include "entry_call.hpp"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

#include "common/bytes.hpp"

namespace ovle::tool {
namespace {

constexpr unsigned char guard_byte = 0xA5;

// Where the items of one call live. Each item is `size` bytes at `data(i)`; the bytes around it
// hold the guard byte, and intact(i) says whether they still do.
class item_storage {
 public:
  virtual ~item_storage() = default;
  virtual unsigned char* data(std::size_t item) noexcept = 0;
  virtual bool intact(std::size_t item) const noexcept = 0;
};

// Each item between guard bytes, in memory of its own.
class guarded_buffers final : public item_storage {
 public:
  static constexpr std::size_t guard = 16;

  explicit guarded_buffers(std::span<const std::size_t> sizes) : sizes_(sizes.begin(), sizes.end()) {
    for (std::size_t size : sizes) buffers_.emplace_back(guard + round_up(size) + guard, guard_byte);
  }
  unsigned char* data(std::size_t item) noexcept override { return buffers_[item].data() + guard; }
  bool intact(std::size_t item) const noexcept override {
    const std::vector<unsigned char>& b = buffers_[item];
    const auto is_guard = [](unsigned char c) { return c == guard_byte; };
    return std::all_of(b.begin(), b.begin() + guard, is_guard) &&
           std::all_of(b.begin() + static_cast<std::ptrdiff_t>(guard + sizes_[item]), b.end(), is_guard);
  }

 private:
  // Whole guard-sized steps keep every item 16-byte aligned, as a COMP-2 may want.
  static std::size_t round_up(std::size_t n) { return (n + guard - 1) / guard * guard; }
  std::vector<std::size_t> sizes_;
  std::vector<std::vector<unsigned char>> buffers_;
};

// The no-access pages of the call running now, for guard_page_of. Plain data: a signal handler reads it.
struct guard_page_table {
  struct page {
    const unsigned char* begin;
    std::size_t before;  // the argument whose item ends at or before this page
    std::size_t after;   // the argument whose item starts at or after it
    bool before_flush;   // the item before ends exactly where the page begins
    bool before_empty;   // the item before has no bytes: its address is this page
    bool has_before, has_after;
  };
  std::array<page, common::max_entry_arguments + 2> pages{};
  std::size_t count = 0;
  std::size_t page_size = 0;
};
guard_page_table& current_guard_pages() noexcept {
  static guard_page_table table;
  return table;
}

// All items in one mapping: a no-access page, the pages of item 0, a no-access page, the pages of
// item 1, ... a no-access page. Each item lies against the page after it, or `offset` bytes after
// the one before it; the rest of its pages holds the guard byte. An item of no bytes is the
// address of a no-access page.
class guard_pages final : public item_storage {
 public:
  guard_pages(std::span<const std::size_t> sizes, std::span<const std::size_t> arguments, bool flush_after,
              std::size_t offset)
      : page_(static_cast<std::size_t>(::sysconf(_SC_PAGESIZE))) {
    std::size_t pages = 1;
    for (std::size_t size : sizes) pages += pages_for(size == 0 ? 0 : size + offset) + 1;
    length_ = pages * page_;
    void* p = ::mmap(nullptr, length_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    base_ = static_cast<unsigned char*>(p);
    std::memset(base_, guard_byte, length_);
    guard_page_table& table = current_guard_pages();
    table = {};
    table.page_size = page_;
    unsigned char* at = base_;
    for (std::size_t i = 0;; ++i) {
      ::mprotect(at, page_, PROT_NONE);
      guard_page_table::page& g = table.pages[table.count++];
      g.begin = at;
      g.has_before = i > 0;
      g.has_after = i < sizes.size();
      if (g.has_before) {
        g.before = arguments[i - 1];
        g.before_empty = sizes[i - 1] == 0;
        g.before_flush = flush_after || g.before_empty;
      }
      if (g.has_after) g.after = arguments[i];
      at += page_;
      if (i == sizes.size()) break;
      const std::size_t span = pages_for(sizes[i] == 0 ? 0 : sizes[i] + offset) * page_;
      items_.push_back({at, span, flush_after ? at + span - sizes[i] : sizes[i] == 0 ? at : at + offset, sizes[i]});
      at += span;
    }
  }
  ~guard_pages() override {
    current_guard_pages().count = 0;
    ::munmap(base_, length_);
  }
  guard_pages(const guard_pages&) = delete;
  guard_pages& operator=(const guard_pages&) = delete;

  unsigned char* data(std::size_t item) noexcept override { return items_[item].data; }
  bool intact(std::size_t item) const noexcept override {
    const placed& p = items_[item];
    const auto is_guard = [](unsigned char c) { return c == guard_byte; };
    return std::all_of(p.pages, p.data, is_guard) && std::all_of(p.data + p.size, p.pages + p.span, is_guard);
  }

 private:
  struct placed {
    unsigned char* pages;
    std::size_t span;
    unsigned char* data;
    std::size_t size;
  };
  std::size_t pages_for(std::size_t size) const noexcept { return (size + page_ - 1) / page_; }
  std::size_t page_;
  std::size_t length_ = 0;
  unsigned char* base_ = nullptr;
  std::vector<placed> items_;
};

class stdout_to_stderr {
 public:
  stdout_to_stderr() {
    std::fflush(stdout);
    saved_ = ::dup(STDOUT_FILENO);
    if (saved_ >= 0) ::dup2(STDERR_FILENO, STDOUT_FILENO);
  }
  ~stdout_to_stderr() {
    std::fflush(stdout);
    if (saved_ >= 0) {
      ::dup2(saved_, STDOUT_FILENO);
      ::close(saved_);
    }
  }
  stdout_to_stderr(const stdout_to_stderr&) = delete;
  stdout_to_stderr& operator=(const stdout_to_stderr&) = delete;

 private:
  int saved_ = -1;
};

std::unique_ptr<item_storage> make_storage(item_layout layout, std::span<const std::size_t> sizes,
                                           std::span<const std::size_t> arguments) {
  if (layout == item_layout::guard_bytes) return std::make_unique<guarded_buffers>(sizes);
  return std::make_unique<guard_pages>(sizes, arguments, layout == item_layout::page_after,
                                       layout == item_layout::odd_address ? 1 : 0);
}

}  // namespace

call_outcome call_entry(const callable_entry& entry, std::span<const argument_setting> settings, code_set caller,
                        const call_options& options) {
  using form = argument_setting::form;
  const common::argument_list& arguments = *entry.description->arguments;
  call_outcome outcome;
  if (settings.size() != arguments.size()) {
    outcome.error = "one setting per argument";
    return outcome;
  }
  // Item k is argument with_item[k]; omitted arguments have none.
  std::vector<std::size_t> with_item, sizes;
  std::vector<std::optional<std::size_t>> item_of(arguments.size());
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const argument_setting& s = settings[i];
    if (s.how == form::omitted) continue;
    item_of[i] = with_item.size();
    with_item.push_back(i);
    sizes.push_back(s.how == form::not_passed ? 0
                    : s.how == form::value    ? item_size(arguments[i], s.text)
                                              : arguments[i].storage_size());
  }
  const std::unique_ptr<item_storage> items = make_storage(options.layout, sizes, with_item);

  std::vector<void*> addresses(arguments.size() + 1, nullptr);
  std::vector<std::vector<unsigned char>> inputs_before(arguments.size());
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (!item_of[i]) continue;
    const common::argument_description& a = arguments[i];
    const argument_setting& s = settings[i];
    unsigned char* item = items->data(*item_of[i]);
    const std::size_t size = sizes[*item_of[i]];
    addresses[i] = item;
    if (s.how == form::not_passed) continue;
    clear_item(a, caller, item, size);
    if (s.how == form::value) {
      if (const auto error = store_value(a, s.text, caller, item)) {
        outcome.error = std::string(a.name) + ": " + *error;
        return outcome;
      }
    } else if (s.how == form::raw) {
      std::memset(item, 0, size);
      std::memcpy(item, s.text.data(), std::min(size, s.text.size()));
    }
    if (s.vstring_length && a.kind == common::argument_kind::vstring) common::store_int2(item, *s.vstring_length);
    if (!a.writes()) inputs_before[i].assign(item, item + size);
  }
  {
    std::optional<stdout_to_stderr> quieted;
    if (options.quiet) quieted.emplace();
    outcome.return_code = entry.invoke(addresses.data());
  }
  outcome.shown.resize(arguments.size());
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (!item_of[i]) continue;
    const unsigned char* item = items->data(*item_of[i]);
    if (!items->intact(*item_of[i]) && !outcome.overrun) outcome.overrun = i;
    if (settings[i].how == form::not_passed) continue;
    if (!arguments[i].writes() && !outcome.input_changed &&
        !std::equal(inputs_before[i].begin(), inputs_before[i].end(), item)) {
      outcome.input_changed = i;
    }
    outcome.shown[i] = show_value(arguments[i], item, caller);
    if (arguments[i].kind == common::argument_kind::feedback) outcome.feedback = outcome.shown[i]->condition;
  }
  return outcome;
}

std::optional<guard_page_hit> guard_page_of(const void* address) noexcept {
  const guard_page_table& table = current_guard_pages();
  const auto* at = static_cast<const unsigned char*>(address);
  for (std::size_t i = 0; i < table.count; ++i) {
    const guard_page_table::page& g = table.pages[i];
    if (at < g.begin || at >= g.begin + table.page_size) continue;
    if (g.has_before && (g.before_flush || !g.has_after)) return guard_page_hit{g.before, true, g.before_empty};
    if (g.has_after) return guard_page_hit{g.after, false, false};
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace ovle::tool
