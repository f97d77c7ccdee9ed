// CEEDATE, CEESECS, CEEDATM, CEESECI, CEEISEC and CEELOCT through their C entries, as an ASCII COBOL
// caller reaches them. The values change from call to call, the picture does not (the usual program).
#include <benchmark/benchmark.h>

#include <array>
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

bool failed(const ovle_feedback& fc) { return ovle_int2_get(&fc.message_number) != 0; }

// Lilian days and seconds spread over the calendar.
constexpr std::array<int32_t, 8> days = {1, 6654, 148138, 152751, 155076, 730000, 2000000, 3074324};
constexpr std::array<double, 8> seconds = {86'400.0,         574'905'600.5,    12'799'197'749.046, 13'197'711'900.25,
                                           13'398'566'999.9, 63'072'000'000.1, 172'800'000'000.0, 265'621'679'999.999};

void ceedate(benchmark::State& state, const char* picture_text) {
  ovle_vstring picture = vstring(picture_text);
  ovle_int4 lilian;
  char out[80];
  ovle_feedback fc;
  std::size_t i = 0;
  for (auto _ : state) {
    ovle_int4_set(&lilian, days[i++ % days.size()]);
    CEEDATE(&lilian, &picture, out, &fc);
    benchmark::DoNotOptimize(out);
    benchmark::DoNotOptimize(fc);
  }
  if (failed(fc)) state.SkipWithError("the date was not formatted");
}
void ceedate_iso(benchmark::State& state) { ceedate(state, "YYYY-MM-DD"); }
void ceedate_names(benchmark::State& state) { ceedate(state, "Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY"); }

void ceedatm_iso(benchmark::State& state) {
  ovle_vstring picture = vstring("YYYY-MM-DD HH:MI:SS.999");
  char out[80];
  ovle_feedback fc;
  std::size_t i = 0;
  for (auto _ : state) {
    double s = seconds[i++ % seconds.size()];
    CEEDATM(&s, &picture, out, &fc);
    benchmark::DoNotOptimize(out);
    benchmark::DoNotOptimize(fc);
  }
  if (failed(fc)) state.SkipWithError("the timestamp was not formatted");
}

void ceesecs_iso(benchmark::State& state) {
  ovle_vstring picture = vstring("YYYY-MM-DD HH:MI:SS.999");
  std::array<ovle_vstring, 4> stamps = {vstring("1988-05-16 20:42:29.046"), vstring("2001-01-01 07:05:00.250"),
                                        vstring("1582-10-15 00:00:00.000"), vstring("9999-12-31 23:59:59.999")};
  double out;
  ovle_feedback fc;
  std::size_t i = 0;
  for (auto _ : state) {
    CEESECS(&stamps[i++ % stamps.size()], &picture, &out, &fc);
    benchmark::DoNotOptimize(out);
    benchmark::DoNotOptimize(fc);
  }
  if (failed(fc)) state.SkipWithError("the timestamp was not read");
}

void ceeseci(benchmark::State& state) {
  std::array<ovle_int4, 7> parts;
  ovle_feedback fc;
  std::size_t i = 0;
  for (auto _ : state) {
    double s = seconds[i++ % seconds.size()];
    CEESECI(&s, &parts[0], &parts[1], &parts[2], &parts[3], &parts[4], &parts[5], &parts[6], &fc);
    benchmark::DoNotOptimize(parts);
    benchmark::DoNotOptimize(fc);
  }
  if (failed(fc)) state.SkipWithError("the seconds were not split");
}

void ceeisec(benchmark::State& state) {
  std::array<ovle_int4, 7> parts;
  const int32_t values[] = {1988, 5, 16, 20, 42, 29, 46};
  for (std::size_t k = 0; k < parts.size(); ++k) ovle_int4_set(&parts[k], values[k]);
  double out;
  ovle_feedback fc;
  int32_t day = 0;
  for (auto _ : state) {
    ovle_int4_set(&parts[2], day++ % 28 + 1);
    CEEISEC(&parts[0], &parts[1], &parts[2], &parts[3], &parts[4], &parts[5], &parts[6], &out, &fc);
    benchmark::DoNotOptimize(out);
    benchmark::DoNotOptimize(fc);
  }
  if (failed(fc)) state.SkipWithError("the seconds were not built");
}

// The system clock and time zone (no fixed reading).
void ceeloct(benchmark::State& state) {
  ovle_int4 lilian;
  double out;
  char gregorian[17];
  ovle_feedback fc;
  for (auto _ : state) {
    CEELOCT(&lilian, &out, gregorian, &fc);
    benchmark::DoNotOptimize(out);
    benchmark::DoNotOptimize(gregorian);
  }
  if (failed(fc)) state.SkipWithError("the clock was not read");
}

BENCHMARK(ceedate_iso);
BENCHMARK(ceedate_names);
BENCHMARK(ceedatm_iso);
BENCHMARK(ceesecs_iso);
BENCHMARK(ceeseci);
BENCHMARK(ceeisec);
BENCHMARK(ceeloct);

}  // namespace
