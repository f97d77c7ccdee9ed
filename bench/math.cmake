ovle_benchmark(bench_math math_bench.cpp)
