// Heap services under load, through their C entries, beside malloc and free doing the same work:
// get/free pairs of mixed sizes with 100,000 elements live, and freeing every element in random order.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

#include "ovle/ovle.h"

namespace {

constexpr std::size_t live_elements = 100000;
constexpr std::size_t pairs = 1000000;

// The same sequence for both allocators: which live element to free and the size of the next one.
struct churn {
  std::vector<std::uint32_t> victim, size;
  churn() {
    std::mt19937 rng(42);
    std::uniform_int_distribution<std::uint32_t> slot(0, live_elements - 1), bytes(8, 4096);
    for (std::size_t i = 0; i < pairs + live_elements; ++i) {
      victim.push_back(slot(rng));
      size.push_back(bytes(rng));
    }
  }
};
const churn& sequence() {
  static const churn c;
  return c;
}

struct ovle_heap {
  ovle_int4 id;
  ovle_heap() {
    ovle_int4 initial, increment, options;
    ovle_int4_set(&initial, 32768);
    ovle_int4_set(&increment, 32768);
    ovle_int4_set(&options, 0);
    CEECRHP(&id, &initial, &increment, &options, nullptr);
  }
  ~ovle_heap() { CEEDSHP(&id, nullptr); }
  void* get(std::uint32_t bytes) {
    ovle_int4 n;
    ovle_int4_set(&n, static_cast<int32_t>(bytes));
    void* p = nullptr;
    CEEGTST(&id, &n, &p, nullptr);
    return p;
  }
  static void free(void* p) { CEEFRST(&p, nullptr); }
};

struct c_heap {
  static void* get(std::uint32_t bytes) { return std::malloc(bytes); }
  static void free(void* p) { std::free(p); }
};

template <typename Heap>
void BM_GetFreePairs(benchmark::State& state) {
  const churn& c = sequence();
  Heap heap;
  std::vector<void*> live(live_elements);
  for (std::size_t i = 0; i < live_elements; ++i) live[i] = heap.get(c.size[pairs + i]);
  std::size_t i = 0;
  for (auto _ : state) {
    void*& slot = live[c.victim[i]];
    heap.free(slot);
    slot = heap.get(c.size[i]);
    benchmark::DoNotOptimize(slot);
    if (++i == pairs) i = 0;
  }
  for (void* p : live) heap.free(p);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetFreePairs<ovle_heap>)->Name("CEEGTST+CEEFRST pair, 100000 live")->Iterations(pairs);
BENCHMARK(BM_GetFreePairs<c_heap>)->Name("malloc+free pair, 100000 live")->Iterations(pairs);

// Frees state.range(0) live elements in random order; the time is that of the frees alone.
template <typename Heap>
void BM_FreeRandomOrder(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  const churn& c = sequence();
  std::mt19937 rng(7);
  for (auto _ : state) {
    state.PauseTiming();
    {
      Heap heap;
      std::vector<void*> live(n);
      for (std::size_t i = 0; i < n; ++i) live[i] = heap.get(c.size[i]);
      std::shuffle(live.begin(), live.end(), rng);
      state.ResumeTiming();
      for (void* p : live) heap.free(p);
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FreeRandomOrder<ovle_heap>)
    ->Name("CEEFRST of every element, random order")
    ->Arg(10000)
    ->Arg(30000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FreeRandomOrder<c_heap>)
    ->Name("free of every element, random order")
    ->Arg(10000)
    ->Arg(30000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
