# The fuzz harnesses, <name>_fuzz.cpp each: built with libFuzzer by fuzz/CMakeLists.txt, and replayed
# over their seeds by the normal build's tests (fuzz/replay.cmake).
set(ovle_fuzz_harnesses date_engine date_format timestamp_format timestamp_read runtime_options configuration heap)
