# Benchmarks of the environment family: the first service call of a process, as two small
# executables (one that calls nothing, one whose first call reads the configuration file and ten
# run-time options) started by bench_environment.
add_executable(bench_environment_empty_process environment_first_call.cpp)
add_executable(bench_environment_calling_process environment_first_call.cpp)
target_compile_definitions(bench_environment_calling_process PRIVATE OVLE_BENCH_CALL)
foreach(helper bench_environment_empty_process bench_environment_calling_process)
  target_link_libraries(${helper} PRIVATE ovle)
  target_include_directories(${helper} PRIVATE ${CMAKE_SOURCE_DIR}/include)
endforeach()
ovle_benchmark(bench_environment environment_bench.cpp)
target_compile_definitions(bench_environment PRIVATE
  OVLE_BENCH_EMPTY_PROCESS="$<TARGET_FILE:bench_environment_empty_process>"
  OVLE_BENCH_CALLING_PROCESS="$<TARGET_FILE:bench_environment_calling_process>")
add_dependencies(bench_environment bench_environment_empty_process bench_environment_calling_process)
