# Benchmarks of the storage family.
ovle_benchmark(bench_storage storage_bench.cpp)
