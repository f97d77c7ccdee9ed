// The country lookups through their C entries: a separator, a default picture, the current country.
#include <benchmark/benchmark.h>

#include <cstring>

#include "ovle/ovle.h"

namespace {

// Codes spread over the table, one unknown among them.
constexpr const char* codes[] = {"US", "de", "ZW", "AD", "JP", "XX", "fr", "SE"};
constexpr std::size_t code_count = sizeof codes / sizeof codes[0];

void BM_CEE3MDS(benchmark::State& state) {
  char separator[2];
  ovle_feedback fc;
  CEE3MDS("US", separator, &fc);  // the first call initializes the environment
  std::size_t i = 0;
  for (auto _ : state) {
    CEE3MDS(codes[i++ % code_count], separator, &fc);
    benchmark::DoNotOptimize(separator);
  }
}
BENCHMARK(BM_CEE3MDS);

void BM_CEEFMDA(benchmark::State& state) {
  char picture[80];
  ovle_feedback fc;
  CEEFMDA("US", picture, &fc);
  std::size_t i = 0;
  for (auto _ : state) {
    CEEFMDA(codes[i++ % code_count], picture, &fc);
    benchmark::DoNotOptimize(picture);
  }
}
BENCHMARK(BM_CEEFMDA);

// The blank code: the current country from the stack.
void BM_CEEFMDA_current_country(benchmark::State& state) {
  char picture[80];
  ovle_feedback fc;
  ovle_int4 set;
  ovle_int4_set(&set, 1);
  char country[2] = {'D', 'E'};
  CEE3CTY(&set, country, &fc);
  for (auto _ : state) {
    CEEFMDA("  ", picture, &fc);
    benchmark::DoNotOptimize(picture);
  }
}
BENCHMARK(BM_CEEFMDA_current_country);

void BM_OVCTYDEF(benchmark::State& state) {
  char answer[80];
  const char us[2] = {'\xE4', '\xE2'};  // US in EBCDIC
  const char request = '\xF5';
  for (auto _ : state) {
    OVCTYDEF(us, &request, answer);
    benchmark::DoNotOptimize(answer);
  }
}
BENCHMARK(BM_OVCTYDEF);

}  // namespace
