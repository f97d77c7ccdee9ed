ovle_benchmark(bench_frame frame_bench.cpp)
