// CEEDAYS and CEECBLDY through their C entries, as an ASCII COBOL caller reaches them.
#include <benchmark/benchmark.h>

#include <cstring>

#include "ovle/ovle.h"

namespace {

ovle_vstring vstring(const char* text) {
  ovle_vstring v;
  const auto n = std::strlen(text);
  ovle_int2_set(&v.length, static_cast<int16_t>(n));
  std::memcpy(v.text, text, n);
  return v;
}

void read_through(benchmark::State& state, const char* date_text, const char* picture_text, bool lilian) {
  ovle_vstring date = vstring(date_text), picture = vstring(picture_text);
  ovle_int4 out;
  ovle_feedback fc;
  for (auto _ : state) {
    if (lilian) {
      CEEDAYS(&date, &picture, &out, &fc);
    } else {
      CEECBLDY(&date, &picture, &out, &fc, nullptr);
    }
    benchmark::DoNotOptimize(out);
    benchmark::DoNotOptimize(fc);
  }
  if (ovle_int2_get(&fc.message_number) != 0) state.SkipWithError("the date was not read");
}

void ceedays_iso(benchmark::State& state) { read_through(state, "2007-05-15", "YYYY-MM-DD", true); }
void ceedays_names(benchmark::State& state) {
  read_through(state, "Tuesday, May 15, 2007", "Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY", true);
}
void ceedays_julian(benchmark::State& state) { read_through(state, "2007135", "YYYYDDD", true); }
void ceecbldy_iso(benchmark::State& state) { read_through(state, "2007-05-15", "YYYY-MM-DD", false); }

BENCHMARK(ceedays_iso);
BENCHMARK(ceedays_names);
BENCHMARK(ceedays_julian);
BENCHMARK(ceecbldy_iso);

}  // namespace
