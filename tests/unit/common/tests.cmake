ovle_unit_test(ovle_common_tests unit/common/frame_test.cpp unit/common/platform_test.cpp
               unit/common/entry_arguments_test.cpp)
find_library(LIBCOB cob)
if(LIBCOB)
  ovle_unit_test(ovle_cob_bridge_tests unit/common/cob_bridge_test.cpp)
  target_link_libraries(ovle_cob_bridge_tests PRIVATE ${LIBCOB})
endif()
