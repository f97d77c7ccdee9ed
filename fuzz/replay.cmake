# Every fuzz harness replayed over its seed directory without libFuzzer, with the normal compiler:
# the seeds (the unit-test tables' cases and the input of every fault the fuzzing found) are checked
# for the harness's properties in every build, the sanitizer build included.
include(${CMAKE_CURRENT_LIST_DIR}/harnesses.cmake)
foreach(harness IN LISTS ovle_fuzz_harnesses)
  add_executable(${harness}_replay ${CMAKE_CURRENT_LIST_DIR}/${harness}_fuzz.cpp ${CMAKE_CURRENT_LIST_DIR}/replay_main.cpp)
  target_link_libraries(${harness}_replay PRIVATE ovle_core ovle_warnings)
  target_include_directories(${harness}_replay PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/../tests/support)
  add_test(NAME fuzz_seeds_${harness} COMMAND ${harness}_replay ${CMAKE_CURRENT_LIST_DIR}/seeds/${harness})
  set_tests_properties(fuzz_seeds_${harness} PROPERTIES LABELS fuzz)
endforeach()
