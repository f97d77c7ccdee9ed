// Cost of one call of each bit service and of CEERAN0 through the C entries, frame included.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "ovle/ovle.h"

namespace {

using bit_entry = int (*)(const ovle_int4*, const ovle_int4*, ovle_feedback*, ovle_int4*) noexcept;

template <bit_entry Entry>
void bit_service(benchmark::State& state) {
  ovle_int4 source, n, result;
  ovle_feedback fc;
  std::int32_t i = 0;
  ovle_int4_set(&source, 0x12345678);
  for (auto _ : state) {
    ovle_int4_set(&n, (i++ & 63) - 32);
    Entry(&source, &n, &fc, &result);
    benchmark::DoNotOptimize(result);
    benchmark::DoNotOptimize(fc);
  }
}
BENCHMARK(bit_service<CEESICLR>)->Name("CEESICLR");
BENCHMARK(bit_service<CEESISET>)->Name("CEESISET");
BENCHMARK(bit_service<CEESISHF>)->Name("CEESISHF");
BENCHMARK(bit_service<CEESITST>)->Name("CEESITST");

// The feedback code omitted, as many callers do.
void bit_service_omitted_fc(benchmark::State& state) {
  ovle_int4 source, n, result;
  ovle_int4_set(&source, 0x12345678);
  ovle_int4_set(&n, 7);
  for (auto _ : state) {
    CEESISET(&source, &n, nullptr, &result);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(bit_service_omitted_fc)->Name("CEESISET/omitted_fc");

// A caller walking the sequence, passing each returned seed back.
void ceeran0_walk(benchmark::State& state) {
  ovle_int4 seed;
  ovle_int4_set(&seed, 1);
  double random_no = 0;
  ovle_feedback fc;
  for (auto _ : state) {
    CEERAN0(&seed, &random_no, &fc);
    benchmark::DoNotOptimize(random_no);
    benchmark::DoNotOptimize(seed);
  }
}
BENCHMARK(ceeran0_walk)->Name("CEERAN0");

}  // namespace
