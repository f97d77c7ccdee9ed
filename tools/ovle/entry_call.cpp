// Building the caller's items, calling the entry and reading the items back.
#include "entry_call.hpp"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace ovle::tool {
namespace {

class item_buffer {
 public:
  static constexpr std::size_t guard = 16;
  static constexpr unsigned char guard_byte = 0xA5;

  explicit item_buffer(std::size_t size) : size_(size), bytes_(guard + round_up(size) + guard, guard_byte) {}
  unsigned char* data() noexcept { return bytes_.data() + guard; }
  std::size_t size() const noexcept { return size_; }
  bool intact() const noexcept {
    const auto is_guard = [](unsigned char b) { return b == guard_byte; };
    return std::all_of(bytes_.begin(), bytes_.begin() + guard, is_guard) &&
           std::all_of(bytes_.begin() + static_cast<std::ptrdiff_t>(guard + size_), bytes_.end(), is_guard);
  }

 private:
  // Whole guard-sized steps keep every item 16-byte aligned, as a COMP-2 may want.
  static std::size_t round_up(std::size_t n) { return (n + guard - 1) / guard * guard; }
  std::size_t size_;
  std::vector<unsigned char> bytes_;
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

}  // namespace

call_outcome call_entry(const callable_entry& entry, std::span<const argument_setting> settings, code_set caller,
                        bool quiet) {
  const common::argument_list& arguments = *entry.description->arguments;
  call_outcome outcome;
  if (settings.size() != arguments.size()) {
    outcome.error = "one setting per argument";
    return outcome;
  }
  std::vector<std::unique_ptr<item_buffer>> items(arguments.size());
  std::vector<void*> addresses(arguments.size() + 1, nullptr);
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const common::argument_description& a = arguments[i];
    const argument_setting& s = settings[i];
    if (s.how == argument_setting::form::omitted) continue;
    const bool has_value = s.how == argument_setting::form::value;
    items[i] = std::make_unique<item_buffer>(has_value ? item_size(a, s.text) : a.storage_size());
    clear_item(a, caller, items[i]->data(), items[i]->size());
    if (has_value) {
      if (const auto error = store_value(a, s.text, caller, items[i]->data())) {
        outcome.error = std::string(a.name) + ": " + *error;
        return outcome;
      }
    }
    addresses[i] = items[i]->data();
  }
  {
    std::optional<stdout_to_stderr> quieted;
    if (quiet) quieted.emplace();
    outcome.return_code = entry.invoke(addresses.data());
  }
  outcome.shown.resize(arguments.size());
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (!items[i]) continue;
    if (!items[i]->intact() && !outcome.overrun) outcome.overrun = i;
    outcome.shown[i] = show_value(arguments[i], items[i]->data(), caller);
    if (arguments[i].kind == common::argument_kind::feedback) outcome.feedback = outcome.shown[i]->condition;
  }
  return outcome;
}

}  // namespace ovle::tool
