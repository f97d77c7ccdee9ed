// Argument values as the tool's user writes and reads them, and as the caller's items hold them.
//
// The terminal speaks UTF-8; the library's ASCII code set is ISO-8859-1, so text goes through
// Latin-1 on its way in and out (and through EBCDIC for an EBCDIC caller and for ebcdic items).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/entry_arguments.hpp"
#include "condition_decoder.hpp"

namespace ovle::tool {

enum class code_set : std::uint8_t { ascii, ebcdic };

// Latin-1 text of UTF-8 input, or empty when a character is outside ISO-8859-1 or the UTF-8 is bad.
std::optional<std::string> latin1_from_utf8(std::string_view utf8);
std::string utf8_from_latin1(std::string_view latin1);

// Bytes the caller's item takes when it is given this text (a vstring may be given longer than
// its maximum, to see what the service does with it).
std::size_t item_size(const common::argument_description& a, std::string_view text);

// Fills the caller's item (item_size(a, text) bytes) from the text; an error message when the
// text is no value of the argument's type.
std::optional<std::string> store_value(const common::argument_description& a, std::string_view text, code_set caller,
                                       unsigned char* item);

// What an output item holds before the call: zeros, blanks in its code set, an empty vstring.
void clear_item(const common::argument_description& a, code_set caller, unsigned char* item, std::size_t size);

struct shown_value {
  enum class form : std::uint8_t { number, text, hex, condition };
  form kind = form::text;
  std::string text;  // digits for a number, UTF-8 text, X'..' for bytes, the line of a condition
  std::string note;  // what a strange value looks like (a vstring length outside 0 to its maximum)
  decoded_condition condition;

  static shown_value number(std::string digits) { return {form::number, std::move(digits), {}, {}}; }
  static shown_value plain(std::string text) { return {form::text, std::move(text), {}, {}}; }
  static shown_value hex(std::string x) { return {form::hex, std::move(x), {}, {}}; }
};

// The value of an item after the call.
shown_value show_value(const common::argument_description& a, const unsigned char* item, code_set caller);

}  // namespace ovle::tool
