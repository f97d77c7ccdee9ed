// libFuzzer harness for the picture scan and the date engine: any bytes as date and picture.
//
// Input layout: byte 0 chooses the mode (bit 0) and the picture length (byte 0 / 2, up to 127);
// the picture follows, the rest is the date, both taken as EBCDIC text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "datetime/date_engine.hpp"
#include "datetime/picture.hpp"

namespace {

using namespace ovle::datetime;

// The engine's conditions: the severity-3 date conditions of the table.
bool known_condition(const ovle::common::condition* c) {
  namespace conditions = ovle::common::conditions;
  for (const auto* known :
       {&conditions::date_component_missing, &conditions::date_invalid, &conditions::date_out_of_range,
        &conditions::date_name_unknown, &conditions::picture_no_token, &conditions::date_not_numeric}) {
    if (c == known) return true;
  }
  return c == nullptr;
}

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool lilian = (data[0] & 1) != 0;
  const std::size_t picture_length = std::min<std::size_t>(data[0] / 2, size - 1);
  const std::string_view picture(reinterpret_cast<const char*>(data + 1), picture_length);
  const std::string_view date(reinterpret_cast<const char*>(data + 1 + picture_length), size - 1 - picture_length);

  const picture_scan scan = scan_picture(picture);
  check(scan.length == std::min(picture.size(), max_picture_length));
  for (const term& t : scan.terms) {
    if (t.present())
      check(t.position >= 1 && t.position <= scan.length && scan.at(t.position) == picture_scan::flag::token);
  }

  const century_start window{{'\xF1', '\xF9'}, {'\xF4', '\xF6'}};  // 1946
  const engine_result r = read_date(date, picture, lilian ? engine_mode::lilian : engine_mode::integer_date, window,
                                    picture_tables::attach());
  check(known_condition(r.failure));
  check(r.failure != nullptr ? r.value == 0 : r.value >= 1 && r.value <= 3'074'324);

  return 0;
}
