// Heap contents and bookkeeping survive any sequence of create, get, resize, free and discard, good
// and bad: seeded random inputs of the heap harness (fuzz/heap_fuzz.cpp, linked in), whose interpreter
// checks every step, a refused one too, against the linear first-fit model of heap_model.hpp: the
// condition, the address handed out, the contents of every element, the fill bytes, and everything
// the library publishes about its heaps. A property that does not hold aborts with its description.
#include <random>

#include "fuzz_support.hpp"
#include "ovle_test.hpp"

namespace ovle {
namespace {

using HeapModel = test::run_unit;

TEST_F(HeapModel, RandomSequencesMatchTheLinearFirstFitModel) {
  LLVMFuzzerInitialize(nullptr, nullptr);
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    std::mt19937 rng(seed);
    // Four bytes of settings, then about three bytes an operation: 300 operations, every tenth run 2000.
    std::vector<std::uint8_t> bytes(4 + 3 * (seed % 10 == 0 ? 2000 : 300));
    for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(rng());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  SUCCEED() << "every property held";
}

}  // namespace
}  // namespace ovle
