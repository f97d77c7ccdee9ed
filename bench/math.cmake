ovle_benchmark(bench_math math_bench.cpp)
ovle_benchmark(bench_bits_random bits_random_bench.cpp)
