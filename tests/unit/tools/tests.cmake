ovle_unit_test(ovle_tool_tests unit/tools/values_test.cpp unit/tools/ovle_cli_test.cpp)
target_link_libraries(ovle_tool_tests PRIVATE ovle_tool_core)
# The hostile-caller sweep reports argument counts through libcob, as a COBOL caller's CALL does.
find_library(LIBCOB cob)
if(LIBCOB)
  ovle_unit_test(ovle_hostile_caller_tests unit/tools/hostile_caller_test.cpp)
  target_link_libraries(ovle_hostile_caller_tests PRIVATE ovle_tool_core ${LIBCOB})
endif()
