// Names of condition tokens, and the copybooks of symbolic names written from the table of conditions.
#include "condition/symbolic_names.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "common/bytes.hpp"
#include "common/platform/platform.hpp"
#include "condition/condition_token.hpp"

namespace ovle::condition {
namespace {

bool is_ascii_alphanumeric(unsigned char c) noexcept {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool is_ebcdic_alphanumeric(unsigned char c) noexcept {
  return is_ebcdic_letter(static_cast<char>(c)) || is_ebcdic_digit(static_cast<char>(c));
}

// A comment line of the copybook's head. "*>" in column 7 opens a comment in fixed and in free
// format alike, so the copybook serves programs of either format.
std::string box_line(std::string_view text) { return "      *> " + std::string(text) + "\n"; }

std::string hex(std::span<const unsigned char> bytes) {
  std::string out;
  for (const unsigned char b : bytes) out += {"0123456789ABCDEF"[b >> 4], "0123456789ABCDEF"[b & 15]};
  return out;
}

// "       01  NAME  PIC X(8) VALUE value." with the names aligned.
std::string value_line(std::string_view name, std::string_view value) {
  std::string line = "       01  ";
  line += name;
  line.resize(std::max<std::size_t>(line.size() + 1, 24), ' ');
  return line + "PIC X(8) VALUE " + std::string(value) + ".\n";
}

}  // namespace

std::optional<token_name> name_token(std::span<const unsigned char, common::feedback_size> token) {
  static constexpr std::array<unsigned char, common::feedback_size> success{};
  if (std::equal(token.begin(), token.end(), success.begin())) return token_name{"CEE000", nullptr};
  const auto facility = token.subspan<5, 3>();
  std::array<char, 3> ebcdic{};
  if (std::all_of(facility.begin(), facility.end(), is_ebcdic_alphanumeric)) {
    std::copy(facility.begin(), facility.end(), ebcdic.begin());
  } else if (std::all_of(facility.begin(), facility.end(), is_ascii_alphanumeric)) {
    for (std::size_t i = 0; i < ebcdic.size(); ++i) ebcdic[i] = static_cast<char>(platform::to_ebcdic(facility[i]));
  } else {
    return std::nullopt;
  }
  const std::string ascii = platform::ascii_from_ebcdic({ebcdic.data(), ebcdic.size()});
  const std::int16_t message = common::load_int2(token.data() + 2);
  const common::condition stored{common::load_int2(token.data()), message, static_cast<std::uint8_t>(token[4] & 0x07),
                                 ebcdic};
  return token_name{std::string(common::make_symbolic_name(ascii, message).view()), common::find_condition(stored)};
}

std::string copybook_name(const common::condition_entry& entry) {
  const auto shares = [&](const common::condition_entry& other) {
    return &other != &entry && other.symbol == entry.symbol;
  };
  std::string name(entry.symbol);
  if (std::any_of(std::begin(common::condition_table), std::end(common::condition_table), shares)) {
    name += "-" + std::to_string(entry.value.severity);
  }
  return name;
}

std::string copybook_text(const copybook_file& file) {
  const bool ascii = file.codeset == facility_codeset::ascii;
  std::string out = "      *>" + std::string(62, '=') + "\n";
  out += box_line(std::string(file.name) + ": the symbolic feedback codes of libovle, one");
  out += box_line(std::string("8-byte value per condition, facility IDs in ") + (ascii ? "ASCII." : "EBCDIC."));
  out += box_line("Written by the build from the table of conditions.");
  out += box_line("  COPY " + std::string(file.name) + ".   (in WORKING-STORAGE)");
  out += box_line("  IF FC(1:8) = CEE2EB ...");
  out += box_line(ascii ? "OVLECNDE has the same names with EBCDIC facility IDs, for"
                        : "OVLECOND has the same names with ASCII facility IDs, for");
  out += box_line(ascii ? "EBCDIC callers and ASCII callers run with"
                        : "ASCII callers; this one serves EBCDIC callers and");
  out += box_line(ascii ? "OVLE_FACILITY_CODESET=EBCDIC." : "ASCII callers run with OVLE_FACILITY_CODESET=EBCDIC.");
  out += box_line("A symbol two conditions share ends in -<severity>.");
  out += box_line("Reads the same in fixed and in free format (cobc -free).");
  out += "      *>" + std::string(62, '=') + "\n";
  out += "      *>    success: sixteen X'00' bytes\n";
  out += value_line("CEE000", "LOW-VALUES");
  for (const common::condition_entry& e : common::condition_table) {
    std::array<unsigned char, common::feedback_size> token{};
    common::feedback_code(token.data()).set(e.value);
    if (ascii) {
      for (std::size_t i = 5; i < 8; ++i) token[i] = platform::to_ascii(token[i]);
    }
    std::string comment = "      *>    " + std::string(e.identifier) + ": severity " + std::to_string(e.value.severity) +
                          ", message " + std::to_string(e.value.message_number);
    out += comment.substr(0, 72) + "\n";  // nothing beyond column 72
    out += value_line(copybook_name(e), "X'" + hex(std::span(token).first<8>()) + "'");
  }
  return out;
}

}  // namespace ovle::condition
