// Calling the math entries as a COBOL program would: values in, result and feedback code out.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "ovle_test.hpp"

namespace ovle::test::math {

template <typename T>
using unary_entry = int (*)(const T*, ovle_feedback*, T*);
template <typename T>
using binary_entry = int (*)(const T*, const T*, ovle_feedback*, T*);
using int_unary_entry = int (*)(const ovle_int4*, ovle_feedback*, ovle_int4*);
using int_binary_entry = int (*)(const ovle_int4*, const ovle_int4*, ovle_feedback*, ovle_int4*);

template <typename T>
struct answer {
  T value;
  ovle_feedback fc;
  int rc;
};

// The result starts as garbage, as an uninitialized caller item would be, so a result the entry
// does not write shows.
template <typename T>
T garbage() {
  T v;
  std::memset(&v, 0x5A, sizeof v);
  return v;
}

template <typename T>
answer<T> call(unary_entry<T> entry, T x) {
  answer<T> a{garbage<T>(), dirty_feedback(), 0};
  a.rc = entry(&x, &a.fc, &a.value);
  return a;
}

template <typename T>
answer<T> call(binary_entry<T> entry, T x1, T x2) {
  answer<T> a{garbage<T>(), dirty_feedback(), 0};
  a.rc = entry(&x1, &x2, &a.fc, &a.value);
  return a;
}

inline answer<std::int32_t> call(int_unary_entry entry, std::int32_t x) {
  const ovle_int4 in = int4(x);
  ovle_int4 out = int4(0x5A5A5A5A);
  answer<std::int32_t> a{0, dirty_feedback(), 0};
  a.rc = entry(&in, &a.fc, &out);
  a.value = ovle_int4_get(&out);
  return a;
}

inline answer<std::int32_t> call(int_binary_entry entry, std::int32_t x1, std::int32_t x2) {
  const ovle_int4 a1 = int4(x1), a2 = int4(x2);
  ovle_int4 out = int4(0x5A5A5A5A);
  answer<std::int32_t> a{0, dirty_feedback(), 0};
  a.rc = entry(&a1, &a2, &a.fc, &out);
  a.value = ovle_int4_get(&out);
  return a;
}

// An INT4 result from a floating argument (NIN).
template <typename T>
answer<std::int32_t> call(int (*entry)(const T*, ovle_feedback*, ovle_int4*), T x) {
  ovle_int4 out = int4(0x5A5A5A5A);
  answer<std::int32_t> a{0, dirty_feedback(), 0};
  a.rc = entry(&x, &a.fc, &out);
  a.value = ovle_int4_get(&out);
  return a;
}

// A floating base with an INT4 exponent (SXPI, DXPI).
template <typename T>
answer<T> call(int (*entry)(const T*, const ovle_int4*, ovle_feedback*, T*), T x, std::int32_t n) {
  const ovle_int4 exponent = int4(n);
  answer<T> a{garbage<T>(), dirty_feedback(), 0};
  a.rc = entry(&x, &exponent, &a.fc, &a.value);
  return a;
}

// A condition of the math services as an ASCII caller sees it; empty for success.
struct expected_condition {
  int severity;
  int message;
  int control;
};

inline constexpr expected_condition sqt_fails{2, 2010, 1};
inline constexpr expected_condition log_fails{2, 2012, 1};
inline constexpr expected_condition exp_fails{2, 2009, 1};
inline constexpr expected_condition trig_fails{2, 2017, 1};
inline constexpr expected_condition hyperbolic_fails{2, 2016, 1};
inline constexpr expected_condition at2_fails{2, 2014, 1};
inline constexpr expected_condition mod_fails{1, 9999, 0};
inline constexpr expected_condition ixpi_fails{2, 2021, 1};

inline condition_view ascii(const expected_condition& c) { return ascii_condition(c.severity, c.message, c.control); }

// The magnitude of one unit in the last place of v in T (of the smallest normal for tiny v).
template <typename T>
double ulp_of(double v) {
  const double a = std::max(std::fabs(v), static_cast<double>(std::numeric_limits<T>::min()));
  const int e = std::ilogb(a);
  return std::ldexp(1.0, e - std::numeric_limits<T>::digits + 1);
}

}  // namespace ovle::test::math
