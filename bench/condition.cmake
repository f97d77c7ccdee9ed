# Benchmarks of the condition family.
ovle_benchmark(bench_condition condition_bench.cpp)
