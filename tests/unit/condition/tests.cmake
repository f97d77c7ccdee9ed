# Unit tests of the condition family.
ovle_unit_test(ovle_condition_tests
  unit/condition/condition_token_test.cpp
  unit/condition/fixed_answer_test.cpp
  unit/condition/message_test.cpp
  unit/condition/symbolic_names_test.cpp)
# The symbolic-name tests read the copybooks the build writes and scan the sources for the
# conditions they raise.
add_dependencies(ovle_condition_tests ovle_copybooks)
target_compile_definitions(ovle_condition_tests PRIVATE OVLE_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                                        OVLE_GENERATED_COPYBOOK_DIR="${OVLE_GENERATED_COPYBOOK_DIR}")
