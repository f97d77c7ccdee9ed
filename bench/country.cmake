# Benchmarks of the country family.
ovle_benchmark(bench_country country_bench.cpp)
