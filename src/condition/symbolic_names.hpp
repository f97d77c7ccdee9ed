// Symbolic feedback codes: the name of a condition token, and the copybooks that declare a name
// for every condition the library returns.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/conditions.hpp"
#include "common/feedback.hpp"

namespace ovle::condition {

// The name mainframe programs test a feedback code by: the facility ID and the message number as
// three base-32 digits ("CEE2EB"), "CEE000" for success (sixteen X'00' bytes), with the row of the
// table of conditions when the library stores that condition.
struct token_name {
  std::string symbol;
  const common::condition_entry* entry = nullptr;
};

// The name of a token whose facility ID is in either code set (ASCII and EBCDIC letters and digits
// do not overlap); empty when the facility ID is neither letters nor digits in either.
std::optional<token_name> name_token(std::span<const unsigned char, common::feedback_size> token);

// The COBOL data name of a row in the copybooks: its symbol, followed by "-" and the severity when
// another row shares the symbol (OVX9OF-3 and OVX9OF-4).
std::string copybook_name(const common::condition_entry& entry);

// The copybooks of symbolic names, generated from the table of conditions: one 8-byte value (the
// first eight bytes of the token) per row and CEE000, the facility ID in ASCII (OVLECOND) or in
// EBCDIC (OVLECNDE, same names).
enum class facility_codeset { ascii, ebcdic };
struct copybook_file {
  std::string_view name;
  facility_codeset codeset;
};
inline constexpr copybook_file copybook_files[] = {{"OVLECOND", facility_codeset::ascii},
                                                   {"OVLECNDE", facility_codeset::ebcdic}};
std::string copybook_text(const copybook_file& file);

}  // namespace ovle::condition
