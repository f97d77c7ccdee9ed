ovle_unit_test(ovle_common_tests unit/common/frame_test.cpp unit/common/platform_test.cpp
               unit/common/entry_arguments_test.cpp)
find_library(LIBCOB cob)
if(LIBCOB)
  ovle_unit_test(ovle_cob_bridge_tests unit/common/cob_bridge_test.cpp)
  target_link_libraries(ovle_cob_bridge_tests PRIVATE ${LIBCOB})
endif()
if(LIBCOB)
  # Every entry called as from COBOL, its binary items described as cobc describes them.
  ovle_unit_test(ovle_binary_arguments_tests unit/common/binary_arguments_test.cpp)
  target_link_libraries(ovle_binary_arguments_tests PRIVATE ovle_tool_core ${LIBCOB})
endif()
