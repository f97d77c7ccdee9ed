// OV-PIPI's settings, each from the IDE, the host or an environment variable, into OV-LE-EXTERNAL.
#include "environment/settings.hpp"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "common/bytes.hpp"
#include "common/ebcdic.hpp"
#include "common/platform/platform.hpp"
#include "environment/runtime_options.hpp"

namespace ovle::environment {
namespace {

using common::ov_le_external;
using off = ov_le_external::offset;

constexpr std::int32_t ide_category = 262144;

// A variable as the run-time's accept delivers it: `length` characters, blank-padded, ASCII. Empty
// when it cannot be read, when it is empty (the way a shell clears a variable), and when it reads
// as the first characters of its own name (`self`, as many as the setting compares).
std::optional<std::string> variable(std::string_view name, std::size_t length, std::string_view self = {}) {
  auto value = platform::environment_value(name, length);
  if (!value || std::all_of(value->begin(), value->end(), [](char c) { return c == ' '; })) return std::nullopt;
  if (!self.empty() && value->compare(0, self.size(), self) == 0) return std::nullopt;
  return value;
}

std::string upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The comma-separated suboptions of a variable's value.
std::vector<std::string_view> suboptions(std::string_view value, std::size_t most) {
  std::vector<std::string_view> out;
  while (out.size() < most) {
    const auto comma = value.find(',');
    out.push_back(trim(value.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    value.remove_prefix(comma + 1);
  }
  return out;
}

// ASCII text into an EBCDIC field.
void store_text(std::span<char> field, std::string_view ascii) {
  common::store_padded(field.data(), field.size(), platform::ebcdic_from_ascii(ascii.substr(0, field.size())),
                       common::ebcdic::blank);
}

std::optional<std::int32_t> ide_int(std::int32_t setting) {
  std::int32_t value = 0;
  if (platform::ide_link::get_dest_int(ide_category, setting, value) != 0) return std::nullopt;
  return value;
}

std::optional<std::string> ide_string(std::int32_t setting, std::size_t length) {
  std::string value(length, ' ');
  if (platform::ide_link::get_dest_str(ide_category, setting, value) != 0) return std::nullopt;
  return value;
}

// The last decimal digit of an IDE integer.
int last_digit(std::int32_t value) { return static_cast<int>(value % 10 < 0 ? -(value % 10) : value % 10); }

bool begins_on(std::string_view value) {
  return value.size() >= 2 && (value[0] == 'O' || value[0] == 'o') && (value[1] == 'N' || value[1] == 'n');
}

// The language lookup: COBLANG, else LANG, else the code table; stored at offset 628.
const language_entry& look_up_language(ov_le_external area) {
  std::string number = "01";
  if (auto coblang = variable("COBLANG", 10, "COBLANG")) {
    number = coblang->substr(0, 2);
  } else if (auto lang = variable("LANG", 10, "LANG")) {
    number = lang->substr(0, 2);
  } else {
    int n = 1;
    std::optional<std::string> code;
    if (area.ide_link_up()) {
      if (const auto value = ide_int(8300); value && *value >= 0 && *value <= 9999) {
        char digits[5];
        std::snprintf(digits, sizeof digits, "%04d", static_cast<int>(*value));
        code = digits;
      }
    } else if (source_of(area) != settings_source::host) {
      code = variable("OVCODESET", 4);
    }
    if (code) {
      if (*code == "AUTO") {
        const auto info = platform::get_os_info();
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04u", info ? unsigned{info->country_code} % 10000 : 1u);
        code = digits;
      }
      n = code_table_language(*code);
    }
    number = n < 10 ? "0" + std::to_string(n) : std::to_string(n);
  }
  const int n = normalized_language_number(number[0], number[1]);
  area.set_language_number(n);
  return language_table[static_cast<std::size_t>(n - 1)];
}

void store_heap_size(ov_le_external area, std::size_t field, std::int64_t bytes) {
  area.set_heap_size(field, bytes);
  if (field == off::heap_initial) area.set_heap0_initial(static_cast<std::int32_t>(bytes));
  if (field == off::heap_increment) area.set_heap0_increment(static_cast<std::int32_t>(bytes));
}

constexpr std::size_t heap_size_fields[] = {off::heap_initial, off::heap_increment, off::heap_below_initial,
                                            off::heap_below_increment};

}  // namespace

std::optional<std::int64_t> heap_size_rule(std::string_view text) noexcept {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::int64_t n = 0;
  const std::size_t first = i;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    n = n * 10 + (text[i] - '0');
    if (n > heap_size_limit) return std::nullopt;
  }
  if (i == first) return std::nullopt;
  if (i < text.size() && (text[i] == 'K' || text[i] == 'M')) n *= text[i] == 'K' ? 1024 : 1048576;
  n = heap_bytes(n);
  if (n > heap_size_limit) return std::nullopt;
  return n;
}

settings_source source_of(ov_le_external area) noexcept {
  if (area.ide_link_up()) return settings_source::ide;
  const char host = area.host_code();
  if (host == ov_le_external::host_brantley_forge || host == ov_le_external::host_quill_works) {
    return settings_source::host;
  }
  return settings_source::environment;
}

void connect_ide(ov_le_external area) noexcept {
  if (!area.ide_link_up()) return;
  if (platform::ide_link::is_ide_up() != 0) {
    area.set_ide_link_up(false);
  } else if (platform::ide_link::connect_database() != 0) {
    platform::ide_link::close();
    area.set_ide_link_up(false);
  }
}

void release_ide(ov_le_external area) noexcept {
  if (!area.ide_link_up()) return;
  platform::ide_link::release_database();
  platform::ide_link::close();
}

void set_initial_country(ov_le_external area) noexcept {
  try {
    std::string country;
    switch (source_of(area)) {
      case settings_source::ide:
        if (auto value = ide_string(8386, 3)) {
          country = value->substr(0, 2);
          note_option_source(area_option::country, option_source::ide_setting);
        } else {
          country = "US";
        }
        break;
      case settings_source::host: country = look_up_language(area).country; break;
      case settings_source::environment:
        if (auto value = variable("COUNTRY", 2, "CO")) {
          country = *value;
          note_option_source(area_option::country, option_source::environment_variable);
        } else {
          country = look_up_language(area).country;
        }
        break;
    }
    store_text(area.country(1), country);
  } catch (...) {
  }
}

void set_initial_language(ov_le_external area) noexcept {
  try {
    std::string language;
    switch (source_of(area)) {
      case settings_source::host: language = "ENU"; break;
      case settings_source::ide: {
        const auto value = ide_int(8387);
        if (!value) {
          language = "ENU";
          break;
        }
        static constexpr std::string_view known[] = {"ENU", "UEN", "JPN"};
        if (*value < 0 || *value > 2) return;  // any other value leaves the entry as it is
        language = known[*value];
        note_option_source(area_option::natlang, option_source::ide_setting);
        break;
      }
      case settings_source::environment:
        if (auto value = variable("NATLANG", 3, "NAT")) {
          language = *value;
          note_option_source(area_option::natlang, option_source::environment_variable);
        } else {
          language = look_up_language(area).language;
        }
        break;
    }
    store_text(area.language(1), language);
  } catch (...) {
  }
}

void set_gmt_offset(ov_le_external area) noexcept {
  try {
    // The system's offset: the last five characters of the initialization date and time.
    const auto stamp = area.init_date_time();
    const std::string system = platform::ascii_from_ebcdic({stamp.data() + 16, 5});
    if (source_of(area) != settings_source::environment) {
      store_text(area.gmt_offset(), system);
      return;
    }
    const std::string value = variable("GMTO", 5, "GMTO").value_or(system);
    store_text(area.gmt_offset(), value);
    const bool valid = (value[0] == '0' || value[0] == '+' || value[0] == '-') &&
                       std::all_of(value.begin() + 1, value.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!valid) {
      platform::console_line(std::string("Invalid Environment Variable") + " Set for GMT offset");
      platform::console_line("    First Character must be 0, +, or -");
      platform::console_line("    and 2nd thru 5th characters must be numeric");
      platform::console_line("  Application value set was:" + value);
    }
  } catch (...) {
  }
}

void set_heap(ov_le_external area, bool small_defaults) noexcept {
  try {
    const std::int64_t size = small_defaults ? 4096 : 32768;
    store_heap_size(area, off::heap_initial, size);
    store_heap_size(area, off::heap_increment, size);
    area.set_option(off::heap_location, false);
    area.set_option(off::heap_keep_free, false);
    store_heap_size(area, off::heap_below_initial, small_defaults ? 4096 : 8192);
    store_heap_size(area, off::heap_below_increment, 4096);
    switch (source_of(area)) {
      case settings_source::host: return;
      case settings_source::ide: {
        static constexpr std::int32_t size_settings[] = {8380, 8381, 8384, 8385};
        bool read = false;
        for (std::size_t i = 0; i < 4; ++i) {
          if (const auto text = ide_string(size_settings[i], 12)) {
            read = true;
            if (const auto bytes = heap_size_rule(*text)) store_heap_size(area, heap_size_fields[i], *bytes);
          }
        }
        if (const auto location = ide_int(8382)) {
          area.set_option(off::heap_location, *location != 1);
          read = true;
        }
        if (const auto keep = ide_int(8383)) {
          area.set_option(off::heap_keep_free, *keep == 1);
          read = true;
        }
        if (read) note_option_source(area_option::heap, option_source::ide_setting);
        return;
      }
      case settings_source::environment: {
        const auto value = variable("HEAP", 80, "HEAP");
        if (!value) return;
        note_option_source(area_option::heap, option_source::environment_variable);
        const std::string text = upper(*value);
        const auto subs = suboptions(text, 6);
        static constexpr std::size_t size_positions[] = {0, 1, 4, 5};
        for (std::size_t i = 0; i < 4; ++i) {
          if (size_positions[i] >= subs.size()) break;
          // An empty or non-numeric size keeps its default, as an empty suboption does in the option.
          if (const auto bytes = heap_size_rule(subs[size_positions[i]])) {
            store_heap_size(area, heap_size_fields[i], *bytes);
          }
        }
        if (subs.size() > 2) {
          if (subs[2] == "ANYWHERE" || subs[2] == "ANY") area.set_option(off::heap_location, false);
          if (subs[2] == "BELOW") area.set_option(off::heap_location, true);
        }
        if (subs.size() > 3) {
          if (subs[3] == "KEEP") area.set_option(off::heap_keep_free, false);
          if (subs[3] == "FREE") area.set_option(off::heap_keep_free, true);
        }
        return;
      }
    }
  } catch (...) {
  }
}

void set_storage(ov_le_external area) noexcept {
  try {
    area.set_option(off::storage_heap_switch, false);
    area.set_option(off::storage_free_switch, false);
    const auto set_fill = [&](std::size_t which, std::string_view text) {
      const auto byte = fill_byte_value(trim(text));
      if (!byte) return;
      area.set_fill_byte(which == 0 ? off::storage_heap_fill : off::storage_free_fill, *byte);
      area.set_option(which == 0 ? off::storage_heap_switch : off::storage_free_switch, true);
    };
    switch (source_of(area)) {
      case settings_source::host: return;
      case settings_source::ide:
        for (std::size_t which = 0; which < 2; ++which) {
          if (const auto text = ide_string(which == 0 ? 8389 : 8390, 5)) {
            set_fill(which, *text);
            note_option_source(area_option::storage, option_source::ide_setting);
          }
        }
        return;
      case settings_source::environment: {
        const auto value = variable("STORAGE", 80, "STORAGE");
        if (!value) return;
        note_option_source(area_option::storage, option_source::environment_variable);
        const std::string text = upper(*value);
        const auto subs = suboptions(text, 2);
        for (std::size_t which = 0; which < subs.size(); ++which) set_fill(which, subs[which]);
        return;
      }
    }
  } catch (...) {
  }
}

void set_all31(ov_le_external area, bool small_defaults) noexcept {
  try {
    area.set_option(off::all31, small_defaults);
    switch (source_of(area)) {
      case settings_source::host: return;
      case settings_source::ide:
        if (const auto value = ide_int(8376)) {
          area.set_option(off::all31, *value == 1);
          note_option_source(area_option::all31, option_source::ide_setting);
        }
        return;
      case settings_source::environment:
        if (const auto value = variable("ALL31", 80, "ALL31")) {
          const std::string_view v = trim(*value);
          if (v != "ON" && v != "OFF") return;
          area.set_option(off::all31, v == "ON");
          note_option_source(area_option::all31, option_source::environment_variable);
        }
        return;
    }
  } catch (...) {
  }
}

void set_report_switches(ov_le_external area) noexcept {
  try {
    const struct {
      std::size_t field;
      std::int32_t setting;
      std::string_view name;
      area_option option;
    } switches[] = {{off::rptopts, 8378, "RPTOPTS", area_option::rptopts},
                    {off::rptstg, 8379, "RPTSTG", area_option::rptstg}};
    for (const auto& s : switches) {
      area.set_option(s.field, false);
      switch (source_of(area)) {
        case settings_source::host: break;
        case settings_source::ide:
          if (const auto value = ide_int(s.setting)) {
            area.set_option_digit(s.field, last_digit(*value));
            note_option_source(s.option, option_source::ide_setting);
          }
          break;
        case settings_source::environment:
          if (const auto value = variable(s.name, 80)) {
            area.set_option(s.field, begins_on(*value));
            note_option_source(s.option, option_source::environment_variable);
          }
          break;
      }
    }
  } catch (...) {
  }
}

void set_cblopts(ov_le_external area) noexcept {
  try {
    // The hosts "B" and "Q" start from the installation default, CBLOPTS(ON).
    area.set_option(off::cblopts, true);
    switch (source_of(area)) {
      case settings_source::host: return;
      case settings_source::ide:
        if (const auto value = ide_int(8377)) {
          area.set_option_digit(off::cblopts, last_digit(*value));
          note_option_source(area_option::cblopts, option_source::ide_setting);
        } else {
          area.set_option(off::cblopts, false);
        }
        return;
      case settings_source::environment:
        if (const auto value = variable("CBLOPTS", 80)) {
          area.set_option(off::cblopts, begins_on(*value));
          note_option_source(area_option::cblopts, option_source::environment_variable);
        }
        return;
    }
  } catch (...) {
  }
}

void set_message_file(ov_le_external area) noexcept {
  try {
    switch (source_of(area)) {
      case settings_source::host: store_text(area.message_file(), "SYSOUT"); return;
      case settings_source::ide:
        if (auto value = ide_string(8388, 99)) {
          std::string name = value->substr(0, 8);
          std::replace(name.begin(), name.end(), '\0', ' ');
          store_text(area.message_file(), name);
          note_option_source(area_option::msgfile, option_source::ide_setting);
        } else {
          store_text(area.message_file(), "SYSOUT");
        }
        return;
      case settings_source::environment:
        if (const auto value = variable("MSGFILE", 80, "MSGFILE")) {
          store_text(area.message_file(),
                     std::string_view(*value).substr(0, std::min<std::size_t>(value->find(','), 8)));
          note_option_source(area_option::msgfile, option_source::environment_variable);
        }
        return;
    }
  } catch (...) {
  }
}

}  // namespace ovle::environment
