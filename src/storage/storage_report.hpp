// The storage report (the statistics of the heaps) and the heap dump (the registry and every record).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/ov_le_external.hpp"

namespace ovle::storage {

// CURRENT-DATE as the platform gives it: YYYYMMDDhhmmsscc+hhmm.
using current_date_text = std::array<char, 21>;

// The 22 lines of the storage report, 121 characters each, in ASCII.
std::vector<std::string> storage_report_lines(common::ov_le_external area, const current_date_text& now);

// Writes the storage report to the message file of the area, or to SYSOUT, through LESSOUTA when
// the caller is ASCII and LESSOUTE otherwise, both called by name.
void write_storage_report(common::ov_le_external area, bool ascii_caller) noexcept;

// The lines of the heap dump (95 characters at most, trailing blanks dropped), in ASCII: the stream
// top and the released records, then every registry slot in use with its blocks and subblocks as
// the heap record stream holds them.
std::vector<std::string> heap_dump_lines(common::ov_le_external area, const current_date_text& now);

// Appends the heap dump to DUMPFILE (mapped like any named output), creating it when it is missing.
void dump_heaps(common::ov_le_external area) noexcept;

// Appends "*> " and the 78 characters of the comment (ASCII) to DUMPFILE.
void dump_comment(std::string_view comment) noexcept;

}  // namespace ovle::storage
