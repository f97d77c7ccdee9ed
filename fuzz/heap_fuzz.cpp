// libFuzzer harness of the user heaps: a byte string decoded into CEECRHP, CEEGTST, CEEFRST, CEECZST
// and CEEDSHP calls, good and bad, each checked against the first-fit model (tests/support/heap_model.hpp):
// the condition, the address handed out, everything the library publishes about its heaps, the fill
// bytes and the contents of every element. The storage unit tests run it over seeded random inputs.
//
// Input: bytes 0-3 the settings (ALL31, location, KEEP/FREE, the four default sizes, the fill
// bytes), then operations: one byte for which (create, discard, get, free, resize) followed by its
// operands, each a byte or two (decode_size, decode_initial).
#include <array>

#include "fuzz_support.hpp"
#include "heap_model.hpp"

namespace {

using namespace ovle;
using namespace heap_model;

struct element {
  place at;
  void* address;
  std::uint32_t size;  // as requested, rounded
  std::uint32_t serial;
};

std::uint8_t pattern(std::uint32_t serial, std::size_t i) { return static_cast<std::uint8_t>(serial * 131 + i * 7); }

void paint(const element& e, std::size_t from = 0) {
  auto* p = static_cast<std::uint8_t*>(e.address);
  for (std::size_t i = from; i < e.size; ++i) p[i] = pattern(e.serial, i);
}

bool intact(const element& e, std::size_t size) {
  const auto* p = static_cast<const std::uint8_t*>(e.address);
  for (std::size_t i = 0; i < size; ++i) {
    if (p[i] != pattern(e.serial, i)) return false;
  }
  return true;
}

constexpr std::initializer_list<int> heap_messages = {803, 804, 805, 806, 808, 810, 812, 813};

int message_of(const fuzz::item& fc, std::string_view service) {
  return fuzz::message_of(fc, false, heap_messages, service);
}

// "CEEGTST(1, 8) answered 813, the model 0"
std::string disagreement(std::string_view service, std::initializer_list<std::int32_t> arguments, int got,
                         int expected) {
  std::string text(service);
  for (const std::int32_t a : arguments) text += (text.size() == service.size() ? "(" : ", ") + std::to_string(a);
  return text + ") answered " + std::to_string(got) + ", the model " + std::to_string(expected);
}

fuzz::item int4(std::int32_t v) {
  fuzz::item i(4);
  ovle_int4_set(i.as<ovle_int4>(), v);
  return i;
}

// A caller's POINTER item holding `address`, and what one holds.
fuzz::item pointer(const void* address) {
  fuzz::item i(sizeof address);
  std::memcpy(i.data(), &address, sizeof address);
  return i;
}
void* address_in(const fuzz::item& i) {
  void* address;
  std::memcpy(&address, i.data(), sizeof address);
  return address;
}

bool filled(const void* address, std::size_t size, unsigned char fill) {
  const auto* bytes = static_cast<const unsigned char*>(address);
  return std::all_of(bytes, bytes + size, [&](unsigned char c) { return c == fill; });
}

// An element size: mostly small, sometimes more than a block, zero or negative, or so large that
// its rounding leaves the 4-byte range (larger sizes that fit would only measure the machine).
std::int32_t decode_size(fuzz::input& in) {
  const std::uint8_t how = in.byte();
  switch (how % 8) {
    case 0: return -static_cast<std::int32_t>(in.byte());
    case 1: {
      constexpr std::int32_t too_large[] = {INT32_MAX, INT32_MAX - 6, INT32_MIN};
      return too_large[in.byte() % 3];
    }
    case 2: return 4000 + static_cast<std::int32_t>(in.integer(2));
    default: return 1 + in.byte() + (how & 0x80 ? 256 * (in.byte() % 8) : 0);
  }
}

// A heap's initial size or increment: 0 (the defaults), small, negative, or rounding out of range.
std::int32_t decode_initial(fuzz::input& in) {
  const std::uint8_t how = in.byte();
  switch (how % 8) {
    case 0: return -1 - static_cast<std::int32_t>(in.byte());
    case 1: return in.byte() % 2 == 0 ? INT32_MAX : INT32_MAX - 4094;
    case 2:
    case 3: return 0;
    default: return static_cast<std::int32_t>(in.integer(2));
  }
}

class run {
 public:
  explicit run(const settings& s) : s_(s), m_(s, 0, 0) {
    platform::testing::clear_external_areas();
    fuzz::set_caller(false);
    OV0PIPI(nullptr, nullptr, nullptr);
    apply(s, common::ov_le_external::attach());
    m_ = model(s, area().heap0_initial(), area().heap0_increment());
  }

  void step(fuzz::input& in) {
    const std::uint8_t what = in.byte();
    switch (what % 8) {
      case 0: create(in); break;
      case 1: discard(in.byte()); break;
      case 2:
      case 3:
      case 4: get(in); break;
      case 5:
      case 6: free(in.byte()); break;
      default: resize(in); break;
    }
    OVLE_EXPECT(first_difference(m_, area()).empty(),
                "after operation " + std::to_string(what % 8) + ": " + first_difference(m_, area()));
  }

  // Every element intact, every heap discarded and every element of heap 0 freed through the
  // services; then the blocks heap 0 keeps and the heap record stream go too, so that a long run
  // does not pile them up.
  void finish() {
    for (const element& e : live_) OVLE_EXPECT(intact(e, e.size), "an element lost its contents");
    const std::vector<std::int32_t> ids = heap_ids_;
    for (const std::int32_t id : ids) {
      if (id != 0) discard_id(id);
    }
    while (!live_.empty()) free(static_cast<std::uint8_t>(255));
    OVLE_EXPECT(first_difference(m_, area()).empty(), "at the end: " + first_difference(m_, area()));
    for (const int b : m_.heaps()[0].blocks) platform::free_memory(reinterpret_cast<void*>(m_.block(b).base));
    platform::close_vfile(area().stream_id());
  }

 private:
  static common::ov_le_external area() { return common::ov_le_external::attach(); }

  void create(fuzz::input& in) {
    constexpr std::int32_t options_pool[] = {0, 1, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 2, 69, 81, -1, -75};
    const std::int32_t options = options_pool[in.byte() % std::size(options_pool)];
    const std::int32_t initial = decode_initial(in), increment = decode_initial(in);
    fuzz::item id = int4(77), init = int4(initial), incr = int4(increment), opts = int4(options), fc(16, 0xA5);
    CEECRHP(id.as<ovle_int4>(), init.as<ovle_int4>(), incr.as<ovle_int4>(), opts.as<ovle_int4>(),
            fc.as<ovle_feedback>());
    std::int32_t expected_id = -1;
    const int expected = m_.create(initial, increment, options, expected_id);
    const int got = message_of(fc, "CEECRHP");
    OVLE_EXPECT(got == expected, disagreement("CEECRHP", {initial, increment, options}, got, expected));
    const std::int32_t answered = ovle_int4_get(id.as<ovle_int4>());
    OVLE_EXPECT(answered == (got == 0 ? expected_id : 0), "CEECRHP's heap ID " + std::to_string(answered));
    if (got != 0) return;
    const model_heap& h = m_.heaps()[static_cast<std::size_t>(expected_id)];
    OVLE_EXPECT(ovle_int4_get(init.as<ovle_int4>()) == h.initial && ovle_int4_get(incr.as<ovle_int4>()) == h.increment,
                "CEECRHP's rounded sizes");
    heap_ids_.push_back(expected_id);
  }

  void discard(std::uint8_t pick) { discard_id(pick < 32 ? pick % 6 - 1 : heap_ids_[pick % heap_ids_.size()]); }

  void discard_id(std::int32_t id) {
    const int expected = m_.discard(id);
    fuzz::item h = int4(id), fc(16, 0xA5);
    CEEDSHP(h.as<ovle_int4>(), fc.as<ovle_feedback>());
    const int got = message_of(fc, "CEEDSHP");
    OVLE_EXPECT(got == expected, disagreement("CEEDSHP", {id}, got, expected));
    if (expected != 0) return;
    // The elements of the discarded heap are those in no heap's chain any more.
    std::erase_if(live_, [&](const element& e) {
      for (const model_heap& mh : m_.heaps()) {
        if (std::find(mh.blocks.begin(), mh.blocks.end(), e.at.block) != mh.blocks.end()) return false;
      }
      return true;
    });
    std::erase(heap_ids_, id);
  }

  // A new element: its address where the model puts it, its block's address learned from the first.
  element remember(place at, void* address, std::uint32_t size, std::uint32_t serial) {
    model_block& b = m_.block(at.block);
    if (b.base == 0 && at.offset == 0) b.base = reinterpret_cast<std::uintptr_t>(address);
    OVLE_EXPECT(reinterpret_cast<std::uintptr_t>(address) == b.base + at.offset, "first fit disagrees");
    std::erase(gone_, address);
    return {at, address, size, serial};
  }

  void get(fuzz::input& in) {
    const std::uint8_t pick = in.byte();
    const std::int32_t id = pick < 4 ? -1 : pick < 16 ? 500 + pick % 3 : heap_ids_[pick % heap_ids_.size()];
    const std::int32_t size = decode_size(in);
    void* const before = reinterpret_cast<void*>(0x5A5A);
    fuzz::item h = int4(id), n = int4(size), p = pointer(before), fc(16, 0xA5);
    CEEGTST(h.as<ovle_int4>(), n.as<ovle_int4>(), p.as<void*>(), fc.as<ovle_feedback>());
    void* const address = address_in(p);
    place at{};
    const int expected = m_.get(id, size, at);
    const int got = message_of(fc, "CEEGTST");
    OVLE_EXPECT(got == expected, disagreement("CEEGTST", {id, size}, got, expected));
    if (expected != 0) {
      OVLE_EXPECT(address == (size >= 1 ? nullptr : before), "CEEGTST's address beside a condition");
      return;
    }
    const element e = remember(at, address, static_cast<std::uint32_t>((std::int64_t{size} + 7) / 8 * 8), ++serial_);
    const bool zeroed = m_.fills_zero(id);
    OVLE_EXPECT((!zeroed && !s_.heap_fill) || filled(address, e.size, zeroed ? 0 : std::uint8_t(s_.heap_byte)),
                "a new element not filled");
    paint(e);
    live_.push_back(e);
  }

  // An address that is no element: one freed before, one inside an element, one of the caller's own.
  fuzz::item no_element(std::uint8_t pick) const {
    if (pick % 4 == 0 && !gone_.empty()) return pointer(gone_[pick % gone_.size()]);
    if (pick % 4 == 1 && !live_.empty()) return pointer(static_cast<char*>(live_[0].address) + 1);
    if (pick % 4 == 2 && !live_.empty() && live_[0].size > 8) return pointer(static_cast<char*>(live_[0].address) + 8);
    return pointer(&pick);
  }

  // Frees a live element, or (pick below 24) an address that is none. A block that stays holds the
  // freed element filled with the free-fill byte, when that is on.
  void free(std::uint8_t pick) {
    fuzz::item fc(16, 0xA5);
    if (live_.empty() || pick < 24) {
      CEEFRST(no_element(pick).as<void*>(), fc.as<ovle_feedback>());
      OVLE_EXPECT(message_of(fc, "CEEFRST") == 810, "CEEFRST took an address that is no element");
      return;
    }
    const element e = live_[pick % live_.size()];
    OVLE_EXPECT(intact(e, e.size), "an element lost its contents");
    CEEFRST(pointer(e.address).as<void*>(), fc.as<ovle_feedback>());
    OVLE_EXPECT(message_of(fc, "CEEFRST") == 0, "CEEFRST refused an element");
    const std::vector<int>& chain = m_.heaps()[static_cast<std::size_t>(m_.free(e.at))].blocks;
    if (s_.free_fill && std::find(chain.begin(), chain.end(), e.at.block) != chain.end()) {
      OVLE_EXPECT(filled(e.address, e.size, std::uint8_t(s_.free_byte)), "a freed element not filled");
    }
    gone_.push_back(e.address);
    std::erase_if(live_, [&](const element& x) { return x.address == e.address; });
  }

  void resize(fuzz::input& in) {
    const std::uint8_t pick = in.byte();
    std::int32_t size = decode_size(in);
    fuzz::item fc(16, 0xA5);
    if (live_.empty() || pick < 12) {  // an address that is no element: 810, and the address stays
      const fuzz::item bad = no_element(pick), p(bad);
      CEECZST(p.as<void*>(), int4(size).as<ovle_int4>(), fc.as<ovle_feedback>());
      OVLE_EXPECT(message_of(fc, "CEECZST") == 810 && p == bad, "CEECZST took an address that is no element");
      return;
    }
    element& e = live_[pick % live_.size()];
    OVLE_EXPECT(intact(e, e.size), "an element lost its contents");
    if (pick >= 232) size = static_cast<std::int32_t>(e.size) - pick % 8;  // the same rounded size
    const fuzz::item n = int4(size), p = pointer(e.address);
    CEECZST(p.as<void*>(), n.as<ovle_int4>(), fc.as<ovle_feedback>());
    void* const address = address_in(p);
    const int got = message_of(fc, "CEECZST");
    const std::int64_t rounded = (std::int64_t{size} + 7) / 8 * 8;
    if (size <= 0 || rounded > INT32_MAX) {
      OVLE_EXPECT(got == (size <= 0 ? 808 : 813) && address == e.address,
                  "CEECZST(" + std::to_string(size) + ") answered " + std::to_string(got));
      return;
    }
    OVLE_EXPECT(got == 0, "CEECZST(" + std::to_string(size) + ") answered " + std::to_string(got));
    const std::uint32_t old_size = e.size;
    if (m_.resize(e.at, size)) {
      gone_.push_back(e.address);
      e = remember(e.at, address, old_size, e.serial);
      // The contents moved with the element; the rest is new.
      OVLE_EXPECT(intact(e, old_size), "a moved element lost its contents");
      e.size = static_cast<std::uint32_t>(rounded);
      paint(e, old_size);
    } else {
      OVLE_EXPECT(address == e.address, "CEECZST moved an element the model keeps in place");
      e.size = static_cast<std::uint32_t>(rounded);
      OVLE_EXPECT(intact(e, std::min(old_size, e.size)), "a resized element lost its contents");
      paint(e, std::min(old_size, e.size));
    }
  }

  settings s_;
  model m_;
  std::vector<element> live_;
  std::vector<void*> gone_;  // addresses freed before (and not handed out again)
  std::vector<std::int32_t> heap_ids_{0};
  std::uint32_t serial_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::start_run_unit();
  platform::close_vfile(common::ov_le_external::attach().stream_id());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::input in(data, size);
  constexpr std::int64_t sizes[] = {512, 1024, 4096, 8192};
  const std::uint8_t switches = in.byte(), default_sizes = in.byte();
  settings s{};
  s.all31 = switches & 1 ? '\xF0' : '\xF1';
  s.location = switches & 2 ? '\xF0' : '\xF1';
  s.keep = switches & 4 ? '\xF0' : '\xF1';
  s.heap_fill = (switches & 8) != 0;
  s.free_fill = (switches & 16) != 0;
  s.above_initial = sizes[default_sizes & 3];
  s.above_increment = sizes[default_sizes >> 2 & 3];
  s.below_initial = sizes[default_sizes >> 4 & 3];
  s.below_increment = sizes[default_sizes >> 6 & 3];
  s.heap_byte = static_cast<char>(in.byte());
  s.free_byte = static_cast<char>(in.byte());
  run r(s);
  while (!in.empty()) r.step(in);
  r.finish();
  return 0;
}
