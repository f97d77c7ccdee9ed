// Lilian seconds from the seven components (CEEISEC) and from a timestamp's text (CEESECS).
#include "datetime/timestamp.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/bytes.hpp"
#include "common/ebcdic.hpp"
#include "common/frame.hpp"
#include "common/platform/intrinsics.hpp"
#include "common/platform/platform.hpp"
#include "datetime/date_engine.hpp"
#include "ovle/ovle.h"

namespace ovle::datetime {

namespace conditions = common::conditions;

// ---- CEEISEC --------------------------------------------------------------------------------------------

const common::condition* check_components(const timestamp_components& c) noexcept {
  if (c.hours < 0 || c.hours > 23) return &conditions::hours_out_of_range;
  if (c.day < 1 || c.day > 31) return &conditions::day_out_of_range;
  if (c.year < 1582 || c.year > 9999) return &conditions::year_out_of_range;
  if (c.milliseconds < 0 || c.milliseconds > 999) return &conditions::milliseconds_out_of_range;
  if (c.minutes < 0 || c.minutes > 59) return &conditions::minutes_out_of_range;
  if (c.month < 1 || c.month > 12) return &conditions::date_name_unknown;
  if (c.seconds < 0 || c.seconds > 59) return &conditions::seconds_out_of_range;
  return nullptr;
}

double lilian_seconds_of(const timestamp_components& c) noexcept {
  const bool exists =
      is_valid_gregorian(c.year, c.month, c.day) && c.year * 10000 + c.month * 100 + c.day >= early_gregorian_first;
  const std::int64_t lilian = exists ? lilian_from_gregorian(c.year, c.month, c.day) : 0;
  const std::int64_t total = lilian * milliseconds_per_day + std::int64_t{c.hours} * 3'600'000 +
                             std::int64_t{c.minutes} * 60'000 + std::int64_t{c.seconds} * 1000 + c.milliseconds;
  // One rounding, from the exact count: CEESECI finds the same milliseconds again.
  return static_cast<double>(total) / 1000.0;
}

// ---- CEESECS --------------------------------------------------------------------------------------------

namespace {

using common::ebcdic::blank;

// The timestamp as the time fields are read from it: 80 characters, blank-padded far enough that a
// field at picture position 100 reads blanks.
using work_timestamp = std::array<char, 128>;

template <typename Function>
platform::program_address address_of(Function* f) noexcept {
  return reinterpret_cast<platform::program_address>(f);
}

enum class date_outcome : std::uint8_t { read, failed, unreachable };

struct date_part {
  date_outcome outcome;
  std::int32_t lilian = 0;
  std::array<std::uint8_t, 4> widened{};
};

// The date part of the timestamp, through CEEDAYS called by name. When that is the library's own
// CEEDAYS with its own engine, the engine is run here directly, which is what CEEDAYS would do, and
// what it learnt about the date's widths comes back with the day.
date_part read_date_part(std::string_view text, std::string_view picture, common::ov_le_external area,
                         picture_tables tables, common::feedback_code& fc) noexcept {
  static constexpr std::size_t ceedays = platform::program_index("CEEDAYS");
  static constexpr std::size_t ceecbldy = platform::program_index("CEECBLDY");
  static_assert(ceedays < platform::program_count && ceecbldy < platform::program_count);
  const platform::program_address found = platform::find_program(ceedays);
  // The engine resets and fills the tables itself; any other way they start reset.
  const bool own_engine = found == address_of(&CEEDAYS) && platform::find_program(ceecbldy) == address_of(&CEECBLDY);
  if (!own_engine) tables.reset(picture.size());
  if (found == nullptr) {
    platform::console_line("Unable to reach CEEDAYS");
    platform::console_line("  When CALLed by CEESECS");
    fc.set(conditions::ovx_not_supported);
    return {date_outcome::unreachable};
  }
  if (own_engine) {
    common::ensure_environment(area);
    const engine_result r = read_date(text, picture, engine_mode::lilian, century_window_start(area), tables);
    if (r.failure != nullptr) {
      fc.set(*r.failure);
      return {date_outcome::failed};
    }
    return {date_outcome::read, r.value, r.widened};
  }
  // Another program stands in for CEEDAYS: called as any program of the library calls it, with
  // EBCDIC texts. It tells nothing about widths.
  ovle_vstring text_arg, picture_arg;
  common::store_vstring(&text_arg, text);
  common::store_vstring(&picture_arg, picture);
  ovle_int4 lilian{};
  reinterpret_cast<decltype(&CEEDAYS)>(found)(&text_arg, &picture_arg, &lilian,
                                              reinterpret_cast<ovle_feedback*>(fc.data()));
  if (!fc.ok()) return {date_outcome::failed};
  return {date_outcome::read, common::load_int4(&lilian)};
}

// NUMVAL of `width` EBCDIC characters, kept as CEESECS keeps it: the integer part of its absolute
// value, modulo 10^width. Characters that are no number count 0, as NUMVAL gives for them.
int numval_kept(const char* p, std::size_t width) noexcept {
  char ascii[3];
  for (std::size_t i = 0; i < width; ++i)
    ascii[i] = static_cast<char>(platform::to_ascii(static_cast<std::uint8_t>(p[i])));
  const double value = std::fabs(platform::intrinsic::numval({ascii, width}));
  const int modulus = width == 1 ? 10 : width == 2 ? 100 : 1000;
  return static_cast<int>(value) % modulus;
}

// The time of day: each field at its token's picture position, moved left by what the text is
// short of before it (the date's narrower components, and a one-digit hour). The digits go into
// DATE-FIELDS as the tables define them; the milliseconds of the day, or -1 when a digit is not
// numeric.
std::int64_t read_time_of_day(const work_timestamp& text, const picture_scan& scan,
                              const std::array<std::uint8_t, 4>& widened, picture_tables tables) noexcept {
  date_fields& fields = tables.fields;
  const auto date_shift = [&](std::size_t p) {
    std::size_t s = 0;
    for (std::size_t i = 0; i < widened.size(); ++i) {
      if (scan.terms[i].present() && scan.terms[i].position < p) s += widened[i];
    }
    return s;
  };
  const auto field = [&](std::size_t p, std::size_t shift) { return text.data() + (p - std::min(shift, p - 1) - 1); };
  constexpr auto delimiter = picture_scan::flag::delimiter;

  const term& hour = scan[component::hour];
  std::size_t hour_shift = 0;
  if (hour.present()) {
    const std::size_t p = hour.position;
    const char* f = field(p, date_shift(p));
    const bool delimited =
        (p == 1 && scan.at(p + 2) == delimiter) ||
        (p > 1 && scan.at(p - 1) == delimiter && (scan.at(p + 2) == delimiter || p + 2 >= scan.length));
    if (delimited && common::ebcdic::load_digits(f, 2) < 0) {
      // A one-digit hour: whatever stands there is the hour's one digit.
      fields.hours()[0] = common::ebcdic::zero;
      fields.hours()[1] = f[0];
      hour_shift = 1;
      tables.terms.set_shift(component::hour, 1);
    } else if (delimited) {
      std::memcpy(fields.hours().data(), f, 2);
    } else {
      common::ebcdic::store_digits(fields.hours().data(), 2, numval_kept(f, 2));
    }
  }
  const auto shift_at = [&](std::size_t p) {
    return date_shift(p) + (hour.present() && hour.position < p ? hour_shift : 0);
  };
  for (const component c : {component::minute, component::second}) {
    const term& t = scan[c];
    if (!t.present()) continue;
    const std::span<char> digits = c == component::minute ? fields.minutes() : fields.seconds();
    common::ebcdic::store_digits(digits.data(), 2, numval_kept(field(t.position, shift_at(t.position)), 2));
  }
  if (const term& t = scan[component::fraction]; t.present()) {
    // Tenths and hundredths are read over their own width and scaled to milliseconds.
    const std::size_t width = std::clamp<std::size_t>(t.length, 1, 3);
    const int scale = width == 1 ? 100 : width == 2 ? 10 : 1;
    const int value = numval_kept(field(t.position, shift_at(t.position)), width) * scale;
    common::ebcdic::store_digits(fields.milliseconds().data(), 3, value);
  }
  const std::int64_t h = common::ebcdic::load_digits(fields.hours().data(), 2);
  const std::int64_t mi = common::ebcdic::load_digits(fields.minutes().data(), 2);
  const std::int64_t s = common::ebcdic::load_digits(fields.seconds().data(), 2);
  const std::int64_t ms = common::ebcdic::load_digits(fields.milliseconds().data(), 3);
  if (h < 0 || mi < 0 || s < 0 || ms < 0) return -1;
  // Not range-checked: an hour of 25 is 01:00 of the next day.
  return h * 3'600'000 + mi * 60'000 + s * 1000 + ms;
}

}  // namespace

timestamp_reading read_timestamp(std::string_view timestamp, std::string_view picture, common::ov_le_external area,
                                 picture_tables tables, common::feedback_code& fc) noexcept {
  picture = picture.substr(0, std::min(picture.size(), max_picture_length));
  work_timestamp text;
  text.fill(blank);
  const std::size_t length = std::min(timestamp.size(), max_timestamp_length);
  std::memcpy(text.data(), timestamp.data(), length);
  // Leading blanks are skipped unless the picture itself starts with one.
  if (!picture.empty() && picture[0] != blank && text[0] == blank) {
    const auto first =
        std::find_if(text.begin(), text.begin() + max_timestamp_length, [](char c) { return c != blank; });
    const auto skipped = static_cast<std::size_t>(first - text.begin());
    std::memmove(text.data(), text.data() + skipped, max_timestamp_length - skipped);
    std::memset(text.data() + (max_timestamp_length - skipped), blank, skipped);
  }

  const date_part date = read_date_part({text.data(), length}, picture, area, tables, fc);
  if (date.outcome == date_outcome::unreachable) return {true, 0.0};
  if (date.outcome == date_outcome::failed) return {false, 0.0};

  // The date part left the tables re-reset and filled by the picture's scan; a stand-in for
  // CEEDAYS may not have, so the scan is recorded again (DATE-FIELDS keeps the date read).
  const recorded_picture& recorded = record_picture(picture);
  tables.delimiters.assign(recorded.delimiters);
  tables.terms.assign(recorded.terms);
  const std::int64_t of_day = read_time_of_day(text, recorded.scan, date.widened, tables);
  if (of_day < 0) {
    fc.set(conditions::time_not_numeric);
    return {true, 0.0};
  }
  return {true, static_cast<double>(std::int64_t{date.lilian} * milliseconds_per_day + of_day) / 1000.0};
}

}  // namespace ovle::datetime
