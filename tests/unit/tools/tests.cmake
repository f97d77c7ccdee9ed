ovle_unit_test(ovle_tool_tests unit/tools/values_test.cpp unit/tools/ovle_cli_test.cpp)
target_link_libraries(ovle_tool_tests PRIVATE ovle_tool_core)
