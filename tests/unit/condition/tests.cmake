# Unit tests of the condition family.
ovle_unit_test(ovle_condition_tests unit/condition/condition_test.cpp unit/condition/message_test.cpp)
# The fixed answers are called through the tool's entry registry; the symbolic-name tests read the
# copybooks the build writes and scan the sources for the conditions they raise.
add_dependencies(ovle_condition_tests ovle_copybooks)
target_link_libraries(ovle_condition_tests PRIVATE ovle_tool_core)
target_compile_definitions(ovle_condition_tests PRIVATE OVLE_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                                        OVLE_GENERATED_COPYBOOK_DIR="${OVLE_GENERATED_COPYBOOK_DIR}")
