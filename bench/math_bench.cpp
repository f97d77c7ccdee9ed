// Cost of each CEES math service per call, through its C entry, as a COBOL CALL reaches it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <utility>

#include "ovle/ovle.h"

namespace {

template <typename X, typename R>
void run(benchmark::State& state, int (*entry)(const X*, ovle_feedback*, R*), X x) {
  ovle_feedback fc;
  R result;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    entry(&x, &fc, &result);
    benchmark::DoNotOptimize(result);
  }
}

template <typename X1, typename X2, typename R>
void run(benchmark::State& state, int (*entry)(const X1*, const X2*, ovle_feedback*, R*), X1 x1, X2 x2) {
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
  const auto add = [](const std::string& name, auto entry, auto... arguments) {
    benchmark::RegisterBenchmark(name.c_str(), [=](benchmark::State& s) { run(s, entry, arguments...); });
  };
  add("CEESIABS", CEESIABS, int4(-5));
  add("CEESSABS", CEESSABS, -2.5f);
  add("CEESDABS", CEESDABS, -2.5);
  add("CEESSACS", CEESSACS, 0.3f);
  add("CEESDACS", CEESDACS, 0.3);
  add("CEESSASN", CEESSASN, 0.3f);
  add("CEESDASN", CEESDASN, 0.3);
  add("CEESSATH", CEESSATH, 0.3f);
  add("CEESDATH", CEESDATH, 0.3);
  add("CEESSATN", CEESSATN, 0.7f);
  add("CEESDATN", CEESDATN, 0.7);
  add("CEESSAT2", CEESSAT2, 1.0f, -2.0f);
  add("CEESDAT2", CEESDAT2, 1.0, -2.0);
  add("CEESSCOS", CEESSCOS, 1.2f);
  add("CEESDCOS", CEESDCOS, 1.2);
  add("CEESSCTN", CEESSCTN, 1.2f);
  add("CEESDCTN", CEESDCTN, 1.2);
  add("CEESIDIM", CEESIDIM, int4(3), int4(-5));
  add("CEESSDIM", CEESSDIM, 3.0f, -5.0f);
  add("CEESDDIM", CEESDDIM, 3.0, -5.0);
  add("CEESSEXP", CEESSEXP, 1.5f);
  add("CEESDEXP", CEESDEXP, 1.5);
  add("CEESSINT", CEESSINT, -2.7f);
  add("CEESDINT", CEESDINT, -2.7);
  add("CEESSLG1", CEESSLG1, 123.4f);
  add("CEESDLG1", CEESDLG1, 123.4);
  add("CEESSLG2", CEESSLG2, 123.4f);
  add("CEESDLG2", CEESDLG2, 123.4);
  add("CEESSLOG", CEESSLOG, 123.4f);
  add("CEESDLOG", CEESDLOG, 123.4);
  add("CEESIMOD", CEESIMOD, int4(-7), int4(3));
  add("CEESSMOD", CEESSMOD, -7.5f, 2.0f);
  add("CEESDMOD", CEESDMOD, -7.5, 2.0);
  add("CEESSNIN", CEESSNIN, -2.5f);
  add("CEESDNIN", CEESDNIN, -2.5);
  add("CEESSNWN", CEESSNWN, -2.5f);
  add("CEESDNWN", CEESDNWN, -2.5);
  add("CEESISGN", CEESISGN, int4(-5), int4(-1));
  add("CEESSSGN", CEESSSGN, -5.0f, -1.0f);
  add("CEESDSGN", CEESDSGN, -5.0, -1.0);
  add("CEESSSIN", CEESSSIN, 1.2f);
  add("CEESDSIN", CEESDSIN, 1.2);
  add("CEESSSQT", CEESSSQT, 2.0f);
  add("CEESDSQT", CEESDSQT, 2.0);
  add("CEESSTAN", CEESSTAN, 1.2f);
  add("CEESDTAN", CEESDTAN, 1.2);
  add("CEESIXPI", CEESIXPI, int4(3), int4(12));
  add("CEESSXPI", CEESSXPI, 1.5f, int4(7));
  add("CEESDXPI", CEESDXPI, 1.5, int4(7));
  add("CEESSXPS", CEESSXPS, 1.5f, 2.5f);
  add("CEESDXPD", CEESDXPD, 1.5, 2.5);
  // A domain failure also builds the feedback code and asks for the caller's code set.
  add("CEESDSQT/failing", CEESDSQT, -1.0);
  add("CEESDMOD/failing", CEESDMOD, 1.0, 0.0);
  // The series: the number of terms grows with |x| (at most 50 per sum).
  for (const auto& [at, x] :
       {std::pair<std::string, double>{"/0.5", 0.5}, {"/1", 1.0}, {"/10", 10.0}, {"/100", 100.0}}) {
    const auto x4 = static_cast<float>(x);
    add("CEESSSNH" + at, CEESSSNH, x4);
    add("CEESDSNH" + at, CEESDSNH, x);
    add("CEESSCSH" + at, CEESSCSH, x4);
    add("CEESDCSH" + at, CEESDCSH, x);
    add("CEESSTNH" + at, CEESSTNH, x4);
    add("CEESDTNH" + at, CEESDTNH, x);
  }
  return true;
}();

}  // namespace
