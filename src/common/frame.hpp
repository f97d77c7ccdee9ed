// The service frame: what every service does between the caller's CALL and the return.
//
// Constructed first thing in an entry, it attaches OV-LE-EXTERNAL, stands in for an omitted
// feedback code, decides whether the caller is ASCII or EBCDIC, takes the caller's character
// inputs in EBCDIC, clears the feedback code and initializes the environment when needed.
// Destroyed last, it converts the facility ID and the character outputs back for an ASCII caller
// and drops the stand-in feedback code. Facility IDs inside condition tokens (the feedback code's,
// a token passed in or written) stay EBCDIC when OVLE_FACILITY_CODESET=EBCDIC.
//
//   extern "C" int CEEDYWK(const ovle_int4* lilian, ovle_int4* day, ovle_feedback* fc) noexcept {
//     common::service_frame f(fc, 2, {}, common::init_step::skip);
//     f.run([&] {
//       if (!f.require({{0, lilian}, {1, day}})) return;
//       ...
//     });
//     return 0;
//   }
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "common/binary_arguments.hpp"
#include "common/conditions.hpp"
#include "common/feedback.hpp"
#include "common/ov_le_external.hpp"
#include "common/platform/cob_bridge.hpp"
#include "common/platform/platform.hpp"
#include "ovle/ovle.h"

namespace ovle::common {

// The arguments the caller actually passed. A null address is omitted; under GnuCOBOL so is an
// argument beyond the CALL's count (it arrives as garbage). A service called by another service
// of the library never consults the count: it belongs to the outer CALL.
//
// Given the entry's arguments, they also settle binary byte orders: a COBOL caller's INT2/INT4 item
// declared native (COMP-5, or any binary of a program compiled -fbinary-byteorder=native) is
// byte-swapped in place to big-endian for the call, and a native parameter passed as a BINARY
// item to native; both go back when the arguments are destroyed, after the service has written
// its results. Only the outermost entry of a COBOL CALL can tell (libcob describes that CALL's
// items); a C caller and a service called by another service pass what the entry reads.
class caller_arguments {
 public:
  // Only the outermost entry may read the count: the program level of the running service is
  // already pushed, so depth 1 means the library was entered from outside.
  caller_arguments() noexcept {
    if (platform::library_depth() <= 1) count_ = platform::cob::caller_argument_count();
  }
  template <typename... T>
  explicit caller_arguments(const call_arguments<T...>& arguments) noexcept : caller_arguments() {
    take_byte_order(arguments);
  }
  ~caller_arguments() {
    if (swapped_count_ != 0) give_back_byte_order();
  }
  caller_arguments(const caller_arguments&) = delete;
  caller_arguments& operator=(const caller_arguments&) = delete;

  // The count first: an argument beyond it is whatever the register or stack slot held, and its
  // value must not decide anything.
  bool present(std::size_t index, const void* p) const noexcept {
    return (count_ < 0 || index < static_cast<std::size_t>(count_)) && p != nullptr;
  }

  // Puts the caller's binary items in the entry's byte order; once, before any is read.
  template <typename... T>
  void take_byte_order(const call_arguments<T...>& arguments) noexcept {
    if constexpr (call_arguments<T...>::has_binaries) {
      if (count_ >= 0) [[unlikely]] {
        swap_declared_order(arguments.binaries());
      }
    }
  }

 private:
  void swap_declared_order(const binary_items& binaries) noexcept;
  void give_back_byte_order() noexcept;

  struct swapped_item {
    unsigned char* bytes;
    std::size_t width;
  };
  int count_ = platform::cob::unknown_argument_count;
  std::size_t swapped_count_ = 0;
  std::array<swapped_item, std::tuple_size_v<decltype(binary_items::items)>> swapped_;  // first swapped_count_ set
};

// CGPIINFO's walk: 3 ASCII / 4 EBCDIC for inputs 2 and 3, the flag bits for 0, 0 otherwise.
std::int16_t program_info_query(std::int16_t input) noexcept;

// Whether the caller of the running service keeps its data in ASCII: CGPIINFO with input 2
// answers 3. Inline, as every service asks it on every call.
inline bool caller_is_ascii() noexcept {
  const auto attributes = platform::program_attributes(2);
  return attributes && (*attributes & platform::attribute_ebcdic) == 0;
}

// Frame step 6: runs OV-PIPI when byte 1 of the area is not "Y". False when OV-PIPI could not be
// reached (the area is then left as it is).
// Calls OV-PIPI by name with the arguments given (all may be null); false when it cannot be reached.
bool run_initializer(const ovle_int2* function = nullptr, const ovle_vstring* runtime_options = nullptr,
                     const ovle_vstring* user_parameters = nullptr) noexcept;
inline bool ensure_environment(ov_le_external area) noexcept { return area.is_initialized() || run_initializer(); }

// A character input of the caller, taken in EBCDIC for the duration of the call.
struct char_input {
  enum class form : std::uint8_t { text, vstring, token_facility };
  std::size_t index;
  const void* address;
  form kind;
  std::size_t size;  // width of a fixed text; maximum length of a VSTRING

  static char_input text(std::size_t index, const void* address, std::size_t width) noexcept {
    return {index, address, form::text, width};
  }
  static char_input vstring(std::size_t index, const void* address, std::size_t maximum) noexcept {
    return {index, address, form::vstring, maximum};
  }
  // The facility ID (bytes 5-7) of a condition token the caller passes.
  static char_input token_facility(std::size_t index, const void* token) noexcept {
    return {index, token, form::token_facility, 3};
  }
};

enum class init_step : std::uint8_t { run, skip };

class service_frame {
 public:
  static constexpr std::size_t max_inputs = 4;
  static constexpr std::size_t max_outputs = 6;
  static constexpr std::size_t input_capacity = 256;

  // For an entry without binary parameters: its feedback code and the code's place in the CALL.
  service_frame(void* feedback, std::size_t feedback_index, std::initializer_list<char_input> inputs = {},
                init_step init = init_step::run) noexcept
      : area_(ov_le_external::attach()), fc_(args_.present(feedback_index, feedback) ? feedback : scratch_.data()) {
    if (inputs.size() != 0) take_inputs(inputs);
    fc_.clear();
    if (init == init_step::run && !area_.is_initialized()) environment_reached_ = run_initializer();
  }
  // For an entry with INT2/INT4 or native binary parameters: all its arguments, in CALL order, so
  // that a COBOL caller's items declared in the other byte order are read and written in theirs.
  //   common::service_frame f(common::arguments(date, picture, lilian, fc), 3, {...});
  template <typename... T>
  service_frame(const call_arguments<T...>& arguments, std::size_t feedback_index,
                std::initializer_list<char_input> inputs = {}, init_step init = init_step::run) noexcept
      : service_frame(arguments.address(feedback_index), feedback_index, inputs, init) {
    args_.take_byte_order(arguments);
  }
  ~service_frame() {
    // Sixteen X'00' bytes and no character output read the same in either code set.
    if ((output_count_ != 0 || !fc_.ok()) && ascii_caller()) return_to_ascii();
  }
  service_frame(const service_frame&) = delete;
  service_frame& operator=(const service_frame&) = delete;

  bool present(std::size_t index, const void* p) const noexcept { return args_.present(index, p); }

  struct required_argument {
    std::size_t index;
    const void* address;
  };
  // True when every listed argument is present; otherwise stores the library's own condition.
  bool require(std::initializer_list<required_argument> arguments) noexcept {
    for (const required_argument& a : arguments) {
      if (!args_.present(a.index, a.address)) {
        fc_.set(conditions::ovx_not_supported);
        return false;
      }
    }
    return true;
  }

  // The EBCDIC text of the i-th declared input (in declaration order); empty when it is omitted.
  std::string_view input(std::size_t i) const noexcept {
    return i < input_count_ ? std::string_view(inputs_[i].text, inputs_[i].length) : std::string_view{};
  }

  // Registers a character output; it is converted to the caller's code set on return.
  void text_output(void* address, std::size_t width) noexcept;
  // Registers a condition token the service wrote: its facility ID is returned like the feedback
  // code's.
  void token_output(void* token) noexcept;

  feedback_code& feedback() noexcept { return fc_; }
  bool ok() const noexcept { return fc_.ok(); }
  void fail(const condition& c) noexcept { fc_.set(c); }
  // Decided on first use: a call with no character data and a clear feedback code never needs it.
  bool ascii_caller() const noexcept {
    if (!code_set_known_) {
      ascii_ = caller_is_ascii();
      code_set_known_ = true;
    }
    return ascii_;
  }
  // Whether facility IDs inside condition tokens travel in ASCII for this caller: an ASCII caller,
  // unless OVLE_FACILITY_CODESET=EBCDIC keeps them as the mainframe holds them.
  bool token_facility_ascii() const noexcept { return ascii_caller() && !platform::facility_ids_stay_ebcdic(); }
  ov_le_external area() const noexcept { return area_; }
  // False when the environment step found OV-PIPI unreachable.
  bool environment_reached() const noexcept { return environment_reached_; }

  // Runs the service's own work; an exception becomes the library's own condition.
  template <typename Body>
  void run(Body&& body) noexcept {
    try {
      body();
    } catch (...) {
      fc_.set(conditions::ovx_not_supported);
    }
  }

 private:
  struct taken_input {
    const char* text;
    std::size_t length;
    std::array<char, input_capacity> copy;
  };
  void take_inputs(std::initializer_list<char_input> inputs) noexcept;
  void return_to_ascii() noexcept;

  struct output {
    enum class form : std::uint8_t { text, token_facility };
    void* address;
    std::size_t size;
    form kind;
  };

  platform::program_level level_;
  caller_arguments args_;
  ov_le_external area_;
  std::array<unsigned char, feedback_size> scratch_;  // cleared with the caller's code, when used
  feedback_code fc_;
  mutable bool ascii_ = false;
  mutable bool code_set_known_ = false;
  bool environment_reached_ = true;
  std::size_t input_count_ = 0;
  std::size_t output_count_ = 0;
  std::array<taken_input, max_inputs> inputs_;
  std::array<output, max_outputs> outputs_;
};

}  // namespace ovle::common
