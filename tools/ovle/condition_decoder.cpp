// Decoding of feedback codes by the conditions table.
#include "condition_decoder.hpp"

#include <cstring>

#include "common/bytes.hpp"
#include "common/feedback.hpp"
#include "common/platform/platform.hpp"

namespace ovle::tool {
namespace {

bool is_name_character(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string hex_of(const unsigned char* bytes, std::size_t size) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(2 * size);
  for (std::size_t i = 0; i < size; ++i) {
    out += digits[bytes[i] >> 4];
    out += digits[bytes[i] & 15];
  }
  return out;
}

decoded_condition decode_condition(const token_bytes& token) {
  decoded_condition c;
  c.hex = hex_of(token.data(), token.size());
  c.instance_hex = hex_of(token.data() + 8, 8);
  c.success = c.hex == std::string(32, '0');
  c.severity = common::load_int2(token.data());
  c.message_number = common::load_int2(token.data() + 2);
  c.case_severity_control = token[4];
  c.control = token[4] & 0x07;
  c.byte4_agrees = (token[4] >> 6) == 1 && ((token[4] >> 3) & 0x07) == c.severity;
  if (c.success) return c;

  // The facility comes in the caller's code set: ASCII for most callers, EBCDIC for the others.
  std::array<char, 3> ebcdic{};
  const bool ascii = is_name_character(token[5]) && is_name_character(token[6]) && is_name_character(token[7]);
  bool readable = ascii;
  if (ascii) {
    c.facility.assign(reinterpret_cast<const char*>(token.data() + 5), 3);
    for (std::size_t i = 0; i < 3; ++i) ebcdic[i] = static_cast<char>(platform::to_ebcdic(token[5 + i]));
  } else {
    for (std::size_t i = 0; i < 3; ++i) c.facility += static_cast<char>(platform::to_ascii(token[5 + i]));
    readable = is_name_character(static_cast<unsigned char>(c.facility[0])) &&
               is_name_character(static_cast<unsigned char>(c.facility[1])) &&
               is_name_character(static_cast<unsigned char>(c.facility[2]));
    c.facility_in_ebcdic = readable;
    std::memcpy(ebcdic.data(), token.data() + 5, 3);
  }
  if (!readable) {
    c.facility = "X'" + hex_of(token.data() + 5, 3) + "'";
    return c;
  }
  c.symbol = std::string(common::make_symbolic_name(c.facility, c.message_number).view());
  const common::condition stored{c.severity, c.message_number, static_cast<std::uint8_t>(c.control), ebcdic};
  if (c.byte4_agrees) {
    if (const common::condition_entry* row = common::find_condition(stored)) c.identifier = row->identifier;
  }
  return c;
}

std::string describe(const decoded_condition& c) {
  if (c.success) return "success";
  std::string line = c.symbol.empty() ? std::string("condition") : c.symbol;
  line += " severity " + std::to_string(c.severity) + ", message " + std::to_string(c.message_number) + ", facility " +
          c.facility + (c.facility_in_ebcdic ? " (EBCDIC)" : "") + ", control " + std::to_string(c.control);
  if (!c.byte4_agrees) line += ", byte 4 X'" + hex_of(&c.case_severity_control, 1) + "' does not agree";
  line += ": ";
  line += c.identifier.empty() ? std::string_view("not a condition of this library") : c.identifier;
  if (c.instance_hex != std::string(16, '0')) line += ", instance data X'" + c.instance_hex + "'";
  return line;
}

std::vector<const common::condition_entry*> conditions_named(std::string_view name) {
  std::vector<const common::condition_entry*> rows;
  for (const common::condition_entry& e : common::condition_table) {
    if (e.symbol == name || e.identifier == name) rows.push_back(&e);
  }
  return rows;
}

token_or_error token_from_text(std::string_view text, bool ebcdic_caller) {
  token_bytes token{};
  std::string digits;
  for (char ch : text) {
    if (ch != ' ') digits += ch;
  }
  bool all_hex = digits.size() == 32;
  for (char ch : digits) all_hex = all_hex && hex_digit(ch) >= 0;
  if (all_hex) {
    for (std::size_t i = 0; i < 16; ++i) {
      token[i] = static_cast<unsigned char>(hex_digit(digits[2 * i]) * 16 + hex_digit(digits[2 * i + 1]));
    }
    return {token, {}};
  }
  const auto rows = conditions_named(text);
  if (rows.size() != 1) {
    return {std::nullopt, rows.empty() ? "a condition token is 32 hexadecimal digits or a name from the conditions "
                                         "table (ovle --decode NAME)"
                                       : "more than one condition is called " + std::string(text) +
                                             "; give its identifier or its 32 hexadecimal digits"};
  }
  common::feedback_code fc(token.data());
  fc.set(rows.front()->value);  // facility in EBCDIC, as the library holds it
  if (!ebcdic_caller) {
    for (std::size_t i = 5; i < 8; ++i) token[i] = platform::to_ascii(token[i]);
  }
  return {token, {}};
}

}  // namespace ovle::tool
