// Cost of each CEES math service per call, through its C entry, as a COBOL CALL reaches it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <utility>

#include "ovle/ovle.h"

namespace {

template <typename X, typename R>
void run_unary(benchmark::State& state, int (*entry)(const X*, ovle_feedback*, R*), X x) {
  ovle_feedback fc;
  R result;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    entry(&x, &fc, &result);
    benchmark::DoNotOptimize(result);
  }
}

template <typename X1, typename X2, typename R>
void run_binary(benchmark::State& state, int (*entry)(const X1*, const X2*, ovle_feedback*, R*), X1 x1, X2 x2) {
  ovle_feedback fc;
  R result;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x1);
    entry(&x1, &x2, &fc, &result);
    benchmark::DoNotOptimize(result);
  }
}

ovle_int4 int4(std::int32_t v) {
  ovle_int4 r;
  ovle_int4_set(&r, v);
  return r;
}

// Each entry with a representative argument inside its domain.
const bool registered = [] {
  using benchmark::RegisterBenchmark;
  const auto f1 = [](const char* name, auto entry, float x) {
    RegisterBenchmark(name, [=](benchmark::State& s) { run_unary<float, float>(s, entry, x); });
  };
  const auto d1 = [](const char* name, auto entry, double x) {
    RegisterBenchmark(name, [=](benchmark::State& s) { run_unary<double, double>(s, entry, x); });
  };
  const auto f2 = [](const char* name, auto entry, float x1, float x2) {
    RegisterBenchmark(name, [=](benchmark::State& s) { run_binary<float, float, float>(s, entry, x1, x2); });
  };
  const auto d2 = [](const char* name, auto entry, double x1, double x2) {
    RegisterBenchmark(name, [=](benchmark::State& s) { run_binary<double, double, double>(s, entry, x1, x2); });
  };
  const auto i2 = [](const char* name, auto entry, std::int32_t x1, std::int32_t x2) {
    RegisterBenchmark(name, [=](benchmark::State& s) {
      run_binary<ovle_int4, ovle_int4, ovle_int4>(s, entry, int4(x1), int4(x2));
    });
  };
  RegisterBenchmark("CEESIABS", [](benchmark::State& s) { run_unary<ovle_int4, ovle_int4>(s, CEESIABS, int4(-5)); });
  f1("CEESSABS", CEESSABS, -2.5f);
  d1("CEESDABS", CEESDABS, -2.5);
  f1("CEESSACS", CEESSACS, 0.3f);
  d1("CEESDACS", CEESDACS, 0.3);
  f1("CEESSASN", CEESSASN, 0.3f);
  d1("CEESDASN", CEESDASN, 0.3);
  f1("CEESSATH", CEESSATH, 0.3f);
  d1("CEESDATH", CEESDATH, 0.3);
  f1("CEESSATN", CEESSATN, 0.7f);
  d1("CEESDATN", CEESDATN, 0.7);
  f2("CEESSAT2", CEESSAT2, 1.0f, -2.0f);
  d2("CEESDAT2", CEESDAT2, 1.0, -2.0);
  f1("CEESSCOS", CEESSCOS, 1.2f);
  d1("CEESDCOS", CEESDCOS, 1.2);
  f1("CEESSCTN", CEESSCTN, 1.2f);
  d1("CEESDCTN", CEESDCTN, 1.2);
  i2("CEESIDIM", CEESIDIM, 3, -5);
  f2("CEESSDIM", CEESSDIM, 3.0f, -5.0f);
  d2("CEESDDIM", CEESDDIM, 3.0, -5.0);
  f1("CEESSEXP", CEESSEXP, 1.5f);
  d1("CEESDEXP", CEESDEXP, 1.5);
  f1("CEESSINT", CEESSINT, -2.7f);
  d1("CEESDINT", CEESDINT, -2.7);
  f1("CEESSLG1", CEESSLG1, 123.4f);
  d1("CEESDLG1", CEESDLG1, 123.4);
  f1("CEESSLG2", CEESSLG2, 123.4f);
  d1("CEESDLG2", CEESDLG2, 123.4);
  f1("CEESSLOG", CEESSLOG, 123.4f);
  d1("CEESDLOG", CEESDLOG, 123.4);
  i2("CEESIMOD", CEESIMOD, -7, 3);
  f2("CEESSMOD", CEESSMOD, -7.5f, 2.0f);
  d2("CEESDMOD", CEESDMOD, -7.5, 2.0);
  RegisterBenchmark("CEESSNIN", [](benchmark::State& s) { run_unary<float, ovle_int4>(s, CEESSNIN, -2.5f); });
  RegisterBenchmark("CEESDNIN", [](benchmark::State& s) { run_unary<double, ovle_int4>(s, CEESDNIN, -2.5); });
  f1("CEESSNWN", CEESSNWN, -2.5f);
  d1("CEESDNWN", CEESDNWN, -2.5);
  i2("CEESISGN", CEESISGN, -5, -1);
  f2("CEESSSGN", CEESSSGN, -5.0f, -1.0f);
  d2("CEESDSGN", CEESDSGN, -5.0, -1.0);
  f1("CEESSSIN", CEESSSIN, 1.2f);
  d1("CEESDSIN", CEESDSIN, 1.2);
  f1("CEESSSQT", CEESSSQT, 2.0f);
  d1("CEESDSQT", CEESDSQT, 2.0);
  f1("CEESSTAN", CEESSTAN, 1.2f);
  d1("CEESDTAN", CEESDTAN, 1.2);
  i2("CEESIXPI", CEESIXPI, 3, 12);
  RegisterBenchmark("CEESSXPI", [](benchmark::State& s) {
    run_binary<float, ovle_int4, float>(s, CEESSXPI, 1.5f, int4(7));
  });
  RegisterBenchmark("CEESDXPI", [](benchmark::State& s) {
    run_binary<double, ovle_int4, double>(s, CEESDXPI, 1.5, int4(7));
  });
  f2("CEESSXPS", CEESSXPS, 1.5f, 2.5f);
  d2("CEESDXPD", CEESDXPD, 1.5, 2.5);
  // A domain failure also builds the feedback code and asks for the caller's code set.
  d1("CEESDSQT/failing", CEESDSQT, -1.0);
  d2("CEESDMOD/failing", CEESDMOD, 1.0, 0.0);
  // The series: the number of terms grows with |x| (at most 50 per sum).
  for (const auto& [name, x] : {std::pair{"/0.5", 0.5}, {"/1", 1.0}, {"/10", 10.0}, {"/100", 100.0}}) {
    const auto named = [&](const char* entry) { return std::string(entry) + name; };  // the name is copied
    f1(named("CEESSSNH").c_str(), CEESSSNH, static_cast<float>(x));
    d1(named("CEESDSNH").c_str(), CEESDSNH, x);
    f1(named("CEESSCSH").c_str(), CEESSCSH, static_cast<float>(x));
    d1(named("CEESDCSH").c_str(), CEESDCSH, x);
    f1(named("CEESSTNH").c_str(), CEESSTNH, static_cast<float>(x));
    d1(named("CEESDTNH").c_str(), CEESDTNH, x);
  }
  return true;
}();

}  // namespace
