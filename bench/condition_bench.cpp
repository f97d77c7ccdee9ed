// The condition services through their C entries: building and taking apart tokens, a fixed
// answer, naming a token; and the frame's cost when a condition goes back to an ASCII caller.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <cstring>

#include "common/platform/platform.hpp"
#include "condition/symbolic_names.hpp"
#include "ovle/ovle.h"

namespace {

struct token_arguments {
  ovle_int2 c_1, c_2, case_code, severity, control;
  char facility[3] = {'C', 'E', 'E'};
  unsigned char instance[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  token_arguments() {
    ovle_int2_set(&c_1, 3);
    ovle_int2_set(&c_2, 2507);
    ovle_int2_set(&case_code, 1);
    ovle_int2_set(&severity, 3);
    ovle_int2_set(&control, 1);
  }
};

void BM_CEENCOD(benchmark::State& state) {
  token_arguments a;
  ovle_feedback token, fc;
  CEENCOD(&a.c_1, &a.c_2, &a.case_code, &a.severity, &a.control, a.facility, a.instance, &token, &fc);
  for (auto _ : state) {
    CEENCOD(&a.c_1, &a.c_2, &a.case_code, &a.severity, &a.control, a.facility, a.instance, &token, &fc);
    benchmark::DoNotOptimize(token);
  }
}
BENCHMARK(BM_CEENCOD);

void BM_CEEDCOD(benchmark::State& state) {
  token_arguments a;
  ovle_feedback token, fc;
  CEENCOD(&a.c_1, &a.c_2, &a.case_code, &a.severity, &a.control, a.facility, a.instance, &token, &fc);
  ovle_int2 c_1, c_2, case_code, severity, control;
  char facility[3];
  unsigned char instance[8];
  for (auto _ : state) {
    CEEDCOD(&token, &c_1, &c_2, &case_code, &severity, &control, facility, instance, &fc);
    benchmark::DoNotOptimize(c_2);
  }
}
BENCHMARK(BM_CEEDCOD);

// A fixed answer from an ASCII caller: the whole frame, with a condition to convert on the way out.
// Argument 1 runs with OVLE_FACILITY_CODESET=EBCDIC, which skips that conversion.
void BM_CEE3GRC(benchmark::State& state) {
  if (state.range(0) != 0) {
    setenv("OVLE_FACILITY_CODESET", "EBCDIC", 1);
  } else {
    unsetenv("OVLE_FACILITY_CODESET");
  }
  ovle::platform::testing::reread_facility_codeset();
  ovle_int4 code;
  ovle_feedback fc;
  for (auto _ : state) {
    CEE3GRC(&code, &fc);
    benchmark::DoNotOptimize(fc);
  }
  unsetenv("OVLE_FACILITY_CODESET");
  ovle::platform::testing::reread_facility_codeset();
}
BENCHMARK(BM_CEE3GRC)->Arg(0)->Arg(1);

void BM_name_token(benchmark::State& state) {
  std::array<unsigned char, 16> token{0x00, 0x03, 0x09, 0xCB, 0x59, 0xC3, 0xC5, 0xC5};
  for (auto _ : state) {
    auto name = ovle::condition::name_token(token);
    benchmark::DoNotOptimize(name);
  }
}
BENCHMARK(BM_name_token);

}  // namespace
