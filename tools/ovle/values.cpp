// Reading argument values from the command line into the caller's items, and showing them back.
#include "values.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

#include "common/bytes.hpp"
#include "common/platform/platform.hpp"

namespace ovle::tool {
namespace {

using common::argument_description;
using common::argument_kind;

constexpr char ascii_blank = ' ';
constexpr char ebcdic_blank = '\x40';

template <typename Integer>
std::optional<Integer> parse_integer(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  Integer value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

template <typename Float>
std::optional<Float> parse_float(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  Float value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// The shortest text that reads back as the same value.
template <typename Float>
shown_value show_float(Float value) {
  if (!std::isfinite(value)) return shown_value::plain(std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf");
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return shown_value::number(std::string(buffer, result.ptr));
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool is_printable_latin1(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 0x20 && u <= 0x7E) || u >= 0xA0;
}

// Text on the caller's side: Latin-1, in EBCDIC when the item is kept in EBCDIC.
std::optional<std::string> caller_text(std::string_view utf8, bool in_ebcdic) {
  auto latin1 = latin1_from_utf8(utf8);
  if (latin1 && in_ebcdic) return platform::ebcdic_from_ascii(*latin1);
  return latin1;
}

bool kept_in_ebcdic(const argument_description& a, code_set caller) {
  return a.kind == argument_kind::ebcdic ||
         (caller == code_set::ebcdic && (a.kind == argument_kind::text || a.kind == argument_kind::vstring));
}

// Characters of a text item shown as text when every one is printable, otherwise as its bytes.
shown_value show_characters(std::string_view stored, bool in_ebcdic, bool trim) {
  std::string latin1 = in_ebcdic ? platform::ascii_from_ebcdic(stored) : std::string(stored);
  if (trim) {
    const std::size_t end = latin1.find_last_not_of(ascii_blank);
    latin1.erase(end == std::string::npos ? 0 : end + 1);
    stored = stored.substr(0, latin1.size());
  }
  if (std::all_of(latin1.begin(), latin1.end(), is_printable_latin1)) {
    return shown_value::plain(utf8_from_latin1(latin1));
  }
  return shown_value::hex("X'" + hex_of(reinterpret_cast<const unsigned char*>(stored.data()), stored.size()) + "'");
}

std::optional<std::string> store_hex(std::string_view text, unsigned char* item, std::size_t size) {
  std::string digits;
  for (char c : text) {
    if (c != ' ') digits += c;
  }
  if (digits.size() % 2 != 0 || digits.size() > 2 * size ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return hex_digit(c) >= 0; })) {
    return "give at most " + std::to_string(2 * size) + " hexadecimal digits, two per byte";
  }
  std::memset(item, 0, size);
  for (std::size_t i = 0; i < digits.size() / 2; ++i) {
    item[i] = static_cast<unsigned char>(hex_digit(digits[2 * i]) * 16 + hex_digit(digits[2 * i + 1]));
  }
  return std::nullopt;
}

template <typename Integer>
std::optional<std::string> store_integer(std::string_view text, unsigned char* item, bool big_endian) {
  const auto value = parse_integer<Integer>(text);
  if (!value) {
    return "give a whole number from " + std::to_string(std::numeric_limits<Integer>::min()) + " to " +
           std::to_string(std::numeric_limits<Integer>::max());
  }
  if constexpr (sizeof(Integer) == 2) {
    big_endian ? common::store_int2(item, *value) : common::store_native<Integer>(item, *value);
  } else {
    big_endian ? common::store_int4(item, *value) : common::store_native<Integer>(item, *value);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> latin1_from_utf8(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
      out += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
      ++i;
    } else {
      return std::nullopt;
    }
  }
  return out;
}

std::string utf8_from_latin1(std::string_view latin1) {
  std::string out;
  for (char ch : latin1) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::size_t item_size(const argument_description& a, std::string_view text) {
  if (a.kind != argument_kind::vstring) return a.storage_size();
  const auto latin1 = latin1_from_utf8(text);
  return 2 + std::max(a.size, latin1 ? latin1->size() : 0);
}

std::optional<std::string> store_value(const argument_description& a, std::string_view text, code_set caller,
                                       unsigned char* item) {
  const std::size_t size = item_size(a, text);
  switch (a.kind) {
    case argument_kind::int2: return store_integer<std::int16_t>(text, item, true);
    case argument_kind::native2: return store_integer<std::int16_t>(text, item, false);
    case argument_kind::int4: return store_integer<std::int32_t>(text, item, true);
    case argument_kind::native4: return store_integer<std::int32_t>(text, item, false);
    case argument_kind::float4: {
      const auto value = parse_float<float>(text);
      if (!value) return std::string("give a number within the range of COMP-1 (1.5, -2e-3, inf)");
      common::store_native(item, *value);
      return std::nullopt;
    }
    case argument_kind::float8: {
      const auto value = parse_float<double>(text);
      if (!value) return std::string("give a number within the range of COMP-2 (1.5, -2e-3, inf)");
      common::store_native(item, *value);
      return std::nullopt;
    }
    case argument_kind::vstring: {
      const auto stored = caller_text(text, kept_in_ebcdic(a, caller));
      if (!stored) return std::string("the text has a character outside ISO-8859-1");
      if (stored->size() > 32767) return std::string("a VSTRING holds at most 32767 characters");
      std::memset(item + 2, kept_in_ebcdic(a, caller) ? ebcdic_blank : ascii_blank, size - 2);
      common::store_vstring(item, *stored);
      return std::nullopt;
    }
    case argument_kind::text:
    case argument_kind::ebcdic: {
      const bool in_ebcdic = kept_in_ebcdic(a, caller);
      const auto stored = caller_text(text, in_ebcdic);
      if (!stored) return std::string("the text has a character outside ISO-8859-1");
      if (stored->size() > a.size) return "give at most " + std::to_string(a.size) + " characters";
      common::store_padded(item, a.size, *stored, in_ebcdic ? ebcdic_blank : ascii_blank);
      return std::nullopt;
    }
    case argument_kind::bytes:
    case argument_kind::unused: return store_hex(text, item, a.size);
    case argument_kind::pointer: {
      std::uintptr_t address = 0;
      if (text != "NULL") {
        const bool hex = text.starts_with("0x") || text.starts_with("0X");
        const std::string_view digits = hex ? text.substr(2) : text;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), address, hex ? 16 : 10);
        if (error != std::errc{} || end != digits.data() + digits.size() || digits.empty()) {
          return std::string("give an address as 0x followed by hexadecimal digits, or NULL");
        }
      }
      common::store_native(item, address);
      return std::nullopt;
    }
    case argument_kind::token: {
      // A token carries its facility ID as the library reads tokens: in the caller's code set,
      // or EBCDIC for everyone under OVLE_FACILITY_CODESET=EBCDIC.
      const token_or_error t =
          token_from_text(text, caller == code_set::ebcdic || platform::facility_ids_stay_ebcdic());
      if (!t.token) return t.error;
      std::memcpy(item, t.token->data(), t.token->size());
      return std::nullopt;
    }
    case argument_kind::feedback: return std::string("the feedback code is written by the service, not given");
  }
  return std::string("unknown argument type");
}

void clear_item(const argument_description& a, code_set caller, unsigned char* item, std::size_t size) {
  std::memset(item, 0, size);
  if (a.kind == argument_kind::text || a.kind == argument_kind::ebcdic) {
    std::memset(item, kept_in_ebcdic(a, caller) ? ebcdic_blank : ascii_blank, size);
  } else if (a.kind == argument_kind::vstring && size > 2) {
    std::memset(item + 2, kept_in_ebcdic(a, caller) ? ebcdic_blank : ascii_blank, size - 2);
  }
}

shown_value show_value(const argument_description& a, const unsigned char* item, code_set caller) {
  switch (a.kind) {
    case argument_kind::int2: return shown_value::number(std::to_string(common::load_int2(item)));
    case argument_kind::int4: return shown_value::number(std::to_string(common::load_int4(item)));
    case argument_kind::native2: return shown_value::number(std::to_string(common::load_native<std::int16_t>(item)));
    case argument_kind::native4: return shown_value::number(std::to_string(common::load_native<std::int32_t>(item)));
    case argument_kind::float4: return show_float(common::load_native<float>(item));
    case argument_kind::float8: return show_float(common::load_native<double>(item));
    case argument_kind::vstring: {
      const std::int16_t length = common::load_int2(item);
      const std::size_t n = length < 0 ? 0 : std::min(static_cast<std::size_t>(length), a.size);
      shown_value v = show_characters({reinterpret_cast<const char*>(item) + 2, n}, kept_in_ebcdic(a, caller), false);
      if (length < 0 || static_cast<std::size_t>(length) > a.size) {
        v.note = "length " + std::to_string(length) + ", outside 0 to " + std::to_string(a.size);
      }
      return v;
    }
    case argument_kind::text:
    case argument_kind::ebcdic:
      return show_characters({reinterpret_cast<const char*>(item), a.size}, kept_in_ebcdic(a, caller), true);
    case argument_kind::bytes:
    case argument_kind::unused: return shown_value::hex("X'" + hex_of(item, a.size) + "'");
    case argument_kind::pointer: {
      const auto address = common::load_native<std::uintptr_t>(item);
      if (address == 0) return shown_value::plain("NULL");
      char buffer[2 + 2 * sizeof address];
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, address, 16);
      return shown_value::plain("0x" + std::string(buffer, result.ptr));
    }
    case argument_kind::feedback:
    case argument_kind::token: {
      token_bytes token;
      std::memcpy(token.data(), item, token.size());
      shown_value v{shown_value::form::condition, {}, {}, decode_condition(token)};
      v.text = describe(v.condition);
      return v;
    }
  }
  return {};
}

}  // namespace ovle::tool
