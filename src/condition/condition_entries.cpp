// The exported entries of the condition family: CEENCOD and CEEDCOD, CEEMOUT, CEE3ABD and the
// eighteen services that exist by name only.
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "common/bytes.hpp"
#include "common/frame.hpp"
#include "common/platform/platform.hpp"
#include "condition/condition_token.hpp"
#include "condition/message.hpp"
#include "ovle/ovle.h"

using namespace ovle;

extern "C" int CEENCOD(const ovle_int2* c_1, const ovle_int2* c_2, const ovle_int2* case_code,
                       const ovle_int2* severity, const ovle_int2* control, const char* facility,
                       const unsigned char* instance, ovle_feedback* token, ovle_feedback* fc) noexcept {
  static_cast<void>(c_1);  // not read: bytes 0-1 take the severity
  // The facility ID is checked in EBCDIC; the token gets it back in the caller's code set.
  common::service_frame f(common::arguments(c_1, c_2, case_code, severity, control, facility, instance, token, fc), 8,
                          {common::char_input::text(5, facility, 3)});
  f.run([&] {
    if (!f.require({{1, c_2}, {2, case_code}, {3, severity}, {4, control}, {5, facility}, {6, instance}, {7, token}})) {
      return;
    }
    condition::token_parts parts;
    parts.c_2 = common::load_int2(c_2);
    parts.case_code = common::load_int2(case_code);
    parts.severity = common::load_int2(severity);
    parts.control = common::load_int2(control);
    std::memcpy(parts.facility.data(), f.input(0).data(), 3);
    std::memcpy(parts.instance.data(), instance, 8);
    const condition::encoded out = condition::encode(parts);
    if (out.failure != nullptr) {
      f.fail(*out.failure);
      return;
    }
    std::memcpy(token, out.token.data(), out.token.size());
    f.token_output(token);
  });
  return 0;
}

extern "C" int CEEDCOD(const ovle_feedback* token, ovle_int2* c_1, ovle_int2* c_2, ovle_int2* case_code,
                       ovle_int2* severity, ovle_int2* control, char* facility, unsigned char* instance,
                       ovle_feedback* fc) noexcept {
  common::service_frame f(common::arguments(token, c_1, c_2, case_code, severity, control, facility, instance, fc), 8,
                          {common::char_input::token_facility(0, token)});
  f.run([&] {
    if (!f.require({{0, token},
                    {1, c_1},
                    {2, c_2},
                    {3, case_code},
                    {4, severity},
                    {5, control},
                    {6, facility},
                    {7, instance}})) {
      return;
    }
    // The token as the library reads it: the facility ID in EBCDIC.
    condition::token_bytes in;
    std::memcpy(in.data(), token, in.size());
    std::memcpy(in.data() + 5, f.input(0).data(), 3);
    const condition::decoded out = condition::decode(in);
    if (out.failure != nullptr) {
      f.fail(*out.failure);
      return;
    }
    const condition::token_parts& p = out.parts;
    common::store_int2(c_1, p.c_1);
    common::store_int2(c_2, p.c_2);
    common::store_int2(case_code, p.case_code);
    common::store_int2(severity, p.severity);
    common::store_int2(control, p.control);
    std::memcpy(facility, p.facility.data(), 3);
    std::memcpy(instance, p.instance.data(), 8);
    f.text_output(facility, 3);
  });
  return 0;
}

extern "C" int CEEMOUT(const ovle_vstring* message, const ovle_int4* destination, ovle_feedback* fc) noexcept {
  // The text is written in the caller's own code set: no input is converted. The environment is
  // set up only for a valid destination.
  common::service_frame f(common::arguments(message, destination, fc), 2, {}, common::init_step::skip);
  f.run([&] {
    if (!f.require({{0, message}, {1, destination}})) return;
    if (common::load_int4(destination) != 2) {
      f.fail(common::conditions::message_destination_invalid);
      return;
    }
    common::ensure_environment(f.area());
    condition::write_message(common::vstring_text(message, condition::message_line_width), f.area().message_file(),
                             f.ascii_caller());
  });
  return 0;
}

extern "C" int CEE3ABD(const ovle_int4* abend_code, const ovle_int4* timing) noexcept {
  static_cast<void>(timing);  // accepted, not used
  platform::program_level level;
  const common::caller_arguments args(common::arguments(abend_code, timing));
  common::ensure_environment(common::ov_le_external::attach());
  condition::abend(condition::user_abend_code(args.present(0, abend_code) ? common::load_int4(abend_code) : 0));
}

namespace {

// The fixed answer: the frame with the service's character fields taken in and handed back, and
// the library's own condition.
int not_available(void* fc, std::size_t fc_index, std::initializer_list<common::char_input> fields = {}) noexcept {
  common::service_frame f(fc, fc_index, fields);
  f.fail(common::conditions::ovx_not_supported);
  return 0;
}

constexpr std::size_t text_width = 80;
constexpr std::size_t vstring_maximum = INT16_MAX;

}  // namespace

extern "C" int CEE3CIB(const void*, const void*, ovle_feedback* fc) noexcept { return not_available(fc, 2); }
extern "C" int CEE3DMP(const void*, const void*, ovle_feedback* fc) noexcept { return not_available(fc, 2); }
extern "C" int CEE3GRC(const void*, ovle_feedback* fc) noexcept { return not_available(fc, 1); }
extern "C" int CEE3GRN(const void*, ovle_feedback* fc) noexcept { return not_available(fc, 1); }
extern "C" int CEE3SRC(const void*, ovle_feedback* fc) noexcept { return not_available(fc, 1); }
extern "C" int CEE3SRP(const void*, ovle_feedback* fc) noexcept { return not_available(fc, 1); }
extern "C" int CEECMI(const void*, const void*, const void*, ovle_feedback* fc) noexcept {
  return not_available(fc, 3);
}
extern "C" int CEEHDLR(const void*, const void*, ovle_feedback* fc) noexcept { return not_available(fc, 2); }
extern "C" int CEEHDLU(const void*, ovle_feedback* fc) noexcept { return not_available(fc, 1); }
extern "C" int CEEMRCR(const void*, ovle_feedback* fc) noexcept { return not_available(fc, 1); }

extern "C" int CEE3RPH(const char* text, ovle_feedback* fc) noexcept {
  return not_available(fc, 1, {common::char_input::text(0, text, text_width)});
}
extern "C" int CEE3SPM(const void*, const char* text, ovle_feedback* fc) noexcept {
  return not_available(fc, 2, {common::char_input::text(1, text, text_width)});
}
extern "C" int CEEGQDT(const ovle_feedback* token, const void*, ovle_feedback* fc) noexcept {
  return not_available(fc, 2, {common::char_input::token_facility(0, token)});
}
extern "C" int CEEITOK(const ovle_feedback* token, ovle_feedback* fc) noexcept {
  return not_available(fc, 1, {common::char_input::token_facility(0, token)});
}
extern "C" int CEEMSG(const ovle_feedback* token, const void*, ovle_feedback* fc) noexcept {
  return not_available(fc, 2, {common::char_input::token_facility(0, token)});
}
extern "C" int CEESGL(const ovle_feedback* token, const void*, ovle_feedback* fc) noexcept {
  return not_available(fc, 2, {common::char_input::token_facility(0, token)});
}
extern "C" int CEETEST(const ovle_vstring* text, ovle_feedback* fc) noexcept {
  return not_available(fc, 1, {common::char_input::vstring(0, text, vstring_maximum)});
}
extern "C" int CEEMGET(const ovle_feedback* token, const char* text, const void*, ovle_feedback* fc) noexcept {
  return not_available(fc, 3,
                       {common::char_input::token_facility(0, token), common::char_input::text(1, text, text_width)});
}
