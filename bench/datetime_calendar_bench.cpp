// The calendar through its C entries: CEEDYWK as an ASCII and an EBCDIC caller, and the converters.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "common/platform/platform.hpp"
#include "datetime/calendar.hpp"
#include "ovle/ovle.h"

namespace {

// Lilian days spread over the calendar, so the branch predictor sees no single pattern.
std::int32_t next_day(std::int32_t lilian) { return lilian >= 3'000'000 ? 1 + lilian % 97 : lilian + 12'347; }

void BM_ceedywk(benchmark::State& state) {
  if (state.range(0) == 1)
    ovle::platform::testing::set_caller_chain({ovle::platform::attribute_ebcdic, ovle::platform::attribute_ebcdic});
  else ovle::platform::testing::set_caller_chain({0, 0});
  ovle_int4 in;
  ovle_int4 out;
  ovle_feedback fc;
  std::int32_t lilian = 1;
  for (auto _ : state) {
    ovle_int4_set(&in, lilian);
    CEEDYWK(&in, &out, &fc);
    benchmark::DoNotOptimize(out);
    benchmark::DoNotOptimize(fc);
    lilian = next_day(lilian);
  }
  ovle::platform::testing::reset_caller_chain();
}
BENCHMARK(BM_ceedywk)->Arg(0)->Arg(1)->ArgNames({"ebcdic"});

void BM_ceedywk_condition(benchmark::State& state) {
  ovle_int4 in;
  ovle_int4_set(&in, 0);
  ovle_int4 out;
  ovle_feedback fc;
  for (auto _ : state) {
    CEEDYWK(&in, &out, &fc);
    benchmark::DoNotOptimize(fc);
  }
}
BENCHMARK(BM_ceedywk_condition);

void BM_date_from_lilian(benchmark::State& state) {
  std::int32_t lilian = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ovle::datetime::date_from_lilian(lilian));
    lilian = next_day(lilian);
  }
}
BENCHMARK(BM_date_from_lilian);

void BM_lilfudge(benchmark::State& state) {
  ovle_int4 in;
  char g[8], j[7], w;
  std::int32_t lilian = 1;
  for (auto _ : state) {
    ovle_int4_set(&in, lilian);
    LILFUDGE(&in, g, j, &w);
    benchmark::DoNotOptimize(g);
    lilian = lilian >= 6600 ? lilian - 6599 : lilian + 53;
  }
}
BENCHMARK(BM_lilfudge);

void BM_picfudge(benchmark::State& state) {
  ovle_int4 out;
  const char g[] = "\xF1\xF5\xF9\xF6\xF0\xF2\xF2\xF9";  // 15960229
  for (auto _ : state) {
    PICFUDGE(&out, g, nullptr, "\xC7");
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_picfudge);

}  // namespace
