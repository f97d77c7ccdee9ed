// The exported entries of the country and language services: the table program OVCTYDEF, the
// stacks (CEE3CTY, CEE3LNG), the separators and currency symbol (CEE3MDS, CEE3MTS, CEE3MCS) and
// the default pictures (CEEFMDA, CEEFMTM, CEEFMDT).
#include <cstring>

#include "common/bytes.hpp"
#include "common/frame.hpp"
#include "common/platform/platform.hpp"
#include "country/country_services.hpp"
#include "country/country_table.hpp"
#include "ovle/ovle.h"

using namespace ovle;

extern "C" int OVCTYDEF(const char* country, const char* request, char* result) noexcept {
  // No frame: the table converts nothing and has no feedback code; its texts are EBCDIC.
  platform::program_level level;
  const common::caller_arguments args;
  if (!args.present(2, result)) return 0;
  country::answer a;
  if (args.present(0, country) && args.present(1, request)) {
    country::answer_request(country[0], country[1], *request, a);
  } else {
    a.fill('\xFF');
  }
  std::memcpy(result, a.data(), a.size());
  return 0;
}

namespace {

// CEE3CTY and CEE3LNG: a function code, a code parameter that is input or output, a feedback code.
template <std::size_t Width, typename Request>
int stack_service(const ovle_int4* function, char* code, ovle_feedback* fc, Request request) noexcept {
  common::service_frame f(common::arguments(function, code, fc), 2, {common::char_input::text(1, code, Width)});
  f.run([&] {
    if (!f.require({{0, function}, {1, code}})) return;
    const auto a = request(f.area(), common::load_int4(function), f.input(0));
    if (a.parameter) {
      std::memcpy(code, a.parameter->data(), Width);
      f.text_output(code, Width);
    }
    if (a.failure != nullptr) f.fail(*a.failure);
  });
  return 0;
}

// The field queries: a country code in, a field out, a feedback code.
int field_service(const char* country, char* out, ovle_feedback* fc, const country::field_query& query) noexcept {
  common::service_frame f(fc, 2, {common::char_input::text(0, country, country::country_code_width)});
  f.run([&] {
    if (!f.require({{0, country}, {1, out}})) return;
    const country::field_answer a = country::query_field(f.area(), f.input(0), query);
    std::memcpy(out, a.bytes.data(), query.width);
    f.text_output(out, query.width);
    if (a.warning != nullptr) f.fail(*a.warning);
  });
  return 0;
}

}  // namespace

extern "C" int CEE3CTY(const ovle_int4* function, char* country, ovle_feedback* fc) noexcept {
  return stack_service<country::country_code_width>(function, country, fc, country::country_stack_request);
}

extern "C" int CEE3LNG(const ovle_int4* function, char* language, ovle_feedback* fc) noexcept {
  return stack_service<country::language_code_width>(function, language, fc, country::language_stack_request);
}

extern "C" int CEE3MDS(const char* country, char* decimal_separator, ovle_feedback* fc) noexcept {
  return field_service(country, decimal_separator, fc, country::decimal_separator_query);
}

extern "C" int CEE3MTS(const char* country, char* thousands_separator, ovle_feedback* fc) noexcept {
  return field_service(country, thousands_separator, fc, country::thousands_separator_query);
}

extern "C" int CEE3MCS(const char* country, char* currency_symbol, ovle_feedback* fc) noexcept {
  return field_service(country, currency_symbol, fc, country::currency_symbol_query);
}

extern "C" int CEEFMDA(const char* country, char* picture, ovle_feedback* fc) noexcept {
  return field_service(country, picture, fc, country::date_picture_query);
}

extern "C" int CEEFMTM(const char* country, char* picture, ovle_feedback* fc) noexcept {
  return field_service(country, picture, fc, country::time_picture_query);
}

extern "C" int CEEFMDT(const char* country, char* picture, ovle_feedback* fc) noexcept {
  return field_service(country, picture, fc, country::timestamp_picture_query);
}
