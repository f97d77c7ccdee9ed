// The cost of the service frame on its own: the smallest services, through their C entries.
#include <benchmark/benchmark.h>

#include "ovle/ovle.h"

namespace {

void BM_CEEQCEN(benchmark::State& state) {
  ovle_int4 window;
  ovle_feedback fc;
  CEEQCEN(&window, &fc);  // the first call initializes the environment
  for (auto _ : state) {
    CEEQCEN(&window, &fc);
    benchmark::DoNotOptimize(window);
  }
}
BENCHMARK(BM_CEEQCEN);

void BM_CGPIINFO(benchmark::State& state) {
  for (auto _ : state) {
    int16_t mode = 2;
    CGPIINFO(&mode);
    benchmark::DoNotOptimize(mode);
  }
}
BENCHMARK(BM_CGPIINFO);

}  // namespace
